#pragma once
// The grid's sort settings: the sort column and direction, the rules the
// cell comparison follows, the header indicator with its glyphs and colours,
// the switches of sorting on a header click, and the sort state as a short
// text ("u3", "d3", "i;u2;d5").

#include <string>

#include "platform/Bitmap.h"
#include "platform/Classes.h"
#include "platform/Graphics.h"

namespace grid {

class TExtStringGrid;

enum TSortDirection { sdAscending, sdDescending };
enum TIndexSortKey { ikShift, ikCtrl };
enum TSortBlankPosition { blFirst, blLast };

class TSortSettings : public plat::TObject {
public:
    // The grid is referred to, never owned.
    explicit TSortSettings(TExtStringGrid* AGrid);

    // Every published setting but IgnoreCase and SortOnVirtualCells, which
    // belong to the grid's data rather than to its look; other sources are
    // ignored.
    void Assign(const plat::TObject& Source);
    std::string SaveToString() const;
    // Shows the indicator and sorts as the text says; raises
    // std::runtime_error("Invalid sort settings specifier") for a
    // one-character text.
    void LoadFromString(const std::string& Text);
    // No sort column, no sort index.
    void Remove();
    void ToggleDirection() { FDirection = FDirection == sdAscending ? sdDescending : sdAscending; }

    bool AutoSortForGrouping() const { return FAutoSortForGrouping; }
    void SetAutoSortForGrouping(bool Value) { FAutoSortForGrouping = Value; }
    bool AutoColumnMerge() const { return FAutoColumnMerge; }
    void SetAutoColumnMerge(bool Value) { FAutoColumnMerge = Value; }
    int Column() const { return FColumn; }
    void SetColumn(int Value) { FColumn = Value; }
    bool Show() const { return FShow; }
    void SetShow(bool Value);
    bool IndexShow() const { return FIndexShow; }
    void SetIndexShow(bool Value) { FIndexShow = Value; }
    plat::TColor IndexColor() const { return FIndexColor; }
    void SetIndexColor(plat::TColor Value) { FIndexColor = Value; }
    TIndexSortKey IndexSortKey() const { return FIndexSortKey; }
    void SetIndexSortKey(TIndexSortKey Value) { FIndexSortKey = Value; }
    bool Full() const { return FFull; }
    void SetFull(bool Value) { FFull = Value; }
    bool SingleColumn() const { return FSingleColumn; }
    void SetSingleColumn(bool Value) { FSingleColumn = Value; }
    bool IgnoreBlanks() const { return FIgnoreBlanks; }
    void SetIgnoreBlanks(bool Value) { FIgnoreBlanks = Value; }
    TSortBlankPosition BlankPos() const { return FBlankPos; }
    void SetBlankPos(TSortBlankPosition Value) { FBlankPos = Value; }
    bool AutoFormat() const { return FAutoFormat; }
    void SetAutoFormat(bool Value) { FAutoFormat = Value; }
    TSortDirection Direction() const { return FDirection; }
    void SetDirection(TSortDirection Value) { FDirection = Value; }
    bool IgnoreCase() const { return FIgnoreCase; }
    void SetIgnoreCase(bool Value) { FIgnoreCase = Value; }
    TSortDirection InitSortDirection() const { return FInitSortDirection; }
    void SetInitSortDirection(TSortDirection Value) { FInitSortDirection = Value; }
    bool FixedCols() const { return FFixedCols; }
    void SetFixedCols(bool Value) { FFixedCols = Value; }
    bool NormalCellsOnly() const { return FNormalCellsOnly; }
    void SetNormalCellsOnly(bool Value) { FNormalCellsOnly = Value; }
    int Row() const { return FRow; }
    // Only a fixed row can carry the indicator: other values raise
    // std::runtime_error and keep the old row.
    void SetRow(int Value);
    bool UndoSort() const { return FUndoSort; }
    void SetUndoSort(bool Value) { FUndoSort = Value; }
    bool SortOnVirtualCells() const { return FSortOnVirtualCells; }
    void SetSortOnVirtualCells(bool Value) { FSortOnVirtualCells = Value; }

    // The glyphs are copied in; the settings own their bitmaps.
    const plat::TBitmap& UpGlyph() const { return FUpGlyph; }
    void SetUpGlyph(const plat::TBitmap& Value) { FUpGlyph.Assign(Value); }
    const plat::TBitmap& DownGlyph() const { return FDownGlyph; }
    void SetDownGlyph(const plat::TBitmap& Value) { FDownGlyph.Assign(Value); }
    const plat::TBitmap& IndexUpGlyph() const { return FIndexUpGlyph; }
    void SetIndexUpGlyph(const plat::TBitmap& Value) { FIndexUpGlyph.Assign(Value); }
    const plat::TBitmap& IndexDownGlyph() const { return FIndexDownGlyph; }
    void SetIndexDownGlyph(const plat::TBitmap& Value) { FIndexDownGlyph.Assign(Value); }

    // Face of the sorted column's header cell; a change repaints the
    // header row.
    plat::TColor HeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(plat::TColor Value) { SetHeaderFace(FHeaderColor, Value); }
    plat::TColor HeaderColorTo() const { return FHeaderColorTo; }
    void SetHeaderColorTo(plat::TColor Value) { SetHeaderFace(FHeaderColorTo, Value); }
    plat::TColor HeaderMirrorColor() const { return FHeaderMirrorColor; }
    void SetHeaderMirrorColor(plat::TColor Value) { SetHeaderFace(FHeaderMirrorColor, Value); }
    plat::TColor HeaderMirrorColorTo() const { return FHeaderMirrorColorTo; }
    void SetHeaderMirrorColorTo(plat::TColor Value) { SetHeaderFace(FHeaderMirrorColorTo, Value); }

private:
    void SetHeaderFace(plat::TColor& Field, plat::TColor Value);

    TExtStringGrid* FGrid;
    bool FAutoSortForGrouping = true;
    bool FAutoColumnMerge = false;
    int FColumn = -1;
    bool FShow = false;
    bool FIndexShow = false;
    plat::TColor FIndexColor = 0x0000FFFF;
    TIndexSortKey FIndexSortKey = ikShift;
    bool FFull = true;
    bool FSingleColumn = false;
    bool FIgnoreBlanks = false;
    TSortBlankPosition FBlankPos = blFirst;
    bool FAutoFormat = true;
    TSortDirection FDirection = sdAscending;
    bool FIgnoreCase = false;
    TSortDirection FInitSortDirection = sdAscending;
    bool FFixedCols = false;
    bool FNormalCellsOnly = false;
    int FRow = 0;
    bool FUndoSort = false;
    bool FSortOnVirtualCells = true;
    plat::TColor FHeaderColor = plat::clNone;
    plat::TColor FHeaderColorTo = plat::clNone;
    plat::TColor FHeaderMirrorColor = plat::clNone;
    plat::TColor FHeaderMirrorColorTo = plat::clNone;
    plat::TBitmap FUpGlyph, FDownGlyph, FIndexUpGlyph, FIndexDownGlyph;
};

}  // namespace grid
