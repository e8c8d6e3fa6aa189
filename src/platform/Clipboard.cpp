#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "platform/GuiApp.h"
#include "platform/MimeForms.h"
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

void TClipboard::AddFormat(unsigned Format, const std::string& Bytes) {
    EnsureGuiApplication();
    // The toolkit hands out its data read-only: the forms held so far are
    // copied into new data together with the added one.
    auto* next = new QMimeData;
    if (const QMimeData* now = QGuiApplication::clipboard()->mimeData())
        for (const QString& type : now->formats()) next->setData(type, now->data(type));
    next->setData(MimeTypeOfFormat(Format), QByteArray(Bytes.data(), qsizetype(Bytes.size())));
    QGuiApplication::clipboard()->setMimeData(next);  // the clipboard owns it
}

bool TClipboard::HasFormat(unsigned Format) const {
    EnsureGuiApplication();
    const QMimeData* d = QGuiApplication::clipboard()->mimeData();
    return d != nullptr && d->hasFormat(MimeTypeOfFormat(Format));
}

std::string TClipboard::AsFormat(unsigned Format) const {
    EnsureGuiApplication();
    const QMimeData* d = QGuiApplication::clipboard()->mimeData();
    if (d == nullptr) return {};
    const QByteArray bytes = d->data(MimeTypeOfFormat(Format));
    return std::string(bytes.constData(), size_t(bytes.size()));
}

TClipboard& Clipboard() {
    static TClipboard clipboard;
    return clipboard;
}

}  // namespace plat
