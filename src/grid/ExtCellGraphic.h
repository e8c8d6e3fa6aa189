#pragma once
// The one graphic a cell may carry beside its text: what kind of content the
// cell shows (check box, radio button, button, picture...) and the few
// values that kind needs. The ordinals of TCellType are stored in one byte
// by the grid's files, so the order is fixed.

#include <cstdint>
#include <functional>
#include <string>

#include "controls/EsgHTMLE.h"  // IHtmlImageList
#include "controls/ExtDraw.h"   // TCellShape
#include "grid/CellProperties.h"
#include "grid/ExtCheckBox.h"  // TCheckBoxState
#include "grid/ExtGridCellLook.h"
#include "platform/Bitmap.h"
#include "platform/Classes.h"

namespace grid {

class TFilePicture;
class TExtStringGrid;
class TIntList;

// The images a grid's image cells take their pictures from.
using TCellImageList = ctl::IHtmlImageList;

// An object that draws a cell itself (ctInterface). The object put into
// the cell must derive from plat::TObject and from this interface.
class IInterfacedCell {
public:
    virtual ~IInterfacedCell() = default;
    virtual void Draw(plat::TCanvas& Canvas, const plat::TRect& R, int Col, int Row, bool Selected,
                      TExtStringGrid& Grid) = 0;
    // The room the object wants; 0 asks for the whole cell.
    virtual int GetExtentX() = 0;
    virtual int GetExtentY() = 0;
};

// Page size and range of an in-cell scroll bar.
struct TScrollProp {
    int PageSize = 0;
    int Range = 0;
    friend bool operator==(const TScrollProp&, const TScrollProp&) = default;
};

enum TCellType : std::uint8_t {
    ctBitmap, ctIcon, ctNone, ctImageList, ctCheckBox, ctDataCheckBox, ctRotated, ctDataImage, ctNode,
    ctRadio, ctEmpty, ctImages, ctPicture, ctFilePicture, ctValue, ctProgress, ctComment, ctButton,
    ctBitButton, ctVirtCheckBox, ctRowCheckBox, ctProgressPie, ctSummary, ctRangeIndicator, ctXPProgress,
    ctInterface, ctScrollbar, ctRadioButton, ctBalloon, ctShape, ctRating, ctTriStateCheckBox, ctExpand
};

enum TCellVAlign : std::uint8_t { vaTop, vaBottom, vaCenter, vaUnderText, vaAboveText, vaFull };
enum TCellHAlign : std::uint8_t { haLeft, haRight, haCenter, haBeforeText, haAfterText, haFull };

// How a cell picture is fitted into its cell.
enum TStretchMode { noStretch, Stretch, StretchWithAspectRatio, Shrink, ShrinkWithAspectRatio };

// A text list a cell graphic can hold in its object slot: the options of a
// radio group, or the title and text of a balloon.
class TCellStrings : public plat::TObject, public plat::TStrings {};

// A graphic frees what the grid made for it (CellCreated: the Create...
// operations) and the lists that only live for it (image index lists,
// balloon texts, by kind); objects handed in by a caller stay the caller's.
// Replacing an object in a slot never frees the old one. The base grid
// frees a cell's graphic with its properties.
class TCellGraphic : public TCellGraphicBase {
public:
    TCellGraphic() = default;
    ~TCellGraphic() override;
    TCellGraphic(const TCellGraphic&) = delete;
    TCellGraphic& operator=(const TCellGraphic&) = delete;

    // Copies kind, alignments, index, transparency, value, angle, Boolean,
    // marker range, text and the created flag; not the object slots, the
    // extra value or the tri-state.
    void Assign(const TCellGraphic& Source);

    TCellType CellType() const { return FCellType; }
    void SetCellType(TCellType Value) { FCellType = Value; }
    TCellVAlign CellVAlign() const { return FCellVAlign; }
    void SetCellVAlign(TCellVAlign Value) { FCellVAlign = Value; }
    TCellHAlign CellHAlign() const { return FCellHAlign; }
    void SetCellHAlign(TCellHAlign Value) { FCellHAlign = Value; }
    int CellIndex() const { return FCellIndex; }
    void SetCellIndex(int Value) { FCellIndex = Value; }
    bool CellTransparent() const { return FCellTransparent; }
    void SetCellTransparent(bool Value) { FCellTransparent = Value; }
    bool CellCreated() const { return FCellCreated; }
    void SetCellCreated(bool Value) { FCellCreated = Value; }
    bool CellBoolean() const { return FCellBoolean; }
    void SetCellBoolean(bool Value) { FCellBoolean = Value; }
    TCheckBoxState CellCheckBoxState() const { return FCellCheckBoxState; }
    void SetCellCheckBoxState(TCheckBoxState Value) { FCellCheckBoxState = Value; }
    int CellAngle() const { return FCellAngle; }
    void SetCellAngle(int Value) { FCellAngle = Value; }
    double CellValue() const { return FCellValue; }
    void SetCellValue(double Value) { FCellValue = Value; }
    int CellErrFrom() const { return FCellErrFrom; }
    void SetCellErrFrom(int Value) { FCellErrFrom = Value; }
    int CellErrLen() const { return FCellErrLen; }
    void SetCellErrLen(int Value) { FCellErrLen = Value; }
    const std::string& CellText() const { return FCellText; }
    void SetCellText(const std::string& Value) { FCellText = Value; }
    // Object slot 1 (a list, a file picture or an interfaced object by
    // kind).
    plat::TObject* CellBitmap() const { return FCellBitmap; }
    void SetCellBitmap(plat::TObject* Value) { FCellBitmap = Value; }
    // The bitmap of ctBitmap, the glyph of ctBitButton or the icon of
    // ctIcon; the picture of ctPicture. These slots hold nothing but those
    // objects, so a created one is freed even after the kind changed (a
    // bitmap cell turned into a rotated one).
    plat::TGraphic* CellImage() const { return FCellImage; }
    void SetCellImage(plat::TGraphic* Value) { FCellImage = Value; }
    plat::TPicture* CellPicture() const { return FCellPicture; }
    void SetCellPicture(plat::TPicture* Value) { FCellPicture = Value; }
    // The balloon list of a check box or radio button: attaching one marks
    // it with CellAngle 1 and the graphic frees it; detaching frees it now.
    void AttachBalloon(TCellStrings* List);
    void DetachBalloon();
    TCellStrings* BalloonList() const;
    std::uint32_t CellColor1() const { return FCellColor1; }
    void SetCellColor1(std::uint32_t Value) { FCellColor1 = Value; }
    std::uint32_t CellColor2() const { return FCellColor2; }
    void SetCellColor2(std::uint32_t Value) { FCellColor2 = Value; }
    int CellVar() const { return FCellVar; }
    void SetCellVar(int Value) { FCellVar = Value; }

    void SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val);
    void SetCheckBox(TCheckBoxState Value, bool Flat, TCellHAlign hal, TCellVAlign val);
    void SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val);
    // Brought into 0..360 (360 itself stays).
    void SetAngle(int AAngle);
    // Width in the low 16 bits of CellIndex, height in the high 16 bits.
    void SetButton(int bw, int bh, const std::string& Caption, TCellHAlign hal, TCellVAlign val);
    void SetBitButton(int bw, int bh, const std::string& Caption, plat::TGraphic* Glyph, TCellHAlign hal,
                      TCellVAlign val);
    void SetImageIdx(int idx, TCellHAlign hal, TCellVAlign val);
    void SetDataImage(int idx, TCellHAlign hal, TCellVAlign val);
    void SetBitmap(plat::TGraphic* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
    void SetIcon(plat::TGraphic* AIcon, TCellHAlign hal, TCellVAlign val);
    void SetPicture(plat::TPicture* APicture, bool Transparent, TStretchMode StretchMode, int Padding,
                    TCellHAlign hal, TCellVAlign val);
    void SetFilePicture(TFilePicture* APicture, bool Transparent, TStretchMode StretchMode, int Padding,
                        TCellHAlign hal, TCellVAlign val);
    // ctImages: a new index list bound to the cell, owned by the graphic;
    // Dir 0 lays the images side by side, any other value stacks them.
    void SetMultiImage(int Col, int Row, int Dir, TCellHAlign hal, TCellVAlign val,
                       std::function<void(plat::TObject*, int, int)> Notifier);
    void SetInterfacedCell(plat::TObject* AObject);
    // The picture's size fitted into cw x rh less the padding; kinds other
    // than the two picture kinds leave Size as it is.
    void GetPictureSize(int cw, int rh, bool HasText, plat::TPoint& Size) const;

private:
    TCellType FCellType = ctNone;
    plat::TObject* FCellBitmap = nullptr;
    plat::TGraphic* FCellImage = nullptr;
    plat::TPicture* FCellPicture = nullptr;
    std::uint32_t FCellColor1 = 0;
    std::uint32_t FCellColor2 = 0;
    TCellVAlign FCellVAlign = vaTop;
    TCellHAlign FCellHAlign = haLeft;
    int FCellIndex = 0;
    bool FCellTransparent = false;
    bool FCellCreated = false;
    bool FCellBoolean = false;
    int FCellAngle = 0;
    double FCellValue = 0;
    int FCellErrFrom = 0;
    int FCellErrLen = 0;
    std::string FCellText;
    int FCellVar = 0;
    TCheckBoxState FCellCheckBoxState = cbUnchecked;
};

}  // namespace grid
