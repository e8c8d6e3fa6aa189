// The grid's print settings, printing on the platform printer and the
// preview on any canvas; the layout itself is TGridPrintRun's.

#include <climits>
#include <cmath>

#include "grid/GridPrintRun.h"
#include "platform/Printers.h"

namespace grid {

namespace {

// Page units (tenths of a millimetre) per device pixel of a screen canvas.
constexpr double kScreenUnits = 254.0 / plat::ScreenPixelsPerInch;

TPrintTarget ScreenTarget(plat::TCanvas& Canvas, const plat::TRect& R) {
    TPrintTarget t;
    t.Canvas = &Canvas;
    t.Scale = 1.0 / kScreenUnits;
    t.OriginX = R.Left;
    t.OriginY = R.Top;
    t.PageWidth = static_cast<int>(std::lround(R.Width() * kScreenUnits));
    t.PageBottom = -static_cast<int>(std::lround(R.Height() * kScreenUnits));
    return t;
}

// Holds the export notifications' bracket around a run, closed also when
// the run fails.
class TExportBracket {
public:
    explicit TExportBracket(TExtStringGrid& Grid) : FGrid(Grid) { FGrid.ExportNotification(esExportStart, -1); }
    ~TExportBracket() { FGrid.ExportNotification(esExportDone, -1); }
    TExportBracket(const TExportBracket&) = delete;
    TExportBracket& operator=(const TExportBracket&) = delete;

private:
    TExtStringGrid& FGrid;
};

}  // namespace

TExtStringGrid::TPrintState& TExtStringGrid::Prn() {
    if (!FPrintState) FPrintState = std::make_shared<TPrintState>(this);
    return *FPrintState;
}

const TExtStringGrid::TPrintState& TExtStringGrid::Prn() const {
    return const_cast<TExtStringGrid*>(this)->Prn();
}

TPrintSettings& TExtStringGrid::PrintSettings() { return Prn().Settings; }
void TExtStringGrid::SetPrintSettings(const TPrintSettings& Value) { PrintSettings().Assign(Value); }

void TExtStringGrid::SavePrintSettings(const std::string& Key, const std::string& Section) {
    PrintSettings().SaveToIni(Key, Section);
}

void TExtStringGrid::LoadPrintSettings(const std::string& Key, const std::string& Section) {
    PrintSettings().LoadFromIni(Key, Section);
}

int TExtStringGrid::PreviewPage() const { return Prn().PageFrom; }
void TExtStringGrid::SetPreviewPage(int Value) {
    Prn().PageFrom = Value;
    Prn().PageTo = Value;
}
int TExtStringGrid::PrintNrOfPages() const { return Prn().NrOfPages; }
int TExtStringGrid::PrintPageWidth() const { return Prn().PageWidth; }
int TExtStringGrid::PrintColStart() const { return Prn().ColStart; }
int TExtStringGrid::PrintColEnd() const { return Prn().ColEnd; }
plat::TRect TExtStringGrid::PrintPageRect() const { return Prn().PageRect; }
bool TExtStringGrid::IsPrintPreview() const { return Prn().IsPrintPreview; }
bool TExtStringGrid::FastPrint() const { return Prn().FastPrint; }
void TExtStringGrid::SetFastPrint(bool Value) { Prn().FastPrint = Value; }
bool TExtStringGrid::PrinterDriverFix() const { return Prn().PrinterDriverFix; }
void TExtStringGrid::SetPrinterDriverFix(bool Value) { Prn().PrinterDriverFix = Value; }
bool TExtStringGrid::EnhTextSize() const { return FPrintState && FPrintState->EnhTextSize; }
void TExtStringGrid::SetEnhTextSize(bool Value) {
    if (EnhTextSize() == Value) return;
    Prn().EnhTextSize = Value;
    Invalidate();
}

int TExtStringGrid::MapFontHeight(int PointSize) const {
    return -static_cast<int>(std::lround(PointSize * 254.0 / 72.0 * Prn().FontScale));
}

int TExtStringGrid::MapFontSize(int Height) { return static_cast<int>(std::lround(Height * 72.0 / 254.0)); }

// ---------------------------------------------------------------- printing

void TExtStringGrid::RunPrintJob(const TGridRect& Range, bool SelectedOnly) {
    auto& st = Prn();
    plat::TPrinter& printer = plat::Printer();
    // The run draws the pages OnPrintStart chose; the preview's page is
    // the user's and comes back afterwards.
    struct TPageRangeKeeper {
        TPrintState& S;
        int From, To;
        ~TPageRangeKeeper() {
            S.PageFrom = From;
            S.PageTo = To;
        }
    } keep{st, st.PageFrom, st.PageTo};
    {
        TExportBracket bracket(*this);
        const TPrintSettings& ps = st.Settings;
        if (!ps.UseDefaultOrientation)
            printer.SetOrientation(ps.Orientation == poLandscape ? plat::prLandscape : plat::prPortrait);
        TPrintTarget t;
        t.OnPrinter = true;
        t.Scale = printer.XResolution() / 254.0;
        t.PageWidth = static_cast<int>(std::lround(254.0 / printer.XResolution() * printer.PageWidth()));
        t.PageBottom = -static_cast<int>(std::lround(254.0 / printer.YResolution() * printer.PageHeight()));
        int count = INT_MAX;
        if (!st.FastPrint) count = TGridPrintRun(*this, Range, SelectedOnly, rkCountPrint, t, 0).Run();
        int from = 1, to = count;
        st.NrOfPages = count;
        if (OnPrintStart) {
            OnPrintStart(this, count, from, to);
            if (from == 0 || to == 0 || from > to) return;
        }
        st.PageFrom = from;
        st.PageTo = to;
        st.NrOfPages = to;
        printer.SetTitle(ps.JobName);
        printer.BeginDoc();
        t.Canvas = &printer.Canvas();
        t.NewSheet = [&printer] { printer.NewPage(); };
        try {
            // Without a counting pass there is no total to print beside
            // the page number.
            TGridPrintRun(*this, Range, SelectedOnly, rkPrint, t, st.FastPrint ? 0 : count).Run();
        } catch (...) {
            printer.Abort();
            throw;
        }
        printer.EndDoc();
    }
}

void TExtStringGrid::Print() { RunPrintJob({0, 0, ColCount() - 1, RowCount() - 1}, false); }
void TExtStringGrid::PrintSelection() { RunPrintJob(Selection(), false); }
void TExtStringGrid::PrintRect(const TGridRect& Gridrect) { RunPrintJob(Gridrect, false); }
void TExtStringGrid::PrintSelectedRows() { RunPrintJob({0, 0, ColCount() - 1, RowCount() - 1}, true); }
void TExtStringGrid::PrintSelectedCols() { RunPrintJob({0, 0, ColCount() - 1, RowCount() - 1}, true); }

// ----------------------------------------------------------------- preview

void TExtStringGrid::RunPreview(plat::TCanvas& Canvas, plat::TRect Displayrect, const TGridRect& Range,
                                bool SelectedOnly) {
    auto& st = Prn();
    TExportBracket bracket(*this);
    struct TPreviewFlag {
        bool& Flag;
        ~TPreviewFlag() { Flag = false; }
    } flag{st.IsPrintPreview};
    const TPrintTarget t = ScreenTarget(Canvas, Displayrect);
    int count = 1;
    if (!st.FastPrint) count = TGridPrintRun(*this, Range, SelectedOnly, rkCountPreview, t, 0).Run();
    st.NrOfPages = count;
    st.IsPrintPreview = true;
    int from = 1, to = count;
    if (OnPrintStart) OnPrintStart(this, count, from, to);
    if (from <= 0 || to <= 0 || to < from) return;
    Canvas.SaveState();
    try {
        TGridPrintRun(*this, Range, SelectedOnly, rkPreview, t, count).Run();
    } catch (...) {
        Canvas.RestoreState();
        throw;
    }
    Canvas.RestoreState();
}

void TExtStringGrid::PrintPreview(plat::TCanvas& Canvas, plat::TRect Displayrect) {
    RunPreview(Canvas, Displayrect, {0, 0, ColCount() - 1, RowCount() - 1}, false);
}
void TExtStringGrid::PrintPreviewRect(plat::TCanvas& Canvas, plat::TRect Displayrect, const TGridRect& Gridrect) {
    RunPreview(Canvas, Displayrect, Gridrect, false);
}
void TExtStringGrid::PrintPreviewSelection(plat::TCanvas& Canvas, plat::TRect Displayrect) {
    RunPreview(Canvas, Displayrect, Selection(), false);
}
void TExtStringGrid::PrintPreviewSelectedRows(plat::TCanvas& Canvas, plat::TRect Displayrect) {
    RunPreview(Canvas, Displayrect, {0, 0, ColCount() - 1, RowCount() - 1}, true);
}
void TExtStringGrid::PrintPreviewSelectedCols(plat::TCanvas& Canvas, plat::TRect Displayrect) {
    RunPreview(Canvas, Displayrect, {0, 0, ColCount() - 1, RowCount() - 1}, true);
}

void TExtStringGrid::PrintDraw(plat::TCanvas& Canvas, plat::TRect DrawRect) {
    PrintDrawRect(Canvas, DrawRect, {0, 0, ColCount() - 1, RowCount() - 1});
}

void TExtStringGrid::PrintDrawRect(plat::TCanvas& Canvas, plat::TRect DrawRect, const TGridRect& Gridrect) {
    auto& st = Prn();
    const int from = st.PageFrom, to = st.PageTo;
    st.PageFrom = st.PageTo = 1;
    st.NrOfPages = 1;
    Canvas.SaveState();
    try {
        TGridPrintRun(*this, Gridrect, false, rkPrint, ScreenTarget(Canvas, DrawRect), 1).Run();
    } catch (...) {
        Canvas.RestoreState();
        st.PageFrom = from;
        st.PageTo = to;
        throw;
    }
    Canvas.RestoreState();
    st.PageFrom = from;
    st.PageTo = to;
}

}  // namespace grid
