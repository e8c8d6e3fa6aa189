// Sorting, filtering and searching a big grid: what a user waits for after
// a header click, a filter pick, a replace over the whole table or the
// opening of a filter list. The sort is measured against std::stable_sort
// of the same keys (the floor for a stable sort) and against a Qt item
// model with a table view sorting the same rows (what a plain Qt table
// would cost); the ratios are counters of one run, on this thread's
// processor time, so that a busy machine does not tilt them.

#include <benchmark/benchmark.h>

#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "grid/ExtGrid.h"
#include "BenchSupport.h"

namespace {

const bool kGuiReady = bench_support::MakeOffscreenGui();

constexpr int kRows = 100'000;
constexpr int kCols = 10;
constexpr int kTextCol = 1;
constexpr int kNumberCol = 2;

// Column 1 words, column 2 numbers, the rest short tags.
struct TData {
    std::vector<std::vector<std::string>> cells;  // [row][col]
    std::vector<double> numbers;
};

const TData& Data() {
    static const TData data = [] {
        TData d;
        std::mt19937 rng(42);
        std::uniform_int_distribution<int> letter('a', 'z');
        std::uniform_int_distribution<int> number(0, 9'999'999);
        d.cells.resize(kRows);
        for (int r = 0; r < kRows; ++r) {
            auto& row = d.cells[r];
            row.resize(kCols);
            for (int c = 0; c < kCols; ++c) row[c] = "c" + std::to_string(c) + "r" + std::to_string(r % 997);
            std::string w;
            for (int i = 0; i < 8; ++i) w += static_cast<char>(letter(rng));
            row[kTextCol] = w;
            const double v = number(rng) / 100.0;
            d.numbers.push_back(v);
            row[kNumberCol] = std::to_string(v);
        }
        return d;
    }();
    return data;
}

std::unique_ptr<grid::TExtStringGrid> MakeGrid() {
    auto g = std::make_unique<grid::TExtStringGrid>(nullptr);
    g->SetColCount(kCols);
    g->SetRowCount(kRows + 1);
    const TData& d = Data();
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c) g->SetGridCell(c, r + 1, d.cells[r][c]);
    return g;
}

struct TQtTable {
    QStandardItemModel model{kRows, kCols};
    QTableView view;
    TQtTable() {
        const TData& d = Data();
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kCols; ++c) {
                auto* item = new QStandardItem;
                if (c == kNumberCol) item->setData(d.numbers[r], Qt::DisplayRole);
                else item->setData(QString::fromStdString(d.cells[r][c]), Qt::DisplayRole);
                model.setItem(r, c, item);
            }
        view.setModel(&model);
        view.setSortingEnabled(false);
    }
};

// One iteration sorts the grid, the keys and the Qt table each in the
// direction opposite to their last sort, so all three start from the same
// kind of order; the counters are the grid's time over the other two.
void SortRatios(benchmark::State& state, int col) {
    auto g = MakeGrid();
    // Built once and never freed: a flat model of a million items takes
    // quadratic time to tear down, which is not what is measured here.
    static TQtTable* const shared = new TQtTable;
    TQtTable& qt = *shared;
    const TData& d = Data();
    std::vector<std::string> textKeys;
    for (int r = 0; r < kRows; ++r) textKeys.push_back(d.cells[r][kTextCol]);
    std::vector<int> order(kRows);
    std::iota(order.begin(), order.end(), 0);
    double grid = 0, stdsort = 0, qtsort = 0;
    bool ascending = true;
    for (auto _ : state) {
        const double t0 = bench_support::ThreadSeconds();
        g->Sort(col, ascending ? grid::sdAscending : grid::sdDescending);
        const double t1 = bench_support::ThreadSeconds();
        if (col == kTextCol)
            std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
                return ascending ? textKeys[a] < textKeys[b] : textKeys[b] < textKeys[a];
            });
        else
            std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
                return ascending ? d.numbers[a] < d.numbers[b] : d.numbers[b] < d.numbers[a];
            });
        const double t2 = bench_support::ThreadSeconds();
        qt.view.sortByColumn(col, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
        const double t3 = bench_support::ThreadSeconds();
        grid += t1 - t0;
        stdsort += t2 - t1;
        qtsort += t3 - t2;
        ascending = !ascending;
        state.SetIterationTime(t1 - t0);
    }
    state.counters["grid_over_stable_sort"] = grid / stdsort;
    state.counters["grid_over_qt"] = grid / qtsort;
    state.counters["grid_ms"] = 1000 * grid / static_cast<double>(state.iterations());
    state.counters["qt_ms"] = 1000 * qtsort / static_cast<double>(state.iterations());
}

void BM_SortTextColumn(benchmark::State& state) { SortRatios(state, kTextCol); }
BENCHMARK(BM_SortTextColumn)->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);

void BM_SortNumberColumn(benchmark::State& state) { SortRatios(state, kNumberCol); }
BENCHMARK(BM_SortNumberColumn)->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);

// One iteration filters and unfilters the grid, then sets and clears the
// same condition on a Qt proxy over an item model of the same rows; the
// counter is the grid's time over Qt's. Nearly every row fails "*ab*", so
// hiding and showing rows is what is measured, not the matching alone.
void BM_FilterRows(benchmark::State& state) {
    auto g = MakeGrid();
    grid::TFilterData& f = g->Filter().Add();
    f.Column = kTextCol;
    f.Condition = "*ab*";
    static TQtTable* const shared = new TQtTable;
    QSortFilterProxyModel proxy;
    proxy.setSourceModel(&shared->model);
    proxy.setFilterKeyColumn(kTextCol);
    proxy.setFilterCaseSensitivity(Qt::CaseSensitive);
    // The proxy maps its rows on first use; asking now keeps that outside
    // the timing, as the grid's rows are in place before it too.
    benchmark::DoNotOptimize(proxy.rowCount());
    const QRegularExpression condition(QRegularExpression::wildcardToRegularExpression(QStringLiteral("*ab*")));
    double grid = 0, qt = 0;
    int gridShown = 0, qtShown = 0;
    for (auto _ : state) {
        const double t0 = bench_support::ThreadSeconds();
        g->SetFilterActive(true);
        gridShown = g->RowCount() - 1;
        g->SetFilterActive(false);
        const double t1 = bench_support::ThreadSeconds();
        proxy.setFilterRegularExpression(condition);
        qtShown = proxy.rowCount();
        proxy.setFilterRegularExpression(QRegularExpression());
        benchmark::DoNotOptimize(proxy.rowCount());
        const double t2 = bench_support::ThreadSeconds();
        grid += t1 - t0;
        qt += t2 - t1;
        state.SetIterationTime(t1 - t0);
    }
    // Both must keep the same rows, or the ratio compares different work.
    if (gridShown != qtShown) state.SkipWithError("the grid and Qt kept different rows");
    state.counters["grid_over_qt"] = grid / qt;
    state.counters["grid_ms"] = 1000 * grid / static_cast<double>(state.iterations());
    state.counters["qt_ms"] = 1000 * qt / static_cast<double>(state.iterations());
    state.counters["rows_kept"] = gridShown;
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_FilterRows)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

// A million cells; the replacement is undone outside the timing.
void BM_FindAndReplace(benchmark::State& state) {
    auto g = MakeGrid();
    g->SetFixedCols(0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(g->Replace("r99", "R#", {}));
        state.PauseTiming();
        g->Replace("R#", "r99", {grid::fnMatchCase});
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kRows * kCols);
}
BENCHMARK(BM_FindAndReplace)->Unit(benchmark::kMillisecond);

void BM_FilterDropDownValues(benchmark::State& state) {
    auto g = MakeGrid();
    g->SetFilterDropDownAuto(true);
    for (auto _ : state) benchmark::DoNotOptimize(g->GetColumnFilter(kTextCol));
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_FilterDropDownValues)->Unit(benchmark::kMillisecond);

}  // namespace
