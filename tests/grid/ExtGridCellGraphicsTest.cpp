// Each cell kind painted into a small grid offscreen; the checks look at
// colours the kind alone puts into its cell. One picture of all kinds is
// left in the test output folder for people to look at.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ColourImages.h"
#include "grid/ExtGrid.h"
#include "grid/ExtGridPaint.h"
#include "grid/FilePicture.h"
#include "grid/GridLists.h"
#include "platform/Bitmap.h"
#include "platform/Forms.h"
#include "platform/GuiApp.h"

using namespace grid;
using plat::RGB;
using plat::TColor;
using plat::TRect;

namespace {

constexpr TColor kRed = RGB(220, 0, 0);
constexpr TColor kGreen = RGB(0, 170, 0);
constexpr TColor kBlue = RGB(0, 0, 230);
constexpr TColor kPurple = RGB(150, 0, 150);
constexpr TColor kOrange = RGB(255, 140, 0);
constexpr TColor kGrey = RGB(200, 200, 200);

std::string OutPath(const std::string& name) {
    std::filesystem::create_directories(VASTRIMO_TEST_OUT);
    return std::string(VASTRIMO_TEST_OUT) + "/" + name;
}

// Draws a purple frame over what it is given.
class TFramedCell : public plat::TObject, public IInterfacedCell {
public:
    void Draw(plat::TCanvas& Canvas, const TRect& R, int, int, bool, TExtStringGrid&) override {
        Canvas.Brush().SetColor(kPurple);
        Canvas.FillRect({R.Left + 4, R.Top + 4, R.Left + 14, R.Top + 14});
    }
    int GetExtentX() override { return 10; }
    int GetExtentY() override { return 10; }
};

plat::TBitmap Solid(int w, int h, TColor c) {
    plat::TBitmap b(w, h);
    b.Canvas().Brush().SetColor(c);
    b.Canvas().FillRect({0, 0, w, h});
    return b;
}

int Count(const plat::TBitmap& bmp, const TRect& r, TColor c) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            if (bmp.Pixel(x, y) == c) ++n;
    return n;
}

bool Dark(TColor c) { return plat::GetRValue(c) < 90 && plat::GetGValue(c) < 90 && plat::GetBValue(c) < 90; }

int CountDark(const plat::TBitmap& bmp, const TRect& r) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            if (Dark(bmp.Pixel(x, y))) ++n;
    return n;
}

struct Sheet {
    std::unique_ptr<plat::TForm> form;
    TExtStringGrid* grid = nullptr;
    grid_test::TColourImages images{kRed, kGreen, kBlue};
    plat::TBitmap shot;
    explicit Sheet(int rows) {
        plat::EnsureGuiApplication();
        form = std::make_unique<plat::TForm>(nullptr);
        form->SetBounds(0, 0, 400, rows * 26 + 60);
        grid = new TExtStringGrid(form.get());
        grid->SetParent(form.get());
        grid->SetBounds(0, 0, 380, rows * 26 + 40);
        grid->SetColCount(2);
        grid->SetRowCount(rows + 1);
        grid->SetColWidths(0, 110);
        grid->SetColWidths(1, 140);
        grid->SetDefaultRowHeight(26);
        grid->SetGridImages(&images);
        // Editable cells: buttons and radio buttons show their enabled look.
        plat::TGridOptions opts = grid->Options();
        opts.Include(goEditing);
        grid->SetOptions(opts);
    }
    void Paint() {
        TExtGridPainter painter(*grid);
        shot = plat::TBitmap(grid->Width(), grid->Height());
        painter.Paint(shot.Canvas());
    }
    TRect Cell(int row) const { return grid->CellRect(1, row); }
};

struct KindCase {
    const char* name;
    std::function<void(TExtStringGrid&, int row)> add;
    std::function<void(const plat::TBitmap&, const TRect&, TExtStringGrid&, int row)> check;
};

}  // namespace

TEST(ExtGridCellGraphics, EveryKindDrawsInItsCell) {
    static plat::TBitmap redBmp = Solid(10, 10, kRed);
    // The lower-left pixel is the glyph's transparent colour.
    static plat::TBitmap glyph = [] {
        plat::TBitmap b = Solid(8, 8, kGreen);
        b.Canvas().SetPixels(0, 7, plat::clWhite);
        return b;
    }();
    static plat::TPicture picture;
    picture.SetGraphic(&redBmp);
    static TFramedCell framed;
    const std::string pngPath = OutPath("ExtGridCellGraphics_blue.png");
    ASSERT_TRUE(Solid(12, 6, kBlue).SavePng(pngPath));

    const KindCase cases[] = {
        {"bitmap", [](TExtStringGrid& g, int r) { g.AddBitmap(1, r, &redBmp, false, haLeft, vaTop); },
         [](const plat::TBitmap& b, const TRect& c, TExtStringGrid&, int) { EXPECT_EQ(Count(b, c, kRed), 100); }},
        {"created bitmap",
         [](TExtStringGrid& g, int r) { g.CreateBitmap(1, r, false, haRight, vaTop)->Assign(Solid(6, 6, kGreen)); },
         [](const plat::TBitmap& b, const TRect& c, TExtStringGrid&, int) {
             EXPECT_EQ(Count(b, c, kGreen), 36);
             EXPECT_EQ(b.Pixel(c.Right - 4, c.Top + 3), kGreen) << "right-aligned";
         }},
        {"picture stretched",
         [](TExtStringGrid& g, int r) { g.AddPicture(1, r, &picture, false, Stretch, 0, haLeft, vaTop); },
         [](const plat::TBitmap& b, const TRect& c, TExtStringGrid&, int) {
             EXPECT_GT(Count(b, c, kRed), 100 * 10) << "fills the cell, far beyond its own 10 x 10";
         }},
        {"file picture",
         [pngPath](TExtStringGrid& g, int r) {
             ASSERT_TRUE(g.CreateFilePicture(1, r, false, noStretch, 0, haCenter, vaCenter)->SetFilename(pngPath));
         },
         [](const plat::TBitmap& b, const TRect& c, TExtStringGrid&, int) { EXPECT_EQ(Count(b, c, kBlue), 72); }},
        {"image", [](TExtStringGrid& g, int r) { g.AddImageIdx(1, r, 1, haLeft, vaTop); },
         [](const plat::TBitmap& b, const TRect& c, TExtStringGrid&, int) { EXPECT_EQ(Count(b, c, kGreen), 64); }},
        {"data image",
         [](TExtStringGrid& g, int r) {
             g.AddDataImage(1, r, 0, haLeft, vaTop);
             g.SetCells(1, r, "2");
         },
         [](const plat::TBitmap& b, const TRect& c, TExtStringGrid&, int) {
             EXPECT_EQ(Count(b, c, kBlue), 64) << "the text picks the image";
             EXPECT_EQ(CountDark(b, c), 0) << "and is not shown";
         }},
        {"images side by side",
         [](TExtStringGrid& g, int r) {
             g.AddMultiImage(1, r, 0, haLeft, vaTop);
             for (int i : {0, 1, 2}) g.GetCellImages(1, r)->Add(i);
         },
         [](const plat::TBitmap& b, const TRect& c, TExtStringGrid&, int) {
             for (TColor col : {kRed, kGreen, kBlue}) EXPECT_EQ(Count(b, c, col), 64);
             EXPECT_EQ(b.Pixel(c.Left + 12, c.Top + 4), kGreen) << "the second image follows the first";
         }},
        {"progress",
         [](TExtStringGrid& g, int r) {
             g.AddProgress(1, r, kGreen, plat::clWhite);
             g.SetCells(1, r, "50");
         },
         [](const plat::TBitmap& b, const TRect& c, TExtStringGrid&, int) {
             const int y = c.Top + 6;
             EXPECT_EQ(b.Pixel(c.Left + c.Width() / 5, y), kGreen);
             EXPECT_EQ(b.Pixel(c.Right - c.Width() / 6, y), plat::clWhite);
         }},
        {"level progress",
         [](TExtStringGrid& g, int r) {
             g.AddExtProgress(1, r, 0, 200);
             g.SetCells(1, r, "40");
         },
         [](const plat::TBitmap& b, const TRect& c, TExtStringGrid&, int) {
             int coloured = 0;
             for (int x = c.Left + 5; x < c.Left + 20; ++x)
                 if (plat::GetGValue(b.Pixel(x, c.Top + 8)) > 200 && plat::GetBValue(b.Pixel(x, c.Top + 8)) < 150)
                     ++coloured;
             EXPECT_GT(coloured, 5) << "20% shows in the first level's green";
         }},
        {"pie",
         [](TExtStringGrid& g, int r) { g.AddProgressPie(1, r, kOrange, 75); },
         [](const plat::TBitmap& b, const TRect& c, TExtStringGrid&, int) { EXPECT_GT(Count(b, c, kOrange), 100); }},
        {"range indicator",
         [](TExtStringGrid& g, int r) {
             g.AddRangeIndicator(1, r, 100, kRed, kBlue, false);
             g.SetCells(1, r, "-60");
         },
         [](const plat::TBitmap& b, const TRect& c, TExtStringGrid&, int) {
             EXPECT_GT(Count(b, c, kRed), 50);
             EXPECT_EQ(Count(b, c, kBlue), 0);
         }},
        {"comment",
         [](TExtStringGrid& g, int r) { g.AddColorComment(1, r, "note", kPurple); },
         [](const plat::TBitmap& b, const TRect& c, TExtStringGrid&, int) {
             EXPECT_EQ(b.Pixel(c.Right - 3, c.Top + 2), kPurple) << "a mark in the top-right corner";
             EXPECT_EQ(b.Pixel(c.Left + 3, c.Top + 2), b.Pixel(c.Left + 3, c.Bottom - 4));
         }},
        {"button",
         [](TExtStringGrid& g, int r) { g.AddButton(1, r, 60, 20, "Go", haCenter, vaCenter); },
         [](const plat::TBitmap& b, const TRect& c, TExtStringGrid& g, int r) {
             const TRect br = g.GetCellButtonRect(1, r);
             EXPECT_EQ(br.Width(), 60);
             EXPECT_EQ(br.Height(), 20);
             EXPECT_GE(br.Left, c.Left);
             EXPECT_LE(br.Right, c.Right);
             EXPECT_GT(Count(b, br, plat::ColorToRGB(plat::clBtnFace)), 500) << "the face";
             EXPECT_GT(CountDark(b, br), 10) << "the caption";
         }},
        {"bit button",
         [](TExtStringGrid& g, int r) { g.AddBitButton(1, r, 40, 20, "", &glyph, haLeft, vaTop); },
         [](const plat::TBitmap& b, const TRect& c, TExtStringGrid&, int) {
             EXPECT_EQ(Count(b, c, kGreen), 63);
             int left = c.Right, bottom = c.Top;
             for (int y = c.Top; y < c.Bottom; ++y)
                 for (int x = c.Left; x < c.Right; ++x)
                     if (b.Pixel(x, y) == kGreen) left = std::min(left, x), bottom = std::max(bottom, y);
             EXPECT_EQ(b.Pixel(left, bottom), plat::ColorToRGB(plat::clBtnFace))
                 << "the transparent corner shows the face";
         }},
        {"shape",
         [](TExtStringGrid& g, int r) { g.AddShape(1, r, ctl::csSquare, kBlue, kRed, haLeft, vaTop); },
         [](const plat::TBitmap& b, const TRect& c, TExtStringGrid&, int) {
             EXPECT_GT(Count(b, c, kBlue), 100);
             EXPECT_GT(Count(b, c, kRed), 20);
         }},
        {"rating",
         [](TExtStringGrid& g, int r) {
             g.AddRating(1, r, 5, kOrange, kGrey);
             g.SetCells(1, r, "3.5");
         },
         [](const plat::TBitmap& b, const TRect& c, TExtStringGrid&, int) {
             // Stars are 18 pixels apart: three and a half in orange.
             const int on = Count(b, c, kOrange), off = Count(b, c, kGrey);
             EXPECT_GT(on, 2 * off);
             EXPECT_GT(off, 0);
             EXPECT_EQ(CountDark(b, c), 0) << "the value is not written";
         }},
        {"interfaced", [](TExtStringGrid& g, int r) { g.AddInterfacedCell(1, r, &framed); },
         [](const plat::TBitmap& b, const TRect& c, TExtStringGrid&, int) { EXPECT_EQ(Count(b, c, kPurple), 100); }},
        {"node",
         [](TExtStringGrid& g, int r) { g.CreateCellGraphic(1, r)->SetCellType(ctNode); },
         [](const plat::TBitmap& b, const TRect& c, TExtStringGrid&, int) {
             EXPECT_GT(Count(b, c, RGB(120, 152, 181)), 15) << "the node box's frame";
         }},
        {"check box",
         [](TExtStringGrid& g, int r) {
             g.AddCheckBox(1, r, true, false);
             g.SetCells(1, r, "caption");
         },
         [](const plat::TBitmap& b, const TRect& c, TExtStringGrid&, int) {
             EXPECT_GT(CountDark(b, {c.Left, c.Top, c.Left + 20, c.Bottom}), 5) << "the box";
         }},
        {"data check box",
         [](TExtStringGrid& g, int r) { g.AddCheckBox(1, r, true, true); },
         [](const plat::TBitmap& b, const TRect& c, TExtStringGrid& g, int r) {
             EXPECT_EQ(g.Cells(1, r), "Y");
             EXPECT_GT(CountDark(b, c), 5) << "the box, not the text";
         }},
        {"radio button", [](TExtStringGrid& g, int r) { g.AddRadioButton(1, r, true); },
         [](const plat::TBitmap& b, const TRect& c, TExtStringGrid&, int) { EXPECT_GT(CountDark(b, c), 3); }},
        {"radio group",
         [](TExtStringGrid& g, int r) {
             TCellGraphic* gr = g.CreateCellGraphic(1, r);
             gr->SetCellType(ctRadio);
             gr->SetCellBoolean(true);
             gr->SetCellIndex(1);
             auto* options = new TCellStrings;
             options->Add("A");
             options->Add("B");
             gr->SetCellBitmap(options);
             gr->SetCellCreated(true);
         },
         [](const plat::TBitmap& b, const TRect& c, TExtStringGrid&, int) { EXPECT_GT(CountDark(b, c), 20); }},
        {"rotated",
         [](TExtStringGrid& g, int r) {
             g.SetCells(1, r, "turned");
             g.SetRotated(1, r, 10);
         },
         [](const plat::TBitmap& b, const TRect& c, TExtStringGrid&, int) { EXPECT_GT(CountDark(b, c), 20); }},
        {"expand",
         [](TExtStringGrid& g, int r) { g.CreateCellGraphic(1, r)->SetCellType(ctExpand); },
         [](const plat::TBitmap& b, const TRect& c, TExtStringGrid& g, int r) {
             EXPECT_GT(Count(b, {c.Right - 13, c.Top, c.Right, c.Top + 13}, plat::clBlack), 4);
             EXPECT_EQ(g.GetExpandButtonRect(1, r), (TRect{c.Right - 13, c.Top + 2, c.Right - 2, c.Top + 13}));
         }},
    };

    Sheet sheet(static_cast<int>(std::size(cases)));
    TExtStringGrid& g = *sheet.grid;
    int row = 1;
    for (const auto& c : cases) {
        g.SetCells(0, row, c.name);
        c.add(g, row);
        ++row;
    }
    sheet.Paint();
    ASSERT_TRUE(sheet.shot.SavePng(OutPath("ExtGridCellGraphics_AllKinds.png")));
    row = 1;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.check(sheet.shot, sheet.Cell(row), g, row);
        ++row;
    }
}

// Pixels that differ between two equal-sized areas of a picture.
int Differences(const plat::TBitmap& b, const TRect& r1, const TRect& r2) {
    int n = 0;
    for (int y = 0; y < r1.Height(); ++y)
        for (int x = 0; x < r1.Width(); ++x)
            if (b.Pixel(r1.Left + x, r1.Top + y) != b.Pixel(r2.Left + x, r2.Top + y)) ++n;
    return n;
}

TEST(ExtGridCellGraphics, RadioButtonShowsItsState) {
    Sheet sheet(3);
    TExtStringGrid& g = *sheet.grid;
    for (TControlStyle style : {csClassic, csFlat, csWinXP, csKelo, csBorland}) {
        g.ControlLook().SetControlStyle(style);
        g.AddRadioButton(1, 1, true);
        g.AddRadioButton(1, 2, false);
        g.SetCells(1, 3, "");
        sheet.Paint();
        const TRect on = sheet.Cell(1), off = sheet.Cell(2), empty = sheet.Cell(3);
        EXPECT_GT(Differences(sheet.shot, on, off), 3) << "on and off differ, style " << style;
        EXPECT_GT(Differences(sheet.shot, off, empty), 10) << "an off button still shows, style " << style;
    }
    ASSERT_TRUE(sheet.shot.SavePng(OutPath("ExtGridCellGraphics_Radio.png")));
}

TEST(ExtGridCellGraphics, RadioGroupPicksOptionByIndexOrText) {
    Sheet sheet(2);
    TExtStringGrid& g = *sheet.grid;
    sheet.form->SetBounds(0, 0, 400, 240);
    g.SetBounds(0, 0, 380, 220);
    g.SetDefaultRowHeight(60);
    // The second option by index; in the other cell the stored text picks.
    for (const auto& [r, index] : {std::pair{1, 1}, std::pair{2, -1}}) {
        TCellStrings* options = g.CreateRadio(1, r, 0, index);
        options->Add("one");
        options->Add("two");
        options->Add("three");
    }
    g.SetCells(1, 2, "three");
    sheet.Paint();
    ASSERT_TRUE(sheet.shot.SavePng(OutPath("ExtGridCellGraphics_RadioGroup.png")));
    // The glyph of option k; the painter's text offset moves every line alike.
    plat::TCanvas measure;
    measure.Font().Assign(g.Font());
    const int line = measure.TextHeight("gh");
    auto glyph = [&](int r, int k) {
        const TRect c = sheet.Cell(r);
        return plat::Bounds(c.Left, c.Top + 1 + k * line, 16, line);
    };
    EXPECT_GT(Differences(sheet.shot, glyph(1, 1), glyph(1, 0)), 3);
    EXPECT_EQ(Differences(sheet.shot, glyph(1, 0), glyph(1, 2)), 0) << "both off";
    EXPECT_GT(Differences(sheet.shot, glyph(2, 2), glyph(2, 0)), 3);
    EXPECT_EQ(Differences(sheet.shot, glyph(2, 0), glyph(2, 1)), 0);
    EXPECT_GT(CountDark(sheet.shot, sheet.Cell(1)), 40) << "the option texts";
}

TEST(ExtGridCellGraphics, CellBordersFromTheApplication) {
    Sheet sheet(3);
    TExtStringGrid& g = *sheet.grid;
    g.OnGetCellBorder = [](TObject*, int ARow, int ACol, plat::TPen& APen, TCellBorders& B) {
        if (ACol != 1) return;
        APen.SetColor(kRed);
        if (ARow == 1) B = TCellBorders{cbLeft, cbRight};
        if (ARow == 2) B = TCellBorders{cbTop, cbBottom};
    };
    g.OnGetCellBorderProp = [](TObject*, int ARow, int, plat::TPen&, plat::TPen&, plat::TPen&, plat::TPen& Bottom) {
        if (ARow == 2) Bottom.SetColor(kBlue);
    };
    sheet.Paint();
    const TRect sides = sheet.Cell(1), lines = sheet.Cell(2), plain = sheet.Cell(3);
    EXPECT_GT(Count(sheet.shot, {sides.Left, sides.Top, sides.Left + 3, sides.Bottom}, kRed), 10) << "left";
    EXPECT_GT(Count(sheet.shot, {sides.Right - 3, sides.Top, sides.Right, sides.Bottom}, kRed), 10) << "right";
    EXPECT_EQ(Count(sheet.shot, {sides.Left + 4, sides.Top, sides.Right - 4, sides.Bottom}, kRed), 0);
    EXPECT_GT(Count(sheet.shot, {lines.Left, lines.Bottom - 3, lines.Right, lines.Bottom}, kBlue), 50)
        << "the bottom pen of its own";
    EXPECT_GT(Count(sheet.shot, {lines.Left, lines.Top - 2, lines.Right, lines.Top + 2}, kRed), 50) << "top";
    EXPECT_EQ(Count(sheet.shot, plain, kRed) + Count(sheet.shot, plain, kBlue), 0);
}

TEST(ExtGridCellGraphics, NodeLooks) {
    const struct {
        TNodeType type;
        std::function<int(const plat::TBitmap&, const TRect&)> marks;
    } cases[] = {
        {cnXP, [](const plat::TBitmap& b, const TRect& c) { return Count(b, c, RGB(120, 152, 181)); }},
        {cnLeaf, [](const plat::TBitmap& b, const TRect& c) { return Count(b, c, RGB(232, 192, 72)); }},
        {cnFlat, [](const plat::TBitmap& b, const TRect& c) { return CountDark(b, c); }},
        {cn3D, [](const plat::TBitmap& b, const TRect& c) { return Count(b, c, plat::clSilver); }},
        {cnGlyph, [](const plat::TBitmap& b, const TRect& c) { return Count(b, c, kPurple); }},
    };
    for (const auto& c : cases) {
        Sheet sheet(2);
        TExtStringGrid& g = *sheet.grid;
        g.CellNode().SetNodeType(c.type);
        plat::TBitmap expand = Solid(9, 9, kPurple), contract = Solid(9, 9, kPurple);
        expand.Canvas().SetPixels(0, 8, plat::clWhite);
        contract.Canvas().SetPixels(0, 8, plat::clWhite);
        g.CellNode().SetExpandGlyph(expand);
        g.CellNode().SetContractGlyph(contract);
        g.CreateCellGraphic(1, 1)->SetCellType(ctNode);
        TCellGraphic* closed = g.CreateCellGraphic(1, 2);
        closed->SetCellType(ctNode);
        closed->SetCellBoolean(true);
        g.SetRow(2);  // neither node cell selected
        sheet.Paint();
        const TRect open = sheet.Cell(1), shut = sheet.Cell(2);
        EXPECT_GT(c.marks(sheet.shot, open), 8) << c.type;
        if (c.type != cnGlyph && c.type != cn3D) {
            EXPECT_GT(Differences(sheet.shot, open, shut), 2) << "open and closed differ, type " << c.type;
        }
    }
}

TEST(ExtGridCellGraphics, CheckGlyphLooks) {
    const TColor kMark = RGB(33, 161, 33);  // the enabled bitmap's tick
    const struct {
        const char* name;
        TControlStyle style;
        bool editable, noDisabledLook;
        TColor colour;
        bool shows;
    } cases[] = {
        {"enabled bitmap", csWinXP, true, false, kMark, true},
        {"read-only bitmap is greyed", csWinXP, false, false, kMark, false},
        {"read-only without the disabled look", csWinXP, false, true, kMark, true},
        {"own glyph", csGlyph, true, false, kOrange, true},
    };
    for (const auto& c : cases) {
        Sheet sheet(1);
        TExtStringGrid& g = *sheet.grid;
        if (!c.editable) {
            plat::TGridOptions opts = g.Options();
            opts.Exclude(goEditing);
            g.SetOptions(opts);
        }
        g.ControlLook().SetControlStyle(c.style);
        g.ControlLook().SetNoDisabledCheckRadioLook(c.noDisabledLook);
        plat::TBitmap own = Solid(12, 12, kOrange);
        own.Canvas().SetPixels(0, 11, plat::clWhite);
        g.ControlLook().SetCheckedGlyph(own);
        g.AddCheckBox(1, 1, true, false);
        g.SetRow(1);
        g.SetCol(0);
        sheet.Paint();
        EXPECT_EQ(Count(sheet.shot, sheet.Cell(1), c.colour) > 0, c.shows) << c.name;
    }
}

TEST(ExtGridCellGraphics, RotatedTextTurnsInsideItsCell) {
    Sheet sheet(2);
    TExtStringGrid& g = *sheet.grid;
    sheet.form->SetBounds(0, 0, 400, 340);
    g.SetBounds(0, 0, 380, 320);
    g.SetDefaultRowHeight(90);
    g.SetCells(1, 1, "Rotated");
    g.SetCells(1, 2, "Rotated");
    g.SetRotated(1, 1, 0);
    g.SetRotated(1, 2, 90);
    sheet.Paint();
    ASSERT_TRUE(sheet.shot.SavePng(OutPath("ExtGridCellGraphics_Rotated.png")));
    auto inkBox = [&](const TRect& c) {
        TRect box{c.Right, c.Bottom, c.Left, c.Top};
        for (int y = c.Top; y < c.Bottom; ++y)
            for (int x = c.Left; x < c.Right - 1; ++x)
                if (Dark(sheet.shot.Pixel(x, y))) {
                    box.Left = std::min(box.Left, x);
                    box.Top = std::min(box.Top, y);
                    box.Right = std::max(box.Right, x + 1);
                    box.Bottom = std::max(box.Bottom, y + 1);
                }
        return box;
    };
    const TRect flat = inkBox(sheet.Cell(1)), turned = inkBox(sheet.Cell(2));
    ASSERT_GT(flat.Width(), 0);
    ASSERT_GT(turned.Height(), 0);
    EXPECT_GT(flat.Width(), flat.Height()) << "unturned text runs across";
    EXPECT_GT(turned.Height(), turned.Width()) << "a quarter turn runs it upwards";
    EXPECT_LE(std::abs(turned.Height() - flat.Width()), 2) << "the same text, only turned";
    EXPECT_GE(turned.Top, sheet.Cell(2).Top);
    EXPECT_LE(turned.Bottom, sheet.Cell(2).Bottom);
}

TEST(ExtGridCellGraphics, RightAlignedCheckBoxStandsBesideItsCaption) {
    const TColor kMark = RGB(33, 161, 33);
    Sheet sheet(2);
    TExtStringGrid& g = *sheet.grid;
    g.ControlLook().SetControlStyle(csWinXP);
    g.SetDefaultAlignment(plat::taRightJustify);
    g.AddCheckBox(1, 1, true, false);
    g.SetCells(1, 1, "Caption");
    g.AddCheckBox(1, 2, true, true);
    g.SetRow(0);
    g.SetCol(0);
    sheet.Paint();
    auto span = [&](const TRect& c, const std::function<bool(TColor)>& pred) {
        int lo = c.Right, hi = c.Left - 1;
        for (int y = c.Top; y < c.Bottom; ++y)
            for (int x = c.Left; x < c.Right - 1; ++x)
                if (pred(sheet.shot.Pixel(x, y))) lo = std::min(lo, x), hi = std::max(hi, x);
        return std::pair{lo, hi};
    };
    const auto mark = span(sheet.Cell(1), [&](TColor c) { return c == kMark; });
    const auto text = span(sheet.Cell(1), [](TColor c) { return c == plat::clBlack; });
    ASSERT_LE(mark.first, mark.second);
    ASSERT_LE(text.first, text.second);
    EXPECT_LT(mark.second, text.first) << "the box sits left of the right-aligned caption";
    EXPECT_GT(text.second, sheet.Cell(1).Right - 10) << "the caption keeps the right edge";
    const auto data = span(sheet.Cell(2), [&](TColor c) { return c == kMark; });
    EXPECT_GE(data.second, sheet.Cell(2).Right - 12) << "a data box takes the right edge";
}

TEST(ExtGridCellGraphics, TextThatIsNoNumberPaintsWithoutRaising) {
    Sheet sheet(5);
    TExtStringGrid& g = *sheet.grid;
    g.AddProgress(1, 1, kGreen, plat::clWhite);
    g.AddExtProgress(1, 2, 0, 0);  // an empty range as well
    g.AddRating(1, 3, 5, kOrange, kGrey);
    g.AddDataImage(1, 4, 0, haLeft, vaTop);
    g.AddRangeIndicator(1, 5, 100, kRed, kBlue, true);
    for (int r = 1; r <= 5; ++r) g.SetCells(1, r, "n/a");
    EXPECT_NO_THROW(sheet.Paint());
    EXPECT_EQ(Count(sheet.shot, sheet.Cell(3), kOrange), 0) << "no stars are lit";
    EXPECT_GT(Count(sheet.shot, sheet.Cell(3), kGrey), 0);
}
