#include "grid/BaseGrid.h"

#include <algorithm>
#include <stdexcept>

#include "controls/ExtDraw.h"
#include "grid/Undo.h"
#include "platform/Messages.h"

namespace grid {

using plat::TColor;
using plat::TPoint;
using plat::TRect;

namespace {

struct TSelectionLook {
    TColor from, to, mirrorFrom, mirrorTo, border, innerTop, innerBottom, edge;
};

// The rounded selection faces; the unfocused look serves every style.
constexpr TSelectionLook kFrostFocused{0xFDF8F1, 0xFCEFD5, plat::clNone, plat::clNone,
                                       0xFDDE99, 0xFDFBF6, 0xFDF5E7, 0xFCEDCB};
constexpr TSelectionLook kGlassFocused{0xFCEBDC, 0xFCDBC1, plat::clNone, plat::clNone,
                                      0xCEA27D, 0xFDF4EB, 0xFDEADB, 0xE0C5AE};
constexpr TSelectionLook kSuiteBFocused{0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC,
                                            0x8DD7D3, 0xF4FEFF, 0xCAF8FF, 0xC3D9DF};
constexpr TSelectionLook kUnfocused{0xF8F8F8, 0xE5E5E5, plat::clNone, plat::clNone,
                                    0xD9D9D9, 0xFBFAFA, 0xF0F0F0, 0xEFEFEF};

}  // namespace

TBaseGrid::TBaseGrid(plat::TComponent* AOwner) : TObjStringGrid(AOwner) {}

TBaseGrid::~TBaseGrid() {
    FDestroying = true;
    if (FUndoRedo && FUndoRedo->Grid() == this) FUndoRedo->SetGrid(nullptr);
    FreeAllCellProps();
    // Hidden columns of a derived grid lie beyond ColCount: their
    // properties are freed here so that none outlives the grid.
    for (const auto& [c, r] : CellsWithObjects()) {
        if (auto* p = dynamic_cast<TCellProperties*>(GetGridObject(c, r))) {
            SetGridObject(c, r, nullptr);
            delete p;
        }
    }
}

// --- cell text -----------------------------------------------------------------
std::string TBaseGrid::GetCellEx(int c, int r) {
    int bc = c, br = r;
    if (HasCellProps(c, r)) {
        const TPoint b = BaseCell(c, r);
        bc = b.X;
        br = b.Y;
    }
    std::string value = GetGridCell(bc, br);
    if (br < FNormalRowCount) {
        DoGetDisplText(bc, br, value);
        if (OnGetDisplWideText) {
            ctl::WideString w = ctl::DecodeWideCellText(value);
            DoGetDisplWideText(bc, br, w);
            value = ctl::EncodeWideCellText(w);
        }
    }
    return value;
}

void TBaseGrid::SetCellEx(int c, int r, const std::string& Value) {
    if (HasCellProps(c, r)) {
        const TPoint b = BaseCell(c, r);
        SetGridCell(b.X, b.Y, Value);
        CellTextChanged(b.X, b.Y);
        if (Parent()) RepaintCell(c, r);
    } else {
        SetGridCell(c, r, Value);
    }
    if (FHideLastRow && r == RowCount() - 1) LastRowChanged();
}

// --- cell properties -------------------------------------------------------------
TCellProperties* TBaseGrid::Props(int c, int r) const { return dynamic_cast<TCellProperties*>(GetGridObject(c, r)); }

bool TBaseGrid::HasCellProps(int c, int r) const {
    return c >= 0 && c < TotalColCount() && r >= 0 && r < RowCount() && Props(c, r) != nullptr;
}

TCellProperties* TBaseGrid::GetCellProperties(int c, int r) {
    if (c < 0 || r < 0) throw std::out_of_range("Invalid cell");
    if (TCellProperties* existing = Props(c, r)) return existing;
    auto* p = new TCellProperties(this, c, r);
    SetGridObject(c, r, p);
    plat::TFont font;
    plat::TBrush brush;
    TColor colorTo = plat::clNone, mirror = plat::clNone, mirrorTo = plat::clNone;
    plat::TAlignment ha = plat::taLeftJustify;
    TVAlignment va = vtaTop;
    bool ww = FWordWrap;
    TCellGradientDirection gd = GradientVertical;
    GetCellPropertyDefaults(c, r, font, brush, colorTo, mirror, mirrorTo, ha, va, ww, gd);
    p->SetCalcType(acNONE);
    p->SetAlignment(ha);
    p->SetVAlignment(va);
    p->SetWordWrap(ww);
    p->SetFontName(font.Name());
    p->SetFontSize(font.Size());
    p->SetFontStyle(font.Style());
    p->SetFontColor(font.Color());
    p->SetBrushColor(brush.Color());
    p->SetBrushColorTo(colorTo);
    p->SetGradientDirection(gd);
    return p;
}

void TBaseGrid::SetCellProperties(int c, int r, TCellProperties* Value) {
    if (c < 0 || r < 0) throw std::out_of_range("Invalid cell");
    plat::TObject* old = GetGridObject(c, r);
    if (old == Value) return;  // storing the slot's own object must not free it
    SetGridObject(c, r, Value);
    if (auto* p = dynamic_cast<TCellProperties*>(old)) delete p;
}

plat::TObject* TBaseGrid::GetObjectEx(int c, int r) const {
    const TCellProperties* p = Props(c, r);
    return p ? p->CellObject() : nullptr;
}

void TBaseGrid::SetObjectEx(int c, int r, plat::TObject* Value) {
    const bool wasEmpty = GetCellEx(c, r).empty();
    if (wasEmpty) SetCellEx(c, r, " ");
    GetCellProperties(c, r)->SetCellObject(Value);
    if (wasEmpty) SetCellEx(c, r, "");
}

plat::TObject* TBaseGrid::GetGraphicObjectEx(int c, int r) const {
    const TCellProperties* p = Props(c, r);
    return p ? p->GraphicObject() : nullptr;
}

void TBaseGrid::SetGraphicObjectEx(int c, int r, plat::TObject* Value) {
    if (FDestroying) return;
    const bool wasEmpty = GetCellEx(c, r).empty();
    if (wasEmpty) SetCellEx(c, r, " ");
    GetCellProperties(c, r)->SetGraphicObject(Value);
    if (wasEmpty) SetCellEx(c, r, "");
}

plat::TObject* TBaseGrid::GraphicObjectOf(const TCellProperties* Props) {
    return Props ? Props->GraphicObject() : nullptr;
}

void TBaseGrid::FreeCellPropsRect(int ACol1, int ARow1, int ACol2, int ARow2) {
    if (!FHasCellProps) return;
    for (int c = ACol1; c <= ACol2; ++c)
        for (int r = ARow1; r <= ARow2; ++r) FreeCellProps(c, r);
}

void TBaseGrid::FreeCellProps(int c, int r) {
    // The grid's own cell graphic goes with the properties (rows dropped by
    // a smaller RowCount leaked it); an application's object stays its own.
    if (TCellProperties* p = Props(c, r)) {
        auto* graphic = dynamic_cast<TCellGraphicBase*>(p->GraphicObject());
        if (graphic && std::string_view(graphic->ClassName()) == "TCellGraphic") delete graphic;
        SetGridObject(c, r, nullptr);
        delete p;
    }
}

void TBaseGrid::FreeAllCellProps() { FreeCellPropsRect(0, 0, ColCount() - 1, RowCount() - 1); }

void TBaseGrid::BlankCol(int ACol) {
    for (int r = 0; r < RowCount(); ++r) {
        SetGridObject(ACol, r, nullptr);
        SetCellEx(ACol, r, "");
    }
}

void TBaseGrid::BlankRow(int ARow) {
    for (int c = 0; c < ColCount(); ++c) {
        SetGridObject(c, ARow, nullptr);
        SetCellEx(c, ARow, "");
    }
}

void TBaseGrid::BlankCell(int c, int r) {
    SetCellEx(c, r, "");
    SetGridObject(c, r, nullptr);
}

void TBaseGrid::SetRowCount(int Value) {
    // Rows that go take their properties with them; the store only drops
    // texts and slots.
    if (Value < RowCount() && FHasCellProps) {
        for (const auto& [c, r] : CellsWithObjects())
            if (r >= std::max(Value, 1)) FreeCellProps(c, r);
    }
    TObjStringGrid::SetRowCount(Value);
}

// --- merged cells ------------------------------------------------------------------
void TBaseGrid::MergeCells(int c, int r, int spanx, int spany) {
    ++FMergeCount;
    for (int i = c; i < c + spanx; ++i) {
        for (int j = r; j < r + spany; ++j) {
            TCellProperties* p = GetCellProperties(i, j);
            const bool base = i == c && j == r;
            p->SetIsBaseCell(base);
            p->SetCellSpanX(base ? spanx - 1 : i - c);
            p->SetCellSpanY(base ? spany - 1 : j - r);
        }
    }
    for (int i = c; i < c + spanx; ++i)
        for (int j = r; j < r + spany; ++j) RepaintCell(i, j);
}

void TBaseGrid::SplitCells(int c, int r) {
    TCellProperties* p = GetCellProperties(c, r);
    const TPoint b = p->GetBaseCell(c, r);
    TCellProperties* bp = GetCellProperties(b.X, b.Y);
    const int sx = bp->CellSpanX(), sy = bp->CellSpanY();
    for (int i = b.X; i <= b.X + sx; ++i) {
        for (int j = b.Y; j <= b.Y + sy; ++j) {
            TCellProperties* q = GetCellProperties(i, j);
            q->SetIsBaseCell(true);
            q->SetCellSpanX(-1);
            q->SetCellSpanY(-1);
        }
    }
    for (int i = b.X; i <= b.X + sx; ++i)
        for (int j = b.Y; j <= b.Y + sy; ++j) RepaintCell(i, j);
    --FMergeCount;
}

TPoint TBaseGrid::BaseCell(int ACol, int ARow) const {
    if (HasCellProps(ACol, ARow)) return Props(ACol, ARow)->GetBaseCell(ACol, ARow);
    return {ACol, ARow};
}

bool TBaseGrid::ResolveBaseCell(int c, int r, int& bc, int& br) const {
    bc = c;
    br = r;
    if (!HasCellProps(c, r) || Props(c, r)->IsBaseCell()) return true;
    const TPoint b = Props(c, r)->GetBaseCell(c, r);
    bc = b.X;
    br = b.Y;
    return false;
}

bool TBaseGrid::IsBaseCell(int ACol, int ARow) const {
    return HasCellProps(ACol, ARow) ? Props(ACol, ARow)->IsBaseCell() : true;
}

bool TBaseGrid::IsMergedCell(int ACol, int ARow) const {
    if (!HasCellProps(ACol, ARow)) return false;
    const TCellProperties* p = Props(ACol, ARow);
    return p->CellSpanX() > 0 || p->CellSpanY() > 0;
}

bool TBaseGrid::IsMergedNonBaseCell(int ACol, int ARow) const {
    return IsMergedCell(ACol, ARow) && !Props(ACol, ARow)->IsBaseCell();
}

bool TBaseGrid::IsXMergedCell(int ACol, int ARow) const {
    if (!HasCellProps(ACol, ARow)) return false;
    const TPoint b = BaseCell(ACol, ARow);
    const TCellProperties* bp = Props(b.X, b.Y);
    return bp && bp->CellSpanX() > 0;
}

bool TBaseGrid::IsYMergedCell(int ACol, int ARow) const {
    if (!HasCellProps(ACol, ARow)) return false;
    const TPoint b = BaseCell(ACol, ARow);
    const TCellProperties* bp = Props(b.X, b.Y);
    return bp && bp->CellSpanY() > 0;
}

TPoint TBaseGrid::CellSpan(int ACol, int ARow) const {
    if (!HasCellProps(ACol, ARow)) return {0, 0};
    const TCellProperties* p = Props(ACol, ARow);
    if (p->CellSpanX() == -1 || p->CellSpanY() == -1) return {0, 0};
    const TPoint b = p->GetBaseCell(ACol, ARow);
    const TCellProperties* bp = Props(b.X, b.Y);
    if (!bp) return {0, 0};
    return {bp->CellSpanX(), bp->CellSpanY()};
}

TPoint TBaseGrid::CellExt(int ACol, int ARow) const {
    if (!HasCellProps(ACol, ARow)) return {0, 0};
    const TCellProperties* p = Props(ACol, ARow);
    if (p->CellSpanX() == -1 || p->CellSpanY() == -1) return {0, 0};
    const TPoint b = p->GetBaseCell(ACol, ARow);
    const TCellProperties* bp = Props(b.X, b.Y);
    if (!bp) return {0, 0};
    return {b.X + bp->CellSpanX() - ACol, b.Y + bp->CellSpanY() - ARow};
}

TRect TBaseGrid::FullCell(int c, int r) const {
    const TPoint b = BaseCell(c, r);
    const TPoint s = CellSpan(c, r);
    return {b.X, b.Y, b.X + s.X, b.Y + s.Y};
}

int TBaseGrid::MinRowSpan(int ARow) const {
    int result = RowCount();
    for (int c = 0; c < ColCount(); ++c) {
        const int s = CellSpan(c, ARow).Y;
        if (s > 0 && s < result) result = s;
    }
    return result;
}

int TBaseGrid::MaxRowSpan(int ARow) const {
    int result = 0;
    for (int c = 0; c < ColCount(); ++c) result = std::max(result, CellSpan(c, ARow).Y);
    return result;
}

bool TBaseGrid::RowSpanIdentical(int ARow1, int ARow2) const {
    bool counted = false;
    for (int c = 0; c < ColCount(); ++c) {
        if (CellSpan(c, ARow1).Y > 0 && CellSpan(c, ARow2).Y > 0) {
            counted = true;
            if (BaseCell(c, ARow1).Y != BaseCell(c, ARow2).Y) return false;
        }
    }
    return counted;
}

bool TBaseGrid::ColSpanIdentical(int ACol1, int ACol2) const {
    bool counted = false;
    for (int r = 0; r < RowCount(); ++r) {
        const int x1 = CellSpan(ACol1, r).X, x2 = CellSpan(ACol2, r).X;
        if (x1 > 0 && x2 > 0) {
            counted = true;
            if (BaseCell(ACol1, r).X != BaseCell(ACol2, r).X) return false;
        } else if (x1 != x2) {
            return false;
        }
    }
    return counted;
}

// --- cell rectangles ---------------------------------------------------------------
TRect TBaseGrid::ComputeCellRect(int c, int r) const {
    int x = 0, y = 0;
    for (int i = 0; i < c; ++i) x += ColWidths(i);
    for (int j = 0; j < r; ++j) y += RowHeights(j);
    TRect rc{x, y, x + ColWidths(c), y + RowHeights(r)};
    // Scrolled cells move left (up) by what lies before LeftCol (TopRow)
    // and start after the fixed area, which itself never scrolls.
    if (c >= FixedCols()) {
        int scrolled = 0;
        for (int i = 0; i < LeftCol(); ++i) scrolled += ColWidths(i);
        plat::OffsetRect(rc, FixedColsWidth() - scrolled, 0);
    }
    if (r >= FixedRows()) {
        int scrolled = 0;
        for (int j = 0; j < TopRow(); ++j) scrolled += RowHeights(j);
        plat::OffsetRect(rc, 0, FixedRowsHeight() - scrolled);
    }
    return MirrorRect(rc);
}

TRect TBaseGrid::CellRect(int c, int r) const {
    const TCellProperties* p = HasCellProps(c, r) ? Props(c, r) : nullptr;
    if (p && (p->CellSpanX() != -1 || p->CellSpanY() != -1)) {
        const TPoint b = p->GetBaseCell(c, r);
        const TCellProperties* bp = Props(b.X, b.Y);
        TRect a = ComputeCellRect(b.X, b.Y);
        if (a.Width() == 0) a.Right += 1;
        TRect e = bp ? ComputeCellRect(b.X + bp->CellSpanX(), b.Y + bp->CellSpanY()) : a;
        if (e.Width() == 0) e.Left -= 1;
        return {std::min(a.Left, e.Left), std::min(a.Top, e.Top), std::max(a.Right, e.Right),
                std::max(a.Bottom, e.Bottom)};
    }
    if (p && p->Control()) return ComputeCellRect(c, r);
    TRect rc = GridCellRect(c, r);
    // The whole cell, also where the client area cuts it: at its right in
    // a left-to-right grid, at its left in a mirrored one.
    if (UseRightToLeftAlignment() && rc.Right > rc.Left)
        rc.Left = rc.Right - ColWidths(c);
    else
        rc.Right = rc.Left + ColWidths(c);
    rc.Bottom = rc.Top + RowHeights(r);
    return rc;
}

TPoint TBaseGrid::CellSize(int c, int r) const {
    const TCellProperties* p = HasCellProps(c, r) ? Props(c, r) : nullptr;
    TRect rc = ComputeCellRect(c, r);
    if (p && (p->CellSpanX() != -1 || p->CellSpanY() != -1)) {
        const TPoint b = p->GetBaseCell(c, r);
        const TCellProperties* bp = Props(b.X, b.Y);
        const TRect a = ComputeCellRect(b.X, b.Y);
        const TRect e = bp ? ComputeCellRect(b.X + bp->CellSpanX(), b.Y + bp->CellSpanY()) : a;
        rc = {std::min(a.Left, e.Left), std::min(a.Top, e.Top), std::max(a.Right, e.Right),
              std::max(a.Bottom, e.Bottom)};
    }
    return {rc.Width(), rc.Height()};
}

void TBaseGrid::RepaintCell(int c, int r) {
    // A grid that is not shown has nothing to repaint; windows fill and
    // colour their tables before they are shown.
    if (!Showing()) return;
    // A merged block repaints as a whole: its text lies in the base cell,
    // whichever of its cells changed.
    const TRect block = FullCell(c, r);
    for (int i = block.Left; i <= block.Right && i < ColCount(); ++i)
        for (int j = block.Top; j <= block.Bottom && j < RowCount(); ++j) InvalidateCell(i, j);
}

// --- keyboard, wheel, scrolling, selecting ---------------------------------------------
void TBaseGrid::KeyDown(unsigned short& Key, plat::TShiftState Shift) {
    const bool hasProps = HasCellProps(Col(), Row());
    int bc = Col(), br = Row();
    const TCellProperties* bp = nullptr;
    if (hasProps) {
        const TPoint b = BaseCell(Col(), Row());
        bc = b.X;
        br = b.Y;
        bp = Props(bc, br);
    }
    const int spanX = bp ? bp->CellSpanX() : 0, spanY = bp ? bp->CellSpanY() : 0;
    switch (ReadingKey(Key)) {
        case plat::VK_NEXT:
            if (VisibleRowCount() + TopRow() - FixedRows() == RowCount() - 1 && FHideLastRow && RowCount() > 1)
                SetRow(RowCount() - 2);
            break;
        case plat::VK_LEFT:
            if (hasProps && bc < Col() && Col() > FixedCols() && bc > 0) SetCol(bc - spanX);
            break;
        case plat::VK_RIGHT:
            if (hasProps) {
                const int v = bc + spanX;
                if (v >= Col() && Col() < ColCount() - 1 && bc < ColCount() - 1 && v < ColCount()) SetCol(v);
            }
            break;
        case plat::VK_UP:
            if (hasProps && br < Row() && Row() > FixedRows() && br > 0) SetRow(br - 1);
            break;
        case plat::VK_DOWN:
            if (hasProps) {
                const int v = br + spanY;
                if (v >= Row() && Row() < RowCount() - 1 && br < RowCount() - 1) SetRow(v);
            }
            break;
        default: break;
    }
    TObjStringGrid::KeyDown(Key, Shift);
    MoveToBaseCell();
}

void TBaseGrid::MoveToBaseCell() {
    if (!HasCellProps(Col(), Row())) return;
    const TPoint b = BaseCell(Col(), Row());
    // A cell that is its own base cell stays, and so does a range selected
    // up to it.
    if (b.X == Col() && b.Y == Row()) return;
    SetCol(b.X);
    SetRow(b.Y);
}

bool TBaseGrid::DoMouseWheelDown(plat::TShiftState Shift, TPoint MousePos) {
    const bool result = TObjStringGrid::DoMouseWheelDown(Shift, MousePos);
    if (VisibleRowCount() < Row() - TopRow() && Row() < RowCount() - 1 && FHideLastRow) SetTopRow(TopRow() + 1);
    MoveToBaseCell();
    return result;
}

bool TBaseGrid::DoMouseWheelUp(plat::TShiftState Shift, TPoint MousePos) {
    const bool result = TObjStringGrid::DoMouseWheelUp(Shift, MousePos);
    MoveToBaseCell();
    return result;
}

void TBaseGrid::TopLeftChanged() {
    TObjStringGrid::TopLeftChanged();
    RepaintMergedFixedCols();
    RepaintMergedFixedRows();
}

void TBaseGrid::RepaintMergedFixedCols() {
    if (FixedCols() == 0) return;
    for (int c = 0; c < FixedCols(); ++c)
        for (int r = TopRow(); r <= TopRow() + VisibleRowCount() && r < RowCount(); ++r)
            if (IsMergedCell(c, r)) RepaintCell(c, r);
}

void TBaseGrid::RepaintMergedFixedRows() {
    if (FixedRows() == 0) return;
    for (int r = 0; r < FixedRows(); ++r)
        for (int c = LeftCol(); c <= LeftCol() + VisibleColCount() && c < ColCount(); ++c)
            if (IsMergedCell(c, r)) RepaintCell(c, r);
}

bool TBaseGrid::SelectCell(int ACol, int ARow) {
    RepaintCell(Col(), Row());
    const bool result = TObjStringGrid::SelectCell(ACol, ARow);
    RepaintCell(ACol, ARow);
    return result;
}

void TBaseGrid::Notification(plat::TComponent* AComponent) {
    if (FUndoRedo && static_cast<plat::TComponent*>(FUndoRedo) == AComponent) FUndoRedo = nullptr;
    TObjStringGrid::Notification(AComponent);
}

// --- virtual operations: base behaviour ---------------------------------------------
bool TBaseGrid::IsFixed(int, int) { return false; }
int TBaseGrid::RowNodeIndent(int) { return 0; }
bool TBaseGrid::HasNodes() { return false; }
void TBaseGrid::LastRowChanged() {}

void TBaseGrid::DoGetDisplText(int ACol, int ARow, std::string& Value) {
    if (OnGetDisplText) OnGetDisplText(this, ACol, ARow, Value);
}

void TBaseGrid::DoGetDisplWideText(int ACol, int ARow, ctl::WideString& Value) {
    if (OnGetDisplWideText) OnGetDisplWideText(this, ACol, ARow, Value);
}

void TBaseGrid::GetCellPropertyDefaults(int, int, plat::TFont& AFont, plat::TBrush& ABrush, TColor& AColorTo,
                                        TColor& AMirrorColor, TColor& AMirrorColorTo, plat::TAlignment& HA,
                                        TVAlignment& VA, bool& WW, TCellGradientDirection& GD) {
    AFont = Font();
    ABrush.SetColor(Color());
    AColorTo = plat::clNone;
    AMirrorColor = plat::clNone;
    AMirrorColorTo = plat::clNone;
    HA = plat::taLeftJustify;
    VA = vtaTop;
    WW = FWordWrap;
    GD = GradientVertical;
}

void TBaseGrid::CellTextChanged(int, int) {}
bool TBaseGrid::HasCustomBorders() { return false; }
bool TBaseGrid::UsesFrameworkStyles() { return false; }
void TBaseGrid::GetVisualProperties(int, int, TGridDrawState&, bool, bool, bool, plat::TBrush&, TColor&, TColor&,
                                    TColor&, plat::TFont&, plat::TAlignment&, TVAlignment&, bool&,
                                    TCellGradientDirection&) {}
int TBaseGrid::DisplColIndex(int ACol) const { return ACol; }
int TBaseGrid::TotalColCount() const { return ColCount(); }

// --- setters -------------------------------------------------------------------------
void TBaseGrid::SetGridLineWidth(int Value) {
    FGridLineWidth = Value;
    Invalidate();
}

void TBaseGrid::SetGridLineColor(TColor Value) {
    FGridLineColor = Value;
    Invalidate();
}

void TBaseGrid::SetGridFixedLineColor(TColor Value) {
    FGridFixedLineColor = Value;
    Invalidate();
}

void TBaseGrid::SetSelectionStyle(TGridSelectionStyle Value) {
    if (Value == FSelectionStyle) return;
    FSelectionStyle = Value;
    Invalidate();
}

void TBaseGrid::SetActiveRowShow(bool Value) {
    if (Value == FActiveRowShow) return;
    FActiveRowShow = Value;
    Invalidate();
}

void TBaseGrid::SetActiveRowColor(TColor Value) {
    if (Value == FActiveRowColor) return;
    FActiveRowColor = Value;
    Invalidate();
}

void TBaseGrid::SetActiveRowColorTo(TColor Value) {
    if (Value == FActiveRowColorTo) return;
    FActiveRowColorTo = Value;
    Invalidate();
}

void TBaseGrid::SetActiveRowMirrorColor(TColor Value) {
    if (Value == FActiveRowMirrorColor) return;
    FActiveRowMirrorColor = Value;
    Invalidate();
}

void TBaseGrid::SetActiveRowMirrorColorTo(TColor Value) {
    if (Value == FActiveRowMirrorColorTo) return;
    FActiveRowMirrorColorTo = Value;
    Invalidate();
}

void TBaseGrid::SetUndoRedo(TExtGridUndoRedo* Value) {
    FUndoRedo = Value;
    if (Value) Value->SetGrid(this);
}

// --- painting ---------------------------------------------------------------------------
void TBaseGrid::Paint() {
    TObjStringGrid::Paint();
    ++FPaintID;
}

void TBaseGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
    // The framework's colours before the cell's own look is asked for.
    plat::TCanvas& canvas = Canvas();
    canvas.Brush().SetColor(AState.Contains(gdFixed)      ? FixedColor()
                            : AState.Contains(gdSelected) ? plat::clHighlight
                                                          : Color());
    canvas.Font() = Font();
    DoPaintCell(canvas, ACol, ARow, ARect, AState, true);
}

void TBaseGrid::PaintCell(plat::TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) {
    DoPaintCell(ACanvas, ACol, ARow, ARect, AState, true);
}

void TBaseGrid::PaintCellExt(plat::TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) {
    DoPaintCell(ACanvas, ACol, ARow, ARect, AState, false);
}

void TBaseGrid::DrawGridCell(plat::TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState) {
    const std::string text = GetCellEx(ACol, ARow);
    ACanvas.SetBkMode(plat::TRANSPARENT);
    ACanvas.DrawText(text, ARect, plat::DT_CENTER | plat::DT_VCENTER | plat::DT_SINGLELINE);
}

void TBaseGrid::DoPaintCell(plat::TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState,
                            bool BlockMode) {
    // 1. A hidden last row shows only the grid's background.
    if (ARow == RowCount() - 1 && FHideLastRow) {
        ACanvas.Brush().SetColor(Color());
        ACanvas.Pen().SetColor(Color());
        ACanvas.Rectangle(ARect);
        return;
    }

    // 2. A block is painted through its base cell, once per paint cycle.
    int bc = ACol, br = ARow;
    if (!ResolveBaseCell(ACol, ARow, bc, br)) {
        TCellProperties* bp = Props(bc, br);
        if (bp && bp->PaintID() != FPaintID) {
            bp->SetPaintID(FPaintID);
            PaintCell(ACanvas, bc, br, ARect, AState);
        }
        return;
    }

    // 3, 4. Fixed state and the whole block's rectangle.
    if (BlockMode && IsFixed(ACol, ARow)) {
        AState.Include(gdFixed);
        AState.Exclude(gdSelected);
    }
    if (BlockMode) ARect = CellRect(ACol, ARow);
    const bool fixed = AState.Contains(gdFixed);

    // 5. A block scrolled under the fixed rows or columns must not paint over them.
    const int w = ACol >= FixedCols() ? FixedColsWidth() : 0;
    const int h = ARow >= FixedRows() ? FixedRowsHeight() : 0;
    const bool rtl = UseRightToLeftAlignment();
    const bool clip = (ACol >= FixedCols() && FixedCols() > 0 &&
                       (rtl ? ARect.Right > Width() - w : ARect.Left < w)) ||
                      (ARow >= FixedRows() && FixedRows() > 0 && ARect.Top < h);
    const bool hadClip = ACanvas.HasClip();
    const TRect oldClip = ACanvas.ClipRect();
    if (clip)
        ACanvas.IntersectClipRect(rtl ? TRect{0, h, Width() - w, Height()}
                                      : TRect{w, h, Width(), Height()});

    // 6, 7. The cell's look.
    ACanvas.Pen().SetWidth(1);
    ACanvas.Font() = Font();
    TColor colorTo = plat::clNone, mirror = plat::clNone, mirrorTo = plat::clNone;
    plat::TAlignment ha = plat::taLeftJustify;
    TVAlignment va = vtaTop;
    bool ww = FWordWrap;
    TCellGradientDirection gd = GradientVertical;
    GetVisualProperties(ACol, ARow, AState, false, true, true, ACanvas.Brush(), colorTo, mirror, mirrorTo,
                        ACanvas.Font(), ha, va, ww, gd);
    ACanvas.Pen().SetColor(ACanvas.Brush().Color());

    // 8. Hover row.
    const bool skipSelected = AState.Contains(gdSelected) && !FHoverRowCells.Contains(hcSelected);
    const bool skipFixed = AState.Contains(gdFixed) && !FHoverRowCells.Contains(hcFixed);
    if (ARow == FHoverRowIdx && FHoverRow && !skipSelected && !skipFixed) {
        ACanvas.Brush().SetColor(FHoverRowColor);
        colorTo = FHoverRowColorTo;
        mirror = plat::clNone;
        mirrorTo = plat::clNone;
        gd = GradientVertical;
    }

    // 9. Active row.
    if ((FActiveRowShow && ARow == Row() && (ACol != Col() || !FShowSel) && ACol >= FixedCols()) ||
        (!BlockMode && AState.Contains(gdSelected))) {
        ACanvas.Brush().SetColor(FActiveRowColor);
        colorTo = FActiveRowColorTo;
        mirror = FActiveRowMirrorColor;
        mirrorTo = FActiveRowMirrorColorTo;
    }
    const TColor brushColor = ACanvas.Brush().Color();
    ACanvas.Pen().SetColor(brushColor);

    // 10. Background.
    if (AState.Contains(gdSelected) && FSelectionStyle != ssDefault && FShowSel) {
        TRect r = ARect;
        if (!Options().Contains(goHorzLine)) r.Bottom += 1;
        if (!Options().Contains(goVertLine)) r.Right += 1;
        const bool focusedLook = Focused() || Options().Contains(goDrawFocusSelected);
        const TSelectionLook& look = !focusedLook                    ? kUnfocused
                                     : FSelectionStyle == ssFrost    ? kFrostFocused
                                     : FSelectionStyle == ssGlass     ? kGlassFocused
                                                                     : kSuiteBFocused;
        const TGridRect sel = Selection();
        const int left = std::min(sel.Left, sel.Right), right = std::max(sel.Left, sel.Right);
        const int corner = left == right ? 0 : ACol == left ? 1 : ACol == right ? 2 : 3;
        ctl::DrawSelectionGradientFace(ACanvas,
                                       {look.from, look.to, look.mirrorFrom, look.mirrorTo, look.innerTop,
                                        look.innerBottom, look.border, look.edge, Color()},
                                       r, corner);
    } else if (!(UsesFrameworkStyles() && (AState.Contains(gdFixed) || AState.Contains(gdSelected)))) {
        if (mirrorTo != plat::clNone)
            ctl::PaintCellBackground(ACanvas, ARect, brushColor, colorTo, mirror, mirrorTo, true, plat::clNone, false,
                                     true);
        else
            ctl::FillGradientRect(ACanvas, brushColor, colorTo, 64, ARect, gd == GradientHorizontal);
    }

    // 11. Grid-line pen.
    int l = 1;
    if (fixed) {
        ACanvas.Pen().SetColor(FGridFixedLineColor);
        ACanvas.Pen().SetWidth(1);
    } else {
        ACanvas.Pen().SetColor(FGridLineWidth > 0 ? FGridLineColor : brushColor);
        ACanvas.Pen().SetWidth(FGridLineWidth);
        l = (FGridLineWidth + 1) / 2;
    }

    // 12. Bottom line.
    const TGridOptions opts = Options();
    if (!(ACol == 0 && HasNodes())) {
        if ((opts.Contains(goHorzLine) && !fixed) || (opts.Contains(goFixedHorzLine) && fixed)) {
            ACanvas.MoveTo(ARect.Left - l + 1, ARect.Bottom - l);
            ACanvas.LineTo(ARect.Right - l + 1, ARect.Bottom - l);
        }
    }
    // 13. Right line.
    if ((opts.Contains(goVertLine) && !fixed) || (opts.Contains(goFixedVertLine) && fixed)) {
        ACanvas.MoveTo(ARect.Right - l, ARect.Bottom - l);
        ACanvas.LineTo(ARect.Right - l, ARect.Top - l);
    }

    // 14. Content.
    TRect content = ARect;
    if (fixed) {
        content.Right -= 1;
        content.Bottom -= 2;
    } else {
        plat::InflateRect(content, -FGridLineWidth, -FGridLineWidth);
    }
    if (BlockMode) DrawGridCell(ACanvas, ACol, ARow, content, AState);

    // 15. Restore.
    if (clip) {
        if (hadClip) ACanvas.SetClipRect(oldClip);
        else ACanvas.ResetClip();
    }
    ACanvas.Brush().SetStyle(plat::bsSolid);
    ACanvas.Pen().SetStyle(plat::psSolid);
}

void TBaseGrid::StoreObjectMoved(plat::TObject* Object, int ACol, int ARow) {
    if (auto* p = dynamic_cast<TCellProperties*>(Object)) {
        p->SetOwnerCol(ACol);
        p->SetOwnerRow(ARow);
    }
}

}  // namespace grid
