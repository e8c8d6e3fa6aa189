// The grid's fixed-width files and plain-text export.

#include <algorithm>

#include "grid/ExtGrid.h"
#include "grid/GridExchangeState.h"
#include "grid/GridFixedWidth.h"

namespace grid {

int TExtStringGrid::MaxColumnTextLength(int ACol) {
    int widest = 0;
    for (int r = 0; r < RowCount(); ++r) {
        std::string text;
        GetSaveCellText(ACol, r, text);
        size_t i = 0;
        for (;;) {
            const size_t e = text.find("\r\n", i);
            widest = std::max(widest, TextWidth(std::string_view(text).substr(i, e == std::string::npos ? text.npos : e - i)));
            if (e == std::string::npos) break;
            i = e + 2;
        }
    }
    return widest;
}

// Hidden columns are read where the store keeps them (beyond ColCount), so
// the export never has to change ColCount and a failed save cannot leave it
// changed.
void TExtStringGrid::SaveToFixed(const std::string& FileName, TIntList& Positions) {
    const int h = FSaveHiddenCells ? NumHiddenColumns() : 0;
    const int c0 = SaveStartCol(), c1 = SaveEndCol() + h;
    const auto real = [&](int i) { return FSaveHiddenCells ? i : RealColIndex(i); };
    for (int i = c0; i <= c1; ++i)
        if (Positions.Count() <= i - c0) Positions.Add(MaxColumnTextLength(real(i)) + 1);
    std::vector<int> widths;
    for (int i = 0; i < Positions.Count(); ++i) widths.push_back(Positions.Items(i));
    std::string out;
    std::vector<std::string> cells;
    ExportNotification(esExportStart, SaveStartRow());
    for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
        ExportNotification(esExportNextRow, r);
        cells.clear();
        for (int i = c0; i <= c1; ++i) {
            std::string text;
            GetSaveCellText(real(i), r, text);
            cells.push_back(std::move(text));
        }
        out += WriteFixedLine(cells, widths);
        out += "\r\n";
    }
    ExportNotification(esExportDone, -1);
    std::string error;
    if (!WriteGridFile(FileName, EncodeGridText(out, TGridFileText::Ansi), error))
        throw EExtGridError("Cannot Create file " + FileName);
}

void TExtStringGrid::LoadFromFixed(const std::string& FileName, TIntList& Positions, bool DoTrim, int MaxRows) {
    std::string bytes, error;
    if (!ReadGridFile(FileName, bytes, error)) throw EExtGridError("File " + FileName + " not found");
    std::vector<int> pos;
    for (int i = 0; i < Positions.Count(); ++i) pos.push_back(Positions.Items(i));
    std::sort(pos.begin(), pos.end());
    Positions.Clear();
    for (int p : pos) Positions.Insert(Positions.Count(), p);
    const std::string text = DecodeGridText(bytes);
    std::vector<std::string_view> lines = SplitTextLines(text);
    if (lines.empty()) lines.emplace_back();
    const size_t n = (MaxRows == -1) ? lines.size() : std::min(lines.size(), size_t(std::max(1, MaxRows)));
    const int fields = std::max(0, int(pos.size()) - 1);
    {
        TBulkUpdate lock(*this);
        SetColCount(std::max(1, FixedCols() + fields));
        const int r0 = SaveStartRow();
        if (r0 + int(n) > RowCount()) SetRowCount(r0 + int(n));
        for (size_t k = 0; k < n; ++k) {
            const std::vector<std::string> cells = ReadFixedLine(lines[k], pos, DoTrim);
            for (size_t f = 0; f < cells.size(); ++f) {
                const int c = SaveStartCol() + int(f);
                if (c < ColCount()) SetLoadCellText(c, r0 + int(k), cells[f]);
            }
        }
    }
    FinishImport();
}

void TExtStringGrid::SaveToASCII(const std::string& FileName, bool Unicode) {
    std::string existing;
    WriteAscii(FileName, Unicode, existing);
}

void TExtStringGrid::AppendToASCII(const std::string& FileName, bool Unicode) {
    std::string bytes, error, existing;
    if (ReadGridFile(FileName, bytes, error)) {
        existing = DecodeGridText(bytes);
        if (!existing.empty() && existing.back() != '\n') existing += "\r\n";
    }
    WriteAscii(FileName, Unicode, existing);
}

void TExtStringGrid::WriteAscii(const std::string& FileName, bool Unicode, std::string Text) {
    const int s = (FSaveFixedCells || FSaveFixedCols) ? 0 : FixedCols();
    const int t = (FSaveFixedCells || FSaveFixedRows) ? 0 : FixedRows();
    const int h = FSaveHiddenCells ? NumHiddenColumns() : 0;
    const auto real = [&](int c) { return FSaveHiddenCells ? c : RealColIndex(c); };
    std::vector<int> widths;
    for (int c = s; c < ColCount() + h; ++c) widths.push_back(MaxColumnTextLength(real(c)));
    ExportNotification(esExportStart, t);
    std::vector<TAsciiCell> cells;
    for (int r = t; r < RowCount(); ++r) {
        ExportNotification(esExportNextRow, r);
        cells.clear();
        for (int c = s; c < ColCount() + h; ++c) {
            TAsciiCell cell;
            GetSaveCellText(real(c), r, cell.Text);
            plat::TAlignment ha = Alignments(real(c), r);
            TVAlignment va = vtaTop;
            DoGetAlignment(real(c), r, ha, va);
            cell.Align = ha == plat::taRightJustify ? TAsciiAlign::Right
                         : ha == plat::taCenter     ? TAsciiAlign::Center
                                                    : TAsciiAlign::Left;
            cells.push_back(std::move(cell));
        }
        for (const auto& l : WriteAsciiRow(cells, widths, Multilinecells())) {
            Text += l;
            Text += "\r\n";
        }
    }
    ExportNotification(esExportDone, -1);
    std::string error;
    if (!WriteGridFile(FileName, EncodeGridText(Text, Unicode ? TGridFileText::Utf16LE : TGridFileText::Ansi), error))
        throw EExtGridError("Cannot Create file " + FileName);
}

}  // namespace grid
