// Pictures drawn over the kept board image without changing it: the keyboard cursor and the
// neighbourhood preview, as lists of tinted faces and outlines in twips. The board widget draws
// them in this order (faces, then outlines) on every repaint; a new kind of overlay only adds
// entries.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "board/layout.h"
#include "game/minefield.h"

namespace zendrix {

struct OverlayColour {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t alpha = 255;
    friend bool operator==(const OverlayColour&, const OverlayColour&) = default;
};

// A square's top face, corners in drawing order: front left, front right, back right, back left.
using Quad = std::array<PointF, 4>;

struct OverlayFace {
    Quad corners;
    OverlayColour fill;
};

struct OverlayOutline {
    Quad corners;
    OverlayColour colour;
    double widthPixels = 1;
};

struct Overlay {
    std::vector<OverlayFace> faces;
    std::vector<OverlayOutline> outlines;
    bool empty() const { return faces.empty() && outlines.empty(); }
};

// The top face of a square where the projection draws it.
Quad TopFace(const BoardGeometry& geometry, int rowCount, const Square& square);

// The quadrilateral with every corner moved the given fraction of the way to the centre.
Quad Inset(const Quad& quad, double fraction);

// A dark outline with a light one inside it along the edges of a square's top face: one of the
// two always stands out, whatever colour the square has.
void AddSquareOutline(Overlay& overlay, const BoardGeometry& geometry, int rowCount,
                      const Square& square);

// Every square within the current mine reach of centre, on all three levels, lightened and
// framed in a dark line; centre itself outlined. Squares outside the field are left out.
void AddReachPreview(Overlay& overlay, const BoardGeometry& geometry, const GameState& state,
                     const Square& centre);

}  // namespace zendrix
