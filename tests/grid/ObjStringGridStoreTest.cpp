// The cell store tells its grid where every cell object went when rows move.
// It skips that walk when no row holds an object, so the count of such rows
// must follow every way a row gains, loses or drops its objects: a count
// that fell to zero too early would leave an object's place untold.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "grid/ObjStringGrid.h"
#include "platform/GuiApp.h"

namespace {

struct TMove {
    plat::TObject* object;
    int col, row;
    bool operator==(const TMove&) const = default;
};

class TRecordingGrid : public grid::TObjStringGrid {
public:
    using TObjStringGrid::TObjStringGrid;
    using TObjStringGrid::PutStoreCells;
    using TObjStringGrid::ShiftStoreColumns;
    using TObjStringGrid::ShiftStoreRows;
    using TObjStringGrid::TakeStoreCells;
    std::vector<TMove> Moves;

protected:
    void StoreObjectMoved(plat::TObject* Object, int ACol, int ARow) override { Moves.push_back({Object, ACol, ARow}); }
};

TEST(ObjStringGridStore, EveryObjectIsToldOfItsNewRowWhateverHappenedBefore) {
    plat::EnsureGuiApplication();
    TRecordingGrid g(nullptr);
    g.SetColCount(4);
    g.SetRowCount(20);
    plat::TObject a, b, c, d;
    const auto moved = [&g](auto&& Step) {
        g.Moves.clear();
        Step();
        return g.Moves;
    };

    // No object anywhere: moving rows tells nothing.
    g.SetGridCell(1, 3, "text only");
    EXPECT_TRUE(moved([&] { g.ShiftStoreRows(0, 1); }).empty());

    // Two rows with objects; the first is dropped by rows moving up over it.
    g.SetGridObject(1, 2, &a);
    g.SetGridObject(2, 5, &b);
    EXPECT_EQ(moved([&] { g.ShiftStoreRows(3, -1); }), (std::vector<TMove>{{&b, 2, 4}}));

    // The last object is cleared and another set: only the new one moves.
    g.SetGridObject(2, 4, nullptr);
    g.SetGridObject(0, 6, &c);
    EXPECT_EQ(moved([&] { g.ShiftStoreRows(0, 1); }), (std::vector<TMove>{{&c, 0, 7}}));

    // The grid shrinks over it; an object set later still moves.
    g.SetRowCount(6);
    g.SetGridObject(3, 1, &d);
    EXPECT_EQ(moved([&] { g.ShiftStoreRows(0, 2); }), (std::vector<TMove>{{&d, 3, 3}}));

    // A row's cells taken out and put back elsewhere carry their object.
    auto cells = g.TakeStoreCells(3);
    EXPECT_TRUE(moved([&] { g.ShiftStoreRows(0, 1); }).empty());
    g.PutStoreCells(0, std::move(cells));
    EXPECT_EQ(moved([&] { g.ShiftStoreRows(0, 1); }), (std::vector<TMove>{{&d, 3, 1}}));

    // Its column dropped (cells beyond it move over it), the object is gone
    // from the store.
    g.SetGridCell(5, 1, "beyond");
    g.ShiftStoreColumns(4, -1);
    EXPECT_EQ(g.GetGridCell(4, 1), "beyond");
    EXPECT_TRUE(moved([&] { g.ShiftStoreRows(0, 1); }).empty());
    EXPECT_EQ(g.GetGridObject(3, 2), nullptr);
}

}  // namespace
