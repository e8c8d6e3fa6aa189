#pragma once
// The state of the grid's editors over cells that came after the first
// special editors: the picker wrappers, and the fixed-cell, rich text and
// form-control editors.

#include <string>
#include <utility>
#include <vector>

#include "grid/ExtGrid.h"
#include "grid/ExtGridCellEditors.h"
#include "grid/ExtGridPickerEditors.h"

namespace grid {

struct TExtStringGrid::TEditorsState {
    TGridTrackbarDropDown* Trackbar = nullptr;
    TGridMemoDropDown* Memo = nullptr;
    TGridCalculatorDropDown* Calculator = nullptr;
    TGridTimepickerDropDown* TimePicker = nullptr;
    TGridDetailPickerDropDown* DetailPicker = nullptr;
    TGridGridDropDown* GridPicker = nullptr;
    TGridExtGridDropDown* ExtGridPicker = nullptr;
    TGridColorDropDown* ColorPicker = nullptr;
    TGridImageDropDown* ImagePicker = nullptr;
    TGridTransEdit* TransEdit = nullptr;
    TGridTransCombo* TransCombo = nullptr;
    TExtRichEdit* RichInplace = nullptr;
    TExtRichEdit* RichHidden = nullptr;
    TControlEdit* CtrlEdit = nullptr;
    TControlCombo* CtrlCombo = nullptr;
    // The inline form control being edited: its cell (real column), ID and
    // type, while CtrlEditing.
    bool CtrlEditing = false;
    int CtrlCol = -1, CtrlRow = -1;
    std::string CtrlID, CtrlType;
    // The objects behind combo items, by item text.
    std::vector<std::pair<std::string, plat::TObject*>> ComboObjects;
    // A click the text editor places its caret by (grid client point).
    bool ClickPending = false;
    int ClickX = 0, ClickY = 0;

    TEditorsState() = default;
    TEditorsState(const TEditorsState&) = delete;
    TEditorsState& operator=(const TEditorsState&) = delete;
    // The controls are the grid's components and outlive this state while
    // the grid goes; they must not call back into it then.
    ~TEditorsState();
};

}  // namespace grid
