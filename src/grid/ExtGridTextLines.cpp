// The text editor's lines: word-wrapped and multi-line cells edit as lines
// (Up and Down move inside the text, Enter may break a line), a click that
// opens the editor places its caret, the cell grows with the text while it
// is typed; and the combo editor's list sized to its items and reported
// when it opens and closes.

#include <algorithm>
#include <memory>

#include "base/TextCodec.h"
#include "grid/ExtGridEditors.h"
#include "grid/ExtGridEditorsState.h"
#include "platform/Bitmap.h"
#include "platform/Messages.h"

namespace grid {

namespace {

// The kinds whose text may hold line breaks typed with Enter; number and
// password kinds keep one line.
bool TakesLineFeeds(TEditorType Kind) {
    switch (Kind) {
        case edNormal:
        case edCapital:
        case edMixedCase:
        case edLowerCase:
        case edUpperCase:
        case edValidChars: return true;
        default: return false;
    }
}

int TextLength(const std::string& Text) { return static_cast<int>(base::Utf8ToUtf16(Text).size()); }

}  // namespace

void TExtInplaceEdit::ChooseLines() {
    const TEditorType kind = FExtGrid->EditControl();
    const bool wrap = FExtGrid->WordWrap();
    SetWordWrap(wrap);
    // A text with line breaks in one line would lose them when written
    // back, so it edits as lines even where the grid does not wrap.
    const bool breaks = Text().find_first_of("\r\n") != std::string::npos;
    SetMultiLine(kind != edPassword && !Masked() && (wrap || breaks || FExtGrid->Navigation().LineFeedOnEnter()));
}

bool TypesLineBreak(const TExtStringGrid& Grid, TEditorType Kind, bool Ctrl) {
    const TNavigation& nav = Grid.Navigation();
    return Ctrl ? nav.LineFeedOnEnter() || (nav.AllowCtrlEnter() && Grid.WordWrap())
                : nav.LineFeedOnEnter() && TakesLineFeeds(Kind);
}

bool TExtInplaceEdit::LinesKeyDown(unsigned short& Key, plat::TShiftState Shift) {
    if (!FExtGrid || !FExtGrid->EditMode()) return false;
    if ((Key == plat::VK_UP || Key == plat::VK_DOWN) && MultiLine() &&
        !(Shift & (plat::ssShift | plat::ssCtrl | plat::ssAlt))) {
        // Inside the text the lines take the arrow; from the first line Up,
        // and from the last Down, leave the cell as in a single line.
        const int line = LineFromChar(SelStart());
        const bool inside = Key == plat::VK_UP ? line > 0 : line < LineFromChar(TextLength(Text()));
        if (!inside) return false;
        plat::TEdit::KeyDown(Key, Shift);
        return true;
    }
    if (Key != plat::VK_RETURN || (Shift & plat::ssAlt)) return false;
    const TNavigation& nav = FExtGrid->Navigation();
    const bool ctrl = (Shift & plat::ssCtrl) != 0;
    const bool lineBreak = TypesLineBreak(*FExtGrid, FExtGrid->EditControl(), ctrl);
    if (lineBreak && MultiLine()) {
        SetSelText("\r\n");
        Key = 0;
        return true;
    }
    // Ctrl+Enter that breaks no line does nothing: it is no plain Enter.
    if (ctrl) {
        Key = 0;
        return true;
    }
    return false;
}

void TExtInplaceEdit::CaretToClick() {
    if (FExtGrid) PlaceCaretByClick(*FExtGrid, *this);
}

void PlaceCaretByClick(TExtStringGrid& Grid, plat::TEdit& Edit) {
    if (!Grid.FEditors || !Grid.FEditors->ClickPending) return;
    Grid.FEditors->ClickPending = false;
    const int x = Grid.FEditors->ClickX - Edit.Left(), y = Grid.FEditors->ClickY - Edit.Top();
    if (x < 0 || y < 0 || x > Edit.Width() || y > Edit.Height()) return;
    Edit.SetSelStart(Edit.CharFromPos(x, y));
    Edit.SetSelLength(0);
}

void TExtInplaceEdit::SizeWhileTyping() {
    if (!FExtGrid || !FExtGrid->EditMode() || FExtGrid->EditCtrl() != nullptr) return;
    const TSizeWhileTyping& grow = FExtGrid->SizeWhileTyping();
    const int col = FExtGrid->Col(), row = FExtGrid->Row();
    if (grow.Width) FExtGrid->AutoSizeCol(col);
    if (!grow.Height || !FExtGrid->WordWrap() || !MultiLine()) return;
    // The row takes as many lines as the editor shows, never less than a
    // row of its own.
    plat::TBitmap measure(1, 1);
    measure.Canvas().Font().Assign(Font());
    const int lines = LineFromChar(TextLength(Text())) + 1;
    const int wanted = std::max(FExtGrid->DefaultRowHeight(),
                                lines * measure.Canvas().TextHeight("Wg") + 2 * FExtGrid->XYOffset().Y + 2);
    if (wanted == FExtGrid->RowHeights(row)) return;
    TColumnSize& sizing = FExtGrid->ColumnSize();
    const bool synch = sizing.SynchWithGrid();
    sizing.SetSynchWithGrid(false);
    FExtGrid->SetRowHeights(row, wanted);
    sizing.SetSynchWithGrid(synch);
    if (FExtGrid->OnEndRowSize) FExtGrid->OnEndRowSize(FExtGrid, row);
}

void TExtStringGrid::NoteEditorClick(plat::TMouseButton Button, int X, int Y) {
    if (Button != plat::mbLeft || !FMouseActions.CaretPositioning()) {
        if (FEditors) FEditors->ClickPending = false;
        return;
    }
    TEditorsState& s = Eds();
    s.ClickPending = true;
    s.ClickX = X;
    s.ClickY = Y;
}

void TExtStringGrid::ComboListShown(bool Shown) {
    if (!EditMode() || EditCtrl() != EditCombo()) return;
    plat::TComboBox& combo = *EditCombo();
    if (!Shown) {
        if (OnComboCloseUp) OnComboCloseUp(this, Row(), Col());
        return;
    }
    if (FNavigation.AutoComboDropSize()) {
        // As wide as the widest item, with room for the scroll bar when
        // the list has more items than it shows at once.
        const bool bar = combo.Items().Count() > combo.DropDownCount();
        int w = combo.Width();
        for (int i = 0; i < combo.Items().Count(); ++i) {
            const int t = Canvas().TextWidth(combo.Items().Strings(i));
            if (bar && t > w - 25) w = t + 25;
            else if (!bar && t > w - 5) w = t + 8;
        }
        combo.SetDroppedWidth(w);
    }
    if (OnComboDropDown) OnComboDropDown(this, Row(), Col());
}

}  // namespace grid
