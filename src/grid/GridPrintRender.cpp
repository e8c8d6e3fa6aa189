// What the print layout places: the page frame (header and footer items,
// title, table outline) and each printed cell, and the measuring of one
// cell for the layout.

#include <algorithm>
#include <cmath>

#include "base/DateTime.h"
#include "base/StrUtils.h"
#include "grid/GridPrintRun.h"

namespace grid {

namespace {

bool IsTop(TPrintPosition P) { return P >= ppTopLeft && P <= ppTopCenter; }

}  // namespace

// ------------------------------------------------------------ device mapping

int TGridPrintRun::DX(int X) const { return FT.OriginX + static_cast<int>(std::lround(X * FT.Scale)); }
int TGridPrintRun::DY(int Y) const { return FT.OriginY - static_cast<int>(std::lround(Y * FT.Scale)); }

plat::TRect TGridPrintRun::DRect(int L, int T, int R, int B) const { return plat::Rect(DX(L), DY(T), DX(R), DY(B)); }

void TGridPrintRun::UseDeviceFont(const plat::TFont& PageFont) {
    plat::TFont f(PageFont);
    f.SetHeight(std::min(-1, static_cast<int>(std::lround(PageFont.Height() * FT.Scale))));
    FT.Canvas->SetFont(f);
}

void TGridPrintRun::Line(int X1, int Y1, int X2, int Y2) {
    FT.Canvas->MoveTo(DX(X1), DY(Y1));
    FT.Canvas->LineTo(DX(X2), DY(Y2));
}

// ------------------------------------------------------------------- cells

std::string TGridPrintRun::CellText(int ACol, int ARow) {
    const int rc = G.RealColIndex(ACol);
    if (TExtStringGrid::IsDataGraphicCell(G, rc, ARow)) return {};
    return G.Cells(rc, ARow);
}

TGridPrintRun::TCellLook TGridPrintRun::PrepareCellLook(int ACol, int ARow) {
    TCellLook look;
    TGridDrawState state;
    const bool fixed = ACol < G.FixedCols() || ARow < G.FixedRows();
    if (fixed) state.Include(plat::gdFixed);
    TColor mirror = plat::clNone, mirrorTo = plat::clNone;
    look.WordWrap = G.WordWrap();
    G.GetVisualProperties(ACol, ARow, state, true, false, true, look.Brush, look.ColorTo, mirror, mirrorTo, look.Font,
                          look.HA, look.VA, look.WordWrap, look.Direction);
    if (!PS.UseDisplayFont) {
        look.Font.Assign(fixed ? PS.FixedFont : PS.Font);
        // The colour event has the last word, also over the print fonts.
        G.GetCellPrintColor(G.RealColIndex(ACol), ARow, state, look.Brush, look.Font);
    }
    look.Font.SetHeight(MapHeight(look.Font.Size(), true));
    return look;
}

void TGridPrintRun::FillCell(const TCellLook& Look, int L, int T, int R, int B) {
    plat::TCanvas& cv = *FT.Canvas;
    const TColor from = Look.Brush.Color();
    if (from == plat::clNone || Look.Brush.Style() == plat::bsClear) return;
    cv.Brush().SetStyle(plat::bsSolid);
    const plat::TRect box = DRect(L, T, R, B);
    if (Look.ColorTo == plat::clNone || Look.ColorTo == from) {
        cv.Brush().SetColor(from);
        cv.FillRect(box);
        return;
    }
    // A gradient in at most 64 bands, one per device pixel on small boxes.
    const bool horizontal = Look.Direction == GradientHorizontal;
    const int length = horizontal ? box.Width() : box.Height();
    const int steps = std::max(1, std::min(64, length));
    const TColor a = plat::ColorToRGB(from), b = plat::ColorToRGB(Look.ColorTo);
    for (int i = 0; i < steps; ++i) {
        auto mix = [&](int ca, int cb) { return ca + (cb - ca) * i / std::max(1, steps - 1); };
        cv.Brush().SetColor(plat::RGB(mix(plat::GetRValue(a), plat::GetRValue(b)),
                                      mix(plat::GetGValue(a), plat::GetGValue(b)),
                                      mix(plat::GetBValue(a), plat::GetBValue(b))));
        const int s0 = length * i / steps, s1 = length * (i + 1) / steps;
        cv.FillRect(horizontal ? plat::Rect(box.Left + s0, box.Top, box.Left + s1, box.Bottom)
                               : plat::Rect(box.Left, box.Top + s0, box.Right, box.Top + s1));
    }
}

int TGridPrintRun::CheckBoxSize(int ACol, int ARow) {
    if (!PS.PrintGraphics || !G.HasCheckBox(G.RealColIndex(ACol), ARow)) return 0;
    return static_cast<int>(std::lround(G.ControlLook().CheckSize() * FPixelFactor));
}

plat::TPoint TGridPrintRun::MeasureCell(int ACol, int ARow) {
    const TCellLook look = PrepareCellLook(ACol, ARow);
    const bool ww = look.WordWrap;
    FMeasure.SetFont(look.Font);
    std::string text = CellText(ACol, ARow);
    plat::TPoint size;
    if (text.empty()) text = "gh";
    const std::vector<std::string> lines = SplitCellLines(text);
    if (!ww || !PS.NoAutoSize) {
        for (const std::string& l : lines) size.X = std::max(size.X, TextW(l));
        size.Y = TextH("gh") * static_cast<int>(lines.size());
    } else {
        const int w = ACol < static_cast<int>(FWidths.size()) ? FWidths[static_cast<size_t>(ACol)] : 0;
        plat::TRect r = plat::Rect(0, 0, std::max(w - 2 * FMargin, 1), 0);
        FMeasure.DrawText(text, r, plat::DT_CALCRECT | plat::DT_WORDBREAK | plat::DT_NOPREFIX);
        size.X = w;
        size.Y = r.Height();
    }
    const int box = CheckBoxSize(ACol, ARow);
    size.X += box;
    size.Y = std::max(size.Y, box);
    if (G.OnCustomCellSize) G.OnCustomCellSize(&G, FMeasure, ACol, ARow, size, true);
    return size;
}

int TGridPrintRun::PrintRow(int ARow, const TStrip& S, int Y) {
    const int h = RowHeight(ARow);
    const int advance = h + 2 * FGap + PS.RowSpacing;
    if (!PageDrawn()) return advance;
    auto cell = [&](int c) {
        if (!ColPrinted(c)) return;
        int w = 0;
        const plat::TPoint span = G.IsMergedCell(c, ARow) ? G.CellSpan(c, ARow) : plat::TPoint{};
        for (int k = c; k <= c + std::max(span.X, 0) && k < static_cast<int>(FWidths.size()); ++k)
            w += FWidths[static_cast<size_t>(k)] + FColSpacing;
        PrintCell(c, ARow, FIndents[static_cast<size_t>(c)], Y, w, advance);
    };
    if (S.RepeatFixed)
        for (int f = 0; f < G.FixedCols(); ++f) cell(f);
    for (int c = S.First; c <= S.Last; ++c) cell(c);
    return advance;
}

void TGridPrintRun::PrintCell(int ACol, int ARow, int X, int Y, int W, int Advance) {
    plat::TCanvas& cv = *FT.Canvas;
    // Borders first decided, as the background keeps clear of a missing edge.
    TCellBorders borders;
    switch (PS.Borders) {
        case pbSingle:
        case pbDouble: borders = {cbTop, cbLeft, cbRight, cbBottom}; break;
        case pbHorizontal:
        case pbAroundHorizontal: borders = {cbTop, cbBottom}; break;
        case pbVertical:
        case pbAroundVertical: borders = {cbLeft, cbRight}; break;
        default: break;
    }
    plat::TPen pen;
    pen.SetWidth(1);
    pen.SetColor(PS.BorderColor);
    pen.SetStyle(PS.BorderStyle);
    G.GetCellPrintBorder(G.RealColIndex(ACol), ARow, borders, pen);

    int bottom = Y - Advance;
    // A box reaching into the footer (a block of rows merged past the
    // page's end) is cut to the row and loses its bottom line.
    if (bottom < FT.PageBottom + FF) borders.Exclude(cbBottom);
    if (!G.IsMergedNonBaseCell(ACol, ARow)) {
        const TCellLook look = PrepareCellLook(ACol, ARow);
        const plat::TFont& font = look.Font;
        const plat::TAlignment ha = look.HA;
        const TVAlignment va = look.VA;
        const bool ww = look.WordWrap;
        // Without a left or top line the fill keeps clear of the neighbour's.
        const int inset = 2 * FPenWidth;
        FillCell(look, X + (borders.Contains(cbLeft) ? 0 : inset), Y - (borders.Contains(cbTop) ? 0 : inset), X + W,
                 bottom);
        // A check box stands at the left, centred in the row; the text
        // follows it.
        const int box = CheckBoxSize(ACol, ARow);
        if (box > 0) {
            bool checked = false;
            G.GetCheckBoxState(G.RealColIndex(ACol), G.RealRowIndex(ARow), checked);
            const int top = Y - (Advance - box) / 2;
            plat::TRect r = DRect(X + FMargin, top, X + FMargin + box, top - box);
            unsigned state = plat::DFCS_BUTTONCHECK | (checked ? plat::DFCS_CHECKED : 0u);
            if (G.ControlLook().ControlStyle() == csFlat) state |= plat::DFCS_FLAT;
            cv.DrawFrameControl(r, plat::DFC_BUTTON, state);
        }
        const int textX = X + box;
        const std::string text = CellText(ACol, ARow);
        if (!text.empty()) {
            FMeasure.SetFont(font);
            UseDeviceFont(font);
            cv.Brush().SetStyle(plat::bsClear);
            const int lineH = TextH("gh") + PS.RowSpacing + (TextH("gh") + PS.RowSpacing) / 8;
            const int step = lineH - PS.RowSpacing;
            plat::TRect area = DRect(textX + FMargin, Y - FGap, X + W - FMargin, bottom + FGap);
            unsigned align = ha == plat::taRightJustify ? plat::DT_RIGHT : ha == plat::taCenter ? plat::DT_CENTER : 0;
            if (ww && PS.NoAutoSize) {
                cv.DrawText(text, area, align | plat::DT_WORDBREAK | plat::DT_NOPREFIX);
            } else {
                const std::vector<std::string> lines = SplitCellLines(text);
                const int block = step * static_cast<int>(lines.size());
                const int free = (Y - FGap) - (bottom + FGap) - block;
                int top = Y - FGap;
                if (va == vtaCenter) top -= free / 2;
                if (va == vtaBottom) top -= free;
                for (const std::string& line : lines) {
                    plat::TRect lr = DRect(textX + FMargin, top, X + W - FMargin, top - step);
                    cv.DrawText(line, lr, align | plat::DT_SINGLELINE | plat::DT_NOPREFIX | plat::DT_NOCLIP);
                    top -= step;
                }
            }
        }
        if (G.OnCustomCellDraw) {
            TGridDrawState state;
            G.OnCustomCellDraw(&G, cv, ACol, ARow, state, DRect(X, Y, X + W, bottom), true);
        }
    }
    if (borders.Empty()) return;
    plat::TPen dev(pen);
    dev.SetWidth(std::max(1, static_cast<int>(std::lround(FPenWidth * FT.Scale))));
    cv.SetPen(dev);
    if (borders.Contains(cbLeft)) Line(X, Y, X, bottom);
    if (borders.Contains(cbRight)) Line(X + W, Y, X + W, bottom);
    if (borders.Contains(cbTop)) Line(X, Y, X + W, Y);
    if (borders.Contains(cbBottom)) Line(X, bottom, X + W, bottom);
}

// ------------------------------------------------------------------- pages

std::string TGridPrintRun::PageNumberText() const {
    std::string s;
    if (FStripCount > 1) {
        s = base::IntToStr(FPageInStrip) + "-" + base::IntToStr(FStripNo);
    } else if (!PS.PageNumSep.empty() && FTotal > 1) {
        s = base::IntToStr(FPageNo + PS.PageNumberOffset) + PS.PageNumSep +
            base::IntToStr(static_cast<int64_t>(FTotal) + PS.MaxPagesOffset);
    } else {
        s = base::IntToStr(FPageNo + PS.PageNumberOffset);
    }
    if (G.OnPrintGetPageNum) G.OnPrintGetPageNum(&G, FStripCount > 1 ? FPageInStrip : FPageNo, FStripNo, s);
    return s;
}

void TGridPrintRun::DrawFrame() {
    std::string texts[7];
    auto add = [&](TPrintPosition p, const std::string& item, bool alwaysSpace) {
        if (p == ppNone) return;
        std::string& t = texts[p];
        const bool front = p == ppTopLeft || p == ppBottomLeft;
        if (!alwaysSpace && (t.empty() || item.empty()))
            t = front ? item + t : t + item;
        else
            t = front ? item + " " + t : t + " " + item;
    };
    const base::TDateTime now = base::Now();
    add(PS.Time, base::FormatDateTime("hh:nn", now), true);
    add(PS.Date, base::FormatDateTime(PS.DateFormat, now), true);
    add(PS.PageNr, PS.PagePrefix + " " + PageNumberText() + " " + PS.PageSuffix, true);
    std::vector<std::string> titleLines;
    if (!PS.TitleText.empty()) {
        add(PS.Title, PS.TitleText, true);
    } else if (PS.TitleLines.Count() > 0) {
        titleLines = PS.TitleLines.Items();
        add(PS.Title, titleLines.front(), false);
    }

    plat::TCanvas& cv = *FT.Canvas;
    cv.SaveState();
    cv.Brush().SetStyle(plat::bsClear);
    auto xFor = [&](TPrintPosition p, const std::string& t) {
        const int w = TextW(t);
        if (p == ppTopLeft || p == ppBottomLeft) return PS.LeftSize;
        if (p == ppTopRight || p == ppBottomRight) return FT.PageWidth - w - PS.RightSize - 20;
        return (FT.PageWidth - w) / 2;
    };
    auto draw = [&](TPrintPosition p, const std::string& t, int y) {
        if (t.empty()) return;
        cv.TextOut(DX(xFor(p, t)), DY(y), t);
    };
    SetWorkFont(PS.HeaderFont, true);
    UseDeviceFont(FMeasure.Font());
    for (TPrintPosition p : {ppTopLeft, ppTopRight, ppTopCenter}) draw(p, texts[p], -PS.HeaderSize);
    if (IsTop(PS.Title))
        for (size_t i = 1; i < titleLines.size(); ++i)
            draw(PS.Title, titleLines[i], -PS.HeaderSize - static_cast<int>(i) * TextH("gh"));
    SetWorkFont(PS.FooterFont, true);
    UseDeviceFont(FMeasure.Font());
    const int fy = FT.PageBottom + PS.FooterSize + FGap + FFooterLine;
    for (TPrintPosition p : {ppBottomLeft, ppBottomRight, ppBottomCenter}) draw(p, texts[p], fy);
    if (PS.Title >= ppBottomLeft)
        for (size_t i = 1; i < titleLines.size(); ++i)
            draw(PS.Title, titleLines[i], fy - static_cast<int>(i) * TextH("gh"));
    SetWorkFont(PS.Font, true);
    cv.RestoreState();
}

void TGridPrintRun::FinishPage(const TStrip& S, int Y) {
    if (!PageDrawn()) return;
    const bool around = PS.Borders == pbAround || PS.Borders == pbAroundVertical || PS.Borders == pbAroundHorizontal;
    const bool under = PS.Borders == pbDouble || PS.Borders == pbHorizontal || PS.Borders == pbAroundHorizontal;
    const bool fixedLines =
        S.RepeatFixed && (PS.Borders == pbDouble || PS.Borders == pbVertical || PS.Borders == pbHorizontal);
    if (!around && !under && !fixedLines) return;
    const int l = S.RepeatFixed ? FIndents[0] : FIndents[static_cast<size_t>(S.First)];
    int r = l;
    for (int c = S.First; c <= S.Last; ++c)
        if (ColPrinted(c)) r = FIndents[static_cast<size_t>(c)] + FWidths[static_cast<size_t>(c)] + FColSpacing;
    const int yb = Y + FGap / 2;
    const int yt = -FH - PS.TitleSpacing;
    plat::TCanvas& cv = *FT.Canvas;
    plat::TPen pen;
    pen.SetColor(PS.BorderColor);
    pen.SetStyle(PS.BorderStyle);
    pen.SetWidth(std::max(1, static_cast<int>(std::lround(FPenWidth * FT.Scale))));
    cv.SetPen(pen);
    if (around) {
        cv.Polyline({{DX(l), DY(yt)}, {DX(r), DY(yt)}, {DX(r), DY(yb)}, {DX(l), DY(yb)}, {DX(l), DY(yt)}});
    }
    if (under) Line(l, yb, r, yb);
    if (fixedLines)
        for (int f = 0; f < G.FixedCols(); ++f) Line(FIndents[static_cast<size_t>(f)], yt, FIndents[static_cast<size_t>(f)], yb);
}

}  // namespace grid
