#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "grid/FilePicture.h"
#include "platform/Bitmap.h"
#include "platform/GuiApp.h"

using namespace grid;

TEST(FilePicture, KeepsOnlyTheNameAndSize) {
    plat::EnsureGuiApplication();
    std::filesystem::create_directories(VASTRIMO_TEST_OUT);
    const std::string path = std::string(VASTRIMO_TEST_OUT) + "/cell_picture.png";
    plat::TBitmap src(6, 4);
    src.Canvas().Brush().SetColor(plat::RGB(0, 0, 255));
    src.Canvas().FillRect({0, 0, 6, 4});
    ASSERT_TRUE(src.SaveToFile(path));

    TFilePicture p;
    ASSERT_TRUE(p.SetFilename(path));
    EXPECT_EQ(p.Width(), 6);
    EXPECT_EQ(p.Height(), 4);
    plat::TBitmap target(12, 8);
    EXPECT_TRUE(p.DrawPicture(target.Canvas(), {0, 0, 12, 8}));
    EXPECT_EQ(target.Pixel(11, 7), plat::RGB(0, 0, 255));

    TFilePicture copy;
    copy.Assign(p);
    std::remove(path.c_str());  // Assign must not need the file
    EXPECT_EQ(copy.Filename(), path);
    EXPECT_EQ(copy.Width(), 6);

    TFilePicture missing;
    EXPECT_FALSE(missing.SetFilename(path));
    EXPECT_EQ(missing.Filename(), path);  // the name is stored before the load
    EXPECT_FALSE(missing.ErrorString().empty());
    EXPECT_FALSE(missing.DrawPicture(target.Canvas(), {0, 0, 12, 8}));
    TFilePicture empty;
    EXPECT_TRUE(empty.DrawPicture(target.Canvas(), {0, 0, 12, 8}));
}
