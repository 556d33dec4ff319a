// Units, fonts, fitting texts, the wrapping button, and showing and restoring the game's windows.
#include "platform/qt/window_helpers.h"

#include <QEvent>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace zendrix {

namespace {

constexpr double kPointStep = 0.25;
constexpr int kStretchStep = 2;

// The caption's pieces between runs of two or more blanks, without their blanks. (A regular
// expression would do, but compiling one costs the start-up time of the main window's button.)
QStringList AuthorsLines(const QString& caption) {
    QStringList lines;
    QString line;
    int blanks = 0;
    for (const QChar ch : caption) {
        if (ch == QLatin1Char(' ')) {
            ++blanks;
            continue;
        }
        if (blanks >= 2 && !line.isEmpty()) {
            lines << line;
            line.clear();
        } else if (blanks == 1 && !line.isEmpty()) {
            line += QLatin1Char(' ');
        }
        blanks = 0;
        line += ch;
    }
    if (!line.isEmpty()) lines << line;
    return lines;
}

}  // namespace

int TwipsToPixels(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

QRect TwipRect(double left, double top, double width, double height) {
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
                 TwipsToPixels(height));
}

QFont DialogFont(double points, bool bold) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    if (points > 0) font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont FitFont(QFont font, const Overflow& overflow, double smallest, int narrowest) {
    double over = overflow(font);
    if (over <= 1) return font;
    auto fitsWith = [&](auto set, auto value) {
        QFont candidate = font;
        set(candidate, value);
        return overflow(candidate) <= 1;
    };
    // Text widths grow about in proportion to the width and the size of the face, so one guess
    // lands on or next to the answer and a step or two down finds a setting that fits. Every
    // size tried loads a font, which costs start-up time, so the steps only go down.
    if (narrowest < 100) {
        auto setStretch = [](QFont& f, int stretch) { f.setStretch(stretch); };
        int stretch = static_cast<int>(std::floor(100 / over / kStretchStep)) * kStretchStep;
        stretch = std::clamp(stretch, narrowest, 100);
        while (stretch > narrowest && !fitsWith(setStretch, stretch)) stretch -= kStretchStep;
        font.setStretch(stretch);
        over = overflow(font);
        if (over <= 1) return font;
    }
    const double largest = font.pointSizeF();
    if (largest <= smallest) return font;
    auto setSize = [](QFont& f, double points) { f.setPointSizeF(points); };
    double size = std::floor(largest / over / kPointStep) * kPointStep;
    size = std::clamp(size, smallest, largest);
    while (size > smallest && !fitsWith(setSize, size))
        size = std::max(smallest, size - kPointStep);
    font.setPointSizeF(size);
    return font;
}

WrapButton::WrapButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {}

QRect WrapButton::TextArea() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
}

void WrapButton::Fit() const {
    const QRect area = TextArea();
    const QString key = text() + QLatin1Char('|') + font().key() + QLatin1Char('|') +
                        QString::number(area.width()) + QLatin1Char('x') +
                        QString::number(area.height());
    if (key == fittedFor_) return;
    fittedFor_ = key;
    lines_ = AuthorsLines(text());
    font_ = font();
    wordWrap_ = lines_.size() < 2;
    if (wordWrap_) {
        lines_ = QStringList{text().trimmed()};
        return;
    }
    constexpr double kSmallestReadable = 6.5;  // points
    constexpr int kNarrowestReadable = 70;     // percent of the face's width
    const QStringList lines = lines_;
    const Overflow overflow = [&lines, area](const QFont& font) {
        const QFontMetricsF metrics(font);
        double widest = 0;
        for (const QString& line : lines)
            widest = std::max(widest, metrics.horizontalAdvance(line));
        const double height = metrics.lineSpacing() * static_cast<double>(lines.size());
        return std::max(widest / area.width(), height / area.height());
    };
    font_ = FitFont(font_, overflow, kSmallestReadable, kNarrowestReadable);
    // Lines that cannot be kept whole even so wrap further rather than being cut off.
    wordWrap_ = overflow(font_) > 1;
}

QStringList WrapButton::PaintedLines() const {
    Fit();
    return lines_;
}

QFont WrapButton::PaintedFont() const {
    Fit();
    return font_;
}

void WrapButton::paintEvent(QPaintEvent*) {
    Fit();
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.setFont(font_);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    const int flags = Qt::AlignCenter | (wordWrap_ ? Qt::TextWordWrap : 0);
    painter.drawText(TextArea(), flags, lines_.join(QLatin1Char('\n')));
}

void PlaceBeside(QWidget* window, const QWidget* other) {
    const QScreen* screen = other->screen();
    if (!screen) return;
    window->adjustSize();
    const QRect room = screen->availableGeometry();
    const QRect beside = other->frameGeometry();
    // The frame the window system will add is not known before the window is shown.
    constexpr int kFrame = 8;
    const int width = window->width() + 2 * kFrame;
    const int top = std::clamp(beside.top(), room.top(), room.bottom() - window->height());
    if (beside.right() + width <= room.right()) {
        window->move(beside.right() + 1, top);
    } else if (beside.left() - width >= room.left()) {
        window->move(beside.left() - width, top);
    }
}

void ShowAndFocus(QWidget* window) {
    if (window->isMinimized()) window->showNormal();
    window->show();
    window->raise();
    window->activateWindow();
    window->setFocus(Qt::OtherFocusReason);
}

void SetPaletteColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

void RestoreIfActivatedWhileMinimised(QWidget* window, const QEvent* event) {
    if (event->type() == QEvent::WindowActivate && window->isMinimized()) {
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    }
}

}  // namespace zendrix
