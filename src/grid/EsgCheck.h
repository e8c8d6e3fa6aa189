#pragma once
// Cell checkers: objects a string grid can be linked to so that edited and
// checked cell texts are corrected and their errors marked. The base class
// leaves every text as it is; real checkers derive from it.

#include <functional>
#include <string>
#include <vector>

#include "platform/Classes.h"

namespace grid {

// A component owned by its form, so a grid that points to it hears when
// it goes (the owner's notification) and can drop the reference.
class TCheckerLink;

class TExtStringGridCheck : public plat::TComponent {
public:
    explicit TExtStringGridCheck(plat::TComponent* AOwner = nullptr) : plat::TComponent(AOwner) {}
    ~TExtStringGridCheck() override;
    TExtStringGridCheck(const TExtStringGridCheck&) = delete;
    TExtStringGridCheck& operator=(const TExtStringGridCheck&) = delete;

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

private:
    friend class TCheckerLink;
    std::vector<TCheckerLink*> FLinks;  // told when this checker goes
};

// A grid's reference to its checker: a checker that is freed first leaves
// the reference empty rather than dangling, whoever owns the two.
class TCheckerLink {
public:
    TCheckerLink() = default;
    ~TCheckerLink() { Set(nullptr); }
    TCheckerLink(const TCheckerLink&) = delete;
    TCheckerLink& operator=(const TCheckerLink&) = delete;
    TExtStringGridCheck* Get() const { return FChecker; }
    void Set(TExtStringGridCheck* Checker);

private:
    friend class TExtStringGridCheck;
    TExtStringGridCheck* FChecker = nullptr;
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
