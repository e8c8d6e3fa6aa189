#include "gateway/KeyFilters.h"

#include <algorithm>

#include "base/TextCodec.h"

namespace gw {

TKeyAnswer HexKeyPress(char32_t key) {
    if ((key >= U'0' && key <= U'9') || (key >= U'A' && key <= U'F')) return {true, key};
    if (key >= U'a' && key <= U'f') return {true, key - U'a' + U'A'};
    if (key <= U' ') return {true, key};
    return {false, key};
}

namespace {

TOctetEdit NextOctet(TOctetEdit edit) {
    switch (edit) {
        case Octet_Sec_DNS4:
        case Octet_EIP_GAT4:
        case Octet_None:
            return Octet_None;
        default:
            return static_cast<TOctetEdit>(edit + 1);
    }
}

}  // namespace

TOctetKeyAnswer OctetKeyPress(TOctetEdit edit, char32_t key) {
    if (key != U'.') return {{true, key}, Octet_None};
    return {{false, key}, NextOctet(edit)};
}

TIpKeyAnswer IpEditKeyPress(int edit, char32_t key) {
    if (key != U'.') return {{true, key}, 0};
    return {{false, key}, (edit >= 1 && edit <= 3) ? edit + 1 : 0};
}

TPastePlan PlanPaste(const std::string& pasted, const std::vector<TPasteEdit>& edits,
                     const std::function<TKeyAnswer(char32_t)>& keyOf, char32_t moveOn) {
    TPastePlan plan;
    if (edits.empty()) return plan;
    std::u16string text = base::Utf8ToUtf16(pasted);
    // A value copied as a line brings its line end along.
    if (!text.empty() && text.back() == u'\n') text.pop_back();
    if (!text.empty() && text.back() == u'\r') text.pop_back();
    std::vector<std::u16string> parts(1);
    for (char16_t ch : text) {
        if (moveOn != 0 && ch == moveOn) {
            parts.emplace_back();
            continue;
        }
        if (ch < 32 || ch == 0x7F) return plan;
        const TKeyAnswer answer = keyOf(ch);
        if (!answer.accepted) return plan;
        parts.back() += static_cast<char16_t>(answer.key);
    }
    if (parts.size() > edits.size()) return plan;
    for (size_t i = 0; i < parts.size(); ++i) {
        const TPasteEdit& e = edits[i];
        std::u16string now = i == 0 ? base::Utf8ToUtf16(e.text) : std::u16string();
        const int size = static_cast<int>(now.size());
        const int start = i == 0 ? std::clamp(e.selStart, 0, size) : 0;
        const int len = i == 0 ? std::clamp(e.selLength, 0, size - start) : 0;
        now.replace(static_cast<size_t>(start), static_cast<size_t>(len), parts[i]);
        if (e.maxLength > 0 && static_cast<int>(now.size()) > e.maxLength) return plan;
        plan.texts.push_back(base::Utf16ToUtf8(now));
        plan.caret = start + static_cast<int>(parts[i].size());
    }
    plan.accepted = true;
    return plan;
}

}  // namespace gw
