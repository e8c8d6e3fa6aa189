#include "protocols/EDEReader.h"

#include "base/Files.h"
#include "base/StrUtils.h"
#include "base/TextCodec.h"
#include "protocols/BACnetVocabulary.h"

namespace proto {

namespace {

std::vector<std::string_view> Split_Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

// "# mandatory;mandatory;..." marks the columns; the data follow a header
// line after it. WithoutHash also takes the mark when the "#" is missing.
bool Is_Mark_Line(std::string_view line, bool WithoutHash) {
    std::string text = base::Trim(line);
    if (!text.empty() && text[0] == '#')
        text = base::Trim(std::string_view(text).substr(1));
    else if (!WithoutHash)
        return false;
    return text.rfind("mandatory", 0) == 0;
}

// Index (from 0) of the first data line; -1 when the file has no mark line.
int Data_Start(const std::vector<std::string_view>& lines) {
    // A file shorter than the header has no line 7 to look at: it is only
    // scanned.
    if (lines.size() >= 7 && Is_Mark_Line(lines[6], true)) return 8;
    int start = -1;
    for (size_t i = 0; i < lines.size(); ++i)
        if (Is_Mark_Line(lines[i], false)) start = static_cast<int>(i) + 2;
    return start;
}

bool Is_Y(const std::string& field) {
    return base::UpperCase(field) == "Y";
}

}  // namespace

TBACnet_Var Parse_EDE_Line(std::string_view line) {
    constexpr int Fields = 16;
    std::string field[Fields];
    // Fields 1 to 15 stand before a ";"; field 16 is whatever follows the
    // last of those, so a line that stops early gives its tail to field 16.
    size_t at = 0;
    int k = 0;
    for (; k < Fields - 1; ++k) {
        const size_t semi = line.find(';', at);
        if (semi == std::string_view::npos) break;
        field[k] = base::Trim(line.substr(at, semi - at));
        at = semi + 1;
    }
    std::string rest = base::Trim(line.substr(at));
    if (!rest.empty() && rest.back() == ';') rest.pop_back();
    field[Fields - 1] = base::Trim(rest);

    TBACnet_Var v;
    v.keyname = field[0];
    v.device_obj_instance = Int_Or_Minus_One(field[1]);
    v.object_name = field[2];
    v.object_type = Int_Or_Minus_One(field[3]);
    v.object_instance = Int_Or_Minus_One(field[4]);
    v.description = field[5];
    v.present_value_default = field[6];
    v.min_present_value = field[7];
    v.max_present_value = field[8];
    v.commandable = Is_Y(field[9]);
    v.support_COV = Is_Y(field[10]);
    v.hi_limit = field[11];
    v.low_limit = field[12];
    v.stete_text_reference = field[13];
    v.unit_code = field[14];
    v.vendor_specific_address = field[15];
    return v;
}

std::vector<TBACnet_Var> Read_EDE(std::string_view bytes) {
    const std::string text = base::DecodeText(bytes);
    const std::vector<std::string_view> lines = Split_Lines(text);
    std::vector<TBACnet_Var> vars;
    const int start = Data_Start(lines);
    if (start < 0) return vars;
    for (size_t i = static_cast<size_t>(start); i < lines.size(); ++i) {
        if (base::Trim(lines[i]).empty()) continue;
        TBACnet_Var v = Parse_EDE_Line(lines[i]);
        if (!Is_EDE_Object_Type(v.object_type)) continue;
        v.import = true;
        v.read = true;
        v.write = v.commandable;
        vars.push_back(std::move(v));
    }
    return vars;
}

bool Load_EDE_File(const std::string& path, std::vector<TBACnet_Var>& vars, std::string* error) {
    std::string bytes;
    std::string why;
    if (!base::ReadFileBytes(path, bytes, &why)) {
        if (error) *error = why.empty() ? "The file " + path + " cannot be read" : why;
        return false;
    }
    vars = Read_EDE(bytes);
    return true;
}

}  // namespace proto
