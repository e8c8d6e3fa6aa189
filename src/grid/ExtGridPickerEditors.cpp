// The picker wrappers' key rule and the grid's side of them: making one on
// first use, filling it from the cell and reading its value back.

#include "grid/ExtGridPickerEditors.h"

#include <algorithm>

#include "grid/ExtGridCellEditors.h"
#include "grid/ExtGridEditors.h"
#include "grid/ExtGridEditorsState.h"
#include "grid/ExtGridPaint.h"
#include "base/StrUtils.h"
#include "platform/Messages.h"

namespace grid {

bool IsPickerKind(TEditorType Kind) {
    switch (Kind) {
        case edTrackbarDropDown:
        case edMemoDropDown:
        case edCalculatorDropDown:
        case edTimePickerDropDown:
        case edDetailDropDown:
        case edGridDropDown:
        case edExtGridDropDown:
        case edColorPickerDropDown:
        case edImagePickerDropDown:
        case edRichEdit: return true;
        default: return false;
    }
}

template <class TPicker>
TGridPickerEditor<TPicker>::TGridPickerEditor(TExtStringGrid* AGrid) : TPicker(AGrid), TGridEditorRef(AGrid) {
    this->OnChange = [this](plat::TObject*) {
        if (FGrid && FGrid->EditMode() && FGrid->EditCtrl() == this && FGrid->OnEditChange)
            FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), this->Text());
    };
}

template <class TPicker>
bool TGridPickerEditor<TPicker>::TakesKey(unsigned short Key, bool Alt) const {
    switch (Key) {
        case plat::VK_TAB:
        case plat::VK_RETURN:
        case plat::VK_ESCAPE:
        case plat::VK_PRIOR:
        case plat::VK_NEXT:
        case plat::VK_UP: return true;
        case plat::VK_DOWN: return !Alt;
        // End moves the caret while the pop-up is closed.
        case plat::VK_END: return this->DroppedDown();
        default: return false;
    }
}

template <class TPicker>
void TGridPickerEditor<TPicker>::KeyDown(unsigned short& Key, plat::TShiftState Shift) {
    const bool handled = TakesKey(Key, (Shift & plat::ssAlt) != 0);
    if (!handled || FGrid == nullptr || !FGrid->EditMode()) {
        TPicker::KeyDown(Key, Shift);
        return;
    }
    if (Key == plat::VK_RETURN) BeforeCommit();
    unsigned short k = Key;
    Key = 0;
    if (this->DroppedDown()) {
        // The value picked in the pop-up is the one to keep; the grid then
        // stays on the cell unless the key is Tab or Enter.
        this->HideDropDown(k == plat::VK_ESCAPE);
        if (k != plat::VK_TAB && k != plat::VK_RETURN && k != plat::VK_ESCAPE) k = 0;
    }
    if (k == plat::VK_ESCAPE) RevertToCell();
    FGrid->DoneInplaceEdit(k, Shift);
}

template <class TPicker>
void TGridPickerEditor<TPicker>::Dispatch(plat::TMessage& Message) {
    TPicker::Dispatch(Message);
    // Tab stays with the editor when the grid moves by it or validates.
    const bool wantsTab = FGrid && (FGrid->Options().Contains(plat::goTabs) || FGrid->OnCellValidate);
    if (Message.Msg == plat::WM_GETDLGCODE && wantsTab) Message.Result |= plat::DLGC_WANTTAB;
    if (Message.Msg == plat::CM_WANTSPECIALKEY) {
        const auto key = Message.WParam;
        if ((key == plat::VK_TAB && wantsTab) ||
            ((key == plat::VK_RETURN || key == plat::VK_ESCAPE) && ClaimsEnterAndEsc()))
            Message.Result = 1;
    }
}

template <class TPicker>
void TGridPickerEditor<TPicker>::KeyPress(char32_t& Key) {
    // The window hears the keys typed into the cell, from the picker itself.
    if (FGrid && FGrid->OnKeyPress) FGrid->OnKeyPress(this, Key);
    if (Key == 27 || Key == 13 || Key == 9) Key = 0;
    if (Key != 0) TPicker::KeyPress(Key);
}

template <class TPicker>
void TGridPickerEditor<TPicker>::DoEnter() {
    TPicker::DoEnter();
    if (FGrid) PlaceCaretByClick(*FGrid, *this);
}

template <class TPicker>
void TGridPickerEditor<TPicker>::DoExit() {
    TPicker::DoExit();
    // The pop-up taking the focus is still the edit.
    if (this->DroppedDown()) return;
    if (FGrid == nullptr || !FGrid->EditMode() || FGrid->EditCtrl() != this) return;
    if (!FGrid->FinishEdit(false) && this->CanFocus()) this->SetFocus();
}

template class TGridPickerEditor<ctl::TExtTrackBarDropDown>;
template class TGridPickerEditor<ctl::TExtMemoDropDown>;
template class TGridPickerEditor<ctl::TExtCalculatorDropdown>;
template class TGridPickerEditor<ctl::TExtTimePickerDropDown>;
template class TGridPickerEditor<ctl::TExtDetailDropDown>;
template class TGridPickerEditor<ctl::TExtMultiColumnDropDown>;
template class TGridPickerEditor<TCustomExtGridDropDown>;
template class TGridPickerEditor<ctl::TExtColorPickerDropDown>;
template class TGridPickerEditor<ctl::TExtImagePickerDropDown>;

void TGridColorDropDown::LoadCell(TExtStringGrid& Grid, int RCol, int ARow, const std::string& Text) {
    FLoadedText = Text;
    FShape = Grid.GetCellType(RCol, ARow) == ctShape;
    FLoadedColor = FShape ? Grid.GetShapeColor(RCol, ARow) : Grid.Colors(RCol, ARow);
    SetSelectedColor(FLoadedColor);
}

void TGridColorDropDown::StoreCell(TExtStringGrid& Grid, int RCol, int ARow, std::string& Value) {
    const plat::TColor picked = SelectedColor();
    if (Grid.OnColorSelected) Grid.OnColorSelected(&Grid, RCol, ARow, picked, Value);
    if (FShape) {
        Grid.SetShapeColor(RCol, ARow, picked);
        Grid.RepaintCell(Grid.DisplColIndex(RCol), ARow);
    } else {
        Grid.SetColors(RCol, ARow, picked);
    }
}

bool TGridColorDropDown::TakesKey(unsigned short Key, bool Alt) const {
    if (DroppedDown()) return Key == plat::VK_TAB || Key == plat::VK_RETURN || Key == plat::VK_ESCAPE;
    return Key == plat::VK_HOME || TGridPickerEditor::TakesKey(Key, Alt);
}

void TGridImageDropDown::LoadCell(TExtStringGrid& Grid, int RCol, int ARow, const std::string& Text) {
    int index = -1;
    FImageListCell = Grid.GetImageIdx(RCol, ARow, index);
    if (FImageListCell || Grid.HasDataImage(RCol, ARow)) {
        // The grid's own images are the choice; entries the program gave
        // the picker stay.
        SetImages(Grid.GridImages());
        if (Items().Count() == 0) AddImagesFromImageList();
    }
    LoadText(Text);
    if (FImageListCell) {
        SetImageIndex(index);
        FLoadedIndex = ImageIndex();
    }
}

void TGridImageDropDown::LoadText(const std::string& Text) {
    FLoaded = Text;
    SetImageIndex(base::StrToIntDef(base::Trim(Text), -1));
    FLoadedIndex = ImageIndex();
}

std::string TGridImageDropDown::EditorValue() const {
    // An image-list cell keeps its text: the image is its graphic.
    return FImageListCell || ItemIndex() < 0 ? FLoaded : base::IntToStr(ImageIndex());
}

void TGridImageDropDown::StoreCell(TExtStringGrid& Grid, int RCol, int ARow, std::string& Value) {
    (void)Value;
    const int index = ImageIndex();
    if (Grid.OnImageSelected) Grid.OnImageSelected(&Grid, RCol, ARow, index);
    if (FImageListCell && index >= 0) {
        Grid.SetImageIdx(RCol, ARow, index);
        Grid.RepaintCell(Grid.DisplColIndex(RCol), ARow);
    }
}

void TGridDetailPickerDropDown::LoadText(const std::string& Text) {
    const int found = Items().IndexOf(Text);
    if (found >= 0) SetItemIndex(found);
    // No entry left chosen from the last cell: the list would open on it.
    else FItemIndex = -1;
    SetPlainText(Text);
}

namespace {
// The list pickers open on the entry the cell's text looks up, or on the
// first one for an empty cell; their text is the cell's all the same.
void LoadColumnPicker(ctl::TColumnDropDown& Picker, bool LooksUp, const std::string& Text) {
    Picker.BeginUpdate();
    Picker.EndUpdate();
    if (LooksUp) {
        std::string found;
        int index = -1;
        if (Text.empty()) index = 0;
        else if (!Picker.FindLookupText(Text, found, index)) index = -1;
        Picker.SetItemIndex(index);
    }
    Picker.SetPlainText(Text);
}
}  // namespace

void TGridGridDropDown::LoadText(const std::string& Text) { LoadColumnPicker(*this, true, Text); }

void TGridExtGridDropDown::LoadText(const std::string& Text) {
    GetGrid()->SetFixedRowAlways(true);
    LoadColumnPicker(*this, UseItems(), Text);
}

void TGridCalculatorDropDown::LoadText(const std::string& Text) {
    // A calculation left pending by the last edit must not run on this
    // cell's value: clear it first.
    char32_t clear = 'c';
    if (!DroppedDown()) ctl::TExtCalculatorDropdown::KeyPress(clear);
    SetPlainText(Text);
}

// ----------------------------------------------------------------- grid side

TExtStringGrid::TEditorsState& TExtStringGrid::Eds() {
    if (!FEditors) FEditors = std::make_shared<TEditorsState>();
    return *FEditors;
}

TExtStringGrid::TEditorsState::~TEditorsState() {
    for (TGridEditorRef* r : std::initializer_list<TGridEditorRef*>{
             Trackbar, Memo, Calculator, TimePicker, DetailPicker, GridPicker, ExtGridPicker, ColorPicker, ImagePicker,
             TransEdit, TransCombo, RichInplace, RichHidden, CtrlEdit, CtrlCombo})
        if (r) r->DetachGrid();
}

namespace {
template <class T>
T* MakeHidden(T*& Slot, TExtStringGrid* Grid) {
    if (!Slot) {
        Slot = new T(Grid);
        Slot->SetParent(Grid);
        Slot->SetVisible(false);
        Slot->SetEnabled(false);
    }
    return Slot;
}
}  // namespace

TGridTrackbarDropDown* TExtStringGrid::TrackbarDropDown() { return MakeHidden(Eds().Trackbar, this); }
TGridMemoDropDown* TExtStringGrid::MemoDropDown() { return MakeHidden(Eds().Memo, this); }
TGridCalculatorDropDown* TExtStringGrid::CalculatorDropDown() { return MakeHidden(Eds().Calculator, this); }
TGridTimepickerDropDown* TExtStringGrid::TimePickerDropDown() { return MakeHidden(Eds().TimePicker, this); }
TGridDetailPickerDropDown* TExtStringGrid::DetailPickerDropDown() { return MakeHidden(Eds().DetailPicker, this); }
TGridGridDropDown* TExtStringGrid::GridDropDown() { return MakeHidden(Eds().GridPicker, this); }
TGridExtGridDropDown* TExtStringGrid::ExtGridDropDown() { return MakeHidden(Eds().ExtGridPicker, this); }
TGridColorDropDown* TExtStringGrid::ColorPickerDropDown() { return MakeHidden(Eds().ColorPicker, this); }
TGridImageDropDown* TExtStringGrid::ImagePickerDropDown() { return MakeHidden(Eds().ImagePicker, this); }

// Calls F on the wrapper of a picker kind; false for any other kind.
template <class F>
static bool WithPicker(TExtStringGrid& Grid, TEditorType Kind, F&& Fn) {
    switch (Kind) {
        case edTrackbarDropDown: Fn(*Grid.TrackbarDropDown()); return true;
        case edMemoDropDown: Fn(*Grid.MemoDropDown()); return true;
        case edCalculatorDropDown: Fn(*Grid.CalculatorDropDown()); return true;
        case edTimePickerDropDown: Fn(*Grid.TimePickerDropDown()); return true;
        case edDetailDropDown: Fn(*Grid.DetailPickerDropDown()); return true;
        case edGridDropDown: Fn(*Grid.GridDropDown()); return true;
        case edExtGridDropDown: Fn(*Grid.ExtGridDropDown()); return true;
        case edColorPickerDropDown: Fn(*Grid.ColorPickerDropDown()); return true;
        case edImagePickerDropDown: Fn(*Grid.ImagePickerDropDown()); return true;
        case edRichEdit: Fn(*Grid.InplaceRichEdit()); return true;
        default: return false;
    }
}

// The pickers fill themselves from the cell; the rich text editor takes the
// text alone.
template <class T>
static void LoadInto(T& Editor, TExtStringGrid& Grid, int RCol, int ARow, const std::string& Text) {
    if constexpr (requires { Editor.LoadCell(Grid, RCol, ARow, Text); })
        Editor.LoadCell(Grid, RCol, ARow, Text);
    else
        Editor.LoadText(Text);
}

plat::TWinControl* TExtStringGrid::OpenPickerEditor(TEditorType Kind, int ACol, int ARow, const std::string& Text) {
    plat::TWinControl* opened = nullptr;
    WithPicker(*this, Kind, [&](auto& p) {
        const plat::TRect R = GridCellRect(ACol, ARow);
        const int rc = RealColIndex(ACol);
        if constexpr (requires { p.SetDropDownHeader(ControlLook().DropDownHeader()); }) {
            // The grid's bars, style and bar-button events, each time anew.
            p.SetDropDownFooter(ControlLook().DropDownFooter());
            p.SetDropDownHeader(ControlLook().DropDownHeader());
            p.SetComponentStyle(Painter().ComponentStyle());
            p.OnDropDownHeaderButtonClick = [this](plat::TObject*, int Index) {
                if (OnDropDownHeaderButtonClick) OnDropDownHeaderButtonClick(this, Col(), Row(), Index);
            };
            p.OnDropDownFooterButtonClick = [this](plat::TObject*, int Index) {
                if (OnDropDownFooterButtonClick) OnDropDownFooterButtonClick(this, Col(), Row(), Index);
            };
        }
        p.SetBounds(R.Left, R.Top, std::max(R.Width() - 1, 8), std::max(R.Height() - 1, 8));
        p.SetColor(Colors(rc, ARow) != plat::clNone ? Colors(rc, ARow) : Color());
        p.SetEnabled(true);
        p.SetVisible(true);
        if (OnGetEditorProp) OnGetEditorProp(this, rc, ARow, EditLink());
        LoadInto(p, *this, rc, ARow, Text);
        p.SelectAll();
        opened = &p;
    });
    return opened;
}

bool TExtStringGrid::LoadPickerEditor(TEditorType Kind, const std::string& Text) {
    return WithPicker(*this, Kind, [&](auto& p) { LoadInto(p, *this, RealColIndex(Col()), Row(), Text); });
}

bool TExtStringGrid::PickerEditorValue(TEditorType Kind, std::string& Value) {
    return WithPicker(*this, Kind, [&](auto& p) { Value = p.EditorValue(); });
}

void TExtStringGrid::StorePickerCell(TEditorType Kind, int ACol, int ARow) {
    (void)WithPicker(*this, Kind, [&](auto& p) {
        std::string value = Cells(ACol, ARow);
        if constexpr (requires { p.StoreCell(*this, 0, 0, value); }) {
            p.StoreCell(*this, RealColIndex(ACol), ARow, value);
            // The handler of the pick may give the cell another text.
            if (value != Cells(ACol, ARow)) SetCells(ACol, ARow, value);
        }
    });
}

}  // namespace grid
