// Records canvas calls so painter tests can check what was drawn, where and in which colour.
#include "support/recording_canvas.h"

namespace zendrix {

std::vector<CanvasCall> RecordingCanvas::Of(CanvasCall::Kind kind) const {
    std::vector<CanvasCall> result;
    for (const CanvasCall& call : calls) {
        if (call.kind == kind) result.push_back(call);
    }
    return result;
}

CanvasCall RecordingCanvas::Start(CanvasCall::Kind kind) const {
    CanvasCall call;
    call.kind = kind;
    call.line = line_;
    call.fill = fill_;
    call.width = width_;
    call.bold = bold_;
    call.fontSize = fontSize_;
    return call;
}

void RecordingCanvas::Line(PointF a, PointF b) {
    CanvasCall call = Start(CanvasCall::Kind::Line);
    call.points = {a, b};
    calls.push_back(std::move(call));
    current_ = b;
}

void RecordingCanvas::Box(PointF a, PointF b) {
    CanvasCall call = Start(CanvasCall::Kind::Box);
    call.points = {a, b};
    calls.push_back(std::move(call));
}

void RecordingCanvas::Face(std::span<const PointF> corners) {
    CanvasCall call = Start(CanvasCall::Kind::Face);
    call.points.assign(corners.begin(), corners.end());
    calls.push_back(std::move(call));
}

void RecordingCanvas::Ellipse(PointF centre, double rx, double aspect) {
    CanvasCall call = Start(CanvasCall::Kind::Ellipse);
    call.points = {centre};
    call.radius = rx;
    call.aspect = aspect;
    calls.push_back(std::move(call));
}

void RecordingCanvas::Arc(PointF centre, double radius, double startAngle, double endAngle) {
    CanvasCall call = Start(CanvasCall::Kind::Arc);
    call.points = {centre};
    call.radius = radius;
    call.start = startAngle;
    call.end = endAngle;
    calls.push_back(std::move(call));
}

TextSize RecordingCanvas::MeasureText(const std::string& text) const {
    return {static_cast<double>(text.size()) * kCharWidthPerPoint * fontSize_,
            kHeightPerPoint * fontSize_};
}

void RecordingCanvas::Print(const std::string& text) {
    CanvasCall call = Start(CanvasCall::Kind::Print);
    call.points = {current_};
    call.text = text;
    calls.push_back(std::move(call));
}

}  // namespace zendrix
