#include "grid/ExtGridPaint.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <map>
#include <memory>
#include <string>

#include "base/StrUtils.h"
#include "controls/EsgHTMLE.h"
#include "controls/ExtDraw.h"
#include "controls/ExtDrawBars.h"
#include "controls/ExtUtil.h"
#include "controls/HtmlText.h"
#include "grid/ExtCGrid.h"
#include "grid/ExtGridCellLook.h"
#include "grid/ExtGridView.h"
#include "platform/Bitmap.h"

namespace grid {

using plat::TCanvas;
using plat::TRect;

// ----------------------------------------------------------------- grid access
namespace {

bool InSelection(const TGridRect& S, int ACol, int ARow) {
    const int l = std::min(S.Left, S.Right), r = std::max(S.Left, S.Right);
    const int t = std::min(S.Top, S.Bottom), b = std::max(S.Top, S.Bottom);
    return ACol >= l && ACol <= r && ARow >= t && ARow <= b;
}

// Glyph bitmaps are read once per process.
const plat::TBitmap* Glyph(const char* Name) {
    static std::map<std::string, std::unique_ptr<plat::TBitmap>> cache;
    auto it = cache.find(Name);
    if (it == cache.end()) {
        auto bmp = std::make_unique<plat::TBitmap>();
        if (!bmp->LoadFromResource(std::string("glyphs/") + Name + ".bmp")) bmp.reset();
        if (bmp) {
            bmp->SetTransparent(true);
            bmp->SetTransparentMode(plat::tmAuto);
        }
        it = cache.emplace(Name, std::move(bmp)).first;
    }
    return it->second.get();
}

}  // namespace

TExtGridPainter::TExtGridPainter(TExtStringGrid& AGrid) : FGrid(AGrid) { FLook = LookOfGrid(AGrid); }

void TExtGridPainter::SetLook(TGridLook Value) {
    // The grid's own properties may have been set one by one since the
    // last preset: start from them, or the preset would write old values
    // back into the colours it does not touch.
    ReadGridLook(FGrid, FLook);
    grid::SetLook(FLook, Value);
    ApplyLookToGrid(FLook, FGrid);
    FGrid.Invalidate();
}

void TExtGridPainter::SetStyle(TExtGridStyle Value) {
    ReadGridLook(FGrid, FLook);
    grid::SetStyle(FLook, Value);
    ApplyLookToGrid(FLook, FGrid);
    FGrid.Invalidate();
}

// ----------------------------------------------------------------- the pass
void TExtGridPainter::Paint(TCanvas& Canvas) {
    FPainted = 0;
    const int width = FGrid.Width(), height = FGrid.Height();
    Canvas.Brush().SetColor(FGrid.Color());
    Canvas.FillRect({0, 0, width, height});
    const int fixedCols = FGrid.FixedCols(), fixedRows = FGrid.FixedRows();
    const TGridRect sel = FGrid.Selection();
    // Columns and rows in screen order: the fixed ones, then from the
    // top-left cell until the client area ends.
    std::vector<std::pair<int, int>> cols, rows;  // index, position
    int x = 0;
    for (int c = 0; c < fixedCols && x < width; x += FGrid.ColWidths(c), ++c) cols.emplace_back(c, x);
    for (int c = std::max(FGrid.LeftCol(), fixedCols); c < FGrid.ColCount() && x < width; x += FGrid.ColWidths(c), ++c)
        cols.emplace_back(c, x);
    int y = 0;
    for (int r = 0; r < fixedRows && y < height; y += FGrid.RowHeights(r), ++r) rows.emplace_back(r, y);
    for (int r = std::max(FGrid.TopRow(), fixedRows); r < FGrid.RowCount() && y < height; y += FGrid.RowHeights(r), ++r)
        rows.emplace_back(r, y);
    for (const auto& [r, top] : rows) {
        for (const auto& [c, left] : cols) {
            TGridDrawState state;
            if (c < fixedCols || r < fixedRows) state.Include(gdFixed);
            else if (InSelection(sel, c, r)) state.Include(gdSelected);
            if (c == FGrid.Col() && r == FGrid.Row()) state.Include(gdFocused);
            const TRect cell{left, top, left + FGrid.ColWidths(c), top + FGrid.RowHeights(r)};
            FGrid.PaintCell(Canvas, c, r, FGrid.MirrorRect(cell), state);
            ++FPainted;
        }
    }
}

// ----------------------------------------------------------------- visual properties
void TExtGridPainter::VisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Select,
                                       plat::TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor,
                                       TColor& AMirrorColorTo, plat::TFont& AFont, plat::TAlignment& HA,
                                       TVAlignment& VA, bool& WW, TCellGradientDirection& GD) {
    FGrid.CellVisualProperties(ACol, ARow, AState, false, Select, true, ABrush, AColorTo, AMirrorColor,
                               AMirrorColorTo, AFont, HA, VA, WW, GD);
}

void TExtGridPainter::DrawGridCell(TCanvas& Canvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) {
    TExtStringGrid& g = FGrid;
    const int rcol = g.RealColIndex(ACol);
    TCellLook L;
    plat::TBrush brush;
    bool ww = g.WordWrap();
    TCellGradientDirection gd = GradientVertical;
    TGridDrawState state = AState;
    VisualProperties(ACol, ARow, state, false, brush, L.ColorTo, L.MirrorColor, L.MirrorColorTo, Canvas.Font(), L.HA,
                     L.VA, ww, gd);
    L.WW = ww;
    L.Brush = brush.Color();
    const bool selected = AState.Contains(gdSelected) && !AState.Contains(gdFixed) && g.ShowSelection();
    if (selected && g.SelectionTextColor() != plat::clNone) Canvas.Font().SetColor(g.SelectionTextColor());
    Canvas.Font().SetSize(Canvas.Font().Size() + g.ZoomFactor());
    TRect r = ARect;

    const bool fixedLook = g.IsFixed(ACol, ARow) || ACol < g.FixedCols() || ARow < g.FixedRows();
    if (fixedLook) DrawFixedFace(Canvas, ACol, ARow, r, L);
    g.DrawRowIndicator(Canvas, ACol, ARow, r);

    // Modified rows carry a bar at the right of column 0.
    if (ACol == 0 && g.ShowModified().Enabled() && g.GetRowModified(g.RealRowIndex(ARow))) {
        Canvas.Brush().SetColor(g.ShowModified().Color());
        Canvas.FillRect({r.Right - 4, r.Top, r.Right, r.Bottom});
    }
    if (g.OnCustomCellBkgDraw) g.OnCustomCellBkgDraw(&g, Canvas, rcol, ARow, AState, r, false);
    g.DrawEditorButtons(Canvas, ACol, ARow, r);
    const int scrolled = g.DrawCellScrollBar(Canvas, ACol, ARow, r);

    TCellGraphic* graphic = g.GetCellGraphic(rcol, ARow);
    const TCellType kind = graphic ? graphic->CellType() : ctNone;
    const bool checkKind = kind == ctCheckBox || kind == ctDataCheckBox || kind == ctVirtCheckBox ||
                           kind == ctRowCheckBox || kind == ctTriStateCheckBox;
    // Data check boxes show their state, not their "Y"/"N" text.
    bool textBeside = g.GraphicTextBeside(rcol, ARow);
    if (graphic && kind != ctEmpty && g.NoImageAndText()) textBeside = false;
    if ((g.OnDrawCell || g.OnCustomCellDraw) && g.NoDefaultDraw()) textBeside = false;
    const bool fixedCell = g.IsFixed(ACol, ARow);
    DrawCellBackGround(Canvas, ACol, rcol, ARow, r, fixedCell || fixedLook, selected, kind);
    if (!fixedCell) DrawSelectionFrame(Canvas, ACol, ARow, r);
    int textWidth = 0;
    if (textBeside && scrolled > 0) {
        // The text scrolled by the cell's bar moves up inside the cell.
        Canvas.SaveState();
        Canvas.IntersectClipRect(r);
        textWidth = DrawCellText(Canvas, rcol, ARow, {r.Left, r.Top - scrolled, r.Right, r.Bottom}, L);
        Canvas.RestoreState();
    } else if (textBeside) {
        textWidth = DrawCellText(Canvas, rcol, ARow, r, L);
    }
    if (fixedLook) g.DrawHeaderGlyphs(Canvas, ACol, ARow, r, L.HA, L.VA, textWidth);

    DrawFixedEdges(Canvas, ACol, ARow, r, fixedLook);
    g.DrawPushedFixedCell(Canvas, ACol, ARow, ARect);
    g.DrawCellBorders(Canvas, rcol, ARow, ARect);

    if (checkKind) {
        TRect box = r;
        if (fixedLook) box.Top += 1;
        DrawCheckCell(Canvas, rcol, ARow, box, L, kind, graphic, textWidth);
    }
    if (graphic && !checkKind) g.DrawCellContent(Canvas, rcol, ARow, r, AState, L.HA, L.VA, textWidth);

    if (g.OnDrawCell) {
        const TRect inner{r.Left + 1, r.Top + 1, r.Right - g.GridLineWidth(), r.Bottom - g.GridLineWidth()};
        g.OnDrawCell(&g, rcol, ARow, inner, AState);
    }
    if (g.OnCustomCellDraw) g.OnCustomCellDraw(&g, Canvas, rcol, ARow, AState, r, false);

    // Focus rectangle on the current cell of a focused grid.
    const TGridOptions opts = g.Options();
    if (!g.HideFocusRect() && AState.Contains(gdFocused) && g.Focused() && !opts.Contains(goRowSelect) &&
        g.Row() >= g.FixedRows() && g.Col() >= g.FixedCols()) {
        TRect f = ARect;
        plat::InflateRect(f, g.GridLineWidth() - 1, g.GridLineWidth() - 1);
        f.Right -= 1;
        f.Bottom -= 1;
        Canvas.DrawFocusRect(f);
    }
}

// ----------------------------------------------------------------- fixed cells
void TExtGridPainter::DrawFixedFace(TCanvas& Canvas, int ACol, int ARow, TRect& R, const TCellLook& L) {
    const TGridLook look = FGrid.Look();
    if (!(look == glKelo || look == glBevel || look == glFrost || look == glGlass || look == glSuiteB)) return;
    TExtStringGrid& g = FGrid;
    auto face = [&](const TRect& r, const TFaceColors& f, bool frame) {
        ctl::PaintCellBackground(Canvas, r, f.From, f.To, f.MirrorFrom, f.MirrorTo, true, f.Border, !frame, true);
    };
    const TExtStringGrid::TFixedCellHover h = g.FixedCellHover();
    if (h.Col == ACol && h.Row == ARow && g.HoverFixedCellAllowed(ACol, ARow)) {
        R.Bottom += 1;
        if (!h.Pressed) {
            face(R, FLook.Hover, true);
        } else if (h.DropDown) {
            // The drop-down part and the rest of a header with a drop-down
            // button are pressed apart.
            const TRect rest{R.Left, R.Top, R.Right - 16, R.Bottom};
            const TRect button{R.Right - 16, R.Top, R.Right, R.Bottom};
            face(rest, h.DropDownPressed ? FLook.Hover : FLook.Down, true);
            face(button, h.DropDownPressed ? FLook.Down : FLook.Hover, true);
        } else {
            face(R, FLook.Down, true);
        }
        if (h.DropDown) {
            Canvas.Pen().SetColor(h.Pressed ? FLook.Down.Border : FLook.Hover.Border);
            Canvas.MoveTo(R.Right - 16, R.Top);
            Canvas.LineTo(R.Right - 16, R.Bottom);
            ctl::DrawDownTriangle(Canvas, R.Right - 8, R.Top + 8, plat::clBlack);
            R.Right -= 16;
        }
        return;
    }
    const bool activeHeader =
        g.ActiveCellShow() && ((ARow == g.Row() && ACol == g.FixedCols() - 1 && g.FixedCols() > 0) ||
                               (ACol == g.Col() && ARow == g.FixedRows() - 1 && g.FixedRows() > 0));
    TColor sortFrom, sortTo, sortMirror, sortMirrorTo;
    if (activeHeader) {
        ctl::PaintCellBackground(Canvas, R, g.ActiveCellColor(), g.ActiveCellColorTo(), plat::clNone,
                                 plat::clNone, true, plat::clNone, false, true);
    } else if (g.SortedHeaderFace(ACol, ARow, sortFrom, sortTo, sortMirror, sortMirrorTo)) {
        ctl::PaintCellBackground(Canvas, R, sortFrom, sortTo, sortMirror, sortMirrorTo, true, plat::clNone, true,
                                 true);
    } else if (!g.Flat()) {
        ctl::PaintCellBackground(Canvas, R, L.Brush, L.ColorTo, L.MirrorColor, L.MirrorColorTo, true,
                                 look == glFrost ? plat::clWhite : plat::clNone, true, true);
    }
}

void TExtGridPainter::DrawFixedEdges(TCanvas& Canvas, int ACol, int ARow, TRect R, bool FixedLook) {
    TExtStringGrid& g = FGrid;
    const TGridLook look = g.Look();
    const TGridOptions opts = g.Options();
    // Our controls have no 3-D frame of their own: a grid that is not flat
    // counts as three-dimensional.
    const bool ctl3D = !g.Flat();
    auto line = [&](int x1, int y1, int x2, int y2) {
        Canvas.MoveTo(x1, y1);
        Canvas.LineTo(x2, y2);
    };
    auto outerLines = [&](TRect r) {
        if (opts.Contains(goFixedHorzLine)) {
            line(r.Left - 1, r.Top - 1, r.Right + 1, r.Top - 1);
            line(r.Left - 1, r.Bottom + 1, r.Right + 1, r.Bottom + 1);
        }
        if (opts.Contains(goFixedVertLine)) {
            line(r.Left - 1, r.Top - 1, r.Left - 1, r.Bottom + 1);
            line(r.Right + 1, r.Top - 1, r.Right + 1, r.Bottom + 1);
        }
    };
    const TColor half = ctl::HalveColor(plat::ColorToRGB(g.FixedColor()));
    if (FixedLook && !g.Flat()) {
        switch (look) {
            case glClassic: {
                TRect e = R;
                e.Top += 1;
                e.Bottom += 1;
                e.Left += 1;
                TRect inner = e;
                Canvas.DrawEdge(inner, plat::BDR_RAISEDINNER, plat::BF_TOPLEFT);
                TRect outer = e;
                Canvas.DrawEdge(outer, plat::EDGE_RAISED, plat::BF_BOTTOMRIGHT);
                Canvas.Pen().SetColor(plat::clBlack);
                line(e.Right - 1, e.Top, e.Right - 1, e.Bottom - 1);
                Canvas.LineTo(e.Left - 1, e.Bottom - 1);
                break;
            }
            case glKelo:
            case glBevel: {
                R.Bottom += 1;
                if (!opts.Contains(goFixedHorzLine)) break;
                Canvas.Pen().SetColor(half);
                line(R.Left, R.Bottom - 1, R.Right - 1, R.Bottom - 1);
                Canvas.Pen().SetColor(plat::clWhite);
                line(R.Right - 2, R.Top + 1, R.Left + 1, R.Top + 1);
                Canvas.LineTo(R.Left + 1, R.Bottom - 1);
                break;
            }
            case glSoft: {
                if (ctl3D) {
                    R.Right += 1;
                    R.Bottom += 1;
                    if (opts.Contains(goFixedHorzLine)) {
                        Canvas.Pen().SetColor(half);
                        line(R.Left, R.Bottom - 1, R.Right, R.Bottom - 1);
                        Canvas.Pen().SetColor(plat::clWhite);
                        line(R.Right, R.Top + 1, R.Left + 1, R.Top + 1);
                        Canvas.LineTo(R.Left + 1, R.Bottom - 1);
                    }
                    if (opts.Contains(goFixedVertLine)) {
                        Canvas.Pen().SetColor(half);
                        line(R.Right - 2, R.Top, R.Right - 2, R.Bottom - 1);
                        Canvas.Pen().SetColor(plat::clWhite);
                        line(R.Right - 1, R.Top, R.Right - 1, R.Bottom - 1);
                    }
                } else {
                    Canvas.Pen().SetColor(plat::clBlack);
                    Canvas.Pen().SetWidth(1);
                    outerLines(R);
                }
                break;
            }
            default:
                break;
        }
    }
    // The last fixed columns at the right stand apart by an outer frame.
    const int firstRightFixed = g.ColCount() + g.NumHiddenColumns() - g.FixedRightCols();
    if (g.FixedRightCols() > 0 && g.RealColIndex(ACol) >= firstRightFixed && look != glClassic && !ctl3D) {
        Canvas.Pen().SetColor(g.Flat() ? plat::clGray : plat::clBlack);
        Canvas.Pen().SetWidth(1);
        outerLines(R);
    }
    (void)ARow;
}

// ----------------------------------------------------------------- background and selection frame
namespace {

bool ChosenCells(TBackGroundCells Cells, bool Fixed) {
    return Cells == bcAll || (Fixed ? Cells == bcFixed : Cells == bcNormal);
}

// Draws the part of Picture placed at Origin that meets Area.
void DrawPictureAt(TCanvas& Canvas, const plat::TBitmap& Picture, plat::TPoint Origin, const TRect& Area) {
    Canvas.SaveState();
    Canvas.IntersectClipRect(Area);
    Canvas.Draw(Origin.X, Origin.Y, Picture);
    Canvas.RestoreState();
}

// Tiles Picture over Area, the first tile starting Offset into the picture.
void TilePicture(TCanvas& Canvas, const plat::TBitmap& Picture, plat::TPoint Offset, const TRect& Area) {
    const int pw = Picture.Width(), ph = Picture.Height();
    if (pw <= 0 || ph <= 0) return;
    Canvas.SaveState();
    Canvas.IntersectClipRect(Area);
    for (int y = Area.Top - Offset.Y % ph; y < Area.Bottom; y += ph)
        for (int x = Area.Left - Offset.X % pw; x < Area.Right; x += pw) Canvas.Draw(x, y, Picture);
    Canvas.RestoreState();
}

}  // namespace

void TExtGridPainter::DrawCellBackGround(TCanvas& Canvas, int ACol, int RCol, int ARow, TRect R, bool Fixed,
                                         bool Selected, TCellType Kind) {
    TExtStringGrid& g = FGrid;
    TBackGround& bg = g.BackGround();
    if (!ChosenCells(bg.Cells(), Fixed)) return;
    const bool ownColour = g.Colors(RCol, ARow) != plat::clNone;
    const int lw = g.GridLineWidth();
    if (!bg.Bitmap().Empty() && !ownColour && !(g.ShowSelection() && Selected)) {
        const TRect area{R.Left - (lw - 1), R.Top - (lw - 1), R.Right, R.Bottom};
        if (bg.Display() != bdTile) {
            DrawPictureAt(Canvas, bg.Bitmap(), {bg.Left(), bg.Top()}, area);
        } else {
            // The tiles run on from the first chosen cell across the grid.
            const int c0 = bg.Cells() == bcNormal ? g.FixedCols() : 0;
            const int r0 = bg.Cells() == bcNormal ? g.FixedRows() : 0;
            int dx = 0, dy = 0;
            for (int c = c0; c < ACol; ++c) dx += g.ColWidths(c);
            for (int r = r0; r < ARow; ++r) dy += g.RowHeights(r);
            TilePicture(Canvas, bg.Bitmap(), {dx, dy}, {R.Left - 1, R.Top - 1, R.Right, R.Bottom});
        }
    }
    const bool gradient = bg.Display() == bdGradientHorz || bg.Display() == bdGradientVert;
    const bool checkLike = Kind == ctCheckBox || Kind == ctDataCheckBox || Kind == ctRadio || Kind == ctButton ||
                           Kind == ctRadioButton;
    if (gradient && (!ownColour || checkLike) && !(g.ShowSelection() && Selected)) {
        const TRect area{R.Left - 1, R.Top - lw, R.Right, R.Bottom + lw - 1};
        const bool horz = bg.Display() == bdGradientHorz;
        const int span = horz ? g.Width() : g.Height();
        const TColor to = bg.ColorTo() == plat::clNone ? bg.Color() : bg.ColorTo();
        const TColor from = ctl::InterpolateColor(bg.Color(), to, 0, span, horz ? area.Left : area.Top);
        const TColor until = ctl::InterpolateColor(bg.Color(), to, 0, span, horz ? area.Right : area.Bottom);
        ctl::FillGradientRect(Canvas, from, until, 128, area, horz);
    }
}

void TExtGridPainter::DrawSelectionFrame(TCanvas& Canvas, int ACol, int ARow, TRect R) {
    TExtStringGrid& g = FGrid;
    if (!g.SelectionRectangle()) return;
    TGridRect sel = g.Selection();
    if (g.IsMergedCell(sel.Left, sel.Top)) {
        const plat::TPoint b = g.BaseCell(sel.Left, sel.Top);
        sel = {b.X, b.Y, b.X, b.Y};
    }
    const int left = std::min(sel.Left, sel.Right), right = std::max(sel.Left, sel.Right);
    const int top = std::min(sel.Top, sel.Bottom), bottom = std::max(sel.Top, sel.Bottom);
    if (ACol < left || ACol > right || ARow < top || ARow > bottom) return;
    const int lw = g.GridLineWidth();
    const plat::TPen saved = Canvas.Pen();
    Canvas.Pen().SetColor(g.SelectionRectangleColor());
    Canvas.Pen().SetWidth(2);
    Canvas.Pen().SetStyle(plat::psSolid);
    auto line = [&](int x1, int y1, int x2, int y2) {
        Canvas.MoveTo(x1, y1);
        Canvas.LineTo(x2, y2);
    };
    const int rightEnd = ACol == right ? R.Right - 1 : R.Right;
    if (ACol == left) line(R.Left - lw + 1, R.Bottom, R.Left - lw + 1, R.Top - lw);
    if (ACol == right) line(R.Right - 1, R.Bottom, R.Right - 1, R.Top - lw);
    if (ARow == top) line(R.Left - lw, R.Top - lw + 1, rightEnd, R.Top - lw + 1);
    if (ARow == bottom) line(R.Left - lw, R.Bottom, rightEnd, R.Bottom);
    if (g.SelectionResizer() && ACol == right && ARow == bottom) {
        Canvas.Brush().SetColor(g.SelectionRectangleColor());
        // At the corner the pointer takes it by: bottom-left when mirrored.
        const int x = g.UseRightToLeftAlignment() ? R.Left + 3 : R.Right;
        Canvas.FillRect({x - 4, R.Bottom - 4, x + 1, R.Bottom + 1});
    }
    Canvas.SetPen(saved);
}

void TExtGridPainter::PaintBackgroundOutside(TCanvas& Canvas) {
    TExtStringGrid& g = FGrid;
    TBackGround& bg = g.BackGround();
    const bool gradient = bg.Display() == bdGradientHorz || bg.Display() == bdGradientVert;
    if (gradient && bg.ColorTo() == plat::clNone && bg.Bitmap().Empty()) return;
    const int lw = g.GridLineWidth();
    TRect client{0, 0, g.ClientWidth(), g.ClientHeight()};
    if (g.SearchFooter().Visible()) client.Bottom -= 32;
    // The right edge of the last column and the bottom of the last row,
    // when they are in view (summed only that far).
    int right = g.FixedColsWidth();
    for (int c = g.LeftCol(); c < g.ColCount() && right <= client.Right; ++c) right += g.ColWidths(c);
    int bottom = g.FixedRowsHeight();
    for (int r = g.TopRow(); r < g.RowCount() && bottom <= client.Bottom; ++r) bottom += g.RowHeights(r);
    std::vector<TRect> areas;
    if (right + lw < client.Right) areas.push_back({right + lw, client.Top, client.Right, client.Bottom});
    if (bottom + lw < client.Bottom) areas.push_back({client.Left, bottom + lw, std::min(right + lw, client.Right),
                                                      client.Bottom});
    // A mirrored grid leaves its empty area at the left.
    for (TRect& area : areas) area = g.MirrorRect(area);
    for (const TRect& area : areas) {
        Canvas.SaveState();
        Canvas.IntersectClipRect(area);
        if (bg.Bitmap().Empty()) {
            ctl::FillGradientRect(Canvas, bg.Color(), bg.ColorTo(), 128, client, bg.Display() == bdGradientHorz);
        } else if (bg.Display() != bdTile) {
            DrawPictureAt(Canvas, bg.Bitmap(), {bg.Left(), bg.Top()}, area);
        } else if (bg.Cells() != bcFixed) {
            const plat::TPoint start = bg.Cells() == bcNormal
                                           ? plat::TPoint{g.FixedColsWidth(), g.FixedRowsHeight()}
                                           : plat::TPoint{0, 0};
            const plat::TPoint off = g.XYOffset();
            const TRect from{start.X + off.X, start.Y + off.Y, client.Right, client.Bottom};
            // Tiles line up with those drawn in the cells: the offset into
            // the picture is the distance from the tiles' origin.
            const int pw = std::max(1, bg.Bitmap().Width()), ph = std::max(1, bg.Bitmap().Height());
            const int ox = ((area.Left - from.Left) % pw + pw) % pw, oy = ((area.Top - from.Top) % ph + ph) % ph;
            TilePicture(Canvas, bg.Bitmap(), {ox, oy}, area);
        }
        Canvas.RestoreState();
    }
}

// ----------------------------------------------------------------- text
int TExtGridPainter::DrawCellText(TCanvas& Canvas, int RCol, int ARow, TRect R, const TCellLook& L) {
    TExtStringGrid& g = FGrid;
    std::string text = g.GetFormattedCell(RCol, ARow);
    if (text.empty()) return 0;
    bool password = false;
    g.IsPasswordCell(RCol, ARow, password);
    if (password) {
        const std::string& ch = g.PasswordChar();
        std::string masked;
        for (size_t i = 0; i < text.size(); ++i)
            if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) masked += ch;
        text = masked;
    }
    const plat::TPoint off = g.XYOffset();
    R.Left += off.X;
    R.Top += off.Y;
    if (!g.XYOffsetTopLeftOnly()) R.Right -= off.X;

    if (ctl::GetCellTextKind(text, g.EnableHTML()) == ctl::ctkHtml) {
        ctl::THtmlRenderArgs args;
        args.URLColor = g.URLColor();
        args.BiDiMode = g.UseRightToLeftAlignment() ? 1 : g.UseRightToLeftReading() ? 2 : 0;
        ctl::THtmlRenderResult result;
        TRect hr = R;
        hr.Left -= 1;
        ctl::RenderHtmlText(Canvas, text, hr, args, result);
        return result.XSize + 2;
    }

    unsigned flags = plat::DT_EDITCONTROL | plat::DT_EXPANDTABS | plat::DT_NOPREFIX;
    if (L.WW) {
        flags |= plat::DT_WORDBREAK;
    } else {
        // Without word wrap a cell shows one line: its first.
        const size_t cut = text.find_first_of("\r\n");
        if (cut != std::string::npos) text.resize(cut);
        flags |= plat::DT_SINGLELINE;
        if (g.EnhTextSize()) flags |= plat::DT_END_ELLIPSIS;
    }
    // A mirrored grid reads from the right: a column's leading side, where
    // left-aligned text starts, is the cell's right side.
    const bool mirrored = g.UseRightToLeftAlignment();
    switch (L.HA) {
        case plat::taRightJustify: flags |= mirrored ? 0u : plat::DT_RIGHT; break;
        case plat::taCenter: flags |= plat::DT_CENTER; break;
        default: flags |= mirrored ? plat::DT_RIGHT : 0u; break;
    }
    if (g.UseRightToLeftReading()) flags |= plat::DT_RTLREADING;
    switch (L.VA) {
        case vtaCenter: flags |= plat::DT_VCENTER; break;
        case vtaBottom: flags |= plat::DT_BOTTOM; break;
        default: break;
    }
    Canvas.SetBkMode(plat::TRANSPARENT);
    // A link shows underlined in the link colour, by default without its
    // protocol part.
    const bool link = g.URLShow() && ctl::IsUrlText(text);
    if (link) {
        if (!g.URLFull()) text = ctl::StripUrlProtocol(text);
        if (g.LinkUnderlined(RCol, ARow))
            Canvas.Font().SetStyle(Canvas.Font().Style() + plat::TFontStyles{plat::fsUnderline});
        Canvas.Font().SetColor(g.URLColor());
    }
    TRect measure = R;
    Canvas.DrawText(text, measure, flags | plat::DT_CALCRECT);
    // The text layer places single lines only; wrapped lines are placed
    // here by their measured height.
    if ((flags & plat::DT_WORDBREAK) && L.VA != vtaTop && measure.Height() < R.Height())
        R.Top += L.VA == vtaCenter ? (R.Height() - measure.Height()) / 2 : R.Height() - measure.Height();
    Canvas.SaveState();
    Canvas.IntersectClipRect(R);
    Canvas.DrawText(text, R, flags);
    Canvas.RestoreState();
    int errPos = 0, errLen = 0;
    g.GetMarker(RCol, ARow, errPos, errLen);
    const TCellType kind = g.GetCellType(RCol, ARow);
    if (errLen > 0 && (kind == ctEmpty || kind == ctValue || kind == ctNone))
        ctl::DrawErrorUnderline(Canvas, text, R, Canvas.TextHeight("hg"), errLen, errPos);
    if (link) Canvas.Font().SetStyle(Canvas.Font().Style() - plat::TFontStyles{plat::fsUnderline});
    return measure.Width() + 2;
}

// ----------------------------------------------------------------- check boxes
const char* TExtGridPainter::CheckGlyphName(TControlStyle Style, bool Checked, bool Enabled) {
    static const char* const kWinXP[2][2] = {{"ESGCHK08", "ESGCHK06"}, {"ESGCHK07", "ESGCHK05"}};
    static const char* const kKelo[2][2] = {{"ESGCHK04", "ESGCHK02"}, {"ESGCHK03", "ESGCHK01"}};
    if (Style == csWinXP) return kWinXP[Checked][Enabled];
    if (Style == csKelo) return kKelo[Checked][Enabled];
    return "";
}

void TExtGridPainter::DrawCheckGlyph(TCanvas& Canvas, TRect Box, bool Checked, bool Enabled, bool Mixed,
                                     TControlStyle Style) {
    const TControlLook& cl = FGrid.ControlLook();
    const bool e = Enabled || cl.CheckAlwaysActive() || cl.NoDisabledCheckRadioLook();
    // Our platform has no visual-styles library: the themed style draws
    // the classic framed box, as the original does without one.
    if (Style == csTheme) Style = csClassic;
    const int s = cl.CheckSize();
    switch (Style) {
        case csWinXP:
        case csKelo: {
            // A mixed box has no bitmap: it shows unchecked.
            if (const plat::TBitmap* bmp = Glyph(CheckGlyphName(Style, Checked && !Mixed, e)))
                Canvas.Draw(Box.Left, Box.Top, *bmp);
            break;
        }
        case csClassic:
        case csFlat: {
            TRect r = plat::Bounds(Box.Left + (Box.Width() - s) / 2, Box.Top + (Box.Height() - s) / 2, s, s);
            unsigned state = plat::DFCS_BUTTONCHECK;
            if (Checked) state |= plat::DFCS_CHECKED;
            if (Mixed) state |= plat::DFCS_BUTTON3STATE | plat::DFCS_CHECKED;
            if (Style == csFlat) state |= plat::DFCS_FLAT;
            if (!e) state |= plat::DFCS_INACTIVE;
            Canvas.DrawFrameControl(r, plat::DFC_BUTTON, state);
            break;
        }
        case csBorland: {
            Canvas.Brush().SetColor(e ? plat::clBtnFace : plat::clBtnShadow);
            Canvas.Pen().SetColor(plat::clBtnFace);
            Canvas.Rectangle(Box.Left, Box.Top, Box.Left + s, Box.Top + s);
            Canvas.Pen().SetColor(plat::clBtnHighlight);
            Canvas.MoveTo(Box.Left, Box.Top + s - 1);
            Canvas.LineTo(Box.Left, Box.Top);
            Canvas.LineTo(Box.Left + s - 1, Box.Top);
            Canvas.Pen().SetColor(plat::clBtnShadow);
            Canvas.LineTo(Box.Left + s - 1, Box.Top + s - 1);
            Canvas.LineTo(Box.Left, Box.Top + s - 1);
            if (Checked) {
                const int T = Box.Top, B = Box.Top + s, L = Box.Left, R = Box.Left + s;
                Canvas.Pen().SetColor(e ? cl.Color() : plat::clGray);
                Canvas.MoveTo(L + 2, T + s / 2);
                Canvas.LineTo(L + 2, B - 2);
                Canvas.MoveTo(L + 3, T - 1 + s / 2);
                Canvas.LineTo(L + 3, B - 3);
                Canvas.MoveTo(L + 2, B - 2);
                Canvas.LineTo(R - 2, T + 2);
                Canvas.MoveTo(L + 3, B - 2);
                Canvas.LineTo(R - 1, T + 2);
            }
            break;
        }
        case csGlyph: {
            const plat::TBitmap& bmp = Checked ? cl.CheckedGlyph() : cl.UnCheckedGlyph();
            if (!bmp.Empty()) {
                plat::TBitmap glyph(bmp);
                glyph.SetTransparent(true);
                Canvas.Draw(Box.Left, Box.Top, glyph);
            }
            break;
        }
        default:
            break;
    }
}

void TExtGridPainter::DrawCheckCell(TCanvas& Canvas, int RCol, int ARow, TRect R, const TCellLook& L,
                                    TCellType Kind, const TCellGraphic* Graphic, int TextWidth) {
    TExtStringGrid& g = FGrid;
    const plat::TPoint off = g.XYOffset();
    plat::InflateRect(R, 1 - off.X, 1 - off.Y);
    const int size = g.ControlLook().ControlStyle() == csWinXP   ? 16
                     : g.ControlLook().ControlStyle() == csKelo ? 20
                                                                 : g.ControlLook().CheckSize();
    // A box with a caption stands beside it: left of right-aligned text,
    // before centred text; a data box has no caption and takes the edge.
    const bool dataKind = Kind == ctDataCheckBox || Kind == ctVirtCheckBox || Kind == ctRowCheckBox;
    const int tw = dataKind ? 0 : std::max(0, TextWidth);
    int x0 = R.Left + 1;
    if (L.HA == plat::taRightJustify) x0 = R.Right - tw - size - 1;
    else if (L.HA == plat::taCenter)
        x0 = tw == 0 ? R.Left + std::max(0, R.Width() - size) / 2 : R.Left + std::max(0, R.Width() - tw) / 2 - size;
    x0 = std::max(x0, R.Left + 1);
    // Beside the text on the column's leading side: the right in a mirrored grid.
    if (g.UseRightToLeftAlignment()) x0 = R.Left + R.Right - x0 - size;
    int y0 = R.Top + 1;
    if (L.VA == vtaCenter) y0 = size <= R.Height() ? R.Top + (R.Height() - size) / 2 : R.Top + 1;
    else if (L.VA == vtaBottom) y0 = R.Bottom - 1 - size;
    bool enabled = true;
    g.CanEditCell(RCol, ARow, enabled);
    bool checked = false, mixed = false;
    if (Kind == ctDataCheckBox || Kind == ctVirtCheckBox) {
        std::string yes = g.CheckTrue();
        g.GetCheckTrue(RCol, ARow, yes);
        checked = g.Cells(RCol, ARow) == yes;  // exact: "y" or "Yes" is not checked
    } else if (Kind == ctTriStateCheckBox) {
        checked = Graphic->CellCheckBoxState() == cbChecked;
        mixed = Graphic->CellCheckBoxState() == cbGrayed;
    } else {
        checked = Graphic->CellBoolean();
        // Only the row check boxes use the angle for "some rows selected";
        // on a plain check box it marks an attached balloon.
        mixed = Kind == ctRowCheckBox && Graphic->CellAngle() > 0;
    }
    DrawCheckGlyph(Canvas, plat::Bounds(x0, y0, size, size), checked, enabled, mixed, g.ControlLook().ControlStyle());
}

// ----------------------------------------------------------------- sizing lines
// Black combined by XOR leaves every pixel as it was: the line would never
// show. White inverts what lies under it, and a second pass restores it.
void TExtGridPainter::DrawColSizeLine(TCanvas& Canvas, int X) {
    const plat::TPen saved = Canvas.Pen();
    Canvas.Pen().SetColor(plat::clWhite);
    Canvas.Pen().SetStyle(plat::psDot);
    Canvas.Pen().SetMode(plat::pmXor);
    Canvas.Pen().SetWidth(1);
    const int last = FGrid.RowCount() - 1;
    const int bottom = std::max(FGrid.Height(), last >= 0 ? FGrid.CellRect(0, last).Bottom : 0);
    Canvas.MoveTo(X, 0);
    Canvas.LineTo(X, bottom);
    Canvas.SetPen(saved);
}

void TExtGridPainter::DrawRowSizeLine(TCanvas& Canvas, int Y) {
    const plat::TPen saved = Canvas.Pen();
    Canvas.Pen().SetColor(plat::clWhite);
    Canvas.Pen().SetStyle(plat::psDot);
    Canvas.Pen().SetMode(plat::pmXor);
    Canvas.Pen().SetWidth(1);
    const int last = FGrid.ColCount() - 1;
    const int right = std::max(FGrid.Width(), last >= 0 ? FGrid.CellRect(last, 0).Right : 0);
    Canvas.MoveTo(0, Y);
    Canvas.LineTo(right, Y);
    Canvas.SetPen(saved);
}

// ----------------------------------------------------------------- the grid's hooks
TExtGridPainter& TExtStringGrid::Painter() {
    if (!FPainter) {
        FPainter = std::make_shared<TExtGridPainter>(*this);
        // A custom-drawn grid tells screen readers and automated checks
        // what it is; by its first paint the layout has given it its name.
        SetAccessibleRole(plat::arTable);
        if (!Name().empty() && AccessibleName().empty()) SetAccessibleName(Name());
    }
    return *FPainter;
}

void TExtStringGrid::DrawGridCell(TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) {
    Painter().DrawGridCell(ACanvas, ACol, ARow, ARect, AState);
}

void TExtStringGrid::GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select,
                                         bool Remap, plat::TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor,
                                         TColor& AMirrorColorTo, plat::TFont& AFont, plat::TAlignment& HA,
                                         TVAlignment& VA, bool& WW, TCellGradientDirection& GD) {
    CellVisualProperties(ACol, ARow, AState, Print, Select, Remap, ABrush, AColorTo, AMirrorColor, AMirrorColorTo,
                         AFont, HA, VA, WW, GD);
}

// ----------------------------------------------------------------- the control's paint pass
bool TExtStringGrid::HasColouredBorder() {
    const TGridLook look = Look();
    const bool bordered = look == glSoft || (look >= glKelo && look <= glSuiteB);
    return bordered && BorderColor() != plat::clNone && !Flat();
}

void TExtStringGrid::Paint() {
    TCanvas& c = Canvas();
    c.Pen().SetStyle(plat::psSolid);
    c.Brush().SetStyle(plat::bsSolid);
    TBaseGrid::Paint();
    if (EditorMode()) {
        const bool lines = GridLineWidth() >= 1 &&
                           (Options().Contains(goHorzLine) || Options().Contains(goVertLine));
        c.Pen().SetColor(lines ? GridLineColor() : Color());
        c.Brush().SetStyle(plat::bsClear);
        c.Rectangle(CellRect(Col(), Row()));
        c.Brush().SetStyle(plat::bsSolid);
    }
    c.Pen().SetColor(plat::clBlack);
    if (!BackGround().Bitmap().Empty() || BackGround().ColorTo() != plat::clNone)
        Painter().PaintBackgroundOutside(c);
    // The window layer draws no border of its own colour around a control:
    // the one-pixel frame goes along the edge of the client area instead.
    if (HasColouredBorder()) {
        c.Pen().SetColor(BorderColor());
        const int w = Width(), h = Height();
        c.MoveTo(0, h - 1);
        c.LineTo(0, 0);
        c.LineTo(w - 1, 0);
        c.LineTo(w - 1, h - 1);
        c.LineTo(0, h - 1);
    }
    if (OnPainted) OnPainted(this);
}

// ----------------------------------------------------------------- measuring cell text
plat::TPoint RotatedTextSize(int W, int H, int Angle) {
    const double a = Angle * std::numbers::pi / 180.0;
    const int hs = std::abs(static_cast<int>(std::lround(H * std::sin(a))));
    const int wc = std::abs(static_cast<int>(std::lround(W * std::cos(a))));
    const int hc = std::abs(static_cast<int>(std::lround(H * std::cos(a))));
    const int ws = std::abs(static_cast<int>(std::lround(W * std::sin(a))));
    // The box of a turned text spans both products; their difference would
    // make a square text at 45 degrees measure nothing and cut it off.
    return {hs + wc + 12, hc + ws + 12};
}

plat::TPoint TExtStringGrid::GetCellTextSize(int ACol, int ARow, bool VS, bool SB) {
    plat::TBitmap scratch(1, 1);
    TCanvas& c = scratch.Canvas();
    std::string text = Cells(ACol, ARow);
    const int kind = ctl::GetCellTextKind(text, EnableHTML());
    c.SetFont(GetCellFont(ACol, ARow));
    const int dcol = DisplColIndex(ACol);
    if ((ARow < FixedRows() || dcol < FixedCols()) && ActiveCellShow() &&
        FActiveCellFont.Style().Contains(plat::fsBold))
        c.Font().SetStyle(c.Font().Style() + plat::TFontStyles{plat::fsBold});
    c.Font().SetSize(c.Font().Size() + ZoomFactor());
    TRect R = ComputeCellRect(dcol, ARow);
    const plat::TPoint off = XYOffset();
    // Measured in the room the text is painted in.
    if (XYOffsetTopLeftOnly()) {
        R.Left += off.X;
        R.Top += off.Y;
    } else {
        plat::InflateRect(R, -off.X, -off.Y);
    }
    if (SB) R.Right -= 17;
    if (kind == ctl::ctkHtml) {
        ctl::THtmlRenderArgs args;
        args.MeasureOnly = true;
        args.URLColor = URLColor();
        ctl::THtmlRenderResult result;
        TRect hr = R;
        if (!VS) hr.Right = 65535;
        hr.Bottom = 65535;
        ctl::RenderHtmlText(c, text, hr, args, result);
        return {result.XSize + 2, result.YSize + 2};
    }
    int angle = 0;
    const bool rotated = IsRotated(ACol, ARow, angle);
    plat::TPoint size;
    if (VS) {
        plat::InflateRect(R, -2, -2);
        const unsigned flags = plat::DT_CALCRECT | plat::DT_EDITCONTROL | plat::DT_NOPREFIX | plat::DT_EXPANDTABS |
                               (rotated ? plat::DT_SINGLELINE : plat::DT_WORDBREAK);
        TRect m = R;
        const int h = c.DrawText(text.empty() ? std::string(" ") : text, m, flags);
        size = {m.Right - m.Left, h};
    } else {
        if (URLShow() && !URLFull() && ctl::IsUrlText(text)) text = ctl::StripUrlProtocol(text);
        int widest = 0, lines = 0;
        size_t start = 0;
        while (true) {
            const size_t end = text.find_first_of("\r\n", start);
            widest = std::max(widest, c.TextWidth(text.substr(start, end - start)));
            ++lines;
            if (end == std::string::npos) break;
            start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
        }
        size = {widest, c.TextHeight("gh") * lines};
    }
    if (rotated) size = RotatedTextSize(size.X, size.Y, angle);
    return size;
}

}  // namespace grid
