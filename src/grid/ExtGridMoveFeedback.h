#pragma once
// What the user sees while dragging a column or row to a new place: the
// header of the dragged column (row) following the pointer, and arrows at
// the edge where it would land. The window layer has no see-through
// top-level windows, so both are small controls laid over the grid's form.

#include <string>

#include "platform/Controls.h"

namespace grid {

class TExtStringGrid;

// The dragged header: the header cell's face with its text centred on one
// line, cut with an ellipsis when it does not fit.
class THeaderDragButton : public plat::TCustomControl {
public:
    explicit THeaderDragButton(TExtStringGrid* AGrid);

protected:
    void Paint() override;

private:
    TExtStringGrid* FGrid;
};

// A filled arrow pointing up, down, left or right, drawn in the grid's
// selection colour.
enum TMoveArrowSide { maUp, maDown, maLeft, maRight };

class TMoveArrow : public plat::TCustomControl {
public:
    TMoveArrow(TExtStringGrid* AGrid, TMoveArrowSide Side);
    TMoveArrowSide Side() const { return FSide; }
    static constexpr int Size = 10;  // width and height

protected:
    void Paint() override;

private:
    TMoveArrowSide FSide;
};

}  // namespace grid
