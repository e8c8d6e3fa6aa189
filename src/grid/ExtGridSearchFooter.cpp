// The search footer: its panel and edit, and the grid's answers to typing,
// the find buttons, the highlight toggle and the close button.

#include "base/StrUtils.h"
#include "controls/ExtDraw.h"
#include "grid/ExtGridDataState.h"
#include "grid/ExtGridView.h"
#include "platform/Messages.h"

namespace grid {

// ----------------------------------------------------------------- the edit
void TRetEdit::KeyDown(unsigned short& Key, plat::TShiftState Shift) {
    if (Key == plat::VK_RETURN) {
        Key = 0;
        if (Shift & plat::ssCtrl) {
            if (OnCtrlReturn) OnCtrlReturn(this);
        } else if (OnReturn) {
            OnReturn(this);
        }
        return;
    }
    plat::TEdit::KeyDown(Key, Shift);
}

void TRetEdit::KeyPress(char32_t& Key) {
    if (Key == U'\r' || Key == U'\n') {
        if (OnKeyPress) OnKeyPress(this, Key);
        Key = 0;
        return;
    }
    plat::TEdit::KeyPress(Key);
}

// ----------------------------------------------------------------- the panel
TSearchPanel::TSearchPanel(plat::TComponent* AOwner, TExtStringGrid* AGrid) : plat::TPanel(AOwner), FGrid(AGrid) {
    SetBevelOuter(plat::bvNone);
    SetShowCaption(false);
    FEdit = new TRetEdit(this);
    FEdit->SetParent(this);
    FEdit->OnChange = [this](plat::TObject*) { EditChanged(); };
    FEdit->OnReturn = [this](plat::TObject*) {
        if (OnForwardClick) OnForwardClick(this);
    };
    FEdit->OnCtrlReturn = [this](plat::TObject*) {
        if (OnBackwardClick) OnBackwardClick(this);
    };
    auto button = [this](plat::TNotifyEvent* Event) {
        auto* b = new TExtGridButton(this);
        b->SetParent(this);
        b->OnClick = [this, Event](plat::TObject*) {
            if (*Event) (*Event)(this);
        };
        return b;
    };
    FForward = button(&OnForwardClick);
    FBackward = button(&OnBackwardClick);
    FClose = button(&OnExitClick);
    FHighlight = button(&OnHighLightClick);
    FHighlight->SetStyle(tasCheck);
    FHighlight->SetAllowAllUp(true);
    FHighlight->SetGroupIndex(1);
    FMatchCase = new TExtCheckBox(this);
    FMatchCase->SetParent(this);
    for (TExtGridButton* b : {FForward, FBackward, FHighlight}) b->SetEnabled(false);
}

void TSearchPanel::LayoutControls(bool RightToLeft, bool ShowHighlight, bool ShowClose, bool ShowMatchCase,
                                  bool ShowFindPrev, bool ShowFindNext) {
    auto place = [&](plat::TControl* C, int L, int T, int W, int H) {
        C->SetBounds(RightToLeft ? Width() - W - L : L, T, W, H);
    };
    place(FEdit, 25, 6, 110, 21);
    place(FForward, 140, 5, 90, 23);
    place(FBackward, 235, 5, 90, 23);
    // The platform holds no glyph of a cross: the close button says it.
    place(FClose, 5, 7, 14, 14);
    place(FHighlight, 330, 5, 90, 23);
    place(FMatchCase, ShowHighlight ? 425 : 330, 8, 120, 18);
    FForward->SetCaption(FindNextCaption);
    FBackward->SetCaption(FindPrevCaption);
    FHighlight->SetCaption(HighLightCaption);
    FMatchCase->SetCaption(MatchCaseCaption);
    FClose->SetCaption("x");
    FForward->SetHint(HintFindNext);
    FForward->SetShowHint(!HintFindNext.empty());
    FBackward->SetHint(HintFindPrev);
    FBackward->SetShowHint(!HintFindPrev.empty());
    FClose->SetHint(HintClose);
    FClose->SetShowHint(!HintClose.empty());
    FHighlight->SetHint(HintHighlight);
    FHighlight->SetShowHint(!HintHighlight.empty());
    FHighlight->SetVisible(ShowHighlight);
    FClose->SetVisible(ShowClose);
    FMatchCase->SetVisible(ShowMatchCase);
    FBackward->SetVisible(ShowFindPrev);
    FForward->SetVisible(ShowFindNext);
}

void TSearchPanel::SetColorTo(plat::TColor Value) {
    FColorTo = Value;
    Invalidate();
}

void TSearchPanel::EditChanged() {
    const bool text = !FEdit->Text().empty();
    for (TExtGridButton* b : {FForward, FBackward, FHighlight}) b->SetEnabled(text);
    if (OnEditChange) OnEditChange(this);
}

void TSearchPanel::Paint() {
    plat::TPanel::Paint();
    plat::TCanvas& c = Canvas();
    const plat::TRect r{0, 0, Width(), Height()};
    if (FColorTo == plat::clNone) {
        c.Brush().SetColor(Color());
        c.FillRect(r);
    } else {
        ctl::FillGradientRect(c, Color(), FColorTo, 32, r, false);
    }
    c.Pen().SetColor(FGrid ? FGrid->GridLineColor() : plat::clGray);
    c.MoveTo(0, 0);
    c.LineTo(Width(), 0);
}

// ----------------------------------------------------------------- the grid's side
TSearchPanel* TExtStringGrid::SearchPanel() {
    TDataOpsState& ops = Ops();
    if (!ops.SearchPanel) {
        ops.SearchPanel = new TSearchPanel(this, this);
        ops.SearchPanel->SetVisible(false);
        ops.SearchPanel->SetParent(this);
        ops.SearchPanel->OnEditChange = [this](TObject*) { SearchEditChange(); };
        ops.SearchPanel->OnForwardClick = [this](TObject*) { SearchForwardClick(); };
        ops.SearchPanel->OnBackwardClick = [this](TObject*) { SearchBackwardClick(); };
        ops.SearchPanel->OnExitClick = [this](TObject*) { SearchExitClick(); };
        ops.SearchPanel->OnHighLightClick = [this](TObject*) { SearchHighlightClick(); };
        if (OnCreatedSearchFooter) OnCreatedSearchFooter(this);
    }
    return ops.SearchPanel;
}

void TExtStringGrid::SearchFooterChanged() {
    const TSearchFooter& f = SearchFooter();
    // The panel is made when the footer is first shown: most grids never
    // show it and should not carry its controls.
    if (!f.Visible() && !Ops().SearchPanel) return;
    TSearchPanel* p = SearchPanel();
    p->SetColor(f.Color());
    p->SetColorTo(f.ColorTo());
    p->SetFont(f.Font());
    p->FindNextCaption = f.FindNextCaption();
    p->FindPrevCaption = f.FindPrevCaption();
    p->HighLightCaption = f.HighLightCaption();
    p->MatchCaseCaption = f.MatchCaseCaption();
    p->HintFindNext = f.HintFindNext();
    p->HintFindPrev = f.HintFindPrev();
    p->HintClose = f.HintClose();
    p->HintHighlight = f.HintHighlight();
    p->SetBounds(0, f.Visible() ? Height() - 32 : Height(), Width(), f.Visible() ? 32 : 0);
    p->LayoutControls(UseRightToLeftAlignment(), f.ShowHighLight(), f.ShowClose(), f.ShowMatchCase(), f.ShowFindPrev(),
                      f.ShowFindNext());
    p->SetVisible(f.Visible());
    Invalidate();
}

TFindParams TExtStringGrid::SearchFooterParams(bool Auto, bool Backward) {
    const TSearchFooter& f = SearchFooter();
    TSearchPanel* p = SearchPanel();
    TFindParams params{fnAutoGoto};
    if (p->HighlightButton()->Down()) params.Include(fnIgnoreHTMLTags);
    if (p->MatchCase()->Checked()) params.Include(fnMatchCase);
    if (f.SearchActiveColumnOnly()) params.Include(fnFindInCurrentCol);
    if (f.SearchMatchStart()) params.Include(fnMatchStart);
    if (Auto) {
        if (f.SearchFixedCells()) params.Include(fnIncludeFixed);
        if (f.SearchHiddenRows()) params.Include(fnIncludeHiddenRows);
    }
    if (!Backward && f.SearchDirection() == sdLeftRight) params.Include(fnDirectionLeftRight);
    if (Backward) params.Include(fnBackward);
    if (f.SearchColumn() >= 0 && f.SearchColumn() < ColCount()) {
        params.Include(fnFindInPresetCol);
        Ops().PresetCol = f.SearchColumn();
    }
    return params;
}

void TExtStringGrid::RemoveSearchHighlight() {
    const int col = SearchFooter().SearchColumn();
    if (col != -1) UnHilightInCol(false, col);
    else UnHilightInGrid(false);
}

void TExtStringGrid::HighlightSearch(const std::string& Text) {
    const int col = SearchFooter().SearchColumn();
    const bool doCase = SearchPanel()->MatchCase()->Checked();
    if (col != -1) HilightInCol(false, doCase, col, Text);
    else HilightInGrid(false, doCase, Text);
}

void TExtStringGrid::SearchEditChange() {
    TSearchPanel* p = SearchPanel();
    const std::string text = p->Edit()->Text();
    bool defaultSearch = true;
    if (OnSearchEditChange) OnSearchEditChange(this, text, defaultSearch);
    if (!defaultSearch || !SearchFooter().AutoSearch()) return;
    const TFindParams params = SearchFooterParams(true, false);
    const bool highlight = p->HighlightButton()->Down() || SearchFooter().AlwaysHighLight();
    if (highlight) RemoveSearchHighlight();
    if (text.empty()) {
        p->Edit()->SetColor(plat::clWindow);
        return;
    }
    const plat::TPoint hit = Find({-1, -1}, text, params);
    Ops().SearchCell = hit;
    if (OnSearchFooterAction) OnSearchFooterAction(this, text, hit.X, hit.Y, saFindFirst);
    if (hit.X < 0) {
        p->Edit()->SetColor(plat::clRed);
        return;
    }
    p->Edit()->SetColor(plat::clWindow);
    if (highlight) HighlightSearch(text);
}

namespace {
// Find next and find previous differ only in their options and in the
// action they report.
void SearchStep(TExtStringGrid& G, TFindParams Params, TSearchFooterAction Action) {
    TSearchPanel* p = G.SearchPanel();
    const std::string text = p->Edit()->Text();
    TSearchFooter& f = G.SearchFooter();
    if (!f.AutoSearch()) {
        if (text != f.LastSearch()) G.SetSearchCell({-1, -1});
        f.SetLastSearch(text);
    }
    const plat::TPoint hit = G.Find(G.SearchCell(), text, Params);
    G.SetSearchCell(hit);
    if (G.OnSearchFooterAction) G.OnSearchFooterAction(&G, text, hit.X, hit.Y, Action);
    p->Invalidate();
}
}  // namespace

void TExtStringGrid::SearchForwardClick() { SearchStep(*this, SearchFooterParams(false, false), saFindNext); }

void TExtStringGrid::SearchBackwardClick() { SearchStep(*this, SearchFooterParams(false, true), saFindPrevious); }

void TExtStringGrid::SearchExitClick() {
    if (OnSearchFooterClose) OnSearchFooterClose(this);
    SearchFooter().SetVisible(false);
}

void TExtStringGrid::SearchHighlightClick() {
    TSearchPanel* p = SearchPanel();
    if (p->HighlightButton()->Down()) HighlightSearch(p->Edit()->Text());
    else RemoveSearchHighlight();
}

}  // namespace grid
