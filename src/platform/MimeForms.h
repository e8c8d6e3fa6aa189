#pragma once
// Internal to the platform folder: the toolkit's MIME data seen as blocks
// under clipboard formats, shared by the clipboard and drag and drop.

#include <QMimeData>
#include <QString>

#include "platform/DragDrop.h"

namespace plat {

// The MIME type that carries a registered format's bytes.
QString MimeTypeOfFormat(unsigned Format);
// Text, files and registered formats of Data into Mime.
void FillMimeData(const TDragData& Data, QMimeData& Mime);
// What Mime holds, as the blocks a drop target reads.
TDragData DragDataOf(const QMimeData& Mime);

}  // namespace plat
