#include "help/AppIcon.h"

#include <QApplication>

namespace tarabead::help {

QIcon ApplicationIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/tarabead.png").arg(size),
                     QSize(size, size));
    }
    return icon;
}

void InstallApplicationIcon() { QApplication::setWindowIcon(ApplicationIcon()); }

}  // namespace tarabead::help
