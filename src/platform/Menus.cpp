#include "platform/Menus.h"

#include <QAction>
#include <QMenu>

namespace plat {

struct TPopupMenu::TNative {
    QMenu Menu;
};

namespace {
TPopupMenu* ShowingMenu = nullptr;
}

TPopupMenu::TPopupMenu(TComponent* AOwner) : TComponent(AOwner), FNative(std::make_unique<TNative>()) {
    QObject::connect(&FNative->Menu, &QMenu::aboutToHide, [this] {
        if (ShowingMenu == this) ShowingMenu = nullptr;
    });
}

TPopupMenu::~TPopupMenu() {
    if (ShowingMenu == this) ShowingMenu = nullptr;
}

TPopupMenu* TPopupMenu::Showing() { return ShowingMenu; }

bool TPopupMenu::IsShowing() const { return FNative->Menu.isVisible(); }

void TPopupMenu::CloseUp() { FNative->Menu.hide(); }

void TPopupMenu::Pick(int Index) {
    const QList<QAction*> actions = FNative->Menu.actions();
    if (Index < 0 || Index >= actions.size()) return;
    // Closed first, as a real click does: the handler may open another
    // menu or a modal window.
    FNative->Menu.hide();
    actions[Index]->trigger();
}

void TPopupMenu::Popup(int X, int Y) {
    FPopupPoint = {X, Y};
    if (OnPopup) OnPopup(this);
    QMenu& menu = FNative->Menu;
    menu.clear();
    for (size_t i = 0; i < FItems.size(); ++i) {
        QAction* action = menu.addAction(QString::fromStdString(FItems[i].Caption));
        // The entry is looked up when chosen: the list may have changed
        // since the menu was shown.
        QObject::connect(action, &QAction::triggered, [this, i] {
            if (i < FItems.size() && FItems[i].OnClick) FItems[i].OnClick(this);
        });
    }
    if (ShowingMenu && ShowingMenu != this) ShowingMenu->CloseUp();
    ShowingMenu = this;
    menu.popup(QPoint(X, Y));
}

}  // namespace plat
