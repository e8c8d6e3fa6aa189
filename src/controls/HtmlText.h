#pragma once
// Routines that work on the HTML text of grid cells without drawing it:
// escaping for export and for values written into tags, plain text for
// sizing, sorting and copying, highlight tags around search matches, and
// the inline control tags the grid's editors read and rewrite.
//
// Positions are 1-based byte positions into UTF-8 text, 0 meaning "not
// found", as the grid's callers count them.

#include <string>
#include <string_view>

namespace ctl {

// Every occurrence of the special characters (and, withAccents, of the
// accented letters the grid's export names) becomes its entity.
std::string HtmlEscape(std::string_view s, bool withAccents);
std::string HtmlUnescape(std::string_view s, bool withAccents);
std::string SpacesToNbsp(std::string_view s);
// "<BR>" and "<HR>" become line breaks, every other tag is dropped.
std::string HtmlToPlainText(std::string_view s);
std::string HtmlVisibleText(std::string_view s);

std::string InsertHighlightTags(std::string_view s, std::string_view search, std::string_view tag,
                                bool caseSensitive);
std::string RemoveHighlightTags(std::string_view s, std::string_view tag);

// ------------------------------------------------------------ control tags

struct THtmlControlTag {
    std::string type;  // upper case
    std::string id;
    std::string maxLen;
    std::string prop;  // unescaped
    std::string height;
    std::string width;
    std::string value;  // unescaped
};

bool HasHtmlControls(std::string_view s);
THtmlControlTag ParseControlTag(std::string_view tagText);
// The ID of the first control after the one with id (from the first when
// id is empty) that takes typed text; empty when there is none.
std::string NextEditControlId(std::string_view s, std::string_view id);
std::string ClearRadioControls(std::string_view s);
bool GetHtmlControlValue(std::string_view s, std::string_view id, std::string& value);
std::string GetHtmlControlProp(std::string_view s, std::string_view id);
int GetHtmlControlMaxLen(std::string_view s, std::string_view id);
// Rewrites the control's tag with the new value; false (and s untouched)
// when no control has the ID.
bool SetHtmlControlValue(std::string& s, std::string_view id, std::string_view value);

// ---------------------------------------------------------- small helpers

std::string PasswordMask(std::string_view s);  // one "*" per character
int PosNoCase(std::string_view sub, std::string_view s);
int PosStore(std::string_view sub, std::string_view s, int& pos);
// Looks in the upper-cased text; sub is taken as given.
int PosUpperStore(std::string_view sub, std::string_view s, int& pos);
// Replaces the first occurrence of find (ASCII letter case ignored).
bool ReplaceFirstNoCase(std::string_view find, std::string_view replacement, std::string& s);
// Replaces, from left to right, occurrences of find in any ASCII letter
// case for as long as one written exactly as find remains ahead; text that
// a replacement produces is not looked at again.
void ReplaceAllNoCase(std::string_view find, std::string_view replacement, std::string& s);
// The whole number, or the value of the leading digits without sign.
int IntOfText(std::string_view s);
std::string UnwrapHashMarkers(std::string_view s);
std::string LineBreaksToBr(std::string_view s, bool withBreaks);
int VisibleToTextPos(std::string_view s, int n);
int FindTextFrom(std::string_view search, std::string_view s, int skip, int& pos, bool caseSensitive);

}  // namespace ctl
