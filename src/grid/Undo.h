#pragma once
// Records changes of cell texts in one base grid so they can be taken back
// and applied again. Changes between a start and a stop marker form a
// sequence that is undone and redone as a whole.

#include <functional>
#include <string>
#include <vector>

#include "platform/Classes.h"

namespace grid {

class TBaseGrid;

struct TUndoRedoItem {
    std::string Value;      // text after the change
    std::string OrigValue;  // text before the change
    int Col = -1;
    int Row = -1;
    bool SequenceStart = false;
    bool SequenceStop = false;
    bool IsMarker() const { return SequenceStart || SequenceStop; }
};

using TExtGridUndoRedoEvent = std::function<void(plat::TObject* Sender, TBaseGrid* Grid, int Col, int Row,
                                                 const std::string& OrigValue, const std::string& NewValue)>;

class TExtGridUndoRedo : public plat::TComponent {
public:
    explicit TExtGridUndoRedo(plat::TComponent* AOwner);
    ~TExtGridUndoRedo() override;

    virtual void RegisterChange(int ACol, int ARow, const std::string& OldValue, const std::string& NewValue);
    virtual void StartSequence();
    virtual void StopSequence();
    void Undo();
    void Redo();
    void Reset();
    bool CanUndo() const { return FLevel > 0; }
    bool CanRedo() const { return FLevel < Count(); }

    int Level() const { return FLevel; }
    int Count() const { return int(FItems.size()); }
    const TUndoRedoItem& Items(int Index) const { return FItems.at(size_t(Index)); }
    int MaxLevel() const { return FMaxLevel; }
    void SetMaxLevel(int Value) { FMaxLevel = Value; }
    TBaseGrid* Grid() const { return FGrid; }
    void SetGrid(TBaseGrid* Value) { FGrid = Value; }

    TExtGridUndoRedoEvent OnUndo;
    TExtGridUndoRedoEvent OnRedo;

protected:
    void Notification(plat::TComponent* AComponent) override;

private:
    void Append(TUndoRedoItem Item);
    void ApplyUndo(const TUndoRedoItem& E);
    void ApplyRedo(const TUndoRedoItem& E);

    std::vector<TUndoRedoItem> FItems;
    TBaseGrid* FGrid = nullptr;
    int FLevel = 0;
    int FMaxLevel = 0;
};

}  // namespace grid
