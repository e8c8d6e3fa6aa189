#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/Files.h"
#include "base/StringList.h"

using namespace base;
using Items = std::vector<std::string>;

namespace {

Items ItemsOf(const TStringList& list) { return Items(list.begin(), list.end()); }

TStringList ListOf(const Items& items) {
    TStringList list;
    for (const auto& s : items) list.Add(s);
    return list;
}

}  // namespace

TEST(StringList, EditsKeepObjectsBesideTheirStrings) {
    int a = 1, b = 2, c = 3;
    TStringList list;
    EXPECT_EQ(list.AddObject("a", &a), 0);
    EXPECT_EQ(list.AddObject("b", &b), 1);
    list.Insert(0, "first");
    list.Insert(3, "last");
    list.SetObject(3, &c);
    EXPECT_EQ(ItemsOf(list), (Items{"first", "a", "b", "last"}));
    EXPECT_EQ(list.Objects(0), nullptr);
    EXPECT_EQ(list.Objects(1), &a);

    list.Exchange(1, 3);
    EXPECT_EQ(ItemsOf(list), (Items{"first", "last", "b", "a"}));
    EXPECT_EQ(list.Objects(1), &c);
    EXPECT_EQ(list.Objects(3), &a);

    list.Move(0, 3);
    EXPECT_EQ(ItemsOf(list), (Items{"last", "b", "a", "first"}));
    EXPECT_EQ(list.Objects(2), &a);
    list.Move(3, 0);
    EXPECT_EQ(ItemsOf(list), (Items{"first", "last", "b", "a"}));

    list.Delete(1);
    EXPECT_EQ(ItemsOf(list), (Items{"first", "b", "a"}));
    EXPECT_EQ(list.Objects(1), &b);
    list.SetString(0, "zero");
    list[2] = "two";
    EXPECT_EQ(list.Strings(0), "zero");
    EXPECT_EQ(list[2], "two");
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST(StringList, BadIndexesThrowWithTheIndex) {
    TStringList list = ListOf({"x"});
    try {
        (void)list[5];
        FAIL();
    } catch (const std::out_of_range& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (5)");
    }
    EXPECT_THROW((void)list[-1], std::out_of_range);
    EXPECT_THROW(list.Delete(1), std::out_of_range);
    EXPECT_THROW(list.Insert(2, "y"), std::out_of_range);
    EXPECT_THROW(list.Objects(1), std::out_of_range);
    EXPECT_THROW(list.Exchange(0, 1), std::out_of_range);
    EXPECT_THROW(list.Move(0, 1), std::out_of_range);
    EXPECT_EQ(ItemsOf(list), Items{"x"});
}

TEST(StringList, IndexOfIgnoresCaseUnlessAsked) {
    TStringList list = ListOf({"Alpha", "beta", "alpha"});
    EXPECT_EQ(list.IndexOf("ALPHA"), 0);
    EXPECT_EQ(list.IndexOf("gamma"), -1);
    list.SetCaseSensitive(true);
    EXPECT_EQ(list.IndexOf("alpha"), 2);
    EXPECT_EQ(list.IndexOf("BETA"), -1);
}

TEST(StringList, SortedListsFollowDuplicatesRule) {
    const struct { TDuplicates dup; Items items; int lastIndex; } cases[] = {
        {TDuplicates::dupIgnore, {"a", "B", "c"}, -1},
        {TDuplicates::dupAccept, {"a", "B", "b", "c"}, 2},
    };
    for (const auto& c : cases) {
        TStringList list;
        list.SetDuplicates(c.dup);
        list.SetSorted(true);
        list.Add("c");
        list.Add("a");
        list.Add("B");
        EXPECT_EQ(list.Add("b"), c.lastIndex);
        EXPECT_EQ(ItemsOf(list), c.items);
        int at = -1;
        EXPECT_TRUE(list.Find("B", at));
        EXPECT_EQ(at, 1);
        EXPECT_FALSE(list.Find("bb", at));
        EXPECT_EQ(at, c.dup == TDuplicates::dupIgnore ? 2 : 3);  // insert point
        EXPECT_EQ(list.IndexOf("C"), list.Count() - 1);
    }
    TStringList strict;
    strict.SetDuplicates(TDuplicates::dupError);
    strict.SetSorted(true);
    strict.Add("x");
    EXPECT_THROW(strict.Add("X"), std::invalid_argument);
    EXPECT_EQ(strict.Count(), 1);
    EXPECT_THROW(strict.Insert(0, "a"), std::logic_error);
    EXPECT_THROW(strict.SetString(0, "a"), std::logic_error);
}

TEST(StringList, SortingKeepsObjectsAndEqualItemsInOrder) {
    int o[4] = {};
    TStringList list;
    list.AddObject("b", &o[0]);
    list.AddObject("A", &o[1]);
    list.AddObject("a", &o[2]);
    list.AddObject("C", &o[3]);
    list.SetSorted(true);  // case-insensitive: "A" and "a" tie and keep their order
    EXPECT_EQ(ItemsOf(list), (Items{"A", "a", "b", "C"}));
    EXPECT_EQ(list.Objects(0), &o[1]);
    EXPECT_EQ(list.Objects(3), &o[3]);

    list.SetSorted(false);
    list.SetCaseSensitive(true);
    list.Sort();
    EXPECT_EQ(ItemsOf(list), (Items{"A", "C", "a", "b"}));

    // A custom order: by length, longest first.
    TStringList words = ListOf({"io", "modbus", "can", "bacnet"});
    words.CustomSort([](const TStringList& l, int a, int b) {
        return static_cast<int>(l[b].size()) - static_cast<int>(l[a].size());
    });
    EXPECT_EQ(ItemsOf(words), (Items{"modbus", "bacnet", "can", "io"}));
}

TEST(StringList, NamesAndValues) {
    TStringList list = ListOf({"IP=192.168.1.10", "Mask=255.255.255.0", "Note", "Empty=", "Eq=a=b"});
    EXPECT_EQ(list.Names(0), "IP");
    EXPECT_EQ(list.ValueFromIndex(0), "192.168.1.10");
    EXPECT_EQ(list.Names(2), "");
    EXPECT_EQ(list.ValueFromIndex(2), "");
    EXPECT_EQ(list.Values("mask"), "255.255.255.0");
    EXPECT_EQ(list.Values("Eq"), "a=b");
    EXPECT_EQ(list.Values("Note"), "");
    EXPECT_EQ(list.IndexOfName("EMPTY"), 3);
    EXPECT_EQ(list.IndexOfName("Note"), -1);

    list.SetValue("IP", "10.0.0.1");
    list.SetValue("Gateway", "10.0.0.254");
    list.SetValue("Mask", "");
    EXPECT_EQ(ItemsOf(list), (Items{"IP=10.0.0.1", "Note", "Empty=", "Eq=a=b", "Gateway=10.0.0.254"}));
    list.SetValue("absent", "");
    EXPECT_EQ(list.Count(), 5);

    TStringList colon;
    colon.SetNameValueSeparator(':');
    colon.Add("Port:502");
    EXPECT_EQ(colon.Values("port"), "502");
}

TEST(StringList, TextSplitsAtEveryLineBreak) {
    const struct { const char* name; std::string text; Items items; } cases[] = {
        {"crlf", "a\r\nb\r\n", {"a", "b"}},
        {"lf", "a\nb\n", {"a", "b"}},
        {"cr", "a\rb\r", {"a", "b"}},
        {"mixed", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"blank lines", "a\r\n\r\n\nb", {"a", "", "", "b"}},
        {"lf cr is two breaks", "a\n\rb", {"a", "", "b"}},
        {"one break", "\r\n", {""}},
        {"empty", "", {}},
        {"no break", "single", {"single"}},
    };
    for (const auto& c : cases) {
        TStringList list;
        list.Add("old");
        list.SetText(c.text);
        EXPECT_EQ(ItemsOf(list), c.items) << c.name;
    }
    TStringList list = ListOf({"STR0=Open", "", "STR2=Close"});
    EXPECT_EQ(list.Text(), "STR0=Open\r\n\r\nSTR2=Close\r\n");
    list.SetLineBreak("\n");
    EXPECT_EQ(list.Text(), "STR0=Open\n\nSTR2=Close\n");
    EXPECT_EQ(TStringList().Text(), "");
}

TEST(StringList, CommaTextQuotesWhatWouldNotReadBack) {
    const struct { Items items; const char* text; } cases[] = {
        {{"a", "b", "c"}, "a,b,c"},
        {{"two words", "x"}, "\"two words\",x"},
        {{"a,b"}, "\"a,b\""},
        {{"say \"hi\""}, "\"say \"\"hi\"\"\""},
        {{"a", "", "b"}, "a,,b"},
        {{""}, "\"\""},
        {{"", ""}, ","},
        {{"a", ""}, "a,"},
        {{" lead", "tab\there"}, "\" lead\",\"tab\there\""},
        {{"caf\xC3\xA9"}, "caf\xC3\xA9"},
        {{}, ""},
    };
    for (const auto& c : cases) {
        TStringList list = ListOf(c.items);
        EXPECT_EQ(list.CommaText(), c.text);
        TStringList back;
        back.SetCommaText(c.text);
        EXPECT_EQ(ItemsOf(back), c.items) << c.text;
    }
}

TEST(StringList, CommaTextReadsLooseInput) {
    const struct { const char* text; Items items; } cases[] = {
        {"  a , b ,c  ", {"a", "b", "c"}},
        {"a b", {"a", "b"}},  // blanks separate unquoted items
        {"\"x y\" , z", {"x y", "z"}},
        {"\"open", {"open"}},  // an unclosed quote runs to the end
        {"\"ab\"cd", {"ab", "cd"}},
        {"a, ", {"a"}},
    };
    for (const auto& c : cases) {
        TStringList list;
        list.SetCommaText(c.text);
        EXPECT_EQ(ItemsOf(list), c.items) << c.text;
    }
}

TEST(StringList, DelimitedTextWithOwnDelimiterAndQuote) {
    TStringList list;
    list.SetDelimiter(';');
    list.SetQuoteChar('\'');
    list.SetStrictDelimiter(true);
    list.SetDelimitedText("Object name; Type;'a;b';'it''s';");
    EXPECT_EQ(ItemsOf(list), (Items{"Object name", " Type", "a;b", "it's", ""}));
    EXPECT_EQ(list.DelimitedText(), "Object name; Type;'a;b';'it''s';");
    // CommaText always uses comma and double quote, and leaves the settings alone.
    EXPECT_EQ(list.CommaText(), "\"Object name\",\" Type\",a;b,it's,");
    list.SetCommaText("p,q");
    EXPECT_EQ(ItemsOf(list), (Items{"p", "q"}));
    EXPECT_EQ(list.Delimiter(), ';');
    EXPECT_EQ(list.QuoteChar(), '\'');

    const Items tricky = {"", " pad ", "x;y", "q'q", "tab\t", ""};
    TStringList out = ListOf(tricky);
    for (bool strict : {true, false}) {
        out.SetDelimiter(';');
        out.SetQuoteChar('\'');
        out.SetStrictDelimiter(strict);
        TStringList back;
        back.SetDelimiter(';');
        back.SetQuoteChar('\'');
        back.SetStrictDelimiter(strict);
        back.SetDelimitedText(out.DelimitedText());
        EXPECT_EQ(ItemsOf(back), tricky) << out.DelimitedText() << " strict " << strict;
    }
}

TEST(StringList, AssignAndAddStrings) {
    int x = 0;
    TStringList src;
    src.AddObject("b", &x);
    src.Add("a");
    TStringList dst = ListOf({"old"});
    dst.Assign(src);
    EXPECT_EQ(ItemsOf(dst), (Items{"b", "a"}));
    EXPECT_EQ(dst.Objects(0), &x);
    dst.AddStrings(dst);
    EXPECT_EQ(ItemsOf(dst), (Items{"b", "a", "b", "a"}));

    TStringList sorted;
    sorted.SetSorted(true);
    sorted.AddStrings(dst);
    EXPECT_EQ(ItemsOf(sorted), (Items{"a", "b"}));
}

TEST(StringList, FilesRoundTripAndDecode) {
    const std::string dir = std::string(VASTRIMO_TEST_OUT) + "/stringlist";
    std::filesystem::remove_all(dir);
    ASSERT_TRUE(ForceDirectories(dir));

    TStringList list = ListOf({"STR0=Caf\xC3\xA9", "STR1=  spaced  "});
    std::string error;
    ASSERT_TRUE(list.SaveToFile(dir + "/out.lng", &error)) << error;
    std::string bytes;
    ASSERT_TRUE(ReadFileBytes(dir + "/out.lng", bytes));
    EXPECT_EQ(bytes, "STR0=Caf\xC3\xA9\r\nSTR1=  spaced  \r\n");  // UTF-8, no BOM

    TStringList back;
    ASSERT_TRUE(back.LoadFromFile(dir + "/out.lng", &error)) << error;
    EXPECT_EQ(ItemsOf(back), ItemsOf(list));

    std::ofstream(dir + "/old.lng", std::ios::binary) << "STR0=Caf\xE9\nSTR1=\x80";
    ASSERT_TRUE(back.LoadFromFile(dir + "/old.lng", &error)) << error;
    EXPECT_EQ(ItemsOf(back), (Items{"STR0=Caf\xC3\xA9", "STR1=\xE2\x82\xAC"}));

    std::ofstream(dir + "/wide.lng", std::ios::binary) << std::string("\xFF\xFE" "a\0\r\0\n\0b\0", 10);
    ASSERT_TRUE(back.LoadFromFile(dir + "/wide.lng", &error)) << error;
    EXPECT_EQ(ItemsOf(back), (Items{"a", "b"}));

    EXPECT_FALSE(back.LoadFromFile(dir + "/missing.lng", &error));
    EXPECT_NE(error.find("missing.lng"), std::string::npos);
    EXPECT_EQ(ItemsOf(back), (Items{"a", "b"})) << "a failed load must keep the list";
    EXPECT_FALSE(list.SaveToFile(dir + "/no/such/dir/x.lng", &error));
    EXPECT_NE(error.find("x.lng"), std::string::npos);
}
