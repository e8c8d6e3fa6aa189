#include "grid/GridHtmlExport.h"

#include <algorithm>

#include "controls/ExtUtil.h"

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

std::string HtmlStyleString(const THtmlLook& L, bool SaveColor) {
    std::vector<std::string> parts;
    const auto none = [](std::uint32_t c) { return c == 0x7FFFFFFF || c == 0x1FFFFFFF; };
    if (SaveColor && !none(L.Background)) parts.push_back("background-color: #" + ctl::ColorToHtmlHex(L.Background));
    if (SaveColor && !none(L.FontColor))
        parts.push_back("color: #" + ctl::ColorToHtmlHex(L.FontColor));
    parts.push_back("font-size:" + std::to_string(L.FontSize) + "pt");
    if (L.Italic) parts.push_back("font-style: italic");
    if (L.Bold) parts.push_back("font-weight: bold");
    parts.push_back("font-family: " + L.FontName);
    if (L.HAlign == 1) parts.push_back("text-align: right");
    if (L.HAlign == 2) parts.push_back("text-align: center");
    static const char* kV[] = {"vertical-align: top", "vertical-align: middle", "vertical-align: bottom"};
    parts.push_back(kV[std::clamp(L.VAlign, 0, 2)]);
    std::string s;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i) s += ';';
        s += parts[i];
    }
    return s;
}

std::string HtmlLinkText(const std::string& Text, bool URLFull) {
    if (Text.find("</") != std::string::npos) return Text;
    std::string result = Text;
    // The href stays quoted: an address holding a blank or ">" must not
    // break the tag.
    const auto link = [&](size_t after) {
        const std::string shown = URLFull ? Text : Text.substr(after, 255);
        return "<a href=\"" + Text + "\">" + shown + "</a>";
    };
    if (const size_t p = Text.find("://"); p != std::string::npos) result = link(p + 3);
    if (const size_t p = Text.find("mailto:"); p != std::string::npos) result = link(p + 7);
    return result;
}

std::string WriteHtmlDocument(const std::vector<THtmlRow>& Rows, const THTMLSettings& S) {
    std::string doc;
    if (S.XHTML) {
        doc += "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n";
        doc += "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\"\r\n";
        doc += "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">\r\n";
        doc += "<HTML xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"en\" lang=\"en\">\r\n";
    }
    doc += S.PrefixTag;
    std::vector<std::string> styles;
    std::string table = "<TABLE BORDER=\"" + std::to_string(S.BorderSize) + "\" CELLSPACING=\"" +
                        std::to_string(S.CellSpacing) + "\" CELLPADDING=\"" + std::to_string(S.CellPadding) + "\" ";
    if (!S.Summary.empty()) table += "SUMMARY=\"" + S.Summary + "\" ";
    if (!S.TableStyle.empty()) table += " " + S.TableStyle + " ";
    table += " WIDTH=\"" + std::to_string(S.Width) + "%\">\r\n";
    for (const auto& row : Rows) {
        table += "<TR>\r\n";
        for (const auto& c : row) {
            size_t k = std::find(styles.begin(), styles.end(), c.Style) - styles.begin();
            if (k == styles.size()) styles.push_back(c.Style);
            table += "<TD class=\"c" + std::to_string(k) + "\"";
            if (c.SpanX > 0 || c.SpanY > 0) {
                table += " COLSPAN=\"" + std::to_string(c.SpanX + 1) + "\"";
                if (c.SpanY > 0) table += " ROWSPAN=\"" + std::to_string(c.SpanY + 1) + "\"";
            }
            if (c.NoWrap) table += " nowrap";
            table += c.Width + ">" + c.Content + "</td>\r\n";
        }
        table += "</TR>\r\n";
    }
    table += "</TABLE>\r\n";
    if (!S.SuffixTag.empty()) table += S.SuffixTag + "\r\n";
    if (S.XHTML) table += "</HTML>\r\n";
    doc += "<style>\r\n";
    for (size_t k = 0; k < styles.size(); ++k) doc += ".c" + std::to_string(k) + " {" + styles[k] + "}\r\n";
    doc += "</style>\r\n";
    return doc + table;
}

}  // namespace grid
