#include "grid/PrintSettings.h"

#include <utility>
#include <vector>

#include "base/StrUtils.h"
#include "grid/ExtGrid.h"
#include "platform/Registry.h"

namespace grid {

TPrintSettings::TPrintSettings(TExtStringGrid* AOwner) : FGrid(AOwner) {}

void TPrintSettings::Assign(const TPrintSettings& Source) {
    // FixedCellsAlways belongs to the run that set it, not to a look.
    const bool keepAlways = FixedCellsAlways;
    FooterSize = Source.FooterSize;
    HeaderSize = Source.HeaderSize;
    Time = Source.Time;
    Date = Source.Date;
    DateFormat = Source.DateFormat;
    PageNr = Source.PageNr;
    Title = Source.Title;
    TitleText = Source.TitleText;
    TitleLines.Assign(Source.TitleLines.Items());
    Font.Assign(Source.Font);
    FixedFont.Assign(Source.FixedFont);
    HeaderFont.Assign(Source.HeaderFont);
    FooterFont.Assign(Source.FooterFont);
    Borders = Source.Borders;
    BorderStyle = Source.BorderStyle;
    BorderColor = Source.BorderColor;
    Centered = Source.Centered;
    RepeatFixedRows = Source.RepeatFixedRows;
    RepeatFixedCols = Source.RepeatFixedCols;
    LeftSize = Source.LeftSize;
    RightSize = Source.RightSize;
    ColumnSpacing = Source.ColumnSpacing;
    RowSpacing = Source.RowSpacing;
    TitleSpacing = Source.TitleSpacing;
    Orientation = Source.Orientation;
    PagePrefix = Source.PagePrefix;
    PageSuffix = Source.PageSuffix;
    PageNumberOffset = Source.PageNumberOffset;
    MaxPagesOffset = Source.MaxPagesOffset;
    FixedWidth = Source.FixedWidth;
    FixedHeight = Source.FixedHeight;
    UseFixedHeight = Source.UseFixedHeight;
    UseFixedWidth = Source.UseFixedWidth;
    FitToPage = Source.FitToPage;
    JobName = Source.JobName;
    PageNumSep = Source.PageNumSep;
    NoAutoSize = Source.NoAutoSize;
    NoAutoSizeRow = Source.NoAutoSizeRow;
    PrintGraphics = Source.PrintGraphics;
    UseDisplayFont = Source.UseDisplayFont;
    UseDefaultOrientation = Source.UseDefaultOrientation;
    FixedCellsAlways = keepAlways;
}

namespace {

// Only the four styles a file can name are kept, as bits 1, 2, 4 and 8.
int StyleBits(plat::TFontStyles S) {
    return (S.Contains(plat::fsBold) ? 1 : 0) | (S.Contains(plat::fsItalic) ? 2 : 0) |
           (S.Contains(plat::fsUnderline) ? 4 : 0) | (S.Contains(plat::fsStrikeOut) ? 8 : 0);
}

plat::TFontStyles StylesOfBits(int Bits) {
    plat::TFontStyles s;
    if (Bits & 1) s.Include(plat::fsBold);
    if (Bits & 2) s.Include(plat::fsItalic);
    if (Bits & 4) s.Include(plat::fsUnderline);
    if (Bits & 8) s.Include(plat::fsStrikeOut);
    return s;
}

// Title lines stay on one ini line: a carriage return is written as the
// two characters "\n" and line feeds are dropped.
std::string EscapeLines(const plat::TStrings& Lines) {
    std::string out;
    for (int i = 0; i < Lines.Count(); ++i) {
        if (i) out += "\\n";
        for (char ch : Lines[i]) {
            if (ch == '\r')
                out += "\\n";
            else if (ch != '\n')
                out += ch;
        }
    }
    return out;
}

std::string UnescapeLines(const std::string& Text) { return base::StringReplace(Text, "\\n", "\r"); }

class TIniWriter {
public:
    TIniWriter(const std::string& FileName, const std::string& Section)
        : FIni(FileName, plat::TIniForm::Plain), FName(FileName), FSection(Section) {}
    void Str(const std::string& Key, const std::string& Value) { FValues.emplace_back(Key, Value); }
    void Int(const std::string& Key, int Value) { Str(Key, base::IntToStr(Value)); }
    void Bool(const std::string& Key, bool Value) { Str(Key, Value ? "Y" : "N"); }
    void Font(const std::string& Prefix, const plat::TFont& F) {
        Str(Prefix + "Name", F.Name());
        Int(Prefix + "Size", F.Size());
        Int(Prefix + "Style", StyleBits(F.Style()));
        Int(Prefix + "Color", static_cast<int>(F.Color()));
    }

    // Every value is checked before the first is written: a setting the
    // file cannot hold must not leave it half updated.
    void Commit() {
        for (const auto& [key, value] : FValues)
            if (value.find_first_of("\r\n") != std::string::npos)
                throw EExtGridError("The print setting " + key + " holds a line break, which " + FName +
                                    " cannot keep");
        for (const auto& [key, value] : FValues)
            if (!FIni.WriteString(FSection, key, value))
                throw EExtGridError("Cannot write print settings to " + FName);
    }

private:
    plat::TRegistry FIni;
    std::string FName;
    std::string FSection;
    std::vector<std::pair<std::string, std::string>> FValues;
};

class TIniReader {
public:
    TIniReader(const std::string& FileName, const std::string& Section)
        : FIni(FileName, plat::TIniForm::Plain), FSection(Section) {}
    std::string Str(const std::string& Key, const std::string& Def = "") const {
        return FIni.ReadString(FSection, Key, Def);
    }
    int Int(const std::string& Key, int Def) const {
        int v = 0;
        return base::TryStrToInt(Str(Key, base::IntToStr(Def)), v) ? v : Def;
    }
    bool Bool(const std::string& Key, bool Def) const { return Str(Key, Def ? "Y" : "N") == "Y"; }
    void Font(const std::string& Prefix, plat::TFont& F) const {
        F.SetName(Str(Prefix + "Name", "Arial"));
        F.SetSize(Int(Prefix + "Size", 10));
        // The style stored is the style meant: a font saved plain must not
        // come back bold because the settings' font was bold before.
        F.SetStyle(StylesOfBits(Int(Prefix + "Style", 0)));
        F.SetColor(static_cast<plat::TColor>(Int(Prefix + "Color", 0)));
    }
    template <typename E>
    void Enum(const char* Key, int Last, E& Value) const {
        const int v = Int(Key, 0);
        if (v >= 0 && v <= Last) Value = static_cast<E>(v);
    }
    void Position(const char* Key, TPrintPosition& Value) const {
        const int v = Int(Key, 0);
        Value = v >= ppTopLeft && v <= ppBottomCenter ? static_cast<TPrintPosition>(v) : ppNone;
    }

private:
    const plat::TRegistry FIni;
    std::string FSection;
};

}  // namespace

void TPrintSettings::SaveToIni(const std::string& FileName, const std::string& Section) const {
    TIniWriter w(FileName, Section);
    w.Int("ColumnSpacing", ColumnSpacing);
    w.Int("RowSpacing", RowSpacing);
    w.Int("TitleSpacing", TitleSpacing);
    w.Int("FixedHeight", FixedHeight);
    w.Int("FixedWidth", FixedWidth);
    w.Bool("Centered", Centered);
    w.Bool("NoAutoSize", NoAutoSize);
    w.Bool("UseFixedHeight", UseFixedHeight);
    w.Bool("UseFixedWidth", UseFixedWidth);
    w.Bool("RepeatFixedRows", RepeatFixedRows);
    w.Bool("RepeatFixedCols", RepeatFixedCols);
    w.Bool("UseDisplFont", UseDisplayFont);
    w.Bool("UseDefOrientation", UseDefaultOrientation);
    w.Int("Borders", Borders);
    w.Int("BorderColor", static_cast<int>(BorderColor));
    w.Int("BorderStyle", BorderStyle);
    w.Int("Date", Date);
    w.Int("PageNr", PageNr);
    w.Int("Title", Title);
    w.Int("Time", Time);
    w.Str("DateFormat", DateFormat);
    w.Str("TitleText", TitleText);
    w.Int("FooterSize", FooterSize);
    w.Int("HeaderSize", HeaderSize);
    w.Int("LeftSize", LeftSize);
    w.Int("RightSize", RightSize);
    w.Int("FitToPage", FitToPage);
    w.Font("Font", Font);
    w.Font("HeaderFont", HeaderFont);
    w.Font("FooterFont", FooterFont);
    w.Str("PageNumSep", PageNumSep);
    w.Str("PageSuffix", PageSuffix);
    w.Str("PagePrefix", PagePrefix);
    w.Int("Orientation", Orientation);
    w.Str("TitleLines", EscapeLines(TitleLines));
    w.Bool("PrintGraphics", PrintGraphics);
    w.Commit();
}

void TPrintSettings::LoadFromIni(const std::string& FileName, const std::string& Section) {
    const TIniReader r(FileName, Section);
    ColumnSpacing = r.Int("ColumnSpacing", 20);
    RowSpacing = r.Int("RowSpacing", 20);
    TitleSpacing = r.Int("TitleSpacing", 20);
    FixedHeight = r.Int("FixedHeight", 0);
    FixedWidth = r.Int("FixedWidth", 0);
    Centered = r.Bool("Centered", true);
    NoAutoSize = r.Bool("NoAutoSize", false);
    UseFixedHeight = r.Bool("UseFixedHeight", false);
    UseFixedWidth = r.Bool("UseFixedWidth", false);
    RepeatFixedRows = r.Bool("RepeatFixedRows", false);
    RepeatFixedCols = r.Bool("RepeatFixedCols", false);
    UseDisplayFont = r.Bool("UseDisplFont", false);
    UseDefaultOrientation = r.Bool("UseDefOrientation", false);
    r.Enum("Borders", pbCustom, Borders);
    BorderColor = static_cast<plat::TColor>(r.Int("BorderColor", 0));
    r.Enum("BorderStyle", plat::psInsideFrame, BorderStyle);
    r.Position("Date", Date);
    r.Position("PageNr", PageNr);
    r.Position("Title", Title);
    r.Position("Time", Time);
    DateFormat = r.Str("DateFormat");
    TitleText = r.Str("TitleText");
    FooterSize = r.Int("FooterSize", 100);
    HeaderSize = r.Int("HeaderSize", 100);
    LeftSize = r.Int("LeftSize", 100);
    RightSize = r.Int("RightSize", 100);
    r.Enum("FitToPage", fpCustom, FitToPage);
    r.Font("Font", Font);
    r.Font("HeaderFont", HeaderFont);
    r.Font("FooterFont", FooterFont);
    PageNumSep = r.Str("PageNumSep");
    PageSuffix = r.Str("PageSuffix");
    PagePrefix = r.Str("PagePrefix");
    r.Enum("Orientation", poLandscape, Orientation);
    TitleLines.SetText(UnescapeLines(r.Str("TitleLines")));
    PrintGraphics = r.Bool("PrintGraphics", false);
}

}  // namespace grid
