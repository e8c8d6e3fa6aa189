// Text files written by other programs: whatever the bytes, decoding gives
// valid UTF-8, and lines and delimited lists read back as they were written.

#include "FuzzSupport.h"
#include "base/StringList.h"
#include "base/TextCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes = fuzz::Bytes(data, size);
    base::TTextEncoding found = base::TTextEncoding::Utf8;
    const std::string text = base::DecodeText(bytes, &found);
    FUZZ_REQUIRE(base::IsValidUtf8(text), "decoded text is UTF-8");
    if (found != base::TTextEncoding::Windows1252 && found != base::TTextEncoding::Utf8) {
        // What carries a byte-order mark is written back with it and reads the same.
        FUZZ_REQUIRE(base::DecodeText(base::EncodeText(text, found)) == text, "encode, decode");
    }

    base::TStringList lines;
    lines.SetText(text);
    base::TStringList again;
    again.SetText(lines.Text());
    FUZZ_REQUIRE(again.Count() == lines.Count(), std::to_string(again.Count()) + " / " + std::to_string(lines.Count()));
    for (int i = 0; i < lines.Count(); ++i) FUZZ_REQUIRE(again[i] == lines[i], lines[i]);

    base::TStringList list;
    list.SetCommaText(text);
    base::TStringList listAgain;
    listAgain.SetCommaText(list.CommaText());
    FUZZ_REQUIRE(listAgain.Count() == list.Count(), list.CommaText());
    for (int i = 0; i < list.Count(); ++i) FUZZ_REQUIRE(listAgain[i] == list[i], list.CommaText());
    return 0;
}
