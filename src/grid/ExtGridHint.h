#pragma once
// The hint window of the grid: scroll hints ("Row : 120" while the thumb is
// dragged), balloon texts of cells, and any hint in the grid's mini HTML.
// The window layer has no top-level hint windows, so the hint is a small
// borderless control laid over the grid's form at the asked place; it never
// takes the focus.

#include <string>

#include "platform/Controls.h"
#include "platform/Graphics.h"

namespace grid {

class THTMLHintWindow : public plat::TCustomControl {
public:
    explicit THTMLHintWindow(plat::TComponent* AOwner);

    // The size the text needs within MaxWidth: (0, 0, width, height). The
    // window wraps at that width from then on (0: the default, 1008).
    plat::TRect CalcHintRect(int MaxWidth, const std::string& AHint);
    // Shows the hint with its top-left at Rect's (in the coordinates of
    // Host, the control whose form shows it), kept inside the form.
    void ActivateHint(plat::TRect Rect, const std::string& AHint, plat::TControl& Host);
    void ReleaseHandle();
    // A title line drawn in bold above the text (balloons).
    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& Value) { FTitle = Value; }
    int TextWidth() const { return FTextWidth; }
    int TextHeight() const { return FTextHeight; }

protected:
    void Paint() override;

private:
    plat::TSize Measure(const std::string& AHint, int MaxWidth);
    std::string FTitle;
    std::string FWideCaption;
    bool FWide = false;
    int FTextWidth = 0;
    int FTextHeight = 0;
    int FMaxWidth = 1008;  // where the text wraps
};

// Where a hint of Rect ends up inside Area: moved left to end 2 pixels
// before the right edge, and up to end 2 pixels above the bottom.
plat::TRect FitHintRect(plat::TRect Rect, const plat::TRect& Area);

// A cell's text as a tooltip shows it: tags stripped from HTML, tabs as
// blanks, leading tabs and line breaks skipped, at most 2048 characters
// (longer: 2045 and "...").
std::string BalloonPlainText(const std::string& Text, bool EnableHTML);
// A tooltip title longer than 100 characters: 97 and "...".
std::string BalloonTitle(const std::string& Title);

}  // namespace grid
