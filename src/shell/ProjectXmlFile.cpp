#include "shell/ProjectXmlFile.h"

#include "base/Files.h"
#include "base/StrUtils.h"

namespace shell {

plat::TXmlNode Begin_Project_XML(plat::TXmlDocument& doc, std::string_view rootName,
                                 std::string_view versionComment) {
    doc.Clear();
    plat::TXmlNode root = doc.AddRoot(rootName);
    if (!versionComment.empty())
        doc.AddComment(versionComment);
    return root;
}

int Write_Project_Rows(plat::TXmlNode parent, const std::vector<TXmlColumn>& columns,
                       const std::vector<TXmlRow>& rows, int keyColumn, std::string_view rowName) {
    int written = 0;
    for (const TXmlRow& row : rows) {
        const std::string key = keyColumn >= 0 && keyColumn < static_cast<int>(row.size())
                                    ? base::Trim(row[keyColumn])
                                    : std::string();
        if (key.empty())
            break;
        plat::TXmlNode element = parent.AddChild(rowName);
        for (size_t c = 0; c < columns.size(); ++c)
            element.SetAttribute(columns[c].attribute, c < row.size() ? row[c] : std::string());
        ++written;
    }
    return written;
}

TXmlLoad Load_Project_XML(plat::TXmlDocument& doc, const std::string& path, std::string* error) {
    doc.Clear();
    if (!base::FileExists(path))
        return TXmlLoad::Missing;
    if (!doc.LoadFromFile(path, error)) {
        doc.Clear();
        return TXmlLoad::Malformed;
    }
    return TXmlLoad::Loaded;
}

std::string Read_Project_Cell(const plat::TXmlNode& row, const TXmlColumn& column) {
    std::string value;
    if (row.GetAttribute(column.attribute, value))
        return value;
    return column.guarded ? column.defaultValue : std::string();
}

std::vector<TXmlRow> Read_Project_Rows(const plat::TXmlNode& parent,
                                       const std::vector<TXmlColumn>& columns, int maxRows) {
    std::vector<TXmlRow> rows;
    const int count = parent.ChildCount();
    for (int i = 0; i < count && i < maxRows; ++i) {
        const plat::TXmlNode element = parent.Child(i);
        TXmlRow row;
        row.reserve(columns.size());
        for (const TXmlColumn& column : columns)
            row.push_back(Read_Project_Cell(element, column));
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace shell
