#include "grid/GridXml.h"

#include <algorithm>
#include <cctype>

#include "base/TextCodec.h"

#include "platform/XmlDom.h"

namespace grid {

std::string XmlEscapeCell(std::string_view t) {
    std::string r;
    r.reserve(t.size());
    for (char c : t) {
        switch (c) {
            case '&': r += "$amp;"; break;
            case '>': r += "&gt;"; break;
            case '<': r += "&lt;"; break;
            case '"': r += "&quot;"; break;
            default: r += c;
        }
    }
    return r;
}

std::string XmlUnescapeCell(std::string_view t) {
    static constexpr std::pair<std::string_view, char> kMarks[] = {
        {"$amp;", '&'}, {"&gt;", '>'}, {"&lt;", '<'}, {"&quot;", '"'}};
    std::string r;
    r.reserve(t.size());
    for (size_t i = 0; i < t.size();) {
        bool hit = false;
        for (const auto& [mark, c] : kMarks)
            if (t.substr(i, mark.size()) == mark) {
                r += c;
                i += mark.size();
                hit = true;
                break;
            }
        if (!hit) r += t[i++];
    }
    return r;
}

namespace {

// The highest character the encoding a declaration names holds as it
// stands; 0 for an encoding the writer does not know. Only the names the
// reader recognises as Latin-1 count as Latin-1: any other name it reads
// as UTF-8.
char32_t EncodingLimit(std::string_view Name) {
    std::string n(Name);
    for (char& c : n) c = char(std::tolower(static_cast<unsigned char>(c)));
    if (n == "utf-8" || n == "utf8") return 0x10FFFF;
    if (n == "iso-8859-1" || n == "latin1") return 0xFF;
    if (n == "us-ascii" || n == "ascii") return 0x7F;
    return 0;
}

std::u32string CodePointsOf(std::string_view Utf8) {
    const std::u16string wide = base::Utf8ToUtf16(Utf8);
    std::u32string out;
    for (size_t i = 0; i < wide.size(); ++i) {
        char32_t cp = wide[i];
        if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 && wide[i + 1] < 0xE000) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (wide[i + 1] - 0xDC00);
            ++i;
        }
        out += cp;
    }
    return out;
}

// Text in an encoding that holds characters up to Limit. What it lacks
// goes out as a character reference in a cell's text; in a name, where no
// reference may stand, it makes the document unwritable.
bool Encode(std::string_view Utf8, char32_t Limit, bool Name, std::string& Out) {
    if (Limit == 0x10FFFF || std::all_of(Utf8.begin(), Utf8.end(), [](char c) { return (c & 0x80) == 0; })) {
        Out += Utf8;
        return true;
    }
    for (const char32_t cp : CodePointsOf(Utf8)) {
        if (cp <= Limit) {
            Out += char(cp);
        } else if (Name) {
            return false;
        } else {
            Out += "&#" + std::to_string(unsigned(cp)) + ";";
        }
    }
    return true;
}

}  // namespace

bool WriteXmlDocument(const std::vector<TXmlRecord>& Records, std::string_view Encoding, std::string_view ListDescr,
                      std::string_view RecordDescr, std::string& Bytes, std::string& Error) {
    const char32_t limit = EncodingLimit(Encoding);
    if (!limit) {
        Error = "The XML encoding \"" + std::string(Encoding) +
                "\" cannot be written; use UTF-8, ISO-8859-1 or US-ASCII";
        return false;
    }
    std::string out = "<?xml version=\"1.0\" encoding=\"" + std::string(Encoding) + "\" ?>\r\n";
    const auto name = [&](std::string_view n) {
        if (Encode(n, limit, true, out)) return true;
        Error = "The element name \"" + std::string(n) + "\" cannot be written in " + std::string(Encoding);
        return false;
    };
    out += '<';
    if (!name(ListDescr)) return false;
    out += ">\r\n";
    for (const auto& rec : Records) {
        out += '<';
        if (!name(RecordDescr)) return false;
        out += ">\r\n";
        for (const auto& f : rec) {
            out += '<';
            if (!name(f.Name)) return false;
            out += '>';
            Encode(XmlEscapeCell(f.Text), limit, false, out);
            out += "</";
            name(f.Name);
            out += ">\r\n";
        }
        out += "</";
        name(RecordDescr);
        out += ">\r\n";
    }
    out += "</";
    name(ListDescr);
    out += ">\r\n";
    Bytes = std::move(out);
    return true;
}

namespace {

struct TWalker {
    const TXmlReadOptions& O;
    TXmlReadResult& R;
    int col = 0, row = 0, depth = 1;

    void Store(const std::string& text) {
        const int c = O.ColBase + col, r = O.RowBase + row;
        if (c >= 0 && r >= 0) {
            R.Cells.push_back({c, r, text, false});
            R.MaxCol = std::max(R.MaxCol, c);
            R.MaxRow = std::max(R.MaxRow, r);
        }
        ++col;
    }
    void Header(const std::string& name) {
        const int c = O.ColBase + col;
        if (c >= 0) R.Cells.push_back({c, 0, name, true});
    }

    void Walk(const plat::TXmlNode& n) {
        bool startedRow = false;
        const auto attrs = n.Attributes();
        for (const auto& [name, value] : attrs) {
            if (O.HeaderNames) Header(std::string(name));
            Store(XmlUnescapeCell(value));
        }
        if (O.LevelToRow && !attrs.empty()) {
            ++row;
            col = depth;
            startedRow = true;
        }
        const int kids = n.ChildCount();
        if (kids > 1) {
            if (O.LevelToRow && !startedRow) {
                ++row;
                col = 0;
            }
            ++depth;
            for (plat::TXmlNode k = n.FirstChild(); k; k = k.NextSibling()) Walk(k);
        } else if (kids == 1 || !n.Text().empty()) {
            if (O.HeaderNames && O.LoadFieldDescr) Header(n.Name());
            std::string value = XmlUnescapeCell(n.Text());
            if (O.QuoteEmptyCells && value == "\"\"") value.clear();
            Store(value);
        } else {
            Store("");
        }
    }
};

}  // namespace

bool ReadXmlCells(std::string_view Xml, const TXmlReadOptions& Options, TXmlReadResult& Result, std::string& Error) {
    Result = {};
    plat::TXmlDocument doc;
    std::string why;
    if (!doc.LoadFromString(Xml, &why)) {
        Error = "XMLDOM Parsing error " + why;
        return false;
    }
    Result.MaxCol = Options.ColBase;
    Result.MaxRow = Options.RowBase;
    const plat::TXmlNode root = doc.Root();
    if (!root) {
        Error = "XMLDOM Parsing error: no document element";
        return false;
    }
    TWalker w{Options, Result};
    int i = 0;
    for (plat::TXmlNode e = root.FirstChild(); e; e = e.NextSibling(), ++i) {
        w.col = 0;
        w.depth = 1;
        if (Options.LevelToRow && e.AttributeCount() == 0 && i == 0) w.row = -1;
        w.Walk(e);
        if (!Options.LevelToRow) ++w.row;
    }
    return true;
}

}  // namespace grid
