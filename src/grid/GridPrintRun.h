#pragma once
// Internal to the grid's printing: one layout run over a range of cells
// (GridPrintLayout.cpp) and what it draws (GridPrintRender.cpp). A run
// places everything in page units (tenths of a millimetre, y up, the page
// body at negative y) and measures text on a canvas of its own at one
// pixel per unit, so that a counting run and the drawing run that follows
// break the pages at the same rows whatever the target's resolution.

#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "grid/ExtCellGraphic.h"
#include "grid/ExtGrid.h"

namespace grid {

// Where a run draws: device pixels per page unit and the device point of
// the page's top-left corner. No canvas: nothing is drawn.
struct TPrintTarget {
    plat::TCanvas* Canvas = nullptr;
    double Scale = 1.0;
    int OriginX = 0;
    int OriginY = 0;
    int PageWidth = 0;   // page units
    int PageBottom = 0;  // page units, negative
    // The platform's printer rather than a canvas of the caller's.
    bool OnPrinter = false;
    // Starts the next sheet on a printer.
    std::function<void()> NewSheet;
};

// The lines of a cell's text, split at CR LF, CR or LF.
std::vector<std::string> SplitCellLines(const std::string& Text);
// The plain text of a rich-text cell: control words and groups of their
// own (fonts, colours, pictures) drop out; paragraph marks become CR LF.
std::string RtfPlainText(const std::string& Rtf);

enum TPrintRunKind { rkPreview = 0, rkPrint = 1, rkCountPrint = 2, rkCountPreview = 3 };

struct TExtStringGrid::TPrintState {
    explicit TPrintState(TExtStringGrid* Grid) : Settings(Grid) {}
    TPrintSettings Settings;
    bool XYOffsetTopLeftOnly = false;
    bool FastPrint = false;
    bool PrinterDriverFix = false;
    bool EnhTextSize = false;
    bool IsPrintPreview = false;
    int PreviewPage = 1;
    int PageFrom = 1;
    int PageTo = 1;
    int NrOfPages = 0;
    int PageWidth = 0;
    int ColStart = 0;
    int ColEnd = 0;
    plat::TRect PageRect;
    double FontScale = 1.0;
};

class TGridPrintRun {
public:
    TGridPrintRun(TExtStringGrid& Grid, const TGridRect& Range, bool SelectedOnly, TPrintRunKind Kind,
                  TPrintTarget Target, int TotalPages);
    // Lays out (and draws) the range; the number of pages started.
    int Run();

private:
    struct TStrip {
        int First = 0;
        int Last = 0;
        bool RepeatFixed = false;
    };
    bool Drawing() const { return FKind == rkPreview || FKind == rkPrint; }
    bool PageDrawn() const;
    bool ColPrinted(int ACol) const;
    bool RowPrinted(int ARow) const;
    // Metrics
    void SetWorkFont(const plat::TFont& F, bool Scaled);
    int TextW(const std::string& S) const { return FMeasure.TextWidth(S); }
    int TextH(const std::string& S) const { return FMeasure.TextHeight(S); }
    int MapHeight(int PointSize, bool Scaled) const;
    void MeasureColumns();
    void FitToPage();
    std::vector<TStrip> MakeStrips() const;
    void LayoutIndents(const TStrip& S);
    int RowHeight(int ARow);
    void ComputeFrameHeights();
    // Cells
    std::string CellText(int ACol, int ARow);
    plat::TPoint MeasureCell(int ACol, int ARow);
    // The graphic of a cell as it prints: drawn by the grid's own routines
    // at the print scale, or left out (without PrintGraphics only rotated
    // text stays). Room is what it takes beside the text, in page units.
    struct TCellContent {
        TCellGraphic* Graphic = nullptr;
        TCellType Kind = ctNone;
        bool Printed = false;
        bool Check = false;
        bool TextBeside = true;
        TCellHAlign HA = haLeft;
        TCellVAlign VA = vaTop;
        plat::TPoint Room;
    };
    TCellContent ContentOf(int ACol, int ARow);
    // The angle rotated text prints at: the screen's, turned the other way
    // for a printer driver that needs it.
    int PrintAngle(int Angle) const;
    // Screen pixels at the print scale: the grid's painting routines draw
    // into a rectangle of screen pixels placed at a page point.
    double ScreenScale() const { return FT.Scale * FPixelFactor; }
    int ToScreen(int Units) const;
    plat::TFont ScreenFont(const plat::TFont& PageFont) const;
    // The height of a block of merged rows from ARow, in page units.
    int BlockHeight(int ACol, int ARow, int Advance);
    struct TCellLook {
        plat::TBrush Brush;
        TColor ColorTo = plat::clNone;
        TCellGradientDirection Direction = GradientVertical;
        plat::TFont Font;
        plat::TAlignment HA = plat::taLeftJustify;
        TVAlignment VA = vtaTop;
        bool WordWrap = false;
    };
    TCellLook PrepareCellLook(int ACol, int ARow);
    void FillCell(const TCellLook& Look, int L, int T, int R, int B);
    // The cell's text in the area (page units); the width it took.
    int PrintCellText(const TCellLook& Look, int ACol, int ARow, int L, int T, int R, int B, bool Merged);
    void PrintCellGraphic(const TCellLook& Look, const TCellContent& C, int ACol, int ARow, int X, int Y, int W,
                          int B, int TextWidth);
    int PrintRow(int ARow, const TStrip& S, int Y);
    void PrintCell(int ACol, int ARow, int X, int Y, int W, int Advance);
    // Pages
    std::string PageNumberText() const;
    // The title lines joined as one HTML text, empty when they are none.
    std::string HtmlTitle() const;
    void DrawHtmlTitle(const std::string& Html, int Top);
    void DrawFrame();
    void FinishPage(const TStrip& S, int Y);
    void StartNextPage();
    // Device mapping
    int DX(int X) const;
    int DY(int Y) const;
    plat::TRect DRect(int L, int T, int R, int B) const;
    void UseDeviceFont(const plat::TFont& PageFont);
    void Line(int X1, int Y1, int X2, int Y2);

    TExtStringGrid& G;
    TPrintSettings& PS;
    TGridRect FRange;
    bool FSelectedOnly;
    TPrintRunKind FKind;
    TPrintTarget FT;
    int FTotal;
    plat::TCanvas FMeasure;  // unbound: one pixel is one page unit
    double FPixelFactor = 254.0 / 96.0;
    int FHeaderLine = 0, FFooterLine = 0, FGap = 0, FMargin = 0;
    int FColSpacing = 0;
    int FH = 0, FF = 0;
    int FHtmlTitle = 0;  // height of an HTML title, page units
    int FPenWidth = 2;
    std::vector<int> FWidths;   // by displayed column
    std::vector<int> FIndents;  // by displayed column
    int FPageNo = 0;        // pages started in the run
    int FPageInStrip = 0;
    int FStripNo = 0;
    int FStripCount = 1;
    bool FCancelled = false;
    int FCachedRow = -1, FCachedHeight = 0, FLastMeasured = 0;
};

}  // namespace grid
