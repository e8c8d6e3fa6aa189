// Balloons, radio groups and rotated text of single cells, the controls
// placed over cells, the picture of a selection and the tooltip that shows
// balloons.

#include <algorithm>
#include <set>

#include "grid/ExtGridPaint.h"
#include "grid/ExtGridStructState.h"
#include "grid/ExtGridView.h"
#include "platform/Bitmap.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"

namespace grid {

namespace {
std::set<const plat::TObject*>& LiveGrids() {
    static std::set<const plat::TObject*> grids;
    return grids;
}
}  // namespace

TExtStringGrid::TViewState::TViewState(TExtStringGrid& Grid)
    : Owner(Grid), SyncGrid(&Grid), SearchFooter(&Grid, false) {
    LiveGrids().insert(&Grid);
    SearchFooter.OnChange = [&Grid](plat::TObject*) { Grid.SearchFooterChanged(); };
    Grid.FBalloon.OnEnableChange = [&Grid] {
        if (Grid.FLoading) return;
        if (Grid.FBalloon.Enable()) Grid.BalloonInit();
        else Grid.BalloonDone();
    };
}

TExtStringGrid::TViewState::~TViewState() { LiveGrids().erase(&Owner); }

bool TExtStringGrid::TViewState::IsLive(const plat::TObject* Grid) { return LiveGrids().count(Grid) > 0; }

TExtStringGrid::TViewState& TExtStringGrid::View() {
    if (!FView) FView = std::make_shared<TViewState>(*this);
    return *FView;
}

// ----------------------------------------------------------------- balloons
namespace {

bool CarriesBalloon(TCellType Kind) { return Kind == ctCheckBox || Kind == ctDataCheckBox || Kind == ctRadioButton; }

// How opaque the balloon window is: Transparency 0 is fully opaque.
int BalloonAlpha(const TBalloonSettings& Settings) { return 255 - std::clamp(Settings.Transparency(), 0, 255); }

// The cell's own graphic (a shared check-box graphic is not the cell's).
TCellGraphic* OwnGraphic(TExtStringGrid& G, int ACol, int ARow) {
    return dynamic_cast<TCellGraphic*>(G.GetGraphicObjectEx(ACol, ARow));
}

}  // namespace

void TExtStringGrid::AddBalloon(int ACol, int ARow, const std::string& Title, const std::string& Text,
                                TBalloonIcon Icon) {
    auto list = std::make_unique<TCellStrings>();
    list->Add(Title);
    list->Add(Text);
    if (TCellGraphic* g = OwnGraphic(*this, ACol, ARow)) {
        // Any other kind, a balloon included, stays as it is.
        if (!CarriesBalloon(g->CellType())) return;
        if (g->CellAngle() == 1) delete g->CellBitmap();
        g->SetCellAngle(1);
        g->SetCellIndex(Icon);
        g->SetCellBitmap(list.release());
        return;
    }
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->SetCellType(ctBalloon);
    g->SetCellAngle(0);
    g->SetCellIndex(Icon);
    g->SetCellBitmap(list.release());
}

void TExtStringGrid::RemoveBalloon(int ACol, int ARow) {
    TCellGraphic* g = OwnGraphic(*this, ACol, ARow);
    if (!g) return;
    if (CarriesBalloon(g->CellType()) && g->CellAngle() == 1) {
        g->SetCellAngle(0);
        delete g->CellBitmap();
        g->SetCellBitmap(nullptr);
        return;
    }
    RemoveCellGraphicOfType(ACol, ARow, ctBalloon);
}

bool TExtStringGrid::HasBalloon(int ACol, int ARow) {
    const plat::TPoint b = BaseCell(ACol, ARow);
    return GetCellType(b.X, b.Y) == ctBalloon;
}

bool TExtStringGrid::IsBalloon(int ACol, int ARow, std::string& Title, std::string& Text, TBalloonIcon& Icon) {
    const TCellGraphic* g = OwnGraphic(*this, ACol, ARow);
    if (!g) return false;
    const bool balloon = g->CellType() == ctBalloon || (CarriesBalloon(g->CellType()) && g->CellAngle() == 1);
    const auto* list = dynamic_cast<const TCellStrings*>(g->CellBitmap());
    if (!balloon || !list) return false;
    Title = list->Count() > 0 ? (*list)[0] : std::string();
    Text = list->Count() > 1 ? (*list)[1] : std::string();
    Icon = static_cast<TBalloonIcon>(g->CellIndex());
    return true;
}

void TExtStringGrid::BalloonInit() {
    TViewState& v = View();
    if (v.BalloonSetUp) return;
    v.BalloonSetUp = true;
    if (!v.ToolTip) v.ToolTip = std::make_unique<plat::TBalloonWindow>();
    v.ToolTip->SetTitle("ToolTipText");
    v.ToolTip->SetIcon(plat::bkError);
    v.ToolTip->SetAlpha(BalloonAlpha(FBalloon));
}

void TExtStringGrid::BalloonDone() {
    TViewState& v = View();
    // Switched off, the tooltip stays made for a later switch on, but
    // it no longer shows.
    if (v.ToolTip) v.ToolTip->Hide();
    if (FBalloon.Enable()) v.ToolTip.reset();
    v.BalloonSetUp = false;
}

bool TExtStringGrid::BalloonReady() { return View().BalloonSetUp && View().ToolTip != nullptr; }

plat::TPoint TExtStringGrid::BalloonCell() { return View().BalloonCell; }

bool TExtStringGrid::GetBalloonText(int X, int Y, std::string& Title, std::string& Text, int& Icon) {
    int c = -1, r = -1;
    if (!MouseToCell(X, Y, c, r) || c < 0 || r < 0) return false;
    const plat::TPoint b = BaseCell(c, r);
    const int rcol = RealColIndex(b.X);
    Text = BalloonPlainText(Cells(rcol, b.Y), EnableHTML());
    Title = " ";
    Icon = 1;
    std::string t, s;
    TBalloonIcon icon = biInfo;
    if (IsBalloon(rcol, b.Y, t, s, icon)) {
        Title = t;
        Text = s;
        Icon = icon;
    }
    if (OnCellBalloon) OnCellBalloon(this, rcol, b.Y, Title, Text, Icon);
    Title = BalloonTitle(Title);
    View().BalloonCell = {rcol, b.Y};
    return true;
}

bool TExtStringGrid::ShowBalloon(int X, int Y) {
    TViewState& v = View();
    if (!FBalloon.Enable() || !BalloonReady()) return false;
    std::string title, text;
    int icon = 0;
    if (!GetBalloonText(X, Y, title, text, icon) || text.empty()) {
        HideBalloon();
        return false;
    }
    v.ToolTip->SetTitle(title == " " ? std::string() : title);
    // An icon number outside the known ones shows none.
    v.ToolTip->SetIcon(icon >= 0 && icon <= 3 ? static_cast<plat::TBalloonKind>(icon) : plat::bkNone);
    v.ToolTip->SetColor(FBalloon.BackgroundColor());
    v.ToolTip->SetTextColor(FBalloon.TextColor());
    v.ToolTip->SetText(text);
    // At most 300 pixels of text a line; the tail points just below the
    // pointer's arrow. The transparency may have changed since set up.
    v.ToolTip->SetMaxWidth(300);
    v.ToolTip->SetAlpha(BalloonAlpha(FBalloon));
    v.ToolTip->ShowAt(*this, X, Y + 16);
    return true;
}

plat::TBalloonWindow* TExtStringGrid::BalloonWindow() { return View().ToolTip.get(); }

void TExtStringGrid::HideBalloon() {
    TViewState& v = View();
    if (v.ToolTip) v.ToolTip->Hide();
}

namespace {
// The system's tooltip timings stand in where the settings leave -1.
int DelayOr(int Value, int Default) { return Value < 0 ? Default : Value; }
}  // namespace

void TExtStringGrid::BalloonHover(int X, int Y) {
    if (!FBalloon.Enable() || !BalloonReady()) return;
    TViewState& v = View();
    int c = -1, r = -1;
    plat::TPoint cell{-1, -1};
    if (MouseToCell(X, Y, c, r) && c >= 0 && r >= 0) cell = BaseCell(c, r);
    v.BalloonHoverAt = {X, Y};
    if (cell.X == v.BalloonHoverCell.X && cell.Y == v.BalloonHoverCell.Y) return;
    // Another cell: what shows goes, and the next one waits its turn; a
    // balloon that was up makes the next come sooner.
    const bool wasShown = v.ToolTip->Visible();
    v.BalloonHoverCell = cell;
    HideBalloon();
    if (v.BalloonHideTimer) v.BalloonHideTimer->SetEnabled(false);
    if (!v.BalloonShowTimer) {
        v.BalloonShowTimer = std::make_unique<plat::TTimer>(nullptr);
        v.BalloonShowTimer->SetEnabled(false);
        v.BalloonShowTimer->OnTimer = [this](plat::TObject*) {
            TViewState& w = View();
            w.BalloonShowTimer->SetEnabled(false);
            if (!ShowBalloon(w.BalloonHoverAt.X, w.BalloonHoverAt.Y)) return;
            if (!w.BalloonHideTimer) {
                w.BalloonHideTimer = std::make_unique<plat::TTimer>(nullptr);
                w.BalloonHideTimer->OnTimer = [this](plat::TObject*) {
                    View().BalloonHideTimer->SetEnabled(false);
                    HideBalloon();
                };
            }
            w.BalloonHideTimer->SetEnabled(false);
            w.BalloonHideTimer->SetInterval(std::max(1, DelayOr(FBalloon.AutoHideDelay(), 5000)));
            w.BalloonHideTimer->SetEnabled(true);
        };
    }
    v.BalloonShowTimer->SetEnabled(false);
    if (cell.X < 0) return;
    const int delay = wasShown ? DelayOr(FBalloon.ReshowDelay(), 100) : DelayOr(FBalloon.InitialDelay(), 500);
    v.BalloonShowTimer->SetInterval(std::max(1, delay));
    v.BalloonShowTimer->SetEnabled(true);
}

void TExtStringGrid::BalloonLeave() {
    if (!FView) return;
    TViewState& v = View();
    if (v.BalloonShowTimer) v.BalloonShowTimer->SetEnabled(false);
    if (v.BalloonHideTimer) v.BalloonHideTimer->SetEnabled(false);
    v.BalloonHoverCell = {-1, -1};
    HideBalloon();
}


// ----------------------------------------------------------------- radio groups
void TExtStringGrid::AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, TCellStrings* sl) {
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->SetCellType(ctRadio);
    g->SetCellAngle(sl ? sl->Count() : 0);
    g->SetCellBoolean(DirRadio != 0);
    g->SetCellIndex(IdxRadio);
    g->SetCellBitmap(sl);
    g->SetCellCreated(false);
}

TExtStringGrid::TCellStrings* TExtStringGrid::CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio) {
    auto* list = new TCellStrings;
    AddRadio(ACol, ARow, DirRadio, IdxRadio, list);
    OwnGraphic(*this, ACol, ARow)->SetCellCreated(true);
    return list;
}

bool TExtStringGrid::GetRadioIdx(int ACol, int ARow, int& IdxRadio) {
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g) return false;
    IdxRadio = g->CellIndex();
    return g->CellType() == ctRadio;
}

bool TExtStringGrid::SetRadioIdx(int ACol, int ARow, int IdxRadio) {
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g) return false;
    g->SetCellIndex(IdxRadio);
    if (IdxRadio == -1) SetCells(ACol, ARow, "");
    RepaintCell(DisplColIndex(ACol), ARow);
    return g->CellType() == ctRadio;
}

TExtStringGrid::TCellStrings* TExtStringGrid::GetRadioStrings(int ACol, int ARow) {
    const plat::TPoint b = BaseCell(ACol, ARow);
    const TCellGraphic* g = GetCellGraphic(b.X, b.Y);
    if (!g || g->CellType() != ctRadio) return nullptr;
    return dynamic_cast<TCellStrings*>(g->CellBitmap());
}

bool TExtStringGrid::IsRadio(int ACol, int ARow) {
    const plat::TPoint b = BaseCell(ACol, ARow);
    return GetCellType(b.X, b.Y) == ctRadio;
}

void TExtStringGrid::RemoveRadio(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRadio); }

bool TExtStringGrid::CycleRadioCell(int ACol, int ARow, bool CheckEditable) {
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || g->CellType() != ctRadio) return false;
    if (CheckEditable && !FControlLook.RadioAlwaysActive()) {
        bool allow = true;
        CanEditCell(ACol, ARow, allow);
        if (!allow) return false;
    }
    const auto* options = dynamic_cast<const TCellStrings*>(g->CellBitmap());
    const int count = options ? options->Count() : 0;
    if (count == 0) return false;
    int next = g->CellIndex() >= 0 ? g->CellIndex() + 1 : options->IndexOf(Cells(ACol, ARow)) + 1;
    if (next >= count) next = 0;
    if (g->CellIndex() >= -1) g->SetCellIndex(next);
    g->SetCellVar(next);
    SetCells(ACol, ARow, (*options)[next]);
    return false;
}

// ----------------------------------------------------------------- rotated text
void TExtStringGrid::AddRotated(int ACol, int ARow, std::int16_t AAngle, const std::string& S) {
    CreateCellGraphic(ACol, ARow)->SetAngle(AAngle);
    SetCells(ACol, ARow, S);
}

void TExtStringGrid::RemoveRotated(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRotated); }

bool TExtStringGrid::IsRotated(int ACol, int ARow, int& AAngle) {
    if (GetCellType(ACol, ARow) != ctRotated) return false;
    AAngle = GetCellGraphic(ACol, ARow)->CellAngle();
    return true;
}

// ----------------------------------------------------------------- cell controls
void TExtStringGrid::CellControlsUpdate(bool RebuildList) {
    // The list holds real columns and real rows, as SetCellControls keeps it.
    TControlList& list = CellControlList();
    if (RebuildList) {
        while (list.Count() > 0) list.RemoveControl(list.Count() - 1);
        for (int c = 0; c < ColCount(); ++c)
            for (int r = 0; r < RowCount(); ++r)
                if (const TCellProperties* p = PropsOf(RealColIndex(c), r); p && p->Control())
                    list.AddControl(RealColIndex(c), RealRowIndex(r), p->Control());
    }
    if (list.Count() == 0) return;
    const int lastRow = TopRow() + VisibleRowCount();
    const int lastCol = LeftCol() + VisibleColCount();
    for (int i = 0; i < list.Count(); ++i) {
        const TControlItem& item = list.Control(i);
        plat::TControl* ctrl = item.Control;
        if (!ctrl) continue;
        const bool hiddenRow = IsHiddenRow(item.Y);
        if (IsHiddenColumn(item.X)) {
            ctrl->SetVisible(false);
            continue;
        }
        const int col = DisplColIndex(item.X);
        const int row = hiddenRow ? -1 : DisplRowIndex(item.Y);
        const bool normal = row >= FixedRows() && col >= FixedCols();
        if (hiddenRow || col >= ColCount()) {
            ctrl->SetVisible(false);
            continue;
        }
        const bool outside = col < LeftCol() || col > lastCol || row < TopRow() || row > lastRow;
        if (outside) {
            if (normal) ctrl->SetVisible(false);
            continue;
        }
        if (!normal) continue;
        const plat::TRect R = CellRect(col, row);
        ctrl->SetBounds(R.Left - 1, R.Top - 1, R.Width() + 1, R.Height() + 1);
        ctrl->SetVisible(true);
        // A nudge of the width makes a windowed control repaint at once.
        ctrl->SetWidth(ctrl->Width() + 1);
        ctrl->SetWidth(ctrl->Width() - 1);
        ctrl->Invalidate();
    }
}


// ----------------------------------------------------------------- selection picture
plat::TForm* TExtStringGrid::SelectionToForm(const TGridRect& ARect) {
    plat::TBitmap whole(std::max(1, Width()), std::max(1, Height()));
    Painter().Paint(whole.Canvas());
    plat::TRect a = ComputeCellRect(ARect.Left, ARect.Top);
    plat::TRect b = ComputeCellRect(ARect.Right, ARect.Bottom);
    if (b.Left < a.Left) std::swap(a, b);
    if (b.Bottom < a.Bottom) {
        std::swap(a.Top, b.Top);
        std::swap(a.Bottom, b.Bottom);
    }
    const int w = std::max(1, b.Right - a.Left + 1), h = std::max(1, b.Bottom - a.Top + 1);
    plat::TBitmap part(w, h);
    part.Canvas().CopyRect({0, 0, w, h}, whole.Canvas(), {a.Left + 1, a.Top + 1, b.Right + 2, b.Bottom + 2});
    plat::TCanvas& c = part.Canvas();
    c.Pen().SetColor(GridFixedLineColor());
    if (ARect.Left == 0 && FixedCols() > 0 && Options().Contains(goFixedVertLine)) {
        c.MoveTo(0, 0);
        c.LineTo(0, h);
    }
    if (ARect.Top == 0 && FixedRows() > 0 && Options().Contains(goFixedHorzLine)) {
        c.MoveTo(0, 0);
        c.LineTo(w, 0);
    }
    // The window layer has no see-through windows: the picture window is
    // a plain borderless one.
    auto* form = new plat::TForm(this);
    form->SetBorderStyle(plat::bsNone);
    form->SetVisible(false);
    form->SetClientWidth(w);
    form->SetClientHeight(h);
    auto* image = new plat::TImage(form);
    image->SetParent(form);
    image->SetAlign(plat::alClient);
    image->Picture().SetGraphic(&part);
    return form;
}

void TExtStringGrid::DoEllipsClick(const std::string& Text, std::string& Result) {
    Result = Text;
    if (!OnEllipsClick) return;
    std::string s = Text;
    OnEllipsClick(this, RealColIndex(Col()), Row(), s);
    Result = s;
}

// ----------------------------------------------------------------- focus glow
TFocusHelper& TExtStringGrid::FocusHelper() { return View().FocusHelper; }

void TExtStringGrid::ShowFocusWindow(plat::TRect R) {
    TViewState& v = View();
    if (!v.FocusGlow) v.FocusGlow = std::make_unique<TGridFocusGlow>(this);
    v.FocusGlow->Show(R, *this);
}

void TExtStringGrid::MoveFocusWindow() {
    TViewState& v = View();
    if (!v.FocusGlow || !v.FocusGlow->Visible()) return;
    v.FocusGlow->Show(CellRect(Col(), Row()), *this);
}

void TExtStringGrid::HideFocusWindow() {
    TViewState& v = View();
    if (v.FocusGlow) v.FocusGlow->Hide();
}

bool TExtStringGrid::FocusWindowShowing() {
    const TViewState& v = View();
    return v.FocusGlow && v.FocusGlow->Visible();
}

}  // namespace grid
