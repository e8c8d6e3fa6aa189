#pragma once
// A fixture for tests that paint on bitmaps: the GUI application they need,
// and a white page to paint on.

#include <gtest/gtest.h>

#include "platform/Bitmap.h"
#include "platform/GuiApp.h"

namespace ctltest {

class PaintTest : public ::testing::Test {
protected:
    void SetUp() override { plat::EnsureGuiApplication(); }
    static plat::TBitmap White(int w, int h) {
        plat::TBitmap b(w, h);
        b.Canvas().Brush().SetColor(plat::clWhite);
        b.Canvas().FillRect({0, 0, w, h});
        return b;
    }
};

}  // namespace ctltest
