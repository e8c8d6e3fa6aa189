#include "platform/Classes.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace plat {

namespace {
bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}
}  // namespace

TComponent::TComponent(TComponent* AOwner) : FOwner(AOwner) {
    if (FOwner != nullptr) FOwner->InsertComponent(this);
}

TComponent::~TComponent() {
    FDestroying = true;
    FPendingComponents = nullptr;
    DestroyComponents();
    if (FOwner != nullptr) FOwner->RemoveComponent(this);
}

TComponent* TComponent::FindComponent(const std::string& AName) const {
    if (AName.empty()) return nullptr;
    for (TComponent* c : FComponents)
        if (SameName(c->FName, AName)) return c;
    if (!FPendingComponents) return nullptr;
    MakePendingComponents();
    return FindComponent(AName);
}

void TComponent::MakePendingComponents() const {
    // Emptied first: what Make looks up while it builds must not start it
    // again.
    const std::function<void()> make = std::move(FPendingComponents);
    FPendingComponents = nullptr;
    if (make) make();
}

void TComponent::ThrowNoControl(const std::string& AName) const {
    throw std::logic_error(FName + " has no control " + AName + " of that kind");
}

void TComponent::DestroyComponents() {
    // Each child removes itself from the list in its destructor; newest first
    // so that a control never outlives the panel it was put on later.
    while (!FComponents.empty()) {
        TComponent* c = FComponents.back();
        delete c;
    }
}

void TComponent::Notification(TComponent*) {}

void TComponent::InsertComponent(TComponent* AComponent) { FComponents.push_back(AComponent); }

void TComponent::RemoveComponent(TComponent* AComponent) {
    auto it = std::find(FComponents.begin(), FComponents.end(), AComponent);
    if (it == FComponents.end()) return;
    FComponents.erase(it);
    AComponent->FOwner = nullptr;
    if (!FDestroying) Notification(AComponent);
}

// ---------------------------------------------------------------------------

const std::string& TStrings::operator[](int Index) const {
    if (Index < 0 || Index >= Count())
        throw std::out_of_range("List index out of bounds (" + std::to_string(Index) + ")");
    return FItems[static_cast<size_t>(Index)];
}

void TStrings::SetString(int Index, const std::string& S) {
    (void)(*this)[Index];
    FItems[static_cast<size_t>(Index)] = S;
    Changed();
}

int TStrings::Add(const std::string& S) {
    FItems.push_back(S);
    Changed();
    return Count() - 1;
}

void TStrings::Insert(int Index, const std::string& S) {
    if (Index < 0 || Index > Count())
        throw std::out_of_range("List index out of bounds (" + std::to_string(Index) + ")");
    FItems.insert(FItems.begin() + Index, S);
    Changed();
}

void TStrings::Delete(int Index) {
    (void)(*this)[Index];
    FItems.erase(FItems.begin() + Index);
    Changed();
}

void TStrings::Clear() {
    if (FItems.empty()) return;
    FItems.clear();
    Changed();
}

int TStrings::IndexOf(const std::string& S) const {
    auto it = std::find(FItems.begin(), FItems.end(), S);
    return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

void TStrings::Assign(const std::vector<std::string>& Items) {
    FItems = Items;
    Changed();
}

std::string TStrings::Text() const {
    std::string out;
    for (const auto& s : FItems) out += s + "\r\n";
    return out;
}

void TStrings::SetText(const std::string& Text) {
    std::vector<std::string> lines;
    std::string cur;
    bool any = false;
    for (size_t i = 0; i < Text.size(); ++i) {
        char c = Text[i];
        any = true;
        if (c == '\r' || c == '\n') {
            lines.push_back(cur);
            cur.clear();
            if (c == '\r' && i + 1 < Text.size() && Text[i + 1] == '\n') ++i;
            any = false;
        } else {
            cur += c;
        }
    }
    if (any) lines.push_back(cur);
    Assign(lines);
}

void TStrings::EndUpdate() {
    if (FUpdateCount > 0 && --FUpdateCount == 0 && FPending) {
        FPending = false;
        if (OnChange) OnChange();
    }
}

void TStrings::Changed() {
    if (FUpdateCount > 0) {
        FPending = true;
        return;
    }
    if (OnChange) OnChange();
}

}  // namespace plat
