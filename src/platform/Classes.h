#pragma once
// Base objects of the window layer: components owned by components, events as
// callables whose first argument is the sender, and the small value types the
// windows pass around. Nothing here knows the toolkit underneath.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/Graphics.h"

namespace plat {

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

// Keys and mouse buttons held while an input event happened (a set of flags).
using TShiftState = unsigned;
constexpr TShiftState ssShift = 1u << 0;
constexpr TShiftState ssAlt = 1u << 1;
constexpr TShiftState ssCtrl = 1u << 2;
constexpr TShiftState ssLeft = 1u << 3;
constexpr TShiftState ssRight = 1u << 4;
constexpr TShiftState ssMiddle = 1u << 5;
constexpr TShiftState ssDouble = 1u << 6;

// A component belongs to its owner and dies with it: windows free their
// controls, timers and dialogs this way, newest first.
class TComponent : public TObject {
public:
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;

    TComponent* Owner() const { return FOwner; }
    const std::string& Name() const { return FName; }
    void SetName(const std::string& Value) { FName = Value; }
    int Tag() const { return FTag; }
    void SetTag(int Value) { FTag = Value; }

    int ComponentCount() const {
        if (FPendingComponents) MakePendingComponents();
        return static_cast<int>(FComponents.size());
    }
    TComponent* Components(int Index) const {
        if (FPendingComponents) MakePendingComponents();
        return FComponents.at(static_cast<size_t>(Index));
    }
    // The owned component with this name (case-insensitive), or nullptr.
    TComponent* FindComponent(const std::string& AName) const;
    // The owned component with this name as a T; a missing name or another
    // kind is a programming error of the window that asks.
    template <class T>
    T& Ctl(const std::string& AName) const {
        T* c = dynamic_cast<T*>(FindComponent(AName));
        if (c == nullptr) ThrowNoControl(AName);
        return *c;
    }
    // Frees every owned component, newest first.
    void DestroyComponents();
    // True once the destructor of this component has begun.
    bool Destroying() const { return FDestroying; }

protected:
    // Called when an owned component is about to go (the owner may hold a
    // pointer to it in a field of its own).
    virtual void Notification(TComponent* AComponent);
    void MarkDestroying() { FDestroying = true; }
    [[noreturn]] void ThrowNoControl(const std::string& AName) const;
    // Components that no one may see for a while (the controls of panels
    // that stay hidden) can be made when first needed: Make runs once, the
    // first time the owned components are counted or listed or a name is
    // looked up that is not among them yet, so a caller always finds the
    // same components whenever they were made. An owner whose Make uses its
    // own fields sets an empty Make in its destructor.
    void SetPendingComponents(std::function<void()> Make) { FPendingComponents = std::move(Make); }
    void MakePendingComponents() const;

private:
    void InsertComponent(TComponent* AComponent);
    void RemoveComponent(TComponent* AComponent);

    TComponent* FOwner = nullptr;
    std::vector<TComponent*> FComponents;
    mutable std::function<void()> FPendingComponents;
    std::string FName;
    int FTag = 0;
    bool FDestroying = false;
};

// A field of an owner that makes its components when first needed (see
// SetPendingComponents), used as the plain pointer it holds: reading it
// makes the owner's components first, so the field is set by then.
template <class T>
class TPendingRef {
public:
    explicit TPendingRef(const TComponent* Owner) : FOwner(Owner) {}
    TPendingRef(const TPendingRef&) = default;
    TPendingRef& operator=(const TPendingRef& Other) {
        FPointer = Other.get();
        return *this;
    }
    TPendingRef& operator=(T* Pointer) {
        FPointer = Pointer;
        return *this;
    }
    T* get() const {
        FOwner->ComponentCount();
        return FPointer;
    }
    operator T*() const { return get(); }
    T* operator->() const { return get(); }
    T& operator*() const { return *get(); }

private:
    const TComponent* FOwner;
    T* FPointer = nullptr;
};

// A list of such fields (the grids of a window, one per table).
template <class T>
class TPendingList {
public:
    explicit TPendingList(const TComponent* Owner) : FOwner(Owner) {}
    TPendingList(const TPendingList&) = delete;
    TPendingList& operator=(const TPendingList&) = delete;
    const std::vector<T*>& get() const {
        FOwner->ComponentCount();
        return FItems;
    }
    operator const std::vector<T*>&() const { return get(); }
    size_t size() const { return get().size(); }
    bool empty() const { return get().empty(); }
    T* operator[](size_t Index) const { return get()[Index]; }
    typename std::vector<T*>::const_iterator begin() const { return get().begin(); }
    typename std::vector<T*>::const_iterator end() const { return get().end(); }
    void push_back(T* Item) { FItems.push_back(Item); }

private:
    const TComponent* FOwner;
    std::vector<T*> FItems;
};

// A fixed row of such fields (numbered controls of one kind).
template <class T, size_t N>
class TPendingArray {
public:
    explicit TPendingArray(const TComponent* Owner) : FOwner(Owner) {}
    TPendingArray(const TPendingArray&) = delete;
    TPendingArray& operator=(const TPendingArray&) = delete;
    T*& operator[](size_t Index) {
        FOwner->ComponentCount();
        return FItems[Index];
    }
    T* operator[](size_t Index) const {
        FOwner->ComponentCount();
        return FItems[Index];
    }
    static constexpr size_t size() { return N; }

private:
    const TComponent* FOwner;
    T* FItems[N] = {};
};

// The item list of a combo box, list box or memo: texts with a change
// notice so the control can show every change at once.
class TStrings {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    const std::string& operator[](int Index) const;  // throws std::out_of_range
    const std::string& Strings(int Index) const { return (*this)[Index]; }
    void SetString(int Index, const std::string& S);
    int Add(const std::string& S);
    void Insert(int Index, const std::string& S);
    void Delete(int Index);
    void Clear();
    int IndexOf(const std::string& S) const;  // exact match, -1 when absent
    void Assign(const std::vector<std::string>& Items);
    const std::vector<std::string>& Items() const { return FItems; }
    // Lines joined with CR LF, each one followed by it; setting splits at
    // CR LF, LF or CR.
    std::string Text() const;
    void SetText(const std::string& Text);
    // Batches changes into one notice.
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();

    std::function<void()> OnChange;

private:
    void Changed();
    std::vector<std::string> FItems;
    int FUpdateCount = 0;
    bool FPending = false;
};

}  // namespace plat
