#pragma once
// Internal to the platform folder: how our controls sit on toolkit widgets.
// Only platform .cpp files include this header.

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>

#include "platform/Controls.h"
#include "platform/QtCanvas.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"

class QEventLoop;
class QKeyEvent;

namespace plat {

class TEventBridge;
class TAccessibleTable;

// The screen reader's view of a widget whose control shows a table: the
// table, its cells as children (AccessibleTable.cpp).
class QAccessibleInterface* NewTableAccessible(QWidget* Widget, TCustomControl* Control);
// Tells a screen reader the table's current cell moved.
void NotifyTableCurrentCell(QWidget* Widget, TCustomControl* Control);

// The toolkit's pointer for one of our cursor numbers, the program's own
// registered shapes included.
QCursor CursorOf(TCursor Value);

struct TControlNative {
    QPointer<QWidget> Widget;
    TEventBridge* Bridge = nullptr;
    std::map<int, int> Timers;  // window timer id -> toolkit timer id
    QEventLoop* ModalLoop = nullptr;
    // Shows the control text in the widget (set by each kind of control).
    std::function<void(const std::string&)> ApplyText;
    // The widget takes Enter and Escape itself (a memo).
    bool WantsAllKeys = false;
    // Of a form: the widget of its active control.
    QPointer<QWidget> LastFocus;
    // A menu opened over the control holds the keys for now.
    bool MenuHoldsFocus = false;
};

// Translates toolkit events of one control's widgets into messages.
class TEventBridge : public QObject {
public:
    explicit TEventBridge(TControl* Control) : FControl(Control) {}
    TControl* Control() const { return FControl; }
    void Detach() { FControl = nullptr; }
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    bool HandleKey(QObject* Watched, QKeyEvent* Event, bool Press);
    TControl* FControl;
};

struct TNativeAccess {
    static QWidget* Widget(const TControl& Control);
    static QWidget* Widget(const class TBalloonWindow& Balloon);
    static TControlNative& Native(const TControl& Control) { return *Control.FNative; }
    // Gives the control its widget (which the control then owns) and applies
    // the control's properties to it.
    static void Bind(TControl& Control, QWidget* Widget);
    // Also routes the input of a child widget (the edit part of a combo box)
    // to the control.
    static void Watch(TControl& Control, QWidget* Child);
    // Works out pending bounds (see TControl::SetBoundsPending) of the
    // control, or of it and every control on it, as before its widget is
    // drawn without being shown.
    static void SettleBounds(TControl& Control);
    static void SettleTree(TControl& Control);
    static TControl* ControlOf(const QObject* Widget);
    // Text set by the widget (typing): stores it without pushing it back.
    static void TextFromWidget(TControl& Control, const std::string& Text);
    static void SizeFromWidget(TControl& Control, int Width, int Height);
    static void PosFromWidget(TControl& Control, int Left, int Top);
    static void CheckedFromWidget(TCheckBox& Box, bool Checked);
    static void CheckedFromWidget(TRadioButton& Button, bool Checked);
    static void ItemIndexFromWidget(TComboBox& Box, int Index);
    static void ItemIndexFromWidget(TListBox& Box, int Index);
    static void CallClick(TControl& Control);
    // Makes AParent the control's parent without moving its widget (pages of
    // a page control, whose widget the toolkit places itself).
    static void SetParentOnly(TControl& Control, TWinControl* AParent);
    static void CallDoShow(TForm& Form);
    static void CallHintShowing(TControl& Control, std::string& HintStr, THintInfo& Info) {
        Control.HintShowing(HintStr, Info);
    }
};

// Runs a handler of the program; an error escaping it ends that command and
// is shown in an error box, as the program expects of its message loop.
void SafeCall(const std::function<void()>& Action);

// A combo box's typing field is made only when the box is first shown or
// typed into: most boxes are lists, or sit in windows never opened, and the
// field costs more to make than the box. Makes it now if it is still due.
void Make_Combo_Editor(QWidget* Widget);

QString ToQ(const std::string& Text);
std::string FromQ(const QString& Text);

// The shift state and the virtual key of a toolkit key event.
TShiftState ShiftFromModifiers(Qt::KeyboardModifiers Modifiers, Qt::MouseButtons Buttons = Qt::NoButton);
unsigned short VirtualKeyOf(int QtKey, Qt::KeyboardModifiers Modifiers);
int QtKeyOf(unsigned short VirtualKey);

}  // namespace plat
