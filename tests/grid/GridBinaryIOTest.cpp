#include <gtest/gtest.h>

#include <sstream>

#include "ExchangeTestSupport.h"
#include "grid/GridBinaryIO.h"
#include "grid/GridStreamEncoding.h"
#include "platform/Bitmap.h"

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
    TBinGridData data;
    std::string error;
    ASSERT_TRUE(ReadCellStream(out.str(), data, error)) << error;
    // The stored stream came from a grid named 0; this one names itself.
    std::string expected = Stored("rect.bin");
    const std::string storedID("\x02ID\x02\x00", 5);
    const size_t at = expected.find(storedID);
    ASSERT_NE(at, std::string::npos);
    TComponentWriter id;
    id.Integer("ID", data.ID);
    expected.replace(at, storedID.size(), id.Bytes());
    EXPECT_EQ(out.str(), expected);
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

namespace {

// A bitmap whose every pixel has a colour of its own.
plat::TBitmap Colours(int w, int h) {
    plat::TBitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.Canvas().SetPixels(x, y, plat::RGB(40 * x + 10, 60 * y + 20, 200 - 30 * x));
    return b;
}

std::vector<plat::TColor> PixelsOf(const plat::TGraphic* g) {
    if (!g) return {};
    plat::TBitmap b;
    b.Assign(*g);
    std::vector<plat::TColor> px{plat::TColor(b.Width()), plat::TColor(b.Height())};
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) px.push_back(b.Pixel(x, y));
    return px;
}

const plat::TGraphic* ImageOf(TExtStringGrid& g, int c, int r) {
    const TCellGraphic* cg = g.GetCellGraphic(c, r);
    if (!cg) return nullptr;
    if (cg->CellType() == ctPicture) return cg->CellPicture() ? cg->CellPicture()->Graphic() : nullptr;
    return cg->CellImage();
}

std::string StreamOf(TExtStringGrid& g, const TGridRect& r) {
    std::ostringstream out;
    g.SaveRectToBinStream(r, out);
    return out.str();
}

std::uint32_t U32At(const std::string& s, size_t at) {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= std::uint32_t(std::uint8_t(s[at + size_t(i)])) << (8 * i);
    return v;
}

}  // namespace

// Bitmaps, icons, pictures and button glyphs come back from a binary file
// with their pixels; a picture keeps its class.
TEST(GridBinary, PicturesTravelWithTheirPixels) {
    TExtStringGrid g(nullptr);
    const plat::TBitmap colours = Colours(3, 2);
    plat::TPngImage png;
    png.Assign(Colours(4, 4));
    g.CreateBitmap(1, 1, true, haCenter, vaCenter)->Assign(colours);
    g.CreateIcon(2, 1, haLeft, vaTop)->Assign(Colours(16, 16));
    g.CreatePicture(3, 1, false, StretchWithAspectRatio, 2, haLeft, vaTop)->SetGraphic(&colours);
    g.CreatePicture(1, 2, false, noStretch, 0, haLeft, vaTop)->SetGraphic(&png);
    g.CreateBitButton(2, 2, 40, 20, "Go", haLeft, vaTop)->Assign(colours);
    g.CreatePicture(3, 2, false, noStretch, 0, haLeft, vaTop);  // no picture yet
    g.SetCells(1, 2, "beside the picture");
    const std::string path = Scratch("pictures.bin");
    g.SaveToBinFile(path);
    TExtStringGrid back(nullptr);
    back.LoadFromBinFile(path);
    const struct {
        const char* name;
        int c, r;
        const char* cls;
    } cases[] = {{"bitmap", 1, 1, "TBitmap"},  {"icon", 2, 1, "TIcon"},      {"bitmap picture", 3, 1, "TBitmap"},
                 {"png picture", 1, 2, "TPngImage"}, {"button glyph", 2, 2, "TBitmap"}};
    for (const auto& c : cases) {
        EXPECT_EQ(back.GetCellType(c.c, c.r), g.GetCellType(c.c, c.r)) << c.name;
        const plat::TGraphic* img = ImageOf(back, c.c, c.r);
        ASSERT_NE(img, nullptr) << c.name;
        EXPECT_STREQ(img->ClassName(), c.cls) << c.name;
        EXPECT_EQ(PixelsOf(img), PixelsOf(ImageOf(g, c.c, c.r))) << c.name;
        EXPECT_TRUE(back.GetCellGraphic(c.c, c.r)->CellCreated()) << c.name << ": the grid owns what it made";
    }
    EXPECT_EQ(back.GetCellGraphic(3, 1)->CellAngle(), StretchWithAspectRatio);
    EXPECT_EQ(back.GetCellGraphic(3, 1)->CellIndex(), 2);
    EXPECT_EQ(back.Cells(1, 2), "beside the picture");
    ASSERT_NE(back.GetPicture(3, 2), nullptr);
    EXPECT_TRUE(back.GetPicture(3, 2)->Empty());
}

// The data records hold the image files as the stream lays them down: a
// bitmap's BMP file behind its length, an icon's ICO file, a picture's
// class name and then its graphic's data.
TEST(GridBinary, ImageRecordsHoldTheFiles) {
    TExtStringGrid g(nullptr);
    const plat::TBitmap colours = Colours(5, 3);
    g.CreateBitmap(1, 1, false, haLeft, vaTop)->Assign(colours);
    g.CreateIcon(1, 2, haLeft, vaTop)->Assign(Colours(16, 16));
    g.CreatePicture(1, 3, false, noStretch, 0, haLeft, vaTop)->SetGraphic(&colours);
    const struct {
        const char* name;
        int row;
        std::string entry;   // the property name, then the binary tag
        std::string before;  // what stands before the file in the data
        std::string magic;   // the file's first bytes
    } cases[] = {
        {"bitmap", 1, "\x0b" "Bitmap.Data\x0a", "", "BM"},
        {"icon", 2, "\x09" "Icon.Data\x0a", "", std::string("\0\0\1\0", 4)},
        {"picture", 3, "\x0c" "Picture.Data\x0a", "\x07" "TBitmap", "BM"},
    };
    for (const auto& c : cases) {
        const std::string s = StreamOf(g, {1, c.row, 1, c.row});
        const size_t at = s.find(c.entry);
        ASSERT_NE(at, std::string::npos) << c.name;
        const size_t data = at + c.entry.size() + 4;
        const std::uint32_t size = U32At(s, data - 4);
        ASSERT_LE(data + size, s.size()) << c.name;
        EXPECT_EQ(s.substr(data, c.before.size()), c.before) << c.name;
        size_t file = data + c.before.size();
        if (c.magic == "BM") {
            // A bitmap's file stands behind its own length.
            EXPECT_EQ(U32At(s, file), size - c.before.size() - 4) << c.name;
            file += 4;
            EXPECT_EQ(U32At(s, file + 2), size - c.before.size() - 4) << c.name << ": the BMP's own size";
        }
        EXPECT_EQ(s.substr(file, c.magic.size()), c.magic) << c.name;
        EXPECT_EQ(s.substr(data + size, 2), std::string(2, '\0')) << c.name << ": the record ends with the data";
    }
}

TEST(GridBinary, APictureThatCannotBeReadRefusesTheStream) {
    const struct {
        const char* name;
        int type;
        std::string data;
    } cases[] = {
        {"broken bitmap", ctBitmap, LengthPrefixed("BM not a bitmap")},
        {"bitmap longer than its data", ctBitmap, LengthPrefixed("BM").substr(0, 5)},
        {"broken icon", ctIcon, "not an icon"},
        {"unknown picture class", ctPicture, PictureData("TMetafile", LengthPrefixed("x"))},
        {"picture class name cut", ctPicture, std::string("\x09TBit", 5)},
    };
    for (const auto& c : cases) {
        TBinGridData d;
        d.ColCount = d.RowCount = 1;
        TBinCell cell;
        cell.Col = cell.Row = 1;
        cell.Text = "new";
        cell.HasProp = cell.HasGraphic = true;
        cell.Graphic.CellType = c.type;
        cell.Graphic.CellCreated = true;
        cell.Graphic.Data = c.data;
        d.Cells.push_back(cell);
        std::string bytes, error;
        ASSERT_TRUE(WriteCellStream(d, bytes, error)) << error;
        TExtStringGrid target(nullptr);
        target.SetCells(1, 1, "kept");
        std::istringstream in(bytes);
        try {
            target.LoadAtPointFromBinStream({1, 1}, in);
            ADD_FAILURE() << c.name;
        } catch (const EExtGridError& e) {
            EXPECT_NE(std::string(e.what()).find("picture of cell (1, 1)"), std::string::npos) << e.what();
        }
        EXPECT_EQ(target.Cells(1, 1), "kept") << c.name;
        EXPECT_EQ(target.GetCellGraphic(1, 1), nullptr) << c.name;
    }
}

// Each grid's streams carry its own ID, so that a paste or drop can tell a
// block of its own from one of another grid; binary files carry it too.
TEST(GridBinary, TheStreamNamesTheGridThatWroteIt) {
    TExtStringGrid g(nullptr), other(nullptr);
    const auto id = [](const std::string& bytes) {
        TBinGridData d;
        std::string error;
        EXPECT_TRUE(ReadCellStream(bytes, d, error)) << error;
        return d.ID;
    };
    const int mine = id(StreamOf(g, {1, 1, 2, 2}));
    EXPECT_NE(mine, 0);
    EXPECT_EQ(id(StreamOf(g, {0, 0, 0, 0})), mine);
    EXPECT_NE(id(StreamOf(other, {1, 1, 2, 2})), mine);
    const std::string path = Scratch("id.bin");
    g.SaveToBinFile(path);
    EXPECT_EQ(id(ReadBytes(path)), mine);
}

// A stream from elsewhere may leave properties out: those keep the target
// cell's values instead of falling back to defaults.
TEST(GridBinary, PropertiesAStreamLeavesOutKeepTheCellsValues) {
    TComponentWriter w;
    w.Begin("TGridPropIO");
    w.Integer("ColCount", 1);
    w.Integer("RowCount", 1);
    w.Boolean("FullGrid", false);
    w.Integer("ID", 0);
    w.End();
    w.Begin("TGridCellIO");
    w.Integer("Col", 0);
    w.Integer("Row", 0);
    w.Text("Cell", "x");
    w.Boolean("HasProp", true);
    w.End();
    w.Begin("TGridCellPropIO");
    w.Color("CellProperties.BrushColor", plat::clYellow);
    w.Boolean("HasGraphic", false);
    w.End();
    TExtStringGrid g(nullptr);
    g.SetFontColors(2, 2, plat::clRed);
    g.SetAlignments(2, 2, plat::taRightJustify);
    g.SetFontStyles(2, 2, plat::TFontStyles{plat::fsBold});
    std::istringstream in(w.Bytes());
    g.LoadAtPointFromBinStream({2, 2}, in);
    EXPECT_EQ(g.Cells(2, 2), "x");
    EXPECT_EQ(g.Colors(2, 2), plat::clYellow);
    EXPECT_EQ(g.FontColors(2, 2), plat::clRed);
    EXPECT_EQ(g.Alignments(2, 2), plat::taRightJustify);
    EXPECT_TRUE(g.FontStyles(2, 2).Contains(plat::fsBold));
}

// A block that starts inside a merged cell carries the merged cell's text.
TEST(GridBinary, ACellOfAMergedBlockCarriesTheBlocksText) {
    TExtStringGrid g(nullptr);
    g.MergeCells(1, 1, 2, 1);
    g.SetCells(1, 1, "merged");
    TBinGridData d;
    std::string error;
    ASSERT_TRUE(ReadCellStream(StreamOf(g, {2, 1, 3, 1}), d, error)) << error;
    ASSERT_EQ(d.Cells.size(), 2u);
    EXPECT_EQ(d.Cells[0].Text, "merged");
    EXPECT_EQ(d.Cells[1].Text, "");
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
