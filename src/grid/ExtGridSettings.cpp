#include "grid/ExtGridSettings.h"

#include "grid/ExtGrid.h"

namespace grid {

void TControlLook::Changed() {
    if (FGrid) FGrid->Invalidate();
}

TControlLook::TControlLook(TExtStringGrid* AGrid) : FGrid(AGrid) {
    // Both bars letter in 8-point Tahoma, as every grid of the program has them.
    for (ctl::TBarAppearance* bar : {&FDropDownHeader, &FDropDownFooter}) {
        bar->Font.SetName("Tahoma");
        bar->Font.SetHeight(-11);
        bar->Font.SetColor(plat::clWindowText);
    }
}

void TControlLook::Assign(const TControlLook& Source) {
    FCheckSize = Source.FCheckSize;
    FRadioSize = Source.FRadioSize;
    FControlStyle = Source.FControlStyle;
    FProgressMarginX = Source.FProgressMarginX;
    FProgressMarginY = Source.FProgressMarginY;
    FCommentColor = Source.FCommentColor;
    FColor = Source.FColor;
    FProgressBorderColor = Source.FProgressBorderColor;
    FCheckAlwaysActive = Source.FCheckAlwaysActive;
    FRadioAlwaysActive = Source.FRadioAlwaysActive;
    // The gradient colours are copied without passing them on to the grid.
    FFixedGradientFrom = Source.FFixedGradientFrom;
    FFixedGradientTo = Source.FFixedGradientTo;
    FFixedGradientMirrorFrom = Source.FFixedGradientMirrorFrom;
    FFixedGradientMirrorTo = Source.FFixedGradientMirrorTo;
    FFixedGradientHoverFrom = Source.FFixedGradientHoverFrom;
    FFixedGradientHoverTo = Source.FFixedGradientHoverTo;
    FFixedGradientHoverMirrorFrom = Source.FFixedGradientHoverMirrorFrom;
    FFixedGradientHoverMirrorTo = Source.FFixedGradientHoverMirrorTo;
    FFixedGradientHoverBorder = Source.FFixedGradientHoverBorder;
    FFixedGradientDownFrom = Source.FFixedGradientDownFrom;
    FFixedGradientDownTo = Source.FFixedGradientDownTo;
    FFixedGradientDownMirrorFrom = Source.FFixedGradientDownMirrorFrom;
    FFixedGradientDownMirrorTo = Source.FFixedGradientDownMirrorTo;
    FFixedGradientDownBorder = Source.FFixedGradientDownBorder;
    FDropDownAlwaysVisible = Source.FDropDownAlwaysVisible;
    FSpinButtonsAlwaysVisible = Source.FSpinButtonsAlwaysVisible;
    FDropDownCount = Source.FDropDownCount;
    FHintMaxWidth = Source.FHintMaxWidth;
    FCheckedGlyph.Assign(Source.FCheckedGlyph);
    FUnCheckedGlyph.Assign(Source.FUnCheckedGlyph);
    FRadioOnGlyph.Assign(Source.FRadioOnGlyph);
    FRadioOffGlyph.Assign(Source.FRadioOffGlyph);
    FDropDownHeader = Source.FDropDownHeader;
    FDropDownFooter = Source.FDropDownFooter;
}

void TControlLook::SetColor(TColor Value) {
    FColor = Value;
    Changed();
}

void TControlLook::SetCommentColor(TColor Value) {
    FCommentColor = Value;
    Changed();
}

void TControlLook::SetCheckSize(int Value) {
    FCheckSize = Value;
    Changed();
}

void TControlLook::SetRadioSize(int Value) {
    FRadioSize = Value;
    Changed();
}

void TControlLook::SetControlStyle(TControlStyle Value) {
    FControlStyle = Value;
    Changed();
}

void TControlLook::SetDropDownAlwaysVisible(bool Value) {
    FDropDownAlwaysVisible = Value;
    Changed();
}

void TControlLook::SetSpinButtonsAlwaysVisible(bool Value) {
    FSpinButtonsAlwaysVisible = Value;
    Changed();
}

void TControlLook::SetFixedGradientFrom(TColor Value) {
    FFixedGradientFrom = Value;
    if (FGrid && Value != plat::clNone) FGrid->SetKeloGradientFrom(Value);
}

void TControlLook::SetFixedGradientTo(TColor Value) {
    FFixedGradientTo = Value;
    if (FGrid && Value != plat::clNone) FGrid->SetKeloGradientTo(Value);
}

void TControlLook::SetFixedGradientMirrorFrom(TColor Value) {
    FFixedGradientMirrorFrom = Value;
    if (FGrid) FGrid->SetKeloGradientMirrorFrom(Value);
}

void TControlLook::SetFixedGradientMirrorTo(TColor Value) {
    FFixedGradientMirrorTo = Value;
    if (FGrid) FGrid->SetKeloGradientMirrorTo(Value);
}

void TColumnSize::Assign(const TColumnSize& Source) {
    FRows = Source.FRows;
    FSave = Source.FSave;
    FKey = Source.FKey;
    FSection = Source.FSection;
    FStretch = Source.FStretch;
    FStretchColumn = Source.FStretchColumn;
    FSynchWithGrid = Source.FSynchWithGrid;
    FSynchNormalCellsOnly = Source.FSynchNormalCellsOnly;
    FLocation = Source.FLocation;
}

void TColumnSize::SetStretch(bool Value) {
    FStretch = Value;
    if (FGrid && FGrid->HasParent()) FGrid->ApplyColumnStretch(FStretchColumn);
}

void TGridProgressAppearance::Assign(const TGridProgressAppearance& Source) {
    auto keep = std::move(OnChange);
    *this = Source;
    OnChange = std::move(keep);
    // One notice for the whole copy.
    if (OnChange) OnChange();
}

void TBalloonSettings::Assign(const TBalloonSettings& Source) {
    FTextColor = Source.FTextColor;
    FBackgroundColor = Source.FBackgroundColor;
    FInitialDelay = Source.FInitialDelay;
    FAutoHideDelay = Source.FAutoHideDelay;
    FReshowDelay = Source.FReshowDelay;
    FEnable = Source.FEnable;
}

}  // namespace grid
