#pragma once

#include <QPixmap>

// The program's own small pictures, drawn in code on a white background.
namespace Glyphs {
QPixmap Edit();   // 16 x 16, a pencil
QPixmap Add();    // 16 x 16, a plus sign
QPixmap Delete(); // 16 x 16, a cross
QPixmap Exit();   // 16 x 16, an open door
QPixmap Web();    // 16 x 16, a globe
QPixmap Mail();   // 16 x 16, an envelope
QPixmap Card();   // 32 x 32, an address card
QPixmap Notes();  // 32 x 32, a note pad
} // namespace Glyphs

namespace Glyphs {
// The picture with its white background made transparent, as buttons and menus show it.
QPixmap WithoutBackground(const QPixmap &picture);
} // namespace Glyphs
