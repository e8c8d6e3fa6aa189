#include "grid/ExtGridSortSettings.h"

#include <stdexcept>

#include "base/StrUtils.h"
#include "grid/ExtGrid.h"

namespace grid {

TSortSettings::TSortSettings(TExtStringGrid* AGrid) : FGrid(AGrid) {}

void TSortSettings::Assign(const plat::TObject& Source) {
    const auto* s = dynamic_cast<const TSortSettings*>(&Source);
    if (!s) return;
    FAutoSortForGrouping = s->FAutoSortForGrouping;
    FAutoColumnMerge = s->FAutoColumnMerge;
    FColumn = s->FColumn;
    FShow = s->FShow;
    FIndexShow = s->FIndexShow;
    FIndexColor = s->FIndexColor;
    FIndexSortKey = s->FIndexSortKey;
    FFull = s->FFull;
    FSingleColumn = s->FSingleColumn;
    FIgnoreBlanks = s->FIgnoreBlanks;
    FBlankPos = s->FBlankPos;
    FAutoFormat = s->FAutoFormat;
    FDirection = s->FDirection;
    FInitSortDirection = s->FInitSortDirection;
    FFixedCols = s->FFixedCols;
    FNormalCellsOnly = s->FNormalCellsOnly;
    FRow = s->FRow;
    FUndoSort = s->FUndoSort;
    FHeaderColor = s->FHeaderColor;
    FHeaderColorTo = s->FHeaderColorTo;
    FHeaderMirrorColor = s->FHeaderMirrorColor;
    FHeaderMirrorColorTo = s->FHeaderMirrorColorTo;
    FUpGlyph.Assign(s->FUpGlyph);
    FDownGlyph.Assign(s->FDownGlyph);
    FIndexUpGlyph.Assign(s->FIndexUpGlyph);
    FIndexDownGlyph.Assign(s->FIndexDownGlyph);
}

std::string TSortSettings::SaveToString() const {
    if (FIndexShow) return "i;" + (FGrid ? FGrid->SortIndexes().SaveToString() : std::string());
    return (FDirection == sdDescending ? "d" : "u") + std::to_string(FColumn);
}

void TSortSettings::LoadFromString(const std::string& Text) {
    if (Text.empty()) return;
    SetShow(true);
    if (Text.size() < 2) throw std::runtime_error("Invalid sort settings specifier");
    if (Text.find("i;") == std::string::npos) {
        FIndexShow = false;
        FDirection = Text.find('u') != std::string::npos ? sdAscending : sdDescending;
        int column = 0;
        if (!base::TryStrToInt(std::string_view(Text).substr(1), column)) return;
        FColumn = column;
        if (FGrid) FGrid->QSort();
        return;
    }
    FIndexShow = true;
    const std::string rest = Text.substr(2);
    if (rest.empty() || !FGrid) return;
    FGrid->SortIndexes().Clear();
    FGrid->SortIndexes().LoadFromString(rest);
    FGrid->QSortIndexed();
}

void TSortSettings::Remove() {
    FColumn = -1;
    if (!FGrid) return;
    FGrid->SortIndexes().Clear();
    if (FGrid->FixedRows() > 0) FGrid->RepaintRow(FGrid->FixedRows() - 1);
}

void TSortSettings::SetShow(bool Value) {
    if (FShow == Value) return;
    FShow = Value;
    if (FGrid) FGrid->Invalidate();
}

void TSortSettings::SetRow(int Value) {
    if (FGrid && Value >= FGrid->FixedRows())
        throw std::runtime_error("Sort row should be smaller than number of fixed rows");
    FRow = Value;
}

void TSortSettings::SetHeaderFace(plat::TColor& Field, plat::TColor Value) {
    if (Field == Value) return;
    Field = Value;
    if (FGrid && FGrid->FixedRows() > 0) FGrid->RepaintRow(FGrid->FixedRows() - 1);
}

}  // namespace grid
