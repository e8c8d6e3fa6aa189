#pragma once
// The filter drop-down of a header cell: its settings (colours, size, font,
// glyphs) and the two lists it opens, a plain one whose pick filters on one
// value and a check list whose checked values are or-ed.

#include <functional>

#include "platform/Bitmap.h"
#include "platform/Classes.h"
#include "platform/Graphics.h"
#include "platform/StdCtrls.h"

namespace grid {

enum TFilterDropDownColumns { fdNormal, fdAll };

class TFilterDropDown : public plat::TObject {
public:
    TFilterDropDown();
    // Colour, column width, font, size and glyphs; AutoSize and OnChange
    // stay. Other sources are ignored.
    void Assign(const plat::TObject& Source);

    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value) { FAutoSize = Value; }
    plat::TColor Color() const { return FColor; }
    void SetColor(plat::TColor Value) { FColor = Value; }
    bool ColumnWidth() const { return FColumnWidth; }
    void SetColumnWidth(bool Value) { FColumnWidth = Value; }
    plat::TFont& Font() { return FFont; }
    const plat::TFont& Font() const { return FFont; }
    void SetFont(const plat::TFont& Value) { FFont.Assign(Value); }
    int Height() const { return FHeight; }
    void SetHeight(int Value) { FHeight = Value; }
    int Width() const { return FWidth; }
    void SetWidth(int Value) { FWidth = Value; }
    // A column without a condition shows Glyph, one with a condition
    // GlyphActive; a new glyph is copied and reported through OnChange.
    const plat::TBitmap& Glyph() const { return FGlyph; }
    void SetGlyph(const plat::TBitmap& Value);
    const plat::TBitmap& GlyphActive() const { return FGlyphActive; }
    void SetGlyphActive(const plat::TBitmap& Value);

    plat::TNotifyEvent OnChange;

private:
    bool FAutoSize = false;
    plat::TColor FColor = plat::clWindow;
    bool FColumnWidth = false;
    plat::TFont FFont;
    int FHeight = 150;
    int FWidth = 150;
    plat::TBitmap FGlyph;
    plat::TBitmap FGlyphActive;
};

// Enter or a button release picks the selected entry and hides the list;
// losing the pointer's capture outside the list cancels it.
class TDropList : public plat::TListBox {
public:
    explicit TDropList(plat::TComponent* AOwner);
    std::function<void(plat::TObject*, int)> OnSelect;
    plat::TNotifyEvent OnCancel;
    // The framework's cancel-mode notice; the pointer's screen position.
    void CancelMode(plat::TPoint Mouse);

protected:
    void KeyDown(unsigned short& Key, plat::TShiftState Shift) override;
    void MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
};

// A list whose entries carry check boxes: flipping one, by a click on its
// box or by Space, reports -1. Enter or Escape hides it.
class TDropCheckList : public plat::TCheckListBox {
public:
    explicit TDropCheckList(plat::TComponent* AOwner);
    std::function<void(plat::TObject*, int)> OnSelect;
    plat::TNotifyEvent OnCancel;
    void CancelMode(plat::TPoint Mouse);

protected:
    void ClickCheck() override;
    void KeyDown(unsigned short& Key, plat::TShiftState Shift) override;
};

}  // namespace grid
