// The clock's preset looks and the colour sets that follow the component
// styles. Fonts are named by family kind; the platform picks the nearest
// installed face.
#include <cmath>

#include "controls/ExtWatch.h"
#include "controls/DropDownDraw.h"

namespace ctl {

using namespace plat;

namespace {

const char* const kPlainSans = "Sans Serif";
const char* const kCasual = "Casual";
const char* const kSerif = "Serif";
const char* const kGeometric = "Sans";

void SetFont(TFont& f, const char* Name, int Size = 0, bool Bold = false, TColor Color = clNone) {
    f.SetName(Name);
    if (Size > 0) f.SetSize(Size);
    f.SetStyle(Bold ? TFontStyles{fsBold} : TFontStyles{});
    if (Color != clNone) f.SetColor(Color);
}

}  // namespace

void ApplyWatchStyle(TExtWatch& Watch, TWatchStyle Style) {
    TWatchAppearance a;  // every preset starts from the defaults
    const int side = std::min(Watch.Width(), Watch.Height());
    bool ampm = Watch.ShowAMPM(), numbers = Watch.ShowNumbers();
    switch (Style) {
        case wsClassic:
            SetFont(a.AMPMFont, kPlainSans);
            SetFont(a.HourFont, kCasual, 10, true);
            a.HourMarkLength = 8;
            a.HourPointer = clBlack;
            a.HourPointerShadow = clBtnShadow;
            a.HourPointerSize = 5;
            a.MinutePointerShadow = clBtnShadow;
            a.MinuteMarkLength = 4;
            Watch.SetAnimation(true);
            Watch.SetAnimationFactor(10);
            ampm = numbers = true;
            break;
        case wsTower:
            SetFont(a.AMPMFont, kPlainSans);
            a.AMPMFrame = apRect;
            a.BorderWidth = 1;
            a.BackgroundColor = 0xB1F0FE;
            a.BackgroundGradient = wgDiagonalForward;
            a.CenterPointColor = 0x002BD5;
            a.CenterPointSize = 6;
            SetFont(a.HourFont, kSerif, 0, true, clWindowText);
            a.HourPointer = clBlack;
            a.HourPointerShadow = clBtnShadow;
            a.HourPointerSize = 5;
            a.MinutePointerShadow = clBtnShadow;
            a.SecondPointer = 0x002BD5;
            a.Shape = wsRect;
            a.PointerStyle = psPointer;
            a.BackgroundColorTo = 0x5BCCE8;
            a.AMPMColor = a.BackgroundColor;
            numbers = false;
            a.TickMarks = tmHours;
            break;
        case wsFluorescent:
            SetFont(a.AMPMFont, kPlainSans, 10, false, clWindowText);
            a.AMPMFrame = apRoundRect;
            a.BorderColor = 0xFF3E3E;
            a.BackgroundColor = a.BackgroundColorTo = clBlack;
            a.CenterPointColor = 0xFF3E3E;
            a.CenterPointBorderColor = a.CenterPointOuterBorderColor = clBlack;
            a.CenterPointSize = 20;
            SetFont(a.HourFont, kPlainSans, 8, false, clWindowText);
            a.HourColor = 0xFF3E3E;
            a.HourMarkLength = 10;
            a.HourPointer = 0xFF3E3E;
            a.HourPointerShadow = clBtnShadow;
            a.HourPointerSize = 2;
            a.MinuteColor = a.MinutePointer = 0xFF3E3E;
            a.MinutePointerShadow = clBtnShadow;
            a.MinutePointerSize = 2;
            a.Shape = wsRoundRect;
            a.HourMarkWidth = 2;
            a.HourMarkStyle = hmsQuartDblLine;
            a.TickMarks = tmHours;
            ampm = numbers = false;
            break;
        case wsEmerald:
            SetFont(a.AMPMFont, kPlainSans, 0, false, 0xA00000);
            a.AMPMFrame = apRoundRect;
            a.BorderColor = a.BackgroundColor = 0x3AE800;
            a.BackgroundColorTo = clBlack;
            a.BackgroundGradient = wgDiagonalForward;
            a.CenterPointBorderColor = 0x40FF00;
            a.CenterPointColor = 0x38E100;
            a.CenterPointSize = 16;
            SetFont(a.HourFont, kPlainSans, 0, false, clWindowText);
            a.HourPointer = 0x40FF00;
            a.HourPointerShadow = clBtnShadow;
            a.HourPointerSize = 5;
            a.MinutePointer = 0x40FF00;
            a.MinutePointerShadow = clBtnShadow;
            a.Shape = wsRect;
            a.PointerStyle = psPointer;
            a.AMPMColor = clNone;
            a.HourFont.SetColor(a.BackgroundColor);
            a.CenterPointOuterBorderColor = clBlack;
            a.HourMarkStyle = hmsQuartDblLine;
            a.HourColor = a.BackgroundColor;
            a.SecondPointer = 0x00FFFF;
            a.TickMarks = tmHours;
            ampm = numbers = false;
            break;
        case wsBlueStar:
            SetFont(a.AMPMFont, kPlainSans, 10, false, 0xA00000);
            a.AMPMBorderColor = clNone;
            a.AMPMFrame = apRoundRect;
            a.BorderColor = a.BackgroundColor = 0xFFD5D5;
            a.BackgroundColorTo = 0xA00000;
            a.BackgroundGradient = wgRadial;
            SetFont(a.HourFont, kPlainSans, 8, false, clWindowText);
            a.HourPointer = 0xA00000;
            a.HourPointerShadow = clBtnShadow;
            a.HourPointerSize = 5;
            a.MinutePointer = 0xA00000;
            a.MinutePointerShadow = clBtnShadow;
            a.Shape = wsRoundRect;
            a.PointerStyle = psPointer;
            a.AMPMColor = clNone;
            a.HourFont.SetColor(a.BackgroundColor);
            ampm = numbers = true;
            break;
        case wsFuchsia:
            SetFont(a.AMPMFont, kPlainSans, 10, false, clWindowText);
            a.AMPMFrame = apRoundRect;
            a.BorderColor = 0xFFD0FF;
            a.BackgroundColor = a.BackgroundColorTo = clBlack;
            a.CenterPointBorderColor = 0xDD68DD;
            a.CenterPointSize = 20;
            SetFont(a.HourFont, kPlainSans, 8, false, clWindowText);
            a.HourColor = 0xFFD0FF;
            a.HourMarkLength = 10;
            a.HourPointer = 0xFFD0FF;
            a.HourPointerShadow = clBtnShadow;
            a.HourPointerSize = 2;
            a.MinuteColor = a.MinutePointer = 0xFFD0FF;
            a.MinutePointerShadow = clBtnShadow;
            a.MinutePointerSize = 2;
            a.Shape = wsRect;
            a.CenterPointOuterBorderColor = clBlack;
            a.HourMarkWidth = 2;
            a.HourMarkStyle = hmsQuartDblLine;
            a.SecondPointer = 0xDD68DD;
            a.TickMarks = tmQuartHours;
            ampm = numbers = false;
            break;
        case wsBlack:
            SetFont(a.AMPMFont, kPlainSans);
            a.BackgroundColor = 0x202020;
            a.BackgroundColorTo = clNone;
            a.BorderColor = clBlack;
            a.CenterPointBorderColor = a.CenterPointOuterBorderColor = a.CenterPointColor = clWhite;
            a.HourColor = 0x585858;
            SetFont(a.HourFont, kGeometric, 11, false, clWhite);
            a.HourPointer = clWhite;
            a.HourPointerShadow = clBtnShadow;
            a.HourPointerSize = 5;
            a.MinuteColor = 0x585858;
            a.MinutePointer = clWhite;
            a.MinutePointerShadow = clBtnShadow;
            a.MinuteMarkLength = 4;
            ampm = false;
            numbers = true;
            break;
        case wsBlackWhite:
            a.BackgroundColor = clWhite;
            a.BackgroundColorTo = clNone;
            a.BorderColor = clBlack;
            a.BorderWidth = 8;
            a.CenterPointBorderColor = a.CenterPointOuterBorderColor = a.CenterPointColor = clBlack;
            a.CenterPointSize = 8;
            a.HourColor = 0x585858;
            SetFont(a.HourFont, kGeometric, 14, true, clBlack);
            a.HourPointer = clBlack;
            a.HourPointerShadow = clBtnShadow;
            a.HourPointerSize = 5;
            a.MinutePointer = clBlack;
            a.MinutePointerShadow = clBtnShadow;
            a.MinuteMarkLength = 4;
            a.SecondPointer = 0x000080;
            a.PointerStyle = psPointer;
            a.TickMarks = tmQuartHours;
            ampm = false;
            numbers = true;
            break;
        case wsGray:
            a.AMPMFont.SetName(kPlainSans);
            a.AMPMFont.SetSize(10);
            a.BackgroundColor = 0xD1D1D1;
            a.BackgroundColorTo = 0x6C6C6C;
            a.BackgroundGradient = wgRadial;
            a.BorderColor = a.CenterPointBorderColor = 0x454545;
            a.CenterPointColor = clBlack;
            a.CenterPointOuterBorderColor = clNone;
            a.HourColor = clBlack;
            SetFont(a.HourFont, kCasual, 8);
            a.HourPointer = 0x4E4E4E;
            a.HourPointerShadow = clNone;
            a.HourPointerSize = 1;
            a.MinuteColor = clGray;
            a.MinutePointer = 0x4E4E4E;
            a.MinutePointerShadow = clNone;
            a.MinutePointerSize = 1;
            a.SecondPointer = clRed;
            ampm = numbers = true;
            break;
        case wsSuperNova:
            a.BackgroundColorTo = 0xD1D3D3;
            a.BorderColor = clNone;
            a.CenterPointOuterBorderColor = clBlack;
            a.CenterPointSize = 10;
            // The mark lengths are bytes: a huge clock keeps the low bits.
            a.HourMarkLength = RoundHalfEven(side / 4.5) & 0xFF;
            a.HourPointer = clBlack;
            a.HourPointerShadow = clBtnShadow;
            a.MinuteColor = clGray;
            a.MinuteMarkLength = (side / 3) & 0xFF;
            a.MinutePointer = clBlack;
            ampm = numbers = false;
            break;
        case wsSports:
            a.BackgroundColor = clBlack;
            a.BackgroundColorTo = clNone;
            a.BorderColor = clBlack;
            a.BorderWidth = 1;
            a.CenterPointBorderColor = 0xFF0000;
            a.CenterPointOuterBorderColor = clBlack;
            a.CenterPointColor = 0x191919;
            a.CenterPointSize = RoundHalfEven(side / 3.6) & 0xFF;
            a.HourColor = 0xABB0B1;
            SetFont(a.HourFont, kSerif, 9, false, 0x797979);
            a.HourPointer = clRed;
            a.HourPointerShadow = clNone;
            a.HourPointerSize = 2;
            a.MinuteColor = clGray;
            a.MinutePointer = 0x00FFFF;
            a.MinutePointerSize = 2;
            a.MinutePointerShadow = clNone;
            a.MinuteMarkLength = 1;
            a.SecondPointer = 0x188BFE;
            a.TickMarks = tmQuartHours;
            ampm = false;
            numbers = true;
            break;
        case wsSmooth:
            a.BackgroundColor = clWhite;
            a.BackgroundColorTo = 0xABB0B1;
            a.BorderColor = 0x585858;
            a.BorderWidth = 1;
            a.CenterPointBorderColor = clBlack;
            a.CenterPointOuterBorderColor = 0x4A4A4A;
            a.CenterPointColor = clWhite;
            a.CenterPointSize = 6;
            a.HourColor = 0xABB0B1;
            SetFont(a.HourFont, kSerif, 9, false, 0x797979);
            a.HourPointer = 0x4A4A4A;
            a.HourPointerShadow = 0xB2B2B2;
            a.HourPointerSize = 2;
            a.MinuteColor = clGray;
            a.MinutePointer = 0x4A4A4A;
            a.MinutePointerSize = 2;
            a.MinutePointerShadow = 0xB2B2B2;
            a.MinuteMarkLength = 1;
            a.SecondPointer = 0x4A4A4A;
            a.TickMarks = tmQuartHours;
            ampm = false;
            numbers = true;
            break;
    }
    Watch.SetAppearance(a);
    Watch.SetShowAMPM(ampm);
    Watch.SetShowNumbers(numbers);
}

namespace {

struct TWatchColorSet {
    TKeloStyle Style;
    TColor AMPMBorder, AMPM, Background, BackgroundTo, Border, CenterBorder, Center, MarksAndHands, Shadows, Second;
};

const TWatchColorSet kColorSets[] = {
    {tsSuiteABlue, 0x962D00, 0xD68759, 0xFFD2AF, 0xFFD2AF, 0xD68759, 0xD68759, 0xD68759, 0xD68759, clWhite, clWhite},
    {tsSuiteASilver, 0x962D00, 0xBDA4A5, 0xE6D8D8, 0xE6D8D8, 0xBDA4A5, 0xBDA4A5, 0xBDA4A5, 0xBDA4A5, clWhite, clWhite},
    {tsSuiteAOlive, 0x962D00, 0x82C0AF, 0xB9EAE1, 0xB9EAE1, 0x82C0AF, 0x82C0AF, 0x82C0AF, 0x82C0AF, clWhite, clWhite},
    {tsSuiteAClassic, 0x962D00, clGray, 0xF2F2F2, 0xF2F2F2, clGray, clGray, clGray, clGray, clWhite, clGray},
    {tsSuiteBAzure, 0xF0DED0, 0xF0DED0, 0xFFEFE3, 0xFFEFE3, 0xF0DED0, 0xFFEFE3, 0xFFEFE3, 0x723708, clWhite, 0x723708},
    {tsSuiteBObsidian, 0xF2F1F0, 0x5C534C, 0x5C534C, 0x5C534C, 0xF2F1F0, 0xFFEFE3, 0xFFEFE3, 0xF2F1F0, clWhite,
     0xF2F1F0},
    {tsBevel, clBlack, clBtnFace, clBtnFace, clBtnFace, clBlack, clBlack, clBlack, clBlack, clWhite, clBlack},
    {tsWorkbench, 0x7E9898, 0xF5F9FA, 0xF5F9FA, 0xF5F9FA, 0x7E9898, 0x7E9898, 0x7E9898, 0x7E9898, clWhite, 0x7E9898},
    {tsSuiteBSilver, 0xE8E0DB, 0xF8F4F1, 0xF8F4F1, 0xF8F4F1, 0xE8E0DB, 0xE8E0DB, 0x74706F, 0x74706F, clWhite, 0x74706F},
    {tsFrost, 0xFEDF9A, 0xFFFDF9, 0xFFFDF9, 0xFFFAF0, 0xFEDF9A, 0xFEDF9A, 0xFEDF9A, 0xFEDF9A, clWhite, 0xFEDF9A},
    {tsGlass, 0xFBD6B8, 0xFDFBFA, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFBD6B8, 0xFBD6B8, 0xFBD6B8, clWhite, 0xFBD6B8},
    {tsTerminal, clGray, clBtnFace, clBtnFace, clBtnFace, clGray, clGray, clGray, clGray, clWhite, clGray},
    {tsSuiteCBlue, 0xC7B29F, 0xF0DAC7, 0xFDF6EF, 0xFDF6EF, 0xC7B29F, 0xC7B29F, 0xC7B29F, 0xC7B29F, clWhite, 0xC7B29F},
    {tsSuiteCSilver, 0xD2CDC8, 0xEDE5E0, clWhite, clWhite, 0xD2CDC8, 0xD2CDC8, 0xD2CDC8, 0xD2CDC8, 0xC0C0C0, 0xD2CDC8},
    {tsSuiteCBlack, 0x6D6D6D, 0x919191, 0xBFBFBF, 0xBFBFBF, 0x6D6D6D, 0x6D6D6D, 0x6D6D6D, 0x6D6D6D, clWhite, 0x6D6D6D},
};

}  // namespace

void ApplyWatchColorSet(TWatchAppearance& a, TKeloStyle Style) {
    a.CenterPointOuterBorderColor = clBlack;
    a.HourFont.SetColor(clBlack);
    a.AMPMFont.SetColor(clBlack);
    for (const TWatchColorSet& s : kColorSets) {
        if (s.Style != Style) continue;
        a.AMPMBorderColor = s.AMPMBorder;
        a.AMPMColor = s.AMPM;
        a.BackgroundColor = s.Background;
        a.BackgroundColorTo = s.BackgroundTo;
        a.BorderColor = s.Border;
        a.CenterPointBorderColor = s.CenterBorder;
        a.CenterPointColor = s.Center;
        a.HourColor = a.MinuteColor = a.HourPointer = a.MinutePointer = s.MarksAndHands;
        a.HourPointerShadow = a.MinutePointerShadow = s.Shadows;
        a.SecondPointer = s.Second;
        // The dark style writes light numbers on its dark face.
        if (Style == tsSuiteBObsidian) {
            a.AMPMFont.SetColor(0xF2F1F0);
            a.HourFont.SetColor(0xF2F1F0);
        }
    }
}

}  // namespace ctl
