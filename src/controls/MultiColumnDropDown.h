#pragma once
// The multi-column drop-down: a drop-down edit whose pop-up lists its items
// in several columns under a header row. The list paints every cell itself
// from the column descriptions and the items (colour, alignment, wrap,
// ellipsis, image column), so it holds no texts of its own. Choosing a row
// puts the row's lookup-column text into the edit and always closes the
// pop-up.

#include <functional>
#include <string>
#include <vector>

#include "controls/ColumnDropDown.h"
#include "platform/Grids.h"

namespace ctl {

class TExtMultiColumnDropDown;

using TGetCellTextEvent = std::function<void(plat::TObject* Sender, int Column, int Row, std::string& Text)>;
using TDrawColumnItemEvent =
    std::function<void(plat::TObject* Sender, int Column, int Row, plat::TCanvas& ACanvas, plat::TRect ARect)>;

// The list inside the multi-column pop-up.
class TExtColGrid : public TColumnListGrid<plat::TCustomGrid, TExtMultiColumnDropDown> {
public:
    explicit TExtColGrid(plat::TComponent* AOwner);

    void ApplyDropDown(TExtMultiColumnDropDown* Owner);
    plat::TRect CellFrame(int ACol, int ARow) const;
    int GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int Value);

    std::function<void(plat::TObject*, int ACol, int ARow, bool& CanSelect)> OnSelectCell;

protected:
    void DrawCell(int ACol, int ARow, const plat::TRect& ARect, plat::TGridDrawState AState) override;
    bool SelectCell(int ACol, int ARow) override;
    void KeyDown(unsigned short& Key, plat::TShiftState Shift) override;
    void MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;

private:
    int FGridLineWidth = 1;
};

class TExtMultiColumnDropDown : public TColumnDropDown {
public:
    explicit TExtMultiColumnDropDown(plat::TComponent* AOwner);

    TExtColGrid* Grid() const { return FExtColGrid; }
    void SetItemIndex(int Value) override;
    // Copies the list settings, columns and items of another multi-column
    // drop-down; ItemIndex is copied without touching the edit text.
    void Assign(const TExtMultiColumnDropDown& Source);
    using TExtCustomDropDown::Assign;

    void BeforeDropDown() override;
    void DoShowDropDown() override;
    void DoHideDropDown(bool Cancelled) override;
    void ControlKeyDown(unsigned short& Key, plat::TShiftState Shift) override;
    void ControlKeyPress(char32_t& Key) override;

    TGetCellTextEvent OnDropDownGetItemText;
    TDrawColumnItemEvent OnDropDownDrawItem;

protected:
    plat::TCustomGrid* ListGrid() const override { return FExtColGrid; }
    void GridSelectCell(int ARow);
    void GridSelect();

private:
    TExtColGrid* FExtColGrid = nullptr;
    bool FShowing = false;
};

}  // namespace ctl
