#pragma once
// The outcome of a window's data check, kept apart from any message box: the
// number of the text to show, the values for its "%d" placeholders and, for
// the few texts that end in a bare value, the text appended after it.

#include <string>
#include <vector>

namespace gw {

struct TCheckResult {
    int text = 0;           // 0: everything passed
    std::vector<int> args;  // one per "%d" of the text, in order
    std::string suffix;     // appended after the formatted text

    bool Ok() const { return text == 0; }
    bool operator==(const TCheckResult&) const = default;
};

inline TCheckResult CheckFailed(int text, std::vector<int> args = {}, std::string suffix = {}) {
    return TCheckResult{text, std::move(args), std::move(suffix)};
}

// A number typed into a checked field: decimal, or hexadecimal with a "$"
// or "0x" prefix; -1 for a text that is none, so that it fails every range.
long long CheckNumber(const std::string& text);

// The message the user reads: Lang_Texts[text] with the arguments put in and
// the suffix appended; empty for a passed check.
std::string CheckMessage(const TCheckResult& result);

}  // namespace gw
