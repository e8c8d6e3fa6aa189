// Pointer shapes: the toolkit's standard ones under our cursor numbers, and
// shapes of the program's own drawn from pictures.

#include "platform/Cursors.h"

#include <QCursor>
#include <QPixmap>
#include <map>

#include "platform/Bitmap.h"
#include "platform/NativeBridge.h"

namespace plat {

namespace {

std::map<TCursor, QCursor>& OwnCursors() {
    static std::map<TCursor, QCursor> cursors;
    return cursors;
}

Qt::CursorShape ShapeOf(TCursor c) {
    switch (c) {
        case crCross: return Qt::CrossCursor;
        case crIBeam: return Qt::IBeamCursor;
        case crSizeNS: return Qt::SizeVerCursor;
        case crSizeWE: return Qt::SizeHorCursor;
        case crSizeNWSE: return Qt::SizeFDiagCursor;
        case crHourGlass: return Qt::WaitCursor;
        case crDrag: return Qt::DragMoveCursor;
        case crNo: return Qt::ForbiddenCursor;
        case crHandPoint: return Qt::PointingHandCursor;
        case crSizeAll: return Qt::SizeAllCursor;
        default: return Qt::ArrowCursor;
    }
}

}  // namespace

void RegisterCursor(TCursor Index, const TBitmap& Picture, TPoint HotSpot) {
    if (Index <= crDefault || Picture.Empty()) return;
    QImage image = PixelsOf(Picture).convertToFormat(QImage::Format_ARGB32);
    if (Picture.Transparent()) {
        const QRgb clear = ToQColor(Picture.TransparentColor()).rgb() & 0xFFFFFF;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) == clear) image.setPixel(x, y, 0);
    }
    OwnCursors().insert_or_assign(Index, QCursor(QPixmap::fromImage(image), HotSpot.X, HotSpot.Y));
}

bool CursorRegistered(TCursor Index) { return OwnCursors().count(Index) > 0; }

QCursor CursorOf(TCursor Value) {
    const auto it = OwnCursors().find(Value);
    return it != OwnCursors().end() ? it->second : QCursor(ShapeOf(Value));
}

namespace test {

bool PointerPicture(TControl& Control, TBitmap& Picture, TPoint& HotSpot) {
    QWidget* w = TNativeAccess::Widget(Control);
    if (w == nullptr || !w->testAttribute(Qt::WA_SetCursor)) return false;
    const QCursor c = w->cursor();
    if (c.shape() != Qt::BitmapCursor) return false;
    Picture.SetPixelFormat(pf32bit);
    GraphicAccess::ReplacePixels(Picture, c.pixmap().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied));
    HotSpot = {c.hotSpot().x(), c.hotSpot().y()};
    return true;
}

}  // namespace test

}  // namespace plat
