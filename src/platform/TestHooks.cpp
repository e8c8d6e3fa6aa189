#include "platform/TestHooks.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QLabel>
#include <QToolTip>
#include <QEnterEvent>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPixmap>
#include <QThread>
#include <QTimer>
#include <QWheelEvent>

#include "platform/Application.h"
#include "platform/Bitmap.h"
#include "platform/NativeBridge.h"
#include "platform/QtCanvas.h"
#include "platform/ScriptState.h"

namespace plat::test {

namespace {

struct TState {
    int active = 0;
    std::deque<TModalResult> boxAnswers;
    std::vector<TShownBox> boxes;
    std::deque<std::optional<std::string>> fileAnswers;
    std::vector<TShownFileDialog> fileDialogs;
    std::deque<std::function<TModalResult(TForm&)>> modalScripts;
    std::vector<std::string> opened;
    int beeps = 0;
};

TState& State() {
    static TState s;
    return s;
}

QWidget* WidgetOf(TControl& c) {
    QWidget* w = TNativeAccess::Widget(c);
    if (w == nullptr) throw std::logic_error("control has no window");
    return w;
}

// The widget as it will draw: labels of a window never shown are measured.
QWidget* DrawnWidgetOf(TControl& c) {
    TNativeAccess::SettleTree(c);
    return WidgetOf(c);
}

// Keys go where the control takes typed text (the edit part of a combo box).
QWidget* KeyTarget(TControl& c) {
    QWidget* w = WidgetOf(c);
    if (auto* cb = qobject_cast<QComboBox*>(w)) {
        Make_Combo_Editor(cb);
        if (cb->lineEdit() != nullptr) return cb->lineEdit();
    }
    // A control that hands its focus on (a multi-line edit) takes keys
    // where the focus goes.
    if (w->focusProxy() != nullptr) return w->focusProxy();
    return w;
}

Qt::KeyboardModifiers ModsOf(TShiftState s) {
    Qt::KeyboardModifiers m;
    if (s & ssShift) m |= Qt::ShiftModifier;
    if (s & ssCtrl) m |= Qt::ControlModifier;
    if (s & ssAlt) m |= Qt::AltModifier;
    return m;
}

Qt::MouseButton QtButton(TMouseButton b) {
    switch (b) {
        case mbRight: return Qt::RightButton;
        case mbMiddle: return Qt::MiddleButton;
        default: return Qt::LeftButton;
    }
}

void SendMouse(TControl& c, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons, int x, int y,
               TShiftState shift) {
    QWidget* w = WidgetOf(c);
    QPoint p(x, y);
    QWidget* target = w->childAt(p);
    if (target == nullptr) target = w;
    QPoint local = target == w ? p : target->mapFrom(w, p);
    QMouseEvent e(type, QPointF(local), QPointF(w->mapToGlobal(p)), button, buttons, ModsOf(shift));
    QCoreApplication::sendEvent(target, &e);
}

}  // namespace

namespace internal {

bool TakeBoxAnswer(TModalResult& Result) {
    auto& q = State().boxAnswers;
    if (q.empty()) return false;
    Result = q.front();
    q.pop_front();
    return true;
}

void RecordBox(const TShownBox& Box) { State().boxes.push_back(Box); }

bool TakeFileAnswer(std::optional<std::string>& Answer) {
    auto& q = State().fileAnswers;
    if (q.empty()) return false;
    Answer = q.front();
    q.pop_front();
    return true;
}

void RecordFileDialog(const TShownFileDialog& Dialog) { State().fileDialogs.push_back(Dialog); }

void RecordOpened(const std::string& Target) { State().opened.push_back(Target); }
void RecordBeep() { ++State().beeps; }

std::function<TModalResult(TForm&)> TakeModalScript() {
    auto& q = State().modalScripts;
    if (q.empty()) return {};
    auto f = std::move(q.front());
    q.pop_front();
    return f;
}

}  // namespace internal

TScriptedUi::TScriptedUi() {
    InitApplication();
    ++State().active;
}

TScriptedUi::~TScriptedUi() {
    if (--State().active == 0) State() = TState{};
}

void TScriptedUi::AnswerBox(TModalResult Result) { State().boxAnswers.push_back(Result); }
const std::vector<TShownBox>& TScriptedUi::Boxes() const { return State().boxes; }
void TScriptedUi::AnswerFileDialog(const std::string& Path) { State().fileAnswers.emplace_back(Path); }
void TScriptedUi::CancelFileDialog() { State().fileAnswers.emplace_back(std::nullopt); }
const std::vector<TShownFileDialog>& TScriptedUi::FileDialogs() const { return State().fileDialogs; }
void TScriptedUi::OnModal(std::function<TModalResult(TForm&)> Script) {
    State().modalScripts.push_back(std::move(Script));
}

const std::vector<std::string>& TScriptedUi::OpenedLinks() const { return State().opened; }

int BeepCount() { return State().beeps; }

bool Scripted() { return State().active > 0; }

void SendKey(TControl& Control, unsigned short Key, TShiftState Shift, const std::string& Text) {
    QWidget* t = KeyTarget(Control);
    const int qk = QtKeyOf(Key);
    QString text = ToQ(Text);
    if (text.isEmpty()) {
        if (Key == VK_RETURN) text = "\r";
        else if (Key == VK_BACK) text = "\b";
        else if (Key == VK_ESCAPE) text = "\x1b";
        else if (Key == VK_TAB) text = "\t";
        else if (Key == VK_SPACE) text = " ";
    }
    // The keys of the numeric keypad come marked as such.
    Qt::KeyboardModifiers mods = ModsOf(Shift);
    if (Key >= VK_NUMPAD0 && Key <= VK_DIVIDE) mods |= Qt::KeypadModifier;
    QKeyEvent press(QEvent::KeyPress, qk, mods, text);
    QCoreApplication::sendEvent(t, &press);
    QKeyEvent release(QEvent::KeyRelease, qk, mods, text);
    QCoreApplication::sendEvent(t, &release);
}

void TypeText(TControl& Control, const std::string& Text) {
    for (char32_t ch : ToQ(Text).toUcs4()) {
        const QString s = QString::fromUcs4(&ch, 1);
        // Printable ASCII characters have key codes of their own (upper
        // case for letters); other characters come as unknown keys.
        int qk = Qt::Key_unknown;
        if (ch >= 0x20 && ch < 0x7F) qk = static_cast<int>(std::toupper(static_cast<int>(ch)));
        QWidget* t = KeyTarget(Control);
        QKeyEvent press(QEvent::KeyPress, qk, Qt::NoModifier, s);
        QCoreApplication::sendEvent(t, &press);
        QKeyEvent release(QEvent::KeyRelease, qk, Qt::NoModifier, s);
        QCoreApplication::sendEvent(t, &release);
    }
}

void MouseDown(TControl& Control, TMouseButton Button, int X, int Y, TShiftState Shift) {
    SendMouse(Control, QEvent::MouseButtonPress, QtButton(Button), QtButton(Button), X, Y, Shift);
}

void MouseUp(TControl& Control, TMouseButton Button, int X, int Y, TShiftState Shift) {
    SendMouse(Control, QEvent::MouseButtonRelease, QtButton(Button), Qt::NoButton, X, Y, Shift);
}

void MouseMove(TControl& Control, int X, int Y, TShiftState Shift) {
    Qt::MouseButtons held;
    if (Shift & ssLeft) held |= Qt::LeftButton;
    if (Shift & ssRight) held |= Qt::RightButton;
    if (Shift & ssMiddle) held |= Qt::MiddleButton;
    SendMouse(Control, QEvent::MouseMove, Qt::NoButton, held, X, Y, Shift);
}

void ClickAt(TControl& Control, int X, int Y) {
    if (X < 0 || Y < 0) {
        X = Control.Width() / 2;
        Y = Control.Height() / 2;
    }
    MouseDown(Control, mbLeft, X, Y);
    MouseUp(Control, mbLeft, X, Y);
}

void ContextMenuAt(TControl& Control, int X, int Y) {
    QWidget* w = WidgetOf(Control);
    QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(X, Y), w->mapToGlobal(QPoint(X, Y)));
    QApplication::sendEvent(w, &e);
}

void DoubleClickAt(TControl& Control, int X, int Y) {
    MouseDown(Control, mbLeft, X, Y);
    MouseUp(Control, mbLeft, X, Y);
    SendMouse(Control, QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton, X, Y, 0);
    MouseUp(Control, mbLeft, X, Y);
}

bool PickDroppedItem(TControl& Combo, int Index) {
    auto* cb = qobject_cast<QComboBox*>(WidgetOf(Combo));
    if (cb == nullptr || cb->view() == nullptr || !cb->view()->isVisible()) return false;
    QAbstractItemView* view = cb->view();
    const QModelIndex item = view->model()->index(Index, cb->modelColumn(), view->rootIndex());
    if (!item.isValid()) return false;
    // The pointer over the entry makes it the list's current one, as it
    // does under a hand; the list then takes it as a click's release would.
    view->setCurrentIndex(item);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
    QCoreApplication::sendEvent(view, &press);
    ProcessEvents();
    return true;
}

void Wheel(TControl& Control, int Delta, int X, int Y, TShiftState Shift) {
    QWidget* w = WidgetOf(Control);
    QPoint p(X, Y);
    QWheelEvent e(QPointF(p), QPointF(w->mapToGlobal(p)), QPoint(), QPoint(0, Delta), Qt::NoButton, ModsOf(Shift),
                  Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(w, &e);
}

void MouseEnter(TControl& Control) {
    QWidget* w = WidgetOf(Control);
    QPointF p(1, 1);
    QEnterEvent e(p, p, QPointF(w->mapToGlobal(QPoint(1, 1))));
    QCoreApplication::sendEvent(w, &e);
}

void MouseLeave(TControl& Control) {
    QEvent e(QEvent::Leave);
    QCoreApplication::sendEvent(WidgetOf(Control), &e);
}

void ProcessEvents() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void Wait(int Ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < Ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
}

TRgb PixelAt(TControl& Control, int X, int Y) {
    QImage img = DrawnWidgetOf(Control)->grab().toImage();
    QColor c = img.pixelColor(X, Y);
    return {c.red(), c.green(), c.blue()};
}

int CountPixels(TControl& Control, TRgb Colour) {
    const QImage img = DrawnWidgetOf(Control)->grab().toImage();
    const QColor want(Colour.R, Colour.G, Colour.B);
    int count = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y) == want) ++count;
    return count;
}

TRect ToolkitGeometry(TControl& Control) {
    const QRect g = WidgetOf(Control)->geometry();
    return {g.x(), g.y(), g.x() + g.width(), g.y() + g.height()};
}

TPoint ToolkitSizeHint(TControl& Control) {
    const QSize s = WidgetOf(Control)->sizeHint();
    return {s.width(), s.height()};
}

bool SaveScreenshot(TControl& Control, const std::string& PngPath) {
    return DrawnWidgetOf(Control)->grab().save(ToQ(PngPath), "PNG");
}

bool HintAt(TControl& Control, int X, int Y, TShownHint& Hint) {
    HideHint();
    QWidget* w = WidgetOf(Control);
    QHelpEvent e(QEvent::ToolTip, QPoint(X, Y), w->mapToGlobal(QPoint(X, Y)));
    QCoreApplication::sendEvent(w, &e);
    for (QWidget* tip : QApplication::topLevelWidgets()) {
        if (tip->objectName() != QLatin1String("qtooltip_label") || !tip->isVisible()) continue;
        auto* label = qobject_cast<QLabel*>(tip);
        Hint.Text = label ? FromQ(label->text()) : std::string();
        Hint.ScreenPos = {tip->x(), tip->y()};
        const QColor c = tip->palette().color(QPalette::ToolTipBase);
        Hint.Color = {c.red(), c.green(), c.blue()};
        Hint.Width = tip->width();
        return true;
    }
    return false;
}

// Hidden at once: the toolkit's own hiding waits a moment, and a test
// asking again must not find the old hint still up.
void HideHint() {
    for (QWidget* tip : QApplication::topLevelWidgets())
        if (tip->objectName() == QLatin1String("qtooltip_label")) tip->hide();
}

namespace {

TPicture PictureOfImage(const QImage& shown) {
    const QImage img = shown.convertToFormat(QImage::Format_ARGB32);
    TPicture p;
    p.Width = img.width();
    p.Height = img.height();
    for (int y = 0; y < p.Height; ++y)
        for (int x = 0; x < p.Width; ++x) {
            const QRgb c = img.pixel(x, y);
            p.Pixels.push_back({qRed(c), qGreen(c), qBlue(c)});
            p.Alphas.push_back(qAlpha(c));
        }
    return p;
}

}  // namespace

TPicture PictureOf(TBalloonWindow& Balloon) { return PictureOfImage(TNativeAccess::Widget(Balloon)->grab().toImage()); }

TPicture PictureOf(TControl& Control) { return PictureOfImage(DrawnWidgetOf(Control)->grab().toImage()); }

bool SaveScreenshot(TBalloonWindow& Balloon, const std::string& PngPath) {
    return TNativeAccess::Widget(Balloon)->grab().save(ToQ(PngPath), "PNG");
}

TBoxFrame CloseRealBox(const std::function<void()>& Show) {
    TBoxFrame frame;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) return;
        poll.stop();
        const Qt::WindowFlags f = box->windowFlags();
        const bool own = f.testFlag(Qt::CustomizeWindowHint);
        frame.Shown = true;
        frame.Caption = FromQ(box->windowTitle());
        frame.CloseButton = !own || f.testFlag(Qt::WindowCloseButtonHint);
        frame.MinimizeButton = !own || f.testFlag(Qt::WindowMinimizeButtonHint);
        frame.MaximizeButton = !own || f.testFlag(Qt::WindowMaximizeButtonHint);
        frame.FixedSize = box->minimumSize() == box->maximumSize();
        if (QWidget* owner = box->parentWidget())
            frame.Owner = dynamic_cast<TForm*>(TNativeAccess::ControlOf(owner->window()));
        box->close();
    });
    poll.start();
    Show();
    poll.stop();
    return frame;
}

namespace {

TAccessibleCellView CellView(QAccessibleInterface* cell) {
    TAccessibleCellView v;
    if (cell == nullptr || !cell->isValid()) return v;
    v.Valid = true;
    v.Name = FromQ(cell->text(QAccessible::Name));
    v.Description = FromQ(cell->text(QAccessible::Description));
    v.Role = cell->role() == QAccessible::CheckBox ? "check box" : cell->role() == QAccessible::Cell ? "cell" : "other";
    const QAccessible::State st = cell->state();
    v.Checkable = st.checkable;
    v.Checked = st.checked;
    v.Selected = st.selected;
    v.Focused = st.focused;
    if (QAccessibleTableCellInterface* c = cell->tableCellInterface()) {
        v.Col = c->columnIndex();
        v.Row = c->rowIndex();
    }
    return v;
}

QAccessibleTableInterface* TableInterfaceOf(TControl& Control) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(WidgetOf(Control));
    return a == nullptr ? nullptr : a->tableInterface();
}

std::vector<TAccessibleCellView>& FocusLog() {
    static std::vector<TAccessibleCellView> log;
    return log;
}

}  // namespace

namespace internal {

bool& AccessibilityListened() {
    static bool listened = false;
    return listened;
}

void NoteAccessibleEvent(QAccessibleEvent& Event) {
    if (Event.type() != QAccessible::Focus) return;
    QAccessibleInterface* a = Event.accessibleInterface();
    if (a != nullptr && a->tableCellInterface() != nullptr) FocusLog().push_back(CellView(a));
}

}  // namespace internal

TAccessibleTableView AccessibleTableOf(TControl& Control) {
    TAccessibleTableView v;
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(WidgetOf(Control));
    QAccessibleTableInterface* t = a == nullptr ? nullptr : a->tableInterface();
    if (t == nullptr) return v;
    v.IsTable = true;
    v.Rows = t->rowCount();
    v.Cols = t->columnCount();
    v.Children = a->childCount();
    for (int c = 0; c < v.Cols; ++c) v.ColumnHeaders.push_back(FromQ(t->columnDescription(c)));
    for (QAccessibleInterface* cell : t->selectedCells()) v.Current.push_back(CellView(cell));
    v.FocusChild = CellView(a->focusChild());
    return v;
}

TAccessibleCellView AccessibleCellOf(TControl& Control, int Col, int Row) {
    QAccessibleTableInterface* t = TableInterfaceOf(Control);
    return t == nullptr ? TAccessibleCellView{} : CellView(t->cellAt(Row, Col));
}

std::string AccessibleRowHeaderOf(TControl& Control, int Row) {
    QAccessibleTableInterface* t = TableInterfaceOf(Control);
    return t == nullptr ? std::string() : FromQ(t->rowDescription(Row));
}

bool AccessibleSelectRow(TControl& Control, int Row) {
    QAccessibleTableInterface* t = TableInterfaceOf(Control);
    return t != nullptr && t->selectRow(Row);
}

TAccessibleListener::TAccessibleListener() {
    FocusLog().clear();
    internal::AccessibilityListened() = true;
}

TAccessibleListener::~TAccessibleListener() { internal::AccessibilityListened() = false; }

const std::vector<TAccessibleCellView>& TAccessibleListener::Focused() const { return FocusLog(); }

std::string AccessibleNameOf(TControl& Control) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(WidgetOf(Control));
    return a == nullptr ? std::string() : FromQ(a->text(QAccessible::Name));
}

std::string AccessibleRoleOf(TControl& Control) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(WidgetOf(Control));
    if (a == nullptr) return "";
    switch (a->role()) {
        case QAccessible::Button: return "button";
        case QAccessible::Table: return "table";
        case QAccessible::CheckBox: return "check box";
        case QAccessible::StaticText: return "text";
        case QAccessible::ComboBox: return "combo box";
        case QAccessible::List: return "list";
        case QAccessible::Client: return "client";
        default: return "other";
    }
}

}  // namespace plat::test
