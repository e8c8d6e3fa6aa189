#include "protocols/AccessTable.h"

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

TTable Reset_Table(const TTableDescription& Table) {
    TTable rows(static_cast<size_t>(Table.Rows));
    for (int r = 1; r <= Table.Rows; ++r) {
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

bool Key_Empty(const TTableDescription& Table, const TTableRow& Row) {
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
    int used = 0;
    while (used < static_cast<int>(Rows.size()) && !Key_Empty(Table, Rows[static_cast<size_t>(used)])) ++used;
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
        const int count = Parent.ChildCount();
        for (int i = 0; i < count; ++i) {
            if (i >= static_cast<int>(Rows.size())) {
                Fail(Where(Table) + "holds " + std::to_string(count) + " rows; the table has room for " +
                     std::to_string(Rows.size()) + ", the rest is not shown");
                break;
            }
            const plat::TXmlNode element = Parent.Child(i);
            TTableRow& row = Rows[static_cast<size_t>(i)];
            for (size_t c = 1; c < Table.Columns.size(); ++c) {
                const TTableColumn& column = Table.Columns[c];
                if (column.Attribute == nullptr) {
                    row[c] = column.Default;
                } else if (!element.GetAttribute(column.Attribute, row[c])) {
                    if (column.Required)
                        Fail(Where(Table) + "row " + std::to_string(i + 1) + " lacks the attribute \"" +
                             column.Attribute + "\"");
                    else
                        row[c] = column.Default;
                }
            }
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

void Build_Document(const TAccessFile& File, const std::vector<TTable>& Tables, plat::TXmlDocument& Doc) {
    plat::TXmlNode root = shell::Begin_Project_XML(Doc, File.Root);
    for (size_t t = 0; t < File.Tables.size(); ++t) {
        const TTableDescription& table = File.Tables[t];
        plat::TXmlNode parent = table.Section ? root.AddChild(table.Section) : root;
        if (t >= Tables.size()) continue;
        const int used = Used_Rows(table, Tables[t]);
        for (int r = 0; r < used; ++r) {
            const TTableRow& row = Tables[t][static_cast<size_t>(r)];
            plat::TXmlNode element = parent.AddChild(File.Row_Element);
            for (size_t c = 1; c < table.Columns.size(); ++c)
                if (table.Columns[c].Attribute)
                    element.SetAttribute(table.Columns[c].Attribute, Cell(row, static_cast<int>(c)));
        }
    }
}

}  // namespace

std::string Access_To_Xml(const TAccessFile& File, const std::vector<TTable>& Tables) {
    plat::TXmlDocument doc;
    Build_Document(File, Tables, doc);
    return doc.SaveToString();
}

bool Save_Access_File(const TAccessFile& File, const std::vector<TTable>& Tables, const std::string& Path,
                      std::string* Error) {
    plat::TXmlDocument doc;
    Build_Document(File, Tables, doc);
    return doc.SaveToFile(Path, Error);
}

// ---------------------------------------------------------------- checking

int Cell_Number(const std::string& Text) {
    return base::StrToIntDef(Text, -1);
}

bool In_Range(const std::string& Text, int Low, int High) {
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
    std::string text = shell::Lang_Texts[Error_Row_Text] + std::to_string(Outcome.Row) +
                       shell::Lang_Texts[Outcome.Fault.Text];
    if (Outcome.Fault.Limit) text += std::to_string(*Outcome.Fault.Limit);
    if (Outcome.Fault.After) text += shell::Lang_Texts[Outcome.Fault.After];
    return text;
}

}  // namespace proto
