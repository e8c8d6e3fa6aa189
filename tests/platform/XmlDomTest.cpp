#include "platform/XmlDom.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;
using plat::TXmlDocument;
using plat::TXmlNode;

namespace {

std::string OutDir(const std::string& name) {
    const fs::path dir = fs::path(VASTRIMO_TEST_OUT) / "xmldom" / name;
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir.string();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

const char* const SettingsBody =
    "<Conf_Settings><lastproj><projectname>Plant 7</projectname></lastproj></Conf_Settings>";

}  // namespace

// Whatever stands before the root, the root is the first element: a
// declaration must not turn every stored value into its default.
TEST(XmlDomRead, RootIsFirstElementWhateverPrecedesIt) {
    const struct { const char* name; std::string prefix; } cases[] = {
        {"nothing", ""},
        {"declaration", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"},
        {"declaration and newline", "<?xml version=\"1.0\"?>\r\n"},
        {"comment", "<!-- saved by hand -->\n"},
        {"blanks", "  \n\t\n"},
        {"byte order mark", "\xEF\xBB\xBF"},
        {"everything", "\xEF\xBB\xBF<?xml version=\"1.0\" standalone=\"yes\"?>\n<!-- a -->\n<!-- b -->\n  "},
    };
    for (const auto& c : cases) {
        TXmlDocument doc;
        std::string error;
        ASSERT_TRUE(doc.LoadFromString(c.prefix + SettingsBody, &error)) << c.name << ": " << error;
        const TXmlNode root = doc.Root();
        EXPECT_EQ(root.Name(), "Conf_Settings") << c.name;
        EXPECT_EQ(root.FindNode("lastproj").FindNode("projectname").Text(), "Plant 7") << c.name;
    }
}

// The stored layout other tools and older files rely on: root first, the
// version comment after it, no declaration.
TEST(XmlDomWrite, RootThenCommentWithoutDeclaration) {
    TXmlDocument doc;
    TXmlNode root = doc.AddRoot("Modbus");
    doc.AddComment("SW_VERSION = 1.000");
    TXmlNode section = root.AddChild("Modbus_Read");
    TXmlNode row = section.AddChild("row");
    row.SetAttribute("Enable", "Y");
    row.SetAttribute("Mnemonic", "pump");
    root.AddChild("Modbus_Write");
    EXPECT_EQ(doc.SaveToString(),
              "<Modbus>\n"
              "  <Modbus_Read>\n"
              "    <row Enable=\"Y\" Mnemonic=\"pump\" />\n"
              "  </Modbus_Read>\n"
              "  <Modbus_Write />\n"
              "</Modbus>\n"
              "<!--SW_VERSION = 1.000-->\n");
    EXPECT_EQ(doc.TopLevelComment(0), "SW_VERSION = 1.000");
    EXPECT_EQ(doc.TopLevelComment(1), "");
}

// A document loaded with a declaration and a leading comment is saved in the
// house layout; Clear forgets all of it.
TEST(XmlDomWrite, LoadedPreambleIsNotWrittenBack) {
    TXmlDocument doc;
    ASSERT_TRUE(doc.LoadFromString("<?xml version=\"1.0\"?>\n<!--SW_VERSION = 1.000-->\n<T><row a=\"1\"/></T>"));
    EXPECT_EQ(doc.TopLevelComment(0), "SW_VERSION = 1.000");
    EXPECT_EQ(doc.SaveToString(), "<T>\n  <row a=\"1\" />\n</T>\n<!--SW_VERSION = 1.000-->\n");

    // Loaded CDATA keeps its carriage return, which a reference cannot express there.
    ASSERT_TRUE(doc.LoadFromString("<T><c><![CDATA[a&#13;b]]></c></T>"));
    doc.Root().AddChild("t").SetText("x\r\ny");
    EXPECT_EQ(doc.SaveToString(), "<T>\n  <c><![CDATA[a&#13;b]]></c>\n  <t>x&#13;\ny</t>\n</T>\n");
    EXPECT_EQ(doc.Root().FindNode("c").Text(), "a&#13;b");

    doc.Clear();
    EXPECT_TRUE(doc.Root().IsNull());
    EXPECT_EQ(doc.TopLevelComment(0), "");
    // Comment added before the root still ends up after it.
    doc.AddComment("c");
    doc.AddRoot("R");
    EXPECT_EQ(doc.SaveToString(), "<R />\n<!--c-->\n");
}

// Cell texts are stored untrimmed and must come back byte for byte.
TEST(XmlDomRoundTrip, ValuesComeBackExactly) {
    const std::string values[] = {
        "",
        " leading",
        "trailing ",
        "  both  ",
        " ",
        "say \"hi\"",
        "it's",
        "a & b; &amp; stays literal",
        "<tag> and ]]>",
        "Grüße, €, 日本",
        "tab\there",
        "two\nlines",
        "cr\r\nlf",
        "0x1F",
    };
    const std::string dir = OutDir("roundtrip");
    const std::string path = dir + "/values.xml";
    {
        TXmlDocument doc;
        TXmlNode root = doc.AddRoot("Values");
        doc.AddComment("SW_VERSION = 1.000");
        for (const std::string& v : values) {
            TXmlNode row = root.AddChild("row");
            row.SetAttribute("Value", v);
            row.AddChild("text").SetText(v);
        }
        std::string error;
        ASSERT_TRUE(doc.SaveToFile(path, &error)) << error;
    }
    TXmlDocument doc;
    std::string error;
    ASSERT_TRUE(doc.LoadFromFile(path, &error)) << error;
    const TXmlNode root = doc.Root();
    ASSERT_EQ(root.ChildCount(), static_cast<int>(std::size(values)));
    for (int i = 0; i < root.ChildCount(); ++i) {
        const std::string& v = values[i];
        EXPECT_EQ(root.Child(i).Attribute("Value", "missing"), v) << "attribute #" << i;
        EXPECT_EQ(root.Child(i).FindNode("text").Text(), v) << "text #" << i;
    }
}

TEST(XmlDomRead, MalformedTextNamesLineAndColumn) {
    const struct {
        const char* name;
        std::string xml;
        std::string where;  // expected in the message
    } cases[] = {
        {"mismatched end", "<a>\n  <b>\n  </c>\n</a>", "line 3, column"},
        {"unclosed root", "<a>\n<b/>\n", "line"},
        {"bad attribute", "<a>\n<row x=1/>\n</a>", "line 2, column"},
        {"second root", "<a/>\n\n<b/>", "line 3, column"},
        {"empty", "", "line 1, column 1"},
        {"only a comment", "<!-- x -->", "line 1"},
        {"bad name", "<a>\n<1b/>\n</a>", "line 2, column"},
    };
    const std::string dir = OutDir("malformed");
    for (const auto& c : cases) {
        const std::string path = dir + "/" + c.name + ".xml";
        WriteBytes(path, c.xml);
        TXmlDocument doc;
        doc.AddRoot("Old");
        std::string error;
        EXPECT_FALSE(doc.LoadFromFile(path, &error)) << c.name;
        EXPECT_NE(error.find(path), std::string::npos) << c.name << ": " << error;
        EXPECT_NE(error.find(c.where), std::string::npos) << c.name << ": " << error;
        EXPECT_TRUE(doc.Root().IsNull()) << c.name;
        // Reading never touches the file, whatever the caller does next.
        EXPECT_EQ(ReadBytes(path), c.xml) << c.name;
    }
}

TEST(XmlDomRead, ColumnCountsCharactersNotBytes) {
    TXmlDocument doc;
    std::string error;
    EXPECT_FALSE(doc.LoadFromString("<a>\n<é x=1/></a>", &error));
    EXPECT_NE(error.find("line 2, column 6"), std::string::npos) << error;
}

TEST(XmlDomRead, MissingFileIsNamed) {
    const std::string path = OutDir("missing") + "/nothing here.xml";
    TXmlDocument doc;
    std::string error;
    EXPECT_FALSE(doc.LoadFromFile(path, &error));
    EXPECT_NE(error.find(path), std::string::npos) << error;
    EXPECT_FALSE(doc.LoadFromFile(OutDir("folder"), &error));
}

// A save that cannot complete leaves what was there and no stray temp files.
TEST(XmlDomWrite, FailedSaveKeepsOldFile) {
    const std::string dir = OutDir("failsave");
    TXmlDocument doc;
    doc.AddRoot("New");

    // Target is a folder: the final rename fails after the temp file exists.
    const std::string folderTarget = dir + "/target.xml";
    fs::create_directories(folderTarget + "/inside");
    std::string error;
    EXPECT_FALSE(doc.SaveToFile(folderTarget, &error));
    EXPECT_NE(error.find(folderTarget), std::string::npos) << error;
    EXPECT_TRUE(fs::is_directory(folderTarget + "/inside"));

    // Folder missing: nothing can be created.
    error.clear();
    EXPECT_FALSE(doc.SaveToFile(dir + "/no/such/folder/x.xml", &error));
    EXPECT_FALSE(error.empty());

    int entries = 0;
    for (const auto& e : fs::directory_iterator(dir)) {
        ++entries;
        EXPECT_EQ(e.path().filename(), "target.xml");
    }
    EXPECT_EQ(entries, 1);
}

TEST(XmlDomWrite, SaveReplacesFileAndKeepsItsMode) {
    const std::string dir = OutDir("replace");
    const std::string path = dir + "/ParGen.xml";
    WriteBytes(path, "<Old/>");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    TXmlDocument doc;
    doc.AddRoot("Par_Gen").AddChild("x").SetText("1");
    ASSERT_TRUE(doc.SaveToFile(path));
    EXPECT_EQ(ReadBytes(path), "<Par_Gen>\n  <x>1</x>\n</Par_Gen>\n");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    int entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir)) ++entries;
    EXPECT_EQ(entries, 1);
}

TEST(XmlDomNode, NavigationSkipsTextAndComments) {
    TXmlDocument doc;
    ASSERT_TRUE(doc.LoadFromString("<r>text<!--c--><a i=\"0\"/>more<b/><a i=\"2\"/></r>"));
    const TXmlNode r = doc.Root();
    EXPECT_EQ(r.ChildCount(), 3);
    EXPECT_EQ(r.Child(0).Name(), "a");
    EXPECT_EQ(r.Child(1).Name(), "b");
    EXPECT_EQ(r.Child(2).Attribute("i"), "2");
    EXPECT_TRUE(r.Child(3).IsNull());
    EXPECT_TRUE(r.Child(-1).IsNull());
    EXPECT_EQ(r.FindNode("a"), r.Child(0));
    EXPECT_TRUE(r.FindNode("A").IsNull());  // names are case-sensitive
    EXPECT_EQ(r.Text(), "textmore");
}

TEST(XmlDomNode, AttributesAndText) {
    TXmlDocument doc;
    TXmlNode row = doc.AddRoot("r").AddChild("row");
    row.SetAttribute("Enable", "Y");
    row.SetAttribute("Mnemonic", "");
    row.SetAttribute("Enable", "N");  // replaces, never duplicates
    EXPECT_EQ(row.AttributeCount(), 2);
    EXPECT_EQ(row.AttributeName(0), "Enable");
    EXPECT_EQ(row.AttributeName(1), "Mnemonic");
    EXPECT_EQ(row.AttributeName(2), "");
    EXPECT_EQ(row.Attribute("Enable"), "N");

    // An empty attribute exists; a missing one leaves the value untouched.
    std::string value = "keep";
    EXPECT_TRUE(row.GetAttribute("Mnemonic", value));
    EXPECT_EQ(value, "");
    value = "keep";
    EXPECT_FALSE(row.GetAttribute("Swap", value));
    EXPECT_EQ(value, "keep");
    EXPECT_FALSE(row.HasAttribute("Swap"));
    EXPECT_EQ(row.Attribute("Swap", "N"), "N");

    TXmlNode text = doc.Root().AddChild("ip");
    text.SetText("old");
    text.AddChild("junk");
    text.SetText("192.168.2.205");
    EXPECT_EQ(text.ChildCount(), 0);
    EXPECT_EQ(text.Text(), "192.168.2.205");
    text.SetText("");
    EXPECT_EQ(doc.SaveToString(), "<r>\n  <row Enable=\"N\" Mnemonic=\"\" />\n  <ip />\n</r>\n");
}

TEST(XmlDomNode, TextCollectsEveryLevelInDocumentOrder) {
    TXmlDocument doc;
    ASSERT_TRUE(doc.LoadFromString("<r>a<b>b<c>c</c><!--x-->d</b><![CDATA[e]]><f/>g</r>"));
    EXPECT_EQ(doc.Root().Text(), "abcdeg");
    EXPECT_EQ(doc.Root().FindNode("b").Text(), "bcd");

    // A hand-edited file may nest far deeper than any stack allows.
    const int depth = 200000;
    std::string xml = "<r><k>";
    for (int i = 0; i < depth; ++i) xml += "<a>";
    xml += "deep";
    for (int i = 0; i < depth; ++i) xml += "</a>";
    xml += "</k><k2>x</k2></r>";
    ASSERT_TRUE(doc.LoadFromString(xml));
    EXPECT_EQ(doc.Root().Text(), "deepx");
    EXPECT_EQ(doc.Root().FindNode("k").Text(), "deep");
}

TEST(XmlDomNode, NullHandleAnswersEmptily) {
    TXmlNode none;
    EXPECT_TRUE(none.IsNull());
    EXPECT_FALSE(static_cast<bool>(none));
    EXPECT_EQ(none.Name(), "");
    EXPECT_EQ(none.Text(), "");
    EXPECT_EQ(none.ChildCount(), 0);
    EXPECT_TRUE(none.Child(0).IsNull());
    EXPECT_TRUE(none.FindNode("x").IsNull());
    EXPECT_TRUE(none.AddChild("x").IsNull());
    EXPECT_EQ(none.Attribute("x", "d"), "d");
    none.SetAttribute("x", "1");
    none.SetText("t");
    EXPECT_EQ(none.AttributeCount(), 0);

    // A chain of lookups through missing elements ends in null, not a crash.
    TXmlDocument doc;
    ASSERT_TRUE(doc.LoadFromString("<Conf_Settings/>"));
    EXPECT_EQ(doc.Root().FindNode("lastinternet").FindNode("enable_update").Text(), "");
}

// Files saved by other tools in another encoding read as the same UTF-8 text.
TEST(XmlDomRead, OtherEncodingsBecomeUtf8) {
    const std::string utf16le("\xFF\xFE<\0a\0 \0v\0=\0\"\0\xE9\0\xAC\x20\"\0/\0>\0", 24);
    const struct { const char* name; std::string xml; std::string value; } cases[] = {
        {"latin-1 declared", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a v=\"\xE9\"/>", "\xC3\xA9"},
        {"utf-8 declared", "<?xml version=\"1.0\" encoding=\"UTF-8\"?><a v=\"\xC3\xA9\"/>", "\xC3\xA9"},
        {"utf-16 with byte order mark", utf16le, "\xC3\xA9\xE2\x82\xAC"},
    };
    for (const auto& c : cases) {
        TXmlDocument doc;
        std::string error;
        ASSERT_TRUE(doc.LoadFromString(c.xml, &error)) << c.name << ": " << error;
        EXPECT_EQ(doc.Root().Attribute("v"), c.value) << c.name;
    }
}

// Text parsed from memory has no file name: the message starts with where.
TEST(XmlDomRead, StringErrorStartsWithPosition) {
    TXmlDocument doc;
    std::string error;
    EXPECT_FALSE(doc.LoadFromString("<a>\n</b>", &error));
    EXPECT_EQ(error.rfind("line 2, column", 0), 0u) << error;
}

TEST(XmlDomRead, WalksChildElementsSkippingTextAndComments) {
    TXmlDocument doc;
    ASSERT_TRUE(doc.LoadFromString("<r>text<!-- c --><a/>more<p:b x='1'/><!-- d --></r>"));
    const TXmlNode a = doc.Root().FirstChild();
    const TXmlNode b = a.NextSibling();
    EXPECT_EQ(a.Name(), "a");
    EXPECT_EQ(b.Name(), "p:b");
    EXPECT_TRUE(b.HasLocalName("b"));
    EXPECT_TRUE(a.HasLocalName("a"));
    EXPECT_FALSE(b.HasLocalName("p:b"));
    EXPECT_FALSE(b.HasLocalName("bb"));
    EXPECT_EQ(b.AttributeView("x"), "1");
    EXPECT_EQ(b.AttributeView("y"), "");
    EXPECT_TRUE(b.NextSibling().IsNull());
    EXPECT_TRUE(TXmlNode().FirstChild().IsNull());
}

namespace {

// Walking siblings meets the elements only, in order; the attribute list
// gives names and values in document order.
TEST(XmlDomRead, SiblingWalkAndAttributeList) {
    TXmlDocument doc;
    ASSERT_TRUE(doc.LoadFromString("<r>text<a x=\"1\" y=\"\"/><!-- c --><b/> more <c/></r>"));
    std::string names;
    for (TXmlNode n = doc.Root().FirstChild(); !n.IsNull(); n = n.NextSibling()) names += n.Name();
    EXPECT_EQ(names, "abc");
    EXPECT_TRUE(doc.Root().FirstChild().FirstChild().IsNull());
    using TList = std::vector<std::pair<std::string_view, std::string_view>>;
    EXPECT_EQ(doc.Root().FirstChild().Attributes(), (TList{{"x", "1"}, {"y", ""}}));
    TList reused = {{"old", "entry"}};
    doc.Root().FirstChild().NextSibling().Attributes(reused);
    EXPECT_TRUE(reused.empty());
}

TEST(XmlDomWrite, AppendedAttributesKeepTheirOrder) {
    TXmlDocument doc;
    TXmlNode row = doc.AddRoot("r").AddChild("row");
    row.AppendAttribute("b", "2");
    row.AppendAttribute("a", std::string_view("1\0x", 1));
    EXPECT_EQ(doc.SaveToString(), "<r>\n  <row b=\"2\" a=\"1\" />\n</r>\n");
}

// Short names are compared with the parsed text a word at a time, reading
// past the name's end into the text after it: a name must not match one it
// only starts with or is the start of, at any length up to the longest
// compared at once and beyond, and a document read after another must not
// be taken for it.
TEST(XmlDomRead, FieldsMatchWholeNamesOnly) {
    constexpr std::string_view Names[] = {"Port", "Po", "FifteenCharName", "SixteenCharNames", "A"};
    const char* const cases[] = {
        "<Rule Por=\"1\" PortX=\"2\" P=\"3\" AB=\"4\" FifteenCharNam=\"5\" SixteenCharNamesX=\"6\"/>",
        "<Rule Port=\"1\" Po=\"2\" FifteenCharName=\"3\" SixteenCharNames=\"4\" A=\"5\"/>",
        "<Rule A=\"5\" SixteenCharNames=\"4\" FifteenCharName=\"3\" Po=\"2\" Port=\"1\"/>",
        "<Rule FifteenCharNameX=\"1\" SixteenCharName=\"2\" Port =\"3\" Po\t=\"4\"/>",
    };
    plat::TXmlFields fields;
    for (const char* text : cases) {
        // Padding after the element puts every name well inside the text.
        const std::string xml = std::string(text) + "<!--" + std::string(64, '-') + "x-->";
        TXmlDocument doc;
        ASSERT_TRUE(doc.LoadFromString(xml)) << text;
        const auto expectAsByName = [&](const TXmlNode& node) {
            fields.Read(node, Names);
            for (size_t i = 0; i < std::size(Names); ++i) {
                std::string_view byName;
                const bool has = node.GetAttributeView(Names[i], byName);
                EXPECT_EQ(fields.Has(i), has) << text << ": " << Names[i];
                EXPECT_EQ(fields.Value(i), has ? byName : std::string_view()) << text << ": " << Names[i];
            }
        };
        expectAsByName(doc.Root());
        TXmlDocument other;
        ASSERT_TRUE(other.LoadFromString("<Rule Port=\"9\" Po=\"9\" A=\"9\"/>" + std::string(64, ' ')));
        expectAsByName(other.Root());
        expectAsByName(doc.Root());
    }
}

// Records are read field by field in one pass, so the order of the
// attributes, ones the reader does not know, missing and empty ones and a
// name given twice must all come out as a lookup by name would give them.
TEST(XmlDomRead, FieldsReadInOnePassMatchLookupsByName) {
    constexpr std::string_view Names[] = {"Enable", "Port", "Time", "Mnemonic"};
    const struct {
        const char* name;
        const char* element;
    } cases[] = {
        {"in order", "<Rule Enable=\"Y\" Port=\"1\" Time=\"60\" Mnemonic=\"m\"/>"},
        {"reversed", "<Rule Mnemonic=\"m\" Time=\"60\" Port=\"1\" Enable=\"Y\"/>"},
        {"unknown between", "<Rule Enable=\"Y\" X=\"0\" Port=\"1\" Mnemonicx=\"n\" Mnemonic=\"\"/>"},
        {"missing", "<Rule Port=\"7\"/>"},
        {"given twice", "<Rule Port=\"1\" Port=\"2\" Enable=\"N\"/>"},
        {"none", "<Rule/>"},
    };
    plat::TXmlFields fields;
    for (const auto& c : cases) {
        TXmlDocument doc;
        ASSERT_TRUE(doc.LoadFromString(c.element)) << c.name;
        // A document built in memory holds its texts apart from any file.
        TXmlDocument built;
        TXmlNode copy = built.AddRoot("Rule");
        for (const auto& [name, value] : doc.Root().Attributes()) copy.AppendAttribute(name, value);
        for (const TXmlNode node : {doc.Root(), built.Root()}) {
            fields.Read(node, Names);
            for (size_t i = 0; i < std::size(Names); ++i) {
                std::string_view byName;
                const bool has = node.GetAttributeView(Names[i], byName);
                EXPECT_EQ(fields.Has(i), has) << c.name << ": " << Names[i];
                EXPECT_EQ(fields.Value(i), has ? byName : std::string_view()) << c.name << ": " << Names[i];
            }
        }
    }
}

}  // namespace
