#include "platform/ShellOpen.h"

#include <QDesktopServices>
#include <QUrl>
#include <utility>

#include "platform/GuiApp.h"
#include "platform/ScriptState.h"
#include "platform/TestHooks.h"

namespace plat {

namespace {
TShellOpenHandler& Handler() {
    static TShellOpenHandler handler;
    return handler;
}
}  // namespace

bool ShellOpen(const std::string& Url) {
    const QUrl url(QString::fromStdString(Url), QUrl::StrictMode);
    if (!url.isValid() || (url.scheme() != "http" && url.scheme() != "https")) return false;
    if (Handler()) return Handler()(Url);
    // Scripted tests record the link instead of starting a browser.
    if (test::Scripted()) {
        test::internal::RecordOpened(Url);
        return true;
    }
    EnsureGuiApplication();
    return QDesktopServices::openUrl(url);
}

TShellOpenHandler SetShellOpenHandler(TShellOpenHandler Handler_) {
    return std::exchange(Handler(), std::move(Handler_));
}

}  // namespace plat
