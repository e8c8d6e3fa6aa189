#pragma once
// A protocol table window made the way the program makes it, on a fresh
// program folder with the English texts and the configuration "Plant" open,
// and the user's ways of reaching its cells: focus, click, type, pick.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "gateway/GatewayTestSupport.h"
#include "platform/Application.h"
#include "platform/Messages.h"
#include "platform/TestHooks.h"
#include "protocols/AccessTableForm.h"
#include "shell/Comon.h"

namespace prototest {

using gwtest::ReadFile;

inline void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

// A stored file of the tests' data folder, by name.
inline std::string Data(const std::string& Name) {
    return ReadFile(std::string(VASTRIMO_TEST_DATA) + "/" + Name);
}

// Where a window's picture goes, by name.
inline std::string Screenshot(const std::string& Name) {
    return std::string(VASTRIMO_TEST_OUT) + "/" + Name + ".png";
}

// The user's ways into a table: focus, click a cell, type into it, pick
// from its drop-down (columns as displayed).
inline void Focus(plat::TWinControl& c) {
    c.SetFocus();
    plat::test::ProcessEvents();
}

// A click in the middle of a cell in view (display column).
inline void ClickCell(grid::TExtStringGrid& g, int c, int r) {
    const plat::TRect rc = g.GridCellRect(c, r);
    ASSERT_LT(rc.Left, rc.Right) << "cell " << c << "," << r << " is not in view";
    plat::test::ClickAt(g, (rc.Left + rc.Right) / 2, (rc.Top + rc.Bottom) / 2);
}

// Types into a cell as a user does: the cell is made current, typing
// opens its editor, Enter ends the edit (display column).
inline void TypeCell(grid::TExtStringGrid& g, int c, int r, const std::string& text) {
    Focus(g);
    g.SetRow(r);
    g.SetCol(c);
    plat::test::TypeText(g, text.substr(0, 1));
    ASSERT_TRUE(g.EditMode()) << "cell " << c << "," << r;
    plat::TControl& editor = *g.InplaceEditor();
    plat::test::TypeText(editor, text.substr(1));
    plat::test::SendKey(editor, plat::VK_RETURN);
    ASSERT_EQ(g.Cells(g.RealColIndex(c), r), text);
}

// Picks entry index of a drop-down cell with the keyboard.
inline void PickCell(grid::TExtStringGrid& g, int c, int r, int index) {
    Focus(g);
    g.SetRow(r);
    g.SetCol(c);
    plat::test::SendKey(g, plat::VK_RETURN);
    ASSERT_TRUE(g.EditMode());
    plat::TComboBox& list = *g.EditCombo();
    while (list.ItemIndex() > index) plat::test::SendKey(list, plat::VK_UP);
    while (list.ItemIndex() < index) plat::test::SendKey(list, plat::VK_DOWN);
    plat::test::SendKey(list, plat::VK_RETURN);
    plat::test::ProcessEvents();
}

// Cells of one table row by column; the other cells stay as they are.
using TCells = std::map<int, std::string>;

template <class TWindow>
class AccessWindowTest : public ::testing::Test {
protected:
    void OpenWindow(const std::string& folderName) {
        ASSERT_NO_FATAL_FAILURE(gwtest::OpenPlantConfiguration(
            (std::filesystem::path(VASTRIMO_TEST_OUT) / folderName).string()));
        std::filesystem::create_directories(shell::Conf_Path);
        plat::InitApplication();
        dlg = std::make_unique<TWindow>(nullptr);
        dlg->DoCreate();
    }
    void TearDown() override { dlg.reset(); }

    // Shows the window, runs the script inside it and returns how it closed.
    plat::TModalResult Open(plat::test::TScriptedUi& ui, std::function<void()> script) {
        ui.OnModal([script](plat::TForm&) {
            plat::test::ProcessEvents();
            script();
            return plat::mrNone;
        });
        return dlg->ShowModal();
    }

    // The tables as the window shows them after opening, with the given
    // rows changed (row number -> cells), put back into the grids.
    void SetRows(int table, const std::map<int, TCells>& rows) {
        std::vector<proto::TTable> tables = dlg->Grid_Tables();
        for (const auto& [r, cells] : rows)
            for (const auto& [c, text] : cells) tables[static_cast<size_t>(table)][static_cast<size_t>(r - 1)][static_cast<size_t>(c)] = text;
        dlg->Put_Tables(tables);
    }

    grid::TExtColumnGrid& Grid(int table) { return dlg->Table_Grid(table); }

    void ShowPage(int table) {
        if (dlg->PageControl1) dlg->PageControl1->SetActivePageIndex(table);
        plat::test::ProcessEvents();
    }

    std::unique_ptr<TWindow> dlg;
};

}  // namespace prototest
