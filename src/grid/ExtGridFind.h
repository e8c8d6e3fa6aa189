#pragma once
// What a search through the grid's cells takes into account.

#include "platform/Classes.h"

namespace grid {

enum TFindParameters {
    fnMatchCase, fnMatchFull, fnMatchRegular, fnDirectionLeftRight, fnMatchStart, fnFindInCurrentRow,
    fnFindInCurrentCol, fnIncludeFixed, fnAutoGoto, fnIgnoreHTMLTags, fnBackward, fnIncludeHiddenColumns,
    fnFindInPresetCol, fnFindInPresetRow, fnSelectedCells, fnIncludeHiddenRows
};
using TFindParams = plat::TSet<TFindParameters>;

enum TSearchFooterAction { saFindFirst, saFindPrevious, saFindNext };

}  // namespace grid
