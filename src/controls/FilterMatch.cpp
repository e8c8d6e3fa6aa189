#include "controls/FilterMatch.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "base/StrUtils.h"
#include "controls/ExtUtil.h"
#include "controls/LocaleText.h"

namespace ctl {

namespace {

// Plain decimal numbers only: a cell holding "inf" or "0x10" is text here.
bool ReadNumber(const std::string& s, double& value) {
    if (s.empty()) return false;
    bool digit = false;
    for (char c : s) {
        if (c >= '0' && c <= '9') digit = true;
        else if (c != '+' && c != '-' && c != '.' && c != 'e' && c != 'E') return false;
    }
    if (!digit) return false;
    char* end = nullptr;
    value = std::strtod(s.c_str(), &end);
    return end == s.c_str() + s.size();
}

bool ReadWhole(std::string_view s, int& value) {
    if (s.empty() || s.size() > 9) return false;
    value = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

// <0, 0, >0 as value compares with operand: numbers, then dates, then text.
int Compare(std::string_view value, std::string_view operand) {
    double vn = 0;
    double on = 0;
    base::TDateTime vd = 0;
    base::TDateTime od = 0;
    const bool vDate = ParseLocaleDateTime(value, vd);
    const bool oDate = ParseLocaleDateTime(operand, od);
    if (ReadNumber(NormalizeLocaleNumber(value), vn) &&
        ReadNumber(NormalizeLocaleNumber(operand), on) && !vDate && !oDate)
        return vn < on ? -1 : (vn > on ? 1 : 0);
    if (vDate && oDate) return vd < od ? -1 : (vd > od ? 1 : 0);
    const std::string_view a = value.substr(0, std::min<std::size_t>(value.size(), 255));
    const std::string_view b = operand.substr(0, std::min<std::size_t>(operand.size(), 255));
    const int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

// The operand after the operator at index pos. Blanks and "&", "|" end it
// only outside double quotes, so a quoted date with its time stays whole.
std::string ReadOperand(std::string_view c, std::size_t pos) {
    std::size_t i = pos;
    while (i < c.size() && c[i] == ' ') ++i;
    const std::size_t start = i;
    bool quoted = false;
    for (; i < c.size(); ++i) {
        if (c[i] == '"') quoted = !quoted;
        if (!quoted && (c[i] == ' ' || c[i] == '&' || c[i] == '|')) break;
    }
    std::string_view op = c.substr(start, i - start);
    if (!op.empty() && op.front() == '"') op.remove_prefix(1);
    if (!op.empty() && op.back() == '"') op.remove_suffix(1);
    return std::string(op);
}

// "*" any run of characters, "?" one character (UTF-8), anything else
// itself. Greedy with one back-tracking point, the last "*" seen: a later
// "*" can absorb whatever an earlier one would have, so trying again from
// the last one is enough, and the match takes pattern times text steps at
// worst instead of a number that doubles with every "*".
bool WildMatch(std::string_view p, std::string_view v) {
    constexpr std::size_t none = std::string_view::npos;
    std::size_t pi = 0, vi = 0, starP = none, starV = 0;
    while (vi < v.size()) {
        if (pi < p.size() && p[pi] == '*') {
            starP = pi++;
            starV = vi;
        } else if (pi < p.size() && p[pi] == '?') {
            ++pi;
            vi += Utf8CharLen(v, vi);
        } else if (pi < p.size() && p[pi] == v[vi]) {
            ++pi;
            ++vi;
        } else if (starP != none) {
            pi = starP + 1;
            starV += Utf8CharLen(v, starV);
            vi = starV;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi] == '*') ++pi;
    return pi == p.size();
}

// Groups nest no deeper than this; a deeper one matches nothing. Every
// level copies the rest of the expression, so unbounded nesting costs
// memory with the square of its length.
constexpr int Max_Group_Depth = 100;

bool MatchExpression(std::string_view expression, std::string_view text, bool caseSensitive, int depth);

}  // namespace

bool ParseLocaleDateTime(std::string_view text, base::TDateTime& value) {
    const TRegionalText rt = RegionalText();
    const std::string fmt = base::UpperCase(rt.shortDateFormat);
    auto firstPos = [&](char letter) {
        const std::size_t p = fmt.find(letter);
        return p == std::string::npos ? fmt.size() + (letter == 'Y' ? 2 : letter == 'M' ? 1 : 0) : p;
    };
    std::array<std::pair<std::size_t, char>, 3> order{
        {{firstPos('D'), 'D'}, {firstPos('M'), 'M'}, {firstPos('Y'), 'Y'}}};
    std::sort(order.begin(), order.end());

    const std::size_t s1 = text.find(rt.dateSeparator);
    if (s1 == std::string_view::npos) return false;
    const std::size_t s2 = text.find(rt.dateSeparator, s1 + 1);
    if (s2 == std::string_view::npos) return false;
    std::array<int, 3> fields{};
    if (!ReadWhole(text.substr(0, s1), fields[0])) return false;
    if (!ReadWhole(text.substr(s1 + 1, s2 - s1 - 1), fields[1])) return false;
    std::string rest = base::Trim(text.substr(s2 + 1));
    std::string timeText;
    const std::size_t blank = rest.find(' ');
    if (blank != std::string::npos) {
        timeText = base::Trim(std::string_view(rest).substr(blank));
        rest = rest.substr(0, blank);
    }
    if (!ReadWhole(rest, fields[2])) return false;
    int day = 0, month = 0, year = 0;
    for (int k = 0; k < 3; ++k) {
        if (order[k].second == 'D') day = fields[k];
        else if (order[k].second == 'M') month = fields[k];
        else year = fields[k];
    }
    if (day > 31 || month > 12) return false;
    base::TDateTime date = 0;
    if (!base::TryEncodeDate(year, month, day, date)) return false;
    value = date;
    if (blank == std::string::npos) return true;

    const std::size_t t1 = timeText.find(rt.timeSeparator);
    if (t1 == std::string::npos) return false;
    int hour = 0, minute = 0, second = 0;
    if (!ReadWhole(std::string_view(timeText).substr(0, t1), hour) || hour > 23) return false;
    const std::size_t t2 = timeText.find(rt.timeSeparator, t1 + 1);
    const std::string_view after(timeText);
    if (t2 != std::string::npos) {
        if (!ReadWhole(after.substr(t1 + 1, t2 - t1 - 1), minute)) return false;
        if (!ReadWhole(after.substr(t2 + 1), second)) return false;
    } else if (!ReadWhole(after.substr(t1 + 1), minute)) {
        return false;
    }
    if (minute > 59 || second > 59) return false;
    base::TDateTime time = 0;
    if (!base::TryEncodeTime(hour, minute, second, 0, time)) return false;
    value = date + time;
    return true;
}

bool MatchFilterCondition(std::string_view c, std::string_view v) {
    bool greater = true;
    bool less = true;
    bool hasGreater = false;
    bool hasLess = false;
    const std::size_t gt = c.find('>');
    if (gt != std::string_view::npos) {
        const bool orEqual = gt + 1 < c.size() && c[gt + 1] == '=';
        const int cmp = Compare(v, ReadOperand(c, gt + (orEqual ? 2 : 1)));
        greater = orEqual ? cmp >= 0 : cmp > 0;
        hasGreater = true;
    }
    const std::size_t lt = c.find('<');
    if (lt != std::string_view::npos) {
        const bool orEqual = lt + 1 < c.size() && c[lt + 1] == '=';
        const int cmp = Compare(v, ReadOperand(c, lt + (orEqual ? 2 : 1)));
        less = orEqual ? cmp <= 0 : cmp < 0;
        hasLess = true;
    }
    const bool negate = c.find('!') != std::string_view::npos;
    if (negate) {
        hasGreater = true;
        hasLess = true;
    }
    auto has = [&](char ch) { return c.find(ch) != std::string_view::npos; };
    if (has('^') && (hasGreater || hasLess)) return greater || less;
    if (has('&') && hasGreater && hasLess) return greater && less;
    if (has('>') && greater) return true;
    if (has('<') && less) return true;

    std::string pattern;
    for (char ch : c)
        if (ch != '"' && ch != '!') pattern += ch;
    const bool matched = WildMatch(pattern, v);
    return negate ? !matched : matched;
}

bool MatchFilterOperand(std::string_view operand, std::string_view text, bool caseSensitive) {
    if (caseSensitive) return MatchFilterCondition(operand, text);
    return MatchFilterCondition(LocaleUpperCase(operand), LocaleUpperCase(text));
}

bool MatchFilterExpression(std::string_view expression, std::string_view text, bool caseSensitive) {
    // Refused before any work is done: each level of a deep group would
    // still copy and scan the rest of the expression once.
    int depth = 0, deepest = 0;
    bool quoted = false;
    for (char c : expression) {
        if (c == '"') quoted = !quoted;
        else if (!quoted && c == '(') deepest = std::max(deepest, ++depth);
        else if (!quoted && c == ')' && depth > 0) --depth;
    }
    if (deepest > Max_Group_Depth) return false;
    return MatchExpression(expression, text, caseSensitive, 0);
}

namespace {

bool MatchExpression(std::string_view expression, std::string_view text, bool caseSensitive, int depth) {
    if (depth > Max_Group_Depth) return false;
    std::string expr = StripUnquotedSpaces(base::Trim(expression));
    if (!expr.empty() && expr.front() == '=') expr.erase(0, 1);

    bool result = false;
    char lastOp = 0;  // 0: no result yet
    auto combine = [&](bool r) {
        switch (lastOp) {
        case 0: result = r; break;
        case '&': result = result && r; break;
        case '(': break;  // the empty operand after a group
        default: result = result || r; break;
        }
    };
    for (;;) {
        int pos = 0;
        FirstUnquotedCharOfSet({'(', ';', '^', '&', '|'}, expr, pos);
        if (pos < 1) break;
        const std::size_t p = std::size_t(pos - 1);
        if (expr.front() == '(') {
            const std::size_t close = std::size_t(MatchingParenPos(expr)) - 1;
            const bool closed = close != std::size_t(-1);
            const std::string inner = expr.substr(1, closed ? close - 1 : std::string::npos);
            combine(MatchExpression(inner, text, caseSensitive, depth + 1));
            expr.erase(0, closed ? close + 1 : std::string::npos);
            lastOp = '(';
        } else {
            combine(MatchFilterOperand(std::string_view(expr).substr(0, p), text, caseSensitive));
            lastOp = expr[p];
            expr.erase(0, p + 1);
        }
    }
    combine(MatchFilterOperand(expr, text, caseSensitive));
    return result;
}

}  // namespace

}  // namespace ctl
