// The grid's binary files and cell streams: cells with their properties
// and graphics copied into the plain cell-stream data and back.

#include <istream>
#include <iterator>
#include <ostream>
#include <sstream>

#include "grid/ExtGrid.h"
#include "grid/FilePicture.h"
#include "grid/GridBinaryIO.h"
#include "grid/GridExchangeState.h"

namespace grid {

namespace {

TBinCellProps PropsToData(const TCellProperties& p) {
    TBinCellProps d;
    d.IsBaseCell = p.IsBaseCell();
    d.CellSpanX = p.CellSpanX();
    d.CellSpanY = p.CellSpanY();
    d.Alignment = p.Alignment();
    d.BorderColor = p.BorderColor();
    d.BorderWidth = p.BorderWidth();
    d.BrushColor = p.BrushColor();
    d.BrushColorTo = p.BrushColorTo();
    d.BrushStyle = p.BrushStyle();
    d.FontColor = p.FontColor();
    d.FontName = p.FontName();
    d.FontSize = p.FontSize();
    for (int i = 0; i < 4; ++i)
        if (p.FontStyle().Contains(plat::TFontStyle(i))) d.FontStyle |= 1u << i;
    d.Editor = p.Editor();
    d.GradientDirection = p.GradientDirection();
    d.ReadOnly = p.ReadOnly();
    d.VAlignment = p.VAlignment();
    d.WordWrap = p.WordWrap();
    d.NodeLevel = p.NodeLevel();
    if (p.Control()) d.Control = p.Control()->Name();
    return d;
}

void DataToProps(const TBinCellProps& d, TCellProperties& p) {
    p.SetIsBaseCell(d.IsBaseCell);
    p.SetCellSpanX(d.CellSpanX);
    p.SetCellSpanY(d.CellSpanY);
    p.SetAlignment(plat::TAlignment(d.Alignment));
    p.SetBorderColor(d.BorderColor);
    p.SetBorderWidth(d.BorderWidth);
    p.SetBrushColor(d.BrushColor);
    p.SetBrushColorTo(d.BrushColorTo);
    p.SetBrushStyle(plat::TBrushStyle(d.BrushStyle));
    p.SetFontColor(d.FontColor);
    p.SetFontName(d.FontName);
    p.SetFontSize(d.FontSize);
    plat::TFontStyles styles;
    for (int i = 0; i < 4; ++i)
        if (d.FontStyle & (1u << i)) styles.Include(plat::TFontStyle(i));
    p.SetFontStyle(styles);
    p.SetEditor(TEditorType(d.Editor));
    p.SetGradientDirection(TCellGradientDirection(d.GradientDirection));
    p.SetReadOnly(d.ReadOnly);
    p.SetVAlignment(TVAlignment(d.VAlignment));
    p.SetWordWrap(d.WordWrap);
    p.SetNodeLevel(d.NodeLevel);
}

bool InRange(int v, int lo, int hi) { return v >= lo && v <= hi; }

}  // namespace

void TExtStringGrid::SaveRectToBinStream(const TGridRect& R, std::ostream& Stream) {
    TBinGridData data;
    data.ColCount = R.Right - R.Left + 1;
    data.RowCount = R.Bottom - R.Top + 1;
    data.FullGrid = FSaveFixedCells ? (data.RowCount == RowCount() && data.ColCount == ColCount())
                                    : (data.RowCount == RowCount() - FixedRows() &&
                                       data.ColCount == ColCount() - FixedCols());
    for (int c = R.Left; c <= R.Right; ++c) data.ColWidths.push_back(ColWidths(c));
    for (int r = R.Top; r <= R.Bottom; ++r) data.RowHeights.push_back(RowHeights(r));
    ResetFileProgress();
    ExportNotification(esExportStart, R.Top);
    for (int r = R.Top; r <= R.Bottom; ++r) {
        ExportNotification(esExportNextRow, r);
        for (int c = R.Left; c <= R.Right; ++c) {
            TBinCell cell;
            cell.Col = c;
            cell.Row = r;
            cell.Text = GetGridCell(c, r);
            const TCellProperties* props = PropsOf(c, r);
            cell.HasProp = props != nullptr;
            if (props) {
                cell.Props = PropsToData(*props);
                const auto* g = dynamic_cast<const TCellGraphic*>(TBaseGrid::GraphicObjectOf(props));
                if (g) {
                    const TCellType t = g->CellType();
                    cell.HasGraphic = t != ctEmpty && (BinDataKind(t) == TBinDataKind::None || g->CellCreated());
                    // Every value but the tri-state travels, as a copy of the graphic would.
                    TBinGraphic& d = cell.Graphic;
                    d.CellType = t;
                    d.CellVAlign = g->CellVAlign();
                    d.CellHAlign = g->CellHAlign();
                    d.CellIndex = g->CellIndex();
                    d.CellTransparent = g->CellTransparent();
                    d.CellCreated = g->CellCreated();
                    d.CellBoolean = g->CellBoolean();
                    d.CellAngle = g->CellAngle();
                    d.CellValue = g->CellValue();
                    d.CellErrFrom = g->CellErrFrom();
                    d.CellErrLen = g->CellErrLen();
                    d.CellText = g->CellText();
                    if (t == ctRadio) {
                        if (const auto* list = dynamic_cast<const TCellStrings*>(g->CellBitmap()))
                            d.Strings = list->Items();
                    } else if (t == ctImages) {
                        if (const auto* list = dynamic_cast<const TIntList*>(g->CellBitmap()))
                            for (int i = 0; i < list->Count(); ++i) d.Strings.push_back(std::to_string(list->Items(i)));
                    } else if (t == ctFilePicture) {
                        if (const auto* fp = dynamic_cast<const TFilePicture*>(g->CellBitmap())) d.FileName = fp->Filename();
                    }
                }
            }
            data.Cells.push_back(std::move(cell));
        }
        ReportFileProgress(r, std::max(1, R.Bottom - R.Top));
    }
    ExportNotification(esExportDone, -1);
    std::string bytes, error;
    if (!WriteCellStream(data, bytes, error)) throw EExtGridError(error);
    Stream.write(bytes.data(), std::streamsize(bytes.size()));
}

void TExtStringGrid::SaveToBinStream(std::ostream& Stream) {
    SaveRectToBinStream(TGridRect{SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}, Stream);
}

void TExtStringGrid::SaveToBinFile(const std::string& FileName) {
    std::ostringstream out;
    SaveToBinStream(out);
    std::string error;
    if (!WriteGridFile(FileName, out.str(), error)) throw EExtGridError(error);
}

void TExtStringGrid::LoadAtPointFromBinStream(plat::TPoint Point, std::istream& Stream) {
    const std::string bytes{std::istreambuf_iterator<char>(Stream), std::istreambuf_iterator<char>()};
    TBinGridData data;
    std::string error;
    // The whole stream is read and checked before the grid changes: a
    // truncated or malformed stream must not leave half a grid behind.
    if (!ReadCellStream(bytes, data, error)) throw EExtGridError(error);
    if (data.FullGrid) {
        if (!InRange(data.ColCount, 1, 65536) || !InRange(data.RowCount, 1, 65536))
            throw EExtGridError("Invalid stream format");
        if (int(data.ColWidths.size()) < data.ColCount || int(data.RowHeights.size()) < data.RowCount)
            throw EExtGridError("List index out of bounds (" +
                                std::to_string(std::min(data.ColWidths.size(), data.RowHeights.size())) + ")");
    }
    const int cols = data.FullGrid ? data.ColCount : ColCount();
    const int rows = data.FullGrid ? data.RowCount : RowCount();
    int oc = 0, orow = 0;
    if (!data.FullGrid && !data.Cells.empty()) {
        oc = data.Cells.front().Col;
        orow = data.Cells.front().Row;
    }
    for (const auto& c : data.Cells) {
        const int tc = c.Col - oc + Point.X, tr = c.Row - orow + Point.Y;
        if (tc < 0 || tc >= cols || tr < 0 || tr >= rows) throw EExtGridError("Invalid cell");
    }
    {
        TBulkUpdate lock(*this);
        if (data.FullGrid) {
            FreeAllCellProps();
            for (int r = 0; r < RowCount(); ++r)
                for (int c = 0; c < ColCount(); ++c) SetGridCell(c, r, "");
            SetRowCount(data.RowCount);
            SetColCount(data.ColCount);
            for (int i = 0; i < data.ColCount; ++i) SetColWidths(i, data.ColWidths[size_t(i)]);
            for (int i = 0; i < data.RowCount; ++i) SetRowHeights(i, data.RowHeights[size_t(i)]);
        }
        ResetFileProgress();
        int lastRow = -1;
        for (const auto& c : data.Cells) {
            const int tc = c.Col - oc + Point.X, tr = c.Row - orow + Point.Y;
            SetGridCell(tc, tr, c.Text);
            if (tr != lastRow) {
                lastRow = tr;
                ReportFileProgress(tr, RowCount());
            }
            if (!c.HasProp) continue;
            DataToProps(c.Props, *GetCellProperties(tc, tr));
            if (!c.HasGraphic) continue;
            TCellGraphic* g = CreateCellGraphic(tc, tr);
            const TBinGraphic& d = c.Graphic;
            g->SetCellType(TCellType(d.CellType));
            g->SetCellVAlign(TCellVAlign(d.CellVAlign));
            g->SetCellHAlign(TCellHAlign(d.CellHAlign));
            g->SetCellIndex(d.CellIndex);
            g->SetCellTransparent(d.CellTransparent);
            g->SetCellCreated(d.CellCreated);
            g->SetCellBoolean(d.CellBoolean);
            g->SetCellAngle(d.CellAngle);
            g->SetCellValue(d.CellValue);
            g->SetCellErrFrom(d.CellErrFrom);
            g->SetCellErrLen(d.CellErrLen);
            g->SetCellText(d.CellText);
            // The objects made here belong to the graphic, which frees them.
            if (d.CellType == ctRadio) {
                auto* list = new TCellStrings;
                list->Assign(d.Strings);
                g->SetCellBitmap(list);
                g->SetCellCreated(true);
            } else if (d.CellType == ctImages) {
                g->SetMultiImage(tc, tr, d.CellBoolean ? 0 : 1, TCellHAlign(d.CellHAlign), TCellVAlign(d.CellVAlign), nullptr);
                g->SetCellType(ctImages);
                if (auto* list = dynamic_cast<TIntList*>(g->CellBitmap()))
                    for (const auto& s : d.Strings) list->Add(std::atoi(s.c_str()));
            } else if (d.CellType == ctFilePicture) {
                auto* fp = new TFilePicture;
                fp->SetFilename(d.FileName);
                g->SetCellBitmap(fp);
                g->SetCellCreated(true);
            } else if (BinDataKind(d.CellType) != TBinDataKind::None) {
                // Image bytes are not turned back into pictures here; the
                // cell keeps its kind without an image to show.
                g->SetCellCreated(false);
            }
        }
    }
}

void TExtStringGrid::LoadFromBinStream(std::istream& Stream) {
    LoadAtPointFromBinStream(plat::TPoint{0, 0}, Stream);
    int last = -1;
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (GetCellType(0, r) == ctNode) last = r;
    Ex().NodeCount = last < 0 ? 0 : last - FixedRows() + 1;
    if (Ex().NodeCount > 0) RepaintCol(0);
    FinishImport();
}

void TExtStringGrid::LoadFromBinFile(const std::string& FileName) {
    std::string bytes, error;
    if (!ReadGridFile(FileName, bytes, error)) throw std::runtime_error(error);
    std::istringstream in(bytes);
    LoadFromBinStream(in);
}

}  // namespace grid
