#include "platform/StdCtrls.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QMovie>
#include <QPicture>
#include <QStyle>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextLayout>
#include <QEvent>
#include <algorithm>
#include <functional>
#include <optional>

#include "platform/Forms.h"
#include "platform/NativeBridge.h"
#include "platform/QtCanvas.h"

namespace plat {

namespace {

template <class W>
W* WidgetAs(const TControl& c) {
    return static_cast<W*>(TNativeAccess::Widget(c));
}

// Captions mark an accelerator with "&" ("&&" is a plain ampersand); the
// toolkit's buttons use the same convention, its labels do not.
QString LabelText(const std::string& caption) {
    QString out;
    QString in = ToQ(caption);
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] == '&') {
            if (i + 1 < in.size() && in[i + 1] == '&') {
                out += '&';
                ++i;
            }
            continue;
        }
        out += in[i];
    }
    return out;
}

Qt::Alignment HAlign(TAlignment a) {
    switch (a) {
        case taRightJustify: return Qt::AlignRight;
        case taCenter: return Qt::AlignHCenter;
        default: return Qt::AlignLeft;
    }
}

// An edit's text counts a line break as "\r\n"; the multi-line widget
// holds "\n". Positions are converted between the two.
QString ToPlain(const std::string& Text) {
    QString q = ToQ(Text);
    q.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    q.replace('\r', '\n');
    return q;
}

std::string FromPlain(QString Plain) {
    Plain.replace('\n', QStringLiteral("\r\n"));
    return FromQ(Plain);
}

int ToTextPos(const QString& Plain, int Pos) {
    Pos = std::clamp(Pos, 0, static_cast<int>(Plain.size()));
    return Pos + static_cast<int>(Plain.left(Pos).count('\n'));
}

int ToWidgetPos(const QString& Plain, int TextPos) {
    int t = 0;
    for (int i = 0; i < Plain.size(); ++i) {
        if (t >= TextPos) return i;
        t += Plain[i] == '\n' ? 2 : 1;
    }
    return static_cast<int>(Plain.size());
}

const char* const kLinesName = "plat_lines";

// Keeps the multi-line face of an edit over the whole edit.
class TFillParent : public QObject {
public:
    explicit TFillParent(QWidget* Child) : QObject(Child), FChild(Child) {}
    bool eventFilter(QObject* Watched, QEvent* Event) override {
        if (Event->type() == QEvent::Resize) FChild->setGeometry(static_cast<QWidget*>(Watched)->rect());
        return false;
    }

private:
    QWidget* FChild;
};

// Tells the control when its list opens (before it shows, so the control
// can size it) and when it closes.
class TNotifyingComboBox : public QComboBox {
public:
    std::function<void()> Dropping, Closed;
    // Set while the typing field of an editable style is still to be made.
    std::function<void()> MakeEditor;
    void Make_Editor_Now() {
        if (!MakeEditor) return;
        const std::function<void()> make = std::move(MakeEditor);
        MakeEditor = nullptr;
        make();
    }
    void showEvent(QShowEvent* Event) override {
        Make_Editor_Now();
        Apply_Pending_Font();
        QComboBox::showEvent(Event);
    }
    // The box passes a new font on to its drop-down list, building the list
    // to do so; a box takes its font several times while its window is
    // built, mostly in windows not opened yet. Its own handling of the
    // change waits until it is shown, measured or dropped down.
    bool FontPending = false;
    void Apply_Pending_Font() {
        if (!FontPending) return;
        FontPending = false;
        QEvent change(QEvent::FontChange);
        QComboBox::changeEvent(&change);
    }
    void changeEvent(QEvent* Event) override {
        if (Event->type() != QEvent::FontChange || isVisible()) return QComboBox::changeEvent(Event);
        FontPending = true;
        QWidget::changeEvent(Event);
    }
    QSize sizeHint() const override {
        const_cast<TNotifyingComboBox*>(this)->Apply_Pending_Font();
        return QComboBox::sizeHint();
    }
    QSize minimumSizeHint() const override {
        const_cast<TNotifyingComboBox*>(this)->Apply_Pending_Font();
        return QComboBox::minimumSizeHint();
    }
    void showPopup() override {
        Apply_Pending_Font();
        if (Dropping) Dropping();
        QComboBox::showPopup();
    }
    void hidePopup() override {
        const bool shown = view() != nullptr && view()->isVisible();
        QComboBox::hidePopup();
        if (shown && Closed) Closed();
    }
};

// The size the toolkit gives a label of one line of plain text, worked out
// the way it does, but laying the text out once: its own measure lays it
// out three times, twice for a smallest size the labels never use. Empty
// when the label is not such a label (the toolkit's measure is then used).
std::optional<QSize> Plain_Label_Size(const QLabel& w) {
    const QString text = w.text();
    if (text.isEmpty() || w.textFormat() != Qt::PlainText || w.wordWrap() || w.buddy() != nullptr ||
        !w.pixmap().isNull() || w.movie() != nullptr || !w.picture().isNull())
        return std::nullopt;
    const QFontMetrics fm = w.fontMetrics();
    const QMargins m = w.contentsMargins();
    const int align = QStyle::visualAlignment(text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight,
                                              w.alignment());
    int hextra = 2 * w.margin();
    int vextra = hextra;
    int indent = w.indent();
    if (indent < 0 && w.frameWidth() != 0) indent = fm.horizontalAdvance(u'x') - w.margin() * 2;
    if (indent > 0) {
        if ((align & Qt::AlignLeft) || (align & Qt::AlignRight)) hextra += indent;
        if ((align & Qt::AlignTop) || (align & Qt::AlignBottom)) vextra += indent;
    }
    // Centring is left out as the toolkit does (only the size counts), and
    // tabs are expanded as a label of the toolkit shows them.
    const int flags = (align & ~(Qt::AlignVCenter | Qt::AlignHCenter)) | Qt::TextExpandTabs;
    const int width = (w.minimumWidth() > 0 ? w.minimumWidth() : 2000) - hextra - m.left() - m.right();
    const QRect br = fm.boundingRect(0, 0, width, 2000, flags, text);
    const QSize contents(br.width() + hextra + m.left() + m.right(), br.height() + vextra + m.top() + m.bottom());
    return contents.expandedTo(w.minimumSize());
}

// A label is measured again whenever its text or font changes, and a
// window builds hundreds of them: most share a font, and many a text (the
// empty caption of a label being placed, the dots between address octets,
// units). Sizes are kept by everything the measure depends on; the key
// compares fonts as fonts, since spelling each one out as text cost about
// as much as the measures it saved.
struct TLabelMeasure {
    QFont font;
    QString text;
    int alignment, format, margin, indent, frame;
    QMargins margins;
    bool operator==(const TLabelMeasure& o) const {
        return text == o.text && alignment == o.alignment && format == o.format && margin == o.margin &&
               indent == o.indent && frame == o.frame && margins == o.margins && font == o.font;
    }
};

size_t qHash(const TLabelMeasure& k, size_t seed = 0) {
    return qHashMulti(seed, k.font, k.text, k.alignment, k.format, k.margin, k.indent, k.frame);
}

QSize Label_Size_Hint(QLabel& w) {
    w.ensurePolished();  // the style may set the font the size depends on
    if (!w.pixmap().isNull() || w.buddy() != nullptr) return w.sizeHint();
    const TLabelMeasure key{w.font(),   w.text(),   int(w.alignment()), int(w.textFormat()),
                            w.margin(), w.indent(), w.frameWidth(),     w.contentsMargins()};
    static QHash<TLabelMeasure, QSize> sizes;
    if (const auto found = sizes.constFind(key); found != sizes.constEnd()) return *found;
    if (sizes.size() > 4096) sizes.clear();
    const std::optional<QSize> plain = Plain_Label_Size(w);
    const QSize size = plain ? *plain : w.sizeHint();
    sizes.insert(key, size);
    return size;
}

}  // namespace

// --- TLabel ----------------------------------------------------------------

TLabel::TLabel(TComponent* AOwner) : TControl(AOwner) {
    auto* w = new QLabel;
    w->setTextFormat(Qt::PlainText);
    w->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    TNativeAccess::Native(*this).ApplyText = [w](const std::string& t) { w->setText(LabelText(t)); };
    SetBounds(0, 0, 65, 17);
    TNativeAccess::Bind(*this, w);
    SetParentColor(true);
}

void TLabel::SetAlignment(TAlignment Value) {
    SettleBounds();  // a pending size grows from the side it was set to
    FAlignment = Value;
    auto* w = WidgetAs<QLabel>(*this);
    w->setAlignment(HAlign(Value) | (w->alignment() & Qt::AlignVertical_Mask));
}

void TLabel::SetLayout(TTextLayout Value) {
    FLayout = Value;
    auto* w = WidgetAs<QLabel>(*this);
    Qt::Alignment v = Value == tlCenter ? Qt::AlignVCenter : Value == tlBottom ? Qt::AlignBottom : Qt::AlignTop;
    w->setAlignment(HAlign(FAlignment) | v);
}

void TLabel::SetWordWrap(bool Value) {
    SettleBounds();
    FWordWrap = Value;
    WidgetAs<QLabel>(*this)->setWordWrap(Value);
    AdjustBounds();
}

void TLabel::SetAutoSize(bool Value) {
    SettleBounds();
    FAutoSize = Value;
    AdjustBounds();
}

void TLabel::SetTransparent(bool Value) {
    FTransparent = Value;
    WidgetAs<QLabel>(*this)->setAutoFillBackground(!Value && !ParentColor());
}

void TLabel::AdjustBounds() {
    if (!FAutoSize) return;
    if (WidgetAs<QLabel>(*this)->isVisible())
        MeasureBounds();
    else
        SetBoundsPending();
}

void TLabel::MeasureBounds() {
    if (!FAutoSize) return;
    auto* w = WidgetAs<QLabel>(*this);
    if (FWordWrap) {
        SetHeight(std::max(w->heightForWidth(Width()), w->fontMetrics().height()));
        return;
    }
    QSize s = Label_Size_Hint(*w);
    if (Caption().empty()) s.setWidth(0);
    // A right-aligned label grows to the left, as its anchor is its right edge.
    int left = FAlignment == taRightJustify ? Left() + Width() - s.width() : Left();
    SetBounds(left, Top(), s.width(), s.height());
}

void TLabel::CMTextChanged(TMessage& Message) {
    TControl::CMTextChanged(Message);
    AdjustBounds();
}

void TLabel::CMFontChanged(TMessage& Message) {
    TControl::CMFontChanged(Message);
    AdjustBounds();
}

// --- TLinkLabel ------------------------------------------------------------

TLinkLabel::TLinkLabel(TComponent* AOwner) : TControl(AOwner) {
    auto* w = new QLabel;
    w->setTextFormat(Qt::RichText);
    w->setOpenExternalLinks(false);
    w->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    TNativeAccess::Native(*this).ApplyText = [w](const std::string& t) {
        w->setText(ToQ(t));
    };
    QObject::connect(w, &QLabel::linkActivated, w, [this](const QString& link) {
        SafeCall([&] {
            if (OnLinkClick) OnLinkClick(this, FromQ(link), sltURL);
        });
    });
    SetBounds(0, 0, 60, 17);
    TNativeAccess::Bind(*this, w);
    SetControlStyle(ControlStyle() & ~csClickEvents);
}

// --- TEdit -----------------------------------------------------------------

// The toolkit's line edit, with the edit's own drawing after its own.
class TEditWidget : public QLineEdit {
protected:
    void paintEvent(QPaintEvent* e) override {
        QLineEdit::paintEvent(e);
        auto* edit = dynamic_cast<TEdit*>(TNativeAccess::ControlOf(this));
        if (edit == nullptr || !edit->FPaintsOver) return;
        QPainter painter(this);
        TCanvas canvas;
        CanvasPaintScope bind(canvas, &painter);
        SafeCall([&] { edit->PaintOver(canvas); });
    }
};

namespace {

QPlainTextEdit* LinesOf(const TEdit& Edit) {
    if (!Edit.MultiLine()) return nullptr;
    return TNativeAccess::Widget(Edit)->findChild<QPlainTextEdit*>(kLinesName, Qt::FindDirectChildrenOnly);
}

}  // namespace

TEdit::TEdit(TComponent* AOwner) : TWinControl(AOwner) {
    auto* w = new TEditWidget;
    TNativeAccess::Native(*this).ApplyText = [this, w](const std::string& t) {
        if (auto* lines = LinesOf(*this)) {
            if (FromPlain(lines->toPlainText()) == t) return;
            FSyncing = true;
            lines->setPlainText(ToPlain(t));
            FSyncing = false;
            return;
        }
        if (w->text() != ToQ(t)) w->setText(ToQ(t));
    };
    QObject::connect(w, &QLineEdit::textChanged, w, [this, w](const QString& text) {
        if (FCharCase != ecNormal) {
            QString cased = FCharCase == ecUpperCase ? text.toUpper() : text.toLower();
            if (cased != text) {
                int pos = w->cursorPosition();
                w->setText(cased);  // comes back here with the cased text
                w->setCursorPosition(pos);
                return;
            }
        }
        TNativeAccess::TextFromWidget(*this, FromQ(text));
        SafeCall([&] { Change(); });
    });
    SetBounds(0, 0, 121, 21);
    TNativeAccess::Bind(*this, w);
    SetTabStop(true);
    SetColor(clWindow);
    // Our own menu, not the toolkit's: its entries must reach the edit's
    // own paste and cut rules.
    w->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(w, &QWidget::customContextMenuRequested, w, [this, w](const QPoint& p) {
        const QPoint g = w->mapToGlobal(p);
        SafeCall([&] { PopupEditMenu(TPoint{g.x(), g.y()}); });
    });
}

void TEdit::Change() {
    if (OnChange) OnChange(this);
}

void TEdit::SetPaintsOver(bool Value) {
    if (Value == FPaintsOver) return;
    FPaintsOver = Value;
    Invalidate();
}

void TEdit::SetMaxLength(int Value) {
    FMaxLength = std::max(0, Value);
    WidgetAs<QLineEdit>(*this)->setMaxLength(FMaxLength > 0 ? FMaxLength : 32767);
}

void TEdit::SetReadOnly(bool Value) {
    FReadOnly = Value;
    WidgetAs<QLineEdit>(*this)->setReadOnly(Value);
    if (auto* lines = LinesOf(*this)) lines->setReadOnly(Value);
}

void TEdit::SetCharCase(TEditCharCase Value) {
    FCharCase = Value;
    auto* w = WidgetAs<QLineEdit>(*this);
    const QString cased = Value == ecUpperCase ? w->text().toUpper() : Value == ecLowerCase ? w->text().toLower() : w->text();
    if (cased != w->text()) w->setText(cased);
}

void TEdit::SetPasswordChar(char32_t Value) {
    FPasswordChar = Value;
    WidgetAs<QLineEdit>(*this)->setEchoMode(Value != 0 ? QLineEdit::Password : QLineEdit::Normal);
}

int TEdit::SelStart() const {
    if (auto* lines = LinesOf(*this)) return ToTextPos(lines->toPlainText(), lines->textCursor().selectionStart());
    auto* w = WidgetAs<QLineEdit>(*this);
    return w->hasSelectedText() ? w->selectionStart() : w->cursorPosition();
}

void TEdit::SetSelStart(int Value) {
    if (auto* lines = LinesOf(*this)) {
        QTextCursor c = lines->textCursor();
        c.setPosition(ToWidgetPos(lines->toPlainText(), Value));
        lines->setTextCursor(c);
        return;
    }
    WidgetAs<QLineEdit>(*this)->setCursorPosition(Value);
}

int TEdit::SelLength() const {
    if (auto* lines = LinesOf(*this)) {
        const QTextCursor c = lines->textCursor();
        const QString plain = lines->toPlainText();
        return ToTextPos(plain, c.selectionEnd()) - ToTextPos(plain, c.selectionStart());
    }
    return static_cast<int>(WidgetAs<QLineEdit>(*this)->selectedText().size());
}

void TEdit::SetSelLength(int Value) {
    if (auto* lines = LinesOf(*this)) {
        // As in a single line, the selection runs from the caret.
        const QString plain = lines->toPlainText();
        QTextCursor c = lines->textCursor();
        const int start = ToTextPos(plain, c.position());
        c.setPosition(ToWidgetPos(plain, start));
        c.setPosition(ToWidgetPos(plain, start + Value), QTextCursor::KeepAnchor);
        lines->setTextCursor(c);
        return;
    }
    auto* w = WidgetAs<QLineEdit>(*this);
    w->setSelection(w->cursorPosition(), Value);
}

void TEdit::SelectAll() {
    if (auto* lines = LinesOf(*this)) lines->selectAll();
    else WidgetAs<QLineEdit>(*this)->selectAll();
}

void TEdit::SetSelText(const std::string& Value) {
    if (auto* lines = LinesOf(*this)) lines->textCursor().insertText(ToPlain(Value));
    else WidgetAs<QLineEdit>(*this)->insert(ToQ(Value));
}

void TEdit::SetMultiLine(bool Value) {
    if (FMultiLine == Value) return;
    auto* w = WidgetAs<QLineEdit>(*this);
    auto* lines = w->findChild<QPlainTextEdit*>(kLinesName, Qt::FindDirectChildrenOnly);
    const bool focused = w->hasFocus();
    FMultiLine = Value;
    if (Value) {
        if (lines == nullptr) {
            lines = new QPlainTextEdit(w);
            lines->setObjectName(kLinesName);
            lines->setFrameShape(QFrame::NoFrame);
            lines->setTabChangesFocus(true);
            lines->setContentsMargins(0, 0, 0, 0);
            lines->document()->setDocumentMargin(1);
            lines->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            lines->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            w->installEventFilter(new TFillParent(lines));
            QObject::connect(lines, &QPlainTextEdit::textChanged, lines, [this, lines] {
                if (FSyncing) return;
                const QString plain = lines->toPlainText();
                const std::string text = FromPlain(plain);
                if (FMaxLength > 0 && static_cast<int>(ToQ(text).size()) > FMaxLength) {
                    // Too long: the change is taken back, the caret where
                    // it stood before it.
                    const QString old = ToPlain(Text());
                    const int caret = lines->textCursor().position() - static_cast<int>(plain.size() - old.size());
                    FSyncing = true;
                    lines->setPlainText(old);
                    QTextCursor c = lines->textCursor();
                    c.setPosition(std::clamp(caret, 0, static_cast<int>(old.size())));
                    lines->setTextCursor(c);
                    FSyncing = false;
                    return;
                }
                TNativeAccess::TextFromWidget(*this, text);
                SafeCall([&] {
                    if (OnChange) OnChange(this);
                });
            });
            TNativeAccess::Watch(*this, lines);
        }
        lines->setGeometry(w->rect());
        lines->setLineWrapMode(FWordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
        lines->setReadOnly(FReadOnly);
        FSyncing = true;
        lines->setPlainText(ToPlain(Text()));
        FSyncing = false;
        lines->show();
        w->setFocusProxy(lines);
        if (focused) lines->setFocus();
    } else if (lines != nullptr) {
        w->setFocusProxy(nullptr);
        lines->hide();
        {
            const QSignalBlocker quiet(w);
            w->setText(ToQ(Text()));
        }
        if (focused) w->setFocus();
    }
}

void TEdit::SetWordWrap(bool Value) {
    FWordWrap = Value;
    if (auto* lines = LinesOf(*this))
        lines->setLineWrapMode(Value ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

int TEdit::CharFromPos(int X, int Y) const {
    auto* w = WidgetAs<QLineEdit>(*this);
    if (auto* lines = LinesOf(*this)) {
        const QPoint p = lines->viewport()->mapFrom(w, QPoint(X, Y));
        return ToTextPos(lines->toPlainText(), lines->cursorForPosition(p).position());
    }
    return w->cursorPositionAt(QPoint(X, Y));
}

int TEdit::LineFromChar(int Index) const {
    auto* lines = LinesOf(*this);
    if (lines == nullptr) return 0;
    QTextDocument* doc = lines->document();
    const int pos = ToWidgetPos(lines->toPlainText(), Index);
    const QTextBlock block = doc->findBlock(pos);
    int line = 0;
    for (QTextBlock b = doc->begin(); b.isValid() && b != block; b = b.next())
        line += std::max(1, b.layout() != nullptr ? b.layout()->lineCount() : 1);
    if (block.isValid() && block.layout() != nullptr && block.layout()->lineCount() > 0) {
        const QTextLine tl = block.layout()->lineForTextPosition(pos - block.position());
        if (tl.isValid()) line += tl.lineNumber();
    }
    return line;
}

// --- TMemo -----------------------------------------------------------------

TMemo::TMemo(TComponent* AOwner) : TWinControl(AOwner) {
    auto* w = new QPlainTextEdit;
    auto& n = TNativeAccess::Native(*this);
    n.WantsAllKeys = true;
    n.ApplyText = [this](const std::string& t) {
        if (FSyncing) return;
        FLines.SetText(t);
    };
    FLines.OnChange = [this, w] {
        if (FSyncing) return;
        FSyncing = true;
        QStringList lines;
        for (const auto& l : FLines.Items()) lines << ToQ(l);
        w->setPlainText(lines.join('\n'));
        TNativeAccess::TextFromWidget(*this, JoinedLines());
        FSyncing = false;
        SafeCall([&] {
            if (OnChange) OnChange(this);
        });
    };
    QObject::connect(w, &QPlainTextEdit::textChanged, w, [this, w] {
        if (FSyncing) return;
        QString text = w->toPlainText();
        if (FMaxLength > 0 && text.size() > FMaxLength) {
            w->setPlainText(text.left(FMaxLength));
            w->moveCursor(QTextCursor::End);
            return;
        }
        FSyncing = true;
        std::vector<std::string> lines;
        for (const QString& l : text.split('\n')) lines.push_back(FromQ(l));
        if (text.isEmpty()) lines.clear();
        FLines.Assign(lines);
        TNativeAccess::TextFromWidget(*this, JoinedLines());
        FSyncing = false;
        SafeCall([&] {
            if (OnChange) OnChange(this);
        });
    });
    SetBounds(0, 0, 185, 89);
    TNativeAccess::Bind(*this, w);
    SetTabStop(true);
    SetColor(clWindow);
}

TMemo::~TMemo() { FLines.OnChange = nullptr; }

std::string TMemo::JoinedLines() const {
    // The memo's text has no line break after its last line, unlike Lines.
    std::string out;
    for (size_t i = 0; i < FLines.Items().size(); ++i) {
        if (i > 0) out += "\r\n";
        out += FLines.Items()[i];
    }
    return out;
}

void TMemo::SetReadOnly(bool Value) {
    FReadOnly = Value;
    WidgetAs<QPlainTextEdit>(*this)->setReadOnly(Value);
}

void TMemo::SetWordWrap(bool Value) {
    FWordWrap = Value;
    WidgetAs<QPlainTextEdit>(*this)->setLineWrapMode(Value ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TMemo::SetScrollBars(TScrollStyle Value) {
    FScrollBars = Value;
    auto* w = WidgetAs<QPlainTextEdit>(*this);
    w->setHorizontalScrollBarPolicy((Value == ssHorizontal || Value == ssBoth) ? Qt::ScrollBarAlwaysOn
                                                                              : Qt::ScrollBarAlwaysOff);
    w->setVerticalScrollBarPolicy((Value == ssVertical || Value == ssBoth) ? Qt::ScrollBarAlwaysOn
                                                                          : Qt::ScrollBarAlwaysOff);
}

void TMemo::SetMaxLength(int Value) { FMaxLength = std::max(0, Value); }

// --- TButton ---------------------------------------------------------------

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner) {
    auto* w = new QPushButton;
    w->setAutoDefault(false);
    TNativeAccess::Native(*this).ApplyText = [w](const std::string& t) { w->setText(ToQ(t)); };
    QObject::connect(w, &QPushButton::clicked, w, [this] { TNativeAccess::CallClick(*this); });
    SetBounds(0, 0, 75, 25);
    TNativeAccess::Bind(*this, w);
    SetControlStyle(ControlStyle() & ~csClickEvents);
    SetTabStop(true);
}

void TButton::Click() {
    // The form learns the result before the handler runs, so a handler may
    // still cancel the close by resetting it.
    if (FModalResult != mrNone)
        if (TForm* f = ParentForm()) f->SetModalResult(FModalResult);
    TWinControl::Click();
}

void TButton::Dispatch(TMessage& Message) {
    if (Message.Msg == CM_DIALOGKEY) {
        if ((Message.WParam == VK_RETURN && FDefault) || (Message.WParam == VK_ESCAPE && FCancel)) {
            Click();
            Message.Result = 1;
        }
        return;
    }
    TWinControl::Dispatch(Message);
}

// --- TCheckBox / TRadioButton ------------------------------------------------

void TNativeAccess::CheckedFromWidget(TCheckBox& Box, bool Checked) {
    if (Box.FChecked == Checked) return;
    Box.FChecked = Checked;
    CallClick(Box);
}

void TNativeAccess::CheckedFromWidget(TRadioButton& Button, bool Checked) {
    if (Button.FChecked == Checked) return;
    Button.FChecked = Checked;
    if (Checked) CallClick(Button);
}

TCheckBox::TCheckBox(TComponent* AOwner) : TWinControl(AOwner) {
    auto* w = new QCheckBox;
    TNativeAccess::Native(*this).ApplyText = [w](const std::string& t) { w->setText(ToQ(t)); };
    QObject::connect(w, &QCheckBox::toggled, w, [this](bool on) { TNativeAccess::CheckedFromWidget(*this, on); });
    SetBounds(0, 0, 97, 17);
    TNativeAccess::Bind(*this, w);
    SetControlStyle(ControlStyle() & ~csClickEvents);
    SetTabStop(true);
}

void TCheckBox::SetChecked(bool Value) {
    if (Value == FChecked) return;
    auto* w = WidgetAs<QCheckBox>(*this);
    {
        QSignalBlocker block(w);
        w->setChecked(Value);
    }
    FChecked = Value;
    Click();
}

TRadioButton::TRadioButton(TComponent* AOwner) : TWinControl(AOwner) {
    auto* w = new QRadioButton;
    TNativeAccess::Native(*this).ApplyText = [w](const std::string& t) { w->setText(ToQ(t)); };
    QObject::connect(w, &QRadioButton::toggled, w,
                     [this](bool on) { TNativeAccess::CheckedFromWidget(*this, on); });
    SetBounds(0, 0, 113, 17);
    TNativeAccess::Bind(*this, w);
    SetControlStyle(ControlStyle() & ~csClickEvents);
    SetTabStop(true);
}

void TRadioButton::SetChecked(bool Value) {
    if (Value == FChecked) return;
    // The toolkit unchecks the siblings, whose handlers then follow.
    WidgetAs<QRadioButton>(*this)->setChecked(Value);
    if (!Value) FChecked = false;
}

// --- TComboBox -------------------------------------------------------------

void TNativeAccess::ItemIndexFromWidget(TComboBox& Box, int Index) {
    Box.FItemIndex = Index;
    if (Index >= 0 && Index < Box.FItems.Count()) Box.FText = Box.FItems[Index];
    SafeCall([&] {
        Box.Click();
        if (Box.OnSelect) Box.OnSelect(&Box);
        else if (Box.OnChange) Box.OnChange(&Box);
    });
}

TComboBox::TComboBox(TComponent* AOwner) : TWinControl(AOwner) {
    auto* w = new TNotifyingComboBox;
    w->Dropping = [this] {
        SafeCall([&] {
            if (OnDropDown) OnDropDown(this);
        });
    };
    w->Closed = [this] {
        SafeCall([&] {
            if (OnCloseUp) OnCloseUp(this);
        });
    };
    // The default style is editable; its field comes when first needed.
    w->MakeEditor = [this, w] {
        FSyncing = true;
        w->setEditable(true);
        w->setInsertPolicy(QComboBox::NoInsert);
        TNativeAccess::Watch(*this, w->lineEdit());
        w->lineEdit()->setMaxLength(FMaxLength > 0 ? FMaxLength : 32767);
        w->setCurrentIndex(FItemIndex);
        w->setEditText(ToQ(Text()));
        FSyncing = false;
    };
    TNativeAccess::Native(*this).ApplyText = [this, w](const std::string& t) {
        if (FSyncing) return;
        FSyncing = true;
        FItemIndex = FItems.IndexOf(t);
        if (w->isEditable()) {
            w->setCurrentIndex(FItemIndex);
            w->setEditText(ToQ(t));
        } else {
            w->setCurrentIndex(FItemIndex);
        }
        FSyncing = false;
    };
    FItems.OnChange = [this] { SyncItems(); };
    QObject::connect(w, QOverload<int>::of(&QComboBox::activated), w, [this](int index) {
        if (FSyncing) return;
        TNativeAccess::ItemIndexFromWidget(*this, index);
    });
    QObject::connect(w, &QComboBox::editTextChanged, w, [this, w](const QString& text) {
        if (FSyncing || !w->isEditable()) return;
        // A picked item also changes the edit text; that is no typing.
        if (w->currentIndex() >= 0 && w->itemText(w->currentIndex()) == text && FItemIndex == w->currentIndex())
            return;
        FItemIndex = -1;
        TNativeAccess::TextFromWidget(*this, FromQ(text));
        SafeCall([&] {
            if (OnChange) OnChange(this);
        });
    });
    SetBounds(0, 0, 145, 21);
    TNativeAccess::Bind(*this, w);
    SetControlStyle(ControlStyle() & ~csClickEvents);
    SetTabStop(true);
    SetColor(clWindow);
}

TComboBox::~TComboBox() {
    FItems.OnChange = nullptr;
    auto* w = WidgetAs<TNotifyingComboBox>(*this);
    w->Dropping = nullptr;
    w->Closed = nullptr;
    w->MakeEditor = nullptr;
}

int TComboBox::DroppedWidth() const {
    auto* w = WidgetAs<QComboBox>(*this);
    if (DroppedDown()) return w->view()->window()->width();
    return std::max(FDroppedWidth, Width());
}

void TComboBox::SetDroppedWidth(int Value) {
    FDroppedWidth = std::max(0, Value);
    WidgetAs<QComboBox>(*this)->view()->setMinimumWidth(FDroppedWidth);
}

void TComboBox::SyncItems() {
    auto* w = WidgetAs<QComboBox>(*this);
    if (FSorted && !FSyncing) {
        std::vector<std::string> sorted = FItems.Items();
        std::sort(sorted.begin(), sorted.end());
        if (sorted != FItems.Items()) {
            FItems.Assign(sorted);  // comes back here in order
            return;
        }
    }
    FSyncing = true;
    QStringList list;
    for (const auto& s : FItems.Items()) list << ToQ(s);
    w->clear();
    w->addItems(list);
    if (FItemIndex >= FItems.Count()) FItemIndex = -1;
    w->setCurrentIndex(FItemIndex);
    if (w->isEditable()) w->setEditText(ToQ(Text()));
    FSyncing = false;
}

void TComboBox::SetItemIndex(int Value) {
    if (Value < -1 || Value >= FItems.Count()) Value = -1;
    FItemIndex = Value;
    auto* w = WidgetAs<QComboBox>(*this);
    FSyncing = true;
    w->setCurrentIndex(Value);
    const std::string text = Value >= 0 ? FItems[Value] : std::string();
    if (w->isEditable()) w->setEditText(ToQ(text));
    FSyncing = false;
    TNativeAccess::TextFromWidget(*this, text);
}

void TComboBox::SetStyle(TComboBoxStyle Value) {
    FStyle = Value;
    auto* w = WidgetAs<TNotifyingComboBox>(*this);
    // A list never needs the typing field still due.
    if (Value == csDropDownList)
        w->MakeEditor = nullptr;
    else
        w->Make_Editor_Now();
    FSyncing = true;
    // The line edit a list style drops is deleted later, and through its
    // focus proxy it still counts as focused while the combo is: deleted,
    // it would take the focus away from the combo.
    if (Value == csDropDownList && w->lineEdit() != nullptr) w->lineEdit()->setFocusProxy(nullptr);
    w->setEditable(Value != csDropDownList);
    if (w->lineEdit() != nullptr) {
        w->setInsertPolicy(QComboBox::NoInsert);
        TNativeAccess::Watch(*this, w->lineEdit());
        w->lineEdit()->setMaxLength(FMaxLength > 0 ? FMaxLength : 32767);
    }
    w->setCurrentIndex(FItemIndex);
    FSyncing = false;
    if (Value == csDropDownList)
        TNativeAccess::TextFromWidget(*this, FItemIndex >= 0 ? FItems[FItemIndex] : std::string());
}

void TComboBox::SetDropDownCount(int Value) {
    FDropDownCount = Value;
    WidgetAs<QComboBox>(*this)->setMaxVisibleItems(std::max(1, Value));
}

void TComboBox::SetMaxLength(int Value) {
    FMaxLength = std::max(0, Value);
    if (auto* le = WidgetAs<QComboBox>(*this)->lineEdit()) le->setMaxLength(FMaxLength > 0 ? FMaxLength : 32767);
}

bool TComboBox::DroppedDown() const {
    auto* w = WidgetAs<QComboBox>(*this);
    return w->view() != nullptr && w->view()->isVisible();
}

void TComboBox::SetDroppedDown(bool Value) {
    auto* w = WidgetAs<QComboBox>(*this);
    if (Value) w->showPopup();
    else w->hidePopup();
}

void TComboBox::SetSorted(bool Value) {
    FSorted = Value;
    SyncItems();
}

void Make_Combo_Editor(QWidget* Widget) {
    if (auto* box = dynamic_cast<TNotifyingComboBox*>(Widget)) box->Make_Editor_Now();
}

// --- TListBox --------------------------------------------------------------

void TNativeAccess::ItemIndexFromWidget(TListBox& Box, int Index) {
    if (Box.FItemIndex == Index) return;
    Box.FItemIndex = Index;
    CallClick(Box);
}

TListBox::TListBox(TComponent* AOwner) : TWinControl(AOwner) {
    auto* w = new QListWidget;
    FItems.OnChange = [this] { SyncItems(); };
    QObject::connect(w, &QListWidget::currentRowChanged, w, [this](int row) {
        if (FSyncing) return;
        TNativeAccess::ItemIndexFromWidget(*this, row);
    });
    // The list's entries lie in its viewport, whose clicks the control does
    // not see: a double click on an entry comes from the list itself.
    QObject::connect(w, &QListWidget::itemDoubleClicked, w, [this](QListWidgetItem*) {
        if (ControlStyle() & csDoubleClicks) SafeCall([&] { DblClick(); });
    });
    // The list's own delegate flips a box under a click or Space; only
    // such a change reaches here, code's changes come while syncing.
    QObject::connect(w, &QListWidget::itemChanged, w, [this, w](QListWidgetItem* item) {
        if (FSyncing || !FCheckBoxes) return;
        const int row = w->row(item);
        if (row < 0 || row >= static_cast<int>(FChecked.size())) return;
        const bool now = item->checkState() == Qt::Checked;
        if (FChecked[row] == now) return;
        FChecked[row] = now;
        SafeCall([&] { CheckClicked(row); });
    });
    SetBounds(0, 0, 121, 97);
    TNativeAccess::Bind(*this, w);
    SetControlStyle(ControlStyle() & ~csClickEvents);
    SetTabStop(true);
    SetColor(clWindow);
}

TListBox::~TListBox() { FItems.OnChange = nullptr; }

void TListBox::SyncItems() {
    auto* w = WidgetAs<QListWidget>(*this);
    if (FSorted && !FSyncing) {
        std::vector<std::string> sorted = FItems.Items();
        std::sort(sorted.begin(), sorted.end());
        if (sorted != FItems.Items()) {
            FItems.Assign(sorted);
            return;
        }
    }
    FSyncing = true;
    w->clear();
    for (const auto& s : FItems.Items()) w->addItem(ToQ(s));
    if (FCheckBoxes) {
        FChecked.resize(FItems.Count(), false);
        for (int i = 0; i < FItems.Count(); ++i) SyncCheck(i);
    }
    if (FItemIndex >= FItems.Count()) FItemIndex = -1;
    w->setCurrentRow(FItemIndex);
    FSyncing = false;
}

void TListBox::SetItemIndex(int Value) {
    if (Value < -1 || Value >= FItems.Count()) Value = -1;
    FItemIndex = Value;
    FSyncing = true;
    WidgetAs<QListWidget>(*this)->setCurrentRow(Value);
    FSyncing = false;
}

void TListBox::SetMultiSelect(bool Value) {
    FMultiSelect = Value;
    WidgetAs<QListWidget>(*this)->setSelectionMode(Value ? QAbstractItemView::ExtendedSelection
                                                         : QAbstractItemView::SingleSelection);
}

bool TListBox::Selected(int Index) const {
    auto* item = WidgetAs<QListWidget>(*this)->item(Index);
    return item != nullptr && item->isSelected();
}

void TListBox::SetSelected(int Index, bool Value) {
    if (auto* item = WidgetAs<QListWidget>(*this)->item(Index)) item->setSelected(Value);
}

int TListBox::SelCount() const { return static_cast<int>(WidgetAs<QListWidget>(*this)->selectedItems().size()); }

void TListBox::SetSorted(bool Value) {
    FSorted = Value;
    SyncItems();
}

void TListBox::SetCheckBoxes(bool Value) {
    FCheckBoxes = Value;
    SyncItems();
}

bool TListBox::ItemChecked(int Index) const {
    return Index >= 0 && Index < static_cast<int>(FChecked.size()) && FChecked[Index];
}

void TListBox::SetItemChecked(int Index, bool Value) {
    if (!FCheckBoxes || Index < 0 || Index >= FItems.Count()) return;
    FChecked.resize(FItems.Count(), false);
    FChecked[Index] = Value;
    const bool was = FSyncing;
    FSyncing = true;
    SyncCheck(Index);
    FSyncing = was;
}

void TListBox::SyncCheck(int Index) {
    QListWidgetItem* item = WidgetAs<QListWidget>(*this)->item(Index);
    if (item == nullptr) return;
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(FChecked[Index] ? Qt::Checked : Qt::Unchecked);
}

// --- TCheckListBox ---------------------------------------------------------

TCheckListBox::TCheckListBox(TComponent* AOwner) : TListBox(AOwner) { SetCheckBoxes(true); }

void TCheckListBox::ClickCheck() {
    if (OnClickCheck) OnClickCheck(this);
}

void TCheckListBox::CheckClicked(int) { ClickCheck(); }

// --- TGroupBox -------------------------------------------------------------

TGroupBox::TGroupBox(TComponent* AOwner) : TWinControl(AOwner) {
    auto* w = new QGroupBox;
    TNativeAccess::Native(*this).ApplyText = [w](const std::string& t) { w->setTitle(LabelText(t)); };
    SetBounds(0, 0, 185, 105);
    TNativeAccess::Bind(*this, w);
}

}  // namespace plat
