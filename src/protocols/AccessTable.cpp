#include "protocols/AccessTable.h"

#include "base/Files.h"
#include "base/StrUtils.h"
#include "platform/XmlDom.h"
#include "shell/Language.h"
#include "shell/ProjectXmlFile.h"

namespace proto {

TTableColumn Row_Number_Column(int Header, int Width) {
    return TTableColumn{.Header = Header, .Width = Width, .Required = false};
}

TTableColumn Enable_Column(int Header, int Hint, int Width) {
    return {.Header = Header, .Attribute = "Enable", .Editor = grid::edDataCheckBox, .Width = Width,
            .Group = cgEnable, .Init = "Y", .Required = false, .Default = "Y", .Hint = Hint};
}

TTableColumn Check_Column(int Header, const char* Attribute, int Width, TColorGroup Group, int Hint,
                          bool Required) {
    return {.Header = Header, .Attribute = Attribute, .Editor = grid::edDataCheckBox, .Width = Width,
            .Group = Group, .Required = Required, .Default = "N", .Hint = Hint};
}

TTableColumn Text_Column(int Header, const char* Attribute, int Width, TColorGroup Group, int Hint,
                         bool Required) {
    return {.Header = Header, .Attribute = Attribute, .Width = Width, .Group = Group, .Required = Required,
            .Hint = Hint};
}

TTableColumn List_Column(int Header, const char* Attribute, std::vector<std::string> Items, int Width,
                         TColorGroup Group, int Hint, bool Required) {
    return {.Header = Header, .Attribute = Attribute, .Editor = grid::edComboList, .Items = std::move(Items),
            .Width = Width, .Group = Group, .Required = Required, .Hint = Hint};
}

TTableColumn Position_Column(int Header, const char* Attribute, int Width, int Hint, int Count, bool With_None,
                             bool Required) {
    return {.Header = Header, .Attribute = Attribute, .Editor = grid::edComboList, .Width = Width,
            .Group = cgPosition, .Required = Required, .Hint = Hint, .Position_Items = Count,
            .Position_None = With_None};
}

TTable Reset_Table(const TTableDescription& Table, int Count) {
    const int count = Count < 0 ? Table.Rows : Count;
    TTable rows(static_cast<size_t>(count));
    for (int r = 1; r <= count; ++r) {
        TTableRow& row = rows[static_cast<size_t>(r - 1)];
        row.reserve(Table.Columns.size());
        row.push_back(std::to_string(r));
        for (size_t c = 1; c < Table.Columns.size(); ++c) row.push_back(Table.Columns[c].Init);
    }
    return rows;
}

std::vector<TTable> Reset_Tables(const TAccessFile& File) {
    std::vector<TTable> tables;
    for (const TTableDescription& t : File.Tables) tables.push_back(Reset_Table(t));
    return tables;
}

namespace {

const std::string& Cell(const TTableRow& Row, int Col) {
    static const std::string empty;
    return Col >= 0 && Col < static_cast<int>(Row.size()) ? Row[static_cast<size_t>(Col)] : empty;
}

}  // namespace

std::optional<std::string_view> Find_Attribute(const TRowAttributes& Attributes, std::string_view Name) {
    for (const auto& [name, value] : Attributes)
        if (name == Name) return value;
    return std::nullopt;
}

TAccessTexts Block_Texts(int Block, int Error_Row, int Delete_Question, int Partial, int After_End, int Hints) {
    if (Hints == 0) Hints = Block + 8;
    return {.Caption = Block,
            .Desc = Block + 1,
            .Buttons = {Block + 2, Block + 3, Block + 4, Block + 5, Block + 6, Block + 7},
            .Button_Hints = {Hints, Hints + 1, Hints + 2, Hints + 3, Hints + 4, Hints + 5},
            .Error_Row = Error_Row,
            .Delete_Question = Delete_Question,
            .Replace_Partial_File = Partial,
            .Rows_After_End = After_End};
}

bool Key_Empty(const TTableDescription& Table, const TTableRow& Row) {
    if (Table.Key_Column < 0) return false;
    const std::string& key = Cell(Row, Table.Key_Column);
    return Table.Key_Trimmed ? base::Trim(key).empty() : key.empty();
}

bool Row_Enabled(const TTableDescription& Table, const TTableRow& Row) {
    if (Table.Enable_Column < 0) return true;
    const std::string text = base::Trim(Cell(Row, Table.Enable_Column));
    return (Table.Enable_Upper ? base::UpperCase(text) : text) == "Y";
}

bool Row_Holds_Data(const TTableDescription& Table, const TTableRow& Row) {
    for (size_t c = 1; c < Row.size() && c < Table.Columns.size(); ++c)
        if (Table.Columns[c].Editor != grid::edDataCheckBox && !base::Trim(Row[c]).empty()) return true;
    return false;
}

int Used_Rows(const TTableDescription& Table, const TTable& Rows) {
    const int count = static_cast<int>(Rows.size());
    const auto row = [&](int i) -> const TTableRow& { return Rows[static_cast<size_t>(i)]; };
    int used = 0;
    if (!Table.Enable_First) {
        while (used < count && !Key_Empty(Table, row(used))) ++used;
        return used;
    }
    // The check steps over a disabled row before it looks at the key, so
    // such a row does not end the table there: the file ends where the check
    // ends, or rules the check passed below it would be lost. Disabled rows
    // holding nothing at the end are no rules and stay out.
    while (used < count && !(Row_Enabled(Table, row(used)) && Key_Empty(Table, row(used)))) ++used;
    while (used > 0 && Key_Empty(Table, row(used - 1)) && !Row_Holds_Data(Table, row(used - 1))) --used;
    return used;
}

int First_Row_After_End(const TTableDescription& Table, const TTable& Rows) {
    for (size_t i = static_cast<size_t>(Used_Rows(Table, Rows)); i < Rows.size(); ++i)
        if (Row_Holds_Data(Table, Rows[i])) return static_cast<int>(i) + 1;
    return 0;
}

// ---------------------------------------------------------------- reading

namespace {

class TReader {
public:
    TReader(std::string_view File_Name, TLoadReport& Report) : name_(File_Name), report_(Report) {}

    void Fail(const std::string& What) {
        if (report_.State == TLoadReport::Partial) return;
        report_.State = TLoadReport::Partial;
        report_.Error = (name_.empty() ? std::string() : "\"" + std::string(name_) + "\": ") + What;
    }

    void Read_Rows(const plat::TXmlNode& Parent, const TTableDescription& Table, TTable& Rows, int& Loaded) {
        int i = 0;
        std::vector<std::pair<std::string_view, std::string_view>> attributes;
        for (plat::TXmlNode element = Parent.FirstChild(); !element.IsNull(); element = element.NextSibling(), ++i) {
            if (i >= static_cast<int>(Rows.size())) {
                int count = i;
                for (plat::TXmlNode more = element; !more.IsNull(); more = more.NextSibling()) ++count;
                Fail(Where(Table) + "holds " + std::to_string(count) + " rows; the table has room for " +
                     std::to_string(Rows.size()) + ", the rest is not shown");
                break;
            }
            element.Attributes(attributes);
            TTableRow& row = Rows[static_cast<size_t>(i)];
            // Files list the attributes in column order: each search starts
            // where the last one matched, so a row is read in one pass.
            size_t next = 0;
            for (size_t c = 1; c < Table.Columns.size(); ++c) {
                const TTableColumn& column = Table.Columns[c];
                if (column.Attribute == nullptr) {
                    row[c] = column.Default;
                    continue;
                }
                const std::string_view name = column.Attribute;
                size_t found = attributes.size();
                for (size_t k = 0; k < attributes.size(); ++k) {
                    const size_t at = (next + k) % attributes.size();
                    if (attributes[at].first == name) {
                        found = at;
                        break;
                    }
                }
                if (found < attributes.size()) {
                    row[c].assign(attributes[found].second);
                    next = found + 1;
                } else if (column.Required) {
                    Fail(Where(Table) + "row " + std::to_string(i + 1) + " lacks the attribute \"" +
                         column.Attribute + "\"");
                } else {
                    row[c] = column.Default;
                }
            }
            if (Table.Row_Loaded) Table.Row_Loaded(row, attributes);
            Loaded = i + 1;
        }
    }

    std::string Where(const TTableDescription& Table) const {
        return Table.Section ? std::string("section \"") + Table.Section + "\": " : std::string();
    }

private:
    std::string_view name_;
    TLoadReport& report_;
};

TLoadReport Read_Document(const TAccessFile& File, const plat::TXmlDocument& Doc, std::vector<TTable>& Tables,
                          std::string_view File_Name) {
    TLoadReport report;
    report.State = TLoadReport::Loaded;
    report.Loaded_Rows.assign(File.Tables.size(), 0);
    TReader reader(File_Name, report);
    const plat::TXmlNode root = Doc.Root();
    for (size_t t = 0; t < File.Tables.size() && t < Tables.size(); ++t) {
        const TTableDescription& table = File.Tables[t];
        plat::TXmlNode parent = root;
        if (table.Section) {
            parent = root.FindNode(table.Section);
            if (parent.IsNull()) {
                reader.Fail(std::string("the section \"") + table.Section + "\" is missing");
                continue;
            }
        }
        reader.Read_Rows(parent, table, Tables[t], report.Loaded_Rows[t]);
    }
    return report;
}

}  // namespace

TLoadReport Read_Access_Xml(const TAccessFile& File, std::string_view Xml, std::vector<TTable>& Tables,
                            std::string_view File_Name) {
    plat::TXmlDocument doc;
    std::string error;
    if (!doc.LoadFromString(Xml, &error)) {
        TLoadReport report;
        report.State = TLoadReport::Partial;
        report.Loaded_Rows.assign(File.Tables.size(), 0);
        report.Error = (File_Name.empty() ? std::string() : "\"" + std::string(File_Name) + "\": ") + error;
        return report;
    }
    return Read_Document(File, doc, Tables, File_Name);
}

TLoadReport Load_Access_File(const TAccessFile& File, const std::string& Path, std::vector<TTable>& Tables) {
    plat::TXmlDocument doc;
    std::string error;
    switch (shell::Load_Project_XML(doc, Path, &error)) {
        case shell::TXmlLoad::Missing: {
            TLoadReport report;
            report.Loaded_Rows.assign(File.Tables.size(), 0);
            return report;
        }
        case shell::TXmlLoad::Malformed: {
            TLoadReport report;
            report.State = TLoadReport::Partial;
            report.Loaded_Rows.assign(File.Tables.size(), 0);
            report.Error = error;
            return report;
        }
        case shell::TXmlLoad::Loaded:
            break;
    }
    return Read_Document(File, doc, Tables, Path);
}

// ---------------------------------------------------------------- writing

namespace {

// Attribute values escaped as the document writer escapes them, so a file
// written here reads back, and compares, like one the XML document saved.
void Put_Escaped(std::string& Out, std::string_view Text) {
    for (const char ch : Text) {
        switch (ch) {
            case '&': Out += "&amp;"; break;
            case '<': Out += "&lt;"; break;
            case '"': Out += "&quot;"; break;
            default:
                if (const auto code = static_cast<unsigned char>(ch); code < 32) {
                    // Always two digits, as the document writes them.
                    Out += "&#";
                    Out += static_cast<char>('0' + code / 10);
                    Out += static_cast<char>('0' + code % 10);
                    Out += ';';
                } else {
                    Out += ch;
                }
        }
    }
}

void Put_Rows(std::string& Out, const TAccessFile& File, const TTableDescription& Table, const TTable& Rows,
              std::string_view Indent) {
    const int used = Used_Rows(Table, Rows);
    for (int r = 0; r < used; ++r) {
        const TTableRow& row = Rows[static_cast<size_t>(r)];
        Out += Indent;
        Out += '<';
        Out += File.Row_Element;
        for (size_t c = 1; c < Table.Columns.size(); ++c) {
            if (!Table.Columns[c].Attribute) continue;
            Out += ' ';
            Out += Table.Columns[c].Attribute;
            Out += "=\"";
            Put_Escaped(Out, Cell(row, static_cast<int>(c)));
            Out += '"';
        }
        Out += " />\n";
    }
}

// An element with its children, or the empty element when it has none.
template <class TBody>
void Put_Element(std::string& Out, std::string_view Name, std::string_view Indent, bool Empty, TBody Body) {
    Out += Indent;
    Out += '<';
    Out += Name;
    if (Empty) {
        Out += " />\n";
        return;
    }
    Out += ">\n";
    Body();
    Out += Indent;
    Out += "</";
    Out += Name;
    Out += ">\n";
}

}  // namespace

std::string Access_To_Xml(const TAccessFile& File, const std::vector<TTable>& Tables) {
    std::string out;
    out.reserve(4096);
    const auto table_empty = [&](size_t t) { return t >= Tables.size() || Used_Rows(File.Tables[t], Tables[t]) == 0; };
    bool root_empty = true;
    for (size_t t = 0; t < File.Tables.size(); ++t)
        if (File.Tables[t].Section || !table_empty(t)) root_empty = false;
    Put_Element(out, File.Root, "", root_empty, [&] {
        for (size_t t = 0; t < File.Tables.size(); ++t) {
            const TTableDescription& table = File.Tables[t];
            if (table.Section)
                Put_Element(out, table.Section, "  ", table_empty(t),
                            [&] { Put_Rows(out, File, table, Tables[t], "    "); });
            else if (t < Tables.size())
                Put_Rows(out, File, table, Tables[t], "  ");
        }
    });
    out += "<!--";
    out += File.Version;
    out += "-->\n";
    return out;
}

bool Save_Access_File(const TAccessFile& File, const std::vector<TTable>& Tables, const std::string& Path,
                      std::string* Error) {
    return base::WriteFileAtomic(Path, Access_To_Xml(File, Tables), Error);
}

// ---------------------------------------------------------------- checking

int Cell_Number(std::string_view Text) {
    // " 5" is five: a blank typed around a number is no reason to refuse it
    // with a range message that cannot say why.
    return base::StrToIntDef(base::TrimView(Text), -1);
}

bool In_Range(std::string_view Text, int Low, int High) {
    const int value = Cell_Number(Text);
    return value >= Low && value <= High;
}

TCheckOutcome Check_Table(const TTableDescription& Table, const TTable& Rows, int Table_Index,
                          const TRowCheck& Check) {
    for (size_t i = 0; i < Rows.size(); ++i) {
        const TTableRow& row = Rows[i];
        if (Table.Enable_First && !Row_Enabled(Table, row)) continue;
        if (Key_Empty(Table, row)) break;
        if (!Row_Enabled(Table, row)) continue;
        if (TRowFault fault = Check(row); fault.Failed())
            return TCheckOutcome{Table_Index, static_cast<int>(i) + 1, fault};
    }
    return {};
}

std::string Check_Message(int Error_Row_Text, const TCheckOutcome& Outcome) {
    if (Outcome.Ok()) return {};
    std::string text = Outcome.Fault.Whole ? std::string()
                                           : shell::Lang_Texts[Error_Row_Text] + std::to_string(Outcome.Row);
    text += shell::Lang_Texts[Outcome.Fault.Text];
    if (Outcome.Fault.Limit) text += std::to_string(*Outcome.Fault.Limit);
    if (Outcome.Fault.After) text += shell::Lang_Texts[Outcome.Fault.After];
    return text;
}

}  // namespace proto
