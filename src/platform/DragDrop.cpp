#include "platform/DragDrop.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <deque>
#include <map>
#include <memory>

#include "platform/GuiApp.h"
#include "platform/MimeForms.h"
#include "platform/NativeBridge.h"
#include "platform/TestHooks.h"

namespace plat {

bool TDragData::HasFormat(unsigned Format) const {
    if (Format == CF_HDROP) return !Files.empty();
    return Block(Format) != nullptr;
}

const std::string* TDragData::Block(unsigned Format) const {
    for (const auto& b : Blocks)
        if (b.Format == Format) return &b.Bytes;
    return nullptr;
}

std::string TextToAnsiBlock(const std::string& Utf8) {
    // Characters past the 8-bit range have no place in the 8-bit form.
    const QString q = ToQ(Utf8);
    std::string out;
    out.reserve(size_t(q.size()) + 1);
    for (QChar c : q) out += c.unicode() < 256 ? char(c.unicode()) : '?';
    out += '\0';
    return out;
}

std::string TextToUnicodeBlock(const std::string& Utf8) {
    const QString q = ToQ(Utf8);
    std::string out;
    out.reserve(size_t(q.size()) * 2 + 2);
    for (QChar c : q) {
        out += char(c.unicode() & 0xFF);
        out += char(c.unicode() >> 8);
    }
    out.append(2, '\0');
    return out;
}

std::string AnsiBlockToText(const std::string& Bytes) {
    const size_t end = Bytes.find('\0');
    return FromQ(QString::fromLatin1(Bytes.data(), qsizetype(end == std::string::npos ? Bytes.size() : end)));
}

std::string UnicodeBlockToText(const std::string& Bytes) {
    QString q;
    for (size_t i = 0; i + 1 < Bytes.size(); i += 2) {
        const char16_t u = char16_t(static_cast<unsigned char>(Bytes[i]) | (static_cast<unsigned char>(Bytes[i + 1]) << 8));
        if (u == 0) break;
        q += QChar(u);
    }
    return FromQ(q);
}

namespace {

const char kFormatMimePrefix[] = "application/x-vastrimo-format;value=\"";
const char kRtfName[] = "Rich Text Format";
const char kUrlName[] = "UniformResourceLocator";

}  // namespace

QString MimeTypeOfFormat(unsigned Format) {
    const std::string name = RegisteredMessageName(Format);
    if (name == kRtfName) return QStringLiteral("text/rtf");
    return QString::fromLatin1(kFormatMimePrefix) + ToQ(name) + QLatin1Char('"');
}

void FillMimeData(const TDragData& Data, QMimeData& Mime) {
    QList<QUrl> urls;
    for (const auto& f : Data.Files) urls.push_back(QUrl::fromLocalFile(ToQ(f)));
    const unsigned urlFormat = RegisterWindowMessage(kUrlName);
    if (const std::string* u = Data.Block(CF_UNICODETEXT)) {
        Mime.setText(ToQ(UnicodeBlockToText(*u)));
    } else if (const std::string* a = Data.Block(CF_TEXT)) {
        Mime.setText(ToQ(AnsiBlockToText(*a)));
    }
    for (const auto& b : Data.Blocks) {
        if (b.Format == CF_TEXT || b.Format == CF_UNICODETEXT || b.Format == CF_HDROP) continue;
        if (b.Format == urlFormat) {
            urls.push_back(QUrl(ToQ(std::string(b.Bytes.c_str()))));
            continue;
        }
        if (RegisteredMessageName(b.Format).empty()) continue;
        Mime.setData(MimeTypeOfFormat(b.Format), QByteArray(b.Bytes.data(), qsizetype(b.Bytes.size())));
    }
    if (!urls.isEmpty()) {
        // Setting the links replaces the text form; it is put back after.
        const QString text = Mime.hasFormat(QStringLiteral("text/plain")) ? Mime.text() : QString();
        Mime.setUrls(urls);
        if (!text.isEmpty()) Mime.setText(text);
    }
}

TDragData DragDataOf(const QMimeData& Mime) {
    TDragData d;
    std::string link;
    for (const QUrl& u : Mime.urls()) {
        if (u.isLocalFile()) d.Files.push_back(FromQ(u.toLocalFile()));
        else if (link.empty()) link = FromQ(u.toString());
    }
    // Links listed without a text of their own read as the text of the
    // first one, as a link dragged from a browser does; files are no text.
    std::string text = Mime.hasFormat(QStringLiteral("text/plain")) ? FromQ(Mime.text()) : std::string();
    if (text.empty()) text = link;
    if (!text.empty()) {
        d.Add(CF_TEXT, TextToAnsiBlock(text));
        d.Add(CF_UNICODETEXT, TextToUnicodeBlock(text));
    }
    if (!link.empty()) d.Add(RegisterWindowMessage(kUrlName), link + '\0');
    const QString prefix = QString::fromLatin1(kFormatMimePrefix);
    for (const QString& type : Mime.formats()) {
        std::string name;
        if (type == QLatin1String("text/rtf")) name = kRtfName;
        else if (type.startsWith(prefix) && type.endsWith(QLatin1Char('"')))
            name = FromQ(type.mid(prefix.size(), type.size() - prefix.size() - 1));
        if (name.empty()) continue;
        const QByteArray bytes = Mime.data(type);
        const unsigned format = RegisterWindowMessage(name);
        if (!d.HasFormat(format)) d.Add(format, std::string(bytes.constData(), size_t(bytes.size())));
    }
    return d;
}

namespace {

// Routes the toolkit's drag events of one widget to its hooks.
class TDropFilter : public QObject {
public:
    explicit TDropFilter(TDropTargetHooks* Hooks) : FHooks(Hooks) {}
    TDropTargetHooks* FHooks;

    bool eventFilter(QObject* Watched, QEvent* e) override {
        auto* w = qobject_cast<QWidget*>(Watched);
        if (w == nullptr || FHooks == nullptr) return false;
        switch (e->type()) {
            case QEvent::DragEnter:
            case QEvent::DragMove:
            case QEvent::Drop: {
                auto* de = static_cast<QDropEvent*>(e);
                const QPoint g = w->mapToGlobal(de->position().toPoint());
                const TShiftState keys = ShiftFromModifiers(de->modifiers(), de->buttons());
                const unsigned allowed = unsigned(de->possibleActions());
                unsigned effect = DROPEFFECT_NONE;
                SafeCall([&] {
                    if (e->type() == QEvent::DragEnter)
                        effect = FHooks->DragEnter(DragDataOf(*de->mimeData()), keys, {g.x(), g.y()}, allowed);
                    else if (e->type() == QEvent::DragMove)
                        effect = FHooks->DragOver(keys, {g.x(), g.y()}, allowed);
                    else
                        effect = FHooks->Drop(DragDataOf(*de->mimeData()), keys, {g.x(), g.y()}, allowed);
                });
                effect &= allowed;
                if (effect == DROPEFFECT_NONE) {
                    de->setDropAction(Qt::IgnoreAction);
                    // An entry is taken all the same, so that the moves
                    // keep coming and the target may change its mind.
                    if (e->type() == QEvent::DragEnter) de->accept();
                    else de->ignore();
                } else {
                    de->setDropAction(Qt::DropAction(effect & DROPEFFECT_COPY   ? DROPEFFECT_COPY
                                                     : effect & DROPEFFECT_MOVE ? DROPEFFECT_MOVE
                                                                                : DROPEFFECT_LINK));
                    de->accept();
                }
                return true;
            }
            case QEvent::DragLeave:
                SafeCall([&] { FHooks->DragLeave(); });
                return true;
            default:
                return false;
        }
    }
};

std::map<const TWinControl*, QPointer<TDropFilter>>& Targets() {
    static std::map<const TWinControl*, QPointer<TDropFilter>> targets;
    return targets;
}

}  // namespace

bool RegisterDragDrop(TWinControl& Control, TDropTargetHooks* Target) {
    EnsureGuiApplication();
    QWidget* w = TNativeAccess::Widget(Control);
    if (w == nullptr || Target == nullptr) return false;
    RevokeDragDrop(Control);
    auto* f = new TDropFilter(Target);
    f->setParent(w);
    w->installEventFilter(f);
    w->setAcceptDrops(true);
    Targets()[&Control] = f;
    return true;
}

void RevokeDragDrop(TWinControl& Control) {
    auto it = Targets().find(&Control);
    if (it == Targets().end()) return;
    if (TDropFilter* f = it->second.data()) {
        if (QWidget* w = TNativeAccess::Widget(Control)) {
            w->removeEventFilter(f);
            w->setAcceptDrops(false);
        }
        f->FHooks = nullptr;
        f->deleteLater();
    }
    Targets().erase(it);
}

bool IsDropTarget(const TWinControl& Control) {
    auto it = Targets().find(&Control);
    return it != Targets().end() && !it->second.isNull();
}

namespace {

std::deque<std::function<void(test::TDragSession&)>>& DragScripts() {
    static std::deque<std::function<void(test::TDragSession&)>> scripts;
    return scripts;
}

// A drag driven by a test: every step is a toolkit drag event sent to the
// widget under the pointer, which takes the path a drag by hand takes.
class TScriptedDrag : public test::TDragSession {
public:
    TScriptedDrag(const TDragData& Data, TDropSourceHooks& Source, unsigned Allowed)
        : FData(Data), FSource(Source), FAllowed(Allowed) {
        FillMimeData(Data, FMime);
    }

    void MoveTo(TControl& Control, int X, int Y, TShiftState Shift) override {
        if (FDone) return;
        if (FSource.QueryContinueDrag(false, Shift | ssLeft) != S_OK) {
            Finish(false);
            return;
        }
        QWidget* w = TNativeAccess::Widget(Control);
        if (w != FTarget.data()) {
            Leave();
            FTarget = w;
            if (w != nullptr) {
                QDragEnterEvent enter(QPoint(X, Y), Qt::DropActions(int(FAllowed)), &FMime, Qt::LeftButton,
                                      Modifiers(Shift));
                enter.ignore();
                QApplication::sendEvent(w, &enter);
                FEntered = enter.isAccepted();
                FEffect = FEntered ? unsigned(enter.dropAction()) : DROPEFFECT_NONE;
            }
        }
        FPos = {X, Y};
        FShift = Shift;
        if (w != nullptr && FEntered) {
            QDragMoveEvent move(QPoint(X, Y), Qt::DropActions(int(FAllowed)), &FMime, Qt::LeftButton,
                                Modifiers(Shift));
            move.ignore();
            QApplication::sendEvent(w, &move);
            FEffect = move.isAccepted() ? unsigned(move.dropAction()) : DROPEFFECT_NONE;
        }
        FSource.GiveFeedback(FEffect);
    }

    void Drop(TShiftState Shift) override {
        if (FDone) return;
        const int r = FSource.QueryContinueDrag(false, Shift & ~ssLeft);
        if (r == DRAGDROP_S_DROP && FTarget && FEntered && FEffect != DROPEFFECT_NONE) {
            QDropEvent drop(QPointF(FPos.X, FPos.Y), Qt::DropActions(int(FAllowed)), &FMime, Qt::NoButton,
                            Modifiers(Shift));
            drop.ignore();
            QApplication::sendEvent(FTarget.data(), &drop);
            FEffect = drop.isAccepted() ? unsigned(drop.dropAction()) : DROPEFFECT_NONE;
            FTarget = nullptr;
            Finish(FEffect != DROPEFFECT_NONE);
            return;
        }
        Leave();
        FEffect = DROPEFFECT_NONE;
        Finish(false);
    }

    void Cancel() override {
        if (FDone) return;
        FSource.QueryContinueDrag(true, 0);
        Leave();
        FEffect = DROPEFFECT_NONE;
        Finish(false);
    }

    unsigned Effect() const override { return FEffect; }
    const TDragData& Data() const override { return FData; }

    bool Dropped() const { return FDropped; }
    bool Done() const { return FDone; }

private:
    static Qt::KeyboardModifiers Modifiers(TShiftState s) {
        Qt::KeyboardModifiers m;
        if (s & ssShift) m |= Qt::ShiftModifier;
        if (s & ssCtrl) m |= Qt::ControlModifier;
        if (s & ssAlt) m |= Qt::AltModifier;
        return m;
    }
    void Leave() {
        if (FTarget && FEntered) {
            QDragLeaveEvent leave;
            QApplication::sendEvent(FTarget.data(), &leave);
        }
        FTarget = nullptr;
        FEntered = false;
    }
    void Finish(bool Dropped) {
        FDone = true;
        FDropped = Dropped;
    }

    TDragData FData;
    TDropSourceHooks& FSource;
    unsigned FAllowed;
    QMimeData FMime;
    QPointer<QWidget> FTarget;
    bool FEntered = false;
    TPoint FPos;
    TShiftState FShift = 0;
    unsigned FEffect = DROPEFFECT_NONE;
    bool FDone = false, FDropped = false;
};

// Nothing but the drop's own answers: a drag from another program.
class TForeignSource : public TDropSourceHooks {
public:
    int QueryContinueDrag(bool EscapePressed, TShiftState Keys) override {
        if (EscapePressed) return DRAGDROP_S_CANCEL;
        return (Keys & ssLeft) ? S_OK : DRAGDROP_S_DROP;
    }
    int GiveFeedback(unsigned) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

}  // namespace

int DoDragDrop(TControl& Control, const TDragData& Data, TDropSourceHooks& Source, unsigned AllowedEffects,
               unsigned& Effect) {
    EnsureGuiApplication();
    Effect = DROPEFFECT_NONE;
    if (!DragScripts().empty() || test::Scripted()) {
        TScriptedDrag session(Data, Source, AllowedEffects);
        if (!DragScripts().empty()) {
            auto script = std::move(DragScripts().front());
            DragScripts().pop_front();
            script(session);
        }
        if (!session.Done()) session.Cancel();
        Effect = session.Effect();
        return session.Dropped() ? DRAGDROP_S_DROP : DRAGDROP_S_CANCEL;
    }
    QWidget* w = TNativeAccess::Widget(Control);
    auto* mime = new QMimeData;
    FillMimeData(Data, *mime);
    QDrag drag(w != nullptr ? static_cast<QObject*>(w) : static_cast<QObject*>(qApp));
    drag.setMimeData(mime);  // the drag owns it
    QObject::connect(&drag, &QDrag::actionChanged,
                     [&Source](Qt::DropAction a) { Source.GiveFeedback(unsigned(a)); });
    // The toolkit ends the drag itself; the source still hears each step so
    // that what follows the pointer can follow it.
    QTimer steps;
    QObject::connect(&steps, &QTimer::timeout, [&Source] { Source.QueryContinueDrag(false, ssLeft); });
    steps.start(30);
    const Qt::DropAction result = drag.exec(Qt::DropActions(int(AllowedEffects)));
    steps.stop();
    if (result == Qt::IgnoreAction) {
        Source.QueryContinueDrag(true, 0);
        return DRAGDROP_S_CANCEL;
    }
    Source.QueryContinueDrag(false, 0);
    Effect = unsigned(result);
    return DRAGDROP_S_DROP;
}

}  // namespace plat

namespace plat::test {

void OnDrag(std::function<void(TDragSession&)> Script) { DragScripts().push_back(std::move(Script)); }

unsigned DropOn(TControl& Control, int X, int Y, const TDragData& Data, TShiftState Shift, unsigned Allowed) {
    EnsureGuiApplication();
    TForeignSource source;
    TScriptedDrag session(Data, source, Allowed);
    session.MoveTo(Control, X, Y, Shift);
    session.Drop(Shift);
    return session.Effect();
}

}  // namespace plat::test
