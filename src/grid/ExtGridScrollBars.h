#pragma once
// The slim scroll indicators of the grid's tile scroll style: two small
// child controls, one at the right (vertical) and one at the bottom
// (horizontal), each drawing a thumb for the visible part of the grid and
// paging or dragging the grid's top row or left column with the mouse.
// They act only while their parent is a string grid.

#include "grid/ExtGrid.h"
#include "grid/ExtGridScroll.h"
#include "platform/Controls.h"

namespace grid {

enum TScrollDirection { sdVertical, sdHorizontal };

class TScrollControl : public plat::TCustomControl {
public:
    explicit TScrollControl(plat::TComponent* AOwner);

    TColor ThumbColor() const { return FColor; }
    void SetThumbColor(TColor Value);
    int ScrollWidth() const { return FScrollWidth; }
    void SetScrollWidth(int Value);
    TScrollDirection Direction() const { return FDirection; }
    void SetDirection(TScrollDirection Value);
    // The thumb along the control, in its coordinates.
    TIndicatorThumb Thumb() const;

protected:
    void Paint() override;
    void MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void MouseMove(plat::TShiftState Shift, int X, int Y) override;
    void MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;

private:
    TExtStringGrid* Grid() const;
    TColor FColor = 0xC0C0C0;
    int FScrollWidth = 4;
    bool FDownOnScroller = false;
    int FDownPos = 0;
    int FDownRow = 0;
    TScrollDirection FDirection = sdVertical;
};

}  // namespace grid
