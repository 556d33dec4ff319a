// The help window: shows HelpDocument() and keeps its text box sized to the window.
#include "help/help_window.h"
#include "platform/qt/window_helpers.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QResizeEvent>

#include "help/help_text.h"

namespace zendrix {

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), txtbxDirections_(new QPlainTextEdit(this)) {
    setObjectName("frmHelpText");
    setWindowTitle(QString::fromUtf8(kHelpWindowTitle));
    // The instance is shared and reused: the frame's close button only hides it (with its scroll
    // position), and closing the manual never ends the game, whichever window is left.
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(TwipsToPixels(kHelpClientSize.width), TwipsToPixels(kHelpClientSize.height));

    txtbxDirections_->setObjectName("txtbxDirections");
    txtbxDirections_->setGeometry(TwipRect(0, 0, kHelpTextBoxSize.width, kHelpTextBoxSize.height));
    txtbxDirections_->setReadOnly(true);
    txtbxDirections_->setAccessibleName(QStringLiteral("Manual"));
    // Read-only text still answers the arrow and page keys, so the manual can be read without
    // the mouse.
    txtbxDirections_->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                              Qt::TextSelectableByKeyboard);
    txtbxDirections_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtbxDirections_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtbxDirections_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtbxDirections_->setWordWrapMode(QTextOption::WordWrap);
    txtbxDirections_->setFont(DialogFont(0, true));

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
    const TwipSize inner{static_cast<int>(width() * kTwipsPerPixel),
                         static_cast<int>(height() * kTwipsPerPixel)};
    if (const auto box = HelpTextBoxSizeFor(inner)) {
        txtbxDirections_->resize(TwipsToPixels(box->width), TwipsToPixels(box->height));
    }
}

}  // namespace zendrix
