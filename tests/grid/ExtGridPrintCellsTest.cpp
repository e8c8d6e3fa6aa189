// Printed cells show what the screen shows: pictures, images, radio
// buttons, progress bars and pies, rotated, HTML and rich text, merged
// blocks whole, and cut text with its ellipsis. Pages are drawn on a
// bitmap at the screen's resolution, or printed as page pictures by the
// platform printer, and their pixels read back.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "ColourImages.h"
#include "grid/ExtGrid.h"
#include "grid/ExtGridPaint.h"
#include "grid/GridLists.h"
#include "grid/PrintSettings.h"
#include "platform/Bitmap.h"
#include "platform/Forms.h"
#include "platform/GuiApp.h"
#include "platform/Printers.h"

using namespace grid;
using plat::TColor;
using plat::TRect;
namespace fs = std::filesystem;

namespace {

constexpr int kPageW = 794, kPageH = 1123;  // A4 at 96 pixels per inch
constexpr TColor kRed = plat::RGB(255, 0, 0);
constexpr TColor kGreen = plat::RGB(0, 160, 0);
constexpr TColor kBlue = plat::RGB(0, 0, 230);

std::string OutPath(const std::string& Name) {
    const fs::path dir = fs::path(VASTRIMO_TEST_OUT) / "print";
    fs::create_directories(dir);
    return (dir / Name).string();
}

plat::TBitmap Solid(int w, int h, TColor c) {
    plat::TBitmap b(w, h);
    b.Canvas().Brush().SetColor(c);
    b.Canvas().FillRect({0, 0, w, h});
    return b;
}

bool Ink(TColor c) { return c != plat::clWhite; }

// A grid of plain cells without lines, printed on a white page; the
// printed box of every cell is caught as it is drawn.
struct PrintSheet {
    PrintSheet(int Cols, int Rows) : g(nullptr), page(kPageW, kPageH) {
        plat::EnsureGuiApplication();
        g.SetFixedCols(0);
        g.SetFixedRows(0);
        g.SetColCount(Cols);
        g.SetRowCount(Rows);
        g.SetDefaultRowHeight(30);
        for (int c = 0; c < Cols; ++c) g.SetColWidths(c, 120);
        g.SetGridImages(&images);
        TPrintSettings& ps = g.PrintSettings();
        ps.Borders = pbNoborder;
        ps.Centered = false;
        g.OnCustomCellDraw = [this](TObject*, plat::TCanvas&, int ACol, int ARow, TGridDrawState, TRect R, bool) {
            boxes[{ACol, ARow}] = R;
        };
    }
    void Print() {
        page.Canvas().Brush().SetColor(plat::clWhite);
        page.Canvas().FillRect(plat::Rect(0, 0, kPageW, kPageH));
        g.PrintDraw(page.Canvas(), plat::Rect(0, 0, kPageW, kPageH));
    }
    int Count(const TRect& R, const std::function<bool(TColor)>& Is) const {
        int n = 0;
        for (int y = std::max(0, R.Top); y < std::min(kPageH, R.Bottom); ++y)
            for (int x = std::max(0, R.Left); x < std::min(kPageW, R.Right); ++x)
                if (Is(page.Pixel(x, y))) ++n;
        return n;
    }
    int Count(const TRect& R, TColor C) const {
        return Count(R, [C](TColor k) { return k == C; });
    }
    // The bounds of the ink in R.
    TRect InkBounds(const TRect& R) const { return InkBoundsOf(page, R); }
    static TRect InkBoundsOf(const plat::TBitmap& Page, const TRect& R) {
        TRect b{R.Right, R.Bottom, R.Left, R.Top};
        for (int y = R.Top; y < R.Bottom; ++y)
            for (int x = R.Left; x < R.Right; ++x)
                if (Ink(Page.Pixel(x, y))) {
                    b.Left = std::min(b.Left, x);
                    b.Top = std::min(b.Top, y);
                    b.Right = std::max(b.Right, x + 1);
                    b.Bottom = std::max(b.Bottom, y + 1);
                }
        return b;
    }
    TRect Box(int c, int r) const { return boxes.at({c, r}); }
    TExtStringGrid g;
    grid_test::TColourImages images{kRed, kGreen, kBlue};
    plat::TBitmap page;
    std::map<std::pair<int, int>, TRect> boxes;
};

}  // namespace

TEST(ExtGridPrintCells, GraphicsPrintLikeTheScreenAndOnlyWithPrintGraphics) {
    static plat::TBitmap red = Solid(10, 10, kRed);
    const struct {
        const char* name;
        std::function<void(TExtStringGrid&)> add;
        std::function<bool(TColor)> is;
        int least;  // pixels of the graphic's colour in the printed box
    } cases[] = {
        {"bitmap", [](TExtStringGrid& g) { g.AddBitmap(1, 0, &red, false, haLeft, vaTop); },
         [](TColor k) { return k == kRed; }, 80},
        {"image of the image list", [](TExtStringGrid& g) { g.AddImageIdx(1, 0, 1, haLeft, vaTop); },
         [](TColor k) { return k == kGreen; }, 50},
        {"progress bar",
         [](TExtStringGrid& g) {
             g.AddProgress(1, 0, kGreen, plat::clWhite);
             g.SetCells(1, 0, "50");
         },
         [](TColor k) { return k == kGreen; }, 40},
        {"progress pie", [](TExtStringGrid& g) { g.AddProgressPie(1, 0, kBlue, 50); },
         [](TColor k) { return k == kBlue; }, 50},
        {"radio button", [](TExtStringGrid& g) { g.AddRadioButton(1, 0, true); }, Ink, 20},
    };
    for (const auto& c : cases) {
        int found[2] = {0, 0};
        for (bool graphics : {false, true}) {
            PrintSheet s(3, 2);
            c.add(s.g);
            s.g.PrintSettings().PrintGraphics = graphics;
            s.Print();
            found[graphics] = s.Count(s.Box(1, 0), c.is);
            if (graphics) {
                std::string file = std::string("cell-") + c.name + ".png";
                std::replace(file.begin(), file.end(), ' ', '-');
                ASSERT_TRUE(s.page.SavePng(OutPath(file)));
                EXPECT_EQ(s.Count(s.Box(0, 0), Ink) + s.Count(s.Box(2, 0), Ink), 0)
                    << c.name << ": drawn inside its own cell";
            }
        }
        EXPECT_EQ(found[0], 0) << c.name << ": left out without PrintGraphics";
        EXPECT_GE(found[1], c.least) << c.name;
    }
}

TEST(ExtGridPrintCells, TextStandsBesideItsPicture) {
    static plat::TBitmap red = Solid(16, 16, kRed);
    PrintSheet plain(1, 1), pictured(1, 1);
    for (PrintSheet* s : {&plain, &pictured}) {
        s->g.SetCells(0, 0, "Text");
        s->g.PrintSettings().PrintGraphics = true;
    }
    pictured.g.AddBitmap(0, 0, &red, false, haLeft, vaTop);
    plain.Print();
    pictured.Print();
    const auto text = [](TColor k) { return Ink(k) && k != kRed; };
    const TRect a = plain.InkBounds(plain.Box(0, 0));
    int left = kPageW;
    const TRect box = pictured.Box(0, 0);
    for (int y = box.Top; y < box.Bottom; ++y)
        for (int x = box.Left; x < box.Right; ++x)
            if (text(pictured.page.Pixel(x, y))) left = std::min(left, x);
    EXPECT_GE(left, a.Left + 15) << "the text starts right of the picture, not over it";
    EXPECT_GT(pictured.g.PrintColWidth(0), plain.g.PrintColWidth(0)) << "the picture's room is measured";
}

TEST(ExtGridPrintCells, RotatedTextTurnsAsOnTheScreen) {
    PrintSheet flat(1, 1), turned(1, 1);
    flat.g.SetCells(0, 0, "WWWWWW");
    turned.g.AddRotated(0, 0, 90, "WWWWWW");
    turned.g.PrintSettings().PrintGraphics = false;  // rotated text is text, printed anyway
    flat.Print();
    turned.Print();
    const TRect f = flat.InkBounds(flat.Box(0, 0));
    const TRect t = turned.InkBounds(turned.Box(0, 0));
    ASSERT_GT(f.Right, f.Left);
    ASSERT_GT(t.Right, t.Left) << "the rotated text is printed";
    EXPECT_GT(f.Width(), f.Height());
    EXPECT_GT(t.Height(), t.Width()) << "it stands upright";
    EXPECT_GT(t.Height(), f.Width() * 3 / 4);
    EXPECT_GE(turned.Box(0, 0).Height(), t.Height()) << "the row is measured for the turned text";
}

TEST(ExtGridPrintCells, HtmlAndRichTextPrintAsTheirText) {
    PrintSheet html(1, 1);
    html.g.SetCells(0, 0, "<font color=\"clRed\">Red</font> word");
    html.Print();
    EXPECT_GT(html.Count(html.Box(0, 0), kRed), 10) << "the HTML colour, not the tags";

    PrintSheet rich(1, 1), plain(1, 1);
    rich.g.SetCells(0, 0, "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Hello\\par}");
    plain.g.SetCells(0, 0, "Hello");
    rich.Print();
    plain.Print();
    const TRect box = plain.Box(0, 0);
    EXPECT_EQ(rich.Box(0, 0), box);
    int differ = 0;
    for (int y = box.Top; y < box.Bottom; ++y)
        for (int x = box.Left; x < box.Right; ++x) differ += rich.page.Pixel(x, y) != plain.page.Pixel(x, y);
    EXPECT_EQ(differ, 0) << "rich text prints as its plain text";
}

TEST(ExtGridPrintCells, HtmlTitleInThePageFrame) {
    PrintSheet s(1, 2);
    TPrintSettings& ps = s.g.PrintSettings();
    ps.Title = ppTopLeft;
    ps.TitleLines.Add("<font color=\"clBlue\">Device</font> table");
    s.Print();
    const TRect first = s.Box(0, 0);
    ASSERT_GT(first.Top, 0) << "the title takes room above the rows";
    const TColor html = plat::ColorToRGB(plat::clBlue);
    EXPECT_GT(s.Count(plat::Rect(0, 0, kPageW, first.Top), html), 10) << "the title in its HTML colour";
    EXPECT_GT(s.Count(plat::Rect(0, 0, kPageW, first.Top), plat::clBlack), 10) << "and its plain part";
}

TEST(ExtGridPrintCells, MergedBlockPrintsWhole) {
    PrintSheet s(3, 3);
    s.g.PrintSettings().Borders = pbSingle;
    s.g.MergeCells(0, 0, 2, 2);
    s.g.SetColors(0, 0, plat::clYellow);
    s.Print();
    ASSERT_TRUE(s.page.SavePng(OutPath("merged.png")));
    const TRect block = s.Box(0, 0);
    const TRect below = s.Box(0, 2);
    EXPECT_GE(block.Bottom, below.Top - 1) << "the box reaches over the second row";
    EXPECT_GE(block.Right, s.Box(2, 0).Left - 1) << "and over the second column";
    // Where the cells of the block meet, no line crosses it.
    const int xMid = block.Left + block.Width() / 2, yMid = block.Top + block.Height() / 2;
    int lines = 0;
    for (int x = block.Left + 3; x < block.Right - 3; ++x) lines += s.page.Pixel(x, yMid) == plat::clBlack;
    for (int y = block.Top + 3; y < block.Bottom - 3; ++y) lines += s.page.Pixel(xMid, y) == plat::clBlack;
    EXPECT_EQ(lines, 0);
    EXPECT_EQ(s.page.Pixel(block.Right - 4, block.Bottom - 4), plat::clYellow) << "the fill covers the block";
    EXPECT_GT(s.Count(plat::Rect(block.Left - 1, yMid, block.Left + 2, yMid + 1), plat::clBlack), 0)
        << "the block's outline";
}

TEST(ExtGridPrintCells, CutTextEndsInAnEllipsisWhereTheGridSaysSo) {
    // The last few pixels of the text: the dots of an ellipsis sit on the
    // base line, a cut letter stands as high as the others.
    auto check = [](const PrintSheet& s, const plat::TBitmap& b, TRect box, bool enh, const std::string& name) {
        const TRect ink = s.InkBoundsOf(b, box);
        ASSERT_GT(ink.Width(), 20) << name;
        const TRect end = s.InkBoundsOf(b, plat::Rect(ink.Right - 5, ink.Top, ink.Right, ink.Bottom));
        if (enh) {
            EXPECT_LE(end.Height(), 3) << name << ": ends in dots";
        } else {
            EXPECT_GT(end.Height(), ink.Height() / 2) << name << ": ends in a cut letter";
        }
    };
    for (bool enh : {false, true}) {
        PrintSheet s(2, 1);
        s.g.SetColWidths(0, 50);
        s.g.SetCells(0, 0, "WWWWWWWWWWWWWWWWWWWW");
        s.g.SetEnhTextSize(enh);
        s.g.SetWordWrap(false);  // wrapped text breaks at words instead
        s.g.PrintSettings().NoAutoSize = true;
        s.Print();
        ASSERT_TRUE(s.page.SavePng(OutPath(enh ? "paper-ellipsis.png" : "paper-cut.png")));
        check(s, s.page, s.Box(0, 0), enh, enh ? "paper, ellipsis" : "paper, cut");

        // The screen shows it the same way.
        plat::TForm form(nullptr);
        form.SetBounds(0, 0, 300, 100);
        auto* g = new TExtStringGrid(&form);
        g->SetParent(&form);
        g->SetBounds(0, 0, 280, 80);
        g->SetColCount(2);
        g->SetRowCount(3);
        g->SetColWidths(1, 50);
        g->SetCells(1, 2, "WWWWWWWWWWWWWWWWWWWW");  // below the current cell
        g->SetEnhTextSize(enh);
        g->SetWordWrap(false);
        plat::TBitmap shot(g->Width(), g->Height());
        TExtGridPainter(*g).Paint(shot.Canvas());
        ASSERT_TRUE(shot.SavePng(OutPath(enh ? "screen-ellipsis.png" : "screen-cut.png")));
        TRect box = g->CellRect(1, 2);
        box.Right -= 2;  // clear of the grid lines
        box.Bottom -= 2;
        check(s, shot, box, enh, enh ? "screen, ellipsis" : "screen, cut");
    }
}

// Printed through the platform printer as page pictures.
namespace {

plat::TBitmap PrintedPage(TExtStringGrid& G, const std::string& Name) {
    const std::string path = OutPath(Name + ".png");
    plat::Printer().SetOutputFileName(path);
    G.Print();
    plat::Printer().SetOutputFileName("");
    plat::TBitmap page;
    EXPECT_TRUE(page.LoadFromFile(OutPath(Name + "-1.png"))) << Name;
    return page;
}

bool SamePixels(const plat::TBitmap& A, const plat::TBitmap& B) {
    if (A.Width() != B.Width() || A.Height() != B.Height()) return false;
    for (int y = 0; y < A.Height(); y += 2)
        for (int x = 0; x < A.Width(); x += 2)
            if (A.Pixel(x, y) != B.Pixel(x, y)) return false;
    return true;
}

}  // namespace

TEST(ExtGridPrintCells, PicturesScaleToThePrinter) {
    static plat::TBitmap red = Solid(10, 10, kRed);
    PrintSheet s(1, 1);
    s.g.AddBitmap(0, 0, &red, false, haLeft, vaTop);
    s.g.PrintSettings().PrintGraphics = true;
    const plat::TBitmap page = PrintedPage(s.g, "printer-picture");
    ASSERT_GT(page.Width(), 2000) << "a page at the printer's resolution";
    int n = 0;
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 400; ++x) n += page.Pixel(x, y) == kRed;
    const int side = 10 * plat::Printer().XResolution() / 96;
    EXPECT_NEAR(n, side * side, 4 * side) << "ten screen pixels are a tenth of an inch on paper";
}

TEST(ExtGridPrintCells, PrinterDriverFixTurnsRotatedTextBack) {
    auto print = [](int angle, bool fix, int landscape, const std::string& name) {
        PrintSheet s(1, 1);
        s.g.SetDefaultRowHeight(80);
        s.g.AddRotated(0, 0, static_cast<std::int16_t>(angle), "Turned text");
        s.g.SetPrinterDriverFix(fix);
        plat::Printer().SetLandscapeRotation(landscape);
        plat::TBitmap page = PrintedPage(s.g, name);
        plat::Printer().SetLandscapeRotation(90);
        return page;
    };
    const plat::TBitmap up = print(60, false, 90, "fix-off-up");
    const plat::TBitmap down = print(-60, false, 90, "fix-off-down");
    ASSERT_FALSE(SamePixels(up, down));
    EXPECT_TRUE(SamePixels(print(60, true, 270, "fix-270"), up)) << "a driver turning by 270 degrees needs nothing";
    EXPECT_TRUE(SamePixels(print(60, true, 90, "fix-90"), down)) << "one turning by 90 degrees gets the text mirrored";

    // The preview is no printer: it shows the screen's angle.
    PrintSheet s(1, 1), plain(1, 1);
    s.g.SetDefaultRowHeight(80);
    plain.g.SetDefaultRowHeight(80);
    s.g.AddRotated(0, 0, 60, "Turned text");
    plain.g.AddRotated(0, 0, 60, "Turned text");
    s.g.SetPrinterDriverFix(true);
    s.Print();
    plain.Print();
    EXPECT_TRUE(SamePixels(s.page, plain.page));
}
