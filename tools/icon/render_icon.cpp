// Renders the program's SVG icon into the PNG sizes of the hicolor icon theme:
//
//   render_icon ICON.svg OUTPUT_FOLDER SHEET.png
//
// writes OUTPUT_FOLDER/NxN/apps/tarabead.png for every size below and SHEET.png, all sizes side
// by side on a light and a dark strip.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <array>
#include <cstdio>

namespace {

constexpr std::array IconSizes = {16, 24, 32, 48, 64, 128, 256};

QImage Render(QSvgRenderer& svg, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    svg.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: render_icon ICON.svg OUTPUT_FOLDER SHEET.png\n");
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const QDir output(QString::fromLocal8Bit(argv[2]));

    int sheetWidth = 8;
    for (int size : IconSizes) sheetWidth += size + 8;
    QImage sheet(sheetWidth, 2 * (256 + 16), QImage::Format_ARGB32);
    sheet.fill(QColor(0xf4, 0xf4, 0xf4));
    QPainter sheetPainter(&sheet);
    sheetPainter.fillRect(0, 256 + 16, sheetWidth, 256 + 16, QColor(0x30, 0x30, 0x30));

    bool ok = true;
    int x = 8;
    for (int size : IconSizes) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        output.mkpath(folder);
        const QString path = output.filePath(folder + QStringLiteral("/tarabead.png"));
        const QImage image = Render(svg, size);
        const bool saved = image.save(path, "PNG");
        std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
        ok = ok && saved;
        sheetPainter.drawImage(x, 8, image);
        sheetPainter.drawImage(x, 256 + 24, image);
        x += size + 8;
    }
    sheetPainter.end();
    QDir().mkpath(QFileInfo(QString::fromLocal8Bit(argv[3])).absolutePath());
    ok = sheet.save(QString::fromLocal8Bit(argv[3]), "PNG") && ok;
    return ok ? 0 : 1;
}
