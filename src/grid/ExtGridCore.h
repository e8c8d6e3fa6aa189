#pragma once
// The least of a grid the string grid stands on: the cell store (text and
// per-cell properties addressed by real column and displayed row), column
// widths and row heights, fixed rows and columns, the current cell and the
// range selection. Painting, scrolling and the in-place editor hang off the
// virtual hooks at the bottom; the window side fills them in.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "grid/ExtCellGraphic.h"
#include "grid/GridTypes.h"
#include "platform/Classes.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"

namespace grid {

using plat::TColor;

// Per-cell look and state. Readers answer the defaults below for a cell
// without properties and never create them; writers create them.
struct TCellProps {
    TColor BrushColor = plat::clNone;
    TColor BrushColorTo = plat::clNone;
    TCellGradientDirection GradientDir = GradientVertical;
    std::string FontName;
    int FontSize = 0;
    plat::TFontStyles FontStyle;
    TColor FontColor = plat::clNone;
    plat::TAlignment Alignment = plat::taLeftJustify;
    TVAlignment VAlignment = vtaTop;
    bool ReadOnly = false;
    bool WordWrap = false;
    int NodeLevel = 0;
    plat::TControl* Control = nullptr;  // placed over the cell, not owned
    plat::TObject* Object = nullptr;    // the application's, not owned
    std::unique_ptr<TCellGraphic> Graphic;
};

struct TGridCell {
    std::string Text;
    std::unique_ptr<TCellProps> Props;
};

using TGridRowCells = std::vector<TGridCell>;

// A cell rectangle: columns Left..Right, rows Top..Bottom.
struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    friend bool operator==(const TGridRect&, const TGridRect&) = default;
};

enum TGridOption {
    goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goDrawFocusSelected,
    goRowSizing, goColSizing, goRowMoving, goColMoving, goEditing, goTabs, goRowSelect,
    goAlwaysShowEditor, goThumbTracking
};
using TGridOptions = plat::TSet<TGridOption>;

class TGridCore : public plat::TComponent {
public:
    explicit TGridCore(plat::TComponent* AOwner);
    ~TGridCore() override;

    // ---- raw store (real column, displayed row) ----
    const std::string& GridCells(int ACol, int ARow) const;
    void SetGridCells(int ACol, int ARow, const std::string& Value);
    // The cell's properties or nullptr; CellProperties creates them.
    TCellProps* CellPropsOf(int ACol, int ARow) const;
    TCellProps& CellProperties(int ACol, int ARow);
    bool HasCellProps(int ACol, int ARow) const;
    void FreeCellProps(int ACol, int ARow);
    // Whole stored rows, for hiding and moving rows with their cell objects.
    TGridRowCells TakeRowCells(int ARow);
    void PutRowCells(int ARow, TGridRowCells&& Cells);
    int StoredRowCount() const { return static_cast<int>(FCells.size()); }

    // ---- structure as the framework grid keeps it ----
    int FrameColCount() const { return FColCount; }
    int FrameRowCount() const { return FRowCount; }
    int FrameFixedCols() const { return FFixedCols; }
    int FrameFixedRows() const { return FFixedRows; }
    void FrameSetColCount(int Value);
    void FrameSetRowCount(int Value);
    void FrameSetFixedCols(int Value);
    void FrameSetFixedRows(int Value);
    // Removes Count displayed rows at ARow (their cells go with them) and
    // inserts empty rows of the default height.
    void RemoveRowsInternal(int ARow, int Count);
    void InsertRowsInternal(int ARow, int Count);

    int ColWidths(int ACol) const;
    void SetColWidths(int ACol, int Value);
    int RowHeights(int ARow) const;
    void SetRowHeights(int ARow, int Value);
    int DefaultColWidth() const { return FDefaultColWidth; }
    void SetDefaultColWidth(int Value);
    int FrameDefaultRowHeight() const { return FDefaultRowHeight; }
    void FrameSetDefaultRowHeight(int Value);

    int FrameCol() const { return FCol; }
    int FrameRow() const { return FRow; }
    // Moves the current cell through the select-cell step.
    void FrameSetCol(int Value);
    void FrameSetRow(int Value);
    int TopRow() const { return FTopRow; }
    int LeftCol() const { return FLeftCol; }
    void FrameSetTopRow(int Value) { FTopRow = Value; }
    void SetLeftCol(int Value) { FLeftCol = Value; }

    // Anchor (Left, Top) and current cell (Right, Bottom); not normalised.
    TGridRect Selection() const { return {FAnchorCol, FAnchorRow, FCol, FRow}; }
    void FrameSetSelection(const TGridRect& R);
    // Makes a cell current with the anchor moved too (no select-cell veto
    // is asked for the anchor).
    void MoveCurrentCell(int ACol, int ARow);

    TGridOptions Options() const { return FOptions; }
    void SetOptions(TGridOptions Value) { FOptions = Value; }

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetWidth(int Value) { FWidth = Value; }
    void SetHeight(int Value) { FHeight = Value; }
    // No border in the data model: the client area is the control.
    int ClientWidth() const { return FWidth; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value) { FVisible = Value; }
    bool HasParent() const { return FHasParent; }
    void SetHasParent(bool Value) { FHasParent = Value; }

    // ---- hooks for the window side ----
    virtual void RepaintCell(int ACol, int ARow);
    virtual void Invalidate();
    virtual bool SelectCell(int ACol, int ARow);
    virtual void ColWidthsChanged() {}
    virtual void CellTextChanged(int /*ACol*/, int /*ARow*/) {}
    virtual int TotalColCount() const { return FColCount; }
    virtual int DisplColIndex(int ACol) const { return ACol; }

    // Every repaint request since the log was last cleared, for checks
    // that a change shows at the right place.
    struct TRepaint {
        int Col;
        int Row;
        friend bool operator==(const TRepaint&, const TRepaint&) = default;
    };
    const std::vector<TRepaint>& RepaintLog() const { return FRepaintLog; }
    int InvalidateCount() const { return FInvalidateCount; }
    void ClearRepaintLog() {
        FRepaintLog.clear();
        FInvalidateCount = 0;
    }

private:
    TGridCell* CellAt(int ACol, int ARow) const;
    TGridCell& EnsureCell(int ACol, int ARow);

    // mutable: readers of missing cells never grow the store, but CellAt
    // hands out pointers into it.
    mutable std::vector<TGridRowCells> FCells;
    std::vector<int> FColWidths;
    std::vector<int> FRowHeights;
    int FColCount = 5;
    int FRowCount = 5;
    int FFixedCols = 1;
    int FFixedRows = 1;
    int FDefaultColWidth = 64;
    int FDefaultRowHeight = 24;
    int FCol = 1;
    int FRow = 1;
    int FAnchorCol = 1;
    int FAnchorRow = 1;
    int FTopRow = 1;
    int FLeftCol = 1;
    TGridOptions FOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
    int FWidth = 400;
    int FHeight = 250;
    bool FVisible = true;
    bool FHasParent = false;
    std::vector<TRepaint> FRepaintLog;
    int FInvalidateCount = 0;
};

}  // namespace grid
