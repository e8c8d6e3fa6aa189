// The grid's XML export and import.

#include "base/Files.h"
#include "grid/ExtGrid.h"
#include "grid/GridExchangeState.h"
#include "grid/GridXml.h"

namespace grid {

void TExtStringGrid::SaveToXML(const std::string& FileName, const std::string& ListDescr,
                               const std::string& RecordDescr, const plat::TStrings* FieldDescr,
                               bool ExportEmptyCells) {
    const int h = FSaveHiddenCells ? NumHiddenColumns() : 0;
    const int c0 = SaveStartCol(), c1 = SaveEndCol() + h;
    const int r0 = SaveStartRow(), r1 = SaveEndRow();
    std::vector<TXmlRecord> records;
    ResetFileProgress();
    ExportNotification(esExportStart, r0);
    for (int r = r0; r <= r1; ++r) {
        ExportNotification(esExportNextRow, r);
        TXmlRecord rec;
        for (int c = c0; c <= c1; ++c) {
            if (!IsBaseCell(RealColIndex(c), r)) continue;
            std::string text;
            GetSaveCellText(c, r, text);
            if (text.empty() && !ExportEmptyCells) continue;
            if (text.empty() && FQuoteEmptyCells) text = "\"\"";
            const int i = c - c0;
            std::string name = FieldDescr && i < FieldDescr->Count() ? (*FieldDescr)[i] : "FIELD" + std::to_string(i);
            rec.push_back({std::move(name), std::move(text)});
        }
        records.push_back(std::move(rec));
        ReportFileProgress(r - r0, std::max(1, r1 - r0));
    }
    std::string doc, error;
    if (!WriteXmlDocument(records, FXMLEncoding, ListDescr, RecordDescr, doc, error)) {
        ExportNotification(esExportFail, -1);
        throw EExtGridError(error);
    }
    ExportNotification(esExportDone, -1);
    if (!WriteGridFile(FileName, doc, error)) throw EExtGridError("Cannot Create file " + FileName);
}

void TExtStringGrid::LoadFromXML(const std::string& FileName, bool LevelToRow, bool LoadFieldDescr) {
    if (!base::FileExists(FileName)) throw std::runtime_error("XML file not found");
    std::string bytes, error;
    if (!ReadGridFile(FileName, bytes, error)) throw std::runtime_error(error);
    TXmlReadOptions opt;
    opt.LevelToRow = LevelToRow;
    opt.LoadFieldDescr = LoadFieldDescr;
    opt.HeaderNames = FSaveFixedCells || FSaveFixedRows;
    opt.QuoteEmptyCells = FQuoteEmptyCells;
    opt.ColBase = SaveStartCol();
    opt.RowBase = (!opt.HeaderNames || LoadFieldDescr) ? FixedRows() : 0;
    TXmlReadResult res;
    if (!ReadXmlCells(bytes, opt, res, error)) throw std::runtime_error(error);
    {
        TBulkUpdate lock(*this);
        int mc = res.MaxCol, mr = res.MaxRow;
        for (const auto& p : res.Cells) {
            mc = std::max(mc, p.Col);
            mr = std::max(mr, p.Row);
        }
        if (mc + 1 > ColCount()) SetColCount(mc + 1);
        if (mr + 1 > RowCount()) SetRowCount(mr + 1);
        for (const auto& p : res.Cells) {
            if (p.Header) {
                if (GetGridCell(p.Col, 0).empty()) SetGridCell(p.Col, 0, p.Text);
            } else {
                SetLoadCellText(p.Col, p.Row, p.Text);
            }
        }
        SetColCount(std::max(res.MaxCol + 1, FixedCols() + 1));
        SetRowCount(std::max(res.MaxRow + 1, FixedRows() + 1));
    }
    FinishImport();
}

}  // namespace grid
