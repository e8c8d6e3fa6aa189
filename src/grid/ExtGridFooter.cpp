// The floating footer: its settings, the column totals of the footer row
// and the bar that shows them.

#include "grid/ExtGridFooter.h"

#include <algorithm>
#include <cctype>
#include <vector>
#include <string>

#include "base/StrUtils.h"
#include "controls/HtmlText.h"
#include "grid/ExtGrid.h"
#include "grid/ExtGridRowsState.h"
#include "platform/Graphics.h"

namespace grid {

// ----------------------------------------------------------- settings

TFloatingFooter::TFloatingFooter(TExtStringGrid* AGrid) : FGrid(AGrid) {}

TFloatingFooter::~TFloatingFooter() = default;

void TFloatingFooter::Assign(const TFloatingFooter& Source) {
    FCalculateHiddenRows = Source.FCalculateHiddenRows;
    FColor = Source.FColor;
    FColumn = Source.FColumn;
    FCustomTemplate = Source.FCustomTemplate;
    FFooterStyle = Source.FFooterStyle;
    FShowHint = Source.FShowHint;
    SetVisible(Source.FVisible);
}

void TFloatingFooter::SetBorderColor(TColor Value) {
    if (FBorderColor == Value) return;
    FBorderColor = Value;
    Invalidate();
}

void TFloatingFooter::SetColor(TColor Value) {
    FColor = Value;
    Invalidate();
}

void TFloatingFooter::SetColumn(int Value) {
    FColumn = Value;
    Invalidate();
}

void TFloatingFooter::SetCustomTemplate(const std::string& Value) {
    FCustomTemplate = Value;
    Invalidate();
}

void TFloatingFooter::SetShowHint(bool Value) {
    FShowHint = Value;
    if (FPanel) FPanel->SetShowHint(Value);
}

void TFloatingFooter::SetHeight(int Value) {
    FHeight = Value;
    if (Value > 0) Apply();
}

void TFloatingFooter::SetFooterStyle(TFooterStyle Value) {
    FFooterStyle = Value;
    Apply();
}

void TFloatingFooter::SetVisible(bool Value) {
    FVisible = Value;
    Apply();
}

void TFloatingFooter::Apply() {
    // The bar is made the first time it is shown; a grid that never shows
    // its footer carries no control for it.
    if (FVisible && !FPanel) {
        FPanel = new TFooterPanel(FGrid, this);
        FPanel->SetParent(FGrid);
        FPanel->SetShowHint(FShowHint);
        if (FGrid->OnCreatedFloatingFooter) FGrid->OnCreatedFloatingFooter(FGrid);
    }
    Place();
    FGrid->SetFixedFooters(HidesLastRow() ? 1 : 0);
    FGrid->FHideLastRow = HidesLastRow();
    FGrid->Invalidate();
    Invalidate();
}

int TFloatingFooter::BarHeight() const { return FVisible ? std::max(FHeight - 1, 0) : 0; }

void TFloatingFooter::Place() {
    if (!FPanel) return;
    const int h = BarHeight();
    // Above a horizontal scroll bar, which stays usable.
    FPanel->SetBounds(0, FGrid->TBaseGrid::ClientHeight() - h, FGrid->Width(), h);
    FPanel->SetVisible(FVisible);
}

void TFloatingFooter::Invalidate() {
    if (FPanel) FPanel->Invalidate();
}

TColumnCalcType TFloatingFooter::ColumnCalc(int ACol) const {
    const int row = FGrid->RowCount() - 1;
    const TCellProperties* p = FGrid->PropsOf(ACol, row);
    return p ? p->CalcType() : acNONE;
}

void TFloatingFooter::SetColumnCalc(int ACol, TColumnCalcType Value) {
    FGrid->GetCellProperties(ACol, FGrid->RowCount() - 1)->SetCalcType(Value);
    FGrid->CalcFooter(ACol);
}

std::string TFloatingFooter::ExpandTemplate(const std::string& Template,
                                            const std::function<std::string(int)>& ColumnText) {
    std::string out;
    size_t pos = 0;
    while (pos < Template.size()) {
        const size_t open = Template.find("<#", pos);
        if (open == std::string::npos) break;
        const size_t close = Template.find('>', open + 2);
        if (close == std::string::npos) break;
        out.append(Template, pos, open - pos);
        const std::string tag = Template.substr(open + 2, close - open - 2);
        const bool number = !tag.empty() && tag.size() <= 9 &&
                            std::all_of(tag.begin(), tag.end(), [](unsigned char c) { return std::isdigit(c); });
        if (number) out += ColumnText(std::stoi(tag));
        pos = close + 1;
    }
    out.append(Template, pos, std::string::npos);
    return out;
}

// ----------------------------------------------------------- the grid's side

TFloatingFooter& TExtStringGrid::FloatingFooter() { return Rw().Footer; }

void TExtStringGrid::UpdateFooter() {
    if (!FRowsState) return;
    Rw().Footer.Place();
    Rw().Footer.Invalidate();
}

void TExtStringGrid::LastRowChanged() { UpdateFooter(); }

int TExtStringGrid::ClientHeight() const {
    const int all = TBaseGrid::ClientHeight();
    if (!FRowsState) return all;
    return std::max(all - FRowsState->Footer.BarHeight(), 0);
}

void TExtStringGrid::CalcFooter(int ACol) {
    if (!FRowsState) return;
    TFloatingFooter& f = Rw().Footer;
    if (!f.Visible() || f.FooterStyle() != fsFixedLastRow || !f.EnableCalculation()) return;
    const int footer = RowCount() - 1;
    const int hidden = f.CalculateHiddenRows() ? NumHiddenRows() : 0;
    const int from = FixedRows(), to = hidden + RowCount() - 2;
    const int first = ACol < 0 ? 0 : ACol;
    const int last = ACol < 0 ? TotalColCount() - 1 : ACol;
    for (int c = first; c <= last; ++c) {
        const TCellProperties* p = PropsOf(c, footer);
        if (!p || p->CalcType() == acNONE || p->CalcType() == acSPREAD) continue;
        const TColumnCalcType calc = p->CalcType();
        // With hidden rows the range reaches past the displayed ones and is
        // read by real row; the summaries' own test for that would take
        // the footer row itself when one row is hidden.
        const bool real = hidden > 0;
        if (calc == acCOUNT) {
            SetInts(c, footer, static_cast<int>(ColumnTotal(acCOUNT, c, from, to, real)));
            continue;
        }
        if (calc == acCUSTOM) {
            std::string text;
            if (OnFooterCalc) OnFooterCalc(this, c, hidden + RowCount() - 1, text);
            else if (f.OnCalcFooter) f.OnCalcFooter(this, c, hidden + RowCount() - 1, text);
            SetCells(c, footer, text);
            continue;
        }
        double value = 0;
        try {
            value = ColumnTotal(calc, c, from, to, real);
        } catch (const EExtGridError&) {
            // A column holding text the summary cannot read has no total;
            // the row change that asked for it must not fail for that.
            SetCells(c, footer, "");
            continue;
        }
        SetFloats(c, footer, value);
    }
}

// ----------------------------------------------------------- the bar

TFooterPanel::TFooterPanel(TExtStringGrid* AGrid, TFloatingFooter* AFooter)
    : plat::TCustomControl(AGrid), FGrid(AGrid), FFooter(AFooter) {}

int TFooterPanel::ColumnAt(int X) const {
    // The bar reads as its grid does: mirrored, columns count from the right.
    if (FGrid->UseRightToLeftAlignment()) X = Width() - 1 - X;
    int right = 0;
    for (int c = 0; c < FGrid->FixedCols(); ++c) {
        right += FGrid->ColWidths(c);
        if (X < right) return c;
    }
    for (int c = FGrid->LeftCol(); c < FGrid->ColCount(); ++c) {
        right += FGrid->ColWidths(c);
        if (X < right) return c;
    }
    return -1;
}

namespace {

// The raised frame of the preview styles: light along the top and left,
// shadow along the bottom and right.
void RaisedFrame(plat::TCanvas& Canvas, plat::TRect R) {
    Canvas.Pen().SetWidth(1);
    Canvas.Pen().SetColor(plat::clWhite);
    Canvas.MoveTo(R.Left, R.Bottom - 1);
    Canvas.LineTo(R.Left, R.Top);
    Canvas.LineTo(R.Right - 1, R.Top);
    Canvas.Pen().SetColor(plat::clGray);
    Canvas.LineTo(R.Right - 1, R.Bottom - 1);
    Canvas.LineTo(R.Left, R.Bottom - 1);
}

}  // namespace

// The footer row's cells go through the grid's own cell drawing, so that a
// total shows in the column's font, alignment, format and colours as any
// cell of the grid would; the bar adds its colour and the fixed lines.
void TFooterPanel::PaintCell(plat::TCanvas& Canvas, int ACol, int ARow, plat::TRect R, TGridDrawState State) {
    if (FGrid->OnFooterPaint) {
        FGrid->OnFooterPaint(this, ACol, Canvas, R);
        return;
    }
    const plat::TRect content{R.Left, R.Top, R.Right - 1, R.Bottom - 2};
    FGrid->DrawGridCell(Canvas, ACol, ARow, content, State);
    Canvas.Brush().SetStyle(plat::bsSolid);
    Canvas.Pen().SetStyle(plat::psSolid);
}

void TFooterPanel::Paint() {
    plat::TCanvas& canvas = Canvas();
    // The bar is laid out left to right below; a right-to-left grid's bar is
    // its mirror, rectangle by rectangle, with its text still readable.
    const bool mirrored = FGrid->UseRightToLeftAlignment();
    const auto MR = [&](plat::TRect r) {
        if (mirrored) r = {Width() - r.Right, r.Top, Width() - r.Left, r.Bottom};
        return r;
    };
    const auto MX = [&](int x) { return mirrored ? Width() - 1 - x : x; };
    const int row = FGrid->RowCount() - 1;
    int painted = 0;
    for (int c = 0; c < FGrid->FixedCols(); ++c) painted += FGrid->ColWidths(c);
    for (int c = FGrid->LeftCol(); c < FGrid->ColCount(); ++c) painted += FGrid->ColWidths(c);
    const int used = std::min(painted, Width());
    canvas.Brush().SetColor(FGrid->Color());
    canvas.FillRect({0, 0, Width(), Height()});
    canvas.Brush().SetColor(FFooter->Color());
    canvas.FillRect(MR({0, 0, used, Height()}));
    switch (FFooter->FooterStyle()) {
        case fsFixedLastRow: {
            const plat::TGridOptions opts = FGrid->Options();
            const bool horzLine = opts.Contains(plat::goFixedHorzLine);
            const bool vertLine = opts.Contains(plat::goFixedVertLine);
            const TGridLook look = FGrid->Look();
            const bool lightEdge = vertLine && !FGrid->Flat() && (look == glSoft || look == glKelo);
            int x = 0;
            const auto column = [&](int c, bool scrolled) {
                const int rc = FGrid->RealColIndex(c);
                const plat::TRect r{x, horzLine ? 1 : 0, x + FGrid->ColWidths(c), Height()};
                x = r.Right;
                if (!FGrid->IsBaseCell(rc, row)) return;
                plat::TRect cell = r;
                // A merged total covers the columns of its block.
                for (int k = 1; k <= FGrid->CellSpan(rc, row).X && c + k < FGrid->ColCount(); ++k)
                    cell.Right += FGrid->ColWidths(c + k);
                if (scrolled) {
                    plat::TBrush brush;
                    brush.SetColor(plat::clNone);
                    plat::TFont font;
                    if (FGrid->OnGetCellColor) {
                        TGridDrawState none;
                        FGrid->OnGetCellColor(FGrid, row, rc, none, brush, font);
                    }
                    const TColor own = FGrid->Colors(rc, row);
                    const TColor back = own != plat::clNone ? own : brush.Color();
                    if (back != plat::clNone) {
                        canvas.Brush().SetColor(back);
                        canvas.FillRect(MR(cell));
                    }
                }
                TGridDrawState fixed;
                fixed.Include(gdFixed);
                PaintCell(canvas, c, row, MR(cell), fixed);
                if (lightEdge) {
                    canvas.Pen().SetColor(plat::clWhite);
                    canvas.MoveTo(MX(r.Left), 0);
                    canvas.LineTo(MX(r.Left), Height());
                }
                if (horzLine) {
                    canvas.Pen().SetColor(FGrid->GridLineColor());
                    canvas.MoveTo(MX(r.Left), 0);
                    canvas.LineTo(MX(cell.Right), 0);
                }
                if (vertLine) {
                    canvas.Pen().SetColor(plat::clGray);
                    canvas.MoveTo(MX(cell.Right - 1), 0);
                    canvas.LineTo(MX(cell.Right - 1), Height());
                }
            };
            for (int c = 0; c < FGrid->FixedCols(); ++c) column(c, false);
            for (int c = std::max(FGrid->LeftCol(), FGrid->FixedCols()); c < FGrid->ColCount(); ++c) column(c, true);
            break;
        }
        case fsColumnPreview: {
            const plat::TRect r = MR({0, 0, used, Height()});
            RaisedFrame(canvas, r);
            const int c = FFooter->Column();
            if (FGrid->OnFooterPaint) FGrid->OnFooterPaint(this, c, canvas, r);
            else if (c >= 0 && c < FGrid->AllColCount() && FGrid->Row() < FGrid->RowCount())
                PaintCell(canvas, FGrid->DisplColIndex(c), FGrid->Row(), {r.Left + 2, 1, r.Right - 1, r.Bottom},
                          TGridDrawState{});
            break;
        }
        case fsCustomPreview: {
            RaisedFrame(canvas, MR({0, 0, used, Height()}));
            const int current = FGrid->Row();
            const std::string html = TFloatingFooter::ExpandTemplate(
                FFooter->CustomTemplate(), [&](int c) { return FGrid->Cells(c, current); });
            plat::TRect text = MR({2, 2, used - 2, Height()});
            canvas.Font().Assign(FGrid->Font());
            canvas.SetBkMode(plat::TRANSPARENT);
            canvas.DrawText(ctl::HtmlToPlainText(html), text,
                            mirrored ? plat::DT_SINGLELINE | plat::DT_RIGHT | plat::DT_RTLREADING : plat::DT_SINGLELINE);
            break;
        }
        case fsCustomPaint:
            if (FGrid->OnFooterPaint) FGrid->OnFooterPaint(this, FFooter->Column(), canvas, {0, 0, Width(), Height()});
            break;
    }
    if (FFooter->BorderColor() != plat::clNone) {
        canvas.Pen().SetColor(FFooter->BorderColor());
        canvas.MoveTo(MX(0), 0);
        canvas.LineTo(MX(painted), 0);
    }
}

void TFooterPanel::MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) {
    plat::TCustomControl::MouseUp(Button, Shift, X, Y);
    if (FGrid->OnClick) FGrid->OnClick(FGrid);
    if (FGrid->OnClickCell) FGrid->OnClickCell(FGrid, FGrid->RowCount() - 1, ColumnAt(X));
}

void TFooterPanel::MouseMove(plat::TShiftState Shift, int X, int Y) {
    plat::TCustomControl::MouseMove(Shift, X, Y);
    const int c = ColumnAt(X);
    if (c == FHintColumn) return;
    FHintColumn = c;
    std::string hint;
    if (c >= 0 && FGrid->OnGridHint) FGrid->OnGridHint(FGrid, FGrid->RowCount() - 1, c, hint);
    SetHint(hint);
}

}  // namespace grid
