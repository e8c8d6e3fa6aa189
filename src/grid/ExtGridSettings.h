#pragma once
// Small settings objects a string grid owns: the look of in-cell controls,
// column sizing, modified-row marking, balloon hints, node look, sizing
// while typing and the progress-bar look. Each is created and freed with its
// grid; Assign copies only from an object of the same class.

#include <functional>
#include <string>

#include "controls/ExtDropDownBars.h"
#include "platform/Bitmap.h"
#include "platform/Graphics.h"

namespace grid {

class TExtStringGrid;
using plat::TColor;

enum TControlStyle { csClassic, csFlat, csWinXP, csBorland, csKelo, csGlyph, csTheme };

class TControlLook {
public:
    explicit TControlLook(TExtStringGrid* AGrid);
    void Assign(const TControlLook& Source);

    // The header and footer bars of the grid's picker editors: copied into
    // a picker each time it opens on a cell.
    ctl::TBarAppearance& DropDownHeader() { return FDropDownHeader; }
    const ctl::TBarAppearance& DropDownHeader() const { return FDropDownHeader; }
    void SetDropDownHeader(const ctl::TBarAppearance& Value) { FDropDownHeader = Value; }
    ctl::TBarAppearance& DropDownFooter() { return FDropDownFooter; }
    const ctl::TBarAppearance& DropDownFooter() const { return FDropDownFooter; }
    void SetDropDownFooter(const ctl::TBarAppearance& Value) { FDropDownFooter = Value; }

    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TColor CommentColor() const { return FCommentColor; }
    void SetCommentColor(TColor Value);
    int CheckSize() const { return FCheckSize; }
    void SetCheckSize(int Value);
    int RadioSize() const { return FRadioSize; }
    void SetRadioSize(int Value);
    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle Value);
    bool CheckAlwaysActive() const { return FCheckAlwaysActive; }
    void SetCheckAlwaysActive(bool Value) { FCheckAlwaysActive = Value; }
    bool RadioAlwaysActive() const { return FRadioAlwaysActive; }
    void SetRadioAlwaysActive(bool Value) { FRadioAlwaysActive = Value; }
    bool DropDownAlwaysVisible() const { return FDropDownAlwaysVisible; }
    void SetDropDownAlwaysVisible(bool Value);
    bool SpinButtonsAlwaysVisible() const { return FSpinButtonsAlwaysVisible; }
    void SetSpinButtonsAlwaysVisible(bool Value);
    int DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int Value) { FDropDownCount = Value; }
    TColor ProgressBorderColor() const { return FProgressBorderColor; }
    int ProgressMarginX() const { return FProgressMarginX; }
    int ProgressMarginY() const { return FProgressMarginY; }
    int HintMaxWidth() const { return FHintMaxWidth; }
    // In-cell control look: progress margins, flat and disabled looks, and
    // the custom check and radio glyphs of the glyph style (copied in).
    void SetProgressBorderColor(TColor Value) { FProgressBorderColor = Value; }
    void SetProgressMarginX(int Value) { FProgressMarginX = Value; Changed(); }
    void SetProgressMarginY(int Value) { FProgressMarginY = Value; Changed(); }
    bool ProgressXP() const { return FProgressXP; }
    void SetProgressXP(bool Value) { FProgressXP = Value; Changed(); }
    bool FlatButton() const { return FFlatButton; }
    void SetFlatButton(bool Value) { FFlatButton = Value; Changed(); }
    bool NoDisabledCheckRadioLook() const { return FNoDisabledCheckRadioLook; }
    void SetNoDisabledCheckRadioLook(bool Value) { FNoDisabledCheckRadioLook = Value; Changed(); }
    bool NoDisabledButtonLook() const { return FNoDisabledButtonLook; }
    void SetNoDisabledButtonLook(bool Value) { FNoDisabledButtonLook = Value; Changed(); }
    bool FixedDropDownButton() const { return FFixedDropDownButton; }
    void SetFixedDropDownButton(bool Value) { FFixedDropDownButton = Value; }
    void SetHintMaxWidth(int Value) { FHintMaxWidth = Value; }
    const plat::TBitmap& CheckedGlyph() const { return FCheckedGlyph; }
    void SetCheckedGlyph(const plat::TBitmap& Value) { FCheckedGlyph.Assign(Value); Changed(); }
    const plat::TBitmap& UnCheckedGlyph() const { return FUnCheckedGlyph; }
    void SetUnCheckedGlyph(const plat::TBitmap& Value) { FUnCheckedGlyph.Assign(Value); Changed(); }
    const plat::TBitmap& RadioOnGlyph() const { return FRadioOnGlyph; }
    void SetRadioOnGlyph(const plat::TBitmap& Value) { FRadioOnGlyph.Assign(Value); Changed(); }
    const plat::TBitmap& RadioOffGlyph() const { return FRadioOffGlyph; }
    void SetRadioOffGlyph(const plat::TBitmap& Value) { FRadioOffGlyph.Assign(Value); Changed(); }

    // The normal-state gradient reaches the grid only when set (a colour,
    // not clNone); the mirror colours always do.
    TColor FixedGradientFrom() const { return FFixedGradientFrom; }
    void SetFixedGradientFrom(TColor Value);
    TColor FixedGradientTo() const { return FFixedGradientTo; }
    void SetFixedGradientTo(TColor Value);
    TColor FixedGradientMirrorFrom() const { return FFixedGradientMirrorFrom; }
    void SetFixedGradientMirrorFrom(TColor Value);
    TColor FixedGradientMirrorTo() const { return FFixedGradientMirrorTo; }
    void SetFixedGradientMirrorTo(TColor Value);
    TColor FixedGradientHoverFrom() const { return FFixedGradientHoverFrom; }
    TColor FixedGradientHoverTo() const { return FFixedGradientHoverTo; }
    TColor FixedGradientHoverBorder() const { return FFixedGradientHoverBorder; }
    TColor FixedGradientDownFrom() const { return FFixedGradientDownFrom; }
    TColor FixedGradientDownTo() const { return FFixedGradientDownTo; }
    TColor FixedGradientDownBorder() const { return FFixedGradientDownBorder; }

private:
    void Changed();
    TExtStringGrid* FGrid;
    TColor FColor = plat::clBlack;
    TColor FCommentColor = plat::clRed;
    TColor FFixedGradientFrom = plat::clNone;
    TColor FFixedGradientTo = plat::clNone;
    TColor FFixedGradientMirrorFrom = plat::clNone;
    TColor FFixedGradientMirrorTo = plat::clNone;
    TColor FFixedGradientHoverFrom = plat::clWhite;
    TColor FFixedGradientHoverTo = plat::clGray;
    TColor FFixedGradientHoverMirrorFrom = plat::clNone;
    TColor FFixedGradientHoverMirrorTo = plat::clNone;
    TColor FFixedGradientHoverBorder = plat::clSilver;
    TColor FFixedGradientDownFrom = plat::clSilver;
    TColor FFixedGradientDownTo = plat::clGray;
    TColor FFixedGradientDownMirrorFrom = plat::clNone;
    TColor FFixedGradientDownMirrorTo = plat::clNone;
    TColor FFixedGradientDownBorder = plat::clGray;
    int FHintMaxWidth = 0;
    int FCheckSize = 15;
    bool FCheckAlwaysActive = false;
    int FRadioSize = 10;
    bool FRadioAlwaysActive = false;
    TControlStyle FControlStyle = csTheme;
    bool FDropDownAlwaysVisible = false;
    int FDropDownCount = 8;
    bool FSpinButtonsAlwaysVisible = false;
    TColor FProgressBorderColor = plat::clGray;
    int FProgressMarginX = 2;
    int FProgressMarginY = 2;
    bool FProgressXP = false;
    bool FFlatButton = false;
    bool FNoDisabledCheckRadioLook = false;
    bool FNoDisabledButtonLook = false;
    bool FFixedDropDownButton = false;
    plat::TBitmap FCheckedGlyph, FUnCheckedGlyph, FRadioOnGlyph, FRadioOffGlyph;
    ctl::TBarAppearance FDropDownHeader, FDropDownFooter;
};

enum TAutoSizeRows { arAll, arNormal, arFixed };
enum TColumnSizeLocation { clRegistry, clIniFile };

class TColumnSize {
public:
    explicit TColumnSize(TExtStringGrid* AGrid) : FGrid(AGrid) {}
    void Assign(const TColumnSize& Source);

    TAutoSizeRows Rows() const { return FRows; }
    void SetRows(TAutoSizeRows Value) { FRows = Value; }
    bool Save() const { return FSave; }
    void SetSave(bool Value) { FSave = Value; }
    const std::string& Key() const { return FKey; }
    void SetKey(const std::string& Value) { FKey = Value; }
    const std::string& Section() const { return FSection; }
    void SetSection(const std::string& Value) { FSection = Value; }
    bool Stretch() const { return FStretch; }
    // Stretches StretchColumn at once when the grid is placed on a window.
    void SetStretch(bool Value);
    // -1 means the last column.
    int StretchColumn() const { return FStretchColumn; }
    void SetStretchColumn(int Value) { FStretchColumn = Value; }
    bool SynchWithGrid() const { return FSynchWithGrid; }
    void SetSynchWithGrid(bool Value) { FSynchWithGrid = Value; }
    bool SynchNormalCellsOnly() const { return FSynchNormalCellsOnly; }
    void SetSynchNormalCellsOnly(bool Value) { FSynchNormalCellsOnly = Value; }
    TColumnSizeLocation Location() const { return FLocation; }
    void SetLocation(TColumnSizeLocation Value) { FLocation = Value; }

private:
    TExtStringGrid* FGrid;
    TAutoSizeRows FRows = arAll;
    bool FSave = false;
    std::string FKey;
    std::string FSection;
    bool FStretch = false;
    int FStretchColumn = -1;
    bool FSynchWithGrid = false;
    bool FSynchNormalCellsOnly = false;
    TColumnSizeLocation FLocation = clRegistry;
};

class TShowModified {
public:
    void Assign(const TShowModified& Source) {
        FEnabled = Source.FEnabled;
        FColor = Source.FColor;
    }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    TColor Color() const { return FColor; }
    // Fires also when unchanged: the grid repaints its marker column.
    void SetColor(TColor Value) {
        FColor = Value;
        if (OnChange) OnChange();
    }
    std::function<void()> OnChange;

private:
    bool FEnabled = false;
    TColor FColor = plat::clYellow;
};

class TBalloonSettings {
public:
    void Assign(const TBalloonSettings& Source);
    int AutoHideDelay() const { return FAutoHideDelay; }
    TColor BackgroundColor() const { return FBackgroundColor; }
    bool Enable() const { return FEnable; }
    // Fires every time, also when unchanged.
    void SetEnable(bool Value) {
        FEnable = Value;
        if (OnEnableChange) OnEnableChange();
    }
    int InitialDelay() const { return FInitialDelay; }
    int ReshowDelay() const { return FReshowDelay; }
    TColor TextColor() const { return FTextColor; }
    int Transparency() const { return FTransparency; }
    // Plain stores; a delay of -1 keeps the tooltip's own.
    void SetAutoHideDelay(int Value) { FAutoHideDelay = Value; }
    void SetBackgroundColor(TColor Value) { FBackgroundColor = Value; }
    void SetInitialDelay(int Value) { FInitialDelay = Value; }
    void SetReshowDelay(int Value) { FReshowDelay = Value; }
    void SetTextColor(TColor Value) { FTextColor = Value; }
    void SetTransparency(int Value) { FTransparency = Value; }
    std::function<void()> OnEnableChange;

private:
    int FAutoHideDelay = -1;
    TColor FBackgroundColor = plat::clNone;
    bool FEnable = false;
    int FInitialDelay = -1;
    int FReshowDelay = -1;
    TColor FTextColor = plat::clNone;
    int FTransparency = 0;
};

enum TNodeType { cnFlat, cn3D, cnGlyph, cnLeaf, cnXP };

class TCellNode {
public:
    void Assign(const TCellNode& Source) { *this = Source; }
    TColor Color() const { return FColor; }
    bool ExpandOne() const { return FExpandOne; }
    TNodeType NodeType() const { return FNodeType; }
    TColor NodeColor() const { return FNodeColor; }
    int NodeIndent() const { return FNodeIndent; }
    void SetNodeIndent(int Value) { FNodeIndent = Value; }
    bool ShowTree() const { return FShowTree; }
    bool ShowTreeFull() const { return FShowTreeFull; }
    TColor TreeColor() const { return FTreeColor; }
    // Node look; the glyphs of the glyph node type are copied in.
    void SetColor(TColor Value) { FColor = Value; }
    void SetExpandOne(bool Value) { FExpandOne = Value; }
    void SetNodeType(TNodeType Value) { FNodeType = Value; }
    void SetNodeColor(TColor Value) { FNodeColor = Value; }
    void SetShowTree(bool Value) { FShowTree = Value; }
    void SetShowTreeFull(bool Value) { FShowTreeFull = Value; }
    void SetTreeColor(TColor Value) { FTreeColor = Value; }
    const plat::TBitmap& ExpandGlyph() const { return FExpandGlyph; }
    void SetExpandGlyph(const plat::TBitmap& Value) { FExpandGlyph.Assign(Value); }
    const plat::TBitmap& ContractGlyph() const { return FContractGlyph; }
    void SetContractGlyph(const plat::TBitmap& Value) { FContractGlyph.Assign(Value); }

private:
    TColor FColor = plat::clSilver;
    bool FExpandOne = false;
    TNodeType FNodeType = cnXP;
    TColor FNodeColor = plat::clBlack;
    int FNodeIndent = 12;
    bool FShowTree = true;
    bool FShowTreeFull = true;
    TColor FTreeColor = plat::clGray;
    plat::TBitmap FExpandGlyph, FContractGlyph;
};

enum TProgressStyle { psBevel, psClassic };

// The look of progress bars drawn in the bevel style. A setter fires OnChange
// only when the value changes.
class TGridProgressAppearance {
public:
    void Assign(const TGridProgressAppearance& Source);

    TColor CompleteColor() const { return FCompleteColor; }
    void SetCompleteColor(TColor Value) { Set(FCompleteColor, Value); }
    TColor CompleteFontColor() const { return FCompleteFontColor; }
    void SetCompleteFontColor(TColor Value) { Set(FCompleteFontColor, Value); }
    TColor UnCompleteColor() const { return FUnCompleteColor; }
    void SetUnCompleteColor(TColor Value) { Set(FUnCompleteColor, Value); }
    TColor UnCompleteFontColor() const { return FUnCompleteFontColor; }
    void SetUnCompleteFontColor(TColor Value) { Set(FUnCompleteFontColor, Value); }
    TColor Level0Color() const { return FLevel0Color; }
    TColor Level0ColorTo() const { return FLevel0ColorTo; }
    TColor Level1Color() const { return FLevel1Color; }
    TColor Level1ColorTo() const { return FLevel1ColorTo; }
    TColor Level2Color() const { return FLevel2Color; }
    TColor Level2ColorTo() const { return FLevel2ColorTo; }
    TColor Level3Color() const { return FLevel3Color; }
    TColor Level3ColorTo() const { return FLevel3ColorTo; }
    int Level1Perc() const { return FLevel1Perc; }
    void SetLevel1Perc(int Value) { Set(FLevel1Perc, Value); }
    int Level2Perc() const { return FLevel2Perc; }
    void SetLevel2Perc(int Value) { Set(FLevel2Perc, Value); }
    TColor BorderColor() const { return FBorderColor; }
    bool ShowBorder() const { return FShowBorder; }
    void SetShowBorder(bool Value) { Set(FShowBorder, Value); }
    bool Stacked() const { return FStacked; }
    bool ShowPercentage() const { return FShowPercentage; }
    void SetShowPercentage(bool Value) { Set(FShowPercentage, Value); }
    bool CompletionSmooth() const { return FCompletionSmooth; }
    bool ShowGradient() const { return FShowGradient; }
    int Steps() const { return FSteps; }
    void SetSteps(int Value) { Set(FSteps, Value); }
    TProgressStyle Style() const { return FStyle; }
    void SetStyle(TProgressStyle Value) { Set(FStyle, Value); }
    // Level colours and the bar's drawing switches.
    void SetLevel0Color(TColor Value) { Set(FLevel0Color, Value); }
    void SetLevel0ColorTo(TColor Value) { Set(FLevel0ColorTo, Value); }
    void SetLevel1Color(TColor Value) { Set(FLevel1Color, Value); }
    void SetLevel1ColorTo(TColor Value) { Set(FLevel1ColorTo, Value); }
    void SetLevel2Color(TColor Value) { Set(FLevel2Color, Value); }
    void SetLevel2ColorTo(TColor Value) { Set(FLevel2ColorTo, Value); }
    void SetLevel3Color(TColor Value) { Set(FLevel3Color, Value); }
    void SetLevel3ColorTo(TColor Value) { Set(FLevel3ColorTo, Value); }
    void SetBorderColor(TColor Value) { Set(FBorderColor, Value); }
    void SetStacked(bool Value) { Set(FStacked, Value); }
    void SetCompletionSmooth(bool Value) { Set(FCompletionSmooth, Value); }
    void SetShowGradient(bool Value) { Set(FShowGradient, Value); }
    std::function<void()> OnChange;

private:
    template <typename T>
    void Set(T& Field, T Value) {
        if (Field == Value) return;
        Field = Value;
        if (OnChange) OnChange();
    }
    TColor FCompleteColor = plat::clRed;
    TColor FCompleteFontColor = plat::clBlue;
    TColor FUnCompleteColor = plat::clNone;
    TColor FUnCompleteFontColor = plat::clWindowText;
    TColor FLevel0Color = plat::clLime;
    TColor FLevel0ColorTo = 0xE1FFE1u;
    TColor FLevel1Color = plat::clYellow;
    TColor FLevel1ColorTo = 0xCAFFFFu;
    TColor FLevel2Color = 0x53A9FFu;
    TColor FLevel2ColorTo = 0xA8D3FFu;
    TColor FLevel3Color = plat::clRed;
    TColor FLevel3ColorTo = 0xCACAFFu;
    int FLevel1Perc = 70;
    int FLevel2Perc = 90;
    TColor FBorderColor = plat::clBlack;
    bool FShowBorder = false;
    bool FStacked = false;
    bool FShowPercentage = true;
    bool FCompletionSmooth = true;
    bool FShowGradient = true;
    int FSteps = 11;
    TProgressStyle FStyle = psBevel;
};

struct TSizeWhileTyping {
    bool Height = false;
    bool Width = false;
};

}  // namespace grid
