#include "platform/Actions.h"

namespace plat {

TAction::TAction(TComponent* AOwner) : TComponent(AOwner) {}

TAction::~TAction() {
    // Told last: a linked control may unlink itself while it hears of it.
    const auto links = FLinks;
    FLinks.clear();
    for (const auto& [id, onChange] : links) onChange(true);
}

void TAction::SetCaption(const std::string& Value) {
    FCaption = Value;
    Changed();
}

void TAction::SetImages(TImageList* Value) {
    FImages = Value;
    Changed();
}

void TAction::SetImageIndex(int Value) {
    FImageIndex = Value;
    Changed();
}

bool TAction::Execute() {
    if (!OnExecute) return false;
    OnExecute(this);
    return true;
}

int TAction::Link(TLinkEvent OnChange) {
    const int id = FNextLink++;
    FLinks[id] = std::move(OnChange);
    return id;
}

void TAction::Unlink(int Id) { FLinks.erase(Id); }

void TAction::Changed() {
    const auto links = FLinks;
    for (const auto& [id, onChange] : links) onChange(false);
}

}  // namespace plat
