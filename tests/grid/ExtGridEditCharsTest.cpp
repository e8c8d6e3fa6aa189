// The text editor's character rules per editor kind, as a table over the
// rule itself and as typed into an open editor.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/StrUtils.h"
#include "grid/ExtGrid.h"
#include "grid/ExtGridEditors.h"
#include "platform/Clipboard.h"
#include "platform/Messages.h"
#include "platform/TestHooks.h"

#include "GridOnFormFixture.h"

using namespace grid;
namespace pt = plat::test;

namespace {

class DecimalSeparator {
public:
    explicit DecimalSeparator(char c) : FSaved(base::DecimalSeparator()) { base::SetDecimalSeparator(c); }
    ~DecimalSeparator() { base::SetDecimalSeparator(FSaved); }

private:
    char FSaved;
};

TEST(EditChars, RulesPerKind) {
    const struct {
        const char* name;
        char separator;
        TEditorType kind;
        char32_t key;
        const char* text;
        int selStart, selLen;
        TCharVerdict verdict;
        char32_t typed;  // the character that goes in, when accepted
    } cases[] = {
        {"numeric digit", '.', edNumeric, U'5', "", 0, 0, cvAccept, U'5'},
        {"numeric minus at the start", '.', edNumeric, U'-', "12", 0, 0, cvAccept, U'-'},
        {"numeric minus inside", '.', edNumeric, U'-', "12", 1, 0, cvBeep, 0},
        {"numeric second minus", '.', edNumeric, U'-', "-12", 0, 0, cvBeep, 0},
        {"numeric letter", '.', edNumeric, U'a', "", 0, 0, cvBeep, 0},
        {"numeric backspace", '.', edNumeric, 8, "12", 2, 0, cvAccept, 8},
        {"positive numeric minus", '.', edPositiveNumeric, U'-', "", 0, 0, cvBeep, 0},
        {"float second separator", '.', edFloat, U'.', "1.5", 3, 0, cvDrop, 0},
        {"float separator replacing all", '.', edFloat, U'.', "1.5", 0, 3, cvAccept, U'.'},
        {"float thousands separator", '.', edFloat, U',', "1", 1, 0, cvDrop, 0},
        {"float minus at the start", '.', edFloat, U'-', "1.5", 0, 0, cvAccept, U'-'},
        {"float minus inside", '.', edFloat, U'-', "1.5", 2, 0, cvBeep, 0},
        {"float minus over a selected minus", '.', edFloat, U'-', "-1", 0, 1, cvAccept, U'-'},
        {"float letter", '.', edFloat, U'x', "1", 1, 0, cvDrop, 0},
        {"positive float minus", '.', edPositiveFloat, U'-', "", 0, 0, cvDrop, 0},
        {"comma locale: second comma", ',', edFloat, U',', "1,5", 3, 0, cvDrop, 0},
        {"comma locale: comma replacing all", ',', edFloat, U',', "1,5", 0, 3, cvAccept, U','},
        {"comma locale: point", ',', edFloat, U'.', "1", 1, 0, cvDrop, 0},
        {"upper case", '.', edUpperCase, U'a', "", 0, 0, cvAccept, U'A'},
        {"capital", '.', edCapital, U'b', "", 0, 0, cvAccept, U'B'},
        {"lower case", '.', edLowerCase, U'Q', "", 0, 0, cvAccept, U'q'},
        {"upper case beyond ASCII", '.', edUpperCase, U'\u00e9', "", 0, 0, cvAccept, U'\u00c9'},
        {"normal takes anything", '.', edNormal, U'-', "-", 1, 0, cvAccept, U'-'},
    };
    for (const auto& c : cases) {
        DecimalSeparator sep(c.separator);
        char32_t key = c.key;
        EXPECT_EQ(CheckEditChar(c.kind, key, c.text, c.selStart, c.selLen, ""), c.verdict) << c.name;
        if (c.verdict == cvAccept) {
            EXPECT_EQ(key, c.typed) << c.name;
        }
    }
}

TEST(EditChars, ValidCharsTakeOnlyTheirOwn) {
    char32_t key = U'b';
    EXPECT_EQ(CheckEditChar(edValidChars, key, "", 0, 0, "abc"), cvAccept);
    key = U'z';
    EXPECT_EQ(CheckEditChar(edValidChars, key, "", 0, 0, "abc"), cvBeep);
    key = U'\u00e9';
    EXPECT_EQ(CheckEditChar(edValidChars, key, "", 0, 0, "a\u00e9"), cvAccept);
    key = 8;
    EXPECT_EQ(CheckEditChar(edValidChars, key, "a", 1, 0, "abc"), cvAccept);
    key = U'z';
    EXPECT_EQ(CheckEditChar(edValidChars, key, "", 0, 0, ""), cvAccept) << "no list: no limit";
}

class GridEditChars : public GridOnForm {
protected:
    void SetUp() override {
        ShowGrid(4, 4, true);
        grid->OnGetEditorType = [this](plat::TObject*, int col, int, TEditorType& k) {
            if (col == 1) k = kind;
        };
        pt::ProcessEvents();
    }
    // Types into a freshly opened editor of cell (1, 1) and commits.
    std::string TypeAndCommit(const std::string& typed) {
        grid->SetCells(1, 1, "");
        Select(2, 2);
        Select(1, 1);
        pt::SendKey(*grid, plat::VK_F2);
        EXPECT_TRUE(grid->EditMode());
        pt::TypeText(*grid->InplaceEditor(), typed);
        pt::SendKey(*grid->InplaceEditor(), plat::VK_RETURN);
        return grid->Cells(1, 1);
    }
    TEditorType kind = edNormal;
};

TEST_F(GridEditChars, TypedTextFollowsTheKind) {
    DecimalSeparator sep('.');
    const struct {
        TEditorType kind;
        const char* typed;
        const char* cell;
    } cases[] = {
        {edNumeric, "a-1-2", "-12"},
        {edPositiveNumeric, "1a2-", "12"},
        {edFloat, "-1.2.5x", "-1.25"},
        {edUpperCase, "abc", "ABC"},
        {edLowerCase, "AbC", "abc"},
        {edMixedCase, "hello WORLD", "Hello World"},
        {edPassword, "secret", "secret"},
        {edNormal, "a-b.c", "a-b.c"},
    };
    for (const auto& c : cases) {
        kind = c.kind;
        EXPECT_EQ(TypeAndCommit(c.typed), c.cell) << c.kind;
    }
}

TEST_F(GridEditChars, PasswordCellsShowTheMaskOthersDoNot) {
    kind = edPassword;
    grid->SetCells(1, 1, "pw");
    Select(1, 1);
    pt::SendKey(*grid, plat::VK_F2);
    EXPECT_EQ(grid->InplaceEditor()->PasswordChar(), U'*');
    pt::SendKey(*grid->InplaceEditor(), plat::VK_ESCAPE);
    kind = edNormal;
    pt::SendKey(*grid, plat::VK_F2);
    EXPECT_EQ(grid->InplaceEditor()->PasswordChar(), 0u);
}

TEST_F(GridEditChars, ValidCharsAndTheLengthLimit) {
    kind = edValidChars;
    grid->SetValidChars("01");
    EXPECT_EQ(TypeAndCommit("0121x"), "011");
    kind = edNormal;
    grid->SetMaxEditLength(3);
    EXPECT_EQ(TypeAndCommit("abcd"), "abc");
}

TEST_F(GridEditChars, LongTextPassesWhole) {
    // No length is imposed on a cell's text unless a limit is set: a text
    // far beyond any screen line goes in and out of the editor whole.
    std::string text;
    for (int i = 0; i < 5000; ++i) text += static_cast<char>('a' + i % 26);
    grid->SetCells(1, 1, text);
    std::string changed;
    grid->OnEditChange = [&](plat::TObject*, int, int, const std::string& v) { changed = v; };
    Select(1, 1);
    pt::SendKey(*grid, plat::VK_F2);
    EXPECT_EQ(grid->InplaceEditor()->Text(), text);
    pt::SendKey(*grid->InplaceEditor(), plat::VK_END);
    pt::TypeText(*grid->InplaceEditor(), "!");
    EXPECT_EQ(changed, text + "!");
    pt::SendKey(*grid->InplaceEditor(), plat::VK_RETURN);
    EXPECT_EQ(grid->Cells(1, 1), text + "!");
}

}  // namespace

namespace {

TEST_F(GridEditChars, PasteIsCheckedAsAWhole) {
    DecimalSeparator sep('.');
    grid->SetValidChars("01");
    // No key types a line break into this grid's cells.
    grid->Navigation().SetAllowCtrlEnter(false);
    const struct {
        TEditorType kind;
        const char* clip;
        const char* cell;
        bool refused;  // with the warning sound, the editor left as it was
    } cases[] = {
        {edPositiveNumeric, "-5", "", true},
        {edPositiveNumeric, "12", "12", false},
        {edNumeric, "-12", "-12", false},
        {edNumeric, "1x", "", true},
        {edFloat, "1.5e3", "", true},
        {edFloat, "-1.5", "-1.5", false},
        {edUpperCase, "abc", "ABC", false},
        {edValidChars, "012", "", true},
        {edNormal, "12\r\n", "12", false},
        {edNormal, "12\n", "12", false},
        {edNormal, "Caf\xC3\xA9 \xE2\x82\xAC \xCE\xA9", "Caf\xC3\xA9 \xE2\x82\xAC \xCE\xA9", false},
        // Copied rows: tabs and line breaks no key types into one cell.
        {edNormal, "a\tb\r\nc\td\r\n", "", true},
        {edNormal, "a\r\nb", "", true},
        {edNormal, "a\tb", "", true},
        {edUpperCase, "ab\ncd", "", true},
    };
    for (const auto& c : cases) {
        kind = c.kind;
        plat::Clipboard().SetAsText(c.clip);
        grid->SetCells(1, 1, "");
        Select(2, 2);
        Select(1, 1);
        pt::SendKey(*grid, plat::VK_F2);
        const int beeps = pt::BeepCount();
        pt::SendKey(*grid->InplaceEditor(), 'V', plat::ssCtrl);
        EXPECT_EQ(pt::BeepCount() - beeps, c.refused ? 1 : 0) << c.kind << " " << c.clip;
        pt::SendKey(*grid->InplaceEditor(), plat::VK_RETURN);
        EXPECT_EQ(grid->Cells(1, 1), c.cell) << c.kind << " " << c.clip;
    }
}

// Beyond the grid's length limit a paste is refused whole, never cut.
TEST_F(GridEditChars, PasteBeyondTheLengthLimitIsRefusedWhole) {
    grid->SetMaxEditLength(8);
    const struct {
        const char* start;
        const char* clip;
        const char* cell;
    } cases[] = {
        {"", "12345678", "12345678"},
        {"", "123456789", ""},
        {"1234", "56789", "1234"},
        {"1234", "5678", "12345678"},
    };
    for (const auto& c : cases) {
        kind = edNormal;
        plat::Clipboard().SetAsText(c.clip);
        grid->SetCells(1, 1, c.start);
        Select(2, 2);
        Select(1, 1);
        pt::SendKey(*grid, plat::VK_F2);
        pt::SendKey(*grid->InplaceEditor(), plat::VK_END);
        pt::SendKey(*grid->InplaceEditor(), 'V', plat::ssCtrl);
        pt::SendKey(*grid->InplaceEditor(), plat::VK_RETURN);
        EXPECT_EQ(grid->Cells(1, 1), c.cell) << c.start << "+" << c.clip;
    }
}

}  // namespace
