// The drawing surface the board painter draws on, in window units (twips, 15 per logical pixel).
// The Qt adapter paints a persistent image; tests record the calls.
#pragma once

#include <span>
#include <string>

#include "platform/basic_types.h"

namespace zendrix {

struct TextSize {
    double width = 0;
    double height = 0;
};

class Canvas {
  public:
    virtual ~Canvas() = default;

    virtual void SetLineColour(Rgb colour) = 0;
    virtual void SetFillColour(Rgb colour) = 0;
    // Line width in pixels (1 or 2).
    virtual void SetLineWidth(int pixels) = 0;

    // A line from a to b; the current point becomes b.
    virtual void Line(PointF a, PointF b) = 0;
    // A line from the current point to b, which becomes the current point.
    virtual void LineTo(PointF b) = 0;
    virtual void SetCurrentPoint(PointF p) = 0;
    virtual PointF CurrentPoint() const = 0;

    // A box between two corners, outlined in the line colour and filled with the fill colour.
    virtual void Box(PointF a, PointF b) = 0;
    // A filled polygon in the line colour (fill and outline): one face of a slab or square.
    virtual void Face(std::span<const PointF> corners) = 0;
    // An ellipse of horizontal radius rx and height/width ratio aspect, outlined in the line
    // colour and filled with the fill colour.
    virtual void Ellipse(PointF centre, double rx, double aspect) = 0;
    // An unfilled circular arc, angles in radians counter-clockwise from 3 o'clock, y up.
    virtual void Arc(PointF centre, double radius, double startAngle, double endAngle) = 0;

    // Font: the default sans-serif face at a point size; bold on or off.
    virtual void SetFontSize(double points) = 0;
    virtual void SetBold(bool bold) = 0;
    virtual TextSize MeasureText(const std::string& text) const = 0;
    // Prints text with its top-left corner at the current point, in the line colour, on a
    // transparent background.
    virtual void Print(const std::string& text) = 0;
};

}  // namespace zendrix
