#pragma once
// The entries of the list drop-downs as plain data: column descriptions and
// items of the multi-column lists, and the detail entries with caption,
// picture and notes. Copying an entry copies every field, so a list handed
// from one control to another arrives whole.

#include <string>
#include <string_view>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"

namespace ctl {

enum TColumnType { ctText, ctImage };

struct TDropDownColumn {
    int Width = 80;
    plat::TColor Color = 0xFFFFFF;
    plat::TAlignment Alignment = plat::taLeftJustify;
    bool Ellipsis = false;
    plat::TFont Font;
    TColumnType ColumnType = ctText;
    std::string Header;
    bool Wordwrap = false;
    bool AutoSize = false;
};

struct TDropDownItem {
    int ImageIndex = -1;
    std::vector<std::string> Text;  // one per column
    // Text number Column, or empty when the item has fewer texts.
    std::string TextAt(int Column) const;
};

class TDropDownItems {
public:
    TDropDownItem& Add();
    TDropDownItem& Add(std::vector<std::string> Texts, int ImageIndex = -1);
    TDropDownItem& Insert(int Index);
    void Delete(int Index);
    void Clear() {
        Touch();
        FItems.clear();
    }
    int Count() const { return static_cast<int>(FItems.size()); }
    TDropDownItem& Items(int Index) {
        Touch();
        return FItems.at(static_cast<size_t>(Index));
    }
    const TDropDownItem& Items(int Index) const { return FItems.at(static_cast<size_t>(Index)); }
    void Assign(const TDropDownItems& Source) {
        FItems = Source.FItems;
        FStamp = Source.FStamp;
    }
    // The first item whose text number Column equals Value exactly; items
    // without that text are skipped; -1 when none.
    int IndexInColumn(int Column, std::string_view Value) const;
    // Names the state of the items: every access that may change them gives
    // a new stamp, unique in the program, and a copy takes its source's. A
    // list filled from the items fills again only when the stamp moved, so
    // readers should go through the const accessors.
    unsigned long long Stamp() const { return FStamp; }

private:
    void Touch();
    std::vector<TDropDownItem> FItems;
    unsigned long long FStamp = 0;
};

struct TDetailItem {
    std::string Caption;
    int ImageIndex = -1;
    plat::TPicture Image;  // preferred to ImageIndex when not empty
    std::string Notes;     // mini HTML, drawn below the caption
    int Tag = 0;
    void* ItemObject = nullptr;  // not owned
    bool Enabled = true;
};

class TDetailItems {
public:
    TDetailItem& Add(const std::string& Caption = "", const std::string& Notes = "", int ImageIndex = -1);
    TDetailItem& Insert(int Index);
    void Clear() { FItems.clear(); }
    int Count() const { return static_cast<int>(FItems.size()); }
    TDetailItem& Items(int Index) { return FItems.at(static_cast<size_t>(Index)); }
    const TDetailItem& Items(int Index) const { return FItems.at(static_cast<size_t>(Index)); }
    void Assign(const TDetailItems& Source) { FItems = Source.FItems; }
    // The first item whose caption equals Value exactly, -1 when none.
    int IndexOf(std::string_view Value) const;

private:
    std::vector<TDetailItem> FItems;
};

// ---- text helpers of the lookups (UTF-8, counted in characters)

// The first Count characters of S.
std::string Utf8Head(std::string_view S, int Count);
// S without its first Count characters.
std::string Utf8Tail(std::string_view S, int Count);
// Upper case as the lookups compare it (letters of the common scripts).
std::string LookupKey(std::string_view S);

// Column widths scaled to fill Avail pixels: every width grows by the same
// ratio Avail / (1 + sum), rounded; the rounding remainders are carried so
// that the columns add up to the space instead of falling short.
std::vector<int> FitColumnWidths(const std::vector<int>& Widths, int Avail);

// Height of a list pop-up cut to whole rows: the header and footer bars,
// the column header row and 2 pixels of frame stay, the rest is filled with
// as many rows as fit, and Extra pixels are added below.
int WholeRowsHeight(int Requested, int Bars, int HeaderHeight, int RowHeight, int Extra);

}  // namespace ctl
