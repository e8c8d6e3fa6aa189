// The text helpers of HTML cells: a value escaped and unescaped comes back
// as it was, and a value written into an inline control reads back the
// same while the control keeps its type and ID.

#include <algorithm>

#include "FuzzSupport.h"
#include "controls/HtmlText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [value, html] = fuzz::SplitAt(fuzz::Bytes(data, size), "\n");
    // The escape goes through the marker "*amp;" on its way to "&amp;", so
    // a text holding the marker itself is the one that does not survive.
    // Accented letters decode without regard to case while a small-letter
    // entity of the same letter follows, as the grid always has, so with
    // accents only ASCII texts must come back unchanged.
    const bool marker = ctl::PosNoCase("*amp;", value) != 0;
    const bool ascii = std::all_of(value.begin(), value.end(), [](char c) { return (c & 0x80) == 0; });
    const bool comesBack = !marker && ascii;  // through the escapes with accents
    if (!marker)
        for (bool accents : {false, true})
            if (!accents || ascii)
                FUZZ_REQUIRE(ctl::HtmlUnescape(ctl::HtmlEscape(value, accents), accents) == value, value);

    std::string cell = "<B>x</B><CONTROL TYPE=\"EDIT\" ID=\"C1\" VALUE=\"\" WIDTH=\"40\"> tail";
    FUZZ_REQUIRE(ctl::SetHtmlControlValue(cell, "C1", value), cell);
    std::string read;
    FUZZ_REQUIRE(ctl::GetHtmlControlValue(cell, "C1", read), cell);
    if (comesBack) FUZZ_REQUIRE(read == value, cell);
    FUZZ_REQUIRE(ctl::NextEditControlId(cell, "") == "C1", cell);

    // The rest of the input is a cell text of its own.
    (void)ctl::HtmlToPlainText(html);
    (void)ctl::HtmlVisibleText(html);
    (void)ctl::HasHtmlControls(html);
    (void)ctl::NextEditControlId(html, "");
    (void)ctl::ClearRadioControls(html);
    (void)ctl::GetHtmlControlMaxLen(html, "C1");
    (void)ctl::UnwrapHashMarkers(html);
    (void)ctl::LineBreaksToBr(html, true);
    (void)ctl::IntOfText(html);
    for (int n : {0, 1, 5, 1000}) (void)ctl::VisibleToTextPos(html, n);
    const std::string marked = ctl::InsertHighlightTags(html, value, "hi", false);
    (void)ctl::RemoveHighlightTags(marked, "hi");
    int pos = 0;
    (void)ctl::FindTextFrom(value, html, 0, pos, false);
    std::string copy = html;
    if (ctl::SetHtmlControlValue(copy, "C1", value)) {
        std::string again;
        FUZZ_REQUIRE(ctl::GetHtmlControlValue(copy, "C1", again), copy);
        if (comesBack) FUZZ_REQUIRE(again == value, copy);
    }
    return 0;
}
