// Behaviour every window of the game shares: showing one with the focus, and a minimised window
// coming back to its normal size when it is activated.
#pragma once

#include <QColor>
#include <QPalette>

class QEvent;
class QWidget;

namespace zendrix {

// Restores a minimised window, shows it, brings it to the front and gives it the focus.
void ShowAndFocus(QWidget* window);

// Gives one colour role of a widget's palette a colour (a background, a text colour, ...).
void SetPaletteColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour);

// For a window's event(): restores it when it is activated while minimised.
void RestoreIfActivatedWhileMinimised(QWidget* window, const QEvent* event);

}  // namespace zendrix
