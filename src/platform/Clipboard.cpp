#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "platform/GuiApp.h"
#include "platform/NativeBridge.h"

namespace plat {

std::string TClipboard::AsText() const {
    EnsureGuiApplication();
    return FromQ(QGuiApplication::clipboard()->text());
}

void TClipboard::SetAsText(const std::string& Value) {
    EnsureGuiApplication();
    QGuiApplication::clipboard()->setText(ToQ(Value));
}

bool TClipboard::HasText() const {
    EnsureGuiApplication();
    const QMimeData* d = QGuiApplication::clipboard()->mimeData();
    return d != nullptr && d->hasText();
}

void TClipboard::Clear() {
    EnsureGuiApplication();
    QGuiApplication::clipboard()->clear();
}

TClipboard& Clipboard() {
    static TClipboard clipboard;
    return clipboard;
}

}  // namespace plat
