#include <gtest/gtest.h>

#include <deque>
#include <sstream>
#include <string_view>

#include "ExchangeTestSupport.h"
#include "grid/GridCsv.h"

using namespace grid;
using namespace exchange_test;

namespace {

// One row of the given cells and no fixed rows or columns: a saved file
// holds exactly these cells.
void FillOneRow(TExtStringGrid& g, const std::vector<std::string>& cells) {
    g.SetColCount(int(cells.size()));
    g.SetRowCount(1);
    g.SetFixedRows(0);
    g.SetFixedCols(0);
    for (size_t i = 0; i < cells.size(); ++i) g.SetCells(int(i), 0, cells[i]);
}

}  // namespace

TEST(GridCsv, WritesQuotesAsTheDialectsAsk) {
    const struct {
        const char* name;
        std::vector<std::string> cells;
        TCsvOptions opt;
        std::string line;
    } cases[] = {
        {"plain", {"a", "b,c", "x\"y"}, {}, "a,\"b,c\",\"x\"\"y\""},
        {"empty quoted", {"a", ""}, {}, "a,\"\""},
        {"empty bare", {"a", ""}, {'\0', false}, "a,"},
        {"always", {"a", "b"}, {'\0', true, true}, "\"a\",\"b\""},
        {"two lines", {"a\r\nb"}, {}, "\"a\vb\""},
        {"lone LF", {"a\nb"}, {}, "\"a\vb\""},
        {"lone CR", {"a\rb"}, {}, "\"a\vb\""},
        {"quoted two lines", {"\"q\"\r\nz"}, {}, "\"\"\"q\"\"\vz\""},
        {"java empty", {"", "a\r\nb"}, {'\0', true, false, true}, "^,a~b"},
        {"java delimiter", {"b,c"}, {'\0', true, false, true}, "\"b,c\""},
        {"semicolon", {"a,b", "c;d"}, {';'}, "a,b;\"c;d\""},
        {"leading blank", {" x", "y "}, {}, "\" x\",y "},
        {"blank inside", {"a b", "c"}, {}, "a b,c"},
        {"comma under a tab delimiter", {"a,b", "c"}, {'\t'}, "a,b\tc"},
        {"a lone quote", {"\""}, {}, "\"\"\"\""},
        {"quote with delimiter", {"a\",b"}, {}, "\"a\"\",b\""},
    };
    for (const auto& c : cases) EXPECT_EQ(WriteCsvLine(c.cells, c.opt), c.line) << c.name;
}

TEST(GridCsv, GuessesTheDelimiterTheFirstLinesAgreeOn) {
    const struct {
        const char* l1;
        const char* l2;
        char d;
    } cases[] = {
        {"a;b;c", "d;e;f", ';'}, {"a,b;c", "d;e,f", ','}, {"x|y|z", "", '|'},
        {"a\tb", "c\td", '\t'},  {"abc", "def", '\0'},
    };
    for (const auto& c : cases) EXPECT_EQ(GuessCsvDelimiter(c.l1, c.l2), c.d) << c.l1 << " / " << c.l2;
}

TEST(GridCsv, ReadsFieldsAsTheyWereWritten) {
    const struct {
        const char* line;
        bool java;
        std::vector<std::string> cells;
    } cases[] = {
        {"a,\"b,c\",\"x\"\"y\"", false, {"a", "b,c", "x\"y"}},
        {"  a,  b ,c", false, {"a", "b ", "c"}},
        {" ", false, {" "}},
        {"a,b,", false, {"a", "b"}},
        {"\"open,b", false, {"", "b"}},
        {"\"a\vb\",c", false, {"a\r\nb", "c"}},
        {"^,a~b", true, {"", "a\r\nb"}},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadCsvRecord(c.line, ',', c.java), c.cells) << c.line;
}

// Records read one after another into one table: every cell stays as read,
// decoded ones too, however many records follow.
TEST(GridCsv, FieldsOfManyRecordsShareOneTable) {
    std::vector<std::string_view> cells;
    std::deque<std::string> made;
    std::vector<std::string> lines;
    for (int i = 0; i < 200; ++i) lines.push_back("p" + std::to_string(i) + ",\"q\"\"" + std::to_string(i) + "\",\"a\vb\"");
    for (const std::string& line : lines) ReadCsvFields(line, ',', false, cells, made);
    ASSERT_EQ(cells.size(), 600u);
    for (int i = 0; i < 200; ++i) {
        EXPECT_EQ(cells[3 * i], "p" + std::to_string(i));
        EXPECT_EQ(cells[3 * i + 1], "q\"" + std::to_string(i));
        EXPECT_EQ(cells[3 * i + 2], "a\r\nb");
    }
}

TEST(GridCsv, QuotedLineBreaksStayInOneRecord) {
    const std::string text = "a,\"x\ny\"\r\nb,\"p\r\nq\"\r\nc,d";
    EXPECT_EQ(SplitCsvRecords(text, ','),
              (std::vector<std::string>{"a,\"x\ny\"", "b,\"p\r\nq\"", "c,d"}));
}

// A quote that never closes where a field ends takes nothing beyond its
// own line.
TEST(GridCsv, AnUnclosedQuoteEndsWithItsLine) {
    const struct {
        const char* name;
        std::string text;
        std::vector<std::string> records;
    } cases[] = {
        {"no closing quote", "\"abc,def\r\nx,y\r\nz,w", {"\"abc,def", "x,y", "z,w"}},
        {"closing quote inside a later field", "\"abc,def\nx,\"y\"z\nw", {"\"abc,def", "x,\"y\"z", "w"}},
        {"last line", "a,b\r\n\"c", {"a,b", "\"c"}},
        {"many open lines", "\"a\n\"b\n\"c\n", {"\"a", "\"b", "\"c"}},
        {"closes later at a delimiter", "\"a\nb\",c\nd", {"\"a\nb\",c", "d"}},
        {"closes at the end", "x,\"a\r\nb\"", {"x,\"a\r\nb\""}},
    };
    for (const auto& c : cases) EXPECT_EQ(SplitCsvRecords(c.text, ','), c.records) << c.name;
}

TEST(GridCsvFile, SavesTheStoredQuotingFile) {
    TExtStringGrid g(nullptr);
    FillOneRow(g, {"a", "b,c", "x\"y"});
    const std::string path = Scratch("out.csv");
    g.SaveToCSV(path);
    EXPECT_EQ(ReadBytes(path), Stored("quoting.csv"));
}

TEST(GridCsvFile, RoundTripsAwkwardTexts) {
    const struct {
        const char* name;
        bool java;
        bool unicode;
        char delimiter;
    } cases[] = {{"default", false, false, '\0'}, {"unicode", false, true, '\0'}, {"java", true, false, '\0'},
                 {"semicolon", false, false, ';'}};
    const std::vector<std::string> texts = {"a,b", "say \"hi\"", "two\r\nlines", "", "caf\xC3\xA9", ";", " x",
                                            "\"quoted\"\r\nnext", "\xCE\xA9 \xE2\x82\xAC \xE4\xB8\xAD"};
    for (const auto& c : cases) {
        TExtStringGrid g(nullptr);
        g.SetJavaCSV(c.java);
        g.SetDelimiter(c.delimiter);
        g.SetColCount(int(texts.size()));
        g.SetRowCount(3);
        for (int i = 0; i < int(texts.size()); ++i) {
            g.SetCells(i, 0, "h" + std::to_string(i));
            g.SetCells(i, 1, texts[size_t(i)]);
            g.SetCells(i, 2, texts[texts.size() - 1 - size_t(i)]);
        }
        const std::string path = Scratch(std::string(c.name) + ".csv");
        g.SaveToCSV(path, c.unicode);
        TExtStringGrid back(nullptr);
        back.SetJavaCSV(c.java);
        back.SetDelimiter(c.delimiter);
        back.LoadFromCSV(path);
        EXPECT_EQ(CellsOf(back), CellsOf(g)) << c.name;
    }
}

TEST(GridCsvFile, AnUnclosedQuoteSwallowsNoLaterRow) {
    TExtStringGrid g(nullptr);
    std::istringstream in("\"abc,def\r\nx,y\r\nz,w\r\n");
    g.LoadFromCSVStream(in);
    EXPECT_EQ(g.RowCount(), 3);
    EXPECT_EQ(g.ColCount(), 5);
    EXPECT_EQ((std::vector<std::string>{g.Cells(0, 0), g.Cells(1, 0)}), (std::vector<std::string>{"", "def"}));
    EXPECT_EQ((std::vector<std::string>{g.Cells(0, 1), g.Cells(1, 1)}), (std::vector<std::string>{"x", "y"}));
    EXPECT_EQ((std::vector<std::string>{g.Cells(0, 2), g.Cells(1, 2)}), (std::vector<std::string>{"z", "w"}));
}

// Without the Unicode flag the file is in the system code page, UTF-8 here:
// every character is kept, and no byte-order mark is written. Files in the
// old 8-bit code page still read.
TEST(GridCsvFile, TheSystemCodePageKeepsEveryCharacter) {
    TExtStringGrid g(nullptr);
    FillOneRow(g, {"\xCE\xA9\xE2\x82\xAC", "\xC3\xA9\xE4\xB8\xAD"});
    const std::string path = Scratch("system.csv");
    g.SaveToCSV(path);
    EXPECT_EQ(ReadBytes(path), "\xCE\xA9\xE2\x82\xAC,\xC3\xA9\xE4\xB8\xAD\r\n");
    g.SaveToCSV(path, true);
    EXPECT_EQ(ReadBytes(path), "\xEF\xBB\xBF\xCE\xA9\xE2\x82\xAC,\xC3\xA9\xE4\xB8\xAD\r\n");

    const std::string old = Scratch("old.csv");
    WriteBytes(old, "caf\xE9,\x80\r\n");
    TExtStringGrid back(nullptr);
    back.LoadFromCSV(old);
    EXPECT_EQ(back.Cells(0, 0), "caf\xC3\xA9");
    EXPECT_EQ(back.Cells(1, 0), "\xE2\x82\xAC");
}

// OEM-converted cells are OEM bytes, and go into the file as those bytes.
TEST(GridCsvFile, OemFilesKeepTheirBytes) {
    TExtStringGrid g(nullptr);
    g.SetOemConvert(true);
    FillOneRow(g, {"caf\xC3\xA9"});
    const std::string path = Scratch("oem.csv");
    g.SaveToCSV(path);
    EXPECT_EQ(ReadBytes(path), "caf\x82\r\n");
    g.AppendToCSV(path);
    EXPECT_EQ(ReadBytes(path), "caf\x82\r\ncaf\x82\r\n");
    TExtStringGrid back(nullptr);
    back.SetOemConvert(true);
    back.LoadFromCSV(path);
    EXPECT_EQ(back.Cells(0, 1), "caf\xC3\xA9");
}

// Appending keeps what the file holds, in its own code page or with its
// byte-order mark, and adds the save range after it.
TEST(GridCsvFile, AppendAddsTheRowsAfterTheFile) {
    TExtStringGrid g(nullptr);
    FillOneRow(g, {"n\xC3\xA9w", "a,b"});
    const struct {
        const char* name;
        std::string before;
        bool unicode;
        std::string after;
    } cases[] = {
        {"with line end", "x,y\r\n", false, "x,y\r\nn\xC3\xA9w,\"a,b\"\r\n"},
        {"without line end", "x,y", false, "x,y\r\nn\xC3\xA9w,\"a,b\"\r\n"},
        {"old code page", "\xE9\r\n", false, "\xC3\xA9\r\nn\xC3\xA9w,\"a,b\"\r\n"},
        {"unicode", "\xEF\xBB\xBF\xCE\xA9\r\n", true, "\xEF\xBB\xBF\xCE\xA9\r\nn\xC3\xA9w,\"a,b\"\r\n"},
        {"empty file", "", false, "n\xC3\xA9w,\"a,b\"\r\n"},
    };
    for (const auto& c : cases) {
        const std::string path = Scratch("append.csv");
        WriteBytes(path, c.before);
        g.AppendToCSV(path, c.unicode);
        EXPECT_EQ(ReadBytes(path), c.after) << c.name;
    }
    EXPECT_THROW(g.AppendToCSV(Scratch("missing.csv")), std::exception);
    EXPECT_FALSE(std::filesystem::exists(Scratch("missing.csv")));
}

TEST(GridCsvFile, GrowsColumnsAndSetsRowsToWhatWasRead) {
    TExtStringGrid g(nullptr);  // 5 x 10, one fixed row and column
    std::istringstream in("a;b;c;d;e;f;g\r\n1;2\r\n");
    g.LoadFromCSVStream(in);
    EXPECT_EQ(g.ColCount(), 7);
    EXPECT_EQ(g.RowCount(), 2);
    EXPECT_EQ(g.Cells(6, 0), "g");
    EXPECT_EQ(g.Cells(1, 1), "2");
}

TEST(GridCsvFile, EmptyAndByteOrderMarkOnlyFiles) {
    TExtStringGrid g(nullptr);
    g.SetCells(1, 1, "kept");
    const std::string empty = Scratch("empty.csv"), bom = Scratch("bom.csv");
    WriteBytes(empty, "");
    WriteBytes(bom, "\xEF\xBB\xBF");
    g.LoadFromCSV(empty);
    EXPECT_EQ(g.Cells(1, 1), "kept");
    EXPECT_EQ(g.RowCount(), 10);
    try {
        g.LoadFromCSV(bom);
        ADD_FAILURE() << "a byte-order mark alone is no data";
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "File is empty");
    }
    EXPECT_EQ(g.Cells(1, 1), "kept");
    EXPECT_THROW(g.LoadFromCSV(Scratch("missing.csv")), std::exception);
    EXPECT_EQ(g.Cells(1, 1), "kept");
}

TEST(GridCsvFile, GuessedDelimiterServesOneReadOnly) {
    TExtStringGrid g(nullptr);
    const std::string path = Scratch("semi.csv");
    WriteBytes(path, Stored("guess-semicolon.csv"));
    g.LoadFromCSV(path);
    EXPECT_EQ(g.Cells(2, 1), "f");
    EXPECT_EQ(g.Delimiter(), '\0');
}

TEST(GridCsvFile, MaxRowsAndFirstRowAndHooks) {
    TExtStringGrid g(nullptr);
    g.SetLoadFirstRow(false);
    g.OnLoadCell = [](TObject*, int, int, std::string& v) { v = "<" + v + ">"; };
    std::vector<int> progress;
    g.OnFileProgress = [&](TObject*, int p) { progress.push_back(p); };
    std::istringstream in("head\r\n1\r\n2\r\n3\r\n4\r\n");
    g.LoadFromCSVStream(in, 2);
    EXPECT_EQ(g.RowCount(), 2);
    EXPECT_EQ(g.Cells(0, 0), "<1>");
    EXPECT_EQ(g.Cells(0, 1), "<2>");
    EXPECT_EQ(progress, (std::vector<int>{50, 100}));
}

TEST(GridCsvFile, SaveCellHookDecidesTheText) {
    TExtStringGrid g(nullptr);
    g.SetColCount(2);
    g.SetRowCount(2);
    g.AddCheckBox(1, 1, true, false);
    g.SetCells(0, 1, "<b>x</b>");
    g.OnSaveCell = [](TObject*, int c, int r, std::string& v) {
        if (c == 0 && r == 0) v = "zero";
    };
    std::string path = Scratch("hook.csv");
    g.SaveToCSV(path);
    EXPECT_EQ(ReadBytes(path), "zero,\"\"\r\n<b>x</b>,Y\r\n");
    g.SetSaveWithHTML(false);
    g.SaveToCSV(path);
    EXPECT_EQ(ReadBytes(path), "zero,\"\"\r\nx,Y\r\n");
}
