#include "grid/ExtCellGraphic.h"

namespace grid {

TCellGraphic::~TCellGraphic() {
    switch (FCellType) {
        case ctBalloon: delete FCellBitmap; break;
        case ctRadio:
            if (FCellCreated) delete FCellBitmap;
            break;
        case ctCheckBox:
        case ctDataCheckBox:
        case ctRadioButton:
            if (FCellAngle == 1) delete FCellBitmap;
            break;
        default: break;
    }
}

void TCellGraphic::Assign(const TCellGraphic& Source) {
    FCellType = Source.FCellType;
    FCellVAlign = Source.FCellVAlign;
    FCellHAlign = Source.FCellHAlign;
    FCellIndex = Source.FCellIndex;
    FCellTransparent = Source.FCellTransparent;
    FCellValue = Source.FCellValue;
    FCellAngle = Source.FCellAngle;
    FCellBoolean = Source.FCellBoolean;
    FCellErrFrom = Source.FCellErrFrom;
    FCellErrLen = Source.FCellErrLen;
    FCellText = Source.FCellText;
    FCellCreated = Source.FCellCreated;
}

void TCellGraphic::SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val) {
    FCellType = Data ? ctDataCheckBox : ctCheckBox;
    FCellAngle = 0;
    FCellBoolean = Value;
    FCellTransparent = Flat;
    FCellHAlign = hal;
    FCellVAlign = val;
}

void TCellGraphic::SetCheckBox(TCheckBoxState Value, bool Flat, TCellHAlign hal, TCellVAlign val) {
    FCellType = ctTriStateCheckBox;
    FCellCheckBoxState = Value;
    FCellBoolean = false;
    FCellTransparent = Flat;
    FCellHAlign = hal;
    FCellVAlign = val;
}

void TCellGraphic::SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val) {
    FCellType = ctRadioButton;
    FCellAngle = 0;
    FCellBoolean = Value;
    FCellTransparent = Flat;
    FCellHAlign = hal;
    FCellVAlign = val;
}

void TCellGraphic::SetAngle(int AAngle) {
    FCellType = ctRotated;
    // The angle arrives as a 16-bit value in the stored layouts.
    int a = static_cast<std::int16_t>(AAngle);
    while (a < 0) a += 360;
    while (a > 360) a -= 360;
    FCellAngle = a;
}

void TCellGraphic::SetButton(int bw, int bh, const std::string& Caption, TCellHAlign hal, TCellVAlign val) {
    FCellType = ctButton;
    FCellIndex = static_cast<int>((static_cast<std::uint32_t>(bw) & 0xFFFFu) |
                                  (static_cast<std::uint32_t>(bh) << 16));
    FCellBoolean = false;
    FCellText = Caption;
    FCellHAlign = hal;
    FCellVAlign = val;
}

void TCellGraphic::SetBitButton(int bw, int bh, const std::string& Caption, plat::TObject* Glyph,
                                TCellHAlign hal, TCellVAlign val) {
    SetButton(bw, bh, Caption, hal, val);
    FCellType = ctBitButton;
    FCellBitmap = Glyph;
}

void TCellGraphic::SetImageIdx(int idx, TCellHAlign hal, TCellVAlign val) {
    FCellType = ctImageList;
    FCellIndex = idx;
    FCellHAlign = hal;
    FCellVAlign = val;
}

void TCellGraphic::SetDataImage(int idx, TCellHAlign hal, TCellVAlign val) {
    FCellType = ctDataImage;
    FCellIndex = idx;
    FCellHAlign = hal;
    FCellVAlign = val;
}

void TCellGraphic::SetBitmap(plat::TObject* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val) {
    FCellType = ctBitmap;
    FCellBitmap = ABmp;
    FCellTransparent = Transparent;
    FCellHAlign = hal;
    FCellVAlign = val;
}

void TCellGraphic::SetInterfacedCell(plat::TObject* AObject) {
    FCellType = ctInterface;
    FCellBitmap = AObject;
}

}  // namespace grid
