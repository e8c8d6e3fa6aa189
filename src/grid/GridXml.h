#pragma once
// The grid as a simple XML document (one element per row, one child element
// per cell) and XML documents read into cells: attributes and leaf elements
// become cells, element depth can become rows. Plain data in and out.

#include <string>
#include <string_view>
#include <vector>

namespace grid {

// "&" becomes "$amp;" (the grid's own mark, not the entity), then the
// entities of ">", "<" and the quotation mark.
std::string XmlEscapeCell(std::string_view Text);
// The reverse, in one pass from left to right, so an ampersand made from
// "$amp;" never starts another entity: "$amp;lt;" reads as "&lt;".
std::string XmlUnescapeCell(std::string_view Text);

struct TXmlField {
    std::string Name;
    std::string Text;  // as in the grid; escaped on writing
};
using TXmlRecord = std::vector<TXmlField>;

// The document's bytes in the encoding its declaration names: UTF-8,
// ISO-8859-1 (also "latin1") or US-ASCII, letter case aside. A character of
// a cell that the encoding lacks is written as a character reference,
// which the reader turns back into the character. False with Error for
// any other encoding, or for an element name the encoding cannot hold.
bool WriteXmlDocument(const std::vector<TXmlRecord>& Records, std::string_view Encoding, std::string_view ListDescr,
                      std::string_view RecordDescr, std::string& Bytes, std::string& Error);

struct TXmlPlacement {
    int Col = 0;
    int Row = 0;
    std::string Text;
    bool Header = false;  // an element or attribute name for row 0, stored only in an empty cell
};

struct TXmlReadOptions {
    bool LevelToRow = false;
    bool LoadFieldDescr = false;
    bool HeaderNames = true;  // the grid saves fixed cells or rows
    bool QuoteEmptyCells = true;
    int ColBase = 0;
    int RowBase = 0;
};

struct TXmlReadResult {
    std::vector<TXmlPlacement> Cells;  // in the order they are stored
    int MaxCol = 0;
    int MaxRow = 0;
};

// False with Error for a document that does not parse.
bool ReadXmlCells(std::string_view Xml, const TXmlReadOptions& Options, TXmlReadResult& Result, std::string& Error);

}  // namespace grid
