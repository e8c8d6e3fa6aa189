// The look file: the grid's colours, fonts and look choices as name=value
// lines. The whole file is read and converted before the first property
// changes, so a file with a broken value leaves the grid's look whole.

#include <fstream>
#include <functional>
#include <sstream>
#include <vector>

#include "base/StrUtils.h"
#include "grid/ExtGrid.h"
#include "grid/ExtGridCellLook.h"
#include "grid/ExtObj.h"

namespace grid {

namespace {

enum TLookKind { lkColor, lkBool, lkInt, lkEnum };

// One line of the file: how to read the grid's value as text and how to
// put a converted value back.
struct TLookItem {
    std::string Name;
    TLookKind Kind;
    std::vector<std::string> Names;  // lkEnum
    std::function<long long(TExtStringGrid&)> Get;
    std::function<void(TExtStringGrid&, long long)> Set;
};

std::string ColorText(plat::TColor C) {
    std::string ident;
    if (plat::ColorToIdent(C, ident)) return ident;
    return "$" + base::IntToHex(C, 8);
}

bool ParseColor(const std::string& Text, plat::TColor& C) {
    if (Text.empty()) {
        C = plat::clNone;
        return true;
    }
    if (plat::IdentToColor(Text, C)) return true;
    int64_t v = 0;
    if (!base::TryStrToInt64(Text, v) || v < INT32_MIN || v > UINT32_MAX) return false;
    C = static_cast<plat::TColor>(v);
    return true;
}

std::string StyleText(plat::TFontStyles S) {
    static const char* const names[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
    std::string out;
    for (int i = 0; i < 4; ++i) {
        if (!S.Contains(static_cast<plat::TFontStyle>(i))) continue;
        if (!out.empty()) out += ',';
        out += names[i];
    }
    return out;
}

plat::TFontStyles ParseStyle(const std::string& Text) {
    static const char* const names[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
    plat::TFontStyles s;
    for (int i = 0; i < 4; ++i)
        if (Text.find(names[i]) != std::string::npos) s.Include(static_cast<plat::TFontStyle>(i));
    return s;
}

using TFontOf = std::function<plat::TFont&(TExtStringGrid&)>;

void AddFont(std::vector<TLookItem>& Items, const std::string& Prefix, const TFontOf& F) {
    Items.push_back({Prefix + ".Color", lkColor, {}, [F](TExtStringGrid& g) { return (long long)F(g).Color(); },
                     [F](TExtStringGrid& g, long long v) { F(g).SetColor(plat::TColor(v)); }});
    // The style item is read as text; Get and Set carry its bits.
    Items.push_back({Prefix + ".Style", lkEnum, {"<style>"},
                     [F](TExtStringGrid& g) { return (long long)F(g).Style().Bits(); },
                     [F](TExtStringGrid& g, long long v) {
                         plat::TFontStyles s;
                         for (int i = 0; i < 4; ++i)
                             if (v & (1LL << i)) s.Include(static_cast<plat::TFontStyle>(i));
                         F(g).SetStyle(s);
                     }});
    Items.push_back({Prefix + ".Size", lkInt, {}, [F](TExtStringGrid& g) { return (long long)F(g).Size(); },
                     [F](TExtStringGrid& g, long long v) { F(g).SetSize(int(v)); }});
    Items.push_back({Prefix + ".Name", lkEnum, {"<name>"}, nullptr, nullptr});
}

#define LOOK_COLOR(NAME, GET, SET)                                                     \
    items.push_back({NAME, lkColor, {}, [](TExtStringGrid& g) { return (long long)(GET); }, \
                     [](TExtStringGrid& g, long long v) { SET(plat::TColor(v)); }})
#define LOOK_BOOL(NAME, GET, SET)                                                           \
    items.push_back({NAME, lkBool, {}, [](TExtStringGrid& g) { return (long long)(GET); }, \
                     [](TExtStringGrid& g, long long v) { SET(v != 0); }})
#define LOOK_INT(NAME, GET, SET)                                                           \
    items.push_back({NAME, lkInt, {}, [](TExtStringGrid& g) { return (long long)(GET); }, \
                     [](TExtStringGrid& g, long long v) { SET(int(v)); }})

// The items in the order of the file.
std::vector<TLookItem> LookItems() {
    std::vector<TLookItem> items;
    LOOK_COLOR("Color", g.Color(), g.SetColor);
    LOOK_COLOR("HintColor", g.HintColor(), g.SetHintColor);
    LOOK_COLOR("SelectionColor", g.SelectionColor(), g.SetSelectionColor);
    LOOK_COLOR("SelectionColorTo", g.SelectionColorTo(), g.SetSelectionColorTo);
    LOOK_COLOR("SelectionMirrorColor", g.SelectionMirrorColor(), g.SetSelectionMirrorColor);
    LOOK_COLOR("SelectionMirrorColorTo", g.SelectionMirrorColorTo(), g.SetSelectionMirrorColorTo);
    LOOK_COLOR("SelectionTextColor", g.SelectionTextColor(), g.SetSelectionTextColor);
    LOOK_COLOR("URLColor", g.URLColor(), g.SetURLColor);
    LOOK_BOOL("URLShow", g.URLShow(), g.SetURLShow);
    LOOK_BOOL("URLShowInText", g.URLShowInText(), g.SetURLShowInText);
    LOOK_COLOR("ScrollColor", g.ScrollColor(), g.SetScrollColor);
    LOOK_COLOR("ActiveRowColor", g.ActiveRowColor(), g.SetActiveRowColor);
    LOOK_BOOL("ActiveRowShow", g.ActiveRowShow(), g.SetActiveRowShow);
    LOOK_BOOL("ActiveCellShow", g.ActiveCellShow(), g.SetActiveCellShow);
    AddFont(items, "Font", [](TExtStringGrid& g) -> plat::TFont& { return g.Font(); });
    LOOK_COLOR("ActiveCellColor", g.ActiveCellColor(), g.SetActiveCellColor);
    LOOK_COLOR("ActiveCellColorTo", g.ActiveCellColorTo(), g.SetActiveCellColorTo);
    AddFont(items, "ActiveCellFont", [](TExtStringGrid& g) -> plat::TFont& { return g.ActiveCellFont(); });
    AddFont(items, "FixedFont", [](TExtStringGrid& g) -> plat::TFont& { return g.FixedFont(); });
    LOOK_COLOR("Balloon.BackgroundColor", g.Balloon().BackgroundColor(), g.Balloon().SetBackgroundColor);
    LOOK_COLOR("Balloon.TextColor", g.Balloon().TextColor(), g.Balloon().SetTextColor);
    LOOK_INT("Balloon.Transparency", g.Balloon().Transparency(), g.Balloon().SetTransparency);
    LOOK_COLOR("Bands.PrimaryColor", g.Bands().PrimaryColor(), g.Bands().SetPrimaryColor);
    LOOK_COLOR("Bands.SecondaryColor", g.Bands().SecondaryColor(), g.Bands().SetSecondaryColor);
    LOOK_BOOL("Bands.Active", g.Bands().Active(), g.Bands().SetActive);
    LOOK_COLOR("SortSettings.IndexColor", g.SortSettings().IndexColor(), g.SortSettings().SetIndexColor);
    LOOK_INT("ControlLook.CheckSize", g.ControlLook().CheckSize(), g.ControlLook().SetCheckSize);
    LOOK_COLOR("ControlLook.Color", g.ControlLook().Color(), g.ControlLook().SetColor);
    LOOK_COLOR("ControlLook.CommentColor", g.ControlLook().CommentColor(), g.ControlLook().SetCommentColor);
    items.push_back({"ControlLook.ControlStyle",
                     lkEnum,
                     {"csClassic", "csFlat", "csWinXP", "csBorland", "csKelo", "csGlyph", "csTheme"},
                     [](TExtStringGrid& g) { return (long long)g.ControlLook().ControlStyle(); },
                     [](TExtStringGrid& g, long long v) { g.ControlLook().SetControlStyle(TControlStyle(v)); }});
    LOOK_COLOR("ControlLook.FixedGradientFrom", g.ControlLook().FixedGradientFrom(),
               g.ControlLook().SetFixedGradientFrom);
    LOOK_COLOR("ControlLook.FixedGradientTo", g.ControlLook().FixedGradientTo(), g.ControlLook().SetFixedGradientTo);
    LOOK_INT("ControlLook.RadioSize", g.ControlLook().RadioSize(), g.ControlLook().SetRadioSize);
    LOOK_BOOL("ControlLook.FlatButton", g.ControlLook().FlatButton(), g.ControlLook().SetFlatButton);
    LOOK_COLOR("ControlLook.ProgressBorderColor", g.ControlLook().ProgressBorderColor(),
               g.ControlLook().SetProgressBorderColor);
    LOOK_BOOL("ControlLook.ProgressXP", g.ControlLook().ProgressXP(), g.ControlLook().SetProgressXP);
    // glCustom has no name: a grid of a custom look writes an empty value
    // and reading it leaves the look alone.
    items.push_back({"Look",
                     lkEnum,
                     {"glStandard", "glSoft", "glClassic", "glKelo", "glBevel", "glListView", "glFrost", "glGlass",
                      "glSuiteB"},
                     [](TExtStringGrid& g) { return (long long)g.Look(); },
                     [](TExtStringGrid& g, long long v) { g.SetLook(TGridLook(v)); }});
    LOOK_COLOR("SearchFooter.Color", g.SearchFooter().Color(), g.SearchFooter().SetColor);
    LOOK_COLOR("SearchFooter.ColorTo", g.SearchFooter().ColorTo(), g.SearchFooter().SetColorTo);
    LOOK_COLOR("GridLineColor", g.GridLineColor(), g.SetGridLineColor);
    LOOK_COLOR("GridFixedLineColor", g.GridFixedLineColor(), g.SetGridFixedLineColor);
    LOOK_INT("BackGround.Top", g.BackGround().Top(), g.BackGround().SetTop);
    LOOK_INT("BackGround.Left", g.BackGround().Left(), g.BackGround().SetLeft);
    items.push_back({"BackGround.Display",
                     lkEnum,
                     {"bdTile", "bdFixed", "bdGradientHorz", "bdGradientVert"},
                     [](TExtStringGrid& g) { return (long long)g.BackGround().Display(); },
                     [](TExtStringGrid& g, long long v) { g.BackGround().SetDisplay(TBackGroundDisplay(v)); }});
    items.push_back({"BackGround.Cells",
                     lkEnum,
                     {"bcNormal", "bcFixed", "bcAll"},
                     [](TExtStringGrid& g) { return (long long)g.BackGround().Cells(); },
                     [](TExtStringGrid& g, long long v) { g.BackGround().SetCells(TBackGroundCells(v)); }});
    LOOK_COLOR("BackGround.Color", g.BackGround().Color(), g.BackGround().SetColor);
    LOOK_COLOR("BackGround.ColorTo", g.BackGround().ColorTo(), g.BackGround().SetColorTo);
    return items;
}

#undef LOOK_COLOR
#undef LOOK_BOOL
#undef LOOK_INT

bool IsStyle(const TLookItem& I) { return I.Kind == lkEnum && I.Names.size() == 1 && I.Names[0] == "<style>"; }
bool IsFontName(const TLookItem& I) { return I.Kind == lkEnum && I.Names.size() == 1 && I.Names[0] == "<name>"; }

plat::TFont& FontOfItem(TExtStringGrid& G, const std::string& Name) {
    const std::string prefix = Name.substr(0, Name.find('.'));
    if (prefix == "ActiveCellFont") return G.ActiveCellFont();
    if (prefix == "FixedFont") return G.FixedFont();
    return G.Font();
}

}  // namespace

void TExtStringGrid::SaveVisualProps(const std::string& FileName) {
    std::ostringstream out;
    for (const TLookItem& item : LookItems()) {
        std::string value;
        if (IsFontName(item)) {
            value = FontOfItem(*this, item.Name).Name();
        } else if (IsStyle(item)) {
            value = StyleText(FontOfItem(*this, item.Name).Style());
        } else {
            const long long v = item.Get(*this);
            switch (item.Kind) {
                case lkColor: value = ColorText(plat::TColor(v)); break;
                case lkBool: value = v ? "true" : "false"; break;
                case lkInt: value = base::IntToStr(v); break;
                case lkEnum:
                    if (v >= 0 && v < static_cast<long long>(item.Names.size())) value = item.Names[size_t(v)];
                    break;
            }
        }
        out << item.Name << '=' << value << "\r\n";
    }
    std::ofstream file(FileName, std::ios::binary | std::ios::trunc);
    if (!file) throw EExtGridError("Cannot Create " + FileName);
    file << out.str();
    if (!file.flush()) throw EExtGridError("Cannot write " + FileName);
}

void TExtStringGrid::LoadVisualProps(const std::string& FileName) {
    std::ifstream file(FileName, std::ios::binary);
    if (!file) throw EExtGridError("Cannot open file " + FileName);
    std::vector<std::pair<std::string, std::string>> lines;
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        lines.emplace_back(line.substr(0, eq), line.substr(eq + 1));
    }
    auto valueOf = [&](const std::string& Name) {
        for (const auto& [n, v] : lines)
            if (base::SameText(n, Name)) return v;
        return std::string();
    };

    // Convert everything first: one broken value refuses the whole file.
    const std::vector<TLookItem> items = LookItems();
    std::vector<std::function<void()>> apply;
    for (const TLookItem& item : items) {
        const std::string text = valueOf(item.Name);
        auto bad = [&](const char* What) {
            throw EExtGridError("Invalid look file " + FileName + ": \"" + item.Name + "\" needs " + What +
                                ", not \"" + text + "\"");
        };
        if (IsFontName(item)) {
            const std::string name = item.Name;
            apply.push_back([this, name, text] { FontOfItem(*this, name).SetName(text); });
            continue;
        }
        if (IsStyle(item)) {
            const std::string name = item.Name;
            const plat::TFontStyles s = ParseStyle(text);
            apply.push_back([this, name, s] { FontOfItem(*this, name).SetStyle(s); });
            continue;
        }
        long long v = 0;
        switch (item.Kind) {
            case lkColor: {
                plat::TColor c = 0;
                if (!ParseColor(text, c)) bad("a colour");
                v = c;
                break;
            }
            case lkBool: v = base::UpperCase(text) == "TRUE"; break;
            case lkInt: {
                int i = 0;
                if (!base::TryStrToInt(text, i)) bad("a number");
                if (base::EndsText(".Size", item.Name) && (i < 1 || i > 1000)) bad("a font size from 1 to 1000");
                v = i;
                break;
            }
            case lkEnum: {
                v = -1;
                for (size_t k = 0; k < item.Names.size(); ++k)
                    if (base::SameText(text, item.Names[k])) v = static_cast<long long>(k);
                if (v < 0) continue;  // an unknown name leaves the property alone
                break;
            }
        }
        const auto set = item.Set;
        // A look preset rewrites colours: it goes first, so that the
        // colours the file keeps are the ones the grid ends with.
        if (item.Name == "Look")
            apply.insert(apply.begin(), [this, set, v] { set(*this, v); });
        else
            apply.push_back([this, set, v] { set(*this, v); });
    }
    for (const auto& step : apply) step();
}

}  // namespace grid
