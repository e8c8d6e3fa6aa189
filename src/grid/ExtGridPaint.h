#pragma once
// The string grid's painter: every visible cell, one after another, in the
// grid's order of steps (background and grid lines, fixed-cell face, text,
// check glyph, edges, focus rectangle). Only the cells that meet the client
// area are painted, so a grid of any length costs one screen.
//
// The painter reads the cells and settings of its grid and keeps beside
// them the look record of the presets and the little window state painting
// needs (hover row, input focus); it paints into any canvas, a window's or
// an offscreen bitmap's.

#include "grid/ExtGrid.h"
#include "grid/ExtGridLook.h"
#include "platform/Graphics.h"

namespace grid {

class TExtGridPainter {
public:
    explicit TExtGridPainter(TExtStringGrid& AGrid);

    TGridLookColors& Look() { return FLook; }
    // Applies a look with its preset and hands the colours to the grid.
    void SetLook(TGridLook Value);

    // Window state read while painting.
    bool Focused = false;  // the grid window has the input focus
    bool HoverRow = false;
    int HoverRowIdx = -1;
    TColor HoverRowColor = plat::clInfoBk;
    int GridLineWidth = 1;

    // Paints the client area (the grid's width and height) at (0, 0).
    void Paint(plat::TCanvas& Canvas);
    // Cells painted by the last Paint.
    int PaintedCells() const { return FPainted; }

    // One cell: background, lines, then its content.
    void PaintCell(plat::TCanvas& Canvas, int ACol, int ARow, plat::TRect ARect, TGridDrawState AState);
    // The content inside the rectangle the grid lines leave.
    void DrawGridCell(plat::TCanvas& Canvas, int ACol, int ARow, plat::TRect ARect, TGridDrawState AState);

    // The check glyph of the control style into Box (its top-left for the
    // bitmap styles, centred for the drawn ones).
    void DrawCheckGlyph(plat::TCanvas& Canvas, plat::TRect Box, bool Checked, bool Enabled, bool Mixed,
                        TControlStyle Style);

    // The bitmap resource name of a check glyph, empty for drawn styles.
    static const char* CheckGlyphName(TControlStyle Style, bool Checked, bool Enabled);

private:
    struct TCellLook;
    void ResolveLook(int ACol, int ARow, TGridDrawState& AState, TCellLook& Look);
    void DrawFixedFace(plat::TCanvas& Canvas, int ACol, int ARow, plat::TRect& R, const TCellLook& Look);
    void DrawFixedEdges(plat::TCanvas& Canvas, plat::TRect R);
    int DrawCellText(plat::TCanvas& Canvas, int RCol, int ARow, plat::TRect R, const TCellLook& Look,
                     TGridDrawState AState);
    void DrawCheckCell(plat::TCanvas& Canvas, int RCol, int ARow, plat::TRect R, const TCellLook& Look,
                       TCellType Kind, const TCellGraphic* Graphic);

    TExtStringGrid& FGrid;
    TGridLookColors FLook;
    int FPainted = 0;
};

}  // namespace grid
