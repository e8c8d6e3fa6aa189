#include "gateway/CheckResult.h"

#include <cstdint>

#include "base/StrUtils.h"
#include "shell/Language.h"

namespace gw {

namespace {

// Only "%d" is put in: a language file may reword a text and slip in another
// placeholder, and a message box must never read arguments that are not there.
std::string PutArguments(const std::string& text, const std::vector<int>& args) {
    std::string out;
    size_t next = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size()) {
            if (text[i + 1] == 'd' && next < args.size()) {
                out += std::to_string(args[next++]);
                ++i;
                continue;
            }
            if (text[i + 1] == '%') {
                out += '%';
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

}  // namespace

long long CheckNumber(const std::string& text) {
    int64_t value = 0;
    return base::TryStrToInt64(text, value) ? value : -1;
}

std::string CheckMessage(const TCheckResult& result) {
    if (result.Ok()) return {};
    std::string text;
    if (result.text > 0 && result.text < shell::Lang_Texts.Count()) text = shell::Lang_Texts[result.text];
    return PutArguments(text, result.args) + result.suffix;
}

}  // namespace gw
