#include "controls/ItemCollection.h"

#include <algorithm>

namespace ctl {

int TCollectionItem::Index() const { return FCollection != nullptr ? FCollection->IndexOf(this) : -1; }

void TCollectionItem::Changed() {
    if (FCollection != nullptr) FCollection->ItemChanged();
}

void TItemCollectionBase::Delete(int Index) {
    if (Index < 0 || Index >= Count()) throw std::out_of_range("List index out of bounds");
    FItems.erase(FItems.begin() + Index);
}

int TItemCollectionBase::IndexOf(const TCollectionItem* Item) const {
    for (size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i].get() == Item) return static_cast<int>(i);
    return -1;
}

TCollectionItem* TItemCollectionBase::InsertItem(int Index, std::unique_ptr<TCollectionItem> Item) {
    Index = std::clamp(Index, 0, Count());
    Item->FCollection = this;
    return FItems.insert(FItems.begin() + Index, std::move(Item))->get();
}

TCollectionItem* TItemCollectionBase::At(int Index) const {
    if (Index < 0 || Index >= Count()) throw std::out_of_range("List index out of bounds");
    return FItems[static_cast<size_t>(Index)].get();
}

}  // namespace ctl
