#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <fstream>
#include <sstream>

#include "grid/ExtGrid.h"
#include "grid/PrintSettings.h"
#include "platform/Registry.h"

using namespace grid;
namespace fs = std::filesystem;

namespace {

std::string IniFile(const std::string& Name) {
    const fs::path dir = fs::path(VASTRIMO_TEST_OUT) / "print-settings";
    fs::create_directories(dir);
    const fs::path file = dir / (Name + ".ini");
    fs::remove(file);
    return file.string();
}

std::string FileText(const std::string& Path) {
    std::ifstream in(Path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

TEST(PrintSettings, EmptySectionGivesTheLoadDefaults) {
    const std::string path = IniFile("empty");
    plat::TRegistry(path).WriteString("Other", "Keep", "1");
    TExtStringGrid g(nullptr);
    TPrintSettings& ps = g.PrintSettings();
    ps.HeaderFont.SetStyle({plat::fsBold});
    ps.Date = ppTopLeft;
    ps.Borders = pbAround;
    g.LoadPrintSettings(path, "Print");
    EXPECT_EQ(ps.ColumnSpacing, 20);
    EXPECT_EQ(ps.RowSpacing, 20);
    EXPECT_EQ(ps.TitleSpacing, 20);
    EXPECT_EQ(ps.HeaderSize, 100);
    EXPECT_EQ(ps.FooterSize, 100);
    EXPECT_EQ(ps.LeftSize, 100);
    EXPECT_EQ(ps.RightSize, 100);
    EXPECT_TRUE(ps.Centered);
    EXPECT_FALSE(ps.UseDisplayFont);
    EXPECT_FALSE(ps.NoAutoSize);
    EXPECT_EQ(ps.Date, ppNone);
    EXPECT_EQ(ps.Borders, pbNoborder);
    EXPECT_EQ(ps.HeaderFont.Name(), "Arial");
    EXPECT_EQ(ps.HeaderFont.Size(), 10);
    EXPECT_TRUE(ps.HeaderFont.Style().Empty()) << "a missing style is no style";
    EXPECT_EQ(ps.DateFormat, "");
    EXPECT_EQ(ps.PageNumSep, "");
}

TEST(PrintSettings, LoadingNeverWritesTheFile) {
    const std::string missing = IniFile("missing");
    TExtStringGrid g(nullptr);
    g.LoadPrintSettings(missing, "Print");
    EXPECT_FALSE(fs::exists(missing)) << "loading from no file leaves no file";

    const std::string path = IniFile("untouched");
    {
        std::ofstream out(path, std::ios::binary);
        out << "[Print]\r\nBorders=2\r\n";
    }
    const std::string before = FileText(path);
    const auto stamp = fs::last_write_time(path);
    g.LoadPrintSettings(path, "Print");
    EXPECT_EQ(g.PrintSettings().Borders, pbDouble);
    EXPECT_EQ(FileText(path), before);
    EXPECT_EQ(fs::last_write_time(path), stamp);
}

TEST(PrintSettings, StoredValuesTakeEffectByTheirRanges) {
    // (key, value) written into the file, and what the settings show after.
    const struct {
        const char* name;
        const char* key;
        const char* value;
        std::function<bool(const TPrintSettings&)> holds;
    } cases[] = {
        {"style 0 clears bold", "FontStyle", "0", [](const TPrintSettings& p) { return p.Font.Style().Empty(); }},
        {"style 3 is exactly bold italic", "FontStyle", "3",
         [](const TPrintSettings& p) { return p.Font.Style() == plat::TFontStyles{plat::fsBold, plat::fsItalic}; }},
        {"borders 9 keeps the value", "Borders", "9", [](const TPrintSettings& p) { return p.Borders == pbAround; }},
        {"borders 8 is custom", "Borders", "8", [](const TPrintSettings& p) { return p.Borders == pbCustom; }},
        {"pen style 7 keeps the value", "BorderStyle", "7",
         [](const TPrintSettings& p) { return p.BorderStyle == plat::psDot; }},
        {"date 7 is no position", "Date", "7", [](const TPrintSettings& p) { return p.Date == ppNone; }},
        {"date 6 is bottom centre", "Date", "6", [](const TPrintSettings& p) { return p.Date == ppBottomCenter; }},
        {"fit 5 keeps the value", "FitToPage", "5", [](const TPrintSettings& p) { return p.FitToPage == fpGrow; }},
        {"orientation 1 is landscape", "Orientation", "1",
         [](const TPrintSettings& p) { return p.Orientation == poLandscape; }},
        {"not a number is the default", "RowSpacing", "x7", [](const TPrintSettings& p) { return p.RowSpacing == 20; }},
        {"only Y is true", "Centered", "y", [](const TPrintSettings& p) { return !p.Centered; }},
    };
    for (const auto& c : cases) {
        const std::string path = IniFile("range");
        plat::TRegistry(path).WriteString("P", c.key, c.value);
        TExtStringGrid g(nullptr);
        TPrintSettings& ps = g.PrintSettings();
        ps.Font.SetStyle({plat::fsBold, plat::fsUnderline});
        ps.Borders = pbAround;
        ps.BorderStyle = plat::psDot;
        ps.Date = ppTopRight;
        ps.FitToPage = fpGrow;
        g.LoadPrintSettings(path, "P");
        EXPECT_TRUE(c.holds(ps)) << c.name;
    }
}

TEST(PrintSettings, SaveThenLoadKeepsEveryStoredValue) {
    const std::string path = IniFile("roundtrip");
    plat::TRegistry(path).WriteString("Other", "Keep", "yes");
    TExtStringGrid a(nullptr);
    TPrintSettings& p = a.PrintSettings();
    p.ColumnSpacing = 7;
    p.RowSpacing = 8;
    p.TitleSpacing = 9;
    p.FixedHeight = 11;
    p.FixedWidth = 12;
    p.Centered = false;
    p.NoAutoSize = true;
    p.UseFixedHeight = true;
    p.UseFixedWidth = true;
    p.RepeatFixedRows = true;
    p.RepeatFixedCols = true;
    p.UseDefaultOrientation = true;
    p.Borders = pbAroundVertical;
    p.BorderColor = 0x123456;
    p.BorderStyle = plat::psDashDot;
    p.Date = ppTopLeft;
    p.PageNr = ppBottomRight;
    p.Title = ppTopCenter;
    p.Time = ppBottomLeft;
    p.DateFormat = "yyyy-mm-dd";
    p.TitleText = "Devices";
    p.FooterSize = 31;
    p.HeaderSize = 32;
    p.LeftSize = 33;
    p.RightSize = 34;
    p.FitToPage = fpShrink;
    p.Font.SetName("Courier");
    p.Font.SetSize(9);
    p.Font.SetStyle({plat::fsItalic, plat::fsStrikeOut});
    p.Font.SetColor(0x0000FF);
    p.HeaderFont.SetSize(14);
    p.FooterFont.SetStyle({plat::fsUnderline});
    p.PageNumSep = " of ";
    p.PageSuffix = ")";
    p.PagePrefix = "(";
    p.Orientation = poLandscape;
    p.TitleLines.SetText("A\r\nB");
    p.PrintGraphics = true;
    a.SavePrintSettings(path, "Print");

    const plat::TRegistry plain(path, plat::TIniForm::Plain);
    EXPECT_EQ(plain.ReadString("Print", "TitleLines"), "A\\nB");
    EXPECT_EQ(plain.ReadString("Other", "Keep"), "yes") << "other sections stay";

    TExtStringGrid b(nullptr);
    b.LoadPrintSettings(path, "Print");
    const TPrintSettings& q = b.PrintSettings();
    EXPECT_EQ(q.ColumnSpacing, 7);
    EXPECT_EQ(q.RowSpacing, 8);
    EXPECT_EQ(q.TitleSpacing, 9);
    EXPECT_EQ(q.FixedHeight, 11);
    EXPECT_EQ(q.FixedWidth, 12);
    EXPECT_FALSE(q.Centered);
    EXPECT_TRUE(q.NoAutoSize && q.UseFixedHeight && q.UseFixedWidth && q.RepeatFixedRows && q.RepeatFixedCols &&
                q.UseDefaultOrientation && q.PrintGraphics);
    EXPECT_EQ(q.Borders, pbAroundVertical);
    EXPECT_EQ(q.BorderColor, 0x123456u);
    EXPECT_EQ(q.BorderStyle, plat::psDashDot);
    EXPECT_EQ(q.Date, ppTopLeft);
    EXPECT_EQ(q.PageNr, ppBottomRight);
    EXPECT_EQ(q.Title, ppTopCenter);
    EXPECT_EQ(q.Time, ppBottomLeft);
    EXPECT_EQ(q.DateFormat, "yyyy-mm-dd");
    EXPECT_EQ(q.TitleText, "Devices");
    EXPECT_EQ((std::vector<int>{q.FooterSize, q.HeaderSize, q.LeftSize, q.RightSize}),
              (std::vector<int>{31, 32, 33, 34}));
    EXPECT_EQ(q.FitToPage, fpShrink);
    EXPECT_EQ(q.Font.Name(), "Courier");
    EXPECT_EQ(q.Font.Size(), 9);
    EXPECT_EQ(q.Font.Style(), (plat::TFontStyles{plat::fsItalic, plat::fsStrikeOut}));
    EXPECT_EQ(q.Font.Color(), 0x0000FFu);
    EXPECT_EQ(q.HeaderFont.Size(), 14);
    EXPECT_EQ(q.FooterFont.Style(), (plat::TFontStyles{plat::fsUnderline}));
    EXPECT_EQ(q.PageNumSep, " of ");
    EXPECT_EQ(q.PageSuffix, ")");
    EXPECT_EQ(q.PagePrefix, "(");
    EXPECT_EQ(q.Orientation, poLandscape);
    EXPECT_EQ(q.TitleLines.Items(), (std::vector<std::string>{"A", "B"}));
    EXPECT_TRUE(q.UseDisplayFont);
}

// The file is a plain ini file: a backslash is a backslash, and title
// lines are joined by the two characters "\n". Files the program wrote in
// its older escaped form still read.
TEST(PrintSettings, ThePlainIniFormReadsAsItStands) {
    const struct {
        const char* name;
        std::string file;
    } cases[] = {
        {"crlf", "[Print]\r\nTitleText=C:\\new\\table\r\nTitleLines=A\\nB\\nC:\\x\r\nPageNumSep= \\ \r\n"},
        {"lf", "[Print]\nTitleText=C:\\new\\table\nTitleLines=A\\nB\\nC:\\x\nPageNumSep= \\ \n"},
        {"older escaped form",
         "[Print]\nTitleText=C:\\\\new\\\\table\nTitleLines=A\\\\nB\\\\nC:\\\\x\nPageNumSep= \\\\ \n"},
    };
    for (const auto& c : cases) {
        const std::string path = IniFile("plain");
        {
            std::ofstream out(path, std::ios::binary);
            out << c.file;
        }
        TExtStringGrid g(nullptr);
        g.LoadPrintSettings(path, "Print");
        EXPECT_EQ(g.PrintSettings().TitleText, "C:\\new\\table") << c.name;
        EXPECT_EQ(g.PrintSettings().TitleLines.Items(), (std::vector<std::string>{"A", "B", "C:\\x"})) << c.name;
        EXPECT_EQ(g.PrintSettings().PageNumSep, " \\ ") << c.name;
    }
}

TEST(PrintSettings, SavingWritesThePlainIniForm) {
    const std::string path = IniFile("plain-save");
    {
        std::ofstream out(path, std::ios::binary);
        out << "[Other]\r\nKeep=C:\\dir\r\n";
    }
    TExtStringGrid g(nullptr);
    TPrintSettings& p = g.PrintSettings();
    p.TitleText = "C:\\new\\t\xC3\xA9";
    p.TitleLines.SetText("A\r\nB");
    g.SavePrintSettings(path, "Print");
    const std::string text = FileText(path);
    EXPECT_EQ(text.rfind("[Other]\r\nKeep=C:\\dir\r\n\r\n[Print]\r\nColumnSpacing=0\r\nRowSpacing=0\r\n", 0), 0u)
        << text;
    EXPECT_NE(text.find("\r\nTitleText=C:\\new\\t\xC3\xA9\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\nTitleLines=A\\nB\r\nPrintGraphics=N\r\n"), std::string::npos) << text;
    for (size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n') ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "every line ends with CR LF: " << i;
    TExtStringGrid back(nullptr);
    back.LoadPrintSettings(path, "Print");
    EXPECT_EQ(back.PrintSettings().TitleText, p.TitleText);
    EXPECT_EQ(back.PrintSettings().TitleLines.Items(), (std::vector<std::string>{"A", "B"}));
}

TEST(PrintSettings, ALineBreakTheFileCannotHoldLeavesItAsItWas) {
    const std::string path = IniFile("refused");
    {
        std::ofstream out(path, std::ios::binary);
        out << "[Print]\r\nTitleText=old\r\n";
    }
    const std::string before = FileText(path);
    TExtStringGrid g(nullptr);
    g.PrintSettings().ColumnSpacing = 5;
    g.PrintSettings().TitleText = "two\r\nlines";
    try {
        g.SavePrintSettings(path, "Print");
        ADD_FAILURE();
    } catch (const EExtGridError& e) {
        EXPECT_NE(std::string(e.what()).find("TitleText"), std::string::npos) << e.what();
    }
    EXPECT_EQ(FileText(path), before);
}

TEST(PrintSettings, AssignCopiesContentsButNotFixedCellsAlways) {
    TExtStringGrid a(nullptr), b(nullptr);
    a.PrintSettings().TitleLines.SetText("x\r\ny");
    a.PrintSettings().Font.SetName("Courier");
    a.PrintSettings().JobName = "Job";
    a.PrintSettings().FixedCellsAlways = true;
    b.SetPrintSettings(a.PrintSettings());
    a.PrintSettings().TitleLines.Clear();
    a.PrintSettings().Font.SetName("Arial");
    EXPECT_EQ(b.PrintSettings().TitleLines.Count(), 2) << "the lines are copied, not shared";
    EXPECT_EQ(b.PrintSettings().Font.Name(), "Courier");
    EXPECT_EQ(b.PrintSettings().JobName, "Job");
    EXPECT_FALSE(b.PrintSettings().FixedCellsAlways);
}
