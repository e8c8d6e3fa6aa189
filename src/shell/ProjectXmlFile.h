#pragma once
// The shape every configuration file of an editing window shares: the root
// element named after the table, a version comment after it, one element per
// table section and one "row" element per used table row, with one attribute
// per column holding the cell text exactly as shown ("Y"/"N" for check boxes).
// Each window names its own root, sections and attributes.

#include <string>
#include <string_view>
#include <vector>

#include "platform/XmlDom.h"

namespace shell {

inline constexpr const char* Project_XML_Version = "SW_VERSION = 1.000";
inline constexpr const char* Project_XML_Row = "row";

// How one table column is stored.
struct TXmlColumn {
    std::string attribute;     // attribute name, fixed per column
    std::string defaultValue;  // what an emptied table row holds ("Y" for Enable)
    // A guarded attribute may be missing from older files and then takes
    // defaultValue; any other missing attribute reads as empty text.
    bool guarded = false;
};
using TXmlRow = std::vector<std::string>;  // cell texts in column order

// Empties doc (earlier declarations and comments included), adds the root and
// the version comment after it; returns the root. An empty versionComment
// writes none.
plat::TXmlNode Begin_Project_XML(plat::TXmlDocument& doc, std::string_view rootName,
                                 std::string_view versionComment = Project_XML_Version);

// Appends one element per row to parent, attributes in column order, values
// untrimmed. The table ends at the first row whose key cell is blank after
// trimming: rows after it are not written even when they hold data. Returns
// the number of rows written.
int Write_Project_Rows(plat::TXmlNode parent, const std::vector<TXmlColumn>& columns,
                       const std::vector<TXmlRow>& rows, int keyColumn,
                       std::string_view rowName = Project_XML_Row);

enum class TXmlLoad { Loaded, Missing, Malformed };

// Missing is the normal state of a new configuration (the window shows its
// empty tables); Malformed comes with the reason in error. Either way the
// document is empty then.
TXmlLoad Load_Project_XML(plat::TXmlDocument& doc, const std::string& path,
                          std::string* error = nullptr);

// The cell of one column read from a row element.
std::string Read_Project_Cell(const plat::TXmlNode& row, const TXmlColumn& column);

// The child elements of parent as table rows, child i filling row i + 1 of the
// table; at most maxRows (the rows the table has), further rows are dropped.
// A missing section (null parent) gives no rows.
std::vector<TXmlRow> Read_Project_Rows(const plat::TXmlNode& parent,
                                       const std::vector<TXmlColumn>& columns, int maxRows);

}  // namespace shell
