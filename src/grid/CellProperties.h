#pragma once
// Per-cell look and state of a base grid cell. A cell has none until
// something asks for them; merged cells keep their block in the span fields.

#include <cstdint>
#include <string>

#include "grid/GridTypes.h"
#include "platform/Classes.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"

namespace grid {

class TBaseGrid;

class TCellProperties : public plat::TObject {
public:
    TCellProperties(TBaseGrid* AOwner, int ACol, int ARow);

    // Copies the cell's look and merge state as plain values; the owner,
    // the graphic object, BrushColorTo, the paint number, the calculation
    // kind and object and GradientDirection stay as they were.
    void Assign(const TCellProperties& Source);

    // Base cell of the block that (c, r) belongs to, taken from the
    // arguments, not from OwnerCol/OwnerRow.
    plat::TPoint GetBaseCell(int c, int r) const;
    plat::TPoint BaseCell(int c, int r) const { return GetBaseCell(c, r); }

    TBaseGrid* OwnerGrid() const { return FOwnerGrid; }
    bool IsBaseCell() const { return FIsBaseCell; }
    void SetIsBaseCell(bool v) { FIsBaseCell = v; }
    int CellSpanX() const { return FCellSpanX; }
    void SetCellSpanX(int v) { FCellSpanX = v; }
    int CellSpanY() const { return FCellSpanY; }
    void SetCellSpanY(int v) { FCellSpanY = v; }
    int OwnerCol() const { return FOwnerCol; }
    void SetOwnerCol(int v) { FOwnerCol = v; }
    int OwnerRow() const { return FOwnerRow; }
    void SetOwnerRow(int v) { FOwnerRow = v; }
    plat::TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(plat::TAlignment v) { FAlignment = v; }
    plat::TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(plat::TColor v) { FBorderColor = v; }
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int v) { FBorderWidth = v; }
    plat::TColor BrushColor() const { return FBrushColor; }
    void SetBrushColor(plat::TColor v);
    plat::TColor BrushColorTo() const { return FBrushColorTo; }
    void SetBrushColorTo(plat::TColor v);
    plat::TBrushStyle BrushStyle() const { return FBrushStyle; }
    void SetBrushStyle(plat::TBrushStyle v) { FBrushStyle = v; }
    // A user object the grid keeps for a caller; never freed by the grid.
    plat::TObject* CellObject() const { return FObject; }
    void SetCellObject(plat::TObject* v) { FObject = v; }
    plat::TColor FontColor() const { return FFontColor; }
    void SetFontColor(plat::TColor v) { FFontColor = v; }
    const std::string& FontName() const { return FFontName; }
    void SetFontName(const std::string& v) { FFontName = v; }
    int FontSize() const { return FFontSize; }
    void SetFontSize(int v) { FFontSize = v; }
    plat::TFontStyles FontStyle() const { return FFontStyle; }
    void SetFontStyle(plat::TFontStyles v) { FFontStyle = v; }
    TEditorType Editor() const { return FEditor; }
    void SetEditor(TEditorType v) { FEditor = v; }
    TCellGradientDirection GradientDirection() const { return FGradientDirection; }
    void SetGradientDirection(TCellGradientDirection v) { FGradientDirection = v; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool v) { FReadOnly = v; }
    TVAlignment VAlignment() const { return FVAlignment; }
    void SetVAlignment(TVAlignment v);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool v);
    int NodeLevel() const { return FNodeLevel; }
    void SetNodeLevel(int v) { FNodeLevel = v; }
    plat::TControl* Control() const { return FControl; }
    void SetControl(plat::TControl* v) { FControl = v; }
    TColumnCalcType CalcType() const { return FCalcType; }
    void SetCalcType(TColumnCalcType v) { FCalcType = v; }
    plat::TObject* CalcObject() const { return FCalcObject; }
    void SetCalcObject(plat::TObject* v) { FCalcObject = v; }
    // Graphic kept for the cell; freed with the properties only when it is
    // a cell graphic (see TBaseGrid::FreeCellPropsRect).
    plat::TObject* GraphicObject() const { return FGraphicObject; }
    void SetGraphicObject(plat::TObject* v) { FGraphicObject = v; }
    // Paint number at which a non-base cell last painted this block.
    int PaintID() const { return FPaintID; }
    void SetPaintID(int v) { FPaintID = v; }

private:
    void RepaintOwner();

    TBaseGrid* FOwnerGrid;
    int FOwnerCol;
    int FOwnerRow;
    plat::TObject* FObject = nullptr;
    plat::TObject* FGraphicObject = nullptr;
    plat::TBrushStyle FBrushStyle = plat::bsSolid;
    plat::TColor FBrushColor = plat::clNone;
    plat::TColor FBrushColorTo = plat::clNone;
    int FFontSize = 0;
    plat::TColor FFontColor = plat::clNone;
    plat::TFontStyles FFontStyle;
    int FCellSpanY = -1;
    int FCellSpanX = -1;
    int FBorderWidth = 0;
    plat::TColor FBorderColor = 0;
    plat::TAlignment FAlignment = plat::taLeftJustify;
    TVAlignment FVAlignment = vtaTop;
    int FPaintID = 0;
    bool FWordWrap;
    bool FIsBaseCell = true;
    TColumnCalcType FCalcType = acNONE;
    plat::TObject* FCalcObject = nullptr;
    int FNodeLevel = 0;
    TEditorType FEditor = edNormal;
    std::string FFontName;
    bool FReadOnly = false;
    TCellGradientDirection FGradientDirection = GradientVertical;
    plat::TControl* FControl = nullptr;
};

// Graphic objects the grid owns carry this marker so that freeing the cell
// properties frees them too; any other graphic object stays the caller's.
class TCellGraphicBase : public plat::TObject {
public:
    virtual const char* ClassName() const { return "TCellGraphic"; }
};

}  // namespace grid
