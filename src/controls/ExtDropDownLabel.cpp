// The drop-down edit's caption label: made on the first caption, placed
// beside the edit, shown, enabled and lettered along with it.
#include "controls/ExtDropDown.h"

namespace ctl {

using namespace plat;

void TExtCustomDropDown::SetLabelCaption(const std::string& Value) {
    FLabelCaption = Value;
    if (FLabel == nullptr) {
        FLabel = new TLabel(this);
        FLabel->SetFont(FLabelFont);
        FLabel->SetEnabled(Enabled() || FLabelAlwaysEnabled);
        FLabel->OnClick = [this](TObject* Sender) { LabelClick(Sender); };
        FLabel->OnDblClick = [this](TObject* Sender) { LabelDblClick(Sender); };
    }
    FLabel->SetCaption(Value);
    UpdateLabel();
}

void TExtCustomDropDown::SetLabelPosition(TLabelPosition Value) {
    FLabelPosition = Value;
    UpdateLabel();
}

void TExtCustomDropDown::SetLabelMargin(int Value) {
    FLabelMargin = Value;
    UpdateLabel();
}

void TExtCustomDropDown::SetLabelTransparent(bool Value) {
    FLabelTransparent = Value;
    UpdateLabel();
}

void TExtCustomDropDown::SetLabelAlwaysEnabled(bool Value) {
    FLabelAlwaysEnabled = Value;
    if (FLabel != nullptr) FLabel->SetEnabled(Enabled() || Value);
}

void TExtCustomDropDown::SetLabelFont(const TFont& Value) {
    // The assignment fires the font's change, which lays the label out.
    FLabelFont = Value;
    UpdateLabel();
}

void TExtCustomDropDown::UpdateLabel() {
    if (FLabel == nullptr) return;
    if (FLabel->Parent() == nullptr && Parent() != nullptr) FLabel->SetParent(Parent());
    FLabel->SetTransparent(FLabelTransparent);
    LetterCaptionLabel(*FLabel, *this, FLabelFont);
    FLabel->SetVisible(Visible());
    PlaceCaptionLabel(*FLabel, *this, FLabelPosition, FLabelMargin);
}

void TExtCustomDropDown::CMEnabledChanged(TMessage& Message) {
    TEdit::CMEnabledChanged(Message);
    if (FLabel != nullptr && !FLabelAlwaysEnabled) FLabel->SetEnabled(Enabled());
}

void TExtCustomDropDown::CMFontChanged(TMessage& Message) {
    TEdit::CMFontChanged(Message);
    UpdateLabel();
}

void TExtCustomDropDown::LabelClick(TObject*) {
    if (CanFocus()) SetFocus();
    if (OnLabelClick) OnLabelClick(this);
}

void TExtCustomDropDown::LabelDblClick(TObject*) {
    if (OnLabelDblClick) OnLabelDblClick(this);
}

}  // namespace ctl
