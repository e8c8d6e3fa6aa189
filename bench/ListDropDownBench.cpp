// Times what a user waits for with a long list drop-down: opening the
// pop-up over 100,000 entries (again, and after the entries changed) and
// one key of type-ahead in the open list, each against building the same
// list of items (the baseline, which the program pays anyway when it loads
// the entries).

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "grid/GridDropDown.h"
#include "platform/Forms.h"
#include "platform/GuiApp.h"
#include "platform/TestHooks.h"

using namespace grid;

namespace {

void Fill(ctl::TDropDownItems& Items, int Count) {
    for (int i = 0; i < Count; ++i) Items.Add({"device " + std::to_string(i), std::to_string(i * 7)});
}

struct ListOnForm {
    std::unique_ptr<plat::TForm> form;
    TCustomExtGridDropDown* dd = nullptr;
    explicit ListOnForm(int Count) {
        plat::EnsureGuiApplication();
        form = std::make_unique<plat::TForm>(nullptr);
        form->SetBounds(0, 0, 400, 300);
        dd = new TCustomExtGridDropDown(form.get());
        dd->SetParent(form.get());
        dd->SetBounds(10, 10, 200, 22);
        ctl::TDropDownColumn name, code;
        name.Header = "Name";
        code.Header = "Code";
        dd->Columns() = {name, code};
        Fill(dd->Items(), Count);
        dd->EndUpdate();
        form->Show();
    }
};

// The baseline: the items and their lookup list.
void BM_BuildList(benchmark::State& state) {
    plat::EnsureGuiApplication();
    plat::TForm form(nullptr);
    for (auto _ : state) {
        auto* dd = new TCustomExtGridDropDown(&form);
        Fill(dd->Items(), static_cast<int>(state.range(0)));
        dd->EndUpdate();
        benchmark::DoNotOptimize(dd->RowCount());
        delete dd;
    }
}
BENCHMARK(BM_BuildList)->Arg(100'000)->Unit(benchmark::kMillisecond);

void BM_OpenList(benchmark::State& state) {
    ListOnForm l(static_cast<int>(state.range(0)));
    l.dd->SetItemIndex(50'000);
    for (auto _ : state) {
        l.dd->ShowDropDown();
        benchmark::DoNotOptimize(l.dd->GetGrid()->Row());
        l.dd->HideDropDown(true);
    }
}
BENCHMARK(BM_OpenList)->Arg(100'000)->Unit(benchmark::kMillisecond);

// The first opening after the items changed writes the whole list again.
void BM_OpenChangedList(benchmark::State& state) {
    ListOnForm l(static_cast<int>(state.range(0)));
    l.dd->SetItemIndex(50'000);
    int n = 0;
    for (auto _ : state) {
        l.dd->Items().Items(0).Text[1] = std::to_string(++n);
        l.dd->ShowDropDown();
        benchmark::DoNotOptimize(l.dd->GetGrid()->Row());
        l.dd->HideDropDown(true);
    }
}
BENCHMARK(BM_OpenChangedList)->Arg(100'000)->Unit(benchmark::kMillisecond);

// A search that scans every entry before the last one matches, and one
// character typed into the open list.
void BM_TypeAheadInOpenList(benchmark::State& state) {
    ListOnForm l(static_cast<int>(state.range(0)));
    l.dd->ShowDropDown();
    const std::string last = "device " + std::to_string(state.range(0) - 1);
    for (auto _ : state) {
        std::string found;
        int index = -1;
        benchmark::DoNotOptimize(l.dd->FindLookupText(last, found, index));
        plat::test::TypeText(*l.dd->GetGrid(), "d");
    }
    l.dd->HideDropDown(true);
}
BENCHMARK(BM_TypeAheadInOpenList)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace
