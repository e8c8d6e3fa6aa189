#pragma once
// What the grid unit sets up once per program, before the first grid is
// made: the clipboard format of copied cells, the window messages the
// editing relies on, and the grid classes known to window layouts.

#include <string>

namespace plat {
class TControl;
class TForm;
}  // namespace plat

namespace grid {

class TExtStringGrid;

struct TGridUnit {
    // The grid whose focus window follows the moves of the thread's windows
    // (set while its editor is open).
    TExtStringGrid* FocusHookGrid = nullptr;
    // The date picker editors are offered only where the common controls
    // have them; this framework always has.
    bool HasComCtl470 = true;
    unsigned GridCellsClipboardFormat = 0;
    unsigned GridEditDoneMessage = 0;
    unsigned DTPShiftFocusMessage = 0;
    // Font of the cell hint being shown.
    std::string HintFontName;
    // Why the grid classes could not be made known to window layouts; a
    // layout naming a grid then reports the unknown class itself.
    std::string RegistrationError;
};

// The unit's state, set up on the first call. Every grid's constructor calls
// it; a program that loads grids from window layouts calls it before.
TGridUnit& GridUnit();

// The first form up the parent chain of a control, or nullptr.
plat::TForm* FindParentForm(const plat::TControl* Control);

// The program-wide regional formats the grid's conversions use.
char LocaleTimeSeparator();
char LocaleDateSeparator();
char LocaleThousandSeparator();
char LocaleDecimalSeparator();
std::string LocaleShortDateFormat();
std::string LocaleShortTimeFormat();
std::string LocaleLongTimeFormat();

}  // namespace grid
