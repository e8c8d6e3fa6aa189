#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "grid/ExtGrid.h"
#include "grid/FilePicture.h"
#include "grid/GridLists.h"
#include "grid/Undo.h"
#include "platform/Bitmap.h"
#include "platform/Forms.h"
#include "platform/GuiApp.h"

using namespace grid;

TEST(ExtGridCellKinds, PlainCheckBoxColumnKeepsItsOwnState) {
    TExtStringGrid g(nullptr);
    g.AddCheckBoxColumn(1, false, false);
    bool state = true;
    EXPECT_FALSE(g.GetCheckBoxState(1, 0, state)) << "no box in the header row";
    for (int r = 1; r < g.RowCount(); ++r) {
        state = true;
        ASSERT_TRUE(g.GetCheckBoxState(1, r, state)) << r;
        EXPECT_FALSE(state) << r;
    }
    EXPECT_TRUE(g.SetCheckBoxState(1, 4, true));
    EXPECT_TRUE(g.IsChecked(1, 4));
    EXPECT_EQ(g.Cells(1, 4), "") << "a plain box writes no text";
    g.SetCells(1, 5, "Y");
    EXPECT_FALSE(g.IsChecked(1, 5)) << "a plain box ignores the text";
}

TEST(ExtGridCellKinds, CheckAllCheckPutsABoxInTheHeader) {
    TExtStringGrid g(nullptr);
    g.MouseActions().SetCheckAllCheck(true);
    g.AddCheckBoxColumn(2, true, false);
    EXPECT_TRUE(g.IsChecked(2, 0));
}

TEST(ExtGridCellKinds, DataCheckBoxComparesTheTextExactly) {
    const struct {
        const char* text;
        bool checked;
    } cases[] = {{"Y", true}, {"N", false}, {"y", false}, {"", false}, {"Y ", false}, {"yes", false}};
    TExtStringGrid g(nullptr);
    g.AddCheckBox(1, 1, false, true);
    for (const auto& c : cases) {
        g.SetCells(1, 1, c.text);
        bool state = !c.checked;
        ASSERT_TRUE(g.GetCheckBoxState(1, 1, state)) << c.text;
        EXPECT_EQ(state, c.checked) << "'" << c.text << "'";
    }
}

TEST(ExtGridCellKinds, AddingADataCheckBoxKeepsACheckText) {
    const struct {
        const char* before;
        bool state;
        const char* after;
    } cases[] = {{"N", true, "N"}, {"Y", false, "Y"}, {"x", true, "Y"}, {"x", false, "N"}, {"", true, "Y"}};
    for (const auto& c : cases) {
        TExtStringGrid g(nullptr);
        g.SetCells(2, 2, c.before);
        g.AddCheckBox(2, 2, c.state, true);
        EXPECT_EQ(g.Cells(2, 2), c.after) << c.before << " " << c.state;
    }
}

TEST(ExtGridCellKinds, ToggleWritesTheCheckTexts) {
    TExtStringGrid g(nullptr);
    g.AddCheckBox(1, 1, false, true);
    g.SetCells(1, 1, "y");
    std::vector<bool> changes;
    g.OnCheckBoxChange = [&](TObject*, int, int, bool s) { changes.push_back(s); };
    EXPECT_TRUE(g.ToggleCheckBox(1, 1));
    EXPECT_EQ(g.Cells(1, 1), "Y");
    EXPECT_TRUE(g.ToggleCheckBox(1, 1));
    EXPECT_EQ(g.Cells(1, 1), "N");
    EXPECT_EQ(changes, (std::vector<bool>{true, false}));

    g.SetCheckTrue("1");
    g.SetCheckFalse("0");
    g.ToggleCheckBox(1, 1);
    EXPECT_EQ(g.Cells(1, 1), "1");
    EXPECT_TRUE(g.SetCheckBoxState(1, 1, false));
    EXPECT_EQ(g.Cells(1, 1), "0");
}

TEST(ExtGridCellKinds, ToggleAsksWhetherTheCellCanBeEdited) {
    TExtStringGrid g(nullptr);
    g.AddCheckBox(1, 1, false, false);
    g.OnCanEditCell = [](TObject*, int, int, bool& can) { can = false; };
    EXPECT_FALSE(g.ToggleCellCheck(1, 1, true));
    EXPECT_FALSE(g.IsChecked(1, 1));
    EXPECT_TRUE(g.ToggleCellCheck(1, 1, false));
    EXPECT_TRUE(g.IsChecked(1, 1));
    g.ControlLook().SetCheckAlwaysActive(true);
    EXPECT_TRUE(g.ToggleCellCheck(1, 1, true));
    EXPECT_FALSE(g.IsChecked(1, 1));
}

TEST(ExtGridCellKinds, TriStateCycle) {
    TExtStringGrid g(nullptr);
    g.AddCheckBox(1, 1, cbUnchecked);
    std::vector<bool> reported;
    g.OnCheckBoxChange = [&](TObject*, int, int, bool s) { reported.push_back(s); };
    std::vector<TCheckBoxState> states;
    for (int i = 0; i < 3; ++i) {
        g.ToggleCheckBox(1, 1);
        TCheckBoxState s{};
        ASSERT_TRUE(g.GetCheckBoxState(1, 1, s));
        states.push_back(s);
    }
    EXPECT_EQ(states, (std::vector<TCheckBoxState>{cbGrayed, cbChecked, cbUnchecked}));
    EXPECT_EQ(reported, (std::vector<bool>{false, true, false}));
    bool plain = false;
    EXPECT_FALSE(g.GetCheckBoxState(1, 1, plain)) << "the Boolean form does not answer tri-state boxes";
}

TEST(ExtGridCellKinds, InvalidCellIsRefused) {
    TExtStringGrid g(nullptr);
    g.HideColumn(2);
    g.HideRow(3);
    const struct {
        int col, row;
        bool ok;
    } cases[] = {{4, 9, true}, {5, 1, false}, {1, 10, false}, {-1, 1, false}, {1, -1, false}};
    for (const auto& c : cases) {
        if (c.ok) {
            EXPECT_NO_THROW(g.AddCheckBox(c.col, c.row, true, false));
            EXPECT_NO_THROW(g.AddRadioButton(c.col, c.row, false));
            continue;
        }
        for (int kind = 0; kind < 3; ++kind) {
            try {
                if (kind == 0) g.AddCheckBox(c.col, c.row, true, false);
                if (kind == 1) g.AddCheckBox(c.col, c.row, cbChecked);
                if (kind == 2) g.AddRadioButton(c.col, c.row, true);
                ADD_FAILURE() << c.col << "," << c.row << " kind " << kind;
            } catch (const EExtGridError&) {
                ADD_FAILURE() << "the base exception is expected";
            } catch (const std::runtime_error& e) {
                EXPECT_STREQ(e.what(), "Invalid cell");
            }
        }
    }
}

TEST(ExtGridCellKinds, CheckBoxStateOnHiddenRowsByRealRow) {
    TExtStringGrid g(nullptr);
    g.AddCheckBoxColumn(1, false, false);
    g.AddCheckBoxColumn(2, false, true);
    g.SetCheckBoxState(1, 6, true);
    g.SetCheckBoxState(2, 6, true);
    g.HideRows(2, 4);
    bool s = false;
    ASSERT_TRUE(g.GetCheckBoxState(1, 6, s));
    EXPECT_TRUE(s);
    ASSERT_TRUE(g.GetCheckBoxState(2, 6, s));
    EXPECT_TRUE(s);
    EXPECT_TRUE(g.SetCheckBoxState(2, 3, true)) << "a hidden row answers from its stored cells";
    EXPECT_EQ(g.AllCells(2, 3), "Y");
}

TEST(ExtGridCellKinds, CheckAllAndUnCheckAll) {
    TExtStringGrid g(nullptr);
    g.SetColCount(6);
    g.AddCheckBoxColumn(4, false, true);
    g.HideColumn(2);
    g.ClearRepaintLog();
    g.CheckAll(4);
    for (int r = 1; r < g.RowCount(); ++r) EXPECT_EQ(g.Cells(4, r), "Y");
    const auto& log = g.RepaintLog();
    EXPECT_NE(std::find(log.begin(), log.end(), TExtStringGrid::TRepaint{3, -1}), log.end());
    g.ClearRepaintLog();
    g.UnCheckAll(4);
    for (int r = 1; r < g.RowCount(); ++r) EXPECT_EQ(g.Cells(4, r), "N");
    for (const auto& p : g.RepaintLog()) EXPECT_NE(p.Row, -1) << "no column repaint";
}

TEST(ExtGridCellKinds, RemovingCheckBoxesKeepsDataText) {
    TExtStringGrid g(nullptr);
    g.AddCheckBoxColumn(1, true, true);
    g.RemoveCheckBoxColumn(1);
    EXPECT_FALSE(g.HasCheckBox(1, 2));
    EXPECT_EQ(g.Cells(1, 2), "Y");
    EXPECT_FALSE(g.IsChecked(1, 2));
}

TEST(ExtGridCellKinds, RadioButtonsOnePerColumn) {
    TExtStringGrid g(nullptr);
    g.AddRadioButtonColumn(2);
    EXPECT_EQ(g.GetRadioButtonColumnIndex(2), -1);
    g.SetRadioButtonColumnIndex(2, 3);
    EXPECT_EQ(g.GetRadioButtonColumnIndex(2), 3);
    EXPECT_TRUE(g.ToggleCellRadio(2, 6, false));
    EXPECT_EQ(g.GetRadioButtonColumnIndex(2), 6);
    EXPECT_FALSE(g.IsRadioButtonChecked(2, 3));
    EXPECT_TRUE(g.ToggleCellRadio(2, 6, false)) << "an already checked button answers True";
    EXPECT_TRUE(g.IsRadioButtonChecked(2, 6));
    EXPECT_FALSE(g.ToggleCellRadio(1, 6, false));
}

TEST(ExtGridCellKinds, NeutralAnswersForOtherKinds) {
    TExtStringGrid g(nullptr);
    EXPECT_EQ(g.GetCellType(-1, 0), ctEmpty);
    EXPECT_EQ(g.GetCellType(0, -1), ctEmpty);
    EXPECT_EQ(g.GetCellType(1, 1), ctEmpty);
    EXPECT_EQ(g.GetShapeColor(1, 1), plat::clNone);
    EXPECT_EQ(g.GetScrollPosition(1, 1), -1);
    EXPECT_FALSE(g.IsChecked(1, 1));
    EXPECT_FALSE(g.HasCheckBox(-1, 1));
    EXPECT_EQ(g.GetButtonText(1, 1), "");
    EXPECT_FALSE(g.RemoveCellGraphic(1, 1));
}

TEST(ExtGridCellKinds, ButtonsCommentsMarkers) {
    TExtStringGrid g(nullptr);
    g.AddButton(2, 2, 60, 20, "Go", haLeft, vaCenter);
    EXPECT_TRUE(g.HasButton(2, 2));
    EXPECT_TRUE(g.IsControlCell(2, 2));
    EXPECT_EQ(g.GetCellGraphicSize(2, 2), (plat::TPoint{60, 20}));
    g.SetCells(2, 2, "text");
    EXPECT_EQ(g.GetCellGraphicSize(2, 2), (plat::TPoint{60, 0}));
    g.SetButtonText(2, 2, "Stop");
    EXPECT_EQ(g.GetButtonText(2, 2), "Stop");
    g.RemoveButton(2, 2);
    EXPECT_FALSE(g.HasButton(2, 2));

    g.SetComment(3, 3, "note");
    EXPECT_EQ(g.GetComment(3, 3), "note");
    g.SetComment(3, 3, "changed");
    EXPECT_EQ(g.GetComment(3, 3), "changed");
    g.RemoveAllComments();
    EXPECT_EQ(g.GetComment(3, 3), "");

    g.AddMarker(1, 1, 3, 4);
    int pos = 0, len = 0;
    g.GetMarker(1, 1, pos, len);
    EXPECT_EQ(pos, 3);
    EXPECT_EQ(len, 4);
    g.RemoveMarker(1, 1);
    EXPECT_EQ(g.GetCellType(1, 1), ctEmpty);
    EXPECT_EQ(g.GetCellGraphic(1, 1), nullptr);
}

TEST(ExtGridCellKinds, AngleIsBroughtIntoRange) {
    const struct {
        int in, out;
    } cases[] = {{-30, 330}, {360, 360}, {725, 5}, {0, 0}};
    for (const auto& c : cases) {
        TCellGraphic gr;
        gr.SetAngle(c.in);
        EXPECT_EQ(gr.CellAngle(), c.out) << c.in;
        EXPECT_EQ(gr.CellType(), ctRotated);
    }
}

TEST(ExtGridCellKinds, RowCheckBoxFollowsRowSelection) {
    TExtStringGrid g(nullptr);
    g.SetRowCount(3);
    g.MouseActions().SetHotmailRowSelect(true);
    g.MouseActions().SetDisjunctRowSelect(true);
    EXPECT_EQ(g.GetCellType(0, 1), ctRowCheckBox);
    EXPECT_EQ(g.GetCellGraphic(0, 1), g.GetCellGraphic(0, 2)) << "one shared graphic";
    g.SetRowSelect(1, true);
    EXPECT_EQ(g.GetCellGraphic(0, 0)->CellAngle(), 1);
    EXPECT_FALSE(g.GetCellGraphic(0, 0)->CellBoolean());
    g.SetRowSelect(2, true);
    EXPECT_EQ(g.GetCellGraphic(0, 0)->CellAngle(), 0);
    EXPECT_TRUE(g.GetCellGraphic(0, 0)->CellBoolean());
    EXPECT_FALSE(g.RemoveCellGraphic(0, 1)) << "the shared box is not the cell's";
    g.SetCells(0, 1, "1");
    g.ToggleCheckBox(0, 1);
    EXPECT_FALSE(g.GetRowSelect(1));
    EXPECT_EQ(g.Cells(0, 1), "1") << "toggling the row box leaves the row header alone";
}

TEST(ExtGridCellKinds, ButtonRectanglePlacedByThePainter) {
    TExtStringGrid g(nullptr);
    g.AddButton(2, 2, 30, 16, "b", haLeft, vaTop);
    g.GetCellGraphic(2, 2)->SetCellValue(2 + (3 << 16));
    const plat::TRect cell = g.CellRect(2, 2);
    EXPECT_EQ(g.GetCellButtonRect(2, 2),
              (plat::TRect{cell.Left + 2, cell.Top + 3, cell.Left + 32, cell.Top + 19}));
    g.GetCellGraphic(2, 2)->SetCellVAlign(vaFull);
    EXPECT_EQ(g.GetCellButtonRect(2, 2).Top, cell.Top);
    EXPECT_EQ(g.GetCellButtonRect(2, 2).Bottom, cell.Bottom);
    EXPECT_EQ(g.GetCellButtonRect(3, 3), plat::TRect{});
}

// ------------------------------------------------------------------ the other kinds

namespace {

class TNoImages : public TCellImageList {
public:
    int Count() const override { return 4; }
    int Width() const override { return 16; }
    int Height() const override { return 12; }
    void Draw(plat::TCanvas&, int, int, int) const override {}
    void GetBitmap(int, plat::TBitmap&) const override {}
};

struct KindOps {
    const char* name;
    TCellType kind;
    std::function<void(TExtStringGrid&)> add;
    std::function<bool(TExtStringGrid&)> has;
    std::function<void(TExtStringGrid&)> remove;
};

}  // namespace

TEST(ExtGridCellKinds, EachKindIsAddedFoundAndRemoved) {
    static plat::TBitmap bmp(4, 4);
    static plat::TPicture pic;
    static TFilePicture filePic;
    static plat::TIcon icon;
    static plat::TObject plainObject;
    const KindOps cases[] = {
        {"bitmap", ctBitmap, [](TExtStringGrid& g) { g.AddBitmap(2, 2, &bmp, true, haLeft, vaTop); },
         [](TExtStringGrid& g) { return g.GetBitmap(2, 2) == &bmp; }, [](TExtStringGrid& g) { g.RemoveBitmap(2, 2); }},
        {"created bitmap", ctBitmap, [](TExtStringGrid& g) { g.CreateBitmap(2, 2, false, haLeft, vaTop); },
         [](TExtStringGrid& g) { return g.HasBitmap(2, 2); }, [](TExtStringGrid& g) { g.RemoveBitmap(2, 2); }},
        {"picture", ctPicture,
         [](TExtStringGrid& g) { g.AddPicture(2, 2, &pic, false, Stretch, 1, haLeft, vaTop); },
         [](TExtStringGrid& g) { return g.GetPicture(2, 2) == &pic; }, [](TExtStringGrid& g) { g.RemovePicture(2, 2); }},
        {"created picture", ctPicture,
         [](TExtStringGrid& g) { g.CreatePicture(2, 2, false, noStretch, 0, haLeft, vaTop); },
         [](TExtStringGrid& g) { return g.HasPicture(2, 2); }, [](TExtStringGrid& g) { g.RemovePicture(2, 2); }},
        {"file picture", ctFilePicture,
         [](TExtStringGrid& g) { g.AddFilePicture(2, 2, &filePic, false, noStretch, 0, haLeft, vaTop); },
         [](TExtStringGrid& g) { return g.GetFilePicture(2, 2) == &filePic; },
         [](TExtStringGrid& g) { g.RemoveFilePicture(2, 2); }},
        {"icon", ctIcon, [](TExtStringGrid& g) { g.AddIcon(2, 2, &icon, haLeft, vaTop); },
         [](TExtStringGrid& g) { return g.CellImageKey(2, 2) == reinterpret_cast<std::intptr_t>(&icon); },
         [](TExtStringGrid& g) { g.RemoveIcon(2, 2); }},
        {"created icon", ctIcon, [](TExtStringGrid& g) { g.CreateIcon(2, 2, haLeft, vaTop); },
         [](TExtStringGrid& g) { return g.CellImageKey(2, 2) != -1; }, [](TExtStringGrid& g) { g.RemoveIcon(2, 2); }},
        {"image", ctImageList, [](TExtStringGrid& g) { g.AddImageIdx(2, 2, 3, haLeft, vaTop); },
         [](TExtStringGrid& g) {
             int idx = -1;
             return g.GetImageIdx(2, 2, idx) && idx == 3 && g.CellImageKey(2, 2) == 3;
         },
         [](TExtStringGrid& g) { g.RemoveImageIdx(2, 2); }},
        {"data image", ctDataImage, [](TExtStringGrid& g) { g.AddDataImage(2, 2, 1, haLeft, vaTop); },
         [](TExtStringGrid& g) { return g.HasDataImage(2, 2) && g.Cells(2, 2) == "1"; },
         [](TExtStringGrid& g) { g.RemoveDataImage(2, 2); }},
        {"images", ctImages, [](TExtStringGrid& g) { g.AddMultiImage(2, 2, 1, haLeft, vaTop); },
         [](TExtStringGrid& g) { return g.GetCellImages(2, 2) != nullptr; },
         [](TExtStringGrid& g) { g.RemoveMultiImage(2, 2); }},
        {"interfaced", ctInterface, [](TExtStringGrid& g) { g.AddInterfacedCell(2, 2, &plainObject); },
         [](TExtStringGrid& g) { return g.GetInterfacedCell(2, 2) == &plainObject; },
         [](TExtStringGrid& g) { g.RemoveInterfacedCell(2, 2); }},
        {"progress", ctProgress, [](TExtStringGrid& g) { g.AddProgress(2, 2, plat::clRed, plat::clWhite); },
         [](TExtStringGrid& g) { return g.HasProgress(2, 2); }, [](TExtStringGrid& g) { g.RemoveProgress(2, 2); }},
        {"level progress", ctXPProgress, [](TExtStringGrid& g) { g.AddExtProgress(2, 2, 0, 10); },
         [](TExtStringGrid& g) { return g.GetCellType(2, 2) == ctXPProgress; },
         [](TExtStringGrid& g) { g.RemoveExtProgress(2, 2); }},
        {"pie", ctProgressPie, [](TExtStringGrid& g) { g.AddProgressPie(2, 2, plat::clRed, 30); },
         [](TExtStringGrid& g) { return g.GetCellGraphic(2, 2) && g.GetCellGraphic(2, 2)->CellAngle() == 30; },
         [](TExtStringGrid& g) { g.RemoveProgressPie(2, 2); }},
        {"range", ctRangeIndicator,
         [](TExtStringGrid& g) { g.AddRangeIndicator(2, 2, 50, plat::clRed, plat::clLime, true); },
         [](TExtStringGrid& g) { return g.GetCellType(2, 2) == ctRangeIndicator; },
         [](TExtStringGrid& g) { g.RemoveRangeIndicator(2, 2); }},
        {"shape", ctShape,
         [](TExtStringGrid& g) { g.AddShape(2, 2, ctl::csCircle, plat::clRed, plat::clBlack, haLeft, vaTop); },
         [](TExtStringGrid& g) { return g.GetShapeColor(2, 2) == plat::clRed; },
         [](TExtStringGrid& g) { g.RemoveShape(2, 2); }},
        {"rating", ctRating, [](TExtStringGrid& g) { g.AddRating(2, 2, 5, plat::clYellow, plat::clSilver); },
         [](TExtStringGrid& g) { return g.HasRating(2, 2); }, [](TExtStringGrid& g) { g.RemoveRating(2, 2); }},
        {"scroll bar", ctScrollbar, [](TExtStringGrid& g) { g.AddScrollBar(2, 2, false); },
         [](TExtStringGrid& g) { return g.HasScrollBar(2, 2) && g.GetScrollProp(2, 2) == TScrollProp{0, 100}; },
         [](TExtStringGrid& g) { g.RemoveScrollBar(2, 2); }},
        {"bit button", ctBitButton, [](TExtStringGrid& g) { g.AddBitButton(2, 2, 30, 20, "b", &bmp, haLeft, vaTop); },
         [](TExtStringGrid& g) { return g.HasButton(2, 2) && !g.IsControlCell(2, 2); },
         [](TExtStringGrid& g) { g.RemoveBitButton(2, 2); }},
        {"created bit button", ctBitButton,
         [](TExtStringGrid& g) { g.CreateBitButton(2, 2, 30, 20, "b", haLeft, vaTop)->SetSize(3, 3); },
         [](TExtStringGrid& g) { return g.HasButton(2, 2); }, [](TExtStringGrid& g) { g.RemoveButton(2, 2); }},
    };
    TNoImages images;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TExtStringGrid g(nullptr);
        g.SetGridImages(&images);
        c.add(g);
        EXPECT_EQ(g.GetCellType(2, 2), c.kind);
        EXPECT_TRUE(c.has(g));
        EXPECT_EQ(g.GetCellType(2, 3), ctEmpty) << "the neighbour stays plain";
        // Removing the kind of another cell, or another kind, does nothing.
        g.RemoveComment(2, 2);
        EXPECT_EQ(g.GetCellType(2, 2), c.kind);
        c.remove(g);
        EXPECT_EQ(g.GetCellType(2, 2), ctEmpty);
        EXPECT_FALSE(c.has(g));
        // A grid freed while it holds the kind frees what the cell owns.
        c.add(g);
    }
    EXPECT_EQ(bmp.Width(), 4) << "the caller's objects outlive the cells";
}

TEST(ExtGridCellKinds, ImageKindsWaitForAnImageList) {
    TExtStringGrid g(nullptr);
    g.AddImageIdx(1, 1, 0, haLeft, vaTop);
    g.AddDataImage(1, 2, 0, haLeft, vaTop);
    g.AddMultiImage(1, 3, 0, haLeft, vaTop);
    for (int r = 1; r <= 3; ++r) EXPECT_EQ(g.GetCellType(1, r), ctEmpty) << r;
    int idx = 7;
    EXPECT_FALSE(g.GetImageIdx(1, 1, idx));
    EXPECT_EQ(idx, 7);
}

TEST(ExtGridCellKinds, RemovingADataImageClearsTheText) {
    TExtStringGrid g(nullptr);
    g.SetCells(1, 1, "plain text");
    g.RemoveDataImage(1, 1);
    EXPECT_EQ(g.Cells(1, 1), "");
}

TEST(ExtGridCellKinds, OwnedObjectsAreFreedAndLentOnesKept) {
    plat::TBitmap lent(5, 5);
    {
        TExtStringGrid g(nullptr);
        // Replacing a created bitmap frees it; the lent one replaces it.
        g.CreateBitmap(1, 1, false, haLeft, vaTop);
        g.AddBitmap(1, 1, &lent, false, haLeft, vaTop);
        // A created bitmap whose cell turns into a rotated one is still the
        // cell's to free.
        g.CreateBitmap(1, 2, false, haLeft, vaTop);
        g.SetRotated(1, 2, 90);
        EXPECT_EQ(g.GetCellType(1, 2), ctRotated);
        // A balloon list hangs on a check box until the box goes.
        g.AddCheckBox(1, 3, true, false);
        auto* balloon = new TCellStrings;
        balloon->Add("title");
        g.GetCellGraphic(1, 3)->AttachBalloon(balloon);
        EXPECT_EQ(g.GetCellGraphic(1, 3)->CellAngle(), 1);
        EXPECT_EQ(g.GetCellGraphic(1, 3)->BalloonList(), balloon);
        g.RemoveCheckBox(1, 3);
        // The same on a radio button left to the grid's end.
        g.AddRadioButton(1, 4, true);
        g.GetCellGraphic(1, 4)->AttachBalloon(new TCellStrings);
        g.CreateFilePicture(1, 5, false, noStretch, 0, haLeft, vaTop);
        g.CreatePicture(1, 6, false, noStretch, 0, haLeft, vaTop);
        g.CreateIcon(1, 7, haLeft, vaTop);
        g.CreateBitButton(1, 8, 10, 10, "", haLeft, vaTop);
    }
    // The leak checker fails the run for anything owned and not freed;
    // using the lent bitmap here fails it for anything freed that was lent.
    EXPECT_EQ(lent.Width(), 5);
}

TEST(ExtGridCellKinds, PictureSizeByStretchMode) {
    const struct {
        TStretchMode mode;
        int padding, cw, rh;
        plat::TPoint size;
    } cases[] = {
        {noStretch, 0, 50, 50, {100, 50}},
        {Stretch, 4, 54, 34, {50, 30}},
        {StretchWithAspectRatio, 0, 50, 50, {50, 25}},
        {StretchWithAspectRatio, 0, 400, 100, {200, 100}},
        {Shrink, 0, 200, 200, {100, 50}},
        {Shrink, 0, 60, 200, {60, 200}},
        {ShrinkWithAspectRatio, 0, 200, 200, {100, 50}},
        {ShrinkWithAspectRatio, 0, 50, 200, {50, 25}},
        // 100 x 50 into 30 wide: 15 high; into 45: 22.5, a half going even.
        {StretchWithAspectRatio, 0, 45, 100, {45, 22}},
        // Padding wider than the cell: no room, never a negative size.
        {Stretch, 30, 20, 20, {0, 0}},
        {ShrinkWithAspectRatio, 30, 20, 20, {0, 0}},
    };
    plat::TPicture pic;
    plat::TBitmap b(100, 50);
    pic.SetGraphic(&b);
    for (const auto& c : cases) {
        TCellGraphic g;
        g.SetPicture(&pic, false, c.mode, c.padding, haLeft, vaTop);
        plat::TPoint size{-1, -1};
        g.GetPictureSize(c.cw, c.rh, false, size);
        EXPECT_EQ(size, c.size) << c.mode << " " << c.cw << "x" << c.rh;
    }
    TCellGraphic other;
    other.SetCheckBox(true, false, true, haLeft, vaTop);
    plat::TPoint untouched{7, 8};
    other.GetPictureSize(10, 10, false, untouched);
    EXPECT_EQ(untouched, (plat::TPoint{7, 8}));
}

namespace {

void AddRadioGroup(TExtStringGrid& g, bool sideBySide) {
    TCellGraphic* gr = g.CreateCellGraphic(1, 1);
    gr->SetCellType(ctRadio);
    gr->SetCellBoolean(sideBySide);
    auto* options = new TCellStrings;
    options->Add("a");
    options->Add("longer option");
    gr->SetCellBitmap(options);
    gr->SetCellCreated(true);
}

// Stacked: the widest option plus its glyph, at least 16 a line; side by
// side: every option with its glyph, one line.
plat::TPoint RadioGroupSize(bool sideBySide) {
    TExtStringGrid g(nullptr);
    plat::TCanvas c;
    c.Font().Assign(g.Font());
    const int a = c.TextWidth("a") + 12, b = c.TextWidth("longer option") + 12, line = c.TextHeight("gh");
    return sideBySide ? plat::TPoint{a + b, line} : plat::TPoint{std::max(a, b), 2 * std::max(16, line)};
}

}  // namespace

TEST(ExtGridCellKinds, ExtentOfEachKind) {
    TNoImages images;
    plat::TBitmap bmp(24, 18);
    const int radio = TExtStringGrid(nullptr).ControlLook().RadioSize();
    const struct {
        const char* name;
        std::function<void(TExtStringGrid&)> add;
        const char* text;
        plat::TPoint screen;
    } cases[] = {
        {"bitmap, no text", [&](TExtStringGrid& g) { g.AddBitmap(1, 1, &bmp, false, haLeft, vaTop); }, "", {24, 18}},
        {"bitmap over text", [&](TExtStringGrid& g) { g.AddBitmap(1, 1, &bmp, false, haLeft, vaTop); }, "t", {0, 0}},
        {"bitmap before text",
         [&](TExtStringGrid& g) { g.AddBitmap(1, 1, &bmp, false, haBeforeText, vaUnderText); }, "t", {24, 18}},
        {"image", [](TExtStringGrid& g) { g.AddImageIdx(1, 1, 0, haAfterText, vaTop); }, "t", {16, 0}},
        {"images stacked",
         [](TExtStringGrid& g) {
             g.AddMultiImage(1, 1, 1, haLeft, vaTop);
             g.GetCellImages(1, 1)->Add(0);
             g.GetCellImages(1, 1)->Add(1);
         },
         "", {16, 24}},
        {"check box", [](TExtStringGrid& g) { g.AddCheckBox(1, 1, true, false); }, "", {15, 15}},
        {"radio button", [](TExtStringGrid& g) { g.AddRadioButton(1, 1, true); }, "", {radio, radio}},
        {"pie", [](TExtStringGrid& g) { g.AddProgressPie(1, 1, 0, 5); }, "x", {20, 20}},
        {"button, no text", [](TExtStringGrid& g) { g.AddButton(1, 1, 60, 20, "b", haLeft, vaCenter); }, "", {60, 20}},
        {"button with text", [](TExtStringGrid& g) { g.AddButton(1, 1, 60, 20, "b", haLeft, vaCenter); }, "t", {60, 0}},
        {"button under text", [](TExtStringGrid& g) { g.AddButton(1, 1, 60, 20, "b", haLeft, vaUnderText); }, "t",
         {0, 20}},
        {"rating keeps its width", [](TExtStringGrid& g) { g.AddRating(1, 1, 4, 0, 0); }, "3", {72, 16}},
        {"full height", [](TExtStringGrid& g) { g.AddButton(1, 1, 30, 10, "b", haLeft, vaFull); }, "", {30, 22}},
        {"progress takes no room", [](TExtStringGrid& g) { g.AddProgress(1, 1, 0, 0); }, "5", {0, 0}},
        {"radio group stacked", [](TExtStringGrid& g) { AddRadioGroup(g, false); }, "", RadioGroupSize(false)},
        {"radio group side by side", [](TExtStringGrid& g) { AddRadioGroup(g, true); }, "", RadioGroupSize(true)},
    };
    for (const auto& c : cases) {
        TExtStringGrid g(nullptr);
        g.SetGridImages(&images);
        g.SetRowHeights(1, 22);
        c.add(g);
        g.SetCells(1, 1, c.text);
        plat::TPoint size{-1, -1};
        g.GetCellExtent(1, 1, 0, size);
        EXPECT_EQ(size, c.screen) << c.name;
        EXPECT_EQ(g.GetCellGraphicSize(1, 1), c.screen) << c.name;
    }
}

TEST(ExtGridCellKinds, PrintedExtentDiffersWhereTheScreenDoes) {
    TExtStringGrid g(nullptr);
    g.SetColWidths(1, 90);
    g.SetRowHeights(1, 30);
    g.AddProgress(1, 1, 0, 0);
    g.AddRating(1, 2, 5, 0, 0);
    g.AddShape(1, 3, ctl::csCircle, 0, 0, haLeft, vaTop);
    g.SetRowHeights(3, 24);
    const struct {
        int row;
        plat::TPoint printed;
    } cases[] = {{1, {90, 30}}, {2, {0, 0}}, {3, {20, 20}}};
    for (const auto& c : cases) {
        plat::TPoint size{-1, -1};
        g.GetCellExtentEx(1, c.row, 100, 40, 1.0, size);
        EXPECT_EQ(size, c.printed) << c.row;
    }
    plat::TPicture pic;
    plat::TBitmap b(100, 50);
    pic.SetGraphic(&b);
    g.AddPicture(1, 4, &pic, false, Stretch, 0, haLeft, vaTop);
    plat::TPoint size;
    g.GetCellExtentEx(1, 4, 200, 100, 2.0, size);
    EXPECT_EQ(size, (plat::TPoint{100, 50})) << "scaled back to the screen";
}

TEST(ExtGridCellKinds, PreciseCheckBoxHit) {
    TExtStringGrid g(nullptr);
    g.SetColWidths(1, 100);
    g.SetRowHeights(1, 30);
    g.AddCheckBox(1, 1, false, false);
    const plat::TRect r = g.CellRect(1, 1);
    EXPECT_TRUE(g.IsInCheckBox(1, 1, r.Right - 2, r.Bottom - 2)) << "the whole cell without precision";
    g.MouseActions().SetPreciseCheckBoxCheck(true);
    EXPECT_TRUE(g.IsInCheckBox(1, 1, r.Left + 2, r.Top + 2));
    EXPECT_TRUE(g.IsInCheckBox(1, 1, r.Left + 16, r.Top + 16));
    EXPECT_FALSE(g.IsInCheckBox(1, 1, r.Left + 17, r.Top + 5)) << "right edge excluded";
    EXPECT_FALSE(g.IsInCheckBox(1, 1, r.Right - 2, r.Bottom - 2));
    g.AddButton(1, 2, 10, 10, "", haLeft, vaTop);
    EXPECT_FALSE(g.IsInCheckBox(1, 2, g.CellRect(1, 2).Left + 3, g.CellRect(1, 2).Top + 3));
}

TEST(ExtGridCellKinds, GraphicsMoveWithTheirCells) {
    TExtStringGrid g(nullptr);
    g.SetColCount(5);
    g.AddProgress(3, 2, plat::clRed, plat::clWhite);
    g.AddRating(3, 4, 5, plat::clYellow, plat::clSilver);
    g.CreateBitmap(4, 4, false, haLeft, vaTop);
    // Hiding columns and rows keeps the kinds at their real cells.
    g.HideColumn(1);
    g.HideRow(3);
    EXPECT_TRUE(g.HasProgress(3, 2)) << "real column, displayed row";
    EXPECT_TRUE(g.HasRating(3, 3)) << "row 4 is displayed as 3";
    g.UnHideColumnsAll();
    g.UnHideRowsAll();
    EXPECT_TRUE(g.HasProgress(3, 2));
    EXPECT_TRUE(g.HasRating(3, 4));
    EXPECT_TRUE(g.HasBitmap(4, 4));
    g.SwapCells({3, 2}, {1, 1});
    EXPECT_TRUE(g.HasProgress(1, 1));
    EXPECT_FALSE(g.HasProgress(3, 2));
    // A merged block answers for its base cell.
    g.MergeCells(3, 4, 2, 2);
    EXPECT_TRUE(g.HasRating(4, 4));
    EXPECT_TRUE(g.HasRating(4, 5));
}

TEST(ExtGridCellKinds, GraphicsFollowRowAndColumnMoves) {
    TExtStringGrid g(nullptr);
    g.SetColCount(5);
    g.AddProgress(3, 2, plat::clRed, plat::clWhite);
    g.AddCheckBox(2, 4, true, false);
    plat::TBitmap* bmp = g.CreateBitmap(1, 3, false, haLeft, vaTop);
    // Row 2 goes to 5; rows 3 to 5 move up by one.
    g.MoveRow(2, 5);
    EXPECT_TRUE(g.HasProgress(3, 5));
    EXPECT_FALSE(g.HasProgress(3, 2));
    EXPECT_TRUE(g.IsChecked(2, 3));
    EXPECT_EQ(g.GetBitmap(1, 2), bmp);
    // Column 3 goes to 1; columns 1 and 2 move right by one.
    g.MoveColumn(3, 1);
    EXPECT_TRUE(g.HasProgress(1, 5));
    EXPECT_TRUE(g.IsChecked(3, 3));
    EXPECT_EQ(g.GetBitmap(2, 2), bmp);
    // Removing a row frees its graphic (the leak checker watches); rows
    // inserted above push the others down with their graphics.
    g.RemoveRows(5, 1);
    EXPECT_FALSE(g.HasProgress(1, 5));
    g.InsertRows(1, 2);
    EXPECT_TRUE(g.IsChecked(3, 5));
    EXPECT_EQ(g.GetBitmap(2, 4), bmp);
}

TEST(ExtGridCellKinds, ScrollBarAndPieSetters) {
    TExtStringGrid g(nullptr);
    g.AddScrollBar(1, 1, true);
    EXPECT_TRUE(g.HasAutoRangeScrollBar(1, 1));
    g.SetScrollPosition(1, 1, 40);
    g.SetScrollProp(1, 1, {10, 80});
    EXPECT_EQ(g.GetScrollPosition(1, 1), 40);
    EXPECT_EQ(g.GetScrollProp(1, 1), (TScrollProp{10, 80}));
    EXPECT_EQ(g.GetScrollProp(2, 2), (TScrollProp{-1, -1}));
    g.AddProgressPie(2, 2, plat::clRed, 10);
    g.SetProgressPie(2, 2, 90);
    EXPECT_EQ(g.GetCellGraphic(2, 2)->CellAngle(), 90);
    g.SetProgressPie(1, 1, 5);
    EXPECT_EQ(g.GetScrollPosition(1, 1), 40) << "a setter of another kind leaves the cell alone";
    g.SetShapeColor(2, 2, plat::clBlue);
    EXPECT_EQ(g.GetShapeColor(2, 2), plat::clNone);
}

TEST(ExtGridCellKinds, DataGraphicCells) {
    TExtStringGrid g(nullptr);
    TNoImages images;
    g.SetGridImages(&images);
    g.AddCheckBox(1, 1, true, true);
    g.AddCheckBox(1, 2, true, false);
    g.AddDataImage(1, 3, 0, haLeft, vaTop);
    EXPECT_TRUE(TExtStringGrid::IsDataGraphicCell(g, 1, 1));
    EXPECT_FALSE(TExtStringGrid::IsDataGraphicCell(g, 1, 2));
    EXPECT_TRUE(TExtStringGrid::IsDataGraphicCell(g, 1, 3));
    EXPECT_FALSE(TExtStringGrid::IsDataGraphicCell(g, -1, 3));
}

TEST(ExtGridCellKinds, ToggleIsRecordedForUndo) {
    plat::EnsureGuiApplication();
    plat::TForm form(nullptr);
    auto* g = new TExtStringGrid(&form);
    auto* undo = new TExtGridUndoRedo(&form);
    g->SetUndoRedo(undo);
    g->AddCheckBox(1, 1, false, true);
    g->ToggleCheckBox(1, 1);
    g->ToggleCheckBox(1, 1);
    ASSERT_EQ(undo->Count(), 2);
    EXPECT_EQ(undo->Items(0).OrigValue, "N");
    EXPECT_EQ(undo->Items(0).Value, "Y");
    EXPECT_EQ(undo->Items(1).OrigValue, "Y");
    EXPECT_EQ(undo->Items(1).Value, "N");
    undo->Undo();
    EXPECT_EQ(g->Cells(1, 1), "Y") << "undo brings the check text back";
}

TEST(ExtGridCellKinds, BorderAndPrintColourQueriesAskTheApplication) {
    TExtStringGrid g(nullptr);
    TCellBorders borders;
    plat::TPen pen;
    g.GetCellBorder(2, 3, borders, pen);
    EXPECT_TRUE(borders.Empty()) << "no borders without a handler";
    EXPECT_FALSE(g.HasCustomBorders());
    std::vector<std::pair<int, int>> asked;
    g.OnGetCellBorder = [&](TObject*, int ARow, int ACol, plat::TPen& APen, TCellBorders& B) {
        asked.emplace_back(ARow, ACol);
        B.Include(cbBottom);
        APen.SetColor(plat::clRed);
    };
    EXPECT_TRUE(g.HasCustomBorders());
    g.GetCellBorder(2, 3, borders, pen);
    EXPECT_TRUE(borders.Contains(cbBottom));
    EXPECT_EQ(pen.Color(), plat::clRed);
    EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{3, 2}})) << "row first";

    plat::TBrush brush;
    plat::TFont font;
    brush.SetColor(plat::clWhite);
    g.GetCellPrintColor(1, 1, {}, brush, font);
    EXPECT_EQ(brush.Color(), plat::clWhite);
    g.OnGetCellPrintColor = [](TObject*, int, int, TGridDrawState, plat::TBrush& B, plat::TFont&) {
        B.SetColor(plat::clYellow);
    };
    g.GetCellPrintColor(1, 1, {}, brush, font);
    EXPECT_EQ(brush.Color(), plat::clYellow);
}

TEST(ExtGridCellKinds, BackGroundIsCopiedIntoTheGrid) {
    TExtStringGrid g(nullptr);
    EXPECT_EQ(g.BackGround().Display(), bdTile);
    EXPECT_EQ(g.BackGround().Color(), plat::clWindow);
    EXPECT_EQ(g.BackGround().ColorTo(), plat::clBtnFace);
    TBackGround other;
    other.SetDisplay(bdGradientVert);
    other.SetColor(plat::clRed);
    other.SetBitmap(plat::TBitmap(3, 2));
    other.SetLeft(7);
    TBackGround* own = &g.BackGround();
    g.ClearRepaintLog();
    g.SetBackGround(other);
    EXPECT_EQ(&g.BackGround(), own) << "copied into the grid's own object";
    EXPECT_EQ(g.BackGround().Display(), bdGradientVert);
    EXPECT_EQ(g.BackGround().Color(), plat::clRed);
    EXPECT_EQ(g.BackGround().Bitmap().Width(), 3);
    EXPECT_EQ(g.BackGround().Left(), 7);
    EXPECT_GT(g.InvalidateCount(), 0) << "the grid repaints";
    other.SetColor(plat::clBlue);
    EXPECT_EQ(g.BackGround().Color(), plat::clRed) << "no link to the source";
}

TEST(ExtGridCellKinds, BalloonSettingsCopyAllButTransparency) {
    TExtStringGrid g(nullptr);
    TBalloonSettings other;
    other.SetTextColor(plat::clRed);
    other.SetBackgroundColor(plat::clYellow);
    other.SetInitialDelay(100);
    other.SetAutoHideDelay(2000);
    other.SetReshowDelay(50);
    other.SetTransparency(120);
    int fired = 0;
    g.Balloon().OnEnableChange = [&] { ++fired; };
    other.SetEnable(true);
    g.Balloon().Assign(other);
    EXPECT_EQ(g.Balloon().TextColor(), plat::clRed);
    EXPECT_EQ(g.Balloon().BackgroundColor(), plat::clYellow);
    EXPECT_EQ(g.Balloon().InitialDelay(), 100);
    EXPECT_EQ(g.Balloon().AutoHideDelay(), 2000);
    EXPECT_EQ(g.Balloon().ReshowDelay(), 50);
    EXPECT_TRUE(g.Balloon().Enable());
    EXPECT_EQ(g.Balloon().Transparency(), 0) << "not copied";
    EXPECT_EQ(fired, 0) << "a copy switches balloons without the event";
    g.Balloon().SetEnable(true);
    EXPECT_EQ(fired, 1);
}
