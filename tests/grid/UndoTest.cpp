#include <gtest/gtest.h>

#include "grid/BaseGrid.h"
#include "grid/Undo.h"
#include "platform/Forms.h"
#include "platform/GuiApp.h"

using namespace grid;

namespace {

class Undo : public ::testing::Test {
protected:
    void SetUp() override {
        plat::EnsureGuiApplication();
        form = std::make_unique<plat::TForm>(nullptr);
        grid = new TBaseGrid(form.get());
        grid->SetParent(form.get());
        grid->SetColCount(6);
        grid->SetRowCount(6);
        undo = new TExtGridUndoRedo(form.get());
        grid->SetUndoRedo(undo);
    }
    // Writes like the string grid's editing: the text, then the record.
    void Edit(int c, int r, const std::string& text) {
        const std::string old = grid->Cells(c, r);
        grid->SetCells(c, r, text);
        undo->RegisterChange(c, r, old, text);
    }
    std::unique_ptr<plat::TForm> form;
    TBaseGrid* grid = nullptr;
    TExtGridUndoRedo* undo = nullptr;
};

}  // namespace

TEST_F(Undo, SingleChangesBackAndForth) {
    EXPECT_EQ(undo->Grid(), grid);
    Edit(1, 1, "A");
    Edit(2, 3, "B");
    EXPECT_TRUE(undo->CanUndo());
    EXPECT_FALSE(undo->CanRedo());
    undo->Undo();
    EXPECT_EQ(grid->Cells(2, 3), "");
    EXPECT_EQ(grid->Cells(1, 1), "A");
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 3);
    undo->Undo();
    EXPECT_EQ(grid->Cells(1, 1), "");
    EXPECT_FALSE(undo->CanUndo());
    EXPECT_TRUE(undo->CanRedo());
    undo->Undo();  // nothing left: no change
    EXPECT_EQ(undo->Level(), 0);
    undo->Redo();
    EXPECT_EQ(grid->Cells(1, 1), "A");
    undo->Redo();
    EXPECT_EQ(grid->Cells(2, 3), "B");
    EXPECT_FALSE(undo->CanRedo());
}

TEST_F(Undo, SequenceIsUndoneAndRedoneAsAWhole) {
    Edit(1, 1, "x");
    const int before = undo->Level();
    undo->StartSequence();
    Edit(1, 2, "a");
    Edit(2, 2, "b");
    Edit(1, 2, "c");  // the same cell twice: the newest is undone first
    undo->StopSequence();
    std::vector<std::string> order;
    undo->OnUndo = [&](plat::TObject*, TBaseGrid*, int c, int r, const std::string& orig, const std::string& now) {
        order.push_back(std::to_string(c) + std::to_string(r) + ":" + orig + ">" + now);
    };
    undo->Undo();
    EXPECT_EQ(order, (std::vector<std::string>{"12:c>a", "22:b>", "12:a>"}));
    EXPECT_EQ(grid->Cells(1, 2), "");
    EXPECT_EQ(grid->Cells(2, 2), "");
    EXPECT_EQ(grid->Cells(1, 1), "x");
    EXPECT_EQ(undo->Level(), before);
    undo->Redo();
    EXPECT_EQ(grid->Cells(1, 2), "c");
    EXPECT_EQ(grid->Cells(2, 2), "b");
    EXPECT_EQ(undo->Level(), undo->Count());
}

TEST_F(Undo, MaxLevelKeepsTheNewestEntries) {
    undo->SetMaxLevel(2);
    Edit(1, 1, "1");
    Edit(1, 2, "2");
    Edit(1, 3, "3");
    EXPECT_EQ(undo->Count(), 2);
    undo->Undo();
    undo->Undo();
    undo->Undo();
    EXPECT_EQ(grid->Cells(1, 1), "1");  // the oldest can no longer be undone
    EXPECT_EQ(grid->Cells(1, 2), "");
    EXPECT_EQ(undo->Level(), 0);
}

TEST_F(Undo, NewChangeGoesBehindUndoneEntries) {
    Edit(1, 1, "a");
    Edit(1, 2, "b");
    Edit(1, 3, "c");
    undo->Undo();
    undo->Undo();
    Edit(2, 1, "d");
    EXPECT_EQ(undo->Count(), 4);
    EXPECT_EQ(undo->Level(), 4);
    EXPECT_EQ(undo->Items(3).Value, "d");
}

TEST_F(Undo, BrokenSequencesStayWithinTheListAndNeverWriteMarkers) {
    // The start marker was evicted: the walk reaches the first entry and
    // the level must not go below 0.
    undo->SetMaxLevel(3);
    undo->StartSequence();
    Edit(1, 1, "a");
    Edit(1, 2, "b");
    undo->StopSequence();
    Edit(2, 1, "c");  // evicts the start marker
    ASSERT_FALSE(undo->Items(0).SequenceStart);
    undo->Undo();
    EXPECT_EQ(grid->Cells(2, 1), "");
    undo->Undo();
    EXPECT_EQ(undo->Level(), 0);
    EXPECT_EQ(grid->Cells(1, 1), "");
    EXPECT_EQ(grid->Cells(1, 2), "");

    // A stop without a start, and a start without a stop.
    TExtGridUndoRedo other(nullptr);
    other.SetGrid(grid);
    other.StopSequence();
    other.Undo();
    EXPECT_EQ(other.Level(), 0);
    other.Redo();
    other.Reset();
    other.StartSequence();
    other.RegisterChange(3, 3, "", "z");
    grid->SetCells(3, 3, "z");
    other.Undo();  // the change
    other.Undo();  // the open start marker: no write into column -1
    EXPECT_EQ(other.Level(), 0);
    other.Redo();
    EXPECT_EQ(grid->Cells(3, 3), "z");
    EXPECT_EQ(other.Level(), other.Count());
    EXPECT_EQ(grid->Cells(0, 0), "");
}

TEST_F(Undo, NoGridOrNothingRecordedChangesNothing) {
    TExtGridUndoRedo lone(nullptr);
    lone.RegisterChange(1, 1, "", "a");
    lone.Undo();
    EXPECT_EQ(lone.Level(), 1);
    undo->Undo();
    EXPECT_EQ(undo->Level(), 0);
    Edit(1, 1, "a");
    ASSERT_TRUE(undo->CanUndo());
    undo->Reset();
    EXPECT_EQ(undo->Count(), 0);
    EXPECT_FALSE(undo->CanUndo());  // nothing is offered that would do nothing
    EXPECT_FALSE(undo->CanRedo());
}

TEST_F(Undo, UnlinkingOnDestruction) {
    {
        TExtGridUndoRedo temp(nullptr);
        grid->SetUndoRedo(&temp);
        EXPECT_EQ(grid->UndoRedo(), &temp);
    }
    EXPECT_EQ(grid->UndoRedo(), nullptr);
}
