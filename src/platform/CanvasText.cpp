// Text on the canvas: single texts, measuring and formatted text (DrawText)
// with the classic line breaking, accelerator and ellipsis rules.

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

#include "platform/Graphics.h"
#include "platform/QtCanvas.h"

namespace plat {

namespace {

QString ToQString(const std::string& text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

QColor TextColor(const TFont& font) {
    return font.Color() == clNone ? QColor(Qt::black) : ToQColor(font.Color());
}

struct TextLine {
    QString text;
    int underline = -1;  // index of the accelerator character, -1 = none
};

// Removes the "&" markers: "&&" stands for "&", "&x" underlines x.
TextLine StripPrefix(const QString& s, bool keepUnderline) {
    TextLine line;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] == QLatin1Char('&') && i + 1 < s.size()) {
            ++i;
            if (s[i] != QLatin1Char('&') && keepUnderline) line.underline = int(line.text.size());
        }
        line.text += s[i];
    }
    return line;
}

// Tab stops lie every eight average character widths from the start of
// each line; a tab becomes the blanks that reach the next stop.
QString ExpandTabs(const QString& s, const QFontMetrics& fm) {
    const int stop = std::max(1, 8 * fm.averageCharWidth());
    const int blank = std::max(1, fm.horizontalAdvance(QLatin1Char(' ')));
    QString out;
    qsizetype lineStart = 0;
    for (QChar c : s) {
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            out += c;
            lineStart = out.size();
        } else if (c == QLatin1Char('\t')) {
            const int width = fm.horizontalAdvance(out.mid(lineStart));
            const int target = (width / stop + 1) * stop;
            int blanks = std::max(1, (target - width + blank - 1) / blank);
            while (blanks-- > 0) out += QLatin1Char(' ');
        } else {
            out += c;
        }
    }
    return out;
}

// Splits one paragraph at blanks so that every line fits width; a word
// wider than the room stays whole unless breakWords (edit-control rule).
void WrapParagraph(const TextLine& para, const QFontMetrics& fm, int width, bool breakWords,
                   std::vector<TextLine>& out) {
    const QString& s = para.text;
    qsizetype start = 0;
    while (true) {
        // Blanks at the start of a wrapped line are dropped.
        if (start > 0) {
            while (start < s.size() && s[start] == QLatin1Char(' ')) ++start;
        }
        if (fm.horizontalAdvance(s.mid(start)) <= width || start >= s.size()) {
            TextLine l{s.mid(start), -1};
            if (para.underline >= start) l.underline = int(para.underline - start);
            if (start < s.size() || start == 0) out.push_back(l);
            return;
        }
        // The longest run of whole words that fits.
        qsizetype end = -1;
        for (qsizetype i = start + 1; i <= s.size(); ++i) {
            if (i == s.size() || s[i] == QLatin1Char(' ')) {
                if (fm.horizontalAdvance(s.mid(start, i - start)) <= width) {
                    end = i;
                } else {
                    break;
                }
            }
        }
        if (end < 0) {
            // The first word alone is too wide.
            qsizetype wordEnd = s.indexOf(QLatin1Char(' '), start);
            if (wordEnd < 0) wordEnd = s.size();
            if (breakWords) {
                end = start + 1;
                while (end < wordEnd && fm.horizontalAdvance(s.mid(start, end + 1 - start)) <= width) ++end;
            } else {
                end = wordEnd;
            }
            // Leading blanks of the paragraph wider than the room: still
            // move on, or the loop would never end.
            end = std::max(end, start + 1);
        }
        TextLine l{s.mid(start, end - start), -1};
        while (!l.text.isEmpty() && l.text.back() == QLatin1Char(' ')) l.text.chop(1);
        if (para.underline >= start && para.underline < end) l.underline = int(para.underline - start);
        out.push_back(l);
        start = end;
        if (start >= s.size()) return;
    }
}

std::vector<TextLine> LayOut(const QString& text, const QFontMetrics& fm, int width, unsigned flags) {
    const bool prefix = (flags & DT_NOPREFIX) == 0;
    const bool showUnderline = (flags & DT_HIDEPREFIX) == 0;
    QString s = text;
    if (flags & DT_EXPANDTABS) s = ExpandTabs(s, fm);
    std::vector<QString> paragraphs;
    if (flags & DT_SINGLELINE) {
        s.remove(QLatin1Char('\r'));
        s.remove(QLatin1Char('\n'));
        paragraphs.push_back(s);
    } else {
        s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        for (const QString& part : s.split(QLatin1Char('\n'))) paragraphs.push_back(part);
    }
    std::vector<TextLine> lines;
    for (const QString& para : paragraphs) {
        const TextLine stripped = prefix ? StripPrefix(para, showUnderline) : TextLine{para, -1};
        if ((flags & DT_WORDBREAK) && !(flags & DT_SINGLELINE)) {
            const size_t before = lines.size();
            WrapParagraph(stripped, fm, std::max(0, width), (flags & DT_EDITCONTROL) != 0, lines);
            if (lines.size() == before) lines.push_back({QString(), -1});
        } else {
            lines.push_back(stripped);
        }
    }
    return lines;
}

bool CanvasOpaqueText(const TCanvas& c, int bkMode, const TBrush& bkModeBrush) {
    const TBrush& b = c.Brush();
    if (bkMode != 0 && b.Color() == bkModeBrush.Color() && b.Style() == bkModeBrush.Style()) return bkMode == OPAQUE;
    return b.Style() == bsSolid;
}

}  // namespace

const QFont& CanvasPaint::Font(const TCanvas& canvas) {
    TCanvas::Impl* d = canvas.Internal();
    if (!d->fontKey || !d->fontKey->SameAs(canvas.Font())) {
        d->font = ToQFont(canvas.Font());
        d->metrics.emplace(d->font);
        d->fontKey.emplace(canvas.Font());
    }
    return d->font;
}

const QFontMetrics& CanvasPaint::Metrics(const TCanvas& canvas) {
    Font(canvas);
    return *canvas.Internal()->metrics;
}

void TCanvas::SetBkMode(int mode) {
    bkMode_ = (mode == TRANSPARENT || mode == OPAQUE) ? mode : 0;
    bkModeBrush_ = brush_;
}

int TCanvas::BkMode() const { return CanvasOpaqueText(*this, bkMode_, bkModeBrush_) ? OPAQUE : TRANSPARENT; }

int TCanvas::TextWidth(const std::string& text) const {
    return CanvasPaint::Metrics(*this).horizontalAdvance(ToQString(text));
}

int TCanvas::TextHeight(const std::string& text) const { return TextExtent(text).cy; }

TSize TCanvas::TextExtent(const std::string& text) const {
    const QFontMetrics& fm = CanvasPaint::Metrics(*this);
    return {fm.horizontalAdvance(ToQString(text)), fm.height()};
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
    QPainter* p = CanvasPaint::Begin(*this);
    if (p == nullptr) return;
    const QFont& f = CanvasPaint::Font(*this);
    const QFontMetrics& fm = CanvasPaint::Metrics(*this);
    const QString s = ToQString(text);
    const int w = fm.horizontalAdvance(s);
    p->save();
    p->translate(x, y);
    if (font_.Orientation() != 0) p->rotate(-font_.Orientation() / 10.0);
    if (BkMode() == OPAQUE) p->fillRect(QRect(0, 0, w, fm.height()), ToQColor(brush_.Color()));
    p->setFont(f);
    p->setPen(TextColor(font_));
    p->drawText(0, fm.ascent(), s);
    p->restore();
    // The pen position is the classic one: not moved by text output.
}

void TCanvas::TextRect(const TRect& r, int x, int y, const std::string& text) {
    QPainter* p = CanvasPaint::Begin(*this);
    if (p == nullptr) return;
    CanvasPaint::ClipTo(*this, p, ToQRect(r).normalized());
    if (BkMode() == OPAQUE) p->fillRect(ToQRect(r).normalized(), ToQColor(brush_.Color()));
    const QFont& f = CanvasPaint::Font(*this);
    const QFontMetrics& fm = CanvasPaint::Metrics(*this);
    p->save();
    p->translate(x, y);
    if (font_.Orientation() != 0) p->rotate(-font_.Orientation() / 10.0);
    p->setFont(f);
    p->setPen(TextColor(font_));
    p->drawText(0, fm.ascent(), ToQString(text));
    p->restore();
}

int TCanvas::DrawText(const std::string& text, TRect& r, unsigned flags) {
    const QFont& f = CanvasPaint::Font(*this);
    const QFontMetrics& fm = CanvasPaint::Metrics(*this);
    const std::vector<TextLine> lines = LayOut(ToQString(text), fm, r.Width(), flags);
    const int lh = fm.height();
    const int height = lh * int(lines.size());

    if (flags & DT_CALCRECT) {
        int width = 0;
        for (const TextLine& l : lines) width = std::max(width, fm.horizontalAdvance(l.text));
        r.Right = r.Left + width;
        r.Bottom = r.Top + height;
        return height;
    }

    QPainter* p = CanvasPaint::Begin(*this);
    if (p == nullptr) return height;
    if (!(flags & DT_NOCLIP)) CanvasPaint::ClipTo(*this, p, ToQRect(r).normalized());
    const bool opaque = BkMode() == OPAQUE;
    const QColor back = ToQColor(brush_.Color());
    const QColor fore = TextColor(font_);
    p->setFont(f);
    // Right-to-left reading orders mixed text from the right; where each
    // line stands is still set by the alignment flags alone.
    const Qt::LayoutDirection direction = p->layoutDirection();
    if (flags & DT_RTLREADING) p->setLayoutDirection(Qt::RightToLeft);

    // Vertical placement applies to single lines only, as it always has.
    int y = r.Top;
    if (flags & DT_SINGLELINE) {
        if (flags & DT_VCENTER) {
            y = r.Top + (r.Height() - lh) / 2;
        } else if (flags & DT_BOTTOM) {
            y = r.Bottom - lh;
        }
    }
    for (size_t i = 0; i < lines.size(); ++i, y += lh) {
        // An edit control shows no partly visible last line.
        if ((flags & DT_EDITCONTROL) && i > 0 && y + lh > r.Bottom) break;
        TextLine line = lines[i];
        const int room = r.Width();
        if (fm.horizontalAdvance(line.text) > room) {
            if (flags & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS)) {
                line.text = fm.elidedText(line.text, Qt::ElideRight, room);
            } else if (flags & DT_PATH_ELLIPSIS) {
                line.text = fm.elidedText(line.text, Qt::ElideMiddle, room);
            }
            if (line.underline >= line.text.size()) line.underline = -1;
        }
        const int w = fm.horizontalAdvance(line.text);
        int x = r.Left;
        if (flags & DT_CENTER) {
            x = r.Left + (room - w) / 2;
        } else if (flags & DT_RIGHT) {
            x = r.Right - w;
        }
        if (opaque) p->fillRect(QRect(x, y, w, lh), back);
        p->setPen(fore);
        p->drawText(x, y + fm.ascent(), line.text);
        if (line.underline >= 0) {
            const int ux = x + fm.horizontalAdvance(line.text.left(line.underline));
            const int uw = fm.horizontalAdvance(line.text.mid(line.underline, 1));
            p->fillRect(QRect(ux, y + fm.ascent() + std::max(1, fm.underlinePos()), uw, std::max(1, fm.lineWidth())),
                        fore);
        }
    }
    p->setLayoutDirection(direction);
    return height;
}

}  // namespace plat
