#pragma once
// The column grid: a string grid whose per-column look and editing come from
// a collection of column descriptions, one per real column (hidden columns
// keep theirs). Every per-cell question is answered from the cell's column
// first and then handed on to the string grid, which ends in the event.

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "grid/ExtGrid.h"
#include "platform/Menus.h"

namespace grid {

class TGridColumnCollection;
class TExtColumnGrid;

enum TColumnPopupType {
    cpFixedCellsRClick, cpFixedCellsLClick, cpNormalCellsRClick, cpNormalCellsLClick, cpAllCellsRClick,
    cpAllCellsLClick
};

class TGridColumnItem : public plat::TObject {
public:
    // Inside a grid's collection the fonts and colour start as the grid's;
    // without one (a spare item) the item has no links at all.
    explicit TGridColumnItem(TGridColumnCollection* Collection);

    // Every setting but the popup type and the two print flags; the width
    // only into the field, never into the grid.
    void Assign(const TObject* Source);
    // As Assign, without header, name, tag, combo items, drop-down count and
    // header font; colour and font become the grid's.
    void AssignVisuals(const TGridColumnItem& Source);
    std::string GetDisplayName() const;
    int Index() const;
    TGridColumnCollection* Collection() const { return FCollection; }

    int Width() const;
    void SetWidth(int Value);
    plat::TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(plat::TAlignment Value);
    const std::string& Header() const { return FHeader; }
    // Writes row 0 of the column and rebuilds the grid's header list.
    void SetHeader(const std::string& Value);
    // The stored values alone, for the grid keeping items in step with
    // what it already shows.
    void SetHeaderField(const std::string& Value) { FHeader = Value; }
    void SetWidthField(int Value) { FWidth = Value; }
    // The width as stored, without asking the grid (a spare item has none).
    int StoredWidth() const { return FWidth; }
    TEditorType Editor() const { return FEditor; }
    void SetEditor(TEditorType Value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }
    bool Fixed() const { return FFixed; }
    void SetFixed(bool Value);
    bool Password() const { return FPassword; }
    void SetPassword(bool Value);
    const std::string& CheckTrue() const { return FCheckTrue; }
    void SetCheckTrue(const std::string& Value) { FCheckTrue = Value; }
    const std::string& CheckFalse() const { return FCheckFalse; }
    void SetCheckFalse(const std::string& Value) { FCheckFalse = Value; }
    plat::TStrings& ComboItems() { return FComboItems; }
    const plat::TStrings& ComboItems() const { return FComboItems; }
    int DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int Value) { FDropDownCount = Value; }
    int EditLength() const { return FEditLength; }
    void SetEditLength(int Value) { FEditLength = Value; }
    const std::string& EditMask() const { return FEditMask; }
    void SetEditMask(const std::string& Value) { FEditMask = Value; }
    int MaxSize() const { return FMaxSize; }
    void SetMaxSize(int Value) { FMaxSize = Value; }
    int MinSize() const { return FMinSize; }
    void SetMinSize(int Value) { FMinSize = Value; }
    int AutoMinSize() const { return FAutoMinSize; }
    void SetAutoMinSize(int Value) { FAutoMinSize = Value; }
    int AutoMaxSize() const { return FAutoMaxSize; }
    void SetAutoMaxSize(int Value) { FAutoMaxSize = Value; }
    const std::string& FloatFormat() const { return FFloatFormat; }
    void SetFloatFormat(const std::string& Value);
    plat::TAlignment HeaderAlignment() const { return FHeaderAlignment; }
    void SetHeaderAlignment(plat::TAlignment Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    plat::TFont& Font() { return FFont; }
    plat::TFont& HeaderFont() { return FHeaderFont; }
    const std::string& Name() const { return FName; }
    void SetName(const std::string& Value) { FName = Value; }
    int Tag() const { return FTag; }
    void SetTag(int Value) { FTag = Value; }
    TSortStyle SortStyle() const { return FSortStyle; }
    void SetSortStyle(TSortStyle Value) { FSortStyle = Value; }
    const std::string& SortPrefix() const { return FSortPrefix; }
    void SetSortPrefix(const std::string& Value) { FSortPrefix = Value; }
    const std::string& SortSuffix() const { return FSortSuffix; }
    void SetSortSuffix(const std::string& Value) { FSortSuffix = Value; }
    bool ShowBands() const { return FShowBands; }
    void SetShowBands(bool Value) { FShowBands = Value; }
    int SpinMin() const { return FSpinMin; }
    int SpinMax() const { return FSpinMax; }
    int SpinStep() const { return FSpinStep; }
    void SetSpin(int Min, int Max, int Step) {
        FSpinMin = Min;
        FSpinMax = Max;
        FSpinStep = Step;
    }
    TCellBorders Borders() const { return FBorders; }
    void SetBorders(TCellBorders Value);
    TCellBorders PrintBorders() const { return FPrintBorders; }
    void SetPrintBorders(TCellBorders Value) { FPrintBorders = Value; }
    plat::TPen& BorderPen() { return FBorderPen; }
    plat::TPen& PrintBorderPen() { return FPrintBorderPen; }
    plat::TFont& PrintFont() { return FPrintFont; }
    TColor PrintColor() const { return FPrintColor; }
    void SetPrintColor(TColor Value) { FPrintColor = Value; }
    bool PrintBorderCustom() const { return FPrintBorderCustom; }
    void SetPrintBorderCustom(bool Value) { FPrintBorderCustom = Value; }
    bool PrintFontCustom() const { return FPrintFontCustom; }
    void SetPrintFontCustom(bool Value) { FPrintFontCustom = Value; }
    TColumnPopupType ColumnPopupType() const { return FColumnPopupType; }
    void SetColumnPopupType(TColumnPopupType Value) { FColumnPopupType = Value; }
    // Offered on a click into the column as the popup type says; not
    // owned: the grid forgets a menu it owns when that menu goes.
    plat::TPopupMenu* ColumnPopup() const { return FColumnPopup; }
    void SetColumnPopup(plat::TPopupMenu* Value) { FColumnPopup = Value; }
    plat::TStrings& Filter() { return FFilter; }
    bool FilterCaseSensitive() const { return FFilterCaseSensitive; }
    void SetFilterCaseSensitive(bool Value) { FFilterCaseSensitive = Value; }
    int DefIdx() const { return FDefIdx; }
    void SetDefIdx(int Value) { FDefIdx = Value; }

    // Cells of this column by row.
    std::string Rows(int Idx) const;
    void SetRows(int Idx, const std::string& Value);
    // The grid's typed access for this column (EExtGridError as there).
    int Ints(int Idx) const;
    void SetInts(int Idx, int Value);
    double Floats(int Idx) const;
    void SetFloats(int Idx, double Value);
    base::TDateTime Dates(int Idx) const;
    void SetDates(int Idx, base::TDateTime Value);
    base::TDateTime Times(int Idx) const;
    void SetTimes(int Idx, base::TDateTime Value);

private:
    TExtColumnGrid* Grid() const;
    void Changed();
    void Repaint();

    TGridColumnCollection* FCollection;
    int FWidth = 50;
    plat::TAlignment FAlignment = plat::taLeftJustify;
    std::string FHeader;
    TSortStyle FSortStyle = ssAutomatic;
    std::string FSortPrefix;
    std::string FSortSuffix;
    std::string FEditMask;
    int FEditLength = 0;
    plat::TFont FFont;
    TColor FColor = plat::clWindow;
    TEditorType FEditor = edNormal;
    bool FFixed = false;
    bool FReadOnly = false;
    plat::TStrings FComboItems;
    int FDropDownCount = 8;
    int FSpinMin = 0;
    int FSpinMax = 0;
    int FSpinStep = 1;
    bool FPassword = false;
    plat::TFont FPrintFont;
    TColor FPrintColor = plat::clWhite;
    TCellBorders FBorders;
    plat::TPen FBorderPen;
    TCellBorders FPrintBorders{cbTop, cbLeft, cbRight, cbBottom};
    plat::TPen FPrintBorderPen;
    int FTag = 0;
    int FDefIdx = 0;
    std::string FName;
    std::string FCheckFalse = "N";
    std::string FCheckTrue = "Y";
    bool FShowBands = false;
    plat::TStrings FFilter;
    int FMaxSize = 0;
    int FMinSize = 0;
    int FAutoMinSize = 0;
    int FAutoMaxSize = 0;
    TColumnPopupType FColumnPopupType = cpFixedCellsRClick;
    plat::TPopupMenu* FColumnPopup = nullptr;
    bool FFilterCaseSensitive = false;
    std::string FFloatFormat;
    plat::TAlignment FHeaderAlignment = plat::taLeftJustify;
    plat::TFont FHeaderFont;
    bool FPrintBorderCustom = true;
    bool FPrintFontCustom = true;
};

class TGridColumnCollection {
public:
    explicit TGridColumnCollection(TExtColumnGrid* AOwner) : FOwner(AOwner) {}

    int Count() const { return static_cast<int>(FItems.size()); }
    // Throws std::out_of_range for an index outside the collection.
    TGridColumnItem& Items(int Index) const;
    TGridColumnItem& GetItem(int Index) const { return Items(Index); }
    // A new last item takes the look of the item before it.
    TGridColumnItem& Add();
    TGridColumnItem& Insert(int Index);
    void Delete(int Index);
    void Clear() { FItems.clear(); }
    int IndexOf(const TGridColumnItem* Item) const;
    // Copies the items of another collection (same count afterwards).
    void Assign(const TGridColumnCollection& Source);
    TExtColumnGrid* Owner() const { return FOwner; }

    // Keeps the grid's column count and headers in step after an item
    // changed, unless the grid itself is changing the collection.
    void Update(TGridColumnItem* Item);
    // Moves one item; the others keep their order.
    void Move(int FromIndex, int ToIndex);
    // Records the current order as every item's DefIdx.
    void SetOrganization();
    // Moves the grid's columns back to the places their DefIdx records.
    void ResetOrganization();
    bool NoRecursiveUpdate() const { return FNoRecursiveUpdate; }
    void SetNoRecursiveUpdate(bool Value) { FNoRecursiveUpdate = Value; }
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate() {
        if (FUpdateCount > 0) --FUpdateCount;
    }

private:
    TExtColumnGrid* FOwner;
    std::vector<std::unique_ptr<TGridColumnItem>> FItems;
    bool FNoRecursiveUpdate = false;
    int FUpdateCount = 0;
};

class TExtColumnGrid : public TExtStringGrid {
public:
    explicit TExtColumnGrid(plat::TComponent* AOwner);
    ~TExtColumnGrid() override;

    TGridColumnCollection& Columns() { return *FColumns; }
    TGridColumnCollection& GetColumns() { return *FColumns; }
    void SetColumns(const TGridColumnCollection& Value) { FColumns->Assign(Value); }
    void SetColCount(int Value) override;
    TGridColumnItem* GetColumnByName(const std::string& AValue) const;
    void Loaded() override;
    void AfterBulkChange() override;
    // Appends or frees items until there is one per real column.
    void SynchronizeColumns();
    void UpdateColumnHeaders();
    bool ColMoving() const { return FColMoving; }
    bool AutoFilterDisplay() const { return FAutoFilterDisplay; }
    void SetAutoFilterDisplay(bool Value) { FAutoFilterDisplay = Value; }
    // The text editor's length limit and mask for the current column.
    int GetEditLimit() override;
    std::string GetEditMask(int ACol, int ARow) override;

    // The column's editor kind and its editor settings, prepared for the
    // editor that is about to open.
    const plat::TStrings& EditComboItems() const { return FEditComboItems; }
    int EditDropDownCount() const { return FEditDropDownCount; }

    std::string GetFloatFormat(int ACol, int ARow) const override;
    std::string GetFormattedCell(int ACol, int ARow) override;
    TCellType GetCellType(int ACol, int ARow) override;
    TCellGraphic* GetCellGraphic(int ACol, int ARow) override;
    void DoUpdateColumnSize(int ACol, int& AWidth) override;
    void DoUpdateAutoColumnSize(int ACol, int& AWidth) override;
    void ColumnHeadersChanged() override;
    void DoGetAlignment(int ACol, int ARow, plat::TAlignment& HAlign, TVAlignment& VAlign) override;
    void GetCellColor(int ACol, int ARow, TGridDrawState AState, plat::TBrush& ABrush, plat::TFont& AFont) override;
    void GetCellEditor(int ACol, int ARow, TEditorType& AEditor) override;
    void DoIsFixedCell(int ACol, int ARow, bool& IsFixed) override;
    void CanEditCell(int ACol, int ARow, bool& CanEdit) override;
    void IsPasswordCell(int ACol, int ARow, bool& IsPassword) override;
    bool HasComboBox(int ACol, int ARow) override;
    void GetCheckTrue(int ACol, int ARow, std::string& Value) override;
    void GetCheckFalse(int ACol, int ARow, std::string& Value) override;
    bool GetColumnFilter(int Column) override;
    void GetCellFormat(int ACol, TSortStyle& AStyle, std::string& APrefix, std::string& ASuffix) override;
    // Borders of normal cells, on screen and printed (the latter when the
    // column says so), then the grid's events.
    void GetCellBorder(int ACol, int ARow, TCellBorders& Borders, plat::TPen& APen) override;
    void GetCellPrintBorder(int ACol, int ARow, TCellBorders& Borders, plat::TPen& APen) override;
    // The printed look of a normal cell: the column's print colour and,
    // with PrintFontCustom, its print font; the cell's own colours on top.
    void GetCellPrintColor(int ACol, int ARow, TGridDrawState AState, plat::TBrush& ABrush,
                           plat::TFont& AFont) override;
    // A cell's own properties start as its column looks, so that flagging
    // a cell (read-only, say) does not change its alignment or colour.
    void GetCellPropertyDefaults(int ACol, int ARow, plat::TFont& AFont, plat::TBrush& ABrush, TColor& AColorTo,
                                 TColor& AMirrorColor, TColor& AMirrorColorTo, plat::TAlignment& HA, TVAlignment& VA,
                                 bool& WW, TCellGradientDirection& GD) override;
    std::uint32_t GetVersionNr() const override { return 0x01000000u; }

    // Columns inserted or removed take their items with them; inserted
    // columns start with default settings.
    void InsertCols(int ColIndex, int CCount) override;
    void RemoveCols(int ColIndex, int CCount) override;
    // The column order in an ini file: "CP" + position = recorded index of
    // the column now standing there. Loading applies nothing unless the
    // file holds a complete order for these columns.
    bool SaveColumnPositions(const std::string& Key, const std::string& Section);
    bool LoadColumnPositions(const std::string& Key, const std::string& Section);
    // The same with the file and section of ColumnSize, when it names an
    // ini file.
    bool SaveColPositions();
    bool LoadColPositions();
    // Every setting of every column as text. Loading keeps the column
    // count and leaves the columns as they were when the stream is broken.
    bool SaveColumnsToStream(std::ostream& Out);
    bool LoadColumnsFromStream(std::istream& In, std::string* Error = nullptr);
    // (Sender, from real column, to real column) after a moved column's
    // item has followed it.
    std::function<void(TObject*, int, int)> OnAfterColumnMoved;
    // (Sender, displayed column, row, menu) before a column's menu opens.
    std::function<void(TObject*, int, int, plat::TPopupMenu*)> OnColumnPopup;

protected:
    void ColWidthsChanged() override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void Notification(plat::TComponent* AComponent) override;

private:
    bool InRange(int ACol) const { return ACol >= 0 && ACol < FColumns->Count(); }
    bool NormalCell(int ACol, int ARow) const { return ACol >= FixedCols() && ARow >= FixedRows(); }
    bool NotTrailing(int ACol, int ARow) const {
        return ACol < ColCount() + NumHiddenColumns() - FixedRightCols() && ARow < RowCount() - FixedFooters();
    }

    std::unique_ptr<TGridColumnCollection> FColumns;
    std::unique_ptr<TGridColumnItem> FSaveCol;
    std::unique_ptr<TCellGraphic> FCellGraphic;
    bool FColMoving = false;
    bool FAutoFilterDisplay = false;
    plat::TStrings FEditComboItems;
    int FEditDropDownCount = 8;
};

}  // namespace grid
