#pragma once
// Drag and drop between controls, and from and to other programs, as blocks
// of bytes under clipboard formats. A control that takes drops registers
// hooks; a control that starts a drag hands its data to DoDragDrop, which
// runs the toolkit's drag loop (or, under test, a script that moves the
// pointer over controls through the toolkit's own drag events).

#include <functional>
#include <string>
#include <vector>

#include "platform/Classes.h"
#include "platform/Controls.h"

namespace plat {

// Formats of the system's own numbering; registered names take numbers from
// RegisterWindowMessage.
constexpr unsigned CF_TEXT = 1;         // 8-bit text, one NUL at the end
constexpr unsigned CF_UNICODETEXT = 13;  // UTF-16LE text, two NUL bytes at the end
constexpr unsigned CF_HDROP = 15;        // a list of files (TDragData::Files)

// Effects, also the toolkit's own values.
constexpr unsigned DROPEFFECT_NONE = 0;
constexpr unsigned DROPEFFECT_COPY = 1;
constexpr unsigned DROPEFFECT_MOVE = 2;
constexpr unsigned DROPEFFECT_LINK = 4;

// Answers of a drag source.
constexpr int S_OK = 0;
constexpr int DRAGDROP_S_DROP = 0x40100;
constexpr int DRAGDROP_S_CANCEL = 0x40101;
constexpr int DRAGDROP_S_USEDEFAULTCURSORS = 0x40102;

struct TDragBlock {
    unsigned Format = 0;
    std::string Bytes;
};

// What a drag carries, in the order the source offers it.
struct TDragData {
    std::vector<TDragBlock> Blocks;
    std::vector<std::string> Files;  // file names (UTF-8); CF_HDROP when not empty

    bool HasFormat(unsigned Format) const;
    // The block of a format, or nullptr.
    const std::string* Block(unsigned Format) const;
    void Add(unsigned Format, std::string Bytes) { Blocks.push_back({Format, std::move(Bytes)}); }
};

// Text blocks as the formats hold them, and back (up to the first NUL).
std::string TextToAnsiBlock(const std::string& Utf8);
std::string TextToUnicodeBlock(const std::string& Utf8);
std::string AnsiBlockToText(const std::string& Bytes);
std::string UnicodeBlockToText(const std::string& Bytes);

// The side of a control that takes drops. Points are on the screen; the
// answer is the effect the drop would have (DROPEFFECT_NONE refuses).
class TDropTargetHooks {
public:
    virtual ~TDropTargetHooks() = default;
    virtual unsigned DragEnter(const TDragData& Data, TShiftState Keys, TPoint Pt, unsigned Allowed) = 0;
    virtual unsigned DragOver(TShiftState Keys, TPoint Pt, unsigned Allowed) = 0;
    virtual void DragLeave() = 0;
    virtual unsigned Drop(const TDragData& Data, TShiftState Keys, TPoint Pt, unsigned Allowed) = 0;
};

// From now on drags over the control reach Target (not owned; revoke before
// freeing it). False when the control has no window to take drops.
bool RegisterDragDrop(TWinControl& Control, TDropTargetHooks* Target);
void RevokeDragDrop(TWinControl& Control);
bool IsDropTarget(const TWinControl& Control);

// The side that starts a drag: asked at every step whether to go on
// (S_OK, DRAGDROP_S_DROP or DRAGDROP_S_CANCEL) and told the effect the
// pointer's place would have.
class TDropSourceHooks {
public:
    virtual ~TDropSourceHooks() = default;
    virtual int QueryContinueDrag(bool EscapePressed, TShiftState Keys) = 0;
    virtual int GiveFeedback(unsigned Effect) = 0;
};

// Runs a drag from Control until it is dropped or cancelled; Effect is the
// drop's effect. Returns DRAGDROP_S_DROP or DRAGDROP_S_CANCEL.
int DoDragDrop(TControl& Control, const TDragData& Data, TDropSourceHooks& Source, unsigned AllowedEffects,
               unsigned& Effect);

}  // namespace plat

namespace plat::test {

// A drag in progress under test. Each step goes through the toolkit's drag
// events to the control under the pointer, as a drag by hand does.
class TDragSession {
public:
    virtual ~TDragSession() = default;
    // Moves the pointer to (X, Y) of Control with the left button held.
    virtual void MoveTo(TControl& Control, int X, int Y, TShiftState Shift = 0) = 0;
    // Releases the button where the pointer is.
    virtual void Drop(TShiftState Shift = 0) = 0;
    // Escape.
    virtual void Cancel() = 0;
    // The effect the control under the pointer last answered.
    virtual unsigned Effect() const = 0;
    virtual const TDragData& Data() const = 0;
};

// The next drag runs Script instead of the toolkit's loop. While a
// TScriptedUi exists a drag without a script is cancelled at once, so no
// test waits for a hand on the mouse.
void OnDrag(std::function<void(TDragSession&)> Script);
// A drag from another program: Data enters Control at (X, Y), and is
// dropped there with the keys of Shift. The effect of the drop is returned.
unsigned DropOn(TControl& Control, int X, int Y, const TDragData& Data, TShiftState Shift = 0,
                unsigned Allowed = DROPEFFECT_COPY | DROPEFFECT_MOVE);

}  // namespace plat::test
