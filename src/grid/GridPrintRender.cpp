// What the print layout places: the page frame (header and footer items,
// title, table outline) and each printed cell, and the measuring of one
// cell for the layout.

#include <algorithm>
#include <cmath>

#include "base/DateTime.h"
#include "base/StrUtils.h"
#include "controls/EsgHTMLE.h"
#include "controls/ExtUtil.h"
#include "grid/GridPrintRun.h"
#include "platform/CanvasScale.h"
#include "platform/Printers.h"

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

namespace {

bool IsCheckKind(TCellType t) {
    return t == ctCheckBox || t == ctDataCheckBox || t == ctVirtCheckBox || t == ctRowCheckBox ||
           t == ctTriStateCheckBox;
}

// Kinds that are controls to work with on the screen, not content: a
// comment mark, buttons and scroll bars mean nothing on paper.
bool PrintsAsContent(TCellType t) {
    switch (t) {
        case ctNone:
        case ctEmpty:
        case ctValue:
        case ctSummary:
        case ctComment:
        case ctButton:
        case ctBitButton:
        case ctExpand:
        case ctScrollbar:
        case ctBalloon:
            return false;
        default:
            return true;
    }
}

}  // namespace

std::string TGridPrintRun::CellText(int ACol, int ARow) {
    const int rc = G.RealColIndex(ACol);
    if (TExtStringGrid::IsDataGraphicCell(G, rc, ARow)) return {};
    std::string text = G.Cells(rc, ARow);
    const int kind = ctl::GetCellTextKind(text, G.EnableHTML());
    if (kind == ctl::ctkRichText) return RtfPlainText(text);
    if (kind == ctl::ctkPlain && G.URLShow() && !G.URLFull() && ctl::IsUrlText(text))
        text = ctl::StripUrlProtocol(text);
    return text;
}

TGridPrintRun::TCellContent TGridPrintRun::ContentOf(int ACol, int ARow) {
    TCellContent c;
    const int rc = G.RealColIndex(ACol);
    bool beside = true;
    int h = 0, w = 0;
    c.Graphic = G.GetCellGraphicLayout(rc, ARow, c.VA, c.HA, beside, h, w);
    if (!c.Graphic) return c;
    c.Kind = c.Graphic->CellType();
    if (!PrintsAsContent(c.Kind)) return c;
    // Rotated text is text, printed with or without the pictures.
    c.Printed = PS.PrintGraphics || c.Kind == ctRotated;
    if (!c.Printed) return c;
    c.Check = IsCheckKind(c.Kind);
    c.TextBeside = beside;
    // The picture's own size; kinds that lay out no picture (radio
    // groups, pies) take the room the grid sizes their cells for.
    plat::TPoint room{w, h};
    if (c.Check) {
        room.X = room.Y = G.ControlLook().CheckSize();
    } else if (c.Kind == ctRotated) {
        room = {};
    } else if (w == 0 && h == 0) {
        G.GetCellExtent(rc, ARow, 0, room);
    }
    c.Room = {static_cast<int>(std::lround(room.X * FPixelFactor)),
              static_cast<int>(std::lround(room.Y * FPixelFactor))};
    return c;
}

int TGridPrintRun::PrintAngle(int Angle) const {
    // Such a driver turns text the other way unless it turns landscape
    // pages by 270 degrees.
    if (G.Prn().PrinterDriverFix && FT.OnPrinter && FKind == rkPrint && plat::Printer().LandscapeRotation() != 270)
        return -Angle;
    return Angle;
}

int TGridPrintRun::ToScreen(int Units) const { return static_cast<int>(std::lround(Units / FPixelFactor)); }

plat::TFont TGridPrintRun::ScreenFont(const plat::TFont& PageFont) const {
    plat::TFont f(PageFont);
    f.SetHeight(std::min(-1, static_cast<int>(std::lround(PageFont.Height() / FPixelFactor))));
    return f;
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

plat::TPoint TGridPrintRun::MeasureCell(int ACol, int ARow) {
    const TCellLook look = PrepareCellLook(ACol, ARow);
    const bool ww = look.WordWrap;
    FMeasure.SetFont(look.Font);
    const TCellContent content = ContentOf(ACol, ARow);
    std::string text = CellText(ACol, ARow);
    plat::TPoint size;
    int angle = 0;
    const bool rotated = content.Kind == ctRotated && G.IsRotated(G.RealColIndex(ACol), ARow, angle);
    if (content.Printed && !content.TextBeside && !rotated && (content.Room.X > 0 || content.Room.Y > 0)) {
        // The graphic shows the value itself: only its room counts.
        size = {content.Room.X, std::max(content.Room.Y, TextH("gh"))};
    } else if (ctl::GetCellTextKind(text, G.EnableHTML()) == ctl::ctkHtml) {
        // Measured in screen pixels at the print font's size, as drawn.
        FMeasure.SetFont(ScreenFont(look.Font));
        const int col = G.ColWidths(ACol) + 12;
        ctl::THtmlRenderArgs args;
        args.MeasureOnly = true;
        args.URLColor = G.URLColor();
        ctl::THtmlRenderResult result;
        ctl::RenderHtmlText(FMeasure, text, plat::Rect(0, 0, PS.NoAutoSize ? col : 65535, 65535), args, result);
        FMeasure.SetFont(look.Font);
        size = {static_cast<int>(std::lround(result.XSize * FPixelFactor)) + content.Room.X,
                std::max(static_cast<int>(std::lround(result.YSize * FPixelFactor)), content.Room.Y)};
    } else {
        if (text.empty()) text = "gh";
        const std::vector<std::string> lines = SplitCellLines(text);
        if (!ww || !PS.NoAutoSize || rotated) {
            for (const std::string& l : lines) size.X = std::max(size.X, TextW(l));
            size.Y = TextH("gh") * static_cast<int>(lines.size());
        } else {
            const int w = ACol < static_cast<int>(FWidths.size()) ? FWidths[static_cast<size_t>(ACol)] : 0;
            plat::TRect r = plat::Rect(0, 0, std::max(w - 2 * FMargin - content.Room.X, 1), 0);
            FMeasure.DrawText(text, r, plat::DT_CALCRECT | plat::DT_WORDBREAK | plat::DT_NOPREFIX);
            size.X = w - content.Room.X;
            size.Y = r.Height();
        }
        if (rotated) {
            const double a = angle * M_PI / 180.0;
            const double c = std::fabs(std::cos(a)), s = std::fabs(std::sin(a));
            size = {static_cast<int>(std::lround(c * size.X + s * size.Y)),
                    static_cast<int>(std::lround(s * size.X + c * size.Y))};
        }
        size.X += content.Room.X;
        size.Y = std::max(size.Y, content.Room.Y);
    }
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
        const plat::TPoint span = G.IsMergedCell(c, ARow) && G.IsBaseCell(c, ARow) ? G.CellSpan(c, ARow)
                                                                                  : plat::TPoint{};
        for (int k = c; k <= c + std::max(span.X, 0) && k < static_cast<int>(FWidths.size()); ++k)
            w += FWidths[static_cast<size_t>(k)] + FColSpacing;
        PrintCell(c, ARow, FIndents[static_cast<size_t>(c)], Y, w, advance);
    };
    if (S.RepeatFixed)
        for (int f = 0; f < G.FixedCols(); ++f) cell(f);
    for (int c = S.First; c <= S.Last; ++c) cell(c);
    return advance;
}

int TGridPrintRun::BlockHeight(int ACol, int ARow, int Advance) {
    if (!G.IsMergedCell(ACol, ARow) || !G.IsBaseCell(ACol, ARow)) return Advance;
    const int rows = G.CellSpan(ACol, ARow).Y;
    int h = Advance;
    // The block covers the rows under it as they print. Measuring them
    // must not disturb the layout's memory of the row it is on.
    const int cachedRow = FCachedRow, cachedHeight = FCachedHeight, lastMeasured = FLastMeasured;
    for (int r = ARow + 1; r <= ARow + rows && r <= FRange.Bottom; ++r)
        if (RowPrinted(r)) h += RowHeight(r) + 2 * FGap + PS.RowSpacing;
    FCachedRow = cachedRow;
    FCachedHeight = cachedHeight;
    FLastMeasured = lastMeasured;
    return h;
}

int TGridPrintRun::PrintCellText(const TCellLook& Look, int ACol, int ARow, int L, int T, int R, int B,
                                 bool Merged) {
    plat::TCanvas& cv = *FT.Canvas;
    const std::string text = CellText(ACol, ARow);
    if (text.empty()) return 0;
    const plat::TFont& font = Look.Font;
    const plat::TAlignment ha = Look.HA;
    const TVAlignment va = Look.VA;
    cv.Brush().SetStyle(plat::bsClear);
    if (ctl::GetCellTextKind(text, G.EnableHTML()) == ctl::ctkHtml) {
        // The HTML renderer lays out pictures and text in screen pixels:
        // it draws at the print scale, its right edge kept clear of the
        // margin.
        plat::TCanvasScale scale(cv, ScreenScale(), {DX(L + FMargin), DY(T - FGap)});
        cv.SetFont(ScreenFont(font));
        ctl::THtmlRenderArgs args;
        args.URLColor = G.URLColor();
        ctl::THtmlRenderResult result;
        const plat::TRect area = plat::Rect(0, 0, ToScreen(R - L - 2 * FMargin) - 2, ToScreen(T - B - 2 * FGap));
        cv.SaveState();
        cv.IntersectClipRect(area);
        ctl::RenderHtmlText(cv, text, area, args, result);
        cv.RestoreState();
        return static_cast<int>(std::lround(result.XSize * FPixelFactor));
    }
    FMeasure.SetFont(font);
    UseDeviceFont(font);
    const int lineH = TextH("gh") + PS.RowSpacing + (TextH("gh") + PS.RowSpacing) / 8;
    const int step = lineH - PS.RowSpacing;
    plat::TRect area = DRect(L + FMargin, T - FGap, R - FMargin, B + FGap);
    unsigned align = ha == plat::taRightJustify ? plat::DT_RIGHT : ha == plat::taCenter ? plat::DT_CENTER : 0;
    const std::vector<std::string> lines = SplitCellLines(text);
    int widest = 0;
    for (const std::string& l : lines) widest = std::max(widest, TextW(l));
    if (Look.WordWrap && PS.NoAutoSize) {
        cv.DrawText(text, area, align | plat::DT_WORDBREAK | plat::DT_NOPREFIX);
        return std::min(widest, R - L);
    }
    // A single line cut by the column ends in an ellipsis where the grid
    // shows it so.
    const bool ellipsis = lines.size() == 1 && G.EnhTextSize() && PS.NoAutoSize;
    const int block = step * static_cast<int>(lines.size());
    const int free = (T - FGap) - (B + FGap) - block;
    int top = T - FGap;
    if (!Merged || lines.size() == 1) {
        if (va == vtaCenter) top -= free / 2;
        if (va == vtaBottom) top -= free;
    }
    for (const std::string& line : lines) {
        plat::TRect lr = DRect(L + FMargin, top, R - FMargin, top - step);
        cv.DrawText(line, lr,
                    align | plat::DT_SINGLELINE | plat::DT_NOPREFIX |
                        (ellipsis ? plat::DT_END_ELLIPSIS : plat::DT_NOCLIP));
        top -= step;
    }
    return std::min(widest, R - L);
}

void TGridPrintRun::PrintCellGraphic(const TCellLook& Look, const TCellContent& C, int ACol, int ARow, int X,
                                     int Y, int W, int B, int TextWidth) {
    plat::TCanvas& cv = *FT.Canvas;
    const int rc = G.RealColIndex(ACol);
    if (C.Check) {
        // A check box stands at the left of the text, after the vertical
        // alignment without text.
        bool checked = false;
        G.GetCheckBoxState(rc, G.RealRowIndex(ARow), checked);
        if (C.Kind == ctDataCheckBox || C.Kind == ctVirtCheckBox) {
            std::string yes = G.CheckTrue();
            G.GetCheckTrue(rc, ARow, yes);
            checked = G.Cells(rc, ARow) == yes;
        }
        const int box = C.Room.X;
        int top = Y - (Y - B - box) / 2;
        if (Look.VA == vtaTop) top = Y - FGap;
        if (Look.VA == vtaBottom) top = B + FGap + box;
        plat::TRect r = DRect(X + FMargin, top, X + FMargin + box, top - box);
        unsigned state = plat::DFCS_BUTTONCHECK | (checked ? plat::DFCS_CHECKED : 0u);
        if (G.ControlLook().ControlStyle() == csFlat) state |= plat::DFCS_FLAT;
        cv.DrawFrameControl(r, plat::DFC_BUTTON, state);
        return;
    }
    // Everything else is drawn by the grid's own routine for the screen,
    // in a cell of screen pixels scaled onto the printed box.
    const int sw = ToScreen(W), sh = ToScreen(Y - B);
    plat::TCanvasScale scale(cv, ScreenScale(), {DX(X), DY(Y)});
    cv.SaveState();
    cv.SetFont(ScreenFont(Look.Font));
    cv.Brush().SetColor(Look.Brush.Color() == plat::clNone ? plat::clWhite : Look.Brush.Color());
    cv.IntersectClipRect(plat::Rect(0, 0, sw, sh));
    // Rotated text turns as the printer needs; the cell keeps its angle.
    struct TAngleKeeper {
        TCellGraphic* G = nullptr;
        int Angle = 0;
        ~TAngleKeeper() {
            if (G) G->SetCellAngle(Angle);
        }
    } keep;
    if (C.Kind == ctRotated && PrintAngle(C.Graphic->CellAngle()) != C.Graphic->CellAngle()) {
        keep = {C.Graphic, C.Graphic->CellAngle()};
        C.Graphic->SetCellAngle(PrintAngle(keep.Angle));
    }
    TGridDrawState state;
    if (ACol < G.FixedCols() || ARow < G.FixedRows()) state.Include(plat::gdFixed);
    G.DrawCellContent(cv, rc, ARow, plat::Rect(0, 0, sw, sh), state, Look.HA, Look.VA,
                      TextWidth > 0 ? ToScreen(TextWidth) + 2 : 0);
    cv.RestoreState();
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

    const bool merged = G.IsMergedCell(ACol, ARow);
    if (merged && !G.IsBaseCell(ACol, ARow)) {
        // Inside a block only its outline is drawn: the base cell's box
        // covers the block, and the lines between its cells go.
        const plat::TPoint base = G.BaseCell(ACol, ARow);
        const plat::TPoint span = G.CellSpan(base.X, base.Y);
        const int lastCol = base.X + span.X, lastRow = base.Y + span.Y;
        if (ACol < lastCol) {
            borders.Exclude(cbLeft);
            borders.Exclude(cbRight);
        }
        if (ARow < lastRow) {
            borders.Exclude(cbTop);
            borders.Exclude(cbBottom);
        }
        if (ACol == lastCol) borders.Exclude(cbLeft);
        if (ARow == lastRow) borders.Exclude(cbTop);
    }
    int bottom = Y - BlockHeight(ACol, ARow, Advance);
    // A box reaching into the footer (a block of rows merged past the
    // page's end) is cut to the row and loses its bottom line.
    if (bottom < FT.PageBottom + FF) {
        bottom = Y - Advance;
        if (bottom < FT.PageBottom + FF || G.IsMergedCell(ACol, ARow)) borders.Exclude(cbBottom);
    }
    if (!G.IsMergedNonBaseCell(ACol, ARow)) {
        const TCellLook look = PrepareCellLook(ACol, ARow);
        // Without a left or top line the fill keeps clear of the neighbour's.
        const int inset = 2 * FPenWidth;
        FillCell(look, X + (borders.Contains(cbLeft) ? 0 : inset), Y - (borders.Contains(cbTop) ? 0 : inset), X + W,
                 bottom);
        const TCellContent content = ContentOf(ACol, ARow);
        // The text keeps clear of a picture beside it.
        int l = X, r = X + W, t = Y, b = bottom;
        if (content.Printed && content.TextBeside && content.Kind != ctRotated) {
            const bool rightText = look.HA == plat::taRightJustify;
            if (content.Check || content.HA == haLeft || (content.HA == haBeforeText && !rightText)) l += content.Room.X;
            else if (content.HA == haRight || (content.HA == haAfterText && rightText)) r -= content.Room.X;
            if (content.VA == vaAboveText) t -= content.Room.Y;
            else if (content.VA == vaUnderText) b += content.Room.Y;
        }
        int textWidth = 0;
        if (!content.Printed || content.TextBeside)
            textWidth = PrintCellText(look, ACol, ARow, l, t, r, b, merged);
        if (content.Printed) PrintCellGraphic(look, content, ACol, ARow, X, Y, W, bottom, textWidth);
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

std::string TGridPrintRun::HtmlTitle() const {
    if (!PS.TitleText.empty() || PS.TitleLines.Count() == 0) return {};
    std::string joined;
    for (const std::string& line : PS.TitleLines.Items()) joined += line;
    return ctl::GetCellTextKind(joined, G.EnableHTML()) == ctl::ctkHtml ? joined : std::string();
}

void TGridPrintRun::DrawHtmlTitle(const std::string& Html, int Top) {
    plat::TCanvas& cv = *FT.Canvas;
    plat::TFont font(PS.HeaderFont);
    font.SetHeight(MapHeight(PS.HeaderFont.Size(), true));
    // Laid out in screen pixels, as a cell's HTML text is.
    plat::TCanvasScale scale(cv, ScreenScale(), {DX(PS.LeftSize), DY(Top)});
    cv.SaveState();
    cv.SetFont(ScreenFont(font));
    cv.Brush().SetStyle(plat::bsClear);
    ctl::THtmlRenderArgs args;
    args.URLColor = G.URLColor();
    ctl::THtmlRenderResult result;
    ctl::RenderHtmlText(cv, Html, plat::Rect(0, 0, ToScreen(FT.PageWidth - PS.LeftSize), ToScreen(FHtmlTitle) + 1),
                        args, result);
    cv.RestoreState();
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
    const std::string html = HtmlTitle();
    if (!PS.TitleText.empty()) {
        add(PS.Title, PS.TitleText, true);
    } else if (html.empty() && PS.TitleLines.Count() > 0) {
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
    if (!html.empty() && IsTop(PS.Title)) DrawHtmlTitle(html, -PS.HeaderSize);
    if (IsTop(PS.Title))
        for (size_t i = 1; i < titleLines.size(); ++i)
            draw(PS.Title, titleLines[i], -PS.HeaderSize - static_cast<int>(i) * TextH("gh"));
    SetWorkFont(PS.FooterFont, true);
    UseDeviceFont(FMeasure.Font());
    const int fy = FT.PageBottom + PS.FooterSize + FGap + FFooterLine;
    for (TPrintPosition p : {ppBottomLeft, ppBottomRight, ppBottomCenter}) draw(p, texts[p], fy);
    if (!html.empty() && PS.Title >= ppBottomLeft) DrawHtmlTitle(html, FT.PageBottom + PS.FooterSize);
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
