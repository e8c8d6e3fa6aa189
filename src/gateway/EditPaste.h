#pragma once
// The clipboard's way into the edits of the gateway windows: a paste goes
// through the edit's own key rule, as typing does, and is refused with the
// warning sound when any of it would be dropped or cut.

#include <functional>
#include <vector>

#include "gateway/KeyFilters.h"
#include "platform/StdCtrls.h"

namespace gw {

// Gives Edit its paste rule: KeyOf is the rule its typed keys follow (none:
// every printable character passes). With MoveOn set, that character moves
// on to the next of Chain, the edits that follow Edit, as the typed key
// does; each part of the text then goes into one edit.
void Paste_As_Typed(plat::TEdit& Edit, std::function<TKeyAnswer(char32_t)> KeyOf = {},
                    std::vector<plat::TEdit*> Chain = {}, char32_t MoveOn = 0);

}  // namespace gw
