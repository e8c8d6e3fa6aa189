#include "grid/ExtGridHint.h"

#include <algorithm>

#include "controls/EsgHTMLE.h"
#include "controls/ExtUtil.h"
#include "controls/HtmlText.h"
#include "platform/Forms.h"

namespace grid {

using plat::TRect;

namespace {

// Code points, not bytes: a cut must never split a character.
size_t Utf8Prefix(const std::string& S, size_t Chars) {
    size_t i = 0, n = 0;
    while (i < S.size() && n < Chars) {
        ++i;
        while (i < S.size() && (static_cast<unsigned char>(S[i]) & 0xC0) == 0x80) ++i;
        ++n;
    }
    return i;
}

size_t Utf8Length(const std::string& S) {
    size_t n = 0;
    for (unsigned char c : S)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

std::string WideToUtf8(const ctl::WideString& W) {
    std::string out;
    for (char16_t c : W) {
        const unsigned u = c;
        if (u < 0x80) {
            out += char(u);
        } else if (u < 0x800) {
            out += char(0xC0 | (u >> 6));
            out += char(0x80 | (u & 0x3F));
        } else {
            out += char(0xE0 | (u >> 12));
            out += char(0x80 | ((u >> 6) & 0x3F));
            out += char(0x80 | (u & 0x3F));
        }
    }
    return out;
}

}  // namespace

THTMLHintWindow::THTMLHintWindow(plat::TComponent* AOwner) : plat::TCustomControl(AOwner) {
    SetVisible(false);
    SetTabStop(false);
    SetColor(plat::clInfoBk);
    SetAccessibleRole(plat::arStaticText);
}

plat::TSize THTMLHintWindow::Measure(const std::string& AHint, int MaxWidth) {
    plat::TCanvas& c = Canvas();
    c.SetFont(Font());
    plat::TSize size{0, 0};
    FWide = ctl::GetCellTextKind(AHint, true) == ctl::ctkWide;
    if (FWide) {
        FWideCaption = WideToUtf8(ctl::DecodeWideCellText(AHint));
        size = c.TextExtent(FWideCaption);
    } else {
        ctl::THtmlRenderArgs args;
        args.MeasureOnly = true;
        args.WordWrap = true;  // a long hint wraps at MaxWidth, as drawn
        args.ShadowColor = plat::clGray;
        args.URLColor = plat::clBlue;
        ctl::THtmlRenderResult result;
        ctl::RenderHtmlText(c, AHint, {0, 0, MaxWidth, 4096}, args, result);
        size = {result.XSize, result.YSize};
    }
    if (!FTitle.empty()) {
        plat::TFont bold = Font();
        bold.SetStyle(bold.Style() + plat::TFontStyles{plat::fsBold});
        c.SetFont(bold);
        const plat::TSize t = c.TextExtent(FTitle);
        c.SetFont(Font());
        size.cx = std::max(size.cx, t.cx);
        size.cy += t.cy + 2;
    }
    return size;
}

TRect THTMLHintWindow::CalcHintRect(int MaxWidth, const std::string& AHint) {
    FMaxWidth = MaxWidth > 0 ? MaxWidth : 1008;
    const plat::TSize s = Measure(AHint, FMaxWidth);
    return {0, 0, s.cx, s.cy};
}

TRect FitHintRect(TRect R, const TRect& Area) {
    if (R.Right > Area.Right) plat::OffsetRect(R, Area.Right - 2 - R.Right, 0);
    if (R.Bottom > Area.Bottom) {
        const int h = R.Height();
        R.Bottom = Area.Bottom - 2;
        R.Top = R.Bottom - h;
    }
    return R;
}

void THTMLHintWindow::ActivateHint(TRect Rect, const std::string& AHint, plat::TControl& Host) {
    SetCaption(AHint);
    // Measured at the width the caller asked for: the window must wrap
    // where CalcHintRect said it would.
    const plat::TSize s = Measure(AHint, FMaxWidth);
    FTextWidth = s.cx;
    FTextHeight = s.cy;
    // The form that shows the hint: its client area stands in for the
    // monitor the hint must stay on.
    plat::TWinControl* shownOn = Host.ParentForm();
    if (!shownOn) shownOn = dynamic_cast<plat::TWinControl*>(&Host);
    if (!shownOn) return;
    const plat::TPoint origin = shownOn->ScreenToClient(Host.ClientToScreen({Rect.Left, Rect.Top}));
    TRect r{origin.X, origin.Y, origin.X + FTextWidth + (FWide ? 8 : 16), origin.Y + FTextHeight + 4};
    r = FitHintRect(r, {0, 0, shownOn->ClientWidth(), shownOn->ClientHeight()});
    if (Parent() != shownOn) SetParent(shownOn);
    SetBounds(r.Left, r.Top, r.Width(), r.Height());
    SetVisible(true);
    BringToFront();
    Invalidate();
}

void THTMLHintWindow::ReleaseHandle() { SetVisible(false); }

void THTMLHintWindow::Paint() {
    plat::TCanvas& c = Canvas();
    const TRect client{0, 0, Width(), Height()};
    c.Brush().SetColor(Color());
    c.FillRect(client);
    // A light edge at the top and left, a dark one at the bottom and right.
    c.Pen().SetColor(plat::cl3DLight);
    c.MoveTo(client.Left, client.Bottom - 2);
    c.LineTo(client.Left, client.Top);
    c.LineTo(client.Right - 1, client.Top);
    c.Pen().SetColor(plat::cl3DDkShadow);
    c.MoveTo(client.Left, client.Bottom - 1);
    c.LineTo(client.Right - 1, client.Bottom - 1);
    c.LineTo(client.Right - 1, client.Top - 1);
    c.SetFont(Font());
    // Never wider than the measuring width, or the lines would join again
    // where the measure broke them.
    TRect text{client.Left + 4, client.Top + (client.Height() - FTextHeight) / 2, client.Right - 4, 0};
    text.Right = std::min(text.Right, text.Left + FMaxWidth);
    text.Bottom = text.Top + FTextHeight + 8;
    c.SetBkMode(plat::TRANSPARENT);
    if (!FTitle.empty()) {
        plat::TFont bold = Font();
        bold.SetStyle(bold.Style() + plat::TFontStyles{plat::fsBold});
        c.SetFont(bold);
        c.TextOut(text.Left, text.Top, FTitle);
        text.Top += c.TextHeight(FTitle) + 2;
        c.SetFont(Font());
    }
    if (FWide) {
        TRect r = text;
        c.DrawText(FWideCaption, r, plat::DT_SINGLELINE | plat::DT_NOPREFIX);
        return;
    }
    ctl::THtmlRenderArgs args;
    args.WordWrap = true;
    args.ShadowColor = plat::clGray;
    args.URLColor = plat::clBlue;
    ctl::THtmlRenderResult result;
    ctl::RenderHtmlText(c, Caption(), text, args, result);
}

std::string BalloonPlainText(const std::string& Text, bool EnableHTML) {
    std::string s = Text;
    switch (ctl::GetCellTextKind(s, EnableHTML)) {
        case ctl::ctkHtml: s = ctl::HtmlToPlainText(s); break;
        case ctl::ctkWide: s = WideToUtf8(ctl::DecodeWideCellText(s)); break;
        default: break;
    }
    // Leading tabs and line breaks go before the other tabs turn into
    // blanks, or a leading tab would stay as a blank.
    const size_t first = s.find_first_not_of("\t\r\n");
    s = first == std::string::npos ? std::string() : s.substr(first);
    std::replace(s.begin(), s.end(), '\t', ' ');
    if (Utf8Length(s) > 2048) s = s.substr(0, Utf8Prefix(s, 2045)) + "...";
    return s;
}

std::string BalloonTitle(const std::string& Title) {
    if (Utf8Length(Title) <= 100) return Title;
    return Title.substr(0, Utf8Prefix(Title, 97)) + "...";
}

}  // namespace grid
