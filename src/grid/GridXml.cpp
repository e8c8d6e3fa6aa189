#include "grid/GridXml.h"

#include <algorithm>

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

std::string WriteXmlDocument(const std::vector<TXmlRecord>& Records, std::string_view Encoding,
                             std::string_view ListDescr, std::string_view RecordDescr) {
    std::string out = "<?xml version=\"1.0\" encoding=\"" + std::string(Encoding) + "\" ?>\r\n";
    out += "<" + std::string(ListDescr) + ">\r\n";
    for (const auto& rec : Records) {
        out += "<" + std::string(RecordDescr) + ">\r\n";
        for (const auto& f : rec) out += "<" + f.Name + ">" + XmlEscapeCell(f.Text) + "</" + f.Name + ">\r\n";
        out += "</" + std::string(RecordDescr) + ">\r\n";
    }
    out += "</" + std::string(ListDescr) + ">\r\n";
    return out;
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
