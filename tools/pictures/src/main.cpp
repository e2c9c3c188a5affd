// Makes the report pictures: 27 nakshatra cards and 15 Rudraksha beads, each
// at normal and double resolution, the resource file that lists them, and a
// contact sheet for review.
//
//   make_pictures <pictures-dir> <contact-sheet.png>
#include "bead.h"
#include "card.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <QTextStream>
#include <cstdio>
#include <exception>

using namespace pics;

namespace {

QString numbered(int n)
{
    return QString::asprintf("%02d", n);
}

void save(const QImage &img, const QString &path)
{
    QImageWriter w(path, "png");
    w.setQuality(0); // strongest compression
    if (!w.write(img.convertToFormat(QImage::Format_ARGB32)))
        throw std::runtime_error("cannot write " + path.toStdString() + ": " + w.errorString().toStdString());
}

QImage contactSheet(const std::vector<QImage> &cards, const std::vector<QImage> &beads, const Fonts &fonts)
{
    const int gap = 14, label = 16;
    const int cardCols = 9;
    const int width = gap + kBeadCount * (kBeadSize + gap - 4);
    const int cardRows = (kNakshatraCount + cardCols - 1) / cardCols;
    const int height = gap + cardRows * (kCardHeight + label + gap) + (kBeadSize + label + gap) + gap;
    QImage sheet(width, height, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing);
    QFont f(fonts.latin);
    f.setPixelSize(11);
    p.setFont(f);
    p.setPen(QColor(120, 120, 120));
    const int cardLeft = (width - cardCols * (kCardWidth + gap) + gap) / 2;
    for (int i = 0; i < kNakshatraCount; ++i) {
        const int x = cardLeft + (i % cardCols) * (kCardWidth + gap);
        const int y = gap + (i / cardCols) * (kCardHeight + label + gap);
        p.drawImage(x, y, cards[i]);
        p.drawText(QRect(x, y + kCardHeight, kCardWidth, label), Qt::AlignCenter,
                   QString("%1  %2").arg(i + 1).arg(nakshatra(i + 1).latin));
    }
    const int beadTop = gap + cardRows * (kCardHeight + label + gap) + gap;
    const int beadStep = kBeadSize + gap - 4;
    for (int i = 0; i < kBeadCount; ++i) {
        const int x = gap + i * beadStep;
        p.drawImage(x, beadTop, beads[i]);
        p.drawText(QRect(x, beadTop + kBeadSize, kBeadSize, label), Qt::AlignCenter,
                   i == 0 ? QString("1 face") : QString("%1 faces").arg(i + 1));
    }
    p.end();
    return sheet;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <pictures-dir> <contact-sheet.png>\n", argv[0]);
        return 2;
    }
    try {
        const QString dir = QString::fromLocal8Bit(argv[1]);
        const QString sheetPath = QString::fromLocal8Bit(argv[2]);
        QDir().mkpath(dir + "/nakshatra");
        QDir().mkpath(dir + "/mukhi");
        const Fonts fonts = loadFonts();

        std::vector<QImage> cards, beads;
        for (int n = 1; n <= kNakshatraCount; ++n) {
            const QImage one = renderCard(n, 1, fonts);
            save(one, QString("%1/nakshatra/%2.png").arg(dir, numbered(n)));
            save(renderCard(n, 2, fonts), QString("%1/nakshatra/%2@2x.png").arg(dir, numbered(n)));
            cards.push_back(one);
        }
        for (int n = 1; n <= kBeadCount; ++n) {
            const QImage one = renderBead(n, 1);
            save(one, QString("%1/mukhi/%2.png").arg(dir, numbered(n)));
            save(renderBead(n, 2), QString("%1/mukhi/%2@2x.png").arg(dir, numbered(n)));
            beads.push_back(one);
        }

        QDir().mkpath(QFileInfo(sheetPath).absolutePath());
        save(contactSheet(cards, beads, fonts), sheetPath);
        std::printf("wrote %d nakshatra and %d bead pictures to %s\ncontact sheet: %s\n", kNakshatraCount,
                    kBeadCount, qPrintable(dir), qPrintable(sheetPath));
    } catch (const std::exception &e) {
        std::fprintf(stderr, "make_pictures: %s\n", e.what());
        return 1;
    }
    return 0;
}
