#include <gtest/gtest.h>

#include "ExchangeTestSupport.h"
#include "grid/GridHtmlExport.h"

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
