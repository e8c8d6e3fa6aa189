#include "platform/Grids.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <algorithm>

#include "platform/Application.h"
#include "platform/Forms.h"
#include "platform/NativeBridge.h"

namespace plat {

namespace {

constexpr int kSizingZone = 2;  // pixels each side of a border that size it
constexpr int kScrollRange = 127;
constexpr int kAutoScrollTimer = 1;

int MulDiv(int a, int b, int c) { return c == 0 ? 0 : static_cast<int>((static_cast<long long>(a) * b) / c); }

// Moves position p as a column or row moves from From to To: the moved one
// lands on To, the ones between step towards From.
int MovedIndex(int p, int from, int to) {
    if (p == from) return to;
    if (from < to && p > from && p <= to) return p - 1;
    if (from > to && p >= to && p < from) return p + 1;
    return p;
}

}  // namespace

struct TCustomGrid::TScrollBars {
    QScrollBar* horz = nullptr;
    QScrollBar* vert = nullptr;
    bool syncing = false;
    // A bar's thickness comes from the style and never changes for a grid;
    // asking the style costs more than painting a cell, and every cell
    // write asks (through the visible area), so it is asked once.
    int vertWidth = -1;
    int horzHeight = -1;
    int VertWidth() {
        if (vertWidth < 0) vertWidth = vert->sizeHint().width();
        return vertWidth;
    }
    int HorzHeight() {
        if (horzHeight < 0) horzHeight = horz->sizeHint().height();
        return horzHeight;
    }
};

// --- TInplaceEdit ----------------------------------------------------------

TInplaceEdit::TInplaceEdit(TCustomGrid* AGrid) : TEdit(AGrid), FGrid(AGrid) {
    SetVisible(false);
    SetParent(AGrid);
    OnChange = [this](TObject*) {
        FGrid->Perform(WM_COMMAND, MakeLParam(0, static_cast<int>(EN_CHANGE)), reinterpret_cast<intptr_t>(this));
    };
}

void TInplaceEdit::Dispatch(TMessage& Message) {
    if (Message.Msg == WM_GETDLGCODE) {
        // Enter and Escape belong to the grid's editing, not to the form's
        // default and cancel buttons.
        Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTALLKEYS;
        return;
    }
    TEdit::Dispatch(Message);
}

void TInplaceEdit::KeyDown(unsigned short& Key, TShiftState Shift) {
    const int len = static_cast<int>(Text().size());
    bool toGrid = false;
    switch (Key) {
        case VK_UP:
        case VK_DOWN:
        case VK_PRIOR:
        case VK_NEXT:
        case VK_ESCAPE: toGrid = true; break;
        case VK_TAB: toGrid = !(Shift & ssAlt); break;
        default: break;
    }
    // In a mirrored grid the text starts at the right, so the key that
    // leaves the text at its start is Right (the toolkit moves the caret so).
    switch (FGrid->ReadingKey(Key)) {
        case VK_LEFT: toGrid = SelLength() == 0 && SelStart() == 0; break;
        case VK_RIGHT: toGrid = SelLength() == 0 && SelStart() >= len; break;
        case VK_HOME:
        case VK_END: toGrid = (Shift & ssCtrl) != 0; break;
        default: break;
    }
    if (toGrid) {
        FGrid->KeyDown(Key, Shift);
        Key = 0;
        return;
    }
    TEdit::KeyDown(Key, Shift);
}

void TInplaceEdit::KeyPress(char32_t& Key) {
    FGrid->KeyPress(Key);
    if (Key >= 32 && !FGrid->CanEditAcceptKey(Key)) {
        Beep();
        Key = 0;
    }
    switch (Key) {
        case 0: return;
        case 9:
        case 27: Key = 0; return;
        case 13:
            // Enter flips between the whole text selected and the caret at
            // its end.
            if (FSelectAllToggle) SelectAll();
            else SetSelStart(static_cast<int>(Text().size()));
            FSelectAllToggle = !FSelectAllToggle;
            Key = 0;
            return;
        default:
            if (!FGrid->CanEditModify()) {
                Key = 0;
                return;
            }
            break;
    }
    TEdit::KeyPress(Key);
}

void TInplaceEdit::UpdateContents() {
    SetMaxLength(FGrid->GetEditLimit());
    SetText(FGrid->GetEditText(FGrid->Col(), FGrid->Row()));
}

// --- TCustomGrid: structure --------------------------------------------------

TCustomGrid::TCustomGrid(TComponent* AOwner) : TCustomControl(AOwner), FBars(new TScrollBars) {
    FOptions = {goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
    FColWidths.assign(5, FDefaultColWidth);
    FRowHeights.assign(5, FDefaultRowHeight);
    QWidget* w = TNativeAccess::Widget(*this);
    FBars->horz = new QScrollBar(Qt::Horizontal, w);
    FBars->vert = new QScrollBar(Qt::Vertical, w);
    for (QScrollBar* bar : {FBars->horz, FBars->vert}) {
        bar->setRange(0, kScrollRange);
        bar->setPageStep(8);
        bar->hide();
        const bool vertical = bar == FBars->vert;
        QObject::connect(bar, &QScrollBar::actionTriggered, bar, [this, bar, vertical](int action) {
            if (FBars->syncing) return;
            unsigned code = SB_ENDSCROLL;
            switch (action) {
                case QAbstractSlider::SliderSingleStepAdd: code = SB_LINEDOWN; break;
                case QAbstractSlider::SliderSingleStepSub: code = SB_LINEUP; break;
                case QAbstractSlider::SliderPageStepAdd: code = SB_PAGEDOWN; break;
                case QAbstractSlider::SliderPageStepSub: code = SB_PAGEUP; break;
                case QAbstractSlider::SliderToMinimum: code = SB_TOP; break;
                case QAbstractSlider::SliderToMaximum: code = SB_BOTTOM; break;
                case QAbstractSlider::SliderMove: code = SB_THUMBTRACK; break;
                default: return;
            }
            const int pos = bar->sliderPosition();
            SafeCall([&] { Perform(vertical ? WM_VSCROLL : WM_HSCROLL, MakeLParam(static_cast<int>(code), pos), 0); });
        });
        QObject::connect(bar, &QScrollBar::sliderReleased, bar, [this, bar, vertical] {
            if (FBars->syncing) return;
            SafeCall([&] {
                Perform(vertical ? WM_VSCROLL : WM_HSCROLL,
                        MakeLParam(static_cast<int>(SB_THUMBPOSITION), bar->sliderPosition()), 0);
            });
        });
    }
    SetTabStop(true);
    SetAccessibleRole(arTable);
    SetBounds(0, 0, 320, 120);
    SetColor(clWindow);
}

TCustomGrid::~TCustomGrid() {
    FInplaceEdit = nullptr;  // owned by the grid, freed with its components
    delete FBars;
    FBars = nullptr;  // the scroll bars go with the widget
}

void TCustomGrid::SetColCount(int Value) {
    Value = std::max(1, Value);
    const int oldCols = ColCount();
    if (Value == oldCols) return;
    FColWidths.resize(static_cast<size_t>(Value), FDefaultColWidth);
    if (FFixedCols >= Value) FFixedCols = Value - 1;
    FCurrent = Clamped(FCurrent.X, FCurrent.Y);
    FAnchor = Clamped(FAnchor.X, FAnchor.Y);
    FLeftCol = std::clamp(FLeftCol, FFixedCols, Value - 1);
    SizeChanged(oldCols, RowCount());
    UpdateScrollRange();
    Invalidate();
}

void TCustomGrid::SetRowCount(int Value) {
    Value = std::max(1, Value);
    const int oldRows = RowCount();
    if (Value == oldRows) return;
    FRowHeights.resize(static_cast<size_t>(Value), FDefaultRowHeight);
    if (FFixedRows >= Value) FFixedRows = Value - 1;
    FCurrent = Clamped(FCurrent.X, FCurrent.Y);
    FAnchor = Clamped(FAnchor.X, FAnchor.Y);
    FTopRow = std::clamp(FTopRow, FFixedRows, Value - 1);
    SizeChanged(ColCount(), oldRows);
    UpdateScrollRange();
    Invalidate();
}

void TCustomGrid::SetFixedCols(int Value) {
    FFixedCols = std::clamp(Value, 0, ColCount() - 1);
    FLeftCol = std::max(FLeftCol, FFixedCols);
    FCurrent = Clamped(FCurrent.X, FCurrent.Y);
    FAnchor = Clamped(FAnchor.X, FAnchor.Y);
    UpdateScrollRange();
    Invalidate();
}

void TCustomGrid::SetFixedRows(int Value) {
    FFixedRows = std::clamp(Value, 0, RowCount() - 1);
    FTopRow = std::max(FTopRow, FFixedRows);
    FCurrent = Clamped(FCurrent.X, FCurrent.Y);
    FAnchor = Clamped(FAnchor.X, FAnchor.Y);
    UpdateScrollRange();
    Invalidate();
}

void TCustomGrid::SetDefaultColWidth(int Value) {
    FDefaultColWidth = Value;
    std::fill(FColWidths.begin(), FColWidths.end(), Value);
    ColWidthsChanged();
    UpdateScrollRange();
    Invalidate();
}

void TCustomGrid::SetDefaultRowHeight(int Value) {
    FDefaultRowHeight = Value;
    std::fill(FRowHeights.begin(), FRowHeights.end(), Value);
    RowHeightsChanged();
    UpdateScrollRange();
    Invalidate();
}

int TCustomGrid::ColWidths(int ACol) const {
    return ACol >= 0 && ACol < ColCount() ? FColWidths[static_cast<size_t>(ACol)] : FDefaultColWidth;
}

void TCustomGrid::SetColWidths(int ACol, int Value) {
    if (ACol < 0 || ACol >= ColCount() || FColWidths[static_cast<size_t>(ACol)] == Value) return;
    FColWidths[static_cast<size_t>(ACol)] = Value;
    ColWidthsChanged();
    UpdateScrollRange();
    InvalidateEditor();
    Invalidate();
}

int TCustomGrid::RowHeights(int ARow) const {
    return ARow >= 0 && ARow < RowCount() ? FRowHeights[static_cast<size_t>(ARow)] : FDefaultRowHeight;
}

void TCustomGrid::SetRowHeights(int ARow, int Value) {
    if (ARow < 0 || ARow >= RowCount() || FRowHeights[static_cast<size_t>(ARow)] == Value) return;
    FRowHeights[static_cast<size_t>(ARow)] = Value;
    RowHeightsChanged();
    UpdateScrollRange();
    InvalidateEditor();
    Invalidate();
}

void TCustomGrid::ShiftRowHeights(int FirstRow, int Delta) {
    const int n = RowCount();
    if (Delta == 0 || FirstRow < 0 || FirstRow >= n) return;
    // Rows of one height (the usual table) move without a copy or a repaint.
    const int from = std::max(std::min(FirstRow, FirstRow + Delta), 0);
    if (std::all_of(FRowHeights.begin() + from, FRowHeights.end(), [this](int h) { return h == FDefaultRowHeight; }))
        return;
    std::vector<int> heights = FRowHeights;
    if (Delta > 0) {
        heights.insert(heights.begin() + FirstRow, static_cast<size_t>(std::min(Delta, n - FirstRow)), FDefaultRowHeight);
    } else {
        heights.erase(heights.begin() + from, heights.begin() + std::min(std::max(FirstRow, from - Delta), n));
    }
    heights.resize(static_cast<size_t>(n), FDefaultRowHeight);
    if (heights == FRowHeights) return;
    FRowHeights = std::move(heights);
    RowHeightsChanged();
    UpdateScrollRange();
    InvalidateEditor();
    Invalidate();
}

void TCustomGrid::SetOptions(TGridOptions Value) {
    if (Value == FOptions) return;
    FOptions = Value;
    if (FOptions.Contains(goRowSelect) || !FOptions.Contains(goEditing)) HideEditor();
    if (FOptions.Contains(goAlwaysShowEditor) && FOptions.Contains(goEditing)) ShowEditor();
    Invalidate();
}

void TCustomGrid::SetFixedColor(TColor Value) {
    FFixedColor = Value;
    Invalidate();
}

void TCustomGrid::SetScrollBars(TScrollStyle Value) {
    FScrollBars = Value;
    UpdateScrollRange();
}

void TCustomGrid::SizeChanged(int, int) {}
void TCustomGrid::ColWidthsChanged() {}
void TCustomGrid::RowHeightsChanged() {}
void TCustomGrid::TopLeftChanged() {}
void TCustomGrid::ColumnMoved(int, int) {}
void TCustomGrid::RowMoved(int, int) {}

int TCustomGrid::FixedColsWidth() const {
    int w = 0;
    for (int c = 0; c < FFixedCols; ++c) w += ColWidths(c);
    return w;
}

int TCustomGrid::FixedRowsHeight() const {
    int h = 0;
    for (int r = 0; r < FFixedRows; ++r) h += RowHeights(r);
    return h;
}

TGridCoord TCustomGrid::Clamped(int ACol, int ARow) const {
    const int minCol = std::min(FFixedCols, ColCount() - 1);
    const int minRow = std::min(FFixedRows, RowCount() - 1);
    return {std::clamp(ACol, minCol, ColCount() - 1), std::clamp(ARow, minRow, RowCount() - 1)};
}

// --- scrolling -------------------------------------------------------------

int TCustomGrid::ClientWidth() const {
    return Width() - (FBars != nullptr && FBars->vert != nullptr && !FBars->vert->isHidden() ? FBars->VertWidth() : 0);
}

int TCustomGrid::ClientHeight() const {
    return Height() - (FBars != nullptr && FBars->horz != nullptr && !FBars->horz->isHidden() ? FBars->HorzHeight() : 0);
}

int TCustomGrid::LastFullCol(int From) const {
    int x = FixedColsWidth();
    int last = From - 1;
    const int width = ClientWidth();
    for (int c = From; c < ColCount(); ++c) {
        x += ColWidths(c);
        if (x > width) break;
        last = c;
    }
    return last;
}

int TCustomGrid::LastFullRow(int From) const {
    int y = FixedRowsHeight();
    int last = From - 1;
    const int height = ClientHeight();
    for (int r = From; r < RowCount(); ++r) {
        y += RowHeights(r);
        if (y > height) break;
        last = r;
    }
    return last;
}

int TCustomGrid::VisibleColCount() const {
    if (FLeftCol >= ColCount()) return 0;
    return std::max(1, LastFullCol(FLeftCol) - FLeftCol + 1);
}

int TCustomGrid::VisibleRowCount() const {
    if (FTopRow >= RowCount()) return 0;
    return std::max(1, LastFullRow(FTopRow) - FTopRow + 1);
}

void TCustomGrid::SetLeftCol(int Value) {
    Value = std::clamp(Value, std::min(FFixedCols, ColCount() - 1), ColCount() - 1);
    if (Value == FLeftCol) return;
    FLeftCol = Value;
    UpdateScrollRange();
    InvalidateEditor();
    Invalidate();
    TopLeftChanged();
}

void TCustomGrid::SetTopRow(int Value) {
    Value = std::clamp(Value, std::min(FFixedRows, RowCount() - 1), RowCount() - 1);
    if (Value == FTopRow) return;
    FTopRow = Value;
    UpdateScrollRange();
    InvalidateEditor();
    Invalidate();
    TopLeftChanged();
}

void TCustomGrid::ClampInView(int ACol, int ARow) {
    if (ACol >= FFixedCols) {
        if (ACol < FLeftCol) SetLeftCol(ACol);
        else if (ACol > LastFullCol(FLeftCol)) {
            // The leftmost column that still shows ACol whole.
            int left = ACol, x = FixedColsWidth() + ColWidths(ACol);
            while (left > FFixedCols && x + ColWidths(left - 1) <= ClientWidth()) x += ColWidths(--left);
            SetLeftCol(left);
        }
    }
    if (ARow >= FFixedRows) {
        if (ARow < FTopRow) SetTopRow(ARow);
        else if (ARow > LastFullRow(FTopRow)) {
            int top = ARow, y = FixedRowsHeight() + RowHeights(ARow);
            while (top > FFixedRows && y + RowHeights(top - 1) <= ClientHeight()) y += RowHeights(--top);
            SetTopRow(top);
        }
    }
}

void TCustomGrid::UpdateScrollRange() {
    if (FBars == nullptr || FBars->vert == nullptr) return;
    int totalW = 0, totalH = 0;
    for (int w : FColWidths) totalW += w;
    for (int h : FRowHeights) totalH += h;
    const int barW = FBars->VertWidth();
    const int barH = FBars->HorzHeight();
    const bool allowV = FScrollBars == ssVertical || FScrollBars == ssBoth;
    const bool allowH = FScrollBars == ssHorizontal || FScrollBars == ssBoth;
    bool needV = allowV && (totalH > Height() || FTopRow > FFixedRows);
    bool needH = allowH && (totalW > Width() - (needV ? barW : 0) || FLeftCol > FFixedCols);
    if (!needV && allowV && needH && totalH > Height() - barH) needV = true;
    FBars->syncing = true;
    FBars->vert->setVisible(needV);
    FBars->horz->setVisible(needH);
    // Read from the right, the grid keeps its vertical bar at the left.
    const bool rtl = UseRightToLeftAlignment();
    FBars->vert->setGeometry(rtl ? 0 : Width() - barW, 0, barW, Height() - (needH ? barH : 0));
    FBars->horz->setGeometry(rtl && needV ? barW : 0, Height() - barH, Width() - (needV ? barW : 0), barH);
    const int rowSpan = RowCount() - VisibleRowCount() - FFixedRows;
    const int colSpan = ColCount() - VisibleColCount() - FFixedCols;
    FBars->vert->setValue(std::clamp(MulDiv(FTopRow - FFixedRows, kScrollRange, rowSpan), 0, kScrollRange));
    FBars->horz->setValue(std::clamp(MulDiv(FLeftCol - FFixedCols, kScrollRange, colSpan), 0, kScrollRange));
    FBars->syncing = false;
}

void TCustomGrid::Scroll(bool Vertical, unsigned Code, int Pos) {
    const int first = Vertical ? FFixedRows : FFixedCols;
    const int count = Vertical ? RowCount() : ColCount();
    const int visible = Vertical ? VisibleRowCount() : VisibleColCount();
    const int current = Vertical ? FTopRow : FLeftCol;
    const int last = std::max(first, count - visible);
    int target = current;
    switch (Code) {
        case SB_LINEUP: target = current - 1; break;
        case SB_LINEDOWN: target = current + 1; break;
        case SB_PAGEUP: target = current - visible; break;
        case SB_PAGEDOWN: target = current + visible; break;
        case SB_THUMBTRACK:
            if (!FOptions.Contains(goThumbTracking)) return;
            [[fallthrough]];
        case SB_THUMBPOSITION: target = first + MulDiv(Pos, count - visible - first, kScrollRange); break;
        case SB_TOP: target = first; break;
        case SB_BOTTOM: target = last; break;
        default: return;
    }
    target = std::clamp(target, first, last);
    if (Vertical) SetTopRow(target);
    else SetLeftCol(target);
    UpdateScrollRange();
}

void TCustomGrid::WMHScroll(TMessage& m) { Scroll(false, LoWord(m.WParam), HiWordSigned(m.WParam)); }
void TCustomGrid::WMVScroll(TMessage& m) { Scroll(true, LoWord(m.WParam), HiWordSigned(m.WParam)); }

void TCustomGrid::WMSize(TMessage& m) {
    TCustomControl::WMSize(m);
    UpdateScrollRange();
    InvalidateEditor();
}

// --- current cell and selection ---------------------------------------------

TGridRect TCustomGrid::Selection() const {
    TGridRect r{std::min(FAnchor.X, FCurrent.X), std::min(FAnchor.Y, FCurrent.Y), std::max(FAnchor.X, FCurrent.X),
                std::max(FAnchor.Y, FCurrent.Y)};
    if (FOptions.Contains(goRowSelect)) {
        r.Left = FFixedCols;
        r.Right = ColCount() - 1;
    }
    return r;
}

void TCustomGrid::SetSelection(const TGridRect& Value) {
    InvalidateRect(Selection());
    // Taken as given, unclamped: a selection parked just outside the cells
    // (column ColCount, row RowCount) is how a grid hides it.
    const TGridCoord before = FCurrent;
    FAnchor = {Value.Left, Value.Top};
    FCurrent = {Value.Right, Value.Bottom};
    InvalidateRect(Selection());
    if (FCurrent != before) AccessibleCurrentCellChanged();
}

bool TCustomGrid::SelectCell(int, int) { return true; }

void TCustomGrid::MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show) {
    const TGridCoord target = Clamped(ACol, ARow);
    if (target != FCurrent && !SelectCell(target.X, target.Y)) return;
    const bool moved = target != FCurrent;
    if (moved && FEditorShowing) HideEditor();
    InvalidateRect(Selection());
    FCurrent = target;
    if (MoveAnchor || !FOptions.Contains(goRangeSelect)) FAnchor = target;
    if (Show) ClampInView(target.X, target.Y);
    InvalidateRect(Selection());
    if (moved) AccessibleCurrentCellChanged();
    if (moved && FOptions.Contains(goAlwaysShowEditor) && FOptions.Contains(goEditing)) ShowEditor();
}

void TCustomGrid::SetCol(int Value) { MoveColRow(Value, FCurrent.Y, true, true); }
void TCustomGrid::SetRow(int Value) { MoveColRow(FCurrent.X, Value, true, true); }

// --- cell geometry -----------------------------------------------------------

TRect TCustomGrid::MirrorRect(const TRect& R) const {
    if (!UseRightToLeftAlignment()) return R;
    const int w = Width();
    return {w - R.Right, R.Top, w - R.Left, R.Bottom};
}

TRect TCustomGrid::ComputeCellRect(int ACol, int ARow) const {
    return MirrorRect(LayoutCellRect(ACol, ARow));
}

// The cell's place as a left-to-right grid lays it out.
TRect TCustomGrid::LayoutCellRect(int ACol, int ARow) const {
    auto edge = [](int index, int fixed, int first, const auto& size) {
        // Position of index counted from the fixed block, then from first.
        int pos = 0;
        if (index < fixed) {
            for (int i = 0; i < index; ++i) pos += size(i);
            return pos;
        }
        for (int i = 0; i < fixed; ++i) pos += size(i);
        if (index >= first)
            for (int i = first; i < index; ++i) pos += size(i);
        else
            for (int i = index; i < first; ++i) pos -= size(i);
        return pos;
    };
    const int x = edge(ACol, FFixedCols, FLeftCol, [this](int i) { return ColWidths(i); });
    const int y = edge(ARow, FFixedRows, FTopRow, [this](int i) { return RowHeights(i); });
    return Bounds(x, y, ColWidths(ACol), RowHeights(ARow));
}

TRect TCustomGrid::GridCellRect(int ACol, int ARow) const {
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) return {};
    if ((ACol >= FFixedCols && ACol < FLeftCol) || (ARow >= FFixedRows && ARow < FTopRow)) return {};
    TRect r = LayoutCellRect(ACol, ARow);
    if (r.Left >= ClientWidth() || r.Top >= ClientHeight()) return {};
    r.Right = std::min(r.Right, ClientWidth());
    r.Bottom = std::min(r.Bottom, ClientHeight());
    return MirrorRect(r);
}

TGridCoord TCustomGrid::MouseCoord(int X, int Y) const {
    auto find = [](int pos, int count, int fixed, int first, int limit, const auto& size) {
        if (pos < 0 || pos >= limit) return -1;
        int edge = 0;
        for (int i = 0; i < fixed; ++i) {
            edge += size(i);
            if (pos < edge) return i;
        }
        for (int i = first; i < count; ++i) {
            edge += size(i);
            if (pos < edge) return i;
        }
        return -1;
    };
    return {
        find(MirrorX(X), ColCount(), FFixedCols, FLeftCol, ClientWidth(),
             [this](int i) { return ColWidths(i); }),
        find(Y, RowCount(), FFixedRows, FTopRow, ClientHeight(), [this](int i) { return RowHeights(i); })};
}

bool TCustomGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) const {
    const TGridCoord c = MouseCoord(X, Y);
    ACol = c.X;
    ARow = c.Y;
    return c.X >= 0 && c.Y >= 0;
}

void TCustomGrid::InvalidateCell(int ACol, int ARow) { InvalidateRect({ACol, ARow, ACol, ARow}); }
void TCustomGrid::InvalidateRow(int ARow) { InvalidateRect({0, ARow, ColCount() - 1, ARow}); }
void TCustomGrid::InvalidateCol(int ACol) { InvalidateRect({ACol, 0, ACol, RowCount() - 1}); }

void TCustomGrid::InvalidateRect(const TGridRect& R) {
    QWidget* w = TNativeAccess::Widget(*this);
    // The toolkit drops updates of a widget that is not shown; windows fill
    // their tables while hidden, so the measuring below is skipped as well.
    if (w == nullptr || !w->isVisible()) return;
    // Only the part on screen needs a repaint. Clipping first also keeps a
    // fill of a long table linear: measuring a far cell sums every row
    // between it and the top row.
    TGridRect v = R;  // a selection being dragged comes unnormalised
    if (v.Left > v.Right) std::swap(v.Left, v.Right);
    if (v.Top > v.Bottom) std::swap(v.Top, v.Bottom);
    const int lastCol = FLeftCol + VisibleColCount();  // one partly shown column included
    const int lastRow = FTopRow + VisibleRowCount();
    if (v.Left >= FFixedCols) v.Left = std::max(v.Left, FLeftCol);
    if (v.Top >= FFixedRows) v.Top = std::max(v.Top, FTopRow);
    v.Right = std::min(v.Right, lastCol);
    v.Bottom = std::min(v.Bottom, lastRow);
    if (v.Left > v.Right || v.Top > v.Bottom) return;
    const TRect a = ComputeCellRect(v.Left, v.Top);
    const TRect b = ComputeCellRect(v.Right, v.Bottom);
    w->update(QRect(QPoint(std::min(a.Left, b.Left), std::min(a.Top, b.Top)),
                    QPoint(std::max(a.Right, b.Right) - 1, std::max(a.Bottom, b.Bottom) - 1)));
    // Cells under the fixed area scroll away from their computed place.
    if (FFixedCols > 0 || FFixedRows > 0)
        w->update(UseRightToLeftAlignment() ? Width() - FixedColsWidth() : 0, 0, FixedColsWidth(),
                  w->height());
    if (FFixedRows > 0) w->update(0, 0, w->width(), FixedRowsHeight());
}

// --- painting ----------------------------------------------------------------

void TCustomGrid::DrawCell(int, int, const TRect&, TGridDrawState) {}

void TCustomGrid::Paint() {
    const TGridRect sel = Selection();
    const bool active = IsActiveControl();
    std::vector<int> cols, rows;
    for (int c = 0; c < FFixedCols; ++c) cols.push_back(c);
    for (int c = FLeftCol, x = FixedColsWidth(); c < ColCount() && x < ClientWidth(); x += ColWidths(c++))
        cols.push_back(c);
    for (int r = 0; r < FFixedRows; ++r) rows.push_back(r);
    for (int r = FTopRow, y = FixedRowsHeight(); r < RowCount() && y < ClientHeight(); y += RowHeights(r++))
        rows.push_back(r);
    const TRect clip = Canvas().ClipRect();
    for (int r : rows)
        for (int c : cols) {
            const TRect rect = ComputeCellRect(c, r);
            TRect visible;
            if (!IntersectRect(visible, rect, clip)) continue;
            TGridDrawState state;
            if (c < FFixedCols || r < FFixedRows) {
                state.Include(gdFixed);
            } else {
                const bool current = c == FCurrent.X && r == FCurrent.Y;
                if (current && active) state.Include(gdFocused);
                const bool inSel = c >= sel.Left && c <= sel.Right && r >= sel.Top && r <= sel.Bottom;
                if (inSel && !(current && active && !FOptions.Contains(goDrawFocusSelected) &&
                               !FOptions.Contains(goRowSelect)))
                    state.Include(gdSelected);
                if (FOptions.Contains(goRowSelect) && r == FCurrent.Y) state.Include(gdRowSelected);
            }
            Canvas().SaveState();
            DrawCell(c, r, rect, state);
            Canvas().RestoreState();
        }
    // The line that shows where a sizing column or row would end.
    if (FGridState == gsColSizing || FGridState == gsRowSizing) {
        Canvas().Pen().SetColor(clBlack);
        Canvas().Pen().SetStyle(psDot);
        if (FGridState == gsColSizing) {
            Canvas().MoveTo(FSizingPos, 0);
            Canvas().LineTo(FSizingPos, ClientHeight());
        } else {
            Canvas().MoveTo(0, FSizingPos);
            Canvas().LineTo(ClientWidth(), FSizingPos);
        }
    }
}

// --- keys --------------------------------------------------------------------

void TCustomGrid::KeyDown(unsigned short& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    if (Key == 0) return;
    const bool rowSelect = FOptions.Contains(goRowSelect);
    const bool ctrl = (Shift & ssCtrl) != 0;
    int c = FCurrent.X, r = FCurrent.Y;
    const int page = VisibleRowCount();
    bool move = true;
    switch (ReadingKey(Key)) {
        case VK_UP:
            if (ctrl) {
                SetTopRow(FTopRow - 1);
                move = false;
            } else --r;
            break;
        case VK_DOWN:
            if (ctrl) {
                if (LastFullRow(FTopRow) < RowCount() - 1) SetTopRow(FTopRow + 1);
                move = false;
            } else ++r;
            break;
        case VK_LEFT:
            if (rowSelect) --r;
            else if (ctrl) {
                c -= VisibleColCount();
                SetLeftCol(FLeftCol - VisibleColCount());
            } else --c;
            break;
        case VK_RIGHT:
            if (rowSelect) ++r;
            else if (ctrl) {
                c += VisibleColCount();
                SetLeftCol(std::min(FLeftCol + VisibleColCount(), std::max(FFixedCols, ColCount() - VisibleColCount())));
            } else ++c;
            break;
        case VK_PRIOR:
            if (ctrl) r = FTopRow;
            else {
                r -= page;
                SetTopRow(std::max(FFixedRows, FTopRow - page));
            }
            break;
        case VK_NEXT:
            if (ctrl) r = LastFullRow(FTopRow);
            else {
                r += page;
                SetTopRow(std::min(FTopRow + page, std::max(FFixedRows, RowCount() - page)));
            }
            break;
        case VK_HOME:
            if (ctrl) {
                c = FFixedCols;
                r = FFixedRows;
            } else if (rowSelect) r = FFixedRows;
            else c = FFixedCols;
            break;
        case VK_END:
            if (ctrl) {
                c = ColCount() - 1;
                r = RowCount() - 1;
            } else if (rowSelect) r = RowCount() - 1;
            else c = ColCount() - 1;
            break;
        case VK_TAB:
            if (!(Shift & ssAlt) && FOptions.Contains(goTabs) && !rowSelect) {
                // Next (previous) column, wrapping across rows.
                if (Shift & ssShift) {
                    if (--c < FFixedCols) {
                        c = ColCount() - 1;
                        if (--r < FFixedRows) r = RowCount() - 1;
                    }
                } else if (++c >= ColCount()) {
                    c = FFixedCols;
                    if (++r >= RowCount()) r = FFixedRows;
                }
                MoveColRow(c, r, true, true);
                return;
            }
            move = false;
            break;
        case VK_F2:
            SetEditorMode(true);
            move = false;
            break;
        default: move = false; break;
    }
    if (!move) return;
    const bool extend = (Shift & ssShift) && FOptions.Contains(goRangeSelect) && Key != VK_TAB;
    MoveColRow(c, r, !extend, true);
}

void TCustomGrid::KeyPress(char32_t& Key) {
    TCustomControl::KeyPress(Key);
    if (Key == 13 && !FOptions.Contains(goAlwaysShowEditor)) {
        if (FEditorShowing) HideEditor();
        else ShowEditor();
        Key = 0;
    }
}

// --- mouse -------------------------------------------------------------------

void TCustomGrid::CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs) {
    State = gsNormal;
    Index = -1;
    if (FOptions.Contains(goColSizing) && Y < FixedRowsHeight()) {
        for (int c = 0; c < ColCount(); ++c) {
            const TRect r = GridCellRect(c, 0);
            if (r.Right <= r.Left) continue;
            // A column's far edge: its right one, or its left one when the
            // grid is mirrored.
            const TRect cr = ComputeCellRect(c, 0);
            const int edge = UseRightToLeftAlignment() ? cr.Left : cr.Right;
            if (std::abs(X - edge) <= kSizingZone) {
                State = gsColSizing;
                Index = c;
                SizingPos = edge;
                SizingOfs = X - edge;
                return;
            }
        }
    }
    if (FOptions.Contains(goRowSizing) && MirrorX(X) < FixedColsWidth()) {
        for (int r = 0; r < RowCount(); ++r) {
            const TRect rc = GridCellRect(0, r);
            if (rc.Bottom <= rc.Top) continue;
            const int edge = ComputeCellRect(0, r).Bottom;
            if (std::abs(Y - edge) <= kSizingZone) {
                State = gsRowSizing;
                Index = r;
                SizingPos = edge;
                SizingOfs = Y - edge;
                return;
            }
        }
    }
    const TGridCoord cell = MouseCoord(X, Y);
    if (FOptions.Contains(goColMoving) && cell.Y >= 0 && cell.Y < FFixedRows && cell.X >= FFixedCols) {
        State = gsColMoving;
        Index = cell.X;
    } else if (FOptions.Contains(goRowMoving) && cell.X >= 0 && cell.X < FFixedCols && cell.Y >= FFixedRows) {
        State = gsRowMoving;
        Index = cell.Y;
    }
}

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        if (!IsActiveControl() && CanFocus()) SetFocus();
        FMouseDownPos = {X, Y};
        TGridState state = gsNormal;
        int index = -1;
        CalcSizingState(X, Y, state, index, FSizingPos, FSizingOfs);
        if (state == gsColSizing || state == gsRowSizing) {
            FGridState = state;
            FSizingIndex = index;
            Invalidate();
        } else if (state == gsColMoving || state == gsRowMoving) {
            FGridState = state;
            FMoveIndex = index;
            FMovePos = index;
        } else {
            const TGridCoord cell = MouseCoord(X, Y);
            if (cell.X >= FFixedCols && cell.Y >= FFixedRows) {
                if (FOptions.Contains(goEditing) && cell == FCurrent && !(Shift & ssShift) && !(Shift & ssDouble)) {
                    ShowEditor();
                } else if ((Shift & ssShift) && FOptions.Contains(goRangeSelect)) {
                    MoveColRow(cell.X, cell.Y, false, true);
                } else {
                    MoveColRow(cell.X, cell.Y, true, true);
                }
                if (FOptions.Contains(goRangeSelect)) {
                    FGridState = gsSelecting;
                    SetTimer(kAutoScrollTimer, 60);
                }
            }
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomGrid::MouseMove(TShiftState Shift, int X, int Y) {
    switch (FGridState) {
        case gsSelecting: {
            const TGridCoord cell = MouseCoord(X, Y);
            if (cell.X >= FFixedCols && cell.Y >= FFixedRows && cell != FCurrent) MoveColRow(cell.X, cell.Y, false, false);
            break;
        }
        case gsColSizing:
        case gsRowSizing:
            FSizingPos = (FGridState == gsColSizing ? X : Y) - FSizingOfs;
            Invalidate();
            break;
        case gsColMoving:
        case gsRowMoving: {
            const TGridCoord cell = MouseCoord(X, Y);
            const int at = FGridState == gsColMoving ? cell.X : cell.Y;
            const int first = FGridState == gsColMoving ? FFixedCols : FFixedRows;
            if (at >= first) FMovePos = at;
            break;
        }
        default: {
            TGridState state = gsNormal;
            int index = -1, pos = 0, ofs = 0;
            CalcSizingState(X, Y, state, index, pos, ofs);
            SetCursor(state == gsColSizing ? crSizeWE : state == gsRowSizing ? crSizeNS : crDefault);
            break;
        }
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        switch (FGridState) {
            case gsColSizing: {
                const TRect cr = ComputeCellRect(FSizingIndex, 0);
                FGridState = gsNormal;
                SetColWidths(FSizingIndex, std::max(1, UseRightToLeftAlignment() ? cr.Right - FSizingPos
                                                                                 : FSizingPos - cr.Left));
                break;
            }
            case gsRowSizing: {
                const int top = ComputeCellRect(0, FSizingIndex).Top;
                FGridState = gsNormal;
                SetRowHeights(FSizingIndex, std::max(1, FSizingPos - top));
                break;
            }
            case gsColMoving:
                FGridState = gsNormal;
                if (FMovePos >= 0) MoveColumn(FMoveIndex, FMovePos);
                break;
            case gsRowMoving:
                FGridState = gsNormal;
                if (FMovePos >= 0) MoveRow(FMoveIndex, FMovePos);
                break;
            default: break;
        }
        FGridState = gsNormal;
        KillTimer(kAutoScrollTimer);
        Invalidate();
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

bool TCustomGrid::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
    if (TCustomControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
    return WheelDelta < 0 ? DoMouseWheelDown(Shift, MousePos) : DoMouseWheelUp(Shift, MousePos);
}

bool TCustomGrid::DoMouseWheelDown(TShiftState, TPoint) {
    MoveColRow(FCurrent.X, FCurrent.Y + 1, true, true);
    return true;
}

bool TCustomGrid::DoMouseWheelUp(TShiftState, TPoint) {
    MoveColRow(FCurrent.X, FCurrent.Y - 1, true, true);
    return true;
}

void TCustomGrid::WMTimer(TMessage& m) {
    if (m.WParam != kAutoScrollTimer || FGridState != gsSelecting) {
        TCustomControl::WMTimer(m);
        return;
    }
    // Selecting beyond the client area scrolls one step towards the pointer.
    const TPoint p = ScreenToClient(Mouse->CursorPos());
    int c = FCurrent.X, r = FCurrent.Y;
    if (p.Y < FixedRowsHeight()) r = std::max(FFixedRows, FTopRow - 1);
    else if (p.Y >= ClientHeight()) r = std::min(RowCount() - 1, LastFullRow(FTopRow) + 1);
    const int x = MirrorX(p.X);
    if (x < FixedColsWidth())
        c = std::max(FFixedCols, FLeftCol - 1);
    else if (x >= ClientWidth())
        c = std::min(ColCount() - 1, LastFullCol(FLeftCol) + 1);
    if (c != FCurrent.X || r != FCurrent.Y) MoveColRow(c, r, false, true);
}

void TCustomGrid::CMBiDiModeChanged(TMessage& m) {
    TCustomControl::CMBiDiModeChanged(m);
    if (FBars != nullptr) UpdateScrollRange();
    InvalidateEditor();  // the editor sits over the mirrored cell
}

void TCustomGrid::WMKillFocus(TMessage& m) {
    TCustomControl::WMKillFocus(m);
    InvalidateRect(Selection());
}

void TCustomGrid::MoveColumn(int FromIndex, int ToIndex) {
    if (FromIndex == ToIndex || FromIndex < 0 || ToIndex < 0 || FromIndex >= ColCount() || ToIndex >= ColCount())
        return;
    const int w = FColWidths[static_cast<size_t>(FromIndex)];
    FColWidths.erase(FColWidths.begin() + FromIndex);
    FColWidths.insert(FColWidths.begin() + ToIndex, w);
    FCurrent.X = MovedIndex(FCurrent.X, FromIndex, ToIndex);
    FAnchor.X = MovedIndex(FAnchor.X, FromIndex, ToIndex);
    if (FEditCol >= 0) FEditCol = MovedIndex(FEditCol, FromIndex, ToIndex);
    Invalidate();
    ColumnMoved(FromIndex, ToIndex);
}

void TCustomGrid::MoveRow(int FromIndex, int ToIndex) {
    if (FromIndex == ToIndex || FromIndex < 0 || ToIndex < 0 || FromIndex >= RowCount() || ToIndex >= RowCount())
        return;
    const int h = FRowHeights[static_cast<size_t>(FromIndex)];
    FRowHeights.erase(FRowHeights.begin() + FromIndex);
    FRowHeights.insert(FRowHeights.begin() + ToIndex, h);
    FCurrent.Y = MovedIndex(FCurrent.Y, FromIndex, ToIndex);
    FAnchor.Y = MovedIndex(FAnchor.Y, FromIndex, ToIndex);
    if (FEditRow >= 0) FEditRow = MovedIndex(FEditRow, FromIndex, ToIndex);
    Invalidate();
    RowMoved(FromIndex, ToIndex);
}

// --- messages ----------------------------------------------------------------

void TCustomGrid::Dispatch(TMessage& m) {
    switch (m.Msg) {
        case WM_GETDLGCODE:
            m.Result = DLGC_WANTARROWS;
            if (!FOptions.Contains(goRowSelect)) {
                if (FOptions.Contains(goTabs)) m.Result |= DLGC_WANTTAB;
                if (FOptions.Contains(goEditing)) m.Result |= DLGC_WANTCHARS;
            }
            return;
        case WM_CHAR: {
            const char32_t ch = static_cast<char32_t>(m.WParam);
            if (FOptions.Contains(goEditing) && (ch == 8 || ch > 31) && !FEditorShowing) {
                ShowEditorChar(ch);
                m.WParam = 0;
                return;
            }
            break;
        }
        case WM_HSCROLL: WMHScroll(m); return;
        case WM_VSCROLL: WMVScroll(m); return;
        case WM_COMMAND:
            // Each change of the editor goes into the cell at once.
            if (HiWord(m.WParam) == EN_CHANGE && FInplaceEdit != nullptr &&
                m.LParam == reinterpret_cast<intptr_t>(FInplaceEdit) && FEditorShowing)
                SetEditText(FEditCol, FEditRow, FInplaceEdit->Text());
            return;
        default: break;
    }
    TCustomControl::Dispatch(m);
}

// --- in-place editor ------------------------------------------------------------

bool TCustomGrid::IsActiveControl() const {
    if (Focused()) return true;
    if (FInplaceEdit != nullptr && FInplaceEdit->Focused()) return true;
    // With nothing else of its form focused the grid counts as active.
    TForm* f = ParentForm();
    return f != nullptr && f->ActiveControl() == nullptr;
}

bool TCustomGrid::CanEditShow() {
    return FOptions.Contains(goEditing) && !FOptions.Contains(goRowSelect) && FEditorMode &&
           (FOptions.Contains(goAlwaysShowEditor) || IsActiveControl());
}

bool TCustomGrid::CanEditAcceptKey(char32_t) { return true; }
bool TCustomGrid::CanEditModify() { return true; }
TInplaceEdit* TCustomGrid::CreateEditor() { return new TInplaceEdit(this); }
std::string TCustomGrid::GetEditText(int, int) { return {}; }
void TCustomGrid::SetEditText(int, int, const std::string&) {}
std::string TCustomGrid::GetEditMask(int, int) { return {}; }
int TCustomGrid::GetEditLimit() { return 0; }

void TCustomGrid::SetEditorMode(bool Value) {
    if (Value) ShowEditor();
    else HideEditor();
}

void TCustomGrid::InvalidateEditor() {
    if (!FEditorShowing || FInplaceEdit == nullptr) return;
    const TRect r = GridCellRect(FEditCol, FEditRow);
    if (r.Right <= r.Left) {
        FInplaceEdit->SetVisible(false);
        return;
    }
    FInplaceEdit->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    FInplaceEdit->SetVisible(true);
}

void TCustomGrid::UpdateEdit() {
    if (!CanEditShow()) return;
    if (FInplaceEdit == nullptr) FInplaceEdit = CreateEditor();
    FEditCol = FCurrent.X;
    FEditRow = FCurrent.Y;
    FEditorShowing = false;  // filling the editor is no edit
    FInplaceEdit->UpdateContents();
    FInplaceEdit->SetColor(Color());
    FInplaceEdit->SetFont(Font());
    FInplaceEdit->SelectAll();
    FInplaceEdit->FSelectAllToggle = false;
    FEditorShowing = true;
    InvalidateEditor();
    if (IsActiveControl() && CanFocus()) FInplaceEdit->SetFocus();
}

void TCustomGrid::ShowEditor() {
    FEditorMode = true;
    if (FEditorShowing) return;
    UpdateEdit();
    if (!FEditorShowing) FEditorMode = FOptions.Contains(goEditing) && !FOptions.Contains(goRowSelect);
}

void TCustomGrid::HideEditor() {
    FEditorMode = false;
    if (!FEditorShowing || FInplaceEdit == nullptr) return;
    const bool hadFocus = FInplaceEdit->Focused();
    FEditorShowing = false;
    SetEditText(FEditCol, FEditRow, FInplaceEdit->Text());
    FInplaceEdit->SetVisible(false);
    InvalidateCell(FEditCol, FEditRow);
    if (hadFocus && CanFocus()) SetFocus();
}

void TCustomGrid::ShowEditorChar(char32_t Ch) {
    ShowEditor();
    if (!FEditorShowing || FInplaceEdit == nullptr) return;
    // The character goes the way a typed one goes, through the editor's
    // key handling, and replaces the selected text.
    QWidget* w = TNativeAccess::Widget(*FInplaceEdit);
    if (w->focusProxy() != nullptr) w = w->focusProxy();  // a multi-line editor's lines
    QString text = Ch == 8 ? QString("\b") : QString::fromUcs4(&Ch, 1);
    QKeyEvent press(QEvent::KeyPress, Ch == 8 ? Qt::Key_Backspace : Qt::Key_unknown, Qt::NoModifier, text);
    QCoreApplication::sendEvent(w, &press);
}

}  // namespace plat
