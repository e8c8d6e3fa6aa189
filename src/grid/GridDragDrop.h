#pragma once
// Drag and drop for controls in a few hooks: a drop target hears text, rich
// text, files, links, grid columns and blocks of grid cells as they are
// dropped, a drop source hears the steps of its drag, and the data a drag
// offers is built in the forms other programs read. The window layer runs
// the drag itself (platform/DragDrop.h).

#include <string>
#include <vector>

#include "platform/DragDrop.h"

namespace grid {

enum TDropFormat { dfText, dfFile, dfCol, dfRTF, dfURL, dfGridCells };
using TDropFormats = unsigned;  // bit 1 << TDropFormat
constexpr TDropFormats DropFormatBit(TDropFormat F) { return 1u << unsigned(F); }

// The named formats, registered on first use.
unsigned RtfDragFormat();
unsigned ColumnDragFormat();
unsigned GridCellsDragFormat();
unsigned UrlDragFormat();

// Whether drop targets take rich text: one switch for the whole program.
void SetAcceptRtfDrops(bool Value);
bool AcceptRtfDrops();

// Copy while Ctrl is held, else move where the source allows it, else copy.
unsigned ShiftStateToDropEffect(plat::TShiftState Keys, unsigned Allowed);

// The forms of dropped data and their contents; a reader gives nothing for
// a form that is missing or malformed.
class TEnumFormats {
public:
    explicit TEnumFormats(const plat::TDragData& Data) : FData(Data) {}
    bool HasText() const { return FData.HasFormat(plat::CF_UNICODETEXT); }
    bool HasFile() const { return FData.HasFormat(plat::CF_HDROP); }
    bool HasRTF() const { return FData.HasFormat(RtfDragFormat()); }
    bool HasCol() const { return FData.HasFormat(ColumnDragFormat()); }
    bool HasURL() const { return FData.HasFormat(UrlDragFormat()); }
    bool HasGridCells() const { return FData.HasFormat(GridCellsDragFormat()); }
    std::string Text() const;
    std::string RTF() const;
    int Col() const;  // -1 when absent
    // The cell stream inside the block; false when the block is absent or
    // its length field does not fit it.
    bool Stream(std::string& Bytes) const;
    const std::vector<std::string>& Files() const { return FData.Files; }
    TDropFormats Formats() const;

private:
    const plat::TDragData& FData;
};

class TESGDropTarget : public plat::TDropTargetHooks {
public:
    bool AcceptText = true;
    bool AcceptFiles = true;
    bool AcceptCols = false;
    bool AcceptURLs = true;

    // Hooks; points are on the screen.
    virtual void DropText(plat::TPoint, const std::string&) {}
    virtual void DropStream(plat::TPoint, const std::string&) {}
    virtual void DropCol(plat::TPoint, int) {}
    virtual void DropRTF(plat::TPoint, const std::string&) {}
    virtual void DropFiles(plat::TPoint, const std::vector<std::string>&) {}
    virtual void DropURL(plat::TPoint, const std::string&) {}
    virtual void DragMouseMove(plat::TPoint, bool&, TDropFormats) {}
    virtual void DragMouseEnter() {}
    virtual void DragMouseLeave() {}

    unsigned DragEnter(const plat::TDragData& Data, plat::TShiftState Keys, plat::TPoint Pt,
                       unsigned Allowed) override;
    unsigned DragOver(plat::TShiftState Keys, plat::TPoint Pt, unsigned Allowed) override;
    void DragLeave() override;
    unsigned Drop(const plat::TDragData& Data, plat::TShiftState Keys, plat::TPoint Pt, unsigned Allowed) override;

    bool Ok() const { return FOk; }
    TDropFormats DropFormats() const { return FDropFormats; }

private:
    bool Accepts(const TEnumFormats& F) const;
    bool FOk = false;
    TDropFormats FDropFormats = 0;
};

class TESGDropSource : public plat::TDropSourceHooks {
public:
    virtual void DragFinished() {}
    virtual void CurrentEffect(unsigned) {}
    virtual void QueryDrag() {}

    int QueryContinueDrag(bool EscapePressed, plat::TShiftState Keys) override;
    int GiveFeedback(unsigned Effect) override;
    // The last feedback said no target would take the drop.
    bool NoAccept() const { return FNoAccept; }

private:
    bool FNoAccept = false;
};

// What a drag offers: text (in its 8-bit and Unicode forms), rich text, a
// column index (-1: none) and a block of cells (nullptr: none).
class TSourceDataObject {
public:
    TSourceDataObject(std::string Text, std::string Rtf, int ColIndex, const std::string* Stream);
    // The formats offered, in order.
    std::vector<unsigned> Formats() const;
    bool QueryGetData(unsigned Format) const;
    // The block of a format as the drop reads it; false when not offered.
    bool GetData(unsigned Format, std::string& Bytes) const;
    plat::TDragData DragData() const;

private:
    std::string FText, FRtf;
    int FCol;
    const std::string* FStream;
};

// Runs a drag of text (and rich text and cells) or of a column from
// Control. The result is DRAGDROP_S_CANCEL when the last feedback found no
// taker, else the drag's own.
int BeginTextDrag(plat::TControl& Control, TESGDropSource& Source, const std::string& Text, const std::string& Rtf,
                  unsigned& Effect, unsigned Allowed, const std::string* Stream);
int BeginColumnDrag(plat::TControl& Control, TESGDropSource& Source, int Col, unsigned Allowed, unsigned& Effect);

}  // namespace grid
