// The grid's row filter: any expression against any text gives an answer
// (in bounded time and memory), and a plain wildcard pattern matches
// exactly the texts a straightforward matcher accepts.

#include <vector>

#include "FuzzSupport.h"
#include "controls/FilterMatch.h"

namespace {

// "*" any run, "?" one character; ASCII only, by table.
bool Reference(const std::string& p, const std::string& v) {
    std::vector<std::vector<char>> m(p.size() + 1, std::vector<char>(v.size() + 1, 0));
    m[0][0] = 1;
    for (size_t i = 1; i <= p.size(); ++i) {
        m[i][0] = p[i - 1] == '*' && m[i - 1][0];
        for (size_t j = 1; j <= v.size(); ++j) {
            if (p[i - 1] == '*') m[i][j] = m[i - 1][j] || m[i][j - 1];
            else m[i][j] = (p[i - 1] == '?' || p[i - 1] == v[j - 1]) && m[i - 1][j - 1];
        }
    }
    return m[p.size()][v.size()];
}

bool PlainPattern(const std::string& p) {
    for (unsigned char c : p)
        if (c < 0x21 || c > 0x7E || std::string_view("<>!^&|;()\"=").find(char(c)) != std::string_view::npos)
            return false;
    return true;
}

bool Ascii(const std::string& v) {
    for (unsigned char c : v)
        if (c < 0x20 || c > 0x7E) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [expression, text] = fuzz::SplitAt(fuzz::Bytes(data, size), "\n");
    for (bool caseSensitive : {false, true}) (void)ctl::MatchFilterExpression(expression, text, caseSensitive);
    (void)ctl::MatchFilterCondition(expression, text);
    base::TDateTime when = 0;
    (void)ctl::ParseLocaleDateTime(text, when);
    if (PlainPattern(expression) && Ascii(text))
        FUZZ_REQUIRE(ctl::MatchFilterCondition(expression, text) == Reference(expression, text),
                     "\"" + expression + "\" against \"" + text + "\"");
    return 0;
}
