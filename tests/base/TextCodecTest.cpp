#include <gtest/gtest.h>

#include "base/TextCodec.h"

using namespace base;

namespace {
const char* Name(TTextEncoding e) {
    switch (e) {
    case TTextEncoding::Utf8: return "Utf8";
    case TTextEncoding::Utf8Bom: return "Utf8Bom";
    case TTextEncoding::Utf16LE: return "Utf16LE";
    case TTextEncoding::Utf16BE: return "Utf16BE";
    case TTextEncoding::Windows1252: return "Windows1252";
    }
    return "?";
}
}  // namespace

TEST(TextCodec, DetectsAndDecodes) {
    using std::string;
    const struct { const char* name; string bytes; TTextEncoding enc; string text; } cases[] = {
        {"ascii", "STR1=Open", TTextEncoding::Utf8, "STR1=Open"},
        {"empty", "", TTextEncoding::Utf8, ""},
        {"utf8", "Temp \xC2\xB0" "C \xE2\x82\xAC", TTextEncoding::Utf8, "Temp \xC2\xB0" "C \xE2\x82\xAC"},
        {"utf8 bom", "\xEF\xBB\xBFOK \xC3\xA9", TTextEncoding::Utf8Bom, "OK \xC3\xA9"},
        {"bom only", "\xEF\xBB\xBF", TTextEncoding::Utf8Bom, ""},
        {"utf16le", string("\xFF\xFE" "A\0\xE9\0\xAC\x20", 8), TTextEncoding::Utf16LE, "A\xC3\xA9\xE2\x82\xAC"},
        {"utf16be", string("\xFE\xFF\0A\0\xE9\x20\xAC", 8), TTextEncoding::Utf16BE, "A\xC3\xA9\xE2\x82\xAC"},
        {"utf16le pair", string("\xFF\xFE\x3D\xD8\x00\xDE", 6), TTextEncoding::Utf16LE, "\xF0\x9F\x98\x80"},
        {"utf16le lone surrogate", string("\xFF\xFE\x3D\xD8" "A\0", 6), TTextEncoding::Utf16LE, "\xEF\xBF\xBD" "A"},
        {"utf16le odd length", string("\xFF\xFE" "A\0B", 5), TTextEncoding::Utf16LE, "A\xEF\xBF\xBD"},
        {"cp1252 accents", "caf\xE9 \xB0", TTextEncoding::Windows1252, "caf\xC3\xA9 \xC2\xB0"},
        {"cp1252 specials", "\x80\x93\x99\x9F", TTextEncoding::Windows1252, "\xE2\x82\xAC\xE2\x80\x9C\xE2\x84\xA2\xC5\xB8"},
        {"cp1252 undefined", "\x81", TTextEncoding::Windows1252, "\xC2\x81"},
        {"overlong is not utf8", "\xC0\xAF", TTextEncoding::Windows1252, "\xC3\x80\xC2\xAF"},
        {"cut utf8 is not utf8", "ab\xE2\x82", TTextEncoding::Windows1252, "ab\xC3\xA2\xE2\x80\x9A"},
        {"utf8 bom with bad byte", "\xEF\xBB\xBF" "a\xFF", TTextEncoding::Utf8Bom, "a\xEF\xBF\xBD"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DetectEncoding(c.bytes), c.enc) << c.name << ": " << Name(DetectEncoding(c.bytes));
        TTextEncoding found = TTextEncoding::Utf8;
        const std::string text = DecodeText(c.bytes, &found);
        EXPECT_EQ(found, c.enc) << c.name;
        EXPECT_EQ(text, c.text) << c.name;
        EXPECT_TRUE(IsValidUtf8(text)) << c.name;
    }
}

TEST(TextCodec, Utf8Validity) {
    const struct { std::string bytes; bool valid; } cases[] = {
        {"plain", true},
        {"\xF4\x8F\xBF\xBF", true},   // U+10FFFF
        {"\xF4\x90\x80\x80", false},  // above U+10FFFF
        {"\xED\xA0\x80", false},      // surrogate
        {"\xE0\x80\x80", false},      // overlong
        {"\x80", false},              // stray continuation
        {"\xF8\x88\x80\x80\x80", false},
        {std::string("a\0b", 3), true},
    };
    for (const auto& c : cases) EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << c.bytes;
}

TEST(TextCodec, EncodingRoundTrips) {
    const std::string text = "Ethernet \xE2\x80\x93 caf\xC3\xA9 \xE2\x82\xAC 100 \xF0\x9F\x98\x80";
    for (TTextEncoding e : {TTextEncoding::Utf8, TTextEncoding::Utf8Bom, TTextEncoding::Utf16LE, TTextEncoding::Utf16BE}) {
        TTextEncoding found;
        EXPECT_EQ(DecodeText(EncodeText(text, e), &found), text) << Name(e);
        EXPECT_EQ(found, e) << Name(e);
    }
    EXPECT_EQ(EncodeText("A", TTextEncoding::Utf16BE), std::string("\xFE\xFF\0A", 4));
    EXPECT_EQ(EncodeText("A", TTextEncoding::Utf8Bom), "\xEF\xBB\xBF" "A");
}

TEST(TextCodec, Windows1252BothWays) {
    // Every byte decodes and encodes back to itself.
    std::string all;
    for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
    EXPECT_EQ(Utf8ToWindows1252(Windows1252ToUtf8(all)), all);
    EXPECT_EQ(Utf8ToWindows1252("\xE2\x82\xAC \xC3\xBF \xE4\xB8\xAD"), "\x80 \xFF ?");
    EXPECT_EQ(Utf8ToWindows1252("\xF0\x9F\x98\x80", '_'), "_");
    EXPECT_EQ(Utf8ToWindows1252("a\xFF" "b"), "a?b");  // invalid input byte
}

TEST(TextCodec, Utf16Conversions) {
    EXPECT_EQ(Utf8ToUtf16("A\xC3\xA9\xF0\x9F\x98\x80"), (std::u16string{u'A', 0xE9, 0xD83D, 0xDE00}));
    EXPECT_EQ(Utf8ToUtf16("a\xFF"), (std::u16string{u'a', 0xFFFD}));
    EXPECT_EQ(Utf16ToUtf8(std::u16string{0xDE00, u'x'}), "\xEF\xBF\xBDx");
}
