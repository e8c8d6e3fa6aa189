#include "gateway/EditPaste.h"

#include <utility>

#include "platform/Application.h"

namespace gw {

void Paste_As_Typed(plat::TEdit& Edit, std::function<TKeyAnswer(char32_t)> KeyOf, std::vector<plat::TEdit*> Chain,
                    char32_t MoveOn) {
    if (!KeyOf) KeyOf = [](char32_t key) { return TKeyAnswer{true, key}; };
    plat::TEdit* self = &Edit;
    Edit.OnPaste = [self, KeyOf = std::move(KeyOf), Chain = std::move(Chain), MoveOn](plat::TObject*,
                                                                                     const std::string& Text,
                                                                                     bool& Handled) {
        Handled = true;
        // The chain goes on only as far as the typed key could move.
        std::vector<plat::TEdit*> reached{self};
        for (plat::TEdit* next : Chain) {
            if (!next->Enabled() || !next->Visible()) break;
            reached.push_back(next);
        }
        std::vector<TPasteEdit> edits;
        for (plat::TEdit* e : reached) edits.push_back({e->Text(), e->SelStart(), e->SelLength(), e->MaxLength()});
        const TPastePlan plan = PlanPaste(Text, edits, KeyOf, MoveOn);
        if (!plan.accepted) {
            plat::Beep();
            return;
        }
        for (size_t i = 0; i < plan.texts.size(); ++i) reached[i]->SetText(plan.texts[i]);
        plat::TEdit* last = reached[plan.texts.size() - 1];
        if (last != self && last->CanFocus()) last->SetFocus();
        last->SetSelStart(plan.caret);
        last->SetSelLength(0);
    };
}

}  // namespace gw
