#pragma once
// Forms: the windows of the program. A form owns its controls, shows itself
// modelessly or modally, and asks its handlers before it closes.

#include <string>

#include "platform/Controls.h"

namespace plat {

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TPosition { poDesigned, poDefault, poScreenCenter, poDesktopCenter, poMainFormCenter, poOwnerFormCenter };
enum TCloseAction { caNone, caHide, caFree, caMinimize };

using TBorderIcons = unsigned;
constexpr TBorderIcons biSystemMenu = 1u << 0;
constexpr TBorderIcons biMinimize = 1u << 1;
constexpr TBorderIcons biMaximize = 1u << 2;

// Modal results: what closed a modal form (also the answers of message boxes).
using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrClose = 11;
// The "to all" answers sit after the numbers the message-box layer keeps for
// its own buttons, so a stored or compared 12 keeps meaning "all".
constexpr TModalResult mrAll = 12;
constexpr TModalResult mrNoToAll = 13;
constexpr TModalResult mrYesToAll = 14;

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

class TForm : public TWinControl {
public:
    explicit TForm(TComponent* AOwner);
    ~TForm() override;

    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle Value);
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons Value);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition Value) { FPosition = Value; }
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    int ClientWidth() const override;
    int ClientHeight() const override;
    void SetClientWidth(int Value) override;
    void SetClientHeight(int Value) override;
    // Forms of this program are laid out in pixels and never rescaled.
    bool Scaled() const { return false; }

    // Keys reach the form's OnKeyDown / OnKeyPress before the focused control.
    bool KeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool Value) { FKeyPreview = Value; }

    TWinControl* ActiveControl() const;
    void SetActiveControl(TWinControl* Control);

    void Show();
    void Hide();
    // Shows the form and runs a message loop until ModalResult is set (by a
    // button, by code or by closing the window) and the form agrees to close
    // (OnCloseQuery, then OnClose with caNone keeping it open).
    TModalResult ShowModal();
    bool Modal() const { return FModalLevel > 0; }
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value);
    // Asks OnCloseQuery, then OnClose; hides (or ends the program for the
    // main form) unless a handler refuses.
    void Close();
    bool CloseQuery();
    // Called by TApplication::CreateForm after construction (fires OnCreate).
    virtual void DoCreate();

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnResize;  // after the form took a new size
    TNotifyEvent OnDestroy;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

protected:
    void Dispatch(TMessage& Message) override;
    void WMSize(TMessage& Message) override;
    void VisibleChanging(bool Value) override;
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& Action);

private:
    friend struct TNativeAccess;
    void CenterOnScreen();
    bool IsFixedBorder() const;
    void ApplyWindowFlags();
    bool TryCloseModal();

    TFormBorderStyle FBorderStyle = bsSizeable;
    TBorderIcons FBorderIcons = biSystemMenu | biMinimize | biMaximize;
    TPosition FPosition = poDesigned;
    bool FKeyPreview = false;
    TModalResult FModalResult = mrNone;
    int FModalLevel = 0;
    bool FShownOnce = false;
    bool FClosing = false;
};

}  // namespace plat
