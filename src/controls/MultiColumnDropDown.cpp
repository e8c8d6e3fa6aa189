#include "controls/MultiColumnDropDown.h"

#include <algorithm>

#include "controls/DropDownDraw.h"
#include "platform/Bitmap.h"
#include "platform/Messages.h"

namespace ctl {

using namespace plat;

// ------------------------------------------------------------------ list

TExtColGrid::TExtColGrid(TComponent* AOwner) : TColumnListGrid(AOwner) {
    SetFixedRows(0);
    SetRowCount(1);
    SetOptions(Options() - TGridOptions{goDrawFocusSelected});
}

void TExtColGrid::SetGridLineWidth(int Value) {
    FGridLineWidth = Value;
    Invalidate();
}

void TExtColGrid::ApplyDropDown(TExtMultiColumnDropDown* Owner) {
    if (Owner == nullptr) return;
    SetDropDown(Owner);
    FColumns = Owner->Columns();
    SetColCount(std::max<int>(1, static_cast<int>(FColumns.size())));
    const int rows = Owner->Items().Count() + 1;
    SetRowCount(rows);
    if (rows > 1) {
        SetFixedRows(1);
        SetRow(1);
    } else
        SetFixedRows(0);
    for (size_t i = 0; i < FColumns.size(); ++i) SetColWidths(static_cast<int>(i), FColumns[i].Width);
    SetDefaultRowHeight(std::max(1, Owner->DropDownRowHeight()));
    for (size_t i = 0; i < FColumns.size(); ++i) SetColWidths(static_cast<int>(i), FColumns[i].Width);
    SetRowHeights(0, Owner->HeaderHeight());
    TGridOptions o = Options();
    if (Owner->ColumnSizing()) o = o + TGridOptions{goColSizing};
    else o = o - TGridOptions{goColSizing};
    SetOptions(o + TGridOptions{goThumbTracking});
    AutoSizeItemColumns();
    SizeWrappedRows();
}

TRect TExtColGrid::CellFrame(int ACol, int ARow) const {
    const TRect r = GridCellRect(ACol, ARow);
    return TRect{r.Left, r.Top, r.Left + ColWidths(ACol), r.Top + RowHeights(ARow)};
}

bool TExtColGrid::SelectCell(int ACol, int ARow) {
    bool can = TCustomGrid::SelectCell(ACol, ARow);
    if (can && OnSelectCell) OnSelectCell(this, ACol, ARow, can);
    return can;
}

void TExtColGrid::KeyDown(unsigned short& Key, TShiftState Shift) {
    if (ListKeyDown(Key, Shift)) return;
    TCustomGrid::KeyDown(Key, Shift);
    if (Key == VK_RETURN) DoSelect();
}

void TExtColGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomGrid::MouseUp(Button, Shift, X, Y);
    const TGridCoord c = MouseCoord(X, Y);
    if (c.Y >= FixedRows() && c.Y < RowCount()) DoSelect();
}

void TExtColGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
    TCanvas& c = Canvas();
    TExtMultiColumnDropDown* dd = FExtDropDown;
    if (dd != nullptr && dd->OnDropDownDrawItem) {
        dd->OnDropDownDrawItem(dd, ACol, ARow, c, ARect);
        return;
    }
    const bool first = ACol == FixedCols(), last = ACol == ColCount() - 1;
    const int kind = first && last ? 0 : first ? 1 : last ? 2 : 3;
    TRect r = CellFrame(ACol, ARow);
    if (r.Width() <= 0) r = ARect;
    const bool fixed = AState.Contains(gdFixed) || ARow < FixedRows();
    const bool described = ACol < static_cast<int>(FColumns.size()) && ACol >= FixedCols();
    int image = -1;
    std::string text;
    TColor color = Color();
    TAlignment align = taLeftJustify;
    bool wrap = false, ellipsis = false;
    if (described) {
        const TDropDownColumn& col = FColumns[static_cast<size_t>(ACol)];
        color = col.Color, align = col.Alignment, wrap = col.Wordwrap, ellipsis = col.Ellipsis;
        c.Font().Assign(col.Font);
        if (dd != nullptr && ARow > 0 && ARow <= dd->Items().Count()) {
            const TDropDownItem& it = dd->Items().Items(ARow - 1);
            if (col.ColumnType == ctImage) image = it.ImageIndex;
            text = it.TextAt(ACol);
        }
    } else if (dd != nullptr)
        c.Font().Assign(dd->HeaderFont());
    if (dd != nullptr && dd->OnDropDownGetItemText) dd->OnDropDownGetItemText(dd, ACol, ARow, text);
    const TColor headerColor = dd ? dd->HeaderColor() : 0xFFFFFF, headerTo = dd ? dd->HeaderColorTo() : 0x808080;
    const bool selected = !fixed && AState.Contains(gdSelected);
    if (fixed) {
        image = -1;
        text = dd != nullptr && described ? FColumns[static_cast<size_t>(ACol)].Header : std::string();
        if (headerColor == clNone || headerTo == clNone) {
            c.Brush().SetColor(headerColor == clNone ? Color() : headerColor);
            c.FillRect(r);
        } else
            DrawGradient(c, headerColor, headerTo, 80, r, false);
    } else if (selected) {
        if (dd != nullptr) dd->DrawSelectionBackground(c, r, color, kind);
        else {
            c.Brush().SetColor(clActiveCaption);
            c.FillRect(r);
        }
    } else {
        c.Brush().SetColor(color);
        c.FillRect(r);
    }
    int cc = 1;
    const bool drawLines = fixed || FGridLineWidth > 0;
    if (drawLines) {
        c.Pen().SetColor(fixed ? (dd ? dd->FixedLineColor() : clGray) : (dd ? dd->LineColor() : clGray));
        c.Pen().SetWidth(fixed ? 1 : FGridLineWidth);
        if (!fixed) cc = (FGridLineWidth + 1) / 2;
        const TGridOptions o = Options();
        if (fixed || o.Contains(goHorzLine)) {
            c.MoveTo(r.Left - cc + 1, r.Bottom - cc);
            c.LineTo(r.Right - cc + 1, r.Bottom - cc);
        }
        if (fixed || o.Contains(goVertLine)) {
            c.MoveTo(r.Right - cc, r.Bottom - cc);
            c.LineTo(r.Right - cc, r.Top - cc);
        }
        c.Pen().SetWidth(1);
    }
    InflateRect(r, -FGridLineWidth, -FGridLineWidth);
    TRect t = r;
    const IHtmlImageList* images = dd ? dd->Images() : nullptr;
    if (images != nullptr && image >= 0) {
        const int y = images->Height() < r.Height() ? r.Top + (r.Height() - images->Height()) / 2 : r.Top;
        images->Draw(c, r.Left + 2, y, image);
        t.Left = r.Left + images->Width() + 4;
    } else
        t.Left = r.Left + 2;
    if (!text.empty()) {
        unsigned flags = DT_NOPREFIX | DT_EXPANDTABS | DT_VCENTER;
        flags |= wrap ? DT_WORDBREAK | DT_EDITCONTROL : DT_SINGLELINE;
        if (align == taRightJustify) flags |= DT_RIGHT;
        else if (align == taCenter) flags |= DT_CENTER;
        if (ellipsis) flags |= DT_END_ELLIPSIS;
        c.Brush().SetStyle(bsClear);
        if (fixed && dd != nullptr) c.Font().Assign(dd->HeaderFont());
        else if (selected && dd != nullptr) c.Font().SetColor(dd->SelectionTextColor());
        c.DrawText(text, t, flags);
    }
}

// ------------------------------------------------------------- drop-down

TExtMultiColumnDropDown::TExtMultiColumnDropDown(TComponent* AOwner) : TColumnDropDown(AOwner) {
    FExtColGrid = new TExtColGrid(this);
    FExtColGrid->SetParent(FDropDownForm->Client());
    FExtColGrid->SetDropDown(this);
    FExtColGrid->SetBounds(0, 0, 200, 180);
    FExtColGrid->SetColor(DropDownColor());
    FExtColGrid->OnSelectCell = [this](TObject*, int, int ARow, bool&) { GridSelectCell(ARow); };
    FExtColGrid->OnSelect = [this](TObject*) { GridSelect(); };
    SetControl(FExtColGrid);
}

void TExtMultiColumnDropDown::SetItemIndex(int Value) {
    if (Value >= Items().Count()) return;
    FItemIndex = Value;
    SetOwnText(Value >= 0 && LookupColumn() >= 0 ? Items().Items(Value).TextAt(LookupColumn()) : std::string());
}

void TExtMultiColumnDropDown::Assign(const TExtMultiColumnDropDown& Source) {
    SetCaseSensitive(Source.CaseSensitive());
    SetDropDownAutoWidth(Source.DropDownAutoWidth());
    SetDropDownRowHeight(Source.DropDownRowHeight());
    SetLineColor(Source.LineColor());
    SetFixedLineColor(Source.FixedLineColor());
    SetColumnSizing(Source.ColumnSizing());
    SetColumnSizeWithDropDown(Source.ColumnSizeWithDropDown());
    SetColumns(Source.Columns());
    SetHeaderColor(Source.HeaderColor());
    SetHeaderColorTo(Source.HeaderColorTo());
    SetHeaderHeight(Source.HeaderHeight());
    SetHeaderFont(Source.HeaderFont());
    SetLookupColumn(Source.LookupColumn());
    SetSelectionTextColor(Source.SelectionTextColor());
    SetItems(Source.Items());
    FItemIndex = Source.ItemIndex();
    BuildLookupItems();
}

void TExtMultiColumnDropDown::BeforeDropDown() {
    TColumnDropDown::BeforeDropDown();
    FDropDownForm->SetCancelOnDeActivate(false);  // a click outside confirms
    FShowing = true;
    FExtColGrid->ApplyDropDown(this);
    FExtColGrid->SetColor(DropDownColor());
    if (FExtColGrid->RowCount() > 1)
        FExtColGrid->SetRow(ItemIndex() + 1 < FExtColGrid->FixedRows() ? 1 : ItemIndex() + 1);
    FOldItemIndex = ItemIndex();
}

void TExtMultiColumnDropDown::DoShowDropDown() {
    TColumnDropDown::DoShowDropDown();
    if (!DroppedDown()) {
        FShowing = false;
        return;
    }
    FitColumnsToDropDown();
    TExtColGrid* g = FExtColGrid;
    if (g->RowCount() > 1) {
        const int row = ItemIndex() + 1 > 0 ? ItemIndex() + 1 : 1;
        g->SetRow(row);
        // A row outside the visible part becomes the last visible row.
        if (row < g->TopRow() || row >= g->TopRow() + g->VisibleRowCount())
            g->SetTopRow(std::max(g->FixedRows(), row - g->VisibleRowCount() + 1));
    }
    FShowing = false;
}

void TExtMultiColumnDropDown::GridSelectCell(int ARow) {
    if (FExtColGrid->FMouseWheelSelection || FShowing || FLookupMove) return;
    SetItemIndex(ARow - 1);
}

void TExtMultiColumnDropDown::GridSelect() {
    if (FExtColGrid->FConfirmSelection) SetItemIndex(FExtColGrid->Row() - 1);
    DoHideDropDown(false);
    if (OnSelect) OnSelect(this);
}

void TExtMultiColumnDropDown::DoHideDropDown(bool Cancelled) {
    if (FDropDownForm == nullptr || !FDropDownForm->Visible()) {
        TColumnDropDown::DoHideDropDown(Cancelled);
        return;
    }
    TColumnDropDown::DoHideDropDown(Cancelled);
    if (Cancelled) {
        SetItemIndex(FOldItemIndex);
        return;
    }
    if (FExtColGrid->FConfirmSelection) SetItemIndex(FExtColGrid->Row() - 1);
    FOldItemIndex = ItemIndex();
}

void TExtMultiColumnDropDown::ControlKeyDown(unsigned short& Key, TShiftState Shift) {
    const bool kept = !(Shift & ssAlt) && (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN);
    if (kept) return;
    // The edit sees the key, the list keeps it for its own handling.
    unsigned short k = Key;
    TColumnDropDown::ControlKeyDown(k, Shift);
}

void TExtMultiColumnDropDown::ControlKeyPress(char32_t& Key) {
    const char32_t k = Key;
    Key = 0;
    if (k < 32 && k != 8) {
        FLookupEntry.clear();
        return;
    }
    const int found = LookupChar(k);
    if (found < 0) {
        FLookupEntry.clear();
        return;
    }
    TExtColGrid* g = FExtColGrid;
    const int row = found + g->FixedRows();
    if (row < g->TopRow() || row > g->TopRow() + g->VisibleRowCount()) g->SetTopRow(row);
    FLookupMove = true;
    g->SetRow(row);
    g->SetCol(0);
    FLookupMove = false;
}

}  // namespace ctl
