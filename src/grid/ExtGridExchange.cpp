// The grid's side of the exchange formats: the save-cell and load-cell
// hooks, progress, and the CSV and grid text formats composed from their
// units. Readers parse and check the whole input first and only then touch
// the grid, so a refused file leaves it as it was.

#include <algorithm>
#include <cstdint>
#include <deque>
#include <istream>
#include <iterator>
#include <ostream>
#include <sstream>

#include "controls/ExtUtil.h"
#include "controls/HtmlText.h"
#include "grid/ExtGrid.h"
#include "grid/GridCsv.h"
#include "grid/GridExchangeState.h"
#include "grid/GridPrintRun.h"
#include "grid/GridTextIO.h"

namespace grid {

TExtStringGrid::TExchangeState& TExtStringGrid::Ex() {
    if (!FExchange) FExchange = std::make_shared<TExchangeState>();
    return *FExchange;
}

void TExtStringGrid::ExportNotification(TGridExportState, int) {}
void TExtStringGrid::ImportNotification(TGridImportState, int) {}

void TExtStringGrid::GetRawCellText(int ACol, int ARow, std::string& Text) { Text = GetCellEx(ACol, ARow); }

void TExtStringGrid::GetSaveCellText(int ACol, int ARow, std::string& Text) {
    Text = FSaveVirtCells ? GetFormattedCell(ACol, ARow) : GetGridCell(ACol, ARow);
    if (Text.empty()) {
        const TCellType kind = GetCellType(ACol, ARow);
        if (kind == ctCheckBox) {
            bool state = false;
            GetCheckBoxState(ACol, RealRowIndex(ARow), state);
            state ? GetCheckTrue(ACol, ARow, Text) : GetCheckFalse(ACol, ARow, Text);
        } else if (kind == ctTriStateCheckBox) {
            TCheckBoxState state = cbUnchecked;
            GetCheckBoxState(ACol, RealRowIndex(ARow), state);
            state == cbChecked ? GetCheckTrue(ACol, ARow, Text) : GetCheckFalse(ACol, ARow, Text);
        }
    }
    const int kind = ctl::GetCellTextKind(Text, true);
    if (kind == ctl::ctkHtml && !FSaveWithHTML) {
        Text = ctl::HtmlToPlainText(Text);
    } else if (kind == ctl::ctkRichText) {
        if (Ex().SaveWithRTF) {
            Text = ctl::RemoveCr(Text);
            Text.erase(std::remove(Text.begin(), Text.end(), '\n'), Text.end());
        } else {
            Text = RtfPlainText(Text);
        }
    }
    if (OnSaveCell) OnSaveCell(this, ACol, ARow, Text);
}

void TExtStringGrid::SetLoadCellText(int ACol, int ARow, const std::string& Text) {
    if (OnLoadCell) {
        std::string value = Text;
        OnLoadCell(this, ACol, ARow, value);
        SetGridCell(ACol, ARow, value);
    } else {
        SetGridCell(ACol, ARow, Text);
    }
}

double TExtStringGrid::CellToReal(int ACol, int ARow) {
    const std::string text = GetCellEx(ACol, ARow);
    if (text.empty()) return 0;
    const std::string norm = ctl::NormalizeNumberText(text);
    size_t used = 0;
    double v = 0;
    try {
        v = std::stod(norm, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != norm.size()) {
        throw EExtGridError("Error at position: " + std::to_string(used + 1) + " in Cell [" + std::to_string(ACol) +
                            ", " + std::to_string(ARow) + "].");
    }
    return v;
}

bool TExtStringGrid::SaveWithRTF() const { return FExchange && FExchange->SaveWithRTF; }
void TExtStringGrid::SetSaveWithRTF(bool Value) { Ex().SaveWithRTF = Value; }
bool TExtStringGrid::OemConvert() const { return FExchange && FExchange->OemConvert; }
void TExtStringGrid::SetOemConvert(bool Value) { Ex().OemConvert = Value; }
bool TExtStringGrid::Multilinecells() const { return FExchange && FExchange->Multilinecells; }
void TExtStringGrid::SetMultilinecells(bool Value) { Ex().Multilinecells = Value; }
THTMLSettings& TExtStringGrid::HTMLSettings() { return Ex().HTMLSettings; }
int TExtStringGrid::NodeCount() const { return FExchange ? FExchange->NodeCount : 0; }

void TExtStringGrid::ResetFileProgress() { Ex().LastProgress = -1; }

void TExtStringGrid::ReportFileProgress(double Done, double Total) {
    if (!OnFileProgress) return;
    ReportProgress(Done, Total, Ex().LastProgress, [&](int pct) { OnFileProgress(this, pct); });
}

void TExtStringGrid::FinishImport() {
    if (OnCellsChanged) OnCellsChanged(this, TGridRect{0, 0, ColCount(), RowCount()});
    AfterBulkChange();
}

// ------------------------------------------------------------------ CSV

namespace {

// OEM-converted cells are OEM bytes already and go out as those bytes.
TGridFileText CsvFileEncoding(bool Unicode, bool Oem) {
    if (Unicode) return TGridFileText::Utf8Bom;
    return Oem ? TGridFileText::Oem : TGridFileText::Ansi;
}

}  // namespace

std::string TExtStringGrid::CsvFileText(std::vector<std::string>* Lines) {
    TCsvOptions opt;
    opt.Delimiter = FDelimiter;
    opt.QuoteEmptyCells = FQuoteEmptyCells;
    opt.AlwaysQuotes = AlwaysQuotes();
    opt.JavaCSV = JavaCSV();
    const int h = FSaveHiddenCells ? NumHiddenColumns() : 0;
    const int r0 = SaveStartRow(), r1 = SaveEndRow();
    const int c0 = SaveStartCol(), c1 = SaveEndCol() + h;
    // The whole file is written into one buffer, and each row's cells into
    // texts kept from row to row, so a row costs no allocation of its own.
    std::string out;
    std::vector<std::string> cells(static_cast<size_t>(std::max(c1 - c0 + 1, 0)));
    const bool oem = OemConvert();
    ResetFileProgress();
    ExportNotification(esExportStart, r0);
    for (int r = r0; r <= r1; ++r) {
        ExportNotification(esExportNextRow, r);
        for (int i = c0; i <= c1; ++i) {
            std::string& text = cells[static_cast<size_t>(i - c0)];
            GetSaveCellText(FSaveHiddenCells ? i : RealColIndex(i), r, text);
            if (oem) text = ctl::StringToOem(text);
        }
        const size_t lineStart = out.size();
        AppendCsvLine(out, cells, opt);
        if (Lines) Lines->push_back(out.substr(lineStart));
        out += "\r\n";
        // Room for the rest, judged by the first rows, so that a big file
        // is not copied to a larger buffer again and again as it grows.
        if (r == r0 + 15 && r < r1)
            out.reserve(out.size() + out.size() / 16 * static_cast<size_t>(r1 - r) * 9 / 8);
        ReportFileProgress(r, RowCount() - 1);
    }
    ExportNotification(esExportDone, -1);
    return out;
}

void TExtStringGrid::SaveToCSV(const std::string& FileName, bool Unicode) {
    const std::string text = CsvFileText(nullptr);
    // Plain ASCII is the same bytes in the 8-bit code page: a big table of
    // it is written as it stands rather than copied once more.
    std::string encoded;
    std::string_view bytes = text;
    if (Unicode || std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; })) {
        encoded = EncodeGridText(text, CsvFileEncoding(Unicode, OemConvert()));
        bytes = encoded;
    }
    std::string error;
    if (!WriteGridFile(FileName, bytes, error)) throw EExtGridError(error);
}

void TExtStringGrid::AppendToCSV(const std::string& FileName, bool Unicode) {
    std::string bytes, error;
    if (!ReadGridFile(FileName, bytes, error)) throw std::runtime_error(error);
    std::string text = DecodeGridText(bytes);
    if (!text.empty() && text.back() != '\n' && text.back() != '\r') text += "\r\n";
    text += CsvFileText(nullptr);
    if (!WriteGridFile(FileName, EncodeGridText(text, CsvFileEncoding(Unicode, OemConvert())), error))
        throw EExtGridError(error);
}

void TExtStringGrid::LoadCsvText(const std::string& Text, int MaxRows, bool Insert) {
    // The delimiter is guessed from the first two lines as they stand in
    // the file; the records are then cut with it, quoted line breaks kept.
    char d = FDelimiter;
    if (d == '\0') {
        std::string_view t(Text);
        const size_t e1 = t.find_first_of("\r\n");
        const std::string_view l1 = t.substr(0, e1);
        std::string_view l2;
        if (e1 != std::string_view::npos) {
            size_t s2 = e1 + ((t[e1] == '\r' && e1 + 1 < t.size() && t[e1 + 1] == '\n') ? 2 : 1);
            l2 = t.substr(s2, t.find_first_of("\r\n", s2) - s2);
        }
        d = GuessCsvDelimiter(l1, l2);
    }
    // Every record is read before the grid changes, so a refused file
    // leaves it as it was; records are taken straight from the text.
    const size_t first = FLoadFirstRow ? 0 : 1;
    const size_t limit = MaxRows > 0 ? size_t(MaxRows) : SIZE_MAX;
    const bool java = JavaCSV();
    const bool oem = OemConvert();
    // The cells of all records go into one table of views into the text
    // (or into texts made for cells that had to be decoded), with the end
    // of each record's cells noted: a big file costs a few allocations,
    // not one per line.
    std::vector<std::string_view> cells;
    std::deque<std::string> made;
    std::vector<size_t> ends;  // one past each record's last cell
    size_t seen = 0;
    size_t widest = 0;
    ForEachCsvRecord(Text, d, [&](std::string_view rec) {
        if (seen++ < first) return true;
        if (ends.size() >= limit) return false;
        const size_t begin = cells.size();
        ReadCsvFields(oem ? std::string_view(made.emplace_back(ctl::OemToString(std::string(rec)))) : rec, d, java,
                      cells, made);
        ends.push_back(cells.size());
        widest = std::max(widest, cells.size() - begin);
        return true;
    });
    if (seen == 0) throw std::runtime_error("File is empty");
    const size_t n = ends.size();

    const int hc = FSaveHiddenCells ? NumHiddenColumns() : 0;
    const int c0 = SaveStartCol();
    // Inserted rows go before the footer rows, which stay last.
    const int start = Insert ? RowCount() - FFixedFooters : SaveStartRow();
    {
        TBulkUpdate lock(*this);
        const int needCols = c0 + int(widest) - hc;
        if (needCols > ColCount()) SetColCount(needCols);
        if (Insert) InsertRows(start, int(n));
        else SetRowCount(std::max(start + int(n) + FFixedFooters, FixedRows() + 1));
        ResetFileProgress();
        std::string text;
        for (size_t k = 0; k < n; ++k) {
            const int row = start + int(k);
            const size_t begin = k == 0 ? 0 : ends[k - 1];
            for (size_t f = begin; f < ends[k]; ++f) {
                text.assign(cells[f]);
                SetLoadCellText(c0 + int(f - begin), row, text);
            }
            if (OnFileProgress) ReportFileProgress(double(k + 1), double(n));
        }
    }
    FinishImport();
}

void TExtStringGrid::LoadFromCSV(const std::string& FileName, int MaxRows) {
    std::string bytes, error;
    if (!ReadGridFile(FileName, bytes, error)) throw std::runtime_error(error);
    if (bytes.empty()) return;
    LoadCsvText(DecodeGridText(bytes), MaxRows, false);
}

void TExtStringGrid::InsertFromCSV(const std::string& FileName, int MaxRows) {
    std::string bytes, error;
    if (!ReadGridFile(FileName, bytes, error)) throw std::runtime_error(error);
    if (bytes.empty()) return;
    LoadCsvText(DecodeGridText(bytes), MaxRows, true);
}

void TExtStringGrid::LoadFromCSVStream(std::istream& AStream, int MaxRows) {
    const std::string bytes{std::istreambuf_iterator<char>(AStream), std::istreambuf_iterator<char>()};
    LoadCsvText(DecodeGridText(bytes), MaxRows, false);
}

// ------------------------------------------------------------------ grid text

namespace {

bool HasSaveRows(TExtStringGrid& g) { return g.SaveFixedCells() || g.SaveFixedRows(); }
bool HasSaveCols(TExtStringGrid& g) { return g.SaveFixedCells() || g.SaveFixedCols(); }

}  // namespace

void TExtStringGrid::SaveToFile(const std::string& FileName, bool Unicode) {
    const int h = FSaveHiddenCells ? NumHiddenColumns() : 0;
    TGridTextData data;
    data.ColCount = SaveColCount() + h;
    data.RowCount = SaveRowCount();
    const int c0 = SaveStartCol(), c1 = SaveEndCol() + h;
    for (int i = c0; i <= c1; ++i) data.Widths.emplace_back(i, FSaveHiddenCells ? AllColWidths(i) : ColWidths(i));
    ResetFileProgress();
    ExportNotification(esExportStart, SaveStartRow());
    for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
        ExportNotification(esExportNextRow, r);
        for (int c = c0; c <= c1; ++c) {
            std::string text;
            GetSaveCellText(c, r, text);
            if (!text.empty()) data.Cells.push_back({c, r, std::move(text)});
        }
        ReportFileProgress(r, SaveRowCount() - 1);
    }
    ExportNotification(esExportDone, -1);
    std::string error;
    const std::string text = WriteGridTextLines(data);
    if (!WriteGridFile(FileName, EncodeGridText(text, Unicode ? TGridFileText::Utf16LE : TGridFileText::Ansi), error))
        throw EExtGridError(error);
}

void TExtStringGrid::LoadFromFile(const std::string& FileName) {
    std::string bytes, error;
    if (!ReadGridFile(FileName, bytes, error)) throw std::runtime_error(error);
    TGridTextData data;
    if (!ReadGridTextLines(DecodeGridText(bytes), Multilinecells(), data, error))
        throw EExtGridError("File contains no data or corrupt file " + FileName);
    const int a = HasSaveCols(*this) ? 0 : FixedCols();
    const int b = HasSaveRows(*this) ? 0 : FixedRows();
    {
        TBulkUpdate lock(*this);
        if (data.HasSize) {
            SetColCount(a + data.ColCount);
            SetRowCount(std::max(b + data.RowCount, FixedRows() + 1));
        }
        for (const auto& [idx, width] : data.Widths)
            if (idx >= 0 && idx < ColCount()) SetColWidths(idx, width);
        ResetFileProgress();
        for (const auto& c : data.Cells) {
            if (c.Col >= 0 && c.Col < ColCount() && c.Row >= 0 && c.Row < RowCount())
                SetLoadCellText(c.Col, c.Row, c.Text);
            if (OnFileProgress) ReportFileProgress(c.Row, RowCount() - 1);
        }
    }
    FinishImport();
}

void TExtStringGrid::SaveToStream(std::ostream& Stream) {
    TGridTextData data;
    data.ColCount = SaveColCount();
    data.RowCount = SaveRowCount();
    for (int i = 0; i < ColCount(); ++i) data.Widths.emplace_back(i, ColWidths(i));
    const int c0 = SaveStartCol(), r0 = SaveStartRow();
    ExportNotification(esExportStart, r0);
    for (int r = r0; r <= SaveEndRow(); ++r) {
        ExportNotification(esExportNextRow, r);
        for (int c = c0; c <= SaveEndCol(); ++c) {
            std::string text;
            GetSaveCellText(c, r, text);
            if (!text.empty()) data.Cells.push_back({c - c0, r - r0, std::move(text)});
        }
    }
    ExportNotification(esExportDone, -1);
    const std::string bytes = WriteGridTextStream(data);
    Stream.write(bytes.data(), std::streamsize(bytes.size()));
}

void TExtStringGrid::LoadFromStream(std::istream& Stream) {
    const std::streampos start = Stream.tellg();
    const std::string bytes{std::istreambuf_iterator<char>(Stream), std::istreambuf_iterator<char>()};
    Stream.clear();
    size_t pos = 0;
    TGridTextData data;
    std::string error;
    if (!ReadGridTextStream(bytes, pos, Multilinecells(), data, error)) {
        Stream.seekg(start);
        throw EExtGridError(error);
    }
    const int c0 = SaveStartCol(), r0 = SaveStartRow();
    const int cols = data.HasSize ? data.ColCount + c0 : ColCount();
    const int rows = data.HasSize ? data.RowCount + r0 : RowCount();
    // Every position is checked before the grid changes.
    for (const auto& [idx, width] : data.Widths)
        if (idx < 0 || idx >= cols) {
            Stream.seekg(start);
            throw EExtGridError("Grid index out of range");
        }
    for (const auto& c : data.Cells)
        if (c.Col < 0 || c.Col + c0 >= cols || c.Row < 0 || c.Row + r0 >= rows) {
            Stream.seekg(start);
            throw EExtGridError("Grid index out of range");
        }
    Stream.seekg(start + std::streamoff(pos));
    {
        TBulkUpdate lock(*this);
        if (data.HasSize) {
            SetColCount(std::max(cols, 1));
            SetRowCount(std::max(rows, FixedRows() + 1));
        }
        for (const auto& [idx, width] : data.Widths) SetColWidths(idx, width);
        for (const auto& c : data.Cells) SetLoadCellText(c.Col + c0, c.Row + r0, c.Text);
    }
    FinishImport();
}

}  // namespace grid
