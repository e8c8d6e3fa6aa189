#pragma once
// Temporary entry into the window layer: shows the empty main window. The
// window layer (forms, controls, canvas) replaces this with TApplication.

#include <string>

namespace plat {

// Runs the message loop with one empty main window; with exitAtOnce the loop
// ends as soon as the window has been shown. Returns the program's exit code.
int RunEmptyMainWindow(int argc, char** argv, const std::string& caption, int width, int height,
                       bool exitAtOnce);

}  // namespace plat
