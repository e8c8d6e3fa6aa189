// The grid's HTML export: cells worked out as plain table cells with their
// look, then written by the HTML unit.

#include "base/Files.h"
#include "base/StrUtils.h"
#include "controls/ExtUtil.h"
#include "controls/HtmlText.h"
#include "grid/ExtGrid.h"
#include "grid/GridExchangeState.h"
#include "grid/GridHtmlExport.h"
#include "platform/Bitmap.h"
#include "platform/ShellOpen.h"

namespace grid {

namespace {

THtmlLook LookOf(TExtStringGrid& g, int ACol, int ARow, bool Fixed) {
    THtmlLook look;
    const plat::TFont& font = g.GetCellFont(ACol, ARow);
    look.FontName = font.Name();
    look.FontSize = font.Size();
    look.Bold = font.Style().Contains(plat::fsBold);
    look.Italic = font.Style().Contains(plat::fsItalic);
    look.FontColor = g.FontColors(ACol, ARow);
    // System colours are indexes, not colours: a browser needs the RGB.
    look.FontColor = look.FontColor == plat::clNone ? 0x7FFFFFFF : plat::ColorToRGB(look.FontColor);
    look.Background = Fixed ? g.FixedColor() : g.Colors(ACol, ARow);
    look.Background = look.Background == plat::clNone ? 0x7FFFFFFF : plat::ColorToRGB(look.Background);
    plat::TAlignment ha = g.Alignments(ACol, ARow);
    TVAlignment va = g.PropsOf(ACol, ARow) ? g.PropsOf(ACol, ARow)->VAlignment() : g.VAlignment();
    g.DoGetAlignment(ACol, ARow, ha, va);
    look.HAlign = ha == plat::taRightJustify ? 1 : ha == plat::taCenter ? 2 : 0;
    look.VAlign = va == vtaCenter ? 1 : va == vtaBottom ? 2 : 0;
    return look;
}

// Writes the cell pictures of one export as dir "images/img1.jpg",
// "img2.jpg", ... and gives each its tag. The folder is made on the first
// picture, so an export without pictures leaves no empty folder behind.
class TPictureFiles {
public:
    explicit TPictureFiles(std::string Dir) : FDir(std::move(Dir)) {}

    // The tag of the graphic written as the next file; empty when the
    // graphic holds no picture or cannot be written.
    std::string Tag(const plat::TGraphic& Graphic) {
        if (Graphic.Empty()) return {};
        const std::string file = NextFile();
        bool written = false;
        if (std::string_view(Graphic.ClassName()) == "TJPEGImage") {
            written = Graphic.SaveToFile(file);
        } else {
            // Any other graphic is laid on a bitmap of its size and that is
            // encoded: JPEG has no transparency, so clear parts come out white.
            plat::TBitmap canvas;
            canvas.SetPixelFormat(plat::pf24bit);
            canvas.SetWidth(Graphic.Width());
            canvas.SetHeight(Graphic.Height());
            canvas.Canvas().Brush().SetColor(plat::clWhite);
            canvas.Canvas().FillRect(plat::TRect(0, 0, Graphic.Width(), Graphic.Height()));
            canvas.Canvas().Draw(0, 0, Graphic);
            plat::TJPEGImage jpeg;
            jpeg.Assign(canvas);
            written = jpeg.SaveToFile(file);
        }
        if (!written) return {};
        return "<img src= \"file://" + file + "\">";
    }

    std::string ListTag(const TCellImageList& Images, int Index) {
        plat::TBitmap bitmap;
        Images.GetBitmap(Index, bitmap);
        return Tag(bitmap);
    }

private:
    std::string NextFile() {
        const std::string folder = FDir + "images";
        if (!FFolderMade) {
            if (!base::DirectoryExists(folder) && !base::ForceDirectories(folder))
                throw std::runtime_error("Cannot create " + folder);
            FFolderMade = true;
        }
        return folder + "/img" + std::to_string(FCounter++) + ".jpg";
    }

    std::string FDir;
    int FCounter = 1;
    bool FFolderMade = false;
};

}  // namespace

std::string TExtStringGrid::SaveToHTMLString(const std::string& Dir) {
    THTMLSettings& S = HTMLSettings();
    TPictureFiles pictures(Dir);
    // The text and picture tags of a data cell by its graphic.
    const auto withPictures = [&](int rc, int r, const std::string& text) -> std::string {
        if (!S.ExportImages) return text;
        TCellGraphic* g = GetCellGraphic(rc, r);
        if (g == nullptr) return text;
        const TCellImageList* images = GridImages();
        switch (g->CellType()) {
            case ctBitmap:
                return g->CellImage() ? text + pictures.Tag(*g->CellImage()) : text;
            case ctImageList:
                if (images && g->CellIndex() >= 0 && g->CellIndex() < images->Count())
                    return pictures.ListTag(*images, g->CellIndex()) + text;
                return text;
            case ctDataImage: {
                int index = 0;
                if (images && base::TryStrToInt(Cells(rc, r), index) && index >= 0 &&
                    index < images->Count())
                    return pictures.ListTag(*images, index);
                return {};
            }
            case ctImages: {
                const auto* list = dynamic_cast<const TIntList*>(g->CellBitmap());
                if (!images || list == nullptr) return text;
                std::string tags;
                for (int i = 0; i < list->Count(); ++i) {
                    const int index = list->Items(i);
                    if (index >= 0 && index < images->Count()) tags += pictures.ListTag(*images, index);
                }
                return tags + text;
            }
            case ctPicture:
                if (g->CellPicture() && g->CellPicture()->Graphic())
                    return text + pictures.Tag(*g->CellPicture()->Graphic());
                return text;
            default:
                return text;
        }
    };
    const int s = (FSaveFixedCells || FSaveFixedCols) ? 0 : FixedCols();
    const int t = (FSaveFixedCells || FSaveFixedRows) ? 0 : FixedRows();
    std::vector<THtmlRow> rows;
    const auto links = [&](std::string text) {
        text = ctl::CrToHtmlBreaks(text);
        return URLShow() ? HtmlLinkText(text, URLFull()) : text;
    };
    const auto spanOf = [&](THtmlCell& cell, int c, int r) {
        const plat::TPoint span = CellSpan(c, r);
        cell.SpanX = std::max(0, span.X);
        cell.SpanY = std::max(0, span.Y);
        cell.NoWrap = !WordWraps(c, r);
    };
    int first = t;
    const bool header = FixedRows() > 0 && (FSaveFixedCells || FSaveFixedRows);
    if (header) {
        THtmlRow row;
        for (int c = s; c < ColCount(); ++c) {
            const int rc = RealColIndex(c);
            if (!IsBaseCell(rc, 0)) continue;
            THtmlCell cell;
            std::string text;
            GetSaveCellText(rc, 0, text);
            cell.Content = links(text);
            if (cell.Content.empty()) cell.Content = "&nbsp;";
            if (c < S.ColWidths.Count()) cell.Width = " WIDTH=" + std::to_string(S.ColWidths.Items(c));
            cell.Style = HtmlStyleString(LookOf(*this, rc, 0, true), S.SaveColor);
            spanOf(cell, rc, 0);
            row.push_back(std::move(cell));
        }
        rows.push_back(std::move(row));
        first = 1;
    }
    ExportNotification(esExportStart, first);
    for (int r = first; r < RowCount(); ++r) {
        ExportNotification(esExportNextRow, r);
        THtmlRow row;
        for (int c = s; c < ColCount(); ++c) {
            const int rc = RealColIndex(c);
            if (!IsBaseCell(rc, r)) continue;
            THtmlCell cell;
            std::string text;
            GetSaveCellText(rc, r, text);
            if (S.ConvertSpecialChars) text = ctl::HtmlEscape(text, true);
            if (S.NonBreakingText) text = ctl::SpacesToNbsp(text);
            text = links(text);
            if (base::Trim(text).empty()) text = "&nbsp;";
            if (GetCellType(rc, r) == ctNode) text = "+" + text;
            cell.Content = withPictures(rc, r, text);
            if (!header && c - s < S.ColWidths.Count())
                cell.Width = " width=" + std::to_string(S.ColWidths.Items(c - s));
            cell.Style = HtmlStyleString(LookOf(*this, rc, r, IsFixed(c, r)), S.SaveColor);
            spanOf(cell, rc, r);
            row.push_back(std::move(cell));
        }
        rows.push_back(std::move(row));
    }
    ExportNotification(esExportDone, -1);
    return WriteHtmlDocument(rows, S);
}

void TExtStringGrid::SaveToHTML(const std::string& FileName, bool Show, bool Unicode) {
    std::string existing;
    WriteHtml(FileName, Show, Unicode, existing);
}

void TExtStringGrid::AppendToHTML(const std::string& FileName, bool Show, bool Unicode) {
    std::string bytes, error, existing;
    if (ReadGridFile(FileName, bytes, error)) {
        existing = DecodeGridText(bytes);
        if (!existing.empty() && existing.back() != '\n') existing += "\r\n";
    }
    WriteHtml(FileName, Show, Unicode, existing);
}

void TExtStringGrid::WriteHtml(const std::string& FileName, bool Show, bool Unicode, std::string Text) {
    THTMLSettings& S = HTMLSettings();
    std::string error;
    const auto part = [&](const std::string& file) {
        std::string bytes;
        if (!ReadGridFile(file, bytes, error)) throw std::runtime_error(error);
        std::string t = DecodeGridText(bytes);
        if (!t.empty() && t.back() != '\n') t += "\r\n";
        return t;
    };
    if (!S.HeaderFile.empty()) Text += part(S.HeaderFile);
    std::string dir = base::ExtractFilePath(FileName);
    for (char& c : dir)
        if (c == '\\') c = '/';
    Text += SaveToHTMLString(dir) + "\r\n";
    if (!S.FooterFile.empty()) Text += part(S.FooterFile);
    if (!WriteGridFile(FileName, EncodeGridText(Text, Unicode ? TGridFileText::Utf16LE : TGridFileText::Ascii), error))
        throw EExtGridError("Cannot Create file " + FileName);
    if (Show || S.AutoPreview) plat::ShellOpen(FileName);
}

}  // namespace grid
