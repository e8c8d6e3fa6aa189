#include "grid/ExtCGrid.h"

#include <algorithm>
#include <stdexcept>

#include "base/StrUtils.h"
#include "controls/ExtUtil.h"

namespace grid {

// ----------------------------------------------------------- column item

TGridColumnItem::TGridColumnItem(TGridColumnCollection* Collection) : FCollection(Collection) {
    FBorderPen.SetWidth(1);
    FBorderPen.SetColor(plat::clSilver);
    FPrintBorderPen.SetWidth(1);
    FPrintBorderPen.SetColor(plat::clBlack);
    if (TExtColumnGrid* g = Grid()) {
        FFont = g->Font();
        FHeaderFont = g->Font();
        FPrintFont = g->Font();
        FColor = g->Color();
        FFilter.OnChange = [this] { Repaint(); };
    }
}

TExtColumnGrid* TGridColumnItem::Grid() const { return FCollection ? FCollection->Owner() : nullptr; }

int TGridColumnItem::Index() const { return FCollection ? FCollection->IndexOf(this) : -1; }

void TGridColumnItem::Changed() {
    if (FCollection) FCollection->Update(this);
}

void TGridColumnItem::Repaint() {
    if (TExtColumnGrid* g = Grid()) g->Invalidate();
}

void TGridColumnItem::Assign(const TObject* Source) {
    const auto* src = dynamic_cast<const TGridColumnItem*>(Source);
    if (!src || src == this) return;
    AssignVisuals(*src);
    FHeader = src->FHeader;
    FName = src->FName;
    FTag = src->FTag;
    FComboItems.Assign(src->FComboItems.Items());
    FDropDownCount = src->FDropDownCount;
    FHeaderFont = src->FHeaderFont;
    FColor = src->FColor;
    FFont = src->FFont;
}

void TGridColumnItem::AssignVisuals(const TGridColumnItem& Source) {
    FWidth = Source.Width();
    FAlignment = Source.FAlignment;
    FSortStyle = Source.FSortStyle;
    FSortPrefix = Source.FSortPrefix;
    FSortSuffix = Source.FSortSuffix;
    FEditMask = Source.FEditMask;
    FEditLength = Source.FEditLength;
    FEditor = Source.FEditor;
    FFixed = Source.FFixed;
    FReadOnly = Source.FReadOnly;
    FSpinMin = Source.FSpinMin;
    FSpinMax = Source.FSpinMax;
    FSpinStep = Source.FSpinStep;
    FPassword = Source.FPassword;
    FPrintFont = Source.FPrintFont;
    FPrintColor = Source.FPrintColor;
    FBorders = Source.FBorders;
    FBorderPen = Source.FBorderPen;
    FPrintBorders = Source.FPrintBorders;
    FPrintBorderPen = Source.FPrintBorderPen;
    FDefIdx = Source.FDefIdx;
    FCheckFalse = Source.FCheckFalse;
    FCheckTrue = Source.FCheckTrue;
    FShowBands = Source.FShowBands;
    FFilter.Assign(Source.FFilter.Items());
    FMaxSize = Source.FMaxSize;
    FMinSize = Source.FMinSize;
    FAutoMinSize = Source.FAutoMinSize;
    FAutoMaxSize = Source.FAutoMaxSize;
    FFilterCaseSensitive = Source.FFilterCaseSensitive;
    FFloatFormat = Source.FFloatFormat;
    FHeaderAlignment = Source.FHeaderAlignment;
    FColumnPopup = Source.FColumnPopup;
    if (TExtColumnGrid* g = Grid()) {
        FColor = g->Color();
        FFont = g->Font();
    }
}

std::string TGridColumnItem::GetDisplayName() const {
    const std::string index = base::IntToStr(Index());
    return FName.empty() ? "Column " + index : "Col " + index + ": " + FName;
}

int TGridColumnItem::Width() const {
    const TExtColumnGrid* g = Grid();
    if (!g) return 0;
    const int i = Index();
    return i >= 0 ? g->AllColWidths(i) : FWidth;
}

void TGridColumnItem::SetWidth(int Value) {
    FWidth = Value;
    if (TExtColumnGrid* g = Grid()) {
        const int i = Index();
        if (i >= 0) g->SetAllColWidths(i, Value);
    }
}

void TGridColumnItem::SetAlignment(plat::TAlignment Value) {
    FAlignment = Value;
    Repaint();
}

void TGridColumnItem::SetHeader(const std::string& Value) {
    FHeader = Value;
    TExtColumnGrid* g = Grid();
    if (!g) return;
    if (g->FixedRows() > 0 && !g->ColMoving()) {
        // The real column: a hidden column keeps its title for its return.
        g->SetCells(Index(), 0, Value);
        Changed();
    }
    std::vector<std::string> headers;
    for (int i = 0; i < FCollection->Count(); ++i) headers.push_back(FCollection->Items(i).Header());
    auto onChange = std::move(g->ColumnHeaders().OnChange);
    g->ColumnHeaders().OnChange = nullptr;
    g->ColumnHeaders().Assign(headers);
    g->ColumnHeaders().OnChange = std::move(onChange);
}

void TGridColumnItem::SetBorders(TCellBorders Value) {
    FBorders = Value;
    Changed();
}

void TGridColumnItem::SetEditor(TEditorType Value) {
    if (Value == FEditor) return;
    // The cell kind of the column changes only to or from a check-box column.
    const bool repaint = Value == edDataCheckBox || FEditor == edDataCheckBox;
    FEditor = Value;
    if (repaint) Repaint();
}

void TGridColumnItem::SetFixed(bool Value) {
    FFixed = Value;
    Changed();
}

void TGridColumnItem::SetPassword(bool Value) {
    FPassword = Value;
    Changed();
}

void TGridColumnItem::SetFloatFormat(const std::string& Value) {
    FFloatFormat = Value;
    Repaint();
}

void TGridColumnItem::SetHeaderAlignment(plat::TAlignment Value) {
    FHeaderAlignment = Value;
    Repaint();
}

void TGridColumnItem::SetColor(TColor Value) {
    FColor = Value;
    Changed();
}

std::string TGridColumnItem::Rows(int Idx) const {
    TExtColumnGrid* g = Grid();
    return g ? g->Cells(Index(), Idx) : std::string();
}

void TGridColumnItem::SetRows(int Idx, const std::string& Value) {
    if (TExtColumnGrid* g = Grid()) g->SetCells(Index(), Idx, Value);
}

// A column without a grid has no cells: reads give the empty cell's value.
int TGridColumnItem::Ints(int Idx) const {
    TExtColumnGrid* g = Grid();
    return g ? g->Ints(Index(), Idx) : 0;
}

void TGridColumnItem::SetInts(int Idx, int Value) {
    if (TExtColumnGrid* g = Grid()) g->SetInts(Index(), Idx, Value);
}

double TGridColumnItem::Floats(int Idx) const {
    TExtColumnGrid* g = Grid();
    return g ? g->Floats(Index(), Idx) : 0;
}

void TGridColumnItem::SetFloats(int Idx, double Value) {
    if (TExtColumnGrid* g = Grid()) g->SetFloats(Index(), Idx, Value);
}

base::TDateTime TGridColumnItem::Dates(int Idx) const {
    TExtColumnGrid* g = Grid();
    return g ? g->Dates(Index(), Idx) : 0;
}

void TGridColumnItem::SetDates(int Idx, base::TDateTime Value) {
    if (TExtColumnGrid* g = Grid()) g->SetDates(Index(), Idx, Value);
}

base::TDateTime TGridColumnItem::Times(int Idx) const {
    TExtColumnGrid* g = Grid();
    return g ? g->Times(Index(), Idx) : 0;
}

void TGridColumnItem::SetTimes(int Idx, base::TDateTime Value) {
    if (TExtColumnGrid* g = Grid()) g->SetTimes(Index(), Idx, Value);
}

// ----------------------------------------------------------- collection

TGridColumnItem& TGridColumnCollection::Items(int Index) const {
    if (Index < 0 || Index >= Count()) throw std::out_of_range("List index out of bounds (" + base::IntToStr(Index) + ")");
    return *FItems[static_cast<size_t>(Index)];
}

TGridColumnItem& TGridColumnCollection::Add() {
    FItems.push_back(std::make_unique<TGridColumnItem>(this));
    TGridColumnItem& item = *FItems.back();
    if (FItems.size() > 1) item.AssignVisuals(*FItems[FItems.size() - 2]);
    return item;
}

TGridColumnItem& TGridColumnCollection::Insert(int Index) {
    Index = std::clamp(Index, 0, Count());
    auto it = FItems.insert(FItems.begin() + Index, std::make_unique<TGridColumnItem>(this));
    return **it;
}

void TGridColumnCollection::Delete(int Index) {
    Items(Index);
    FItems.erase(FItems.begin() + Index);
}

int TGridColumnCollection::IndexOf(const TGridColumnItem* Item) const {
    for (size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i].get() == Item) return static_cast<int>(i);
    return -1;
}

void TGridColumnCollection::Assign(const TGridColumnCollection& Source) {
    if (&Source == this) return;
    const bool old = FNoRecursiveUpdate;
    FNoRecursiveUpdate = true;
    FItems.clear();
    for (int i = 0; i < Source.Count(); ++i) {
        FItems.push_back(std::make_unique<TGridColumnItem>(this));
        FItems.back()->Assign(&Source.Items(i));
    }
    FNoRecursiveUpdate = old;
}

void TGridColumnCollection::Update(TGridColumnItem*) {
    if (FUpdateCount > 0 || FNoRecursiveUpdate || !FOwner || FOwner->IsLoading()) return;
    const int n = Count() - FOwner->NumHiddenColumns();
    if (n != FOwner->ColCount() && n > FOwner->FixedCols()) FOwner->SetColCount(n);
    FOwner->UpdateColumnHeaders();
    FOwner->Invalidate();
}

void TGridColumnCollection::SetOrganization() {
    const bool old = FNoRecursiveUpdate;
    FNoRecursiveUpdate = true;
    if (FOwner) FOwner->SynchronizeColumns();
    FNoRecursiveUpdate = old;
    for (int i = 0; i < Count(); ++i) FItems[static_cast<size_t>(i)]->SetDefIdx(i);
}

// ----------------------------------------------------------- column grid

TExtColumnGrid::TExtColumnGrid(plat::TComponent* AOwner) : TExtStringGrid(AOwner) {
    FColumns = std::make_unique<TGridColumnCollection>(this);
    FColumns->SetNoRecursiveUpdate(true);
    SynchronizeColumns();
    FColumns->SetNoRecursiveUpdate(false);
    FCellGraphic = std::make_unique<TCellGraphic>();
    FSaveCol = std::make_unique<TGridColumnItem>(nullptr);
}

TExtColumnGrid::~TExtColumnGrid() { FDestroying = true; }

void TExtColumnGrid::SynchronizeColumns() {
    const int target = ColCount() + NumHiddenColumns();
    while (FColumns->Count() < target) FColumns->Add();
    while (FColumns->Count() > target) FColumns->Delete(FColumns->Count() - 1);
}

void TExtColumnGrid::SetColCount(int Value) {
    TExtStringGrid::SetColCount(Value);
    if (!FColumns) return;
    const bool old = FColumns->NoRecursiveUpdate();
    FColumns->SetNoRecursiveUpdate(true);
    SynchronizeColumns();
    FColumns->SetNoRecursiveUpdate(old);
}

TGridColumnItem* TExtColumnGrid::GetColumnByName(const std::string& AValue) const {
    for (int i = 0; i < FColumns->Count(); ++i)
        if (FColumns->Items(i).Name() == AValue) return &FColumns->Items(i);
    return nullptr;
}

void TExtColumnGrid::Loaded() {
    TExtStringGrid::Loaded();
    const bool old = FColumns->NoRecursiveUpdate();
    FColumns->SetNoRecursiveUpdate(true);
    SynchronizeColumns();
    FColumns->SetNoRecursiveUpdate(old);
    FColumns->SetOrganization();
}

void TExtColumnGrid::AfterBulkChange() {
    // A load may have changed the column count behind the items' back.
    TExtStringGrid::AfterBulkChange();
    const bool old = FColumns->NoRecursiveUpdate();
    FColumns->SetNoRecursiveUpdate(true);
    SynchronizeColumns();
    FColumns->SetNoRecursiveUpdate(old);
}

void TExtColumnGrid::UpdateColumnHeaders() {
    if (FixedRows() <= 0) return;
    std::vector<std::string> headers;
    for (int i = 0; i < FColumns->Count(); ++i) {
        TGridColumnItem& item = FColumns->Items(i);
        const std::string cell = GetGridCell(i, 0);
        if (item.Header().empty() && !cell.empty()) item.SetHeaderField(cell);
        headers.push_back(item.Header());
    }
    auto onChange = std::move(ColumnHeaders().OnChange);
    ColumnHeaders().OnChange = nullptr;
    ColumnHeaders().Assign(headers);
    ColumnHeaders().OnChange = std::move(onChange);
}

void TExtColumnGrid::ColumnHeadersChanged() {
    if (!FColumns) return;
    const int n = std::min(ColumnHeaders().Count(), FColumns->Count());
    for (int i = 0; i < n; ++i) FColumns->Items(i).SetHeaderField(ColumnHeaders()[i]);
}

int TExtColumnGrid::GetEditLimit() {
    int limit = TExtStringGrid::GetEditLimit();
    if (Col() < FColumns->Count() && Col() >= FixedCols()) {
        const int real = RealColIndex(Col());
        if (InRange(real)) limit = FColumns->Items(real).EditLength();
    }
    return limit;
}

std::string TExtColumnGrid::GetEditMask(int ACol, int ARow) {
    std::string mask;
    if (ACol < FColumns->Count() && ACol >= FixedCols()) {
        const int real = RealColIndex(ACol);
        if (InRange(real)) mask = FColumns->Items(real).EditMask();
    }
    // The grid's own mask and its event have the last word when they give one.
    const std::string grid = TExtStringGrid::GetEditMask(ACol, ARow);
    return grid.empty() ? mask : grid;
}

void TExtColumnGrid::GetCellPropertyDefaults(int ACol, int ARow, plat::TFont& AFont, plat::TBrush& ABrush,
                                             TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                                             plat::TAlignment& HA, TVAlignment& VA, bool& WW,
                                             TCellGradientDirection& GD) {
    if (!FColumns || !InRange(ACol)) {
        TExtStringGrid::GetCellPropertyDefaults(ACol, ARow, AFont, ABrush, AColorTo, AMirrorColor, AMirrorColorTo, HA,
                                                VA, WW, GD);
        return;
    }
    TGridColumnItem& item = FColumns->Items(ACol);
    AFont = item.Font();
    ABrush.SetColor(item.Color());
    AColorTo = plat::clNone;
    HA = ARow < FixedRows() ? item.HeaderAlignment() : item.Alignment();
    VA = VAlignment();
    WW = WordWrap();
    GD = GradientVertical;
    // A fixed cell keeps the fixed look rather than a brush of its own.
    if (IsFixed(ACol, ARow)) ABrush.SetColor(plat::clNone);
}

void TExtColumnGrid::GetCellBorder(int ACol, int ARow, TCellBorders& Borders, plat::TPen& APen) {
    if (InRange(ACol) && NormalCell(ACol, ARow)) {
        TGridColumnItem& item = FColumns->Items(ACol);
        Borders = item.Borders();
        APen = item.BorderPen();
    }
    TExtStringGrid::GetCellBorder(ACol, ARow, Borders, APen);
}

void TExtColumnGrid::GetCellPrintBorder(int ACol, int ARow, TCellBorders& Borders, plat::TPen& APen) {
    if (InRange(ACol) && NormalCell(ACol, ARow) && FColumns->Items(ACol).PrintBorderCustom()) {
        TGridColumnItem& item = FColumns->Items(ACol);
        Borders = item.PrintBorders();
        APen = item.PrintBorderPen();
    }
    TExtStringGrid::GetCellPrintBorder(ACol, ARow, Borders, APen);
}

void TExtColumnGrid::GetCellPrintColor(int ACol, int ARow, TGridDrawState AState, plat::TBrush& ABrush,
                                       plat::TFont& AFont) {
    // Fixed and trailing cells keep the printing's fixed look.
    if (InRange(ACol) && NormalCell(ACol, ARow) && NotTrailing(ACol, ARow)) {
        TGridColumnItem& item = FColumns->Items(ACol);
        ABrush.SetColor(item.Fixed() ? FixedColor() : item.PrintColor());
        const TCellProperties* p = PropsOf(ACol, ARow);
        if (p && p->BrushColor() != plat::clNone) ABrush.SetColor(p->BrushColor());
        if (item.PrintFontCustom()) {
            AFont.Assign(item.PrintFont());
            if (p) {
                if (p->FontColor() != plat::clNone) AFont.SetColor(p->FontColor());
                if (!p->FontStyle().Empty()) AFont.SetStyle(p->FontStyle());
                if (p->FontSize() != 0) AFont.SetSize(p->FontSize());
                if (!p->FontName().empty()) AFont.SetName(p->FontName());
            }
        }
    }
    TExtStringGrid::GetCellPrintColor(ACol, ARow, AState, ABrush, AFont);
}

void TExtColumnGrid::GetCellFormat(int ACol, TSortStyle& AStyle, std::string& APrefix, std::string& ASuffix) {
    if (InRange(ACol)) {
        const TGridColumnItem& item = FColumns->Items(ACol);
        AStyle = item.SortStyle();
        APrefix = item.SortPrefix();
        ASuffix = item.SortSuffix();
    }
    TExtStringGrid::GetCellFormat(ACol, AStyle, APrefix, ASuffix);
}

// ----------------------------------------------------------- per-cell answers

std::string TExtColumnGrid::GetFloatFormat(int ACol, int ARow) const {
    if (FColumns && InRange(ACol) && !FColumns->Items(ACol).FloatFormat().empty())
        return FColumns->Items(ACol).FloatFormat();
    return TExtStringGrid::GetFloatFormat(ACol, ARow);
}

std::string TExtColumnGrid::GetFormattedCell(int ACol, int ARow) {
    if (!FColumns || !InRange(ACol)) return TExtStringGrid::GetFormattedCell(ACol, ARow);
    // A column with a float format shows its plain numbers through it; a
    // number with an exponent is shown as typed.
    const std::string text = Cells(ACol, ARow);
    std::string format = FColumns->Items(ACol).FloatFormat();
    const int kind = ctl::ClassifyNumberText(base::Trim(text));
    bool isFloat = kind == ctl::ntInteger || kind == ctl::ntDecimal;
    if (OnGetFloatFormat) OnGetFloatFormat(this, ACol, ARow, isFloat, format);
    if (!isFloat || format.empty() || !base::IsFloatFormat(format)) return text;
    try {
        return base::FormatFloat(format, Floats(ACol, ARow));
    } catch (const EExtGridError&) {
        // The event may call a word a number: it is shown as typed, since
        // painting a cell must not fail.
        return text;
    }
}

TCellType TExtColumnGrid::GetCellType(int ACol, int ARow) {
    const TCellType t = TExtStringGrid::GetCellType(ACol, ARow);
    if (FDestroying || !FColumns) return t;
    if (t == ctEmpty && InRange(ACol) && NormalCell(ACol, ARow) && NotTrailing(ACol, ARow) &&
        FColumns->Items(ACol).Editor() == edDataCheckBox)
        return ctDataCheckBox;
    return t;
}

TCellGraphic* TExtColumnGrid::GetCellGraphic(int ACol, int ARow) {
    TCellGraphic* g = TExtStringGrid::GetCellGraphic(ACol, ARow);
    if (g || FDestroying || !FColumns) return g;
    if (InRange(ACol) && NormalCell(ACol, ARow) && NotTrailing(ACol, ARow) &&
        FColumns->Items(ACol).Editor() == edDataCheckBox) {
        FCellGraphic->SetCellType(ctVirtCheckBox);
        // The box is drawn where the column aligns it; a click must find it
        // there too.
        FCellGraphic->SetCellHAlign(FColumns->Items(ACol).Alignment() == plat::taCenter ? haCenter : haLeft);
        FCellGraphic->SetCellTransparent(ControlLook().ControlStyle() == csFlat);
        return FCellGraphic.get();
    }
    return nullptr;
}

void TExtColumnGrid::DoUpdateColumnSize(int ACol, int& AWidth) {
    if (InRange(ACol)) {
        const TGridColumnItem& item = FColumns->Items(ACol);
        if (item.MinSize() > 0 && AWidth < item.MinSize()) AWidth = item.MinSize();
        if (item.MaxSize() > 0 && AWidth > item.MaxSize()) AWidth = item.MaxSize();
    }
    TExtStringGrid::DoUpdateColumnSize(ACol, AWidth);
}

void TExtColumnGrid::DoUpdateAutoColumnSize(int ACol, int& AWidth) {
    if (InRange(ACol)) {
        const TGridColumnItem& item = FColumns->Items(ACol);
        if (item.AutoMinSize() > 0 && AWidth < item.AutoMinSize()) AWidth = item.AutoMinSize();
        if (item.AutoMaxSize() > 0 && AWidth > item.AutoMaxSize()) AWidth = item.AutoMaxSize();
    }
    TExtStringGrid::DoUpdateAutoColumnSize(ACol, AWidth);
}

void TExtColumnGrid::DoGetAlignment(int ACol, int ARow, plat::TAlignment& HAlign, TVAlignment& VAlign) {
    if (InRange(ACol)) {
        const TGridColumnItem& item = FColumns->Items(ACol);
        HAlign = ARow < FixedRows() ? item.HeaderAlignment() : item.Alignment();
        if (PropsOf(ACol, ARow)) HAlign = Alignments(ACol, ARow);
    }
    TExtStringGrid::DoGetAlignment(ACol, ARow, HAlign, VAlign);
}

void TExtColumnGrid::GetCellColor(int ACol, int ARow, TGridDrawState AState, plat::TBrush& ABrush,
                                  plat::TFont& AFont) {
    if (InRange(ACol) && ACol >= FixedCols() && NotTrailing(ACol, ARow)) {
        TGridColumnItem& item = FColumns->Items(ACol);
        if (item.Fixed()) ABrush.SetColor(FixedColor());
        else if (ARow >= FixedRows()) ABrush.SetColor(item.Color());
        AFont.Assign(ARow < FixedRows() ? item.HeaderFont() : item.Font());
        if (const TCellProperties* p = PropsOf(ACol, ARow)) {
            if (p->BrushColor() != plat::clNone) ABrush.SetColor(p->BrushColor());
            if (p->FontColor() != plat::clNone) AFont.SetColor(p->FontColor());
        }
    }
    TExtStringGrid::GetCellColor(ACol, ARow, AState, ABrush, AFont);
}

void TExtColumnGrid::GetCellEditor(int ACol, int ARow, TEditorType& AEditor) {
    if (InRange(ACol)) {
        TGridColumnItem& item = FColumns->Items(ACol);
        if (NormalCell(ACol, ARow)) {
            AEditor = item.Editor();
            // One combo editor serves every combo column: refilled each time.
            FEditComboItems.Assign(item.ComboItems().Items());
            FEditDropDownCount = item.DropDownCount();
            ControlLook().SetDropDownCount(item.DropDownCount());
        }
        if (!item.FloatFormat().empty()) SetFloatFormat(item.FloatFormat());
    }
    TExtStringGrid::GetCellEditor(ACol, ARow, AEditor);
}

void TExtColumnGrid::DoIsFixedCell(int ACol, int ARow, bool& IsFixed) {
    const int real = RealColIndex(ACol);
    if (InRange(real) && NormalCell(ACol, ARow) && FColumns->Items(real).Fixed()) IsFixed = true;
    TExtStringGrid::DoIsFixedCell(ACol, ARow, IsFixed);
}

void TExtColumnGrid::CanEditCell(int ACol, int ARow, bool& CanEdit) {
    CanEdit = false;
    if (!IsLoading() && InRange(ACol) && NormalCell(ACol, ARow)) {
        const TGridColumnItem& item = FColumns->Items(ACol);
        CanEdit = !item.ReadOnly() && !item.Fixed();
    }
    if (PropsOf(ACol, ARow) && CanEdit) CanEdit = !ReadOnly(ACol, ARow);
    if (OnCanEditCell) OnCanEditCell(this, ARow, ACol, CanEdit);
}

void TExtColumnGrid::IsPasswordCell(int ACol, int ARow, bool& IsPassword) {
    if (InRange(ACol)) IsPassword = FColumns->Items(ACol).Password();
    TExtStringGrid::IsPasswordCell(ACol, ARow, IsPassword);
}

bool TExtColumnGrid::HasComboBox(int ACol, int ARow) {
    bool has = false;
    if (InRange(ACol) && NormalCell(ACol, ARow)) {
        const TEditorType e = FColumns->Items(ACol).Editor();
        has = e == edComboEdit || e == edComboList;
    }
    if (OnHasComboBox) OnHasComboBox(this, ACol, ARow, has);
    return has;
}

void TExtColumnGrid::GetCheckTrue(int ACol, int ARow, std::string& Value) {
    // The grid's answer and its event come first; the column has the last word.
    TExtStringGrid::GetCheckTrue(ACol, ARow, Value);
    if (InRange(ACol) && NormalCell(ACol, ARow) && NotTrailing(ACol, ARow)) Value = FColumns->Items(ACol).CheckTrue();
}

void TExtColumnGrid::GetCheckFalse(int ACol, int ARow, std::string& Value) {
    TExtStringGrid::GetCheckFalse(ACol, ARow, Value);
    if (InRange(ACol) && NormalCell(ACol, ARow) && NotTrailing(ACol, ARow)) Value = FColumns->Items(ACol).CheckFalse();
}

bool TExtColumnGrid::GetColumnFilter(int Column) {
    TExtStringGrid::GetColumnFilter(Column);
    if (!InRange(Column) || FColumns->Items(Column).Filter().Count() == 0) return false;
    std::vector<std::string> entries;
    for (const std::string& e : FColumns->Items(Column).Filter().Items()) {
        const size_t eq = e.find('=');
        entries.push_back(eq == std::string::npos ? e : e.substr(0, eq));
    }
    FilterList().Assign(entries);
    return true;
}

void TExtColumnGrid::ColWidthsChanged() {
    TExtStringGrid::ColWidthsChanged();
    // Item widths follow the grid: a later layout save stores what is shown.
    if (IsLoading() || FDestroying || !FColumns) return;
    for (int c = 0; c < ColCount(); ++c) {
        const int real = RealColIndex(c);
        if (InRange(real)) FColumns->Items(real).SetWidthField(ColWidths(c));
    }
}

}  // namespace grid
