// Drawing the cell graphics: where a graphic sits beside the cell text, and
// each kind's picture (images, radio buttons and groups, nodes, pictures,
// progress bars, comment marks, buttons, pies, range bars, shapes, ratings).
// Check boxes are drawn by the painter. Painting never raises: a missing
// picture, glyph or value draws nothing.

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <string>

#include "controls/ExtDraw.h"
#include "controls/ExtDrawBars.h"
#include "grid/ExtGrid.h"
#include "grid/FilePicture.h"
#include "grid/GridLists.h"
#include "platform/Bitmap.h"

namespace grid {

using plat::TCanvas;
using plat::TRect;

namespace {

// Glyph bitmaps are read once per process; a missing one stays missing.
const plat::TBitmap* ResourceGlyph(const std::string& Name) {
    static std::map<std::string, std::unique_ptr<plat::TBitmap>> cache;
    auto it = cache.find(Name);
    if (it == cache.end()) {
        auto bmp = std::make_unique<plat::TBitmap>();
        if (!bmp->LoadFromResource("glyphs/" + Name + ".bmp")) bmp.reset();
        if (bmp) {
            bmp->SetTransparent(true);
            bmp->SetTransparentMode(plat::tmAuto);
        }
        it = cache.emplace(Name, std::move(bmp)).first;
    }
    return it->second.get();
}

// A bitmap drawn with its automatic transparent colour without touching
// the caller's bitmap.
void DrawTransparent(TCanvas& Canvas, int X, int Y, const plat::TGraphic& G) {
    if (G.Transparent()) {
        Canvas.Draw(X, Y, G);
        return;
    }
    std::unique_ptr<plat::TGraphic> copy = G.Clone();
    copy->SetTransparent(true);
    copy->SetTransparentMode(plat::tmAuto);
    Canvas.Draw(X, Y, *copy);
}

bool IsCheckKind(TCellType t) {
    return t == ctCheckBox || t == ctDataCheckBox || t == ctVirtCheckBox || t == ctRowCheckBox ||
           t == ctTriStateCheckBox;
}

// A text read as a number for drawing; a text that is no number draws as 0.
double CellNumber(TExtStringGrid& G, int RCol, int ARow) {
    try {
        return G.Floats(RCol, ARow);
    } catch (const std::exception&) {
        return 0;
    }
}

int CellInt(TExtStringGrid& G, int RCol, int ARow, bool& Ok) {
    try {
        Ok = true;
        return G.Ints(RCol, ARow);
    } catch (const std::exception&) {
        Ok = false;
        return 0;
    }
}

}  // namespace

// ----------------------------------------------------------- layout

TCellGraphic* TExtStringGrid::GetCellGraphicLayout(int ACol, int ARow, TCellVAlign& VAlign, TCellHAlign& HAlign,
                                                   bool& TextBeside, int& Height, int& Width) {
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    Width = Height = 0;
    TextBeside = true;
    HAlign = haLeft;
    VAlign = vaTop;
    if (!g) return nullptr;
    const TCellImageList* images = GridImages();
    switch (g->CellType()) {
        case ctBitmap:
        case ctIcon:
            if (const plat::TGraphic* img = g->CellImage()) {
                Width = img->Width();
                Height = img->Height();
            }
            break;
        case ctImageList:
        case ctDataImage:
            if (images) {
                Width = images->Width();
                Height = images->Height();
            }
            TextBeside = g->CellType() != ctDataImage;
            break;
        case ctCheckBox:
        case ctTriStateCheckBox:
            Width = Height = FControlLook.CheckSize();
            break;
        case ctDataCheckBox:
        case ctVirtCheckBox:
        case ctRowCheckBox:
            Width = Height = FControlLook.CheckSize();
            TextBeside = false;
            break;
        case ctRotated:
        case ctRadio:
        case ctProgress:
        case ctRangeIndicator:
        case ctXPProgress:
            TextBeside = false;
            break;
        case ctImages:
            if (images) {
                const auto* list = dynamic_cast<const TIntList*>(g->CellBitmap());
                const int n = list ? list->Count() : 0;
                Width = g->CellBoolean() ? n * images->Width() : images->Width();
                Height = g->CellBoolean() ? images->Height() : n * images->Height();
            }
            break;
        case ctPicture:
        case ctFilePicture: {
            const plat::TPoint cell = CellSize(DisplColIndex(ACol), ARow);
            plat::TPoint p;
            g->GetPictureSize(cell.X, cell.Y, !Cells(ACol, ARow).empty(), p);
            Width = p.X;
            Height = p.Y;
            break;
        }
        case ctButton:
        case ctBitButton:
            Width = static_cast<int>(static_cast<std::uint32_t>(g->CellIndex()) & 0xFFFFu);
            Height = static_cast<int>(static_cast<std::uint32_t>(g->CellIndex()) >> 16);
            break;
        case ctProgressPie:
            Width = Height = 20;
            break;
        case ctInterface:
            if (auto* obj = dynamic_cast<IInterfacedCell*>(g->CellBitmap())) {
                Width = obj->GetExtentX();
                Height = obj->GetExtentY();
            }
            break;
        case ctRadioButton:
            Width = Height = FControlLook.RadioSize() + 4;
            break;
        case ctShape:
            if (ARow >= 0 && ARow < RowCount()) Width = Height = RowHeights(ARow) - 2 * FXYOffset.Y;
            break;
        case ctRating:
            Width = g->CellAngle() * 18;
            Height = 16;
            TextBeside = false;
            break;
        default:
            break;
    }
    HAlign = g->CellHAlign();
    VAlign = g->CellVAlign();
    return g;
}

bool TExtStringGrid::GraphicTextBeside(int RCol, int ARow) {
    TCellVAlign va;
    TCellHAlign ha;
    bool beside = true;
    int h = 0, w = 0;
    GetCellGraphicLayout(RCol, ARow, va, ha, beside, h, w);
    return beside;
}

// ----------------------------------------------------------- drawing

void TExtStringGrid::DrawCellContent(TCanvas& Canvas, int RCol, int ARow, TRect Rect, TGridDrawState State,
                                     plat::TAlignment HA, TVAlignment VA, int TextWidth) {
    TCellVAlign cva;
    TCellHAlign cha;
    bool beside = true;
    int H = 0, W = 0;
    TCellGraphic* g = GetCellGraphicLayout(RCol, ARow, cva, cha, beside, H, W);
    if (!g || IsCheckKind(g->CellType())) return;
    const TCellType kind = g->CellType();
    TRect R = Rect;
    if (kind != ctNode && kind != ctProgress && kind != ctRangeIndicator && kind != ctXPProgress)
        plat::InflateRect(R, 1 - FXYOffset.X, 1 - FXYOffset.Y);
    // The painter hands in the text width with its two pixels of room.
    const int TW = std::max(0, TextWidth);

    // The box by the graphic's own alignment.
    int x0 = R.Left + 1, x1 = -1, y0 = R.Top + 1, y1 = -1;
    switch (cha) {
        case haLeft: x0 = R.Left + 1; break;
        case haRight: x1 = R.Right - 1; x0 = x1 - W; break;
        case haCenter: x0 = W <= R.Width() ? R.Left + (R.Width() - W) / 2 : R.Left + 1; break;
        case haBeforeText:
            if (HA == plat::taRightJustify) x0 = R.Right - TW - W;
            else if (HA == plat::taCenter) x0 = R.Left + (R.Width() - TW - W) / 2;
            else x0 = R.Left + 1;
            break;
        case haAfterText:
            if (HA == plat::taRightJustify) {
                x1 = R.Right - 1;
                x0 = x1 - W;
            } else if (HA == plat::taCenter) {
                x0 = R.Left + TW + (R.Width() - TW - W) / 2;
            } else {
                x0 = R.Left + TW;
            }
            break;
        case haFull: x0 = R.Left; x1 = R.Right; break;
    }
    if (x0 < R.Left) x0 = R.Left + 1;
    if (x1 < 0) x1 = x0 + W;
    if (UseRightToLeftAlignment()) {
        // Placed as read from the left, shown at the mirrored place, as the
        // text is.
        const int left = R.Left + R.Right - x1;
        x1 = R.Left + R.Right - x0;
        x0 = left;
    }
    TCellVAlign va = cva;
    if (kind == ctRadioButton && VA != FVAlignment)
        va = VA == vtaCenter ? vaCenter : VA == vtaBottom ? vaBottom : vaTop;
    switch (va) {
        case vaTop:
        case vaAboveText: y0 = R.Top + 1; break;
        case vaBottom: y1 = R.Bottom - 1; y0 = y1 - H; break;
        case vaCenter: y0 = H <= R.Height() ? R.Top + (R.Height() - H) / 2 : R.Top + 1; break;
        case vaUnderText: y0 = R.Bottom - H; y1 = R.Bottom; break;
        case vaFull: y0 = R.Top; y1 = R.Bottom; break;
    }
    if (y1 < 0) y1 = y0 + H;

    const bool selected = State.Contains(gdSelected) && !State.Contains(gdFixed);
    const TCellImageList* images = GridImages();
    bool enabled = true;
    switch (kind) {
        case ctBitmap:
            if (const plat::TGraphic* img = g->CellImage()) {
                if (g->CellTransparent()) DrawTransparent(Canvas, x0, y0, *img);
                else Canvas.Draw(x0, y0, *img);
            }
            break;
        case ctIcon:
            if (const plat::TGraphic* img = g->CellImage()) Canvas.Draw(x0, y0, *img);
            break;
        case ctImageList:
            if (images && g->CellIndex() >= 0 && g->CellIndex() < images->Count())
                images->Draw(Canvas, x0, y0, g->CellIndex());
            break;
        case ctDataImage: {
            bool ok = false;
            const int idx = CellInt(*this, RCol, ARow, ok) + g->CellIndex();
            if (images && ok && idx >= 0 && idx < images->Count()) images->Draw(Canvas, x0, y0, idx);
            break;
        }
        case ctImages:
            if (const auto* list = dynamic_cast<const TIntList*>(g->CellBitmap()); list && images) {
                int x = x0, y = y0;
                for (int i = 0; i < list->Count(); ++i) {
                    const int idx = list->Items(i);
                    if (idx >= 0 && idx < images->Count()) images->Draw(Canvas, x, y, idx);
                    if (g->CellBoolean()) x += images->Width();
                    else y += images->Height();
                }
            }
            break;
        case ctRadioButton: {
            // Placed by the text's alignment, beside the caption.
            if (HA == plat::taRightJustify) x0 = R.Right - TW - W - 1;
            else if (HA == plat::taCenter)
                x0 = TW == 0 ? R.Left + std::max(0, R.Width() - W) / 2 : R.Left + std::max(0, R.Width() - TW) / 2 - W;
            else x0 = R.Left + 1;
            x0 = std::max(x0, R.Left + 1) + FXYOffset.X;
            CanEditCell(RCol, ARow, enabled);
            const int s = FControlLook.RadioSize();
            DrawRadioGlyph(Canvas, plat::Bounds(x0, y0, s, s), false, 1, FControlLook.ControlStyle(), ARow, RCol,
                           selected, {""}, !enabled, false, g->CellBoolean() ? 0 : -2, 1);
            break;
        }
        case ctRadio: {
            CanEditCell(RCol, ARow, enabled);
            const auto* list = dynamic_cast<const TCellStrings*>(g->CellBitmap());
            if (!list) break;
            DrawRadioGlyph(Canvas, R, false, 1, FControlLook.ControlStyle(), ARow, RCol, selected, list->Items(),
                           !enabled, g->CellBoolean(), g->CellIndex(), list->Count());
            break;
        }
        case ctNode: {
            // A node in a grid that counts no levels yet draws at the first
            // level rather than left of its cell.
            int indent = RowNodeIndent(ARow);
            const int step = FCellNode.NodeIndent();
            if (indent <= 0) indent = step;
            R.Left = Rect.Left + indent - step;
            TColor back = plat::clNone;
            if (const TCellProperties* p = PropsOf(RCol, ARow)) back = p->BrushColor();
            if (back == plat::clNone) back = RCol < FixedCols() ? FixedColor() : Color();
            if (selected && FShowSelection) back = FSelectionColor;
            const bool contracted = g->CellBoolean();
            const int midY = R.Top + (R.Height()) / 2;
            if (FCellNode.ShowTree() && ARow >= FixedRows()) {
                // The tree line runs on to the next row when it belongs to
                // this node, and comes down from a row at the same level.
                Canvas.Pen().SetColor(FCellNode.TreeColor());
                Canvas.Pen().SetWidth(1);
                const int x = R.Left + step / 2 + 2;
                const int next = ARow + 1 < RowCount() ? RowNodeIndent(ARow + 1) : 0;
                if (ARow + 1 < RowCount() && next > 0 && (contracted || next >= indent)) {
                    Canvas.MoveTo(x, midY);
                    Canvas.LineTo(x, R.Bottom);
                }
                if (ARow > FixedRows() && RowNodeIndent(ARow - 1) >= RowNodeIndent(ARow) && RowNodeIndent(ARow) > 0) {
                    Canvas.MoveTo(x, R.Top);
                    Canvas.LineTo(x, R.Top + 6);
                }
            }
            const int left = Rect.Left + indent - step / 2 - 4;
            const plat::TBitmap& expandGlyph = FCellNode.ExpandGlyph();
            const plat::TBitmap& contractGlyph = FCellNode.ContractGlyph();
            if (FCellNode.NodeType() == cnGlyph && !expandGlyph.Empty() && !contractGlyph.Empty()) {
                const plat::TBitmap& glyph = contracted ? contractGlyph : expandGlyph;
                DrawTransparent(Canvas, left, R.Top + (R.Height() - glyph.Height()) / 2, glyph);
                break;
            }
            switch (FCellNode.NodeType()) {
                case cnLeaf:
                    ctl::DrawResourceBitmap(Canvas, back, plat::Bounds(left, R.Top + (R.Height() - 12) / 2, 16, 16),
                                            contracted ? "glyphs/ESGLEAFCLOSE.bmp" : "glyphs/ESGLEAFOPEN.bmp");
                    break;
                case cnXP:
                    ctl::DrawResourceBitmap(Canvas, back, plat::Bounds(left + 4, R.Top + (R.Height() - 10) / 2, 9, 9),
                                            contracted ? "glyphs/XPNODEC.bmp" : "glyphs/XPNODEO.bmp");
                    break;
                default: {
                    const int top = midY - 4;
                    const TRect box = plat::Bounds(left + 4, top, 9, 9);
                    if (FCellNode.NodeType() == cn3D) {
                        Canvas.Brush().SetColor(FCellNode.Color());
                        Canvas.FillRect(R);
                    }
                    if (FCellNode.NodeType() == cnFlat || FCellNode.NodeType() == cnGlyph) {
                        Canvas.Brush().SetColor(FCellNode.Color());
                        Canvas.Pen().SetColor(FCellNode.NodeColor());
                        Canvas.Pen().SetWidth(1);
                        Canvas.Rectangle(box);
                        Canvas.MoveTo(box.Left + 2, box.Top + 4);
                        Canvas.LineTo(box.Left + 7, box.Top + 4);
                        if (contracted) {
                            Canvas.MoveTo(box.Left + 4, box.Top + 2);
                            Canvas.LineTo(box.Left + 4, box.Top + 7);
                        }
                    } else {
                        TRect e = box;
                        Canvas.Brush().SetColor(FCellNode.Color());
                        Canvas.FillRect(e);
                        Canvas.DrawEdge(e, contracted ? plat::EDGE_RAISED : plat::EDGE_SUNKEN, plat::BF_RECT);
                    }
                    break;
                }
            }
            break;
        }
        case ctRotated: {
            const std::string text = Cells(RCol, ARow);
            if (text.empty()) break;
            TRect tr = Rect;
            plat::InflateRect(tr, -2, -2);
            // The text turns about its origin; the origin is chosen so that
            // the turned text's bounding box sits in the cell as aligned.
            const plat::TSize size = Canvas.TextExtent(text + "w");
            const double a = g->CellAngle() * 3.14159265358979323846 / 180.0;
            const double c = std::cos(a), sn = std::sin(a);
            const double xs[] = {0, size.cx * c, size.cy * sn, size.cx * c + size.cy * sn};
            const double ys[] = {0, -size.cx * sn, size.cy * c, -size.cx * sn + size.cy * c};
            const double minX = *std::min_element(std::begin(xs), std::end(xs));
            const double maxX = *std::max_element(std::begin(xs), std::end(xs));
            const double minY = *std::min_element(std::begin(ys), std::end(ys));
            const double maxY = *std::max_element(std::begin(ys), std::end(ys));
            const int bw = static_cast<int>(std::lround(maxX - minX));
            const int bh = static_cast<int>(std::lround(maxY - minY));
            int left = tr.Left, top = tr.Top;
            if (HA == plat::taRightJustify) left = tr.Right - bw;
            else if (HA == plat::taCenter) left = tr.Left + (tr.Width() - bw) / 2;
            if (VA == vtaBottom) top = tr.Bottom - bh;
            else if (VA == vtaCenter) top = tr.Top + (tr.Height() - bh) / 2;
            Canvas.SaveState();
            Canvas.Font().SetOrientation(g->CellAngle() * 10);
            Canvas.SetBkMode(plat::TRANSPARENT);
            Canvas.IntersectClipRect(tr);
            Canvas.TextOut(left - static_cast<int>(std::lround(minX)), top - static_cast<int>(std::lround(minY)), text);
            Canvas.RestoreState();
            break;
        }
        case ctPicture:
            if (const plat::TPicture* pic = g->CellPicture(); pic && pic->Graphic()) {
                if (g->CellAngle() != noStretch) Canvas.StretchDraw({x0, y0, x1, y1}, *pic->Graphic());
                else Canvas.Draw(x0, y0, *pic->Graphic());
            }
            break;
        case ctFilePicture:
            if (auto* fp = dynamic_cast<TFilePicture*>(g->CellBitmap())) fp->DrawPicture(Canvas, {x0, y0, x1, y1});
            break;
        case ctProgress: {
            // Without colours of their own the two texts take the colour of
            // the other part, so the value reads over both.
            const TColor fg = g->CellColor1(), bg = g->CellColor2();
            const TColor fgText = g->CellBoolean() ? TColor(g->CellIndex()) : bg;
            const TColor bgText = g->CellBoolean() ? TColor(g->CellAngle()) : fg;
            plat::InflateRect(R, -2, -2);
            Canvas.SaveState();
            ctl::DrawProgressBar(Canvas, R, fg, fgText, bg, bgText, CellNumber(*this, RCol, ARow),
                                 FControlLook.ProgressMarginX(), FControlLook.ProgressMarginY(), g->CellErrFrom(),
                                 g->CellErrLen(), g->CellText(), FControlLook.ProgressBorderColor(), false);
            Canvas.RestoreState();
            break;
        }
        case ctComment: {
            if (FControlLook.CommentColor() == plat::clNone) break;
            const TColor c = static_cast<TColor>(g->CellIndex());
            Canvas.Pen().SetColor(c);
            Canvas.Brush().SetColor(c);
            const int rx = R.Right + FXYOffset.X, ty = R.Top - FXYOffset.Y;
            Canvas.Polygon({{rx - 8, ty + 1}, {rx - 3, ty + 1}, {rx - 3, ty + 6}});
            Canvas.Brush().SetColor(Color());
            break;
        }
        case ctButton:
        case ctBitButton:
        case ctExpand: {
            TRect box{x0, y0, x1, y1};
            if (kind == ctExpand) box = {Rect.Right - 13, Rect.Top, Rect.Right, Rect.Top + 13};
            g->SetCellValue((box.Top - Rect.Top) * 65536.0 + (box.Left - Rect.Left));
            if (!FControlLook.NoDisabledButtonLook()) CanEditCell(RCol, ARow, enabled);
            const int style = FControlLook.FlatButton() ? 2 : 1;
            int state = g->CellBoolean() ? 2 : HoverButton() == plat::TPoint{DisplColIndex(RCol), ARow} ? 1 : 0;
            if (!enabled && kind != ctExpand) state = 3;
            ctl::DrawButtonFace(Canvas, box, style, state, ctl::TColorTones{});
            if (state == 2) plat::OffsetRect(box, 1, 1);
            if (kind == ctExpand) {
                Canvas.Pen().SetColor(plat::clBlack);
                Canvas.Pen().SetWidth(1);
                const int r = Rect.Right, t = Rect.Top;
                if (!g->CellVar()) Canvas.Polyline({{r - 10, t + 5}, {r - 7, t + 8}, {r - 3, t + 4}});
                else Canvas.Polyline({{r - 10, t + 8}, {r - 7, t + 5}, {r - 3, t + 9}});
                break;
            }
            if (kind == ctBitButton) {
                if (const plat::TGraphic* glyph = g->CellImage(); glyph && !glyph->Empty()) {
                    const int gy = glyph->Height() <= box.Height() ? box.Top + (box.Height() - glyph->Height()) / 2
                                                                   : box.Top + 3;
                    if (!g->CellText().empty() || glyph->Width() + 6 > box.Width()) {
                        DrawTransparent(Canvas, box.Left + 3, gy, *glyph);
                        box.Left += glyph->Width() + 4;
                    } else {
                        DrawTransparent(Canvas, box.Left + (box.Width() - glyph->Width()) / 2, gy, *glyph);
                    }
                }
            }
            if (!g->CellText().empty()) {
                const bool lines = g->CellText().find_first_of("\r\n") != std::string::npos;
                unsigned flags = plat::DT_CENTER | plat::DT_END_ELLIPSIS | plat::DT_NOPREFIX;
                flags |= lines ? plat::DT_WORDBREAK : (plat::DT_SINGLELINE | plat::DT_VCENTER);
                Canvas.SaveState();
                Canvas.SetBkMode(plat::TRANSPARENT);
                Canvas.Font().SetColor(state == 3 ? plat::clGrayText : plat::clBtnText);
                TRect tr = box;
                tr.Left += 1;
                Canvas.DrawText(g->CellText(), tr, flags);
                Canvas.RestoreState();
            }
            break;
        }
        case ctProgressPie:
            ctl::DrawProgressPie(Canvas, plat::Bounds(x0, y0, 20, 20), g->CellColor1(), g->CellAngle(), false);
            break;
        case ctRangeIndicator: {
            bool ok = false;
            const int v = CellInt(*this, RCol, ARow, ok);
            plat::InflateRect(R, -FControlLook.ProgressMarginX(), -FControlLook.ProgressMarginY());
            Canvas.SaveState();
            ctl::DrawSignedBar(Canvas, R, v, g->CellIndex(), g->CellBoolean(), g->CellColor1(), g->CellColor2());
            Canvas.RestoreState();
            break;
        }
        case ctXPProgress: {
            const TGridProgressAppearance& pa = FProgressAppearance;
            ctl::TLevelProgress lp;
            lp.Level0Color = pa.Level0Color();
            lp.Level0ColorTo = pa.Level0ColorTo();
            lp.Level1Color = pa.Level1Color();
            lp.Level1ColorTo = pa.Level1ColorTo();
            lp.Level2Color = pa.Level2Color();
            lp.Level2ColorTo = pa.Level2ColorTo();
            lp.Level3Color = pa.Level3Color();
            lp.Level3ColorTo = pa.Level3ColorTo();
            lp.Level1Perc = pa.Level1Perc();
            lp.Level2Perc = pa.Level2Perc();
            lp.BorderColor = pa.BorderColor();
            lp.ShowBorder = pa.ShowBorder();
            lp.Stacked = pa.Stacked();
            lp.ShowPercentage = pa.ShowPercentage();
            lp.Font.Assign(Font());
            lp.CompleteFontColor = pa.CompleteFontColor();
            lp.CompletionSmooth = pa.CompletionSmooth();
            lp.ShowGradient = pa.ShowGradient();
            lp.Steps = pa.Steps();
            lp.UnCompleteFontColor = pa.UnCompleteFontColor();
            lp.UnCompleteColor = pa.UnCompleteColor() == plat::clNone ? Canvas.Brush().Color() : pa.UnCompleteColor();
            plat::InflateRect(R, -FControlLook.ProgressMarginX(), -FControlLook.ProgressMarginY());
            R.Right -= 1;
            R.Bottom -= 1;
            // An empty range has no share to show: it draws empty rather
            // than dividing by zero.
            bool ok = false;
            const int v = CellInt(*this, RCol, ARow, ok);
            const int range = g->CellErrLen() - g->CellErrFrom();
            const int percent =
                range == 0 ? 0 : static_cast<int>(std::nearbyint(std::abs(double(v - g->CellErrFrom())) / range * 100));
            Canvas.SaveState();
            ctl::DrawLevelProgressBar(Canvas, R, std::clamp(percent, 0, 100), lp);
            Canvas.RestoreState();
            break;
        }
        case ctInterface:
            if (auto* obj = dynamic_cast<IInterfacedCell*>(g->CellBitmap()))
                obj->Draw(Canvas, {R.Left - 1, R.Top - 1, R.Right, R.Bottom}, RCol, ARow, selected, *this);
            break;
        case ctShape:
            ctl::DrawCellShape(Canvas, x0, y0, x1 - x0 - 1, y1 - y0 - 1, static_cast<ctl::TCellShape>(g->CellAngle()),
                               static_cast<TColor>(g->CellIndex()), g->CellColor1());
            break;
        case ctRating: {
            const double v = std::nearbyint(CellNumber(*this, RCol, ARow) * 2) / 2;
            const TColor on = static_cast<TColor>(g->CellIndex()), off = g->CellColor1();
            for (int i = 0; i < g->CellAngle(); ++i) {
                const int x = x0 + 18 * i;
                ctl::DrawCellShape(Canvas, x, y0, 16, 16, ctl::csStar, i + 1 > v ? off : on, i + 1 > v ? off : on);
                if (i < v && v < i + 1) ctl::DrawCellShape(Canvas, x, y0, 16, 16, ctl::csHalfStar, on, on);
            }
            break;
        }
        default:
            break;
    }
}

// ----------------------------------------------------------- radio glyphs

void TExtStringGrid::DrawRadioGlyph(TCanvas& Canvas, TRect R, bool BottomUp, int Scale, TControlStyle Style,
                                    int ARow, int ACol, bool Selected, const std::vector<std::string>& Options,
                                    bool Disabled, bool Horizontal, int Index, int Count) {
    if (FControlLook.NoDisabledCheckRadioLook() || FControlLook.RadioAlwaysActive()) Disabled = false;
    if (Count <= 0) return;
    // Without a visual-styles library the themed look is the classic one.
    if (Style == csTheme) Style = csClassic;
    const bool classic = Style == csClassic || Style == csFlat;
    Canvas.SaveState();
    Canvas.SetBkMode(plat::TRANSPARENT);
    if (Selected && FShowSelection && FSelectionTextColor != plat::clNone) Canvas.Font().SetColor(FSelectionTextColor);
    const std::string stored = GetGridCell(ACol, ARow);
    const int textHeight = Canvas.TextHeight("gh");
    const int lineHeight = classic ? textHeight : std::max(16, textHeight);
    const int glyph = classic ? FControlLook.RadioSize() * Scale + (Style == csFlat ? 2 : 0) : 16;
    int textBefore = 0;
    for (int k = 1; k <= Count && k <= static_cast<int>(Options.size()) + 0; ++k) {
        const std::string& text = Options[static_cast<size_t>(k - 1)];
        const bool on = (Index == -1 && text == stored) || k == Index + 1;
        int gx, gy;
        if (Horizontal) {
            gx = R.Left + 2 + (classic ? (k - 1) * FControlLook.RadioSize() : 16 * k - 14) + textBefore;
            gy = R.Top + (R.Height() - glyph) / 2;
        } else {
            gx = text.empty() ? R.Left + (R.Width() - glyph) / 2 : R.Left + 2;
            gy = BottomUp ? R.Bottom - 2 - k * lineHeight : R.Top + 2 + (k - 1) * lineHeight;
        }
        switch (Style) {
            case csClassic:
            case csFlat: {
                TRect b = plat::Bounds(gx, gy, glyph, glyph);
                unsigned st = plat::DFCS_BUTTONRADIO;
                if (on) st |= plat::DFCS_CHECKED;
                if (Style == csFlat) st |= plat::DFCS_FLAT;
                if (Disabled) st |= plat::DFCS_INACTIVE;
                Canvas.DrawFrameControl(b, plat::DFC_BUTTON, st);
                break;
            }
            case csBorland: {
                const int x = gx, y = gy;
                Canvas.Brush().SetColor(plat::clBtnFace);
                Canvas.Pen().SetColor(plat::clBtnFace);
                Canvas.Polygon({{x + 2, y + 8}, {x + 8, y + 2}, {x + 14, y + 8}, {x + 8, y + 14}});
                Canvas.Pen().SetColor(on ? plat::clGray : plat::clWhite);
                Canvas.MoveTo(x + 2, y + 8);
                Canvas.LineTo(x + 8, y + 2);
                Canvas.LineTo(x + 14, y + 8);
                Canvas.Pen().SetColor(on ? plat::clWhite : plat::clGray);
                Canvas.LineTo(x + 8, y + 14);
                Canvas.LineTo(x + 2, y + 8);
                if (on) {
                    Canvas.Brush().SetColor(FControlLook.Color());
                    Canvas.Pen().SetColor(FControlLook.Color());
                    Canvas.Polygon({{x + 6, y + 8}, {x + 8, y + 6}, {x + 10, y + 8}, {x + 8, y + 10}});
                }
                break;
            }
            case csWinXP:
            case csKelo: {
                static const char* const kXP[2][2] = {{"ESGRAD06", "ESGRAD08"}, {"ESGRAD05", "ESGRAD07"}};
                static const char* const kKelo[2][2] = {{"ESGRAD02", "ESGRAD04"}, {"ESGRAD01", "ESGRAD03"}};
                const char* name = (Style == csWinXP ? kXP : kKelo)[on][Disabled];
                if (const plat::TBitmap* bmp = ResourceGlyph(name)) Canvas.Draw(gx, gy, *bmp);
                break;
            }
            case csGlyph: {
                const plat::TBitmap& bmp = on ? FControlLook.RadioOnGlyph() : FControlLook.RadioOffGlyph();
                if (!bmp.Empty()) DrawTransparent(Canvas, gx, gy, bmp);
                break;
            }
            default:
                break;
        }
        if (!text.empty()) {
            // Side by side, each text follows its glyph at once: the next
            // glyph's place counts only the glyph steps and the texts.
            const int tx = Horizontal ? gx + (classic ? FControlLook.RadioSize() : 16)
                           : classic  ? R.Left + 2 + Scale * (FControlLook.RadioSize() + 4)
                           : Style == csBorland ? R.Left + 20
                                                : R.Left + 18;
            const int ty = Horizontal ? R.Top + (R.Height() - textHeight) / 2 : gy + (lineHeight - textHeight) / 2;
            Canvas.TextOut(tx, ty, text);
            textBefore += Canvas.TextWidth(text);
        }
    }
    Canvas.RestoreState();
}

// ----------------------------------------------------------- borders and print colours

void TExtStringGrid::GetCellBorder(int ACol, int ARow, TCellBorders& Borders, plat::TPen& APen) {
    // Group headers and summary lines come with grouping; until then the
    // application's event is the only source of borders.
    if (OnGetCellBorder) OnGetCellBorder(this, ARow, ACol, APen, Borders);
}

void TExtStringGrid::GetCellPrintColor(int ACol, int ARow, TGridDrawState AState, plat::TBrush& ABrush,
                                       plat::TFont& AFont) {
    if (OnGetCellPrintColor) OnGetCellPrintColor(this, ARow, ACol, AState, ABrush, AFont);
}

void TExtStringGrid::GetCellPrintBorder(int ACol, int ARow, TCellBorders& Borders, plat::TPen& APen) {
    if (OnGetCellPrintBorder) OnGetCellPrintBorder(this, ARow, ACol, APen, Borders);
}

void TExtStringGrid::DrawCellBorders(TCanvas& Canvas, int RCol, int ARow, TRect R) {
    if (!OnGetCellBorder && !OnGetCellBorderProp) return;
    const plat::TPen saved = Canvas.Pen();
    TCellBorders borders;
    GetCellBorder(RCol, ARow, borders, Canvas.Pen());
    if (borders.Empty()) {
        Canvas.SetPen(saved);
        return;
    }
    plat::TPen left = Canvas.Pen(), top = Canvas.Pen(), right = Canvas.Pen(), bottom = Canvas.Pen();
    if (OnGetCellBorderProp) OnGetCellBorderProp(this, ARow, RCol, left, top, right, bottom);
    const plat::TGridOptions opts = Options();
    const int h = (Canvas.Pen().Width() + 1) / 2;
    const int x0 = opts.Contains(goVertLine) ? h : 0;
    const int y0 = opts.Contains(goHorzLine) ? h : 0;
    R.Left += x0;
    R.Bottom -= y0;
    if (borders.Contains(cbLeft)) {
        Canvas.SetPen(left);
        Canvas.MoveTo(std::max(0, R.Left), R.Top);
        Canvas.LineTo(std::max(0, R.Left), R.Bottom);
    }
    R.Right -= x0;
    if (borders.Contains(cbRight)) {
        Canvas.SetPen(right);
        Canvas.MoveTo(R.Right - 1, R.Top);
        Canvas.LineTo(R.Right - 1, R.Bottom);
    }
    if (borders.Contains(cbTop)) {
        Canvas.SetPen(top);
        R.Top += y0;
        const int y = GridLineWidth() == 0 ? R.Top + 1 : std::max(0, R.Top - GridLineWidth());
        Canvas.MoveTo(R.Left, y);
        Canvas.LineTo(R.Right, y);
    }
    if (borders.Contains(cbBottom)) {
        Canvas.SetPen(bottom);
        Canvas.MoveTo(R.Left - GridLineWidth() - 1, R.Bottom - 1);
        Canvas.LineTo(R.Right, R.Bottom - 1);
    }
    Canvas.SetPen(saved);
}

}  // namespace grid
