#pragma once
// The protocol table windows (Modbus, BACnet, CAN, MQTT, SNMP, ...) all edit
// one or two tables of rules and store them in one XML file of the open
// configuration. This unit is their shared build without a window: how a
// member describes its tables and its file, the plain table model, the file
// reader and writer, and the walk of the data check. The window base that
// binds the model to the grids is AccessTableForm.h.
//
// Declaring a member: one TTableDescription per table (its grid, page,
// section and columns, column 0 first), one TAccessFile for the file, one
// TAccessTexts for its block of texts, and a row check:
//
//   const TTableDescription Receive_Table = {
//       .Grid = "ACG_CAN_Receive",
//       .Section = nullptr,  // rows directly under the root
//       .Columns = {Row_Number_Column(2408),
//                   Enable_Column(2409, 2429),
//                   Text_Column(2410, "COBID", 80, cgAddress, 2430, /*Required*/ false),
//                   List_Column(2411, "CAN_Type", {"2.0A (11 bits)", "2.0B (29 bits)"}, 100,
//                               cgAddress, 2431, false),
//                   {.Header = 2413, .Attribute = "TimeOut", .Width = 60, .Group = cgTiming,
//                    .Required = false, .Default = "0", .Hint = 2433},
//                   Position_Column(2414, "Byte1", 50, 2434, 2000, /*With_None*/ true, false),
//                   ...},
//       .Key_Column = 2,
//       .Enable_Upper = true,
//       .Events = teDblClickCell | teKeyPress | teGridHint,
//       .Clear_Other_Hints = true};
//
//   TRowFault Check_Receive_Row(const TTableRow& row) {
//       if (!In_Range(row[4], 1, 8)) return Fault(2447);                 // text only
//       if (!In_Range(row[6], 0, 1999)) return Fault(2449, 1999, 2450);  // text, limit, text
//       return {};
//   }
//   ... Check_Table(Receive_Table, tables[0], 0, Check_Receive_Row) ...
//
// A column without an Attribute is not stored and takes its Default on
// every loaded row; Hidden columns are hidden at each showing (their cells
// are still read, written and copied); a member whose checks depend on
// shown columns asks its grid (IsHiddenColumn) in its Check_Tables.
//
// Column numbers are the grid's real column indexes (hidden columns count),
// and a TTableRow holds every column, column 0 (the row number) included, so
// row[c] is the cell of column c.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "grid/GridTypes.h"
#include "shell/ProjectXmlFile.h"

namespace proto {

// The colour that marks a column's group.
enum TColorGroup { cgNone, cgEnable, cgAddress, cgTiming, cgPosition, cgSwap, cgTopic, cgMnemonic };

struct TTableColumn {
    int Header = 0;                   // text number of the header
    const char* Attribute = nullptr;  // file attribute; nullptr: the column is not stored
    grid::TEditorType Editor = grid::edNormal;
    std::vector<std::string> Items = {};  // fixed drop-down items
    int Width = 64;
    TColorGroup Group = cgNone;
    std::string Init = {};  // the cell of an emptied table row ("Y" for Enable)
    // A required attribute that a file row lacks is a fault of the file; an
    // optional one takes Default. A column that is not stored takes Default
    // on every loaded row.
    bool Required = true;
    std::string Default = {};
    int Hint = 0;  // text number of the header hint; 0: none
    // Drop-down items "0" .. Position_Items - 1 (after "None" when
    // Position_None), refilled each time the window is shown.
    int Position_Items = 0;
    bool Position_None = false;
    bool Hidden = false;  // hidden each time the window is shown
    int Edit_Length = 0;  // most characters the editor takes; 0: no limit
};

// Column 0: the fixed column with the row numbers.
TTableColumn Row_Number_Column(int Header, int Width = 40);
// The usual kinds of column, for short member tables.
// Enable: a check box, "Y" in an emptied row and for a file row without it.
TTableColumn Enable_Column(int Header, int Hint, int Width = 50);
// A check box stored as "Y"/"N"; an optional one reads "N" when missing.
TTableColumn Check_Column(int Header, const char* Attribute, int Width, TColorGroup Group, int Hint,
                          bool Required = false);
TTableColumn Text_Column(int Header, const char* Attribute, int Width, TColorGroup Group, int Hint,
                         bool Required = true);
TTableColumn List_Column(int Header, const char* Attribute, std::vector<std::string> Items, int Width,
                         TColorGroup Group, int Hint, bool Required = true);
// A drop-down of byte positions "0" .. Count - 1 (after "None" when asked),
// refilled at each showing.
TTableColumn Position_Column(int Header, const char* Attribute, int Width, int Hint, int Count,
                             bool With_None = false, bool Required = true);

// The grid events a table answers (bound in code, from the description).
enum TTableEvent : unsigned {
    teClickCell = 1,     // a click in column 0 selects the row
    teDblClickCell = 2,  // a double click on a header fits the column (user option)
    teKeyPress = 4,      // Enter moves to the next cell (user option)
    teGridHint = 8,      // header hints from the table's hint list
};

// The attributes of one file row as read, in file order.
using TRowAttributes = std::vector<std::pair<std::string_view, std::string_view>>;
std::optional<std::string_view> Find_Attribute(const TRowAttributes& Attributes, std::string_view Name);

// A member's own reading of a loaded row, after the columns took their
// attributes or defaults: defaults that depend on other cells, or an older
// attribute the writer no longer writes.
using TRowLoaded = void (*)(std::vector<std::string>& Row, const TRowAttributes& Attributes);

struct TTableDescription {
    const char* Grid = "";         // the grid's name in the layout
    const char* Page = nullptr;    // its tab sheet; nullptr: the window has one table
    int Page_Caption = 0;          // text number of the tab caption
    const char* Section = nullptr;  // element under the root; nullptr: rows directly under the root
    std::vector<TTableColumn> Columns;
    int Key_Column = 2;  // -1: no key, every row is in use
    bool Key_Trimmed = true;    // the key cell is trimmed before the empty test
    int Enable_Column = 1;      // -1: the table has none, every row counts
    bool Enable_Upper = false;  // "Y" compared after trimming and upper-casing (else trimmed only)
    // The check tests the Enable cell before the key: a disabled row with an
    // empty key is then skipped instead of ending the walk.
    bool Enable_First = false;
    int Rows = 512;
    unsigned Events = teClickCell | teDblClickCell;
    bool Show_Hint = false;      // the grid shows its header hints
    bool Clear_Other_Hints = false;  // cells other than headers get an empty hint
    TRowLoaded Row_Loaded = nullptr;
    // The check-box columns hold real cell check boxes instead of "Y"/"N"
    // texts; the model still reads "Y" for a ticked box and "N" for a
    // cleared one (or a cell without a box), and ticks every box whose text
    // is not exactly "N". The row buttons then move the boxes with the texts.
    bool Cell_Check_Boxes = false;
    // Tall rows for long or multi-line texts, centred vertically; 0 keeps
    // the grid's height.
    int Row_Height = 0;
};

struct TAccessFile {
    const char* Root = "";
    std::vector<TTableDescription> Tables;
    const char* Row_Element = "row";
    const char* Version = shell::Project_XML_Version;  // the comment after the root
};

// The texts of a member's block.
struct TAccessTexts {
    int Caption = 0;
    int Desc = 0;
    // Captions of OK, Cancel, Delete, Insert, Copy and Paste; 0 keeps the
    // layout's caption.
    int Buttons[6] = {};
    int Button_Hints[6] = {};
    int Error_Row = 0;        // "Error row "
    int Delete_Question = 0;  // "Are you sure to delete the Row number "
    // Asked by OK before it replaces a file that did not load cleanly.
    int Replace_Partial_File = 0;
    // Asked by OK when used rows stand after the row that ends a table.
    int Rows_After_End = 0;
};

// The texts of a member whose block runs in the usual order: caption,
// description, the six button captions, then their six hints (from Hints
// on when they stand elsewhere in the block).
TAccessTexts Block_Texts(int Block, int Error_Row, int Delete_Question, int Partial, int After_End,
                         int Hints = 0);

// ---------------------------------------------------------------- the model

using TTableRow = std::vector<std::string>;  // every column, column 0 first
using TTable = std::vector<TTableRow>;       // entry r - 1 is table row r

// Rows 1 .. Rows (Count when given): the row number, then each column's Init.
TTable Reset_Table(const TTableDescription& Table, int Count = -1);
std::vector<TTable> Reset_Tables(const TAccessFile& File);

bool Key_Empty(const TTableDescription& Table, const TTableRow& Row);
bool Row_Enabled(const TTableDescription& Table, const TTableRow& Row);
// A row holds something when a cell outside the check-box columns is not blank.
bool Row_Holds_Data(const TTableDescription& Table, const TTableRow& Row);
// The rows that count: those before the first row with an empty key (for a
// table checked Enable_First, before the first enabled row with an empty
// key, without the empty disabled rows just before it).
int Used_Rows(const TTableDescription& Table, const TTable& Rows);
// The first row after the end of the table that holds data, 0 when none:
// the writer drops such rows.
int First_Row_After_End(const TTableDescription& Table, const TTable& Rows);

// ---------------------------------------------------------------- the file

struct TLoadReport {
    enum TState { Missing, Loaded, Partial } State = Missing;
    std::string Error;  // the first fault, for the user (Partial only)
    // Rows read from the file into each table.
    std::vector<int> Loaded_Rows;
    bool Clean() const { return State != Partial; }
};

// Reads the file's rows into Tables (which hold the reset tables). A fault
// (a file that cannot be parsed, a missing section, a row without a required
// attribute) does not end the reading: the cell keeps its Init, the rest is
// read, and the report is Partial with the first fault described.
TLoadReport Read_Access_Xml(const TAccessFile& File, std::string_view Xml, std::vector<TTable>& Tables,
                            std::string_view File_Name = {});
// A missing file leaves the tables as they are and reports Missing.
TLoadReport Load_Access_File(const TAccessFile& File, const std::string& Path, std::vector<TTable>& Tables);

// The root, the version comment after it, the sections, and one row element
// per used row with the stored columns' cells, untrimmed.
std::string Access_To_Xml(const TAccessFile& File, const std::vector<TTable>& Tables);
// Atomic: a failed save leaves the old file and reports why.
bool Save_Access_File(const TAccessFile& File, const std::vector<TTable>& Tables, const std::string& Path,
                      std::string* Error = nullptr);

// ---------------------------------------------------------------- the check

// Numbers typed into cells: decimal, or hexadecimal after "$" or "0x",
// blanks around them allowed; any other text, the empty one included, is -1.
int Cell_Number(std::string_view Text);
bool In_Range(std::string_view Text, int Low, int High);

// A row check's verdict: passed, or the text of the rule that failed,
// optionally followed by a limit and a further text.
struct TRowFault {
    int Text = 0;  // 0: passed
    std::optional<long long> Limit = {};
    int After = 0;
    // A fault of the table as a whole (a total over its rows): the message
    // has no row prefix.
    bool Whole = false;
    bool Failed() const { return Text != 0; }
    bool operator==(const TRowFault&) const = default;
};
inline TRowFault Fault(int Text, std::optional<long long> Limit = {}, int After = 0) {
    return TRowFault{Text, Limit, After};
}
inline TRowFault Table_Fault(int Text, std::optional<long long> Limit = {}) {
    return TRowFault{Text, Limit, 0, true};
}

struct TCheckOutcome {
    int Table = -1;  // -1: every table passed
    int Row = 0;
    TRowFault Fault;
    bool Ok() const { return Table < 0; }
    bool operator==(const TCheckOutcome&) const = default;
};

using TRowCheck = std::function<TRowFault(const TTableRow& Row)>;

// Walks rows 1 upwards until the first empty key, skipping rows that are
// not enabled, and stops at the first fault.
TCheckOutcome Check_Table(const TTableDescription& Table, const TTable& Rows, int Table_Index,
                          const TRowCheck& Check);

// The message the user reads: the row prefix, the row number, the rule's
// text, then the limit and the further text where the fault has them.
std::string Check_Message(int Error_Row_Text, const TCheckOutcome& Outcome);

}  // namespace proto
