#pragma once
// A cell picture kept as a file name: the picture is loaded when it is
// needed and let go at once, so a grid with many pictures holds only names.

#include <string>

#include "platform/Classes.h"
#include "platform/Graphics.h"

namespace grid {

class TFilePicture : public plat::TObject {
public:
    const std::string& Filename() const { return FFilename; }
    // Stores the name, then reads the picture's size. False with
    // ErrorString() when the file is missing or of an unknown format; the
    // name stays stored and the size is then 0 x 0.
    bool SetFilename(const std::string& Value);
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    // Stretches the picture into Rect; an empty name draws nothing. False
    // with ErrorString() when the file cannot be read.
    bool DrawPicture(plat::TCanvas& Canvas, const plat::TRect& Rect);
    // Copies name and size without reading the file again.
    void Assign(const TFilePicture& Source);
    const std::string& ErrorString() const { return FError; }

private:
    std::string FFilename;
    int FWidth = 0;
    int FHeight = 0;
    std::string FError;
};

}  // namespace grid
