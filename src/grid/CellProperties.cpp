#include "grid/CellProperties.h"

#include "grid/BaseGrid.h"

namespace grid {

TCellProperties::TCellProperties(TBaseGrid* AOwner, int ACol, int ARow)
    : FOwnerGrid(AOwner), FOwnerCol(ACol), FOwnerRow(ARow), FWordWrap(AOwner ? AOwner->WordWrap() : true) {
    if (AOwner) AOwner->FHasCellProps = true;
}

void TCellProperties::Assign(const TCellProperties& Source) {
    FIsBaseCell = Source.FIsBaseCell;
    FCellSpanX = Source.FCellSpanX;
    FCellSpanY = Source.FCellSpanY;
    FOwnerRow = Source.FOwnerRow;
    FOwnerCol = Source.FOwnerCol;
    FObject = Source.FObject;
    FAlignment = Source.FAlignment;
    FBorderColor = Source.FBorderColor;
    FBorderWidth = Source.FBorderWidth;
    FBrushColor = Source.FBrushColor;
    FBrushStyle = Source.FBrushStyle;
    FFontColor = Source.FFontColor;
    FFontStyle = Source.FFontStyle;
    FFontName = Source.FFontName;
    FFontSize = Source.FFontSize;
    FReadOnly = Source.FReadOnly;
    FEditor = Source.FEditor;
    FVAlignment = Source.FVAlignment;
    FWordWrap = Source.FWordWrap;
    FNodeLevel = Source.FNodeLevel;
    FControl = Source.FControl;
}

plat::TPoint TCellProperties::GetBaseCell(int c, int r) const {
    if (!FIsBaseCell && FCellSpanX != -1 && FCellSpanY != -1) return {c - FCellSpanX, r - FCellSpanY};
    return {c, r};
}

void TCellProperties::RepaintOwner() {
    if (FOwnerGrid) FOwnerGrid->RepaintCell(FOwnerCol, FOwnerRow);
}

void TCellProperties::SetBrushColor(plat::TColor v) {
    FBrushColor = v;
    RepaintOwner();
}

void TCellProperties::SetBrushColorTo(plat::TColor v) {
    FBrushColorTo = v;
    RepaintOwner();
}

void TCellProperties::SetVAlignment(TVAlignment v) {
    FVAlignment = v;
    RepaintOwner();
}

void TCellProperties::SetWordWrap(bool v) {
    FWordWrap = v;
    RepaintOwner();
}

}  // namespace grid
