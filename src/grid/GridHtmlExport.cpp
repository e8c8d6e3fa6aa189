#include "grid/GridHtmlExport.h"

namespace grid {

THTMLSettings::THTMLSettings() = default;

void THTMLSettings::Assign(const THTMLSettings& S) {
    AutoPreview = S.AutoPreview;
    BorderSize = S.BorderSize;
    CellSpacing = S.CellSpacing;
    CellPadding = S.CellPadding;
    ConvertSpecialChars = S.ConvertSpecialChars;
    FooterFile = S.FooterFile;
    HeaderFile = S.HeaderFile;
    NonBreakingText = S.NonBreakingText;
    PrefixTag = S.PrefixTag;
    SaveColor = S.SaveColor;
    SaveFonts = S.SaveFonts;
    SuffixTag = S.SuffixTag;
    Summary = S.Summary;
    TableStyle = S.TableStyle;
    Width = S.Width;
    XHTML = S.XHTML;
}

}  // namespace grid
