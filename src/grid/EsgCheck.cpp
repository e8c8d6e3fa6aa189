#include "grid/EsgCheck.h"

#include <algorithm>

namespace grid {

TExtStringGridCheck::~TExtStringGridCheck() {
    for (TCheckerLink* link : FLinks) link->FChecker = nullptr;
}

void TCheckerLink::Set(TExtStringGridCheck* Checker) {
    if (Checker == FChecker) return;
    if (FChecker) std::erase(FChecker->FLinks, this);
    FChecker = Checker;
    if (FChecker) FChecker->FLinks.push_back(this);
}

bool CheckCellRange(TExtStringGridCheck* checker, const TCellCheckTarget& target, int fromCol,
                    int fromRow, int toCol, int toRow) {
    if (!checker) return true;
    int startCol = 0;
    int startRow = 0;
    if (checker->GotoCell && target.GetCurrentCell) target.GetCurrentCell(startCol, startRow);
    checker->StartCheck();
    bool allCorrect = true;
    for (int row = fromRow; row <= toRow; ++row) {
        for (int col = fromCol; col <= toCol; ++col) {
            const std::string cell = target.GetCell(col, row);
            const std::string unmarked = target.Unmark ? target.Unmark(cell) : cell;
            if (checker->GotoCell && target.SetCurrentCell) target.SetCurrentCell(col, row);
            std::string result = unmarked;
            if (checker->UseCorrect) result = checker->Correct(col, row, unmarked);
            // Marking also starts from the unmarked text, so with both
            // switches on the marked text is the one kept.
            if (checker->UseMarkError) result = checker->MarkError(col, row, unmarked);
            target.SetCell(col, row, result);
            if (result != unmarked) allCorrect = false;
        }
    }
    checker->StopCheck();
    if (checker->GotoCell && target.SetCurrentCell) target.SetCurrentCell(startCol, startRow);
    return allCorrect;
}

}  // namespace grid
