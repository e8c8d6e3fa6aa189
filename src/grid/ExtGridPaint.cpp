#include "grid/ExtGridPaint.h"

#include <algorithm>
#include <map>
#include <memory>
#include <string>

#include "base/StrUtils.h"
#include "controls/EsgHTMLE.h"
#include "controls/ExtDraw.h"
#include "controls/ExtUtil.h"
#include "controls/HtmlText.h"
#include "grid/ExtCGrid.h"
#include "platform/Bitmap.h"

namespace grid {

using plat::TCanvas;
using plat::TRect;

// ----------------------------------------------------------------- grid access
// What the painter asks of the grid beyond its plain properties, kept in
// one place: the cell store and the column settings.
namespace {

const TCellProps* PropsOfCell(TExtStringGrid& g, int RCol, int ARow) { return g.CellPropsOf(RCol, ARow); }

// The column grid colours and fonts its normal cells by column.
void ColumnLook(TExtStringGrid& g, int RCol, int ARow, TColor& Brush, plat::TFont& Font) {
    auto* cg = dynamic_cast<TExtColumnGrid*>(&g);
    if (!cg || RCol < 0 || RCol >= cg->Columns().Count()) return;
    if (ARow < g.FixedRows() || RCol < g.FixedCols()) return;
    TGridColumnItem& item = cg->Columns().Items(RCol);
    if (item.Color() != plat::clNone && item.Color() != plat::clWindow) Brush = item.Color();
    (void)Font;
}

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

struct TExtGridPainter::TCellLook {
    TColor Brush = plat::clNone;
    TColor ColorTo = plat::clNone;
    TColor MirrorColor = plat::clNone;
    TColor MirrorColorTo = plat::clNone;
    TColor UnselectedBrush = plat::clNone;
    TColor UnselectedFont = plat::clNone;
    plat::TFont Font;
    plat::TAlignment HA = plat::taLeftJustify;
    TVAlignment VA = vtaTop;
    bool Fixed = false;
};

TExtGridPainter::TExtGridPainter(TExtStringGrid& AGrid) : FGrid(AGrid) {
    FLook = LookOfGrid(AGrid);
    // A grid fresh from creation keeps the glXP preset's faces.
    if (FLook.Fixed.To == plat::clNone && FLook.Look == glXP) {
        TGridLookColors preset;
        FLook.Fixed = preset.Fixed;
        FLook.Hover = preset.Hover;
        FLook.Down = preset.Down;
    }
}

void TExtGridPainter::SetLook(TGridLook Value) {
    FLook.Loading = FGrid.IsLoading();
    grid::SetLook(FLook, Value);
    ApplyLookToGrid(FLook, FGrid);
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
            PaintCell(Canvas, c, r, {left, top, left + FGrid.ColWidths(c), top + FGrid.RowHeights(r)}, state);
            ++FPainted;
        }
    }
}

// ----------------------------------------------------------------- visual properties
void TExtGridPainter::ResolveLook(int ACol, int ARow, TGridDrawState& AState, TCellLook& L) {
    TExtStringGrid& g = FGrid;
    const int rcol = g.RealColIndex(ACol);
    const bool normalArea = ACol >= g.FixedCols() && ARow >= g.FixedRows();
    L.Font = normalArea ? g.Font() : g.FixedFont();
    bool ownColour = false;
    if (const TCellProps* p = PropsOfCell(g, rcol, ARow)) {
        const TCellGraphic* graphic = p->Graphic.get();
        const TCellType kind = graphic ? graphic->CellType() : ctNone;
        L.Brush = p->BrushColor;
        ownColour = p->BrushColor != plat::clNone && (kind == ctNone || kind == ctRotated || kind == ctEmpty);
        if (p->FontColor != plat::clNone) L.Font.SetColor(p->FontColor);
        if (!p->FontName.empty()) L.Font.SetName(p->FontName);
        if (p->FontSize > 0) L.Font.SetSize(p->FontSize);
        L.Font.SetStyle(L.Font.Style() + p->FontStyle);
        L.ColorTo = p->BrushColorTo;
    }
    if (!ownColour) {
        L.Brush = g.Color();
        if (!normalArea || g.IsFixed(ACol, ARow)) L.Brush = FLook.FixedColor;
        ColumnLook(g, rcol, ARow, L.Brush, L.Font);
    }
    L.Fixed = g.IsFixed(ACol, ARow) || !normalArea;
    if (L.Fixed && !ownColour) {
        L.Brush = FLook.FixedColor;
        L.Font = g.FixedFont();
        AState.Include(gdFixed);
        if (FLook.Look > glClassic) {
            L.Brush = FLook.Fixed.From;
            L.ColorTo = FLook.Fixed.To;
            L.MirrorColor = FLook.Fixed.MirrorFrom;
            L.MirrorColorTo = FLook.Fixed.MirrorTo;
        }
    }
    L.UnselectedBrush = L.Brush;
    L.UnselectedFont = L.Font.Color();
    if (AState.Contains(gdSelected) && g.ShowSelection() && !L.Fixed) {
        if (L.Brush == g.Color() || !ownColour) L.Brush = FLook.SelectionColor;
        L.ColorTo = FLook.SelectionColorTo;
        if (FLook.SelectionTextColor != plat::clNone) L.Font.SetColor(FLook.SelectionTextColor);
    } else {
        AState.Exclude(gdSelected);
    }
    L.HA = g.DefaultAlignment();
    L.VA = g.VAlignment();
    if (g.AutoNumAlign()) {
        const std::string text = base::Trim(g.Cells(rcol, ARow));
        if (!text.empty() && text[0] != '=' && ctl::ClassifyNumberText(text) != 2) L.HA = plat::taRightJustify;
    }
    g.DoGetAlignment(rcol, ARow, L.HA, L.VA);
}

// ----------------------------------------------------------------- one cell
void TExtGridPainter::PaintCell(TCanvas& Canvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) {
    TCellLook L;
    ResolveLook(ACol, ARow, AState, L);
    const bool fixed = AState.Contains(gdFixed);
    // Hover row, over normal and selected cells.
    TColor brush = L.Brush;
    TColor colorTo = L.ColorTo, mirror = L.MirrorColor, mirrorTo = L.MirrorColorTo;
    if (HoverRow && ARow == HoverRowIdx && !fixed) {
        brush = HoverRowColor;
        colorTo = mirror = mirrorTo = plat::clNone;
    }
    if (mirrorTo != plat::clNone)
        ctl::PaintCellBackground(Canvas, ARect, brush, colorTo, mirror, mirrorTo, true, plat::clNone, false, true);
    else
        ctl::FillGradientRect(Canvas, brush, colorTo, 64, ARect, false);

    // Grid lines on the cell's right and bottom edge.
    const TGridOptions opts = FGrid.Options();
    int l = 1;
    if (fixed) {
        Canvas.Pen().SetColor(FLook.GridFixedLineColor);
        Canvas.Pen().SetWidth(1);
    } else {
        Canvas.Pen().SetColor(GridLineWidth > 0 ? FLook.GridLineColor : brush);
        Canvas.Pen().SetWidth(std::max(1, GridLineWidth));
        l = (GridLineWidth + 1) / 2;
    }
    Canvas.Pen().SetStyle(plat::psSolid);
    Canvas.Pen().SetMode(plat::pmCopy);
    if ((opts.Contains(goHorzLine) && !fixed) || (opts.Contains(goFixedHorzLine) && fixed)) {
        Canvas.MoveTo(ARect.Left - l + 1, ARect.Bottom - l);
        Canvas.LineTo(ARect.Right - l + 1, ARect.Bottom - l);
    }
    if ((opts.Contains(goVertLine) && !fixed) || (opts.Contains(goFixedVertLine) && fixed)) {
        Canvas.MoveTo(ARect.Right - l, ARect.Bottom - l);
        Canvas.LineTo(ARect.Right - l, ARect.Top - l);
    }
    Canvas.Pen().SetWidth(1);

    TRect content = ARect;
    if (fixed) {
        content.Right -= 1;
        content.Bottom -= 2;
    } else {
        plat::InflateRect(content, -GridLineWidth, -GridLineWidth);
    }
    DrawGridCell(Canvas, ACol, ARow, content, AState);
}

void TExtGridPainter::DrawGridCell(TCanvas& Canvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) {
    TExtStringGrid& g = FGrid;
    const int rcol = g.RealColIndex(ACol);
    TCellLook L;
    ResolveLook(ACol, ARow, AState, L);
    Canvas.Font() = L.Font;
    Canvas.Font().SetSize(Canvas.Font().Size() + g.ZoomFactor());
    TRect r = ARect;

    const bool fixedLook = g.IsFixed(ACol, ARow) || ACol < g.FixedCols() || ARow < g.FixedRows();
    if (fixedLook) DrawFixedFace(Canvas, ACol, ARow, r, L);

    // Modified rows carry a bar at the right of column 0.
    if (ACol == 0 && g.ShowModified().Enabled() && g.GetRowModified(g.RealRowIndex(ARow))) {
        Canvas.Brush().SetColor(g.ShowModified().Color());
        Canvas.FillRect({r.Right - 4, r.Top, r.Right, r.Bottom});
    }

    TCellGraphic* graphic = g.GetCellGraphic(rcol, ARow);
    const TCellType kind = graphic ? graphic->CellType() : ctNone;
    const bool checkKind = kind == ctCheckBox || kind == ctDataCheckBox || kind == ctVirtCheckBox ||
                           kind == ctRowCheckBox || kind == ctTriStateCheckBox;
    // Data check boxes show their state, not their "Y"/"N" text.
    const bool textBeside = !(kind == ctDataCheckBox || kind == ctVirtCheckBox || kind == ctRowCheckBox);
    int textWidth = 0;
    if (textBeside) textWidth = DrawCellText(Canvas, rcol, ARow, r, L, AState);

    if (fixedLook && !g.Flat()) DrawFixedEdges(Canvas, r);

    if (checkKind) {
        TRect box = r;
        if (fixedLook) box.Top += 1;
        (void)textWidth;
        DrawCheckCell(Canvas, rcol, ARow, box, L, kind, graphic);
    }

    // Focus rectangle on the current cell of a focused grid.
    const TGridOptions opts = g.Options();
    if (AState.Contains(gdFocused) && Focused && !opts.Contains(goRowSelect) && g.Row() >= g.FixedRows() &&
        g.Col() >= g.FixedCols()) {
        TRect f = ARect;
        plat::InflateRect(f, GridLineWidth - 1, GridLineWidth - 1);
        f.Right -= 1;
        f.Bottom -= 1;
        Canvas.DrawFocusRect(f);
    }
}

// ----------------------------------------------------------------- fixed cells
void TExtGridPainter::DrawFixedFace(TCanvas& Canvas, int ACol, int ARow, TRect& R, const TCellLook& L) {
    const TGridLook look = FLook.Look;
    if (!(look == glKelo || look == glXP || look == glVista || look == glWin7 || look == glOffice2007)) return;
    TExtStringGrid& g = FGrid;
    const bool activeHeader =
        g.ActiveCellShow() && ((ARow == g.Row() && ACol == g.FixedCols() - 1 && g.FixedCols() > 0) ||
                               (ACol == g.Col() && ARow == g.FixedRows() - 1 && g.FixedRows() > 0));
    if (activeHeader) {
        ctl::PaintCellBackground(Canvas, R, FLook.ActiveCellColor, FLook.ActiveCellColorTo, plat::clNone,
                                 plat::clNone, true, plat::clNone, false, true);
    } else if (!g.Flat()) {
        ctl::PaintCellBackground(Canvas, R, L.Brush, L.ColorTo, L.MirrorColor, L.MirrorColorTo, true,
                                 look == glVista ? plat::clWhite : plat::clNone, true, true);
    }
}

void TExtGridPainter::DrawFixedEdges(TCanvas& Canvas, TRect R) {
    const TGridLook look = FLook.Look;
    if (look != glKelo && look != glXP) return;
    R.Bottom += 1;
    if (!FGrid.Options().Contains(goFixedHorzLine)) return;
    Canvas.Pen().SetColor(ctl::HalveColor(plat::ColorToRGB(FLook.FixedColor)));
    Canvas.MoveTo(R.Left, R.Bottom - 1);
    Canvas.LineTo(R.Right - 1, R.Bottom - 1);
    Canvas.Pen().SetColor(plat::clWhite);
    Canvas.MoveTo(R.Right - 2, R.Top + 1);
    Canvas.LineTo(R.Left + 1, R.Top + 1);
    Canvas.LineTo(R.Left + 1, R.Bottom - 1);
}

// ----------------------------------------------------------------- text
int TExtGridPainter::DrawCellText(TCanvas& Canvas, int RCol, int ARow, TRect R, const TCellLook& L,
                                  TGridDrawState AState) {
    TExtStringGrid& g = FGrid;
    std::string text = g.Cells(RCol, ARow);
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
    (void)AState;
    const plat::TPoint off = g.XYOffset();
    R.Left += off.X;
    R.Top += off.Y;
    R.Right -= off.X;

    if (ctl::GetCellTextKind(text, g.EnableHTML()) == ctl::ctkHtml) {
        ctl::THtmlRenderArgs args;
        args.URLColor = g.URLColor();
        ctl::THtmlRenderResult result;
        TRect hr = R;
        hr.Left -= 1;
        ctl::RenderHtmlText(Canvas, text, hr, args, result);
        return result.XSize + 2;
    }

    unsigned flags = plat::DT_EDITCONTROL | plat::DT_EXPANDTABS | plat::DT_NOPREFIX;
    const bool multi = text.find('\r') != std::string::npos || text.find('\n') != std::string::npos;
    if (!g.WordWrap() || !multi) {
        const size_t cut = text.find_first_of("\r\n");
        if (cut != std::string::npos && !g.WordWrap()) text.resize(cut);
        flags |= plat::DT_SINGLELINE;
    } else {
        flags |= plat::DT_WORDBREAK;
    }
    switch (L.HA) {
        case plat::taRightJustify: flags |= plat::DT_RIGHT; break;
        case plat::taCenter: flags |= plat::DT_CENTER; break;
        default: break;
    }
    switch (L.VA) {
        case vtaCenter: flags |= plat::DT_VCENTER; break;
        case vtaBottom: flags |= plat::DT_BOTTOM; break;
        default: break;
    }
    Canvas.SetBkMode(plat::TRANSPARENT);
    TRect measure = R;
    Canvas.DrawText(text, measure, flags | plat::DT_CALCRECT);
    Canvas.SaveState();
    Canvas.IntersectClipRect(R);
    Canvas.DrawText(text, R, flags);
    Canvas.RestoreState();
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
    const bool e = Enabled || cl.CheckAlwaysActive();
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
        default:
            break;  // glyph styles need glyphs the grid does not hold here
    }
}

void TExtGridPainter::DrawCheckCell(TCanvas& Canvas, int RCol, int ARow, TRect R, const TCellLook& L,
                                    TCellType Kind, const TCellGraphic* Graphic) {
    TExtStringGrid& g = FGrid;
    const plat::TPoint off = g.XYOffset();
    plat::InflateRect(R, 1 - off.X, 1 - off.Y);
    const int size = g.ControlLook().ControlStyle() == csWinXP   ? 16
                     : g.ControlLook().ControlStyle() == csKelo ? 20
                                                                 : g.ControlLook().CheckSize();
    int x0 = R.Left + 1;
    if (L.HA == plat::taRightJustify) x0 = R.Right - size - 1;
    else if (L.HA == plat::taCenter) x0 = R.Left + std::max(0, R.Width() - size) / 2;
    x0 = std::max(x0, R.Left + 1);
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
        mixed = Graphic->CellAngle() > 0;
    }
    DrawCheckGlyph(Canvas, plat::Bounds(x0, y0, size, size), checked, enabled, mixed, g.ControlLook().ControlStyle());
}

}  // namespace grid
