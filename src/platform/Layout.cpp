#include "platform/Layout.h"

#include <cctype>
#include <cstdint>
#include <memory>
#include <utility>

#include "base/Resources.h"
#include "platform/ComCtrls.h"
#include "platform/Dialogs.h"
#include "platform/ExtCtrls.h"

namespace plat {

namespace {

struct TLayoutClass {
    std::string BaseKind;
    TLayoutFactory Factory;
    TLayoutPlacer Placer;
    std::map<std::string, TLayoutSetter> Properties;
};

std::map<std::string, TLayoutClass>& Registry();

void RegisterBuiltInClasses();

std::map<std::string, TLayoutClass>& RawRegistry() {
    static std::map<std::string, TLayoutClass> registry;
    return registry;
}

std::map<std::string, TLayoutClass>& Registry() {
    // The window layer's own classes are there before the first look-up, so
    // upper layers may register theirs at any time. The flag is set first
    // because the registration itself comes back here.
    static bool builtIn = false;
    if (!builtIn) {
        builtIn = true;
        RegisterBuiltInClasses();
    }
    return RawRegistry();
}

const TLayoutSetter* FindSetter(const std::string& kind, const std::string& property) {
    auto& registry = Registry();
    std::string k = kind;
    // A chain of bases is short; a cycle would be a registration fault, so
    // the walk is bounded.
    for (int depth = 0; depth < 32 && !k.empty(); ++depth) {
        auto it = registry.find(k);
        if (it == registry.end()) return nullptr;
        auto p = it->second.Properties.find(property);
        if (p != it->second.Properties.end()) return &p->second;
        k = it->second.BaseKind;
    }
    return nullptr;
}

const TLayoutPlacer* FindPlacer(const std::string& kind) {
    auto& registry = Registry();
    std::string k = kind;
    for (int depth = 0; depth < 32 && !k.empty(); ++depth) {
        auto it = registry.find(k);
        if (it == registry.end()) return nullptr;
        if (it->second.Placer) return &it->second.Placer;
        k = it->second.BaseKind;
    }
    return nullptr;
}

// ------------------------------------------------------------- built-ins

template <class T>
void Prop(const std::string& kind, const std::string& name,
          std::function<void(T&, const TLayoutValue&)> set) {
    RegisterLayoutProperty(kind, name, [set, kind](TComponent& c, const TLayoutValue& v, TLayoutContext&) {
        T* t = dynamic_cast<T*>(&c);
        if (t == nullptr) throw ELayoutError("property applied to an object that is no " + kind);
        set(*t, v);
    });
}

template <class T, class E>
void Event(const std::string& kind, const std::string& name, E T::*member) {
    RegisterLayoutProperty(kind, name,
                           [member, kind](TComponent& c, const TLayoutValue& v, TLayoutContext& ctx) {
                               T* t = dynamic_cast<T*>(&c);
                               if (t == nullptr)
                                   throw ELayoutError("event applied to an object that is no " + kind);
                               t->*member = ctx.Handler<E>(v);
                           });
}

template <class T>
TLayoutFactory Make() {
    return [](TComponent* owner) -> TComponent* { return new T(owner); };
}

TFontStyles LayoutFontStyles(const TLayoutValue& v) {
    if (v.Kind != TLayoutValue::Set) throw ELayoutError("a font style is a set such as [fsBold]");
    TFontStyles styles;
    for (const std::string& item : v.Items) {
        TLayoutValue one;
        one.Kind = TLayoutValue::Ident;
        one.Str = item;
        styles.Include(static_cast<TFontStyle>(LayoutEnum(one, {{"fsBold", fsBold},
                                                                {"fsItalic", fsItalic},
                                                                {"fsUnderline", fsUnderline},
                                                                {"fsStrikeOut", fsStrikeOut}})));
    }
    return styles;
}

const std::vector<std::pair<const char*, int>> AlignNames = {{"alNone", alNone},     {"alTop", alTop},
                                                             {"alBottom", alBottom}, {"alLeft", alLeft},
                                                             {"alRight", alRight},   {"alClient", alClient}};
const std::vector<std::pair<const char*, int>> BiDiModeNames = {
    {"bdLeftToRight", bdLeftToRight},
    {"bdRightToLeft", bdRightToLeft},
    {"bdRightToLeftNoAlign", bdRightToLeftNoAlign},
    {"bdRightToLeftReadingOnly", bdRightToLeftReadingOnly}};
const std::vector<std::pair<const char*, int>> AlignmentNames = {
    {"taLeftJustify", taLeftJustify}, {"taRightJustify", taRightJustify}, {"taCenter", taCenter}};
const std::vector<std::pair<const char*, int>> BevelNames = {
    {"bvNone", bvNone}, {"bvLowered", bvLowered}, {"bvRaised", bvRaised}, {"bvSpace", bvSpace}};
const std::vector<std::pair<const char*, int>> CursorNames = {
    {"crDefault", crDefault}, {"crArrow", crArrow}, {"crHandPoint", crHandPoint}, {"crIBeam", crIBeam}};

void RegisterControlClasses() {
    RegisterLayoutClass("TComponent", "", nullptr);
    Prop<TComponent>("TComponent", "Tag",
                     [](TComponent& c, const TLayoutValue& v) { c.SetTag(LayoutInt(v)); });

    RegisterLayoutClass("TControl", "TComponent", nullptr);
    Prop<TControl>("TControl", "Left", [](TControl& c, const TLayoutValue& v) { c.SetLeft(LayoutInt(v)); });
    Prop<TControl>("TControl", "Top", [](TControl& c, const TLayoutValue& v) { c.SetTop(LayoutInt(v)); });
    Prop<TControl>("TControl", "Width", [](TControl& c, const TLayoutValue& v) { c.SetWidth(LayoutInt(v)); });
    Prop<TControl>("TControl", "Height",
                   [](TControl& c, const TLayoutValue& v) { c.SetHeight(LayoutInt(v)); });
    Prop<TControl>("TControl", "ClientWidth",
                   [](TControl& c, const TLayoutValue& v) { c.SetClientWidth(LayoutInt(v)); });
    Prop<TControl>("TControl", "ClientHeight",
                   [](TControl& c, const TLayoutValue& v) { c.SetClientHeight(LayoutInt(v)); });
    Prop<TControl>("TControl", "Align",
                   [](TControl& c, const TLayoutValue& v) { c.SetAlign(TAlign(LayoutEnum(v, AlignNames))); });
    Prop<TControl>("TControl", "Visible",
                   [](TControl& c, const TLayoutValue& v) { c.SetVisible(LayoutBool(v)); });
    Prop<TControl>("TControl", "Enabled",
                   [](TControl& c, const TLayoutValue& v) { c.SetEnabled(LayoutBool(v)); });
    Prop<TControl>("TControl", "Caption",
                   [](TControl& c, const TLayoutValue& v) { c.SetCaption(LayoutText(v)); });
    Prop<TControl>("TControl", "Text", [](TControl& c, const TLayoutValue& v) { c.SetText(LayoutText(v)); });
    Prop<TControl>("TControl", "Hint", [](TControl& c, const TLayoutValue& v) { c.SetHint(LayoutText(v)); });
    Prop<TControl>("TControl", "ShowHint",
                   [](TControl& c, const TLayoutValue& v) { c.SetShowHint(LayoutBool(v)); });
    Prop<TControl>("TControl", "Color",
                   [](TControl& c, const TLayoutValue& v) { c.SetColor(LayoutColor(v)); });
    Prop<TControl>("TControl", "ParentColor",
                   [](TControl& c, const TLayoutValue& v) { c.SetParentColor(LayoutBool(v)); });
    Prop<TControl>("TControl", "ParentFont",
                   [](TControl& c, const TLayoutValue& v) { c.SetParentFont(LayoutBool(v)); });
    Prop<TControl>("TControl", "BiDiMode", [](TControl& c, const TLayoutValue& v) {
        c.SetBiDiMode(TBiDiMode(LayoutEnum(v, BiDiModeNames)));
    });
    Prop<TControl>("TControl", "ParentBiDiMode",
                   [](TControl& c, const TLayoutValue& v) { c.SetParentBiDiMode(LayoutBool(v)); });
    Prop<TControl>("TControl", "Cursor",
                   [](TControl& c, const TLayoutValue& v) { c.SetCursor(LayoutEnum(v, CursorNames)); });
    Prop<TControl>("TControl", "Font.Name",
                   [](TControl& c, const TLayoutValue& v) { c.Font().SetName(LayoutText(v)); });
    Prop<TControl>("TControl", "Font.Size",
                   [](TControl& c, const TLayoutValue& v) { c.Font().SetSize(LayoutInt(v)); });
    Prop<TControl>("TControl", "Font.Height",
                   [](TControl& c, const TLayoutValue& v) { c.Font().SetHeight(LayoutInt(v)); });
    Prop<TControl>("TControl", "Font.Color",
                   [](TControl& c, const TLayoutValue& v) { c.Font().SetColor(LayoutColor(v)); });
    Prop<TControl>("TControl", "Font.Style",
                   [](TControl& c, const TLayoutValue& v) { c.Font().SetStyle(LayoutFontStyles(v)); });
    Event<TControl>("TControl", "OnClick", &TControl::OnClick);
    Event<TControl>("TControl", "OnDblClick", &TControl::OnDblClick);

    RegisterLayoutClass("TWinControl", "TControl", nullptr);
    Prop<TWinControl>("TWinControl", "TabOrder",
                      [](TWinControl& c, const TLayoutValue& v) { c.SetTabOrder(LayoutInt(v)); });
    Prop<TWinControl>("TWinControl", "TabStop",
                      [](TWinControl& c, const TLayoutValue& v) { c.SetTabStop(LayoutBool(v)); });
    Event<TWinControl>("TWinControl", "OnKeyPress", &TWinControl::OnKeyPress);
    Event<TWinControl>("TWinControl", "OnKeyDown", &TWinControl::OnKeyDown);
    Event<TWinControl>("TWinControl", "OnEnter", &TWinControl::OnEnter);
    Event<TWinControl>("TWinControl", "OnExit", &TWinControl::OnExit);

    RegisterLayoutClass("TCustomControl", "TWinControl", nullptr);

    // The window itself: never created by a layout, only configured.
    RegisterLayoutClass("TForm", "TWinControl", nullptr);
    Prop<TForm>("TForm", "BorderStyle", [](TForm& f, const TLayoutValue& v) {
        f.SetBorderStyle(TFormBorderStyle(LayoutEnum(v, {{"bsNone", bsNone},
                                                         {"bsSingle", bsSingle},
                                                         {"bsSizeable", bsSizeable},
                                                         {"bsDialog", bsDialog},
                                                         {"bsToolWindow", bsToolWindow},
                                                         {"bsSizeToolWin", bsSizeToolWin}})));
    });
    Prop<TForm>("TForm", "BorderIcons", [](TForm& f, const TLayoutValue& v) {
        if (v.Kind != TLayoutValue::Set) throw ELayoutError("border icons are a set such as [biSystemMenu]");
        TBorderIcons icons = 0;
        for (const std::string& item : v.Items) {
            TLayoutValue one;
            one.Kind = TLayoutValue::Ident;
            one.Str = item;
            icons |= static_cast<TBorderIcons>(LayoutEnum(one, {{"biSystemMenu", int(biSystemMenu)},
                                                                {"biMinimize", int(biMinimize)},
                                                                {"biMaximize", int(biMaximize)}}));
        }
        f.SetBorderIcons(icons);
    });
    Prop<TForm>("TForm", "Position", [](TForm& f, const TLayoutValue& v) {
        f.SetPosition(TPosition(LayoutEnum(v, {{"poDesigned", poDesigned},
                                               {"poDefault", poDefault},
                                               {"poScreenCenter", poScreenCenter},
                                               {"poDesktopCenter", poDesktopCenter},
                                               {"poMainFormCenter", poMainFormCenter},
                                               {"poOwnerFormCenter", poOwnerFormCenter}})));
    });
    Prop<TForm>("TForm", "KeyPreview",
                [](TForm& f, const TLayoutValue& v) { f.SetKeyPreview(LayoutBool(v)); });
    Event<TForm>("TForm", "OnCreate", &TForm::OnCreate);
    Event<TForm>("TForm", "OnShow", &TForm::OnShow);
    Event<TForm>("TForm", "OnHide", &TForm::OnHide);
    Event<TForm>("TForm", "OnClose", &TForm::OnClose);

    RegisterLayoutClass("TLabel", "TControl", Make<TLabel>());
    Prop<TLabel>("TLabel", "AutoSize",
                 [](TLabel& c, const TLayoutValue& v) { c.SetAutoSize(LayoutBool(v)); });
    Prop<TLabel>("TLabel", "WordWrap",
                 [](TLabel& c, const TLayoutValue& v) { c.SetWordWrap(LayoutBool(v)); });
    Prop<TLabel>("TLabel", "Transparent",
                 [](TLabel& c, const TLayoutValue& v) { c.SetTransparent(LayoutBool(v)); });
    Prop<TLabel>("TLabel", "Alignment", [](TLabel& c, const TLayoutValue& v) {
        c.SetAlignment(TAlignment(LayoutEnum(v, AlignmentNames)));
    });
    Prop<TLabel>("TLabel", "Layout", [](TLabel& c, const TLayoutValue& v) {
        c.SetLayout(
            TTextLayout(LayoutEnum(v, {{"tlTop", tlTop}, {"tlCenter", tlCenter}, {"tlBottom", tlBottom}})));
    });

    RegisterLayoutClass("TLinkLabel", "TControl", Make<TLinkLabel>());
    Event<TLinkLabel>("TLinkLabel", "OnLinkClick", &TLinkLabel::OnLinkClick);

    RegisterLayoutClass("TEdit", "TWinControl", Make<TEdit>());
    Prop<TEdit>("TEdit", "MaxLength", [](TEdit& c, const TLayoutValue& v) { c.SetMaxLength(LayoutInt(v)); });
    Prop<TEdit>("TEdit", "ReadOnly", [](TEdit& c, const TLayoutValue& v) { c.SetReadOnly(LayoutBool(v)); });
    Event<TEdit>("TEdit", "OnChange", &TEdit::OnChange);

    RegisterLayoutClass("TButton", "TWinControl", Make<TButton>());
    Prop<TButton>("TButton", "ModalResult",
                  [](TButton& c, const TLayoutValue& v) { c.SetModalResult(LayoutInt(v)); });
    Prop<TButton>("TButton", "Default",
                  [](TButton& c, const TLayoutValue& v) { c.SetDefault(LayoutBool(v)); });
    Prop<TButton>("TButton", "Cancel", [](TButton& c, const TLayoutValue& v) { c.SetCancel(LayoutBool(v)); });

    RegisterLayoutClass("TCheckBox", "TWinControl", Make<TCheckBox>());
    Prop<TCheckBox>("TCheckBox", "Checked",
                    [](TCheckBox& c, const TLayoutValue& v) { c.SetChecked(LayoutBool(v)); });

    RegisterLayoutClass("TListBox", "TWinControl", Make<TListBox>());
    RegisterLayoutClass("TGroupBox", "TWinControl", Make<TGroupBox>());

    RegisterLayoutClass("TPanel", "TCustomControl", Make<TPanel>());
    Prop<TPanel>("TPanel", "BevelOuter", [](TPanel& c, const TLayoutValue& v) {
        c.SetBevelOuter(TBevelCut(LayoutEnum(v, BevelNames)));
    });
    Prop<TPanel>("TPanel", "BevelInner", [](TPanel& c, const TLayoutValue& v) {
        c.SetBevelInner(TBevelCut(LayoutEnum(v, BevelNames)));
    });
    Prop<TPanel>("TPanel", "BevelWidth",
                 [](TPanel& c, const TLayoutValue& v) { c.SetBevelWidth(LayoutInt(v)); });
    Prop<TPanel>("TPanel", "Alignment", [](TPanel& c, const TLayoutValue& v) {
        c.SetAlignment(TAlignment(LayoutEnum(v, AlignmentNames)));
    });
    Prop<TPanel>("TPanel", "ShowCaption",
                 [](TPanel& c, const TLayoutValue& v) { c.SetShowCaption(LayoutBool(v)); });

    RegisterLayoutClass("TShape", "TCustomControl", Make<TShape>());
    Prop<TShape>("TShape", "Shape", [](TShape& c, const TLayoutValue& v) {
        c.SetShape(TShapeType(LayoutEnum(v, {{"stRectangle", stRectangle},
                                             {"stSquare", stSquare},
                                             {"stRoundRect", stRoundRect},
                                             {"stRoundSquare", stRoundSquare},
                                             {"stEllipse", stEllipse},
                                             {"stCircle", stCircle}})));
    });
    Prop<TShape>("TShape", "Pen.Color", [](TShape& c, const TLayoutValue& v) {
        c.Pen().SetColor(LayoutColor(v));
        c.Invalidate();
    });
    Prop<TShape>("TShape", "Pen.Width", [](TShape& c, const TLayoutValue& v) {
        c.Pen().SetWidth(LayoutInt(v));
        c.Invalidate();
    });
    Prop<TShape>("TShape", "Brush.Color", [](TShape& c, const TLayoutValue& v) {
        c.Brush().SetColor(LayoutColor(v));
        c.Invalidate();
    });
    Prop<TShape>("TShape", "Brush.Style", [](TShape& c, const TLayoutValue& v) {
        c.Brush().SetStyle(TBrushStyle(LayoutEnum(v, {{"bsSolid", bsSolid}, {"bsClear", bsClear}})));
        c.Invalidate();
    });

    RegisterLayoutClass("TImage", "TCustomControl", Make<TImage>());
    // A picture names a compiled-in resource, so the window needs no file.
    Prop<TImage>("TImage", "Picture", [](TImage& c, const TLayoutValue& v) {
        const std::string name = LayoutText(v);
        auto bytes = base::FindResource(name);
        if (!bytes) throw ELayoutError("no picture resource '" + name + "'");
        if (!c.Picture().LoadFromBytes(*bytes))
            throw ELayoutError("picture '" + name + "' cannot be read: " + c.Picture().ErrorString());
        c.Invalidate();
    });
    Prop<TImage>("TImage", "Stretch", [](TImage& c, const TLayoutValue& v) { c.SetStretch(LayoutBool(v)); });
    Prop<TImage>("TImage", "Center", [](TImage& c, const TLayoutValue& v) { c.SetCenter(LayoutBool(v)); });
    Prop<TImage>("TImage", "Proportional",
                 [](TImage& c, const TLayoutValue& v) { c.SetProportional(LayoutBool(v)); });
    Prop<TImage>("TImage", "Transparent",
                 [](TImage& c, const TLayoutValue& v) { c.SetTransparent(LayoutBool(v)); });

    RegisterLayoutClass("TTreeView", "TWinControl", Make<TTreeView>());
    RegisterLayoutClass("TSplitter", "TCustomControl", Make<TSplitter>());
    RegisterLayoutClass("TPageControl", "TWinControl", Make<TPageControl>());
    Event<TPageControl>("TPageControl", "OnChange", &TPageControl::OnChange);
    RegisterLayoutClass("TTabSheet", "TWinControl", Make<TTabSheet>(),
                        [](TComponent& child, TComponent& container) {
                            auto* pages = dynamic_cast<TPageControl*>(&container);
                            if (pages == nullptr)
                                throw ELayoutError("a tab sheet belongs inside a page control");
                            static_cast<TTabSheet&>(child).SetPageControl(pages);
                        });
    Prop<TTabSheet>("TTabSheet", "TabVisible",
                    [](TTabSheet& c, const TLayoutValue& v) { c.SetTabVisible(LayoutBool(v)); });
}

void RegisterComponentClasses() {
    RegisterLayoutClass("TTimer", "TComponent", Make<TTimer>());
    Prop<TTimer>("TTimer", "Enabled", [](TTimer& t, const TLayoutValue& v) { t.SetEnabled(LayoutBool(v)); });
    Prop<TTimer>("TTimer", "Interval", [](TTimer& t, const TLayoutValue& v) { t.SetInterval(LayoutInt(v)); });
    Event<TTimer>("TTimer", "OnTimer", &TTimer::OnTimer);

    RegisterLayoutClass("TOpenDialog", "TComponent", Make<TOpenDialog>());
    Prop<TOpenDialog>("TOpenDialog", "Filter",
                      [](TOpenDialog& d, const TLayoutValue& v) { d.Filter = LayoutText(v); });
    Prop<TOpenDialog>("TOpenDialog", "DefaultExt",
                      [](TOpenDialog& d, const TLayoutValue& v) { d.DefaultExt = LayoutText(v); });
    Prop<TOpenDialog>("TOpenDialog", "Title",
                      [](TOpenDialog& d, const TLayoutValue& v) { d.Title = LayoutText(v); });
    RegisterLayoutClass("TSaveDialog", "TOpenDialog", Make<TSaveDialog>());
}

void RegisterBuiltInClasses() {
    RegisterControlClasses();
    RegisterComponentClasses();
}

void DefaultPlace(TComponent& child, TComponent& container) {
    auto* control = dynamic_cast<TControl*>(&child);
    if (control == nullptr) return;  // timers and dialogs have no place
    auto* parent = dynamic_cast<TWinControl*>(&container);
    if (parent == nullptr) throw ELayoutError("'" + container.Name() + "' cannot hold controls");
    control->SetParent(parent);
}

// ---------------------------------------------------------------- parser

void AppendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

bool IsIdentStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}
bool IsIdentChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.';
}

std::string_view TrimView(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
    return s;
}

// Quoted segments, #codes and "+" joins, up to the end of s.
std::string ParseText(std::string_view s) {
    std::string out;
    size_t i = 0;
    bool expectPart = true;
    while (i < s.size()) {
        const char c = s[i];
        if (c == ' ' || c == '\t') {
            ++i;
        } else if (c == '+' && !expectPart) {
            expectPart = true;
            ++i;
        } else if (c == '\'') {
            ++i;
            for (;;) {
                if (i >= s.size()) throw ELayoutError("unterminated text");
                if (s[i] == '\'') {
                    if (i + 1 < s.size() && s[i + 1] == '\'') {
                        out += '\'';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                out += s[i++];
            }
            expectPart = false;
        } else if (c == '#') {
            ++i;
            size_t start = i;
            while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i;
            if (start == i || i - start > 7) throw ELayoutError("a character code is # and a decimal number");
            const unsigned code = static_cast<unsigned>(std::stoul(std::string(s.substr(start, i - start))));
            if (code > 0x10FFFF) throw ELayoutError("character code out of range");
            AppendUtf8(out, code);
            expectPart = false;
        } else {
            throw ELayoutError("unexpected '" + std::string(1, c) + "' in a text");
        }
    }
    if (expectPart) throw ELayoutError("a text ends with '+'");
    return out;
}

TLayoutValue ParseValue(std::string_view s) {
    TLayoutValue v;
    if (s.empty()) throw ELayoutError("missing value");
    const char c = s.front();
    if (c == '\'' || c == '#') {
        v.Kind = TLayoutValue::Text;
        v.Str = ParseText(s);
        return v;
    }
    if (c == '[') {
        if (s.back() != ']') throw ELayoutError("a set ends with ']'");
        v.Kind = TLayoutValue::Set;
        std::string_view body = TrimView(s.substr(1, s.size() - 2));
        while (!body.empty()) {
            const size_t comma = body.find(',');
            std::string_view item = TrimView(body.substr(0, comma));
            if (item.empty() || !IsIdentStart(item.front()))
                throw ELayoutError("a set holds names separated by commas");
            for (char ch : item)
                if (!IsIdentChar(ch)) throw ELayoutError("a set holds names separated by commas");
            v.Items.emplace_back(item);
            if (comma == std::string_view::npos) break;
            body = TrimView(body.substr(comma + 1));
            if (body.empty()) throw ELayoutError("a set holds names separated by commas");
        }
        return v;
    }
    if (c == '$' || c == '-' || std::isdigit(static_cast<unsigned char>(c))) {
        v.Kind = TLayoutValue::Number;
        bool negative = false;
        std::string_view digits = s;
        if (digits.front() == '-') {
            negative = true;
            digits.remove_prefix(1);
        }
        int base = 10;
        if (!digits.empty() && digits.front() == '$') {
            base = 16;
            digits.remove_prefix(1);
        }
        if (digits.empty() || digits.size() > 16) throw ELayoutError("'" + std::string(s) + "' is no number");
        long long value = 0;
        for (char ch : digits) {
            int d;
            if (ch >= '0' && ch <= '9')
                d = ch - '0';
            else if (base == 16 && ch >= 'a' && ch <= 'f')
                d = ch - 'a' + 10;
            else if (base == 16 && ch >= 'A' && ch <= 'F')
                d = ch - 'A' + 10;
            else
                throw ELayoutError("'" + std::string(s) + "' is no number");
            value = value * base + d;
        }
        v.Int = negative ? -value : value;
        return v;
    }
    if (IsIdentStart(c)) {
        for (char ch : s)
            if (!IsIdentChar(ch)) throw ELayoutError("'" + std::string(s) + "' is no value");
        v.Kind = TLayoutValue::Ident;
        v.Str = std::string(s);
        return v;
    }
    throw ELayoutError("'" + std::string(s) + "' is no value");
}

struct TOpenObject {
    TComponent* Object;
    std::string Kind;
    int Line;
};

class TLayoutReader {
public:
    TLayoutReader(TComponent& root, const std::string& rootKind, const TLayoutHandlers& handlers)
        : FRoot(root), FRootKind(rootKind), FContext(handlers) {}

    // Reads text, whose first line is line FirstLine of the layout. A reader
    // told to StopAtChildren stops at the root's first nested object and
    // keeps the rest for a reader that Resumes it.
    void Read(std::string_view text, int FirstLine = 1) {
        std::vector<std::string_view> lines;
        size_t start = 0;
        while (start <= text.size()) {
            size_t end = text.find('\n', start);
            if (end == std::string_view::npos) end = text.size();
            lines.push_back(text.substr(start, end - start));
            start = end + 1;
        }
        for (size_t i = 0; i < lines.size(); ++i) {
            FLine = static_cast<int>(i) + FirstLine;
            std::string line(TrimView(lines[i]));
            if (line.empty() || line.rfind("//", 0) == 0) continue;
            if (FStopAtChildren && FStack.size() == 1 && line.rfind("object ", 0) == 0) {
                FRest = text.substr(static_cast<size_t>(lines[i].data() - text.data()));
                FRestLine = FLine;
                FStopped = true;
                return;
            }
            // A long text may go on over further lines, each one ending in "+".
            const int firstLine = FLine;
            while (!line.empty() && line.back() == '+' && i + 1 < lines.size()) {
                ++i;
                line += ' ';
                line += TrimView(lines[i]);
            }
            FLine = firstLine;
            Statement(line);
        }
        FLine = static_cast<int>(lines.size()) + FirstLine - 1;
        if (!FStack.empty())
            throw ELayoutError("object '" + FStack.back().Object->Name() + "' opened on line " +
                               std::to_string(FStack.back().Line) + " has no 'end'");
        if (!FRootSeen) throw ELayoutError("no object in the layout");
    }

    int Line() const { return FLine; }

    void StopAtChildren() { FStopAtChildren = true; }
    bool Stopped() const { return FStopped; }
    const TOpenObject& Root() const { return FStack.front(); }
    std::string_view Rest() const { return FRest; }
    int RestLine() const { return FRestLine; }
    // Goes on inside Root, as a reader that stopped there left it.
    void Resume(const TOpenObject& Root) {
        FRootSeen = true;
        FStack.push_back(Root);
    }

private:
    void Statement(const std::string& line) {
        if (line == "end") {
            if (FStack.empty()) throw ELayoutError("'end' without 'object'");
            FStack.pop_back();
            return;
        }
        if (line.rfind("object ", 0) == 0) {
            OpenObject(std::string_view(line).substr(7));
            return;
        }
        const size_t eq = line.find('=');
        if (eq == std::string::npos) throw ELayoutError("expected 'object', 'end' or 'Property = value'");
        if (FStack.empty()) throw ELayoutError("property outside any object");
        const std::string name(TrimView(std::string_view(line).substr(0, eq)));
        const TLayoutValue value = ParseValue(TrimView(std::string_view(line).substr(eq + 1)));
        const TOpenObject& top = FStack.back();
        const TLayoutSetter* setter = FindSetter(top.Kind, name);
        if (setter == nullptr) throw ELayoutError("unknown property '" + name + "' of " + top.Kind);
        (*setter)(*top.Object, value, FContext);
    }

    void OpenObject(std::string_view rest) {
        const size_t colon = rest.find(':');
        if (colon == std::string_view::npos) throw ELayoutError("expected 'object Name: Kind'");
        const std::string name(TrimView(rest.substr(0, colon)));
        const std::string kind(TrimView(rest.substr(colon + 1)));
        if (name.empty() || kind.empty()) throw ELayoutError("expected 'object Name: Kind'");
        if (!FRootSeen) {
            if (kind != FRootKind) throw ELayoutError("the layout is for " + kind + ", not for " + FRootKind);
            FRootSeen = true;
            FRoot.SetName(name);
            std::string propsKind = FRootKind;
            if (!LayoutClassRegistered(propsKind)) {
                if (dynamic_cast<TForm*>(&FRoot) == nullptr)
                    throw ELayoutError("unknown control kind '" + kind + "'");
                propsKind = "TForm";
            }
            FStack.push_back({&FRoot, propsKind, FLine});
            return;
        }
        if (FStack.empty()) throw ELayoutError("a second top-level object");
        auto& registry = Registry();
        auto it = registry.find(kind);
        if (it == registry.end() || !it->second.Factory)
            throw ELayoutError("unknown control kind '" + kind + "'");
        if (FRoot.FindComponent(name) != nullptr || name == FRoot.Name())
            throw ELayoutError("a second object named '" + name + "'");
        TComponent* object = it->second.Factory(&FRoot);
        object->SetName(name);
        TComponent& container = *FStack.back().Object;
        if (const TLayoutPlacer* placer = FindPlacer(kind))
            (*placer)(*object, container);
        else
            DefaultPlace(*object, container);
        FStack.push_back({object, kind, FLine});
    }

    TComponent& FRoot;
    std::string FRootKind;
    TLayoutContext FContext;
    std::vector<TOpenObject> FStack;
    bool FRootSeen = false;
    int FLine = 0;
    bool FStopAtChildren = false;
    bool FStopped = false;
    std::string_view FRest;
    int FRestLine = 0;
};

}  // namespace

void RegisterLayoutClass(const std::string& Kind, const std::string& BaseKind, TLayoutFactory Factory,
                         TLayoutPlacer Placer) {
    TLayoutClass& c = RawRegistry()[Kind];
    c.BaseKind = BaseKind;
    c.Factory = std::move(Factory);
    c.Placer = std::move(Placer);
}

void RegisterLayoutProperty(const std::string& Kind, const std::string& Property, TLayoutSetter Setter) {
    auto& registry = Registry();
    auto it = registry.find(Kind);
    if (it == registry.end()) throw ELayoutError("property '" + Property + "' for unregistered kind " + Kind);
    it->second.Properties[Property] = std::move(Setter);
}

bool LayoutClassRegistered(const std::string& Kind) {
    return Registry().count(Kind) != 0;
}

int LayoutInt(const TLayoutValue& Value) {
    if (Value.Kind != TLayoutValue::Number) throw ELayoutError("expected a number");
    if (Value.Int < INT32_MIN || Value.Int > INT32_MAX) throw ELayoutError("number out of range");
    return static_cast<int>(Value.Int);
}

bool LayoutBool(const TLayoutValue& Value) {
    if (Value.Kind == TLayoutValue::Ident) {
        if (Value.Str == "True") return true;
        if (Value.Str == "False") return false;
    }
    throw ELayoutError("expected True or False");
}

std::string LayoutText(const TLayoutValue& Value) {
    if (Value.Kind != TLayoutValue::Text) throw ELayoutError("expected a quoted text");
    return Value.Str;
}

TColor LayoutColor(const TLayoutValue& Value) {
    if (Value.Kind == TLayoutValue::Number) return static_cast<TColor>(Value.Int);
    static const std::vector<std::pair<const char*, int>> names = {
        {"clBlack", int(clBlack)},         {"clMaroon", int(clMaroon)},
        {"clGreen", int(clGreen)},         {"clOlive", int(clOlive)},
        {"clNavy", int(clNavy)},           {"clPurple", int(clPurple)},
        {"clTeal", int(clTeal)},           {"clGray", int(clGray)},
        {"clSilver", int(clSilver)},       {"clRed", int(clRed)},
        {"clLime", int(clLime)},           {"clYellow", int(clYellow)},
        {"clBlue", int(clBlue)},           {"clFuchsia", int(clFuchsia)},
        {"clAqua", int(clAqua)},           {"clWhite", int(clWhite)},
        {"clNone", int(clNone)},           {"clDefault", int(clDefault)},
        {"clWindow", int(clWindow)},       {"clWindowText", int(clWindowText)},
        {"clBtnFace", int(clBtnFace)},     {"clBtnText", int(clBtnText)},
        {"clHighlight", int(clHighlight)}, {"clGrayText", int(clGrayText)}};
    return static_cast<TColor>(LayoutEnum(Value, names));
}

int LayoutEnum(const TLayoutValue& Value, const std::vector<std::pair<const char*, int>>& Names) {
    if (Value.Kind == TLayoutValue::Ident)
        for (const auto& [name, value] : Names)
            if (Value.Str == name) return value;
    std::string known;
    for (const auto& entry : Names) known += (known.empty() ? "" : ", ") + std::string(entry.first);
    const std::string shown = Value.Kind == TLayoutValue::Ident ? "'" + Value.Str + "'" : "this value";
    throw ELayoutError(shown + " is not one of " + known);
}

namespace {

// "<file>:<line>: <what>": where a layout went wrong, as every loader reports it.
std::string Mistake(const std::string& FileName, int Line, const std::exception& e) {
    return FileName + ":" + std::to_string(Line) + ": " + e.what();
}

}  // namespace

bool LoadLayout(TComponent& Root, const std::string& RootKind, std::string_view Text,
                const std::string& FileName, const TLayoutHandlers& Handlers, std::string* Error) {
    TLayoutReader reader(Root, RootKind, Handlers);
    try {
        reader.Read(Text);
        return true;
    } catch (const std::exception& e) {
        if (Error) *Error = Mistake(FileName, reader.Line(), e);
        return false;
    }
}

std::function<void()> LoadLayoutInParts(TComponent& Root, const std::string& RootKind, std::string_view Text,
                                        const std::string& FileName, const TLayoutHandlers& Handlers) {
    TLayoutReader reader(Root, RootKind, Handlers);
    reader.StopAtChildren();
    try {
        reader.Read(Text);
    } catch (const std::exception& e) {
        throw ELayoutError(Mistake(FileName, reader.Line(), e));
    }
    if (!reader.Stopped()) return [] {};
    return [&Root, RootKind, Handlers, FileName, root = reader.Root(), rest = reader.Rest(),
            line = reader.RestLine()] {
        TLayoutReader controls(Root, RootKind, Handlers);
        controls.Resume(root);
        try {
            controls.Read(rest, line);
        } catch (const std::exception& e) {
            throw ELayoutError(Mistake(FileName, controls.Line(), e));
        }
    };
}

std::function<void()> LoadFormLayoutInParts(TForm& Form, const std::string& ClassName,
                                            const TLayoutHandlers& Handlers) {
    const std::string name = "layouts/" + ClassName + ".layout";
    auto text = base::FindResource(name);
    if (!text) throw ELayoutError("no layout resource '" + name + "'");
    // The resource is compiled in: its text outlives the form.
    return LoadLayoutInParts(Form, ClassName, *text, name, Handlers);
}

TLayoutForm::~TLayoutForm() {
    // A form freed unopened does not make its controls on the way out.
    SetPendingComponents(nullptr);
}

void TLayoutForm::LoadLayoutWhenNeeded(const std::string& ClassName, const TLayoutHandlers& Handlers,
                                       std::function<void()> Bind) {
    FLoadControls = LoadFormLayoutInParts(*this, ClassName, Handlers);
    FBind = std::move(Bind);
    SetPendingComponents([this] { MakeControls(); });
    // OnCreate, once the controls are there, sets the caption and size.
    SetStatePending();
}

void TLayoutForm::MakeControls() {
    const std::function<void()> load = std::move(FLoadControls);
    const std::function<void()> bind = std::move(FBind);
    FLoadControls = nullptr;
    FBind = nullptr;
    if (load) load();
    if (bind) bind();
    if (FCreateWaiting) {
        FCreateWaiting = false;
        TForm::DoCreate();
    }
}

void TLayoutForm::DoCreate() {
    if (FLoadControls) {
        FCreateWaiting = true;
        return;
    }
    TForm::DoCreate();
}

void TLayoutForm::VisibleChanging(bool Value) {
    if (Value) ComponentCount();  // makes the controls before OnShow
    TForm::VisibleChanging(Value);
}

void LoadFormLayout(TForm& Form, const std::string& ClassName, const TLayoutHandlers& Handlers) {
    const std::string name = "layouts/" + ClassName + ".layout";
    auto text = base::FindResource(name);
    if (!text) throw ELayoutError("no layout resource '" + name + "'");
    std::string error;
    if (!LoadLayout(Form, ClassName, *text, name, Handlers, &error)) throw ELayoutError(error);
}

}  // namespace plat
