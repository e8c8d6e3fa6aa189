#pragma once
// Pointer shapes of the program's own, drawn from pictures.

#include "platform/Controls.h"

namespace plat {

class TBitmap;

// Gives a cursor number above 0 a pointer shape for any control's Cursor:
// Picture's transparent pixels stay see-through, HotSpot is the pixel that
// points. A later call replaces the shape.
void RegisterCursor(TCursor Index, const TBitmap& Picture, TPoint HotSpot);
bool CursorRegistered(TCursor Index);

namespace test {
// The pointer picture a control shows (false for a standard shape).
bool PointerPicture(TControl& Control, TBitmap& Picture, TPoint& HotSpot);
}  // namespace test

}  // namespace plat
