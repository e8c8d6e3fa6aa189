#include "platform/Application.h"

#include <QApplication>
#include <QCursor>
#include <QScreen>
#include <QWidget>

#include "platform/Dialogs.h"
#include "platform/GuiApp.h"
#include "platform/NativeBridge.h"
#include "platform/ScriptState.h"

namespace plat {

TApplication* Application = nullptr;
TScreen* Screen = nullptr;
TMouse* Mouse = nullptr;

void InitApplication() {
    EnsureGuiApplication();
    if (Application == nullptr) Application = new TApplication();
    if (Screen == nullptr) Screen = new TScreen();
    if (Mouse == nullptr) Mouse = new TMouse();
}

TApplication::TApplication() : TComponent(nullptr) { EnsureGuiApplication(); }

TApplication::~TApplication() {
    FMainForm = nullptr;
    if (Application == this) Application = nullptr;
}

void TApplication::Initialize() { InitApplication(); }

void TApplication::RegisterForm(TForm* Form) {
    if (FMainForm == nullptr) FMainForm = Form;
}

std::string TApplication::ExeName() const { return FromQ(QCoreApplication::applicationFilePath()); }

void TApplication::Run() {
    // The program ends when its main form closes (Terminate), not when the
    // toolkit sees no window left, as between a dialog and the next.
    QApplication::setQuitOnLastWindowClosed(false);
    if (FMainForm != nullptr && FShowMainForm && !FTerminated) FMainForm->Show();
    // A handler may already have ended the program before the loop starts.
    if (!FTerminated) QApplication::exec();
}

void TApplication::Terminate() {
    FTerminated = true;
    QCoreApplication::exit(0);
}

void TApplication::ProcessMessages() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void TApplication::ShowException(const std::exception& E) { MessageDlg(E.what(), mtError, mbOK); }

int TApplication::MessageBox(const std::string& Text, const std::string& Caption, unsigned Flags) {
    TMsgDlgButtons buttons = mbOK;
    switch (Flags & 0x0F) {
        case MB_OKCANCEL: buttons = mbOK | mbCancel; break;
        case MB_ABORTRETRYIGNORE: buttons = mbAbort | mbRetry | mbIgnore; break;
        case MB_YESNOCANCEL: buttons = mbYes | mbNo | mbCancel; break;
        case MB_YESNO: buttons = mbYes | mbNo; break;
        case MB_RETRYCANCEL: buttons = mbRetry | mbCancel; break;
        default: break;
    }
    TMsgDlgType type = mtCustom;
    switch (Flags & 0xF0) {
        case MB_ICONERROR: type = mtError; break;
        case MB_ICONQUESTION: type = mtConfirmation; break;
        case MB_ICONWARNING: type = mtWarning; break;
        case MB_ICONINFORMATION: type = mtInformation; break;
        default: break;
    }
    // The box answers share their numbers with the modal results.
    return MessageDlgCaption(Caption, Text, type, buttons);
}

namespace {

// Drops what the user does; everything the program does itself passes.
class TInputEater : public QObject {
protected:
    bool eventFilter(QObject* Watched, QEvent* e) override {
        switch (e->type()) {
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
            case QEvent::ShortcutOverride:
            case QEvent::Shortcut:
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::Wheel:
            case QEvent::ContextMenu:
            case QEvent::TouchBegin:
            case QEvent::TouchUpdate:
            case QEvent::TouchEnd:
            case QEvent::TabletPress:
            case QEvent::TabletRelease:
            case QEvent::DragEnter:
            case QEvent::Drop:
                return true;
            case QEvent::Close:
                // Only a window's own close is the user's; the program's
                // closing of a widget goes on.
                if (auto* w = qobject_cast<QWidget*>(Watched); w != nullptr && w->isWindow() && e->spontaneous()) {
                    e->ignore();
                    return true;
                }
                return false;
            default:
                return false;
        }
    }
};

}  // namespace

struct TInputBlock::TImpl {
    TInputEater eater;
    TCursor cursor = crDefault;
};

TInputBlock::TInputBlock() : FImpl(std::make_unique<TImpl>()) {
    InitApplication();
    qApp->installEventFilter(&FImpl->eater);
    FImpl->cursor = Screen->Cursor();
    Screen->SetCursor(crHourGlass);
}

TInputBlock::~TInputBlock() {
    qApp->removeEventFilter(&FImpl->eater);
    if (Screen != nullptr) Screen->SetCursor(FImpl->cursor);
}

int TScreen::Width() const {
    QScreen* s = QGuiApplication::primaryScreen();
    return s == nullptr ? 0 : s->geometry().width();
}

int TScreen::Height() const {
    QScreen* s = QGuiApplication::primaryScreen();
    return s == nullptr ? 0 : s->geometry().height();
}

TMonitorRect TScreen::WorkAreaRect() const {
    QScreen* s = QGuiApplication::primaryScreen();
    if (s == nullptr) return {};
    QRect r = s->availableGeometry();
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

void TScreen::SetCursor(TCursor Value) {
    if (Value == FCursor) return;
    if (FCursor != crDefault) QApplication::restoreOverrideCursor();
    FCursor = Value;
    if (Value == crHourGlass) QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    else if (Value == crHandPoint) QApplication::setOverrideCursor(QCursor(Qt::PointingHandCursor));
    else if (Value == crDrag) QApplication::setOverrideCursor(QCursor(Qt::DragMoveCursor));
    else if (Value != crDefault) QApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
}

TForm* TScreen::ActiveForm() const {
    QWidget* w = QApplication::activeWindow();
    return w == nullptr ? nullptr : dynamic_cast<TForm*>(TNativeAccess::ControlOf(w));
}

TWinControl* TScreen::ActiveControl() const {
    QWidget* w = QApplication::focusWidget();
    return w == nullptr ? nullptr : dynamic_cast<TWinControl*>(TNativeAccess::ControlOf(w));
}

TPoint TMouse::CursorPos() const {
    QPoint p = QCursor::pos();
    return {p.x(), p.y()};
}

void TMouse::SetCursorPos(TPoint P) { QCursor::setPos(P.X, P.Y); }

int TMouse::WheelScrollLines() const { return QApplication::wheelScrollLines(); }

TControl* TMouse::Capture() const {
    QWidget* w = QWidget::mouseGrabber();
    return w == nullptr ? nullptr : TNativeAccess::ControlOf(w);
}

short GetAsyncKeyState(int VirtualKey) { return GetKeyState(VirtualKey); }

void Beep() {
    test::internal::RecordBeep();
    QApplication::beep();
}

short GetKeyState(int VirtualKey) {
    return IsKeyDown(static_cast<unsigned short>(VirtualKey)) ? static_cast<short>(-32768) : 0;
}

}  // namespace plat
