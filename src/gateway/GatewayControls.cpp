#include "gateway/GatewayControls.h"

#include <string>

#include "platform/CategoryPanels.h"
#include "platform/Layout.h"
#include "platform/StdCtrls.h"
#include "shell/ShellControls.h"

namespace gw {

using namespace plat;

namespace {

template <class T, class F>
void Prop(const std::string& kind, const std::string& name, F set) {
    RegisterLayoutProperty(kind, name, [set, kind](TComponent& c, const TLayoutValue& v, TLayoutContext&) {
        T* t = dynamic_cast<T*>(&c);
        if (t == nullptr) throw ELayoutError("property applied to an object that is no " + kind);
        set(*t, v);
    });
}

template <class T, class E>
void Event(const std::string& kind, const std::string& name, E T::*member) {
    RegisterLayoutProperty(kind, name, [member, kind](TComponent& c, const TLayoutValue& v, TLayoutContext& ctx) {
        T* t = dynamic_cast<T*>(&c);
        if (t == nullptr) throw ELayoutError("event applied to an object that is no " + kind);
        t->*member = ctx.Handler<E>(v);
    });
}

void Register_Lists() {
    if (!LayoutClassRegistered("TComboBox"))
        RegisterLayoutClass("TComboBox", "TWinControl", [](TComponent* o) { return new TComboBox(o); });
    Prop<TComboBox>("TComboBox", "Style", [](TComboBox& c, const TLayoutValue& v) {
        c.SetStyle(TComboBoxStyle(
            LayoutEnum(v, {{"csDropDown", csDropDown}, {"csSimple", csSimple}, {"csDropDownList", csDropDownList}})));
    });
    // The entries as one text, one entry per line ('A'#13'B').
    Prop<TComboBox>("TComboBox", "Items", [](TComboBox& c, const TLayoutValue& v) {
        c.Items().SetText(LayoutText(v));
    });
    Prop<TComboBox>("TComboBox", "ItemIndex",
                    [](TComboBox& c, const TLayoutValue& v) { c.SetItemIndex(LayoutInt(v)); });
    Prop<TComboBox>("TComboBox", "DropDownCount",
                    [](TComboBox& c, const TLayoutValue& v) { c.SetDropDownCount(LayoutInt(v)); });
    Event<TComboBox>("TComboBox", "OnChange", &TComboBox::OnChange);
    Event<TComboBox>("TComboBox", "OnSelect", &TComboBox::OnSelect);

    Prop<TEdit>("TEdit", "CharCase", [](TEdit& c, const TLayoutValue& v) {
        c.SetCharCase(TEditCharCase(
            LayoutEnum(v, {{"ecNormal", ecNormal}, {"ecUpperCase", ecUpperCase}, {"ecLowerCase", ecLowerCase}})));
    });
}

void Register_Category_Panels() {
    RegisterLayoutClass("TCategoryPanelGroup", "TCustomControl",
                        [](TComponent* o) { return new TCategoryPanelGroup(o); });
    Prop<TCategoryPanelGroup>("TCategoryPanelGroup", "HeaderHeight",
                              [](TCategoryPanelGroup& g, const TLayoutValue& v) { g.SetHeaderHeight(LayoutInt(v)); });
    Prop<TCategoryPanelGroup>("TCategoryPanelGroup", "VertScrollBar.Tracking",
                              [](TCategoryPanelGroup& g, const TLayoutValue& v) {
                                  g.SetVertScrollTracking(LayoutBool(v));
                              });
    RegisterLayoutClass(
        "TCategoryPanel", "TCustomControl", [](TComponent* o) { return new TCategoryPanel(o); },
        [](TComponent& child, TComponent& container) {
            auto* group = dynamic_cast<TCategoryPanelGroup*>(&container);
            if (group == nullptr) throw ELayoutError("a category panel belongs inside a category panel group");
            static_cast<TCategoryPanel&>(child).SetPanelGroup(group);
        });
    Prop<TCategoryPanel>("TCategoryPanel", "Collapsed",
                         [](TCategoryPanel& p, const TLayoutValue& v) { p.SetCollapsed(LayoutBool(v)); });
}

}  // namespace

void Register_Gateway_Controls() {
    static bool done = false;
    if (done) return;
    done = true;
    shell::Register_Shell_Controls();
    Register_Lists();
    Register_Category_Panels();
}

}  // namespace gw
