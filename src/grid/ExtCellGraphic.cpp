#include "grid/ExtCellGraphic.h"

#include <algorithm>
#include <cmath>

#include "grid/FilePicture.h"
#include "grid/GridLists.h"

namespace grid {

TCellGraphic::~TCellGraphic() {
    if (FCellCreated) {
        delete FCellImage;
        delete FCellPicture;
    }
    switch (FCellType) {
        case ctRadio:
        case ctFilePicture:
            if (FCellCreated) delete FCellBitmap;
            break;
        case ctImages:
        case ctBalloon:
            delete FCellBitmap;
            break;
        case ctCheckBox:
        case ctDataCheckBox:
        case ctRadioButton:
        case ctTriStateCheckBox:
            if (FCellAngle == 1) delete FCellBitmap;
            break;
        default:
            break;
    }
}

void TCellGraphic::AttachBalloon(TCellStrings* List) {
    DetachBalloon();
    FCellBitmap = List;
    FCellAngle = List ? 1 : 0;
}

void TCellGraphic::DetachBalloon() {
    if (FCellAngle == 1) {
        delete FCellBitmap;
        FCellBitmap = nullptr;
    }
    FCellAngle = 0;
}

TCellStrings* TCellGraphic::BalloonList() const {
    return FCellAngle == 1 ? dynamic_cast<TCellStrings*>(FCellBitmap) : nullptr;
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

void TCellGraphic::SetBitButton(int bw, int bh, const std::string& Caption, plat::TGraphic* Glyph,
                                TCellHAlign hal, TCellVAlign val) {
    SetButton(bw, bh, Caption, hal, val);
    FCellType = ctBitButton;
    SetCellImage(Glyph);
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

void TCellGraphic::SetBitmap(plat::TGraphic* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val) {
    FCellType = ctBitmap;
    SetCellImage(ABmp);
    FCellTransparent = Transparent;
    FCellHAlign = hal;
    FCellVAlign = val;
}

void TCellGraphic::SetIcon(plat::TGraphic* AIcon, TCellHAlign hal, TCellVAlign val) {
    FCellType = ctIcon;
    SetCellImage(AIcon);
    FCellHAlign = hal;
    FCellVAlign = val;
}

void TCellGraphic::SetPicture(plat::TPicture* APicture, bool Transparent, TStretchMode StretchMode, int Padding,
                              TCellHAlign hal, TCellVAlign val) {
    FCellType = ctPicture;
    SetCellPicture(APicture);
    FCellTransparent = Transparent;
    FCellAngle = StretchMode;
    FCellIndex = Padding;
    FCellHAlign = hal;
    FCellVAlign = val;
}

void TCellGraphic::SetFilePicture(TFilePicture* APicture, bool Transparent, TStretchMode StretchMode, int Padding,
                                  TCellHAlign hal, TCellVAlign val) {
    FCellType = ctFilePicture;
    SetCellBitmap(APicture);
    FCellTransparent = Transparent;
    FCellAngle = StretchMode;
    FCellIndex = Padding;
    FCellHAlign = hal;
    FCellVAlign = val;
}

void TCellGraphic::SetMultiImage(int Col, int Row, int Dir, TCellHAlign hal, TCellVAlign val,
                                 std::function<void(plat::TObject*, int, int)> Notifier) {
    FCellType = ctImages;
    FCellBoolean = Dir == 0;
    auto* list = new TIntList(Col, Row);
    list->OnChange = std::move(Notifier);
    FCellBitmap = list;
    FCellCreated = true;
    FCellHAlign = hal;
    FCellVAlign = val;
}

void TCellGraphic::SetInterfacedCell(plat::TObject* AObject) {
    FCellType = ctInterface;
    SetCellBitmap(AObject);
}

void TCellGraphic::GetPictureSize(int cw, int rh, bool /*HasText*/, plat::TPoint& Size) const {
    int w = 0, h = 0;
    if (FCellType == ctPicture) {
        if (FCellPicture) {
            w = FCellPicture->Width();
            h = FCellPicture->Height();
        }
    } else if (FCellType == ctFilePicture) {
        if (const auto* fp = dynamic_cast<const TFilePicture*>(FCellBitmap)) {
            w = fp->Width();
            h = fp->Height();
        }
    } else {
        return;
    }
    // A cell narrower than its padding leaves no room rather than a
    // negative one, which would turn the picture inside out when drawn.
    const int aw = std::max(0, cw - FCellIndex), ah = std::max(0, rh - FCellIndex);
    // Halves go to the even neighbour, as everywhere the grid sizes.
    auto round = [](double v) { return static_cast<int>(std::nearbyint(v)); };
    auto fit = [&](double rx, double ry) {
        if (rx < ry) Size = {aw, round(h * rx)};
        else Size = {round(w * ry), ah};
    };
    const double rx = w <= 0 ? 1.0 : double(aw) / w;
    const double ry = h <= 0 ? 1.0 : double(ah) / h;
    const bool fits = w <= aw && h <= ah;
    switch (static_cast<TStretchMode>(FCellAngle)) {
        case Stretch: Size = {aw, ah}; break;
        case StretchWithAspectRatio: fit(rx, ry); break;
        case Shrink: Size = fits ? plat::TPoint{w, h} : plat::TPoint{aw, ah}; break;
        case ShrinkWithAspectRatio:
            if (fits) Size = {w, h};
            else fit(std::min(rx, 1.0), std::min(ry, 1.0));
            break;
        default: Size = {w, h}; break;
    }
}

}  // namespace grid
