// The HTML cell renderer: any cell text is drawn, measured and hit-tested
// without undefined behaviour, and measuring gives sizes that are not
// negative.

#include "FuzzSupport.h"
#include "controls/EsgHTMLE.h"
#include "platform/Bitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static plat::TBitmap surface(160, 48);
    const std::string text = fuzz::Bytes(data, size);
    const plat::TRect rect{2, 2, 150, 40};
    plat::TCanvas& canvas = surface.Canvas();
    canvas.Font().SetName("DejaVu Sans");
    canvas.Font().SetSize(9);

    ctl::THtmlRenderArgs args;
    ctl::THtmlRenderResult result;
    (void)ctl::RenderHtmlText(canvas, text, rect, args, result);

    args.WordWrap = true;
    args.MeasureOnly = true;
    ctl::THtmlRenderResult measured;
    (void)ctl::RenderHtmlText(canvas, text, rect, args, measured);
    FUZZ_REQUIRE(measured.XSize >= 0 && measured.YSize >= 0,
                 std::to_string(measured.XSize) + " x " + std::to_string(measured.YSize));

    args.MeasureOnly = false;
    args.CheckOnly = true;
    args.X = 20;
    args.Y = 10;
    ctl::THtmlRenderResult hit;
    (void)ctl::RenderHtmlText(canvas, text, rect, args, hit);
    return 0;
}
