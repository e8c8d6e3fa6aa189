#pragma once
// Cell checkers: objects a string grid can be linked to so that edited and
// checked cell texts are corrected and their errors marked. The base class
// leaves every text as it is; real checkers derive from it.

#include <functional>
#include <string>

#include "platform/Classes.h"

namespace grid {

// A component owned by its form, so a grid that points to it hears when
// it goes (the owner's notification) and can drop the reference.
class TExtStringGridCheck : public plat::TComponent {
public:
    explicit TExtStringGridCheck(plat::TComponent* AOwner = nullptr) : plat::TComponent(AOwner) {}

    bool AutoCorrect = false;   // edited texts pass through Correct
    bool AutoMarkError = false; // edited texts pass through MarkError
    bool GotoCell = false;      // an explicit check visits each cell
    bool UseCorrect = false;    // an explicit check corrects
    bool UseMarkError = false;  // an explicit check marks errors

    virtual std::string MarkError(int ACol, int ARow, const std::string& S) {
        (void)ACol, (void)ARow;
        return S;
    }
    virtual std::string Correct(int ACol, int ARow, const std::string& S) {
        (void)ACol, (void)ARow;
        return S;
    }
    virtual void StartCheck() {}
    virtual void StopCheck() {}
};

// What an explicit check needs of the grid it runs on.
struct TCellCheckTarget {
    std::function<std::string(int col, int row)> GetCell;
    std::function<void(int col, int row, const std::string& text)> SetCell;
    // The text without any error marks (the grid's unmark routine).
    std::function<std::string(const std::string& text)> Unmark;
    std::function<void(int& col, int& row)> GetCurrentCell;
    std::function<void(int col, int row)> SetCurrentCell;
};

// Checks the cells of columns fromCol..toCol and rows fromRow..toRow, row
// by row. Each cell is written back as the checker returns it (error marks
// removed when the checker changes nothing); a cell counts as correct when
// that result equals its unmarked text. True without a checker.
bool CheckCellRange(TExtStringGridCheck* checker, const TCellCheckTarget& target, int fromCol,
                    int fromRow, int toCol, int toRow);

}  // namespace grid
