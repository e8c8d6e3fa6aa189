#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include "platform/Bitmap.h"
#include "platform/Graphics.h"

using namespace plat;

namespace {

std::string OutDir() {
    const std::string dir = std::string(VASTRIMO_TEST_OUT) + "/bitmap";
    std::filesystem::create_directories(dir);
    return dir;
}

// Left half red, right half blue.
TBitmap TwoColours(int w, int h) {
    TBitmap b(w, h);
    b.Canvas().Brush().SetColor(clRed);
    b.Canvas().FillRect(Rect(0, 0, w / 2, h));
    b.Canvas().Brush().SetColor(clBlue);
    b.Canvas().FillRect(Rect(w / 2, 0, w, h));
    return b;
}

bool Near(TColor a, TColor b, int tolerance) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

std::string Bytes(const TGraphic& g) {
    std::ostringstream out;
    EXPECT_TRUE(g.SaveToStream(out)) << g.ErrorString();
    return out.str();
}

// A GIF of frames 2 x 2 pixels, each frame one colour of a two-colour
// table. Every pixel code follows a clear code, so all codes are 3 bits.
std::string TinyGif(int frames) {
    std::string g = "GIF89a";
    g += std::string("\x02\x00\x02\x00", 4);
    g += std::string("\x80\x00\x00", 3);                      // 2-entry global table
    g += std::string("\xFF\x00\x00\x00\x00\xFF", 6);          // red, blue
    for (int f = 0; f < frames; ++f) {
        g += std::string("\x21\xF9\x04\x00\x0A\x00\x00\x00", 8);     // 10/100 s
        g += std::string("\x2C\x00\x00\x00\x00\x02\x00\x02\x00\x00", 10);
        g += '\x02';                                              // LZW minimum code size
        const int pixel = f % 2;
        const int codes[] = {4, pixel, 4, pixel, 4, pixel, 4, pixel, 5};
        std::string data;
        unsigned acc = 0;
        int bits = 0;
        for (int code : codes) {
            acc |= unsigned(code) << bits;
            bits += 3;
            while (bits >= 8) {
                data += char(acc & 0xFF);
                acc >>= 8;
                bits -= 8;
            }
        }
        if (bits > 0) data += char(acc & 0xFF);
        g += char(data.size());
        g += data;
        g += '\x00';
    }
    g += '\x3B';
    return g;
}

}  // namespace

TEST(Bitmap, NewPixelsAreWhiteAndResizeKeepsTheRest) {
    TBitmap b;
    EXPECT_TRUE(b.Empty());
    b.SetSize(10, 8);
    EXPECT_FALSE(b.Empty());
    EXPECT_EQ(b.Width(), 10);
    EXPECT_EQ(b.Height(), 8);
    EXPECT_EQ(b.Pixel(9, 7), clWhite);
    b.Canvas().Brush().SetColor(clRed);
    b.Canvas().FillRect(Rect(0, 0, 10, 8));
    b.SetSize(20, 4);  // drawing continues on the resized bitmap
    EXPECT_EQ(b.Pixel(9, 3), clRed);
    EXPECT_EQ(b.Pixel(10, 3), clWhite);
    b.Canvas().SetPixels(19, 3, clGreen);
    EXPECT_EQ(b.Pixel(19, 3), clGreen);
    EXPECT_EQ(b.Pixel(20, 3), clNone);
    b.SetSize(0, 5);
    EXPECT_TRUE(b.Empty());
}

TEST(Bitmap, SizedOneSideAtATime) {
    // Width first, then Height, as windows size their bitmaps: the first
    // side waits for the second instead of being lost.
    TBitmap b;
    b.SetWidth(6);
    EXPECT_TRUE(b.Empty());
    EXPECT_EQ(b.Width(), 6);
    b.SetHeight(4);
    EXPECT_FALSE(b.Empty());
    EXPECT_EQ(b.Width(), 6);
    EXPECT_EQ(b.Height(), 4);
    TBitmap c;
    c.SetHeight(3);
    TBitmap copy(c);
    copy.SetWidth(2);
    EXPECT_EQ(copy.Width(), 2);
    EXPECT_EQ(copy.Height(), 3);
}

TEST(Bitmap, CopiesAreIndependent) {
    TBitmap a = TwoColours(10, 10);
    TBitmap b(a);
    b.Canvas().Brush().SetColor(clLime);
    b.Canvas().FillRect(Rect(0, 0, 10, 10));
    EXPECT_EQ(a.Pixel(0, 0), clRed);
    EXPECT_EQ(b.Pixel(0, 0), clLime);
    a = b;
    EXPECT_EQ(a.Pixel(9, 9), clLime);
}

TEST(Bitmap, TransparentDrawSkipsTheKeyColour) {
    TBitmap glyph(10, 10);
    glyph.Canvas().Brush().SetColor(clFuchsia);
    glyph.Canvas().FillRect(Rect(0, 0, 10, 10));
    glyph.Canvas().Brush().SetColor(clRed);
    glyph.Canvas().FillRect(Rect(3, 3, 7, 7));

    const struct {
        const char* name;
        bool transparent;
        TTransparentMode mode;
        int fuchsia;
    } cases[] = {
        {"opaque", false, tmFixed, 84},
        {"fixed magenta key", true, tmFixed, 0},
        {"key from the lower-left pixel", true, tmAuto, 0},
    };
    for (const auto& c : cases) {
        TBitmap target(20, 20);
        TBitmap g(glyph);
        if (c.mode == tmFixed) g.SetTransparentColor(clFuchsia);
        g.SetTransparentMode(c.mode);
        g.SetTransparent(c.transparent);
        target.Canvas().Draw(5, 5, g);
        int fuchsia = 0;
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 20; ++x) fuchsia += target.Pixel(x, y) == clFuchsia;
        }
        EXPECT_EQ(fuchsia, c.fuchsia) << c.name;
        EXPECT_EQ(target.Pixel(9, 9), clRed) << c.name;
        EXPECT_EQ(target.Pixel(5, 5), c.transparent ? clWhite : clFuchsia) << c.name;
    }
}

TEST(Bitmap, DrawOntoItselfShifts) {
    // A face drawn once more over itself one pixel lower and to the right.
    TBitmap b(10, 10);
    b.Canvas().Brush().SetColor(clRed);
    b.Canvas().FillRect(Rect(0, 0, 5, 5));
    b.Canvas().Draw(1, 1, b);
    EXPECT_EQ(b.Pixel(5, 5), clRed);
    EXPECT_EQ(b.Pixel(6, 6), clWhite);
    EXPECT_EQ(b.Pixel(0, 0), clRed);
}

TEST(Bitmap, StretchDrawAndCopyRect) {
    TBitmap small = TwoColours(2, 2);
    TBitmap big(20, 20);
    big.Canvas().StretchDraw(Rect(0, 0, 20, 20), small);
    EXPECT_EQ(big.Pixel(0, 19), clRed);
    EXPECT_EQ(big.Pixel(9, 10), clRed);
    EXPECT_EQ(big.Pixel(10, 10), clBlue);
    EXPECT_EQ(big.Pixel(19, 0), clBlue);

    TBitmap copy(10, 10);
    copy.Canvas().CopyRect(Rect(0, 0, 5, 5), big.Canvas(), Rect(10, 10, 15, 15));
    EXPECT_EQ(copy.Pixel(0, 0), clBlue);
    EXPECT_EQ(copy.Pixel(4, 4), clBlue);
    EXPECT_EQ(copy.Pixel(5, 5), clWhite);
}

TEST(Bitmap, BmpAndPngRoundTripExactly) {
    const std::string dir = OutDir();
    const struct {
        const char* file;
        const char* className;
        TPixelFormat format;
    } cases[] = {{"round.bmp", "TBitmap", pfDevice}, {"round.png", "TPngImage", pfDevice},
                 {"round24.bmp", "TBitmap", pf24bit}, {"round24.png", "TPngImage", pf24bit},
                 {"round32.bmp", "TBitmap", pf32bit}, {"round32.png", "TPngImage", pf32bit}};
    for (const auto& c : cases) {
        TBitmap src = TwoColours(16, 9);
        src.SetPixelFormat(c.format);
        const std::string path = dir + "/" + c.file;
        ASSERT_TRUE(src.SaveToFile(path)) << src.ErrorString();
        TPicture pic;
        ASSERT_TRUE(pic.LoadFromFile(path)) << pic.ErrorString();
        EXPECT_STREQ(pic.Graphic()->ClassName(), c.className);
        ASSERT_EQ(pic.Width(), 16);
        ASSERT_EQ(pic.Height(), 9);
        TBitmap& back = pic.Bitmap();
        EXPECT_EQ(back.Pixel(0, 0), clRed) << c.file;
        EXPECT_EQ(back.Pixel(7, 8), clRed) << c.file;
        EXPECT_EQ(back.Pixel(8, 0), clBlue) << c.file;
        EXPECT_STREQ(pic.Graphic()->ClassName(), "TBitmap");
    }
}

TEST(Bitmap, JpegWriteAndReadBack) {
    const TBitmap src = TwoColours(64, 32);
    TJPEGImage jpg;
    jpg.Assign(src);
    jpg.SetCompressionQuality(90);
    const std::string bytes = Bytes(jpg);
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xFF);
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xD8);

    TPicture pic;
    ASSERT_TRUE(pic.LoadFromBytes(bytes)) << pic.ErrorString();
    EXPECT_STREQ(pic.Graphic()->ClassName(), "TJPEGImage");
    EXPECT_EQ(pic.Width(), 64);
    EXPECT_EQ(pic.Height(), 32);
    TBitmap& back = pic.Bitmap();
    EXPECT_TRUE(Near(back.Pixel(8, 16), clRed, 40)) << std::hex << back.Pixel(8, 16);
    EXPECT_TRUE(Near(back.Pixel(56, 16), clBlue, 40)) << std::hex << back.Pixel(56, 16);

    // Lower quality, smaller file; a gray file has equal channels.
    TJPEGImage rough(jpg);
    rough.SetCompressionQuality(10);
    EXPECT_LT(Bytes(rough).size(), bytes.size());
    TJPEGImage gray(jpg);
    gray.SetGrayscale(true);
    TJPEGImage grayBack;
    grayBack.SetGrayscale(true);
    ASSERT_TRUE(grayBack.LoadFromBytes(Bytes(gray))) << grayBack.ErrorString();
    TBitmap g;
    g.Assign(grayBack);
    const TColor p = g.Pixel(8, 16);
    EXPECT_EQ(GetRValue(p), GetGValue(p));
    EXPECT_EQ(GetGValue(p), GetBValue(p));

    // A file on disk, through the atomic save.
    const std::string path = OutDir() + "/two.jpg";
    ASSERT_TRUE(jpg.SaveToFile(path)) << jpg.ErrorString();
    TBitmap fromFile;
    ASSERT_TRUE(fromFile.LoadFromFile(path)) << fromFile.ErrorString();
    EXPECT_EQ(fromFile.Width(), 64);
}

// A bitmap reads whichever of the two formats it is given.
TEST(Bitmap, ReadsPngAndBmpDataByTheirContents) {
    TPngImage png;
    png.Assign(TwoColours(16, 9));
    const std::string pngBytes = Bytes(png);
    const std::string bmpBytes = Bytes(TwoColours(16, 9));
    const struct {
        const char* name;
        std::function<std::unique_ptr<TGraphic>()> make;
        std::string bytes;
    } cases[] = {
        {"png as bitmap", [] { return std::make_unique<TBitmap>(); }, pngBytes},
        {"bmp as bitmap", [] { return std::make_unique<TBitmap>(); }, bmpBytes},
        {"png as png", [] { return std::make_unique<TPngImage>(); }, pngBytes},
    };
    for (const auto& c : cases) {
        std::unique_ptr<TGraphic> g = c.make();
        ASSERT_TRUE(g->LoadFromBytes(c.bytes)) << c.name << ": " << g->ErrorString();
        TBitmap back;
        back.Assign(*g);
        EXPECT_EQ(back.Width(), 16) << c.name;
        EXPECT_EQ(back.Pixel(0, 0), clRed) << c.name;
        EXPECT_EQ(back.Pixel(8, 0), clBlue) << c.name;
    }
}

TEST(Bitmap, DamagedDataFailsAndKeepsTheOldPicture) {
    TJPEGImage good;
    good.Assign(TwoColours(20, 10));
    const std::string jpeg = Bytes(good);
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"truncated jpeg", jpeg.substr(0, jpeg.size() / 3)},
        {"jpeg header only", jpeg.substr(0, 4)},
        {"empty", std::string()},
        {"text", std::string("not a picture at all")},
    };
    for (const auto& c : cases) {
        TJPEGImage j;
        j.Assign(TwoColours(5, 5));
        EXPECT_FALSE(j.LoadFromBytes(c.bytes)) << c.name;
        EXPECT_FALSE(j.ErrorString().empty()) << c.name;
        EXPECT_EQ(j.Width(), 5) << c.name;

        TPicture pic;
        ASSERT_TRUE(pic.LoadFromBytes(jpeg));
        EXPECT_FALSE(pic.LoadFromBytes(c.bytes)) << c.name;
        EXPECT_FALSE(pic.ErrorString().empty()) << c.name;
        EXPECT_EQ(pic.Width(), 20) << c.name;
    }
}

TEST(Bitmap, HugeDimensionsAreRefused) {
    // A BMP header that claims 16000 x 16000 pixels with no pixel data.
    std::string bmp(54, '\0');
    auto put32 = [&](size_t at, unsigned v) {
        for (int i = 0; i < 4; ++i) bmp[at + i] = char((v >> (8 * i)) & 0xFF);
    };
    bmp[0] = 'B';
    bmp[1] = 'M';
    put32(2, 54);
    put32(10, 54);
    put32(14, 40);
    put32(18, 16000);
    put32(22, 16000);
    bmp[26] = 1;
    bmp[28] = 24;
    TBitmap b;
    EXPECT_FALSE(b.LoadFromBytes(bmp));
    EXPECT_NE(b.ErrorString().find("too large"), std::string::npos) << b.ErrorString();
    EXPECT_TRUE(b.Empty());

    // The same for a JPEG whose frame header claims 49152 x 49152.
    TJPEGImage small;
    small.Assign(TwoColours(8, 8));
    std::string jpeg = Bytes(small);
    const size_t sof = jpeg.find("\xFF\xC0");
    ASSERT_NE(sof, std::string::npos);
    for (size_t i = sof + 5; i < sof + 9; i += 2) {
        jpeg[i] = '\xC0';
        jpeg[i + 1] = '\x00';
    }
    TJPEGImage j;
    EXPECT_FALSE(j.LoadFromBytes(jpeg));
    EXPECT_NE(j.ErrorString().find("too large"), std::string::npos) << j.ErrorString();
}

TEST(Bitmap, FileErrorsNameThePath) {
    TBitmap b;
    EXPECT_FALSE(b.LoadFromFile("/nonexistent/folder/x.bmp"));
    EXPECT_NE(b.ErrorString().find("/nonexistent/folder/x.bmp"), std::string::npos);
    TBitmap full = TwoColours(4, 4);
    EXPECT_FALSE(full.SaveToFile("/nonexistent/folder/y.png"));
    EXPECT_NE(full.ErrorString().find("/nonexistent/folder/y.png"), std::string::npos);
    TPicture pic;
    EXPECT_FALSE(pic.SaveToFile(OutDir() + "/none.bmp"));
    EXPECT_FALSE(pic.ErrorString().empty());

    TBitmap res;
    EXPECT_FALSE(res.LoadFromResource("bitmaps/NOSUCH.bmp"));
    EXPECT_NE(res.ErrorString().find("bitmaps/NOSUCH.bmp"), std::string::npos);
    EXPECT_FALSE(res.LoadFromResource("texts/default.txt"));  // there, but no picture
    EXPECT_TRUE(res.Empty());
}

TEST(Bitmap, GifFirstFrameAndFrameCount) {
    const struct {
        int frames;
    } cases[] = {{1}, {3}};
    for (const auto& c : cases) {
        TPicture pic;
        ASSERT_TRUE(pic.LoadFromBytes(TinyGif(c.frames))) << pic.ErrorString();
        auto* gif = dynamic_cast<TGIFImage*>(pic.Graphic());
        ASSERT_NE(gif, nullptr);
        EXPECT_EQ(gif->FrameCount(), c.frames);
        EXPECT_EQ(pic.Width(), 2);
        EXPECT_EQ(pic.Bitmap().Pixel(1, 1), clRed);  // first frame's colour
    }
    TGIFImage gif;
    ASSERT_TRUE(gif.LoadFromBytes(TinyGif(2)));
    std::ostringstream out;
    EXPECT_FALSE(gif.SaveToStream(out));
    EXPECT_FALSE(gif.ErrorString().empty());
}

TEST(Bitmap, IconRoundTrip) {
    TIcon icon;
    icon.Assign(TwoColours(16, 16));
    TPicture pic;
    ASSERT_TRUE(pic.LoadFromBytes(Bytes(icon))) << pic.ErrorString();
    EXPECT_STREQ(pic.Graphic()->ClassName(), "TIcon");
    EXPECT_EQ(pic.Width(), 16);
    EXPECT_EQ(pic.Bitmap().Pixel(0, 0), clRed);
}

TEST(Bitmap, PictureNotifiesAndCopies) {
    TPicture a;
    int changes = 0;
    a.OnChange = [&] { ++changes; };
    TBitmap src = TwoColours(6, 6);
    a.SetGraphic(&src);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(a.Width(), 6);
    TPicture b(a);
    src.Canvas().Brush().SetColor(clLime);
    src.Canvas().FillRect(Rect(0, 0, 6, 6));
    EXPECT_EQ(b.Bitmap().Pixel(0, 0), clRed);  // copies, not references
    a.SetGraphic(nullptr);
    EXPECT_TRUE(a.Empty());
    EXPECT_EQ(changes, 2);
}

TEST(Bitmap, ScanLineLayoutFollowsThePixelFormat) {
    const struct {
        TPixelFormat format;
        int bytesPerPixel;
    } cases[] = {{pf24bit, 3}, {pf32bit, 4}, {pfDevice, 4}};
    for (const auto& c : cases) {
        TBitmap b;
        b.SetPixelFormat(c.format);
        b.SetSize(5, 3);
        EXPECT_EQ(b.PixelFormat(), c.format);
        b.Canvas().Brush().SetColor(RGB(10, 20, 30));
        b.Canvas().FillRect(Rect(0, 0, 5, 3));
        b.Canvas().SetPixels(1, 2, clRed);
        const std::uint8_t* row = b.ScanLine(2);
        ASSERT_NE(row, nullptr);
        const std::uint8_t* px = row + c.bytesPerPixel;
        EXPECT_EQ(px[0], 0) << c.format;    // blue
        EXPECT_EQ(px[1], 0) << c.format;    // green
        EXPECT_EQ(px[2], 255) << c.format;  // red
        if (c.bytesPerPixel == 4) {
            EXPECT_EQ(px[3], 255) << c.format;
        }
        EXPECT_EQ(row[2 * c.bytesPerPixel], 30) << c.format;

        // Writing through the row shows in reads and survives more drawing.
        std::uint8_t* w = b.ScanLine(0);
        w[0] = 200;
        w[1] = 100;
        w[2] = 50;
        EXPECT_EQ(b.Pixel(0, 0), RGB(50, 100, 200)) << c.format;
        b.Canvas().SetPixels(4, 0, clLime);
        EXPECT_EQ(b.Pixel(0, 0), RGB(50, 100, 200)) << c.format;
        EXPECT_EQ(b.ScanLine(3), nullptr);
        EXPECT_EQ(b.ScanLine(-1), nullptr);
    }
    // A transparent pixel of a 32-bit bitmap keeps alpha 0 and its
    // premultiplied colours 0.
    TBitmap a;
    a.SetPixelFormat(pf32bit);
    a.SetSize(2, 1);
    std::uint8_t* p = a.ScanLine(0);
    p[4] = p[5] = p[6] = p[7] = 0;
    TBitmap target(2, 1);
    target.Canvas().Draw(0, 0, a);
    EXPECT_EQ(target.Pixel(1, 0), clWhite);
}

TEST(Bitmap, DrawWithOpacityBlends) {
    TBitmap black(4, 4);
    black.Canvas().Brush().SetColor(clBlack);
    black.Canvas().FillRect(Rect(0, 0, 4, 4));
    const struct {
        int opacity;
        int expected;  // each channel over white
    } cases[] = {{255, 0}, {0, 255}, {128, 127}};
    for (const auto& c : cases) {
        TBitmap target(4, 4);
        target.Canvas().Draw(0, 0, black, std::uint8_t(c.opacity));
        EXPECT_NEAR(GetRValue(target.Pixel(1, 1)), c.expected, 2) << c.opacity;
    }
}

TEST(Bitmap, InvertedPixelsStayOpaqueWhenDrawnOn) {
    // A focus rectangle or XOR line inverts pixels of an off-screen face;
    // copying the face onto the control must show them, not blend them away.
    const TPixelFormat formats[] = {pfDevice, pf24bit};
    for (TPixelFormat f : formats) {
        TBitmap face;
        face.SetPixelFormat(f);
        face.SetSize(20, 10);
        face.Canvas().DrawFocusRect(Rect(0, 0, 20, 10));
        face.Canvas().Pen().SetMode(pmNotXor);
        face.Canvas().MoveTo(0, 5);
        face.Canvas().LineTo(20, 5);
        TBitmap target(20, 10);
        target.Canvas().Brush().SetColor(clRed);
        target.Canvas().FillRect(Rect(0, 0, 20, 10));
        target.Canvas().Draw(0, 0, face);
        EXPECT_EQ(target.Pixel(0, 0), clBlack) << f;
        EXPECT_EQ(target.Pixel(1, 0), clWhite) << f;
        EXPECT_EQ(target.Pixel(3, 5), clBlack) << f;
        EXPECT_EQ(target.Pixel(5, 3), clWhite) << f;
    }
}
