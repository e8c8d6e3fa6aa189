#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "grid/ExtGrid.h"
#include "platform/Bitmap.h"
#include "platform/GuiApp.h"
#include "platform/Printers.h"

using namespace grid;
namespace fs = std::filesystem;

namespace {

std::string OutPath(const std::string& Name) {
    const fs::path dir = fs::path(VASTRIMO_TEST_OUT) / "print";
    fs::create_directories(dir);
    const fs::path file = dir / Name;
    fs::remove(file);
    return file.string();
}

// Pages of a PDF file: its "/Type /Page" objects (the page tree is
// "/Type /Pages" and does not count).
int PdfPages(const std::string& Path) {
    std::ifstream in(Path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    const std::string text = s.str();
    int pages = 0;
    for (size_t at = text.find("/Type /Page"); at != std::string::npos; at = text.find("/Type /Page", at + 1))
        if (text.compare(at, 12, "/Type /Pages") != 0) ++pages;
    return pages;
}

// A grid of Rows rows under one fixed header row, cells "r:c".
struct PrintGrid {
    explicit PrintGrid(int Cols, int Rows, const std::string& Wide = "") : g(nullptr) {
        plat::EnsureGuiApplication();
        g.SetFixedCols(0);
        g.SetColCount(Cols);
        g.SetRowCount(Rows + 1);
        g.SetFixedRows(1);
        for (int c = 0; c < Cols; ++c) {
            g.SetCells(c, 0, "Head " + std::to_string(c));
            for (int r = 1; r <= Rows; ++r) g.SetCells(c, r, std::to_string(r) + ":" + std::to_string(c) + Wide);
        }
    }
    // Prints to a PDF file and gives its page count.
    int PrintToPdf(const std::string& Name) {
        const std::string path = OutPath(Name);
        plat::Printer().SetOutputFileName(path);
        g.Print();
        plat::Printer().SetOutputFileName("");
        return PdfPages(path);
    }
    TExtStringGrid g;
};

// A4 at the screen's 96 pixels per inch.
constexpr int kPageW = 794, kPageH = 1123;

}  // namespace

TEST(ExtGridPrint, PdfAndPreviewOfTheSamePages) {
    PrintGrid p(3, 150);
    p.g.SetLook(glClassic);  // fixed cells in their plain colour
    p.g.SetFixedColor(plat::clYellow);
    p.g.PrintSettings().Borders = pbSingle;
    const int pages = p.PrintToPdf("table.pdf");
    EXPECT_GT(pages, 1);
    EXPECT_EQ(pages, p.g.PrintNrOfPages()) << "the counting pass breaks where the print does";

    plat::TBitmap shot(kPageW, kPageH);
    shot.Canvas().Brush().SetColor(plat::clWhite);
    shot.Canvas().FillRect(plat::Rect(0, 0, kPageW, kPageH));
    p.g.PrintPreview(shot.Canvas(), plat::Rect(0, 0, kPageW, kPageH));
    ASSERT_TRUE(shot.SavePng(OutPath("preview-page1.png")));
    EXPECT_EQ(p.g.PrintNrOfPages(), pages) << "a preview of A4 counts as the printer does";

    // Page units to preview pixels.
    auto px = [](int units) { return units * 96 / 254; };
    const int left = px(p.g.PrintColOffset(1));
    // Right of the text, in the column's spacing.
    const int free = px(p.g.PrintColOffset(1) + p.g.PrintColWidth(1) + 14);
    EXPECT_EQ(shot.Canvas().Pixels(free, 4), plat::clYellow) << "the fixed row's background";
    EXPECT_EQ(shot.Canvas().Pixels(free, kPageH - 2), plat::clWhite) << "the footer stays clear";
    bool line = false;
    for (int x = left - 2; x <= left + 2; ++x) line |= shot.Canvas().Pixels(x, 40) == plat::clBlack;
    EXPECT_TRUE(line) << "a column's left border";
    EXPECT_EQ(p.g.PrintColStart(), 0);
    EXPECT_EQ(p.g.PrintColEnd(), 2) << "narrow columns make one strip";
}

TEST(ExtGridPrint, CellBackgroundsAndGradients) {
    const struct {
        const char* name;
        TGridLook look;
        TPrintBorders borders;
        plat::TColor top, bottom;  // of the header cell; clNone: a gradient
    } cases[] = {
        {"plain fixed colour", glClassic, pbSingle, plat::clYellow, plat::clYellow},
        {"gradient from white to the face colour", glBevel, pbSingle, plat::clNone, plat::clNone},
        {"no lines: the fill keeps clear of the edge", glClassic, pbNoborder, plat::clWhite, plat::clYellow},
    };
    for (const auto& c : cases) {
        PrintGrid p(2, 3);
        p.g.SetLook(c.look);
        p.g.SetFixedColor(plat::clYellow);
        p.g.PrintSettings().Borders = c.borders;
        plat::TBitmap shot(kPageW, kPageH);
        shot.Canvas().Brush().SetColor(plat::clWhite);
        shot.Canvas().FillRect(plat::Rect(0, 0, kPageW, kPageH));
        p.g.PrintDraw(shot.Canvas(), plat::Rect(0, 0, kPageW, kPageH));
        // Page units to pixels; x right of the header text, y at the top
        // edge (inside the line) and near the row's bottom.
        auto px = [](int units) { return units * 96 / 254; };
        const int x = px(p.g.PrintColOffset(1) + p.g.PrintColWidth(1) + 14);
        const plat::TColor top = shot.Canvas().Pixels(x, 1), bottom = shot.Canvas().Pixels(x, 13);
        if (c.top == plat::clNone) {
            auto light = [](plat::TColor k) { return plat::GetRValue(k) + plat::GetGValue(k) + plat::GetBValue(k); };
            EXPECT_GE(light(top), 3 * 0xF0) << c.name << ": starts near white";
            EXPECT_LT(light(bottom), light(top) - 20) << c.name << ": darkens downwards";
        } else {
            EXPECT_EQ(top, c.top) << c.name;
            EXPECT_EQ(bottom, c.bottom) << c.name;
        }
    }
}

TEST(ExtGridPrint, PageNumberTexts) {
    const struct {
        const char* name;
        std::string sep;
        int offset, maxOffset;
        std::string wide;  // text making the columns wide
        std::function<std::string(int page, int pages, int strips)> expect;
    } cases[] = {
        {"page of total", "/", 0, 0, "",
         [](int i, int n, int) { return std::to_string(i) + "/" + std::to_string(n); }},
        {"offsets", "/", 10, 2, "",
         [](int i, int n, int) { return std::to_string(i + 10) + "/" + std::to_string(n + 2); }},
        {"no separator", "", 0, 0, "", [](int i, int, int) { return std::to_string(i); }},
        {"strips", "/", 0, 0, std::string(40, 'W'),
         [](int i, int n, int s) {
             const int perStrip = n / s;
             return std::to_string((i - 1) % perStrip + 1) + "-" + std::to_string((i - 1) / perStrip + 1);
         }},
    };
    for (const auto& c : cases) {
        PrintGrid p(4, 120, c.wide);
        TPrintSettings& ps = p.g.PrintSettings();
        ps.PageNr = ppTopRight;
        ps.PageNumSep = c.sep;
        ps.PageNumberOffset = c.offset;
        ps.MaxPagesOffset = c.maxOffset;
        std::vector<std::string> texts;
        std::vector<int> strips;
        p.g.OnPrintGetPageNum = [&](TObject*, int, int Strip, std::string& S) {
            texts.push_back(S);
            strips.push_back(Strip);
        };
        const int pages = p.PrintToPdf(std::string("numbers-") + std::to_string(texts.size()) + ".pdf");
        const int stripCount = *std::max_element(strips.begin(), strips.end());
        ASSERT_EQ(static_cast<int>(texts.size()), pages) << c.name;
        ASSERT_GT(pages, stripCount) << c.name << ": more than one page per strip";
        for (int i = 1; i <= pages; ++i) EXPECT_EQ(texts[size_t(i - 1)], c.expect(i, pages, stripCount)) << c.name;
        if (!c.wide.empty()) {
            EXPECT_EQ(stripCount, 2) << c.name;
        }
    }
}

TEST(ExtGridPrint, FitToPageScalesOnlyTheWayAsked) {
    // narrow: three short columns; wide: columns that need two strips.
    const struct {
        const char* name;
        TFitToPage fit;
        bool wide;
        int expect;  // -1 narrower than before, 0 unchanged, 1 wider
    } cases[] = {
        {"shrink narrow", fpShrink, false, 0}, {"grow narrow", fpGrow, false, 1},
        {"always narrow", fpAlways, false, 1}, {"shrink wide", fpShrink, true, -1},
        {"grow wide", fpGrow, true, 0},        {"always wide", fpAlways, true, -1},
    };
    for (const auto& c : cases) {
        PrintGrid p(3, 4, c.wide ? std::string(60, 'W') : "");
        plat::TBitmap page(kPageW, kPageH);
        p.g.PrintDraw(page.Canvas(), plat::Rect(0, 0, kPageW, kPageH));
        const int before = p.g.PrintColWidth(0);
        p.g.PrintSettings().FitToPage = c.fit;
        p.g.PrintDraw(page.Canvas(), plat::Rect(0, 0, kPageW, kPageH));
        const int after = p.g.PrintColWidth(0);
        EXPECT_EQ((after > before) - (after < before), c.expect) << c.name << " " << before << " -> " << after;
        if (c.expect != 0) {
            int total = 0;
            for (int col = 0; col < 3; ++col) total += p.g.PrintColWidth(col) + 20;
            EXPECT_NEAR(total, p.g.PrintPageRect().Width(), 3) << c.name << ": the table fills the page";
        }
    }
}

TEST(ExtGridPrint, ColumnWiderThanThePagePrintsWithItsNeighbour) {
    PrintGrid p(3, 2);
    p.g.SetCells(0, 1, std::string(300, 'W'));
    std::vector<std::pair<int, int>> strips;
    p.g.OnPrintPage = [&](TObject*, plat::TCanvas&, int, int, int) {
        strips.emplace_back(p.g.PrintColStart(), p.g.PrintColEnd());
    };
    p.PrintToPdf("wide-column.pdf");
    EXPECT_EQ(strips, (std::vector<std::pair<int, int>>{{0, 1}, {2, 2}}));
}

TEST(ExtGridPrint, FixedRowsRepeatOnEveryPage) {
    for (bool repeat : {false, true}) {
        PrintGrid p(2, 150);
        p.g.PrintSettings().RepeatFixedRows = repeat;
        auto pages = std::make_shared<std::map<int, std::vector<int>>>();
        int page = 0;
        p.g.OnPrintPage = [&](TObject*, plat::TCanvas&, int PageNr, int, int) { page = PageNr; };
        p.g.OnCustomCellDraw = [&](TObject*, plat::TCanvas&, int ACol, int ARow, TGridDrawState, plat::TRect, bool) {
            if (ACol == 0) (*pages)[page].push_back(ARow);
        };
        const int count = p.PrintToPdf("repeat.pdf");
        ASSERT_GT(count, 1);
        EXPECT_EQ(std::count((*pages)[1].begin(), (*pages)[1].end(), 0), 1) << "the first page prints it once";
        for (int i = 2; i <= count; ++i)
            EXPECT_EQ((*pages)[i].front() == 0, repeat) << "page " << i << " repeat " << repeat;
        // Every body row is printed once.
        std::vector<int> body;
        for (auto& [n, rows] : *pages)
            for (int r : rows)
                if (r > 0) body.push_back(r);
        EXPECT_EQ(static_cast<int>(body.size()), 150);
        EXPECT_TRUE(std::is_sorted(body.begin(), body.end()));
    }
}

TEST(ExtGridPrint, NewPageAfterEveryRowPrintsOneRowPerPage) {
    PrintGrid p(2, 4);
    p.g.OnPrintNewPage = [](TObject*, int, bool& NewPage) { NewPage = true; };
    std::map<int, std::vector<int>> pages;
    int page = 0;
    p.g.OnPrintPage = [&](TObject*, plat::TCanvas&, int PageNr, int, int) { page = PageNr; };
    p.g.OnCustomCellDraw = [&](TObject*, plat::TCanvas&, int ACol, int ARow, TGridDrawState, plat::TRect, bool) {
        if (ACol == 0) pages[page].push_back(ARow);
    };
    EXPECT_EQ(p.PrintToPdf("one-per-page.pdf"), 5);
    EXPECT_EQ(pages, (std::map<int, std::vector<int>>{{1, {0}}, {2, {1}}, {3, {2}}, {4, {3}}, {5, {4}}}));
}

TEST(ExtGridPrint, PreviewDrawsOnlyTheChosenPage) {
    PrintGrid p(2, 200);
    std::vector<int> drawn;
    p.g.OnCustomCellDraw = [&](TObject*, plat::TCanvas&, int ACol, int ARow, TGridDrawState, plat::TRect, bool) {
        if (ACol == 0) drawn.push_back(ARow);
    };
    plat::TBitmap shot(kPageW, kPageH);
    p.g.PrintPreview(shot.Canvas(), plat::Rect(0, 0, kPageW, kPageH));
    ASSERT_GE(p.g.PrintNrOfPages(), 3);
    const std::vector<int> first = drawn;
    drawn.clear();
    p.g.SetPreviewPage(3);
    p.g.PrintPreview(shot.Canvas(), plat::Rect(0, 0, kPageW, kPageH));
    ASSERT_FALSE(drawn.empty());
    EXPECT_GT(drawn.front(), 2 * static_cast<int>(first.size()) - 2) << "rows of the third page";
    EXPECT_EQ(p.g.PreviewPage(), 3);
    EXPECT_FALSE(p.g.IsPrintPreview());

    drawn.clear();
    p.g.OnPrintStart = [](TObject*, int, int& From, int&) { From = 0; };
    p.g.PrintPreview(shot.Canvas(), plat::Rect(0, 0, kPageW, kPageH));
    EXPECT_TRUE(drawn.empty()) << "a refused range draws nothing";
}

TEST(ExtGridPrint, RefusedPageRangeLeavesNoDocument) {
    PrintGrid p(2, 10);
    p.g.OnPrintStart = [](TObject*, int, int& From, int& To) {
        From = 2;
        To = 1;
    };
    const std::string path = OutPath("refused.pdf");
    plat::Printer().SetOutputFileName(path);
    p.g.Print();
    plat::Printer().SetOutputFileName("");
    EXPECT_FALSE(plat::Printer().Printing());
    EXPECT_FALSE(fs::exists(path));
}

TEST(ExtGridPrint, HeaderAndFooterItemsStandWhereTheyArePut) {
    // Dark pixels in a corner box of the page (pixels).
    auto ink = [](plat::TBitmap& shot, plat::TRect box) {
        int n = 0;
        for (int y = box.Top; y < box.Bottom; ++y)
            for (int x = box.Left; x < box.Right; ++x)
                if (shot.Canvas().Pixels(x, y) == plat::clBlack) ++n;
        return n;
    };
    const plat::TRect topRight = plat::Rect(kPageW - 150, 0, kPageW, 40);
    const plat::TRect bottomCentre = plat::Rect(kPageW / 2 - 100, kPageH - 60, kPageW / 2 + 100, kPageH);
    for (bool items : {false, true}) {
        PrintGrid p(1, 3);
        TPrintSettings& ps = p.g.PrintSettings();
        ps.HeaderSize = 50;
        ps.FooterSize = 50;
        ps.Centered = false;
        ps.Borders = pbNoborder;
        if (items) {
            ps.PageNr = ppTopRight;
            ps.PagePrefix = "Page";
            ps.Title = ppBottomCenter;
            ps.TitleText = "Device table";
        }
        plat::TBitmap shot(kPageW, kPageH);
        shot.Canvas().Brush().SetColor(plat::clWhite);
        shot.Canvas().FillRect(plat::Rect(0, 0, kPageW, kPageH));
        p.g.PrintDraw(shot.Canvas(), plat::Rect(0, 0, kPageW, kPageH));
        if (items) {
            ASSERT_TRUE(shot.SavePng(OutPath("header-footer.png")));
        }
        EXPECT_EQ(ink(shot, topRight) > 0, items) << "page number at the top right";
        EXPECT_EQ(ink(shot, bottomCentre) > 0, items) << "title at the bottom centre";
    }
}

TEST(ExtGridPrint, SelectedRowsOnlyAndCancelStopAfterThePage) {
    PrintGrid p(2, 150);
    p.g.MouseActions().SetDisjunctRowSelect(true);
    for (int r : {3, 5, 120}) p.g.SetRowSelect(r, true);
    std::vector<int> rows;
    p.g.OnCustomCellDraw = [&](TObject*, plat::TCanvas&, int ACol, int ARow, TGridDrawState, plat::TRect, bool) {
        if (ACol == 0) rows.push_back(ARow);
    };
    plat::Printer().SetOutputFileName(OutPath("selected.pdf"));
    p.g.PrintSelectedRows();
    EXPECT_EQ(rows, (std::vector<int>{3, 5, 120}));

    rows.clear();
    p.g.MouseActions().SetDisjunctRowSelect(false);
    int done = 0;
    p.g.OnPrintCancel = [&](TObject*, int PageNr, bool& Cancel) {
        ++done;
        Cancel = PageNr == 1;
    };
    const std::string path = OutPath("cancelled.pdf");
    plat::Printer().SetOutputFileName(path);
    p.g.Print();
    plat::Printer().SetOutputFileName("");
    EXPECT_EQ(done, 1);
    EXPECT_EQ(PdfPages(path), 1) << "the page done stays printed";
    EXPECT_EQ(static_cast<size_t>(rows.back()), rows.size() - 1) << "rows of the first page only";
    EXPECT_LT(rows.size(), 151u);
}

TEST(ExtGridPrint, CheckBoxesPrintOnlyWithGraphics) {
    int widths[2] = {0, 0}, inks[2] = {0, 0};
    for (bool graphics : {false, true}) {
        PrintGrid p(2, 3);
        for (int r = 0; r <= 3; ++r) p.g.SetCells(0, r, "");
        p.g.AddCheckBoxColumn(0, true);
        p.g.SetLook(glClassic);
        p.g.SetFixedColor(plat::clWhite);  // only the boxes may leave ink
        p.g.PrintSettings().PrintGraphics = graphics;
        p.g.PrintSettings().Borders = pbNoborder;
        p.g.PrintSettings().Centered = false;
        plat::TBitmap shot(kPageW, kPageH);
        shot.Canvas().Brush().SetColor(plat::clWhite);
        shot.Canvas().FillRect(plat::Rect(0, 0, kPageW, kPageH));
        p.g.PrintDraw(shot.Canvas(), plat::Rect(0, 0, kPageW, kPageH));
        widths[graphics] = p.g.PrintColWidth(0);
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < p.g.PrintColWidth(0) * 96 / 254; ++x)
                if (shot.Canvas().Pixels(x, y) != plat::clWhite) ++inks[graphics];
    }
    EXPECT_GT(widths[1], widths[0]) << "the box is measured";
    EXPECT_EQ(inks[0], 0) << "nothing printed without graphics";
    EXPECT_GT(inks[1], 20) << "the boxes are printed";
}

TEST(ExtGridPrint, FastPrintPrintsEveryPageWithoutATotal) {
    PrintGrid counted(2, 200);
    const int pages = counted.PrintToPdf("counted.pdf");
    ASSERT_GE(pages, 3);

    PrintGrid fast(2, 200);
    fast.g.SetFastPrint(true);
    fast.g.PrintSettings().PageNr = ppBottomRight;
    std::vector<std::string> texts;
    fast.g.OnPrintGetPageNum = [&](TObject*, int, int, std::string& S) { texts.push_back(S); };
    EXPECT_EQ(fast.PrintToPdf("fast.pdf"), pages) << "no rows are skipped";
    ASSERT_EQ(static_cast<int>(texts.size()), pages);
    EXPECT_EQ(texts.back(), std::to_string(pages)) << "a page number without an unknown total";
}

TEST(ExtGridPrint, RangesPastTheGridPrintThePartInside) {
    const struct {
        const char* name;
        TGridRect range;
        std::vector<int> rows;
    } cases[] = {
        {"past the end", {1, 2, 9, 99}, {2, 3}},
        {"before the start", {-5, -5, 0, 1}, {0, 1}},
        {"empty", {3, 3, 2, 2}, {}},
    };
    for (const auto& c : cases) {
        PrintGrid p(2, 3);
        std::vector<int> rows;
        p.g.OnCustomCellDraw = [&](TObject*, plat::TCanvas&, int ACol, int ARow, TGridDrawState, plat::TRect, bool) {
            if (ACol == c.range.Left || (c.range.Left < 0 && ACol == 0)) rows.push_back(ARow);
        };
        plat::TBitmap shot(kPageW, kPageH);
        p.g.PrintDrawRect(shot.Canvas(), plat::Rect(0, 0, kPageW, kPageH), c.range);
        EXPECT_EQ(rows, c.rows) << c.name;
    }
}

TEST(ExtGridPrint, RowTallerThanAPagePrintsOnAPageOfItsOwn) {
    PrintGrid p(1, 3);
    std::string tall;
    for (int i = 0; i < 150; ++i) tall += "line " + std::to_string(i) + "\r\n";
    p.g.SetCells(0, 2, tall);
    std::vector<int> rows;
    p.g.OnCustomCellDraw = [&](TObject*, plat::TCanvas&, int, int ARow, TGridDrawState, plat::TRect, bool) {
        rows.push_back(ARow);
    };
    EXPECT_EQ(p.PrintToPdf("tall-row.pdf"), 3) << "rows 0-1, the tall row, row 3";
    EXPECT_EQ(rows, (std::vector<int>{0, 1, 2, 3}));
}
