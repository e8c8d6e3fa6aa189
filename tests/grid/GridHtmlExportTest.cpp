#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "ExchangeTestSupport.h"
#include "grid/GridHtmlExport.h"
#include "platform/Bitmap.h"

using namespace grid;
using namespace exchange_test;

TEST(GridHtml, SavesTheStoredTwoByTwoDocument) {
    TExtStringGrid g(nullptr);
    g.SetColCount(2);
    g.SetRowCount(2);
    g.SetFixedCols(0);
    g.SetCells(0, 0, "A");
    g.SetCells(1, 0, "B");
    g.SetCells(0, 1, "caf\xC3\xA9");
    const std::string path = Scratch("t.html");
    g.SaveToHTML(path);
    EXPECT_EQ(ReadBytes(path), Stored("two-by-two.html"));
}

TEST(GridHtml, StylesAreSharedAndSpansCoverCells) {
    TExtStringGrid g(nullptr);
    g.SetColCount(4);
    g.SetRowCount(3);
    g.SetFixedCols(0);
    g.SetCells(0, 1, "a");
    g.SetCells(1, 1, "b");
    g.SetFontStyles(2, 1, plat::TFontStyles{plat::fsBold});
    g.MergeCells(0, 2, 3, 1);
    const std::string html = g.SaveToHTMLString("");
    EXPECT_NE(html.find("<TD class=\"c1\">a</td>\r\n<TD class=\"c1\">b</td>\r\n<TD class=\"c2\">"),
              std::string::npos)
        << html;
    EXPECT_NE(html.find("COLSPAN=\"3\""), std::string::npos) << html;
    EXPECT_NE(html.find("font-weight: bold"), std::string::npos);
    EXPECT_EQ(html.find("<TD class=\"c1\">&nbsp;</td>\r\n<TD class=\"c1\">&nbsp;</td>\r\n</TR>\r\n</TABLE>"),
              std::string::npos)
        << "the covered cells write no cell line\n" << html;
}

TEST(GridHtml, LinksAndBlanks) {
    const struct {
        const char* text;
        bool full;
        const char* out;
    } cases[] = {
        {"http://x/y", false, "<a href=\"http://x/y\">x/y</a>"},
        {"http://x/y", true, "<a href=\"http://x/y\">http://x/y</a>"},
        {"mailto:me@x", false, "<a href=\"mailto:me@x\">me@x</a>"},
        {"plain", false, "plain"},
        {"<a href=x>s</a>://", false, "<a href=x>s</a>://"},
        {"http://x/a b", false, "<a href=\"http://x/a b\">x/a b</a>"},
    };
    for (const auto& c : cases) EXPECT_EQ(HtmlLinkText(c.text, c.full), c.out) << c.text;

    TExtStringGrid g(nullptr);
    g.SetCells(1, 1, "   ");
    g.SetCells(2, 1, "a b");
    g.HTMLSettings().NonBreakingText = true;
    const std::string html = g.SaveToHTMLString("");
    EXPECT_NE(html.find(">&nbsp;</td>"), std::string::npos);
    EXPECT_NE(html.find(">a&nbsp;b</td>"), std::string::npos) << html;
}

TEST(GridHtml, SettingsCopyAllButImages) {
    THTMLSettings a, b;
    a.Width = 50;
    a.Summary = "s";
    a.ExportImages = false;
    b.Assign(a);
    EXPECT_EQ(b.Width, 50);
    EXPECT_EQ(b.Summary, "s");
    EXPECT_TRUE(b.ExportImages);
}

namespace {

// Two solid images of 4 x 4, the first blue and the second green.
class TTwoColourImages : public TCellImageList {
public:
    int Count() const override { return 2; }
    int Width() const override { return 4; }
    int Height() const override { return 4; }
    void Draw(plat::TCanvas&, int, int, int) const override {}
    void GetBitmap(int index, plat::TBitmap& bitmap) const override {
        bitmap.SetPixelFormat(plat::pf24bit);
        bitmap.SetWidth(4);
        bitmap.SetHeight(4);
        bitmap.Canvas().Brush().SetColor(index == 0 ? plat::clBlue : plat::clLime);
        bitmap.Canvas().FillRect(plat::TRect(0, 0, 4, 4));
    }
};

// The colour in the middle of a written picture file, as the picture
// reads back (JPEG is lossy: the caller compares loosely).
plat::TColor MiddleColour(const std::string& path) {
    plat::TPicture picture;
    if (!picture.LoadFromFile(path)) return plat::clNone;
    const plat::TBitmap& bitmap = picture.Bitmap();
    return bitmap.Pixel(bitmap.Width() / 2, bitmap.Height() / 2);
}

bool Near(plat::TColor a, plat::TColor b) {
    for (int shift : {0, 8, 16})
        if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > 24) return false;
    return true;
}

}  // namespace

TEST(GridHtml, CellPicturesAreWrittenAsNumberedJpegFiles) {
    const std::string dir = std::filesystem::path(Scratch("doc.html")).parent_path().string() + "/";
    std::filesystem::remove_all(dir + "images");
    TTwoColourImages images;
    TExtStringGrid g(nullptr);
    g.SetColCount(5);
    g.SetRowCount(2);
    g.SetFixedCols(0);
    g.SetFixedRows(0);
    g.SetGridImages(&images);
    plat::TBitmap red;
    red.SetPixelFormat(plat::pf24bit);
    red.SetWidth(6);
    red.SetHeight(5);
    red.Canvas().Brush().SetColor(plat::clRed);
    red.Canvas().FillRect(plat::TRect(0, 0, 6, 5));
    g.SetCells(0, 0, "red");
    g.AddBitmap(0, 0, &red, false, haLeft, vaTop);
    g.SetCells(1, 0, "list");
    g.AddImageIdx(1, 0, 1, haLeft, vaTop);
    g.SetCells(2, 0, "0");
    g.AddDataImage(2, 0, 0, haLeft, vaTop);
    g.SetCells(3, 0, "x0");
    g.AddDataImage(3, 0, 0, haLeft, vaTop);
    g.SetCells(4, 0, "no picture");

    const std::string html = g.SaveToHTMLString(dir);
    const auto tag = [&](int n) { return "<img src= \"file://" + dir + "images/img" + std::to_string(n) + ".jpg\">"; };
    EXPECT_NE(html.find(">red" + tag(1) + "</td>"), std::string::npos) << html;
    EXPECT_NE(html.find(">" + tag(2) + "list</td>"), std::string::npos) << html;
    EXPECT_NE(html.find(">" + tag(3) + "</td>"), std::string::npos) << "a data image shows no text\n" << html;
    EXPECT_EQ(html.find("x0"), std::string::npos) << "a data image whose text is no number is empty\n" << html;
    EXPECT_EQ(html.find("img4.jpg"), std::string::npos) << html;
    EXPECT_TRUE(Near(MiddleColour(dir + "images/img1.jpg"), plat::clRed));
    EXPECT_TRUE(Near(MiddleColour(dir + "images/img2.jpg"), plat::clLime));
    EXPECT_TRUE(Near(MiddleColour(dir + "images/img3.jpg"), plat::clBlue));
    EXPECT_EQ(ReadBytes(dir + "images/img1.jpg").substr(0, 2), "\xFF\xD8") << "a JPEG file";

    g.HTMLSettings().ExportImages = false;
    const std::string plain = g.SaveToHTMLString(dir);
    EXPECT_EQ(plain.find("<img"), std::string::npos);
    EXPECT_NE(plain.find(">x0</td>"), std::string::npos) << plain;
}

TEST(GridHtml, APictureFolderThatCannotBeMadeStopsTheExport) {
    const std::string file = Scratch("in-the-way");
    WriteBytes(file, "a file where the folder should go");
    plat::TBitmap dot;
    dot.SetWidth(2);
    dot.SetHeight(2);
    TExtStringGrid g(nullptr);
    g.AddBitmap(1, 1, &dot, false, haLeft, vaTop);
    try {
        g.SaveToHTMLString(file + "/");
        FAIL() << "the export went on without its picture folder";
    } catch (const std::exception& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create " + file + "/images");
    }
}
