#include <gtest/gtest.h>

#include <sstream>

#include "ExchangeTestSupport.h"
#include "grid/GridBinaryIO.h"
#include "grid/GridStreamEncoding.h"

using namespace grid;
using namespace exchange_test;

namespace {

// The bytes of one property entry: the record header and footer stripped.
std::string Entry(const std::function<void(TComponentWriter&)>& write) {
    TComponentWriter w;
    write(w);
    return w.Bytes();
}

std::string Hex(const std::string& s) {
    static const char* d = "0123456789ABCDEF";
    std::string r;
    for (unsigned char c : s) {
        if (!r.empty()) r += ' ';
        r += d[c >> 4];
        r += d[c & 15];
    }
    return r;
}

}  // namespace

TEST(GridStreamEncoding, ValuesAreWrittenToTheByte) {
    const struct {
        const char* name;
        std::function<void(TComponentWriter&)> write;
        const char* hex;  // after the one-byte name "P"
    } cases[] = {
        {"127", [](auto& w) { w.Integer("P", 127); }, "02 7F"},
        {"128", [](auto& w) { w.Integer("P", 128); }, "03 80 00"},
        {"-129", [](auto& w) { w.Integer("P", -129); }, "03 7F FF"},
        {"40000", [](auto& w) { w.Integer("P", 40000); }, "04 40 9C 00 00"},
        {"false", [](auto& w) { w.Boolean("P", false); }, "08"},
        {"abc", [](auto& w) { w.Text("P", "abc"); }, "06 03 61 62 63"},
        {"empty", [](auto& w) { w.Text("P", ""); }, "12 00 00 00 00"},
        {"e acute", [](auto& w) { w.Text("P", "\xC3\xA9"); }, "12 01 00 00 00 E9 00"},
        {"euro sign", [](auto& w) { w.Text("P", "a\xE2\x82\xAC"); }, "12 02 00 00 00 61 00 AC 20"},
        {"mixed", [](auto& w) { w.Text("P", "abc\xC3\xA9"); }, "14 05 00 00 00 61 62 63 C3 A9"},
        {"empty set", [](auto& w) { w.Set("P", {}); }, "0B 00"},
        {"red", [](auto& w) { w.Color("P", 0x000000FF); }, "07 05 63 6C 52 65 64"},
        {"unnamed colour", [](auto& w) { w.Color("P", 0x00123456); }, "04 56 34 12 00"},
        {"one", [](auto& w) { w.Float("P", 1.0); }, "05 00 00 00 00 00 00 00 80 FF 3F"},
    };
    for (const auto& c : cases) EXPECT_EQ(Hex(Entry(c.write)), "01 50 " + std::string(c.hex)) << c.name;
    const std::string longText(300, 'x');
    EXPECT_EQ(Hex(Entry([&](auto& w) { w.Text("P", longText); })).substr(0, 20), "01 50 0C 2C 01 00 00");
}

TEST(GridStreamEncoding, RecordsReadBackAndRefuseBadInput) {
    TComponentWriter w;
    w.Begin("TGridCellIO");
    w.Integer("Col", 70000);
    w.Text("Cell", "x\xC3\xA9");
    w.Float("V", -2.5);
    w.End();
    std::string bytes = w.Bytes();
    size_t pos = 0;
    TComponentRecord rec;
    std::string error;
    ASSERT_TRUE(ReadComponentRecord(bytes, pos, rec, error)) << error;
    EXPECT_EQ(pos, bytes.size());
    EXPECT_EQ(rec.ClassName, "TGridCellIO");
    ASSERT_EQ(rec.Properties.size(), 3u);
    EXPECT_EQ(rec.Properties[0].Value.Int, 70000);
    EXPECT_EQ(rec.Properties[1].Value.Text, "x\xC3\xA9");
    EXPECT_EQ(rec.Properties[2].Value.Float, -2.5);

    const struct {
        const char* name;
        std::string bytes;
        const char* error;
    } bad[] = {
        {"signature", "TPF1" + bytes.substr(4), "Invalid stream format"},
        {"truncated", bytes.substr(0, bytes.size() - 3), "Stream read error"},
        {"short", "TP", "Stream read error"},
    };
    for (const auto& b : bad) {
        pos = 0;
        EXPECT_FALSE(ReadComponentRecord(b.bytes, pos, rec, error)) << b.name;
        EXPECT_EQ(error, b.error) << b.name;
    }
    // A filer-flag prefix is accepted before the class name.
    std::string flagged = "TPF0\xF0" + bytes.substr(4);
    pos = 0;
    EXPECT_TRUE(ReadComponentRecord(flagged, pos, rec, error)) << error;
}

TEST(GridBinary, SavesTheStoredRectangleStream) {
    TExtStringGrid g(nullptr);
    g.SetCells(1, 1, "a");
    std::ostringstream out;
    g.SaveRectToBinStream(TGridRect{1, 1, 2, 1}, out);
    EXPECT_EQ(out.str(), Stored("rect.bin"));
    TBinGridData data;
    std::string error;
    ASSERT_TRUE(ReadCellStream(out.str(), data, error)) << error;
    EXPECT_EQ(data.ColCount, 2);
    EXPECT_EQ(data.RowCount, 1);
    EXPECT_EQ(data.ColWidths, (std::vector<int>{g.ColWidths(1), g.ColWidths(2)}));
    ASSERT_EQ(data.Cells.size(), 2u);
    EXPECT_EQ(data.Cells[0].Text, "a");
    EXPECT_EQ(data.Cells[1].Text, "");
}

TEST(GridBinary, APartialStreamLandsAtThePointAskedFor) {
    TExtStringGrid g(nullptr), target(nullptr);
    target.SetColCount(10);
    g.SetCells(1, 1, "a");
    target.SetCells(6, 7, "old");
    std::stringstream s;
    g.SaveRectToBinStream(TGridRect{1, 1, 2, 1}, s);
    s.seekg(0);
    target.LoadAtPointFromBinStream(plat::TPoint{5, 7}, s);
    EXPECT_EQ(target.Cells(5, 7), "a");
    EXPECT_EQ(target.Cells(6, 7), "");
}

TEST(GridBinary, AFullGridComesBackWithItsLookAndGraphics) {
    TExtStringGrid g(nullptr);
    g.SetColCount(4);
    g.SetRowCount(3);
    g.SetColWidths(2, 111);
    g.SetRowHeights(1, 33);
    g.SetCells(1, 1, "caf\xC3\xA9");
    g.SetFontColors(2, 1, plat::clRed);
    g.SetAlignments(2, 1, plat::taCenter);
    g.SetFontStyles(2, 1, plat::TFontStyles{plat::fsBold});
    g.AddCheckBox(3, 1, TCheckBoxState(cbGrayed));
    TCellStrings* radio = g.CreateRadio(1, 2, 0, 1);
    radio->Add("one");
    radio->Add("two");
    g.GetCellProperties(3, 2);  // properties without a graphic
    std::stringstream s;
    g.SaveToBinStream(s);
    TExtStringGrid back(nullptr);
    back.SetCells(4, 5, "cleared");
    s.seekg(0);
    back.LoadFromBinStream(s);
    EXPECT_EQ(CellsOf(back), CellsOf(g));
    EXPECT_EQ(back.ColCount(), 4);
    EXPECT_EQ(back.RowCount(), 3);
    EXPECT_EQ(back.ColWidths(2), 111);
    EXPECT_EQ(back.RowHeights(1), 33);
    EXPECT_EQ(back.FontColors(2, 1), plat::clRed);
    EXPECT_EQ(back.Alignments(2, 1), plat::taCenter);
    EXPECT_TRUE(back.FontStyles(2, 1).Contains(plat::fsBold));
    EXPECT_EQ(back.GetCellType(3, 1), g.GetCellType(3, 1));
    TCheckBoxState state = cbChecked;
    back.GetCheckBoxState(3, 1, state);
    EXPECT_EQ(state, cbUnchecked) << "the tri-state does not travel";
    ASSERT_NE(back.GetRadioStrings(1, 2), nullptr);
    EXPECT_EQ(back.GetRadioStrings(1, 2)->Items(), (std::vector<std::string>{"one", "two"}));
    EXPECT_TRUE(back.HasCellProps(3, 2));
    EXPECT_EQ(back.GetCellGraphic(3, 2), nullptr);
}

TEST(GridBinary, TruncatedOrMalformedStreamsLeaveTheGridAsItWas) {
    TExtStringGrid g(nullptr);
    g.SetCells(1, 1, "x");
    g.SetCells(2, 2, "y");
    std::ostringstream out;
    g.SaveToBinStream(out);
    const std::string good = out.str();
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"truncated", good.substr(0, good.size() - 5)},
        {"garbage", "not a stream"},
        {"half a record", good.substr(0, good.size() / 2)},
    };
    for (const auto& c : cases) {
        TExtStringGrid target(nullptr);
        target.SetColCount(3);
        target.SetCells(0, 0, "kept");
        std::istringstream in(c.bytes);
        EXPECT_THROW(target.LoadFromBinStream(in), EExtGridError) << c.name;
        EXPECT_EQ(target.Cells(0, 0), "kept") << c.name;
        EXPECT_EQ(target.ColCount(), 3) << c.name;
    }
    // One stray byte after the last record is no record.
    TExtStringGrid target(nullptr);
    std::istringstream in(good + "x");
    target.LoadFromBinStream(in);
    EXPECT_EQ(target.Cells(2, 2), "y");
}

TEST(GridBinary, PositionsBeyondSixteenBitsRaise) {
    TBinGridData data;
    data.Cells.push_back({70000, 1});
    std::string out, error;
    EXPECT_FALSE(WriteCellStream(data, out, error));
    EXPECT_TRUE(out.empty());
    EXPECT_NE(error.find("70000"), std::string::npos) << error;
}

TEST(GridBinary, FilesRoundTrip) {
    TExtStringGrid g(nullptr);
    g.SetCells(2, 3, "two\r\nlines");
    const std::string path = Scratch("grid.bin");
    g.SaveToBinFile(path);
    TExtStringGrid back(nullptr);
    back.LoadFromBinFile(path);
    EXPECT_EQ(CellsOf(back), CellsOf(g));
    EXPECT_THROW(back.LoadFromBinFile(Scratch("missing.bin")), std::exception);
}
