// Which faces the cursor and the neighbourhood preview cover, and in which tints.
#include "board/overlay.h"

namespace zendrix {
namespace {

constexpr OverlayColour kOutlineDark{0, 0, 0, 255};
constexpr OverlayColour kOutlineLight{255, 255, 255, 255};
// Lightens dark squares; the frame below marks the light ones.
constexpr OverlayColour kPreviewTint{255, 255, 170, 120};
constexpr OverlayColour kPreviewFrame{20, 20, 20, 210};
// The frame stands a little inside the face, off the grid lines.
constexpr double kFrameInset = 0.16;

}  // namespace

Quad Inset(const Quad& quad, double fraction) {
    PointF centre{0, 0};
    for (const PointF& p : quad) {
        centre.x += p.x / 4;
        centre.y += p.y / 4;
    }
    Quad result;
    for (size_t i = 0; i < quad.size(); ++i) {
        result[i] = {quad[i].x + (centre.x - quad[i].x) * fraction,
                     quad[i].y + (centre.y - quad[i].y) * fraction};
    }
    return result;
}

Quad TopFace(const BoardGeometry& geometry, int rowCount, const Square& square) {
    const int x = square.column, y = square.row, z = square.level;
    return {ProjectPoint(geometry, rowCount, x, y, z),
            ProjectPoint(geometry, rowCount, x + 1, y, z),
            ProjectPoint(geometry, rowCount, x + 1, y + 1, z),
            ProjectPoint(geometry, rowCount, x, y + 1, z)};
}

void AddSquareOutline(Overlay& overlay, const BoardGeometry& geometry, int rowCount,
                      const Square& square) {
    const Quad face = TopFace(geometry, rowCount, square);
    overlay.outlines.push_back({face, kOutlineDark, 4});
    overlay.outlines.push_back({face, kOutlineLight, 1.5});
}

void AddReachPreview(Overlay& overlay, const BoardGeometry& geometry, const GameState& state,
                     const Square& centre) {
    if (!state.InField(centre)) return;
    for (const Offset& offset : Neighbourhood(state.reachLevel)) {
        const Square square{centre.column + offset.dc, centre.row + offset.dr,
                            centre.level + offset.dl};
        if (square == centre || !state.InField(square)) continue;
        const Quad face = TopFace(geometry, state.rowCount, square);
        overlay.faces.push_back({face, kPreviewTint});
        overlay.outlines.push_back({Inset(face, kFrameInset), kPreviewFrame, 1});
    }
    AddSquareOutline(overlay, geometry, state.rowCount, centre);
}

}  // namespace zendrix
