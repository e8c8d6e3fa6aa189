#pragma once
// Every window of the program in the order the program creates them, the
// main window first, with how each is created, opened by the main window's
// button and relabelled after a language change. A window that is not part
// of the program yet is a row without hooks: adding it means filling its
// row, nothing else.

#include <string_view>
#include <vector>

namespace app {

struct TProgramWindow {
    const char* Class_Name;
    const char* Instance;
    void (*Create)() = nullptr;   // makes the window (Application->CreateForm)
    void (*Show)() = nullptr;     // opens it modally for the main window's button
    void (*Relabel)() = nullptr;  // its Set_Lang; nothing when it does not exist
};

// In creation order; the main window's own row has no hooks (it is made
// first, by Create_Windows itself).
const std::vector<TProgramWindow>& Program_Windows();
const TProgramWindow* Find_Program_Window(std::string_view Instance);
// The windows Change_Language relabels, in its order, by instance name
// (the main window itself first).
const std::vector<const char*>& Relabel_Order();

// Opens the window of that instance when it exists; false when it does not.
bool Show_Program_Window(std::string_view Instance);

}  // namespace app
