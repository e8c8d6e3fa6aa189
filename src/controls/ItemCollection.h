#pragma once
// The owned, ordered item lists of the pickers (selector items, colour
// entries, image entries, palette boxes). An item tells its list when one
// of its shown values changed; the list passes that on through OnChange.
// Adding, inserting, deleting and clearing stay silent: whoever fills a list
// lays its control out afterwards.

#include <memory>
#include <stdexcept>
#include <vector>

#include "platform/Classes.h"

namespace ctl {

class TItemCollectionBase;

class TCollectionItem {
public:
    virtual ~TCollectionItem() = default;
    TItemCollectionBase* Collection() const { return FCollection; }
    int Index() const;

protected:
    // Tells the list that a shown value changed.
    void Changed();

private:
    friend class TItemCollectionBase;
    TItemCollectionBase* FCollection = nullptr;
};

class TItemCollectionBase : public plat::TObject {
public:
    explicit TItemCollectionBase(plat::TObject* AOwner) : FOwner(AOwner) {}
    plat::TObject* GetOwner() const { return FOwner; }
    int Count() const { return static_cast<int>(FItems.size()); }
    void Delete(int Index);
    void Clear() { FItems.clear(); }
    int IndexOf(const TCollectionItem* Item) const;
    // Fired with the list as Sender when an item reports a change.
    plat::TNotifyEvent OnChange;

protected:
    friend class TCollectionItem;
    TCollectionItem* InsertItem(int Index, std::unique_ptr<TCollectionItem> Item);
    TCollectionItem* At(int Index) const;
    void ItemChanged() {
        if (OnChange) OnChange(this);
    }
    std::vector<std::unique_ptr<TCollectionItem>> FItems;

private:
    plat::TObject* FOwner;
};

// T derives from TCollectionItem and has Assign(const T&).
template <class T>
class TItemCollection : public TItemCollectionBase {
public:
    using TItemCollectionBase::TItemCollectionBase;
    T* Add() { return Insert(Count()); }
    // Index is clamped to 0..Count.
    T* Insert(int Index) { return static_cast<T*>(InsertItem(Index, std::make_unique<T>())); }
    // Throws std::out_of_range outside 0..Count - 1.
    T* Items(int Index) const { return static_cast<T*>(At(Index)); }
    T* GetItem(int Index) const { return Items(Index); }
    void SetItem(int Index, const T& Value) { Items(Index)->Assign(Value); }
    // Takes a copy of every item of Source (the items' own Assign).
    void Assign(const TItemCollection& Source) {
        if (&Source == this) return;
        FItems.clear();
        for (int i = 0; i < Source.Count(); ++i) Add()->Assign(*Source.Items(i));
    }
};

}  // namespace ctl
