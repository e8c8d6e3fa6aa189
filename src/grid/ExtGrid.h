#pragma once
// The string grid: the table control of every window. A window reads and
// writes cells by real column and displayed row, hides and shows columns,
// fills check-box columns and selects rows; this class keeps that data side.
// Its members are implemented by concern:
//   ExtGrid.cpp          life cycle, defaults, structure, update lock
//   ExtGridCells.cpp     cell access, typed access, headers, cell properties
//   ExtGridHidden.cpp    hidden columns and rows, index maps
//   ExtGridQueries.cpp   per-cell questions answered by rule, then by event
//   ExtGridCellKinds.cpp cell graphics: check boxes, radio buttons, buttons...
//   ExtGridSelection.cpp range and disjunct selection, row flags
//   ExtGridSizing.cpp    column fitting and stretching
// Painting, scrolling and editing come on top through the virtual hooks.
//
// Index rule: a real column counts hidden columns, a displayed one does not.
// Cells takes a real column and a displayed row; the All... accessors take a
// real column and a real row.

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/DateTime.h"
#include "grid/ExtCellGraphic.h"
#include "grid/BaseGrid.h"
#include "grid/ExtObj.h"
#include "grid/ExtGridSettings.h"
#include "grid/GridTypes.h"
#include "platform/Classes.h"
#include "platform/Graphics.h"

namespace grid {

// Raised by the grid's typed access and index checks.
class EExtGridError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum TGridLook { glStandard, glSoft, glClassic, glKelo, glBevel, glListView, glFrost, glGlass, glSuiteB, glCustom };
enum TInvalidEntryIcon { ieNone, ieInfo, ieWarning, ieError };
enum TScrollType { ssNormal, ssFlat, ssEncarta, ssTile };
enum TScrollHintType { shNone, shVertical, shHorizontal, shBoth };
enum TScrollBarAlways { saNone, saVert, saHorz, saBoth };
enum TIntelliPan { ipBoth, ipHorizontal, ipVertical, ipNone };
enum THoverFixedCells { hfNone, hfFixedRows, hfFixedColumns, hfAll };

// Frees a cell's properties together with the cell graphic they carry.
struct TCellPropsDeleter {
    void operator()(TCellProperties* Props) const;
};
using TOwnedCellProps = std::unique_ptr<TCellProperties, TCellPropsDeleter>;

// One cell of a row taken out of the store: its text and its properties.
struct TStoredCell {
    std::string Text;
    TOwnedCellProps Props;
};
using TStoredRow = std::vector<TStoredCell>;

// One hidden row: its real index, height, the filter level that hid it and
// its cells (by real column, with their properties).
struct TGridItem {
    int Idx = 0;
    int Height = 0;
    int Level = 0;
    TStoredRow Items;
};

using plat::TObject;

class TExtGridPainter;

class TExtStringGrid : public TBaseGrid {
public:
    explicit TExtStringGrid(plat::TComponent* AOwner);
    ~TExtStringGrid() override;

    // ------------------------------------------------------ editing and input
    // In-place editors and their cycle (ExtGridEdit.cpp, ExtGridEditors.h),
    // mouse (ExtGridMouse.cpp), keys (ExtGridKeys.cpp). Columns are
    // displayed unless said real.
    TEditorType EditControl() const;
    bool EditMode() const;
    bool EditWithTags() const;
    void SetEditWithTags(bool Value);
    // The one combo editor of the grid; a window fills its items when a
    // combo cell is about to be edited (OnGetEditorType).
    plat::TComboBox* EditCombo();
    void ClearComboString();
    void AddComboString(const std::string& S);
    bool IsEditable(int ACol, int ARow);  // ACol real
    void ShowInplaceEdit();
    void HideInplaceEdit();
    // Ends an open edit: validates (or restores the text it opened with),
    // hides the editor and reports the end; false when validation refused
    // the value and the editor stays open.
    bool FinishEdit(bool Restore);
    // Checks the edited value of the current cell; true stores it.
    bool ValidateCell(const std::string& NewValue);
    bool AlwaysValidate() const;
    void SetAlwaysValidate(bool Value);
    // Moves past Enter (ACol displayed); see Navigation.
    void AdvanceCell(int ACol, int ARow, bool Force, bool Forward);
    void Zoom(int x);
    // The hint of the cell under a client point: the cell text with
    // HintShowCells, then the window's OnGridHint; the grid's own hint when
    // neither gives one. The mouse keeps the grid's hint set to it.
    std::string BuildCellHint(int X, int Y);
    std::function<void(TObject*, int, int)> OnEditCellDone;  // real column
    plat::TNotifyEvent OnEditingDone;
    std::function<void(TObject*, int, int, std::string&, bool&)> OnCellValidate;  // real column
    // (Sender, real column, row, item index, item text)
    std::function<void(TObject*, int, int, int, const std::string&)> OnComboChange;
    std::function<void(TObject*, int, int, bool&)> OnSelectCell;
    // (Sender, old row, old column, new row, new column, var Allow)
    std::function<void(TObject*, int, int, int&, int&, bool&)> OnAutoAdvance;

protected:
    bool SelectCell(int ACol, int ARow) override;
    bool CanEditShow() override;
    plat::TInplaceEdit* CreateEditor() override;
    std::string GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const std::string& Value) override;
    void Dispatch(plat::TMessage& Message) override;
    void KeyDown(unsigned short& Key, plat::TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void MouseMove(plat::TShiftState Shift, int X, int Y) override;
    bool DoMouseWheel(plat::TShiftState Shift, int WheelDelta, plat::TPoint MousePos) override;
    void DoEnter() override;

private:
    friend class TExtInplaceEdit;
    friend class TGridCombo;
    struct TEditState;
    std::shared_ptr<TEditState> FEdit;  // made on first use
    TEditState& Ed();
    void TabToCell(bool Backwards);

public:

    // Settings, structure and cells of another string grid; any other
    // source is ignored.
    void Assign(const TObject* Source);
    virtual void AssignCells(const TObject* Source);
    // After the layout has set the published properties.
    virtual void Loaded();
    bool IsLoading() const { return FLoading; }
    void SetLoading(bool Value) { FLoading = Value; }
    bool IsLoaded() const { return FLoaded; }

    // ------------------------------------------------------ structure
    void SetRowCount(int Value) override;
    void SetColCount(int Value) override;
    int FixedRows() const;
    void SetFixedRows(int Value);
    int FixedCols() const;
    void SetFixedCols(int Value);
    bool FixedRowAlways() const { return FFixedRowAlways; }
    void SetFixedRowAlways(bool Value) { FFixedRowAlways = Value; }
    bool FixedColAlways() const { return FFixedColAlways; }
    void SetFixedColAlways(bool Value) { FFixedColAlways = Value; }
    void SetRow(int Value);
    // Only FixedRows .. RowCount - 1 is taken.
    void SetTopRow(int Value);
    int FixedColWidth() const { return ColWidths(0); }
    void SetFixedColWidth(int Value);
    int FixedRowHeight() const { return FFixedRowHeight; }
    void SetFixedRowHeight(int Value);
    plat::TAlignment DefaultAlignment() const { return FDefaultAlignment; }
    void SetDefaultAlignment(plat::TAlignment Value);
    TVAlignment VAlignment() const { return FVAlignment; }
    void SetVAlignment(TVAlignment Value) { FVAlignment = Value; Invalidate(); }
    int FixedFooters() const { return FFixedFooters; }
    void SetFixedFooters(int Value) { FFixedFooters = Value; Invalidate(); }
    int FixedRightCols() const { return FFixedRightCols; }
    void SetFixedRightCols(int Value) { FFixedRightCols = Value; Invalidate(); }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    bool IntegralHeight() const { return FIntegralHeight; }
    void SetIntegralHeight(bool Value) { FIntegralHeight = Value; }
    TEditorType DefaultEditor() const { return FDefaultEditor; }
    void SetDefaultEditor(TEditorType Value) { FDefaultEditor = Value; }
    int MaxRowCount() const { return FMaxRowCount; }
    int MaxColCount() const { return FMaxColCount; }
    // Grows the row count by one (a hook the keyboard's row append calls).
    virtual void AppendRow() { SetRowCount(RowCount() + 1); }
    // After fills, loads and pastes; footers are recalculated by the data
    // operations that keep them.
    virtual void AfterBulkChange() {}

    // Update lock: BeginUpdate/EndUpdate count only while the grid is
    // visible, StartUpdate always.
    void BeginUpdate();
    void StartUpdate() { ++FUpdateCount; }
    void EndUpdate();
    void ResetUpdate() { FUpdateCount = 0; }
    bool LockUpdate() const { return FUpdateCount > 0; }
    void SetLockUpdate(bool Value) { Value ? BeginUpdate() : EndUpdate(); }
    int UpdateCount() const { return FUpdateCount; }

    // Four version bytes, high to low, joined with ".".
    std::string Version() const;
    virtual std::uint32_t GetVersionNr() const;
    virtual std::string GetVersionString() const;

    // ------------------------------------------------------ look defaults
    TGridLook Look() const { return FLook; }
    void SetLook(TGridLook Value) { FLook = Value; Invalidate(); }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value) { FBorderColor = Value; }
    bool Flat() const { return FFlat; }
    TColor DisabledFontColor() const { return FDisabledFontColor; }
    TColor SelectionColor() const { return FSelectionColor; }
    void SetSelectionColor(TColor Value) { FSelectionColor = Value; Invalidate(); }
    TColor SelectionColorTo() const { return FSelectionColorTo; }
    TColor SelectionMirrorColor() const { return FSelectionMirrorColor; }
    TColor SelectionMirrorColorTo() const { return FSelectionMirrorColorTo; }
    TColor SelectionTextColor() const { return FSelectionTextColor; }
    int SelectionColorMixerFactor() const { return FSelectionColorMixerFactor; }
    bool ShowSelection() const { return FShowSelection; }
    void SetShowSelection(bool Value) { FShowSelection = Value; Invalidate(); }
    TColor HighlightColor() const { return FHighlightColor; }
    TColor HighlightTextColor() const { return FHighlightTextColor; }
    bool ActiveCellShow() const { return FActiveCellShow; }
    void SetActiveCellShow(bool Value) { FActiveCellShow = Value; Invalidate(); }
    TColor ActiveCellColor() const { return FActiveCellColor; }
    void SetActiveCellColor(TColor Value) { FActiveCellColor = Value; Invalidate(); }
    TColor ActiveCellColorTo() const { return FActiveCellColorTo; }
    plat::TFont& ActiveCellFont() { return FActiveCellFont; }
    plat::TFont& FixedFont() { return FFixedFont; }
    THoverFixedCells HoverFixedCells() const { return FHoverFixedCells; }
    TColor KeloGradientFrom() const { return FKeloGradientFrom; }
    void SetKeloGradientFrom(TColor Value);
    TColor KeloGradientTo() const { return FKeloGradientTo; }
    void SetKeloGradientTo(TColor Value);
    TColor KeloGradientMirrorFrom() const { return FKeloGradientMirrorFrom; }
    void SetKeloGradientMirrorFrom(TColor Value);
    TColor KeloGradientMirrorTo() const { return FKeloGradientMirrorTo; }
    void SetKeloGradientMirrorTo(TColor Value);

    // ------------------------------------------------------ text defaults
    bool EnableHTML() const { return FEnableHTML; }
    void SetEnableHTML(bool Value) { FEnableHTML = Value; Invalidate(); }
    TColor URLColor() const { return FURLColor; }
    bool URLShow() const { return FURLShow; }
    bool URLShowInText() const { return FURLShowInText; }
    void SetURLShowInText(bool Value) { FURLShowInText = Value; Invalidate(); }
    const std::string& FloatFormat() const { return FFloatFormat; }
    void SetFloatFormat(const std::string& Value) { FFloatFormat = Value; Invalidate(); }
    bool AutoNumAlign() const { return FAutoNumAlign; }
    int MaxEditLength() const { return FMaxEditLength; }
    void SetMaxEditLength(int Value) { FMaxEditLength = Value; }
    // The text editor's length limit (0: none).
    int GetEditLimit() override { return FMaxEditLength; }
    TInvalidEntryIcon InvalidEntryIcon() const { return FInvalidEntryIcon; }
    const std::string& InvalidEntryTitle() const { return FInvalidEntryTitle; }
    const std::string& InvalidEntryText() const { return FInvalidEntryText; }
    TColor HintColor() const { return FHintColor; }
    bool HintShowCells() const { return FHintShowCells; }
    void SetHintShowCells(bool Value) { FHintShowCells = Value; }
    TScrollType ScrollType() const { return FScrollType; }
    TColor ScrollColor() const { return FScrollColor; }
    int ScrollWidth() const { return FScrollWidth; }
    TScrollHintType ScrollHints() const { return FScrollHints; }
    TScrollBarAlways ScrollBarAlways() const { return FScrollBarAlways; }
    bool EnableWheel() const { return FEnableWheel; }
    TIntelliPan IntelliPan() const { return FIntelliPan; }
    bool IntelliZoom() const { return FIntelliZoom; }
    bool EnhRowColMove() const { return FEnhRowColMove; }
    bool FilterDropDownAuto() const { return FFilterDropDownAuto; }
    void SetFilterDropDownAuto(bool Value) { FFilterDropDownAuto = Value; }
    const std::string& FilterDropDownClear() const { return FFilterDropDownClear; }
    void SetFilterDropDownClear(const std::string& Value) { FFilterDropDownClear = Value; }
    bool FilterDropDownAllColumns() const { return FFilterDropDownAllColumns; }
    void SetFilterDropDownAllColumns(bool Value) { FFilterDropDownAllColumns = Value; }
    bool FilterIncremental() const { return FFilterIncremental; }
    void SetFilterIncremental(bool Value) { FFilterIncremental = Value; }
    bool FilterNormalCellsOnly() const { return FFilterNormalCellsOnly; }
    bool AutoFilterUpdate() const { return FAutoFilterUpdate; }
    bool ShowDesignHelper() const { return FShowDesignHelper; }

    // Public settings the exchange and editing code read.
    const std::string& CheckTrue() const { return FCheckTrue; }
    void SetCheckTrue(const std::string& Value) { FCheckTrue = Value; }
    const std::string& CheckFalse() const { return FCheckFalse; }
    void SetCheckFalse(const std::string& Value) { FCheckFalse = Value; }
    const std::string& XMLEncoding() const { return FXMLEncoding; }
    const std::string& PasswordChar() const { return FPasswordChar; }
    char Delimiter() const { return FDelimiter; }
    bool QuoteEmptyCells() const { return FQuoteEmptyCells; }
    bool SaveFixedCells() const { return FSaveFixedCells; }
    void SetSaveFixedCells(bool Value) { FSaveFixedCells = Value; }
    bool SaveFixedRows() const { return FSaveFixedRows; }
    void SetSaveFixedRows(bool Value) { FSaveFixedRows = Value; }
    bool SaveFixedCols() const { return FSaveFixedCols; }
    void SetSaveFixedCols(bool Value) { FSaveFixedCols = Value; }
    bool SaveHiddenCells() const { return FSaveHiddenCells; }
    bool SaveVirtCells() const { return FSaveVirtCells; }
    bool SaveWithHTML() const { return FSaveWithHTML; }
    bool LoadFirstRow() const { return FLoadFirstRow; }
    bool ShowNullDates() const { return FShowNullDates; }
    bool FitCellsInGrid() const { return FFitCellsInGrid; }
    plat::TPoint XYOffset() const { return FXYOffset; }
    int ZoomFactor() const { return FZoomFactor; }
    int MinColWidth() const { return FMinColWidth; }
    void SetMinColWidth(int Value) { FMinColWidth = Value; }
    int MaxColWidth() const { return FMaxColWidth; }
    void SetMaxColWidth(int Value) { FMaxColWidth = Value; }
    int MinRowHeight() const { return FMinRowHeight; }
    int MaxRowHeight() const { return FMaxRowHeight; }
    bool SizeGrowOnly() const { return FSizeGrowOnly; }
    void SetSizeGrowOnly(bool Value) { FSizeGrowOnly = Value; }
    bool UseDisabledFont() const { return FUseDisabledFont; }
    int GroupColumn() const { return FGroupColumn; }
    TColor SelectionRectangleColor() const { return FSelectionRectangleColor; }

    // ------------------------------------------------------ owned settings
    TControlLook& ControlLook() { return FControlLook; }
    const TControlLook& ControlLook() const { return FControlLook; }
    TColumnSize& ColumnSize() { return FColumnSize; }
    TShowModified& ShowModified() { return FShowModified; }
    TGridProgressAppearance& ProgressAppearance() { return FProgressAppearance; }
    TBalloonSettings& Balloon() { return FBalloon; }
    TCellNode& CellNode() { return FCellNode; }
    TSizeWhileTyping& SizeWhileTyping() { return FSizeWhileTyping; }
    TMouseActions& MouseActions() { return FMouseActions; }
    const TMouseActions& MouseActions() const { return FMouseActions; }
    TNavigation& Navigation() { return FNavigation; }

    // ------------------------------------------------------ cell access
    // Cells (real column, displayed row) are the base grid's.
    std::string AllCells(int ACol, int ARow);
    void SetAllCells(int ACol, int ARow, const std::string& Value);
    std::string AllGridCells(int ACol, int ARow) const;
    void SetAllGridCells(int ACol, int ARow, const std::string& Value);
    TObject* AllObjects(int ACol, int ARow) const;
    void SetAllObjects(int ACol, int ARow, TObject* Value);
    std::string StrippedCells(int ACol, int ARow);
    // The VALUE of the HTML form control with this ID inside the cell; a
    // write changes the cell only when the control exists.
    std::string ControlValues(int ACol, int ARow, const std::string& ID);
    void SetControlValues(int ACol, int ARow, const std::string& ID, const std::string& Value);
    // Wraps every match of HiText in the rectangle's base cells in Tag
    // start and end tags, and removes such tags again.
    void HilightInRange(const std::string& HiText, const std::string& Tag, int FromCol, int FromRow, int ToCol,
                        int ToRow, bool DoCase);
    void UnHilightInRange(const std::string& Tag, int FromCol, int FromRow, int ToCol, int ToRow);
    int LinesInCell(int ACol, int ARow);

    // Typed access raises EExtGridError for a text that does not convert.
    int Ints(int ACol, int ARow);
    void SetInts(int ACol, int ARow, int Value);
    int AllInts(int ACol, int ARow);
    void SetAllInts(int ACol, int ARow, int Value);
    double Floats(int ACol, int ARow);
    void SetFloats(int ACol, int ARow, double Value);
    double AllFloats(int ACol, int ARow);
    void SetAllFloats(int ACol, int ARow, double Value);
    base::TDateTime Dates(int ACol, int ARow);
    void SetDates(int ACol, int ARow, base::TDateTime Value);
    base::TDateTime Times(int ACol, int ARow);
    void SetTimes(int ACol, int ARow, base::TDateTime Value);
    virtual std::string GetFloatFormat(int ACol, int ARow) const;

    virtual std::string GetCurrentCell();
    virtual void SetCurrentCell(const std::string& Value);
    virtual std::string GetCurrentCellText();

    plat::TStrings& ColumnHeaders() { return FColumnHeaders; }
    void SetColumnHeaders(const std::vector<std::string>& Value);
    void ShowColumnHeaders();
    void ClearColumnHeaders();
    plat::TStrings& RowHeaders() { return FRowHeaders; }
    void SetRowHeaders(const std::vector<std::string>& Value);
    void ShowRowHeaders();
    void ClearRowHeaders();
    virtual void ColumnHeadersChanged() {}

    // Per-cell properties (real column, displayed row).
    TColor Colors(int ACol, int ARow) const;
    void SetColors(int ACol, int ARow, TColor Value);
    TColor ColorsTo(int ACol, int ARow) const;
    void SetColorsTo(int ACol, int ARow, TColor Value);
    TColor FontColors(int ACol, int ARow) const;
    void SetFontColors(int ACol, int ARow, TColor Value);
    plat::TFontStyles FontStyles(int ACol, int ARow) const;
    void SetFontStyles(int ACol, int ARow, plat::TFontStyles Value);
    int FontSizes(int ACol, int ARow) const;
    void SetFontSizes(int ACol, int ARow, int Value);
    std::string FontNames(int ACol, int ARow) const;
    void SetFontNames(int ACol, int ARow, const std::string& Value);
    plat::TAlignment Alignments(int ACol, int ARow) const;
    void SetAlignments(int ACol, int ARow, plat::TAlignment Value);
    bool ReadOnly(int ACol, int ARow) const;
    void SetReadOnly(int ACol, int ARow, bool Value);
    bool WordWraps(int ACol, int ARow);
    void SetWordWraps(int ACol, int ARow, bool Value);
    // The cell's font when it has properties (one object, overwritten by
    // the next call), else the grid's font.
    const plat::TFont& GetCellFont(int ACol, int ARow);
    void SetCellFont(int ACol, int ARow, const plat::TFont& AFont);
    void SetRowColor(int ARow, TColor Value);
    void SetRowFontColor(int ARow, TColor Value);

    int AllColCount() const { return ColCount() + NumHiddenColumns(); }
    int AllRowCount() const { return RowCount() + NumHiddenRows(); }
    virtual TGridRect GetUsedCells();
    int SaveStartCol() const;
    int SaveStartRow() const;
    int SaveEndCol() const;
    int SaveEndRow() const;
    int SaveColCount() const;
    int SaveRowCount() const;

    // Display-text hook: the application's event, then link text.
    void DoGetDisplText(int ACol, int ARow, std::string& Text) override;

    // ------------------------------------------------------ hidden columns and rows
    void HideColumn(int ColIndex) { HideColumns(ColIndex, ColIndex); }
    void HideColumns(int FromCol, int ToCol);
    void UnHideColumn(int ColIndex) { UnHideColumns(ColIndex, ColIndex); }
    void UnHideColumns(int FromCol, int ToCol);
    void UnHideColumnsAll();
    bool IsHiddenColumn(int ColIndex) const;
    int NumHiddenColumns() const { return FNumHidden; }
    int TotalColCount() const override { return ColCount() + FNumHidden; }
    int RealColIndex(int ACol) const;
    int DisplColIndex(int ACol) const override;
    int RealCol() const { return RealColIndex(Col()); }
    int AllColWidths(int ACol) const;
    void SetAllColWidths(int ACol, int Value);
    std::vector<int>& IgnoreColumns() { return FIgnoreColumns; }
    bool IsIgnoredColumn(int ACol) const;

    void HideRow(int RowIndex) { HideRows(RowIndex, RowIndex); }
    void HideRows(int FromRow, int ToRow);
    void UnHideRow(int RowIndex);
    void UnHideRows(int FromRow, int ToRow);
    void UnHideRowsAll();
    bool IsHiddenRow(int RowIndex) const;
    int NumHiddenRows() const { return static_cast<int>(FGridItems.size()); }
    int TotalRowCount() const { return RowCount() + NumHiddenRows(); }
    int RealRowIndex(int ARow) const;
    int DisplRowIndex(int ARow) const;
    int RealRow() const { return RealRowIndex(Row()); }
    // Hides the listed displayed rows (ascending) as one filter level, and
    // brings the last level back. Callers lower the level themselves.
    void HideRowList(const std::vector<int>& RowList);
    void UnHideRowList();
    int FilterLevel() const { return FFilterLevel; }
    void SetFilterLevel(int Value) { FFilterLevel = Value; }
    // Scrolls so that a displayed cell is in view.
    void ScrollInView(int ColIndex, int RowIndex);
    void HideSelection();
    void UnHideSelection();
    bool SelectionHidden() const { return FSelectionHidden; }

    // ------------------------------------------------------ per-cell questions
    // Brush and font of a cell (real column) as the painter prepared them,
    // adjusted by the active-cell headers, the cell's properties and the event.
    virtual void GetCellColor(int ACol, int ARow, TGridDrawState AState, plat::TBrush& ABrush, plat::TFont& AFont);
    virtual void GetCheckTrue(int ACol, int ARow, std::string& Value);
    virtual void GetCheckFalse(int ACol, int ARow, std::string& Value);
    virtual void GetEditorKind(int ACol, int ARow, TEditorType& AEditor);
    virtual void GetCellEditor(int ACol, int ARow, TEditorType& AEditor);
    bool HasNoEditor(int ACol, int ARow);
    virtual void DoIsFixedCell(int ACol, int ARow, bool& IsFixed);
    bool IsFixed(int ACol, int ARow) override;
    virtual void CanEditCell(int ACol, int ARow, bool& CanEdit);
    virtual void DoCanEditCell(int ACol, int ARow, bool& CanEdit);
    virtual void IsPasswordCell(int ACol, int ARow, bool& IsPassword);
    virtual bool HasComboBox(int ACol, int ARow);
    virtual bool HasSpinEdit(int ACol, int ARow);
    virtual void DoGetAlignment(int ACol, int ARow, plat::TAlignment& HAlign, TVAlignment& VAlign);
    virtual bool GetColumnFilter(int Column);
    plat::TStrings& FilterList() { return FFilterList; }
    virtual void GetCellHint(int ACol, int ARow, std::string& Hint);

    // ------------------------------------------------------ cell graphics
    TCellGraphic* CreateCellGraphic(int ACol, int ARow);
    bool RemoveCellGraphic(int ACol, int ARow);
    bool RemoveCellGraphicOfType(int ACol, int ARow, TCellType Kind);
    virtual TCellGraphic* GetCellGraphic(int ACol, int ARow);
    virtual TCellType GetCellType(int ACol, int ARow);
    bool IsCellTypeIn(int ACol, int ARow, std::initializer_list<TCellType> Kinds);
    bool IsControlCell(int ACol, int ARow);
    bool HasCheckBox(int ACol, int ARow);
    bool HasDataCheckBox(int ACol, int ARow);
    bool HasButton(int ACol, int ARow);
    plat::TPoint GetCellGraphicSize(int ACol, int ARow);

    void AddCheckBox(int ACol, int ARow, bool State, bool Data);
    void AddCheckBox(int ACol, int ARow, TCheckBoxState State);
    void AddCheckBoxColumn(int ACol, bool DefaultState = false, bool DataCheckBox = false);
    void RemoveCheckBoxColumn(int ACol);
    void AddTriStateCheckBoxColumn(int ACol, TCheckBoxState State);
    void RemoveCheckBox(int ACol, int ARow);
    // ARow is a real row here (hidden rows count).
    bool GetCheckBoxState(int ACol, int ARow, bool& State);
    bool GetCheckBoxState(int ACol, int ARow, TCheckBoxState& State);
    bool IsChecked(int ACol, int ARow);
    bool SetCheckBoxState(int ACol, int ARow, bool State);
    bool SetCheckBoxState(int ACol, int ARow, TCheckBoxState State);
    // ARow is displayed from here on.
    bool ChangeCheckBoxState(int ACol, int ARow, bool Value);
    void CheckAll(int ACol);
    void UnCheckAll(int ACol);
    virtual bool ToggleCellCheck(int ACol, int ARow, bool CheckEditable);
    bool ToggleCheckBox(int ACol, int ARow) { return ToggleCellCheck(ACol, ARow, false); }

    void AddRadioButton(int ACol, int ARow, bool State);
    void AddRadioButtonColumn(int ACol);
    void RemoveRadioButton(int ACol, int ARow);
    void RemoveRadioButtonColumn(int ACol);
    bool HasRadioButton(int ACol, int ARow);
    bool IsRadioButtonChecked(int ACol, int ARow);
    bool SetRadioButtonState(int ACol, int ARow, bool State);
    void SetRadioButtonColumnIndex(int ACol, int Index);
    int GetRadioButtonColumnIndex(int ACol);
    virtual bool ToggleCellRadio(int ACol, int ARow, bool CheckEditable);

    void AddButton(int ACol, int ARow, int bw, int bh, const std::string& Caption, TCellHAlign hal,
                   TCellVAlign val);
    // ACol is displayed for these three.
    void SetButtonText(int ACol, int ARow, const std::string& Caption);
    std::string GetButtonText(int ACol, int ARow);
    void PushButton(int ACol, int ARow, bool Push);
    void RemoveButton(int ACol, int ARow);
    // Client rectangle of a cell button (ACol displayed); empty without one.
    plat::TRect GetCellButtonRect(int ACol, int ARow);
    void RemoveAllButtons();

    void AddComment(int ACol, int ARow, const std::string& Comment);
    void AddColorComment(int ACol, int ARow, const std::string& Comment, TColor AColor);
    void SetComment(int ACol, int ARow, const std::string& Value);
    bool IsComment(int ACol, int ARow, std::string& Comment);
    std::string GetComment(int ACol, int ARow);
    void RemoveComment(int ACol, int ARow);
    void RemoveAllComments();
    void AddMarker(int ACol, int ARow, int ErrPos, int ErrLen);
    void GetMarker(int ACol, int ARow, int& ErrPos, int& ErrLen);
    void RemoveMarker(int ACol, int ARow);
    void RemoveAllMarkers();
    void SetRotated(int ACol, int ARow, int AAngle);
    TColor GetShapeColor(int ACol, int ARow);
    int GetScrollPosition(int ACol, int ARow);

    virtual void DoCheckBoxChange(int ACol, int ARow, bool State);
    virtual void DoCheckBoxClick(int ACol, int ARow, bool State);

    // ------------------------------------------------------ selection
    // The anchor goes to (Left, Top) and the current cell to (Right, Bottom).
    void SetSelection(const TGridRect& R);
    void MoveCurrentCell(int ACol, int ARow);
    void SelectRange(int FromCol, int ToCol, int FromRow, int ToRow);
    void FocusCell(int ACol, int ARow);
    void GotoCell(int ACol, int ARow);

    bool GetRowSelect(int ARow) const;
    void SetRowSelect(int ARow, bool Value);
    void SelectRows(int RowIndex, int RCount);
    void UnSelectRows(int RowIndex, int RCount);
    void ClearRowSelect();
    void SelectionToRowSelect(bool All);
    int RowSelectCount() const;
    int SelectedRowCount() const;
    int GetSelectedRow(int i) const;

    bool GetColSelect(int ACol);
    void SetColSelect(int ACol, bool Value);
    void SelectCols(int ColIndex, int CCount);
    void UnSelectCols(int ColIndex, int CCount);
    void ClearColSelect();
    void SelectionToColSelect(bool All);
    int ColSelectCount() const;
    int SelectedColCount() const;

    bool GetSelectedCells(int ACol, int ARow) const;
    // Repaint requests, logged for checks that a change shows at the right
    // place; a -1 stands for a whole row or column.
    void RepaintCell(int ACol, int ARow);
    void Invalidate();
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
    bool HasParent() const { return Parent() != nullptr; }
    void SetSelectedCells(int ACol, int ARow, bool Value);
    int SelectedCellsCount();
    plat::TPoint GetSelectedCell(int Index) const;
    void ClearSelectedCells();

    bool GetRowModified(int ARow) const;
    void SetRowModified(int ARow, bool Value);
    int ModifiedRowCount() const;
    void ClearModifiedRows();
    bool GetRowEnabled(int ARow) const;
    void SetRowEnabled(int ARow, bool Value);

    virtual void RepaintRow(int ARow);
    virtual void RepaintCol(int ACol);
    void SwapCells(plat::TPoint FromCell, plat::TPoint ToCell);
    void SetColumnOrder();
    int ColumnAtPosition(int P);
    int ColumnPosition(int ACol) const;
    int ColumnByHeader(const std::string& AValue);

    // ------------------------------------------------------ sizing
    // Fits a displayed column to its content, then adds Padding.
    void AutoSizeCol(int ACol, int Padding = 0);
    void AutoSizeColumns(bool DoFixedCols, int Padding);
    // Stretches the column (-1: the last) over the free client width. An
    // index outside the grid is ignored: a layout with a stale stretch
    // column must not stop the window from resizing or painting.
    void ApplyColumnStretch(int Index);
    virtual void DoUpdateColumnSize(int ACol, int& AWidth);
    virtual void DoUpdateAutoColumnSize(int ACol, int& AWidth);
    // Width of a cell's text as painted with the grid font.
    virtual int CellTextWidth(int ACol, int ARow);

    // ------------------------------------------------------ events
    std::function<void(TObject*, int, int)> OnRowUpdate;
    TGridColorEvent OnGetCellColor;
    std::function<void(TObject*, int, int, std::string&)> OnGetCheckTrue;
    std::function<void(TObject*, int, int, std::string&)> OnGetCheckFalse;
    std::function<void(TObject*, int, int, TEditorType&)> OnGetEditorType;
    std::function<void(TObject*, int, int, bool&)> OnHasComboBox;
    std::function<void(TObject*, int, int, bool&)> OnHasSpinEdit;
    // (Sender, ARow, ACol, var ...) as the grid's row-first events pass them.
    std::function<void(TObject*, int, int, bool&)> OnIsFixedCell;
    std::function<void(TObject*, int, int, bool&)> OnCanEditCell;
    std::function<void(TObject*, int, int, bool&)> OnIsPasswordCell;
    std::function<void(TObject*, int, int, plat::TAlignment&, TVAlignment&)> OnGetAlignment;
    std::function<void(TObject*, int, int, std::string&)> OnGridHint;
    std::function<void(TObject*, int, plat::TStrings&)> OnGetColumnFilter;
    std::function<void(TObject*, int, int, bool)> OnCheckBoxChange;
    std::function<void(TObject*, int, int, bool)> OnCheckBoxClick;
    std::function<void(TObject*, int, bool, bool&)> OnRowDisjunctSelect;
    std::function<void(TObject*, int)> OnRowDisjunctSelected;
    std::function<void(TObject*, int, int&)> OnUpdateColumnSize;

    // The cell's properties, or nullptr; never creates them.
    TCellProperties* PropsOf(int ACol, int ARow) const;

protected:
    void ColWidthsChanged() override;
    bool FDestroying = false;

private:
    // Whole rows of the store, moved with their properties.
    TStoredRow TakeRowCells(int ARow);
    void PutRowCells(int ARow, TStoredRow&& Cells);
    void MoveRowSlots(int From, int To);
    void RemoveRowsInternal(int ARow, int Count);
    void InsertRowsInternal(int ARow, int Count);
    void SetTextAndRowCount(int Value);
    TGridItem* FindHiddenRow(int RealRow);
    const TGridItem* FindHiddenRow(int RealRow) const;
    // Number of hidden rows whose real index lies below RealRow.
    int HiddenRowsBelow(int RealRow) const;
    void RepaintIfHiddenCols(int ACol, int ARow);
    // The graphic of a cell addressed by real row: a hidden row answers
    // from its stored properties.
    TCellGraphic* GraphicAtRealRow(int ACol, int ARealRow);
    void CheckCellIndex(int ACol, int ARow) const;
    TCellVAlign CheckVAlign() const;
    void InsertHiddenItem(size_t At, int RealRow, int DisplRow);
    void PadRowSelect(int Count) const;

    // structure
    bool FLoading = false;
    bool FLoaded = false;
    bool FFixedRowAlways = false;
    bool FFixedColAlways = false;
    int FFixedRowsMin = 1;
    int FFixedColsMin = 1;
    int FMaxRowCount = 0;
    int FMaxColCount = 0;
    int FFixedRowHeight = 22;
    int FUpdateCount = 0;
    int FOldRow = -1;
    plat::TAlignment FDefaultAlignment = plat::taLeftJustify;
    TVAlignment FVAlignment = vtaTop;
    int FFixedFooters = 0;
    int FFixedRightCols = 0;
    bool FWordWrap = true;
    bool FIntegralHeight = false;
    TEditorType FDefaultEditor = edNormal;

    // look
    TGridLook FLook = glBevel;
    TColor FBorderColor = 0xB99D7Fu;
    bool FFlat = false;
    TColor FDisabledFontColor = plat::clSilver;
    TColor FSelectionColor = 0xEACAB6u;
    TColor FSelectionColorTo = plat::clNone;
    TColor FSelectionMirrorColor = plat::clNone;
    TColor FSelectionMirrorColorTo = plat::clNone;
    TColor FSelectionTextColor = plat::clBlack;
    int FSelectionColorMixerFactor = 50;
    bool FShowSelection = true;
    TColor FHighlightColor = plat::clHighlight;
    TColor FHighlightTextColor = plat::clHighlightText;
    bool FActiveCellShow = false;
    TColor FActiveCellColor = plat::clGray;
    TColor FActiveCellColorTo = plat::clNone;
    plat::TFont FActiveCellFont;
    plat::TFont FCellFont;
    plat::TFont FFixedFont;
    THoverFixedCells FHoverFixedCells = hfNone;
    TColor FKeloGradientFrom = plat::clWhite;
    TColor FKeloGradientTo = plat::clNone;
    TColor FKeloGradientMirrorFrom = plat::clNone;
    TColor FKeloGradientMirrorTo = plat::clNone;

    // text
    bool FEnableHTML = true;
    TColor FURLColor = plat::clBlue;
    bool FURLShow = false;
    bool FURLShowInText = false;
    std::string FFloatFormat = "%.2f";
    bool FAutoNumAlign = false;
    int FMaxEditLength = 0;
    TInvalidEntryIcon FInvalidEntryIcon = ieWarning;
    std::string FInvalidEntryTitle;
    std::string FInvalidEntryText;
    TColor FHintColor = plat::clInfoBk;
    bool FHintShowCells = false;
    TScrollType FScrollType = ssNormal;
    TColor FScrollColor = plat::clNone;
    int FScrollWidth = 17;
    TScrollHintType FScrollHints = shNone;
    TScrollBarAlways FScrollBarAlways = saNone;
    bool FEnableWheel = true;
    TIntelliPan FIntelliPan = ipVertical;
    bool FIntelliZoom = true;
    bool FEnhRowColMove = true;
    bool FFilterDropDownAuto = false;
    std::string FFilterDropDownClear = "(All)";
    bool FFilterDropDownAllColumns = false;
    bool FFilterIncremental = false;
    bool FFilterNormalCellsOnly = true;
    bool FAutoFilterUpdate = true;
    bool FShowDesignHelper = true;

    std::string FCheckTrue = "Y";
    std::string FCheckFalse = "N";
    std::string FXMLEncoding = "ISO-8859-1";
    std::string FPasswordChar = "*";
    char FDelimiter = '\0';
    bool FQuoteEmptyCells = true;
    bool FSaveFixedCells = true;
    bool FSaveFixedRows = false;
    bool FSaveFixedCols = false;
    bool FSaveHiddenCells = false;
    bool FSaveVirtCells = true;
    bool FSaveWithHTML = true;
    bool FLoadFirstRow = true;
    bool FShowNullDates = true;
    bool FFitCellsInGrid = true;
    plat::TPoint FXYOffset{2, 2};
    int FZoomFactor = 0;
    int FMinColWidth = 0;
    int FMaxColWidth = 0;
    int FMinRowHeight = 0;
    int FMaxRowHeight = 0;
    bool FSizeGrowOnly = false;
    bool FUseDisabledFont = true;
    int FGroupColumn = -1;
    TColor FSelectionRectangleColor = plat::clBlack;

    TControlLook FControlLook{this};
    TColumnSize FColumnSize{this};
    TShowModified FShowModified;
    TGridProgressAppearance FProgressAppearance;
    TBalloonSettings FBalloon;
    TCellNode FCellNode;
    TSizeWhileTyping FSizeWhileTyping;
    TMouseActions FMouseActions;
    TNavigation FNavigation;
    std::vector<TRepaint> FRepaintLog;
    int FInvalidateCount = 0;

    plat::TStrings FColumnHeaders;
    plat::TStrings FRowHeaders;
    plat::TStrings FFilterList;

    // hidden columns: 513 entries, real columns 0..511 take part in the maps
    static constexpr int kMapColumns = 512;
    bool FVisibleCol[kMapColumns + 1];
    std::int16_t FAllColWidths[kMapColumns + 1];
    int FNumHidden = 0;
    std::vector<int> FIgnoreColumns;
    // hidden rows, ascending by Idx except where a run is appended
    std::vector<TGridItem> FGridItems;
    bool FSelectionHidden = false;
    int FFilterLevel = 0;
    TGridRect FSavedSelection;

    // shared graphic of the row check boxes in column 0
    std::unique_ptr<TCellGraphic> FCellGraphic;

    // selection
    mutable std::vector<bool> FRowSelect;
    std::vector<bool> FColSelect;
    std::vector<int> FSelectedRows;
    std::vector<int> FSelectedCells;
    std::vector<int> FModifiedRows;
    std::vector<int> FEnabledRows;
    bool FUseEnabledRows = false;
    std::vector<int> FColumnOrder;
    bool FSelChange = false;

    // sizing
    bool FIsColChanging = false;
    bool FColchgFlg = true;

    // ------------------------------------------------------ painting
    // The cell painter and look presets live in ExtGridPaint.cpp and
    // ExtGridLook.cpp; the grid hands its cells to them.
public:
    TExtGridPainter& Painter();
    void DrawGridCell(plat::TCanvas& ACanvas, int ACol, int ARow, plat::TRect ARect, TGridDrawState AState) override;
    void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select, bool Remap,
                             plat::TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                             plat::TFont& AFont, plat::TAlignment& HA, TVAlignment& VA, bool& WW,
                             TCellGradientDirection& GD) override;

    // After any change of column widths: a column whose width changed is
    // held within its limits (DoUpdateColumnSize).
    void ColumnSizeFollowUp();

private:
    std::shared_ptr<TExtGridPainter> FPainter;  // made on first paint
    std::vector<int> FSeenColWidths;
    bool FInSizeFollowUp = false;

    // Below, one block per area of the grid still growing. Each area adds its
    // declarations inside its own block only, and keeps its private state in
    // one struct of its own (declared in the block, defined in the area's
    // .cpp) so that the member list above stays put.

    // ------------------------------------------------------ structure: moving rows and columns, inserting columns, sorted access, start-up
public:

    // ------------------------------------------------------ cell kinds, cell graphics and their geometry
public:

    // ------------------------------------------------------ painting extras: balloons, hints, rotated cells, cell controls, scroll bars
public:

    // ------------------------------------------------------ special editors and the editing cycle's extras
public:

    // ------------------------------------------------------ mouse, keys and messages extras
public:
    // Click events pass the row before the column, as the windows' handlers
    // take them; the control events (buttons, radio buttons) column first.
    // Columns are displayed unless said real.
    std::function<void(TObject*, int, int, bool&)> OnCanClickCell;  // (ARow, ACol, var Allow)
    TClickCellEvent OnClickCell;
    TDblClickCellEvent OnDblClickCell;
    TClickCellEvent OnRightClickCell;
    TButtonClickEvent OnButtonClick;                          // (ACol, ARow), at the release
    std::function<void(TObject*, int, int)> OnRadioButtonClick;  // (real column, ARow)
    TAnchorClickEvent OnAnchorClick;
    TAnchorEvent OnAnchorEnter;  // the mouse came onto an anchor of a cell
    TAnchorEvent OnAnchorExit;   // and left it (with an empty anchor)
    // (Sender, ARow, ACol, control ID, control type, the value before the click)
    std::function<void(TObject*, int, int, const std::string&, const std::string&, const std::string&)>
        OnControlClick;
    TColumnSizeEvent OnColumnSize;        // a double click is about to fit the column
    TEndColumnSizeEvent OnEndColumnSize;  // a column was sized by the mouse
    TColumnSizingEvent OnColumnSizing;    // (ACol, the width it would get) while sizing
    TRowSizingEvent OnRowSizing;          // (ARow, the height it would get) while sizing
    TEndRowSizeEvent OnEndRowSize;
    TCheckBoxClickEvent OnCheckBoxMouseUp;  // (real column, ARow, State) at the release
    // Asked before Down on the last row or Tab past the last cell adds a
    // row; told the new row's index after.
    TCanAddRowEvent OnCanAddRow;
    TAutoAddRowEvent OnAutoAddRow;
    // Asked before a clipboard shortcut acts; a handler refuses with false.
    std::function<void(TObject*, bool&)> OnClipboardCopy;
    std::function<void(TObject*, bool&)> OnClipboardCut;
    std::function<void(TObject*, bool&)> OnClipboardPaste;
    // (Sender, Left, Top, Right, Bottom) after a key, wheel or pan step
    // changed the selection.
    std::function<void(TObject*, int, int, int, int)> OnSelectionChanged;
    TOnResizeEvent OnGridResize;
    // (Sender, FromIndex, ToIndex) after a column or row took its new place
    // with its cells; displayed indexes.
    std::function<void(TObject*, int, int)> OnColumnMoved;
    std::function<void(TObject*, int, int)> OnRowMoved;
    // (Sender, Shift, MousePos, var Handled) after a wheel step with a set
    // WheelIncrement or disjunct row selection.
    std::function<void(TObject*, plat::TShiftState, plat::TPoint, bool&)> OnMouseWheelDown;
    std::function<void(TObject*, plat::TShiftState, plat::TPoint, bool&)> OnMouseWheelUp;

    // The selection as tab-separated lines, and back; the shortcuts call
    // them once their event allowed it.
    virtual void CopySelectionToClipboard();
    virtual void CutSelectionToClipboard();
    virtual void PasteSelectionFromClipboard();
    virtual void SelectionChanged(int ALeft, int ATop, int ARight, int ABottom);
    // Gets the rectangle Ctrl+A is about to select.
    virtual void SelectAllHook(TGridRect& R) { (void)R; }
    bool IsOnLastNormalRow() const;

    // The grid timer: blinking text, hover focus.
    static constexpr int GridTimerID = 111;
    static constexpr int PanTimerID = 999;
    bool Hovering() const;
    void SetHovering(bool Value);
    bool EnableBlink() const;
    void SetEnableBlink(bool Value);
    bool GridBlink() const;  // the current blink phase
    int TimerTicks() const;
    bool IsPanning() const;
    // The pan cursor number for the pointer offset from the pan origin
    // (8000 at rest, 8001 down ... 8008 down and left).
    static int PanCursorFor(int DX, int DY, TIntelliPan Pan);
    void SetIntelliPan(TIntelliPan Value) { FIntelliPan = Value; }
    void SetEnableWheel(bool Value) { FEnableWheel = Value; }
    void SetIntelliZoom(bool Value) { FIntelliZoom = Value; }
    void SetURLShow(bool Value) { FURLShow = Value; }

protected:
    void WndProc(plat::TMessage& Message) override;
    void MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void WMTimer(plat::TMessage& Message) override;
    void WMSize(plat::TMessage& Message) override;
    void WMPaint(plat::TMessage& Message) override;
    void CMMouseLeave(plat::TMessage& Message) override;
    // The cells follow a moved column or row; the framework has moved the
    // widths (heights), the current cell and the anchor already.
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;

private:
    struct TInputState;
    std::shared_ptr<TInputState> FInput;  // made on first use
    TInputState& In();
    bool LeftButtonDown(plat::TShiftState Shift, int X, int Y);
    bool ClickOnLink(int ACol, int ARow, int X, int Y);
    bool ClickOnHtmlControl(int ACol, int ARow, const std::string& Id, const std::string& Type,
                            const std::string& Value);
    // The anchor of a cell's text under a client point ("" for none); on an
    // inline control of the text, its type, ID and value instead.
    struct THtmlHit {
        std::string Anchor, CtrlType, CtrlId, CtrlValue;
    };
    THtmlHit HtmlHitAt(int ACol, int ARow, int X, int Y);
    void TrackLinkUnderMouse(int X, int Y);
    void DoubleClickCell(int X, int Y);
    void RightClickCell(int X, int Y);
    bool HomeEndKey(unsigned short Key, plat::TShiftState Shift);
    bool ClipboardKey(unsigned short Key, plat::TShiftState Shift);
    void SelectAllCells();
    void HeaderSelection(int ACol, int ARow, int X, plat::TShiftState Shift);
    void ReportSelection(const TGridRect& Before);
    void PanStep();
    void StopPanning();
    void GridTimerTick();

    // ------------------------------------------------------ end of the area blocks
};

}  // namespace grid
