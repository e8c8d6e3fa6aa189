#pragma once
// Hooks that let tests drive windows headless: answers for the next message
// boxes and file dialogs, scripts for modal forms, and input sent to a
// control through the toolkit's own event path.
//
//   plat::test::TScriptedUi ui;              // nothing blocks from here on
//   ui.AnswerBox(plat::mrYes);
//   ui.OnModal([&](plat::TForm& f) { f.FindComponent("Btn_OK") ...; return plat::mrNone; });
//   FParGen->ShowModal();
//   EXPECT_EQ(ui.Boxes().at(0).Text, "...");

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/Balloon.h"
#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "platform/Forms.h"

namespace plat::test {

struct TShownBox {
    std::string Caption;
    std::string Text;
    TMsgDlgType Type = mtInformation;
    TMsgDlgButtons Buttons = 0;
    TModalResult Result = mrNone;
};

struct TShownFileDialog {
    TFileDialogKind Kind = fdOpen;
    std::string Title;
    std::string Filter;
    std::string InitialDir;
    std::string FileName;  // what the dialog started with
};

// While one exists, no box or dialog waits for a person: a queued answer is
// taken, otherwise a box answers its first button (OK, Yes, ...) and a file
// dialog is cancelled; every box is recorded. Modal forms run the queued
// script once shown; without one they close at once with mrCancel, and a
// form still open after its script (a refused close, a failed data check)
// goes with mrCancel without being asked again.
class TScriptedUi {
public:
    TScriptedUi();
    ~TScriptedUi();
    TScriptedUi(const TScriptedUi&) = delete;
    TScriptedUi& operator=(const TScriptedUi&) = delete;

    void AnswerBox(TModalResult Result);
    const std::vector<TShownBox>& Boxes() const;
    void AnswerFileDialog(const std::string& Path);
    void CancelFileDialog();
    const std::vector<TShownFileDialog>& FileDialogs() const;
    // Runs once the next modal form is shown; a result other than mrNone
    // then closes the form with it (the script may also close it itself,
    // for instance by clicking its OK button).
    void OnModal(std::function<TModalResult(TForm&)> Script);
    // Links and documents ShellOpen was asked to open (none is opened).
    const std::vector<std::string>& OpenedLinks() const;
};

// True while a TScriptedUi exists.
bool Scripted();

// How many times the program has beeped (Beep) since it started.
int BeepCount();

// Input through the toolkit's event system, so it takes the path real input
// takes (filters, focus, WndProc). Key is a virtual key code; Text is what the
// key types (empty for none). The keys of the numeric keypad (VK_NUMPAD0 to
// VK_DIVIDE) are pressed there, not on the main block.
void SendKey(TControl& Control, unsigned short Key, TShiftState Shift = 0, const std::string& Text = "");
// Types each character of Text (UTF-8) as a key press and release.
void TypeText(TControl& Control, const std::string& Text);
void MouseDown(TControl& Control, TMouseButton Button, int X, int Y, TShiftState Shift = 0);
void MouseUp(TControl& Control, TMouseButton Button, int X, int Y, TShiftState Shift = 0);
void MouseMove(TControl& Control, int X, int Y, TShiftState Shift = 0);
// Press and release at (X, Y); the centre of the control when X is negative.
void ClickAt(TControl& Control, int X = -1, int Y = -1);
void DoubleClickAt(TControl& Control, int X, int Y);
// Asks for the control's menu at (X, Y) as a right click does; the menu
// that opens is TPopupMenu::Showing(), its entries chosen with Pick.
void ContextMenuAt(TControl& Control, int X, int Y);
// Picks entry Index of a combo box's dropped-down list the way the list
// takes a pick (the entry made current, then taken); false when the list is
// not dropped down or has no such entry.
bool PickDroppedItem(TControl& Combo, int Index);
void Wheel(TControl& Control, int Delta, int X, int Y, TShiftState Shift = 0);
void MouseEnter(TControl& Control);
void MouseLeave(TControl& Control);
// Handles pending events (posted messages, timers that are due).
void ProcessEvents();
// Handles events for about Ms milliseconds.
void Wait(int Ms);

// The control as it shows now, as an image: the colour at one pixel
// (RGB as red, green, blue), and a PNG file of the whole control.
struct TRgb {
    int R = 0, G = 0, B = 0;
    friend bool operator==(const TRgb&, const TRgb&) = default;
};
TRgb PixelAt(TControl& Control, int X, int Y);
// How many pixels of the control show exactly that colour.
int CountPixels(TControl& Control, TRgb Colour);
// The size the toolkit itself asks for the control's widget, measured
// afresh, to check the sizes our controls take against.
TPoint ToolkitSizeHint(TControl& Control);
// Where the control's widget stands on its parent, as the toolkit has it
// now (nothing is measured or settled first).
TRect ToolkitGeometry(TControl& Control);
bool SaveScreenshot(TControl& Control, const std::string& PngPath);
// The hint the control shows when the pointer rests at (X, Y): the
// toolkit's hint request is sent as if the pointer had stopped there.
// False when no hint shows.
struct TShownHint {
    std::string Text;
    TPoint ScreenPos;  // top-left corner of the hint window
    TRgb Color;
    int Width = 0;
};
bool HintAt(TControl& Control, int X, int Y, TShownHint& Hint);
void HideHint();
// A balloon as it shows; where it is see-through the alpha is 0.
struct TPicture {
    int Width = 0, Height = 0;
    std::vector<TRgb> Pixels;  // row by row
    std::vector<int> Alphas;
    TRgb At(int X, int Y) const { return Pixels[static_cast<size_t>(Y * Width + X)]; }
    int AlphaAt(int X, int Y) const { return Alphas[static_cast<size_t>(Y * Width + X)]; }
};
TPicture PictureOf(TBalloonWindow& Balloon);
// The control as it shows now, taken once: for a test that reads many pixels.
TPicture PictureOf(TControl& Control);
bool SaveScreenshot(TBalloonWindow& Balloon, const std::string& PngPath);
// The frame of a real message box, one no script answers, as it shows.
// A button the box does not rule out itself is left to the window manager,
// which gives it to any window: it counts as shown.
struct TBoxFrame {
    bool Shown = false;
    std::string Caption;
    bool CloseButton = false;
    bool MinimizeButton = false;
    bool MaximizeButton = false;
    bool FixedSize = false;
    TForm* Owner = nullptr;  // the window the box belongs to
};
// Runs Show, which puts up a real box, and closes that box by its frame's
// close button as soon as it shows. Not for use while a TScriptedUi exists.
TBoxFrame CloseRealBox(const std::function<void()>& Show);
// A table as a screen reader finds it through the toolkit's accessibility
// interface: what the control reports, read back cell by cell.
struct TAccessibleCellView {
    bool Valid = false;
    std::string Name;
    std::string Description;  // the column's header
    std::string Role;         // "cell" or "check box"
    bool Checkable = false, Checked = false;
    bool Selected = false, Focused = false;
    int Col = -1, Row = -1;
    bool operator==(const TAccessibleCellView&) const = default;
};
struct TAccessibleTableView {
    bool IsTable = false;  // the control reports the table interface
    int Rows = 0, Cols = 0;
    int Children = 0;
    std::vector<std::string> ColumnHeaders;
    std::vector<TAccessibleCellView> Current;  // the selected cells, at most the current one
    TAccessibleCellView FocusChild;            // the cell a reader lands on when the table has the focus
};
TAccessibleTableView AccessibleTableOf(TControl& Control);
TAccessibleCellView AccessibleCellOf(TControl& Control, int Col, int Row);
std::string AccessibleRowHeaderOf(TControl& Control, int Row);
// A screen reader moving the current cell to another row of the table.
bool AccessibleSelectRow(TControl& Control, int Row);
// While one lives, accessibility is on and the cells that get the focus,
// as a reader is told of them, are noted in order.
class TAccessibleListener {
public:
    TAccessibleListener();
    ~TAccessibleListener();
    TAccessibleListener(const TAccessibleListener&) = delete;
    TAccessibleListener& operator=(const TAccessibleListener&) = delete;
    const std::vector<TAccessibleCellView>& Focused() const;
};
// The accessible name and role text the toolkit reports for the control.
std::string AccessibleNameOf(TControl& Control);
std::string AccessibleRoleOf(TControl& Control);

}  // namespace plat::test
