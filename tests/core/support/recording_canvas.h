// A Canvas that records every drawing call with the state in force, for painter tests.
#pragma once

#include <string>
#include <vector>

#include "platform/canvas.h"

namespace zendrix {

struct CanvasCall {
    enum class Kind { Line, Face, Box, Ellipse, Arc, Print };
    Kind kind = Kind::Line;
    // Line and Box: the two ends; Face: the corners; Ellipse, Arc and Print: one point.
    std::vector<PointF> points;
    Rgb line;
    Rgb fill;
    int width = 1;
    bool bold = false;
    double fontSize = 0;
    double radius = 0;  // Ellipse: horizontal radius; Arc: radius
    double aspect = 0;
    double start = 0;
    double end = 0;
    std::string text;
};

class RecordingCanvas : public Canvas {
  public:
    std::vector<CanvasCall> calls;

    // Text metrics of the recording canvas: a fixed width per character and height per point.
    static constexpr double kCharWidthPerPoint = 10;
    static constexpr double kHeightPerPoint = 24;

    std::vector<CanvasCall> Of(CanvasCall::Kind kind) const;

    void SetLineColour(Rgb colour) override { line_ = colour; }
    void SetFillColour(Rgb colour) override { fill_ = colour; }
    void SetLineWidth(int pixels) override { width_ = pixels; }
    void Line(PointF a, PointF b) override;
    void LineTo(PointF b) override { Line(current_, b); }
    void SetCurrentPoint(PointF p) override { current_ = p; }
    PointF CurrentPoint() const override { return current_; }
    void Box(PointF a, PointF b) override;
    void Face(std::span<const PointF> corners) override;
    void Ellipse(PointF centre, double rx, double aspect) override;
    void Arc(PointF centre, double radius, double startAngle, double endAngle) override;
    void SetFontSize(double points) override { fontSize_ = points; }
    void SetBold(bool bold) override { bold_ = bold; }
    TextSize MeasureText(const std::string& text) const override;
    void Print(const std::string& text) override;

  private:
    CanvasCall Start(CanvasCall::Kind kind) const;

    Rgb line_;
    Rgb fill_;
    int width_ = 1;
    bool bold_ = false;
    double fontSize_ = 0;
    PointF current_;
};

}  // namespace zendrix
