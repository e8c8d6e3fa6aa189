// The grid's binary files and cell streams: cells with their properties
// and graphics copied into the plain cell-stream data and back.

#include <istream>
#include <iterator>
#include <memory>
#include <ostream>
#include <sstream>

#include "grid/ExtGrid.h"
#include "grid/ExtGridClipboardState.h"
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

// Only the properties the record held: the others keep the cell's values.
void DataToProps(const TBinCellProps& d, std::uint32_t given, TCellProperties& p) {
    const auto has = [given](TBinProp b) { return (given & (1u << b)) != 0; };
    if (has(bpIsBaseCell)) p.SetIsBaseCell(d.IsBaseCell);
    if (has(bpCellSpanX)) p.SetCellSpanX(d.CellSpanX);
    if (has(bpCellSpanY)) p.SetCellSpanY(d.CellSpanY);
    if (has(bpAlignment)) p.SetAlignment(plat::TAlignment(d.Alignment));
    if (has(bpBorderColor)) p.SetBorderColor(d.BorderColor);
    if (has(bpBorderWidth)) p.SetBorderWidth(d.BorderWidth);
    if (has(bpBrushColor)) p.SetBrushColor(d.BrushColor);
    if (has(bpBrushColorTo)) p.SetBrushColorTo(d.BrushColorTo);
    if (has(bpBrushStyle)) p.SetBrushStyle(plat::TBrushStyle(d.BrushStyle));
    if (has(bpFontColor)) p.SetFontColor(d.FontColor);
    if (has(bpFontName)) p.SetFontName(d.FontName);
    if (has(bpFontSize)) p.SetFontSize(d.FontSize);
    if (has(bpFontStyle)) {
        plat::TFontStyles styles;
        for (int i = 0; i < 4; ++i)
            if (d.FontStyle & (1u << i)) styles.Include(plat::TFontStyle(i));
        p.SetFontStyle(styles);
    }
    if (has(bpEditor)) p.SetEditor(TEditorType(d.Editor));
    if (has(bpGradientDirection)) p.SetGradientDirection(TCellGradientDirection(d.GradientDirection));
    if (has(bpReadOnly)) p.SetReadOnly(d.ReadOnly);
    if (has(bpVAlignment)) p.SetVAlignment(TVAlignment(d.VAlignment));
    if (has(bpWordWrap)) p.SetWordWrap(d.WordWrap);
    if (has(bpNodeLevel)) p.SetNodeLevel(d.NodeLevel);
}

// ------------------------------------------------------------ images

std::string FileBytes(const plat::TGraphic& g) {
    std::ostringstream out;
    if (!g.SaveToStream(out)) throw EExtGridError("A cell picture cannot be written: " + g.ErrorString());
    return out.str();
}

template <typename T>
std::string FileBytesAs(const plat::TGraphic& g) {
    if (dynamic_cast<const T*>(&g)) return FileBytes(g);
    T copy;
    copy.Assign(g);
    return FileBytes(copy);
}

// The Data of the image record of a cell; empty when the cell shows none.
std::string ImageData(const TCellGraphic& g) {
    switch (BinDataKind(g.CellType())) {
        case TBinDataKind::Bitmap:
            if (const plat::TGraphic* img = g.CellImage(); img && !img->Empty())
                return LengthPrefixed(FileBytesAs<plat::TBitmap>(*img));
            break;
        case TBinDataKind::Icon:
            if (const plat::TGraphic* img = g.CellImage(); img && !img->Empty())
                return FileBytesAs<plat::TIcon>(*img);
            break;
        case TBinDataKind::Picture: {
            const plat::TPicture* pic = g.CellPicture();
            const plat::TGraphic* img = pic ? pic->Graphic() : nullptr;
            if (!img || img->Empty()) break;
            const std::string_view cls = img->ClassName();
            if (cls == "TIcon") return PictureData(cls, FileBytes(*img));
            // A GIF is only ever read here; its first frame travels as a
            // bitmap, so that the picture comes back rather than nothing.
            if (cls == "TBitmap" || cls == "TGIFImage")
                return PictureData("TBitmap", LengthPrefixed(FileBytesAs<plat::TBitmap>(*img)));
            return PictureData(cls, LengthPrefixed(FileBytes(*img)));
        }
        default:
            break;
    }
    return {};
}

std::unique_ptr<plat::TGraphic> GraphicOfClass(std::string_view cls) {
    if (cls == "TBitmap") return std::make_unique<plat::TBitmap>();
    if (cls == "TIcon") return std::make_unique<plat::TIcon>();
    if (cls == "TPngImage") return std::make_unique<plat::TPngImage>();
    if (cls == "TJPEGImage") return std::make_unique<plat::TJPEGImage>();
    if (cls == "TGIFImage") return std::make_unique<plat::TGIFImage>();
    return nullptr;
}

bool LoadGraphic(plat::TGraphic& g, std::string_view bytes, std::string& why) {
    if (g.LoadFromBytes(bytes)) return true;
    why = g.ErrorString();
    return false;
}

// The objects an image cell is given on reading, made before the grid
// changes so that a picture that cannot be read refuses the whole stream.
struct TReadImage {
    std::unique_ptr<plat::TGraphic> Image;     // ctBitmap, ctBitButton, ctIcon
    std::unique_ptr<plat::TPicture> Picture;   // ctPicture
};

bool ReadImage(const TBinGraphic& d, TReadImage& out, std::string& why) {
    const TBinDataKind kind = BinDataKind(d.CellType);
    std::string_view file;
    switch (kind) {
        case TBinDataKind::Bitmap:
            out.Image = std::make_unique<plat::TBitmap>();
            if (d.Data.empty()) return true;
            if (!UnprefixLength(d.Data, file)) {
                why = "the bitmap's length runs past its data";
                return false;
            }
            return LoadGraphic(*out.Image, file, why);
        case TBinDataKind::Icon:
            out.Image = std::make_unique<plat::TIcon>();
            return d.Data.empty() || LoadGraphic(*out.Image, d.Data, why);
        case TBinDataKind::Picture: {
            out.Picture = std::make_unique<plat::TPicture>();
            if (d.Data.empty()) return true;
            std::string cls;
            if (!SplitPictureData(d.Data, cls, file)) {
                why = "the picture's class name runs past its data";
                return false;
            }
            std::unique_ptr<plat::TGraphic> g = GraphicOfClass(cls);
            if (!g) {
                why = "pictures of class " + cls + " are not supported";
                return false;
            }
            if (cls != "TIcon" && !UnprefixLength(file, file)) {
                why = "the picture's length runs past its data";
                return false;
            }
            if (!LoadGraphic(*g, file, why)) return false;
            out.Picture->SetGraphic(g.get());
            return true;
        }
        default:
            return true;
    }
}

bool InRange(int v, int lo, int hi) { return v >= lo && v <= hi; }

}  // namespace

void TExtStringGrid::SaveRectToBinStream(const TGridRect& R, std::ostream& Stream) {
    TBinGridData data;
    data.ColCount = R.Right - R.Left + 1;
    data.RowCount = R.Bottom - R.Top + 1;
    // The stream names the grid it came from, so that a paste or drop can
    // tell a block of its own grid from one of another.
    data.ID = Clip().StreamID;
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
            cell.Text = GetCellEx(c, r);
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
                    } else if (cell.HasGraphic) {
                        d.Data = ImageData(*g);
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
    plat::TPoint origin{0, 0};
    if (!data.FullGrid && !data.Cells.empty()) origin = {data.Cells.front().Col, data.Cells.front().Row};
    PlaceCellData(data, origin, Point);
}

void TExtStringGrid::PlaceCellData(const TBinGridData& data, plat::TPoint Origin, plat::TPoint Point) {
    if (data.FullGrid) {
        if (!InRange(data.ColCount, 1, 65536) || !InRange(data.RowCount, 1, 65536))
            throw EExtGridError("Invalid stream format");
        if (int(data.ColWidths.size()) < data.ColCount || int(data.RowHeights.size()) < data.RowCount)
            throw EExtGridError("List index out of bounds (" +
                                std::to_string(std::min(data.ColWidths.size(), data.RowHeights.size())) + ")");
    }
    const int cols = data.FullGrid ? data.ColCount : ColCount();
    const int rows = data.FullGrid ? data.RowCount : RowCount();
    const auto target = [&](const TBinCell& c) {
        return plat::TPoint{c.Col - Origin.X + Point.X, c.Row - Origin.Y + Point.Y};
    };
    std::vector<TReadImage> images(data.Cells.size());
    for (size_t i = 0; i < data.Cells.size(); ++i) {
        const TBinCell& c = data.Cells[i];
        const plat::TPoint t = target(c);
        if (t.X < 0 || t.X >= cols || t.Y < 0 || t.Y >= rows) throw EExtGridError("Invalid cell");
        std::string why;
        if (c.HasProp && c.HasGraphic && !ReadImage(c.Graphic, images[i], why))
            throw EExtGridError("The picture of cell (" + std::to_string(t.X) + ", " + std::to_string(t.Y) +
                                ") cannot be read: " + why);
    }
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
    for (size_t i = 0; i < data.Cells.size(); ++i) {
        const TBinCell& c = data.Cells[i];
        const auto [tc, tr] = target(c);
        SetCellEx(tc, tr, c.Text);
        if (tr != lastRow) {
            lastRow = tr;
            ReportFileProgress(tr, RowCount());
        }
        if (!c.HasProp) continue;
        DataToProps(c.Props, c.PropsGiven, *GetCellProperties(tc, tr));
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
        } else if (images[i].Image) {
            g->SetCellImage(images[i].Image.release());
            g->SetCellCreated(true);
        } else if (images[i].Picture) {
            g->SetCellPicture(images[i].Picture.release());
            g->SetCellCreated(true);
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
