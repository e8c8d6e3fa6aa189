#pragma once
// What the grid's printing and preview read: page header and footer items,
// fonts, borders, margins, spacing, scaling and orientation. Sizes are in
// tenths of a millimetre. The grid owns one; the ini pair keeps a user's
// choices in a file between runs.

#include <string>

#include "platform/Classes.h"
#include "platform/Graphics.h"

namespace grid {

class TExtStringGrid;

enum TPrintPosition { ppNone, ppTopLeft, ppTopRight, ppTopCenter, ppBottomLeft, ppBottomRight, ppBottomCenter };
enum TPrintBorders {
    pbNoborder,
    pbSingle,
    pbDouble,
    pbVertical,
    pbHorizontal,
    pbAround,
    pbAroundVertical,
    pbAroundHorizontal,
    pbCustom
};
enum TFitToPage { fpNever, fpGrow, fpShrink, fpAlways, fpCustom };
enum TPrinterOrientation { poPortrait, poLandscape };

class TPrintSettings {
public:
    explicit TPrintSettings(TExtStringGrid* AOwner);
    TPrintSettings(const TPrintSettings&) = delete;
    TPrintSettings& operator=(const TPrintSettings&) = delete;
    // Every setting but FixedCellsAlways; fonts and title lines by content.
    void Assign(const TPrintSettings& Source);
    TExtStringGrid* Grid() const { return FGrid; }

    // The ini form: Save replaces the section's keys and keeps the rest of
    // the file; Load reads the file only, never writes it, and takes a
    // default for a missing key and keeps the property for a number out of
    // range. Save raises EExtGridError when the file cannot be written.
    void SaveToIni(const std::string& FileName, const std::string& Section) const;
    void LoadFromIni(const std::string& FileName, const std::string& Section);

    int FooterSize = 0;
    int HeaderSize = 0;
    TPrintPosition Time = ppNone;
    TPrintPosition Date = ppNone;
    std::string DateFormat = "dd/mm/yyyy";
    TPrintPosition PageNr = ppNone;
    TPrintPosition Title = ppNone;
    std::string TitleText;
    plat::TStrings TitleLines;
    plat::TFont Font;
    plat::TFont FixedFont;
    plat::TFont HeaderFont;
    plat::TFont FooterFont;
    TPrintBorders Borders = pbSingle;
    plat::TPenStyle BorderStyle = plat::psSolid;
    plat::TColor BorderColor = plat::clBlack;
    bool Centered = true;
    bool RepeatFixedRows = false;
    bool RepeatFixedCols = false;
    int LeftSize = 0;
    int RightSize = 0;
    int ColumnSpacing = 0;
    int RowSpacing = 0;
    int TitleSpacing = 0;
    TPrinterOrientation Orientation = poPortrait;
    std::string PagePrefix;
    std::string PageSuffix;
    int PageNumberOffset = 0;
    int MaxPagesOffset = 0;
    int FixedWidth = 0;
    int FixedHeight = 0;
    bool UseFixedHeight = false;
    bool UseFixedWidth = false;
    TFitToPage FitToPage = fpNever;
    std::string JobName;
    std::string PageNumSep = "/";
    bool NoAutoSize = false;
    bool NoAutoSizeRow = false;
    bool PrintGraphics = false;
    bool UseDisplayFont = true;
    bool UseDefaultOrientation = false;
    // Not kept anywhere: a selection print also prints the fixed rows and
    // columns outside the selection.
    bool FixedCellsAlways = false;

private:
    TExtStringGrid* FGrid;
};

}  // namespace grid
