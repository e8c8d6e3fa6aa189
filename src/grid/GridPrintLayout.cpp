// The print layout engine: column widths, fit to page, strips of columns,
// pages of rows, repeated fixed rows and columns, and the print events.

#include <algorithm>
#include <cmath>

#include "controls/EsgHTMLE.h"
#include "grid/GridPrintRun.h"

namespace grid {

TGridPrintRun::TGridPrintRun(TExtStringGrid& Grid, const TGridRect& Range, bool SelectedOnly, TPrintRunKind Kind,
                             TPrintTarget Target, int TotalPages)
    : G(Grid),
      PS(Grid.PrintSettings()),
      FRange(Range),
      FSelectedOnly(SelectedOnly),
      FKind(Kind),
      FT(std::move(Target)),
      FTotal(TotalPages) {
    // A range reaching past the grid prints the part inside it.
    FRange.Left = std::max(FRange.Left, 0);
    FRange.Top = std::max(FRange.Top, 0);
    FRange.Right = std::min(FRange.Right, G.ColCount() - 1);
    FRange.Bottom = std::min(FRange.Bottom, G.RowCount() - 1);
}

bool TGridPrintRun::PageDrawn() const {
    const auto& st = G.Prn();
    return Drawing() && FT.Canvas && FPageNo >= st.PageFrom && FPageNo <= st.PageTo;
}

bool TGridPrintRun::ColPrinted(int ACol) const {
    if (!FSelectedOnly) return true;
    const bool disjunctRows = G.MouseActions().DisjunctRowSelect();
    if (disjunctRows) return true;
    if (ACol < G.FixedCols() && PS.FixedCellsAlways) return true;
    if (G.MouseActions().DisjunctColSelect()) return const_cast<TExtStringGrid&>(G).GetColSelect(ACol);
    const TGridRect sel = G.Selection();
    return ACol >= sel.Left && ACol <= sel.Right;
}

bool TGridPrintRun::RowPrinted(int ARow) const {
    if (!FSelectedOnly) return true;
    if (ARow < G.FixedRows() && PS.FixedCellsAlways) return true;
    if (G.MouseActions().DisjunctRowSelect()) return G.GetRowSelect(ARow);
    const TGridRect sel = G.Selection();
    return ARow >= sel.Top && ARow <= sel.Bottom;
}

int TGridPrintRun::MapHeight(int PointSize, bool Scaled) const {
    const double scale = Scaled ? G.Prn().FontScale : 1.0;
    return -static_cast<int>(std::lround(PointSize * 254.0 / 72.0 * scale));
}

void TGridPrintRun::SetWorkFont(const plat::TFont& F, bool Scaled) {
    plat::TFont f(F);
    f.SetHeight(MapHeight(F.Size(), Scaled));
    FMeasure.SetFont(f);
}

int TGridPrintRun::Run() {
    auto& st = G.Prn();
    st.FontScale = 1.0;
    FPenWidth = PS.Borders == pbDouble ? 10 : 2;
    SetWorkFont(PS.HeaderFont, false);
    FHeaderLine = TextH("gh");
    SetWorkFont(PS.FooterFont, false);
    FFooterLine = TextH("gh");
    SetWorkFont(PS.Font, false);
    FGap = TextH("gh") / 8;
    FMargin = TextW("g") / 2;
    FColSpacing = PS.UseFixedWidth ? 0 : PS.ColumnSpacing + 20;
    st.PageRect = plat::Rect(0, 0, FT.PageWidth, FT.PageBottom);
    if (FRange.Left > FRange.Right || FRange.Top > FRange.Bottom) return 0;

    MeasureColumns();
    FitToPage();
    if (G.OnPrintSetColumnWidth)
        for (int c = FRange.Left; c <= FRange.Right; ++c) G.OnPrintSetColumnWidth(&G, c, FWidths[static_cast<size_t>(c)]);

    const std::vector<TStrip> strips = MakeStrips();
    FStripCount = static_cast<int>(strips.size());
    ComputeFrameHeights();
    for (const TStrip& s : strips) {
        if (FCancelled) break;
        ++FStripNo;
        LayoutIndents(s);
        st.ColStart = s.First;
        st.ColEnd = s.Last;
        int width = 0;
        for (int c = s.First; c <= s.Last; ++c)
            if (ColPrinted(c)) width += FWidths[static_cast<size_t>(c)] + FColSpacing;
        st.PageWidth = width;
        if (FStripNo > 1) StartNextPage();
        else {
            ++FPageNo;
            FPageInStrip = 1;
            if (Drawing() && FT.Canvas && G.OnPrintPage) G.OnPrintPage(&G, *FT.Canvas, FPageNo, FT.PageWidth, FT.PageBottom);
        }
        FPageInStrip = 1;
        int r = FRange.Top;
        int y = 0;
        bool firstSlot = true;
        bool firstPageOfRun = FStripNo == 1;
        bool finished = false;
        while (r <= FRange.Bottom && !FCancelled) {
            finished = false;
            bool slotUsed = false;
            G.ExportNotification(FRange.Top <= G.FixedRows() && FRange.Bottom >= G.RowCount() - 1 ? esExportNewRow
                                                                                                 : esExportSelRow,
                                 r);
            if (firstSlot) {
                y = -FH;
                if (PageDrawn()) DrawFrame();
                y -= PS.TitleSpacing;
                if (PS.RepeatFixedRows && r > 0 && G.FixedRows() > 0 &&
                    (!firstPageOfRun || FRange.Top >= G.FixedRows())) {
                    for (int fr = 0; fr < G.FixedRows(); ++fr) y -= PrintRow(fr, s, y);
                    slotUsed = true;
                }
            }
            if (!slotUsed) {
                if (RowPrinted(r)) {
                    const int h = RowHeight(r);
                    // A row taller than an empty page still prints there:
                    // waiting for a page it fits on would never end.
                    if (y - h > FT.PageBottom + FF || firstSlot) {
                        y -= PrintRow(r, s, y);
                        ++r;
                    }
                } else {
                    ++r;
                }
            }
            firstSlot = false;
            bool newPage = false;
            // Asked in the counting runs too: a page break the handler
            // forces must be counted, or the print would stop short.
            if (G.OnPrintNewPage) G.OnPrintNewPage(&G, r, newPage);
            const bool remain = r <= FRange.Bottom;
            const bool fits = !remain || !RowPrinted(r) || y - RowHeight(r) > FT.PageBottom + FF;
            if (remain && (!fits || newPage)) {
                if (Drawing() && FT.Canvas) {
                    if (G.OnPrintPageDone) G.OnPrintPageDone(&G, *FT.Canvas, r, y, FPageNo, FT.PageWidth, FT.PageBottom);
                    if (G.OnPrintCancel) G.OnPrintCancel(&G, FPageNo, FCancelled);
                }
                FinishPage(s, y);
                if (FCancelled) {
                    finished = true;
                    break;
                }
                if (G.Prn().FastPrint && FKind != rkCountPrint && FKind != rkCountPreview &&
                    FPageNo >= G.Prn().PageTo) {
                    finished = true;
                    r = FRange.Bottom + 1;
                    break;
                }
                StartNextPage();
                firstPageOfRun = false;
                firstSlot = true;
            }
        }
        if (!finished) {
            if (Drawing() && FT.Canvas) {
                if (G.OnPrintPageDone) G.OnPrintPageDone(&G, *FT.Canvas, r, y, FPageNo, FT.PageWidth, FT.PageBottom);
                if (G.OnPrintCancel) G.OnPrintCancel(&G, FPageNo, FCancelled);
            }
            FinishPage(s, y);
        }
    }
    st.FontScale = 1.0;
    return FPageNo;
}

void TGridPrintRun::MeasureColumns() {
    const int last = std::max(FRange.Right, G.FixedCols() - 1);
    FWidths.assign(static_cast<size_t>(std::max(last + 1, 0)), 0);
    FIndents.assign(FWidths.size(), 0);
    const int firstCol = PS.RepeatFixedCols ? 0 : FRange.Left;
    for (int c = firstCol; c <= last; ++c) {
        int& w = FWidths[static_cast<size_t>(c)];
        if (!ColPrinted(c)) continue;
        if (PS.NoAutoSize) {
            w = static_cast<int>(std::lround(G.ColWidths(c) * FPixelFactor));
            continue;
        }
        auto measure = [&](int r) {
            if (G.IsMergedCell(c, r) && G.CellSpan(c, r).X > 0) return;
            const int cw = PS.UseFixedWidth ? PS.FixedWidth : MeasureCell(c, r).X;
            w = std::max(w, cw);
        };
        if (PS.RepeatFixedRows)
            for (int r = 0; r < std::min(G.FixedRows(), FRange.Top); ++r) measure(r);
        for (int r = FRange.Top; r <= FRange.Bottom; ++r)
            if (RowPrinted(r)) measure(r);
    }
}

void TGridPrintRun::FitToPage() {
    if (PS.FitToPage == fpNever) return;
    const int n = FRange.Right - FRange.Left + 1;
    const int fixed = n * FColSpacing;
    int total = 0;
    for (int c = FRange.Left; c <= FRange.Right; ++c)
        if (ColPrinted(c)) total += FWidths[static_cast<size_t>(c)] + FColSpacing;
    double scale = total != fixed
                       ? double(FT.PageWidth - PS.RightSize - PS.LeftSize - fixed) / double(total - fixed)
                       : 1.0;
    switch (PS.FitToPage) {
        case fpShrink: scale = std::min(scale, 1.0); break;
        case fpGrow: scale = std::max(scale, 1.0); break;
        case fpCustom:
            if (scale != 1.0) {
                bool allow = true;
                if (G.OnFitToPage) G.OnFitToPage(&G, scale, allow);
                if (!allow) scale = 1.0;
            }
            break;
        default: break;
    }
    if (scale <= 0 || scale == 1.0) return;
    for (int& w : FWidths) w = static_cast<int>(std::lround(w * scale));
    G.Prn().FontScale = scale;
}

std::vector<TGridPrintRun::TStrip> TGridPrintRun::MakeStrips() const {
    std::vector<TStrip> strips;
    const int limit = FT.PageWidth - PS.RightSize;
    int c = FRange.Left;
    while (c <= FRange.Right) {
        TStrip s;
        s.First = c;
        s.RepeatFixed = PS.RepeatFixedCols && G.FixedCols() > 0 &&
                        (c != FRange.Left || FRange.Left > G.FixedCols());
        int sum = 0;
        if (s.RepeatFixed)
            for (int f = 0; f < G.FixedCols(); ++f) sum += FWidths[static_cast<size_t>(f)] + FColSpacing;
        int last = c - 1;
        for (int k = c; k <= FRange.Right; ++k) {
            const int add = ColPrinted(k) ? FWidths[static_cast<size_t>(k)] + FColSpacing : 0;
            if (sum + add > limit) break;
            sum += add;
            last = k;
        }
        // A strip always takes two columns, so that a column wider than the
        // page still prints and the run moves on.
        if (last <= c) last = std::min(c + 1, FRange.Right);
        s.Last = last;
        strips.push_back(s);
        c = last + 1;
    }
    return strips;
}

void TGridPrintRun::LayoutIndents(const TStrip& S) {
    const int left = PS.Centered ? 0 : PS.LeftSize;
    int fixedWidth = 0;
    if (S.RepeatFixed) {
        int x = left;
        for (int f = 0; f < G.FixedCols(); ++f) {
            FIndents[static_cast<size_t>(f)] = x;
            x += FWidths[static_cast<size_t>(f)] + FColSpacing;
        }
        fixedWidth = x - left;
    }
    int x = left;
    int table = fixedWidth;
    for (int c = S.First; c <= S.Last; ++c) {
        FIndents[static_cast<size_t>(c)] = x;
        if (ColPrinted(c)) {
            x += FWidths[static_cast<size_t>(c)] + FColSpacing;
            table += FWidths[static_cast<size_t>(c)] + FColSpacing;
        }
    }
    if (PS.Centered && table < FT.PageWidth) {
        const int shift = (FT.PageWidth - table) / 2;
        if (S.RepeatFixed)
            for (int f = 0; f < G.FixedCols(); ++f) FIndents[static_cast<size_t>(f)] += shift;
        for (int c = S.First; c <= S.Last; ++c) FIndents[static_cast<size_t>(c)] += shift;
    }
    for (int c = S.First; c <= S.Last; ++c) FIndents[static_cast<size_t>(c)] += fixedWidth;
    for (int c = S.First; c <= S.Last && c < 512; ++c)
        G.SetPrintColLayout(c, FWidths[static_cast<size_t>(c)], FIndents[static_cast<size_t>(c)]);
}

int TGridPrintRun::RowHeight(int ARow) {
    if (ARow == FCachedRow) return FCachedHeight;
    int h = 0;
    if (PS.NoAutoSizeRow) {
        h = static_cast<int>(std::lround(G.RowHeights(ARow) * FPixelFactor)) - 4;
    } else if (PS.UseFixedHeight) {
        h = PS.FixedHeight;
    } else {
        for (int c = FRange.Left; c <= FRange.Right; ++c) {
            if (!ColPrinted(c)) continue;
            if (G.IsMergedCell(c, ARow) && G.CellSpan(c, ARow).Y > 0) continue;
            h = std::max(h, MeasureCell(c, ARow).Y);
        }
        if (h == 0) h = FLastMeasured;
        FLastMeasured = h;
        h += h / 8;
        if (G.OnPrintSetRowHeight) G.OnPrintSetRowHeight(&G, ARow, h);
    }
    FCachedRow = ARow;
    FCachedHeight = h;
    return h;
}

void TGridPrintRun::ComputeFrameHeights() {
    auto top = [](TPrintPosition p) { return p >= ppTopLeft && p <= ppTopCenter; };
    auto bottom = [](TPrintPosition p) { return p >= ppBottomLeft; };
    const bool anyTop = top(PS.Time) || top(PS.Date) || top(PS.PageNr) || top(PS.Title);
    const bool anyBottom = bottom(PS.Time) || bottom(PS.Date) || bottom(PS.PageNr) || bottom(PS.Title);
    const int extraTitle = PS.TitleText.empty() && PS.TitleLines.Count() > 1 ? PS.TitleLines.Count() - 1 : 0;
    FH = PS.HeaderSize;
    if (anyTop) {
        FH += FGap + FHeaderLine;
        if (top(PS.Title)) FH += extraTitle * FHeaderLine;
    }
    FF = anyBottom ? 2 * (FGap + FFooterLine) + PS.FooterSize : FGap + FFooterLine + PS.FooterSize;
    if (bottom(PS.Title)) FF += extraTitle * FFooterLine;
    FHtmlTitle = 0;
    const std::string html = HtmlTitle();
    if (html.empty()) return;
    // An HTML title is one block as high as it lays out, in place of its
    // lines.
    plat::TFont font(PS.HeaderFont);
    font.SetHeight(MapHeight(PS.HeaderFont.Size(), true));
    const plat::TFont saved(FMeasure.Font());
    FMeasure.SetFont(ScreenFont(font));
    ctl::THtmlRenderArgs args;
    args.MeasureOnly = true;
    ctl::THtmlRenderResult result;
    ctl::RenderHtmlText(FMeasure, html, plat::Rect(0, 0, ToScreen(FT.PageWidth - PS.LeftSize), 65535), args, result);
    FMeasure.SetFont(saved);
    FHtmlTitle = static_cast<int>(std::lround(result.YSize * FPixelFactor));
    const int lines = extraTitle + 1;
    if (top(PS.Title)) FH += std::max(0, FHtmlTitle - lines * FHeaderLine);
    if (bottom(PS.Title)) FF += std::max(0, FHtmlTitle - lines * FFooterLine);
}

void TGridPrintRun::StartNextPage() {
    const bool wasDrawn = PageDrawn();
    ++FPageNo;
    ++FPageInStrip;
    FCachedRow = -1;
    if (!Drawing() || !FT.Canvas) return;
    const auto& st = G.Prn();
    if (FPageNo >= st.PageFrom && FPageNo <= st.PageTo) {
        if (wasDrawn && FKind == rkPrint && FT.NewSheet) FT.NewSheet();
        if (G.OnPrintPage) G.OnPrintPage(&G, *FT.Canvas, FPageNo, FT.PageWidth, FT.PageBottom);
    }
}

}  // namespace grid
