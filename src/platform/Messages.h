#pragma once
// Window messages as the controls of the system receive them. Input and
// notices of the toolkit are translated into these numbers before they reach
// a control's WndProc, so a control handles keys, mouse, painting, focus and
// its own notices in one place and can pass anything on to its ancestor.

#include <cstdint>

namespace plat {

struct TMessage {
    unsigned Msg = 0;
    intptr_t WParam = 0;
    intptr_t LParam = 0;
    intptr_t Result = 0;
};

// Low and high 16 bits of a message parameter (the high half signed, as the
// wheel delta and client coordinates need).
constexpr int LoWordSigned(intptr_t v) { return static_cast<int16_t>(v & 0xFFFF); }
constexpr int HiWordSigned(intptr_t v) { return static_cast<int16_t>((v >> 16) & 0xFFFF); }
constexpr unsigned LoWord(intptr_t v) { return static_cast<unsigned>(v & 0xFFFF); }
constexpr unsigned HiWord(intptr_t v) { return static_cast<unsigned>((v >> 16) & 0xFFFF); }
constexpr intptr_t MakeLParam(int lo, int hi) {
    return static_cast<intptr_t>(static_cast<int32_t>((static_cast<uint32_t>(hi & 0xFFFF) << 16) |
                                                      static_cast<uint32_t>(lo & 0xFFFF)));
}

// Window messages.
constexpr unsigned WM_DESTROY = 0x0002;
constexpr unsigned WM_SIZE = 0x0005;
constexpr unsigned WM_ACTIVATE = 0x0006;
constexpr unsigned WM_SETFOCUS = 0x0007;
constexpr unsigned WM_KILLFOCUS = 0x0008;
constexpr unsigned WM_SETREDRAW = 0x000B;
constexpr unsigned WM_PAINT = 0x000F;
constexpr unsigned WM_ERASEBKGND = 0x0014;
constexpr unsigned WM_CANCELMODE = 0x001F;
constexpr unsigned WM_SETCURSOR = 0x0020;
constexpr unsigned WM_MOUSEACTIVATE = 0x0021;
constexpr unsigned WM_WINDOWPOSCHANGING = 0x0046;
constexpr unsigned WM_WINDOWPOSCHANGED = 0x0047;
constexpr unsigned WM_NCHITTEST = 0x0084;
constexpr unsigned WM_NCPAINT = 0x0085;
constexpr unsigned WM_NCACTIVATE = 0x0086;
constexpr unsigned WM_GETDLGCODE = 0x0087;
constexpr unsigned WM_NCLBUTTONDOWN = 0x00A1;
constexpr unsigned WM_KEYDOWN = 0x0100;
constexpr unsigned WM_KEYUP = 0x0101;
constexpr unsigned WM_CHAR = 0x0102;
constexpr unsigned WM_SYSKEYDOWN = 0x0104;
constexpr unsigned WM_SYSKEYUP = 0x0105;
constexpr unsigned WM_COMMAND = 0x0111;
constexpr unsigned WM_TIMER = 0x0113;
constexpr unsigned WM_HSCROLL = 0x0114;
constexpr unsigned WM_VSCROLL = 0x0115;
constexpr unsigned WM_MOUSEMOVE = 0x0200;
constexpr unsigned WM_LBUTTONDOWN = 0x0201;
constexpr unsigned WM_LBUTTONUP = 0x0202;
constexpr unsigned WM_LBUTTONDBLCLK = 0x0203;
constexpr unsigned WM_RBUTTONDOWN = 0x0204;
constexpr unsigned WM_RBUTTONUP = 0x0205;
constexpr unsigned WM_RBUTTONDBLCLK = 0x0206;
constexpr unsigned WM_MBUTTONDOWN = 0x0207;
constexpr unsigned WM_MBUTTONUP = 0x0208;
constexpr unsigned WM_MBUTTONDBLCLK = 0x0209;
constexpr unsigned WM_MOUSEWHEEL = 0x020A;
constexpr unsigned WM_SIZING = 0x0214;
constexpr unsigned WM_CUT = 0x0300;
constexpr unsigned WM_COPY = 0x0301;
constexpr unsigned WM_PASTE = 0x0302;
constexpr unsigned WM_CLEAR = 0x0303;
constexpr unsigned WM_UNDO = 0x0304;
constexpr unsigned WM_THEMECHANGED = 0x031A;
constexpr unsigned WM_USER = 0x0400;

// Component notices (sent by the layer itself when a property changes or the
// pointer or focus moves).
constexpr unsigned CM_BASE = 0xB000;
constexpr unsigned CM_ACTIVATE = CM_BASE + 0x00;
constexpr unsigned CM_DEACTIVATE = CM_BASE + 0x01;
constexpr unsigned CM_DIALOGKEY = CM_BASE + 0x05;
constexpr unsigned CM_DIALOGCHAR = CM_BASE + 0x06;
constexpr unsigned CM_FOCUSCHANGED = CM_BASE + 0x07;
constexpr unsigned CM_VISIBLECHANGED = CM_BASE + 0x0B;
constexpr unsigned CM_ENABLEDCHANGED = CM_BASE + 0x0C;
constexpr unsigned CM_COLORCHANGED = CM_BASE + 0x0D;
constexpr unsigned CM_FONTCHANGED = CM_BASE + 0x0E;
constexpr unsigned CM_CURSORCHANGED = CM_BASE + 0x0F;
constexpr unsigned CM_TEXTCHANGED = CM_BASE + 0x12;
constexpr unsigned CM_MOUSEENTER = CM_BASE + 0x13;
constexpr unsigned CM_MOUSELEAVE = CM_BASE + 0x14;
constexpr unsigned CM_BUTTONPRESSED = CM_BASE + 0x18;
constexpr unsigned CM_WANTSPECIALKEY = CM_BASE + 0x1A;
constexpr unsigned CM_ENTER = CM_BASE + 0x1C;
constexpr unsigned CM_EXIT = CM_BASE + 0x1D;
constexpr unsigned CM_UIACTIVATE = CM_BASE + 0x29;
constexpr unsigned CM_HINTSHOW = CM_BASE + 0x30;
constexpr unsigned CM_BIDIMODECHANGED = CM_BASE + 0x3C;
constexpr unsigned CM_MOUSEWHEEL = CM_BASE + 0x43;

// Notices a control sends to itself (the key messages a focused control gets
// before the key becomes a WM_CHAR).
constexpr unsigned CN_BASE = 0xBC00;
constexpr unsigned CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
constexpr unsigned CN_KEYUP = CN_BASE + WM_KEYUP;

// Notification codes carried in the high word of WM_COMMAND's WParam.
constexpr unsigned EN_CHANGE = 0x0300;
constexpr unsigned CBN_SELCHANGE = 1;
constexpr unsigned CBN_EDITCHANGE = 5;
constexpr unsigned CBN_DROPDOWN = 7;
constexpr unsigned CBN_CLOSEUP = 8;

// WM_GETDLGCODE answers.
constexpr intptr_t DLGC_WANTARROWS = 0x0001;
constexpr intptr_t DLGC_WANTTAB = 0x0002;
constexpr intptr_t DLGC_WANTALLKEYS = 0x0004;
constexpr intptr_t DLGC_WANTCHARS = 0x0080;

// Scroll codes (low word of WM_HSCROLL / WM_VSCROLL's WParam).
constexpr unsigned SB_LINEUP = 0;
constexpr unsigned SB_LINEDOWN = 1;
constexpr unsigned SB_PAGEUP = 2;
constexpr unsigned SB_PAGEDOWN = 3;
constexpr unsigned SB_THUMBPOSITION = 4;
constexpr unsigned SB_THUMBTRACK = 5;
constexpr unsigned SB_TOP = 6;
constexpr unsigned SB_BOTTOM = 7;
constexpr unsigned SB_ENDSCROLL = 8;

// Mouse-message key flags (WParam of the mouse messages).
constexpr intptr_t MK_LBUTTON = 0x0001;
constexpr intptr_t MK_RBUTTON = 0x0002;
constexpr intptr_t MK_SHIFT = 0x0004;
constexpr intptr_t MK_CONTROL = 0x0008;
constexpr intptr_t MK_MBUTTON = 0x0010;

// One wheel notch.
constexpr int WHEEL_DELTA = 120;

// Virtual key codes (WParam of WM_KEYDOWN / WM_KEYUP; letters and digits are
// their upper-case ASCII codes).
constexpr unsigned short VK_LBUTTON = 0x01;
constexpr unsigned short VK_RBUTTON = 0x02;
constexpr unsigned short VK_MBUTTON = 0x04;
constexpr unsigned short VK_BACK = 0x08;
constexpr unsigned short VK_TAB = 0x09;
constexpr unsigned short VK_RETURN = 0x0D;
constexpr unsigned short VK_SHIFT = 0x10;
constexpr unsigned short VK_CONTROL = 0x11;
constexpr unsigned short VK_MENU = 0x12;
constexpr unsigned short VK_PAUSE = 0x13;
constexpr unsigned short VK_CAPITAL = 0x14;
constexpr unsigned short VK_ESCAPE = 0x1B;
constexpr unsigned short VK_SPACE = 0x20;
constexpr unsigned short VK_PRIOR = 0x21;
constexpr unsigned short VK_NEXT = 0x22;
constexpr unsigned short VK_END = 0x23;
constexpr unsigned short VK_HOME = 0x24;
constexpr unsigned short VK_LEFT = 0x25;
constexpr unsigned short VK_UP = 0x26;
constexpr unsigned short VK_RIGHT = 0x27;
constexpr unsigned short VK_DOWN = 0x28;
constexpr unsigned short VK_INSERT = 0x2D;
constexpr unsigned short VK_DELETE = 0x2E;
// Key data (LParam) of WM_KEYDOWN, WM_KEYUP and WM_CHAR: bits 16 to 23 hold
// the key's scan code where a handler tells keys apart by it. The numeric
// keypad's decimal key is the one so far: it types '.' or ',' as the main
// block's keys do, and an edit may make it type the decimal separator.
constexpr intptr_t KD_KEYPAD_DECIMAL = intptr_t{0x53} << 16;
constexpr unsigned short VK_NUMPAD0 = 0x60;
constexpr unsigned short VK_MULTIPLY = 0x6A;
constexpr unsigned short VK_ADD = 0x6B;
constexpr unsigned short VK_SUBTRACT = 0x6D;
constexpr unsigned short VK_DECIMAL = 0x6E;
constexpr unsigned short VK_DIVIDE = 0x6F;
constexpr unsigned short VK_F1 = 0x70;
constexpr unsigned short VK_F2 = 0x71;
constexpr unsigned short VK_F3 = 0x72;
constexpr unsigned short VK_F4 = 0x73;
constexpr unsigned short VK_F5 = 0x74;
constexpr unsigned short VK_F10 = 0x79;
constexpr unsigned short VK_F12 = 0x7B;
constexpr unsigned short VK_NUMLOCK = 0x90;
// Punctuation keys of the main block (US layout names).
constexpr unsigned short VK_OEM_1 = 0xBA;       // ; :
constexpr unsigned short VK_OEM_PLUS = 0xBB;    // = +
constexpr unsigned short VK_OEM_COMMA = 0xBC;   // , <
constexpr unsigned short VK_OEM_MINUS = 0xBD;   // - _
constexpr unsigned short VK_OEM_PERIOD = 0xBE;  // . >
constexpr unsigned short VK_OEM_2 = 0xBF;       // / ?
constexpr unsigned short VK_OEM_3 = 0xC0;       // ` ~
constexpr unsigned short VK_OEM_4 = 0xDB;       // [ {
constexpr unsigned short VK_OEM_5 = 0xDC;       // \ |
constexpr unsigned short VK_OEM_6 = 0xDD;       // ] }
constexpr unsigned short VK_OEM_7 = 0xDE;       // ' "
constexpr unsigned short VK_SCROLL = 0x91;

}  // namespace plat
