#include "grid/Undo.h"

#include <algorithm>

#include "grid/BaseGrid.h"

namespace grid {

TExtGridUndoRedo::TExtGridUndoRedo(plat::TComponent* AOwner) : plat::TComponent(AOwner) {}

TExtGridUndoRedo::~TExtGridUndoRedo() {
    if (FGrid && FGrid->UndoRedo() == this) FGrid->SetUndoRedo(nullptr);
}

void TExtGridUndoRedo::Notification(plat::TComponent* AComponent) {
    if (FGrid && static_cast<plat::TComponent*>(FGrid) == AComponent) FGrid = nullptr;
    plat::TComponent::Notification(AComponent);
}

void TExtGridUndoRedo::Append(TUndoRedoItem Item) {
    FItems.push_back(std::move(Item));
    FLevel = Count();
}

void TExtGridUndoRedo::RegisterChange(int ACol, int ARow, const std::string& OldValue, const std::string& NewValue) {
    if (FMaxLevel > 0 && Count() >= FMaxLevel) FItems.erase(FItems.begin());
    TUndoRedoItem item;
    item.Col = ACol;
    item.Row = ARow;
    item.Value = NewValue;
    item.OrigValue = OldValue;
    Append(std::move(item));
}

void TExtGridUndoRedo::StartSequence() {
    TUndoRedoItem item;
    item.SequenceStart = true;
    Append(std::move(item));
}

void TExtGridUndoRedo::StopSequence() {
    TUndoRedoItem item;
    item.SequenceStop = true;
    Append(std::move(item));
}

void TExtGridUndoRedo::ApplyUndo(const TUndoRedoItem& E) {
    // A marker carries no cell: applying it would write into column -1.
    if (E.IsMarker()) return;
    if (OnUndo) OnUndo(this, FGrid, E.Col, E.Row, FGrid->GetCellEx(E.Col, E.Row), E.OrigValue);
    FGrid->SetCellEx(E.Col, E.Row, E.OrigValue);
    FGrid->SetCol(FGrid->DisplColIndex(E.Col));
    FGrid->SetRow(E.Row);
}

void TExtGridUndoRedo::ApplyRedo(const TUndoRedoItem& E) {
    if (E.IsMarker()) return;
    if (OnRedo) OnRedo(this, FGrid, E.Col, E.Row, FGrid->GetCellEx(E.Col, E.Row), E.Value);
    FGrid->SetCellEx(E.Col, E.Row, E.Value);
    FGrid->SetCol(FGrid->DisplColIndex(E.Col));
    FGrid->SetRow(E.Row);
}

void TExtGridUndoRedo::Undo() {
    if (!FGrid || FLevel <= 0 || Count() < FLevel) return;
    const TUndoRedoItem& e = FItems[size_t(FLevel - 1)];
    if (e.SequenceStop) {
        --FLevel;
        while (FLevel > 0 && !FItems[size_t(FLevel - 1)].SequenceStart) {
            ApplyUndo(FItems[size_t(FLevel - 1)]);
            --FLevel;
        }
        // Step over the start marker; when eviction took it, the walk ended
        // at the first entry and the level stays at 0.
        FLevel = std::max(FLevel - 1, 0);
        FGrid->Invalidate();
    } else if (e.SequenceStart) {
        // A start marker without its stop (the sequence is still open or
        // its stop was never registered) holds no change of its own.
        --FLevel;
    } else {
        ApplyUndo(e);
        FGrid->RepaintCell(FGrid->Col(), e.Row);
        --FLevel;
    }
}

void TExtGridUndoRedo::Redo() {
    if (!FGrid || FLevel >= Count()) return;
    ++FLevel;
    const TUndoRedoItem& e = FItems[size_t(FLevel - 1)];
    if (e.SequenceStart) {
        if (FLevel == Count()) return;  // an empty sequence at the end
        ++FLevel;
        // Walk up to the stop marker; a sequence whose stop is missing ends
        // with the last entry, which is applied too.
        while (!FItems[size_t(FLevel - 1)].SequenceStop) {
            ApplyRedo(FItems[size_t(FLevel - 1)]);
            if (FLevel == Count()) break;
            ++FLevel;
        }
        FGrid->Invalidate();
    } else {
        ApplyRedo(e);
    }
}

// The level follows the list down to 0: a level above the number of
// entries would offer an undo that has nothing to take back.
void TExtGridUndoRedo::Reset() {
    FItems.clear();
    FLevel = 0;
}

}  // namespace grid
