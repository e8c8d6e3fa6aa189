// Picture files (BMP, PNG, GIF, ICO, JPEG) as cells, glyphs and exports
// load them: whatever the bytes, a picture either loads or says why, and
// one that loads is written as BMP and read back at the same size.

#include <sstream>

#include "FuzzSupport.h"
#include "platform/Bitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes = fuzz::Bytes(data, size);
    plat::TPicture picture;
    if (!picture.LoadFromBytes(bytes)) {
        FUZZ_REQUIRE(!picture.ErrorString().empty(), "a refused picture says why");
        FUZZ_REQUIRE(picture.Empty(), "a refused picture leaves nothing loaded");
        return 0;
    }
    const int width = picture.Width();
    const int height = picture.Height();
    // Anything larger costs more to copy than the reader's answer is worth.
    if (std::int64_t(width) * height > 4'000'000) return 0;
    plat::TBitmap& bitmap = picture.Bitmap();
    FUZZ_REQUIRE(bitmap.Width() == width && bitmap.Height() == height, "conversion keeps the size");
    std::ostringstream out;
    FUZZ_REQUIRE(bitmap.SaveToStream(out), bitmap.ErrorString());
    plat::TBitmap again;
    FUZZ_REQUIRE(again.LoadFromBytes(out.str()), again.ErrorString());
    FUZZ_REQUIRE(again.Width() == width && again.Height() == height, "BMP round trip keeps the size");
    return 0;
}
