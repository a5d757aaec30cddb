#pragma once
// The console's own indicator artwork, drawn in code: the 63 indicator images in their
// index order (console/window_ids.h, namespace img) and the four LE icons. Backgrounds are
// transparent, so the pictures blend with the window.

#include <QPixmap>

#include <vector>

namespace console {

std::vector<QPixmap> DrawIndicatorImages();

// One of the LE icons 263 (blue broadcast), 264 (grey broadcast), 265 (grey serial plug),
// 266 (coloured serial plug); a null pixmap for any other number.
QPixmap DrawLeIcon(int icon_id);

}  // namespace console
