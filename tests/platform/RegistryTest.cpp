#include "platform/Registry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

namespace fs = std::filesystem;
using plat::TRegistry;

namespace {

std::string OutPath(const std::string& name) {
    const fs::path dir = fs::path(VASTRIMO_TEST_OUT) / "registry" / name;
    fs::remove_all(dir);
    fs::create_directories(dir);
    return (dir / "registry.ini").string();
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

const std::string Key = "Software\\Vastrimo\\Grid";

// Sets an environment variable for one scope and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~ScopedEnv() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

}  // namespace

// Whatever is stored comes back from a fresh instance reading the file.
TEST(Registry, ValuesSurviveTheFile) {
    const std::string path = OutPath("roundtrip");
    const struct { std::string name; std::string value; } cases[] = {
        {"Plain", "text"},
        {"Blanks", "  both ends  "},
        {"Empty", ""},
        {"", "default value"},
        {"Path", "C:\\Program Files\\x\\"},
        {"Lines", "one\ntwo\r\nthree"},
        {"Looks like a section", "[Other]"},
        {"Equals", "a=b==c"},
        {"name=with=equals", "v"},
        {"[bracket", "v"},
        {";semicolon", "v"},
        {"#hash", "v"},
        {" spaced name ", " v "},
        {"Trailing\\", "\\"},
        {"Unicode", "Grüße €"},
    };
    {
        TRegistry reg(path);
        for (const auto& c : cases) ASSERT_TRUE(reg.WriteString(Key, c.name, c.value)) << c.name;
    }
    TRegistry reg(path);
    for (const auto& c : cases) {
        EXPECT_TRUE(reg.ValueExists(Key, c.name)) << c.name;
        EXPECT_EQ(reg.ReadString(Key, c.name, "missing"), c.value) << c.name;
    }
    std::vector<std::string> names;
    for (const auto& c : cases) names.push_back(c.name);
    EXPECT_EQ(reg.ValueNames(Key), names);
}

TEST(Registry, FileIsReadableIni) {
    const std::string path = OutPath("layout");
    TRegistry reg(path);
    ASSERT_TRUE(reg.WriteString(Key, "Width", "120"));
    ASSERT_TRUE(reg.WriteInteger("Software\\Other", "Count", -3));
    ASSERT_TRUE(reg.WriteBool(Key, "Visible", true));
    EXPECT_EQ(ReadText(path),
              "[Software\\Vastrimo\\Grid]\nWidth=120\nVisible=1\n\n[Software\\Other]\nCount=-3\n");
}

// The plain ini form keeps a backslash as a backslash, writes CR LF line
// ends, and refuses what it cannot hold rather than write a broken file.
TEST(Registry, PlainFormStandsAsWritten) {
    const std::string path = OutPath("plain");
    TRegistry reg(path, plat::TIniForm::Plain);
    ASSERT_TRUE(reg.WriteString("Print", "TitleText", "C:\\new\\table"));
    ASSERT_TRUE(reg.WriteString("Print", "Lines", "A\\nB"));
    ASSERT_TRUE(reg.WriteString("Other", "Unicode", "Gr\xC3\xBC\xC3\x9F"
                                                   "e \xE2\x82\xAC"));
    EXPECT_EQ(ReadText(path), "[Print]\r\nTitleText=C:\\new\\table\r\nLines=A\\nB\r\n\r\n[Other]\r\n"
                              "Unicode=Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC\r\n");
    const std::string before = ReadText(path);
    const struct {
        const char* name;
        const char* value;
    } refused[] = {{"Break", "a\nb"}, {"CR", "a\rb"}, {"a=b", "v"}, {"[x", "v"}, {";x", "v"}, {"#x", "v"}};
    for (const auto& r : refused) {
        EXPECT_FALSE(reg.WriteString("Print", r.name, r.value)) << r.name;
        EXPECT_EQ(ReadText(path), before) << r.name;
    }
    const TRegistry again(path, plat::TIniForm::Plain);
    EXPECT_EQ(again.ReadString("Print", "TitleText"), "C:\\new\\table");
    EXPECT_EQ(again.ReadString("Print", "Lines"), "A\\nB");
}

// A plain-form reader still reads what the escaped form wrote, and a file
// in the plain form that only looks like it is read as it stands.
TEST(Registry, PlainFormReadsTheEscapedForm) {
    const struct {
        const char* name;
        std::string file;
        std::string value;
    } cases[] = {
        {"escaped", "[K]\nV=C:\\\\new\\nline\n", "C:\\new\nline"},
        {"plain with CR LF", "[K]\r\nV=C:\\\\new\r\n", "C:\\\\new"},
        {"plain without a doubled backslash", "[K]\nV=C:\\new\n", "C:\\new"},
        {"plain with another escape", "[K]\nV=C:\\\\x\\t\n", "C:\\\\x\\t"},
    };
    for (const auto& c : cases) {
        const std::string path = OutPath("plain-reads");
        {
            std::ofstream out(path, std::ios::binary);
            out << c.file;
        }
        EXPECT_EQ(TRegistry(path, plat::TIniForm::Plain).ReadString("K", "V"), c.value) << c.name;
    }
}

// Keys and names match as the registry matches them; the first spelling stays.
TEST(Registry, KeysAndNamesIgnoreCase) {
    const std::string path = OutPath("case");
    TRegistry reg(path);
    ASSERT_TRUE(reg.WriteString("Software\\Vastrimo", "Width", "1"));
    ASSERT_TRUE(reg.WriteString("SOFTWARE\\vastrimo\\", "WIDTH", "2"));
    ASSERT_TRUE(reg.WriteString("\\software\\VASTRIMO", "Height", "3"));
    EXPECT_EQ(reg.ReadString("software\\vastrimo", "width"), "2");
    EXPECT_EQ(reg.ValueNames("Software\\Vastrimo"), (std::vector<std::string>{"Width", "Height"}));
    EXPECT_EQ(ReadText(path), "[Software\\Vastrimo]\nWidth=2\nHeight=3\n");
}

TEST(Registry, KeysAndTheirSubKeys) {
    const std::string path = OutPath("keys");
    TRegistry reg(path);
    EXPECT_FALSE(reg.KeyExists("Software"));
    EXPECT_FALSE(reg.DeleteKey("Software"));
    ASSERT_TRUE(reg.WriteString("Software\\Vastrimo\\Grid\\Columns", "0", "a"));
    ASSERT_TRUE(reg.WriteString("Software\\Vastrimo\\Grid", "Look", "xp"));
    ASSERT_TRUE(reg.WriteString("Software\\Vastrimo\\Grid2", "Look", "flat"));

    // A parent exists although it holds no value of its own.
    EXPECT_TRUE(reg.KeyExists("Software"));
    EXPECT_TRUE(reg.KeyExists("Software\\Vastrimo"));
    EXPECT_FALSE(reg.KeyExists("Software\\Vast"));  // a prefix of a name is no parent
    EXPECT_FALSE(reg.KeyExists(""));

    // Deleting takes the sub-keys along, and nothing that merely shares a prefix.
    EXPECT_TRUE(reg.DeleteKey("Software\\Vastrimo\\Grid"));
    EXPECT_FALSE(reg.KeyExists("Software\\Vastrimo\\Grid"));
    EXPECT_FALSE(reg.KeyExists("Software\\Vastrimo\\Grid\\Columns"));
    EXPECT_EQ(reg.ReadString("Software\\Vastrimo\\Grid2", "Look"), "flat");
}

TEST(Registry, DeleteValue) {
    const std::string path = OutPath("deletevalue");
    TRegistry reg(path);
    ASSERT_TRUE(reg.WriteString(Key, "A", "1"));
    ASSERT_TRUE(reg.WriteString(Key, "B", "2"));
    EXPECT_TRUE(reg.DeleteValue(Key, "a"));
    EXPECT_FALSE(reg.DeleteValue(Key, "A"));
    EXPECT_FALSE(reg.DeleteValue("Software\\None", "B"));
    EXPECT_FALSE(reg.ValueExists(Key, "A"));
    EXPECT_EQ(reg.ReadString(Key, "B"), "2");
    EXPECT_TRUE(reg.KeyExists(Key));  // an empty key stays
}

TEST(Registry, NumbersAndFlags) {
    const std::string path = OutPath("numbers");
    TRegistry reg(path);
    const struct { const char* stored; int asInt; bool asBool; } cases[] = {
        {"0", 0, false},
        {"1", 1, true},
        {"-42", -42, true},
        {"2147483647", 2147483647, true},
        {"2147483648", 99, true},  // out of range: default
        {"", 99, true},
        {"12abc", 99, true},
        {" 5", 99, true},
        {"true", 99, true},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(reg.WriteString(Key, "N", c.stored));
        EXPECT_EQ(reg.ReadInteger(Key, "N", 99), c.asInt) << '"' << c.stored << '"';
        EXPECT_EQ(reg.ReadBool(Key, "N", true), c.asBool) << '"' << c.stored << '"';
    }
    EXPECT_FALSE(reg.ReadBool(Key, "Missing", false));
    EXPECT_TRUE(reg.ReadBool(Key, "Missing", true));
    ASSERT_TRUE(reg.WriteInteger(Key, "I", -2147483647 - 1));
    EXPECT_EQ(reg.ReadInteger(Key, "I", 0), -2147483647 - 1);
    ASSERT_TRUE(reg.WriteBool(Key, "B", false));
    EXPECT_FALSE(reg.ReadBool(Key, "B", true));
}

// A file edited by hand: BOM, CRLF, comments, stray lines.
TEST(Registry, ReadsHandEditedFile) {
    const std::string path = OutPath("handmade");
    {
        std::ofstream out(path, std::ios::binary);
        out << "\xEF\xBB\xBF; settings\r\norphan=1\r\n[Software\\A]\r\nx=1\r\nno equals sign\r\n"
               "# note\r\n[broken\r\ny=2\r\n[Software\\A]\r\nz=3\r\n";
    }
    TRegistry reg(path);
    EXPECT_EQ(reg.ReadString("Software\\A", "x"), "1");
    EXPECT_EQ(reg.ReadString("Software\\A", "z"), "3");  // a repeated section adds to the first
    EXPECT_FALSE(reg.ValueExists("Software\\A", "y"));
    EXPECT_FALSE(reg.KeyExists("broken"));
    EXPECT_EQ(reg.ValueNames("Software\\A"), (std::vector<std::string>{"x", "z"}));
}

// A registry file that exists but cannot be read must not be replaced by one
// holding only the new value.
TEST(Registry, UnreadableFileIsNotOverwritten) {
    const std::string path = OutPath("unreadable");
    fs::create_directories(path + "/keep");
    TRegistry reg(path);
    EXPECT_FALSE(reg.WriteString(Key, "A", "1"));
    EXPECT_FALSE(reg.DeleteKey(Key));
    EXPECT_EQ(reg.ReadString(Key, "A", "def"), "def");
    EXPECT_TRUE(fs::is_directory(path + "/keep"));
}

TEST(Registry, InvalidKeysAreRefused) {
    const std::string path = OutPath("invalid");
    TRegistry reg(path);
    for (const std::string key : {"", "\\", "\\\\", "Line\nBreak", "Cr\rKey"}) {
        EXPECT_FALSE(reg.WriteString(key, "A", "1")) << key;
        EXPECT_FALSE(reg.KeyExists(key)) << key;
    }
    EXPECT_FALSE(fs::exists(path));
}

TEST(Registry, WriteCreatesMissingFolders) {
    const std::string path = fs::path(OutPath("folders")).parent_path().string() + "/a/b/registry.ini";
    TRegistry reg(path);
    ASSERT_TRUE(reg.WriteString(Key, "A", "1"));
    EXPECT_EQ(TRegistry(path).ReadString(Key, "A"), "1");
}

TEST(Registry, DefaultPathFollowsConfigFolder) {
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", "/tmp/xdg conf");
        EXPECT_EQ(TRegistry::DefaultPath(), "/tmp/xdg conf/VastrimoFirmWare/registry.ini");
    }
    const struct { const char* name; const char* xdg; } fallbacks[] = {
        {"unset", nullptr}, {"empty", ""}, {"relative", "conf"}};
    for (const auto& c : fallbacks) {
        ScopedEnv xdg("XDG_CONFIG_HOME", c.xdg);
        ScopedEnv home("HOME", "/home/tester");
        EXPECT_EQ(TRegistry::DefaultPath(), "/home/tester/.config/VastrimoFirmWare/registry.ini") << c.name;
    }
}
