#include "controls/EsgHTMLE.h"

#include <algorithm>
#include <cmath>

#include "base/StrUtils.h"
#include "controls/ExtStyleIF.h"
#include "controls/HtmlText.h"
#include "controls/PictureContainer.h"

namespace ctl {

using plat::TColor;
using plat::TRect;
using plat::clNone;

namespace {

TColor gHighlightColor = 0xFF00000Du;
TColor gHighlightTextColor = 0xFF00000Eu;

// Sizes, offsets and angles written in a cell text. The text may come from
// a file or a device name, and the layout adds and scales these numbers in
// int, so they are held to a range no cell comes near.
constexpr int Max_Html_Extent = 100000;
constexpr int Max_Html_Degrees = 3600;

int ClampExtent(int value) { return std::clamp(value, -Max_Html_Extent, Max_Html_Extent); }

int HexPairToInt(const std::string& s) {
    if (s.size() < 2) return 0;
    auto digit = [](char c) { return static_cast<unsigned char>(c) < 'A' ? c - 48 : c - 55; };
    return digit(s[0]) * 16 + digit(s[1]);
}

struct TColorName {
    const char* name;
    TColor value;
};

constexpr TColorName kColorNames[] = {
    {"clred", 0x0000FF},
    {"clblack", 0x000000},
    {"clblue", 0xFF0000},
    {"clgreen", 0x008000},
    {"claqua", 0xFFFF00},
    {"clyellow", 0x00FFFF},
    {"clfuchsia", 0xFF00FF},
    {"clwhite", 0xFFFFFF},
    {"cllime", 0x00FF00},
    {"clsilver", 0xC0C0C0},
    {"clgray", 0x808080},
    {"clolive", 0x008080},
    {"clnavy", 0x800000},
    {"clpurple", 0x800080},
    {"clteal", 0x808000},
    {"clmaroon", 0x000080},
    {"clbackground", 0xFF000001},
    {"clactivecaption", 0xFF000002},
    {"clinactivecaption", 0xFF000003},
    {"clmenu", 0xFF000004},
    {"clwindow", 0xFF000005},
    {"clwindowframe", 0xFF000006},
    {"clmenutext", 0xFF000007},
    {"clwindowtext", 0xFF000008},
    {"clcaptiontext", 0xFF000009},
    {"clactiveborder", 0xFF00000A},
    {"clinactiveborder", 0xFF00000B},
    {"clappworkspace", 0xFF00000C},
    {"clhighlight", 0xFF00000D},
    {"clhighlighttext", 0xFF00000E},
    {"clbtnface", 0xFF00000F},
    {"clbtnshadow", 0xFF000010},
    {"clgraytext", 0xFF000011},
    {"clbtntext", 0xFF000012},
    {"clinactivecaptiontext", 0xFF000013},
    {"clbtnhighlight", 0xFF000014},
    {"cl3ddkshadow", 0xFF000015},
    {"cl3dlight", 0xFF000016},
    {"clinfotext", 0xFF000017},
    {"clinfobk", 0xFF000018},
};
static_assert(std::size(kColorNames) == 40);

// The colour of an attribute value: "#RRGGBB" or a colour name.
TColor ValueColor(const std::string& v) {
    if (!v.empty() && v[0] == '#') return HexColorToColor(v);
    return HtmlColorToColor(v);
}

// An attribute's value: the text between the first two double quotes
// after its name. Found without quotes it reads as empty.
bool Attr(const std::string& upperTag, const std::string& tag, const char* name, std::string& value,
          bool asWritten = false) {
    const std::size_t p = upperTag.find(name);
    if (p == std::string::npos) return false;
    value.clear();
    const std::size_t q1 = upperTag.find('"', p);
    if (q1 == std::string::npos) return true;
    const std::size_t q2 = upperTag.find('"', q1 + 1);
    if (q2 == std::string::npos) return true;
    value = (asWritten ? tag : upperTag).substr(q1 + 1, q2 - q1 - 1);
    return true;
}

std::string PrepareText(const std::string& text) {
    std::string s = text;
    if (s.find('&') != std::string::npos) {
        static const std::pair<const char*, const char*> entities[] = {
            {"&amp;", "&&"},   {"&quot;", "\""},   {"&sect;", "§"}, {"&permil;", "‰"}, {"&reg;", "®"},
            {"&copy;", "©"}, {"&para;", "¶"}, {"&trade;", "™"}, {"&euro;", "€"},
        };
        bool replaced = true;
        while (replaced) {
            replaced = false;
            for (const auto& e : entities)
                if (ReplaceFirstNoCase(e.first, e.second, s)) replaced = true;
        }
    }
    s = UnwrapHashMarkers(s);
    return LineBreaksToBr(s, true);
}

struct TLineMetrics {
    int supLift = 0;
    int subDrop = 0;
    int imgLift = 0;
    int lineHeight = 0;
    int lineWidth = 0;
};

// Style flags a pass carries from line to line. Each pass keeps its own
// copy, so the drawing pass of a line starts where the measuring pass of
// that line started.
struct TPassStyle {
    bool sub = false;
    bool sup = false;
    bool shadow = false;
    bool hidden = false;
    bool error = false;
    int listLevel = 0;
    int orientationBefore = 0;
};

enum TTagOutcome { toConsumed, toEndLine, toNoFit };

class TRenderer {
public:
    TRenderer(plat::TCanvas& canvas, const TRect& rect, const THtmlRenderArgs& args, THtmlRenderResult& res)
        : c_(canvas), rect_(rect), a_(args), r_(res) {}

    bool Run(const std::string& text);

private:
    std::string RenderLine(std::string& source, const TRect& lineRect, bool measureMode, bool drawing,
                           bool firstPass, TLineMetrics& m, bool& ctrlHit, bool& anchorHit);
    TTagOutcome Tag(const std::string& tag, const TRect& lineRect, int textBottom, bool measureMode,
                    bool drawing, bool firstPass, TLineMetrics& m, bool& ctrlHit, bool& liSeen);
    TTagOutcome Image(const std::string& tag, const std::string& up, const TRect& lineRect, bool drawing,
                      TLineMetrics& m, bool& ctrlHit);
    TTagOutcome Control(const std::string& tag, const TRect& lineRect, int textBottom, bool drawing,
                        TLineMetrics& m, bool& ctrlHit);
    THTMLPicture* FindPicture(const std::string& src, const std::string& upperSrc);
    int PieceWidth(const std::string& piece, const TRect& lineRect);
    void SetBrush(TColor color);
    TColor BrushOrNone() const;
    void SetUnderline(bool on);
    void SetStyle(plat::TFontStyle style, bool on);
    int Gh() const { return c_.TextHeight("gh"); }

    plat::TCanvas& c_;
    TRect rect_;
    const THtmlRenderArgs& a_;
    THtmlRenderResult& r_;
    unsigned format_ = 0;
    plat::TFont baseFont_;
    TColor callBrushColor_ = plat::clWhite;

    TPassStyle style_;
    int align_ = 0;
    int indent_ = 0;
    int counter_ = 0;
    int imageCounter_ = 0;
    std::string anchorAddr_;
    std::string anchorTitle_;
    bool insideAnchor_ = false;
    bool parBackground_ = false;
    int imageUnderPoint_ = -1;
    bool hoveredFound_ = false;
    int lineNo_ = 0;
    int anchorStartLine_ = -1;
    int anchorStartWidth_ = 0;
    int anchorStartTop_ = 0;
    bool focusActive_ = false;
    int focusLeft_ = 0;
    int focusTop_ = 0;
    int curLeft_ = 0;
    int rightEdge_ = 0;
    bool hitTests_ = true;

    TColor anchorSavedBrush_ = clNone;
    TColor anchorSavedFont_ = clNone;
    TColor fontSavedBrush_ = clNone;
    TColor hiSavedBrush_ = clNone;
    TColor hiSavedFont_ = clNone;
    TColor parSavedBrush_ = clNone;
    TColor parSavedPen_ = clNone;
};

TColor TRenderer::BrushOrNone() const {
    return c_.Brush().Style() == plat::bsClear ? clNone : c_.Brush().Color();
}

void TRenderer::SetBrush(TColor color) {
    if (color == clNone) c_.Brush().SetStyle(plat::bsClear);
    else c_.Brush().SetColor(color);
}

void TRenderer::SetStyle(plat::TFontStyle style, bool on) {
    plat::TFontStyles s = c_.Font().Style();
    if (on) s.Include(style);
    else s.Exclude(style);
    c_.Font().SetStyle(s);
}

void TRenderer::SetUnderline(bool on) { SetStyle(plat::fsUnderline, on); }

int TRenderer::PieceWidth(const std::string& piece, const TRect& lineRect) {
    TRect r = lineRect;
    c_.DrawText(piece, r, format_ | plat::DT_CALCRECT);
    return r.Width();
}

THTMLPicture* TRenderer::FindPicture(const std::string& src, const std::string& upperSrc) {
    if (upperSrc.find(':') == std::string::npos) {
        return a_.PictureContainer ? a_.PictureContainer->FindPicture(src) : nullptr;
    }
    if (upperSrc.find("://") != std::string::npos && a_.PictureCache) {
        if (!a_.PictureCache->FindPicture(src)) {
            THTMLPicture* p = a_.PictureCache->AddPicture();
            p->SetAsynch(false);
            p->LoadFromURL(src);
        }
        return a_.PictureCache->FindPicture(src);
    }
    return nullptr;
}

bool TRenderer::Run(const std::string& text) {
    r_.StripVal.clear();
    r_.FocusAnchor.clear();
    r_.AnchorHint.clear();
    r_.ControlValue.clear();
    r_.ControlType.clear();
    r_.ControlID = a_.CheckOnly ? a_.ControlID : std::string();
    r_.XSize = r_.YSize = r_.HyperLinks = 0;
    r_.MouseLink = -1;
    r_.ControlRect = TRect{};

    std::string source = PrepareText(text);

    baseFont_ = c_.Font();
    const plat::TBrush brushAtCall = c_.Brush();
    const plat::TPen penAtCall = c_.Pen();
    callBrushColor_ = brushAtCall.Color();
    c_.Brush().SetStyle(plat::bsClear);
    c_.SetBkMode(plat::TRANSPARENT);
    hiSavedFont_ = baseFont_.Color();

    format_ = plat::DT_SINGLELINE | plat::DT_BOTTOM | plat::DT_EXPANDTABS;
    if (!a_.WordWrap) format_ |= plat::DT_END_ELLIPSIS;
    if (a_.BiDiMode == 1 && !(format_ & plat::DT_CENTER)) format_ ^= plat::DT_RIGHT;
    if (a_.BiDiMode != 0) format_ |= plat::DT_RTLREADING;

    plat::TFont measureFont = baseFont_;
    plat::TFont drawFont = baseFont_;
    TPassStyle measureStyle;
    TPassStyle drawStyle;
    TRect working = rect_;
    working.Left += 1;
    bool result = false;

    while (!source.empty()) {
        TLineMetrics m;
        c_.SetFont(measureFont);
        const int gh = Gh();
        m.lineHeight = gh;
        const std::string addr = anchorAddr_;
        const std::string title = anchorTitle_;
        const bool inside = insideAnchor_;
        const int images = imageCounter_;
        const int counter = counter_;

        bool ctrlHit = false;
        bool anchorHit = false;
        style_ = measureStyle;
        // A hit test call tests the point again on the aligned and indented
        // line; testing it here, on the line not yet placed, would report
        // anchors and controls where they are not.
        hitTests_ = !a_.CheckOnly;
        const std::size_t before = source.size();
        const std::string lineSource =
            RenderLine(source, working, true, false, true, m, ctrlHit, anchorHit);
        measureFont = c_.Font();
        measureStyle = style_;
        if (source.size() == before && lineSource.empty()) source.erase(0, 1);  // never stall

        TRect line = working;
        if (align_ == 1) line.Left = std::max(line.Left, line.Right - m.lineWidth);
        else if (align_ == 2 && line.Right - line.Left - m.lineWidth > 0)
            line.Left += (line.Right - line.Left - m.lineWidth) / 2;
        line.Left += indent_;
        line.Bottom = line.Top + m.lineHeight + m.subDrop + m.supLift;

        if (!a_.MeasureOnly) {
            counter_ = counter;
            anchorAddr_ = addr;
            anchorTitle_ = title;
            insideAnchor_ = inside;
            imageCounter_ = images;
            c_.SetFont(drawFont);
            style_ = drawStyle;
            std::string again = lineSource;
            ctrlHit = anchorHit = false;
            hitTests_ = true;
            RenderLine(again, line, a_.CheckOnly, !a_.CheckOnly, false, m, ctrlHit, anchorHit);
            drawFont = c_.Font();
            drawStyle = style_;
            if (anchorHit && a_.Y > line.Bottom - m.imgLift - gh && a_.Y < line.Bottom - m.imgLift)
                result = true;
            if (ctrlHit) result = true;
        }

        const int advance = m.lineHeight + m.subDrop + m.supLift;
        working.Top += advance;
        r_.YSize += advance;
        ++lineNo_;
        if (!a_.MeasureOnly && working.Top + gh > rect_.Bottom) break;
    }

    r_.HyperLinks = counter_;
    c_.SetFont(baseFont_);
    if (r_.YSize == 0) r_.YSize = Gh();
    c_.SetPen(penAtCall);
    c_.SetBrush(brushAtCall);
    c_.SetBkMode(plat::TRANSPARENT);
    return result;
}

std::string TRenderer::RenderLine(std::string& source, const TRect& lineRect, bool measureMode, bool drawing,
                                  bool firstPass, TLineMetrics& m, bool& ctrlHit, bool& anchorHit) {
    const int textBottom = lineRect.Bottom - m.subDrop;
    m.lineWidth = 0;
    curLeft_ = lineRect.Left;
    rightEdge_ = lineRect.Right;
    const int rectWidth = lineRect.Width();
    if (focusActive_ && drawing) {
        focusLeft_ = lineRect.Left + 1;
        focusTop_ = lineRect.Top;
    }
    if (parBackground_ && drawing) {
        parSavedPen_ = c_.Pen().Color();
        c_.Pen().SetColor(c_.Brush().Color());
        if (c_.Brush().Style() != plat::bsClear)
            c_.FillRect(plat::Rect(rect_.Left, lineRect.Top, rect_.Right, lineRect.Top + m.lineHeight));
    }

    std::string lineSource;
    int trailingBlank = 0;
    bool liSeen = false;
    bool firstPiece = true;
    while (!source.empty()) {
        if (source[0] != '<') {
            const std::size_t lt = source.find('<');
            std::size_t len = lt == std::string::npos ? source.size() : lt;
            if (a_.WordWrap) {
                const std::size_t blank = source.find(' ');
                if (blank != std::string::npos && blank < len) len = blank + 1;
            }
            const std::string raw = source.substr(0, len);
            std::string piece = raw;
            ReplaceAllNoCase("&nbsp;", " ", piece);
            ReplaceAllNoCase("&lt;", "<", piece);
            ReplaceAllNoCase("&gt;", ">", piece);

            const int h = c_.TextHeight(piece);
            if (style_.sub) m.subDrop = std::max(m.subDrop, h / 4);
            if (style_.sup) m.supLift = std::max(m.supLift, h / 4);
            m.lineHeight = std::max(m.lineHeight, h);
            if (style_.hidden) {
                if (firstPass) r_.StripVal += piece;
                source.erase(0, len);
                continue;
            }

            int w = 0;
            if (measureMode) {
                w = PieceWidth(piece, lineRect);
                const int widthBefore = m.lineWidth;
                m.lineWidth += w;
                const int dx = a_.X - lineRect.Left;
                if (hitTests_ && insideAnchor_ && dx >= widthBefore && dx <= m.lineWidth) {
                    anchorHit = true;
                    if (a_.Y > lineRect.Top) {
                        r_.AnchorVal = anchorAddr_;
                        r_.AnchorHint = anchorTitle_;
                        hoveredFound_ = true;
                    }
                }
            }
            if (drawing) {
                w = PieceWidth(piece, lineRect);
                TRect pr = plat::Rect(curLeft_, lineRect.Top, lineRect.Right, textBottom);
                if (a_.BiDiMode != 0) pr = plat::Rect(lineRect.Left, lineRect.Top, rightEdge_, textBottom);
                if (style_.sup) pr.Bottom -= m.supLift;
                if (style_.sub) pr.Bottom += m.subDrop;
                pr.Bottom -= m.imgLift;
                if (style_.shadow) {
                    const TColor keep = c_.Font().Color();
                    c_.Font().SetColor(a_.ShadowColor);
                    TRect sr = pr;
                    plat::OffsetRect(sr, a_.ShadowOffset, a_.ShadowOffset);
                    c_.DrawText(piece, sr, format_);
                    c_.Font().SetColor(keep);
                }
                if (c_.Font().Orientation() != 0) c_.TextOut(pr.Left, pr.Bottom - h, piece);
                else c_.DrawText(piece, pr, format_);
                if (insideAnchor_ && counter_ == a_.FocusLink + 1) r_.FocusAnchor = anchorAddr_;
                const int pieceLeft = a_.BiDiMode != 0 ? rightEdge_ - w : curLeft_;
                if (style_.error) {
                    const TColor keep = c_.Pen().Color();
                    c_.Pen().SetColor(plat::clRed);
                    auto waveY = [&](int x) { return (x % 4 == 0) ? textBottom + 1 : textBottom - 1; };
                    int x = pieceLeft & ~1;
                    c_.MoveTo(x, waveY(x));
                    while (x < pieceLeft + w) {
                        x += 2;
                        c_.LineTo(x, waveY(x));
                    }
                    c_.Pen().SetColor(keep);
                }
                if (a_.BiDiMode != 0) rightEdge_ -= w;
                else curLeft_ += w;
            }

            const bool fits = m.lineWidth < rectWidth || w >= rectWidth;
            const bool glued = !lineSource.empty() && lineSource.back() != ' ';
            if (fits || glued || !a_.WordWrap) {
                lineSource += raw;
                source.erase(0, len);
                if (firstPass) r_.StripVal += piece;
                trailingBlank = (!piece.empty() && piece.back() == ' ') ? c_.TextWidth(" ") : 0;
                if (!fits && !a_.WordWrap && !firstPiece && measureMode) {
                    source.clear();  // the line ends in an ellipsis
                    break;
                }
                if (!fits && drawing) {
                    source.clear();
                    break;
                }
            } else {
                if (measureMode) m.lineWidth -= w;
                break;
            }
            firstPiece = false;
            continue;
        }

        if (source.size() <= 2) {
            source.clear();
            break;
        }
        const std::size_t gt = source.find('>');
        if (gt == std::string::npos) {
            source.clear();
            break;
        }
        const std::string tag = source.substr(0, gt + 1);
        const TTagOutcome outcome =
            Tag(tag, lineRect, textBottom, measureMode, drawing, firstPass, m, ctrlHit, liSeen);
        if (outcome == toNoFit) break;
        lineSource += tag;
        source.erase(0, gt + 1);
        if (outcome == toEndLine) break;
    }

    if (measureMode) m.lineWidth -= trailingBlank;
    r_.XSize = std::max(r_.XSize, m.lineWidth);
    if (focusActive_ && drawing) {
        // The focused anchor goes on past this line: frame its part here.
        TRect f = plat::Rect(focusLeft_, focusTop_, curLeft_, textBottom);
        plat::InflateRect(f, 1, 1);
        c_.DrawFocusRect(f);
    }
    return lineSource;
}

TTagOutcome TRenderer::Tag(const std::string& tag, const TRect& lineRect, int textBottom, bool measureMode,
                           bool drawing, bool firstPass, TLineMetrics& m, bool& ctrlHit, bool& liSeen) {
    (void)measureMode;
    const std::string up = base::UpperCase(tag);
    const bool closing = up.size() > 1 && up[1] == '/';
    const std::size_t n = closing ? 2 : 1;
    const char c1 = n < up.size() ? up[n] : '\0';
    const char c2 = n + 1 < up.size() ? up[n + 1] : '\0';
    std::string v;

    switch (c1) {
    case 'A': {
        if (!closing) {
            if (drawing && counter_ == a_.FocusLink) {
                focusActive_ = true;
                focusLeft_ = curLeft_;
                focusTop_ = lineRect.Top;
            }
            ++counter_;
            const bool hover = !a_.HoverOnly || counter_ == a_.HoverLink;
            if (drawing && hover) {
                SetUnderline(true);
                if (a_.HoverColor != clNone) {
                    anchorSavedBrush_ = BrushOrNone();
                    c_.Brush().SetColor(a_.HoverColor);
                }
                if (a_.HoverFontColor != clNone) {
                    anchorSavedFont_ = c_.Font().Color();
                    c_.Font().SetColor(a_.HoverFontColor);
                }
            }
            const bool hoveredInHoverMode =
                a_.HoverOnly && counter_ == a_.HoverLink && a_.HoverFontColor != clNone;
            if (drawing && !a_.KeepColors && !hoveredInHoverMode) c_.Font().SetColor(a_.URLColor);
            if (Attr(up, tag, "HREF", v, true)) {
                anchorAddr_ = v;
                insideAnchor_ = true;
            }
            anchorTitle_ = Attr(up, tag, "TITLE", v, true) ? v : std::string();
            anchorStartLine_ = lineNo_;
            anchorStartWidth_ = m.lineWidth;
            anchorStartTop_ = lineRect.Top;
        } else {
            const bool hover = !a_.HoverOnly || counter_ == a_.HoverLink;
            if (drawing && hover) {
                SetUnderline(false);
                if (a_.HoverColor != clNone) SetBrush(anchorSavedBrush_);
                if (a_.HoverFontColor != clNone) c_.Font().SetColor(anchorSavedFont_);
            }
            if (drawing && !a_.KeepColors) c_.Font().SetColor(baseFont_.Color());
            insideAnchor_ = false;
            if (hoveredFound_) {
                const bool sameLine = anchorStartLine_ == lineNo_;
                r_.HoverRect = plat::Rect(sameLine ? lineRect.Left + anchorStartWidth_ : lineRect.Left,
                                          sameLine ? anchorStartTop_ : lineRect.Top,
                                          lineRect.Left + m.lineWidth, lineRect.Bottom);
                r_.MouseLink = counter_;
                hoveredFound_ = false;
            }
            if (drawing && focusActive_ && counter_ == a_.FocusLink + 1) {
                const int bottom = textBottom - m.imgLift;
                TRect f = plat::Rect(focusLeft_, bottom - Gh(), curLeft_, bottom);
                plat::InflateRect(f, 1, 1);
                c_.DrawFocusRect(f);
                focusActive_ = false;
            }
        }
        return toConsumed;
    }
    case 'B':
        if (c2 == 'R') {
            if (!closing && firstPass) r_.StripVal += '\r';
            return closing ? toConsumed : toEndLine;
        }
        if (closing) {
            if (c2 == '>') SetStyle(plat::fsBold, false);
            else if (drawing) c_.Font().SetColor(baseFont_.Color());
            return toConsumed;
        }
        if (c2 == 'L') {
            if (drawing && !a_.BlinkOn) c_.Font().SetColor(callBrushColor_);
        } else if (c2 == 'O') {
            if (!drawing) return toConsumed;
            if (Attr(up, tag, "BACKGROUND", v, true)) {
                THTMLPicture* pic = FindPicture(v, base::UpperCase(v));
                if (pic && !pic->Empty() && pic->Width() > 0 && pic->Height() > 0) {
                    c_.SaveState();
                    c_.IntersectClipRect(rect_);
                    for (int y = rect_.Top; y < rect_.Bottom; y += pic->Height())
                        for (int x = rect_.Left; x < rect_.Right; x += pic->Width())
                            pic->Draw(c_, plat::Rect(x, y, x + pic->Width(), y + pic->Height()));
                    c_.RestoreState();
                }
            }
            if (Attr(up, tag, "BGCOLOR", v)) {
                TColor col = clNone;
                if (v.find("CL") != std::string::npos) col = HtmlColorToColor(v);
                else if (v.find('#') != std::string::npos) col = HexColorToColor(v);
                if (col != clNone) {
                    c_.Brush().SetColor(col);
                    fontSavedBrush_ = col;
                    const TColor pen = c_.Pen().Color();
                    c_.Pen().SetColor(col);
                    c_.FillRect(rect_);
                    c_.Pen().SetColor(pen);
                }
            }
        } else {
            SetStyle(plat::fsBold, true);
        }
        return toConsumed;
    case 'C':
        if (closing) return toConsumed;
        return Control(tag, lineRect, textBottom, drawing, m, ctrlHit);
    case 'E':
        style_.error = !closing;
        return toConsumed;
    case 'F': {
        if (closing) {
            c_.Font().SetName(baseFont_.Name());
            c_.Font().SetSize(baseFont_.Size());
            if (drawing && !a_.KeepColors) {
                c_.Font().SetColor(baseFont_.Color());
                SetBrush(fontSavedBrush_);
            }
            return toConsumed;
        }
        if (Attr(up, tag, "FACE", v)) c_.Font().SetName(v);
        if (Attr(up, tag, " COLOR", v) && drawing && !a_.KeepColors && !v.empty())
            c_.Font().SetColor(ValueColor(v));
        if (Attr(up, tag, "BGCOLOR", v) && drawing && !a_.KeepColors && !v.empty()) {
            fontSavedBrush_ = BrushOrNone();
            c_.Brush().SetColor(ValueColor(v));
        }
        if (Attr(up, tag, "SIZE", v) && !v.empty()) {
            const int size = std::clamp(IntOfText(v), -Max_Html_Extent, Max_Html_Extent);
            static const int sizes[] = {8, 10, 12, 14, 16};
            c_.Font().SetSize(size >= 1 && size <= 5 ? sizes[size - 1] : size);
        }
        return toConsumed;
    }
    case 'H':
        if (c2 == 'I') {
            if (!drawing) return toConsumed;
            if (!closing) {
                hiSavedFont_ = c_.Font().Color();
                hiSavedBrush_ = BrushOrNone();
                c_.Brush().SetColor(gHighlightColor);
                c_.Font().SetColor(gHighlightTextColor);
            } else {
                c_.Font().SetColor(hiSavedFont_);
                SetBrush(hiSavedBrush_);
            }
            return toConsumed;
        }
        if (c2 == 'R' && !closing) {
            if (drawing) {
                const TColor pen = c_.Pen().Color();
                c_.Pen().SetColor(plat::clBlack);
                c_.MoveTo(lineRect.Left, textBottom + 1);
                c_.LineTo(lineRect.Right, textBottom + 1);
                c_.Pen().SetColor(pen);
            }
            return toEndLine;
        }
        return toConsumed;
    case 'I':
        if (closing) {
            SetStyle(plat::fsItalic, false);
            return toConsumed;
        }
        if (c2 == 'N') {
            int x = 0;
            if (Attr(up, tag, "X=", v) && base::TryStrToInt(v, x) && (x = ClampExtent(x)) > m.lineWidth) {
                m.lineWidth = x;
                curLeft_ = rect_.Left + x;
            }
            return toConsumed;
        }
        if (c2 == 'M') return Image(tag, up, lineRect, drawing, m, ctrlHit);
        SetStyle(plat::fsItalic, true);
        return toConsumed;
    case 'L':
        if (closing) return toEndLine;
        if (liSeen) return toNoFit;
        liSeen = true;
        m.lineWidth += 12 * style_.listLevel;
        if (drawing) {
            const std::string name = c_.Font().Name();
            c_.Font().SetName("Symbol");
            c_.TextOut(curLeft_ + 12 * (style_.listLevel - 1), lineRect.Top,
                       style_.listLevel % 2 == 1 ? "•" : "o");
            c_.Font().SetName(name);
        }
        curLeft_ += 12 * style_.listLevel;
        return toConsumed;
    case 'P':
        if (closing) {
            if (drawing && parBackground_) SetBrush(parSavedBrush_);
            parBackground_ = false;
            return toEndLine;
        }
        if (Attr(up, tag, "ALIGN", v)) {
            if (v.find("RIGHT") != std::string::npos) align_ = 1;
            if (v.find("LEFT") != std::string::npos) align_ = 0;
            if (v.find("CENTER") != std::string::npos) align_ = 2;
        }
        if (Attr(up, tag, "INDENT", v)) indent_ = ClampExtent(IntOfText(v));
        if (drawing && Attr(up, tag, "BGCOLOR", v)) {
            const TColor col = v.empty() ? clNone : ValueColor(v);
            parBackground_ = true;
            parSavedBrush_ = BrushOrNone();
            SetBrush(col);
            parSavedPen_ = c_.Pen().Color();
            if (col != clNone) c_.Pen().SetColor(col);
            if (col != clNone)
                c_.FillRect(plat::Rect(rect_.Left, lineRect.Top, rect_.Right, textBottom));
        }
        return toConsumed;
    case 'R':
        if (!closing) {
            int degrees = 0;
            if (Attr(up, tag, "A=", v) && base::TryStrToInt(v, degrees)) {
                style_.orientationBefore = c_.Font().Orientation();
                c_.Font().SetOrientation(std::clamp(degrees, -Max_Html_Degrees, Max_Html_Degrees) * 10);
            }
        } else {
            c_.Font().SetOrientation(style_.orientationBefore);
        }
        return toConsumed;
    case 'S':
        if (c2 == 'H') {
            style_.shadow = !closing;
        } else if (c2 == 'U') {
            if (closing) style_.sub = style_.sup = false;
            else if (up.rfind("<SUB>", 0) == 0) style_.sub = true;
            else if (up.rfind("<SUP>", 0) == 0) style_.sup = true;
        } else {
            SetStyle(plat::fsStrikeOut, !closing);
        }
        return toConsumed;
    case 'U':
        if (!closing) {
            if (c2 == 'L') {
                ++style_.listLevel;
                return toEndLine;
            }
            SetUnderline(true);
            return toConsumed;
        }
        if (up == "</U>" || style_.listLevel < 1) SetUnderline(false);
        else --style_.listLevel;
        return toConsumed;
    case 'Z':
        style_.hidden = !closing;
        return toConsumed;
    default:
        return toConsumed;
    }
}

TTagOutcome TRenderer::Image(const std::string& tag, const std::string& up, const TRect& lineRect, bool drawing,
                             TLineMetrics& m, bool& ctrlHit) {
    ++imageCounter_;
    std::string src;
    std::string v;
    Attr(up, tag, "SRC", src, true);
    if (Attr(up, tag, "ALT", v, true) && imageCounter_ == imageUnderPoint_) src = v;
    const std::string upSrc = base::UpperCase(src);
    int width = Attr(up, tag, "WIDTH", v) ? ClampExtent(IntOfText(v)) : 0;
    int height = Attr(up, tag, "HEIGHT", v) ? ClampExtent(IntOfText(v)) : 0;
    if (width < 0) width = 0;
    if (height < 0) height = 0;

    int boxW = 0;
    int boxH = 0;
    int drawW = 0;
    int drawH = 0;
    int listIndex = -1;
    THTMLPicture* pic = nullptr;
    const std::size_t idx = upSrc.find("IDX:");
    if (idx != std::string::npos) {
        const int index = IntOfText(src.substr(4));
        if (a_.Images && index < a_.Images->Count() && index >= 0) {
            listIndex = index;
            boxW = a_.Images->Width();
            boxH = a_.Images->Height();
        }
    } else if (upSrc.find("SSYS:") != std::string::npos || upSrc.find("LSYS:") != std::string::npos) {
        // The shell's system icons do not exist here: no box, nothing drawn.
    } else {
        pic = FindPicture(src, upSrc);
        if (pic && !pic->Empty() && pic->Width() > 0 && pic->Height() > 0) {
            if (width > 0 && height > 0) {
                drawW = width;
                drawH = height;
            } else if (width > 0) {
                drawW = width;
                drawH = int(std::nearbyint(double(pic->Height()) * width / pic->Width()));
            } else if (height > 0) {
                drawW = int(std::nearbyint(double(pic->Width()) * height / pic->Height()));
                drawH = height;
            } else {
                drawW = pic->Width();
                drawH = pic->Height();
            }
            if (width > 0 || height > 0) {
                boxW = drawW;
                boxH = drawH;
            } else {
                boxW = pic->MaxWidth();
                boxH = pic->MaxHeight();
            }
        } else {
            pic = nullptr;
        }
    }

    if (!(m.lineWidth + boxW <= lineRect.Width() || boxW >= lineRect.Width())) {
        --imageCounter_;
        return toNoFit;
    }

    if (drawing) {
        if (listIndex >= 0) {
            if (a_.ImageScaling) {
                plat::TBitmap bmp;
                a_.Images->GetBitmap(listIndex, bmp);
                const int w = int(std::nearbyint(a_.Images->Width() * a_.ResizeFactor));
                const int h = int(std::nearbyint(a_.Images->Height() * a_.ResizeFactor));
                c_.StretchDraw(plat::Rect(curLeft_, lineRect.Top, curLeft_ + w, lineRect.Top + h), bmp);
            } else {
                a_.Images->Draw(c_, curLeft_, lineRect.Top, listIndex);
            }
        } else if (pic) {
            if (width > 0 || height > 0) {
                pic->SetStretch(true);
                pic->Draw(c_, plat::Rect(curLeft_, lineRect.Top, curLeft_ + drawW, lineRect.Top + drawH));
            } else {
                if (pic->FrameCount() > 1) {
                    const plat::TBrush brush = c_.Brush();
                    const TColor pen = c_.Pen().Color();
                    c_.Brush().SetColor(callBrushColor_);
                    c_.Pen().SetColor(callBrushColor_);
                    c_.FillRect(plat::Rect(curLeft_, lineRect.Top, curLeft_ + pic->MaxWidth(),
                                           lineRect.Top + pic->MaxHeight()));
                    c_.SetBrush(brush);
                    c_.Pen().SetColor(pen);
                }
                const int x = curLeft_ + pic->FrameXPos();
                const int y = lineRect.Top + pic->FrameYPos();
                pic->Draw(c_, plat::Rect(x, y, x + pic->Width(), y + pic->Height()));
            }
        }
    }

    const int left = lineRect.Left + m.lineWidth;
    if (hitTests_ && a_.X > left && a_.X < left + boxW && a_.Y > lineRect.Top && a_.Y < lineRect.Top + boxH &&
        insideAnchor_) {
        ctrlHit = true;
        r_.AnchorVal = anchorAddr_;
        r_.AnchorHint = anchorTitle_;
        imageUnderPoint_ = imageCounter_;
    }

    curLeft_ += boxW;
    m.lineWidth += boxW;
    m.lineHeight = std::max(m.lineHeight, boxH);
    if (up.find("ALIGN") != std::string::npos) {
        if (up.find("\"TOP") != std::string::npos) m.imgLift = m.lineHeight - Gh();
        else if (up.find("\"MIDDLE") != std::string::npos) m.imgLift = (m.lineHeight - Gh()) / 2;
    }
    return toConsumed;
}

TTagOutcome TRenderer::Control(const std::string& tag, const TRect& lineRect, int textBottom, bool drawing,
                               TLineMetrics& m, bool& ctrlHit) {
    const THtmlControlTag t = ParseControlTag(tag.substr(1));
    int pushHeight = 25;
    int v = 0;
    if (base::TryStrToInt(t.height, v)) pushHeight = ClampExtent(v);
    int boxW = 0;
    if (!base::TryStrToInt(t.width, boxW)) return toConsumed;
    boxW = ClampExtent(boxW);
    const int gh = Gh();
    int boxH = gh + 10;
    const bool checkLike = t.type == "CHECK" || t.type == "RADIO";
    int finalW = boxW;
    int finalH = boxH;
    if (t.type == "BUTTON" || t.type == "COMBO") finalH = 25;
    if (checkLike) finalW = finalH = 16;
    if (!(m.lineWidth + finalW <= lineRect.Width() || finalW >= lineRect.Width())) return toNoFit;

    m.lineHeight = checkLike ? 16 : 23;
    if (pushHeight > 25) m.lineHeight = pushHeight - 2;

    if (drawing) {
        const int b = textBottom;
        const int s = m.lineHeight;
        const int l = curLeft_;
        const int w = boxW;
        const plat::TBrush brush = c_.Brush();
        const plat::TPen pen = c_.Pen();
        const TColor frame = 0x808080;
        auto hot = [&](int height) {
            return a_.X > l - 2 && a_.X < l - 2 + w && a_.Y > b - height - 2 && a_.Y < b - 2;
        };
        auto text = [&](const std::string& value, TRect r, unsigned flags) {
            c_.Brush().SetStyle(plat::bsClear);
            c_.DrawText(value, r, flags | plat::DT_SINGLELINE | plat::DT_NOPREFIX);
        };
        if (t.type == "EDIT" || t.type == "MASK" || t.type == "PASSWORD" || t.type == "COMBO") {
            c_.Pen().SetColor(frame);
            c_.Brush().SetColor(plat::clWhite);
            c_.Rectangle(l, b - s + 4, l + w, b + 2);
            if (t.type == "COMBO") {
                text(t.value, plat::Rect(l + 4, b - s + 4, l + w - 18, b), plat::DT_VCENTER);
                TRect button = plat::Rect(l + w - 18, b - s + 5, l + w - 1, b + 1);
                c_.DrawFrameControl(button, plat::DFC_SCROLL, plat::DFCS_SCROLLCOMBOBOX | (hot(boxH) ? plat::DFCS_HOT : 0));
            } else {
                const std::string shown = t.type == "PASSWORD" ? PasswordMask(t.value) : t.value;
                text(shown, plat::Rect(l + 2, b - s + 4, l + w, b), plat::DT_VCENTER);
            }
        } else if (checkLike) {
            const bool checked = base::SameText(t.value, "TRUE");
            TRect glyph = t.type == "CHECK" ? plat::Rect(l + 2, b - 15, l + 15, b) : plat::Rect(l + 2, b - 14, l + 14, b);
            c_.DrawFrameControl(glyph, plat::DFC_BUTTON,
                                (t.type == "CHECK" ? plat::DFCS_BUTTONCHECK : plat::DFCS_BUTTONRADIO) |
                                    plat::DFCS_FLAT | (checked ? plat::DFCS_CHECKED : 0));
        } else if (t.type == "BUTTON") {
            TRect face = plat::Rect(l + 2, b - pushHeight, l + w - 2, b);
            c_.DrawFrameControl(face, plat::DFC_BUTTON,
                                plat::DFCS_BUTTONPUSH | (hot(24) && a_.MouseDown ? plat::DFCS_PUSHED : 0));
            TRect inner = plat::Rect(l + 4, b - pushHeight + 2, l + w - 4, b - 2);
            text(t.value, inner, plat::DT_CENTER | plat::DT_VCENTER);
        }
        c_.SetBrush(brush);
        c_.SetPen(pen);
    }

    boxW = finalW;
    boxH = finalH;
    const int left = lineRect.Left + m.lineWidth;
    const bool pointInside =
        a_.X > left && a_.X < left + boxW && a_.Y > lineRect.Top && a_.Y < lineRect.Top + boxH;
    // An empty ID to locate would match every control without one.
    const bool located = a_.CheckOnly && !a_.ControlID.empty() && t.id == a_.ControlID;
    if (hitTests_ && (pointInside || located)) {
        ctrlHit = true;
        r_.AnchorVal = "ctrl";
        imageUnderPoint_ = imageCounter_;
        r_.ControlRect = plat::Rect(left, lineRect.Top, left + boxW, lineRect.Top + boxH);
        r_.ControlValue = t.value;
        r_.ControlID = t.id;
        r_.ControlType = t.type;
    }
    curLeft_ += boxW;
    m.lineWidth += boxW;
    m.lineHeight = std::max(m.lineHeight, boxH);
    return toConsumed;
}

}  // namespace

void SetHtmlHighlightColors(TColor background, TColor text) {
    gHighlightColor = background;
    gHighlightTextColor = text;
}

TColor HtmlHighlightColor() { return gHighlightColor; }
TColor HtmlHighlightTextColor() { return gHighlightTextColor; }

TColor HtmlColorToColor(const std::string& name) {
    const std::string lower = base::LowerCase(name);
    for (const TColorName& c : kColorNames)
        if (lower == c.name) return c.value;
    return 0;
}

TColor HexColorToColor(const std::string& text) {
    auto pair = [&](std::size_t at) { return at < text.size() ? HexPairToInt(text.substr(at, 2)) : 0; };
    return TColor(pair(1)) + TColor(pair(3)) * 256 + TColor(pair(5)) * 65536;
}

bool RenderHtmlText(plat::TCanvas& Canvas, const std::string& Text, const TRect& Rect, const THtmlRenderArgs& Args,
                    THtmlRenderResult& Result) {
    TRenderer renderer(Canvas, Rect, Args, Result);
    return renderer.Run(Text);
}

}  // namespace ctl
