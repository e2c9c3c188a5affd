// A Rudraksha bead seen from above.
#pragma once

#include <QImage>

namespace pics {

constexpr int kBeadCount = 15;
constexpr int kBeadSize = 100;

// Paints the bead with `faces` faces (1..15) at `scale` (1 = 100 x 100 pixels)
// on a transparent ground.
QImage renderBead(int faces, int scale);

} // namespace pics
