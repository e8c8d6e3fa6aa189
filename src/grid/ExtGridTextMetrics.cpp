// Small measurements of cell text shared by painting, editing, autosizing,
// the exports and printing.

#include <cmath>

#include "grid/GridPrintRun.h"

namespace grid {

std::vector<std::string> SplitCellLines(const std::string& Text) {
    std::vector<std::string> lines;
    std::string cur;
    for (size_t i = 0; i < Text.size(); ++i) {
        const char ch = Text[i];
        if (ch == '\r' || ch == '\n') {
            lines.push_back(cur);
            cur.clear();
            if (ch == '\r' && i + 1 < Text.size() && Text[i + 1] == '\n') ++i;
        } else {
            cur += ch;
        }
    }
    lines.push_back(cur);
    return lines;
}

bool TExtStringGrid::XYOffsetTopLeftOnly() const { return Prn().XYOffsetTopLeftOnly; }

void TExtStringGrid::SetXYOffsetTopLeftOnly(bool Value) {
    Prn().XYOffsetTopLeftOnly = Value;
    Invalidate();
}

int TExtStringGrid::GetCellPaddingX() const {
    return XYOffsetTopLeftOnly() ? XYOffset().X : 2 * XYOffset().X;
}

int TExtStringGrid::GetCellPaddingY() const {
    return XYOffsetTopLeftOnly() ? XYOffset().Y : 2 * XYOffset().Y;
}

int TExtStringGrid::GetRowMaxLines(int ARow) {
    if (ColCount() == 0 || !Multilinecells()) return 1;
    int most = 1;
    for (int c = 0; c < ColCount(); ++c)
        most = std::max(most, static_cast<int>(SplitCellLines(Cells(RealColIndex(c), ARow)).size()));
    return most;
}

void TExtStringGrid::DrawRotatedCellText(plat::TCanvas& Canvas, plat::TRect& R, int Angle, TVAlignment VAlign,
                                         plat::TAlignment HAlign, const std::string& Text) {
    const plat::TSize ext = Canvas.TextExtent(Text);
    plat::InflateRect(R, -2, -2);
    const double a = Angle * M_PI / 180.0;
    const int d = static_cast<int>(std::lround(std::fabs(std::cos(a) * ext.cx)));
    const int c = static_cast<int>(std::lround(std::fabs(std::sin(a) * ext.cy)));
    const int b = static_cast<int>(std::lround(std::fabs(std::sin(a) * ext.cx)));
    const int e = static_cast<int>(std::lround(std::fabs(std::cos(a) * ext.cy)));
    const int L = R.Left, T = R.Top, Rt = R.Right, Bt = R.Bottom, W = Rt - L;
    const int deg = ((Angle % 360) + 360) % 360;
    // Quadrant columns: left, right, centre for x; top, centre, bottom for y.
    int x[3], y[3];
    if (deg <= 90) {
        x[0] = L; x[1] = Rt - d - c; x[2] = L + (W - c - d) / 2;
        y[0] = T + b; y[1] = T + b - (b + T + e - Bt) / 2; y[2] = Bt - e;
    } else if (deg <= 180) {
        x[0] = L + d; x[1] = Rt - c; x[2] = Rt - (c + W - d) / 2;
        y[0] = T + e + b; y[1] = T + e + b - (b + T + e - Bt) / 2; y[2] = Bt;
    } else if (deg > 270) {
        x[0] = L + c; x[1] = Rt - d; x[2] = L + (c + W - d) / 2;
        y[0] = T; y[1] = T - (b + T + e - Bt) / 2; y[2] = Bt - e - b;
    } else {
        x[0] = L + c + d; x[1] = Rt; x[2] = Rt - (W - c - d) / 2;
        y[0] = T + e; y[1] = T + e - (b + T + e - Bt) / 2; y[2] = Bt - b;
    }
    R.Left = x[HAlign == plat::taRightJustify ? 1 : HAlign == plat::taCenter ? 2 : 0];
    R.Top = y[VAlign == vtaCenter ? 1 : VAlign == vtaBottom ? 2 : 0];
}

void TExtStringGrid::InvalidateCellRect(const TGridRect& R) { RepaintRect(R); }

}  // namespace grid
