#pragma once
// A balloon: a small see-through window without a frame, drawn as a rounded
// box whose tail points at a spot of a control, with an icon and a bold
// title above its text. It floats above every window and never takes the
// focus. Grids show cell balloons and refused entries in it.

#include <memory>
#include <string>

#include "platform/Controls.h"
#include "platform/Graphics.h"

namespace plat {

enum TBalloonKind { bkNone, bkInfo, bkWarning, bkError };

class TBalloonWindow {
public:
    TBalloonWindow();
    ~TBalloonWindow();
    TBalloonWindow(const TBalloonWindow&) = delete;
    TBalloonWindow& operator=(const TBalloonWindow&) = delete;

    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& Value) { FTitle = Value; }
    // Plain text; line breaks start new lines, long lines wrap.
    const std::string& Text() const { return FText; }
    void SetText(const std::string& Value) { FText = Value; }
    TBalloonKind Icon() const { return FIcon; }
    void SetIcon(TBalloonKind Value) { FIcon = Value; }
    // clNone: the system's hint colours.
    void SetColor(TColor Value) { FColor = Value; }
    void SetTextColor(TColor Value) { FTextColor = Value; }
    // Width the text wraps at.
    void SetMaxWidth(int Value) { FMaxWidth = Value; }
    // 255 opaque down to 0 invisible; what the window really has.
    int Alpha() const;
    void SetAlpha(int Value);

    // Shows the balloon with its tail's point at (X, Y) of Host's client
    // area: below the point, or above it when the screen has no room below.
    // It hides when Host's window hides or moves.
    void ShowAt(const TControl& Host, int X, int Y);
    void Hide();
    bool Visible() const;
    // On the screen: the whole window, and the point its tail ends at.
    TRect BoundsRect() const;
    TPoint TipPoint() const { return FTip; }

private:
    friend struct TNativeAccess;
    struct Native;
    std::unique_ptr<Native> FNative;
    std::string FTitle;
    std::string FText;
    TBalloonKind FIcon = bkNone;
    TColor FColor = clNone;
    TColor FTextColor = clNone;
    int FMaxWidth = 300;
    TPoint FTip{0, 0};
};

}  // namespace plat
