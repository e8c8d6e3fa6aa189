#pragma once
// Opening a web page in the user's browser.

#include <functional>
#include <string>

namespace plat {

// Opens an http or https address with the desktop's browser; any other
// target is refused, so a link can never start a local program. False when
// refused or when the desktop could not open it.
bool ShellOpen(const std::string& Url);

// Tests replace the browser with a recorder; returns the handler it replaces
// (an empty handler means the desktop's browser).
using TShellOpenHandler = std::function<bool(const std::string& Url)>;
TShellOpenHandler SetShellOpenHandler(TShellOpenHandler Handler);

}  // namespace plat
