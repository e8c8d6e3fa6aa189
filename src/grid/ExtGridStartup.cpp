// The grid unit's start-up: registrations that must exist once per program
// and be the same for every grid.

#include "grid/ExtGridStartup.h"

#include <string>
#include <utility>
#include <vector>

#include "base/DateTime.h"
#include "controls/ExtUtil.h"
#include "grid/ExtCGrid.h"
#include "grid/ExtGrid.h"
#include "platform/Controls.h"
#include "grid/ExtGridDragDrop.h"
#include "platform/Forms.h"
#include "platform/Layout.h"
#include "platform/StdCtrls.h"

namespace grid {

namespace {

using plat::LayoutBool;
using plat::LayoutInt;
using plat::TComponent;
using plat::TLayoutContext;
using plat::TLayoutValue;

template <class F>
void Prop(const std::string& Name, F Set) {
    plat::RegisterLayoutProperty("TExtStringGrid", Name,
                                 [Set, Name](TComponent& c, const TLayoutValue& v, TLayoutContext&) {
                                     auto* g = dynamic_cast<TExtStringGrid*>(&c);
                                     if (!g) throw plat::ELayoutError("'" + Name + "' belongs to a grid");
                                     Set(*g, v);
                                 });
}

const std::vector<std::pair<const char*, int>> kOptionNames = {
    {"goFixedVertLine", plat::goFixedVertLine}, {"goFixedHorzLine", plat::goFixedHorzLine},
    {"goVertLine", plat::goVertLine},           {"goHorzLine", plat::goHorzLine},
    {"goRangeSelect", plat::goRangeSelect},     {"goDrawFocusSelected", plat::goDrawFocusSelected},
    {"goRowSizing", plat::goRowSizing},         {"goColSizing", plat::goColSizing},
    {"goRowMoving", plat::goRowMoving},         {"goColMoving", plat::goColMoving},
    {"goEditing", plat::goEditing},             {"goTabs", plat::goTabs},
    {"goRowSelect", plat::goRowSelect},         {"goAlwaysShowEditor", plat::goAlwaysShowEditor},
    {"goThumbTracking", plat::goThumbTracking},
};

// The settings the windows' layouts give their grids.
void RegisterGridClasses() {
    plat::RegisterLayoutClass("TExtStringGrid", "TCustomControl",
                              [](TComponent* Owner) { return new TExtStringGrid(Owner); });
    plat::RegisterLayoutClass("TExtColumnGrid", "TExtStringGrid",
                              [](TComponent* Owner) { return new TExtColumnGrid(Owner); });
    RegisterDragDropLayout();
    Prop("ColCount", [](TExtStringGrid& g, const TLayoutValue& v) { g.SetColCount(LayoutInt(v)); });
    Prop("RowCount", [](TExtStringGrid& g, const TLayoutValue& v) { g.SetRowCount(LayoutInt(v)); });
    Prop("FixedCols", [](TExtStringGrid& g, const TLayoutValue& v) { g.SetFixedCols(LayoutInt(v)); });
    Prop("FixedRows", [](TExtStringGrid& g, const TLayoutValue& v) { g.SetFixedRows(LayoutInt(v)); });
    Prop("DefaultColWidth", [](TExtStringGrid& g, const TLayoutValue& v) { g.SetDefaultColWidth(LayoutInt(v)); });
    Prop("DefaultRowHeight", [](TExtStringGrid& g, const TLayoutValue& v) { g.SetDefaultRowHeight(LayoutInt(v)); });
    Prop("FixedColWidth", [](TExtStringGrid& g, const TLayoutValue& v) { g.SetFixedColWidth(LayoutInt(v)); });
    Prop("FixedRowHeight", [](TExtStringGrid& g, const TLayoutValue& v) { g.SetFixedRowHeight(LayoutInt(v)); });
    Prop("FixedRowAlways", [](TExtStringGrid& g, const TLayoutValue& v) { g.SetFixedRowAlways(LayoutBool(v)); });
    Prop("FixedColAlways", [](TExtStringGrid& g, const TLayoutValue& v) { g.SetFixedColAlways(LayoutBool(v)); });
    Prop("HintShowCells", [](TExtStringGrid& g, const TLayoutValue& v) { g.SetHintShowCells(LayoutBool(v)); });
    Prop("WordWrap", [](TExtStringGrid& g, const TLayoutValue& v) { g.SetWordWrap(LayoutBool(v)); });
    Prop("IntegralHeight", [](TExtStringGrid& g, const TLayoutValue& v) { g.SetIntegralHeight(LayoutBool(v)); });
    Prop("FloatFormat", [](TExtStringGrid& g, const TLayoutValue& v) { g.SetFloatFormat(plat::LayoutText(v)); });
    Prop("ScrollBars", [](TExtStringGrid& g, const TLayoutValue& v) {
        g.SetScrollBars(plat::TScrollStyle(plat::LayoutEnum(
            v, {{"ssNone", plat::ssNone}, {"ssHorizontal", plat::ssHorizontal}, {"ssVertical", plat::ssVertical},
                {"ssBoth", plat::ssBoth}})));
    });
    Prop("Options", [](TExtStringGrid& g, const TLayoutValue& v) {
        if (v.Kind != TLayoutValue::Set) throw plat::ELayoutError("Options takes a set");
        TGridOptions options;
        for (const std::string& item : v.Items) {
            TLayoutValue one;
            one.Kind = TLayoutValue::Ident;
            one.Str = item;
            options.Include(plat::TGridOption(plat::LayoutEnum(one, kOptionNames)));
        }
        g.SetOptions(options);
    });
}

}  // namespace

TGridUnit& GridUnit() {
    static TGridUnit unit = [] {
        TGridUnit u;
        // Clipboard formats and window messages share one table of names,
        // so one registration serves both.
        u.GridCellsClipboardFormat = plat::RegisterWindowMessage("TExtStringGrid Cells");
        u.GridEditDoneMessage = plat::RegisterWindowMessage("GridEditDone");
        u.DTPShiftFocusMessage = plat::RegisterWindowMessage("DTPShiftFocus");
        // A failed registration must not stop the grids made in code.
        try {
            RegisterGridClasses();
        } catch (const std::exception& e) {
            u.RegistrationError = e.what();
        }
        return u;
    }();
    return unit;
}

plat::TForm* FindParentForm(const plat::TControl* Control) {
    for (plat::TControl* c = Control ? Control->Parent() : nullptr; c; c = c->Parent())
        if (auto* form = dynamic_cast<plat::TForm*>(c)) return form;
    return nullptr;
}

char LocaleTimeSeparator() { return base::FormatSettings().timeSeparator; }
char LocaleDateSeparator() { return base::FormatSettings().dateSeparator; }
char LocaleThousandSeparator() { return ctl::GetThousandSeparator(); }
char LocaleDecimalSeparator() { return ctl::GetDecimalSeparator(); }
std::string LocaleShortDateFormat() { return base::FormatSettings().shortDateFormat; }
std::string LocaleShortTimeFormat() { return base::FormatSettings().shortTimeFormat; }
std::string LocaleLongTimeFormat() { return base::FormatSettings().longTimeFormat; }

}  // namespace grid
