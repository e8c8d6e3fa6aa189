// The save-cell hook as every export meets it, and the small operations
// beside it: a cell read as a number, and the fonts scaled with a window.

#include <gtest/gtest.h>

#include <functional>

#include "ExchangeTestSupport.h"
#include "grid/GridExchange.h"
#include "platform/Clipboard.h"
#include "platform/GuiApp.h"

using namespace grid;
using namespace exchange_test;

namespace {

const char* const kRich = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}\\f0 Hello \\b "
                          "world\\b0\\par\r\n}";

// A grid whose cell (1, 1) holds rich text and (2, 1) a number that the
// window formats with three decimals.
void FillHookCells(TExtStringGrid& g) {
    g.SetColCount(3);
    g.SetRowCount(2);
    g.SetCells(1, 1, kRich);
    g.SetCells(2, 1, "1.5");
    g.OnGetFloatFormat = [](TObject*, int, int, bool& isFloat, std::string& format) {
        isFloat = true;
        format = "%.3f";
    };
}

}  // namespace

// Rich text leaves as its plain text unless SaveWithRTF asks for the
// source, and the window's float format reaches the file: in every export
// and in the clipboard's text.
TEST(GridSaveHook, RichTextAndFloatFormatReachEveryExport) {
    plat::EnsureGuiApplication();
    const struct {
        const char* name;
        std::function<std::string(TExtStringGrid&)> write;
    } cases[] = {
        {"csv", [](TExtStringGrid& g) { const auto p = Scratch("h.csv"); g.SaveToCSV(p); return ReadBytes(p); }},
        {"text", [](TExtStringGrid& g) { const auto p = Scratch("h.txt"); g.SaveToFile(p); return ReadBytes(p); }},
        {"fixed",
         [](TExtStringGrid& g) {
             const auto p = Scratch("h.fix");
             TIntList pos(-1, -1);
             g.SaveToFixed(p, pos);
             return ReadBytes(p);
         }},
        {"ascii", [](TExtStringGrid& g) { const auto p = Scratch("h.asc"); g.SaveToASCII(p); return ReadBytes(p); }},
        {"html", [](TExtStringGrid& g) { const auto p = Scratch("h.htm"); g.SaveToHTML(p); return ReadBytes(p); }},
        {"xml",
         [](TExtStringGrid& g) {
             const auto p = Scratch("h.xml");
             g.SaveToXML(p, "grid", "row", nullptr);
             return ReadBytes(p);
         }},
        {"clipboard",
         [](TExtStringGrid& g) {
             g.SetSelection({1, 1, 2, 1});
             g.CopySelectionToClipboard();
             return plat::Clipboard().AsText();
         }},
    };
    for (const auto& c : cases) {
        TExtStringGrid g(nullptr);
        FillHookCells(g);
        const std::string out = c.write(g);
        EXPECT_NE(out.find("Hello world"), std::string::npos) << c.name << ":\n" << out;
        EXPECT_EQ(out.find("rtf1"), std::string::npos) << c.name << ":\n" << out;
        EXPECT_NE(out.find("1.500"), std::string::npos) << c.name << ":\n" << out;
    }
    TExtStringGrid source(nullptr);
    FillHookCells(source);
    source.SetSaveWithRTF(true);
    std::string text;
    source.GetSaveCellText(1, 1, text);
    EXPECT_EQ(text, std::string(kRich).erase(std::string(kRich).find("\r\n"), 2)) << "the source, without line breaks";
}

// Characters beyond 7 bits in rich text: the code page's \'hh and \uN
// with its stand-in character.
TEST(GridSaveHook, RichTextKeepsCharactersBeyondSevenBits) {
    const struct {
        const char* name;
        std::string rtf;
        std::string text;
    } cases[] = {
        {"code page", "{\\rtf1\\ansi caf\\'e9 \\'80}", "caf\xC3\xA9 \xE2\x82\xAC"},
        {"unicode", "{\\rtf1\\ansi\\uc1 \\u937?\\u8364?x}", "\xCE\xA9\xE2\x82\xAC" "x"},
        {"negative unicode", "{\\rtf1 \\u-255?}", "\xEF\xBC\x81"},
        {"surrogate pair", "{\\rtf1 \\u-10179?\\u-8704?}", "\xF0\x9F\x98\x80"},
        {"two stand-ins", "{\\rtf1\\uc2 \\u937\\'3f\\'3fy}", "\xCE\xA9y"},
    };
    for (const auto& c : cases) {
        TExtStringGrid g(nullptr);
        g.SetCells(1, 1, c.rtf);
        std::string text;
        g.GetSaveCellText(1, 1, text);
        EXPECT_EQ(text, c.text) << c.name;
    }
}

TEST(GridCellToReal, ReadsNumbersAndNamesTheCellItCannotRead) {
    const struct {
        const char* text;
        double value;
    } numbers[] = {{"", 0}, {"12.5", 12.5}, {"-3", -3}, {"(4.25)", -4.25}, {"1e3", 1000}, {"  7", 7}, {"12a", 12}};
    TExtStringGrid g(nullptr);
    for (const auto& n : numbers) {
        g.SetCells(2, 3, n.text);
        EXPECT_DOUBLE_EQ(g.CellToReal(2, 3), n.value) << n.text;
    }
    const struct {
        const char* text;
        const char* message;
    } bad[] = {
        {"1-2", "Error at position: 2 in Cell [2, 3]."},
        {"-", "Error at position: 1 in Cell [2, 3]."},
    };
    for (const auto& b : bad) {
        g.SetCells(2, 3, b.text);
        try {
            g.CellToReal(2, 3);
            ADD_FAILURE() << b.text;
        } catch (const EExtGridError& e) {
            EXPECT_STREQ(e.what(), b.message) << b.text;
        }
    }
}

TEST(GridChangeScale, ScalesTheFixedAndActiveCellFonts) {
    const struct {
        int m, d;
        int fixed, active;  // from 8 and 11 points
    } cases[] = {{3, 2, 12, 17}, {1, 2, 4, 6}, {2, 2, 8, 11}, {5, 0, 8, 11}, {144, 96, 12, 17}};
    for (const auto& c : cases) {
        TExtStringGrid g(nullptr);
        g.FixedFont().SetSize(8);
        g.ActiveCellFont().SetSize(11);
        g.ChangeScale(c.m, c.d);
        EXPECT_EQ(g.FixedFont().Size(), c.fixed) << c.m << "/" << c.d;
        EXPECT_EQ(g.ActiveCellFont().Size(), c.active) << c.m << "/" << c.d;
    }
}
