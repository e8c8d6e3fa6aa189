#include "shell/Language.h"

#include "base/Files.h"
#include "base/Resources.h"
#include "base/StrUtils.h"
#include "base/TextCodec.h"
#include "shell/Comon.h"

namespace shell {

base::TStringList Lang_Texts;
int Lang_Index_Limit = Default_Lang_Index_Limit;

namespace {

constexpr std::string_view Pilcrow = "\xC2\xB6";  // U+00B6 in UTF-8
constexpr std::string_view CommentMarker = "/#/";

// Splits at CR LF, LF or CR; a final line break adds no empty line.
template <typename Fn>
void ForEachLine(std::string_view text, Fn&& fn) {
    size_t start = 0;
    while (start < text.size()) {
        // A plain scan: find_first_of looks each byte up in the set of two
        // with a library call, some 130,000 calls for the default texts.
        size_t end = start;
        while (end < text.size() && text[end] != '\n' && text[end] != '\r') ++end;
        if (end == text.size()) {
            fn(text.substr(start));
            return;
        }
        fn(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n')
            ++start;
    }
}

// Start of the character that ends just before byte position pos, so the
// rule "the character before '=' is not part of the number" also holds for a
// character written with several bytes.
size_t PreviousCharStart(std::string_view s, size_t pos) {
    if (pos == 0)
        return 0;
    size_t i = pos - 1;
    while (i > 0 && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80)
        --i;
    return i;
}

void ApplyLangLine(std::string_view rawLine, base::TStringList& texts, int limit) {
    const std::string line = base::Trim(rawLine);
    if (line.compare(0, 3, "STR") != 0)
        return;
    const size_t eq = line.find('=');
    if (eq == std::string::npos)
        return;
    const size_t numberEnd = PreviousCharStart(line, eq);
    if (numberEnd <= 3)
        return;
    int number = 0;
    if (!base::TryStrToInt(base::Trim(std::string_view(line).substr(3, numberEnd - 3)), number))
        return;
    if (number < 0 || number >= limit || number >= texts.Count())
        return;

    std::string text = base::Trim(std::string_view(line).substr(eq + 1));
    if (text.empty())
        return;
    const size_t comment = text.find(CommentMarker);
    if (comment != std::string::npos) {
        text = base::Trim(std::string_view(text).substr(0, comment));
        if (text.empty())
            return;
    }
    // A text between two pilcrows keeps its outer blanks, which trimming
    // would otherwise take away.
    if (text.compare(0, Pilcrow.size(), Pilcrow) == 0)
        text.erase(0, Pilcrow.size());
    const size_t closing = text.find(Pilcrow);
    if (closing != std::string::npos)
        text.erase(closing);
    texts.SetString(number, text);
}

}  // namespace

void Parse_Default_Texts(std::string_view table, base::TStringList& texts) {
    texts.Clear();
    for (int i = 0; i < Lang_Text_Count; ++i)
        texts.Add(" ");
    ForEachLine(table, [&](std::string_view line) {
        const size_t tab = line.find('\t');
        if (tab == std::string_view::npos)
            return;
        int number = 0;
        if (!base::TryStrToInt(line.substr(0, tab), number) || number < 0 || number >= Lang_Text_Count)
            return;
        texts.SetString(number, std::string(line.substr(tab + 1)));
    });
}

void Load_Default_Texts() {
    const auto table = base::FindResource("texts/default.txt");
    Parse_Default_Texts(table ? *table : std::string_view(), Lang_Texts);
    Lang_Index_Limit = Default_Lang_Index_Limit;
}

void Apply_Lang_Lines(std::string_view fileText, base::TStringList& texts, int limit) {
    ForEachLine(fileText, [&](std::string_view line) { ApplyLangLine(line, texts, limit); });
}

bool Read_Lang_File(const std::string& fileName, std::string* error) {
    std::string bytes;
    if (!base::ReadFileBytes(fileName, bytes, error))
        return false;
    // A byte-order mark selects UTF-8 or UTF-16; without one the text is
    // taken as UTF-8 when it is valid, otherwise as the Western code page the
    // language files were written in.
    Apply_Lang_Lines(base::DecodeText(bytes), Lang_Texts, Lang_Index_Limit);
    return true;
}

namespace {

// The language file of a name: the Options list offers every "*.lng" file
// whatever the case of its extension ("Deutsch.LNG"), so the one offered is
// the one loaded. Empty when there is none.
std::string Language_File_Of(const std::string& name) {
    const std::string exact = Language_Dir + base::PathDelim + name + ".lng";
    if (base::FileExists(exact)) return exact;
    for (const std::string& file : base::ListFiles(Language_Dir, "*.lng"))
        if (file.size() == name.size() + 4 && file.compare(0, name.size(), name) == 0)
            return Language_Dir + base::PathDelim + file;
    return {};
}

}  // namespace

void Load_Language() {
    Load_Default_Texts();
    // The name comes from the settings file; one with a separator would read
    // a file from outside LANGUAGE, so it counts as missing.
    const bool plainName = Language_Name.find_first_of("/\\") == std::string::npos;
    const std::string chosen = plainName ? Language_File_Of(Language_Name) : std::string();
    if (!chosen.empty()) {
        Read_Lang_File(chosen);
        return;
    }
    Language_Name = Default_Language_Name;
    const std::string english = Language_File_Of(Default_Language_Name);
    if (!english.empty())
        Read_Lang_File(english);
}

}  // namespace shell
