#pragma once
// The grid as an HTML table: one style class per distinct look of a cell,
// merged cells as COLSPAN/ROWSPAN, links, and cell pictures as JPEG files in
// an "images" folder beside the document. THTMLSettings holds the options
// every grid carries; the writer takes plain rows of cells built by the grid.

#include <functional>
#include <string>
#include <vector>

#include "grid/GridLists.h"
#include "platform/Classes.h"

namespace grid {

class THTMLSettings : public plat::TObject {
public:
    THTMLSettings();
    // Copies every published setting but ExportImages; not ColWidths.
    void Assign(const THTMLSettings& Source);

    bool AutoPreview = false;
    int BorderSize = 1;
    int CellSpacing = 0;
    int CellPadding = 0;
    bool ConvertSpecialChars = false;
    bool ExportImages = true;
    std::string FooterFile;
    std::string HeaderFile;
    bool NonBreakingText = false;
    std::string PrefixTag;
    bool SaveColor = true;
    bool SaveFonts = true;
    std::string SuffixTag;
    std::string Summary;
    std::string TableStyle;
    int Width = 100;
    bool XHTML = false;
    TIntList ColWidths{-1, -1};
};

// One cell line of the table as the grid worked it out.
struct THtmlCell {
    std::string Content;  // text (escaped, links) and picture tags, ready to write
    std::string Style;    // the style string; equal strings share a class
    int SpanX = 0;        // further columns and rows the cell covers
    int SpanY = 0;
    bool NoWrap = true;
    std::string Width;  // the width attribute with its leading blank, or empty
};
using THtmlRow = std::vector<THtmlCell>;

// The style string of a cell's look (colours as $00BBGGRR; clNone or
// 0x7FFFFFFF: none).
struct THtmlLook {
    std::uint32_t Background = 0x7FFFFFFF;
    std::uint32_t FontColor = 0x7FFFFFFF;
    int FontSize = 8;
    bool Italic = false;
    bool Bold = false;
    std::string FontName;
    int HAlign = 0;  // 0 left, 1 right, 2 centre
    int VAlign = 0;  // 0 top, 1 middle, 2 bottom
};
std::string HtmlStyleString(const THtmlLook& Look, bool SaveColor);

// The link rule of cell texts with URLShow on.
std::string HtmlLinkText(const std::string& Text, bool URLFull);

// The whole document: start, style block, table with its rows.
std::string WriteHtmlDocument(const std::vector<THtmlRow>& Rows, const THTMLSettings& Settings);

}  // namespace grid
