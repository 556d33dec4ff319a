// The help window: shows HelpDocument() and keeps its text box sized to the window.
#include "help/help_window.h"
#include "platform/qt/window_helpers.h"

#include <QEvent>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QResizeEvent>

#include "help/help_text.h"

namespace zendrix {

namespace {

constexpr int kTwipsPerPixel = 15;

int ToPixels(int twips) {
    return twips / kTwipsPerPixel;
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), txtbxDirections_(new QPlainTextEdit(this)) {
    setObjectName("frmHelpText");
    setWindowTitle(QString::fromUtf8(kHelpWindowTitle));
    // The instance is shared and reused: the frame's close button only hides it (with its scroll
    // position), and closing the manual never ends the game, whichever window is left.
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(ToPixels(kHelpClientSize.width), ToPixels(kHelpClientSize.height));

    txtbxDirections_->setObjectName("txtbxDirections");
    txtbxDirections_->setGeometry(0, 0, ToPixels(kHelpTextBoxSize.width),
                                  ToPixels(kHelpTextBoxSize.height));
    txtbxDirections_->setReadOnly(true);
    // Read-only text still answers the arrow and page keys, so the manual can be read without
    // the mouse.
    txtbxDirections_->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                              Qt::TextSelectableByKeyboard);
    txtbxDirections_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtbxDirections_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtbxDirections_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtbxDirections_->setWordWrapMode(QTextOption::WordWrap);
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setBold(true);
    txtbxDirections_->setFont(font);

    QString text = QString::fromStdString(HelpDocument());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    txtbxDirections_->setPlainText(text);
}

void HelpWindow::showAndFocus() {
    ShowAndFocus(this);
    txtbxDirections_->setFocus(Qt::OtherFocusReason);
}

bool HelpWindow::event(QEvent* event) {
    RestoreIfActivatedWhileMinimised(this, event);
    return QWidget::event(event);
}

void HelpWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const TwipSize inner{width() * kTwipsPerPixel, height() * kTwipsPerPixel};
    if (const auto box = HelpTextBoxSizeFor(inner)) {
        txtbxDirections_->resize(ToPixels(box->width), ToPixels(box->height));
    }
}

}  // namespace zendrix
