// What every window of the game shares: window units turned into pixels, the dialog font, fitting
// a text into the room a control was designed with, a button whose caption wraps, showing a
// window with the focus, and a minimised window coming back when it is activated.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QPushButton>
#include <QRect>
#include <QStringList>
#include <functional>

class QEvent;
class QWidget;

namespace zendrix {

// Window units are twips: 15 to a logical pixel (1440 to the inch at 96 dots per inch), whatever
// the screen.
inline constexpr double kTwipsPerPixel = 15.0;

// Twips to logical pixels, to the nearest pixel.
int TwipsToPixels(double twips);
QRect TwipRect(double left, double top, double width, double height);

// The platform's dialog font (what "MS Sans Serif" stands for) at a size in points; a size of 0
// keeps the platform's own.
QFont DialogFont(double points, bool bold = false);

// How far a text overflows its room in a font: the needed extent over the available one, 1 or
// less when it fits. The measure must grow in proportion to the font's size and width (a width,
// a height of lines that do not rewrap, or the square root of a wrapped text's height).
using Overflow = std::function<double(const QFont&)>;

// The captions and texts were laid out for a narrow face; a wider one would be cut off. Returns
// the font given when its text fits, else one just small enough: narrowed first (down to
// `narrowest` percent of the face's width, in steps of 2), then made smaller (down to `smallest`
// points, in quarter points). When nothing fits, the narrowest and smallest font.
QFont FitFont(QFont font, const Overflow& overflow, double smallest, int narrowest = 100);

// A push button whose caption wraps, as a narrow command button's caption does. A caption with
// runs of two or more blanks inside it was broken there by its author: it shows exactly those
// lines, in a narrower or smaller font when they need it. Any other caption wraps at its blanks
// where the button is too narrow. text() keeps the caption exactly as given.
class WrapButton : public QPushButton {
    Q_OBJECT

  public:
    explicit WrapButton(const QString& text, QWidget* parent = nullptr);

    // The lines the caption is painted in and the font they are painted with.
    QStringList PaintedLines() const;
    QFont PaintedFont() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // Recomputes the lines and font when the caption, the font or the size changed.
    void Fit() const;
    QRect TextArea() const;

    mutable QString fittedFor_;
    mutable QStringList lines_;
    mutable QFont font_;
    mutable bool wordWrap_ = false;
};

// Puts a window that is about to be shown for the first time to the right of another, or to its
// left, where the screen has room for it; otherwise leaves it where the window system puts it.
void PlaceBeside(QWidget* window, const QWidget* other);

// Restores a minimised window, shows it, brings it to the front and gives it the focus.
void ShowAndFocus(QWidget* window);

// Gives one colour role of a widget's palette a colour (a background, a text colour, ...).
void SetPaletteColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour);

// For a window's event(): restores it when it is activated while minimised.
void RestoreIfActivatedWhileMinimised(QWidget* window, const QEvent* event);

}  // namespace zendrix
