#include "platform/XmlWriter.h"

#include <array>

namespace plat {

namespace {

// Bytes an attribute value cannot hold as they are: the quote, the two
// markup characters readers act on and every control character (which a
// reader would otherwise fold into blanks). '>' stays as it is.
constexpr std::array<bool, 256> Special_In_Attribute = [] {
    std::array<bool, 256> special{};
    for (int c = 0; c < 32; ++c) special[static_cast<std::size_t>(c)] = true;
    special['&'] = special['<'] = special['"'] = true;
    return special;
}();

void AppendEscaped(std::string& out, std::string_view value) {
    std::size_t plain = 0;  // start of the run not copied yet
    for (std::size_t i = 0; i < value.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(value[i]);
        if (!Special_In_Attribute[c]) continue;
        out.append(value.data() + plain, i - plain);
        plain = i + 1;
        switch (c) {
            case '\0':
                return;
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default: {
                // Always two digits: "&#09;" as much as "&#13;".
                const char reference[] = {'&', '#', static_cast<char>('0' + c / 10), static_cast<char>('0' + c % 10),
                                          ';'};
                out.append(reference, sizeof(reference));
            }
        }
    }
    out.append(value.data() + plain, value.size() - plain);
}

}  // namespace

void TXmlWriter::CloseStartTag() {
    if (!startTagOpen_) return;
    text_ += ">\n";
    startTagOpen_ = false;
}

void TXmlWriter::StartElement(std::string_view name) {
    CloseStartTag();
    text_.append(2 * open_.size(), ' ');
    text_ += '<';
    text_ += name;
    open_.push_back(name);
    startTagOpen_ = true;
}

void TXmlWriter::Attribute(std::string_view name, std::string_view value) {
    if (!startTagOpen_) return;
    text_ += ' ';
    text_ += name;
    text_ += "=\"";
    AppendEscaped(text_, value);
    text_ += '"';
}

void TXmlWriter::EndElement() {
    if (open_.empty()) return;
    const std::string_view name = open_.back();
    open_.pop_back();
    if (startTagOpen_) {
        text_ += " />\n";
        startTagOpen_ = false;
        return;
    }
    text_.append(2 * open_.size(), ' ');
    text_ += "</";
    text_ += name;
    text_ += ">\n";
}

void TXmlWriter::Comment(std::string_view text) {
    while (!open_.empty()) EndElement();
    text_ += "<!--";
    text_ += text;
    text_ += "-->\n";
}

std::string TXmlWriter::Take() {
    while (!open_.empty()) EndElement();
    return std::move(text_);
}

}  // namespace plat
