// A canvas that draws nothing, for tests of logic that draws along the way.
#pragma once

#include "platform/canvas.h"

namespace zendrix::testing {

class NullCanvas : public Canvas {
  public:
    void SetLineColour(Rgb) override {}
    void SetFillColour(Rgb) override {}
    void SetLineWidth(int) override {}
    void Line(PointF, PointF b) override { current_ = b; }
    void LineTo(PointF b) override { current_ = b; }
    void SetCurrentPoint(PointF p) override { current_ = p; }
    PointF CurrentPoint() const override { return current_; }
    void Box(PointF, PointF) override {}
    void Face(std::span<const PointF>) override {}
    void Ellipse(PointF, double, double) override {}
    void Arc(PointF, double, double, double) override {}
    void SetFontSize(double) override {}
    void SetBold(bool) override {}
    TextSize MeasureText(const std::string& text) const override {
        return {90.0 * static_cast<double>(text.size()), 195};
    }
    void Print(const std::string&) override {}

  private:
    PointF current_;
};

}  // namespace zendrix::testing
