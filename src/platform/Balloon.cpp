// The balloon window: a top-level widget with a see-through background that
// paints its own outline, so the corners and the tail's sides show what lies
// beneath.

#include "platform/Balloon.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "platform/Application.h"
#include "platform/NativeBridge.h"

namespace plat {

namespace {

constexpr int kPad = 8;         // between the outline and the content
constexpr int kTail = 12;       // height of the tail
constexpr int kTailWidth = 16;  // width of the tail at the box
constexpr int kTailAt = 18;     // from the box's left edge to the tail's point
constexpr int kIcon = 16;
constexpr int kRadius = 7;

// What to draw, measured once when shown.
struct TLayout {
    QString title, text;
    QFont font, bold;
    QColor back, fore;
    TBalloonKind icon = bkNone;
    QSize box;         // without the tail
    bool down = true;  // the tail points up at a spot above the box
    int tailAt = kTailAt;
    QRect titleRect, textRect, iconRect;
};

void PaintIcon(QPainter& p, const QRect& r, TBalloonKind kind) {
    if (kind == bkNone) return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(r.height() - 4);
    p.setFont(f);
    if (kind == bkWarning) {
        QPainterPath tri;
        tri.moveTo(r.center().x() + 0.5, r.top());
        tri.lineTo(r.right() + 1, r.bottom() + 1);
        tri.lineTo(r.left(), r.bottom() + 1);
        tri.closeSubpath();
        p.fillPath(tri, QColor(240, 190, 0));
        p.setPen(Qt::black);
        p.drawText(r.adjusted(0, 3, 0, 0), Qt::AlignCenter, "!");
    } else {
        p.setBrush(kind == bkInfo ? QColor(20, 90, 200) : QColor(200, 30, 30));
        p.drawEllipse(r);
        p.setPen(Qt::white);
        p.drawText(r, Qt::AlignCenter, kind == bkInfo ? "i" : "x");
    }
    p.restore();
}

}  // namespace

class TBalloonWidget : public QWidget {
public:
    TBalloonWidget()
        : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus) {
        setAttribute(Qt::WA_TranslucentBackground);
        setAttribute(Qt::WA_ShowWithoutActivating);
        setFocusPolicy(Qt::NoFocus);
    }
    TLayout layout;
    // The window of the control the tail points into: a balloon floats
    // above every window, so it goes when that window hides or moves away.
    QPointer<QWidget> host;

    void Follow(QWidget* Window) {
        if (host == Window) return;
        if (host) host->removeEventFilter(this);
        host = Window;
        if (host) host->installEventFilter(this);
    }

    QPainterPath Outline() const {
        const int top = layout.down ? kTail : 0;
        const QRectF box(0.5, top + 0.5, layout.box.width() - 1, layout.box.height() - 1);
        QPainterPath path;
        path.addRoundedRect(box, kRadius, kRadius);
        QPainterPath tail;
        const double x = layout.tailAt + 0.5;
        if (layout.down) {
            tail.moveTo(x, 0.5);
            tail.lineTo(x + kTailWidth, top + 2.5);
            tail.lineTo(x, top + 2.5);
        } else {
            const double y = top + layout.box.height() - 0.5;
            tail.moveTo(x, y + kTail);
            tail.lineTo(x + kTailWidth, y - 2);
            tail.lineTo(x, y - 2);
        }
        tail.closeSubpath();
        return path.united(tail);
    }

protected:
    bool eventFilter(QObject* Watched, QEvent* e) override {
        if (Watched == host) {
            switch (e->type()) {
                case QEvent::Hide:
                case QEvent::Close:
                case QEvent::Move:
                case QEvent::WindowStateChange: hide(); break;
                default: break;
            }
        }
        return QWidget::eventFilter(Watched, e);
    }

    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.fillRect(rect(), Qt::transparent);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p.setRenderHint(QPainter::Antialiasing);
        const QPainterPath outline = Outline();
        p.fillPath(outline, layout.back);
        p.setPen(QPen(QColor(100, 100, 100), 1));
        p.drawPath(outline);
        p.setRenderHint(QPainter::Antialiasing, false);
        PaintIcon(p, layout.iconRect, layout.icon);
        p.setPen(layout.fore);
        p.setFont(layout.bold);
        p.drawText(layout.titleRect, Qt::AlignLeft | Qt::AlignVCenter, layout.title);
        p.setFont(layout.font);
        p.drawText(layout.textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, layout.text);
    }
};

struct TBalloonWindow::Native {
    TBalloonWidget widget;
};

QWidget* TNativeAccess::Widget(const TBalloonWindow& Balloon) { return &Balloon.FNative->widget; }

TBalloonWindow::TBalloonWindow() {
    InitApplication();
    FNative = std::make_unique<Native>();
}

TBalloonWindow::~TBalloonWindow() = default;

int TBalloonWindow::Alpha() const {
    return static_cast<int>(std::lround(FNative->widget.windowOpacity() * 255));
}

void TBalloonWindow::SetAlpha(int Value) { FNative->widget.setWindowOpacity(std::clamp(Value, 0, 255) / 255.0); }

void TBalloonWindow::ShowAt(const TControl& Host, int X, int Y) {
    TBalloonWidget& w = FNative->widget;
    TLayout& l = w.layout;
    l.title = ToQ(FTitle);
    l.text = ToQ(FText);
    l.icon = FIcon;
    l.font = QApplication::font();
    l.bold = l.font;
    l.bold.setBold(true);
    l.back = ToQColor(FColor == clNone ? clInfoBk : FColor);
    l.fore = ToQColor(FTextColor == clNone ? clInfoText : FTextColor);

    // Content: the icon and the title on one line, the text wrapped below.
    const QFontMetrics fm(l.font), bm(l.bold);
    const int maxText = std::max(40, FMaxWidth);
    const QRect textSize = l.text.isEmpty() ? QRect()
                                            : fm.boundingRect(QRect(0, 0, maxText, 100000),
                                                              Qt::AlignLeft | Qt::TextWordWrap, l.text);
    const bool head = !l.title.isEmpty() || l.icon != bkNone;
    const int iconW = l.icon != bkNone ? kIcon + 6 : 0;
    const int headH = head ? std::max(kIcon, bm.height()) : 0;
    const int headW = iconW + (l.title.isEmpty() ? 0 : bm.horizontalAdvance(l.title));
    const int contentW = std::max({headW, textSize.width(), kTailAt + kTailWidth - kPad + 4});
    const int gap = head && !l.text.isEmpty() ? 4 : 0;
    l.box = QSize(contentW + 2 * kPad, headH + gap + textSize.height() + 2 * kPad);

    // Below the spot, unless the screen ends first; kept within the screen
    // sideways with the tail still on the spot when it can be.
    const QPoint spot = TNativeAccess::Widget(Host)->mapToGlobal(QPoint(X, Y));
    QScreen* screen = QGuiApplication::screenAt(spot);
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    const QRect area = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 100000, 100000);
    const int height = l.box.height() + kTail;
    l.down = spot.y() + height <= area.bottom() + 1 || spot.y() - height < area.top();
    int left = spot.x() - kTailAt;
    left = std::max(area.left(), std::min(left, area.right() + 1 - l.box.width()));
    l.tailAt = std::clamp(spot.x() - left, kRadius, std::max(kRadius, l.box.width() - kRadius - kTailWidth));
    const int top = l.down ? spot.y() : spot.y() - height + 1;
    const int boxTop = l.down ? kTail : 0;
    l.iconRect = QRect(kPad, boxTop + kPad + (headH - kIcon) / 2, kIcon, kIcon);
    l.titleRect = QRect(kPad + iconW, boxTop + kPad, contentW - iconW, headH);
    l.textRect = QRect(kPad, boxTop + kPad + headH + gap, contentW, textSize.height());
    FTip = {left + l.tailAt, spot.y()};

    w.Follow(TNativeAccess::Widget(Host)->window());
    w.setGeometry(left, top, l.box.width(), height);
    w.update();
    w.show();
    w.raise();
}

void TBalloonWindow::Hide() { FNative->widget.hide(); }

bool TBalloonWindow::Visible() const { return FNative->widget.isVisible(); }

TRect TBalloonWindow::BoundsRect() const { return FromQRect(FNative->widget.geometry()); }

}  // namespace plat
