#pragma once
// The grid control the table grids stand on: columns and rows with widths
// and heights, fixed rows and columns, a current cell with an anchor (the
// range between them is the selection), scrolling by a top-left cell,
// sizing and moving of columns and rows with the mouse, movement by keys,
// and a host for an in-place editor. It stores no cells: a derived grid
// keeps them and paints each one in DrawCell. Cells lie edge to edge; grid
// lines are the cell painter's to draw.

#include <string>
#include <vector>

#include "platform/Controls.h"
#include "platform/StdCtrls.h"

namespace plat {

enum TGridOption {
    goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goDrawFocusSelected,
    goRowSizing, goColSizing, goRowMoving, goColMoving, goEditing, goTabs, goRowSelect,
    goAlwaysShowEditor, goThumbTracking
};
using TGridOptions = TSet<TGridOption>;

enum TGridDrawStateItem { gdSelected, gdFocused, gdFixed, gdRowSelected, gdHotTrack, gdPressed };
using TGridDrawState = TSet<TGridDrawStateItem>;

enum TGridState { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving };

struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    friend bool operator==(const TGridRect&, const TGridRect&) = default;
};

struct TGridCoord {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TGridCoord&, const TGridCoord&) = default;
};

class TCustomGrid;

// The editor shown over the current cell. Characters go to the grid's
// KeyPress first; navigation keys go to the grid's KeyDown; each change is
// stored in the cell through the grid's SetEditText at once.
class TInplaceEdit : public TEdit {
public:
    explicit TInplaceEdit(TCustomGrid* AGrid);
    TCustomGrid* Grid() const { return FGrid; }

protected:
    void Dispatch(TMessage& Message) override;
    void KeyDown(unsigned short& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    // Called before the editor shows the cell's text.
    virtual void UpdateContents();

private:
    friend class TCustomGrid;
    TCustomGrid* FGrid;
    bool FSelectAllToggle = true;
};

class TCustomGrid : public TCustomControl {
public:
    explicit TCustomGrid(TComponent* AOwner);
    ~TCustomGrid() override;

    // --- structure ---
    int ColCount() const { return static_cast<int>(FColWidths.size()); }
    virtual void SetColCount(int Value);
    int RowCount() const { return static_cast<int>(FRowHeights.size()); }
    virtual void SetRowCount(int Value);
    int FixedCols() const { return FFixedCols; }
    void SetFixedCols(int Value);
    int FixedRows() const { return FFixedRows; }
    void SetFixedRows(int Value);
    int DefaultColWidth() const { return FDefaultColWidth; }
    void SetDefaultColWidth(int Value);  // sets every column
    int DefaultRowHeight() const { return FDefaultRowHeight; }
    void SetDefaultRowHeight(int Value);  // sets every row
    int ColWidths(int ACol) const;
    void SetColWidths(int ACol, int Value);
    int RowHeights(int ARow) const;
    void SetRowHeights(int ARow, int Value);
    TGridOptions Options() const { return FOptions; }
    virtual void SetOptions(TGridOptions Value);
    TColor FixedColor() const { return FFixedColor; }
    void SetFixedColor(TColor Value);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle Value);
    TGridState GridState() const { return FGridState; }
    void SetGridState(TGridState Value) { FGridState = Value; }

    // --- scrolling ---
    int LeftCol() const { return FLeftCol; }
    void SetLeftCol(int Value);
    int TopRow() const { return FTopRow; }
    void SetTopRow(int Value);
    // Scrollable columns (rows) wholly inside the client area from LeftCol
    // (TopRow); at least 1.
    int VisibleColCount() const;
    int VisibleRowCount() const;
    int ClientWidth() const override;
    int ClientHeight() const override;

    // --- current cell and selection ---
    int Col() const { return FCurrent.X; }
    void SetCol(int Value);
    int Row() const { return FCurrent.Y; }
    void SetRow(int Value);
    // The rectangle spanned by the anchor and the current cell, normalised.
    TGridRect Selection() const;
    // Anchor := (Left, Top), current := (Right, Bottom), without asking
    // SelectCell.
    void SetSelection(const TGridRect& Value);
    // Makes a cell current when SelectCell agrees; with MoveAnchor the
    // anchor follows, otherwise the selection grows; Show scrolls it into
    // view.
    void MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show);
    void FocusCell(int ACol, int ARow, bool MoveAnchor) { MoveColRow(ACol, ARow, MoveAnchor, true); }

    // --- geometry of cells ---
    // The cell's rectangle in client coordinates; empty when not in view.
    TRect GridCellRect(int ACol, int ARow) const;
    // The cell's rectangle from widths and heights, also outside the view.
    TRect ComputeCellRect(int ACol, int ARow) const;
    // In a right-to-left grid (UseRightToLeftAlignment) the columns are laid
    // out from the right edge and the vertical scroll bar stands at the left
    // edge: both rectangles above are mirrored against the whole width, and
    // so are the points below. A logical x (counted as in a left-to-right
    // grid, 0 to ClientWidth) and a client x are each other's mirror.
    int MirrorX(int X) const { return UseRightToLeftAlignment() ? Width() - 1 - X : X; }
    // Left and Right as the columns count them: in a mirrored grid the key
    // towards the visual left goes to the next column, so the two swap.
    unsigned short ReadingKey(unsigned short Key) const {
        if (!UseRightToLeftAlignment()) return Key;
        return Key == VK_LEFT ? VK_RIGHT : Key == VK_RIGHT ? VK_LEFT : Key;
    }
    TRect MirrorRect(const TRect& R) const;
    // The displayed cell under a client point; -1 for a coordinate beyond
    // the last column or row.
    TGridCoord MouseCoord(int X, int Y) const;
    bool MouseToCell(int X, int Y, int& ACol, int& ARow) const;
    void InvalidateCell(int ACol, int ARow);
    void InvalidateRow(int ARow);
    void InvalidateCol(int ACol);
    void InvalidateGrid() { Invalidate(); }

    // --- in-place editor ---
    bool EditorMode() const { return FEditorMode; }
    void SetEditorMode(bool Value);
    void ShowEditor();
    void HideEditor();
    // Opens the editor of the current cell and types Ch into it.
    void ShowEditorChar(char32_t Ch);
    TInplaceEdit* InplaceEditor() const { return FInplaceEdit; }
    void InvalidateEditor();

    // The framework moves of a column or row (widths and current cell follow).
    void MoveColumn(int FromIndex, int ToIndex);
    void MoveRow(int FromIndex, int ToIndex);
    // Moves the heights of the rows from FirstRow on by Delta rows in one
    // step, as when rows are inserted (Delta > 0) or removed (Delta < 0)
    // above them; the row count stays and vacated rows take the default.
    void ShiftRowHeights(int FirstRow, int Delta);

protected:
    friend class TInplaceEdit;

    void Paint() override;
    void Dispatch(TMessage& Message) override;
    // Paints one cell; ARect is its whole rectangle.
    virtual void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
    // Asked before the current cell moves; false keeps it.
    virtual bool SelectCell(int ACol, int ARow);
    virtual void TopLeftChanged();
    virtual void ColWidthsChanged();
    virtual void RowHeightsChanged();
    virtual void SizeChanged(int OldColCount, int OldRowCount);
    virtual void ColumnMoved(int FromIndex, int ToIndex);
    virtual void RowMoved(int FromIndex, int ToIndex);
    // Editor hooks.
    virtual bool CanEditShow();
    virtual bool CanEditAcceptKey(char32_t Key);
    virtual bool CanEditModify();
    virtual TInplaceEdit* CreateEditor();
    virtual std::string GetEditText(int ACol, int ARow);
    virtual void SetEditText(int ACol, int ARow, const std::string& Value);
    virtual std::string GetEditMask(int ACol, int ARow);
    virtual int GetEditLimit();
    // Which sizing or moving a press at (X, Y) starts (gsNormal: none).
    virtual void CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs);

    void KeyDown(unsigned short& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
    virtual bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos);
    virtual bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos);
    virtual void WMHScroll(TMessage& Message);
    virtual void WMVScroll(TMessage& Message);
    void WMTimer(TMessage& Message) override;
    void WMSize(TMessage& Message) override;
    void WMKillFocus(TMessage& Message) override;

    // Pixel sum of the fixed columns (rows).
    int FixedColsWidth() const;
    int FixedRowsHeight() const;
    void CMBiDiModeChanged(TMessage& Message) override;

private:
    struct TScrollBars;
    TRect LayoutCellRect(int ACol, int ARow) const;
    void ClampInView(int ACol, int ARow);
    void UpdateScrollRange();
    void UpdateEdit();
    void Scroll(bool Vertical, unsigned Code, int Pos);
    int LastFullCol(int From) const;
    int LastFullRow(int From) const;
    TGridCoord Clamped(int ACol, int ARow) const;
    void InvalidateRect(const TGridRect& R);
    bool IsActiveControl() const;

    std::vector<int> FColWidths;
    std::vector<int> FRowHeights;
    int FFixedCols = 1;
    int FFixedRows = 1;
    int FDefaultColWidth = 64;
    int FDefaultRowHeight = 24;
    TGridOptions FOptions;
    TColor FFixedColor = clBtnFace;
    TScrollStyle FScrollBars = ssBoth;
    TGridState FGridState = gsNormal;
    int FLeftCol = 1;
    int FTopRow = 1;
    TGridCoord FCurrent{1, 1};
    TGridCoord FAnchor{1, 1};
    // Sizing and moving with the mouse.
    int FSizingIndex = -1;
    int FSizingPos = 0;
    int FSizingOfs = 0;
    int FMoveIndex = -1;
    int FMovePos = -1;
    TPoint FMouseDownPos;
    // Editor.
    TInplaceEdit* FInplaceEdit = nullptr;
    bool FEditorMode = false;
    int FEditCol = -1;
    int FEditRow = -1;
    bool FEditorShowing = false;
    TScrollBars* FBars = nullptr;
};

}  // namespace plat
