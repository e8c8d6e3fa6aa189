#pragma once
// The cell stream: a rectangle of cells with their properties and graphics
// as component records (GridStreamEncoding), the content of the grid's
// binary files. Plain data in and out; the grid copies its cells into a
// TBinGridData and back (ExtGridBinary.cpp).

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace grid {

struct TBinCellProps {
    bool IsBaseCell = true;
    int CellSpanX = -1, CellSpanY = -1;
    int Alignment = 0;  // TAlignment
    std::uint32_t BorderColor = 0;
    int BorderWidth = 0;
    std::uint32_t BrushColor = 0x1FFFFFFF, BrushColorTo = 0x1FFFFFFF;
    int BrushStyle = 0;
    std::uint32_t FontColor = 0x1FFFFFFF;
    std::string FontName;
    int FontSize = 0;
    unsigned FontStyle = 0;  // bits of TFontStyle
    int Editor = 0;
    int GradientDirection = 0;
    bool ReadOnly = false;
    int VAlignment = 0;
    bool WordWrap = true;
    int NodeLevel = 0;
    std::string Control;  // the name of a control over the cell
    friend bool operator==(const TBinCellProps&, const TBinCellProps&) = default;
};

struct TBinGraphic {
    int CellType = 2;  // ctNone
    int CellVAlign = 0, CellHAlign = 0;
    int CellIndex = 0;
    bool CellTransparent = false, CellCreated = false, CellBoolean = false;
    int CellCheckBoxState = 0;
    int CellAngle = 0;
    double CellValue = 0;
    int CellErrFrom = 0, CellErrLen = 0;
    std::string CellText;
    // The data record by kind: a radio group's captions, an image cell's
    // indexes, a file picture's name, a bitmap's, icon's or picture's Data
    // (laid out as LengthPrefixed and PictureData below describe).
    std::vector<std::string> Strings;
    std::string FileName;
    std::string Data;
    friend bool operator==(const TBinGraphic&, const TBinGraphic&) = default;
};

// The properties of a cell-properties record, one bit each in
// TBinCell::PropsGiven.
enum TBinProp {
    bpIsBaseCell, bpCellSpanX, bpCellSpanY, bpAlignment, bpBorderColor, bpBorderWidth, bpBrushColor,
    bpBrushColorTo, bpBrushStyle, bpFontColor, bpFontName, bpFontSize, bpFontStyle, bpEditor,
    bpGradientDirection, bpReadOnly, bpVAlignment, bpWordWrap, bpNodeLevel, bpControl
};
constexpr std::uint32_t kAllBinProps = (1u << (bpControl + 1)) - 1;

struct TBinCell {
    int Col = 0, Row = 0;
    std::string Text;
    bool HasProp = false;
    TBinCellProps Props;
    // Which of Props the record held: a property a stream leaves out keeps
    // the target cell's value rather than taking a default.
    std::uint32_t PropsGiven = kAllBinProps;
    bool HasGraphic = false;
    TBinGraphic Graphic;
    friend bool operator==(const TBinCell&, const TBinCell&) = default;
};

struct TBinGridData {
    int ColCount = 0, RowCount = 0;
    std::vector<int> ColWidths, RowHeights;
    bool FullGrid = false;
    int ID = 0;
    std::vector<TBinCell> Cells;
};

// Which cell types carry a data record after their graphic record.
enum class TBinDataKind { None, Bitmap, Icon, Strings, Images, Picture, FilePicture };
TBinDataKind BinDataKind(int CellType);

// The Data of an image record. A bitmap's is its BMP file behind a 32-bit
// length; an icon's is its ICO file as it stands; a picture's is the name
// of its graphic class (one length byte, then the name) followed by that
// graphic's own Data: a bitmap's as above, an icon's file, and for any
// other class its file behind a 32-bit length.
std::string LengthPrefixed(std::string_view File);
// The file behind the length; false when the length runs past the end.
bool UnprefixLength(std::string_view Data, std::string_view& File);
std::string PictureData(std::string_view ClassName, std::string_view GraphicData);
// False when the class name runs past the end.
bool SplitPictureData(std::string_view Data, std::string& ClassName, std::string_view& GraphicData);

// False with Error when a column or row lies outside 0..65535: the stream
// stores them in 16 bits, and a wrapped index would land cells elsewhere.
bool WriteCellStream(const TBinGridData& Data, std::string& Out, std::string& Error);
// Reads records until fewer than two bytes remain. False with the first
// error; Data then holds the cells read before it.
bool ReadCellStream(std::string_view Bytes, TBinGridData& Data, std::string& Error);

}  // namespace grid
