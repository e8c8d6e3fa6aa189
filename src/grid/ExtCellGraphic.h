#pragma once
// The one graphic a cell may carry beside its text: what kind of content the
// cell shows (check box, radio button, button, picture...) and the few
// values that kind needs. The ordinals of TCellType are stored in one byte
// by the grid's files, so the order is fixed.

#include <cstdint>
#include <string>

#include "grid/CellProperties.h"
#include "grid/ExtCheckBox.h"  // TCheckBoxState
#include "platform/Classes.h"

namespace grid {

enum TCellType : std::uint8_t {
    ctBitmap, ctIcon, ctNone, ctImageList, ctCheckBox, ctDataCheckBox, ctRotated, ctDataImage, ctNode,
    ctRadio, ctEmpty, ctImages, ctPicture, ctFilePicture, ctValue, ctProgress, ctComment, ctButton,
    ctBitButton, ctVirtCheckBox, ctRowCheckBox, ctProgressPie, ctSummary, ctRangeIndicator, ctXPProgress,
    ctInterface, ctScrollbar, ctRadioButton, ctBalloon, ctShape, ctRating, ctTriStateCheckBox, ctExpand
};

enum TCellVAlign : std::uint8_t { vaTop, vaBottom, vaCenter, vaUnderText, vaAboveText, vaFull };
enum TCellHAlign : std::uint8_t { haLeft, haRight, haCenter, haBeforeText, haAfterText, haFull };

// A graphic never owns the objects put into its two object slots here:
// pictures and glyphs are the caller's (the cell-owned picture kinds are
// painting work and come with it). The base grid frees a cell's graphic
// with its properties.
class TCellGraphic : public TCellGraphicBase {
public:
    TCellGraphic() = default;
    // Frees the lists the grid made for the cell: a balloon's texts, the
    // options of a radio group the grid created.
    ~TCellGraphic() override;

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
    // Object slot 1 (a bitmap, list or picture by kind) and a colour kept
    // in it for the kinds that store colours there.
    plat::TObject* CellBitmap() const { return FCellBitmap; }
    void SetCellBitmap(plat::TObject* Value) { FCellBitmap = Value; }
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
    void SetBitButton(int bw, int bh, const std::string& Caption, plat::TObject* Glyph, TCellHAlign hal,
                      TCellVAlign val);
    void SetImageIdx(int idx, TCellHAlign hal, TCellVAlign val);
    void SetDataImage(int idx, TCellHAlign hal, TCellVAlign val);
    void SetBitmap(plat::TObject* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
    void SetInterfacedCell(plat::TObject* AObject);

private:
    TCellType FCellType = ctNone;
    plat::TObject* FCellBitmap = nullptr;
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
