// Copy, cut and paste of blocks of cells: the clipboard's text form
// (tab-separated, spreadsheet style), the top-left cell's rich text, and the
// grid's cell stream, which carries properties and check boxes from one grid
// to another. A paste into a larger selection may continue a series.

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <sstream>

#include "base/TextCodec.h"
#include "controls/ExtUtil.h"
#include "grid/ExtGridClipboardState.h"
#include "grid/ExtGridFooter.h"
#include "grid/ExtGridStartup.h"
#include "grid/GridBinaryIO.h"
#include "grid/GridExchangeState.h"
#include "grid/GridPrintRun.h"
#include "grid/GridSmartFill.h"
#include "grid/Undo.h"
#include "platform/Clipboard.h"

namespace grid {

namespace {

unsigned HtmlFormat() {
    static const unsigned f = plat::RegisterWindowMessage("HTML Format");
    return f;
}

// A pasted text cut into lines and fields. Lines end at CR LF, CR or LF; a
// field that opens with a quotation mark and holds a line break runs to its
// closing mark, as the copy writes a cell of several lines.
struct TTextBlock {
    std::vector<std::vector<std::string>> Lines;
    std::vector<bool> Ended;  // the line had a break after it
};

TTextBlock CutTextBlock(const std::string& Text) {
    TTextBlock b;
    std::vector<std::string> fields(1);
    bool fieldStart = true;
    size_t i = 0;
    auto endLine = [&](bool ended) {
        b.Lines.push_back(std::move(fields));
        b.Ended.push_back(ended);
        fields.assign(1, std::string());
        fieldStart = true;
    };
    while (i < Text.size()) {
        const char c = Text[i];
        if (fieldStart && c == '"') {
            // A quoted field counts as one only when a line break lies
            // inside the marks; "5"" pipe" and the like stay as typed.
            size_t close = i + 1;
            bool broken = false;
            while (close < Text.size()) {
                if (Text[close] == '"') {
                    if (close + 1 < Text.size() && Text[close + 1] == '"') {
                        close += 2;
                        continue;
                    }
                    const char after = close + 1 < Text.size() ? Text[close + 1] : '\t';
                    if (after == '\t' || after == '\r' || after == '\n') break;
                } else if (Text[close] == '\r' || Text[close] == '\n') {
                    broken = true;
                }
                ++close;
            }
            if (broken && close < Text.size()) {
                fields.back().assign(Text, i, close - i + 1);
                i = close + 1;
                fieldStart = false;
                continue;
            }
        }
        fieldStart = false;
        if (c == '\t') {
            fields.emplace_back();
            fieldStart = true;
            ++i;
        } else if (c == '\r' || c == '\n') {
            i += (c == '\r' && i + 1 < Text.size() && Text[i + 1] == '\n') ? 2 : 1;
            endLine(true);
        } else {
            fields.back() += c;
            ++i;
        }
    }
    if (fields.size() > 1 || !fields[0].empty()) endLine(false);
    return b;
}

// A copied cell of several lines comes back as it was written: without its
// quotation marks, and with its line breaks stored as the grid stores a
// typed one (CR LF), whether the clipboard carried LF, CR or the vertical
// tab a spreadsheet uses.
std::string UnquoteField(const std::string& Field) {
    if (Field.find_first_of("\r\n\v") == std::string::npos) return Field;
    std::string f = Field;
    if (!f.empty() && f.front() == '"') f.erase(0, 1);
    const size_t q = f.find('"');
    if (q != std::string::npos && q + 1 == f.size()) f.pop_back();
    std::string out;
    out.reserve(f.size() + 8);
    for (size_t i = 0; i < f.size(); ++i) {
        const char c = f[i];
        if (c == '\r' || c == '\n' || c == '\v') {
            out += "\r\n";
            if (c == '\r' && i + 1 < f.size() && f[i + 1] == '\n') ++i;
        } else {
            out += c;
        }
    }
    return out;
}

int NextStreamID() {
    static int next = 0;
    return ++next;
}

}  // namespace

std::string RtfPlainText(const std::string& Rtf) {
    std::string out;
    // Characters beyond 7 bits come as \'hh (a Windows-1252 byte) or as
    // \uN (a UTF-16 unit, a pair for characters beyond the first plane)
    // followed by uc stand-in characters for readers without Unicode,
    // which are skipped.
    std::u16string units;
    const auto put = [&](std::string_view s) {
        if (!units.empty()) {
            out += base::Utf16ToUtf8(units);
            units.clear();
        }
        out += s;
    };
    int depth = 0, skipDepth = -1, uc = 1, standIns = 0;
    for (size_t i = 0; i < Rtf.size(); ++i) {
        const char c = Rtf[i];
        if (c == '{') {
            ++depth;
            standIns = 0;
            if (skipDepth < 0 && Rtf.compare(i + 1, 2, "\\*") == 0) skipDepth = depth;
            for (const char* g : {"\\fonttbl", "\\colortbl", "\\stylesheet", "\\pict", "\\info"})
                if (skipDepth < 0 && Rtf.compare(i + 1, std::char_traits<char>::length(g), g) == 0) skipDepth = depth;
        } else if (c == '}') {
            if (depth == skipDepth) skipDepth = -1;
            --depth;
            standIns = 0;
        } else if (c == '\\') {
            size_t j = i + 1;
            if (j < Rtf.size() && Rtf[j] == '\'') {
                const std::string hex = Rtf.substr(j + 1, 2);
                const bool valid = hex.size() == 2 && std::isxdigit(static_cast<unsigned char>(hex[0])) &&
                                   std::isxdigit(static_cast<unsigned char>(hex[1]));
                if (valid && skipDepth < 0) {
                    if (standIns > 0) --standIns;
                    else put(base::Windows1252ToUtf8(std::string(1, char(std::stoi(hex, nullptr, 16)))));
                }
                i = valid ? j + 2 : j;
                continue;
            }
            if (j < Rtf.size() && !std::isalpha(static_cast<unsigned char>(Rtf[j]))) {
                if (skipDepth < 0 && (Rtf[j] == '\\' || Rtf[j] == '{' || Rtf[j] == '}')) put(std::string(1, Rtf[j]));
                i = j;
                continue;
            }
            while (j < Rtf.size() && std::isalpha(static_cast<unsigned char>(Rtf[j]))) ++j;
            const std::string word = Rtf.substr(i + 1, j - i - 1);
            const size_t numStart = j;
            if (j < Rtf.size() && Rtf[j] == '-') ++j;
            while (j < Rtf.size() && std::isdigit(static_cast<unsigned char>(Rtf[j]))) ++j;
            long num = 0;
            const bool hasNum = j > numStart && std::isdigit(static_cast<unsigned char>(Rtf[j - 1]));
            if (hasNum) num = std::strtol(Rtf.c_str() + numStart, nullptr, 10);
            if (j < Rtf.size() && Rtf[j] == ' ') ++j;
            if (skipDepth < 0) {
                if (word == "par" || word == "line") put("\r\n");
                else if (word == "tab") put("\t");
                else if (word == "uc" && hasNum) uc = int(std::max(0L, num));
                else if (word == "u" && hasNum) {
                    units += char16_t(num < 0 ? num + 65536 : num);
                    standIns = uc;
                }
            }
            i = j - 1;
        } else if (skipDepth < 0 && c != '\r' && c != '\n') {
            if (standIns > 0) --standIns;
            else put(std::string(1, c));
        }
    }
    put("");
    while (out.size() >= 2 && out.compare(out.size() - 2, 2, "\r\n") == 0) out.resize(out.size() - 2);
    return out;
}

TExtStringGrid::TClipboardState& TExtStringGrid::Clip() {
    if (!FClipboard) {
        FClipboard = std::make_shared<TClipboardState>();
        FClipboard->StreamID = NextStreamID();
    }
    return *FClipboard;
}

plat::TPoint TExtStringGrid::ClipTopLeft() const { return FClipboard ? FClipboard->ClipTopLeft : plat::TPoint{-1, -1}; }
TClipOperation TExtStringGrid::ClipLastOp() const { return FClipboard ? FClipboard->ClipLastOp : coCopy; }
bool TExtStringGrid::PasteAll() const { return FClipboard && FClipboard->PasteAll; }
bool TExtStringGrid::UsesFmtClipboard() { return FNavigation.AllowFmtClipboard(); }

// A cell marked read-only keeps its text through cuts and pastes, as it
// does through the editor.
bool TExtStringGrid::PasteWritable(int ACol, int ARow) {
    return FNavigation.AllowClipboardAlways() || (IsEditable(ACol, ARow) && !ReadOnly(ACol, ARow));
}

// ------------------------------------------------------------------ copy

std::string TExtStringGrid::BuildClipboardText(const TGridRect& R, bool Disjunct) {
    Clip().ClipTopLeft = {R.Left, R.Top};
    ExportNotification(esExportStart, -1);
    const bool whole = R.Top <= FixedRows() && R.Bottom >= RowCount() - FFixedFooters - 1;
    for (int r = R.Top; r <= R.Bottom; ++r) ExportNotification(whole ? esExportNewRow : esExportSelRow, r);
    const bool rowsOnly = Disjunct && FMouseActions.DisjunctRowSelect() && !FMouseActions.DisjunctColSelect();
    const bool colsOnly = Disjunct && FMouseActions.DisjunctColSelect();
    std::string out;
    for (int r = R.Top; r <= R.Bottom; ++r) {
        ExportNotification(esExportNewRow, r);
        if (rowsOnly && !GetRowSelect(FMouseActions.RowSelectPersistent() ? RealRowIndex(r) : r)) continue;
        bool first = true;
        for (int c = R.Left; c <= R.Right; ++c) {
            if (colsOnly && !GetColSelect(c)) continue;
            const int rc = RealColIndex(c);
            std::string text;
            GetSaveCellText(rc, r, text);
            if (text.rfind("|\\", 0) == 0) text = base::Utf16ToUtf8(ctl::DecodeWideCellText(text));
            if (text.find('\r') != std::string::npos) {
                // A line break of the cell is one line feed on the
                // clipboard, whether the cell stores CR LF or CR alone.
                text = '"' + ctl::CrToLf(ctl::CrlfToLf(text)) + '"';
            }
            if (!FNavigation.CopyHTMLTagsToClipboard() &&
                (text.find("</") != std::string::npos || text.find("<B") != std::string::npos ||
                 text.find("<I") != std::string::npos)) {
                text = StrippedCells(rc, r);
            } else if (text.find("{\\") != std::string::npos) {
                text = RtfPlainText(GetCellEx(rc, r));
            }
            if (ExcelClipboardFormat() && ctl::CountTextLines(text, Multilinecells()) > 1)
                text = ctl::QuoteMultilineField(text);
            if (!first) out += '\t';
            out += text;
            first = false;
        }
        if (R.Top < R.Bottom) out += "\r\n";
    }
    ExportNotification(esExportDone, -1);
    return out;
}

void TExtStringGrid::CopyRectToClipboard(const TGridRect& R, bool Disjunct) {
    const std::string text = BuildClipboardText(R, Disjunct);
    plat::TClipboard& cb = plat::Clipboard();
    cb.SetAsText(text);
    if (FNavigation.AllowRTFClipboard()) {
        const std::string rich = GetCellEx(RealColIndex(R.Left), R.Top);
        if (rich.find("{\\") != std::string::npos) cb.AddFormat(RtfDragFormat(), rich + '\0');
    }
    if (FNavigation.AllowFmtClipboard()) {
        std::ostringstream out;
        SaveRectToBinStream(R, out);
        cb.AddFormat(GridUnit().GridCellsClipboardFormat, out.str());
    }
}

void TExtStringGrid::ExpandSelectionToMergedCells() {
    const TGridRect s = Selection();
    TGridRect n = s;
    if (IsMergedCell(s.Left, s.Top)) {
        const plat::TPoint b = BaseCell(s.Left, s.Top);
        n.Left = std::min(n.Left, b.X);
        n.Top = std::min(n.Top, b.Y);
    }
    if (IsMergedCell(s.Right, s.Bottom)) {
        const plat::TPoint b = BaseCell(s.Right, s.Bottom);
        const plat::TPoint span = CellSpan(b.X, b.Y);
        n.Right = std::max(n.Right, b.X + span.X);
        n.Bottom = std::max(n.Bottom, b.Y + span.Y);
    }
    if (!(n == s)) SetSelection(n);
}

void TExtStringGrid::CopySelectionToClipboard() {
    ExpandSelectionToMergedCells();
    const bool fmt = FNavigation.AllowFmtClipboard();
    if (FMouseActions.DisjunctRowSelect() && !fmt)
        CopyRectToClipboard({FixedCols(), SaveStartRow(), ColCount() - FFixedRightCols - 1, SaveEndRow()}, true);
    else if (FMouseActions.DisjunctColSelect() && !fmt)
        CopyRectToClipboard({SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}, true);
    else
        CopyRectToClipboard(Selection(), false);
    Clip().ClipLastOp = coCopy;
}

void TExtStringGrid::CopyToClipBoard() {
    CopyRectToClipboard({SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}, false);
    Clip().ClipLastOp = coCopy;
}

void TExtStringGrid::EmptyCells(const TGridRect& R, bool Undoable) {
    TExtGridUndoRedo* undo = Undoable ? UndoRedo() : nullptr;
    if (undo) undo->StartSequence();
    for (int r = R.Top; r <= R.Bottom; ++r) {
        bool any = false;
        for (int c = R.Left; c <= R.Right; ++c) {
            const int rc = RealColIndex(c);
            if (!PasteWritable(rc, r)) continue;
            if (undo) undo->RegisterChange(c, r, GetCellEx(rc, r), "");
            SetCellEx(rc, r, "");
            any = true;
        }
        if (any && FShowModified.Enabled()) SetRowModified(RealRowIndex(r), true);
    }
    if (undo) undo->StopSequence();
}

void TExtStringGrid::CutToClipboard() {
    CopyToClipBoard();
    EmptyCells({SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}, false);
    Clip().ClipLastOp = coCut;
}

void TExtStringGrid::CutSelectionToClipboard() {
    const TGridRect noted = Selection();
    CopySelectionToClipboard();
    const TGridRect s = Selection();
    if (FMouseActions.DisjunctRowSelect()) {
        for (int r = FixedRows(); r < RowCount(); ++r) {
            if (!GetRowSelect(FMouseActions.RowSelectPersistent() ? RealRowIndex(r) : r)) continue;
            for (int c = 0; c < AllColCount(); ++c) SetCellEx(c, r, "");
            if (FShowModified.Enabled()) SetRowModified(RealRowIndex(r), true);
        }
    } else if (FMouseActions.DisjunctColSelect()) {
        for (int c = FixedCols(); c < ColCount(); ++c) {
            if (!GetColSelect(c)) continue;
            for (int r = 0; r < RowCount(); ++r) SetCellEx(RealColIndex(c), r, "");
        }
    } else {
        EmptyCells(s, true);
        if (FNavigation.AllowFmtClipboard()) FreeCellPropsRect(s.Left, s.Top, s.Right, s.Bottom);
    }
    Clip().ClipLastOp = coCut;
    if (OnCellsChanged) OnCellsChanged(this, noted);
    if (NumHiddenColumns() > 0) Invalidate();
}

void TExtStringGrid::CopyToClipBoardAsHTML() {
    const std::string html = ctl::BuildClipboardHtml(SaveToHTMLString(""));
    plat::TClipboard& cb = plat::Clipboard();
    cb.SetAsText(html);
    cb.AddFormat(HtmlFormat(), html);
}

std::string TExtStringGrid::GetSelectionAsText() { return BuildClipboardText(Selection(), false); }

void TExtStringGrid::SetSelectionAsText(const std::string& Value) {
    const TGridRect s = Selection();
    const TTextBlock block = CutTextBlock(Value);
    int r = s.Top, lastCol = s.Left;
    for (size_t l = 0; l < block.Lines.size(); ++l) {
        if (r >= PasteRowLimit()) GrowPasteRows(r + 1);
        int c = s.Left;
        for (const std::string& field : block.Lines[l]) {
            // Grown before the write: a field past the last column must not
            // land outside the grid.
            if (c >= ColCount()) SetColCount(c + 1);
            SetGridCell(RealColIndex(c), r, UnquoteField(field));
            lastCol = std::max(lastCol, c);
            ++c;
        }
        if (l + 1 < block.Lines.size()) ++r;
    }
    if (OnCellsChanged) OnCellsChanged(this, {RealColIndex(s.Left), s.Top, RealColIndex(lastCol), r});
}

// ------------------------------------------------------------------ paste

int TExtStringGrid::PasteRowLimit() {
    const TFloatingFooter& f = FloatingFooter();
    return RowCount() - (f.Visible() && f.FooterStyle() == fsFixedLastRow && RowCount() > FixedRows() ? 1 : 0);
}

void TExtStringGrid::GrowPasteRows(int Rows) {
    const int limit = PasteRowLimit();
    if (Rows <= limit) return;
    // The footer row stays the last: new rows go in above it.
    if (limit < RowCount()) InsertRows(limit, Rows - limit);
    else SetRowCount(Rows);
}

void TExtStringGrid::SetPastedCell(int ACol, int ARow, const std::string& Value) {
    const int rc = RealColIndex(ACol);
    if (TExtGridUndoRedo* undo = UndoRedo()) undo->RegisterChange(ACol, ARow, GetCellEx(rc, ARow), Value);
    if (!ChangeCheckBoxState(rc, ARow, Value == FCheckTrue)) SetCellEx(rc, ARow, Value);
    if (rc != ACol) RepaintCell(ACol, ARow);
}

void TExtStringGrid::MarkPastedRows(plat::TPoint, const TGridRect& R, TClipOperation) {
    if (!FShowModified.Enabled()) return;
    for (int r = std::max(0, R.Top); r <= R.Bottom && r < RowCount(); ++r) SetRowModified(RealRowIndex(r), true);
}

void TExtStringGrid::CountTextBlock(const std::string& Text, int& Cols, int& Rows) {
    const TTextBlock block = CutTextBlock(Text);
    Cols = 0;
    Rows = 0;
    for (size_t l = 0; l < block.Lines.size(); ++l) {
        Cols = std::max(Cols, int(block.Lines[l].size()));
        const bool empty = block.Lines[l].size() == 1 && block.Lines[l][0].empty();
        if (l > 0 && !empty) ++Rows;
    }
}

int TExtStringGrid::PasteText(int ACol, int ARow, int& Rows, int& Cols, const std::string& Text) {
    Rows = Cols = 0;
    if (ACol < 0 || ARow < 0) return 0;
    if (!Options().Contains(plat::goEditing) && !FNavigation.AllowClipboardAlways() &&
        !FMouseActions.RangeSelectAndEdit())
        return 0;
    const TTextBlock block = CutTextBlock(Text);
    const bool insert = FNavigation.ClipboardPasteAction() == paInsert;
    // The grid grows once for the whole block rather than a row at a time:
    // a paste of many rows is one change of size, not thousands.
    if (!insert && FNavigation.AllowClipboardRowGrow()) GrowPasteRows(ARow + int(block.Lines.size()));
    int widest = 0;
    for (const auto& l : block.Lines) widest = std::max(widest, int(l.size()));
    if (FNavigation.AllowClipboardColGrow() && ACol + widest > ColCount()) SetColCount(ACol + widest);
    TExtGridUndoRedo* undo = UndoRedo();
    if (undo) undo->StartSequence();
    int count = 0, r = ARow, lastCol = ACol;
    {
        TBulkUpdate lock(*this);
        for (size_t l = 0; l < block.Lines.size(); ++l) {
            const auto& fields = block.Lines[l];
            ++Rows;
            ImportNotification(PasteAll() ? isImportNewRow : isImportSelRow, r);
            const bool emptyLine = fields.size() == 1 && fields[0].empty();
            if (!emptyLine && insert) InsertRows(std::min(r, PasteRowLimit()), 1);
            if (r >= PasteRowLimit() && FNavigation.AllowClipboardRowGrow()) GrowPasteRows(r + 1);
            int c = ACol;
            Cols = std::max(Cols, int(fields.size()));
            for (size_t f = 0; f < fields.size(); ++f) {
                ++count;
                const bool last = f + 1 == fields.size();
                if (last && fields[f].empty() && !block.Ended[l]) continue;
                if (c >= ColCount() || r >= PasteRowLimit()) {
                    ++c;
                    continue;
                }
                if (!PasteWritable(RealColIndex(c), r)) {
                    ++c;
                    continue;
                }
                std::string value = UnquoteField(fields[f]);
                bool allow = true;
                const bool wide = value.rfind("|\\", 0) == 0;
                std::u16string w;
                if (wide) {
                    w = ctl::DecodeWideCellText(value);
                    if (OnClipboardBeforePasteWideCell) OnClipboardBeforePasteWideCell(this, c, r, w, allow);
                    value = ctl::EncodeWideCellText(w);
                } else if (OnClipboardBeforePasteCell) {
                    OnClipboardBeforePasteCell(this, c, r, value, allow);
                }
                if (allow) {
                    SetPastedCell(c, r, value);
                    lastCol = std::max(lastCol, c);
                    if (wide && OnClipboardAfterPasteWideCell) OnClipboardAfterPasteWideCell(this, c, r, w);
                    if (!wide && OnClipboardAfterPasteCell) OnClipboardAfterPasteCell(this, c, r, value);
                }
                ++c;
            }
            if (l + 1 < block.Lines.size()) ++r;
        }
        // The empty rest after a final line break counts as a field: a
        // block copied with its line ends is one more than its cells.
        if (!block.Ended.empty() && block.Ended.back()) ++count;
    }
    if (undo) undo->StopSequence();
    const int lastRow = std::min(r, RowCount() - 1);
    MarkPastedRows(ClipTopLeft(), {ACol, ARow, lastCol, lastRow}, ClipLastOp());
    if (OnCellsChanged) OnCellsChanged(this, {RealColIndex(ACol), ARow, RealColIndex(lastCol), lastRow});
    Invalidate();
    return count;
}

void TExtStringGrid::PasteCellStream(const std::string& Bytes, int ACol, int ARow, int& Rows, int& Cols,
                                     int& Count) {
    BeforePaste();
    TBinGridData data;
    std::string error;
    if (!ReadCellStream(Bytes, data, error)) throw EExtGridError(error);
    if (data.Cells.empty()) {
        AfterPaste();
        return;
    }
    const bool insert = FNavigation.ClipboardPasteAction() == paInsert;
    if (insert) InsertRows(std::min(ARow, PasteRowLimit()), data.RowCount);
    // Grown first where allowed; cells that would still fall outside are
    // left out rather than written past the end.
    if (FNavigation.AllowClipboardColGrow() && ACol + data.ColCount > ColCount()) SetColCount(ACol + data.ColCount);
    if (FNavigation.AllowClipboardRowGrow()) GrowPasteRows(ARow + data.RowCount);
    if (FNavigation.AllowClipboardRowGrow() || FNavigation.AllowClipboardColGrow() || insert) {
        Cols = ColCount();
        Rows = RowCount();
    }
    // The first cell fixes where the block lands, even when it is one of
    // the cells left out below.
    const plat::TPoint origin{data.Cells.front().Col, data.Cells.front().Row};
    TBinGridData fit = data;
    fit.FullGrid = false;
    fit.Cells.clear();
    for (auto& c : data.Cells) {
        const int tc = c.Col - origin.X + ACol, tr = c.Row - origin.Y + ARow;
        if (tc >= 0 && tr >= 0 && tc < ColCount() && tr < PasteRowLimit()) fit.Cells.push_back(c);
    }
    PlaceCellData(fit, origin, {ACol, ARow});
    const TGridRect rect{ACol, ARow, ACol + data.ColCount - 1, ARow + data.RowCount - 1};
    MarkPastedRows(data.ID == Clip().StreamID ? ClipTopLeft() : plat::TPoint{-1, -1}, rect, ClipLastOp());
    Count = data.ColCount * data.RowCount;
    if (Rows == 0) Rows = data.RowCount;
    if (Cols == 0) Cols = data.ColCount;
    AfterPaste();
    Invalidate();
}

int TExtStringGrid::PasteClipboardAt(int ACol, int ARow, int& Rows, int& Cols) {
    Rows = Cols = 0;
    plat::TClipboard& cb = plat::Clipboard();
    if (UsesFmtClipboard() && cb.HasFormat(GridUnit().GridCellsClipboardFormat)) {
        int count = 0;
        PasteCellStream(cb.AsFormat(GridUnit().GridCellsClipboardFormat), ACol, ARow, Rows, Cols, count);
        return count;
    }
    if (FNavigation.AllowRTFClipboard() && cb.HasFormat(RtfDragFormat())) {
        std::string rich = cb.AsFormat(RtfDragFormat());
        rich = rich.substr(0, rich.find('\0'));
        if (PasteWritable(RealColIndex(ACol), ARow)) SetPastedCell(ACol, ARow, rich);
        Rows = Cols = 1;
        return 0;
    }
    if (cb.HasText()) {
        const std::string text = cb.AsText();
        if (!text.empty()) return PasteText(ACol, ARow, Rows, Cols, text);
    }
    return 0;
}

void TExtStringGrid::PasteFromClipboard() {
    ImportNotification(isImportStart, -1);
    Clip().PasteAll = true;
    int rows = 0, cols = 0;
    try {
        PasteClipboardAt(SaveStartCol(), SaveStartRow(), rows, cols);
    } catch (...) {
        Clip().PasteAll = false;
        throw;
    }
    Clip().PasteAll = false;
    ImportNotification(isImportDone, -1);
    AfterBulkChange();
}

void TExtStringGrid::WriteFilledCell(int ACol, int ARow, std::string Value) {
    if (!PasteWritable(RealColIndex(ACol), ARow)) return;
    bool allow = true;
    if (OnClipboardBeforePasteCell) OnClipboardBeforePasteCell(this, ACol, ARow, Value, allow);
    if (!allow) return;
    SetPastedCell(ACol, ARow, Value);
    if (OnClipboardAfterPasteCell) OnClipboardAfterPasteCell(this, ACol, ARow, Value);
    MarkPastedRows(ClipTopLeft(), {ACol, ARow, ACol, ARow}, ClipLastOp());
}

// True when a series filled the selection and the paste is complete.
bool TExtStringGrid::SmartFill(const TGridRect& S, int Pasted) {
    const int cols = S.Right - S.Left + 1, rows = S.Bottom - S.Top + 1;
    auto cellText = [&](int c, int r) {
        const int rc = RealColIndex(c);
        const TCellType kind = GetCellType(rc, r);
        if (kind == ctCheckBox || kind == ctTriStateCheckBox) {
            bool state = false;
            GetCheckBoxState(rc, RealRowIndex(r), state);
            return state ? FCheckTrue : FCheckFalse;
        }
        return GetCellEx(rc, r);
    };
    if (Pasted == 1 && cols * rows > 1) {
        BeforePaste();
        const std::string v = cellText(S.Left, S.Top);
        for (int c = S.Left; c <= S.Right; ++c)
            for (int r = S.Top; r <= S.Bottom; ++r)
                if (c != S.Left || r != S.Top) WriteFilledCell(c, r, v);
        AfterPaste();
        return false;
    }
    if (Pasted <= 1 || (cols != 1 && rows != 1)) return false;
    const bool down = cols == 1 && rows > 1;
    const std::string a = cellText(S.Left, S.Top);
    const std::string b = down ? cellText(S.Left, S.Top + 1) : cellText(S.Left + 1, S.Top);
    const int length = down ? rows : cols;
    if (FillSeriesOf(a, b) == fsPattern) {
        const int n = Pasted - 1;  // the pasted cells repeat
        if (n < 1) return false;
        for (int k = n; k < length; ++k) {
            const int c = down ? S.Left : S.Left + k, r = down ? S.Top + k : S.Top;
            const int fc = down ? c : c - n, fr = down ? r - n : r;
            WriteFilledCell(c, r, cellText(fc, fr));
        }
        return false;
    }
    const std::vector<std::string> values = FillSeries(a, b, length, FFloatFormat);
    for (int k = 0; k < int(values.size()); ++k)
        WriteFilledCell(down ? S.Left : S.Left + k, down ? S.Top + k : S.Top, values[size_t(k)]);
    return true;
}

void TExtStringGrid::PasteSelectionFromClipboard() {
    ImportNotification(isImportStart, -1);
    Clip().PasteAll = false;
    ExpandSelectionToMergedCells();
    TGridRect s = Selection();
    int rows = 0, cols = 0;
    const int n = Options().Contains(plat::goRowSelect) ? PasteClipboardAt(FixedCols(), s.Top, rows, cols)
                                                        : PasteClipboardAt(s.Left, s.Top, rows, cols);
    const int selected = (s.Right - s.Left + 1) * (s.Bottom - s.Top + 1);
    bool done = false;
    if (FNavigation.AllowSmartClipboard() && n != selected + 1) done = SmartFill(s, n);
    if (!done && s.Bottom > s.Top && s.Right > s.Left && FNavigation.AllowSmartClipboard() && n != selected + 1) {
        // One pasted row (or column) repeats down (or across) the selection.
        int r2 = 0, c2 = 0;
        if (rows == 1)
            for (int r = s.Top + 1; r <= s.Bottom; ++r) PasteClipboardAt(s.Left, r, r2, c2);
        else if (cols == 1)
            for (int c = s.Left + 1; c <= s.Right; ++c) PasteClipboardAt(c, s.Top, r2, c2);
        SetSelection(s);
    }
    ImportNotification(isImportDone, -1);
    if (OnCellsChanged) OnCellsChanged(this, s);
    AfterBulkChange();
}

}  // namespace grid
