// The built-in English table is data, not code: these tests guard its shape
// (every window reads its texts by number, so one missing or shifted line
// moves every text after it) and a sample of texts whose exact spelling the
// windows depend on (blanks that get joined to other parts, "%d" that gets
// filled in).

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "base/Resources.h"

namespace {

constexpr int kTextCount = 5600;

struct Line {
    std::string number;
    std::string text;
    bool hasSecondTab = false;
};

// Deliberately naive: the real loader lives in the shell; this only splits
// the resource so the tests can look at it line by line.
std::vector<Line> SplitTable(std::string_view data) {
    std::vector<Line> lines;
    size_t pos = 0;
    while (pos < data.size()) {
        size_t end = data.find('\n', pos);
        if (end == std::string_view::npos) end = data.size();
        std::string_view raw = data.substr(pos, end - pos);
        Line line;
        size_t tab = raw.find('\t');
        if (tab == std::string_view::npos) {
            line.number = std::string(raw);
        } else {
            line.number = std::string(raw.substr(0, tab));
            line.text = std::string(raw.substr(tab + 1));
            line.hasSecondTab = line.text.find('\t') != std::string::npos;
        }
        lines.push_back(std::move(line));
        pos = end + 1;
    }
    return lines;
}

std::string_view Table() {
    auto data = base::FindResource("texts/default.txt");
    return data ? *data : std::string_view();
}

const std::vector<Line>& Lines() {
    static const std::vector<Line> lines = SplitTable(Table());
    return lines;
}

}  // namespace

TEST(DefaultTexts, IsCompiledIn) {
    ASSERT_TRUE(base::FindResource("texts/default.txt").has_value());
}

TEST(DefaultTexts, PlainUtf8WithUnixLineEnds) {
    std::string_view data = Table();
    ASSERT_FALSE(data.empty());
    EXPECT_NE(data.substr(0, 3), "\xEF\xBB\xBF") << "no byte-order mark";
    EXPECT_EQ(data.back(), '\n') << "the last line ends like the others";
    EXPECT_EQ(data.find('\r'), std::string_view::npos);
    // A backslash would be read as an escape by the language-file tools.
    EXPECT_EQ(data.find('\\'), std::string_view::npos);
}

TEST(DefaultTexts, OneLinePerNumberInOrder) {
    const auto& lines = Lines();
    ASSERT_EQ(lines.size(), static_cast<size_t>(kTextCount));
    for (int n = 0; n < kTextCount; ++n) {
        const Line& line = lines[static_cast<size_t>(n)];
        ASSERT_EQ(line.number, std::to_string(n)) << "line " << n + 1;
        EXPECT_FALSE(line.hasSecondTab) << "text " << n;
        // Numbers without a text of their own hold one blank, never nothing:
        // an empty entry would make captions collapse.
        EXPECT_FALSE(line.text.empty()) << "text " << n;
    }
}

TEST(DefaultTexts, QuotedTextsAreExact) {
    const struct {
        int number;
        const char* text;
    } cases[] = {
        // main window, options, new/open dialogs
        {0, "Begin"},
        {9, "None Configuration Opened "},
        {10, "Use Step1 to open or create new configuration"},
        {11, "Opened Configuration of the Converter : "},
        {18, "Error! Project not Valid"},
        {83, " "},
        {99, " "},
        {106, "Error! Name project is not valid because directory already exists"},
        {304, "Selected Language : "},
        {306, " / "},
        {317, " to "},
        // parameter window, including a placeholder and derived octet texts
        {416, "Insert First byte of Primary DNS"},
        {1052, "Error Primary DNS!! DNS 2 must be between 0 and 255"},
        {1321, "Error EtherNet/IP!! Number Byte Input must be between 0 and "},
        {1408, "Error LoRaWAN!! Diagnostic Position must be between 0 and %d"},
        // rows shared by every table
        {1500, "Row Already used. Do you want to overwrite the values?"},
        {1502, "Error!!! Copy a valid row before Paste it"},
        {1505, "File already exists. Do you want to overwrite?"},
        // update dialog
        {1600, "Update Device by Serial"},
        {1637, "Error!!! Check the Ip Address"},
        {1638, "Error!!! The updater ended with the error code %d"},
        {1641, "Updating the device..."},
        {1643, "The updater is still running after %d seconds. It goes on by itself: wait until it has ended "
               "before you switch the device off."},
        {1644, " "},
        // LoRaWAN window and its questions kept in another block
        {3346, "Are you sure to delete the Row number %d in Devices List Grid?"},
        {5400, "LoRaWAN Gateway Access"},
        {5501, "Error Device %d, UpLink Rule %d!! Value Test must have %d bytes (%d characters)"},
        // Modbus and BACnet tables
        {1768, "Error row "},
        {1772, "!! [Modbus Read] NPoint must be between 1 and "},
        {1788, "Are you sure to delete the Row number "},
        {2057, "Select the BACnet Type in the \"Set Communication\" section"},
        {2235, "!! [BACnet in Read] Length with variable \"Analog Input\" must be between 1 and 4"},
        // CAN family
        {2450, " or None"},
        {2453, "!! Byte4 must be between 0 and "},
        // the one text with typographic quotation marks
        {3010, "Use \u201cNone\u201d to not pass the byte from DeviceNet to LoRaWAN"},
        // OPC UA, SNMP, EtherNet/IP, S7, KNX
        {4200, "Error in Server Number %d in Read Variable %d!! Position must be between 0 and %d"},
        {4687, " and "},
        {4776, "!! [SNMP Read] Community Name is not correct (allowed characters are \"a\"..\"z\", \"A\"..\"Z\" and \"0\"..\"9\")"},
        {4943, "Insert the Instance Target To Oginator (T > O). Default Value 1"},
        {5015, "Error!! No Valid Connection found"},
        {5187, "!! [S7comm Read] Device support 10 connection"},
        // the S7 table asks its delete question with the first free number of its block
        {5225, "Are you sure to delete the Row number "},
        {5357, "!! [KNX in Write] Bit Mode must be \"No\" or between 0 and 7"},
        {5599, " "},
    };
    const auto& lines = Lines();
    ASSERT_EQ(lines.size(), static_cast<size_t>(kTextCount));
    for (const auto& c : cases)
        EXPECT_EQ(lines[static_cast<size_t>(c.number)].text, c.text) << "text " << c.number;
}

TEST(DefaultTexts, RepeatedWordingStaysIdentical) {
    // Windows that share wording quote it once and refer to it; the copies
    // must not drift apart (e.g. a missing trailing blank in one of them).
    const std::vector<std::vector<int>> groups = {
        {1503, 4808},
        {19, 314},
        {1710, 1865, 4910, 5110, 5410},
        {1788, 1861, 2458, 4940},
    };
    const auto& lines = Lines();
    ASSERT_EQ(lines.size(), static_cast<size_t>(kTextCount));
    for (const auto& group : groups)
        for (int n : group)
            EXPECT_EQ(lines[static_cast<size_t>(n)].text, lines[static_cast<size_t>(group[0])].text)
                << "text " << n << " differs from text " << group[0];
}
