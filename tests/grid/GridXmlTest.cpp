#include <gtest/gtest.h>

#include "ExchangeTestSupport.h"
#include "grid/GridXml.h"

using namespace grid;
using namespace exchange_test;

TEST(GridXml, EscapesAndUnescapesCellTexts) {
    const struct {
        const char* text;
        const char* escaped;
    } cases[] = {
        {"a&b<c>", "a$amp;b&lt;c&gt;"},
        {"&lt;", "$amp;lt;"},
        {"say \"hi\"", "say &quot;hi&quot;"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(XmlEscapeCell(c.text), c.escaped) << c.text;
        EXPECT_EQ(XmlUnescapeCell(c.escaped), c.text) << c.text;
    }
}

TEST(GridXml, SavesTheStoredDocumentWithFieldNames) {
    TExtStringGrid g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(2);
    g.SetCells(0, 0, "a&b<c>");
    g.SetCells(1, 0, "\"q\"");
    g.SetCells(2, 0, "x");
    g.SetCells(1, 1, "2");
    plat::TStrings names;
    names.Add("Name");
    names.Add("Age");
    const std::string path = Scratch("out.xml");
    g.SaveToXML(path, "list", "rec", &names);
    EXPECT_EQ(ReadBytes(path), Stored("fields.xml"));
}

TEST(GridXml, RoundTripsAndReadsForeignEntities) {
    TExtStringGrid g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(3);
    const std::vector<std::string> texts = {"a&b<c>", "&lt;", "caf\xC3\xA9", "1,2", "q\"", "tab\there"};
    for (int i = 0; i < 6; ++i) g.SetCells(i % 3, i / 3, texts[size_t(i)]);
    for (int c = 0; c < 3; ++c) g.SetCells(c, 2, "r" + std::to_string(c));
    const std::string path = Scratch("rt.xml");
    g.SaveToXML(path, "grid", "row", nullptr);
    TExtStringGrid back(nullptr);
    back.LoadFromXML(path);
    EXPECT_EQ(CellsOf(back), CellsOf(g));

    const std::string foreign = Scratch("foreign.xml");
    WriteBytes(foreign, "<list><r><a>x &amp; y</a><b>p $amp; q</b></r></list>");
    TExtStringGrid f(nullptr);
    f.LoadFromXML(foreign);
    EXPECT_EQ(f.Cells(0, 0), "x & y");
    EXPECT_EQ(f.Cells(1, 0), "p & q");
}

// The declaration names the encoding the bytes are in, and what the grid
// writes it reads back: characters the encoding lacks go as references.
TEST(GridXml, TheDeclaredEncodingIsTheOneWritten) {
    const std::string texts[] = {"caf\xC3\xA9", "\xE2\x82\xAC 5", "\xCE\xA9", "\xE4\xB8\xAD\xF0\x9F\x98\x80"};
    const struct {
        const char* encoding;  // empty: the grid's default
        std::string declared;
        std::string first;  // the first cell line as written
        std::string second;
    } cases[] = {
        {"", "ISO-8859-1", "<FIELD0>caf\xE9</FIELD0>", "<FIELD1>&#8364; 5</FIELD1>"},
        {"latin1", "latin1", "<FIELD0>caf\xE9</FIELD0>", "<FIELD1>&#8364; 5</FIELD1>"},
        {"UTF-8", "UTF-8", "<FIELD0>caf\xC3\xA9</FIELD0>", "<FIELD1>\xE2\x82\xAC 5</FIELD1>"},
        {"us-ascii", "us-ascii", "<FIELD0>caf&#233;</FIELD0>", "<FIELD1>&#8364; 5</FIELD1>"},
    };
    for (const auto& c : cases) {
        TExtStringGrid g(nullptr);
        g.SetColCount(4);
        g.SetRowCount(2);
        if (*c.encoding) g.SetXMLEncoding(c.encoding);
        for (int i = 0; i < 4; ++i) g.SetCells(i, 1, texts[i]);
        const std::string path = Scratch("enc.xml");
        g.SaveToXML(path, "grid", "row", nullptr);
        const std::string bytes = ReadBytes(path);
        EXPECT_EQ(bytes.rfind("<?xml version=\"1.0\" encoding=\"" + c.declared + "\" ?>\r\n", 0), 0u) << bytes;
        EXPECT_NE(bytes.find(c.first + "\r\n" + c.second), std::string::npos) << c.declared << ": " << bytes;
        TExtStringGrid back(nullptr);
        back.LoadFromXML(path);
        for (int i = 0; i < 4; ++i) EXPECT_EQ(back.Cells(i, 1), texts[i]) << c.declared << " " << i;
    }
}

TEST(GridXml, AnEncodingThatCannotBeWrittenWritesNothing) {
    const struct {
        const char* name;
        const char* encoding;
        const char* field;
        const char* message;
    } cases[] = {
        {"unknown encoding", "windows-1252", "Name", "windows-1252"},
        {"name beyond the encoding", "ISO-8859-1", "\xCE\xA9", "element name"},
    };
    for (const auto& c : cases) {
        TExtStringGrid g(nullptr);
        g.SetCells(0, 1, "x");
        g.SetXMLEncoding(c.encoding);
        plat::TStrings names;
        names.Add(c.field);
        const std::string path = Scratch("refused.xml");
        std::filesystem::remove(path);
        try {
            g.SaveToXML(path, "grid", "row", &names);
            ADD_FAILURE() << c.name;
        } catch (const EExtGridError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
        EXPECT_FALSE(std::filesystem::exists(path)) << c.name;
    }
}

TEST(GridXml, EmptyCellsAndFieldDescriptions) {
    TExtStringGrid g(nullptr);
    g.SetColCount(2);
    g.SetRowCount(1);
    g.SetCells(1, 0, "v");
    const std::string path = Scratch("empty.xml");
    g.SaveToXML(path, "l", "r", nullptr, true);
    EXPECT_NE(ReadBytes(path).find("<FIELD0>&quot;&quot;</FIELD0>"), std::string::npos);
    TExtStringGrid back(nullptr);
    back.LoadFromXML(path);
    EXPECT_EQ(back.Cells(0, 0), "");
    EXPECT_EQ(back.Cells(1, 0), "v");

    const std::string named = Scratch("named.xml");
    WriteBytes(named, Stored("fields.xml"));
    TExtStringGrid d(nullptr);
    d.LoadFromXML(named, false, true);
    EXPECT_EQ(d.Cells(0, 0), "Name");
    EXPECT_EQ(d.Cells(1, 0), "Age");
    EXPECT_EQ(d.Cells(0, 1), "a&b<c>");
    EXPECT_EQ(d.Cells(0, 2), "2") << "left-out fields shift the row's cells left";
}

TEST(GridXml, RefusedDocumentsLeaveTheGridAsItWas) {
    TExtStringGrid g(nullptr);
    g.SetCells(1, 1, "kept");
    EXPECT_THROW(g.LoadFromXML(Scratch("missing.xml")), std::runtime_error);
    const std::string bad = Scratch("bad.xml");
    WriteBytes(bad, "<list><r><a>x</r>");
    try {
        g.LoadFromXML(bad);
        ADD_FAILURE();
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()).rfind("XMLDOM Parsing error", 0), 0u) << e.what();
    }
    EXPECT_EQ(g.Cells(1, 1), "kept");
    EXPECT_EQ(g.RowCount(), 10);
}
