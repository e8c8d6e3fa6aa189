#include "platform/Forms.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "platform/Application.h"
#include "platform/NativeBridge.h"
#include "platform/ScriptState.h"

namespace plat {

namespace {

// Top-level widget of a form: closing it by its frame asks the form.
class TFormWidget : public QWidget {
public:
    explicit TFormWidget(TForm* Form) : QWidget(nullptr, Qt::Window), FForm(Form) { setAutoFillBackground(true); }
    void Detach() { FForm = nullptr; }

protected:
    void closeEvent(QCloseEvent* e) override {
        e->ignore();
        if (FForm != nullptr) SafeCall([this] { FForm->Close(); });
    }

private:
    TForm* FForm;
};

}  // namespace

TForm::TForm(TComponent* AOwner) : TWinControl(AOwner) {
    InitApplication();
    SetBounds(0, 0, 320, 240);
    TNativeAccess::Bind(*this, new TFormWidget(this));
    TNativeAccess::Widget(*this)->hide();
    TControl::SetVisible(false);
    Perform(CM_COLORCHANGED);
    ApplyWindowFlags();
    Screen->FForms.push_back(this);
}

TForm::~TForm() {
    if (OnDestroy) SafeCall([this] { OnDestroy(this); });
    if (QEventLoop* loop = TNativeAccess::Native(*this).ModalLoop) loop->exit();
    auto& forms = Screen->FForms;
    forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
    if (auto* w = dynamic_cast<TFormWidget*>(TNativeAccess::Widget(*this))) w->Detach();
}

void TForm::SetBorderStyle(TFormBorderStyle Value) {
    FBorderStyle = Value;
    ApplyWindowFlags();
}

void TForm::SetBorderIcons(TBorderIcons Value) {
    FBorderIcons = Value;
    ApplyWindowFlags();
}

void TForm::ApplyWindowFlags() {
    QWidget* w = TNativeAccess::Widget(*this);
    if (w == nullptr) return;
    Qt::WindowFlags f = Qt::Window;
    switch (FBorderStyle) {
        case bsNone: f |= Qt::FramelessWindowHint; break;
        case bsDialog: f = Qt::Dialog; break;
        case bsToolWindow:
        case bsSizeToolWin: f = Qt::Tool; break;
        default: break;
    }
    if (FBorderStyle != bsNone) {
        f |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (FBorderIcons & biSystemMenu) f |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if ((FBorderIcons & biMinimize) && FBorderStyle != bsDialog) f |= Qt::WindowMinimizeButtonHint;
        if ((FBorderIcons & biMaximize) && (FBorderStyle == bsSizeable || FBorderStyle == bsSingle))
            f |= Qt::WindowMaximizeButtonHint;
    }
    const bool shown = w->isVisible();
    w->setWindowFlags(f);
    if (IsFixedBorder()) w->setFixedSize(Width(), Height());
    else {
        w->setMinimumSize(0, 0);
        w->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    if (shown) w->show();
}

void TForm::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    // A fixed border keeps the size the program gives it, not the user.
    QWidget* w = TNativeAccess::Widget(*this);
    if (w != nullptr && IsFixedBorder()) w->setFixedSize(std::max(0, AWidth), std::max(0, AHeight));
    TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

bool TForm::IsFixedBorder() const {
    return FBorderStyle == bsSingle || FBorderStyle == bsDialog || FBorderStyle == bsToolWindow;
}

int TForm::ClientWidth() const { return Width(); }
int TForm::ClientHeight() const { return Height(); }
void TForm::SetClientWidth(int Value) { SetWidth(Value); }
void TForm::SetClientHeight(int Value) { SetHeight(Value); }

TWinControl* TForm::ActiveControl() const {
    QWidget* w = TNativeAccess::Widget(*this);
    QWidget* f = w == nullptr ? nullptr : w->focusWidget();
    if (f == nullptr) return nullptr;
    auto* c = dynamic_cast<TWinControl*>(TNativeAccess::ControlOf(f));
    return c == this ? nullptr : c;
}

void TForm::SetActiveControl(TWinControl* Control) {
    if (Control != nullptr) Control->SetFocus();
}

void TForm::CenterOnScreen() {
    QScreen* s = QGuiApplication::primaryScreen();
    if (s == nullptr) return;
    QRect area = s->availableGeometry();
    QRect frame(0, 0, Width(), Height());
    if (FPosition == poMainFormCenter || FPosition == poOwnerFormCenter) {
        TForm* m = Application->MainForm();
        if (m != nullptr && m != this && m->Visible())
            area = QRect(m->Left(), m->Top(), m->Width(), m->Height());
    }
    frame.moveCenter(area.center());
    SetBounds(frame.left(), frame.top(), Width(), Height());
    if (QWidget* w = TNativeAccess::Widget(*this)) w->move(frame.topLeft());
}

void TForm::VisibleChanging(bool Value) {
    if (Value) {
        if (FPosition != poDesigned && FPosition != poDefault) CenterOnScreen();
        DoShow();
    } else {
        DoHide();
    }
}

void TForm::Show() {
    SetVisible(true);
    if (QWidget* w = TNativeAccess::Widget(*this)) {
        w->raise();
        w->activateWindow();
        // Without a window manager that reports it (offscreen, a bare X
        // display) the toolkit still takes a window shown again for the one
        // that has the input, and drops its activation as no change: the
        // form would take no key and no click-to-edit. Such a form is made
        // the active one here, and the control that had the focus in it (or
        // the one OnShow chose) takes it again. A borderless form is the
        // pop-up of a control that keeps the focus itself.
        if (FBorderStyle != bsNone && QApplication::activeWindow() != w &&
            QGuiApplication::focusWindow() == w->windowHandle()) {
            QApplication::setActiveWindow(w);
            if (QWidget* f = w->focusWidget(); f != nullptr && QApplication::focusWidget() != f)
                f->setFocus(Qt::ActiveWindowFocusReason);
        }
    }
}

void TForm::Hide() { SetVisible(false); }

void TForm::DoShow() {
    if (OnShow) OnShow(this);
}
void TForm::DoHide() {
    if (OnHide) OnHide(this);
}
void TForm::DoClose(TCloseAction& Action) {
    if (OnClose) OnClose(this, Action);
}
void TForm::DoCreate() {
    if (OnCreate) OnCreate(this);
}

bool TForm::CloseQuery() {
    bool can = true;
    if (OnCloseQuery) OnCloseQuery(this, can);
    return can;
}

void TForm::SetModalResult(TModalResult Value) {
    FModalResult = Value;
    if (Value != mrNone)
        if (QEventLoop* loop = TNativeAccess::Native(*this).ModalLoop) loop->exit();
}

bool TForm::TryCloseModal() {
    if (!CloseQuery()) return false;
    TCloseAction action = caHide;
    DoClose(action);
    return action != caNone;
}

TModalResult TForm::ShowModal() {
    QWidget* w = TNativeAccess::Widget(*this);
    FModalResult = mrNone;
    ++FModalLevel;
    w->setWindowModality(Qt::ApplicationModal);
    Show();
    if (test::Scripted()) {
        auto script = test::internal::TakeModalScript();
        QTimer::singleShot(0, w, [this, script] {
            SafeCall([&] {
                TModalResult r = script ? script(*this) : mrCancel;
                if (r != mrNone) SetModalResult(r);
            });
            // A script that leaves the form open would hang the test.
            if (FModalResult == mrNone) SetModalResult(mrCancel);
        });
    }
    QEventLoop loop;
    QEventLoop* outer = TNativeAccess::Native(*this).ModalLoop;
    TNativeAccess::Native(*this).ModalLoop = &loop;
    for (;;) {
        if (FModalResult == mrNone) loop.exec();
        if (Application->Terminated() || Destroying()) {
            if (FModalResult == mrNone) FModalResult = mrCancel;
            break;
        }
        bool closing = false;
        SafeCall([&] { closing = TryCloseModal(); });
        if (closing) break;
        if (test::Scripted()) {
            // The script is over and the form refused to close: a test must
            // not hang, so the form goes without asking again.
            FModalResult = mrCancel;
            break;
        }
        FModalResult = mrNone;
    }
    TNativeAccess::Native(*this).ModalLoop = outer;
    const TModalResult result = FModalResult;
    --FModalLevel;
    Hide();
    w->setWindowModality(Qt::NonModal);
    return result;
}

void TForm::Close() {
    if (FClosing) return;
    if (Modal()) {
        SetModalResult(mrCancel);
        return;
    }
    FClosing = true;
    struct Reset {
        bool& f;
        ~Reset() { f = false; }
    } reset{FClosing};
    if (!CloseQuery()) return;
    TCloseAction action = caHide;
    DoClose(action);
    if (action == caNone) return;
    if (Application != nullptr && Application->MainForm() == this) {
        Hide();
        Application->Terminate();
        return;
    }
    Hide();
    if (action == caFree) {
        QWidget* w = TNativeAccess::Widget(*this);
        QTimer::singleShot(0, w, [this] { delete this; });
    }
}

void TForm::WMSize(TMessage& Message) {
    TWinControl::WMSize(Message);
    if (OnResize) OnResize(this);
}

void TForm::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
        case CM_TEXTCHANGED:
            if (QWidget* w = TNativeAccess::Widget(*this)) w->setWindowTitle(ToQ(Caption()));
            break;
        case CM_DIALOGKEY:
        case CM_DIALOGCHAR: {
            // Default and cancel buttons answer Enter and Escape, captions
            // their accelerators; the first control that takes it ends it.
            std::vector<TControl*> todo{this};
            while (!todo.empty() && Message.Result == 0) {
                TControl* c = todo.back();
                todo.pop_back();
                if (c != this && c->Visible() && c->Enabled()) c->WndProc(Message);
                if (auto* wc = dynamic_cast<TWinControl*>(c))
                    for (int i = wc->ControlCount() - 1; i >= 0; --i) todo.push_back(wc->Controls(i));
            }
            return;
        }
        case CM_FOCUSCHANGED: {
            std::vector<TControl*> todo{this};
            while (!todo.empty()) {
                TControl* c = todo.back();
                todo.pop_back();
                if (c != this) c->WndProc(Message);
                if (auto* wc = dynamic_cast<TWinControl*>(c))
                    for (int i = wc->ControlCount() - 1; i >= 0; --i) todo.push_back(wc->Controls(i));
            }
            return;
        }
        case CM_ACTIVATE:
            if (OnActivate) OnActivate(this);
            break;
        case CM_DEACTIVATE:
            if (OnDeactivate) OnDeactivate(this);
            break;
        default: break;
    }
    TWinControl::Dispatch(Message);
}

}  // namespace plat
