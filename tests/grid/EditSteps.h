#pragma once
// Input played into a cell's editor: the editor of a cell is opened with F2
// and each step goes to whatever control then holds the editor's place
// (the grid itself once the editor has closed).

#include <string>
#include <vector>

#include "grid/ExtGrid.h"
#include "platform/Messages.h"
#include "platform/TestHooks.h"

// One input to the editor: a key, or text typed character by character.
struct Step {
    unsigned short key = 0;
    const char* text = nullptr;
    plat::TShiftState shift = 0;
};
inline Step Key(unsigned short k, plat::TShiftState s = 0) { return {k, nullptr, s}; }
inline Step Type(const char* t) { return {0, t, 0}; }

// Opens the editor of cell (ACol, ARow), arriving from another cell so the
// grid's cell-change handling runs, and plays the steps.
inline void PlayInCell(grid::TExtStringGrid& Grid, int ACol, int ARow, const std::string& Cell,
                       const std::vector<Step>& Steps) {
    namespace pt = plat::test;
    Grid.SetCells(ACol, ARow, Cell);
    Grid.SetCol(1);
    Grid.SetRow(1);
    Grid.SetCol(ACol);
    Grid.SetRow(ARow);
    pt::SendKey(Grid, plat::VK_F2);
    for (const Step& s : Steps) {
        plat::TWinControl* target = Grid.EditCtrl();
        if (target == nullptr) target = &Grid;
        if (s.text) pt::TypeText(*target, s.text);
        else pt::SendKey(*target, s.key, s.shift);
    }
    pt::ProcessEvents();
}
