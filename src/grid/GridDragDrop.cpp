#include "grid/GridDragDrop.h"

#include <cstdint>

#include "platform/Controls.h"

namespace grid {

namespace {

bool g_acceptRtf = false;

std::uint32_t ReadU32(const std::string& B, size_t At) {
    return std::uint32_t(static_cast<unsigned char>(B[At])) | std::uint32_t(static_cast<unsigned char>(B[At + 1])) << 8 |
           std::uint32_t(static_cast<unsigned char>(B[At + 2])) << 16 |
           std::uint32_t(static_cast<unsigned char>(B[At + 3])) << 24;
}

void PutU32(std::string& B, std::uint32_t V) {
    for (int i = 0; i < 4; ++i) B += char((V >> (8 * i)) & 0xFF);
}

}  // namespace

unsigned RtfDragFormat() {
    static const unsigned f = plat::RegisterWindowMessage("Rich Text Format");
    return f;
}
unsigned ColumnDragFormat() {
    static const unsigned f = plat::RegisterWindowMessage("Grid Column");
    return f;
}
unsigned GridCellsDragFormat() {
    static const unsigned f = plat::RegisterWindowMessage("TExtStringGrid Cells");
    return f;
}
unsigned UrlDragFormat() {
    static const unsigned f = plat::RegisterWindowMessage("UniformResourceLocator");
    return f;
}

void SetAcceptRtfDrops(bool Value) { g_acceptRtf = Value; }
bool AcceptRtfDrops() { return g_acceptRtf; }

unsigned ShiftStateToDropEffect(plat::TShiftState Keys, unsigned Allowed) {
    if (Keys & plat::ssCtrl) return plat::DROPEFFECT_COPY;
    if (Allowed & plat::DROPEFFECT_MOVE) return plat::DROPEFFECT_MOVE;
    return plat::DROPEFFECT_COPY;
}

// ------------------------------------------------------------------ reading

std::string TEnumFormats::Text() const {
    const std::string* b = FData.Block(plat::CF_UNICODETEXT);
    return b ? plat::UnicodeBlockToText(*b) : std::string();
}

std::string TEnumFormats::RTF() const {
    const std::string* b = FData.Block(RtfDragFormat());
    return b ? plat::AnsiBlockToText(*b) : std::string();
}

int TEnumFormats::Col() const {
    const std::string* b = FData.Block(ColumnDragFormat());
    if (b == nullptr || b->size() < 4) return -1;
    return int(std::int32_t(ReadU32(*b, 0)));
}

bool TEnumFormats::Stream(std::string& Bytes) const {
    const std::string* b = FData.Block(GridCellsDragFormat());
    if (b == nullptr || b->size() < 8) return false;
    const std::uint32_t n = ReadU32(*b, 0);
    // The length comes from outside: it must lie within the block.
    if (n > b->size() - 8) return false;
    Bytes.assign(*b, 8, n);
    return true;
}

TDropFormats TEnumFormats::Formats() const {
    TDropFormats f = 0;
    if (HasText()) f |= DropFormatBit(dfText);
    if (HasFile()) f |= DropFormatBit(dfFile);
    if (HasCol()) f |= DropFormatBit(dfCol);
    if (HasRTF()) f |= DropFormatBit(dfRTF);
    if (HasURL()) f |= DropFormatBit(dfURL);
    if (HasGridCells()) f |= DropFormatBit(dfGridCells);
    return f;
}

// ------------------------------------------------------------------ target

bool TESGDropTarget::Accepts(const TEnumFormats& F) const {
    return (F.HasText() && AcceptText) || (F.HasFile() && AcceptFiles) || (F.HasRTF() && g_acceptRtf && AcceptText) ||
           (F.HasCol() && AcceptCols) || (F.HasURL() && AcceptURLs) || F.HasGridCells();
}

unsigned TESGDropTarget::DragEnter(const plat::TDragData& Data, plat::TShiftState Keys, plat::TPoint,
                                   unsigned Allowed) {
    const TEnumFormats f(Data);
    FOk = Accepts(f);
    FDropFormats = f.Formats();
    const unsigned effect = FOk ? ShiftStateToDropEffect(Keys, Allowed) : plat::DROPEFFECT_NONE;
    DragMouseEnter();
    return effect;
}

unsigned TESGDropTarget::DragOver(plat::TShiftState Keys, plat::TPoint Pt, unsigned Allowed) {
    unsigned effect = FOk ? ShiftStateToDropEffect(Keys, Allowed) : plat::DROPEFFECT_NONE;
    bool allow = effect != plat::DROPEFFECT_NONE;
    DragMouseMove(Pt, allow, FDropFormats);
    if (!allow) effect = plat::DROPEFFECT_NONE;
    return effect;
}

void TESGDropTarget::DragLeave() { DragMouseLeave(); }

unsigned TESGDropTarget::Drop(const plat::TDragData& Data, plat::TShiftState Keys, plat::TPoint Pt,
                              unsigned Allowed) {
    const TEnumFormats f(Data);
    if (!FOk) return plat::DROPEFFECT_NONE;
    std::string stream;
    if (f.HasCol() && AcceptCols) {
        DropCol(Pt, f.Col());
    } else {
        if (f.HasGridCells() && f.Stream(stream)) DropStream(Pt, stream);
        else if (f.HasRTF() && g_acceptRtf && AcceptText) DropRTF(Pt, f.RTF());
        else if (f.HasText() && AcceptText && !f.Text().empty()) DropText(Pt, f.Text());
        if (f.HasFile() && AcceptFiles) DropFiles(Pt, f.Files());
        if (f.HasURL() && AcceptURLs) DropURL(Pt, f.Text());
    }
    return ShiftStateToDropEffect(Keys, Allowed);
}

// ------------------------------------------------------------------ source

int TESGDropSource::QueryContinueDrag(bool EscapePressed, plat::TShiftState Keys) {
    int result = plat::S_OK;
    if (EscapePressed) {
        DragFinished();
        result = plat::DRAGDROP_S_CANCEL;
    } else if (!(Keys & plat::ssLeft)) {
        DragFinished();
        result = plat::DRAGDROP_S_DROP;
    }
    QueryDrag();
    return result;
}

int TESGDropSource::GiveFeedback(unsigned Effect) {
    FNoAccept = Effect == plat::DROPEFFECT_NONE;
    CurrentEffect(Effect);
    return plat::DRAGDROP_S_USEDEFAULTCURSORS;
}

// ------------------------------------------------------------------ data

TSourceDataObject::TSourceDataObject(std::string Text, std::string Rtf, int ColIndex, const std::string* Stream)
    : FText(std::move(Text)), FRtf(std::move(Rtf)), FCol(ColIndex), FStream(Stream) {}

std::vector<unsigned> TSourceDataObject::Formats() const {
    std::vector<unsigned> f{plat::CF_TEXT, plat::CF_UNICODETEXT, RtfDragFormat()};
    if (FCol != -1) f.push_back(ColumnDragFormat());
    if (FStream) f.push_back(GridCellsDragFormat());
    return f;
}

bool TSourceDataObject::QueryGetData(unsigned Format) const {
    if (Format == plat::CF_TEXT || Format == plat::CF_UNICODETEXT) return !FText.empty();
    if (Format == RtfDragFormat()) return g_acceptRtf && !FText.empty();
    if (Format == GridCellsDragFormat()) return FStream != nullptr;
    if (Format == ColumnDragFormat()) return FCol != -1;
    return false;
}

bool TSourceDataObject::GetData(unsigned Format, std::string& Bytes) const {
    if (!QueryGetData(Format)) return false;
    Bytes.clear();
    if (Format == plat::CF_TEXT) Bytes = plat::TextToAnsiBlock(FText);
    else if (Format == plat::CF_UNICODETEXT) Bytes = plat::TextToUnicodeBlock(FText);
    else if (Format == RtfDragFormat()) Bytes = plat::TextToAnsiBlock(FRtf);
    else if (Format == ColumnDragFormat()) PutU32(Bytes, std::uint32_t(FCol));
    else {
        PutU32(Bytes, std::uint32_t(FStream->size()));
        PutU32(Bytes, 0);
        Bytes += *FStream;
    }
    return true;
}

plat::TDragData TSourceDataObject::DragData() const {
    plat::TDragData d;
    for (unsigned f : Formats()) {
        std::string bytes;
        if (GetData(f, bytes)) d.Add(f, std::move(bytes));
        // Both text forms are listed by every drag, a column drag too, so
        // that any target that takes text takes it.
        else if (f == plat::CF_TEXT || f == plat::CF_UNICODETEXT)
            d.Add(f, f == plat::CF_TEXT ? plat::TextToAnsiBlock("") : plat::TextToUnicodeBlock(""));
    }
    return d;
}

namespace {

int RunDrag(plat::TControl& Control, TESGDropSource& Source, const TSourceDataObject& Data, unsigned Allowed,
            unsigned& Effect) {
    const int result = plat::DoDragDrop(Control, Data.DragData(), Source, Allowed, Effect);
    return Source.NoAccept() ? plat::DRAGDROP_S_CANCEL : result;
}

}  // namespace

int BeginTextDrag(plat::TControl& Control, TESGDropSource& Source, const std::string& Text, const std::string& Rtf,
                  unsigned& Effect, unsigned Allowed, const std::string* Stream) {
    return RunDrag(Control, Source, TSourceDataObject(Text, Rtf, -1, Stream), Allowed, Effect);
}

int BeginColumnDrag(plat::TControl& Control, TESGDropSource& Source, int Col, unsigned Allowed, unsigned& Effect) {
    return RunDrag(Control, Source, TSourceDataObject("", "", Col, nullptr), Allowed, Effect);
}

}  // namespace grid
