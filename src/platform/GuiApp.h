#pragma once
// The one GUI application object every window, canvas and font needs.
// Created on first use; tests and tools that only paint into images call
// EnsureGuiApplication() and get the same object the program uses.

namespace plat {

// Creates the application object unless one exists (safe to call often).
void EnsureGuiApplication();
// True once the application object exists.
bool GuiApplicationExists();

}  // namespace plat
