#pragma once
// The string grid on both sides of a drag: its switches, the drop target
// that places dropped text, cells, files, links and columns, and the drop
// source that offers the selected cells or a column (ExtGridDragDrop.cpp).

#include <functional>
#include <string>

#include "grid/GridDragDrop.h"
#include "grid/GridIndicators.h"
#include "platform/Classes.h"

namespace grid {

class TExtStringGrid;

// Makes the settings' values known to window layouts as
// "DragDropSettings.<name>" of a grid.
void RegisterDragDropLayout();

class TDragDropSettings : public plat::TObject {
public:
    explicit TDragDropSettings(TExtStringGrid* Owner) : FGrid(Owner) {}
    // Copies the values of other settings; no target is registered or
    // revoked by it, and the program-wide rich-text switch stays.
    void Assign(const plat::TObject* Source);

    bool ShowCells() const { return FShowCells; }
    void SetShowCells(bool Value) { FShowCells = Value; }
    bool OleAcceptFiles() const { return FOleAcceptFiles; }
    void SetOleAcceptFiles(bool Value) { FOleAcceptFiles = Value; }
    bool OleAcceptText() const { return FOleAcceptText; }
    void SetOleAcceptText(bool Value) { FOleAcceptText = Value; }
    bool OleAcceptURLs() const { return FOleAcceptURLs; }
    void SetOleAcceptURLs(bool Value) { FOleAcceptURLs = Value; }
    bool OleAppendRows() const { return FOleAppendRows; }
    void SetOleAppendRows(bool Value) { FOleAppendRows = Value; }
    bool OleColumnDragDrop() const { return FOleColumnDragDrop; }
    void SetOleColumnDragDrop(bool Value) { FOleColumnDragDrop = Value; }
    bool OleColumnReorder() const { return FOleColumnReorder; }
    void SetOleColumnReorder(bool Value) { FOleColumnReorder = Value; }
    bool OleColumnsOnly() const { return FOleColumnsOnly; }
    void SetOleColumnsOnly(bool Value) { FOleColumnsOnly = Value; }
    bool OleCopyAlways() const { return FOleCopyAlways; }
    void SetOleCopyAlways(bool Value) { FOleCopyAlways = Value; }
    bool OleDropTarget() const { return FOleDropTarget; }
    // Registers the grid with the window layer as a drop target, or
    // revokes a registration that succeeded.
    void SetOleDropTarget(bool Value);
    bool OleDropSource() const { return FOleDropSource; }
    void SetOleDropSource(bool Value) { FOleDropSource = Value; }
    bool OleEntireRows() const { return FOleEntireRows; }
    void SetOleEntireRows(bool Value) { FOleEntireRows = Value; }
    bool OleInsertRows() const { return FOleInsertRows; }
    void SetOleInsertRows(bool Value) { FOleInsertRows = Value; }
    bool OleRemoveRows() const { return FOleRemoveRows; }
    void SetOleRemoveRows(bool Value) { FOleRemoveRows = Value; }
    bool OleDropRTF() const { return FOleDropRTF; }
    // Every drop target of the program follows this switch.
    void SetOleDropRTF(bool Value);

private:
    TExtStringGrid* FGrid;
    bool FShowCells = true, FOleAcceptFiles = true, FOleAcceptText = true, FOleAcceptURLs = true;
    bool FOleAppendRows = false, FOleColumnDragDrop = false, FOleColumnReorder = false, FOleColumnsOnly = false;
    bool FOleCopyAlways = false, FOleDropTarget = false, FOleDropSource = false, FOleEntireRows = false;
    bool FOleInsertRows = false, FOleRemoveRows = false, FOleDropRTF = false;
};

class TGridDropTarget : public TESGDropTarget {
public:
    explicit TGridDropTarget(TExtStringGrid& Grid) : FGrid(Grid) {}
    unsigned DragEnter(const plat::TDragData& Data, plat::TShiftState Keys, plat::TPoint Pt,
                       unsigned Allowed) override;
    void DropText(plat::TPoint Pt, const std::string& S) override;
    void DropStream(plat::TPoint Pt, const std::string& Bytes) override;
    void DropCol(plat::TPoint Pt, int Col) override;
    void DropRTF(plat::TPoint Pt, const std::string& S) override;
    void DropFiles(plat::TPoint Pt, const std::vector<std::string>& Files) override;
    void DropURL(plat::TPoint Pt, const std::string& S) override;
    void DragMouseMove(plat::TPoint Pt, bool& Allow, TDropFormats Formats) override;
    void DragMouseLeave() override;

private:
    // The cell under a screen point, with the append zone below the last
    // row; false when no cell takes the drop.
    bool TargetCell(plat::TPoint Pt, bool Column, int& ACol, int& ARow, bool& Append);
    using TCellDropEvent = std::function<void(plat::TObject*, int, int, const std::string&, bool&)>;
    void DropIntoCell(plat::TPoint Pt, const std::string& S, const TCellDropEvent& Event);
    void ShowArrow(TArrowDirection Direction, plat::TPoint ScreenPos);
    void HideArrows();
    TExtStringGrid& FGrid;
    TArrowWindow* FArrows[3] = {nullptr, nullptr, nullptr};  // left, down, up; owned by the grid
    bool FColumnDrag = false;
    int FScrollTick = 0;  // sideways scrolling takes every second step
};

class TGridDropSource : public TESGDropSource {
public:
    explicit TGridDropSource(TExtStringGrid& Grid) : FGrid(Grid) {}
    void CurrentEffect(unsigned Effect) override;
    void QueryDrag() override;
    void DragFinished() override;
    unsigned LastEffect() const { return FLastEffect; }

private:
    TExtStringGrid& FGrid;
    unsigned FLastEffect = plat::DROPEFFECT_NONE;
};

}  // namespace grid
