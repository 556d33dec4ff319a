// QPainter behind the Canvas interface, drawing in device pixels of an image made at the screen's
// pixel ratio, so the board stays sharp at any scaling. Straight lines are plotted directly.
#include "platform/qt/qt_canvas.h"
#include "platform/qt/window_helpers.h"

#include <QFontDatabase>
#include <QRectF>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace zendrix {
namespace {

constexpr double kPixel = 1.0 / kTwipsPerPixel;
// Font sizes are given in points at 96 dots per inch whatever the screen: 3780 dots per metre.
constexpr int kDotsPerMetre = 3780;

QPointF Px(PointF p) {
    return {p.x * kPixel, p.y * kPixel};
}
QColor ToQColor(Rgb c) {
    return QColor(c.red, c.green, c.blue);
}

}  // namespace

QtCanvas::QtCanvas() {
    // The same font description as the window's labels, so the font engines loaded for them
    // (and the family lookups behind them) serve the board's numbers as well.
    font_ = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font_.setStyleStrategy(QFont::NoAntialias);
    Resize(QSize(1, 1), 1.0);
}

QtCanvas::~QtCanvas() {
    if (painter_.isActive()) painter_.end();
}

void QtCanvas::Resize(QSize logicalSize, qreal devicePixelRatio) {
    if (painter_.isActive()) painter_.end();
    if (!(devicePixelRatio > 0)) devicePixelRatio = 1;
    QSize device(std::max(1, static_cast<int>(std::ceil(logicalSize.width() * devicePixelRatio))),
                 std::max(1, static_cast<int>(std::ceil(logicalSize.height() * devicePixelRatio))));
    image_ = QImage(device, QImage::Format_RGB32);
    image_.setDevicePixelRatio(devicePixelRatio);
    image_.setDotsPerMeterX(kDotsPerMetre);
    image_.setDotsPerMeterY(kDotsPerMetre);
    image_.fill(Qt::white);
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, false);
    painter_.setBackgroundMode(Qt::TransparentMode);
    painterPen_ = Pen::None;
    painterPenWidth_ = -1;
    painterHasBrush_ = false;
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(Qt::NoBrush);
    painterFontStale_ = true;
}

void QtCanvas::SetLineColour(Rgb colour) {
    line_ = ToQColor(colour);
}
void QtCanvas::SetFillColour(Rgb colour) {
    fill_ = ToQColor(colour);
}
void QtCanvas::SetLineWidth(int pixels) {
    lineWidth_ = std::max(1, pixels);
}

void QtCanvas::Prepare(Pen pen, const QColor* brush) {
    const int width = lineWidth_;
    if (pen != painterPen_ || line_ != painterPenColour_ || width != painterPenWidth_) {
        if (pen == Pen::None) {
            painter_.setPen(Qt::NoPen);
        } else {
            QPen qpen(line_, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
            // A cosmetic pen keeps Qt on its fast line path; its width is in device pixels.
            qpen.setCosmetic(true);
            qpen.setWidthF(width * image_.devicePixelRatio());
            painter_.setPen(qpen);
        }
        painterPen_ = pen;
        painterPenColour_ = line_;
        painterPenWidth_ = width;
    }
    if (brush == nullptr) {
        if (painterHasBrush_) {
            painter_.setBrush(Qt::NoBrush);
            painterHasBrush_ = false;
        }
    } else if (!painterHasBrush_ || *brush != painterBrush_) {
        painter_.setBrush(*brush);
        painterHasBrush_ = true;
        painterBrush_ = *brush;
    }
}

void QtCanvas::Line(PointF a, PointF b) {
    Stroke(a, b, lineWidth_);
    current_ = b;
}

void QtCanvas::Stroke(PointF a, PointF b, int pixels) {
    const qreal ratio = image_.devicePixelRatio();
    const double scale = kPixel * ratio;
    PlotLine(a.x * scale, a.y * scale, b.x * scale, b.y * scale,
             std::max(1, static_cast<int>(std::lround(pixels * ratio))));
}

namespace {

// Cuts the segment to the rectangle [0, w) x [0, h) (Liang-Barsky). False when nothing is left,
// NaN ends included.
bool ClipSegment(double& x0, double& y0, double& x1, double& y1, double w, double h) {
    double t0 = 0;
    double t1 = 1;
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0, w - x0, y0, h - y0};
    for (int i = 0; i < 4; ++i) {
        if (!std::isfinite(q[i]) || !std::isfinite(p[i])) return false;
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        double t = q[i] / p[i];
        if (p[i] < 0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 > t1) return false;
    }
    x1 = x0 + t1 * dx;
    y1 = y0 + t1 * dy;
    x0 = x0 + t0 * dx;
    y0 = y0 + t0 * dy;
    return true;
}

}  // namespace

void QtCanvas::PlotLine(double x0, double y0, double x1, double y1, int width) {
    // Thin solid lines are plotted straight into the image: Qt's stroker pays tens of nanoseconds
    // per pixel on slanted lines, which made the grid alone cost a millisecond.
    const int w = image_.width();
    const int h = image_.height();
    const double margin = width;  // keep the thickness of lines that run just off the edge
    x0 += margin, y0 += margin, x1 += margin, y1 += margin;
    if (!ClipSegment(x0, y0, x1, y1, w + 2 * margin, h + 2 * margin)) return;
    int ax = static_cast<int>(std::floor(x0 - margin));
    int ay = static_cast<int>(std::floor(y0 - margin));
    const int bx = static_cast<int>(std::floor(x1 - margin));
    const int by = static_cast<int>(std::floor(y1 - margin));

    const QRgb colour = line_.rgb();
    uchar* bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    auto plot = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= w || y >= h) return;
        reinterpret_cast<QRgb*>(bits + y * stride)[x] = colour;
    };

    const int dx = std::abs(bx - ax);
    const int dy = -std::abs(by - ay);
    const int sx = ax < bx ? 1 : -1;
    const int sy = ay < by ? 1 : -1;
    const bool across = dx >= -dy;  // mostly horizontal: the thickness spreads vertically
    const int before = (width - 1) / 2;
    int error = dx + dy;
    for (;;) {
        for (int k = -before; k < width - before; ++k) {
            if (across) {
                plot(ax, ay + k);
            } else {
                plot(ax + k, ay);
            }
        }
        if (ax == bx && ay == by) break;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            ax += sx;
        }
        if (twice <= dx) {
            error += dx;
            ay += sy;
        }
    }
}

void QtCanvas::LineTo(PointF b) {
    Line(current_, b);
}

void QtCanvas::Box(PointF a, PointF b) {
    Prepare(Pen::Line, &fill_);
    painter_.drawRect(QRectF(Px(a), Px(b)).normalized());
}

void QtCanvas::Face(std::span<const PointF> corners) {
    QPointF points[8];
    if (corners.empty() || corners.size() > std::size(points)) return;
    for (size_t i = 0; i < corners.size(); ++i) points[i] = Px(corners[i]);
    // Filled without an outline: aliased faces that share an edge then cover every pixel exactly
    // once, so which of two neighbours was painted last never shows. A move repaints single
    // squares over the kept picture, and it must end as a whole-board redraw would.
    Prepare(Pen::None, &line_);
    painter_.drawPolygon(points, static_cast<int>(corners.size()));
}

void QtCanvas::Ellipse(PointF centre, double rx, double aspect) {
    Prepare(Pen::Line, &fill_);
    painter_.drawEllipse(Px(centre), rx * kPixel, rx * aspect * kPixel);
}

void QtCanvas::Arc(PointF centre, double radius, double startAngle, double endAngle) {
    constexpr double kTurn = 2 * std::numbers::pi;
    double span = std::fmod(endAngle - startAngle, kTurn);
    if (span < 0) span += kTurn;
    double r = radius * kPixel;
    QPointF c = Px(centre);
    Prepare(Pen::Line, nullptr);
    // Qt's angles are sixteenths of a degree, counter-clockwise from 3 o'clock as on the canvas.
    painter_.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r),
                     static_cast<int>(std::lround(startAngle * 180 / std::numbers::pi * 16)),
                     static_cast<int>(std::lround(span * 180 / std::numbers::pi * 16)));
}

void QtCanvas::SetFontSize(double points) {
    if (!(points > 0) || points == fontPoints_) return;
    fontPoints_ = points;
    fontDirty_ = true;
}

void QtCanvas::SetBold(bool bold) {
    if (bold == bold_) return;
    bold_ = bold;
    fontDirty_ = true;
}

void QtCanvas::UpdateFont() const {
    if (!fontDirty_) return;
    font_.setPointSizeF(fontPoints_);
    font_.setBold(bold_);
    metrics_ = QFontMetricsF(font_, &image_);
    fontDirty_ = false;
    if (preparedPoints_ != fontPoints_) {
        for (auto& cache : preparedTexts_) cache.clear();
        preparedPoints_ = fontPoints_;
    }
    painterFontStale_ = true;
}

const QString& QtCanvas::ToQString(const std::string& text) const {
    // Board texts are short ASCII numbers; refilling one buffer avoids an allocation per text.
    bool ascii = true;
    for (char ch : text) ascii = ascii && static_cast<unsigned char>(ch) < 0x80;
    if (!ascii) {
        textBuffer_ = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        return textBuffer_;
    }
    textBuffer_.resize(static_cast<qsizetype>(text.size()));
    QChar* out = textBuffer_.data();
    for (size_t i = 0; i < text.size(); ++i) out[i] = QChar(static_cast<char16_t>(text[i]));
    return textBuffer_;
}

TextSize QtCanvas::MeasureText(const std::string& text) const {
    UpdateFont();
    const QString& s = ToQString(text);
    return {metrics_.horizontalAdvance(s) * kTwipsPerPixel, metrics_.height() * kTwipsPerPixel};
}

void QtCanvas::Print(const std::string& text) {
    UpdateFont();
    if (painterFontStale_) {
        painter_.setFont(font_);
        painterFontStale_ = false;
    }
    Prepare(Pen::Line, nullptr);
    // The board prints the same few numbers over and over: laid out once, they draw several
    // times faster than plain text.
    std::vector<PreparedText>& cache = preparedTexts_[bold_ ? 1 : 0];
    auto found = std::find_if(cache.begin(), cache.end(),
                              [&](const PreparedText& p) { return p.text == text; });
    if (found == cache.end()) {
        if (cache.size() >= 64) cache.clear();  // only the board's few numbers are worth keeping
        PreparedText prepared{text, QStaticText(ToQString(text)), 0};
        prepared.layout.setTextFormat(Qt::PlainText);
        prepared.layout.prepare(painter_.transform(), painter_.font());
        prepared.advance = metrics_.horizontalAdvance(ToQString(text)) * kTwipsPerPixel;
        cache.push_back(std::move(prepared));
        found = cache.end() - 1;
    }
    painter_.drawStaticText(Px(current_), found->layout);
    current_.x += found->advance;
}

}  // namespace zendrix
