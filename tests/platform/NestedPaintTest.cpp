// Controls that paint only what their canvas's clip rectangle shows, as the
// grids do, painted as part of a picture of the whole window.

#include <gtest/gtest.h>

#include <memory>

#include "platform/Controls.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/GuiApp.h"
#include "platform/TestHooks.h"

using namespace plat;

namespace {

// Paints a red square at (5, 5) to (15, 15), but only when it reaches into
// the clip rectangle: what lies outside it is taken as not to be painted.
class TClippedSquare : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    void Paint() override {
        Canvas().Brush().SetColor(clWhite);
        Canvas().FillRect(Rect(0, 0, Width(), Height()));
        const TRect square = Rect(5, 5, 15, 15);
        TRect visible;
        if (!IntersectRect(visible, square, Canvas().ClipRect())) return;
        Canvas().Brush().SetColor(clRed);
        Canvas().FillRect(square);
    }
};

TEST(NestedPaint, ChildAtAnOffsetPaintsInAPictureOfTheWindow) {
    EnsureGuiApplication();
    auto form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 300, 240);
    auto* panel = new TPanel(form.get());
    panel->SetParent(form.get());
    panel->SetBounds(40, 60, 200, 150);
    auto* square = new TClippedSquare(form.get());
    square->SetParent(panel);
    square->SetBounds(30, 50, 100, 80);
    form->Show();
    test::ProcessEvents();
    EXPECT_EQ(test::PixelAt(*square, 8, 8), (test::TRgb{255, 0, 0}));
    EXPECT_EQ(test::PixelAt(*form, 40 + 30 + 8, 60 + 50 + 8), (test::TRgb{255, 0, 0}));
    EXPECT_EQ(test::PixelAt(*panel, 30 + 8, 50 + 8), (test::TRgb{255, 0, 0}));
}

}  // namespace
