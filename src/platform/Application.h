#pragma once
// The application object: creates the forms in order, runs the message loop
// until the main form closes, and shows errors that escape an event handler.
// Screen and Mouse describe the desktop and the pointer.

#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "platform/Classes.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/ShellOpen.h"

namespace plat {

class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;

    // Prepares the toolkit; call once before the first form is created.
    void Initialize();
    // Creates a form owned by the application, stores it in Reference before
    // its OnCreate runs, and makes the first created form the main form.
    template <class T>
    void CreateForm(T*& Reference) {
        Reference = new T(this);
        RegisterForm(Reference);
        Reference->DoCreate();
    }
    TForm* MainForm() const { return FMainForm; }
    bool ShowMainForm() const { return FShowMainForm; }
    void SetShowMainForm(bool Value) { FShowMainForm = Value; }
    bool MainFormOnTaskBar() const { return FMainFormOnTaskBar; }
    void SetMainFormOnTaskBar(bool Value) { FMainFormOnTaskBar = Value; }
    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& Value) { FTitle = Value; }
    std::string ExeName() const;

    // Shows the main form and runs the message loop until Terminate.
    void Run();
    void Terminate();
    bool Terminated() const { return FTerminated; }
    // Handles every pending message and returns.
    void ProcessMessages();
    // Shows the message of an error that ended a command (error box).
    void ShowException(const std::exception& E);
    // A message box with MB_ flags; answers IDOK, IDYES, ...
    int MessageBox(const std::string& Text, const std::string& Caption, unsigned Flags = 0);

private:
    void RegisterForm(TForm* Form);
    TForm* FMainForm = nullptr;
    bool FShowMainForm = true;
    bool FMainFormOnTaskBar = true;
    bool FTerminated = false;
    std::string FTitle;
};

struct TMonitorRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

class TScreen {
public:
    int Width() const;
    int Height() const;
    // The desktop without task bars.
    TMonitorRect WorkAreaRect() const;
    int WorkAreaWidth() const { return WorkAreaRect().Right - WorkAreaRect().Left; }
    int WorkAreaHeight() const { return WorkAreaRect().Bottom - WorkAreaRect().Top; }
    int PixelsPerInch() const { return 96; }
    // The pointer shape of the whole program; crDefault lets each control
    // show its own.
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor Value);
    TForm* ActiveForm() const;
    TWinControl* ActiveControl() const;
    int FormCount() const { return static_cast<int>(FForms.size()); }
    TForm* Forms(int Index) const { return FForms.at(static_cast<size_t>(Index)); }

private:
    friend class TApplication;
    friend class TForm;
    TCursor FCursor = crDefault;
    std::vector<TForm*> FForms;
};

class TMouse {
public:
    TPoint CursorPos() const;
    void SetCursorPos(TPoint P);
    // Wheel lines per notch as the system sets it.
    int WheelScrollLines() const;
    TControl* Capture() const;
};

// While one lives, the user's input to every window (keys, mouse, wheel,
// a window's close button) is dropped, while painting and timers go on and
// the pointer shows the wait cursor: for a wait the user watches but must
// not act in. Input that arrives meanwhile is not kept for later.
class TInputBlock {
public:
    TInputBlock();
    ~TInputBlock();
    TInputBlock(const TInputBlock&) = delete;
    TInputBlock& operator=(const TInputBlock&) = delete;

private:
    struct TImpl;
    std::unique_ptr<TImpl> FImpl;
};

// Created on first use; live until the program ends.
extern TApplication* Application;
extern TScreen* Screen;
extern TMouse* Mouse;
// Makes sure the three objects above exist (the program and tests call it
// before creating forms).
void InitApplication();

// The system's short warning sound, as for a key or a paste an edit refuses.
void Beep();

// The state of a key or mouse button at the moment: the high bit (value
// negative) when it is down, as the grid's key-state checks expect.
short GetKeyState(int VirtualKey);
short GetAsyncKeyState(int VirtualKey);

}  // namespace plat
