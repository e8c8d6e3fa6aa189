#pragma once
// A popup menu: entries with a caption and a click handler, shown at a
// point of the screen.

#include <memory>
#include <string>
#include <vector>

#include "platform/Classes.h"
#include "platform/Graphics.h"

namespace plat {

struct TMenuItem {
    std::string Caption;
    TNotifyEvent OnClick;
};

class TPopupMenu : public TComponent {
public:
    explicit TPopupMenu(TComponent* AOwner);
    ~TPopupMenu() override;

    std::vector<TMenuItem>& Items() { return FItems; }
    // Fires OnPopup, then shows the entries with their top-left corner at
    // the screen point; returns at once, a chosen entry fires its OnClick.
    void Popup(int X, int Y);
    // Where the menu was last shown.
    TPoint PopupPoint() const { return FPopupPoint; }
    bool IsShowing() const;
    // Chooses entry Index of the open menu as a click on it would: the menu
    // closes and the entry's OnClick fires. Lets tests and keyboard paths
    // drive a menu without waiting in its own event loop.
    void Pick(int Index);
    void CloseUp();
    // The menu that is open now, nullptr when none is.
    static TPopupMenu* Showing();
    TNotifyEvent OnPopup;

private:
    struct TNative;
    std::unique_ptr<TNative> FNative;
    std::vector<TMenuItem> FItems;
    TPoint FPopupPoint{-1, -1};
};

}  // namespace plat
