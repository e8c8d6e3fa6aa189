#pragma once
// The grid's date editor: a date or time field with a drop-down button
// that, in the Tile look, is drawn flat in the grid's colours.

#include <string>

#include "base/DateTime.h"
#include "controls/EsgButtonColors.h"
#include "platform/Controls.h"

namespace ctl {

enum TDateTimeKind { dtkDate, dtkTime };

class TEsgDateTimePicker : public plat::TCustomControl, public TEsgButtonColors {
public:
    explicit TEsgDateTimePicker(plat::TComponent* AOwner);

    std::string Version() const { return "1.0.0.0"; }
    void SetVersion(const std::string&) {}

    base::TDateTime DateTime() const { return FDateTime; }
    void SetDateTime(base::TDateTime Value);
    TDateTimeKind Kind() const { return FKind; }
    void SetKind(TDateTimeKind Value);
    bool TileStyle() const { return FTileStyle; }
    void SetTileStyle(bool Value);
    plat::TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(plat::TColor Value);
    int ButtonWidth() const { return FButtonWidth; }
    bool ButtonHover() const { return FButtonHover; }
    virtual void SetBorderStyle(int Value);

    // Set directly by descendants that need them.
    bool FocusBorder = false;
    plat::TColor FocusBorderColor = plat::clNone;
    bool DisabledBorder = false;

protected:
    void MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void MouseMove(plat::TShiftState Shift, int X, int Y) override;
    void CMMouseEnter(plat::TMessage& Message) override;
    void CMMouseLeave(plat::TMessage& Message) override;
    void Paint() override;

private:
    void DrawButton(plat::TCanvas& c);
    void DrawBorders(plat::TCanvas& c);

    base::TDateTime FDateTime = 0;
    TDateTimeKind FKind = dtkDate;
    bool FTileStyle = false;
    plat::TColor FBorderColor = plat::clNone;
    int FButtonWidth = 19;
    int FBorderStyle = 0;
    bool FMouseIn = false;
    bool FButtonHover = false;
    bool FMouseHeld = false;
};

}  // namespace ctl
