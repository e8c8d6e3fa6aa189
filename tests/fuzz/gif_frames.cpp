// Animated GIF pictures in cells: loading and stepping through the frames
// never escapes as an exception from the animation timer, and a picture
// keeps a frame within its frame count.

#include "FuzzSupport.h"
#include "controls/PictureContainer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ctl::THTMLPictureCache cache;
    ctl::THTMLPicture* picture = cache.AddPicture();
    try {
        picture->LoadFromBytes(fuzz::Bytes(data, size));
    } catch (const ctl::EPictureError&) {
        // Loading may refuse the data; the timer must still cope with it.
    }
    (void)picture->Width();
    (void)picture->MaxWidth();
    (void)picture->FrameCount();
    for (int frame = 0; frame <= 3; ++frame) (void)picture->FrameTime(frame);
    // The timer steps every 100 ms; a few seconds of animation.
    for (int tick = 0; tick < 40; ++tick) (void)cache.Animate();
    const int count = picture->FrameCount();
    if (count >= 1) FUZZ_REQUIRE(picture->Frame() >= 1 && picture->Frame() <= count, std::to_string(picture->Frame()));
    return 0;
}
