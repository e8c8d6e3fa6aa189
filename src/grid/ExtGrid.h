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
#include <iosfwd>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/DateTime.h"
#include "grid/ExtCellGraphic.h"
#include "grid/BaseGrid.h"
#include "grid/ExtObj.h"
#include "grid/ExtGridFilter.h"
#include "grid/ExtGridFilterDropDown.h"
#include "grid/ExtGridFind.h"
#include "grid/GridExchange.h"
#include "grid/GridLists.h"
#include "grid/ExtGridSettings.h"
#include "grid/ExtGridSortSettings.h"
#include "grid/GridLists.h"
#include "grid/GridTypes.h"
#include "grid/Grouping.h"
#include "grid/PrintSettings.h"
#include "platform/Balloon.h"
#include "platform/Classes.h"
#include "platform/Forms.h"
#include "platform/Graphics.h"

namespace plat {
class TPopupMenu;
}

namespace grid {

struct TBinGridData;

// Raised by the grid's typed access and index checks.
class EExtGridError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    // An error about one cell names it (real column, row as the reader
    // addressed it); the message keeps the grid's fixed wording.
    EExtGridError(const std::string& Message, int ACol, int ARow)
        : std::runtime_error(Message), FCol(ACol), FRow(ARow) {}
    int Col() const { return FCol; }  // -1 when no single cell is meant
    int Row() const { return FRow; }

private:
    int FCol = -1;
    int FRow = -1;
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
class TControlList;
class TSearchPanel;
class THTMLHintWindow;
class TExtStringGridCheck;
class TGridAccessible;

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
    // The balloon that explains a refused entry, and taking it away once
    // the user types on or the edit ends.
    void ShowInvalidEntry();
    void HideInvalidEntry();
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
    void SetIntegralHeight(bool Value);
    TEditorType DefaultEditor() const { return FDefaultEditor; }
    void SetDefaultEditor(TEditorType Value) { FDefaultEditor = Value; }
    int MaxRowCount() const { return FMaxRowCount; }
    int MaxColCount() const { return FMaxColCount; }
    // Grows the row count by one (a hook the keyboard's row append calls).
    virtual void AppendRow() { SetRowCount(RowCount() + 1); }
    // After fills, loads and pastes; footers are recalculated by the data
    // operations that keep them.
    virtual void AfterBulkChange() { CalcFooter(-1); }

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
    void SetLook(TGridLook Value);
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
    void SetAutoNumAlign(bool Value) { FAutoNumAlign = Value; Invalidate(); }
    int MaxEditLength() const { return FMaxEditLength; }
    void SetMaxEditLength(int Value) { FMaxEditLength = Value; }
    // The text editor's length limit (0: none).
    int GetEditLimit() override { return FMaxEditLength; }
    // A refused entry is explained in a balloon under the editor when a
    // title or a text is set.
    TInvalidEntryIcon InvalidEntryIcon() const { return FInvalidEntryIcon; }
    void SetInvalidEntryIcon(TInvalidEntryIcon Value) { FInvalidEntryIcon = Value; }
    const std::string& InvalidEntryTitle() const { return FInvalidEntryTitle; }
    void SetInvalidEntryTitle(const std::string& Value) { FInvalidEntryTitle = Value; }
    const std::string& InvalidEntryText() const { return FInvalidEntryText; }
    void SetInvalidEntryText(const std::string& Value) { FInvalidEntryText = Value; }
    // The balloon of the last refused entry (none before the first).
    plat::TBalloonWindow* InvalidEntryBalloon() const;
    // Corrects and marks edited texts when linked; freeing it unlinks it.
    TExtStringGridCheck* CellChecker() const;
    void SetCellChecker(TExtStringGridCheck* Value);
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
    void SetFilterDropDownAuto(bool Value);
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
    const TNavigation& Navigation() const { return FNavigation; }

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
    // The text a cell shows (real column): a number may be shown through a
    // float format; the stored text stays as it is.
    virtual std::string GetFormattedCell(int ACol, int ARow);
    TFloatFormatEvent OnGetFloatFormat;

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
    // Whether Cells of a normal cell of real column ACol without cell
    // properties answers the stored text, so that a whole-column reader
    // may take the store's text instead: no display event, group header or
    // link text rewrites it. A grid that rewrites texts in its own
    // DoGetDisplText answers false.
    virtual bool ShowsStoredText(int ACol) const;

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
    // New cell properties start from the grid's placement of the moment.
    void GetCellPropertyDefaults(int ACol, int ARow, plat::TFont& AFont, plat::TBrush& ABrush, TColor& AColorTo,
                                 TColor& AMirrorColor, TColor& AMirrorColorTo, plat::TAlignment& HA, TVAlignment& VA,
                                 bool& WW, TCellGradientDirection& GD) override;
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
    // The log records only after ClearRepaintLog has started it, so a
    // window that fills thousands of cells does not grow it for nothing.
    const std::vector<TRepaint>& RepaintLog() const { return FRepaintLog; }
    int InvalidateCount() const { return FInvalidateCount; }
    void ClearRepaintLog() {
        FRepaintLog.clear();
        FInvalidateCount = 0;
        FLogRepaints = true;
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
    bool FLogRepaints = false;
    int FInvalidateCount = 0;

    plat::TStrings FColumnHeaders;
    plat::TStrings FRowHeaders;
    plat::TStrings FFilterList;

    // hidden columns, by real column; a column past the end of the map is
    // visible. The map grows with the grid, so wide grids hide columns too.
    std::vector<bool> FVisibleCol;
    std::vector<int> FAllColWidths;
    void GrowColumnMap(int Count);
    int FNumHidden = 0;
    std::vector<int> FIgnoreColumns;
    // hidden rows, ascending by Idx except where a run is appended
    std::vector<TGridItem> FGridItems;
    bool FSelectionHidden = false;
    int FFilterLevel = 0;
    TGridRect FSavedSelection;

    // shared graphic of the row check boxes in column 0
    std::unique_ptr<TCellGraphic> FCellGraphic;
    // what screen readers are told of the cells
    std::unique_ptr<TGridAccessible> FAccessible;

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
    // Moving by displayed index. The cell data follows through the
    // column- and row-moved notifications; the cell controls follow here.
    void MoveColumn(int FromIndex, int ToIndex);
    void MoveRow(int FromIndex, int ToIndex);
    // Moves Count rows from FromIndex so that they stand before the row
    // that stood at ToIndex; row heights stay where they are.
    void MoveRows(int FromIndex, int ToIndex, int Count);
    // Rows by displayed index. Removing frees the rows' cell properties,
    // drops their cell controls and keeps hidden rows on their own rows;
    // inserting gives empty rows of the default height.
    virtual void RemoveRowsEx(int ARow, int Count);
    virtual void RemoveRows(int ARow, int Count) { RemoveRowsEx(ARow, Count); }
    virtual void InsertRows(int ARow, int Count);
    void AddRow();  // before the footer row while the floating footer shows
    // As HideRows, but nothing happens when FromRow is hidden already.
    void HideRowsEx(int FromRow, int ToRow);
    // Columns by real index (hidden columns count): the cells, widths and
    // hidden-column map move together; new columns are empty, visible and
    // of the default width.
    virtual void InsertCols(int ColIndex, int CCount);
    virtual void RemoveCols(int ColIndex, int CCount);
    void AddColumn() { InsertCols(ColCount() + NumHiddenColumns(), 1); }

    // A control placed over a cell (real column, displayed row); the grid
    // lists it by column and real row and never owns it.
    plat::TControl* CellControls(int ACol, int ARow) const;
    void SetCellControls(int ACol, int ARow, plat::TControl* Value);
    TControlList& CellControlList();
    int NumCellControls() const;

    // Cells of the column that stood at position ACol before columns were
    // moved, and of the row that stood at ARow before the rows were sorted.
    std::string OriginalCells(int ACol, int ARow);
    void SetOriginalCells(int ACol, int ARow, const std::string& Value);
    std::string UnSortedCells(int ACol, int ARow);
    void SetUnSortedCells(int ACol, int ARow, const std::string& Value);
    int SortedRowIndex(int ARow) const;
    int UnSortedRowIndex(int ARow) const;
    // Sorted position -> row before sorting; the sort fills it.
    std::vector<int>& SortXRef();
    // Shows every hidden column and puts the columns back in the order
    // recorded by SetColumnOrder.
    void ResetColumnOrder();
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    // Published settings whose work lies with sizing, filtering and the
    // exchange formats; kept here with their defaults.
    bool AutoSize() const;
    // Fits the normal columns at once (not while loading).
    void SetAutoSize(bool Value);
    bool SizeWithForm() const;
    void SetSizeWithForm(bool Value);
    bool FilterActive() const;
    void SetFilterActive(bool Value);
    bool FilterDropDownCheck() const;
    void SetFilterDropDownCheck(bool Value);
    int FilterDropDownRow() const;
    void SetFilterDropDownRow(int Value);
    bool SelectionRTFKeep() const;
    void SetSelectionRTFKeep(bool Value);
    bool JavaCSV() const;
    void SetJavaCSV(bool Value);
    bool AlwaysQuotes() const;
    void SetAlwaysQuotes(bool Value);
    bool ExcelClipboardFormat() const;
    void SetExcelClipboardFormat(bool Value);
    bool ClearTextOnly() const;
    void SetClearTextOnly(bool Value);

    // Cell access beside Cells: the text as UTF-16, the current cell
    // through the editor's text exchange, the gradient end colour of a row.
    std::u16string GetWideCells(int ACol, int ARow);
    void SetWideCells(int ACol, int ARow, const std::u16string& Value);
    virtual void SetCurrentEditText(const std::string& Value);
    // clNone clears the gradient end colour only; the cells keep the rest
    // of their properties.
    void SetRowColorTo(int ARow, TColor Value);
    static TCheckBoxState BoolToCheckBoxState(bool Checked) { return Checked ? cbChecked : cbUnchecked; }
    // Width and left offset of a column in the last print layout; columns
    // outside 0..511 raise EExtGridError. The printing fills them.
    int PrintColWidth(int ACol) const;
    int PrintColOffset(int ACol) const;
    void SetPrintColLayout(int ACol, int Width, int Offset);

    // Points and cells: a screen point to the displayed cell under it (-1
    // outside), and whether a client point lies on a sizable header border.
    void ScreenToCell(plat::TPoint Pt, int& ACol, int& ARow) const;
    bool IsOnSizingBorder(int X, int Y) const;
    // Repaints the cells of a rectangle (columns Left..Right, rows
    // Top..Bottom); nothing for a negative coordinate.
    void RepaintRect(const TGridRect& R);
    // Focus, go to the cell and open its editor.
    void EditCell(int ACol, int ARow);
    // Runs the per-cell edit decision for the current cell again.
    void UpdateEditMode();

    // The text editor's mask: EditMask, then the event.
    const std::string& EditMask() const;
    void SetEditMask(const std::string& Value);
    std::string GetEditMask(int ACol, int ARow) override;
    std::function<void(TObject*, int, int, std::string&)> OnGetEditMask;
    // Sort style, prefix and suffix of a column's cells.
    virtual void GetCellFormat(int ACol, TSortStyle& AStyle, std::string& APrefix, std::string& ASuffix);
    TGridFormatEvent OnGetFormat;
    virtual void DoGetWordWrap(int ACol, int ARow, bool& AWordWrap);
    std::function<void(TObject*, int, int, bool&)> OnGetWordWrap;

    // (Sender, row, var Allow): a user sizing of that row may be refused;
    // OnColumnSize does the same for columns.
    std::function<void(TObject*, int, bool&)> OnRowSize;
    TColumnSizeEvent OnColumnSize;
    TEndColumnSizeEvent OnEndColumnSize;  // a column was sized by the mouse
    TEndRowSizeEvent OnEndRowSize;

protected:
    void CalcSizingState(int X, int Y, plat::TGridState& State, int& Index, int& SizingPos, int& SizingOfs) override;

private:
    struct TStructState;
    std::shared_ptr<TStructState> FStruct;  // made on first use
    TStructState& St() const;
    // Hidden rows and listed cell controls keep their own rows when real
    // rows are removed (ascending list) or inserted.
    void RealRowsRemoved(const std::vector<int>& RemovedReal);
    void RealRowsInserted(int AtReal, int Count);
    // Cell controls listed in real column ACol or beyond move Delta columns;
    // those landing before ACol (removed columns) are dropped.
    void ControlColumnsShifted(int ACol, int Delta);
    // The real columns after an insertion or removal, in order: the hidden
    // map, the displayed count and the widths are rebuilt from them.
    struct TColumnSlot;
    void ApplyColumnSlots(const std::vector<TColumnSlot>& Slots);
public:

    // ------------------------------------------------------ cell kinds, cell graphics and their geometry
public:
    // The image list of the image kinds; the grid does not own it, and the
    // image kinds are not added while it is missing.
    const TCellImageList* GridImages() const;
    void SetGridImages(const TCellImageList* Value);
    const TCellImageList* GetCellImageList() const { return GridImages(); }

    // Per kind: Create... makes an object the cell owns, Add... takes the
    // caller's object, which stays the caller's.
    void AddInterfacedCell(int ACol, int ARow, TObject* AObject);  // an IInterfacedCell
    void RemoveInterfacedCell(int ACol, int ARow);
    TObject* GetInterfacedCell(int ACol, int ARow);
    plat::TBitmap* CreateBitmap(int ACol, int ARow, bool Transparent, TCellHAlign hal, TCellVAlign val);
    void AddBitmap(int ACol, int ARow, plat::TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
    plat::TBitmap* GetBitmap(int ACol, int ARow);
    bool HasBitmap(int ACol, int ARow) { return GetBitmap(ACol, ARow) != nullptr; }
    void RemoveBitmap(int ACol, int ARow);
    plat::TPicture* CreatePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding,
                                  TCellHAlign hal, TCellVAlign val);
    void AddPicture(int ACol, int ARow, plat::TPicture* APicture, bool Transparent, TStretchMode StretchMode,
                    int Padding, TCellHAlign hal, TCellVAlign val);
    plat::TPicture* GetPicture(int ACol, int ARow);
    bool HasPicture(int ACol, int ARow) { return GetPicture(ACol, ARow) != nullptr; }
    void RemovePicture(int ACol, int ARow);
    TFilePicture* CreateFilePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding,
                                    TCellHAlign hal, TCellVAlign val);
    void AddFilePicture(int ACol, int ARow, TFilePicture* APicture, bool Transparent, TStretchMode StretchMode,
                        int Padding, TCellHAlign hal, TCellVAlign val);
    TFilePicture* GetFilePicture(int ACol, int ARow);
    void RemoveFilePicture(int ACol, int ARow);
    plat::TIcon* CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val);
    void AddIcon(int ACol, int ARow, plat::TIcon* AIcon, TCellHAlign hal, TCellVAlign val);
    void RemoveIcon(int ACol, int ARow);
    void AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
    bool GetImageIdx(int ACol, int ARow, int& Idx);
    void SetImageIdx(int ACol, int ARow, int Idx);
    void RemoveImageIdx(int ACol, int ARow);
    void AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
    void RemoveDataImage(int ACol, int ARow);
    bool HasDataImage(int ACol, int ARow);
    void AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val);
    void RemoveMultiImage(int ACol, int ARow);
    TIntList* GetCellImages(int ACol, int ARow);
    void AddProgressPie(int ACol, int ARow, TColor Color, int Value);
    void SetProgressPie(int ACol, int ARow, int Value);
    void RemoveProgressPie(int ACol, int ARow);
    void AddExtProgress(int ACol, int ARow, int Min, int Max);
    void RemoveExtProgress(int ACol, int ARow);
    void AddProgress(int ACol, int ARow, TColor FGColor, TColor BKColor);
    void AddProgressEx(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor, TColor BKTextColor);
    void AddProgressFormatted(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                              TColor BKTextColor, const std::string& Fmt, int Min, int Max);
    void RemoveProgress(int ACol, int ARow);
    void AddRangeIndicator(int ACol, int ARow, int Range, TColor NegColor, TColor PosColor, bool ShowValue);
    void RemoveRangeIndicator(int ACol, int ARow);
    void AddShape(int ACol, int ARow, ctl::TCellShape Shape, TColor FillColor, TColor LineColor, TCellHAlign hal,
                  TCellVAlign val);
    void RemoveShape(int ACol, int ARow);
    void SetShapeColor(int ACol, int ARow, TColor FillColor);
    void AddRating(int ACol, int ARow, int Scale, TColor FillColor, TColor EmptyColor);
    void RemoveRating(int ACol, int ARow);
    void AddScrollBar(int ACol, int ARow, bool AutoRange);
    bool HasAutoRangeScrollBar(int ACol, int ARow);
    void SetScrollPosition(int ACol, int ARow, int Pos);
    void SetScrollProp(int ACol, int ARow, TScrollProp Prop);
    TScrollProp GetScrollProp(int ACol, int ARow);
    void RemoveScrollBar(int ACol, int ARow);
    void AddBitButton(int ACol, int ARow, int bw, int bh, const std::string& Caption, plat::TBitmap* Glyph,
                      TCellHAlign hal, TCellVAlign val);
    plat::TBitmap* CreateBitButton(int ACol, int ARow, int bw, int bh, const std::string& Caption, TCellHAlign hal,
                                   TCellVAlign val);
    void RemoveBitButton(int ACol, int ARow);

    bool HasExpand(int ACol, int ARow) { return IsCellTypeIn(ACol, ARow, {ctExpand}); }
    bool HasProgress(int ACol, int ARow) { return IsCellTypeIn(ACol, ARow, {ctProgress}); }
    bool HasRating(int ACol, int ARow) { return IsCellTypeIn(ACol, ARow, {ctRating}); }
    bool HasScrollBar(int ACol, int ARow) { return IsCellTypeIn(ACol, ARow, {ctScrollbar}); }
    // Mouse hit test of a check box or radio button (client coordinates).
    bool IsInCheckBox(int ACol, int ARow, int XPos, int YPos);
    // The 11 x 11 expand button of a ctExpand cell; empty without one.
    plat::TRect GetExpandButtonRect(int ACol, int ARow);
    // A sort key for image columns: the picture's identity or the image
    // index; -1 for other kinds.
    std::intptr_t CellImageKey(int ACol, int ARow);
    // Kinds whose state lives in the cell text or the row selection.
    static bool IsDataGraphicCell(TExtStringGrid& Grid, int ACol, int ARow);

    // Room a cell's graphic takes on screen, and when printed at a scale.
    virtual void GetCellExtent(int ACol, int ARow, int ExtraHeight, plat::TPoint& Size);
    virtual void GetCellExtentEx(int ACol, int ARow, int cw, int rh, double Scale, plat::TPoint& Size);
    int RowNodeIndent(int ARow) override;

    // The graphic with its size and placement as the painter lays it out.
    TCellGraphic* GetCellGraphicLayout(int ACol, int ARow, TCellVAlign& VAlign, TCellHAlign& HAlign,
                                       bool& TextBeside, int& Height, int& Width);
    // Draws the graphic of (RCol real, ARow) into Rect; the painter calls
    // it after the text, with the alignment and text width it used.
    // Check boxes are the painter's own.
    void DrawCellContent(plat::TCanvas& Canvas, int RCol, int ARow, plat::TRect Rect, TGridDrawState State,
                         plat::TAlignment HA, TVAlignment VA, int TextWidth);
    // Whether the cell's text is painted beside its graphic (a progress bar
    // or a data check box shows its value itself).
    bool GraphicTextBeside(int RCol, int ARow);
    // One radio button or a group of Count options (Options, the cell's
    // stored text chooses when Index is -1).
    void DrawRadioGlyph(plat::TCanvas& Canvas, plat::TRect R, bool BottomUp, int Scale, TControlStyle Style, int ARow,
                        int ACol, bool Selected, const std::vector<std::string>& Options, bool Disabled,
                        bool Horizontal, int Index, int Count);

    // The visual properties of a cell (ACol displayed; Remap reads the cell
    // data at the real column) for painting, measuring and printing.
    virtual void CellVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select,
                                      bool Remap, plat::TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor,
                                      TColor& AMirrorColorTo, plat::TFont& AFont, plat::TAlignment& HA,
                                      TVAlignment& VA, bool& WW, TCellGradientDirection& GD);
    void GetFontProperties(int ACol, int RCol, int ARow, TGridDrawState& AState, plat::TFont& AFont,
                           plat::TBrush& ABrush, bool Remap);
    // The selection colour over a cell colour, mixed by the factor when
    // the mixer is on.
    TColor SelectionMixColor(TColor CellColor) const;
    bool SelectionColorMixer() const;
    void SetSelectionColorMixer(bool Value);
    // Alternating row colours of the normal area.
    TBands& Bands();
    const TBands& Bands() const;
    TGridGradientEvent OnGetCellGradient;

    // Cell borders and the colours and borders of a printed cell.
    virtual void GetCellBorder(int ACol, int ARow, TCellBorders& Borders, plat::TPen& APen);
    virtual void GetCellPrintColor(int ACol, int ARow, TGridDrawState AState, plat::TBrush& ABrush,
                                   plat::TFont& AFont);
    virtual void GetCellPrintBorder(int ACol, int ARow, TCellBorders& Borders, plat::TPen& APen);
    bool HasCustomBorders() override { return static_cast<bool>(OnGetCellBorder); }
    // Draws the borders GetCellBorder asks for on the cell rectangle.
    void DrawCellBorders(plat::TCanvas& Canvas, int RCol, int ARow, plat::TRect R);

    // The background picture settings; a new value is copied in.
    TBackGround& BackGround();
    void SetBackGround(const TBackGround& Value) { BackGround().Assign(Value); }

    virtual bool DoRatingChange(int ACol, int ARow, double& NewRate);
    TGridBorderEvent OnGetCellBorder;
    TGridBorderEvent OnGetCellPrintBorder;
    TGridColorEvent OnGetCellPrintColor;
    TGridBorderPropEvent OnGetCellBorderProp;
    std::function<void(TObject*, int, int, double&, bool&)> OnRatingChange;

private:
    struct TCellKindsState;
    std::shared_ptr<TCellKindsState> FCellKinds;  // made on first use
    TCellKindsState& Kinds();
    TCellGraphic* GraphicOfKind(int ACol, int ARow, TCellType Kind);
    TCellGraphic* BaseGraphicOfKind(int ACol, int ARow, TCellType Kind);
public:

    // ------------------------------------------------------ painting extras: balloons, hints, rotated cells, cell controls, scroll bars
public:
    // The look alone, without its preset: what a layout being read and the
    // painter's own preset write use. SetLook applies the preset.
    void SetLookValue(TGridLook Value);
    // Faces of a hovered and of a pressed fixed cell.
    TColor KeloGradientHoverFrom();
    void SetKeloGradientHoverFrom(TColor Value);
    TColor KeloGradientHoverTo();
    void SetKeloGradientHoverTo(TColor Value);
    TColor KeloGradientHoverMirrorFrom();
    void SetKeloGradientHoverMirrorFrom(TColor Value);
    TColor KeloGradientHoverMirrorTo();
    void SetKeloGradientHoverMirrorTo(TColor Value);
    TColor KeloGradientHoverBorder();
    void SetKeloGradientHoverBorder(TColor Value);
    TColor KeloGradientDownFrom();
    void SetKeloGradientDownFrom(TColor Value);
    TColor KeloGradientDownTo();
    void SetKeloGradientDownTo(TColor Value);
    TColor KeloGradientDownMirrorFrom();
    void SetKeloGradientDownMirrorFrom(TColor Value);
    TColor KeloGradientDownMirrorTo();
    void SetKeloGradientDownMirrorTo(TColor Value);
    TColor KeloGradientDownBorder();
    void SetKeloGradientDownBorder(TColor Value);
    void SetHoverFixedCells(THoverFixedCells Value);
    // The mouse reports the fixed cell under the pointer (-1, -1: none),
    // whether a button is held on it, whether it shows a header drop-down
    // button and whether that part is the one pressed.
    struct TFixedCellHover {
        int Col = -1;
        int Row = -1;
        bool Pressed = false;
        bool DropDown = false;
        bool DropDownPressed = false;
        friend bool operator==(const TFixedCellHover&, const TFixedCellHover&) = default;
    };
    void SetFixedCellHover(const TFixedCellHover& Value);
    TFixedCellHover FixedCellHover();
    // Whether the hover setting lets the fixed cell show a hover face.
    bool HoverFixedCellAllowed(int ACol, int ARow);

    // Property setters that store and repaint.
    void SetSelectionColorTo(TColor Value);
    void SetSelectionMirrorColor(TColor Value);
    void SetSelectionMirrorColorTo(TColor Value);
    void SetSelectionTextColor(TColor Value);
    void SetSelectionColorMixerFactor(int Value);  // kept within 0..100
    void SetActiveCellColorTo(TColor Value);
    void SetHighlightColor(TColor Value);
    void SetHighlightTextColor(TColor Value);
    void SetURLColor(TColor Value);
    void SetURLShow(bool Value);
    bool URLFull() const;
    void SetURLFull(bool Value);
    void SetXYOffset(plat::TPoint Value);
    void UpdateXYOffset(int X, int Y);  // without repainting
    void SetFlat(bool Value);
    void SetHintColor(TColor Value) { FHintColor = Value; }
    void SetShowDesignHelper(bool Value);
    TSyncGrid& SyncGrid();
    TSearchFooter& SearchFooter();

    // Balloons, radio groups and rotated text of single cells.
    enum TBalloonIcon { biNone, biInfo, biWarning, biError };
    // A string list a cell graphic can hold: radio options, balloon texts.
    using TCellStrings = grid::TCellStrings;
    void AddBalloon(int ACol, int ARow, const std::string& Title, const std::string& Text, TBalloonIcon Icon);
    void RemoveBalloon(int ACol, int ARow);
    bool HasBalloon(int ACol, int ARow);
    bool IsBalloon(int ACol, int ARow, std::string& Title, std::string& Text, TBalloonIcon& Icon);
    // The tooltip control that shows balloons (set up once; Done takes it
    // down again).
    void BalloonInit();
    void BalloonDone();
    bool BalloonReady();
    // What the tooltip shows for the client point (X, Y): false outside
    // the cells. The cell is remembered as the balloon's cell.
    bool GetBalloonText(int X, int Y, std::string& Title, std::string& Text, int& Icon);
    plat::TPoint BalloonCell();
    // Shows the balloon of the cell under (X, Y) beside the pointer, when
    // balloons are set up; false when there is none to show.
    bool ShowBalloon(int X, int Y);
    void HideBalloon();
    // The pointer moved to (X, Y) or left the grid: balloons follow a
    // resting pointer as a tooltip does.
    void BalloonHover(int X, int Y);
    void BalloonLeave();
    // The window balloons show in (none while balloons are not set up).
    plat::TBalloonWindow* BalloonWindow();
    std::function<void(TObject*, int, int, std::string&, std::string&, int&)> OnCellBalloon;

    void AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, TCellStrings* sl);
    TCellStrings* CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio);
    bool GetRadioIdx(int ACol, int ARow, int& IdxRadio);
    bool SetRadioIdx(int ACol, int ARow, int IdxRadio);
    TCellStrings* GetRadioStrings(int ACol, int ARow);
    bool IsRadio(int ACol, int ARow);
    void RemoveRadio(int ACol, int ARow);
    // Space on a radio group: the next option. Always false.
    bool CycleRadioCell(int ACol, int ARow, bool CheckEditable);

    void AddRotated(int ACol, int ARow, std::int16_t AAngle, const std::string& S);
    void RemoveRotated(int ACol, int ARow);
    bool IsRotated(int ACol, int ARow, int& AAngle);

    // Places the controls that sit over cells (and the cell scroll bar)
    // after a scroll or a size change.
    void CellControlsUpdate(bool RebuildList);
    // A picture of the given cells in a new borderless window owned by
    // the grid; returned hidden.
    plat::TForm* SelectionToForm(const TGridRect& ARect);
    virtual void DoEllipsClick(const std::string& Text, std::string& Result);

    // Scrolling: hints while the thumb is dragged, live scrolling.
    void SetScrollHints(TScrollHintType Value) { FScrollHints = Value; }
    bool ScrollSynch();
    void SetScrollSynch(bool Value);
    bool ScrollHintShowing();
    std::string ScrollHintCaption();
    std::function<void(TObject*, int, std::string&)> OnScrollHint;
    // Drag scrolling while something is dragged over the grid.
    struct TDragScrollOptions {
        bool Active = false;
        int InitialDelay = 1000;
        int RepeatDelay = 250;
        int TopMargin = 50, BottomMargin = 50, LeftMargin = 50, RightMargin = 50;
    };
    TDragScrollOptions& DragScrollOptions();
    enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };
    void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept);
    void DragScrollTimer();
    bool DragScrollTimerRunning();
    int DragScrollInterval();
    // (Sender, TopRow, LeftCol, var directions, var CanScroll)
    std::function<void(TObject*, int, int, int&, bool&)> OnDragScroll;

    // Sizing follow-up. The mouse reports a user sizing before the new
    // size is set (index and size when it began).
    void NoteUserSizing(bool Column, int Index, int StartSize);
    void StretchRightColumn();
    plat::TNotifyEvent OnPainted;
    int OldTopRow();
    int OldLeftCol();

    // Scroll bar styles.
    void SetScrollType(TScrollType Value);
    void SetScrollColor(TColor Value) { FScrollColor = Value; }
    void SetScrollWidth(int Value) { FScrollWidth = Value; }
    bool ScrollProportional();
    void SetScrollProportional(bool Value);
    void SetScrollBarAlways(TScrollBarAlways Value);
    plat::TCustomControl* VertScrollControl();
    plat::TCustomControl* HorzScrollControl();

    // Text size of a cell as painted (ACol real); VS: the height with the
    // text wrapped to the cell width; SB: 17 pixels kept for a button.
    plat::TPoint GetCellTextSize(int ACol, int ARow, bool VS, bool SB);
    // Whether the look draws the coloured one-pixel border.
    bool HasColouredBorder();

    // Drawing of the application's own: the column passed is real. With
    // NoDefaultDraw the grid draws no text where one of the two cell
    // events draws; with NoImageAndText a cell with a graphic shows no text.
    // (Sender, Canvas, ACol, ARow, AState, ARect, Printing)
    using TCustomCellDrawEvent =
        std::function<void(TObject*, plat::TCanvas&, int, int, TGridDrawState, plat::TRect, bool)>;
    TCustomCellDrawEvent OnCustomCellBkgDraw;
    TCustomCellDrawEvent OnCustomCellDraw;
    std::function<void(TObject*, int, int, plat::TRect, TGridDrawState)> OnDrawCell;
    bool NoDefaultDraw();
    void SetNoDefaultDraw(bool Value);
    bool NoImageAndText();
    void SetNoImageAndText(bool Value);
    bool HideFocusRect();
    void SetHideFocusRect(bool Value);

    // The glow around the cell being edited (with FocusHelper enabled):
    // shown when the editor opens, moved with the form, hidden at the end.
    TFocusHelper& FocusHelper();
    void ShowFocusWindow(plat::TRect R);
    void MoveFocusWindow();
    void HideFocusWindow();
    bool FocusWindowShowing();

    // The frame around the selected block and its resize square; a
    // spreadsheet grid turns both on with range selection and editing.
    bool SelectionRectangle();
    void SetSelectionRectangle(bool Value);
    bool SelectionResizer();
    void SetSelectionResizer(bool Value);
    bool SpreadSheet();
    void SetSpreadSheet(bool Value);

    // Where the search footer's parts go after a change of its settings.
    struct TSearchFooterLayout {
        bool Visible = false;
        int PanelTop = 0;
        int PanelHeight = 0;
        int MatchCaseLeft = 330;
        int MatchCaseHeight = 0;
        int FindNextHeight = 0, FindPrevHeight = 0, HighlightHeight = 0;
        bool CloseVisible = false;
    };
    TSearchFooterLayout UpdateSearchFooter();
    // Follows the office suite's colour scheme: switched on, the grid
    // takes it at once.
    bool AutoThemeAdapt();
    void SetAutoThemeAdapt(bool Value);
    // A hidden column dragged out of a list box onto the grid: the drop
    // shows it again and clears the record (column -1).
    void OleColumnDragStart(int ACol, int AIndex, plat::TObject* AList);
    int OleDragCol();
    int OleDragIndex();
    plat::TObject* OleDragList();
    void EndOleColumnDrag();
    // Column widths as they were when last recorded, and the grid width
    // then (the base for stretching on resize).
    void InitOrigColSizes();
    const std::vector<int>& OrigColSizes();
    int OrigGridWidth();

protected:
    void KeyUp(unsigned short& Key, plat::TShiftState Shift) override;
    void WMHScroll(plat::TMessage& Message) override;
    void WMVScroll(plat::TMessage& Message) override;
    void TopLeftChanged() override;
    void RowHeightsChanged() override;
    void SizeChanged(int OldColCount, int OldRowCount) override;
    void Paint() override;

private:
    struct TViewState;
    std::shared_ptr<TViewState> FView;  // made on first use
    TViewState& View();
    void ScrollMessage(bool Vertical, plat::TMessage& Message);
    int LastRowBottom();
    void ScrollAboveSearchFooter(int Panel);

    // ------------------------------------------------------ special editors and the editing cycle's extras
public:
    // Opens the special editor of kind EditControl over the cell (ACol
    // displayed). CloseSpecialEditor writes its value back, hides it and
    // reports the end of the edit.
    void ShowSpecialEditor(int ACol, int ARow);
    void CloseSpecialEditor(int ACol, int ARow);
    // Ends the edit as leaving the cell with Key would: Esc keeps the cell
    // as it was, the arrows and Tab then move, Enter advances. False when
    // validation refused the value and the editor stays open.
    bool DoneInplaceEdit(unsigned short Key, plat::TShiftState Shift);
    // The cell's rectangle as a special editor covers it: in a mirrored
    // grid one pixel further right, so that the control, one pixel
    // narrower than the cell, leaves the grid line at its left free.
    plat::TRect EditorCellRect(int ACol, int ARow) const;
    // The footer's controls and the editor follow a change of reading order.
    void CMBiDiModeChanged(plat::TMessage& Message) override;
    // Stores a special editor's value (ACol real).
    void WriteCellValue(int ACol, int ARow, const std::string& Value);
    // The control of the special editor showing, or nullptr.
    plat::TWinControl* EditCtrl() const;
    // The editor controls, made on first use and kept for the grid's life.
    class TGridSpin* SpinEdit();
    class TGridEditBtn* EditBtn();
    class TGridUnitEditBtn* UnitEditBtn();
    class TGridCheckBox* EditCheck();
    class TGridButton* GridButton();
    class TGridDatePicker* DateTimePicker();
    class TGridDatePicker* DateAndTimePicker();
    // The application's editor for edCustom cells; the grid does not own it.
    class TEditLink* EditLink() const;
    void SetEditLink(class TEditLink* Value);
    // Characters an edValidChars cell takes.
    const std::string& ValidChars() const;
    void SetValidChars(const std::string& Value);
    bool RemoveComboString(const std::string& S);
    // The item the combo list opens on when the cell's text is not listed;
    // false (and no change) when S is not in the list.
    bool SetComboSelectionString(const std::string& S);
    void SetComboSelection(int Idx);
    int GetComboCount();
    // (Sender, real column, row, var text) for the button editors.
    std::function<void(TObject*, int, int, std::string&)> OnEllipsClick;
    // The text of a button editor passed through OnEllipsClick.
    std::string EllipsClick(const std::string& S);
    // Completion of typed text from LookupItems in the text and
    // edit-with-button editors; with LookupHistory each edited text joins
    // the items.
    bool Lookup() const;
    void SetLookup(bool Value);
    bool LookupCaseSensitive() const;
    void SetLookupCaseSensitive(bool Value);
    bool LookupHistory() const;
    void SetLookupHistory(bool Value);
    plat::TStrings& LookupItems();
    // The combo item of a cell (ACol real): OnGetEditorProp may fill the
    // list first. An index outside the list raises EExtGridError.
    void SetComboIndex(int ACol, int ARow, int Value);
    int GetComboIndex(int ACol, int ARow);
    // Opens the current cell's editor as F2 does; closes a special editor.
    void ShowCellEdit();
    void HideCellEdit();

    // (Sender, displayed column, row, text) at each change in an editor.
    std::function<void(TObject*, int, int, const std::string&)> OnEditChange;
    // (Sender, displayed column, row, value, up) after a spin step.
    std::function<void(TObject*, int, int, int, bool)> OnSpinClick;
    std::function<void(TObject*, int, int, double, bool)> OnFloatSpinClick;
    std::function<void(TObject*, int, int, base::TDateTime, bool)> OnDateSpinClick;
    std::function<void(TObject*, int, int, base::TDateTime, bool)> OnTimeSpinClick;
    // (Sender, real column, row, link or nullptr) before an editor is filled.
    std::function<void(TObject*, int, int, class TEditLink*)> OnGetEditorProp;
    // (Sender, cell text, var date) reads a date picker's cell text.
    std::function<void(TObject*, const std::string&, base::TDateTime&)> OnCustomStrToDate;
    // Change vetoes, in this order, before the current cell moves:
    // (Sender, old, new, var Allow) and (Sender, old row, old column, new
    // row, new column, var Allow).
    std::function<void(TObject*, int, int, bool&)> OnRowChanging;
    std::function<void(TObject*, int, int, bool&)> OnColChanging;
    std::function<void(TObject*, int, int, int, int, bool&)> OnCellChanging;
    // (Sender, cells; columns real) after an edit stored a changed value.
    std::function<void(TObject*, const TGridRect&)> OnCellsChanged;

protected:
    virtual void DoCellChanging(int ACol, int ARow, bool& Allow);
    // The text editor beeps at a character its kind refuses.
    bool CanEditAcceptKey(char32_t Key) override;

private:
    friend class TGridSpin;
    friend class TGridEditBtn;
    friend class TGridUnitEditBtn;
    friend class TGridCheckBox;
    friend class TGridButton;
    friend class TGridDatePicker;
    friend class TEditLink;
    plat::TWinControl* OpenSpecialControl(TEditorType Kind, int ACol, int ARow, const std::string& Text);
    // The value the open special editor would store; Write false when the
    // kind stores nothing.
    std::string SpecialEditorValue(bool& Write);
    void LoadSpecialEditor(const std::string& Text);
    void HideSpecialControl();
    // Leaves the text editor at the edge of its text for the next (or the
    // previous) editable cell, as the cursor-walk setting asks.
    void WalkFromEditor(bool Forward);

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
    std::function<void(TObject*, int, int, int)> OnRadioClick;   // (real column, ARow, option index)
    // Picks the option of a radio group cell (ACol real) under an offset
    // inside the cell; a click beyond the last option changes nothing.
    void RadioClick(int ACol, int ARow, int XOffset, int YOffset);
    TAnchorClickEvent OnAnchorClick;
    TAnchorEvent OnAnchorEnter;  // the mouse came onto an anchor of a cell
    TAnchorEvent OnAnchorExit;   // and left it (with an empty anchor)
    // (Sender, ARow, ACol, control ID, control type, the value before the click)
    std::function<void(TObject*, int, int, const std::string&, const std::string&, const std::string&)>
        OnControlClick;
    TColumnSizingEvent OnColumnSizing;    // (ACol, the width it would get) while sizing
    TRowSizingEvent OnRowSizing;          // (ARow, the height it would get) while sizing
    TCheckBoxClickEvent OnCheckBoxMouseUp;  // (real column, ARow, State) at the release
    // Asked before Down on the last row or Tab past the last cell adds a
    // row; told the new row's index after.
    TCanAddRowEvent OnCanAddRow;
    TAutoAddRowEvent OnAutoAddRow;
    // Enter past the last column down the columns with AdvanceInsert adds a
    // column; told the new column.
    TAutoInsertColEvent OnAutoInsertCol;
    // The Insert and Delete keys (with Navigation.AllowInsertRow and
    // AllowDeleteRow): asked with the current row, told the real row.
    TCanInsertRowEvent OnCanInsertRow;
    TAutoInsertRowEvent OnAutoInsertRow;
    TCanDeleteRowEvent OnCanDeleteRow;  // (Sender, real row, var Allow)
    TAutoDeleteRowEvent OnAutoDeleteRow;
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
    // (Sender, displayed index, var Allow) when the mouse takes a column or
    // row by its header to move it.
    std::function<void(TObject*, int, bool&)> OnColumnMove;
    std::function<void(TObject*, int, bool&)> OnRowMove;
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
    bool RowKey(unsigned short Key, plat::TShiftState Shift);
    void SelectAllCells();
    void HeaderSelection(int ACol, int ARow, int X, plat::TShiftState Shift);
    void ReportSelection(const TGridRect& Before);
    void PanStep();
    void StopPanning();
    void GridTimerTick();


    // ------------------------------------------------------ data operations: sorting, filtering, finding, highlighting, calculations
public:
    // Sorting (ExtGridSort.cpp, comparison in ExtGridCompare.cpp). Rows
    // are ordered through a permutation of their indexes, stable, and then
    // moved whole (hidden columns, properties, heights and row flags with
    // them). A sort that fails leaves the grid as it was.
    TSortSettings& SortSettings();
    TSortIndexList& SortIndexes();
    // Three-way comparison of the cells of two rows of real column ACol;
    // Direction only places empty cells.
    int CompareCells(int ACol, int Row1, int Row2, TSortDirection Direction);
    int CompareLine(int ACol, int Row1, int Row2);
    int CompareLineIndexed(int Index, int Row1, int Row2);
    virtual void QSort();
    virtual void QSortIndexed();
    virtual void QSortGroup();
    virtual void QSortGroupIndexed();
    virtual void QUnSort();
    virtual void SortSwapRows(int ARow1, int ARow2);
    void Sort(int Column, TSortDirection Direction);
    void SortByColumn(int Col);
    void QuickSort(int Col, int Left, int Right);
    void QuickSortIndexed(int Left, int Right);
    bool SortLine(int Col, int ARow1, int ARow2);
    void InitSortXRef();
    // The sort a header click asks for (ACol displayed), as the mouse
    // release runs it.
    void HeaderClickSort(int ACol, plat::TShiftState Shift);
    // The sort of a header click on real column RCol, without the merging
    // around it.
    void RunHeaderSort(int RCol, plat::TShiftState Shift);
    bool IsSortIndicatorCell(int ACol, int ARow);
    // Draws the sort glyph of a header cell (ACol real) centred at (X, Y).
    void DrawSortIndicator(plat::TCanvas& Canvas, int ACol, int Y, int X);
    // The face of the sorted column's header cell (ACol displayed) when the
    // sort settings give it a colour.
    bool SortedHeaderFace(int ACol, int ARow, TColor& From, TColor& To, TColor& MirrorFrom, TColor& MirrorTo);
    // The painter's step for a fixed cell (ACol displayed): its filter
    // button and, on the sorted column, the sort glyph beside the text.
    void DrawHeaderGlyphs(plat::TCanvas& Canvas, int ACol, int ARow, plat::TRect R, plat::TAlignment HA,
                          TVAlignment VA, int TextWidth);
    TCustomCompareEvent OnCustomCompare;
    TRawCompareEvent OnRawCompare;
    TClickSortEvent OnClickSort;
    TCanSortEvent OnCanSort;
    std::function<void(TObject*, int, int)> OnRowChanged;  // (Sender, old row, new row)

    // Row filters (ExtGridFilter.cpp) and the filter drop-down
    // (ExtGridFilterDropDown.cpp).
    TFilter& Filter();
    virtual bool MatchFilter(int ARow);
    void FilterRow(int ARow);
    void ApplyFilter();
    bool RemoveLastFilter();
    void RemoveAllFilters();
    void NarrowDown(const std::string& ACondition, int AColumn = -1);
    void SetFilterNormalCellsOnly(bool Value) { FFilterNormalCellsOnly = Value; }
    void SetAutoFilterUpdate(bool Value) { FAutoFilterUpdate = Value; }
    std::function<void(TObject*, int, bool&)> OnCustomFilter;  // (Sender, ARow, var AcceptRow)
    std::function<void(TObject*, int)> OnFilterProgress;       // percentage
    TFilterDropDown& FilterDropDown();
    TFilterDropDownColumns FilterDropDownColumns() const {
        return FFilterDropDownAllColumns ? fdAll : fdNormal;
    }
    void SetFilterDropDownColumns(TFilterDropDownColumns Value) { FFilterDropDownAllColumns = Value == fdAll; }
    TDropList* FilterDropList();
    TDropCheckList* FilterCheckList();
    int FilterOpenColumn();
    // Whether the header cell (displayed column) shows a filter button.
    bool HasFilterButton(int ACol, int ARow);
    // Opens the column's list under its filter button; false when the
    // column has no list.
    bool ShowFilterDropDown(int ACol);
    virtual void FilterSelect(int ItemIndex);
    virtual void FilterCheck();
    std::function<void(TObject*, int, int, const std::string&, std::string&)> OnFilterSelect;
    std::function<void(TObject*, int, int, const std::string&, std::string&, TDropCheckList*)> OnFilterCheck;
    plat::TNotifyEvent OnFilterDone;

    // Find and replace (ExtGridFind.cpp); columns are displayed unless
    // fnIncludeHiddenColumns.
    plat::TPoint Find(plat::TPoint StartCell, const std::string& s, TFindParams FindParams);
    plat::TPoint FindWide(plat::TPoint StartCell, const std::u16string& s, TFindParams FindParams);
    plat::TPoint FindFirst(const std::string& s, TFindParams FindParams);
    plat::TPoint FindNext();
    int Replace(const std::string& OrigStr, const std::string& NewStr, TFindParams FindParams);
    int Search(const std::string& s);
    plat::TPoint SearchCell();
    void SetSearchCell(plat::TPoint Value);
    void SetPresetSearch(int ACol, int ARow);

    // The search footer's panel and the grid's answers to it
    // (ExtGridSearchFooter.cpp).
    TSearchPanel* SearchPanel();
    void SearchFooterChanged();
    void SearchEditChange();
    void SearchForwardClick();
    void SearchBackwardClick();
    void SearchExitClick();
    void SearchHighlightClick();
    TSearchEditChangeEvent OnSearchEditChange;
    // (Sender, text, ACol, ARow, action)
    std::function<void(TObject*, const std::string&, int, int, TSearchFooterAction)> OnSearchFooterAction;
    plat::TNotifyEvent OnSearchFooterClose;
    plat::TNotifyEvent OnCreatedSearchFooter;

    // Highlight ("hi") and mark ("e") tags around a text in cells
    // (ExtGridHighlight.cpp).
    static std::string HilightText(bool DoCase, const std::string& S, const std::string& Text);
    static std::string UnHilightText(const std::string& S);
    static std::string MarkText(bool DoCase, const std::string& S, const std::string& Text);
    static std::string UnMarkText(const std::string& S);
    void HilightInCell(bool DoCase, int Col, int Row, const std::string& HiText);
    void HilightInCol(bool DoFixed, bool DoCase, int Col, const std::string& HiText);
    void HilightInRow(bool DoFixed, bool DoCase, int Row, const std::string& HiText);
    void HilightInGrid(bool DoFixed, bool DoCase, const std::string& HiText);
    void UnHilightInCell(int Col, int Row);
    void UnHilightInCol(bool DoFixed, int Col);
    void UnHilightInRow(bool DoFixed, int Row);
    void UnHilightInGrid(bool DoFixed);
    void MarkInCell(bool DoCase, int Col, int Row, const std::string& HiText);
    void MarkInCol(bool DoFixed, bool DoCase, int Col, const std::string& HiText);
    void MarkInRow(bool DoFixed, bool DoCase, int Row, const std::string& HiText);
    void MarkInGrid(bool DoFixed, bool DoCase, const std::string& HiText);
    void UnMarkInCell(int Col, int Row);
    void UnMarkInCol(bool DoFixed, int Col);
    void UnMarkInRow(bool DoFixed, int Row);
    void UnMarkInGrid(bool DoFixed);

    // Column and row calculations (ExtGridCalc.cpp); -1 for FromRow or
    // ToRow means the normal rows.
    double ColumnSum(int ACol, int FromRow, int ToRow);
    double ColumnAvg(int ACol, int FromRow, int ToRow);
    double ColumnMin(int ACol, int FromRow, int ToRow);
    double ColumnMax(int ACol, int FromRow, int ToRow);
    double ColumnStdDev(int ACol, int FromRow, int ToRow);
    double ColumnDistinct(int ACol, int FromRow, int ToRow);
    double ColumnCustomCalc(int ACol, int FromRow, int ToRow);
    double GroupCustomCalc(int ACol, int FromRow, int ToRow);
    double RowSum(int ARow, int FromCol, int ToCol);
    double RowAvg(int ARow, int FromCol, int ToCol);
    double RowMin(int ARow, int FromCol, int ToCol);
    double RowMax(int ARow, int FromCol, int ToCol);
    using TGroupCalcEvent = std::function<void(TObject*, int, int, int, double&)>;
    TGroupCalcEvent OnColumnCalc;
    TGroupCalcEvent OnGroupCalc;

private:
    // The work of the column summaries and of the footer's totals over rows
    // FromRow..ToRow, read by real row (hidden rows included) when Real is
    // set. acCOUNT gives the number of data rows of the range.
    double ColumnTotal(TColumnCalcType Calc, int ACol, int FromRow, int ToRow, bool Real);
    bool ReadsRealRows(int ToRow);
    struct TDataOpsState;
    std::shared_ptr<TDataOpsState> FDataOps;  // made on first use
    TDataOpsState& Ops();
    struct TSortRun;
    // Sort settings, filter conditions and filter drop-down settings of
    // another grid (the grid's Assign).
    void AssignDataSettings(const TExtStringGrid& Source);
    void RunSort(bool Indexed);
    bool HeaderRelease(int ACol, int ARow, int X, int Y, plat::TShiftState Shift);
    void ApplyRowOrder(int First, const std::vector<int>& Order);
    // The sorted order of rows First..Last, with the vertical blocks that
    // it would tear apart split first.
    std::vector<int> SortOrder(int First, int Last, int Col, bool Indexed);
    bool SplitRowMerges(int First, int Last);
    void MergedColumnsChanged();
    void HiliteRange(const std::string& Tag, bool DoCase, int FromCol, int FromRow, int ToCol, int ToRow,
                     const std::string& HiText);
    void UnHiliteRange(const std::string& Tag, int FromCol, int FromRow, int ToCol, int ToRow);
    bool FindMatches(int ACol, int ARow, const std::string& Prepared, TFindParams FindParams);
    // The scan of Find, and the move to its hit with fnAutoGoto.
    plat::TPoint FindCell(plat::TPoint StartCell, const std::string& s, TFindParams FindParams);
    void GotoFoundCell(plat::TPoint Hit, TFindParams FindParams);
    void HighlightSearch(const std::string& Text);
    void RemoveSearchHighlight();
    TFindParams SearchFooterParams(bool Auto, bool Backward);
    // ------------------------------------------------------ exchange formats
    // Files and streams of the grid's cells (ExtGridExchange.cpp over the
    // format units GridCsv, GridTextIO, GridBinaryIO, GridFixedWidth,
    // GridXml and GridHtmlExport). Every export reads a cell through
    // GetSaveCellText and every import writes one through SetLoadCellText.
    // A reader checks the whole input before it changes the grid, so a
    // refused file leaves the grid as it was; failures raise EExtGridError
    // (or std::runtime_error where a message is the platform's).
public:
    virtual void ExportNotification(TGridExportState AState, int ARow);
    virtual void ImportNotification(TGridImportState AState, int ARow);
    virtual void GetSaveCellText(int ACol, int ARow, std::string& Text);
    virtual void SetLoadCellText(int ACol, int ARow, const std::string& Text);
    virtual void GetRawCellText(int ACol, int ARow, std::string& Text);
    // (Sender, real column, row, var text)
    std::function<void(TObject*, int, int, std::string&)> OnSaveCell;
    std::function<void(TObject*, int, int, std::string&)> OnLoadCell;
    // (Sender, percent), only when the percentage changed.
    std::function<void(TObject*, int)> OnFileProgress;
    double CellToReal(int ACol, int ARow);

    void SetDelimiter(char Value) { FDelimiter = Value; }
    void SetQuoteEmptyCells(bool Value) { FQuoteEmptyCells = Value; }
    void SetSaveHiddenCells(bool Value) { FSaveHiddenCells = Value; }
    void SetSaveVirtCells(bool Value) { FSaveVirtCells = Value; }
    void SetSaveWithHTML(bool Value) { FSaveWithHTML = Value; }
    void SetLoadFirstRow(bool Value) { FLoadFirstRow = Value; }
    void SetXMLEncoding(const std::string& Value) { FXMLEncoding = Value; }
    bool SaveWithRTF() const;
    void SetSaveWithRTF(bool Value);
    bool OemConvert() const;
    void SetOemConvert(bool Value);
    bool Multilinecells() const;
    void SetMultilinecells(bool Value);
    class THTMLSettings& HTMLSettings();

    void SaveToCSV(const std::string& FileName, bool Unicode = false);
    void AppendToCSV(const std::string& FileName, bool Unicode = false);
    void LoadFromCSV(const std::string& FileName, int MaxRows = 0);
    void InsertFromCSV(const std::string& FileName, int MaxRows = 0);
    void LoadFromCSVStream(std::istream& AStream, int MaxRows = 0);

    void SaveToFile(const std::string& FileName, bool Unicode = false);
    void LoadFromFile(const std::string& FileName);
    void SaveToStream(std::ostream& Stream);
    void LoadFromStream(std::istream& Stream);

    void SaveRectToBinStream(const TGridRect& Rect, std::ostream& Stream);
    void SaveToBinStream(std::ostream& Stream);
    void SaveToBinFile(const std::string& FileName);
    void LoadAtPointFromBinStream(plat::TPoint Point, std::istream& Stream);
    void LoadFromBinStream(std::istream& Stream);
    void LoadFromBinFile(const std::string& FileName);
    int NodeCount() const;

    void SaveToFixed(const std::string& FileName, TIntList& Positions);
    void LoadFromFixed(const std::string& FileName, TIntList& Positions, bool DoTrim = true, int MaxRows = -1);
    void SaveToASCII(const std::string& FileName, bool Unicode = false);
    void AppendToASCII(const std::string& FileName, bool Unicode = false);
    int MaxColumnTextLength(int ACol);

    std::string SaveToHTMLString(const std::string& Dir);
    void SaveToHTML(const std::string& FileName, bool Show = false, bool Unicode = false);
    void AppendToHTML(const std::string& FileName, bool Show = false, bool Unicode = false);

    void SaveToXML(const std::string& FileName, const std::string& ListDescr, const std::string& RecordDescr,
                   const plat::TStrings* FieldDescr, bool ExportEmptyCells = false);
    void LoadFromXML(const std::string& FileName, bool LevelToRow = false, bool LoadFieldDescr = false);

    // Office exchange needs the office programs' automation servers, which
    // this platform does not have: each raises the "not found" error.
    std::vector<std::string> GetXLSSheets(const std::string& FileName);
    void LoadFromXLS(const std::string& FileName);
    void LoadFromXLSSheet(const std::string& FileName, const std::string& SheetName);
    void SaveToXLS(const std::string& FileName, bool CreateNewSheet = true);
    void SaveToXLSSheet(const std::string& FileName, const std::string& SheetName);
    void SaveToDOC(const std::string& FileName, bool CreateNewDocument = true);
    void AppendToDoc(const std::string& FileName, const std::string& Bookmark);
    void LoadFromMDBTable(const std::string& FileName, const std::string& Table);
    void LoadFromMDBSQL(const std::string& FileName, const std::string& SQL);

private:
    struct TExchangeState;
    std::shared_ptr<TExchangeState> FExchange;  // made on first use
    TExchangeState& Ex();
    void ReportFileProgress(double Done, double Total);
    void ResetFileProgress();
    void FinishImport();
    void LoadCsvText(const std::string& Text, int MaxRows, bool Insert);
    std::string CsvFileText(std::vector<std::string>* Lines);
    void WriteAscii(const std::string& FileName, bool Unicode, std::string Text);
    void WriteHtml(const std::string& FileName, bool Show, bool Unicode, std::string Text);
public:

    // ------------------------------------------------------ rows and columns: sizing, insertion and removal, clearing, merging, fills, footer
public:
    // Sizing to content (ExtGridAutoSize.cpp). Rows are displayed rows;
    // every size set here stays within the grid's minimum and maximum.
    void AutoSizeRow(int ARow, int Padding = 0);
    void AutoSizeRows(bool DoFixedRows, int Padding);
    void AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY);
    // Stretches or shrinks the columns so that together they fill the
    // control's width.
    void AutoFitColumns(bool DoFixedCells);
    // The control's frame (bsNone or bsSingle, sunken with Ctl3D), which
    // the column fitting leaves room for.
    plat::TFormBorderStyle BorderStyle();
    void SetBorderStyle(plat::TFormBorderStyle Value);
    bool Ctl3D();
    void SetCtl3D(bool Value);
    void SizeToCols();
    void SizeToRows();
    void SizeToCells();
    // A row Lines text lines high with the font of its first normal cell.
    void SizeRowToLines(int ARow, int Lines, int Padding);

    // Rows (ExtGridRows.cpp), displayed indexes unless said real.
    void RemoveCheckedRows(int CheckBoxColumn, bool RemoveChecked);
    // Removes every later row whose text in the column repeats an earlier
    // one; DoCase off treats texts differing only in case as repeats.
    void RemoveDuplicates(int ACol, bool DoCase);
    void RemoveSelectedRows();
    void RemoveUnSelectedRows();
    void HideSelectedRows();
    void HideUnSelectedRows();
    // While set, the cells' properties belong to someone else (who moved
    // or shares them): emptying, removing and deleting cells only forgets
    // them instead of freeing them.
    bool ObjectsNotOwned();
    void SetObjectsNotOwned(bool Value);
    // The keyboard's insert and delete of one row, node aware.
    void AutoInsertRow(int ARow);
    void AutoDeleteRow(int ARow);
    // Scales the fixed and active-cell fonts with the rest of the window.
    void ChangeScale(int M, int D);

    // Clearing, trimming, colouring and merging (ExtGridClear.cpp); column
    // indexes are displayed ones mapped to real columns when hidden cells
    // are saved.
    virtual void ClearRect(int ACol1, int ARow1, int ACol2, int ARow2);
    void ClearRows(int RowIndex, int RCount);
    void ClearCols(int ColIndex, int CCount);
    void ClearNormalRows(int RowIndex, int RCount);
    void ClearNormalCols(int ColIndex, int CCount);
    void ClearNormalCells();
    void ClearSelection();
    void Clear();
    void ClearAll();
    virtual void TrimRect(int ACol1, int ARow1, int ACol2, int ARow2);
    void TrimColumn(int ACol);
    void TrimRow(int ARow);
    void TrimAll();
    void ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, TColor AColor);
    void SplitColumnCells(int ColIndex);
    void MergeColumnCells(int ColIndex, bool MainMerge);
    // The columns kept merged: changing the list splits every column and
    // merges the listed ones again, the first freely and each later one
    // within the blocks of those before it.
    TIntList& MergedColumns();
    void SplitMergedColumns();
    void RemergeColumns();
    void SplitRowCells(int RowIndex);
    void MergeRowCells(int RowIndex, bool MainMerge);
    void SplitAllCells();
    bool IsCell(const std::string& SubStr, int& ACol, int& ARow);
    bool IsWideCell(int ACol, int ARow);

    // Checks and fills (ExtGridFill.cpp). Without DoFixed only the normal
    // cells take part.
    bool CheckCell(int ACol, int ARow);
    bool CheckCells(int FromCol, int FromRow, int ToCol, int ToRow);
    bool CheckCol(bool DoFixed, int ACol);
    bool CheckRow(bool DoFixed, int ARow);
    bool CheckGrid(bool DoFixed);
    void TextFill(bool DoFixed, const std::string& Txt);
    // Fmt takes the column and then the row, both as integers ("%d-%d").
    void FormatFill(bool DoFixed, const std::string& Fmt);
    void RandomFill(bool DoFixed, int Rnd);
    void LinearFill(bool DoFixed);
    // Dates of 0 and below are written only with ShowNullDates.
    void SetShowNullDates(bool Value) { FShowNullDates = Value; }
    base::TDateTime GetDates(int ACol, int ARow) { return Dates(ACol, ARow); }
    base::TDateTime GetTimes(int ACol, int ARow) { return Times(ACol, ARow); }

    // Selection, numbering and swapping (ExtGridNumbering.cpp).
    void SelectCells(int FromCol, int FromRow, int ToCol, int ToRow);
    // The selection, over all columns when rows are selected whole and
    // dragged as entire rows (goRowSelect with OleEntireRows).
    TGridRect EntireRowsSelection();
    std::string SelectedText();
    bool IsSelected(int ACol, int ARow);
    int AutoNumberStart() const;
    void SetAutoNumberStart(int Value);
    int AutoNumberOffset() const;
    void SetAutoNumberOffset(int Value);
    TSortDirection AutoNumberDirection() const;
    void SetAutoNumberDirection(TSortDirection Value);
    void AutoNumberCol(int ACol);
    void AutoNumberRow(int ARow);
    void SwapColumns(int ACol1, int ACol2);
    void SwapRows(int ARow1, int ARow2);

    // Columns (real indexes).
    void RemoveSelectedCols();
    void RemoveUnSelectedCols();
    // Joins column 2 into column 1 (trimmed, with the separator between)
    // and removes column 2.
    void MergeCols(int ColIndex1, int ColIndex2, const std::string& Separator);

    // The floating footer (ExtGridFooter.cpp, ExtGridFooter.h).
    class TFloatingFooter& FloatingFooter();
    void UpdateFooter();
    // Recalculates the footer cell of a column, of every column with -1.
    virtual void CalcFooter(int ACol);
    // (Sender, ACol, ARow, var Value)
    std::function<void(TObject*, int, int, std::string&)> OnFooterCalc;
    // (Sender: the bar, column, canvas, rectangle): replaces the drawing
    // of a footer cell.
    std::function<void(TObject*, int, plat::TCanvas&, plat::TRect)> OnFooterPaint;
    plat::TNotifyEvent OnCreatedFloatingFooter;
    // The rows end above a visible footer bar, so that scrolling brings
    // the last of them into view rather than under the bar.
    int ClientHeight() const override;

protected:
    void LastRowChanged() override;

private:
    struct TRowsState;
    std::shared_ptr<TRowsState> FRowsState;  // made on first use
    TRowsState& Rw();
    // Keep the per-row lists, merged blocks, current row and footer in
    // step when rows of the store are inserted or removed (displayed rows).
    // BeforeRowsInserted returns where the rows go: never after the
    // footer row.
    int BeforeRowsInserted(int ARow, int Count);
    void AfterRowsInserted(int ARow, int Count);
    void BeforeRowsRemoved(int ARow, int Count);
    void AfterRowsRemoved(int ARow, int Count);
    void NotifyCellsChanged(int ACol1, int ARow1, int ACol2, int ARow2);
    // Removes the listed displayed rows (ascending) at a cost that grows
    // with the row count, not with the rows times the removals.
    void RemoveRowList(const std::vector<int>& Rows);
    void FillRange(bool DoFixed, const std::function<std::string(int, int)>& Text);
    // Drops properties taken out of a cell: freed, or only let go while
    // they are not the grid's own.
    void DropCellProps(TOwnedCellProps& Props);
    class TDataChildRun;
public:


    // ------------------------------------------------------ editor link and the editors over cells
public:
    // The drop-down pickers as cell editors (the kinds edTrackbarDropDown
    // to edExtGridDropDown), made on first use.
    class TGridTrackbarDropDown* TrackbarDropDown();
    class TGridMemoDropDown* MemoDropDown();
    class TGridCalculatorDropDown* CalculatorDropDown();
    class TGridTimepickerDropDown* TimePickerDropDown();
    class TGridDetailPickerDropDown* DetailPickerDropDown();
    class TGridGridDropDown* GridDropDown();
    class TGridExtGridDropDown* ExtGridDropDown();
    class TGridColorDropDown* ColorPickerDropDown();
    class TGridImageDropDown* ImagePickerDropDown();
    // The colour and image pickers closing on a cell: (Sender, real column,
    // row, the picked colour, var the colour text the cell gets) and
    // (Sender, real column, row, the picked image index).
    std::function<void(TObject*, int, int, TColor, std::string&)> OnColorSelected;
    std::function<void(TObject*, int, int, int)> OnImageSelected;
    // A button of the open picker editor's header or footer bar was clicked
    // (Sender, ACol, ARow, ButtonIndex).
    std::function<void(TObject*, int, int, int)> OnDropDownHeaderButtonClick;
    std::function<void(TObject*, int, int, int)> OnDropDownFooterButtonClick;
    // The date cell editor's month view dropping down and closing up:
    // (Sender, row, displayed column). With MouseActions.DirectDateClose
    // the edit ends as the view closes.
    std::function<void(TObject*, int, int)> OnDatePickerDropDown;
    std::function<void(TObject*, int, int)> OnDatePickerCloseUp;

    // Fixed cells edited in place (FixedRowsEdit, FixedColsEdit in
    // MouseActions): one edit and one combo serve every fixed cell and
    // store their text when they lose the focus. ACol is displayed.
    void EditFixedCell(int ACol, int ARow);
    class TGridTransEdit* EditTrans();
    class TGridTransCombo* ComboTrans();
    // (Sender, displayed column, row, var editor kind, the combo's items)
    std::function<void(TObject*, int, int, TGridFixedCellEditor&, plat::TStrings&)> OnFixedEdit;

    // The editors of a cell's inline form controls (EDIT, PASSWORD, MASK,
    // COMBO), opened by a click on the control; the edited value goes back
    // into the control's VALUE in the cell's text. ACol is displayed.
    bool ShowHtmlControlEditor(int ACol, int ARow, const std::string& CtrlID, const std::string& CtrlType,
                               const std::string& CtrlValue);
    // (Sender, row, real column, control ID, control type, new value)
    std::function<void(TObject*, int, int, const std::string&, const std::string&, const std::string&)>
        OnControlEditDone;
    // (Sender, row, real column, control ID, control type, value, var items,
    // var editable, var drop-down count) before a form combo opens.
    std::function<void(TObject*, int, int, const std::string&, const std::string&, const std::string&,
                       plat::TStrings&, bool&, int&)>
        OnControlComboList;
    // (Sender, row, real column, item index, control ID, item text)
    std::function<void(TObject*, int, int, int, const std::string&, const std::string&)> OnControlComboSelect;

    // Rich text cells: the visible editor (edRichEdit) and the hidden one
    // the grid converts and measures rich text with, made on first use.
    class TExtRichEdit* InplaceRichEdit();
    class TExtRichEdit* RichEdit();

    // The combo editor's list: (Sender, row, displayed column) as it opens
    // and closes; (Sender, real column, row, index, text, item object) when
    // the picked item changes.
    std::function<void(TObject*, int, int)> OnComboDropDown;
    std::function<void(TObject*, int, int)> OnComboCloseUp;
    std::function<void(TObject*, int, int, int, const std::string&, plat::TObject*)> OnComboObjectChange;
    // A combo item with the object it stands for (not owned by the grid);
    // ComboObject is nullptr for an item added without one.
    void AddComboStringObject(const std::string& S, plat::TObject* AObject);
    plat::TObject* ComboObject(int Index) const;
    // Draws a cell's always-visible combo or spin button at the right end
    // of R (ACol displayed) and takes its width off R.
    void DrawEditorButtons(plat::TCanvas& Canvas, int ACol, int ARow, plat::TRect& R);
    // A paste into the text editor fires OnClipboardBeforePasteCell and
    // OnClipboardAfterPasteCell (clipboard block below) with the editor as
    // Sender and the cell's value after it.

private:
    friend class TExtInplaceEdit;
    // The combo editor's list opened (sized to its widest item with
    // Navigation.AutoComboDropSize) or closed, by the user or the grid.
    void ComboListShown(bool Shown);
    // A left press that may open the text editor: with CaretPositioning
    // the editor puts its caret at the character under it.
    void NoteEditorClick(plat::TMouseButton Button, int X, int Y);
    friend void PlaceCaretByClick(TExtStringGrid& Grid, plat::TEdit& Edit);
    friend class TGridCombo;
    friend class TGridTransEdit;
    friend class TGridTransCombo;
    friend class TExtRichEdit;
    friend class TControlEdit;
    friend class TControlCombo;
    // A press that starts a fixed-cell edit, or a click on an always-visible
    // editor button; true when the press is taken.
    bool FixedEditMouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y);
    bool EditorButtonMouseDown(int X, int Y);
    // The combo editor has just opened (sizing and dropping its list as
    // Navigation asks), and the user picked item Index in it.
    void AfterComboOpen();
    void ComboPicked(int Index);
    void HtmlControlEditDone();
    struct TEditorsState;
    std::shared_ptr<TEditorsState> FEditors;  // made on first use
    TEditorsState& Eds();
    // The picker kinds' share of the special-editor cycle; nullptr and
    // false for any other kind.
    plat::TWinControl* OpenPickerEditor(TEditorType Kind, int ACol, int ARow, const std::string& Text);
    bool LoadPickerEditor(TEditorType Kind, const std::string& Text);
    bool PickerEditorValue(TEditorType Kind, std::string& Value);
    // Once the value passed validation: what the picker keeps beside the
    // text (a colour, an image) goes into the cell (ACol displayed).
    void StorePickerCell(TEditorType Kind, int ACol, int ARow);
public:

    // ------------------------------------------------------ expandable rows, nodes and grouping
    // Nodes (ExtGridNodes.cpp): a node row carries a ctNode graphic in
    // column 0 and covers Span rows, itself included; contracting hides the
    // rest of its span. Rows are displayed unless said real.
    void AddNode(int ARow, int Span);  // ARow real
    void RemoveNode(int ARow);
    void RemoveAllNodes();
    bool IsNode(int ARow);
    bool IsSummary(int ARow);
    bool GetNodeState(int ARow);  // true while contracted
    void SetNodeState(int ARow, bool Value);
    int GetNodeLevel(int ARow);
    int GetNodeSpan(int ARow);
    void SetNodeSpan(int ARow, int Span);
    void UpdateNodeSpan(int ARow, int Delta);
    int GetSubNodeCount(int ARow);
    void UpdateSubNodeCount(int ARow, int Delta);
    // The tree line below the row: 0 node, 1 last of its level, 2 more follow.
    int GetNodeSpanType(int ARow);
    void ExpandNode(int ARow);    // ARow real
    void ContractNode(int ARow);  // ARow real
    void ExpandAll();
    void ContractAll();
    int GetParentRow(int ARow);
    void InsertChildRow(int ARow, int InsertAt = 0);  // ARow real
    void RemoveChildRow(int ARow);                    // ARow real
    void InsertNormalRow(int ARow);                   // ARow real
    void RemoveNormalRow(int ARow);
    bool HasNodes() override;
    // Whether X (client) lies on the glyph of the node in row ARow.
    bool IsOnNodeGlyph(int ARow, int X);
    // Expand buttons (ACol real): the row switches between two heights.
    void AddExpand(int ACol, int ARow, int ExpandedHeight);
    void RemoveExpand(int ACol, int ARow);
    bool ToggleExpand(int ACol, int ARow);
    bool GetExpandState(int ACol, int ARow);
    int GetExpandHeight(int ACol, int ARow, bool Expanded);
    // The mouse's part: a press on a node glyph (true when it was one) and
    // the release of an expand button.
    bool NodeMouseDown(int X, int Y);
    bool ExpandMouseUp(int X, int Y);
    void ExpandClick(int ACol, int ARow);  // ACol real
    std::function<void(TObject*, int, int, bool&)> OnBeforeExpandNode;  // (Sender, ARow, ARowReal, var Allow)
    std::function<void(TObject*, int, int, bool&)> OnBeforeContractNode;
    std::function<void(TObject*, int, int)> OnExpandNode;  // (Sender, ARow, ARowReal)
    std::function<void(TObject*, int, int)> OnContractNode;
    std::function<void(TObject*, int, int, bool)> OnExpandClick;  // (Sender, ACol, ARow, Expanded)

    // Grouping (ExtGridGrouping.cpp): header rows are nodes over the runs of
    // equal values of one column, which leaves the grid while grouped.
    TGrouping& Grouping();
    virtual void Group(int Colindex);
    virtual void UnGroup();
    virtual void SubGroup(int Colindex);
    virtual void SubUnGroup(int Colindex);
    bool Grouping_InProgress() const;
    void GroupCalc(int ACol, int Method);
    void GroupSum(int Colindex);
    void GroupAvg(int Colindex);
    void GroupMin(int Colindex);
    void GroupMax(int Colindex);
    void GroupCount(int ColIndex);
    void GroupCustomCalc(int Colindex);
    void GroupDistinct(int ColIndex);
    void GroupStdDev(int ColIndex);
    // A header row's column 1 with the count of its rows when ShowGroupCount.
    std::string GroupHeaderText(int ARow, const std::string& Text);

private:
    struct TNodeState;
    std::shared_ptr<TNodeState> FNodes;  // made on first use
    TNodeState& Nd();
    TCellGraphic* NodeGraphic(int ARow);
    // Hides the listed real rows (ascending) in one pass as hidden-row
    // level Level, and shows them again.
    void HideRealRows(const std::vector<int>& RealRows, int Level);
    void ShowHiddenItems(const std::function<bool(const TGridItem&)>& Which);
    // Moves the emptied displayed rows Gone (ascending) out of the grid in
    // one pass; the other rows keep their order and heights.
    void CloseUpRows(const std::vector<int>& Gone);
    void ExpandNodeRows(int ARow);
    // The displayed rows a node's contraction hides (nested closed nodes
    // are marked open on the way); returns the last of them.
    int CollectNodeRows(int ARow, std::vector<int>& Rows);
    void HideDisplayedRows(const std::vector<int>& Rows, int Level);
    void ContractNodesExcept(int Keep);
    // Shows every row the nodes hide and marks every node open.
    void ExpandAllRows();
    // One empty row before each listed displayed row (ascending; a row
    // listed twice gets two), and the removal of listed rows, each in one
    // pass over the grid.
    void InsertRowsBefore(const std::vector<int>& Rows);
    // Hidden rows of contracted groups may be among them.
    void RemoveGroupRowList(const std::vector<int>& Rows);
    void SetGroupRowLook(int ARow, int FromCol, bool Header);
    void RunGroupSort(bool Indexed);
    // Every node of rows First..End-1, but those tagged Skip, grows (Sign
    // +1) or shrinks (-1) in span and sub-node count by the listed
    // sub-header rows (ascending) it holds.
    void ShiftNodeSpans(int First, int End, const std::vector<int>& Headers, int Sign, int Skip);
public:

    // ------------------------------------------------------ clipboard and drag and drop
public:
    // Copying (ExtGridClipboard.cpp) puts a block on the clipboard as text
    // (cells joined by tabs; a block of more than one row ends every row
    // with CR LF), with Navigation.AllowRTFClipboard the top-left cell's
    // rich text, and with Navigation.AllowFmtClipboard the block's cell
    // stream under "TExtStringGrid Cells", which a paste prefers. Columns
    // are displayed unless said real.
    void CopyToClipBoard();
    void CutToClipboard();
    void CopyToClipBoardAsHTML();
    std::string GetSelectionAsText();
    // Places tab- and line-separated text from the selection's top-left
    // cell, growing the grid to hold it; no events, no undo.
    void SetSelectionAsText(const std::string& Value);
    virtual void CopyRectToClipboard(const TGridRect& R, bool Disjunct);
    virtual std::string BuildClipboardText(const TGridRect& R, bool Disjunct);
    void ExpandSelectionToMergedCells();
    plat::TPoint ClipTopLeft() const;
    TClipOperation ClipLastOp() const;
    // True while PasteFromClipboard runs.
    bool PasteAll() const;
    void PasteFromClipboard();
    // The clipboard's richest form pasted at a cell: the number of cells
    // pasted, and the rows and columns it took.
    virtual int PasteClipboardAt(int ACol, int ARow, int& Rows, int& Cols);
    virtual int PasteText(int ACol, int ARow, int& Rows, int& Cols, const std::string& Text);
    // The fields of the widest line, and the lines after the first that
    // hold text.
    static void CountTextBlock(const std::string& Text, int& Cols, int& Rows);
    virtual void SetPastedCell(int ACol, int ARow, const std::string& Value);
    virtual void MarkPastedRows(plat::TPoint TopLeft, const TGridRect& R, TClipOperation Op);
    virtual void BeforePaste() {}
    virtual void AfterPaste() {}
    virtual bool UsesFmtClipboard();
    // (Sender, displayed column, row, var value, var Allow) before a pasted
    // cell is written, and (Sender, column, row, value) after; the wide
    // pair serves packed wide texts.
    std::function<void(TObject*, int, int, std::string&, bool&)> OnClipboardBeforePasteCell;
    std::function<void(TObject*, int, int, const std::string&)> OnClipboardAfterPasteCell;
    std::function<void(TObject*, int, int, std::u16string&, bool&)> OnClipboardBeforePasteWideCell;
    std::function<void(TObject*, int, int, const std::u16string&)> OnClipboardAfterPasteWideCell;

    // Drag and drop of cells, rows, columns, text and files
    // (ExtGridDragDrop.cpp over the framework of GridDragDrop.h); the
    // switches are the settings' own, all off for a new grid but the
    // accept switches and ShowCells.
    class TDragDropSettings& DragDropSettings();
    // The selection when the grid's own drag began.
    TGridRect DropSelection();
    // (Sender, ARow, ACol, the pressed cell's text, var Allow)
    std::function<void(TObject*, int, int, const std::string&, bool&)> OnOleDrag;
    std::function<void(TObject*, int, int)> OnOleDragStart;       // (Sender, ARow, ACol)
    std::function<void(TObject*, unsigned)> OnOleDragStop;         // (Sender, effect)
    std::function<void(TObject*, int, int, bool&)> OnOleDragOver;  // (Sender, ARow, ACol, var Allow)
    std::function<void(TObject*, int, int, const std::string&, bool&)> OnOleDrop;
    std::function<void(TObject*, const TGridRect&)> OnOleDropped;
    std::function<void(TObject*, int, int, int)> OnOleDropCol;  // (Sender, ARow, target column, dragged column)
    std::function<void(TObject*, int, int, const std::string&, bool&)> OnOleDropFile;
    std::function<void(TObject*, int, int, const std::string&, bool&)> OnOleDropURL;

private:
    friend class TGridDropTarget;
    friend class TGridDropSource;
    friend class TDragDropSettings;
    struct TClipboardState;
    std::shared_ptr<TClipboardState> FClipboard;  // made on first use
    TClipboardState& Clip();
    void PasteCellStream(const std::string& Bytes, int ACol, int ARow, int& Rows, int& Cols, int& Count);
    // Cells read from a stream, placed with the stream cell Origin at
    // Point; checked whole (places, pictures) before the grid changes.
    void PlaceCellData(const TBinGridData& Data, plat::TPoint Origin, plat::TPoint Point);
    bool SmartFill(const TGridRect& Sel, int Pasted);
    void WriteFilledCell(int ACol, int ARow, std::string Value);
    void EmptyCells(const TGridRect& R, bool Undoable);
    bool PasteWritable(int ACol, int ARow);  // ACol real
    // The grid's side of a drag: arming at the press, starting once the
    // pointer has moved (true: the move was the drag's).
    bool OleDragMouseDown(plat::TShiftState Shift, int X, int Y);
    bool OleDragMouseMove(plat::TShiftState Shift, int X, int Y);
    void StartOleDrag(int ACol, int ARow, int X, int Y);
    void SetOleDropTarget(bool Value);
    void ShowHeaderDragButton(int ACol, plat::TPoint ScreenPos);
    void HideHeaderDragButton();
    // The rows a paste writes into: all, or all but the last while the
    // floating footer shows that row; growing adds rows above the footer's.
    int PasteRowLimit();
    void GrowPasteRows(int Rows);
public:
    // Column and row moves by code carry widths (heights) and the cursor
    // along, as the mouse's moves always do; a column dropped by drag and
    // drop is moved that way whatever this says.
    void SetEnhRowColMove(bool Value) { FEnhRowColMove = Value; }


    // ------------------------------------------------------ printing, print settings and column state files
    // Print settings and the print engine (ExtGridPrint.cpp over
    // GridPrintLayout.cpp and GridPrintRender.cpp), the column state file
    // (ExtGridColumnState.cpp), the look file (ExtGridLookFile.cpp) and the
    // cell text metrics shared by painting, autosizing and the exports
    // (ExtGridTextMetrics.cpp).
    // Print coordinates are tenths of a millimetre, y growing upward from
    // the page's top edge.
public:
    TPrintSettings& PrintSettings();
    void SetPrintSettings(const TPrintSettings& Value);
    void SavePrintSettings(const std::string& Key, const std::string& Section);
    void LoadPrintSettings(const std::string& Key, const std::string& Section);

    // Printing on the platform's printer; the range is in displayed indexes.
    void Print();
    void PrintSelection();
    void PrintRect(const TGridRect& Gridrect);
    void PrintSelectedRows();
    void PrintSelectedCols();
    // The pages on a canvas, scaled into Displayrect (device pixels). Only
    // the page chosen by SetPreviewPage is drawn.
    void PrintPreview(plat::TCanvas& Canvas, plat::TRect Displayrect);
    void PrintPreviewRect(plat::TCanvas& Canvas, plat::TRect Displayrect, const TGridRect& Gridrect);
    void PrintPreviewSelection(plat::TCanvas& Canvas, plat::TRect Displayrect);
    void PrintPreviewSelectedRows(plat::TCanvas& Canvas, plat::TRect Displayrect);
    void PrintPreviewSelectedCols(plat::TCanvas& Canvas, plat::TRect Displayrect);
    // The first page of the range into DrawRect, without a printer.
    void PrintDraw(plat::TCanvas& Canvas, plat::TRect DrawRect);
    void PrintDrawRect(plat::TCanvas& Canvas, plat::TRect DrawRect, const TGridRect& Gridrect);
    int PreviewPage() const;
    void SetPreviewPage(int Value);
    int PrintNrOfPages() const;
    int PrintPageWidth() const;
    int PrintColStart() const;
    int PrintColEnd() const;
    plat::TRect PrintPageRect() const;
    bool IsPrintPreview() const;
    bool FastPrint() const;
    void SetFastPrint(bool Value);
    // Rotated text turns the other way on a printer whose driver turns
    // landscape pages by 90 degrees (the platform printer's
    // LandscapeRotation), as such drivers mirror it.
    bool PrinterDriverFix() const;
    void SetPrinterDriverFix(bool Value);
    // A single line of text that does not fit ends in an ellipsis, on the
    // screen and, with the print settings' NoAutoSize, on paper.
    bool EnhTextSize() const;
    void SetEnhTextSize(bool Value);
    // A point size as a print font height, at the run's font scale.
    int MapFontHeight(int PointSize) const;
    static int MapFontSize(int Height);

    // (Sender, NrOfPages, var FromPage, var ToPage)
    std::function<void(TObject*, int, int&, int&)> OnPrintStart;
    // (Sender, Canvas, PageNr, PageXSize, PageYSize)
    std::function<void(TObject*, plat::TCanvas&, int, int, int)> OnPrintPage;
    // (Sender, ARow, var NewPage)
    std::function<void(TObject*, int, bool&)> OnPrintNewPage;
    // (Sender, Canvas, LastRow, LastRowOffset, LastPage, PageXSize, PageYSize)
    std::function<void(TObject*, plat::TCanvas&, int, int, int, int, int)> OnPrintPageDone;
    // (Sender, PageNr, var Cancel)
    std::function<void(TObject*, int, bool&)> OnPrintCancel;
    // (Sender, ACol, var Width) and (Sender, ARow, var Height)
    std::function<void(TObject*, int, int&)> OnPrintSetColumnWidth;
    std::function<void(TObject*, int, int&)> OnPrintSetRowHeight;
    // (Sender, var ScaleFactor, var Allow), with fpCustom
    std::function<void(TObject*, double&, bool&)> OnFitToPage;
    // (Sender, PageNum, PageColNum, var PageNumString)
    std::function<void(TObject*, int, int, std::string&)> OnPrintGetPageNum;
    // (Sender, Canvas, ACol, ARow, var Size, Printing)
    std::function<void(TObject*, plat::TCanvas&, int, int, plat::TPoint&, bool)> OnCustomCellSize;

    // Column count, widths, order and visibility as one text, and back. A
    // text that does not describe this many columns completely is refused
    // with EExtGridError before anything changes.
    std::string ColumnStatesToString();
    void StringToColumnStates(const std::string& Value);
    // Widths and order at the place ColumnSize names (ini file or registry).
    void SaveColSizes();
    void LoadColSizes();
    void SaveColPositions();
    void LoadColPositions();
    // The grid's colours, fonts and look choices as name=value lines.
    void SaveVisualProps(const std::string& FileName);
    void LoadVisualProps(const std::string& FileName);

    bool XYOffsetTopLeftOnly() const;
    void SetXYOffsetTopLeftOnly(bool Value);
    int GetCellPaddingX() const;
    int GetCellPaddingY() const;
    int GetRowMaxLines(int ARow);
    // Moves R's left/top to where text rotated by Angle degrees starts.
    void DrawRotatedCellText(plat::TCanvas& Canvas, plat::TRect& R, int Angle, TVAlignment VAlign,
                             plat::TAlignment HAlign, const std::string& Text);
    void InvalidateCellRect(const TGridRect& R);

private:
    struct TPrintState;
    friend class TGridPrintRun;
    std::shared_ptr<TPrintState> FPrintState;  // made on first use
    TPrintState& Prn();
    const TPrintState& Prn() const;
    void RunPrintJob(const TGridRect& Range, bool SelectedOnly);
    void RunPreview(plat::TCanvas& Canvas, plat::TRect Displayrect, const TGridRect& Range, bool SelectedOnly);
    // The grid's own calls of the width pair, when ColumnSize.Save is on.
    void LoadColSizesOnStart();
    void SaveColSizesOnClose() noexcept;
public:

    // ------------------------------------------------------ mouse, hints, menus and move feedback
public:
    // (Sender, displayed target index, var Allow) while a dragged column or
    // row passes over a place; a refused place shows the no-drop pointer
    // and a release there leaves the column (row) where it was.
    std::function<void(TObject*, int, bool&)> OnColumnMoving;
    std::function<void(TObject*, int, bool&)> OnRowMoving;
    // (Sender, ACol, ARow, X, Y, var Cursor) for the cell under the
    // pointer, starting from the grid's own Cursor; displayed indexes.
    std::function<void(TObject*, int, int, int, int, plat::TCursor&)> OnGetCellCursor;
    // While a border is dragged a hint shows the width ("cw=") or height
    // ("rh=") the release would give.
    bool HintShowSizing() const;
    void SetHintShowSizing(bool Value);
    bool SizeHintShowing();
    std::string SizeHintCaption();
    plat::TRect SizeHintBounds();  // in the grid's client coordinates
    // The mark of the current row in column 0 (with fixed columns), drawn
    // transparent; an empty bitmap draws none.
    const plat::TBitmap& RowIndicator();
    void SetRowIndicator(const plat::TBitmap& Value);
    // Draws the mark into column 0 of the current row and moves the text's
    // left edge past it.
    void DrawRowIndicator(plat::TCanvas& Canvas, int ACol, int ARow, plat::TRect& R);
    // Cell hints beyond the window's own: the anchor under the pointer
    // (AnchorHint, its text offered to OnAnchorHint first), a text too large
    // for its cell (HintShowLargeText), and cell texts shown with their tags
    // (HTMLHint) rather than stripped.
    bool AnchorHint() const;
    void SetAnchorHint(bool Value);
    bool HintShowLargeText() const;
    void SetHintShowLargeText(bool Value);
    bool HTMLHint() const;
    void SetHTMLHint(bool Value);
    TAnchorHintEvent OnAnchorHint;  // (Sender, ARow, ACol, var hint text)
    // A text too large for its cell shows over the cell's top-left corner
    // unless this is on; then it shows where the cell's hint would.
    bool HintShowLargeTextPos() const;
    void SetHintShowLargeTextPos(bool Value);
    // Amends the hint of base cell (ACol, ARow), displayed, for the pointer at (X, Y).
    void RichCellHint(int ACol, int ARow, int X, int Y, std::string& Hint);
    // Incremental search on typed keys (Navigation.AutoGotoWhenSorted,
    // without editing): the row found becomes current. With
    // AutoGotoIncremental the keys add up, Backspace takes the last one off,
    // and the text expires on the fourth grid timer tick after the last key.
    const std::string& IncrementalSearchText();
    bool IncrementalSearchKey(char32_t Key);
    void ClearIncrementalSearch();
    // With SizeWithForm the grid grows and shrinks with its form; the
    // form's own resize handler still runs after.
    void FollowParentFormSize();
    // The drop-down button of header cells (ControlLook.FixedDropDownButton):
    // a press on it opens FixedDropDownMenu, Tag set to the column, below
    // the button; OnFixedDropDownClick (ACol, ARow, var menu, var keep the
    // header highlighted) may hand another menu or none.
    plat::TPopupMenu* FixedDropDownMenu();
    void SetFixedDropDownMenu(plat::TPopupMenu* Value);
    std::function<void(TObject*, int, int, plat::TPopupMenu*&, bool&)> OnFixedDropDownClick;
    // The gesture a press at the pointer would start, forecast at every
    // move and shown by the pointer: a whole row from its header, a whole
    // column from its header, everything from the corner, or the selection
    // stretched by its resizer.
    enum TMouseSelectMode { msNormal, msColumn, msRow, msAll, msURL, msResize };
    TMouseSelectMode MouseSelectMode() const;
    // The grid's own pointers for those gestures.
    static constexpr plat::TCursor crRowSelect = 8010, crColumnSelect = 8011, crAllSelect = 8012;
    // The stretching selection resizer shares the corner's pointer
    // (crAllSelect). With CellSelectorMode on, a left press on a cell only
    // hands the cell to CellSelectorClick (nothing is selected or edited)
    // and the pointer over the grid is crCellSelector.
    static constexpr plat::TCursor crCellSelector = 8014;
    bool CellSelectorMode() const;
    void SetCellSelectorMode(bool Value);
    // The hint of a cell whose text is HTML (or packed wide text) shows in
    // the grid's own hint window, drawn as the cell draws it, while this is
    // on; off, the plain hint shows the text as it stands.
    bool UseInternalHintClass() const;
    void SetUseInternalHintClass(bool Value);

private:
    struct TMouseFeedbackState;
    std::shared_ptr<TMouseFeedbackState> FMouseFeedback;  // made on first use
    TMouseFeedbackState& Fb();
    // Called by the mouse handling after the framework's own move handling.
    void MouseFeedback(int X, int Y);
    void SelectModePointer(plat::TGridCoord Cell, bool OnCell, int X, int Y);
    // Sets one of the grid's own pointers, drawn on first use.
    void SetOwnCursor(plat::TCursor Id);
    // Hides the grid's own hint window of a cell; (ACol, ARow) is the base
    // cell now under the pointer ((-1,-1) none): the hint of that same cell
    // stays.
    void CancelCellHint(int ACol = -1, int ARow = -1);
    // At the release: true when the place a dragged column (row) was let go
    // on was refused; the state then stops being a move.
    bool RefuseMoveAtRelease();
    void CloseSizeHint();
    void IncrementalSearchTick();
    bool FixedDropDownPress(int X, int Y);
    // A press on an editable rating cell sets half a star per 9 pixels.
    bool RatingPress(int ACol, int ARow, int X);
    void ParentFormResize(TObject* Sender);
protected:
    void HintShowing(std::string& HintStr, plat::THintInfo& Info) override;
    // A left press on (ACol, ARow), displayed, in cell-selector mode; the
    // grid itself does nothing with it.
    virtual void CellSelectorClick(int ACol, int ARow) { (void)ACol, (void)ARow; }
public:
    // The feedback of a column (row) dragged with EnhRowColMove, for
    // checks: the dragged header, or the picture of the dragged cells with
    // DragDropSettings.ShowCells, and the arrows at the landing edge
    // (TMoveArrowSide: pointing up, down, left, right). Null before the
    // first drag; hidden (the picture gone) after the release.
    plat::TControl* MoveDragImage();
    plat::TForm* MoveCellPicture();
    plat::TControl* MoveArrow(int Side);

private:
    struct TMoveFeedbackState;
    std::shared_ptr<TMoveFeedbackState> FMoveFeedback;  // made on first use
    TMoveFeedbackState& Mv();
    void MoveFeedbackStart(int Cell, int X, int Y);
    void MoveFeedback(plat::TGridCoord Cell, int X, int Y);
    void EndMoveFeedback();
public:
    // The scroll bar in a cell of kind scroll bar whose text is taller than
    // the cell (page below range): drawn at the cell's right edge, it
    // scrolls the cell's text up. Its arrows step by 10, the track by 100,
    // the thumb follows the pointer; OnScrollCell (Sender, ACol displayed,
    // ARow, position, minimum, maximum) tells each change.
    std::function<void(TObject*, int, int, int, int, int)> OnScrollCell;
    static constexpr int CellScrollBarWidth = 17;
    plat::TRect CellScrollBarRect(int ACol, int ARow);  // displayed; empty without a bar
    // Paints the bar at R's right edge and narrows R; returns how far the
    // cell's text is scrolled up.
    int DrawCellScrollBar(plat::TCanvas& Canvas, int ACol, int ARow, plat::TRect& R);
    // Sets the position, kept within the text; true when it changed.
    bool ScrollCellTo(int ACol, int ARow, int Pos);

protected:
    void CellTextChanged(int ACol, int ARow) override;

private:
    struct TCellScrollState;
    std::shared_ptr<TCellScrollState> FCellScroll;  // made on first use
    TCellScrollState& Cs();
    plat::TRect CellScrollBarIn(int ACol, int ARow, const plat::TRect& R);
    bool CellScrollBarPress(int X, int Y);
    bool CellScrollBarMove(int X, int Y);
    bool CellScrollBarRelease();
public:
    // With FixedAsButtons a fixed cell looks pushed (a sunken inner edge)
    // from the press until the release, when its lines are drawn and the
    // grid is three-dimensional.
    bool FixedAsButtons() const;
    void SetFixedAsButtons(bool Value);
    plat::TPoint PushedFixedCell() const;  // (-1,-1) when none; displayed
    void DrawPushedFixedCell(plat::TCanvas& Canvas, int ACol, int ARow, plat::TRect R);
    // The cell whose button (cell or expand button) is under the pointer,
    // drawn hot; (-1,-1) when none. Displayed indexes.
    plat::TPoint HoverButton() const;
    // With URLUnderlineOnHover a link is underlined only while the pointer
    // is over its cell, so a column of links stays quiet to read.
    bool URLUnderlineOnHover() const;
    void SetURLUnderlineOnHover(bool Value);
    bool LinkUnderlined(int RCol, int ARow);
    // The selection resizer: the square at the selection's bottom-right
    // corner, dragged, stretches the selection and fills it with what the
    // selection held (copied to the clipboard at the press). Both events
    // get (Sender, the selection at the press, the stretched selection).
    std::function<void(TObject*, const TGridRect&, const TGridRect&)> OnSelectionResize;
    std::function<void(TObject*, const TGridRect&, const TGridRect&)> OnSelectionResized;
    bool OnSelectionResizer(int X, int Y);

private:
    struct TMouseButtonsState;
    std::shared_ptr<TMouseButtonsState> FMouseButtons;  // made on first use
    TMouseButtonsState& Mb();
    void FixedButtonPress(int ACol, int ARow, bool FixedArea, int X);
    void FixedButtonRelease();
    void ButtonHover(int X, int Y);
    void MouseButtonsMove(int X, int Y);
    // Fixed columns (rows) sized by a border anywhere along them
    // (MouseActions.SizeFixedCol, SizeFixedRow), not only in the headers.
    bool FixedBorderAt(int X, int Y, int& Col, int& Row);
    bool FixedSizingPress(int X, int Y);
    bool FixedSizingRelease(int X, int Y);
    bool ResizerPress(int X, int Y);
    bool ResizerRelease();
    bool SelectionResizing() const;  // the resizer is being dragged
    // How far the border of a column sized from its header has moved out
    // from the press: rightwards, or leftwards in a mirrored grid.
    int SizingDeltaX(int X);

public:

    // ------------------------------------------------------ end of the area blocks
};

}  // namespace grid
