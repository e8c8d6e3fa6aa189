#include "grid/GridBinaryIO.h"

#include <charconv>
#include <iterator>
#include <functional>
#include <span>

#include "grid/GridStreamEncoding.h"
#include "grid/GridTypes.h"

namespace grid {

namespace {

constexpr std::string_view kAlign[] = {"taLeftJustify", "taRightJustify", "taCenter"};
constexpr std::string_view kBrush[] = {"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal", "bsBDiagonal", "bsCross", "bsDiagCross"};
constexpr std::string_view kFontStyle[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
constexpr std::string_view kGradient[] = {"GradientVertical", "GradientHorizontal"};
constexpr std::string_view kVAlign[] = {"vtaTop", "vtaCenter", "vtaBottom"};
constexpr std::string_view kCellType[] = {"ctBitmap", "ctIcon", "ctNone", "ctImageList", "ctCheckBox", "ctDataCheckBox", "ctRotated", "ctDataImage", "ctNode", "ctRadio", "ctEmpty", "ctImages", "ctPicture", "ctFilePicture", "ctValue", "ctProgress", "ctComment", "ctButton", "ctBitButton", "ctVirtCheckBox", "ctRowCheckBox", "ctProgressPie", "ctSummary", "ctRangeIndicator", "ctXPProgress", "ctInterface", "ctScrollbar", "ctRadioButton", "ctBalloon", "ctShape", "ctRating", "ctTriStateCheckBox", "ctExpand"};
constexpr std::string_view kCellVAlign[] = {"vaTop", "vaBottom", "vaCenter", "vaUnderText", "vaAboveText", "vaFull"};
constexpr std::string_view kCellHAlign[] = {"haLeft", "haRight", "haCenter", "haBeforeText", "haAfterText", "haFull"};
constexpr std::string_view kCheck[] = {"cbUnchecked", "cbChecked", "cbGrayed"};
std::string JoinInts(const std::vector<int>& v) {
    std::string s;
    for (size_t i = 0; i < v.size(); ++i) {
        if (i) s += ',';
        s += std::to_string(v[i]);
    }
    return s;
}

bool SplitInts(std::string_view s, std::vector<int>& out, std::string& error) {
    out.clear();
    if (s.empty()) return true;
    size_t i = 0;
    for (;;) {
        const size_t e = std::min(s.find(',', i), s.size());
        const std::string_view part = s.substr(i, e - i);
        int v = 0;
        auto [p, ec] = std::from_chars(part.data(), part.data() + part.size(), v);
        if (part.empty() || ec != std::errc() || p != part.data() + part.size()) {
            error = "'" + std::string(part) + "' is not a valid integer value";
            return false;
        }
        out.push_back(v);
        if (e == s.size()) return true;
        i = e + 1;
    }
}

std::string_view NameOf(std::span<const std::string_view> names, int v) {
    return v >= 0 && size_t(v) < names.size() ? names[size_t(v)] : std::string_view{};
}

void Enum(TComponentWriter& w, std::string_view prop, std::span<const std::string_view> names, int v) {
    const std::string_view id = NameOf(names, v);
    if (id.empty()) w.Integer(prop, v);
    else w.Ident(prop, id);
}

// Setting a record's property from a stored value: one setter per name,
// converting from whatever tag the writer chose.
struct TProp {
    std::string_view Name;
    std::function<bool(const TStreamValue&)> Set;
};

bool AsInt(const TStreamValue& v, int& out) {
    if (!v.IsInteger() || v.Int < INT32_MIN || v.Int > INT32_MAX) return false;
    out = int(v.Int);
    return true;
}

bool AsColor(const TStreamValue& v, std::uint32_t& out) {
    if (v.Type == vaIdent) return ColorFromIdent(v.Text, out);
    if (!v.IsInteger()) return false;
    out = std::uint32_t(v.Int);
    return true;
}

bool AsBool(const TStreamValue& v, bool& out) {
    if (v.Type != vaTrue && v.Type != vaFalse) return false;
    out = v.Type == vaTrue;
    return true;
}

bool AsText(const TStreamValue& v, std::string& out) {
    if (!v.IsText()) return false;
    out = v.Text;
    return true;
}

bool AsEnum(const TStreamValue& v, std::span<const std::string_view> names, int& out) {
    if (v.IsInteger()) return AsInt(v, out);
    if (v.Type != vaIdent) return false;
    for (size_t i = 0; i < names.size(); ++i)
        if (names[i] == v.Text) {
            out = int(i);
            return true;
        }
    return false;
}

bool Apply(const TComponentRecord& rec, const std::vector<TProp>& props, std::string& error) {
    for (const auto& p : rec.Properties) {
        const TProp* hit = nullptr;
        for (const auto& q : props)
            if (q.Name == p.Name) hit = &q;
        if (!hit) {
            error = "Property " + p.Name + " does not exist";
            return false;
        }
        if (!hit->Set(p.Value)) {
            error = "Invalid property value";
            return false;
        }
    }
    return true;
}

std::span<const std::string_view> EditorNames() { return EnumNames(TEditorType{}); }

void WriteProps(TComponentWriter& w, const TBinCellProps& p) {
    w.Boolean("CellProperties.IsBaseCell", p.IsBaseCell);
    w.Integer("CellProperties.CellSpanX", p.CellSpanX);
    w.Integer("CellProperties.CellSpanY", p.CellSpanY);
    Enum(w, "CellProperties.Alignment", kAlign, p.Alignment);
    w.Color("CellProperties.BorderColor", p.BorderColor);
    w.Integer("CellProperties.BorderWidth", p.BorderWidth);
    w.Color("CellProperties.BrushColor", p.BrushColor);
    w.Color("CellProperties.BrushColorTo", p.BrushColorTo);
    Enum(w, "CellProperties.BrushStyle", kBrush, p.BrushStyle);
    w.Color("CellProperties.FontColor", p.FontColor);
    if (!p.FontName.empty()) w.Text("CellProperties.FontName", p.FontName);
    w.Integer("CellProperties.FontSize", p.FontSize);
    std::vector<std::string_view> styles;
    for (int i = 0; i < 4; ++i)
        if (p.FontStyle & (1u << i)) styles.push_back(kFontStyle[i]);
    w.Set("CellProperties.FontStyle", styles);
    Enum(w, "CellProperties.Editor", EditorNames(), p.Editor);
    Enum(w, "CellProperties.GradientDirection", kGradient, p.GradientDirection);
    w.Boolean("CellProperties.ReadOnly", p.ReadOnly);
    Enum(w, "CellProperties.VAlignment", kVAlign, p.VAlignment);
    w.Boolean("CellProperties.WordWrap", p.WordWrap);
    w.Integer("CellProperties.NodeLevel", p.NodeLevel);
    if (!p.Control.empty()) w.Ident("CellProperties.Control", p.Control);
}

// In the order of TBinProp.
constexpr std::string_view kPropNames[] = {
    "CellProperties.IsBaseCell", "CellProperties.CellSpanX", "CellProperties.CellSpanY",
    "CellProperties.Alignment", "CellProperties.BorderColor", "CellProperties.BorderWidth",
    "CellProperties.BrushColor", "CellProperties.BrushColorTo", "CellProperties.BrushStyle",
    "CellProperties.FontColor", "CellProperties.FontName", "CellProperties.FontSize",
    "CellProperties.FontStyle", "CellProperties.Editor", "CellProperties.GradientDirection",
    "CellProperties.ReadOnly", "CellProperties.VAlignment", "CellProperties.WordWrap",
    "CellProperties.NodeLevel", "CellProperties.Control"};
static_assert(std::size(kPropNames) == bpControl + 1);

std::uint32_t GivenProps(const TComponentRecord& rec) {
    std::uint32_t given = 0;
    for (const auto& p : rec.Properties)
        for (size_t i = 0; i < std::size(kPropNames); ++i)
            if (kPropNames[i] == p.Name) given |= 1u << i;
    return given;
}

std::vector<TProp> PropSetters(TBinCellProps& p, bool& hasGraphic) {
    return {
        {"CellProperties.IsBaseCell", [&](auto& v) { return AsBool(v, p.IsBaseCell); }},
        {"CellProperties.CellSpanX", [&](auto& v) { return AsInt(v, p.CellSpanX); }},
        {"CellProperties.CellSpanY", [&](auto& v) { return AsInt(v, p.CellSpanY); }},
        {"CellProperties.Alignment", [&](auto& v) { return AsEnum(v, kAlign, p.Alignment); }},
        {"CellProperties.BorderColor", [&](auto& v) { return AsColor(v, p.BorderColor); }},
        {"CellProperties.BorderWidth", [&](auto& v) { return AsInt(v, p.BorderWidth); }},
        {"CellProperties.BrushColor", [&](auto& v) { return AsColor(v, p.BrushColor); }},
        {"CellProperties.BrushColorTo", [&](auto& v) { return AsColor(v, p.BrushColorTo); }},
        {"CellProperties.BrushStyle", [&](auto& v) { return AsEnum(v, kBrush, p.BrushStyle); }},
        {"CellProperties.CellObject", [&](auto&) { return true; }},
        {"CellProperties.FontColor", [&](auto& v) { return AsColor(v, p.FontColor); }},
        {"CellProperties.FontName", [&](auto& v) { return AsText(v, p.FontName); }},
        {"CellProperties.FontSize", [&](auto& v) { return AsInt(v, p.FontSize); }},
        {"CellProperties.FontStyle",
         [&](const TStreamValue& v) {
             if (v.Type != vaSet) return false;
             p.FontStyle = 0;
             for (const auto& m : v.Set) {
                 int i = -1;
                 for (int k = 0; k < 4; ++k)
                     if (kFontStyle[k] == m) i = k;
                 if (i < 0) return false;
                 p.FontStyle |= 1u << i;
             }
             return true;
         }},
        {"CellProperties.Editor", [&](auto& v) { return AsEnum(v, EditorNames(), p.Editor); }},
        {"CellProperties.GradientDirection", [&](auto& v) { return AsEnum(v, kGradient, p.GradientDirection); }},
        {"CellProperties.ReadOnly", [&](auto& v) { return AsBool(v, p.ReadOnly); }},
        {"CellProperties.VAlignment", [&](auto& v) { return AsEnum(v, kVAlign, p.VAlignment); }},
        {"CellProperties.WordWrap", [&](auto& v) { return AsBool(v, p.WordWrap); }},
        {"CellProperties.NodeLevel", [&](auto& v) { return AsInt(v, p.NodeLevel); }},
        {"CellProperties.Control",
         [&](const TStreamValue& v) {
             if (v.Type == vaNil) return true;
             if (v.Type != vaIdent) return false;
             p.Control = v.Text;
             return true;
         }},
        {"HasGraphic", [&](auto& v) { return AsBool(v, hasGraphic); }},
    };
}

void WriteGraphic(TComponentWriter& w, const TBinGraphic& g) {
    Enum(w, "CellGraphic.CellType", kCellType, g.CellType);
    Enum(w, "CellGraphic.CellVAlign", kCellVAlign, g.CellVAlign);
    Enum(w, "CellGraphic.CellHAlign", kCellHAlign, g.CellHAlign);
    w.Integer("CellGraphic.CellIndex", g.CellIndex);
    w.Boolean("CellGraphic.CellTransparent", g.CellTransparent);
    w.Boolean("CellGraphic.CellCreated", g.CellCreated);
    w.Boolean("CellGraphic.CellBoolean", g.CellBoolean);
    Enum(w, "CellGraphic.CellCheckBoxState", kCheck, g.CellCheckBoxState);
    w.Integer("CellGraphic.CellAngle", g.CellAngle);
    if (g.CellValue != 0) w.Float("CellGraphic.CellValue", g.CellValue);
    w.Integer("CellGraphic.CellErrFrom", g.CellErrFrom);
    w.Integer("CellGraphic.CellErrLen", g.CellErrLen);
    if (!g.CellText.empty()) w.Text("CellGraphic.CellText", g.CellText);
}

std::vector<TProp> GraphicSetters(TBinGraphic& g) {
    return {
        {"CellGraphic.CellType", [&](auto& v) { return AsEnum(v, kCellType, g.CellType); }},
        {"CellGraphic.CellVAlign", [&](auto& v) { return AsEnum(v, kCellVAlign, g.CellVAlign); }},
        {"CellGraphic.CellHAlign", [&](auto& v) { return AsEnum(v, kCellHAlign, g.CellHAlign); }},
        {"CellGraphic.CellIndex", [&](auto& v) { return AsInt(v, g.CellIndex); }},
        {"CellGraphic.CellTransparent", [&](auto& v) { return AsBool(v, g.CellTransparent); }},
        {"CellGraphic.CellCreated", [&](auto& v) { return AsBool(v, g.CellCreated); }},
        {"CellGraphic.CellBoolean", [&](auto& v) { return AsBool(v, g.CellBoolean); }},
        {"CellGraphic.CellCheckBoxState", [&](auto& v) { return AsEnum(v, kCheck, g.CellCheckBoxState); }},
        {"CellGraphic.CellAngle", [&](auto& v) { return AsInt(v, g.CellAngle); }},
        {"CellGraphic.CellValue",
         [&](const TStreamValue& v) {
             if (v.IsInteger()) g.CellValue = double(v.Int);
             else if (v.Type == vaExtended || v.Type == vaDouble || v.Type == vaSingle) g.CellValue = v.Float;
             else return false;
             return true;
         }},
        {"CellGraphic.CellErrFrom", [&](auto& v) { return AsInt(v, g.CellErrFrom); }},
        {"CellGraphic.CellErrLen", [&](auto& v) { return AsInt(v, g.CellErrLen); }},
        {"CellGraphic.CellText", [&](auto& v) { return AsText(v, g.CellText); }},
    };
}

const char* DataClass(TBinDataKind k) {
    switch (k) {
        case TBinDataKind::Bitmap: return "TGridBMPIO";
        case TBinDataKind::Icon: return "TGridIconIO";
        case TBinDataKind::Strings: case TBinDataKind::Images: return "TGridSLIO";
        case TBinDataKind::Picture: return "TGridPicIO";
        case TBinDataKind::FilePicture: return "TGridFilePicIO";
        case TBinDataKind::None: break;
    }
    return "";
}

}  // namespace

TBinDataKind BinDataKind(int t) {
    switch (t) {
        case 0: case 18: return TBinDataKind::Bitmap;     // ctBitmap, ctBitButton
        case 1: return TBinDataKind::Icon;                // ctIcon
        case 9: return TBinDataKind::Strings;             // ctRadio
        case 11: return TBinDataKind::Images;             // ctImages
        case 12: return TBinDataKind::Picture;            // ctPicture
        case 13: return TBinDataKind::FilePicture;        // ctFilePicture
        default: return TBinDataKind::None;
    }
}

std::string LengthPrefixed(std::string_view File) {
    std::string out;
    const auto n = std::uint32_t(File.size());
    for (int i = 0; i < 4; ++i) out += char((n >> (8 * i)) & 0xFF);
    out += File;
    return out;
}

bool UnprefixLength(std::string_view Data, std::string_view& File) {
    if (Data.size() < 4) return false;
    std::uint32_t n = 0;
    for (int i = 0; i < 4; ++i) n |= std::uint32_t(std::uint8_t(Data[size_t(i)])) << (8 * i);
    if (n > Data.size() - 4) return false;
    File = Data.substr(4, n);
    return true;
}

std::string PictureData(std::string_view ClassName, std::string_view GraphicData) {
    const std::string_view name = ClassName.substr(0, 255);
    std::string out(1, char(name.size()));
    out += name;
    out += GraphicData;
    return out;
}

bool SplitPictureData(std::string_view Data, std::string& ClassName, std::string_view& GraphicData) {
    if (Data.empty()) return false;
    const size_t n = std::uint8_t(Data[0]);
    if (n > Data.size() - 1) return false;
    ClassName.assign(Data.substr(1, n));
    GraphicData = Data.substr(1 + n);
    return true;
}

bool WriteCellStream(const TBinGridData& Data, std::string& Out, std::string& Error) {
    for (const auto& c : Data.Cells)
        if (c.Col < 0 || c.Col > 65535 || c.Row < 0 || c.Row > 65535) {
            Error = "Cell (" + std::to_string(c.Col) + ", " + std::to_string(c.Row) +
                    ") lies beyond the 16-bit positions of the cell stream";
            return false;
        }
    TComponentWriter w;
    w.Begin("TGridPropIO");
    w.Integer("ColCount", Data.ColCount);
    w.Integer("RowCount", Data.RowCount);
    if (!Data.ColWidths.empty()) w.Text("ColWidths", JoinInts(Data.ColWidths));
    if (!Data.RowHeights.empty()) w.Text("RowHeights", JoinInts(Data.RowHeights));
    w.Boolean("FullGrid", Data.FullGrid);
    w.Integer("ID", Data.ID);
    w.End();
    for (const auto& c : Data.Cells) {
        w.Begin("TGridCellIO");
        w.Integer("Col", c.Col);
        w.Integer("Row", c.Row);
        if (!c.Text.empty()) w.Text("Cell", c.Text);
        w.Boolean("HasProp", c.HasProp);
        w.End();
        if (!c.HasProp) continue;
        w.Begin("TGridCellPropIO");
        WriteProps(w, c.Props);
        w.Boolean("HasGraphic", c.HasGraphic);
        w.End();
        if (!c.HasGraphic) continue;
        w.Begin("TGridGraphicIO");
        WriteGraphic(w, c.Graphic);
        w.End();
        const TBinDataKind k = BinDataKind(c.Graphic.CellType);
        if (k == TBinDataKind::None) continue;
        w.Begin(DataClass(k));
        switch (k) {
            case TBinDataKind::Bitmap:
                if (!c.Graphic.Data.empty()) w.Binary("Bitmap.Data", c.Graphic.Data);
                break;
            case TBinDataKind::Icon:
                if (!c.Graphic.Data.empty()) w.Binary("Icon.Data", c.Graphic.Data);
                break;
            case TBinDataKind::Picture:
                if (!c.Graphic.Data.empty()) w.Binary("Picture.Data", c.Graphic.Data);
                break;
            case TBinDataKind::FilePicture:
                if (!c.Graphic.FileName.empty()) w.Text("Picture.Filename", c.Graphic.FileName);
                break;
            case TBinDataKind::Strings: case TBinDataKind::Images:
                if (!c.Graphic.Strings.empty()) w.TextList("Strings.Strings", c.Graphic.Strings);
                break;
            case TBinDataKind::None: break;
        }
        w.End();
    }
    Out += w.Bytes();
    return true;
}

bool ReadCellStream(std::string_view Bytes, TBinGridData& Data, std::string& Error) {
    Data = {};
    size_t pos = 0;
    TComponentRecord rec;
    const auto expect = [&](std::string_view cls) {
        if (!ReadComponentRecord(Bytes, pos, rec, Error)) return false;
        if (rec.ClassName != cls) {
            Error = "Invalid stream format";
            return false;
        }
        return true;
    };
    if (!expect("TGridPropIO")) return false;
    std::string widths, heights;
    if (!Apply(rec,
               {{"ColCount", [&](auto& v) { return AsInt(v, Data.ColCount); }},
                {"RowCount", [&](auto& v) { return AsInt(v, Data.RowCount); }},
                {"ColWidths", [&](auto& v) { return AsText(v, widths); }},
                {"RowHeights", [&](auto& v) { return AsText(v, heights); }},
                {"FullGrid", [&](auto& v) { return AsBool(v, Data.FullGrid); }},
                {"ID", [&](auto& v) { return AsInt(v, Data.ID); }}},
               Error))
        return false;
    if (!SplitInts(widths, Data.ColWidths, Error) || !SplitInts(heights, Data.RowHeights, Error)) return false;
    while (Bytes.size() - pos >= 2) {
        TBinCell cell;
        if (!expect("TGridCellIO")) return false;
        if (!Apply(rec,
                   {{"Col", [&](auto& v) { return AsInt(v, cell.Col) && cell.Col >= 0 && cell.Col <= 65535; }},
                    {"Row", [&](auto& v) { return AsInt(v, cell.Row) && cell.Row >= 0 && cell.Row <= 65535; }},
                    {"Cell", [&](auto& v) { return AsText(v, cell.Text); }},
                    {"HasProp", [&](auto& v) { return AsBool(v, cell.HasProp); }}},
                   Error))
            return false;
        if (cell.HasProp) {
            if (!expect("TGridCellPropIO") || !Apply(rec, PropSetters(cell.Props, cell.HasGraphic), Error))
                return false;
            cell.PropsGiven = GivenProps(rec);
        }
        if (cell.HasProp && cell.HasGraphic) {
            if (!expect("TGridGraphicIO") || !Apply(rec, GraphicSetters(cell.Graphic), Error)) return false;
            const TBinDataKind k = BinDataKind(cell.Graphic.CellType);
            if (k != TBinDataKind::None) {
                TBinGraphic& g = cell.Graphic;
                const auto bin = [&](const TStreamValue& v) {
                    if (v.Type != vaBinary) return false;
                    g.Data = v.Text;
                    return true;
                };
                const auto list = [&](const TStreamValue& v) {
                    if (v.Type != vaList) return false;
                    for (const auto& item : v.List) {
                        if (!item.IsText()) return false;
                        g.Strings.push_back(item.Text);
                    }
                    return true;
                };
                if (!expect(DataClass(k)) ||
                    !Apply(rec,
                           {{"Bitmap.Data", bin}, {"Icon.Data", bin}, {"Picture.Data", bin},
                            {"Picture.Filename", [&](auto& v) { return AsText(v, g.FileName); }},
                            {"Strings.Strings", list}},
                           Error))
                    return false;
            }
        }
        Data.Cells.push_back(std::move(cell));
    }
    return true;
}

}  // namespace grid
