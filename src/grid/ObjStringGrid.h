#pragma once
// The string grid the base grid stands on: a text and one object slot per
// cell, the column and row geometry, the current cell and selection, the
// visible window onto the cells, and a per-cell paint call. It keeps cells
// at any column index (hidden columns of the string grid live beyond
// ColCount) and answers an empty text and no object for cells never written.

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "grid/GridTypes.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"

namespace grid {

enum TGridDrawStateItem { gdSelected, gdFocused, gdFixed, gdRowSelected, gdHotTrack, gdPressed };
using TGridDrawState = plat::TSet<TGridDrawStateItem>;

enum TGridOption {
    goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goDrawFocusSelected,
    goRowSizing, goColSizing, goRowMoving, goColMoving, goEditing, goTabs, goRowSelect,
    goAlwaysShowEditor, goThumbTracking
};
using TGridOptions = plat::TSet<TGridOption>;

struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    friend bool operator==(const TGridRect&, const TGridRect&) = default;
};

class TObjStringGrid : public plat::TCustomControl {
public:
    explicit TObjStringGrid(plat::TComponent* AOwner);
    ~TObjStringGrid() override;

    // --- cell store (no redirection, no events) ---
    std::string GetGridCell(int ACol, int ARow) const;
    void SetGridCell(int ACol, int ARow, const std::string& Value);
    plat::TObject* GetGridObject(int ACol, int ARow) const;
    void SetGridObject(int ACol, int ARow, plat::TObject* Value);

    // --- geometry ---
    int ColCount() const { return FColCount; }
    virtual void SetColCount(int Value);
    int RowCount() const { return FRowCount; }
    virtual void SetRowCount(int Value);
    int FixedCols() const { return FFixedCols; }
    void SetFixedCols(int Value);
    int FixedRows() const { return FFixedRows; }
    void SetFixedRows(int Value);
    int DefaultColWidth() const { return FDefaultColWidth; }
    void SetDefaultColWidth(int Value);
    int DefaultRowHeight() const { return FDefaultRowHeight; }
    void SetDefaultRowHeight(int Value);
    int ColWidths(int ACol) const;
    void SetColWidths(int ACol, int Value);
    int RowHeights(int ARow) const;
    void SetRowHeights(int ARow, int Value);
    // Background of fixed cells as the grid hands them to DrawCell.
    plat::TColor FixedColor() const { return FFixedColor; }
    void SetFixedColor(plat::TColor Value);
    TGridOptions Options() const { return FOptions; }
    void SetOptions(TGridOptions Value);

    // --- scrolling ---
    int LeftCol() const { return FLeftCol; }
    void SetLeftCol(int Value);
    int TopRow() const { return FTopRow; }
    void SetTopRow(int Value);
    // Non-fixed columns (rows) wholly inside the client area from LeftCol (TopRow).
    int VisibleColCount() const;
    int VisibleRowCount() const;

    // --- current cell and selection ---
    int Col() const { return FCol; }
    void SetCol(int Value);
    int Row() const { return FRow; }
    void SetRow(int Value);
    TGridRect Selection() const { return FSelection; }
    void SetSelection(const TGridRect& Value);
    // Right-to-left reading; the system's windows all read left to right.
    bool UseRightToLeftAlignment() const { return false; }

    // Client rectangle of a visible cell; empty when the cell is not shown.
    plat::TRect GridCellRect(int ACol, int ARow) const;
    // Cell under a client point; false outside the cells.
    bool MouseToCell(int X, int Y, int& ACol, int& ARow) const;
    void InvalidateCell(int ACol, int ARow);

protected:
    void Paint() override;
    virtual void DrawCell(int ACol, int ARow, const plat::TRect& ARect, TGridDrawState AState);
    // Asked before the current cell moves; false keeps it where it is.
    virtual bool SelectCell(int ACol, int ARow);
    virtual void TopLeftChanged() {}
    void KeyDown(unsigned short& Key, plat::TShiftState Shift) override;
    void MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    bool DoMouseWheel(plat::TShiftState Shift, int WheelDelta, plat::TPoint MousePos) override;
    virtual bool DoMouseWheelDown(plat::TShiftState Shift, plat::TPoint MousePos);
    virtual bool DoMouseWheelUp(plat::TShiftState Shift, plat::TPoint MousePos);
    // Rows of the store beyond RowCount are dropped when the grid shrinks.
    void DropRowsFrom(int ARow);
    // Cells whose object slot holds something, in row order.
    std::vector<std::pair<int, int>> CellsWithObjects() const;

private:
    void MoveCurrent(int ACol, int ARow);
    void ScrollIntoView(int ACol, int ARow);

    struct Cell {
        std::string text;
        plat::TObject* object = nullptr;
    };
    // Keyed by (row, col): rows drop as a range when the grid shrinks.
    std::map<std::pair<int, int>, Cell> FCells;
    int FColCount = 5;
    int FRowCount = 5;
    int FFixedCols = 1;
    int FFixedRows = 1;
    int FDefaultColWidth = 64;
    int FDefaultRowHeight = 24;
    std::vector<int> FColWidths;
    std::vector<int> FRowHeights;
    TGridOptions FOptions;
    plat::TColor FFixedColor = plat::clBtnFace;
    int FLeftCol = 1;
    int FTopRow = 1;
    int FCol = 1;
    int FRow = 1;
    TGridRect FSelection{1, 1, 1, 1};
};

}  // namespace grid
