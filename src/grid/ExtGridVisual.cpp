// A cell's visual properties before it is painted, measured or printed:
// brush and gradient colours, font, alignment, word wrap, gradient
// direction and whether it counts as fixed or selected. The sources are
// asked in a fixed order (grid colours and fonts, the cell's own
// properties, bands, the fixed areas, the look's fixed-cell gradient, the
// colour events, the selection modes, the disabled font), each later one
// overriding the earlier ones.

#include <algorithm>
#include <cmath>

#include "base/StrUtils.h"
#include "controls/ExtDraw.h"
#include "controls/ExtUtil.h"
#include "grid/ExtGrid.h"

namespace grid {

namespace {

bool PlainKind(TCellType t) { return t == ctNone || t == ctRotated || t == ctEmpty; }

}  // namespace

TColor TExtStringGrid::SelectionMixColor(TColor CellColor) const {
    if (!SelectionColorMixer()) return FSelectionColor;
    const int p = FSelectionColorMixerFactor;
    if (p >= 100) return FSelectionColor;
    if (p < 1 || FSelectionColor == plat::clNone) return CellColor;
    if (CellColor == plat::clNone) return FSelectionColor;
    const TColor s = plat::ColorToRGB(FSelectionColor), c = plat::ColorToRGB(CellColor);
    auto mix = [p](int sel, int cell) {
        const double v = std::nearbyint(p / 100.0 * sel + (1 - p / 100.0) * cell);
        return std::min(255, static_cast<int>(v));
    };
    return plat::RGB(mix(plat::GetRValue(s), plat::GetRValue(c)), mix(plat::GetGValue(s), plat::GetGValue(c)),
                     mix(plat::GetBValue(s), plat::GetBValue(c)));
}

namespace {

// With AutoNumAlign numbers sit to the right; a text starting with "=" is a
// formula and keeps the grid's placement.
enum class TNumberPlace { text, number, formula };

TNumberPlace NumberPlace(const std::string& Cell) {
    const std::string text = base::Trim(Cell);
    if (text.empty()) return TNumberPlace::text;
    if (text[0] == '=') return TNumberPlace::formula;
    return ctl::ClassifyNumberText(text) != 2 ? TNumberPlace::number : TNumberPlace::text;
}

}  // namespace

void TExtStringGrid::CellVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select,
                                          bool Remap, plat::TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor,
                                          TColor& AMirrorColorTo, plat::TFont& AFont, plat::TAlignment& HA,
                                          TVAlignment& VA, bool& WW, TCellGradientDirection& GD) {
    // 1. Font of the area. Printing uses the display fonts: the grid keeps
    // no print fonts of its own.
    const bool normalArea = ACol >= FixedCols() && ARow >= FixedRows();
    AFont.Assign(normalArea ? Font() : FFixedFont);
    // 2.
    const int rcol = Remap ? RealColIndex(ACol) : ACol;
    const int selRow = (FMouseActions.DisjunctRowSelect() && FMouseActions.RowSelectPersistent()) || FUseEnabledRows
                           ? RealRowIndex(ARow)
                           : ARow;
    // 3.
    TColor brush = plat::clNone;
    AColorTo = AMirrorColor = AMirrorColorTo = plat::clNone;
    bool ownColour = false;
    // 4. The cell's own properties; control and picture cells take the
    // property colour without counting as coloured, so that a fixed cell
    // still gets the fixed look under them.
    if (const TCellProperties* p = PropsOf(rcol, ARow)) {
        const auto* graphic = dynamic_cast<const TCellGraphic*>(p->GraphicObject());
        const TCellType kind = graphic ? graphic->CellType() : ctNone;
        brush = p->BrushColor();
        ownColour = PlainKind(kind) && brush != plat::clNone;
        if (p->FontColor() != plat::clNone) AFont.SetColor(p->FontColor());
        if (!p->FontStyle().Empty()) AFont.SetStyle(p->FontStyle());
        if (p->FontSize() > 0) AFont.SetSize(p->FontSize());
        if (!p->FontName().empty()) AFont.SetName(p->FontName());
        WW = p->WordWrap();
        AColorTo = p->BrushColorTo();
        GD = p->GradientDirection();
    }
    // 5.
    if (AState.Contains(gdSelected)) GD = GradientVertical;
    // 6. Grid colour, bands, fixed areas.
    const int allCols = ColCount() + NumHiddenColumns();
    if (!ownColour && brush == plat::clNone) {
        brush = Color();
        const TBands& bands = Bands();
        const bool inBandArea = ACol >= FixedCols() && ACol < allCols - FFixedRightCols && ARow >= FixedRows() &&
                                ARow < RowCount() - FFixedFooters;
        if (bands.Active() && (!Print || bands.Print()) && inBandArea) {
            const int length = bands.PrimaryLength() + bands.SecondaryLength();
            if (length > 0)
                brush = (ARow - FixedRows()) % length < bands.PrimaryLength() ? bands.PrimaryColor()
                                                                               : bands.SecondaryColor();
        }
        if (ACol < FixedCols() || ARow < FixedRows() || ACol >= ColCount() - FFixedRightCols ||
            ARow >= RowCount() - FFixedFooters)
            brush = FixedColor();
    }
    // 7. Fixed cells.
    const bool fixed = IsFixed(ACol, ARow) || ACol < FixedCols() || ARow < FixedRows();
    if (fixed && !ownColour) {
        if (!Print) {
            brush = FixedColor();
            AFont.Assign(FFixedFont);
            AState.Include(gdFixed);
        }
        if (FLook > glClassic) {
            brush = FKeloGradientFrom;
            AColorTo = FKeloGradientTo;
            AMirrorColor = FKeloGradientMirrorFrom;
            AMirrorColorTo = FKeloGradientMirrorTo;
        }
    }
    // 8. Colour query.
    ABrush.SetColor(brush);
    if (Print) GetCellPrintColor(rcol, ARow, AState, ABrush, AFont);
    else GetCellColor(rcol, ARow, AState, ABrush, AFont);
    // 9.
    if (OnGetCellGradient) {
        TColor c = ABrush.Color();
        OnGetCellGradient(this, ARow, rcol, c, AColorTo, AMirrorColor, AMirrorColorTo, GD);
        ABrush.SetColor(c);
    }
    // 10. The unselected look, for a current cell that leaves a disjunct
    // cell selection.
    const TColor plainBrush = ABrush.Color(), plainFont = AFont.Color();
    auto selectionColours = [&] {
        AColorTo = FSelectionColorTo;
        AMirrorColor = FSelectionMirrorColor;
        AMirrorColorTo = FSelectionMirrorColorTo;
        if (FSelectionTextColor != plat::clNone) AFont.SetColor(FSelectionTextColor);
    };
    const TGridRect range = Selection();
    const bool inRange = ACol >= std::min(range.Left, range.Right) && ACol <= std::max(range.Left, range.Right) &&
                         ARow >= std::min(range.Top, range.Bottom) && ARow <= std::max(range.Top, range.Bottom);
    const bool normalCell = ACol >= FixedCols() && ARow >= FixedRows() && ACol < allCols && ARow < RowCount();
    const bool selectMode = !Print && Select && FShowSelection && !fixed && normalCell;
    // 11. Disjunct row selection (the mouse is not held here: a press is
    // the input code's, and a painted cell shows the settled state).
    const bool rowMode = FMouseActions.DisjunctRowSelect();
    if (rowMode && selectMode) {
        if (!GetRowSelect(selRow)) {
            AState.Exclude(gdSelected);
        } else {
            AState = TGridDrawState{gdSelected};
            ABrush.SetColor(FSelectionColor);
            selectionColours();
        }
    }
    // 12. Disjunct column selection.
    const bool colMode = FMouseActions.DisjunctColSelect();
    if (colMode && selectMode && ARow >= FixedRows() && ACol < ColCount() && GetColSelect(ACol)) {
        AState = TGridDrawState{gdSelected};
        ABrush.SetColor(FSelectionColor);
        selectionColours();
    }
    // 13. Normal selection.
    if (selectMode && !rowMode && !colMode && inRange) {
        ABrush.SetColor(ABrush.Color() == Color() ? FSelectionColor : SelectionMixColor(ABrush.Color()));
        selectionColours();
        AState.Include(gdSelected);
    }
    // 15. Disjunct cell selection.
    if (FMouseActions.DisjunctCellSelect() && FShowSelection) {
        if (GetSelectedCells(ACol, ARow)) {
            selectionColours();
            ABrush.SetColor(FSelectionColor);
            AState.Include(gdSelected);
        } else if (ACol == Col() && ARow == Row()) {
            AState.Exclude(gdSelected);
            ABrush.SetColor(plainBrush);
            AFont.SetColor(plainFont);
        }
    }
    // 16. Disabled rows and a disabled grid.
    if (FUseDisabledFont && ((FUseEnabledRows && !GetRowEnabled(RealRowIndex(ARow))) || !Enabled()))
        AFont.SetColor(FDisabledFontColor);
    // 17. Under a disjunct row selection the range outside the current row
    // is lightened, so the current row stands out.
    if (rowMode && FSelectionColorTo == plat::clNone && inRange && ARow != Row())
        ABrush.SetColor(ctl::ScaleColorPercent(plat::ColorToRGB(ABrush.Color()), 7));
    // 18. Word wrap by the application, then the alignment: the grid's,
    // numbers to the right with AutoNumAlign, then the application's.
    DoGetWordWrap(rcol, ARow, WW);
    HA = FDefaultAlignment;
    VA = FVAlignment;
    bool formula = false;
    if (FAutoNumAlign) {
        const TNumberPlace place = NumberPlace(Cells(rcol, ARow));
        formula = place == TNumberPlace::formula;
        if (place == TNumberPlace::number) HA = plat::taRightJustify;
    }
    // An alignment set on the cell itself beats the grid's, except that
    // formula cells keep the grid's number placement.
    if (!formula)
        if (const TCellProperties* p = PropsOf(rcol, ARow)) HA = p->Alignment();
    DoGetAlignment(rcol, ARow, HA, VA);
}

void TExtStringGrid::GetCellPropertyDefaults(int ACol, int ARow, plat::TFont& AFont, plat::TBrush& ABrush,
                                             TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                                             plat::TAlignment& HA, TVAlignment& VA, bool& WW,
                                             TCellGradientDirection& GD) {
    TBaseGrid::GetCellPropertyDefaults(ACol, ARow, AFont, ABrush, AColorTo, AMirrorColor, AMirrorColorTo, HA, VA, WW,
                                       GD);
    HA = FDefaultAlignment;
    VA = FVAlignment;
    if (FAutoNumAlign && NumberPlace(Cells(ACol, ARow)) == TNumberPlace::number) HA = plat::taRightJustify;
}

void TExtStringGrid::GetFontProperties(int ACol, int RCol, int ARow, TGridDrawState& AState, plat::TFont& AFont,
                                       plat::TBrush& ABrush, bool /*Remap*/) {
    const bool fixed = IsFixed(ACol, ARow) || ACol < FixedCols() || ARow < FixedRows();
    AFont.Assign(fixed ? FFixedFont : Font());
    if (const TCellProperties* p = PropsOf(RCol, ARow)) {
        if (p->FontColor() != plat::clNone) AFont.SetColor(p->FontColor());
        if (!p->FontStyle().Empty()) AFont.SetStyle(p->FontStyle());
        if (p->FontSize() > 0) AFont.SetSize(p->FontSize());
        if (!p->FontName().empty()) AFont.SetName(p->FontName());
    }
    GetCellColor(RCol, ARow, AState, ABrush, AFont);
}

}  // namespace grid
