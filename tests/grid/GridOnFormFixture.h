#pragma once
// A string grid shown on a form beside an edit that can take the focus, as
// the table windows hold it: the input tests drive real keys and clicks.

#include <gtest/gtest.h>

#include <memory>

#include "grid/ExtGrid.h"
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

    std::unique_ptr<plat::TForm> form;
    grid::TExtStringGrid* grid = nullptr;
    plat::TEdit* other = nullptr;  // the next control in the tab order
};
