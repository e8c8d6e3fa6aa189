#pragma once
// The glow around the cell being edited: a soft ring 4 pixels wide in the
// helper colour around the cell. Our window layer has neither see-through
// windows nor window regions, so the ring is made of four thin strips laid
// over the form around the cell; the cell itself (and its editor) stays
// uncovered and the strips never take the focus.

#include <array>

#include "platform/Controls.h"
#include "platform/Graphics.h"

namespace grid {

class TGridFocusGlow {
public:
    static constexpr plat::TColor kGlowColor = 0xFDD397;
    static constexpr int kRing = 4;

    explicit TGridFocusGlow(plat::TComponent* AOwner);
    // Around Cell, given in the coordinates of Host.
    void Show(const plat::TRect& Cell, plat::TControl& Host);
    void Hide();
    bool Visible() const;
    // The ring's outer rectangle in the coordinates of the form it is on.
    plat::TRect Bounds() const { return FBounds; }

private:
    std::array<plat::TCustomControl*, 4> FStrips{};
    plat::TRect FBounds;
};

}  // namespace grid
