#include "grid/FilePicture.h"

#include "platform/Bitmap.h"

namespace grid {

bool TFilePicture::SetFilename(const std::string& Value) {
    FFilename = Value;
    FWidth = FHeight = 0;
    FError.clear();
    plat::TPicture picture;
    if (!picture.LoadFromFile(Value)) {
        FError = picture.ErrorString().empty() ? "Cannot read picture \"" + Value + "\"" : picture.ErrorString();
        return false;
    }
    FWidth = picture.Width();
    FHeight = picture.Height();
    return true;
}

bool TFilePicture::DrawPicture(plat::TCanvas& Canvas, const plat::TRect& Rect) {
    if (FFilename.empty()) return true;
    plat::TPicture picture;
    if (!picture.LoadFromFile(FFilename)) {
        FError = picture.ErrorString().empty() ? "Cannot read picture \"" + FFilename + "\"" : picture.ErrorString();
        return false;
    }
    if (picture.Graphic()) Canvas.StretchDraw(Rect, *picture.Graphic());
    return true;
}

void TFilePicture::Assign(const TFilePicture& Source) {
    FFilename = Source.FFilename;
    FWidth = Source.FWidth;
    FHeight = Source.FHeight;
}

}  // namespace grid
