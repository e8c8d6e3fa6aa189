#pragma once
// The string grid's painter: every visible cell, one after another, in the
// grid's order of steps (background and grid lines, fixed-cell face, text,
// check glyph, edges, focus rectangle). Only the cells that meet the client
// area are painted, so a grid of any length costs one screen.
//
// The base grid paints each cell's background and grid lines and asks the
// painter for the cell's colours and its content. The painter keeps the
// look record of the presets beside the grid's own properties, for the
// colours the grid has no property for.

#include "controls/ExtStyleIF.h"
#include "grid/ExtGrid.h"
#include "grid/ExtGridLook.h"
#include "platform/Graphics.h"

namespace grid {

// The size of a W x H text turned by Angle degrees, with 6 pixels of room
// on each side: the box that holds the turned text.
plat::TPoint RotatedTextSize(int W, int H, int Angle);

class TExtGridPainter {
public:
    explicit TExtGridPainter(TExtStringGrid& AGrid);

    TGridLookColors& Look() { return FLook; }
    // A look or style with its preset, handed to the grid and repainted.
    void SetLook(TGridLook Value);
    void SetStyle(TExtGridStyle Value);
    // The pack-wide style (the same sets in the same order), kept as the
    // grid's last style.
    void SetComponentStyle(ctl::TKeloStyle AStyle);
    // The style last set (tsCustom until one is), which the picker editors
    // take when they open.
    ctl::TKeloStyle ComponentStyle() const { return FComponentStyle; }
    // A flat look from a colour-tone set; the tones are kept.
    void SetColorTones(const ctl::TColorTones& ATones);
    const ctl::TColorTones& ColorTones() const { return FTones; }
    // Follows the office suite's colour scheme when it changed since the
    // last call; an unknown scheme changes nothing.
    void AdaptToOfficeTheme(ctl::TOfficeTheme Theme);
    void AdaptToOfficeTheme() { AdaptToOfficeTheme(ctl::DetectOfficeTheme()); }

    // Paints the cells that meet the client area into Canvas (client
    // coordinates), each through the grid's own cell painting.
    void Paint(plat::TCanvas& Canvas);
    // Cells painted by the last Paint.
    int PaintedCells() const { return FPainted; }

    // The grid's visual-properties step and cell-content step.
    void VisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Select, plat::TBrush& ABrush,
                          TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo, plat::TFont& AFont,
                          plat::TAlignment& HA, TVAlignment& VA, bool& WW, TCellGradientDirection& GD);
    void DrawGridCell(plat::TCanvas& Canvas, int ACol, int ARow, plat::TRect ARect, TGridDrawState AState);

    // The check glyph of the control style into Box (its top-left for the
    // bitmap styles, centred for the drawn ones).
    void DrawCheckGlyph(plat::TCanvas& Canvas, plat::TRect Box, bool Checked, bool Enabled, bool Mixed,
                        TControlStyle Style);
    // The dotted line that follows a column (row) edge being dragged; it
    // inverts what lies under it, so drawing it again at the same place
    // removes it.
    void DrawColSizeLine(plat::TCanvas& Canvas, int X);
    void DrawRowSizeLine(plat::TCanvas& Canvas, int Y);

    // The background outside the cells: right of the last column and
    // below the last row, when they are in view.
    void PaintBackgroundOutside(plat::TCanvas& Canvas);

    // The bitmap resource name of a check glyph, empty for drawn styles.
    static const char* CheckGlyphName(TControlStyle Style, bool Checked, bool Enabled);

private:
    struct TCellLook {
        TColor Brush = plat::clNone;
        TColor ColorTo = plat::clNone;
        TColor MirrorColor = plat::clNone;
        TColor MirrorColorTo = plat::clNone;
        plat::TAlignment HA = plat::taLeftJustify;
        TVAlignment VA = vtaTop;
        bool WW = true;  // long text breaks between words onto more lines
    };
    void DrawFixedFace(plat::TCanvas& Canvas, int ACol, int ARow, plat::TRect& R, const TCellLook& Look);
    void DrawFixedEdges(plat::TCanvas& Canvas, int ACol, int ARow, plat::TRect R, bool FixedLook);
    // Under the text: the background picture or gradient of the cell and
    // the frame of the selected block.
    void DrawCellBackGround(plat::TCanvas& Canvas, int ACol, int RCol, int ARow, plat::TRect R, bool Fixed,
                            bool Selected, TCellType Kind);
    void DrawSelectionFrame(plat::TCanvas& Canvas, int ACol, int ARow, plat::TRect R);
    int DrawCellText(plat::TCanvas& Canvas, int RCol, int ARow, plat::TRect R, const TCellLook& Look);
    void DrawCheckCell(plat::TCanvas& Canvas, int RCol, int ARow, plat::TRect R, const TCellLook& Look,
                       TCellType Kind, const TCellGraphic* Graphic, int TextWidth = 0);

    TExtStringGrid& FGrid;
    TGridLookColors FLook;
    ctl::TColorTones FTones;
    ctl::TKeloStyle FComponentStyle = ctl::tsCustom;
    ctl::TOfficeTheme FLastTheme = ctl::otUnknown;
    int FPainted = 0;
};

}  // namespace grid
