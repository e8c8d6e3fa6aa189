// How much room a cell graphic takes: on screen for layout and column
// fitting, when printed at a scale, and where the mouse hits its check box
// or expand button.

#include <algorithm>
#include <cmath>
#include <memory>

#include "grid/ExtGrid.h"
#include "grid/GridLists.h"

namespace grid {

namespace {

// Measuring needs a canvas, not a window: one small bitmap serves.
plat::TCanvas& MeasureCanvas(const plat::TFont& Font) {
    static std::unique_ptr<plat::TBitmap> measure;
    if (!measure) measure = std::make_unique<plat::TBitmap>(1, 1);
    plat::TCanvas& canvas = measure->Canvas();
    canvas.Font().Assign(Font);
    return canvas;
}

int ButtonWidth(const TCellGraphic& g) { return static_cast<int>(static_cast<std::uint32_t>(g.CellIndex()) & 0xFFFFu); }
int ButtonHeight(const TCellGraphic& g) { return static_cast<int>(static_cast<std::uint32_t>(g.CellIndex()) >> 16); }

// The options of a radio group side by side (one line) or stacked, each
// with room for its glyph; a stacked line is at least MinLine high.
plat::TPoint RadioGroupExtent(plat::TCanvas& canvas, const std::vector<std::string>& Options, bool SideBySide,
                              int MinLine) {
    const int lineHeight = canvas.TextHeight("gh");
    if (SideBySide) {
        int w = 0;
        for (const auto& o : Options) w += canvas.TextWidth(o) + 12;
        return {w, lineHeight};
    }
    int w = 12;
    for (const auto& o : Options) w = std::max(w, canvas.TextWidth(o) + 12);
    return {w, std::max(MinLine, lineHeight) * static_cast<int>(Options.size())};
}

}  // namespace

void TExtStringGrid::GetCellExtent(int ACol, int ARow, int ExtraHeight, plat::TPoint& Size) {
    Size = {0, 0};
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g) return;
    const std::string text = Cells(ACol, ARow);
    const bool noText = text.empty();
    const bool besideText = g->CellHAlign() == haBeforeText || g->CellHAlign() == haAfterText || noText;
    const bool overText = g->CellVAlign() == vaUnderText || g->CellVAlign() == vaAboveText || noText;
    const TCellImageList* images = GridImages();
    plat::TCanvas& canvas = MeasureCanvas(Font());
    const plat::TPoint cell = CellSize(DisplColIndex(ACol), ARow);
    int w = 0, h = 0;
    bool keepWidth = false;
    switch (g->CellType()) {
        case ctBitmap:
        case ctIcon:
            if (const plat::TGraphic* img = g->CellImage()) {
                if (besideText) w = img->Width();
                if (overText || g->CellType() == ctIcon) h = img->Height();
            }
            break;
        case ctImageList:
        case ctDataImage:
            if (images) {
                if (besideText) w = images->Width();
                if (overText) h = images->Height();
            }
            break;
        case ctPicture:
        case ctFilePicture: {
            plat::TPoint p;
            g->GetPictureSize(cell.X - 1 - 2 * FXYOffset.X, cell.Y - 1 - 2 * FXYOffset.Y - ExtraHeight, !noText, p);
            w = p.X;
            h = p.Y;
            break;
        }
        case ctButton:
        case ctBitButton:
            w = ButtonWidth(*g);
            h = ButtonHeight(*g);
            if (!noText) {
                if (g->CellHAlign() == haCenter) w = 0;
                if (g->CellHAlign() == haFull) w = canvas.TextWidth(g->CellText()) + 4;
                if (g->CellVAlign() == vaUnderText || g->CellVAlign() == vaAboveText) w = 0;
                else h = 0;
            } else if (g->CellHAlign() == haFull) {
                w = canvas.TextWidth(g->CellText()) + 4;
                keepWidth = !g->CellText().empty();
            }
            break;
        case ctInterface:
            if (auto* cellObj = dynamic_cast<IInterfacedCell*>(g->CellBitmap())) {
                w = cellObj->GetExtentX();
                h = cellObj->GetExtentY();
                if (w == 0 || h == 0) {
                    w = cell.X;
                    h = cell.Y;
                }
            }
            break;
        case ctProgressPie:
            w = h = 20;
            break;
        case ctRadioButton:
            w = h = FControlLook.RadioSize();
            break;
        case ctCheckBox:
        case ctDataCheckBox:
        case ctVirtCheckBox:
        case ctRowCheckBox:
        case ctTriStateCheckBox:
            w = h = FControlLook.CheckSize();
            break;
        case ctRadio:
            // Looked up from the grid's scope: the option list is the text
            // list type the radio operations of the grid make.
            if (const auto* list = dynamic_cast<const TCellStrings*>(g->CellBitmap())) {
                // On screen a stacked option is never lower than its glyph.
                const plat::TPoint e = RadioGroupExtent(canvas, list->Items(), g->CellBoolean(), 16);
                w = e.X;
                h = e.Y;
            }
            break;
        case ctRating:
            w = 18 * g->CellAngle();
            h = 16;
            keepWidth = true;
            break;
        case ctImages:
            if (images) {
                const TIntList* list = dynamic_cast<const TIntList*>(g->CellBitmap());
                const int n = list ? list->Count() : 0;
                if (g->CellBoolean()) {
                    w = n * images->Width();
                    h = images->Height();
                } else {
                    w = images->Width();
                    h = n * images->Height();
                }
            }
            break;
        default:
            break;
    }
    // The whole cell for the full alignments; the size of a merged block
    // and of cells scrolled out of view counts as well, so column fitting
    // sees every row.
    if (g->CellVAlign() == vaFull) h = cell.Y;
    if (g->CellHAlign() == haFull && !keepWidth) w = cell.X;
    Size = {w, h};
}

void TExtStringGrid::GetCellExtentEx(int ACol, int ARow, int cw, int rh, double Scale, plat::TPoint& Size) {
    Size = {0, 0};
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g) return;
    const std::string text = Cells(ACol, ARow);
    const bool noText = text.empty();
    const bool besideText = g->CellHAlign() == haBeforeText || g->CellHAlign() == haAfterText || noText;
    const TCellImageList* images = GridImages();
    plat::TCanvas& canvas = MeasureCanvas(Font());
    const int displ = DisplColIndex(ACol);
    int w = 0, h = 0;
    switch (g->CellType()) {
        case ctBitmap:
        case ctIcon:
            if (const plat::TGraphic* img = g->CellImage()) {
                w = img->Width();
                h = img->Height();
            }
            break;
        case ctDataImage:
            if (images) {
                w = images->Width();
                h = images->Height();
            }
            break;
        case ctImageList:
            if (images) {
                if (besideText) w = images->Width();
                h = images->Height();
            }
            break;
        case ctPicture:
        case ctFilePicture: {
            plat::TPoint p;
            g->GetPictureSize(cw, rh, !noText, p);
            if (Scale > 0) {
                w = static_cast<int>(std::nearbyint(p.X / Scale));
                h = static_cast<int>(std::nearbyint(p.Y / Scale));
            }
            break;
        }
        case ctButton:
        case ctBitButton:
            w = ButtonWidth(*g);
            h = ButtonHeight(*g);
            break;
        case ctInterface:
            if (auto* cellObj = dynamic_cast<IInterfacedCell*>(g->CellBitmap())) {
                const plat::TPoint cell = CellSize(displ, ARow);
                w = cellObj->GetExtentX();
                h = cellObj->GetExtentY();
                if (w == 0) w = cell.X;
                if (h == 0) h = cell.Y;
            }
            break;
        case ctNode:
        case ctProgressPie:
            w = h = 20;
            break;
        case ctRadioButton:
            w = h = FControlLook.RadioSize();
            break;
        case ctCheckBox:
        case ctDataCheckBox:
        case ctVirtCheckBox:
        case ctRowCheckBox:
        case ctTriStateCheckBox:
            w = h = FControlLook.CheckSize();
            break;
        case ctRadio:
            // Looked up from the grid's scope: the option list is the text
            // list type the radio operations of the grid make.
            if (const auto* list = dynamic_cast<const TCellStrings*>(g->CellBitmap())) {
                const plat::TPoint e = RadioGroupExtent(canvas, list->Items(), g->CellBoolean(), 0);
                w = e.X;
                h = e.Y;
            }
            break;
        case ctProgress:
        case ctXPProgress:
            if (displ >= 0 && displ < ColCount() && ARow >= 0 && ARow < RowCount()) {
                w = ColWidths(displ);
                h = RowHeights(ARow);
            }
            break;
        case ctShape:
            if (ARow >= 0 && ARow < RowCount()) w = h = RowHeights(ARow) - 2 * FXYOffset.Y;
            break;
        case ctImages:
            if (images) {
                const TIntList* list = dynamic_cast<const TIntList*>(g->CellBitmap());
                const int n = list ? list->Count() : 0;
                w = g->CellBoolean() ? n * images->Width() : images->Width();
                h = g->CellBoolean() ? images->Height() : n * images->Height();
            }
            break;
        default:
            break;
    }
    Size = {w, h};
}

int TExtStringGrid::RowNodeIndent(int ARow) {
    if (!HasNodes() || ARow < 0) return 0;
    const TCellProperties* p = PropsOf(0, ARow);
    return p ? p->NodeLevel() * FCellNode.NodeIndent() : 0;
}

bool TExtStringGrid::IsInCheckBox(int ACol, int ARow, int XPos, int YPos) {
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g) return false;
    switch (g->CellType()) {
        case ctCheckBox:
        case ctDataCheckBox:
        case ctVirtCheckBox:
        case ctRowCheckBox:
        case ctRadioButton:
        case ctTriStateCheckBox:
            break;
        default:
            return false;
    }
    if (!FMouseActions.PreciseCheckBoxCheck()) return true;
    const int s = FControlLook.CheckSize();
    const plat::TRect r = CellRect(DisplColIndex(ACol), ARow);
    int top = 0;
    switch (g->CellVAlign()) {
        case vaTop: top = r.Top + 2; break;
        case vaBottom: top = r.Bottom - 2 - s; break;
        case vaCenter: top = r.Top + (r.Bottom - r.Top - s) / 2; break;
        default: break;
    }
    plat::TAlignment ha = FDefaultAlignment;
    TVAlignment va = FVAlignment;
    DoGetAlignment(ACol, ARow, ha, va);
    int left = r.Left + 2;
    if (ha == plat::taRightJustify) {
        left = r.Right - 2 - s;
        if (!Cells(ACol, ARow).empty()) left -= CellTextWidth(ACol, ARow);
    } else if (ha == plat::taCenter) {
        left = r.Left + (r.Right - r.Left - s) / 2;
    }
    return XPos >= left && XPos < left + s && YPos >= top && YPos < top + s;
}

plat::TRect TExtStringGrid::GetExpandButtonRect(int ACol, int ARow) {
    if (!HasExpand(ACol, ARow)) return {};
    const plat::TRect r = CellRect(ACol, ARow);
    return {r.Right - 13, r.Top + 2, r.Right - 2, r.Top + 13};
}

}  // namespace grid
