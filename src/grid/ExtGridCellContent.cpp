// The picture, image, progress, shape, rating, scroll-bar and bit-button
// kinds of cell content: each one attached through CreateCellGraphic and
// taken off through RemoveCellGraphicOfType, so that replacing a graphic or
// removing it always frees what the cell owned and nothing else.

#include <cmath>

#include "grid/ExtGrid.h"
#include "grid/FilePicture.h"
#include "grid/GridLists.h"

namespace grid {

struct TExtStringGrid::TCellKindsState {
    const TCellImageList* Images = nullptr;
    TBackGround BackGround;
    TBands Bands;
    bool SelectionColorMixer = false;
};

bool TExtStringGrid::SelectionColorMixer() const { return FCellKinds && FCellKinds->SelectionColorMixer; }

void TExtStringGrid::SetSelectionColorMixer(bool Value) {
    if (SelectionColorMixer() == Value) return;
    Kinds().SelectionColorMixer = Value;
    Invalidate();
}

TBands& TExtStringGrid::Bands() {
    TBands& b = Kinds().Bands;
    if (!b.OnChange) b.OnChange = [this](TObject*) { Invalidate(); };
    return b;
}

const TBands& TExtStringGrid::Bands() const {
    static const TBands none;
    return FCellKinds ? FCellKinds->Bands : none;
}

TBackGround& TExtStringGrid::BackGround() {
    TBackGround& b = Kinds().BackGround;
    if (!b.OnChange) b.OnChange = [this] { Invalidate(); };
    return b;
}

TExtStringGrid::TCellKindsState& TExtStringGrid::Kinds() {
    if (!FCellKinds) FCellKinds = std::make_shared<TCellKindsState>();
    return *FCellKinds;
}

const TCellImageList* TExtStringGrid::GridImages() const { return FCellKinds ? FCellKinds->Images : nullptr; }

void TExtStringGrid::SetGridImages(const TCellImageList* Value) {
    if (GridImages() != Value) Kinds().Images = Value;
}

TCellGraphic* TExtStringGrid::GraphicOfKind(int ACol, int ARow, TCellType Kind) {
    if (ACol < 0 || ARow < 0) return nullptr;
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    return g && g->CellType() == Kind ? g : nullptr;
}

TCellGraphic* TExtStringGrid::BaseGraphicOfKind(int ACol, int ARow, TCellType Kind) {
    if (ACol < 0 || ARow < 0) return nullptr;
    const plat::TPoint b = BaseCell(ACol, ARow);
    return GraphicOfKind(b.X, b.Y, Kind);
}

// ----------------------------------------------------------- objects

void TExtStringGrid::AddInterfacedCell(int ACol, int ARow, TObject* AObject) {
    CreateCellGraphic(ACol, ARow)->SetInterfacedCell(AObject);
}

void TExtStringGrid::RemoveInterfacedCell(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctInterface); }

TObject* TExtStringGrid::GetInterfacedCell(int ACol, int ARow) {
    const TCellGraphic* g = GraphicOfKind(ACol, ARow, ctInterface);
    return g ? g->CellBitmap() : nullptr;
}

plat::TBitmap* TExtStringGrid::CreateBitmap(int ACol, int ARow, bool Transparent, TCellHAlign hal,
                                            TCellVAlign val) {
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    auto* bmp = new plat::TBitmap;
    g->SetBitmap(bmp, Transparent, hal, val);
    g->SetCellCreated(true);
    return bmp;
}

void TExtStringGrid::AddBitmap(int ACol, int ARow, plat::TBitmap* ABmp, bool Transparent, TCellHAlign hal,
                               TCellVAlign val) {
    CreateCellGraphic(ACol, ARow)->SetBitmap(ABmp, Transparent, hal, val);
}

plat::TBitmap* TExtStringGrid::GetBitmap(int ACol, int ARow) {
    const TCellGraphic* g = GraphicOfKind(ACol, ARow, ctBitmap);
    return g ? dynamic_cast<plat::TBitmap*>(g->CellImage()) : nullptr;
}

void TExtStringGrid::RemoveBitmap(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctBitmap); }

plat::TPicture* TExtStringGrid::CreatePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode,
                                              int Padding, TCellHAlign hal, TCellVAlign val) {
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    auto* pic = new plat::TPicture;
    g->SetPicture(pic, Transparent, StretchMode, Padding, hal, val);
    g->SetCellCreated(true);
    return pic;
}

void TExtStringGrid::AddPicture(int ACol, int ARow, plat::TPicture* APicture, bool Transparent,
                                TStretchMode StretchMode, int Padding, TCellHAlign hal, TCellVAlign val) {
    CreateCellGraphic(ACol, ARow)->SetPicture(APicture, Transparent, StretchMode, Padding, hal, val);
}

plat::TPicture* TExtStringGrid::GetPicture(int ACol, int ARow) {
    const TCellGraphic* g = GraphicOfKind(ACol, ARow, ctPicture);
    return g ? g->CellPicture() : nullptr;
}

void TExtStringGrid::RemovePicture(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctPicture); }

TFilePicture* TExtStringGrid::CreateFilePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode,
                                                int Padding, TCellHAlign hal, TCellVAlign val) {
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    auto* pic = new TFilePicture;
    g->SetFilePicture(pic, Transparent, StretchMode, Padding, hal, val);
    g->SetCellCreated(true);
    return pic;
}

void TExtStringGrid::AddFilePicture(int ACol, int ARow, TFilePicture* APicture, bool Transparent,
                                    TStretchMode StretchMode, int Padding, TCellHAlign hal, TCellVAlign val) {
    CreateCellGraphic(ACol, ARow)->SetFilePicture(APicture, Transparent, StretchMode, Padding, hal, val);
}

TFilePicture* TExtStringGrid::GetFilePicture(int ACol, int ARow) {
    const TCellGraphic* g = GraphicOfKind(ACol, ARow, ctFilePicture);
    return g ? dynamic_cast<TFilePicture*>(g->CellBitmap()) : nullptr;
}

void TExtStringGrid::RemoveFilePicture(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctFilePicture); }

plat::TIcon* TExtStringGrid::CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val) {
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    auto* icon = new plat::TIcon;
    g->SetIcon(icon, hal, val);
    g->SetCellCreated(true);
    return icon;
}

void TExtStringGrid::AddIcon(int ACol, int ARow, plat::TIcon* AIcon, TCellHAlign hal, TCellVAlign val) {
    CreateCellGraphic(ACol, ARow)->SetIcon(AIcon, hal, val);
}

void TExtStringGrid::RemoveIcon(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctIcon); }

// ----------------------------------------------------------- image list kinds

void TExtStringGrid::AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val) {
    if (!GridImages()) return;
    CreateCellGraphic(ACol, ARow)->SetImageIdx(Aidx, hal, val);
}

bool TExtStringGrid::GetImageIdx(int ACol, int ARow, int& Idx) {
    if (!GridImages()) return false;
    const TCellGraphic* g = GraphicOfKind(ACol, ARow, ctImageList);
    if (!g) return false;
    Idx = g->CellIndex();
    return true;
}

void TExtStringGrid::SetImageIdx(int ACol, int ARow, int Idx) {
    if (!GridImages()) return;
    if (TCellGraphic* g = GraphicOfKind(ACol, ARow, ctImageList)) g->SetCellIndex(Idx);
}

void TExtStringGrid::RemoveImageIdx(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctImageList); }

void TExtStringGrid::AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val) {
    if (!GridImages()) return;
    CreateCellGraphic(ACol, ARow)->SetDataImage(Aidx, hal, val);
    if (Cells(ACol, ARow).empty()) SetInts(ACol, ARow, Aidx);
}

void TExtStringGrid::RemoveDataImage(int ACol, int ARow) {
    RemoveCellGraphicOfType(ACol, ARow, ctDataImage);
    // The text was the image's number; without the image it means nothing.
    SetCells(ACol, ARow, "");
}

bool TExtStringGrid::HasDataImage(int ACol, int ARow) { return IsCellTypeIn(ACol, ARow, {ctDataImage}); }

void TExtStringGrid::AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val) {
    if (!GridImages()) return;
    CreateCellGraphic(ACol, ARow)->SetMultiImage(ACol, ARow, Dir, hal, val, [this](TObject*, int c, int r) {
        RepaintCell(DisplColIndex(c), r);
    });
}

void TExtStringGrid::RemoveMultiImage(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctImages); }

TIntList* TExtStringGrid::GetCellImages(int ACol, int ARow) {
    const TCellGraphic* g = GraphicOfKind(ACol, ARow, ctImages);
    return g ? dynamic_cast<TIntList*>(g->CellBitmap()) : nullptr;
}

// ----------------------------------------------------------- bars and figures

void TExtStringGrid::AddProgressPie(int ACol, int ARow, TColor Color, int Value) {
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->SetCellType(ctProgressPie);
    g->SetCellHAlign(haBeforeText);
    g->SetCellVAlign(vaTop);
    g->SetCellColor1(Color);
    g->SetCellAngle(Value);
}

void TExtStringGrid::SetProgressPie(int ACol, int ARow, int Value) {
    TCellGraphic* g = GraphicOfKind(ACol, ARow, ctProgressPie);
    if (!g) return;
    g->SetCellAngle(Value);
    RepaintCell(DisplColIndex(ACol), ARow);
}

void TExtStringGrid::RemoveProgressPie(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctProgressPie); }

void TExtStringGrid::AddExtProgress(int ACol, int ARow, int Min, int Max) {
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->SetCellType(ctXPProgress);
    g->SetCellHAlign(haLeft);
    g->SetCellVAlign(vaTop);
    g->SetCellErrFrom(Min);
    g->SetCellErrLen(Max);
    g->SetCellBoolean(false);
    g->SetCellText("");
}

void TExtStringGrid::RemoveExtProgress(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctXPProgress); }

void TExtStringGrid::AddProgress(int ACol, int ARow, TColor FGColor, TColor BKColor) {
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->SetCellType(ctProgress);
    g->SetCellHAlign(haLeft);
    g->SetCellVAlign(vaTop);
    g->SetCellColor1(FGColor);
    g->SetCellColor2(BKColor);
    g->SetCellErrFrom(0);
    g->SetCellErrLen(100);
    g->SetCellBoolean(false);
    g->SetCellText("");
    if (AutoNumAlign()) SetAlignments(ACol, ARow, plat::taRightJustify);
}

void TExtStringGrid::AddProgressEx(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                                   TColor BKTextColor) {
    AddProgress(ACol, ARow, FGColor, BKColor);
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    g->SetCellIndex(static_cast<int>(FGTextColor));
    g->SetCellAngle(static_cast<int>(BKTextColor));
    g->SetCellBoolean(true);
}

void TExtStringGrid::AddProgressFormatted(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                                          TColor BKTextColor, const std::string& Fmt, int Min, int Max) {
    AddProgressEx(ACol, ARow, FGColor, FGTextColor, BKColor, BKTextColor);
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    g->SetCellErrFrom(Min);
    g->SetCellErrLen(Max);
    g->SetCellText(Fmt);
}

void TExtStringGrid::RemoveProgress(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctProgress); }

void TExtStringGrid::AddRangeIndicator(int ACol, int ARow, int Range, TColor NegColor, TColor PosColor,
                                       bool ShowValue) {
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->SetCellType(ctRangeIndicator);
    g->SetCellHAlign(haLeft);
    g->SetCellVAlign(vaTop);
    g->SetCellIndex(Range);
    g->SetCellColor1(NegColor);
    g->SetCellColor2(PosColor);
    g->SetCellBoolean(ShowValue);
}

void TExtStringGrid::RemoveRangeIndicator(int ACol, int ARow) {
    RemoveCellGraphicOfType(ACol, ARow, ctRangeIndicator);
}

void TExtStringGrid::AddShape(int ACol, int ARow, ctl::TCellShape Shape, TColor FillColor, TColor LineColor,
                              TCellHAlign hal, TCellVAlign val) {
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->SetCellType(ctShape);
    g->SetCellHAlign(hal);
    g->SetCellVAlign(val);
    g->SetCellAngle(Shape);
    g->SetCellIndex(static_cast<int>(FillColor));
    g->SetCellColor1(LineColor);
}

void TExtStringGrid::RemoveShape(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctShape); }

void TExtStringGrid::SetShapeColor(int ACol, int ARow, TColor FillColor) {
    if (TCellGraphic* g = GraphicOfKind(ACol, ARow, ctShape)) g->SetCellIndex(static_cast<int>(FillColor));
}

void TExtStringGrid::AddRating(int ACol, int ARow, int Scale, TColor FillColor, TColor EmptyColor) {
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->SetCellType(ctRating);
    g->SetCellHAlign(haFull);
    g->SetCellVAlign(vaTop);
    g->SetCellAngle(Scale);
    g->SetCellIndex(static_cast<int>(FillColor));
    g->SetCellColor1(EmptyColor);
}

void TExtStringGrid::RemoveRating(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRating); }

bool TExtStringGrid::DoRatingChange(int ACol, int ARow, double& NewRate) {
    bool allow = true;
    if (OnRatingChange) OnRatingChange(this, ACol, ARow, NewRate, allow);
    return allow;
}

// ----------------------------------------------------------- scroll bars

void TExtStringGrid::AddScrollBar(int ACol, int ARow, bool AutoRange) {
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->SetCellType(ctScrollbar);
    g->SetCellAngle(0);
    g->SetCellErrFrom(100);
    g->SetCellIndex(0);
    g->SetCellBoolean(AutoRange);
    if (AutoRange) CellTextChanged(ACol, ARow);
}

bool TExtStringGrid::HasAutoRangeScrollBar(int ACol, int ARow) {
    const TCellGraphic* g = BaseGraphicOfKind(ACol, ARow, ctScrollbar);
    return g && g->CellBoolean();
}

void TExtStringGrid::SetScrollPosition(int ACol, int ARow, int Pos) {
    TCellGraphic* g = BaseGraphicOfKind(ACol, ARow, ctScrollbar);
    if (!g) return;
    g->SetCellIndex(Pos);
    RepaintCell(DisplColIndex(ACol), ARow);
}

void TExtStringGrid::SetScrollProp(int ACol, int ARow, TScrollProp Prop) {
    TCellGraphic* g = BaseGraphicOfKind(ACol, ARow, ctScrollbar);
    if (!g) return;
    g->SetCellAngle(Prop.PageSize);
    g->SetCellErrFrom(Prop.Range);
}

TScrollProp TExtStringGrid::GetScrollProp(int ACol, int ARow) {
    const TCellGraphic* g = BaseGraphicOfKind(ACol, ARow, ctScrollbar);
    if (!g) return {-1, -1};
    return {g->CellAngle(), g->CellErrFrom()};
}

void TExtStringGrid::RemoveScrollBar(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctScrollbar); }

// ----------------------------------------------------------- bit buttons

void TExtStringGrid::AddBitButton(int ACol, int ARow, int bw, int bh, const std::string& Caption,
                                  plat::TBitmap* Glyph, TCellHAlign hal, TCellVAlign val) {
    CreateCellGraphic(ACol, ARow)->SetBitButton(bw, bh, Caption, Glyph, hal, val);
}

plat::TBitmap* TExtStringGrid::CreateBitButton(int ACol, int ARow, int bw, int bh, const std::string& Caption,
                                               TCellHAlign hal, TCellVAlign val) {
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    auto* glyph = new plat::TBitmap;
    g->SetBitButton(bw, bh, Caption, glyph, hal, val);
    g->SetCellCreated(true);
    return glyph;
}

void TExtStringGrid::RemoveBitButton(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctBitButton); }

// ----------------------------------------------------------- keys

std::intptr_t TExtStringGrid::CellImageKey(int ACol, int ARow) {
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || ACol < 0 || ARow < 0) return -1;
    switch (GetCellType(ACol, ARow)) {
        case ctBitmap:
        case ctIcon: return reinterpret_cast<std::intptr_t>(g->CellImage());
        case ctImageList: return g->CellIndex();
        default: return -1;
    }
}

}  // namespace grid
