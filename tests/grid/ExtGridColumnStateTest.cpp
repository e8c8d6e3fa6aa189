#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "grid/ExtGrid.h"
#include "grid/ExtGridCellLook.h"
#include "grid/ExtObj.h"
#include "platform/Bitmap.h"
#include "platform/Registry.h"

using namespace grid;
namespace fs = std::filesystem;

namespace {

std::string OutFile(const std::string& Name) {
    const fs::path dir = fs::path(VASTRIMO_TEST_OUT) / "column-state";
    fs::create_directories(dir);
    const fs::path file = dir / Name;
    fs::remove(file);
    return file.string();
}

// A grid without fixed cells whose header row names the real columns.
void Name(TExtStringGrid& g, int cols) {
    g.SetFixedCols(0);
    g.SetColCount(cols);
    g.SetRowCount(2);
    for (int c = 0; c < cols; ++c) g.SetCells(c, 0, "c" + std::to_string(c));
}

std::string FileText(const std::string& Path) {
    std::ifstream in(Path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Replaces the line "Name=..." of a look file with Line.
void ReplaceLine(const std::string& Path, const std::string& Name, const std::string& Line) {
    std::string text = FileText(Path);
    const size_t at = text.find("\n" + Name + "=") == std::string::npos ? 0 : text.find("\n" + Name + "=") + 1;
    ASSERT_EQ(text.compare(at, Name.size() + 1, Name + "="), 0) << Name;
    text.replace(at, text.find("\r\n", at) - at, Line);
    std::ofstream out(Path, std::ios::binary | std::ios::trunc);
    out << text;
}

std::vector<std::string> Shown(TExtStringGrid& g) {
    std::vector<std::string> names;
    for (int d = 0; d < g.ColCount(); ++d) names.push_back(g.Cells(g.RealColIndex(d), 0));
    return names;
}

std::vector<int> Widths(TExtStringGrid& g) {
    std::vector<int> w;
    for (int d = 0; d < g.ColCount(); ++d) w.push_back(g.ColWidths(d));
    return w;
}

}  // namespace

TEST(ExtGridColumnState, TextListsCountWidthsOrderAndFlags) {
    TExtStringGrid g(nullptr);
    Name(g, 3);
    g.SetColWidths(0, 64);
    g.SetColWidths(1, 80);
    g.SetColWidths(2, 50);
    EXPECT_EQ(g.ColumnStatesToString(), "3#64,80,50#0,1,2#1,1,1");

    Name(g, 4);
    g.SetDefaultColWidth(64);
    g.SetColWidths(0, 30);
    g.SetColWidths(2, 40);
    g.HideColumn(1);
    // The hidden column is off the display: the last of four widths is the
    // default width and the second flag is 0.
    EXPECT_EQ(g.ColumnStatesToString(), "4#30,40,64,64#0,1,2,3#1,0,1,1");
}

TEST(ExtGridColumnState, OwnTextRestoresCountOrderVisibilityAndWidths) {
    TExtStringGrid a(nullptr);
    Name(a, 5);
    a.MoveColumn(0, 3);  // c1 c2 c3 c0 c4
    a.SetColWidths(1, 33);
    a.SetColWidths(4, 77);
    a.HideColumn(a.RealColIndex(2));  // hides c3
    const std::vector<std::string> shown = Shown(a);
    const std::vector<int> widths = Widths(a);
    const std::string state = a.ColumnStatesToString();

    TExtStringGrid b(nullptr);
    Name(b, 5);
    b.MoveColumn(4, 0);
    b.HideColumn(1);
    b.StringToColumnStates(state);
    EXPECT_EQ(b.TotalColCount(), 5);
    EXPECT_EQ(Shown(b), shown);
    EXPECT_EQ(Widths(b), widths);
    EXPECT_EQ(b.ColumnStatesToString(), state);
}

TEST(ExtGridColumnState, BadTextIsRefusedBeforeAnythingChanges) {
    const struct {
        const char* name;
        std::string text;
    } cases[] = {
        {"count not a number", "x#64,64,64#0,1,2#1,1,1"},
        {"too few widths", "3#64,64#0,1,2#1,1,1"},
        {"width not a number", "3#64,a,64#0,1,2#1,1,1"},
        {"order repeats a column", "3#64,64,64#0,0,2#1,1,1"},
        {"order past the count", "3#64,64,64#0,1,5#1,1,1"},
        {"too few flags", "3#64,64,64#0,1,2#1,1"},
        {"flag not 0 or 1", "3#64,64,64#0,1,2#1,2,1"},
        {"every column hidden", "3#64,64,64#0,1,2#0,0,0"},
        {"missing field", "3#64,64,64#0,1,2"},
    };
    for (const auto& c : cases) {
        TExtStringGrid g(nullptr);
        Name(g, 4);
        g.MoveColumn(3, 0);
        g.HideColumn(2);
        g.SetColWidths(0, 21);
        const std::string before = g.ColumnStatesToString();
        const std::vector<std::string> shown = Shown(g);
        EXPECT_THROW(g.StringToColumnStates(c.text), EExtGridError) << c.name;
        EXPECT_EQ(g.ColumnStatesToString(), before) << c.name;
        EXPECT_EQ(Shown(g), shown) << c.name;
    }
    TExtStringGrid g(nullptr);
    Name(g, 2);
    g.StringToColumnStates("no fields here");
    EXPECT_EQ(g.ColumnStatesToString(), "2#64,64#0,1#1,1") << "a text without # changes nothing";
}

TEST(ExtGridColumnState, WidthsAndOrderInAnIniFile) {
    const std::string path = OutFile("sizes.ini");
    {
        TExtStringGrid a(nullptr);
        Name(a, 3);
        a.ColumnSize().SetLocation(clIniFile);
        a.ColumnSize().SetKey(path);
        a.ColumnSize().SetSection("G");
        a.MoveColumn(2, 0);  // c2 c0 c1
        a.SetColWidths(0, 43);
        a.SetColWidths(1, 41);
        a.SaveColSizes();
        a.SaveColPositions();
    }
    plat::TRegistry(path).DeleteValue("G", "Col1");

    TExtStringGrid b(nullptr);
    Name(b, 3);
    b.ColumnSize().SetLocation(clIniFile);
    b.ColumnSize().SetKey(path);
    b.ColumnSize().SetSection("G");
    b.SetColWidths(1, 55);
    b.HideColumn(1);  // c1 hidden; it stays hidden after the reorder
    b.LoadColPositions();
    EXPECT_EQ(Shown(b), (std::vector<std::string>{"c2", "c0"})) << "the hidden column is still c1";
    b.UnHideColumnsAll();
    EXPECT_EQ(Shown(b), (std::vector<std::string>{"c2", "c0", "c1"}));
    b.SetColWidths(1, 55);
    b.LoadColSizes();
    EXPECT_EQ(Widths(b), (std::vector<int>{43, 55, 64})) << "a missing key leaves its column's width";
}

TEST(ExtGridColumnState, PositionsWithoutFirstKeyOrForOtherColumnsChangeNothing) {
    const struct {
        const char* name;
        std::vector<std::pair<const char*, int>> keys;
    } cases[] = {
        {"no Pos0", {{"Pos1", 0}, {"Pos2", 1}}},
        {"a column twice", {{"Pos0", 1}, {"Pos1", 1}, {"Pos2", 0}}},
        {"a column past the grid", {{"Pos0", 7}, {"Pos1", 1}, {"Pos2", 0}}},
    };
    for (const auto& c : cases) {
        const std::string path = OutFile("positions.ini");
        for (const auto& [k, v] : c.keys) plat::TRegistry(path).WriteInteger("G", k, v);
        TExtStringGrid g(nullptr);
        Name(g, 3);
        g.ColumnSize().SetLocation(clIniFile);
        g.ColumnSize().SetKey(path);
        g.ColumnSize().SetSection("G");
        g.LoadColPositions();
        EXPECT_EQ(Shown(g), (std::vector<std::string>{"c0", "c1", "c2"})) << c.name;
    }
}

TEST(ExtGridLookFile, SavedLookComesBackWhole) {
    const std::string path = OutFile("look.txt");
    TExtStringGrid a(nullptr);
    a.SetLook(glSoft);
    a.SetColor(0x102030);
    a.SetSelectionColor(plat::clLime);
    a.SetURLShow(true);
    a.Font().SetName("Courier");
    a.Font().SetSize(12);
    a.Font().SetStyle({plat::fsBold, plat::fsStrikeOut});
    a.FixedFont().SetColor(plat::clRed);
    a.Balloon().SetTransparency(40);
    a.Bands().SetActive(true);
    a.ControlLook().SetControlStyle(csFlat);
    a.BackGround().SetDisplay(bdGradientVert);
    a.SetGridLineColor(0xABCDEF);
    a.SaveVisualProps(path);

    TExtStringGrid b(nullptr);
    b.LoadVisualProps(path);
    EXPECT_EQ(b.Color(), 0x102030u);
    EXPECT_EQ(b.SelectionColor(), plat::clLime);
    EXPECT_TRUE(b.URLShow());
    EXPECT_EQ(b.Font().Name(), "Courier");
    EXPECT_EQ(b.Font().Size(), 12);
    EXPECT_EQ(b.Font().Style(), (plat::TFontStyles{plat::fsBold, plat::fsStrikeOut}));
    EXPECT_EQ(b.FixedFont().Color(), plat::clRed);
    EXPECT_EQ(b.Balloon().Transparency(), 40);
    EXPECT_TRUE(b.Bands().Active());
    EXPECT_EQ(b.ControlLook().ControlStyle(), csFlat);
    EXPECT_EQ(b.Look(), glSoft);
    EXPECT_EQ(b.BackGround().Display(), bdGradientVert);
    EXPECT_EQ(b.GridLineColor(), 0xABCDEFu);

    const std::string text = FileText(path);
    EXPECT_EQ(text.rfind("Color=$00102030\r\n", 0), 0u);
    EXPECT_NE(text.find("\nFont.Style=fsBold,fsStrikeOut\r\n"), std::string::npos);
    EXPECT_NE(text.find("\nSelectionColor=clLime\r\n"), std::string::npos);
}

TEST(ExtGridLookFile, NamesIgnoreCaseAndAnEmptyColourIsNone) {
    const std::string path = OutFile("good.txt");
    TExtStringGrid a(nullptr);
    a.SaveVisualProps(path);
    ReplaceLine(path, "Balloon.BackgroundColor", "BALLOON.BackGroundColor=clAqua");
    ReplaceLine(path, "Color", "Color=");
    TExtStringGrid b(nullptr);
    b.LoadVisualProps(path);
    EXPECT_EQ(b.Balloon().BackgroundColor(), plat::clAqua);
    EXPECT_EQ(b.Color(), plat::clNone);
}

TEST(ExtGridLookFile, BrokenValueLeavesTheLookWhole) {
    const struct {
        const char* name;
        const char* item;
        const char* line;
    } cases[] = {
        {"font size missing", "Font.Size", "Font.Sise=12"},
        {"size not a number", "Font.Size", "Font.Size=big"},
        {"colour not a colour", "HintColor", "HintColor=clNoSuchColour"},
    };
    for (const auto& c : cases) {
        const std::string path = OutFile("broken.txt");
        TExtStringGrid a(nullptr);
        a.SetColor(plat::clYellow);
        a.SetURLShow(true);
        a.SaveVisualProps(path);
        ReplaceLine(path, c.item, c.line);
        TExtStringGrid b(nullptr);
        const plat::TColor color = b.Color();
        EXPECT_THROW(b.LoadVisualProps(path), EExtGridError) << c.name;
        EXPECT_EQ(b.Color(), color) << c.name << ": nothing before the broken line is applied";
        EXPECT_FALSE(b.URLShow()) << c.name;
    }
    TExtStringGrid g(nullptr);
    const std::string none = OutFile("none.txt");
    try {
        g.LoadVisualProps(none);
        ADD_FAILURE() << "a missing file must fail";
    } catch (const EExtGridError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + none);
    }
}

TEST(ExtGridTextMetrics, PaddingLinesAndRotatedPlacement) {
    TExtStringGrid g(nullptr);
    g.SetXYOffset({2, 3});
    EXPECT_EQ(g.GetCellPaddingX(), 4);
    EXPECT_EQ(g.GetCellPaddingY(), 6);
    g.SetXYOffsetTopLeftOnly(true);
    EXPECT_EQ(g.GetCellPaddingX(), 2);
    EXPECT_EQ(g.GetCellPaddingY(), 3);

    Name(g, 3);
    g.SetCells(0, 1, "a");
    g.SetCells(1, 1, "b\r\nc");
    EXPECT_EQ(g.GetRowMaxLines(1), 1) << "multi-line cells off";
    g.SetMultilinecells(true);
    EXPECT_EQ(g.GetRowMaxLines(1), 2);
    g.HideColumn(1);
    EXPECT_EQ(g.GetRowMaxLines(1), 1) << "a hidden column's lines do not count";

    plat::TBitmap bmp(10, 10);
    const plat::TSize ext = bmp.Canvas().TextExtent("Rotated");
    const struct {
        int angle;
        plat::TAlignment ha;
        TVAlignment va;
        plat::TPoint at;
    } cases[] = {
        {90, plat::taLeftJustify, vtaTop, {12, 22 + ext.cx}},
        {0, plat::taLeftJustify, vtaTop, {12, 22}},
        {0, plat::taRightJustify, vtaBottom, {208 - ext.cx, 98 - ext.cy}},
        {180, plat::taLeftJustify, vtaTop, {12 + ext.cx, 22 + ext.cy}},
    };
    for (const auto& c : cases) {
        plat::TRect r = plat::Rect(10, 20, 210, 100);
        g.DrawRotatedCellText(bmp.Canvas(), r, c.angle, c.va, c.ha, "Rotated");
        EXPECT_EQ(r.TopLeft(), c.at) << c.angle << " degrees";
    }
}
