#pragma once
// Window layouts as data. A window's controls, their places, fonts, colours
// and texts live in a text file under resources/layouts/ named after the
// window class, nested the way the controls are nested:
//
//   object FNew_Project: TFNew_Project
//     ClientWidth = 331
//     OnShow = FormShow
//     object Btn_OK: TFltButton
//       Left = 8
//       Caption = 'OK'
//       OnClick = Btn_OKClick
//     end
//   end
//
// The loader creates each control through a registry of control classes
// (kind name -> factory), applies each property through the setter its class
// (or a base class) registered under that name, and binds each event to the
// handler of that name that the window hands over. Upper layers register
// their own classes (the flat button, the grids) the same way. Anything the
// loader does not know is an error naming the file and line.

#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/Classes.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"

namespace plat {

// A property value as written in a layout: a number (decimal or "$" hex), a
// quoted text ('It''s', #13 codes and "+" joins allowed), a bare identifier
// (True, clGray, alClient, a handler name) or a set ([fsBold, fsItalic]).
struct TLayoutValue {
    enum TKind { Number, Text, Ident, Set };
    TKind Kind = Number;
    long long Int = 0;
    std::string Str;                 // the text, or the identifier
    std::vector<std::string> Items;  // the members of a set
};

// The callables a window may bind by name; the event property decides which
// of them fits.
using TLayoutHandler = std::variant<TNotifyEvent, TKeyPressEvent, TKeyEvent, TSysLinkEvent, TCloseEvent>;
using TLayoutHandlers = std::map<std::string, TLayoutHandler>;

// Thrown by setters and the loader; the loader adds the file and line.
class ELayoutError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What a property setter gets besides the value: the handlers, to look up
// the one an event names.
class TLayoutContext {
public:
    explicit TLayoutContext(const TLayoutHandlers& Handlers) : FHandlers(Handlers) {}
    // The handler of that name holding a callable of type T; ELayoutError
    // when there is none or it has another signature.
    template <class T>
    const T& Handler(const TLayoutValue& Value) const {
        if (Value.Kind != TLayoutValue::Ident) throw ELayoutError("an event takes a handler name");
        auto it = FHandlers.find(Value.Str);
        if (it == FHandlers.end()) throw ELayoutError("unknown handler '" + Value.Str + "'");
        const T* fn = std::get_if<T>(&it->second);
        if (fn == nullptr) throw ELayoutError("handler '" + Value.Str + "' does not fit this event");
        return *fn;
    }

private:
    const TLayoutHandlers& FHandlers;
};

using TLayoutFactory = std::function<TComponent*(TComponent* Owner)>;
using TLayoutSetter =
    std::function<void(TComponent& Target, const TLayoutValue& Value, TLayoutContext& Context)>;
// Puts a new control into the object it is nested in (default: SetParent for
// a control inside a windowed control; nothing for a plain component).
using TLayoutPlacer = std::function<void(TComponent& Child, TComponent& Container)>;

// Registers a class under its kind name. BaseKind names the registered class
// whose properties it inherits ("" for none). A kind registered again
// replaces the earlier factory and keeps the properties it had.
void RegisterLayoutClass(const std::string& Kind, const std::string& BaseKind, TLayoutFactory Factory,
                         TLayoutPlacer Placer = nullptr);
void RegisterLayoutProperty(const std::string& Kind, const std::string& Property, TLayoutSetter Setter);
bool LayoutClassRegistered(const std::string& Kind);

// Value conversions for setters (ELayoutError when the value does not fit).
int LayoutInt(const TLayoutValue& Value);
bool LayoutBool(const TLayoutValue& Value);
std::string LayoutText(const TLayoutValue& Value);
TColor LayoutColor(const TLayoutValue& Value);
// An identifier out of a table of names, e.g. {{"alNone", alNone}, ...}.
int LayoutEnum(const TLayoutValue& Value, const std::vector<std::pair<const char*, int>>& Names);

// Loads Text into Root: Root takes the first object's properties (its kind
// must be RootKind, and its properties are those of class "TForm" when Root
// is a form); nested objects are created owned by Root. On failure returns
// false with "<FileName>:<line>: <what>" in Error; the controls made so far
// stay owned by Root.
bool LoadLayout(TComponent& Root, const std::string& RootKind, std::string_view Text,
                const std::string& FileName, const TLayoutHandlers& Handlers, std::string* Error);

// The compiled-in layout "layouts/<ClassName>.layout" loaded into Form. A
// layout is part of the program, so a broken one is a programming error:
// throws ELayoutError with the message.
void LoadFormLayout(TForm& Form, const std::string& ClassName, const TLayoutHandlers& Handlers);

// Text loaded in two parts, for a window that may stay hidden for a while:
// Root's own properties (name, caption, size, font, handlers) now, and the
// objects nested in it when the returned function runs (once; Text must
// still be there). Mistakes throw ELayoutError "<FileName>:<line>: <what>",
// from either part.
std::function<void()> LoadLayoutInParts(TComponent& Root, const std::string& RootKind, std::string_view Text,
                                        const std::string& FileName, const TLayoutHandlers& Handlers);
// The same for the compiled-in layout of a form.
std::function<void()> LoadFormLayoutInParts(TForm& Form, const std::string& ClassName,
                                            const TLayoutHandlers& Handlers);

// A form whose controls are made when first needed: when it first shows,
// when an owned component is looked up or counted, or when one of its
// TPendingRef fields is read. Its own properties (name, caption, size,
// font, handlers) are loaded at once. OnCreate waits for the controls, so a
// window made at start-up and never opened costs next to nothing.
class TLayoutForm : public TForm {
public:
    explicit TLayoutForm(TComponent* AOwner) : TForm(AOwner) {}
    ~TLayoutForm() override;
    void DoCreate() override;

protected:
    // Loads the form's own properties now; its controls, and then Bind
    // (which finds them and finishes what the constructor would have), when
    // first needed.
    void LoadLayoutWhenNeeded(const std::string& ClassName, const TLayoutHandlers& Handlers,
                              std::function<void()> Bind);
    void VisibleChanging(bool Value) override;

private:
    void MakeControls();
    std::function<void()> FLoadControls;
    std::function<void()> FBind;
    bool FCreateWaiting = false;
};

// The component of that name owned by Owner, as T; ELayoutError naming it
// when it is missing or of another class.
template <class T>
T& LayoutComponent(TComponent& Owner, const std::string& Name) {
    TComponent* c = Owner.FindComponent(Name);
    if (c == nullptr) throw ELayoutError("no component '" + Name + "' in the layout");
    T* t = dynamic_cast<T*>(c);
    if (t == nullptr) throw ELayoutError("component '" + Name + "' is of another class");
    return *t;
}

}  // namespace plat
