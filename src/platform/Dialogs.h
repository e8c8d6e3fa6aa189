#pragma once
// Message boxes and the file and folder dialogs.

#include <string>

#include "platform/Classes.h"
#include "platform/Forms.h"

namespace plat {

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

using TMsgDlgButtons = unsigned;
constexpr TMsgDlgButtons mbYes = 1u << 0;
constexpr TMsgDlgButtons mbNo = 1u << 1;
constexpr TMsgDlgButtons mbOK = 1u << 2;
constexpr TMsgDlgButtons mbCancel = 1u << 3;
constexpr TMsgDlgButtons mbAbort = 1u << 4;
constexpr TMsgDlgButtons mbRetry = 1u << 5;
constexpr TMsgDlgButtons mbIgnore = 1u << 6;
constexpr TMsgDlgButtons mbAll = 1u << 7;
constexpr TMsgDlgButtons mbNoToAll = 1u << 8;
constexpr TMsgDlgButtons mbYesToAll = 1u << 9;
constexpr TMsgDlgButtons mbClose = 1u << 10;
constexpr TMsgDlgButtons mbYesNo = mbYes | mbNo;
constexpr TMsgDlgButtons mbYesNoCancel = mbYes | mbNo | mbCancel;
constexpr TMsgDlgButtons mbOKCancel = mbOK | mbCancel;

// Shows a modal message box with the program's title; answers the modal
// result of the button pressed (mrCancel, or mrNo/mrOk when the box has no
// Cancel button, when it is closed by its frame).
TModalResult MessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx = 0);
// A box with a caption of its own.
TModalResult MessageDlgCaption(const std::string& Caption, const std::string& Msg, TMsgDlgType DlgType,
                               TMsgDlgButtons Buttons);
// An information box with one OK button.
void ShowMessage(const std::string& Msg);

// Flags of TApplication::MessageBox (buttons, then icon) and its answers.
constexpr unsigned MB_OK = 0x00;
constexpr unsigned MB_OKCANCEL = 0x01;
constexpr unsigned MB_ABORTRETRYIGNORE = 0x02;
constexpr unsigned MB_YESNOCANCEL = 0x03;
constexpr unsigned MB_YESNO = 0x04;
constexpr unsigned MB_RETRYCANCEL = 0x05;
constexpr unsigned MB_ICONERROR = 0x10;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONWARNING = 0x30;
constexpr unsigned MB_ICONINFORMATION = 0x40;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

using TOpenOptions = unsigned;
constexpr TOpenOptions ofOverwritePrompt = 1u << 0;
constexpr TOpenOptions ofHideReadOnly = 1u << 1;
constexpr TOpenOptions ofFileMustExist = 1u << 2;
constexpr TOpenOptions ofPathMustExist = 1u << 3;
constexpr TOpenOptions ofAllowMultiSelect = 1u << 4;
constexpr TOpenOptions ofEnableSizing = 1u << 5;

enum TFileDialogKind { fdOpen, fdSave, fdFolder };

// File open and save dialogs. Filter pairs a description and a pattern
// list: "Text (*.txt)|*.txt|All (*.*)|*.*". DefaultExt (without the dot, a
// leading "*." or "." is ignored) is appended to a name typed without one.
class TOpenDialog : public TComponent {
public:
    explicit TOpenDialog(TComponent* AOwner);
    std::string FileName;
    std::string Filter;
    int FilterIndex = 1;
    std::string DefaultExt;
    std::string InitialDir;
    std::string Title;
    TOpenOptions Options = ofHideReadOnly | ofEnableSizing;
    // Shows the dialog; true with FileName set when the user confirmed.
    virtual bool Execute();

protected:
    TFileDialogKind FKind = fdOpen;
};

class TSaveDialog : public TOpenDialog {
public:
    explicit TSaveDialog(TComponent* AOwner);
};

// Lets the user pick a folder; true with Directory set when confirmed.
bool SelectDirectory(const std::string& Caption, const std::string& Root, std::string& Directory);

}  // namespace plat
