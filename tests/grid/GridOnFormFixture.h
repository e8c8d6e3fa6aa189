#pragma once
// A string grid shown on a form beside an edit that can take the focus, as
// the table windows hold it: the input tests drive real keys and clicks.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "grid/ExtGrid.h"
#include "platform/Bitmap.h"
#include "platform/Forms.h"
#include "platform/GuiApp.h"
#include "platform/StdCtrls.h"
#include "platform/TestHooks.h"

class GridOnForm : public ::testing::Test {
protected:
    void ShowGrid(int cols, int rows, bool editing) {
        plat::EnsureGuiApplication();
        form = std::make_unique<plat::TForm>(nullptr);
        form->SetBounds(0, 0, 700, 400);
        grid = new grid::TExtStringGrid(form.get());
        grid->SetParent(form.get());
        grid->SetBounds(0, 0, 600, 300);
        grid->SetColCount(cols);
        grid->SetRowCount(rows);
        if (editing) grid->SetOptions(grid->Options() + plat::TGridOptions{plat::goEditing});
        other = new plat::TEdit(form.get());
        other->SetParent(form.get());
        other->SetBounds(610, 10, 80, 24);
        form->Show();
        grid->SetFocus();
    }
    void Select(int c, int r) {
        grid->SetCol(c);
        grid->SetRow(r);
    }
    // The width a column fitted to one line of text in the grid's font
    // takes: the text, the offsets on both sides, the grid lines and one
    // pixel of air on each side.
    int FittedWidth(const std::string& text) {
        plat::TBitmap bmp(1, 1);
        bmp.Canvas().Font().Assign(grid->Font());
        return bmp.Canvas().TextWidth(text) + 2 * grid->XYOffset().X + 2 * grid->GridLineWidth() + 2;
    }

    std::unique_ptr<plat::TForm> form;
    grid::TExtStringGrid* grid = nullptr;
    plat::TEdit* other = nullptr;  // the next control in the tab order
};

// A grid of the given kind placed on a form that is never shown: painting
// tests take its picture. Both rectangles are left, top, width, height.
template <class TGrid = grid::TExtStringGrid>
struct GridOnHiddenForm {
    GridOnHiddenForm(plat::TRect formBounds, plat::TRect gridBounds, int cols, int rows) {
        plat::EnsureGuiApplication();
        form = std::make_unique<plat::TForm>(nullptr);
        form->SetBounds(formBounds.Left, formBounds.Top, formBounds.Right, formBounds.Bottom);
        g = new TGrid(form.get());
        g->SetParent(form.get());
        g->SetBounds(gridBounds.Left, gridBounds.Top, gridBounds.Right, gridBounds.Bottom);
        g->SetColCount(cols);
        g->SetRowCount(rows);
    }
    // The grid's picture, saved under the test output for people to look at.
    plat::TBitmap Shot(const std::string& name) {
        std::filesystem::create_directories(VASTRIMO_TEST_OUT);
        const std::string path = std::string(VASTRIMO_TEST_OUT) + "/" + name;
        EXPECT_TRUE(plat::test::SaveScreenshot(*g, path));
        plat::TBitmap bmp;
        EXPECT_TRUE(bmp.LoadFromFile(path)) << bmp.ErrorString();
        return bmp;
    }

    std::unique_ptr<plat::TForm> form;
    TGrid* g = nullptr;
};
