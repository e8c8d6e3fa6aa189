#include "controls/PictureContainer.h"

#include <filesystem>
#include <sstream>
#include <tuple>
#include <string>

using namespace std::string_literals;

#include <gtest/gtest.h>

#include "platform/Bitmap.h"

namespace {

using namespace ctl;

// A 4 x 3 animation of three one-pixel frames: black at (0,0) for 10/100 s,
// red at (2,1) for 20/100 s, black at (3,2) for 30/100 s.
std::string ThreeFrameGif(int width = 4, int height = 3, char secondCodeSize = 2) {
    std::string g = "GIF89a";
    auto word = [&](int v) { g += char(v & 0xFF), g += char(v >> 8); };
    word(width), word(height);
    g += char(0x80), g += char(0), g += char(0);   // global table of two colours
    g += std::string("\0\0\0", 3) + "\xFF\0\0"s;   // black, red
    auto frame = [&](int x, int y, int delay, int index) {
        g += "\x21\xF9\x04"s + char(0) ;
        word(delay);
        g += char(0), g += char(0);
        g += char(0x2C);
        word(x), word(y), word(1), word(1);
        g += char(0);
        g += char(index ? secondCodeSize : 2), g += char(2), g += char(index ? 0x4C : 0x44), g += char(1),
            g += char(0);
    };
    frame(0, 0, 10, 0);
    frame(2, 1, 20, 1);
    frame(3, 2, 30, 0);
    g += char(0x3B);
    return g;
}

std::string BmpBytes() {
    plat::TBitmap b(3, 2);
    std::ostringstream out;
    b.SaveToStream(out);
    return out.str();
}

TEST(HtmlPicture, GifFrames) {
    THTMLPicture pic;
    int frameChanges = 0;
    pic.OnFrameChange = [&](plat::TObject*) { ++frameChanges; };
    pic.LoadFromBytes(ThreeFrameGif());
    ASSERT_FALSE(pic.Empty());
    EXPECT_TRUE(pic.IsGIF());
    EXPECT_EQ(pic.FrameCount(), 3);
    EXPECT_EQ(pic.FrameTime(1), 10);
    EXPECT_EQ(pic.FrameTime(3), 30);
    EXPECT_EQ(pic.FrameTime(4), -1);
    EXPECT_EQ(pic.MaxWidth(), 4);
    EXPECT_EQ(pic.MaxHeight(), 3);

    pic.SetFrame(2);
    EXPECT_EQ(frameChanges, 1);
    EXPECT_EQ(pic.FrameXPos(), 2);
    EXPECT_EQ(pic.FrameYPos(), 1);
    EXPECT_EQ(pic.Width(), 1);
    plat::TBitmap target(4, 4);
    pic.Draw(target.Canvas(), plat::Rect(1, 1, 2, 2));
    EXPECT_EQ(target.Pixel(1, 1), plat::clRed);

    pic.SetFrame(3);
    pic.FrameNext();
    EXPECT_EQ(pic.Frame(), 1);
    pic.FramePrev();
    EXPECT_EQ(pic.Frame(), 3);
}

TEST(HtmlPicture, StepFollowsTheFrameDelays) {
    THTMLPicture pic;
    pic.LoadFromBytes(ThreeFrameGif());
    // Ticks of 100 ms against delays in hundredths: each frame stays for
    // its own delay.
    std::string frames;
    for (int tick = 0; tick < 8; ++tick) {
        pic.Step();
        frames += char('0' + pic.Frame());
    }
    EXPECT_EQ(frames, "11223331");
}

TEST(HtmlPicture, AFrameThatCannotBeDecodedStopsItsAnimation) {
    // The second frame's code size is out of range: the first frame shows,
    // the second cannot be decoded when the timer comes to it.
    THTMLPictureCache cache;
    THTMLPicture* broken = cache.AddPicture();
    broken->LoadFromBytes(ThreeFrameGif(4, 3, 0x0F));
    THTMLPicture* good = cache.AddPicture();
    good->LoadFromBytes(ThreeFrameGif());
    std::string frames;
    for (int tick = 0; tick < 8; ++tick) {
        ASSERT_NO_THROW(cache.Animate());
        frames += char('0' + good->Frame());
        EXPECT_EQ(broken->Frame(), 1);
    }
    EXPECT_EQ(frames, "11223331");  // the other pictures go on
    EXPECT_EQ(broken->Width(), 1);   // the frame shown stays
    EXPECT_FALSE(broken->Step());

    // New data starts a new animation.
    broken->LoadFromBytes(ThreeFrameGif());
    bool changed = false;
    for (int tick = 0; tick < 4; ++tick) changed = broken->Step() || changed;
    EXPECT_TRUE(changed);
}

TEST(HtmlPicture, AnimationAreaIsBounded) {
    // A few bytes can declare an animation area of 65535 x 65535: every
    // step would decode a whole frame of it.
    for (const auto& [w, h, animates] : {std::tuple{1024, 1024, true}, {1025, 1024, false}, {65535, 65535, false}}) {
        THTMLPicture pic;
        try {
            pic.LoadFromBytes(ThreeFrameGif(w, h));
        } catch (const EPictureError&) {
            // Too large to show at all is fine too; it must not animate.
        }
        for (int tick = 0; tick < 4; ++tick) pic.Step();
        EXPECT_EQ(pic.Frame(), animates ? 2 : 1) << w << " x " << h;
    }
}

TEST(HtmlPicture, PlainPictures) {
    THTMLPicture pic;
    pic.LoadFromBytes(BmpBytes());
    EXPECT_FALSE(pic.IsGIF());
    EXPECT_EQ(pic.FrameCount(), -1);
    EXPECT_FALSE(pic.Step());
    EXPECT_EQ(pic.Width(), 3);
    EXPECT_EQ(pic.MaxHeight(), 2);
    std::ostringstream saved;
    pic.SaveToStream(saved);
    EXPECT_EQ(saved.str(), BmpBytes());

    THTMLPicture shortData;
    EXPECT_THROW(shortData.LoadFromBytes("GIF8"), EPictureError);
    EXPECT_FALSE(shortData.IsGIF());
    EXPECT_FALSE(shortData.Empty());  // the data stays, nothing is drawn

    THTMLPicture copy;
    copy.Assign(&pic);
    EXPECT_EQ(copy.Width(), 3);
    copy.Assign(nullptr);
    EXPECT_TRUE(copy.Empty());
}

TEST(HtmlPicture, LoadFromUrl) {
    THTMLPicture web;
    web.SetAsynch(false);
    web.LoadFromURL("http://example.invalid/a.png");
    EXPECT_TRUE(web.Empty());
    EXPECT_EQ(web.ID(), "http://example.invalid/a.png");

    THTMLPicture resource;
    resource.LoadFromURL("res://GLYPHS/lbok.bmp");  // names match in any letter case
    EXPECT_FALSE(resource.Empty());
    EXPECT_GT(resource.Width(), 0);
    EXPECT_EQ(resource.ID(), "res://GLYPHS/lbok.bmp");

    THTMLPicture noResource;
    noResource.LoadFromURL("RES://no-such-picture.png");
    EXPECT_TRUE(noResource.Empty());
    EXPECT_THROW(noResource.LoadFromResourceID(987654), EPictureError);

    THTMLPicture missing;
    missing.LoadFromURL("file:///no/such/file.png");
    EXPECT_TRUE(missing.Empty());
    EXPECT_EQ(missing.ID(), "file:///no/such/file.png");

    const std::string path = std::string(VASTRIMO_TEST_OUT) + "/pic.bmp";
    std::filesystem::create_directories(VASTRIMO_TEST_OUT);
    plat::TBitmap(5, 4).SaveToFile(path);
    THTMLPicture file;
    file.LoadFromURL("FILE://" + path);
    EXPECT_EQ(file.Width(), 5);
}

TEST(HtmlPicture, CacheAndContainerLookups) {
    THTMLPictureCache cache;
    cache.AddPicture()->SetID("http://a/x.png");
    EXPECT_NE(cache.FindPicture("http://a/x.png"), nullptr);
    EXPECT_EQ(cache.FindPicture("HTTP://A/X.PNG"), nullptr);

    TPictureContainer container(nullptr);
    TPictureItem* item = container.Items().Add();
    item->Name = "logo";
    item->Picture().LoadFromBytes(BmpBytes());
    EXPECT_EQ(container.FindPicture("LOGO"), &item->Picture());
    EXPECT_EQ(container.FindPicture("other"), nullptr);
}

}  // namespace
