// Cell access by real column and displayed or real row, typed access,
// headers and per-cell properties.

#include <algorithm>
#include <array>
#include <regex>

#include "base/StrUtils.h"
#include "controls/ExtUtil.h"
#include "controls/HtmlText.h"
#include "grid/ExtGrid.h"

namespace grid {

namespace {

const char* const kNoInteger = "Cell does not contain integer value";
const char* const kNoFloat = "Cell does not contain a float value";

int TextToInt(const std::string& Text, int ACol, int ARow) {
    const std::string s = base::Trim(Text);
    // An empty cell and a lone dash read as zero.
    if (s.empty() || s == "-") return 0;
    int v = 0;
    if (!base::TryStrToInt(s, v)) throw EExtGridError(kNoInteger, ACol, ARow);
    return v;
}

double TextToFloat(const std::string& Text, int ACol, int ARow) {
    const std::string s = ctl::NormalizeNumberText(Text);
    if (s.empty() || s == "-") {
        // Normalising drops the leading characters that cannot start a
        // number, so a word comes out empty too; only a cell that is empty
        // or holds a lone dash reads as zero, a word is no number.
        const std::string shown = base::Trim(Text);
        if (shown.empty() || shown == "-") return 0;
        throw EExtGridError(kNoFloat, ACol, ARow);
    }
    double v = 0;
    if (!base::TryStrToFloat(s, v)) throw EExtGridError(kNoFloat, ACol, ARow);
    return v;
}

}  // namespace

// ----------------------------------------------------------- text

void TExtStringGrid::RepaintIfHiddenCols(int ACol, int ARow) {
    const int d = DisplColIndex(ACol);
    if (d != ACol) RepaintCell(d, ARow);
}

std::string TExtStringGrid::AllCells(int ACol, int ARow) {
    if (ACol < 0 || ARow < 0) return {};
    if (const TGridItem* item = FindHiddenRow(ARow)) {
        std::string text;
        if (ACol < static_cast<int>(item->Items.size())) text = item->Items[static_cast<size_t>(ACol)].Text;
        DoGetDisplText(ACol, ARow, text);
        return text;
    }
    return Cells(ACol, DisplRowIndex(ARow));
}

void TExtStringGrid::SetAllCells(int ACol, int ARow, const std::string& Value) {
    if (ACol < 0 || ARow < 0) return;
    if (TGridItem* item = FindHiddenRow(ARow)) {
        if (ACol >= static_cast<int>(item->Items.size())) item->Items.resize(static_cast<size_t>(ACol) + 1);
        item->Items[static_cast<size_t>(ACol)].Text = Value;
        return;
    }
    const int r = DisplRowIndex(ARow);
    SetCells(ACol, r, Value);
    RepaintIfHiddenCols(ACol, r);
}

std::string TExtStringGrid::AllGridCells(int ACol, int ARow) const {
    if (const TGridItem* item = FindHiddenRow(ARow)) {
        if (ACol < 0 || ACol >= static_cast<int>(item->Items.size())) return {};
        return item->Items[static_cast<size_t>(ACol)].Text;
    }
    return GetGridCell(ACol, DisplRowIndex(ARow));
}

void TExtStringGrid::SetAllGridCells(int ACol, int ARow, const std::string& Value) {
    if (ACol < 0 || ARow < 0) return;
    if (TGridItem* item = FindHiddenRow(ARow)) {
        // A hidden row stores only the columns it had; a later column is
        // padded in, as the cooked write does, rather than failing.
        if (ACol >= static_cast<int>(item->Items.size())) item->Items.resize(static_cast<size_t>(ACol) + 1);
        item->Items[static_cast<size_t>(ACol)].Text = Value;
        return;
    }
    SetGridCell(ACol, DisplRowIndex(ARow), Value);
}

TObject* TExtStringGrid::AllObjects(int ACol, int ARow) const {
    if (const TGridItem* item = FindHiddenRow(ARow)) {
        if (ACol < 0 || ACol >= static_cast<int>(item->Items.size())) return nullptr;
        const auto& props = item->Items[static_cast<size_t>(ACol)].Props;
        return props ? props->CellObject() : nullptr;
    }
    return Objects(ACol, DisplRowIndex(ARow));
}

void TExtStringGrid::SetAllObjects(int ACol, int ARow, TObject* Value) {
    if (ACol < 0 || ARow < 0) return;
    if (TGridItem* item = FindHiddenRow(ARow)) {
        if (ACol >= static_cast<int>(item->Items.size())) item->Items.resize(static_cast<size_t>(ACol) + 1);
        auto& props = item->Items[static_cast<size_t>(ACol)].Props;
        if (!props) props.reset(new TCellProperties(this, ACol, ARow));
        props->SetCellObject(Value);
        return;
    }
    SetObjects(ACol, DisplRowIndex(ARow), Value);
}

std::string TExtStringGrid::StrippedCells(int ACol, int ARow) {
    return ctl::HtmlToPlainText(Cells(ACol, ARow));
}

int TExtStringGrid::LinesInCell(int ACol, int ARow) {
    const std::string s = Cells(ACol, ARow);
    return 1 + static_cast<int>(std::count(s.begin(), s.end(), '\r'));
}

std::string TExtStringGrid::ControlValues(int ACol, int ARow, const std::string& ID) {
    std::string value;
    if (!ctl::GetHtmlControlValue(Cells(ACol, ARow), ID, value)) return {};
    return value;
}

void TExtStringGrid::SetControlValues(int ACol, int ARow, const std::string& ID, const std::string& Value) {
    std::string text = Cells(ACol, ARow);
    if (ctl::SetHtmlControlValue(text, ID, Value)) SetCells(ACol, ARow, text);
}

void TExtStringGrid::HilightInRange(const std::string& HiText, const std::string& Tag, int FromCol, int FromRow,
                                    int ToCol, int ToRow, bool DoCase) {
    const std::string search = ctl::HtmlEscape(HiText, false);
    for (int r = FromRow; r <= ToRow; ++r)
        for (int c = FromCol; c <= ToCol; ++c) {
            if (!IsBaseCell(c, r)) continue;
            const std::string text = OnGetDisplText ? Cells(c, r) : GetGridCell(c, r);
            const std::string escaped = ctl::HtmlEscape(text, false);
            const std::string tagged = ctl::InsertHighlightTags(escaped, search, Tag, DoCase);
            // Only a cell that gets a tag is stored escaped: removing the
            // tags unescapes exactly those cells again.
            if (tagged != escaped) SetCells(c, r, tagged);
        }
}

void TExtStringGrid::UnHilightInRange(const std::string& Tag, int FromCol, int FromRow, int ToCol, int ToRow) {
    const std::string open = "<" + base::UpperCase(Tag) + ">";
    for (int r = FromRow; r <= ToRow; ++r)
        for (int c = FromCol; c <= ToCol; ++c) {
            if (!IsBaseCell(c, r)) continue;
            const std::string text = OnGetDisplText ? Cells(c, r) : GetGridCell(c, r);
            // A cell without the tag was never escaped by the highlight: an
            // entity the user typed there stays as typed.
            if (base::UpperCase(text).find(open) == std::string::npos) continue;
            SetCells(c, r, ctl::RemoveHighlightTags(ctl::HtmlUnescape(text, false), Tag));
        }
}

// ----------------------------------------------------------- typed access

int TExtStringGrid::Ints(int ACol, int ARow) { return TextToInt(StrippedCells(ACol, ARow), ACol, ARow); }

void TExtStringGrid::SetInts(int ACol, int ARow, int Value) {
    SetCells(ACol, ARow, base::IntToStr(Value));
    if (FNumHidden > 0) RepaintIfHiddenCols(ACol, ARow);
}

int TExtStringGrid::AllInts(int ACol, int ARow) { return TextToInt(AllCells(ACol, ARow), ACol, ARow); }

void TExtStringGrid::SetAllInts(int ACol, int ARow, int Value) {
    SetAllCells(ACol, ARow, base::IntToStr(Value));
}

double TExtStringGrid::Floats(int ACol, int ARow) { return TextToFloat(StrippedCells(ACol, ARow), ACol, ARow); }

void TExtStringGrid::SetFloats(int ACol, int ARow, double Value) {
    SetCells(ACol, ARow, base::FormatFloat(GetFloatFormat(ACol, ARow), Value));
}

double TExtStringGrid::AllFloats(int ACol, int ARow) { return TextToFloat(AllCells(ACol, ARow), ACol, ARow); }

void TExtStringGrid::SetAllFloats(int ACol, int ARow, double Value) {
    // Always the grid's format: a real row may be hidden, where no column
    // setting is asked.
    SetAllCells(ACol, ARow, base::FormatFloat(FFloatFormat, Value));
}

base::TDateTime TExtStringGrid::Dates(int ACol, int ARow) { return base::StrToDate(Cells(ACol, ARow)); }

void TExtStringGrid::SetDates(int ACol, int ARow, base::TDateTime Value) {
    SetCells(ACol, ARow, Value > 0 || FShowNullDates ? base::DateToStr(Value) : std::string());
}

base::TDateTime TExtStringGrid::Times(int ACol, int ARow) { return base::StrToTime(Cells(ACol, ARow)); }

void TExtStringGrid::SetTimes(int ACol, int ARow, base::TDateTime Value) {
    SetCells(ACol, ARow, base::TimeToStr(Value));
}

std::string TExtStringGrid::GetFloatFormat(int, int) const { return FFloatFormat; }

namespace {

// One integer directive ("%d" with flags and a width) and "%%": a format
// that would read any other argument is not passed to the formatter.
bool IsIntFormat(const std::string& Fmt) {
    static const std::regex one("^([^%]|%%)*%[-+ 0#]{0,5}[0-9]{0,3}d([^%]|%%)*$");
    return std::regex_match(Fmt, one);
}

}  // namespace

std::string TExtStringGrid::GetFormattedCell(int ACol, int ARow) {
    const std::string text = Cells(ACol, ARow);
    // The grid's own FloatFormat alone formats nothing: a window asks for
    // formatting through the event.
    if (!OnGetFloatFormat) return text;
    const int kind = ctl::ClassifyNumberText(base::Trim(text));
    if (kind != ctl::ntInteger && kind != ctl::ntDecimal && kind != ctl::ntExponent) return text;
    bool isFloat = true;
    std::string format = FFloatFormat;
    OnGetFloatFormat(this, ACol, ARow, isFloat, format);
    if (!isFloat || format.empty()) return text;
    if (format.find('d') != std::string::npos)
        return IsIntFormat(format) ? base::Format(format.c_str(), Ints(ACol, ARow)) : text;
    return base::IsFloatFormat(format) ? base::FormatFloat(format, Floats(ACol, ARow)) : text;
}

// ----------------------------------------------------------- current cell

// Inside a merged block the current cell is the block's base cell.
std::string TExtStringGrid::GetCurrentCell() {
    const plat::TPoint b = BaseCell(RealCol(), Row());
    return GetGridCell(b.X, b.Y);
}

void TExtStringGrid::SetCurrentCell(const std::string& Value) {
    const plat::TPoint b = BaseCell(RealCol(), Row());
    SetCells(b.X, b.Y, Value);
}

std::string TExtStringGrid::GetCurrentCellText() {
    const plat::TPoint b = BaseCell(RealCol(), Row());
    return Cells(b.X, b.Y);
}

// ----------------------------------------------------------- headers

void TExtStringGrid::SetColumnHeaders(const std::vector<std::string>& Value) {
    auto onChange = std::move(FColumnHeaders.OnChange);
    FColumnHeaders.OnChange = nullptr;
    FColumnHeaders.Assign(Value);
    FColumnHeaders.OnChange = std::move(onChange);
    if (FixedRows() > 0) ClearColumnHeaders();
    ColumnHeadersChanged();
    ShowColumnHeaders();
}

void TExtStringGrid::ShowColumnHeaders() {
    if (FixedRows() <= 0) return;
    const int n = std::min(FColumnHeaders.Count(), TotalColCount());
    // Real columns: a hidden column keeps its header for when it returns.
    for (int i = 0; i < n; ++i) SetCells(i, 0, ctl::UnescapeNewlines(FColumnHeaders[i]));
}

void TExtStringGrid::ClearColumnHeaders() {
    for (int i = 0; i < ColCount(); ++i) SetCells(i, 0, "");
}

void TExtStringGrid::SetRowHeaders(const std::vector<std::string>& Value) {
    auto onChange = std::move(FRowHeaders.OnChange);
    FRowHeaders.OnChange = nullptr;
    FRowHeaders.Assign(Value);
    FRowHeaders.OnChange = std::move(onChange);
    ShowRowHeaders();
}

void TExtStringGrid::ShowRowHeaders() {
    if (FixedCols() <= 0) return;
    const int n = std::min(FRowHeaders.Count(), RowCount());
    for (int i = 0; i < n; ++i) SetCells(0, i, ctl::UnescapeNewlines(FRowHeaders[i]));
}

void TExtStringGrid::ClearRowHeaders() {
    for (int i = 0; i < RowCount(); ++i) SetCells(0, i, "");
}

// ----------------------------------------------------------- cell properties

TCellProperties* TExtStringGrid::PropsOf(int ACol, int ARow) const {
    return dynamic_cast<TCellProperties*>(GetGridObject(ACol, ARow));
}

TColor TExtStringGrid::Colors(int ACol, int ARow) const {
    const TCellProperties* p = PropsOf(ACol, ARow);
    return p ? p->BrushColor() : plat::clNone;
}

void TExtStringGrid::SetColors(int ACol, int ARow, TColor Value) {
    GetCellProperties(ACol, ARow)->SetBrushColor(Value);
    if (FUpdateCount == 0) RepaintCell(DisplColIndex(ACol), ARow);
}

TColor TExtStringGrid::ColorsTo(int ACol, int ARow) const {
    const TCellProperties* p = PropsOf(ACol, ARow);
    return p ? p->BrushColorTo() : plat::clNone;
}

void TExtStringGrid::SetColorsTo(int ACol, int ARow, TColor Value) {
    GetCellProperties(ACol, ARow)->SetBrushColorTo(Value);
    RepaintCell(DisplColIndex(ACol), ARow);
}

TColor TExtStringGrid::FontColors(int ACol, int ARow) const {
    const TCellProperties* p = PropsOf(ACol, ARow);
    return p ? p->FontColor() : plat::clNone;
}

void TExtStringGrid::SetFontColors(int ACol, int ARow, TColor Value) {
    GetCellProperties(ACol, ARow)->SetFontColor(Value);
    RepaintCell(DisplColIndex(ACol), ARow);
}

plat::TFontStyles TExtStringGrid::FontStyles(int ACol, int ARow) const {
    const TCellProperties* p = PropsOf(ACol, ARow);
    return p ? p->FontStyle() : plat::TFontStyles{};
}

void TExtStringGrid::SetFontStyles(int ACol, int ARow, plat::TFontStyles Value) {
    GetCellProperties(ACol, ARow)->SetFontStyle(Value);
    RepaintCell(DisplColIndex(ACol), ARow);
}

int TExtStringGrid::FontSizes(int ACol, int ARow) const {
    const TCellProperties* p = PropsOf(ACol, ARow);
    return p ? p->FontSize() : 0;
}

void TExtStringGrid::SetFontSizes(int ACol, int ARow, int Value) {
    GetCellProperties(ACol, ARow)->SetFontSize(Value);
    RepaintCell(DisplColIndex(ACol), ARow);
}

std::string TExtStringGrid::FontNames(int ACol, int ARow) const {
    const TCellProperties* p = PropsOf(ACol, ARow);
    return p ? p->FontName() : std::string();
}

void TExtStringGrid::SetFontNames(int ACol, int ARow, const std::string& Value) {
    GetCellProperties(ACol, ARow)->SetFontName(Value);
    RepaintCell(DisplColIndex(ACol), ARow);
}

plat::TAlignment TExtStringGrid::Alignments(int ACol, int ARow) const {
    const TCellProperties* p = PropsOf(ACol, ARow);
    return p ? p->Alignment() : plat::taLeftJustify;
}

void TExtStringGrid::SetAlignments(int ACol, int ARow, plat::TAlignment Value) {
    GetCellProperties(ACol, ARow)->SetAlignment(Value);
    RepaintCell(DisplColIndex(ACol), ARow);
}

bool TExtStringGrid::ReadOnly(int ACol, int ARow) const {
    const TCellProperties* p = PropsOf(ACol, ARow);
    return p && p->ReadOnly();
}

void TExtStringGrid::SetReadOnly(int ACol, int ARow, bool Value) {
    GetCellProperties(ACol, ARow)->SetReadOnly(Value);
    RepaintCell(DisplColIndex(ACol), ARow);
}

bool TExtStringGrid::WordWraps(int ACol, int ARow) { return GetCellProperties(ACol, ARow)->WordWrap(); }

void TExtStringGrid::SetWordWraps(int ACol, int ARow, bool Value) {
    GetCellProperties(ACol, ARow)->SetWordWrap(Value);
    RepaintCell(DisplColIndex(ACol), ARow);
}

const plat::TFont& TExtStringGrid::GetCellFont(int ACol, int ARow) {
    const TCellProperties* p = PropsOf(ACol, ARow);
    if (!p) return Font();
    FCellFont.SetName(p->FontName());
    FCellFont.SetSize(p->FontSize());
    FCellFont.SetStyle(p->FontStyle());
    FCellFont.SetColor(p->FontColor());
    return FCellFont;
}

void TExtStringGrid::SetCellFont(int ACol, int ARow, const plat::TFont& AFont) {
    TCellProperties* p = GetCellProperties(ACol, ARow);
    p->SetFontName(AFont.Name());
    p->SetFontSize(AFont.Size());
    p->SetFontStyle(AFont.Style());
    p->SetFontColor(AFont.Color());
    if (FUpdateCount == 0) RepaintCell(DisplColIndex(ACol), ARow);
}

void TExtStringGrid::SetRowColor(int ARow, TColor Value) {
    for (int c = FixedCols(); c < AllColCount(); ++c) {
        if (Value != plat::clNone) {
            GetCellProperties(c, ARow)->SetBrushColor(Value);
        } else if (PropsOf(c, ARow)) {
            if (GetCellType(c, ARow) == ctNone) FreeCellProps(c, ARow);
            else PropsOf(c, ARow)->SetBrushColor(plat::clNone);
        }
    }
    RepaintRow(ARow);
}

void TExtStringGrid::SetRowFontColor(int ARow, TColor Value) {
    for (int c = FixedCols(); c < AllColCount(); ++c) {
        if (Value != plat::clNone) {
            GetCellProperties(c, ARow)->SetFontColor(Value);
        } else if (TCellProperties* p = PropsOf(c, ARow)) {
            // Only a cell whose properties carry nothing else gives them up:
            // a check box or an application object must survive.
            if (p->BrushColor() == plat::clNone && !p->GraphicObject() && !p->CellObject() && !p->Control())
                FreeCellProps(c, ARow);
            else p->SetFontColor(plat::clNone);
        }
    }
    RepaintRow(ARow);
}

// ----------------------------------------------------------- ranges

TGridRect TExtStringGrid::GetUsedCells() {
    TGridRect r{-1, -1, -1, -1};
    for (int row = 0; row < RowCount(); ++row)
        for (int c = 0; c < ColCount(); ++c) {
            if (Cells(c, row).empty()) continue;
            if (r.Left < 0) {
                r = {c, row, c, row};
                continue;
            }
            r.Left = std::min(r.Left, c);
            r.Top = std::min(r.Top, row);
            r.Right = std::max(r.Right, c);
            r.Bottom = std::max(r.Bottom, row);
        }
    return r.Left < 0 ? TGridRect{} : r;
}

int TExtStringGrid::SaveStartCol() const { return (FSaveFixedCells || FSaveFixedCols) ? 0 : FixedCols(); }

int TExtStringGrid::SaveStartRow() const { return (FSaveFixedCells || FSaveFixedRows) ? 0 : FixedRows(); }

int TExtStringGrid::SaveEndCol() const {
    return (FSaveFixedCells || FSaveFixedCols) ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
}

int TExtStringGrid::SaveEndRow() const {
    return (FSaveFixedCells || FSaveFixedRows) ? RowCount() - 1 : RowCount() - FFixedFooters - 1;
}

int TExtStringGrid::SaveColCount() const {
    return (FSaveFixedCells || FSaveFixedCols) ? ColCount() : ColCount() - FixedCols() - FFixedRightCols;
}

int TExtStringGrid::SaveRowCount() const {
    return (FSaveFixedCells || FSaveFixedRows) ? RowCount() : RowCount() - FixedRows() - FFixedFooters;
}

// ----------------------------------------------------------- display text

void TExtStringGrid::DoGetDisplText(int ACol, int ARow, std::string& Text) {
    TBaseGrid::DoGetDisplText(ACol, ARow, Text);
    if (ACol == 1 && FGroupColumn > 0) Text = GroupHeaderText(ARow, Text);
    if (FURLShowInText) {
        static const std::array<const char*, 7> kPrefixes = {"HTTP://", "WWW.",   "MAILTO:", "HTTPS://",
                                                             "NNTP://", "FILE://", "FTP://"};
        for (const char* prefix : kPrefixes) {
            std::string linked;
            if (ctl::TextToHtmlLinks(Text, prefix, linked)) {
                Text = linked;
                break;
            }
        }
    }
}

bool TExtStringGrid::ShowsStoredText(int ACol) const {
    return !OnGetDisplText && !OnGetDisplWideText && !FURLShowInText && !(ACol == 1 && FGroupColumn > 0);
}

}  // namespace grid
