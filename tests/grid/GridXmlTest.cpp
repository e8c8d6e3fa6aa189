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
