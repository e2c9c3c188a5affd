// The program's icon: data/icons/tarabead.svg, compiled in as PNG renderings of its sizes.
#pragma once

#include <QIcon>

namespace tarabead::help {

/// The icon in every size the program carries (16 to 256 pixels).
QIcon ApplicationIcon();

/// Makes it the icon of every window of the program. Call once, after the QApplication is made.
void InstallApplicationIcon();

}  // namespace tarabead::help
