#include <gtest/gtest.h>

#include "TestHelpers.h"
#include "gateway/ConcentratorText.h"
#include "gateway/ImageBuilder.h"
#include "gateway/LoRaWANBands.h"

using gwtest::Hex;

TEST(HexField, PaddingOrderTrimmingAndBadPairs) {
    const struct {
        const char* name;
        std::string text;
        bool reversed;
        std::string expected;  // bytes 0..7 in hex
    } cases[] = {
        {"full, text order", "0011223344556677", false, "0011223344556677"},
        {"full, reversed", "0011223344556677", true, "7766554433221100"},
        {"14 digits are padded on the left", "11223344556677", true, "7766554433221100"},
        {"odd length padded on the left", "ABC", false, "0000000000000ABC"},
        {"lower case digits", "abcdef0123456789", false, "ABCDEF0123456789"},
        {"empty text", "", true, "0000000000000000"},
        {"blanks around are trimmed", "  0011223344556677 ", true, "7766554433221100"},
        {"tab around is trimmed", "\t11223344556677\t", false, "0011223344556677"},
        {"a pair that is not hex gives 0", "00GG2233445566ZZ", false, "0000223344556600"},
        {"digits beyond the field are dropped", "001122334455667788", false, "0011223344556677"},
        {"a sign is no digit", "-011223344556677", false, "0011223344556677"},
    };
    for (const auto& c : cases) {
        std::string bytes(8, '\0');
        gw::Hex_Field(c.text, reinterpret_cast<uint8_t*>(bytes.data()), 8, c.reversed);
        EXPECT_EQ(Hex(bytes, 0, 8), c.expected) << c.name;
    }
}

TEST(HexField, PadHexLeftKeepsLongTexts) {
    EXPECT_EQ(gw::Pad_Hex_Left("1", 4), "0001");
    EXPECT_EQ(gw::Pad_Hex_Left("12345", 4), "12345");
    EXPECT_EQ(gw::Pad_Hex_Left("", 2), "00");
}

TEST(TextBytes, LowEightBitsOfEachCharacterZeroFilled) {
    uint8_t out[6];
    gw::Text_Bytes("A\xC3\xA9\xC4\x80Z", out, sizeof(out));  // "A", U+00E9, U+0100, "Z"
    EXPECT_EQ(std::vector<uint8_t>(out, out + 6), (std::vector<uint8_t>{0x41, 0xE9, 0x00, 0x5A, 0, 0}));
    gw::Text_Bytes("ABCDEFGH", out, sizeof(out));
    EXPECT_EQ(std::vector<uint8_t>(out, out + 6), (std::vector<uint8_t>{'A', 'B', 'C', 'D', 'E', 'F'}));
}

TEST(TextMatching, ExactAndTrimmedComparisons) {
    const struct {
        const char* text;
        bool isPublic, isConfirmed, isOtaa;
    } cases[] = {
        {"Public", true, false, false},
        {" public ", true, false, false},
        {"PRIVATE", false, false, false},
        {"Confirmed", false, true, false},
        {"confirmed", false, false, false},
        {" Confirmed", false, false, false},
        {"Over-the-Air Activation [OTAA]", false, false, true},
        {"  over-the-air activation [otaa] ", false, false, true},
        {"Over-the-Air Activation", false, false, false},
        {"", false, false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(gw::Is_Public_Network(c.text), c.isPublic) << c.text;
        EXPECT_EQ(gw::Is_Confirmed(c.text), c.isConfirmed) << c.text;
        EXPECT_EQ(gw::Is_OTAA(c.text), c.isOtaa) << c.text;
    }
}

TEST(RX2DataRate, IndexPerBand) {
    const struct {
        const char* name;
        int band;
        int expected;  // with default 99
    } cases[] = {
        {"SF12BW125", gw::Band_EU868, 0},
        {"SF7BW125", gw::Band_EU868, 5},
        {"SF7BW250", gw::Band_EU868, 6},
        {" sf9bw125 ", gw::Band_EU868, 3},
        {"SF12BW500", gw::Band_EU868, 99},
        {"SF7BW250", gw::Band_KR920, 99},
        {"SF7BW250", gw::Band_AS923, 99},
        {"SF10BW125", gw::Band_AS923, 2},
        {"SF12BW500", gw::Band_US915, 8},
        {"sf7bw500", gw::Band_US915, 13},
        {"SF12BW125", gw::Band_US915, 99},
        {"", gw::Band_EU868, 99},
        {"SF8BW125", 7, 4},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(gw::RX2_DataRate_Index(c.name, c.band, 99), c.expected) << c.name << " band " << c.band;
    }
}

TEST(BandCode, ExactNamesOnly) {
    EXPECT_EQ(gw::BandCode("EU868"), 0);
    EXPECT_EQ(gw::BandCode("US915"), 1);
    EXPECT_EQ(gw::BandCode("KR920"), 2);
    EXPECT_EQ(gw::BandCode("AS923"), 3);
    EXPECT_EQ(gw::BandCode("us915"), 0);
    EXPECT_EQ(gw::BandCode(" US915"), 0);
    EXPECT_EQ(gw::BandCode(""), 0);
}

TEST(JsonNumberText, DecimalHexGarbageAndBlanks) {
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"1700", "1700"},  {" 1700 ", "1700"}, {"$6A4", "1700"}, {"0x6A4", "1700"},
        {"0X6a4", "1700"}, {"", "1780"},       {"abc", "1780"},  {"17 00", "1780"},
        {"1700;", "1780"}, {"0010", "10"},     {"-5", "-5"},     {"99999999999", "99999999999"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(gw::JsonNumberText(c.text, "1780"), c.expected) << '"' << c.text << '"';
}
