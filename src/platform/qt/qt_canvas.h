// The board's drawing surface in Qt: a persistent image at the screen's pixel ratio, drawn in
// twips (15 per logical pixel), which the board widget only copies to the screen.
#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QSize>
#include <QStaticText>
#include <QString>
#include <array>
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace zendrix {

class QtCanvas final : public Canvas {
  public:
    QtCanvas();
    ~QtCanvas() override;
    QtCanvas(const QtCanvas&) = delete;
    QtCanvas& operator=(const QtCanvas&) = delete;

    // Starts over on a white image of the given logical size at the given device pixel ratio.
    // Colours, line width, font and current point are kept.
    void Resize(QSize logicalSize, qreal devicePixelRatio);
    // What has been drawn so far. The image carries its device pixel ratio.
    const QImage& image() const { return image_; }
    qreal devicePixelRatio() const { return image_.devicePixelRatio(); }

    void SetLineColour(Rgb colour) override;
    void SetFillColour(Rgb colour) override;
    void SetLineWidth(int pixels) override;
    void Line(PointF a, PointF b) override;
    void LineTo(PointF b) override;
    void SetCurrentPoint(PointF p) override { current_ = p; }
    PointF CurrentPoint() const override { return current_; }
    void Box(PointF a, PointF b) override;
    void Face(std::span<const PointF> corners) override;
    void Ellipse(PointF centre, double rx, double aspect) override;
    void Arc(PointF centre, double radius, double startAngle, double endAngle) override;
    void SetFontSize(double points) override;
    void SetBold(bool bold) override;
    TextSize MeasureText(const std::string& text) const override;
    void Print(const std::string& text) override;

  private:
    enum class Pen { None, Line };
    // Brings the painter's pen and brush to what the next primitive needs; does nothing when
    // they are already set, so runs of equal primitives cost no state changes.
    void Prepare(Pen pen, const QColor* brush);
    // Rebuilds the font and its metrics after a size or weight change; measuring may need it
    // before anything is printed.
    void UpdateFont() const;
    // A line between two points in twips, the given number of logical pixels thick.
    void Stroke(PointF a, PointF b, int pixels);
    // A solid line of the given thickness between two points in device pixels.
    void PlotLine(double x0, double y0, double x1, double y1, int width);
    const QString& ToQString(const std::string& text) const;

    QImage image_;
    QPainter painter_;
    QColor line_{Qt::black};
    QColor fill_{Qt::black};
    int lineWidth_ = 1;
    PointF current_;

    // What the painter currently has, to skip redundant state changes.
    Pen painterPen_ = Pen::None;
    QColor painterPenColour_;
    int painterPenWidth_ = -1;
    bool painterHasBrush_ = false;
    QColor painterBrush_;

    double fontPoints_ = 8.25;
    bool bold_ = false;
    mutable bool fontDirty_ = true;
    mutable bool painterFontStale_ = true;
    mutable QFont font_;
    mutable QFontMetricsF metrics_{QFont()};
    mutable QString textBuffer_;
    // Texts already laid out in the current font size, normal weight [0] and bold [1].
    struct PreparedText {
        std::string text;
        QStaticText layout;
        double advance;  // twips
    };
    mutable std::array<std::vector<PreparedText>, 2> preparedTexts_;
    mutable double preparedPoints_ = 0;
};

}  // namespace zendrix
