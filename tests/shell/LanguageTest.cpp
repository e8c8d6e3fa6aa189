#include <gtest/gtest.h>

#include <string>

#include "TestFolders.h"
#include "base/Resources.h"
#include "shell/Comon.h"
#include "shell/Language.h"

using shelltest::FreshFolder;
using shelltest::WriteBytes;

namespace {

// Every entry n holds "d<n>", so a replaced entry stands out.
base::TStringList NumberedTexts() {
    base::TStringList texts;
    for (int n = 0; n < shell::Lang_Text_Count; ++n)
        texts.Add("d" + std::to_string(n));
    return texts;
}

}  // namespace

TEST(DefaultTexts, TableParsedIntoAllNumbers) {
    base::TStringList texts;
    shell::Parse_Default_Texts("0\tBegin\r\n1\tStep 1\n9\tNone Configuration Opened \n"
                               "11\t \n12\t  two blanks before\n5599\tlast",
                               texts);
    ASSERT_EQ(texts.Count(), shell::Lang_Text_Count);
    EXPECT_EQ(texts[0], "Begin");
    EXPECT_EQ(texts[1], "Step 1");
    EXPECT_EQ(texts[2], " ");  // a number without a line holds one blank
    EXPECT_EQ(texts[9], "None Configuration Opened ");
    EXPECT_EQ(texts[11], " ");
    EXPECT_EQ(texts[12], "  two blanks before");
    EXPECT_EQ(texts[5599], "last");
}

TEST(DefaultTexts, LoadSetsLimitAndFullTable) {
    shell::Lang_Index_Limit = 7;
    shell::Load_Default_Texts();
    EXPECT_EQ(shell::Lang_Index_Limit, 5500);
    ASSERT_EQ(shell::Lang_Texts.Count(), shell::Lang_Text_Count);
    // Texts the shell itself shows, blanks that join them to other parts included.
    EXPECT_EQ(shell::Lang_Texts[9], "None Configuration Opened ");
    EXPECT_EQ(shell::Lang_Texts[11], "Opened Configuration of the Converter : ");
    EXPECT_EQ(shell::Lang_Texts[18], "Error! Project not Valid");
    EXPECT_EQ(shell::Lang_Texts[105], "Error! Name project is not valid");
    EXPECT_EQ(shell::Lang_Texts[106], "Error! Name project is not valid because directory already exists");
    EXPECT_EQ(shell::Lang_Texts[107], "Error! Name Project is not valid");
    EXPECT_EQ(shell::Lang_Texts[83], " ");
}

TEST(LangFile, LineRules) {
    const struct {
        const char* name;
        std::string lines;
        int number;            // the entry to look at
        std::string expected;  // its text afterwards ("d<n>" = unchanged)
    } cases[] = {
        {"plain", "STR12 = Hello", 12, "Hello"},
        {"blanks around everything", "   STR  12   =   Hello  ", 12, "Hello"},
        {"tab and control characters trimmed", "\tSTR12 = Hello\x01", 12, "Hello"},
        {"char before = is never the number", "STR12= Hello", 1, "Hello"},
        {"so text 12 stays", "STR12= Hello", 12, "d12"},
        {"multi-byte char before =", "STR12\xC3\xA9= x", 12, "x"},
        {"lower-case str ignored", "str12 = Hello", 12, "d12"},
        {"no = ignored", "STR12 Hello", 12, "d12"},
        {"no number ignored", "STR = Hello", 12, "d12"},
        {"number not integer", "STRxy = Hello", 12, "d12"},
        {"hexadecimal with $", "STR$C = Hex", 12, "Hex"},
        {"hexadecimal with 0x", "STR0x0C = Hex", 12, "Hex"},
        {"empty text keeps entry", "STR12 = ", 12, "d12"},
        {"= inside the text", "STR12 = a = b", 12, "a = b"},
        {"comment cut with blanks before it", "STR12 = Hello   /#/ note", 12, "Hello"},
        {"only a comment keeps entry", "STR12 = /#/ note", 12, "d12"},
        {"pilcrows keep outer blanks", "STR12 = \xC2\xB6  Hi  \xC2\xB6", 12, "  Hi  "},
        {"pilcrows and a comment", "STR12 = \xC2\xB6 Hi \xC2\xB6 /#/ x", 12, " Hi "},
        {"two pilcrows make it empty", "STR12 = \xC2\xB6\xC2\xB6", 12, ""},
        {"opening pilcrow only", "STR12 = \xC2\xB6" "ab", 12, "ab"},
        {"pilcrow inside ends the text", "STR12 = a\xC2\xB6" "b", 12, "a"},
        {"last replaceable number", "STR5499 = x", 5499, "x"},
        {"5500 belongs to the built-in block", "STR5500 = x", 5500, "d5500"},
        {"negative number", "STR-1 = x", 0, "d0"},
        {"later line wins", "STR12 = first\r\nSTR12 = second", 12, "second"},
        {"CR line ends", "STR11 = a\rSTR12 = b\r", 12, "b"},
        {"bad line does not stop the rest", "STR12 Hello\nSTR12 = ok", 12, "ok"},
        {"heading lines ignored", "[Italiano]\n; comment\n\nSTR12 = x", 12, "x"},
    };
    for (const auto& c : cases) {
        base::TStringList texts = NumberedTexts();
        shell::Apply_Lang_Lines(c.lines, texts, 5500);
        EXPECT_EQ(texts[c.number], c.expected) << c.name;
        EXPECT_EQ(texts.Count(), shell::Lang_Text_Count) << c.name;
    }
}

TEST(LangFile, EncodingsByByteOrderMark) {
    const std::string dir = FreshFolder("lang_encodings");
    const std::u16string line = u"STR12 = Caf\u00e9\r\n";
    auto utf16 = [&](bool bigEndian) {
        std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
        for (char16_t ch : line) {
            const char hi = static_cast<char>(ch >> 8), lo = static_cast<char>(ch & 0xFF);
            bytes += bigEndian ? std::string{hi, lo} : std::string{lo, hi};
        }
        return bytes;
    };
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"utf8 bom", "\xEF\xBB\xBFSTR12 = Caf\xC3\xA9\r\n"},
        {"utf8 without bom", "STR12 = Caf\xC3\xA9\n"},
        {"utf16 le", utf16(false)},
        {"utf16 be", utf16(true)},
        {"western code page", "STR12 = Caf\xE9\n"},
    };
    for (const auto& c : cases) {
        const std::string path = dir + "/test.lng";
        WriteBytes(path, c.bytes);
        shell::Lang_Texts = NumberedTexts();
        shell::Lang_Index_Limit = 5500;
        EXPECT_TRUE(shell::Read_Lang_File(path)) << c.name;
        EXPECT_EQ(shell::Lang_Texts[12], "Caf\xC3\xA9") << c.name;
    }
}

TEST(LangFile, UnreadableFileLeavesTexts) {
    const std::string dir = FreshFolder("lang_unreadable");
    shell::Lang_Texts = NumberedTexts();
    std::string error;
    EXPECT_FALSE(shell::Read_Lang_File(dir + "/missing.lng", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(shell::Lang_Texts[12], "d12");
    EXPECT_EQ(shell::Lang_Texts.Count(), shell::Lang_Text_Count);
}

TEST(LoadLanguage, FallsBackToEnglishThenBuiltIn) {
    base::TStringList builtIn;
    const auto table = base::FindResource("texts/default.txt");
    shell::Parse_Default_Texts(table ? *table : std::string_view(), builtIn);

    const struct {
        const char* name;
        const char* chosen;
        bool italianFile, englishFile;
        std::string expected12;
        const char* nameAfter;
    } cases[] = {
        {"chosen file applies", "Italiano", true, true, "it", "Italiano"},
        {"missing file falls back to English.lng", "Deutsch", true, true, "en", "English"},
        {"no file at all keeps the built-in texts", "Deutsch", false, false, builtIn[12], "English"},
        {"a name reaching outside LANGUAGE", "../lang_load/Italiano", true, true, "en", "English"},
        // The Options list offers "Deutsch.LNG" as "Deutsch": that file loads.
        {"extension in capitals", "Deutsch", true, true, "de", "Deutsch"},
    };
    for (const auto& c : cases) {
        shell::Language_Dir = FreshFolder("lang_load");
        if (c.italianFile)
            WriteBytes(shell::Language_Dir + "/Italiano.lng", "STR12 = it\n");
        if (c.englishFile)
            WriteBytes(shell::Language_Dir + "/English.lng", "STR12 = en\n");
        if (std::string(c.expected12) == "de")
            WriteBytes(shell::Language_Dir + "/Deutsch.LNG", "STR12 = de\n");
        shell::Lang_Texts = NumberedTexts();  // a load starts afresh from the defaults
        shell::Language_Name = c.chosen;
        shell::Load_Language();
        EXPECT_EQ(shell::Lang_Texts[12], c.expected12) << c.name;
        EXPECT_EQ(shell::Lang_Texts[13], builtIn[13]) << c.name;
        EXPECT_EQ(shell::Language_Name, c.nameAfter) << c.name;
    }
    shell::Language_Name = shell::Default_Language_Name;
}
