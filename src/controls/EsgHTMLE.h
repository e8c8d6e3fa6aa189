#pragma once
// Draws the small HTML-like markup of grid cells, headers and hints inside
// a rectangle, measures it, and finds the anchor, picture or inline control
// under a point. Every call lays the text out twice per line: a measuring
// pass that decides what fits, and a drawing (or, for hit tests, a second
// measuring) pass over exactly what the first one took.

#include <string>

#include "platform/Bitmap.h"
#include "platform/Graphics.h"

namespace ctl {

class THTMLPictureCache;
class TPictureContainer;

// The images "IDX:n" sources refer to.
class IHtmlImageList {
public:
    virtual ~IHtmlImageList() = default;
    virtual int Count() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void Draw(plat::TCanvas& canvas, int x, int y, int index) const = 0;
    virtual void GetBitmap(int index, plat::TBitmap& bitmap) const = 0;
};

struct THtmlRenderArgs {
    const IHtmlImageList* Images = nullptr;
    int X = -1;  // point to test
    int Y = -1;
    int FocusLink = -1;   // 0-based anchor to frame, -1 none
    int HoverLink = -1;   // 1-based hovered anchor
    int ShadowOffset = 1;
    bool CheckOnly = false;    // test the point, draw nothing
    bool MeasureOnly = false;  // measure the whole text, draw nothing
    bool ImageScaling = false;
    bool KeepColors = false;
    bool BlinkOn = true;
    bool HoverOnly = false;
    bool WordWrap = false;
    bool MouseDown = false;
    double ResizeFactor = 1.0;
    plat::TColor URLColor = plat::clBlue;
    plat::TColor HoverColor = plat::clNone;
    plat::TColor HoverFontColor = plat::clNone;
    plat::TColor ShadowColor = plat::clGray;
    std::string ControlID;  // with CheckOnly: the control to locate
    THTMLPictureCache* PictureCache = nullptr;
    TPictureContainer* PictureContainer = nullptr;
    int BiDiMode = 0;  // 0 left to right, 1 right to left, other: RTL reading only
};

struct THtmlRenderResult {
    std::string AnchorVal;  // written on a hit only
    std::string StripVal;
    std::string FocusAnchor;
    std::string AnchorHint;
    int XSize = 0;
    int YSize = 0;
    int HyperLinks = 0;
    int MouseLink = -1;
    plat::TRect HoverRect;  // written only when an anchor is under the point
    plat::TRect ControlRect;
    std::string ControlID;
    std::string ControlValue;
    std::string ControlType;
};

// True when the point lies on an anchor, on a picture inside an anchor or
// on an inline control. The canvas's font, pen and brush are restored.
bool RenderHtmlText(plat::TCanvas& Canvas, const std::string& Text, const plat::TRect& Rect,
                    const THtmlRenderArgs& Args, THtmlRenderResult& Result);

void SetHtmlHighlightColors(plat::TColor background, plat::TColor text);
plat::TColor HtmlHighlightColor();
plat::TColor HtmlHighlightTextColor();
// One of the 40 colour names ("clRed", any letter case); black otherwise.
plat::TColor HtmlColorToColor(const std::string& name);
// "#RRGGBB" with capital hexadecimal digits.
plat::TColor HexColorToColor(const std::string& text);

}  // namespace ctl
