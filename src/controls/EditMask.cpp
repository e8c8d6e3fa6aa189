#include "controls/EditMask.h"

#include <algorithm>

#include "base/TextCodec.h"
#include "platform/Messages.h"

namespace ctl {

namespace {
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c >= 0xC0; }
char16_t Upper(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; }
char16_t Lower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }
}  // namespace

TEditMaskText::TEditMaskText(const std::string& Mask) {
    std::u16string m = base::Utf8ToUtf16(Mask);
    // The two trailing fields, when present: ";1;_". A quoted ";" in the
    // mask itself stays part of it.
    auto lastField = [&m]() -> std::u16string {
        const size_t semi = m.rfind(u';');
        if (semi == std::u16string::npos || (semi > 0 && m[semi - 1] == u'\\')) return {};
        std::u16string f = m.substr(semi + 1);
        m.erase(semi);
        return f;
    };
    const size_t count = static_cast<size_t>(std::count(m.begin(), m.end(), u';'));
    if (count >= 2) {
        const std::u16string blank = lastField();
        if (blank.size() == 1) FBlank = blank[0];
    }
    if (count >= 1) {
        const std::u16string save = lastField();
        FSaveLiterals = save != u"0";
    }
    TCase mode = caNone;
    for (size_t i = 0; i < m.size(); ++i) {
        const char16_t c = m[i];
        if (c == u'<' && i + 1 < m.size() && m[i + 1] == u'>') {
            mode = caNone;
            ++i;
            continue;
        }
        if (c == u'>') { mode = caUpper; continue; }
        if (c == u'<') { mode = caLower; continue; }
        if (c == u'!') continue;
        TPlace p;
        p.Case = mode;
        if (c == u'\\' && i + 1 < m.size()) {
            p.Literal = m[++i];
        } else if (std::u16string_view(u"09#LlAaCc").find(c) != std::u16string_view::npos) {
            p.Kind = c;
        } else {
            p.Literal = c;
        }
        FPlaces.push_back(p);
    }
}

bool TEditMaskText::Takes(const TPlace& P, char16_t& Ch) const {
    bool ok = false;
    switch (P.Kind) {
        case u'0':
        case u'9': ok = IsDigit(Ch); break;
        case u'#': ok = IsDigit(Ch) || Ch == u'+' || Ch == u'-'; break;
        case u'L':
        case u'l': ok = IsLetter(Ch); break;
        case u'A':
        case u'a': ok = IsLetter(Ch) || IsDigit(Ch); break;
        default: ok = Ch >= 32; break;
    }
    if (ok && P.Case == caUpper) Ch = Upper(Ch);
    if (ok && P.Case == caLower) Ch = Lower(Ch);
    return ok;
}

std::u16string TEditMaskText::Display(const std::string& Value) const {
    const std::u16string v = base::Utf8ToUtf16(Value);
    std::u16string out;
    size_t at = 0;
    for (const TPlace& p : FPlaces) {
        if (p.Kind == 0) {
            out += p.Literal;
            if (FSaveLiterals && at < v.size() && v[at] == p.Literal) ++at;
            continue;
        }
        char16_t c = at < v.size() ? v[at] : FBlank;
        if (at < v.size()) ++at;
        out += c != FBlank && c != u' ' && Takes(p, c) ? c : FBlank;
    }
    return out;
}

bool TEditMaskText::Type(std::u16string& Text, int& Pos, char16_t Ch) const {
    int i = std::max(Pos, 0);
    const int n = std::min(Size(), static_cast<int>(Text.size()));
    while (i < n && FPlaces[static_cast<size_t>(i)].Kind == 0) ++i;
    if (i >= n) return false;
    char16_t c = Ch;
    if (!Takes(FPlaces[static_cast<size_t>(i)], c)) return false;
    Text[static_cast<size_t>(i)] = c;
    ++i;
    while (i < n && FPlaces[static_cast<size_t>(i)].Kind == 0) ++i;
    Pos = i;
    return true;
}

void TEditMaskText::Clear(std::u16string& Text, int Start, int Length) const {
    const int n = std::min(Size(), static_cast<int>(Text.size()));
    for (int i = std::max(Start, 0); i < std::min(Start + Length, n); ++i)
        if (FPlaces[static_cast<size_t>(i)].Kind != 0) Text[static_cast<size_t>(i)] = FBlank;
}

int TEditMaskText::PlaceBefore(int Pos) const {
    for (int i = std::min(Pos, Size()) - 1; i >= 0; --i)
        if (FPlaces[static_cast<size_t>(i)].Kind != 0) return i;
    return -1;
}

std::string TEditMaskText::Value(const std::u16string& Text) const {
    std::u16string out;
    bool any = false;
    for (size_t i = 0; i < FPlaces.size() && i < Text.size(); ++i) {
        const TPlace& p = FPlaces[i];
        if (p.Kind == 0) {
            if (FSaveLiterals) out += p.Literal;
            continue;
        }
        if (Text[i] == FBlank) {
            out += u' ';
        } else {
            out += Text[i];
            any = true;
        }
    }
    if (!any) return {};
    while (!out.empty() && out.back() == u' ') out.pop_back();
    return base::Utf16ToUtf8(out);
}

bool TEditMaskText::Complete(const std::u16string& Text) const {
    for (size_t i = 0; i < FPlaces.size(); ++i) {
        const char16_t k = FPlaces[i].Kind;
        const bool required = k == u'0' || k == u'L' || k == u'A' || k == u'C';
        if (required && (i >= Text.size() || Text[i] == FBlank)) return false;
    }
    return true;
}

bool MaskTypeChar(plat::TEdit& Edit, const TEditMaskText& Mask, char32_t Key) {
    if (Key < 32 || Key > 0xFFFF) return false;
    std::u16string t = base::Utf8ToUtf16(Edit.Text());
    int pos = Edit.SelStart();
    // Typing over a selection empties it first, as typing replaces it in a
    // plain edit.
    if (Edit.SelLength() > 0) {
        std::u16string cleared = t;
        Mask.Clear(cleared, pos, Edit.SelLength());
        if (!Mask.Type(cleared, pos, static_cast<char16_t>(Key))) return true;
        t = cleared;
    } else if (!Mask.Type(t, pos, static_cast<char16_t>(Key))) {
        return true;
    }
    Edit.SetText(base::Utf16ToUtf8(t));
    Edit.SetSelStart(pos);
    Edit.SetSelLength(0);
    return true;
}

bool MaskEraseKey(plat::TEdit& Edit, const TEditMaskText& Mask, unsigned short Key) {
    if (Key != plat::VK_BACK && Key != plat::VK_DELETE) return false;
    std::u16string t = base::Utf8ToUtf16(Edit.Text());
    int pos = Edit.SelStart();
    if (Edit.SelLength() > 0) {
        Mask.Clear(t, pos, Edit.SelLength());
    } else if (Key == plat::VK_BACK) {
        pos = Mask.PlaceBefore(pos);
        if (pos < 0) return true;
        Mask.Clear(t, pos, 1);
    } else {
        Mask.Clear(t, pos, 1);
    }
    Edit.SetText(base::Utf16ToUtf8(t));
    Edit.SetSelStart(pos);
    Edit.SetSelLength(0);
    return true;
}

}  // namespace ctl
