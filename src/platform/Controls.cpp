#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QFocusEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QResizeEvent>
#include <QTimerEvent>
#include <QToolTip>
#include <QWheelEvent>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <map>
#include <set>

#include "platform/Application.h"
#include "platform/Bitmap.h"
#include "platform/Forms.h"
#include "platform/GuiApp.h"
#include "platform/NativeBridge.h"
#include "platform/QtCanvas.h"

namespace plat {

namespace {

// The keyboard as the last input event left it: tests send keys through the
// toolkit, so this follows them too (the toolkit's own query would only see
// the real keyboard).
Qt::KeyboardModifiers g_modifiers;
Qt::MouseButtons g_buttons;
std::set<unsigned short> g_keysDown;
// Set while a key event made by the layer itself goes to a widget.
bool g_bypass = false;

void NoteInput(const QInputEvent* e) {
    g_modifiers = e->modifiers();
    if (auto* m = dynamic_cast<const QMouseEvent*>(e)) g_buttons = m->buttons();
}

intptr_t MouseKeys(Qt::KeyboardModifiers mods, Qt::MouseButtons buttons) {
    intptr_t k = 0;
    if (buttons & Qt::LeftButton) k |= MK_LBUTTON;
    if (buttons & Qt::RightButton) k |= MK_RBUTTON;
    if (buttons & Qt::MiddleButton) k |= MK_MBUTTON;
    if (mods & Qt::ShiftModifier) k |= MK_SHIFT;
    if (mods & Qt::ControlModifier) k |= MK_CONTROL;
    return k;
}

TShiftState ShiftFromMouseKeys(intptr_t keys) {
    TShiftState s = 0;
    if (keys & MK_SHIFT) s |= ssShift;
    if (keys & MK_CONTROL) s |= ssCtrl;
    if (keys & MK_LBUTTON) s |= ssLeft;
    if (keys & MK_RBUTTON) s |= ssRight;
    if (keys & MK_MBUTTON) s |= ssMiddle;
    if (g_modifiers & Qt::AltModifier) s |= ssAlt;
    return s;
}

// Widget of a custom-drawn control: painting and all input go to WndProc.
class TCustomWidget : public QWidget {
public:
    explicit TCustomWidget(TCustomControl* Control) : FControl(Control) {
        setAttribute(Qt::WA_Hover, false);
        setMouseTracking(true);
        setFocusPolicy(Qt::ClickFocus);
    }
    void Detach() { FControl = nullptr; }
    TCustomControl* Control() const { return FControl; }

protected:
    void paintEvent(QPaintEvent*) override {
        if (FControl == nullptr) return;
        QPainter painter(this);
        if (!(FControl->ControlStyle() & csOpaque)) painter.fillRect(rect(), ToQColor(FControl->Color()));
        CanvasPaintScope bind(FControl->Canvas(), &painter);
        SafeCall([&] { FControl->Perform(WM_PAINT); });
    }

private:
    TCustomControl* FControl;
};

class TCustomAccessible : public QAccessibleWidget {
public:
    TCustomAccessible(TCustomWidget* w, QAccessible::Role role) : QAccessibleWidget(w, role) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return widget()->accessibleName();
        return QAccessibleWidget::text(t);
    }
    QAccessible::Role role() const override {
        auto* w = static_cast<TCustomWidget*>(widget());
        if (w->Control() == nullptr) return QAccessible::Client;
        switch (w->Control()->AccessibleRole()) {
            case arButton: return QAccessible::Button;
            case arTable: return QAccessible::Table;
            case arCheckButton: return QAccessible::CheckBox;
            case arStaticText: return QAccessible::StaticText;
            case arComboBox: return QAccessible::ComboBox;
            case arList: return QAccessible::List;
            default: return QAccessible::Client;
        }
    }
};

QAccessibleInterface* CustomAccessibleFactory(const QString&, QObject* object) {
    if (auto* w = dynamic_cast<TCustomWidget*>(object)) {
        if (w->Control() != nullptr && w->Control()->AccessibleTable() != nullptr)
            return NewTableAccessible(w, w->Control());
        return new TCustomAccessible(w, QAccessible::Client);
    }
    return nullptr;
}

void InstallAccessibleFactory() {
    static bool done = false;
    if (done) return;
    done = true;
    QAccessible::installFactory(&CustomAccessibleFactory);
}

}  // namespace

// --- helpers ---------------------------------------------------------------

QString ToQ(const std::string& Text) { return QString::fromUtf8(Text.data(), static_cast<qsizetype>(Text.size())); }
std::string FromQ(const QString& Text) { return Text.toStdString(); }

void SafeCall(const std::function<void()>& Action) {
    try {
        Action();
    } catch (const std::exception& e) {
        if (Application != nullptr) Application->ShowException(e);
    } catch (...) {
        if (Application != nullptr) Application->ShowException(std::runtime_error("Unknown error"));
    }
}

TShiftState ShiftFromModifiers(Qt::KeyboardModifiers m, Qt::MouseButtons b) {
    TShiftState s = 0;
    if (m & Qt::ShiftModifier) s |= ssShift;
    if (m & Qt::ControlModifier) s |= ssCtrl;
    if (m & Qt::AltModifier) s |= ssAlt;
    if (b & Qt::LeftButton) s |= ssLeft;
    if (b & Qt::RightButton) s |= ssRight;
    if (b & Qt::MiddleButton) s |= ssMiddle;
    return s;
}

namespace {
const struct {
    int qt;
    unsigned short vk;
} kKeyTable[] = {
    {Qt::Key_Backspace, VK_BACK}, {Qt::Key_Tab, VK_TAB},       {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Return, VK_RETURN},  {Qt::Key_Enter, VK_RETURN},  {Qt::Key_Shift, VK_SHIFT},
    {Qt::Key_Control, VK_CONTROL}, {Qt::Key_Alt, VK_MENU},     {Qt::Key_Pause, VK_PAUSE},
    {Qt::Key_CapsLock, VK_CAPITAL}, {Qt::Key_Escape, VK_ESCAPE}, {Qt::Key_Space, VK_SPACE},
    {Qt::Key_PageUp, VK_PRIOR},   {Qt::Key_PageDown, VK_NEXT}, {Qt::Key_End, VK_END},
    {Qt::Key_Home, VK_HOME},      {Qt::Key_Left, VK_LEFT},     {Qt::Key_Up, VK_UP},
    {Qt::Key_Right, VK_RIGHT},    {Qt::Key_Down, VK_DOWN},     {Qt::Key_Insert, VK_INSERT},
    {Qt::Key_Delete, VK_DELETE},  {Qt::Key_NumLock, VK_NUMLOCK}, {Qt::Key_ScrollLock, VK_SCROLL},
};
}  // namespace

namespace {
// Keys typed with Shift on the main block report the shifted symbol; the
// virtual key is that of the unshifted key (US layout).
const struct {
    int qt;
    unsigned short vk;
} kSymbolTable[] = {
    {Qt::Key_Semicolon, VK_OEM_1},    {Qt::Key_Colon, VK_OEM_1},       {Qt::Key_Equal, VK_OEM_PLUS},
    {Qt::Key_Plus, VK_OEM_PLUS},      {Qt::Key_Comma, VK_OEM_COMMA},   {Qt::Key_Less, VK_OEM_COMMA},
    {Qt::Key_Minus, VK_OEM_MINUS},    {Qt::Key_Underscore, VK_OEM_MINUS}, {Qt::Key_Period, VK_OEM_PERIOD},
    {Qt::Key_Greater, VK_OEM_PERIOD}, {Qt::Key_Slash, VK_OEM_2},       {Qt::Key_Question, VK_OEM_2},
    {Qt::Key_QuoteLeft, VK_OEM_3},    {Qt::Key_AsciiTilde, VK_OEM_3},  {Qt::Key_BracketLeft, VK_OEM_4},
    {Qt::Key_BraceLeft, VK_OEM_4},    {Qt::Key_Backslash, VK_OEM_5},   {Qt::Key_Bar, VK_OEM_5},
    {Qt::Key_BracketRight, VK_OEM_6}, {Qt::Key_BraceRight, VK_OEM_6},  {Qt::Key_Apostrophe, VK_OEM_7},
    {Qt::Key_QuoteDbl, VK_OEM_7},     {Qt::Key_Exclam, '1'},           {Qt::Key_At, '2'},
    {Qt::Key_NumberSign, '3'},        {Qt::Key_Dollar, '4'},           {Qt::Key_Percent, '5'},
    {Qt::Key_AsciiCircum, '6'},       {Qt::Key_Ampersand, '7'},        {Qt::Key_Asterisk, '8'},
    {Qt::Key_ParenLeft, '9'},         {Qt::Key_ParenRight, '0'},
};
}  // namespace

unsigned short VirtualKeyOf(int QtKey, Qt::KeyboardModifiers Modifiers) {
    for (const auto& k : kKeyTable)
        if (k.qt == QtKey) return k.vk;
    if (QtKey >= Qt::Key_F1 && QtKey <= Qt::Key_F24) return static_cast<unsigned short>(VK_F1 + (QtKey - Qt::Key_F1));
    if (QtKey >= Qt::Key_A && QtKey <= Qt::Key_Z) return static_cast<unsigned short>('A' + (QtKey - Qt::Key_A));
    if (Modifiers & Qt::KeypadModifier) {
        if (QtKey >= Qt::Key_0 && QtKey <= Qt::Key_9) return static_cast<unsigned short>(VK_NUMPAD0 + (QtKey - Qt::Key_0));
        switch (QtKey) {
            case Qt::Key_Asterisk: return VK_MULTIPLY;
            case Qt::Key_Plus: return VK_ADD;
            case Qt::Key_Minus: return VK_SUBTRACT;
            case Qt::Key_Slash: return VK_DIVIDE;
            case Qt::Key_Period:
            case Qt::Key_Comma: return VK_DECIMAL;
            default: break;
        }
    }
    if (QtKey >= Qt::Key_0 && QtKey <= Qt::Key_9) return static_cast<unsigned short>('0' + (QtKey - Qt::Key_0));
    for (const auto& k : kSymbolTable)
        if (k.qt == QtKey) return k.vk;
    return 0;
}

int QtKeyOf(unsigned short vk) {
    for (const auto& k : kKeyTable)
        if (k.vk == vk) return k.qt;
    if (vk >= VK_F1 && vk <= VK_F1 + 23) return Qt::Key_F1 + (vk - VK_F1);
    if (vk >= 'A' && vk <= 'Z') return Qt::Key_A + (vk - 'A');
    if (vk >= '0' && vk <= '9') return Qt::Key_0 + (vk - '0');
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD0 + 9) return Qt::Key_0 + (vk - VK_NUMPAD0);
    switch (vk) {
        case VK_MULTIPLY: return Qt::Key_Asterisk;
        case VK_ADD: return Qt::Key_Plus;
        case VK_SUBTRACT: return Qt::Key_Minus;
        case VK_DIVIDE: return Qt::Key_Slash;
        case VK_DECIMAL: return Qt::Key_Period;
        default: break;
    }
    // The unshifted symbol of a punctuation key.
    for (const auto& k : kSymbolTable)
        if (k.vk == vk && (k.qt < Qt::Key_Exclam || k.qt > Qt::Key_ParenRight)) return k.qt;
    return Qt::Key_unknown;
}

bool IsKeyDown(unsigned short vk) {
    switch (vk) {
        case VK_SHIFT: return (g_modifiers & Qt::ShiftModifier) != 0;
        case VK_CONTROL: return (g_modifiers & Qt::ControlModifier) != 0;
        case VK_MENU: return (g_modifiers & Qt::AltModifier) != 0;
        case VK_LBUTTON: return (g_buttons & Qt::LeftButton) != 0;
        case VK_RBUTTON: return (g_buttons & Qt::RightButton) != 0;
        case VK_MBUTTON: return (g_buttons & Qt::MiddleButton) != 0;
        default: return g_keysDown.count(vk) != 0;
    }
}

TShiftState KeyboardShiftState() { return ShiftFromModifiers(g_modifiers, g_buttons); }

// --- native access -------------------------------------------------------

QWidget* TNativeAccess::Widget(const TControl& Control) { return Control.FNative->Widget.data(); }

TControl* TNativeAccess::ControlOf(const QObject* Widget) {
    for (const QObject* o = Widget; o != nullptr; o = o->parent()) {
        QVariant v = o->property("plat_control");
        if (v.isValid()) return static_cast<TControl*>(v.value<void*>());
    }
    return nullptr;
}

void TNativeAccess::Bind(TControl& c, QWidget* w) {
    EnsureGuiApplication();
    auto& n = *c.FNative;
    n.Widget = w;
    n.Bridge = new TEventBridge(&c);
    w->setProperty("plat_control", QVariant::fromValue(static_cast<void*>(&c)));
    w->installEventFilter(n.Bridge);
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    if (w->parentWidget() == nullptr && dynamic_cast<TForm*>(&c) == nullptr) w->hide();
    w->setGeometry(c.FLeft, c.FTop, std::max(0, c.FWidth), std::max(0, c.FHeight));
    w->setFont(ToQFont(*c.FFont));
    w->setEnabled(c.FEnabled);
    if (!c.FText.empty()) c.Perform(CM_TEXTCHANGED);
}

void TNativeAccess::SettleBounds(TControl& c) { c.SettleBounds(); }

void TNativeAccess::SettleTree(TControl& c) {
    c.SettleBounds();
    if (auto* wc = dynamic_cast<TWinControl*>(&c))
        for (TControl* child : wc->FControls) SettleTree(*child);
}

void TNativeAccess::Watch(TControl& c, QWidget* Child) {
    Child->installEventFilter(c.FNative->Bridge);
}

void TNativeAccess::TextFromWidget(TControl& c, const std::string& Text) {
    if (c.FText == Text) return;
    c.FText = Text;
}

void TNativeAccess::SizeFromWidget(TControl& c, int Width, int Height) {
    if (c.FWidth == Width && c.FHeight == Height) return;
    c.FWidth = Width;
    c.FHeight = Height;
    c.Perform(WM_SIZE, 0, MakeLParam(Width, Height));
    if (auto* wc = dynamic_cast<TWinControl*>(&c)) wc->AlignControls();
}

void TNativeAccess::PosFromWidget(TControl& c, int Left, int Top) {
    c.FLeft = Left;
    c.FTop = Top;
}

void TNativeAccess::SetParentOnly(TControl& c, TWinControl* AParent) {
    if (c.FParent != nullptr) {
        auto& list = c.FParent->FControls;
        list.erase(std::remove(list.begin(), list.end(), &c), list.end());
    }
    c.FParent = AParent;
    if (AParent != nullptr) {
        AParent->FControls.push_back(&c);
        if (c.FParentFont) c.TakeParentFont(AParent->Font());
        if (c.FParentBiDiMode) c.TakeBiDiMode(AParent->BiDiMode());
    }
}

void TNativeAccess::CallClick(TControl& c) {
    SafeCall([&] { c.Click(); });
}

// --- event bridge ----------------------------------------------------------

bool TEventBridge::HandleKey(QObject* Watched, QKeyEvent* e, bool press) {
    auto* wc = dynamic_cast<TWinControl*>(FControl);
    if (wc == nullptr) return false;
    NoteInput(e);
    unsigned short vk = VirtualKeyOf(e->key(), e->modifiers());
    if (vk == 0 && !e->text().isEmpty()) {
        const char16_t ch = e->text().at(0).toUpper().unicode();
        if ((ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9')) vk = static_cast<unsigned short>(ch);
    }
    const bool custom = dynamic_cast<TCustomControl*>(FControl) != nullptr;
    const intptr_t keyData = vk == VK_DECIMAL ? KD_KEYPAD_DECIMAL : 0;
    // A key without a virtual key of its own (a letter of another alphabet)
    // only types its character.
    if (vk == 0 && !press) return custom;
    if (vk != 0) {
        // The control's own look at the key comes first (a button pressing
        // itself on Space); a handled key goes no further.
        TMessage cn{press ? CN_KEYDOWN : CN_KEYUP, vk, 0, 0};
        SafeCall([&] { FControl->WndProc(cn); });
        if (cn.Result != 0) {
            if (press) g_keysDown.insert(vk);
            else g_keysDown.erase(vk);
            return true;
        }
        if (!press) {
            g_keysDown.erase(vk);
            TMessage m{WM_KEYUP, vk, keyData, 0};
            SafeCall([&] { FControl->WndProc(m); });
            return custom || m.WParam == 0;
        }
        g_keysDown.insert(vk);
        TMessage m{(e->modifiers() & Qt::AltModifier) ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, keyData, 0};
        SafeCall([&] { FControl->WndProc(m); });
        if (m.WParam == 0) return true;  // a handler swallowed the key
        vk = static_cast<unsigned short>(m.WParam);
    }

    // Dialog keys the control does not want itself go to its form (default
    // and cancel buttons, Tab handled by the toolkit otherwise).
    TMessage dc{WM_GETDLGCODE, 0, 0, 0};
    SafeCall([&] { FControl->WndProc(dc); });
    const bool wantsAll = (dc.Result & DLGC_WANTALLKEYS) != 0 || TNativeAccess::Native(*FControl).WantsAllKeys;
    const bool wantsTabCode = (dc.Result & DLGC_WANTTAB) != 0 || wantsAll;
    const bool wantsArrows = (dc.Result & DLGC_WANTARROWS) != 0 || wantsAll;
    // A control may claim Enter or Escape for itself (an editor over a
    // cell) without wanting every key.
    intptr_t special = 0;
    if (vk == VK_RETURN || vk == VK_ESCAPE || vk == VK_TAB)
        SafeCall([&] { special = FControl->Perform(CM_WANTSPECIALKEY, vk, 0); });
    if ((vk == VK_RETURN || vk == VK_ESCAPE) && !wantsAll && special == 0) {
        if (TForm* f = FControl->ParentForm()) {
            intptr_t r = 0;
            SafeCall([&] { r = f->Perform(CM_DIALOGKEY, vk, 0); });
            if (r != 0) return true;
        }
    }
    // Alt with a letter or digit is an accelerator of a control of the form.
    if ((e->modifiers() & Qt::AltModifier) && !(e->modifiers() & Qt::ControlModifier) &&
        ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9'))) {
        if (TForm* f = FControl->ParentForm()) {
            intptr_t r = 0;
            SafeCall([&] { r = f->Perform(CM_DIALOGCHAR, vk, 0); });
            if (r != 0) return true;
        }
        return true;  // an unanswered accelerator types nothing
    }
    if (vk == VK_TAB && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        if (!wantsTabCode && special == 0) return false;  // the toolkit moves the focus
    }
    (void)wantsArrows;

    QString text = e->text();
    if (text.isEmpty()) return custom;
    const char32_t typed = text.toUcs4().value(0);
    if (typed == 0) return custom;
    TMessage ch{WM_CHAR, static_cast<intptr_t>(typed), keyData, 0};
    SafeCall([&] { FControl->WndProc(ch); });
    if (custom) return true;
    if (ch.WParam == 0) return true;
    if (static_cast<char32_t>(ch.WParam) != typed) {
        // The handler changed the character: the widget gets the new one.
        char32_t nc = static_cast<char32_t>(ch.WParam);
        QKeyEvent replaced(QEvent::KeyPress, Qt::Key_unknown, e->modifiers(), QString::fromUcs4(&nc, 1));
        // The widget the key came to takes the new character.
        g_bypass = true;
        QCoreApplication::sendEvent(Watched, &replaced);
        g_bypass = false;
        return true;
    }
    return false;
}

namespace {

// The control's own pop-up (a combo box's dropped-down list) took the focus:
// the user is still in the control, so this is no exit from it. The pop-up
// is a window of its own, so the parent chain is walked across windows.
bool OwnPopupHasFocus(QWidget* Control) {
    QWidget* f = QApplication::focusWidget();
    if (Control == nullptr || f == nullptr || !(f->window()->windowType() == Qt::Popup)) return false;
    for (QWidget* w = f; w != nullptr; w = w->parentWidget())
        if (w == Control) return true;
    return false;
}

// The toolkit's tip label is placed by the toolkit beside the pointer; the
// control's choice of place wins, so it is moved there once it shows.
QWidget* TipLabel() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("qtooltip_label") && w->isVisible()) return w;
    return nullptr;
}

void ShowControlHint(TControl& Control, QWidget& Main, QPoint Pos) {
    std::string text = Control.Hint();
    THintInfo info;
    info.CursorPos = {Pos.x(), Pos.y()};
    const QPoint below = Main.mapToGlobal(Pos) + QPoint(0, 16);
    info.HintPos = {below.x(), below.y()};
    SafeCall([&] { TNativeAccess::CallHintShowing(Control, text, info); });
    if (text.empty()) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(QPoint(info.HintPos.X, info.HintPos.Y), ToQ(text), &Main);
    QWidget* tip = TipLabel();
    if (tip == nullptr) return;
    QPalette pal = tip->palette();
    pal.setColor(QPalette::ToolTipBase, ToQColor(info.HintColor));
    pal.setColor(QPalette::Window, ToQColor(info.HintColor));
    tip->setPalette(pal);
    if (auto* label = qobject_cast<QLabel*>(tip); label != nullptr) {
        // The plain hint shows its text as it stands: tags in it are no
        // markup here (a control that wants them drawn shows its own hint).
        if (label->textFormat() != Qt::PlainText) {
            label->setTextFormat(Qt::PlainText);
            label->setText(ToQ(text));
        }
        if (info.HintMaxWidth > 0) {
            label->setWordWrap(true);
            label->setMaximumWidth(info.HintMaxWidth);
        }
        label->adjustSize();
    }
    tip->move(info.HintPos.X, info.HintPos.Y);
}

}  // namespace

bool TEventBridge::eventFilter(QObject* Watched, QEvent* e) {
    if (FControl == nullptr || FControl->Destroying() || g_bypass) return false;
    TControl* c = FControl;
    const bool custom = dynamic_cast<TCustomControl*>(c) != nullptr;
    QWidget* main = TNativeAccess::Widget(*c);
    switch (e->type()) {
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride:
            if (e->type() == QEvent::ShortcutOverride) return false;
            return HandleKey(Watched, static_cast<QKeyEvent*>(e), true);
        case QEvent::KeyRelease:
            return HandleKey(Watched, static_cast<QKeyEvent*>(e), false);
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove: {
            auto* me = static_cast<QMouseEvent*>(e);
            NoteInput(me);
            QPoint p = me->position().toPoint();
            if (Watched != main && main != nullptr) p = static_cast<QWidget*>(Watched)->mapTo(main, p);
            unsigned msg = WM_MOUSEMOVE;
            const bool dbl = e->type() == QEvent::MouseButtonDblClick;
            const bool press = e->type() == QEvent::MouseButtonPress || dbl;
            if (e->type() != QEvent::MouseMove) {
                switch (me->button()) {
                    case Qt::LeftButton: msg = dbl ? WM_LBUTTONDBLCLK : press ? WM_LBUTTONDOWN : WM_LBUTTONUP; break;
                    case Qt::RightButton: msg = dbl ? WM_RBUTTONDBLCLK : press ? WM_RBUTTONDOWN : WM_RBUTTONUP; break;
                    case Qt::MiddleButton: msg = dbl ? WM_MBUTTONDBLCLK : press ? WM_MBUTTONDOWN : WM_MBUTTONUP; break;
                    default: return false;
                }
            }
            TMessage m{msg, MouseKeys(me->modifiers(), me->buttons()), MakeLParam(p.x(), p.y()), 0};
            SafeCall([&] { c->WndProc(m); });
            if (custom && press && main != nullptr && main->focusPolicy() != Qt::NoFocus) {
                // A press whose handler gave the focus to a child of the
                // control (an in-place editor opened by the click) leaves
                // it there.
                QWidget* f = QApplication::focusWidget();
                if (f == nullptr || !main->isAncestorOf(f)) main->setFocus(Qt::MouseFocusReason);
            }
            return custom;
        }
        case QEvent::Wheel: {
            auto* we = static_cast<QWheelEvent*>(e);
            g_modifiers = we->modifiers();
            QPoint g = we->globalPosition().toPoint();
            int delta = we->angleDelta().y();
            intptr_t w = static_cast<intptr_t>(static_cast<int32_t>((static_cast<uint32_t>(delta & 0xFFFF) << 16) |
                                                                   static_cast<uint32_t>(MouseKeys(we->modifiers(), we->buttons()))));
            TMessage m{WM_MOUSEWHEEL, w, MakeLParam(g.x(), g.y()), 0};
            SafeCall([&] { c->WndProc(m); });
            return custom || m.Result != 0;
        }
        case QEvent::ToolTip:
            if (Watched != main || !c->ShowHint()) return false;
            ShowControlHint(*c, *main, static_cast<QHelpEvent*>(e)->pos());
            return true;
        case QEvent::Enter:
            if (Watched == main) SafeCall([&] { c->Perform(CM_MOUSEENTER); });
            return false;
        case QEvent::Leave:
            if (Watched == main) SafeCall([&] { c->Perform(CM_MOUSELEAVE); });
            return false;
        case QEvent::FocusIn:
        case QEvent::FocusOut: {
            auto* fe = static_cast<QFocusEvent*>(e);
            const bool in = e->type() == QEvent::FocusIn;
            // A menu takes the keys for a while, not the focus: the control
            // is not left (an edit is not formatted as on leaving it, and
            // the menu's Paste finds its text and caret as they were).
            bool& menu = TNativeAccess::Native(*c).MenuHoldsFocus;
            if (!in && fe->reason() == Qt::PopupFocusReason &&
                qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr) {
                menu = true;
                return false;
            }
            if (in && menu) {
                menu = false;
                if (fe->reason() == Qt::PopupFocusReason) return false;
            }
            SafeCall([&] { c->Perform(in ? WM_SETFOCUS : WM_KILLFOCUS); });
            // The form remembers its active control: coming back to the
            // window is no new entry, leaving it for another window no exit.
            TForm* f = c->ParentForm();
            if (f == nullptr || f == c) return false;
            QPointer<QWidget>& last = TNativeAccess::Native(*f).LastFocus;
            if (in && last != main) {
                last = main;
                SafeCall([&] { c->Perform(CM_ENTER); });
                SafeCall([&] { f->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<intptr_t>(c)); });
            } else if (!in && last == main && fe->reason() != Qt::ActiveWindowFocusReason &&
                       fe->reason() != Qt::PopupFocusReason && !OwnPopupHasFocus(main)) {
                last = nullptr;
                SafeCall([&] { c->Perform(CM_EXIT); });
            }
            return false;
        }
        case QEvent::WindowActivate:
        case QEvent::WindowDeactivate: {
            if (Watched == main && dynamic_cast<TForm*>(c) != nullptr)
                SafeCall([&] { c->Perform(e->type() == QEvent::WindowActivate ? CM_ACTIVATE : CM_DEACTIVATE); });
            return false;
        }
        case QEvent::Show:
            if (Watched == main) SafeCall([&] { TNativeAccess::SettleBounds(*c); });
            return false;
        case QEvent::Resize:
            if (Watched == main) {
                auto* re = static_cast<QResizeEvent*>(e);
                SafeCall([&] { TNativeAccess::SizeFromWidget(*c, re->size().width(), re->size().height()); });
            }
            return false;
        case QEvent::Move:
            if (Watched == main && !main->isWindow()) TNativeAccess::PosFromWidget(*c, main->x(), main->y());
            return false;
        case QEvent::Timer: {
            auto* te = static_cast<QTimerEvent*>(e);
            auto& timers = TNativeAccess::Native(*c).Timers;
            for (auto& [id, qid] : timers)
                if (qid == te->timerId()) {
                    int windowId = id;
                    SafeCall([&] { c->Perform(WM_TIMER, windowId, 0); });
                    return true;
                }
            return false;
        }
        default:
            return false;
    }
}

// --- TControl --------------------------------------------------------------

TControl::TControl(TComponent* AOwner)
    : TComponent(AOwner), FFont(std::make_unique<TFont>()), FColor(clBtnFace), FNative(std::make_unique<TControlNative>()) {
    EnsureGuiApplication();
    FFont->OnChange = [this] {
        if (!FFontSyncing) FParentFont = false;
        FontChanged();
    };
}

TControl::~TControl() {
    MarkDestroying();
    if (FNative->Bridge != nullptr) FNative->Bridge->Detach();
    if (FParent != nullptr) {
        auto& list = FParent->FControls;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
        FParent = nullptr;
    }
    QWidget* w = FNative->Widget.data();
    if (w != nullptr) {
        w->removeEventFilter(FNative->Bridge);
        if (auto* cw = dynamic_cast<TCustomWidget*>(w)) cw->Detach();
        delete w;
    }
    delete FNative->Bridge;
}

TForm* TControl::ParentForm() const {
    const TControl* c = this;
    while (c != nullptr) {
        if (auto* f = dynamic_cast<const TForm*>(c)) return const_cast<TForm*>(f);
        c = c->FParent;
    }
    return nullptr;
}

void TControl::SetParent(TWinControl* AParent) {
    if (AParent == FParent) return;
    if (FParent != nullptr) {
        auto& list = FParent->FControls;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
    TWinControl* old = FParent;
    FParent = AParent;
    QWidget* w = FNative->Widget.data();
    if (FParent != nullptr) {
        FParent->FControls.push_back(this);
        if (FParentFont) TakeParentFont(FParent->Font());
        if (FParentColor) FColor = FParent->Color();
        if (FParentBiDiMode) TakeBiDiMode(FParent->BiDiMode());
        if (w != nullptr) {
            QWidget* pw = TNativeAccess::Widget(*FParent);
            w->setParent(pw);
            w->setGeometry(FLeft, FTop, std::max(0, FWidth), std::max(0, FHeight));
            w->setVisible(FVisible);
        }
        if (FAlign != alNone) FParent->AlignControls();
    } else if (w != nullptr && dynamic_cast<TForm*>(this) == nullptr) {
        w->hide();
        w->setParent(nullptr);
    }
    if (old != nullptr && FAlign != alNone) old->AlignControls();
}

void TControl::SettlePendingState() const {
    FStatePending = false;
    MakePendingComponents();
}

void TControl::SettlePendingBounds() const {
    auto* self = const_cast<TControl*>(this);
    self->FBoundsPending = false;
    self->MeasureBounds();
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    // Bounds set after a pending measure replace what it gives, as they
    // would had it been made at once.
    SettleBounds();
    AWidth = std::max(0, AWidth);
    AHeight = std::max(0, AHeight);
    const bool sized = AWidth != FWidth || AHeight != FHeight;
    const bool moved = ALeft != FLeft || ATop != FTop;
    if (!sized && !moved) return;
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
    if (QWidget* w = FNative->Widget.data()) {
        if (w->isWindow()) {
            w->resize(AWidth, AHeight);
            if (moved) w->move(ALeft, ATop);
        } else {
            w->setGeometry(ALeft, ATop, AWidth, AHeight);
        }
    }
    if (sized) {
        Perform(WM_SIZE, 0, MakeLParam(AWidth, AHeight));
        if (auto* wc = dynamic_cast<TWinControl*>(this)) wc->AlignControls();
    }
    if (FParent != nullptr && FAlign != alNone) FParent->AlignControls();
}

void TControl::SetAlign(TAlign Value) {
    if (Value == FAlign) return;
    FAlign = Value;
    if (FParent != nullptr) FParent->AlignControls();
}

void TControl::VisibleChanging(bool) {}

void TControl::SetVisible(bool Value) {
    if (Value == FVisible) return;
    VisibleChanging(Value);
    FVisible = Value;
    QWidget* w = FNative->Widget.data();
    if (w != nullptr && (FParent != nullptr || w->isWindow())) {
        if (!w->isWindow() || dynamic_cast<TForm*>(this) != nullptr) w->setVisible(Value);
    }
    Perform(CM_VISIBLECHANGED, Value ? 1 : 0);
    if (FParent != nullptr && FAlign != alNone) FParent->AlignControls();
}

bool TControl::Showing() const {
    QWidget* w = FNative->Widget.data();
    return w != nullptr && w->isVisible();
}

void TControl::SetEnabled(bool Value) {
    if (Value == FEnabled) return;
    FEnabled = Value;
    if (QWidget* w = FNative->Widget.data()) w->setEnabled(Value);
    Perform(CM_ENABLEDCHANGED);
}

void TControl::SetText(const std::string& Value) {
    SettleState();  // what is made later must not overwrite it
    if (Value == FText) return;
    FText = Value;
    Perform(CM_TEXTCHANGED);
}

void TControl::SetFont(const TFont& Value) { *FFont = Value; }

void TControl::TakeParentFont(const TFont& Value) {
    FFontSyncing = true;
    *FFont = Value;
    FFontSyncing = false;
}

void TControl::FontChanged() {
    if (QWidget* w = FNative->Widget.data()) {
        w->setFont(ToQFont(*FFont));
        // A toolkit widget draws its text in its palette's colour, not the
        // font's; self-drawn controls read the font themselves.
        if (dynamic_cast<TCustomWidget*>(w) == nullptr) {
            QPalette pal = w->palette();
            const QColor text = ToQColor(FFont->Color());
            const QColor grey = ToQColor(clGrayText);
            // The disabled look keeps its grey text: a control given a font
            // colour must still show that it takes no input. Most font
            // changes (a size, a style) keep the colour the widget already
            // holds as its own, and then leave its palette alone.
            bool held = true;
            for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
                for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
                    held = held && pal.isBrushSet(group, role) &&
                           pal.color(group, role) == (group == QPalette::Disabled ? grey : text);
            if (!held) {
                for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
                    pal.setColor(QPalette::Active, role, text);
                    pal.setColor(QPalette::Inactive, role, text);
                    pal.setColor(QPalette::Disabled, role, grey);
                }
                w->setPalette(pal);
            }
        }
    }
    Perform(CM_FONTCHANGED);
    if (auto* wc = dynamic_cast<TWinControl*>(this)) {
        for (TControl* child : wc->FControls)
            if (child->FParentFont) child->TakeParentFont(*FFont);
    }
}

void TControl::SetParentFont(bool Value) {
    FParentFont = Value;
    if (Value && FParent != nullptr) TakeParentFont(FParent->Font());
}

void TControl::SetColor(TColor Value) {
    FColor = Value;
    FParentColor = false;
    Perform(CM_COLORCHANGED);
    Invalidate();
    if (auto* wc = dynamic_cast<TWinControl*>(this)) {
        for (TControl* child : wc->FControls)
            if (child->FParentColor) {
                child->FColor = Value;
                child->Perform(CM_COLORCHANGED);
                child->Invalidate();
            }
    }
}

void TControl::SetParentColor(bool Value) {
    FParentColor = Value;
    if (Value && FParent != nullptr) {
        FColor = FParent->Color();
        Perform(CM_COLORCHANGED);
        Invalidate();
    }
}

void TControl::SetCursor(TCursor Value) {
    if (Value == FCursor) return;
    FCursor = Value;
    if (QWidget* w = FNative->Widget.data()) {
        if (Value == crDefault) w->unsetCursor();
        else w->setCursor(CursorOf(Value));
    }
    Perform(CM_CURSORCHANGED);
}

void TControl::SetHint(const std::string& Value) {
    FHint = Value;
    QWidget* w = FNative->Widget.data();
    if (w == nullptr) return;
    w->setToolTip(FShowHint ? ToQ(FHint) : QString());
    w->setAccessibleDescription(ToQ(FHint));
    // A control without a caption of its own (a picture button, an edit, a
    // list) is known to screen readers by what its hint says it is for.
    if (auto* custom = dynamic_cast<TCustomControl*>(this)) {
        if (Caption().empty() && custom->AccessibleName().empty()) w->setAccessibleName(ToQ(FHint));
    } else if (qobject_cast<QLineEdit*>(w) != nullptr || qobject_cast<QComboBox*>(w) != nullptr ||
               qobject_cast<QAbstractSpinBox*>(w) != nullptr || qobject_cast<QAbstractItemView*>(w) != nullptr) {
        w->setAccessibleName(ToQ(FHint));
    }
}

void TControl::SetShowHint(bool Value) {
    FShowHint = Value;
    SetHint(FHint);
}

void TControl::SetBiDiMode(TBiDiMode Value) {
    FParentBiDiMode = false;
    TakeBiDiMode(Value);
}

void TControl::SetParentBiDiMode(bool Value) {
    FParentBiDiMode = Value;
    if (Value && FParent != nullptr) TakeBiDiMode(FParent->BiDiMode());
}

void TControl::TakeBiDiMode(TBiDiMode Value) {
    if (Value == FBiDiMode) return;
    FBiDiMode = Value;
    // The toolkit's own controls (edits, lists) align and read by it; the
    // custom-drawn ones mirror themselves.
    if (QWidget* w = FNative->Widget.data())
        w->setLayoutDirection(Value == bdLeftToRight ? Qt::LeftToRight : Qt::RightToLeft);
    Perform(CM_BIDIMODECHANGED);
    Invalidate();
    if (auto* wc = dynamic_cast<TWinControl*>(this))
        for (TControl* child : wc->FControls)
            if (child->FParentBiDiMode) child->TakeBiDiMode(Value);
}

void TControl::Invalidate() {
    if (QWidget* w = FNative->Widget.data()) w->update();
}

void TControl::Repaint() {
    if (QWidget* w = FNative->Widget.data()) w->repaint();
}

void TControl::Update() {
    if (QWidget* w = FNative->Widget.data()) w->repaint();
}

void TControl::BringToFront() {
    if (QWidget* w = FNative->Widget.data()) w->raise();
}

TPoint TControl::ClientToScreen(TPoint P) const {
    QWidget* w = FNative->Widget.data();
    if (w == nullptr) return P;
    QPoint g = w->mapToGlobal(QPoint(P.X, P.Y));
    return {g.x(), g.y()};
}

TPoint TControl::ScreenToClient(TPoint P) const {
    QWidget* w = FNative->Widget.data();
    if (w == nullptr) return P;
    QPoint l = w->mapFromGlobal(QPoint(P.X, P.Y));
    return {l.x(), l.y()};
}

void TControl::PostMessage(unsigned Msg, intptr_t WParam, intptr_t LParam) {
    QWidget* w = FNative->Widget.data();
    if (w == nullptr) return;
    QPointer<QWidget> alive(w);
    QMetaObject::invokeMethod(
        w,
        [alive, Msg, WParam, LParam] {
            if (alive.isNull()) return;
            TControl* c = TNativeAccess::ControlOf(alive.data());
            if (c == nullptr || c->Destroying()) return;
            SafeCall([&] { c->Perform(Msg, WParam, LParam); });
        },
        Qt::QueuedConnection);
}

namespace {
std::map<std::string, unsigned>& RegisteredNames() {
    static std::map<std::string, unsigned> names;
    return names;
}
}  // namespace

std::string RegisteredMessageName(unsigned Id) {
    for (const auto& [name, id] : RegisteredNames())
        if (id == Id) return name;
    return {};
}

unsigned RegisterWindowMessage(const std::string& Name) {
    std::map<std::string, unsigned>& names = RegisteredNames();
    auto it = names.find(Name);
    if (it != names.end()) return it->second;
    const unsigned id = 0xC000u + static_cast<unsigned>(names.size());
    names.emplace(Name, id);
    return id;
}

TControl* FindControlAt(TPoint ScreenPos) {
    QWidget* w = QApplication::widgetAt(ScreenPos.X, ScreenPos.Y);
    return w == nullptr ? nullptr : TNativeAccess::ControlOf(w);
}

int GetSystemMetrics(int Index) {
    EnsureGuiApplication();
    QStyle* style = QApplication::style();
    switch (Index) {
        case SM_CXSCREEN:
        case SM_CYSCREEN: {
            QScreen* s = QGuiApplication::primaryScreen();
            if (s == nullptr) return 0;
            return Index == SM_CXSCREEN ? s->geometry().width() : s->geometry().height();
        }
        case SM_CXVSCROLL:
        case SM_CYHSCROLL: return style->pixelMetric(QStyle::PM_ScrollBarExtent);
        case SM_CXEDGE:
        case SM_CYEDGE: return 2;
        default: return 0;
    }
}

int GetDoubleClickTime() {
    EnsureGuiApplication();
    return QApplication::doubleClickInterval();
}

intptr_t TControl::Perform(unsigned Msg, intptr_t WParam, intptr_t LParam) {
    TMessage m{Msg, WParam, LParam, 0};
    WndProc(m);
    return m.Result;
}

void TControl::WndProc(TMessage& Message) { Dispatch(Message); }

bool TControl::MouseCapture() const {
    QWidget* w = FNative->Widget.data();
    return w != nullptr && QWidget::mouseGrabber() == w;
}

void TControl::SetMouseCapture(bool Value) {
    QWidget* w = FNative->Widget.data();
    if (w == nullptr) return;
    if (Value) w->grabMouse();
    else if (QWidget::mouseGrabber() == w) w->releaseMouse();
}

void TControl::Dispatch(TMessage& m) {
    switch (m.Msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
        case WM_MBUTTONDBLCLK:
        case WM_MOUSEMOVE: WMMouse(m); break;
        case WM_MOUSEWHEEL: {
            const int delta = HiWordSigned(m.WParam);
            TPoint pos{LoWordSigned(m.LParam), HiWordSigned(m.LParam)};
            if (DoMouseWheel(ShiftFromMouseKeys(m.WParam & 0xFFFF), delta, pos)) m.Result = 1;
            break;
        }
        case CM_MOUSEENTER: CMMouseEnter(m); break;
        case CM_MOUSELEAVE: CMMouseLeave(m); break;
        case CM_ENABLEDCHANGED: CMEnabledChanged(m); break;
        case CM_FONTCHANGED: CMFontChanged(m); break;
        case CM_COLORCHANGED: CMColorChanged(m); break;
        case CM_TEXTCHANGED: CMTextChanged(m); break;
        case CM_VISIBLECHANGED: CMVisibleChanged(m); break;
        case CM_BIDIMODECHANGED:
            CMBiDiModeChanged(m);
            break;
        case WM_SIZE: WMSize(m); break;
        default: break;
    }
}

void TControl::WMMouse(TMessage& m) {
    const int x = LoWordSigned(m.LParam);
    const int y = HiWordSigned(m.LParam);
    TShiftState shift = ShiftFromMouseKeys(m.WParam);
    switch (m.Msg) {
        case WM_MOUSEMOVE: MouseMove(shift, x, y); break;
        case WM_LBUTTONDOWN:
            FClickPending = true;
            MouseDown(mbLeft, shift, x, y);
            break;
        case WM_RBUTTONDOWN: MouseDown(mbRight, shift, x, y); break;
        case WM_MBUTTONDOWN: MouseDown(mbMiddle, shift, x, y); break;
        case WM_LBUTTONDBLCLK:
            if (FControlStyle & csDoubleClicks) DblClick();
            MouseDown(mbLeft, shift | ssDouble, x, y);
            break;
        case WM_RBUTTONDBLCLK: MouseDown(mbRight, shift | ssDouble, x, y); break;
        case WM_MBUTTONDBLCLK: MouseDown(mbMiddle, shift | ssDouble, x, y); break;
        case WM_LBUTTONUP: {
            const bool pending = FClickPending;
            FClickPending = false;
            MouseUp(mbLeft, shift, x, y);
            if (pending && (FControlStyle & csClickEvents) && x >= 0 && y >= 0 && x < FWidth && y < FHeight) Click();
            break;
        }
        case WM_RBUTTONUP: MouseUp(mbRight, shift, x, y); break;
        case WM_MBUTTONUP: MouseUp(mbMiddle, shift, x, y); break;
        default: break;
    }
}

void TControl::Click() {
    if (OnClick) OnClick(this);
}
void TControl::DblClick() {
    if (OnDblClick) OnDblClick(this);
}
void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}
void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}
void TControl::MouseMove(TShiftState Shift, int X, int Y) {
    if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}
bool TControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
    bool handled = false;
    if (OnMouseWheel) OnMouseWheel(this, Shift, WheelDelta, MousePos, handled);
    return handled;
}
void TControl::CMMouseEnter(TMessage&) {
    if (OnMouseEnter) OnMouseEnter(this);
}
void TControl::CMMouseLeave(TMessage&) {
    if (OnMouseLeave) OnMouseLeave(this);
}
void TControl::CMEnabledChanged(TMessage&) { Invalidate(); }
void TControl::CMFontChanged(TMessage&) { Invalidate(); }
void TControl::CMColorChanged(TMessage&) {
    QWidget* w = FNative->Widget.data();
    if (w == nullptr || dynamic_cast<TCustomWidget*>(w) != nullptr) return;
    // Windows of the toolkit fill with one role, edits and lists with
    // another; the control's colour is both.
    // A disabled edit or list shows the button face whatever its own
    // colour, as a disabled control must look disabled; a window or panel
    // keeps its face.
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, ToQColor(FColor));
    pal.setColor(QPalette::Active, QPalette::Base, ToQColor(FColor));
    pal.setColor(QPalette::Inactive, QPalette::Base, ToQColor(FColor));
    pal.setColor(QPalette::Disabled, QPalette::Base, ToQColor(clBtnFace));
    w->setPalette(pal);
}
void TControl::CMTextChanged(TMessage&) {
    if (FNative->ApplyText) FNative->ApplyText(FText);
}
void TControl::CMVisibleChanged(TMessage&) {}
void TControl::CMBiDiModeChanged(TMessage&) {}
void TControl::WMSize(TMessage&) {}

// --- TWinControl -----------------------------------------------------------

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

TWinControl::~TWinControl() {
    // Owned children go while this control is still whole; children owned
    // elsewhere are let go so they never point at a dead parent.
    MarkDestroying();
    DestroyComponents();
    while (!FControls.empty()) {
        TControl* child = FControls.back();
        FControls.pop_back();
        child->FParent = nullptr;
        if (QWidget* w = TNativeAccess::Widget(*child)) {
            w->hide();
            w->setParent(nullptr);
        }
    }
}

int TWinControl::TabOrder() const {
    if (Parent() == nullptr) return -1;
    int order = 0;
    for (TControl* c : Parent()->FControls) {
        if (c == this) return order;
        if (dynamic_cast<TWinControl*>(c) != nullptr) ++order;
    }
    return -1;
}

void TWinControl::SetTabOrder(int Value) {
    TWinControl* p = Parent();
    if (p == nullptr) return;
    auto& list = p->FControls;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    // Position among the windowed siblings.
    int order = 0;
    auto it = list.begin();
    for (; it != list.end(); ++it) {
        if (dynamic_cast<TWinControl*>(*it) == nullptr) continue;
        if (order == Value) break;
        ++order;
    }
    list.insert(it, this);
    QWidget* prev = nullptr;
    for (TControl* c : list) {
        auto* wc = dynamic_cast<TWinControl*>(c);
        QWidget* w = wc == nullptr ? nullptr : TNativeAccess::Widget(*wc);
        if (w == nullptr) continue;
        if (prev != nullptr) QWidget::setTabOrder(prev, w);
        prev = w;
    }
}

void TWinControl::SetTabStop(bool Value) {
    FTabStop = Value;
    if (QWidget* w = TNativeAccess::Widget(*this)) {
        if (w->focusPolicy() == Qt::NoFocus && !Value) return;
        w->setFocusPolicy(Value ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

bool TWinControl::Focused() const {
    QWidget* w = TNativeAccess::Widget(*this);
    if (w == nullptr) return false;
    QWidget* f = QApplication::focusWidget();
    return f != nullptr && (f == w || w->isAncestorOf(f)) && TNativeAccess::ControlOf(f) == this;
}

bool TWinControl::CanFocus() const {
    QWidget* w = TNativeAccess::Widget(*this);
    return w != nullptr && w->isVisible() && w->isEnabled();
}

void TWinControl::SetFocus() {
    QWidget* w = TNativeAccess::Widget(*this);
    if (w == nullptr) return;
    if (QWidget* win = w->window()) win->activateWindow();
    w->setFocus(Qt::OtherFocusReason);
}

void TWinControl::SetTimer(int Id, int Interval) {
    QWidget* w = TNativeAccess::Widget(*this);
    if (w == nullptr) return;
    auto& timers = TNativeAccess::Native(*this).Timers;
    KillTimer(Id);
    timers[Id] = w->startTimer(std::max(1, Interval));
}

void TWinControl::KillTimer(int Id) {
    auto& timers = TNativeAccess::Native(*this).Timers;
    auto it = timers.find(Id);
    if (it == timers.end()) return;
    if (QWidget* w = TNativeAccess::Widget(*this)) w->killTimer(it->second);
    timers.erase(it);
}

void TWinControl::Dispatch(TMessage& m) {
    switch (m.Msg) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_KEYUP: {
            unsigned short key = static_cast<unsigned short>(m.WParam);
            TShiftState shift = KeyboardShiftState();
            TForm* form = ParentForm();
            const bool up = m.Msg == WM_KEYUP;
            if (form != nullptr && form != this && form->KeyPreview()) {
                TWinControl* f = form;
                if (up) f->KeyUp(key, shift);
                else f->KeyDown(key, shift);
            }
            if (key != 0) {
                if (up) KeyUp(key, shift);
                else KeyDown(key, shift);
            }
            m.WParam = key;
            break;
        }
        case WM_CHAR: {
            char32_t ch = static_cast<char32_t>(m.WParam);
            TForm* form = ParentForm();
            if (form != nullptr && form != this && form->KeyPreview()) {
                TWinControl* f = form;
                f->KeyPress(ch);
            }
            if (ch != 0) KeyPress(ch);
            m.WParam = static_cast<intptr_t>(ch);
            break;
        }
        case WM_SETFOCUS: WMSetFocus(m); break;
        case WM_KILLFOCUS: WMKillFocus(m); break;
        case CM_ENTER: DoEnter(); break;
        case CM_EXIT: DoExit(); break;
        case WM_TIMER: WMTimer(m); break;
        default: TControl::Dispatch(m); break;
    }
}

void TWinControl::KeyDown(unsigned short& Key, TShiftState Shift) {
    if (OnKeyDown) OnKeyDown(this, Key, Shift);
}
void TWinControl::KeyUp(unsigned short& Key, TShiftState Shift) {
    if (OnKeyUp) OnKeyUp(this, Key, Shift);
}
void TWinControl::KeyPress(char32_t& Key) {
    if (OnKeyPress) OnKeyPress(this, Key);
}
void TWinControl::DoEnter() {
    if (OnEnter) OnEnter(this);
}
void TWinControl::DoExit() {
    if (OnExit) OnExit(this);
}
void TWinControl::WMSetFocus(TMessage&) {}
void TWinControl::WMKillFocus(TMessage&) {}
void TWinControl::WMTimer(TMessage&) {}

void TWinControl::AlignControls() {
    int left = 0, top = 0, right = ClientWidth(), bottom = ClientHeight();
    for (TControl* c : FControls)
        if (c->FAlign != alNone) c->SettleBounds();
    auto place = [&](TAlign which) {
        std::vector<TControl*> list;
        for (TControl* c : FControls)
            if (c->FAlign == which && c->FVisible) list.push_back(c);
        // Earlier placed controls sit nearer to the edge they align to.
        std::stable_sort(list.begin(), list.end(), [which](TControl* a, TControl* b) {
            switch (which) {
                case alTop: return a->FTop < b->FTop;
                case alBottom: return a->FTop + a->FHeight > b->FTop + b->FHeight;
                case alLeft: return a->FLeft < b->FLeft;
                case alRight: return a->FLeft + a->FWidth > b->FLeft + b->FWidth;
                default: return false;
            }
        });
        for (TControl* c : list) {
            const TAlign keep = c->FAlign;
            c->FAlign = alNone;  // no re-entry while it is placed
            switch (which) {
                case alTop: c->SetBounds(left, top, right - left, c->FHeight); top += c->FHeight; break;
                case alBottom: bottom -= c->FHeight; c->SetBounds(left, bottom, right - left, c->FHeight); break;
                case alLeft: c->SetBounds(left, top, c->FWidth, bottom - top); left += c->FWidth; break;
                case alRight: right -= c->FWidth; c->SetBounds(right, top, c->FWidth, bottom - top); break;
                case alClient: c->SetBounds(left, top, right - left, bottom - top); break;
                default: break;
            }
            c->FAlign = keep;
        }
    };
    place(alTop);
    place(alBottom);
    place(alLeft);
    place(alRight);
    place(alClient);
}

// --- TCustomControl --------------------------------------------------------

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner), FCanvas(std::make_unique<TCanvas>()) {
    InstallAccessibleFactory();
    TNativeAccess::Bind(*this, new TCustomWidget(this));
}

TCustomControl::~TCustomControl() {
    if (auto* w = dynamic_cast<TCustomWidget*>(TNativeAccess::Widget(*this))) w->Detach();
}

void TCustomControl::SetAccessibleName(const std::string& Name) {
    FAccessibleName = Name;
    FAccessibleNameSet = true;
    if (QWidget* w = TNativeAccess::Widget(*this)) w->setAccessibleName(ToQ(Name));
}

void TCustomControl::SetAccessibleRole(TAccessibleRole Role) { FRole = Role; }

std::string TCustomControl::AccessibleName() const { return FAccessibleNameSet ? FAccessibleName : Caption(); }

void TCustomControl::AccessibleCurrentCellChanged() {
    QWidget* w = TNativeAccess::Widget(*this);
    if (FAccessibleTable == nullptr || w == nullptr || !w->hasFocus()) return;
    NotifyTableCurrentCell(w, this);
}

void TCustomControl::Dispatch(TMessage& m) {
    if (m.Msg == WM_PAINT) {
        WMPaint(m);
        return;
    }
    TWinControl::Dispatch(m);
}

void TCustomControl::WMPaint(TMessage&) { Paint(); }

void TCustomControl::Paint() {}

void TCustomControl::CMTextChanged(TMessage& m) {
    // The caption is the accessible name unless one was given explicitly.
    if (!FAccessibleNameSet)
        if (QWidget* w = TNativeAccess::Widget(*this)) w->setAccessibleName(ToQ(Caption().empty() ? Hint() : Caption()));
    TWinControl::CMTextChanged(m);
    Invalidate();
}

}  // namespace plat
