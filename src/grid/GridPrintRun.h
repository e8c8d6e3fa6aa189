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
    // Starts the next sheet on a printer.
    std::function<void()> NewSheet;
};

// The lines of a cell's text, split at CR LF, CR or LF.
std::vector<std::string> SplitCellLines(const std::string& Text);

enum TPrintRunKind { rkPreview = 0, rkPrint = 1, rkCountPrint = 2, rkCountPreview = 3 };

struct TExtStringGrid::TPrintState {
    explicit TPrintState(TExtStringGrid* Grid) : Settings(Grid) {}
    TPrintSettings Settings;
    bool XYOffsetTopLeftOnly = false;
    bool FastPrint = false;
    bool PrinterDriverFix = false;
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
    // Room of a printed check box (page units), 0 without PrintGraphics.
    int CheckBoxSize(int ACol, int ARow);
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
    int PrintRow(int ARow, const TStrip& S, int Y);
    void PrintCell(int ACol, int ARow, int X, int Y, int W, int Advance);
    // Pages
    std::string PageNumberText() const;
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
