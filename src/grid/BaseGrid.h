#pragma once
// The cell model under every table: per-cell properties kept in the cell's
// object slot, merged blocks addressed through their top-left (base) cell,
// cell text read and written through blocks and the display-text events,
// the grid's own cell painting frame and the link to an undo recorder.
//
// Cells are addressed by storage column and row, from 0, fixed ones
// included; a derived grid that hides columns keeps them beyond ColCount
// and says so through TotalColCount and DisplColIndex.

#include <functional>
#include <string>

#include "controls/ExtUtil.h"
#include "grid/CellProperties.h"
#include "grid/GridTypes.h"
#include "grid/ObjStringGrid.h"

namespace grid {

class TExtGridUndoRedo;

using TGetDisplWideTextEvent =
    std::function<void(plat::TObject* Sender, int ACol, int ARow, ctl::WideString& Value)>;

class TBaseGrid : public TObjStringGrid {
public:
    explicit TBaseGrid(plat::TComponent* AOwner);
    ~TBaseGrid() override;

    // --- cell text ---
    std::string GetCellEx(int c, int r);
    void SetCellEx(int c, int r, const std::string& Value);
    std::string Cells(int c, int r) { return GetCellEx(c, r); }
    void SetCells(int c, int r, const std::string& Value) { SetCellEx(c, r, Value); }

    // --- cell properties and objects ---
    TCellProperties* GetCellProperties(int c, int r);  // creates with defaults
    TCellProperties* CellProperties(int c, int r) { return GetCellProperties(c, r); }
    void SetCellProperties(int c, int r, TCellProperties* Value);  // takes ownership
    bool HasCellProps(int c, int r) const;
    plat::TObject* GetObjectEx(int c, int r) const;
    void SetObjectEx(int c, int r, plat::TObject* Value);
    plat::TObject* Objects(int c, int r) const { return GetObjectEx(c, r); }
    void SetObjects(int c, int r, plat::TObject* Value) { SetObjectEx(c, r, Value); }
    plat::TObject* GetGraphicObjectEx(int c, int r) const;
    void SetGraphicObjectEx(int c, int r, plat::TObject* Value);
    static plat::TObject* GraphicObjectOf(const TCellProperties* Props);
    void FreeCellPropsRect(int ACol1, int ARow1, int ACol2, int ARow2);
    void FreeCellProps(int c, int r);
    void FreeAllCellProps();
    // Empty cells whose contents were moved elsewhere: the object slot is
    // dropped without freeing what it held.
    void BlankCol(int ACol);
    void BlankRow(int ARow);
    void BlankCell(int c, int r);

    // --- merged cells ---
    virtual void MergeCells(int c, int r, int spanx, int spany);
    virtual void SplitCells(int c, int r);
    plat::TPoint BaseCell(int ACol, int ARow) const;
    bool ResolveBaseCell(int c, int r, int& bc, int& br) const;
    bool IsBaseCell(int ACol, int ARow) const;
    bool IsMergedCell(int ACol, int ARow) const;
    bool IsMergedNonBaseCell(int ACol, int ARow) const;
    bool IsXMergedCell(int ACol, int ARow) const;
    bool IsYMergedCell(int ACol, int ARow) const;
    plat::TPoint CellSpan(int ACol, int ARow) const;
    plat::TPoint CellExt(int ACol, int ARow) const;
    plat::TRect FullCell(int c, int r) const;
    plat::TRect CellRect(int c, int r) const;
    plat::TRect ComputeCellRect(int c, int r) const;
    plat::TPoint CellSize(int c, int r) const;
    int MinRowSpan(int ARow) const;
    int MaxRowSpan(int ARow) const;
    bool RowSpanIdentical(int ARow1, int ARow2) const;
    bool ColSpanIdentical(int ACol1, int ACol2) const;
    int MergeCount() const { return FMergeCount; }

    void RepaintCell(int c, int r);

    // --- painting ---
    void PaintCell(plat::TCanvas& ACanvas, int ACol, int ARow, plat::TRect ARect, TGridDrawState AState);
    // Background, selection look and grid lines only, on the rectangle as given.
    void PaintCellExt(plat::TCanvas& ACanvas, int ACol, int ARow, plat::TRect ARect, TGridDrawState AState);
    int PaintID() const { return FPaintID; }

    // --- virtual operations a derived grid overrides ---
    virtual bool IsFixed(int ACol, int ARow);
    virtual int RowNodeIndent(int ARow);
    virtual bool HasNodes();
    virtual void DrawGridCell(plat::TCanvas& ACanvas, int ACol, int ARow, plat::TRect ARect, TGridDrawState AState);
    virtual void LastRowChanged();
    virtual void DoGetDisplText(int ACol, int ARow, std::string& Value);
    virtual void DoGetDisplWideText(int ACol, int ARow, ctl::WideString& Value);
    virtual void GetCellPropertyDefaults(int ACol, int ARow, plat::TFont& AFont, plat::TBrush& ABrush,
                                         plat::TColor& AColorTo, plat::TColor& AMirrorColor,
                                         plat::TColor& AMirrorColorTo, plat::TAlignment& HA, TVAlignment& VA,
                                         bool& WW, TCellGradientDirection& GD);
    virtual void CellTextChanged(int ACol, int ARow);
    virtual bool HasCustomBorders();
    virtual bool UsesFrameworkStyles();
    virtual void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select,
                                     bool Remap, plat::TBrush& ABrush, plat::TColor& AColorTo,
                                     plat::TColor& AMirrorColor, plat::TColor& AMirrorColorTo, plat::TFont& AFont,
                                     plat::TAlignment& HA, TVAlignment& VA, bool& WW, TCellGradientDirection& GD);
    virtual int DisplColIndex(int ACol) const;
    virtual int TotalColCount() const;

    // --- properties ---
    bool DefaultDrawing() const { return FDefaultDrawing; }
    void SetDefaultDrawing(bool Value) { FDefaultDrawing = Value; }
    int GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int Value);
    plat::TColor GridLineColor() const { return FGridLineColor; }
    void SetGridLineColor(plat::TColor Value);
    plat::TColor GridFixedLineColor() const { return FGridFixedLineColor; }
    void SetGridFixedLineColor(plat::TColor Value);
    TGridSelectionStyle SelectionStyle() const { return FSelectionStyle; }
    void SetSelectionStyle(TGridSelectionStyle Value);
    bool ActiveRowShow() const { return FActiveRowShow; }
    void SetActiveRowShow(bool Value);
    plat::TColor ActiveRowColor() const { return FActiveRowColor; }
    void SetActiveRowColor(plat::TColor Value);
    plat::TColor ActiveRowColorTo() const { return FActiveRowColorTo; }
    void SetActiveRowColorTo(plat::TColor Value);
    plat::TColor ActiveRowMirrorColor() const { return FActiveRowMirrorColor; }
    void SetActiveRowMirrorColor(plat::TColor Value);
    plat::TColor ActiveRowMirrorColorTo() const { return FActiveRowMirrorColorTo; }
    void SetActiveRowMirrorColorTo(plat::TColor Value);
    bool HoverRow() const { return FHoverRow; }
    void SetHoverRow(bool Value) { FHoverRow = Value; }
    plat::TColor HoverRowColor() const { return FHoverRowColor; }
    void SetHoverRowColor(plat::TColor Value) { FHoverRowColor = Value; }
    plat::TColor HoverRowColorTo() const { return FHoverRowColorTo; }
    void SetHoverRowColorTo(plat::TColor Value) { FHoverRowColorTo = Value; }
    THoverRowCells HoverRowCells() const { return FHoverRowCells; }
    void SetHoverRowCells(THoverRowCells Value) { FHoverRowCells = Value; }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value) { FWordWrap = Value; }
    TExtGridUndoRedo* UndoRedo() const { return FUndoRedo; }
    void SetUndoRedo(TExtGridUndoRedo* Value);

    TGetDisplTextEvent OnGetDisplText;
    TGetDisplWideTextEvent OnGetDisplWideText;

    // Fields a derived grid maintains.
    bool FHideLastRow = false;
    int FNormalRowCount = 0;
    int FHoverRowIdx = -1;
    bool FShowSel = true;
    bool FHasCellProps = false;

    void SetRowCount(int Value) override;
    using plat::TCustomGrid::FixedColsWidth;
    using plat::TCustomGrid::FixedRowsHeight;

protected:
    void Paint() override;
    void DrawCell(int ACol, int ARow, const plat::TRect& ARect, TGridDrawState AState) override;
    bool SelectCell(int ACol, int ARow) override;
    void TopLeftChanged() override;
    void KeyDown(unsigned short& Key, plat::TShiftState Shift) override;
    bool DoMouseWheelDown(plat::TShiftState Shift, plat::TPoint MousePos) override;
    bool DoMouseWheelUp(plat::TShiftState Shift, plat::TPoint MousePos) override;
    void Notification(plat::TComponent* AComponent) override;
    void MoveToBaseCell();
    // A cell's properties keep knowing their cell when the store moves them.
    void StoreObjectMoved(plat::TObject* Object, int ACol, int ARow) override;
    void RepaintMergedFixedCols();
    void RepaintMergedFixedRows();

private:
    friend class TExtGridUndoRedo;
    void DoPaintCell(plat::TCanvas& ACanvas, int ACol, int ARow, plat::TRect ARect, TGridDrawState AState,
                     bool BlockMode);
    TCellProperties* Props(int c, int r) const;

    bool FDefaultDrawing = false;
    int FGridLineWidth = 1;
    plat::TColor FGridLineColor = plat::clSilver;
    plat::TColor FGridFixedLineColor = plat::clGray;
    int FPaintID = 1;
    TExtGridUndoRedo* FUndoRedo = nullptr;
    bool FWordWrap = true;
    bool FActiveRowShow = false;
    plat::TColor FActiveRowColor = plat::clInfoBk;
    plat::TColor FActiveRowColorTo = plat::clNone;
    plat::TColor FActiveRowMirrorColor = plat::clNone;
    plat::TColor FActiveRowMirrorColorTo = plat::clNone;
    TGridSelectionStyle FSelectionStyle = ssDefault;
    bool FHoverRow = false;
    THoverRowCells FHoverRowCells{hcNormal, hcSelected};
    plat::TColor FHoverRowColor = plat::clInfoBk;
    plat::TColor FHoverRowColorTo = plat::clNone;
    int FMergeCount = 0;
    bool FDestroying = false;
};

}  // namespace grid
