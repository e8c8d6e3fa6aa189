// The drag-and-drop framework without a grid: what a drop target takes and
// where each form goes, the effects, the source's answers, and the forms a
// drag offers.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/GridDragDrop.h"

using namespace grid;

namespace {

constexpr unsigned kBoth = plat::DROPEFFECT_COPY | plat::DROPEFFECT_MOVE;

plat::TDragData TextDrag(const std::string& text) { return TSourceDataObject(text, "", -1, nullptr).DragData(); }

struct RecordingTarget : TESGDropTarget {
    std::vector<std::string> calls;
    void DropText(plat::TPoint, const std::string& s) override { calls.push_back("text:" + s); }
    void DropStream(plat::TPoint, const std::string& b) override { calls.push_back("cells:" + b); }
    void DropCol(plat::TPoint, int c) override { calls.push_back("col:" + std::to_string(c)); }
    void DropRTF(plat::TPoint, const std::string& s) override { calls.push_back("rtf:" + s); }
    void DropFiles(plat::TPoint, const std::vector<std::string>& f) override {
        calls.push_back("files:" + std::to_string(f.size()));
    }
    void DropURL(plat::TPoint, const std::string& s) override { calls.push_back("url:" + s); }
};

struct AcceptRtf {
    explicit AcceptRtf(bool on) { SetAcceptRtfDrops(on); }
    ~AcceptRtf() { SetAcceptRtfDrops(false); }
};

}  // namespace

TEST(DragDropFramework, WhatADefaultTargetTakes) {
    plat::TDragData rtfOnly;
    rtfOnly.Add(RtfDragFormat(), std::string("{\\rtf1 x}") + '\0');
    plat::TDragData files;
    files.Files = {"/tmp/a.csv"};
    plat::TDragData link = TextDrag("http://example.org/");
    link.Add(UrlDragFormat(), std::string("http://example.org/") + '\0');
    plat::TDragData column;
    column.Add(ColumnDragFormat(), std::string("\x02\0\0\0", 4));
    const struct {
        const char* name;
        plat::TDragData data;
        bool rtfOn;
        bool taken;
    } cases[] = {
        {"text", TextDrag("abc"), false, true},   {"files", files, false, true},
        {"link", link, false, true},              {"rich text alone", rtfOnly, false, false},
        {"rich text switched on", rtfOnly, true, true}, {"column", column, false, false},
    };
    for (const auto& c : cases) {
        AcceptRtf rtf(c.rtfOn);
        RecordingTarget t;
        const unsigned effect = t.DragEnter(c.data, 0, {0, 0}, kBoth);
        EXPECT_EQ(effect != plat::DROPEFFECT_NONE, c.taken) << c.name;
        EXPECT_EQ(t.DragOver(0, {0, 0}, kBoth) != plat::DROPEFFECT_NONE, c.taken) << c.name;
        EXPECT_EQ(t.Drop(c.data, 0, {0, 0}, kBoth) != plat::DROPEFFECT_NONE, c.taken) << c.name;
    }
}

TEST(DragDropFramework, WhereEachFormGoes) {
    // A column wins over the text that comes with it.
    plat::TDragData colAndText = TSourceDataObject("", "", 3, nullptr).DragData();
    colAndText.Blocks[0] = {plat::CF_TEXT, plat::TextToAnsiBlock("t")};
    colAndText.Blocks[1] = {plat::CF_UNICODETEXT, plat::TextToUnicodeBlock("t")};
    RecordingTarget cols;
    cols.AcceptCols = true;
    cols.DragEnter(colAndText, 0, {}, kBoth);
    cols.Drop(colAndText, 0, {}, kBoth);
    EXPECT_EQ(cols.calls, (std::vector<std::string>{"col:3"}));

    plat::TDragData textAndFiles = TextDrag("hello");
    textAndFiles.Files = {"/tmp/x.csv"};
    RecordingTarget both;
    both.DragEnter(textAndFiles, 0, {}, kBoth);
    both.Drop(textAndFiles, 0, {}, kBoth);
    EXPECT_EQ(both.calls, (std::vector<std::string>{"text:hello", "files:1"}));

    const std::string cells = "CELLS";
    const plat::TDragData block = TSourceDataObject("a\tb", "", -1, &cells).DragData();
    RecordingTarget stream;
    stream.DragEnter(block, 0, {}, kBoth);
    stream.Drop(block, 0, {}, kBoth);
    EXPECT_EQ(stream.calls, (std::vector<std::string>{"cells:CELLS"}));
}

TEST(DragDropFramework, Effects) {
    const struct {
        plat::TShiftState keys;
        unsigned allowed, want;
    } cases[] = {
        {plat::ssCtrl, kBoth, plat::DROPEFFECT_COPY},
        {0, kBoth, plat::DROPEFFECT_MOVE},
        {0, plat::DROPEFFECT_COPY, plat::DROPEFFECT_COPY},
    };
    for (const auto& c : cases) EXPECT_EQ(ShiftStateToDropEffect(c.keys, c.allowed), c.want) << c.keys;
}

TEST(DragDropFramework, SourceAnswers) {
    struct Source : TESGDropSource {
        int finished = 0, queried = 0;
        void DragFinished() override { ++finished; }
        void QueryDrag() override { ++queried; }
    } s;
    EXPECT_EQ(s.QueryContinueDrag(false, plat::ssLeft), plat::S_OK);
    EXPECT_EQ(s.finished, 0);
    EXPECT_EQ(s.QueryContinueDrag(true, plat::ssLeft), plat::DRAGDROP_S_CANCEL);
    EXPECT_EQ(s.QueryContinueDrag(false, 0), plat::DRAGDROP_S_DROP);
    EXPECT_EQ(s.finished, 2);
    EXPECT_EQ(s.queried, 3);
    EXPECT_EQ(s.GiveFeedback(plat::DROPEFFECT_NONE), plat::DRAGDROP_S_USEDEFAULTCURSORS);
    EXPECT_TRUE(s.NoAccept());
    s.GiveFeedback(plat::DROPEFFECT_COPY);
    EXPECT_FALSE(s.NoAccept());
}

TEST(DragDropFramework, OfferedForms) {
    const std::string cells(5, 'c');
    EXPECT_EQ(TSourceDataObject("abc", "", -1, nullptr).Formats().size(), 3u);
    EXPECT_EQ(TSourceDataObject("abc", "", 2, &cells).Formats().size(), 5u);
    const TSourceDataObject o("abc", "", 2, &cells);
    std::string bytes;
    ASSERT_TRUE(o.GetData(plat::CF_TEXT, bytes));
    EXPECT_EQ(bytes.size(), 4u);
    ASSERT_TRUE(o.GetData(plat::CF_UNICODETEXT, bytes));
    EXPECT_EQ(bytes.size(), 8u);
    ASSERT_TRUE(o.GetData(GridCellsDragFormat(), bytes));
    EXPECT_EQ(bytes, std::string("\x05\0\0\0\0\0\0\0", 8) + cells);
    ASSERT_TRUE(o.GetData(ColumnDragFormat(), bytes));
    EXPECT_EQ(bytes, std::string("\x02\0\0\0", 4));
    // Rich text is offered only while targets take it.
    EXPECT_FALSE(o.QueryGetData(RtfDragFormat()));
    AcceptRtf rtf(true);
    EXPECT_TRUE(o.QueryGetData(RtfDragFormat()));
}

TEST(DragDropFramework, CellBlockWhoseLengthLiesIsRefused) {
    const struct {
        const char* name;
        std::string block;
        bool read;
    } cases[] = {
        {"exact", std::string("\x03\0\0\0\0\0\0\0abc", 11), true},
        {"longer than the block", std::string("\x09\0\0\0\0\0\0\0abc", 11), false},
        {"huge", std::string("\xff\xff\xff\xff\0\0\0\0abc", 11), false},
        {"short prefix", std::string("\x03\0\0", 3), false},
    };
    for (const auto& c : cases) {
        plat::TDragData d;
        d.Add(GridCellsDragFormat(), c.block);
        std::string out;
        EXPECT_EQ(TEnumFormats(d).Stream(out), c.read) << c.name;
        if (c.read) {
            EXPECT_EQ(out, "abc");
        }
    }
}
