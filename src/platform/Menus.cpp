#include "platform/Menus.h"

#include <QAction>
#include <QMenu>

namespace plat {

struct TPopupMenu::TNative {
    QMenu Menu;
};

TPopupMenu::TPopupMenu(TComponent* AOwner) : TComponent(AOwner), FNative(std::make_unique<TNative>()) {}

TPopupMenu::~TPopupMenu() = default;

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
    menu.popup(QPoint(X, Y));
}

}  // namespace plat
