#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "base/StrUtils.h"
#include "grid/ExtCGrid.h"
#include "grid/ExtGridStartup.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/Layout.h"
#include "platform/Registry.h"

using namespace grid;
namespace fs = std::filesystem;

namespace {
// A column grid whose columns say who they are: header "H<i>", name
// "n<i>", cells "<i>:<row>".
void Name(TExtColumnGrid& g, int Cols) {
    g.SetColCount(Cols);
    for (int i = 0; i < Cols; ++i) {
        g.Columns().Items(i).SetHeader("H" + base::IntToStr(i));
        g.Columns().Items(i).SetName("n" + base::IntToStr(i));
        for (int r = 1; r < g.RowCount(); ++r) g.SetCells(i, r, base::Format("%d:%d", i, r));
    }
}

std::vector<std::string> Names(TExtColumnGrid& g) {
    std::vector<std::string> names;
    for (int i = 0; i < g.Columns().Count(); ++i) names.push_back(g.Columns().Items(i).Name());
    return names;
}

std::string IniPath(const std::string& Test) {
    const fs::path dir = fs::path(VASTRIMO_TEST_OUT) / "column-positions";
    fs::create_directories(dir);
    const fs::path file = dir / (Test + ".ini");
    fs::remove(file);
    return file.string();
}
}  // namespace

TEST(ExtCGridColumns, MovedColumnTakesItsItemAndCells) {
    TExtColumnGrid g(nullptr);
    Name(g, 5);
    g.Columns().Items(1).SetEditor(edDataCheckBox);
    std::vector<std::pair<int, int>> moved;
    g.OnAfterColumnMoved = [&](TObject*, int from, int to) { moved.emplace_back(from, to); };
    g.MoveColumn(1, 3);
    EXPECT_EQ(Names(g), (std::vector<std::string>{"n0", "n2", "n3", "n1", "n4"}));
    EXPECT_EQ(g.Columns().Items(3).Editor(), edDataCheckBox);
    EXPECT_EQ(g.Cells(3, 2), "1:2");
    EXPECT_EQ(g.Cells(3, 0), "H1");
    EXPECT_EQ(moved, (std::vector<std::pair<int, int>>{{1, 3}}));
}

TEST(ExtCGridColumns, InsertedColumnsStartWithDefaultItems) {
    TExtColumnGrid g(nullptr);
    Name(g, 5);
    g.Columns().Items(4).SetReadOnly(true);
    g.HideColumn(3);
    g.InsertCols(2, 2);
    EXPECT_EQ(g.Columns().Count(), g.ColCount() + g.NumHiddenColumns());
    EXPECT_EQ(Names(g), (std::vector<std::string>{"n0", "n1", "", "", "n2", "n3", "n4"}));
    EXPECT_FALSE(g.Columns().Items(2).ReadOnly());
    EXPECT_TRUE(g.Columns().Items(6).ReadOnly());
    EXPECT_TRUE(g.IsHiddenColumn(5));
    EXPECT_EQ(g.Cells(4, 1), "2:1");
}

TEST(ExtCGridColumns, RemovedColumnsTakeTheirItemsAlong) {
    TExtColumnGrid g(nullptr);
    Name(g, 6);
    g.Columns().Items(5).SetEditor(edComboList);
    g.RemoveCols(1, 2);
    EXPECT_EQ(Names(g), (std::vector<std::string>{"n0", "n3", "n4", "n5"}));
    EXPECT_EQ(g.Columns().Items(3).Editor(), edComboList);
    EXPECT_EQ(g.Cells(1, 1), "3:1");
    EXPECT_EQ(g.ColCount(), 4);
}

TEST(ExtCGridColumns, PositionsFromAnIniFileRestoreTheRecordedOrder) {
    const std::string path = IniPath("restore");
    {
        plat::TRegistry ini(path);
        ini.WriteInteger("Cols", "CP0", 2);
        ini.WriteInteger("Cols", "CP1", 0);
        ini.WriteInteger("Cols", "CP2", 1);
    }
    TExtColumnGrid g(nullptr);
    g.SetFixedCols(0);
    Name(g, 3);
    g.Loaded();
    ASSERT_TRUE(g.LoadColumnPositions(path, "Cols"));
    EXPECT_EQ(Names(g), (std::vector<std::string>{"n2", "n0", "n1"}));
    EXPECT_EQ(g.Cells(0, 1), "2:1");
    // The recorded indexes are back: saving writes the same order again.
    const std::string copy = IniPath("restore-copy");
    ASSERT_TRUE(g.SaveColumnPositions(copy, "Cols"));
    plat::TRegistry saved(copy);
    EXPECT_EQ(saved.ReadInteger("Cols", "CP0", -1), 2);
    EXPECT_EQ(saved.ReadInteger("Cols", "CP1", -1), 0);
    EXPECT_EQ(saved.ReadInteger("Cols", "CP2", -1), 1);
}

TEST(ExtCGridColumns, IncompletePositionsChangeNothing) {
    const struct {
        const char* name;
        std::vector<std::pair<const char*, int>> keys;
    } cases[] = {
        {"missing", {{"CP0", 1}, {"CP1", 0}}},
        {"outside", {{"CP0", 1}, {"CP1", 0}, {"CP2", 7}}},
        {"twice", {{"CP0", 1}, {"CP1", 1}, {"CP2", 0}}},
    };
    for (const auto& c : cases) {
        const std::string path = IniPath(c.name);
        {
            plat::TRegistry ini(path);
            for (const auto& [key, value] : c.keys) ini.WriteInteger("Cols", key, value);
        }
        TExtColumnGrid g(nullptr);
        g.SetFixedCols(0);
        Name(g, 3);
        g.Loaded();
        EXPECT_FALSE(g.LoadColumnPositions(path, "Cols")) << c.name;
        EXPECT_EQ(Names(g), (std::vector<std::string>{"n0", "n1", "n2"})) << c.name;
    }
}

TEST(ExtCGridColumns, ColPositionsUseTheColumnSizeIniFile) {
    const std::string path = IniPath("columnsize");
    TExtColumnGrid g(nullptr);
    Name(g, 3);
    g.Loaded();
    g.ColumnSize().SetKey(path);
    g.ColumnSize().SetSection("Grid");
    // The registry location takes the string grid's "Pos" keys below the key.
    const std::string xdg = std::string(VASTRIMO_TEST_OUT) + "/column-positions/xdg";
    fs::remove_all(xdg);
    setenv("XDG_CONFIG_HOME", xdg.c_str(), 1);
    ASSERT_TRUE(g.SaveColPositions());
    g.MoveColumn(0, 2);
    ASSERT_TRUE(g.SaveColPositions());
    EXPECT_EQ(plat::TRegistry().ReadInteger(path + "\\Grid", "Pos2", -1), 0);
    EXPECT_EQ(plat::TRegistry(path).ReadInteger("Grid", "CP2", -1), -1) << "no ini file for the registry";
    unsetenv("XDG_CONFIG_HOME");
    g.MoveColumn(2, 0);
    g.ColumnSize().SetLocation(clIniFile);
    ASSERT_TRUE(g.SaveColPositions());
    EXPECT_EQ(plat::TRegistry(path).ReadInteger("Grid", "CP2", -1), 2);
}

TEST(ExtCGridColumns, StreamRoundTripKeepsEverySetting) {
    TExtColumnGrid a(nullptr);
    Name(a, 4);
    TGridColumnItem& item = a.Columns().Items(2);
    item.SetEditor(edComboEdit);
    item.ComboItems().Assign(std::vector<std::string>{"one", "two = 2", "back\\slash"});
    item.Filter().Assign(std::vector<std::string>{"Big=>100"});
    item.SetHeader("Line one\ntwo");
    item.SetCheckTrue("1");
    item.SetReadOnly(true);
    item.SetAlignment(plat::taCenter);
    item.SetBorders({cbTop, cbBottom});
    item.SetPrintBorderCustom(false);
    item.SetColumnPopupType(cpAllCellsLClick);
    item.Font().SetStyle({plat::fsBold, plat::fsItalic});
    item.BorderPen().SetWidth(3);
    item.SetSpin(1, 9, 2);
    item.SetWidth(77);
    std::ostringstream out;
    ASSERT_TRUE(a.SaveColumnsToStream(out));

    TExtColumnGrid b(nullptr);
    b.SetColCount(4);
    std::istringstream in(out.str());
    std::string error;
    ASSERT_TRUE(b.LoadColumnsFromStream(in, &error)) << error;
    std::ostringstream again;
    ASSERT_TRUE(b.SaveColumnsToStream(again));
    EXPECT_EQ(again.str(), out.str());
    EXPECT_EQ(b.ColWidths(2), 77);
    EXPECT_EQ(b.Cells(2, 0), "Line one\ntwo");
    EXPECT_EQ(b.Columns().Items(2).ComboItems()[1], "two = 2");
}

TEST(ExtCGridColumns, StreamKeepsTheColumnCount) {
    TExtColumnGrid a(nullptr);
    Name(a, 6);
    std::ostringstream out;
    ASSERT_TRUE(a.SaveColumnsToStream(out));
    TExtColumnGrid b(nullptr);
    b.SetColCount(3);
    std::istringstream in(out.str());
    ASSERT_TRUE(b.LoadColumnsFromStream(in));
    EXPECT_EQ(b.ColCount(), 3);
    EXPECT_EQ(Names(b), (std::vector<std::string>{"n0", "n1", "n2"}));
}

TEST(ExtCGridColumns, BrokenStreamLeavesTheColumnsAlone) {
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"columns\n", "line 1: expected \"TExtColumnGridIO\""},
        {"TExtColumnGridIO\nitem\nName=x\n", "line 3: the last item has no \"end\""},
        {"TExtColumnGridIO\nitem\nWidth=wide\nend\n", "line 3: 'Width' needs a number, not 'wide'"},
        {"TExtColumnGridIO\nitem\nColour=1\nend\n", "line 3: unknown setting 'Colour'"},
        {"TExtColumnGridIO\nName=x\n", "line 2: a setting outside an item"},
        {"TExtColumnGridIO\nitem\nReadOnly=yes\nend\n", "line 3: 'ReadOnly' needs True or False, not 'yes'"},
        // Numbers that name no value of their enumeration or set.
        {"TExtColumnGridIO\nitem\nAlignment=5\nend\n", "line 3: 'Alignment' needs a number from 0 to 2, not '5'"},
        {"TExtColumnGridIO\nitem\nEditor=-1\nend\n", "line 3: 'Editor' needs a number from 0 to 42, not '-1'"},
        {"TExtColumnGridIO\nitem\nSortStyle=20\nend\n", "line 3: 'SortStyle' needs a number from 0 to 19, not '20'"},
        {"TExtColumnGridIO\nitem\nColumnPopupType=6\nend\n",
         "line 3: 'ColumnPopupType' needs a number from 0 to 5, not '6'"},
        {"TExtColumnGridIO\nitem\nBorders=16\nend\n", "line 3: 'Borders' needs a number from 0 to 15, not '16'"},
        {"TExtColumnGridIO\nitem\nFont.Style=32\nend\n", "line 3: 'Font.Style' needs a number from 0 to 15, not '32'"},
        {"TExtColumnGridIO\nitem\nWidth=4294967297\nend\n",
         "line 3: 'Width' needs a number from -2147483648 to 2147483647, not '4294967297'"},
        // A number format is handed to the formatter: one number directive only.
        {"TExtColumnGridIO\nitem\nFloatFormat=%s%s%s%s\nend\n",
         "line 3: 'FloatFormat' needs one number directive such as %.2f, not '%s%s%s%s'"},
        {"TExtColumnGridIO\nitem\nFloatFormat=%.2f %.2f\nend\n",
         "line 3: 'FloatFormat' needs one number directive such as %.2f, not '%.2f %.2f'"},
    };
    for (const auto& c : cases) {
        TExtColumnGrid g(nullptr);
        Name(g, 3);
        std::istringstream in(c.text);
        std::string error;
        EXPECT_FALSE(g.LoadColumnsFromStream(in, &error)) << c.text;
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(Names(g), (std::vector<std::string>{"n0", "n1", "n2"}));
    }
}

TEST(ExtCGridColumns, UnitStartUpRegistersFormatAndMessages) {
    const TGridUnit& unit = GridUnit();
    EXPECT_GE(unit.GridCellsClipboardFormat, 0xC000u);
    EXPECT_EQ(unit.GridCellsClipboardFormat, plat::RegisterWindowMessage("TExtStringGrid Cells"));
    EXPECT_EQ(unit.GridEditDoneMessage, plat::RegisterWindowMessage("GridEditDone"));
    EXPECT_NE(unit.DTPShiftFocusMessage, unit.GridEditDoneMessage);
    EXPECT_EQ(unit.RegistrationError, "");
}

TEST(ExtCGridColumns, WindowLayoutsCreateColumnGrids) {
    (void)GridUnit();
    plat::TForm form(nullptr);
    const std::string text =
        "object F: TForm\n"
        "  object Grid: TExtColumnGrid\n"
        "    ColCount = 7\n"
        "    RowCount = 25\n"
        "    FixedRowHeight = 30\n"
        "    FloatFormat = '%.2f'\n"
        "    HintShowCells = True\n"
        "    ScrollBars = ssBoth\n"
        "    Options = [goFixedVertLine, goColSizing, goEditing]\n"
        "  end\n"
        "end\n";
    std::string error;
    ASSERT_TRUE(plat::LoadLayout(form, "TForm", text, "grid.layout", {}, &error)) << error;
    auto& g = plat::LayoutComponent<TExtColumnGrid>(form, "Grid");
    EXPECT_EQ(g.ColCount(), 7);
    EXPECT_EQ(g.Columns().Count(), 7);
    EXPECT_EQ(g.RowCount(), 25);
    EXPECT_EQ(g.RowHeights(0), 30);
    EXPECT_TRUE(g.HintShowCells());
    EXPECT_TRUE(g.Options().Contains(plat::goEditing));
    EXPECT_FALSE(g.Options().Contains(plat::goRangeSelect));
}

TEST(ExtCGridColumns, EditMaskAndSortFormatComeFromTheColumn) {
    TExtColumnGrid g(nullptr);
    g.Columns().Items(2).SetEditMask("00:00");
    g.Columns().Items(3).SetSortStyle(ssNumeric);
    g.Columns().Items(3).SetSortSuffix(" V");
    EXPECT_EQ(g.GetEditMask(2, 1), "00:00");
    EXPECT_EQ(g.GetEditMask(0, 1), "") << "fixed column";
    // The grid's event has the last word when it gives a mask.
    g.OnGetEditMask = [](TObject*, int, int, std::string& mask) { mask = "AA"; };
    EXPECT_EQ(g.GetEditMask(2, 1), "AA");
    TSortStyle style = ssAutomatic;
    std::string prefix, suffix;
    g.GetCellFormat(3, style, prefix, suffix);
    EXPECT_EQ(style, ssNumeric);
    EXPECT_EQ(suffix, " V");
}

namespace {
// Clicks the column grid the way its mouse handling is told of a click.
class TClickGrid : public TExtColumnGrid {
public:
    using TExtColumnGrid::TExtColumnGrid;
    void Click(plat::TMouseButton Button, int ACol, int ARow) {
        const plat::TRect r = ComputeCellRect(ACol, ARow);
        MouseDown(Button, {}, r.Left + 3, r.Top + 3);
    }
};
}  // namespace

TEST(ExtCGridColumns, ColumnPopupOpensForTheClickItsTypeNames) {
    const struct {
        TColumnPopupType type;
        plat::TMouseButton button;
        int row;
        bool event, popup;
    } cases[] = {
        {cpFixedCellsRClick, plat::mbRight, 0, true, true},
        {cpFixedCellsRClick, plat::mbRight, 3, true, false},  // told, but no menu on a normal row
        {cpFixedCellsRClick, plat::mbLeft, 0, false, false},
        {cpNormalCellsLClick, plat::mbLeft, 3, true, true},
        {cpNormalCellsLClick, plat::mbLeft, 0, true, false},
        {cpAllCellsRClick, plat::mbRight, 3, true, true},
        {cpAllCellsRClick, plat::mbRight, 0, true, true},
        {cpAllCellsLClick, plat::mbRight, 0, false, false},
    };
    for (const auto& c : cases) {
        TClickGrid g(nullptr);
        auto* menu = new plat::TPopupMenu(&g);
        int popups = 0;
        menu->OnPopup = [&](TObject*) { ++popups; };
        g.Columns().Items(2).SetColumnPopup(menu);
        g.Columns().Items(2).SetColumnPopupType(c.type);
        std::vector<std::pair<int, int>> told;
        g.OnColumnPopup = [&](TObject*, int col, int row, plat::TPopupMenu* m) {
            EXPECT_EQ(m, menu);
            told.emplace_back(col, row);
        };
        g.Click(c.button, 2, c.row);
        EXPECT_EQ(told.size(), c.event ? 1u : 0u) << c.type << " row " << c.row;
        EXPECT_EQ(popups, c.popup ? 1 : 0) << c.type << " row " << c.row;
        g.Click(c.button, 3, c.row);  // a column without a menu
        EXPECT_EQ(popups, c.popup ? 1 : 0);
    }
}

TEST(ExtCGridColumns, AnOwnedMenuThatGoesIsForgotten) {
    TClickGrid g(nullptr);
    auto* menu = new plat::TPopupMenu(&g);
    g.Columns().Items(1).SetColumnPopup(menu);
    g.Columns().Items(4).SetColumnPopup(menu);
    delete menu;
    EXPECT_EQ(g.Columns().Items(1).ColumnPopup(), nullptr);
    EXPECT_EQ(g.Columns().Items(4).ColumnPopup(), nullptr);
    g.Click(plat::mbRight, 1, 0);  // nothing to open, nothing to crash
}

TEST(ExtCGridColumns, TypedAccessThroughTheColumn) {
    TExtColumnGrid g(nullptr);
    TGridColumnItem& item = g.Columns().Items(2);
    item.SetFloatFormat("%.1f");
    item.SetFloats(3, 2.25);
    EXPECT_EQ(g.Cells(2, 3), "2.2");
    item.SetInts(4, 17);
    EXPECT_EQ(item.Ints(4), 17);
    g.SetCells(2, 5, "x1");
    try {
        (void)item.Ints(5);
        ADD_FAILURE() << "no error for x1";
    } catch (const EExtGridError& e) {
        EXPECT_STREQ(e.what(), "Cell does not contain integer value");
    }
    const base::TDateTime d = base::EncodeDate(2026, 12, 10);
    item.SetDates(6, d);
    EXPECT_DOUBLE_EQ(item.Dates(6), d);
    TGridColumnItem spare(nullptr);
    EXPECT_EQ(spare.Ints(1), 0) << "a column without a grid has no cells";
}

TEST(ExtCGridColumns, RegionalFormatsFollowTheProgramSettings) {
    const base::TFormatSettings saved = base::FormatSettings();
    base::TFormatSettings fs = saved;
    fs.dateSeparator = '.';
    fs.shortDateFormat = "dd.mm.yyyy";
    base::SetFormatSettings(fs);
    EXPECT_EQ(LocaleDateSeparator(), '.');
    EXPECT_EQ(LocaleShortDateFormat(), "dd.mm.yyyy");
    EXPECT_NE(LocaleThousandSeparator(), LocaleDecimalSeparator());
    base::SetFormatSettings(saved);
}

TEST(ExtCGridColumns, FlaggingACellKeepsItsColumnsLook) {
    TExtColumnGrid g(nullptr);
    TGridColumnItem& item = g.Columns().Items(2);
    item.SetAlignment(plat::taCenter);
    item.SetHeaderAlignment(plat::taRightJustify);
    item.SetColor(plat::clYellow);
    g.SetReadOnly(2, 3, true);
    g.SetReadOnly(2, 0, true);
    plat::TAlignment ha = plat::taLeftJustify;
    TVAlignment va = vtaTop;
    g.DoGetAlignment(2, 3, ha, va);
    EXPECT_EQ(ha, plat::taCenter);
    g.DoGetAlignment(2, 0, ha, va);
    EXPECT_EQ(ha, plat::taRightJustify);
    plat::TBrush brush;
    plat::TFont font;
    g.GetCellColor(2, 3, {}, brush, font);
    EXPECT_EQ(brush.Color(), plat::clYellow);
    EXPECT_EQ(g.Colors(2, 0), plat::clNone) << "a fixed cell has no brush of its own";
}

TEST(ExtCGridColumns, BordersAndPrintLookComeFromTheColumn) {
    TExtColumnGrid g(nullptr);
    TGridColumnItem& item = g.Columns().Items(2);
    item.SetBorders({cbLeft, cbBottom});
    item.BorderPen().SetColor(plat::clRed);
    item.SetPrintColor(plat::clYellow);
    item.PrintFont().SetName("Courier New");
    TCellBorders borders;
    plat::TPen pen;
    g.GetCellBorder(2, 3, borders, pen);
    EXPECT_EQ(borders, (TCellBorders{cbLeft, cbBottom}));
    EXPECT_EQ(pen.Color(), plat::clRed);
    borders = {};
    g.GetCellBorder(2, 0, borders, pen);
    EXPECT_TRUE(borders.Empty()) << "fixed cells keep their own borders";
    g.GetCellPrintBorder(2, 3, borders, pen);
    EXPECT_EQ(borders, (TCellBorders{cbTop, cbLeft, cbRight, cbBottom}));
    item.SetPrintBorderCustom(false);
    borders = {};
    g.GetCellPrintBorder(2, 3, borders, pen);
    EXPECT_TRUE(borders.Empty());
    plat::TBrush brush;
    plat::TFont font;
    g.GetCellPrintColor(2, 3, {}, brush, font);
    EXPECT_EQ(brush.Color(), plat::clYellow);
    EXPECT_EQ(font.Name(), "Courier New");
    g.SetColors(2, 4, plat::clBlue);
    g.GetCellPrintColor(2, 4, {}, brush, font);
    EXPECT_EQ(brush.Color(), plat::clBlue) << "the cell's own colour wins";
}

TEST(ExtCGridColumns, ParentFormOfAGrid) {
    plat::TForm form(nullptr);
    auto* panel = new plat::TPanel(&form);
    panel->SetParent(&form);
    auto* grid = new TExtColumnGrid(&form);
    EXPECT_EQ(FindParentForm(grid), nullptr) << "not placed yet";
    grid->SetParent(panel);
    EXPECT_EQ(FindParentForm(grid), &form);
    EXPECT_EQ(FindParentForm(nullptr), nullptr);
}
