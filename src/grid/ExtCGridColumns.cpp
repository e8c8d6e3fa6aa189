// The column grid's columns as data: moving, inserting and removing them
// with the grid, their order kept in an ini file, and the whole collection
// written to and read from a stream.

#include <algorithm>
#include <cstdint>
#include <istream>
#include <limits>
#include <map>
#include <ostream>

#include "base/StrUtils.h"
#include "grid/ExtCGrid.h"
#include "platform/Registry.h"

namespace grid {

// ----------------------------------------------------------- collection order

void TGridColumnCollection::Move(int FromIndex, int ToIndex) {
    Items(FromIndex);
    Items(ToIndex);
    if (FromIndex == ToIndex) return;
    auto item = std::move(FItems[static_cast<size_t>(FromIndex)]);
    FItems.erase(FItems.begin() + FromIndex);
    FItems.insert(FItems.begin() + ToIndex, std::move(item));
}

void TGridColumnCollection::ResetOrganization() {
    if (!FOwner) return;
    // Each pass moves the columns that stand right of their recorded place;
    // bounded, so that recorded places that cannot all be met end too.
    for (int pass = 0; pass <= Count(); ++pass) {
        bool moved = false;
        for (int i = 0; i < Count(); ++i) {
            const int target = Items(i).DefIdx();
            if (target < i && target >= 0) {
                FOwner->MoveColumn(i, target);
                moved = true;
            }
        }
        if (!moved) break;
    }
}

// ----------------------------------------------------------- grid

void TExtColumnGrid::ColumnMoved(int FromIndex, int ToIndex) {
    const bool old = FColumns->NoRecursiveUpdate();
    FColumns->SetNoRecursiveUpdate(true);
    const int top = TopRow();
    const int realFrom = RealColIndex(FromIndex);
    const int realTo = RealColIndex(ToIndex);
    TExtStringGrid::ColumnMoved(FromIndex, ToIndex);
    BeginUpdate();
    FColMoving = true;
    if (InRange(realFrom) && InRange(realTo)) FColumns->Move(realFrom, realTo);
    SetTopRow(top);
    FColMoving = false;
    EndUpdate();
    FColumns->SetNoRecursiveUpdate(old);
    if (OnAfterColumnMoved) OnAfterColumnMoved(this, realFrom, realTo);
}

void TExtColumnGrid::InsertCols(int ColIndex, int CCount) {
    const int before = FColumns->Count();
    TExtStringGrid::InsertCols(ColIndex, CCount);
    // The count setter appended items at the end, copying the last column;
    // the new columns stand at ColIndex and start with default settings.
    const int added = FColumns->Count() - before;
    if (added <= 0) return;
    const bool old = FColumns->NoRecursiveUpdate();
    FColumns->SetNoRecursiveUpdate(true);
    for (int k = 0; k < added; ++k) FColumns->Delete(FColumns->Count() - 1);
    for (int k = 0; k < added; ++k) FColumns->Insert(ColIndex);
    FColumns->SetNoRecursiveUpdate(old);
}

void TExtColumnGrid::RemoveCols(int ColIndex, int CCount) {
    if (CCount <= 0 || !InRange(ColIndex)) {
        TExtStringGrid::RemoveCols(ColIndex, CCount);
        return;
    }
    const int before = TotalColCount();
    const int n = std::min(CCount, FColumns->Count() - ColIndex);
    // The count setter will free items from the end; the removed columns'
    // items go first and stand-ins take their place at the end.
    const bool old = FColumns->NoRecursiveUpdate();
    FColumns->SetNoRecursiveUpdate(true);
    for (int k = 0; k < n; ++k) FColumns->Move(ColIndex, FColumns->Count() - 1);
    TExtStringGrid::RemoveCols(ColIndex, CCount);
    if (TotalColCount() == before) {
        // Refused (the last displayed column stays): put the items back.
        for (int k = 0; k < n; ++k) FColumns->Move(FColumns->Count() - 1, ColIndex);
    }
    SynchronizeColumns();
    FColumns->SetNoRecursiveUpdate(old);
}

void TExtColumnGrid::MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) {
    TExtStringGrid::MouseDown(Button, Shift, X, Y);
    if (Button != plat::mbLeft && Button != plat::mbRight) return;
    int col = -1, row = -1;
    if (!MouseToCell(X, Y, col, row) || col < 0 || row < 0 || col >= FColumns->Count()) return;
    // The item of the displayed column, as the menus were set up for.
    TGridColumnItem& item = FColumns->Items(col);
    plat::TPopupMenu* menu = item.ColumnPopup();
    if (!menu) return;
    const TColumnPopupType type = item.ColumnPopupType();
    const bool left = Button == plat::mbLeft;
    const TColumnPopupType fixedType = left ? cpFixedCellsLClick : cpFixedCellsRClick;
    const TColumnPopupType normalType = left ? cpNormalCellsLClick : cpNormalCellsRClick;
    const TColumnPopupType allType = left ? cpAllCellsLClick : cpAllCellsRClick;
    if (type != fixedType && type != normalType && type != allType) return;
    if (OnColumnPopup) OnColumnPopup(this, col, row, menu);
    const bool fixedRow = row < FixedRows();
    if ((fixedRow && (type == fixedType || type == allType)) || (!fixedRow && (type == normalType || type == allType))) {
        const plat::TRect r = CellRect(col, row);
        const plat::TPoint at = ClientToScreen({r.Left, r.Bottom});
        menu->Popup(at.X, at.Y);
    }
}

void TExtColumnGrid::Notification(plat::TComponent* AComponent) {
    TExtStringGrid::Notification(AComponent);
    if (!FColumns) return;
    for (int i = 0; i < FColumns->Count(); ++i)
        if (FColumns->Items(i).ColumnPopup() == AComponent) FColumns->Items(i).SetColumnPopup(nullptr);
}

bool TExtColumnGrid::SaveColumnPositions(const std::string& Key, const std::string& Section) {
    plat::TRegistry ini(Key);
    for (int i = 0; i < FColumns->Count(); ++i)
        if (!ini.WriteInteger(Section, "CP" + base::IntToStr(i), FColumns->Items(i).DefIdx())) return false;
    return true;
}

bool TExtColumnGrid::LoadColumnPositions(const std::string& Key, const std::string& Section) {
    const plat::TRegistry ini(Key);
    const int n = FColumns->Count();
    std::vector<int> recorded;
    for (int j = 0; j < n; ++j) {
        const int k = ini.ReadInteger(Section, "CP" + base::IntToStr(j), -1);
        // An order for other columns than these is not applied at all.
        if (k < 0 || k >= n) return false;
        recorded.push_back(k);
    }
    std::vector<bool> seen(static_cast<size_t>(n), false);
    for (int k : recorded) {
        if (seen[static_cast<size_t>(k)]) return false;
        seen[static_cast<size_t>(k)] = true;
    }
    ResetColumnOrder();
    for (int j = 0; j < n; ++j) FColumns->Items(recorded[static_cast<size_t>(j)]).SetDefIdx(j);
    FColumns->ResetOrganization();
    for (int j = 0; j < n; ++j) FColumns->Items(j).SetDefIdx(recorded[static_cast<size_t>(j)]);
    return true;
}

bool TExtColumnGrid::SaveColPositions() {
    if (ColumnSize().Location() != clIniFile) return TExtStringGrid::SaveColPositions(), true;
    return SaveColumnPositions(ColumnSize().Key(), ColumnSize().Section());
}

bool TExtColumnGrid::LoadColPositions() {
    if (ColumnSize().Location() != clIniFile) return TExtStringGrid::LoadColPositions(), true;
    return LoadColumnPositions(ColumnSize().Key(), ColumnSize().Section());
}

// ----------------------------------------------------------- column stream
//
// One line per setting, "Name=value", between "item" and "end" for each
// column, after a first line naming the format. Texts are escaped so that
// every value stays on its line; lists are one text with a line feed
// between entries; sets and enumerations are numbers.

namespace {

const char* const kStreamHeader = "TExtColumnGridIO";

std::string Escape(const std::string& Text) {
    std::string out;
    for (char ch : Text) {
        switch (ch) {
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            default: out += ch;
        }
    }
    return out;
}

bool Unescape(const std::string& Text, std::string& Out) {
    Out.clear();
    for (size_t i = 0; i < Text.size(); ++i) {
        if (Text[i] != '\\') {
            Out += Text[i];
            continue;
        }
        if (++i == Text.size()) return false;
        switch (Text[i]) {
            case '\\': Out += '\\'; break;
            case 'n': Out += '\n'; break;
            case 'r': Out += '\r'; break;
            default: return false;
        }
    }
    return true;
}

std::string ListText(const plat::TStrings& List) {
    std::string text;
    for (int i = 0; i < List.Count(); ++i) {
        if (i > 0) text += '\n';
        text += List[i];
    }
    return text;
}

std::vector<std::string> TextList(const std::string& Text) {
    std::vector<std::string> items;
    if (Text.empty()) return items;
    size_t start = 0;
    for (;;) {
        const size_t end = Text.find('\n', start);
        items.push_back(Text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return items;
}

template <typename E>
plat::TSet<E> SetFromBits(long long Bits) {
    plat::TSet<E> set;
    for (unsigned b = 0; b < 32; ++b)
        if (Bits & (1LL << b)) set.Include(static_cast<E>(b));
    return set;
}

// Reads and writes the values of one item; names in published order.
struct TItemIO {
    using TValues = std::vector<std::pair<std::string, std::string>>;

    static void Font(TValues& V, const std::string& Name, const plat::TFont& F) {
        V.push_back({Name + ".Name", F.Name()});
        V.push_back({Name + ".Size", base::IntToStr(F.Size())});
        V.push_back({Name + ".Color", base::IntToStr(static_cast<int>(F.Color()))});
        V.push_back({Name + ".Style", base::IntToStr(static_cast<int>(F.Style().Bits()))});
    }

    static void Pen(TValues& V, const std::string& Name, const plat::TPen& P) {
        V.push_back({Name + ".Color", base::IntToStr(static_cast<int>(P.Color()))});
        V.push_back({Name + ".Width", base::IntToStr(P.Width())});
    }

    static TValues Write(TGridColumnItem& I) {
        auto b = [](bool v) { return std::string(v ? "True" : "False"); };
        auto n = [](long long v) { return base::IntToStr(static_cast<int>(v)); };
        TValues v;
        v.push_back({"AutoMinSize", n(I.AutoMinSize())});
        v.push_back({"AutoMaxSize", n(I.AutoMaxSize())});
        v.push_back({"Alignment", n(I.Alignment())});
        v.push_back({"Borders", n(I.Borders().Bits())});
        Pen(v, "BorderPen", I.BorderPen());
        v.push_back({"CheckFalse", I.CheckFalse()});
        v.push_back({"CheckTrue", I.CheckTrue()});
        v.push_back({"Color", n(I.Color())});
        v.push_back({"ColumnPopupType", n(I.ColumnPopupType())});
        v.push_back({"ComboItems", ListText(I.ComboItems())});
        v.push_back({"DropDownCount", n(I.DropDownCount())});
        v.push_back({"EditLength", n(I.EditLength())});
        v.push_back({"EditMask", I.EditMask()});
        v.push_back({"Editor", n(I.Editor())});
        v.push_back({"Filter", ListText(I.Filter())});
        v.push_back({"FilterCaseSensitive", b(I.FilterCaseSensitive())});
        v.push_back({"Fixed", b(I.Fixed())});
        v.push_back({"FloatFormat", I.FloatFormat()});
        Font(v, "Font", I.Font());
        v.push_back({"Header", I.Header()});
        v.push_back({"HeaderAlignment", n(I.HeaderAlignment())});
        Font(v, "HeaderFont", I.HeaderFont());
        v.push_back({"MinSize", n(I.MinSize())});
        v.push_back({"MaxSize", n(I.MaxSize())});
        v.push_back({"Name", I.Name()});
        v.push_back({"Password", b(I.Password())});
        v.push_back({"PrintBorderCustom", b(I.PrintBorderCustom())});
        v.push_back({"PrintBorders", n(I.PrintBorders().Bits())});
        Pen(v, "PrintBorderPen", I.PrintBorderPen());
        v.push_back({"PrintColor", n(I.PrintColor())});
        v.push_back({"PrintFontCustom", b(I.PrintFontCustom())});
        Font(v, "PrintFont", I.PrintFont());
        v.push_back({"ReadOnly", b(I.ReadOnly())});
        v.push_back({"ShowBands", b(I.ShowBands())});
        v.push_back({"SortStyle", n(I.SortStyle())});
        v.push_back({"SortPrefix", I.SortPrefix()});
        v.push_back({"SortSuffix", I.SortSuffix()});
        v.push_back({"SpinMax", n(I.SpinMax())});
        v.push_back({"SpinMin", n(I.SpinMin())});
        v.push_back({"SpinStep", n(I.SpinStep())});
        v.push_back({"Tag", n(I.Tag())});
        v.push_back({"Width", n(I.Width())});
        return v;
    }

    // Applies one value; false with a message when name or value is wrong.
    static bool Read(TGridColumnItem& I, const std::string& Name, const std::string& Value, std::string& Error) {
        std::int64_t num = 0;
        const bool isNum = base::TryStrToInt64(Value, num);
        auto needNum = [&]() {
            if (!isNum) Error = "'" + Name + "' needs a number, not '" + Value + "'";
            return isNum;
        };
        // Enumerations and sets are stored as numbers: one outside the
        // type's values (or bits) would be cast into a value that does not
        // exist, and a plain number must fit the setting.
        auto within = [&](std::int64_t Low, std::int64_t High) {
            if (num >= Low && num <= High) return true;
            Error = "'" + Name + "' needs a number from " + base::IntToStr(Low) + " to " + base::IntToStr(High) +
                    ", not '" + Value + "'";
            return false;
        };
        constexpr std::int64_t IntLow = std::numeric_limits<int>::min(), IntHigh = std::numeric_limits<int>::max();
        auto bits = [](int Count) { return (std::int64_t(1) << Count) - 1; };
        auto boolean = [&](bool& Out) {
            if (Value == "True") Out = true;
            else if (Value == "False") Out = false;
            else {
                Error = "'" + Name + "' needs True or False, not '" + Value + "'";
                return false;
            }
            return true;
        };
        auto font = [&](plat::TFont& F, const std::string& Part) {
            if (Part == "Name") {
                F.SetName(Value);
                return true;
            }
            if (!needNum()) return false;
            if (Part == "Size") {
                if (!within(IntLow, IntHigh)) return false;
                F.SetSize(static_cast<int>(num));
            } else if (Part == "Color") {
                if (!within(IntLow, IntHigh)) return false;
                F.SetColor(static_cast<TColor>(num));
            } else if (Part == "Style") {
                if (!within(0, bits(plat::fsStrikeOut + 1))) return false;
                F.SetStyle(SetFromBits<plat::TFontStyle>(num));
            } else {
                return false;
            }
            return true;
        };
        auto pen = [&](plat::TPen& P, const std::string& Part) {
            if (!needNum()) return false;
            if (Part != "Color" && Part != "Width") return false;
            if (!within(IntLow, IntHigh)) return false;
            if (Part == "Color") P.SetColor(static_cast<TColor>(num));
            else P.SetWidth(static_cast<int>(num));
            return true;
        };
        const size_t dot = Name.find('.');
        if (dot != std::string::npos) {
            const std::string owner = Name.substr(0, dot), part = Name.substr(dot + 1);
            bool ok = false;
            if (owner == "Font") ok = font(I.Font(), part);
            else if (owner == "HeaderFont") ok = font(I.HeaderFont(), part);
            else if (owner == "PrintFont") ok = font(I.PrintFont(), part);
            else if (owner == "BorderPen") ok = pen(I.BorderPen(), part);
            else if (owner == "PrintBorderPen") ok = pen(I.PrintBorderPen(), part);
            if (!ok && Error.empty()) Error = "unknown setting '" + Name + "'";
            return ok;
        }
        bool flag = false;
        if (Name == "CheckFalse") I.SetCheckFalse(Value);
        else if (Name == "CheckTrue") I.SetCheckTrue(Value);
        else if (Name == "ComboItems") I.ComboItems().Assign(TextList(Value));
        else if (Name == "EditMask") I.SetEditMask(Value);
        else if (Name == "Filter") I.Filter().Assign(TextList(Value));
        else if (Name == "FloatFormat") {
            // Empty: the grid's own format applies.
            if (!Value.empty() && !base::IsFloatFormat(Value)) {
                Error = "'FloatFormat' needs one number directive such as %.2f, not '" + Value + "'";
                return false;
            }
            I.SetFloatFormat(Value);
        }
        else if (Name == "Header") I.SetHeaderField(Value);
        else if (Name == "Name") I.SetName(Value);
        else if (Name == "SortPrefix") I.SetSortPrefix(Value);
        else if (Name == "SortSuffix") I.SetSortSuffix(Value);
        else if (Name == "FilterCaseSensitive" || Name == "Fixed" || Name == "Password" ||
                 Name == "PrintBorderCustom" || Name == "PrintFontCustom" || Name == "ReadOnly" ||
                 Name == "ShowBands") {
            if (!boolean(flag)) return false;
            if (Name == "FilterCaseSensitive") I.SetFilterCaseSensitive(flag);
            else if (Name == "Fixed") I.SetFixed(flag);
            else if (Name == "Password") I.SetPassword(flag);
            else if (Name == "PrintBorderCustom") I.SetPrintBorderCustom(flag);
            else if (Name == "PrintFontCustom") I.SetPrintFontCustom(flag);
            else if (Name == "ReadOnly") I.SetReadOnly(flag);
            else I.SetShowBands(flag);
        } else {
            if (!needNum()) return false;
            std::int64_t high = IntHigh, low = IntLow;
            if (Name == "Alignment" || Name == "HeaderAlignment") low = 0, high = plat::taCenter;
            else if (Name == "Borders" || Name == "PrintBorders") low = 0, high = bits(cbBottom + 1);
            else if (Name == "ColumnPopupType") low = 0, high = cpAllCellsLClick;
            else if (Name == "Editor") low = 0, high = edMaskEditBtn;
            else if (Name == "SortStyle") low = 0, high = ssAlphaNumericNoCase;
            if (!within(low, high)) return false;
            const int v = static_cast<int>(num);
            if (Name == "AutoMinSize") I.SetAutoMinSize(v);
            else if (Name == "AutoMaxSize") I.SetAutoMaxSize(v);
            else if (Name == "Alignment") I.SetAlignment(static_cast<plat::TAlignment>(v));
            else if (Name == "Borders") I.SetBorders(SetFromBits<TCellBorder>(num));
            else if (Name == "Color") I.SetColor(static_cast<TColor>(num));
            else if (Name == "ColumnPopupType") I.SetColumnPopupType(static_cast<TColumnPopupType>(v));
            else if (Name == "DropDownCount") I.SetDropDownCount(v);
            else if (Name == "EditLength") I.SetEditLength(v);
            else if (Name == "Editor") I.SetEditor(static_cast<TEditorType>(v));
            else if (Name == "HeaderAlignment") I.SetHeaderAlignment(static_cast<plat::TAlignment>(v));
            else if (Name == "MinSize") I.SetMinSize(v);
            else if (Name == "MaxSize") I.SetMaxSize(v);
            else if (Name == "PrintBorders") I.SetPrintBorders(SetFromBits<TCellBorder>(num));
            else if (Name == "PrintColor") I.SetPrintColor(static_cast<TColor>(num));
            else if (Name == "SortStyle") I.SetSortStyle(static_cast<TSortStyle>(v));
            else if (Name == "SpinMax") I.SetSpin(I.SpinMin(), v, I.SpinStep());
            else if (Name == "SpinMin") I.SetSpin(v, I.SpinMax(), I.SpinStep());
            else if (Name == "SpinStep") I.SetSpin(I.SpinMin(), I.SpinMax(), v);
            else if (Name == "Tag") I.SetTag(v);
            else if (Name == "Width") I.SetWidthField(v);
            else {
                Error = "unknown setting '" + Name + "'";
                return false;
            }
        }
        return true;
    }
};

}  // namespace

bool TExtColumnGrid::SaveColumnsToStream(std::ostream& Out) {
    Out << kStreamHeader << '\n';
    for (int i = 0; i < FColumns->Count(); ++i) {
        Out << "item\n";
        for (const auto& [name, value] : TItemIO::Write(FColumns->Items(i))) Out << name << '=' << Escape(value) << '\n';
        Out << "end\n";
    }
    Out.flush();
    return static_cast<bool>(Out);
}

bool TExtColumnGrid::LoadColumnsFromStream(std::istream& In, std::string* Error) {
    auto fail = [&](int Line, const std::string& What) {
        if (Error) *Error = "line " + base::IntToStr(Line) + ": " + What;
        return false;
    };
    std::string line;
    int lineNo = 0;
    if (!std::getline(In, line) || (++lineNo, base::TrimRight(line) != kStreamHeader))
        return fail(1, std::string("expected \"") + kStreamHeader + "\"");
    // Read into spare items first: a stream that breaks off midway leaves
    // the grid's columns as they were.
    std::vector<std::unique_ptr<TGridColumnItem>> read;
    TGridColumnItem* current = nullptr;
    while (std::getline(In, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        if (line == "item") {
            if (current) return fail(lineNo, "\"item\" inside an item");
            read.push_back(std::make_unique<TGridColumnItem>(nullptr));
            current = read.back().get();
            continue;
        }
        if (line == "end") {
            if (!current) return fail(lineNo, "\"end\" outside an item");
            current = nullptr;
            continue;
        }
        if (!current) return fail(lineNo, "a setting outside an item");
        const size_t eq = line.find('=');
        if (eq == std::string::npos) return fail(lineNo, "expected Name=value");
        std::string value, why;
        if (!Unescape(line.substr(eq + 1), value)) return fail(lineNo, "bad escape in the value");
        if (!TItemIO::Read(*current, line.substr(0, eq), value, why)) return fail(lineNo, why);
    }
    if (current) return fail(lineNo, "the last item has no \"end\"");
    // Loading keeps the grid's column count: items are copied onto the
    // columns that exist.
    const bool old = FColumns->NoRecursiveUpdate();
    FColumns->SetNoRecursiveUpdate(true);
    const int n = std::min(FColumns->Count(), static_cast<int>(read.size()));
    for (int i = 0; i < n; ++i) {
        TGridColumnItem& item = FColumns->Items(i);
        const TGridColumnItem& src = *read[static_cast<size_t>(i)];
        item.Assign(&src);
        item.SetColumnPopupType(src.ColumnPopupType());
        item.SetPrintBorderCustom(src.PrintBorderCustom());
        item.SetPrintFontCustom(src.PrintFontCustom());
        item.SetWidth(src.StoredWidth());
        if (FixedRows() > 0 && !item.Header().empty()) SetCells(i, 0, item.Header());
    }
    FColumns->SetNoRecursiveUpdate(old);
    UpdateColumnHeaders();
    Invalidate();
    return true;
}

}  // namespace grid
