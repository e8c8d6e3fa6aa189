#pragma once
// The search bar at the bottom of a grid: an edit that searches as the user
// types, find-next and find-previous buttons, a close button, a highlight
// toggle and a match-case box. The panel only reports; the grid searches.

#include <string>

#include "grid/ExtCheckBox.h"
#include "grid/ExtGridButton.h"
#include "platform/Classes.h"
#include "platform/ExtCtrls.h"
#include "platform/StdCtrls.h"

namespace grid {

class TExtStringGrid;

// Enter reports OnReturn, Ctrl+Enter OnCtrlReturn; neither reaches the
// text, so the one-line search never takes a line break.
class TRetEdit : public plat::TEdit {
public:
    explicit TRetEdit(plat::TComponent* AOwner) : plat::TEdit(AOwner) {}
    plat::TNotifyEvent OnReturn;
    plat::TNotifyEvent OnCtrlReturn;

protected:
    void KeyDown(unsigned short& Key, plat::TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
};

class TSearchPanel : public plat::TPanel {
public:
    TSearchPanel(plat::TComponent* AOwner, TExtStringGrid* AGrid);

    TRetEdit* Edit() const { return FEdit; }
    TExtGridButton* ForwardButton() const { return FForward; }
    TExtGridButton* BackwardButton() const { return FBackward; }
    TExtGridButton* CloseButton() const { return FClose; }
    TExtGridButton* HighlightButton() const { return FHighlight; }
    TExtCheckBox* MatchCase() const { return FMatchCase; }

    // Texts the grid copies from its search footer settings.
    std::string FindNextCaption = "Find &next";
    std::string FindPrevCaption = "Find &previous";
    std::string MatchCaseCaption = "Match case";
    std::string HighLightCaption = "Highlight";
    std::string HintFindNext, HintFindPrev, HintClose, HintHighlight;
    plat::TColor ColorTo() const { return FColorTo; }
    void SetColorTo(plat::TColor Value);

    // Places the parts (mirrored for right-to-left reading) with the
    // captions, hints and Show switches given.
    void LayoutControls(bool RightToLeft, bool ShowHighlight, bool ShowClose, bool ShowMatchCase, bool ShowFindPrev,
                        bool ShowFindNext);

    plat::TNotifyEvent OnEditChange;
    plat::TNotifyEvent OnForwardClick;
    plat::TNotifyEvent OnBackwardClick;
    plat::TNotifyEvent OnExitClick;
    plat::TNotifyEvent OnHighLightClick;

protected:
    void Paint() override;

private:
    void EditChanged();
    TExtStringGrid* FGrid;
    plat::TColor FColorTo = plat::clNone;
    TRetEdit* FEdit;
    TExtGridButton* FForward;
    TExtGridButton* FBackward;
    TExtGridButton* FClose;
    TExtGridButton* FHighlight;
    TExtCheckBox* FMatchCase;
};

}  // namespace grid
