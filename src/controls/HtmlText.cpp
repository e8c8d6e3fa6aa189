#include "controls/HtmlText.h"

#include <algorithm>
#include <vector>

#include "base/StrUtils.h"
#include "controls/LocaleText.h"

namespace ctl {

namespace {

struct TAccent {
    const char* ch;
    const char* entity;
};

// The order matters: unescaping runs the pairs in this order, and a small
// letter's name is matched in any ASCII case.
constexpr TAccent kAccents[] = {
    {"é", "&eacute;"}, {"è", "&egrave;"}, {"ë", "&euml;"},   {"ê", "&ecirc;"},  {"ó", "&oacute;"},
    {"ò", "&ograve;"}, {"ö", "&ouml;"},   {"ô", "&ocirc;"},  {"í", "&iacute;"}, {"ì", "&igrave;"},
    {"ï", "&iuml;"},   {"î", "&icirc;"},  {"ú", "&uacute;"}, {"ù", "&ugrave;"}, {"ü", "&uuml;"},
    {"û", "&ucirc;"},  {"á", "&aacute;"}, {"à", "&agrave;"}, {"ä", "&auml;"},   {"â", "&acirc;"},
    {"É", "&Eacute;"}, {"È", "&Egrave;"}, {"Ë", "&Euml;"},   {"Ê", "&Ecirc;"},  {"Ó", "&Oacute;"},
    {"Ò", "&Ograve;"}, {"Ö", "&Ouml;"},   {"Ô", "&Ocirc;"},  {"Í", "&Iacute;"}, {"Ì", "&Igrave;"},
    {"Ï", "&Iuml;"},   {"Î", "&Icirc;"},  {"Ú", "&Uacute;"}, {"Ù", "&Ugrave;"}, {"Ü", "&Uuml;"},
    {"Û", "&Ucirc;"},  {"Á", "&Aacute;"}, {"À", "&Agrave;"}, {"Ä", "&Auml;"},   {"Â", "&Acirc;"},
    {"ç", "&ccedil;"}, {"Ç", "&Ccedil;"}, {"ø", "&oslash;"}, {"Ø", "&Oslash;"}, {"å", "&aring;"},
    {"Å", "&Aring;"},  {"©", "&copy;"},   {"®", "&reg;"},    {"€", "&euro;"},   {"«", "&laquo;"},
    {"»", "&raquo;"},
};
static_assert(std::size(kAccents) == 51);

std::size_t FindNoCase(std::string_view sub, std::string_view s, std::size_t from = 0) {
    if (sub.empty()) return std::string_view::npos;
    const std::string us = base::UpperCase(s);
    const std::string usub = base::UpperCase(sub);
    return us.find(usub, from);
}

struct TControlRef {
    std::size_t start = 0;  // index of "<"
    std::size_t end = 0;    // index after ">"
    THtmlControlTag tag;
};

std::vector<TControlRef> Controls(std::string_view s) {
    std::vector<TControlRef> out;
    const std::string upper = base::UpperCase(s);
    std::size_t from = 0;
    for (;;) {
        const std::size_t p = upper.find("<CONTROL ", from);
        if (p == std::string::npos) break;
        const std::size_t close = s.find('>', p);
        TControlRef ref;
        ref.start = p;
        ref.end = close == std::string_view::npos ? s.size() : close + 1;
        ref.tag = ParseControlTag(s.substr(p + 1, ref.end - p - 1));
        out.push_back(ref);
        if (close == std::string_view::npos) break;
        from = ref.end;
    }
    return out;
}

const TControlRef* FindControl(const std::vector<TControlRef>& list, std::string_view id) {
    for (const TControlRef& c : list)
        if (c.tag.id == id) return &c;
    return nullptr;
}

}  // namespace

// ---------------------------------------------------------- small helpers

bool ReplaceFirstNoCase(std::string_view find, std::string_view replacement, std::string& s) {
    const std::size_t p = FindNoCase(find, s);
    if (p == std::string::npos) return false;
    s.replace(p, find.size(), replacement);
    return true;
}

void ReplaceAllNoCase(std::string_view find, std::string_view replacement, std::string& s) {
    if (find.empty()) return;
    std::size_t from = 0;
    while (s.find(find, from) != std::string::npos) {
        const std::size_t p = FindNoCase(find, s, from);
        s.replace(p, find.size(), replacement);
        from = p + replacement.size();
    }
}

int PosNoCase(std::string_view sub, std::string_view s) {
    const std::size_t p = FindNoCase(sub, s);
    return p == std::string::npos ? 0 : int(p) + 1;
}

int PosStore(std::string_view sub, std::string_view s, int& pos) {
    pos = base::Pos(sub, s);
    return pos;
}

int PosUpperStore(std::string_view sub, std::string_view s, int& pos) {
    pos = base::Pos(sub, base::UpperCase(s));
    return pos;
}

int IntOfText(std::string_view s) {
    int v = 0;
    if (base::TryStrToInt(s, v)) return v;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
    long long n = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        n = n * 10 + (s[i] - '0');
        if (n > 0x7FFFFFFF) return 0x7FFFFFFF;
    }
    return int(n);
}

std::string PasswordMask(std::string_view s) { return std::string(Utf8Length(s), '*'); }

std::string UnwrapHashMarkers(std::string_view s) {
    std::string out(s);
    for (std::size_t p = out.find("<#"); p != std::string::npos; p = out.find("<#", p)) {
        out.erase(p, 1);
        const std::size_t close = out.find('>', p);
        if (close != std::string::npos) out.erase(close, 1);
    }
    return out;
}

std::string LineBreaksToBr(std::string_view s, bool withBreaks) {
    std::string out;
    for (char c : s) {
        if (c == '\n') continue;
        if (c == '\r') {
            if (withBreaks) out += "<BR>";
            continue;
        }
        out += c;
    }
    return out;
}

int VisibleToTextPos(std::string_view s, int n) {
    int visible = 0;
    bool inTag = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (inTag) {
            if (s[i] == '>') inTag = false;
            continue;
        }
        if (visible == n - 1) return int(i) + 1;
        if (s[i] == '<') inTag = true;
        else ++visible;
    }
    return visible == n - 1 ? int(s.size()) + 1 : 0;
}

int FindTextFrom(std::string_view search, std::string_view s, int skip, int& pos, bool caseSensitive) {
    pos = 0;
    if (skip < 0) skip = 0;
    if (std::size_t(skip) > s.size() || search.empty()) return 0;
    const std::string_view rest = s.substr(skip);
    std::size_t p;
    if (caseSensitive) p = rest.find(search);
    else p = LocaleUpperCase(rest).find(LocaleUpperCase(search));
    if (p == std::string::npos) return 0;
    pos = skip + int(p) + 1;
    return pos;
}

// ------------------------------------------------------------ conversions

std::string HtmlEscape(std::string_view s, bool withAccents) {
    std::string out(s);
    ReplaceAllNoCase("&", "*amp;", out);
    ReplaceAllNoCase("*amp;", "&amp;", out);
    ReplaceAllNoCase("\"", "&quot;", out);
    ReplaceAllNoCase("<", "&lt;", out);
    ReplaceAllNoCase(">", "&gt;", out);
    if (withAccents)
        for (const TAccent& a : kAccents) ReplaceAllNoCase(a.ch, a.entity, out);
    return out;
}

std::string HtmlUnescape(std::string_view s, bool withAccents) {
    std::string out(s);
    ReplaceAllNoCase("&lt;", "<", out);
    ReplaceAllNoCase("&gt;", ">", out);
    ReplaceAllNoCase("&quot;", "\"", out);
    if (withAccents)
        for (const TAccent& a : kAccents) ReplaceAllNoCase(a.entity, a.ch, out);
    // "&amp;" goes last: decoded earlier, it would turn an escaped "&quot;"
    // (or any escaped entity) into a second entity that the later steps
    // decode again.
    ReplaceAllNoCase("&amp;", "&", out);
    return out;
}

std::string SpacesToNbsp(std::string_view s) {
    std::string out;
    for (char c : s) {
        if (c == ' ') out += "&nbsp;";
        else out += c;
    }
    return out;
}

std::string HtmlToPlainText(std::string_view s) {
    std::string text(s);
    while (ReplaceFirstNoCase("<BR>", "\r\n", text)) {}
    while (ReplaceFirstNoCase("<HR>", "\r\n", text)) {}
    // Each run of text goes out once: a ">" before the next "<" is text,
    // and a "<" that is never closed keeps itself and the rest as text.
    std::string out;
    std::size_t i = 0;
    for (;;) {
        const std::size_t lt = text.find('<', i);
        if (lt == std::string::npos) break;
        const std::size_t gt = text.find('>', lt);
        if (gt == std::string::npos) break;
        out.append(text, i, lt - i);
        i = gt + 1;
    }
    out.append(text, i, std::string::npos);
    return out;
}

std::string HtmlVisibleText(std::string_view s) {
    std::string out;
    std::string_view rest = s;
    for (;;) {
        const std::size_t lt = rest.find('<');
        const std::size_t gt = rest.find('>');
        if (lt == std::string_view::npos || gt == std::string_view::npos || lt > gt) break;
        out.append(rest.substr(0, lt));
        rest.remove_prefix(gt + 1);
    }
    out.append(rest);
    return out;
}

std::string InsertHighlightTags(std::string_view s, std::string_view search, std::string_view tag,
                                bool caseSensitive) {
    std::string text(s);
    if (search.empty()) return text;
    std::string visible = HtmlVisibleText(text);
    std::string what(search);
    if (text.find(search) != std::string::npos &&
        visible.find_first_of("<>") != std::string::npos) {
        std::string escaped;
        for (char c : visible) {
            if (c == '<') escaped += "&lt;";
            else if (c == '>') escaped += "&gt;";
            else escaped += c;
        }
        text = escaped;
        visible = escaped;
        std::string escSearch;
        for (char c : what) {
            if (c == '<') escSearch += "&lt;";
            else if (c == '>') escSearch += "&gt;";
            else escSearch += c;
        }
        what = escSearch;
    }
    const std::string open = "<" + std::string(tag) + ">";
    const std::string close = "</" + std::string(tag) + ">";
    const int len = int(what.size());
    int skip = 0;
    int p = 0;
    while (FindTextFrom(what, visible, skip, p, caseSensitive) > 0) {
        // The visible text counts a stray ">" before a tag as text where the
        // tag walk does not; a match the walk cannot place is left alone.
        if (VisibleToTextPos(text, p) == 0 || VisibleToTextPos(text, p + len) == 0) break;
        std::size_t at = std::size_t(VisibleToTextPos(text, p) - 1);
        // A match right after the previous one opens after that one's
        // closing tag: opening first would nest the tags, and the closing
        // tags would then leave the rest of the cell highlighted.
        if (text.compare(at, close.size(), close) == 0) at += close.size();
        text.insert(at, open);
        const int end = VisibleToTextPos(text, p + len);
        text.insert(std::size_t(end - 1), close);
        skip = p + len - 1;
    }
    return text;
}

std::string RemoveHighlightTags(std::string_view s, std::string_view tag) {
    std::string text(s);
    const std::string upperTag = base::UpperCase(tag);
    const std::string open = "<" + upperTag + ">";
    const std::string close = "</" + upperTag + ">";
    while (ReplaceFirstNoCase(open, "", text)) {}
    while (ReplaceFirstNoCase(close, "", text)) {}
    text = base::StringReplace(text, "&lt;", "<");
    text = base::StringReplace(text, "&gt;", ">");
    return text;
}

// ------------------------------------------------------------ control tags

bool HasHtmlControls(std::string_view s) {
    return base::UpperCase(s).find("<CONTROL") != std::string::npos;
}

THtmlControlTag ParseControlTag(std::string_view tagText) {
    THtmlControlTag t;
    // Attributes are read as name="value" pairs from left to right, so a
    // value that itself reads "TYPE=x" is never taken for an attribute.
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    std::size_t i = 0;
    while (i < tagText.size() && !blank(tagText[i]) && tagText[i] != '>') ++i;  // the tag's name
    std::vector<std::string> seen;
    while (i < tagText.size()) {
        while (i < tagText.size() && blank(tagText[i])) ++i;
        if (i >= tagText.size() || tagText[i] == '>') break;
        const std::size_t nameStart = i;
        while (i < tagText.size() && !blank(tagText[i]) && tagText[i] != '=' && tagText[i] != '>') ++i;
        const std::string name = base::UpperCase(tagText.substr(nameStart, i - nameStart));
        while (i < tagText.size() && blank(tagText[i])) ++i;
        if (i >= tagText.size() || tagText[i] != '=') continue;  // a name without a value
        ++i;
        while (i < tagText.size() && blank(tagText[i])) ++i;
        std::string value;
        if (i < tagText.size() && tagText[i] == '"') {
            const std::size_t close = tagText.find('"', i + 1);
            if (close == std::string_view::npos) break;  // unterminated: the rest is no attribute
            value = std::string(tagText.substr(i + 1, close - i - 1));
            i = close + 1;
        } else {
            const std::size_t start = i;
            while (i < tagText.size() && !blank(tagText[i]) && tagText[i] != '>') ++i;
            value = std::string(tagText.substr(start, i - start));
        }
        // The first of a repeated attribute counts.
        if (std::find(seen.begin(), seen.end(), name) != seen.end()) continue;
        seen.push_back(name);
        if (name == "TYPE") t.type = value;
        else if (name == "WIDTH") t.width = value;
        else if (name == "HEIGHT") t.height = value;
        else if (name == "ID") t.id = value;
        else if (name == "VALUE") t.value = value;
        else if (name == "PROP") t.prop = value;
        else if (name == "MAXLEN") t.maxLen = value;
    }
    t.type = base::UpperCase(t.type);
    t.value = HtmlUnescape(t.value, true);
    t.prop = HtmlUnescape(t.prop, true);
    return t;
}

std::string NextEditControlId(std::string_view s, std::string_view id) {
    const std::vector<TControlRef> list = Controls(s);
    std::size_t i = 0;
    if (!id.empty()) {
        while (i < list.size() && list[i].tag.id != id) ++i;
        ++i;
    }
    for (; i < list.size(); ++i) {
        const std::string& type = list[i].tag.type;
        if (type != "BUTTON" && type != "CHECK" && type != "RADIO") return list[i].tag.id;
    }
    return {};
}

std::string ClearRadioControls(std::string_view s) {
    std::string text(s);
    std::vector<std::string> ids;
    for (const TControlRef& c : Controls(s))
        if (c.tag.type == "RADIO") ids.push_back(c.tag.id);
    for (const std::string& id : ids) SetHtmlControlValue(text, id, "FALSE");
    return text;
}

bool GetHtmlControlValue(std::string_view s, std::string_view id, std::string& value) {
    const std::vector<TControlRef> list = Controls(s);
    const TControlRef* c = FindControl(list, id);
    if (!c) return false;
    value = c->tag.value;
    return true;
}

std::string GetHtmlControlProp(std::string_view s, std::string_view id) {
    const std::vector<TControlRef> list = Controls(s);
    const TControlRef* c = FindControl(list, id);
    return c ? c->tag.prop : std::string();
}

int GetHtmlControlMaxLen(std::string_view s, std::string_view id) {
    const std::vector<TControlRef> list = Controls(s);
    const TControlRef* c = FindControl(list, id);
    return c && !c->tag.maxLen.empty() ? IntOfText(c->tag.maxLen) : 0;
}

bool SetHtmlControlValue(std::string& s, std::string_view id, std::string_view value) {
    const std::vector<TControlRef> list = Controls(s);
    const TControlRef* c = FindControl(list, id);
    if (!c) return false;
    std::string tag = "<CONTROL ID=\"" + c->tag.id + "\" VALUE=\"" + HtmlEscape(value, true) +
                      "\" WIDTH=\"" + c->tag.width + "\" TYPE=\"" + c->tag.type + "\"";
    if (!c->tag.prop.empty()) tag += " PROP=\"" + HtmlEscape(c->tag.prop, true) + "\"";
    if (!c->tag.maxLen.empty()) tag += " MAXLEN=\"" + c->tag.maxLen + "\"";
    tag += ">";
    s.replace(c->start, c->end - c->start, tag);
    return true;
}

}  // namespace ctl
