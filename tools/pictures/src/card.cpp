#include "card.h"
#include "pathdata.h"

#include <QFontDatabase>
#include <QGlyphRun>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QRawFont>
#include <QTextLayout>
#include <cmath>
#include <stdexcept>

namespace pics {

namespace {

const Nakshatra kNakshatras[kNakshatraCount] = {
    {"Ashwini", "अश्विनी"},
    {"Bharani", "भरणी"},
    {"Krittika", "कृत्तिका"},
    {"Rohini", "रोहिणी"},
    {"Mrigasira", "मृगशिरा"},
    {"Ardra", "आर्द्रा"},
    {"Punarvasu", "पुनर्वसु"},
    {"Pushya", "पुष्य"},
    {"Ashlesha", "आश्लेषा"},
    {"Magha", "मघा"},
    {"Poorva Phalguni", "पूर्वा फाल्गुनी"},
    {"Uttara Phalguni", "उत्तरा फाल्गुनी"},
    {"Hasta", "हस्त"},
    {"Chitra", "चित्रा"},
    {"Swati", "स्वाती"},
    {"Vishakha", "विशाखा"},
    {"Anuradha", "अनुराधा"},
    {"Jyeshtha", "ज्येष्ठा"},
    {"Moola", "मूल"},
    {"Purva Ashadha", "पूर्वाषाढा"},
    {"Uttara Ashadha", "उत्तराषाढा"},
    {"Shravana", "श्रवण"},
    {"Dhanistha", "धनिष्ठा"},
    {"Shatabhisha", "शतभिषा"},
    {"Poorva Bhadrapada", "पूर्वभाद्रपदा"},
    {"Uttara Bhadrapada", "उत्तरभाद्रपदा"},
    {"Revati", "रेवती"},
};

const char *const kFontDir = "/usr/share/fonts/truetype/noto/";

// Card colours.
const QColor kCardTop(255, 251, 241);
const QColor kCardBottom(247, 236, 211);
const QColor kFrame(197, 154, 60);
const QColor kTitle(110, 44, 12);
const QColor kSubtitle(135, 82, 33);

// Disc colours.
const QColor kRimLight(250, 226, 140);
const QColor kRimDark(160, 110, 30);
const QColor kFieldLight(252, 236, 170);
const QColor kFieldDark(222, 174, 72);

const Ink kInk{QColor(78, 38, 12), QColor(138, 78, 30), QColor(250, 228, 156), QColor(255, 248, 225)};

// Outline of a text run, shaped by the font engine and placed with its
// baseline at y = 0 and starting at x = 0.
QPainterPath textOutline(const QString &text, const QFont &font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(100000);
    layout.endLayout();
    QPainterPath out;
    const double ascent = line.ascent();
    for (const QGlyphRun &run : layout.glyphRuns()) {
        const QRawFont raw = run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> pos = run.positions();
        for (qsizetype i = 0; i < glyphs.size(); ++i)
            out.addPath(raw.pathForGlyph(glyphs[i]).translated(pos[i] + QPointF(0, -ascent)));
    }
    out.setFillRule(Qt::WindingFill);
    return out;
}

QFont makeFont(const QString &family, double pixelSize, bool bold)
{
    QFont f(family);
    f.setPixelSize(static_cast<int>(std::lround(pixelSize)));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(true);
    return f;
}

// Text outline scaled to `size` pixels (the path is laid out at a large size
// and scaled, so the result does not depend on integer pixel sizes).
QPainterPath lettering(const QString &text, const QString &family, double size, bool bold, double tracking = 0)
{
    const double big = 200.0;
    QFont f = makeFont(family, big, bold);
    if (tracking != 0)
        f.setLetterSpacing(QFont::AbsoluteSpacing, tracking * big / size);
    QPainterPath p = textOutline(text, f);
    QTransform t;
    t.scale(size / big, size / big);
    return t.map(p);
}

void paintDisc(QPainter &p, QPointF c, double R, int number)
{
    p.save();
    p.setPen(Qt::NoPen);

    // Soft shadow of the disc on the card.
    for (int i = 0; i < 4; ++i) {
        p.setBrush(QColor(120, 80, 20, 18));
        p.drawEllipse(c + QPointF(0.6, 1.4), R + 1.6 - i * 0.6, R + 1.6 - i * 0.6);
    }

    // Rim: metallic, lit from the upper left.
    QLinearGradient rim(c + QPointF(-R, -R), c + QPointF(R, R));
    rim.setColorAt(0.0, kRimLight);
    rim.setColorAt(0.45, QColor(226, 182, 82));
    rim.setColorAt(1.0, kRimDark);
    p.setBrush(rim);
    p.drawEllipse(c, R, R);

    // Fine outer edge.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 100, 25), 0.8));
    p.drawEllipse(c, R - 0.4, R - 0.4);

    // Ring of small beads on the rim.
    const double beadRing = R - 5.2;
    const int beads = 36;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < beads; ++i) {
        const double a = 2 * M_PI * i / beads;
        const QPointF bc = c + QPointF(std::cos(a), std::sin(a)) * beadRing;
        p.setBrush(QColor(140, 92, 22, 200));
        p.drawEllipse(bc + QPointF(0.35, 0.45), 1.55, 1.55);
        QRadialGradient g(bc + QPointF(-0.5, -0.5), 1.8);
        g.setColorAt(0, QColor(255, 244, 196));
        g.setColorAt(1, QColor(214, 166, 64));
        p.setBrush(g);
        p.drawEllipse(bc, 1.45, 1.45);
    }

    // Recessed field: shadow on its upper left edge, light on the lower right.
    const double fr = R - 10.0;
    QLinearGradient bevel(c + QPointF(-fr, -fr), c + QPointF(fr, fr));
    bevel.setColorAt(0, QColor(140, 92, 22));
    bevel.setColorAt(1, QColor(255, 240, 180));
    p.setBrush(bevel);
    p.drawEllipse(c, fr + 1.2, fr + 1.2);

    QRadialGradient field(c + QPointF(-fr * 0.35, -fr * 0.4), fr * 1.45);
    field.setColorAt(0, kFieldLight);
    field.setColorAt(1, kFieldDark);
    p.setBrush(field);
    p.drawEllipse(c, fr, fr);

    // Emblem: painted on its own layer, then laid on the field with a soft
    // shadow so that it stands slightly raised.
    const QTransform world = p.worldTransform();
    const double px = world.m11(); // device pixels per card unit
    const int layerSize = static_cast<int>(std::ceil(2 * fr * px)) + 4;
    QImage layer(layerSize, layerSize, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter lp(&layer);
        lp.setRenderHint(QPainter::Antialiasing);
        const double unit = fr * px / 45.0; // emblem space: 0..100, centre 50
        lp.translate(layerSize / 2.0, layerSize / 2.0);
        lp.scale(unit, unit);
        lp.translate(-50, -50);
        emblem(number)(lp, kInk);
    }

    // Shadow: the layer's coverage, blurred a little, in dark gold.
    QImage shadow(layer.size(), QImage::Format_ARGB32_Premultiplied);
    {
        const int w = layer.width(), h = layer.height();
        std::vector<int> a(w * h), b(w * h);
        for (int y = 0; y < h; ++y) {
            const QRgb *row = reinterpret_cast<const QRgb *>(layer.constScanLine(y));
            for (int x = 0; x < w; ++x)
                a[y * w + x] = qAlpha(row[x]);
        }
        const int radius = std::max(1, static_cast<int>(std::lround(px * 0.9)));
        for (int pass = 0; pass < 2; ++pass) {
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    int s = 0, n = 0;
                    for (int k = -radius; k <= radius; ++k) {
                        const int xx = x + k;
                        if (xx >= 0 && xx < w) {
                            s += a[y * w + xx];
                            ++n;
                        }
                    }
                    b[y * w + x] = s / n;
                }
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    int s = 0, n = 0;
                    for (int k = -radius; k <= radius; ++k) {
                        const int yy = y + k;
                        if (yy >= 0 && yy < h) {
                            s += b[yy * w + x];
                            ++n;
                        }
                    }
                    a[y * w + x] = s / n;
                }
        }
        for (int y = 0; y < h; ++y) {
            QRgb *row = reinterpret_cast<QRgb *>(shadow.scanLine(y));
            for (int x = 0; x < w; ++x) {
                const int al = a[y * w + x] * 110 / 255;
                row[x] = qRgba(110 * al / 255, 70 * al / 255, 10 * al / 255, al);
            }
        }
    }

    p.save();
    p.resetTransform();
    const QPointF dc = world.map(c);
    const QPointF topLeft = dc - QPointF(layerSize / 2.0, layerSize / 2.0);
    // Keep the layers on whole device pixels so nothing gets resampled.
    const QPoint tl(static_cast<int>(std::lround(topLeft.x())), static_cast<int>(std::lround(topLeft.y())));
    const int off = std::max(1, static_cast<int>(std::lround(px * 1.0)));
    p.drawImage(tl + QPoint(off / 2 + 0, off), shadow);
    p.drawImage(tl, layer);
    p.restore();

    p.restore();
}

void paintCardFrame(QPainter &p)
{
    const QRectF outer(0.5, 0.5, kCardWidth - 1.0, kCardHeight - 1.0);
    QLinearGradient bg(0, 0, 0, kCardHeight);
    bg.setColorAt(0, kCardTop);
    bg.setColorAt(1, kCardBottom);
    p.setPen(QPen(kFrame, 1.0));
    p.setBrush(bg);
    p.drawRoundedRect(outer, 9, 9);
    p.setBrush(Qt::NoBrush);
    QColor inner = kFrame;
    inner.setAlpha(150);
    p.setPen(QPen(inner, 0.6));
    p.drawRoundedRect(outer.adjusted(3, 3, -3, -3), 6.5, 6.5);
}

void paintDivider(QPainter &p, double y)
{
    const double cx = kCardWidth / 2.0;
    QLinearGradient lg(cx - 46, 0, cx + 46, 0);
    QColor clear = kFrame;
    clear.setAlpha(0);
    lg.setColorAt(0, clear);
    lg.setColorAt(0.35, kFrame);
    lg.setColorAt(0.65, kFrame);
    lg.setColorAt(1, clear);
    p.setPen(QPen(QBrush(lg), 0.7));
    p.drawLine(QPointF(cx - 46, y), QPointF(cx - 6, y));
    p.drawLine(QPointF(cx + 6, y), QPointF(cx + 46, y));
    p.setPen(Qt::NoPen);
    p.setBrush(kFrame);
    QPainterPath diamond;
    diamond.moveTo(cx, y - 2.6);
    diamond.lineTo(cx + 2.6, y);
    diamond.lineTo(cx, y + 2.6);
    diamond.lineTo(cx - 2.6, y);
    diamond.closeSubpath();
    p.drawPath(diamond);
    p.drawEllipse(QPointF(cx - 4.8, y), 0.9, 0.9);
    p.drawEllipse(QPointF(cx + 4.8, y), 0.9, 0.9);
}

} // namespace

Fonts loadFonts()
{
    auto load = [](const QString &file) {
        const int id = QFontDatabase::addApplicationFont(QString(kFontDir) + file);
        if (id < 0)
            throw std::runtime_error("font not found: " + std::string(kFontDir) + file.toStdString() +
                                     " (Debian package fonts-noto-core)");
        return QFontDatabase::applicationFontFamilies(id).value(0);
    };
    Fonts f;
    f.devanagari = load("NotoSerifDevanagari-Bold.ttf");
    load("NotoSerifDevanagari-Regular.ttf");
    f.latin = load("NotoSerif-Regular.ttf");
    load("NotoSerif-Bold.ttf");
    return f;
}

const Nakshatra &nakshatra(int number)
{
    return kNakshatras[number - 1];
}

QImage renderCard(int number, int scale, const Fonts &fonts)
{
    QImage img(kCardWidth * scale, kCardHeight * scale, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(scale, scale);

    paintCardFrame(p);

    const Nakshatra &n = nakshatra(number);
    const double cx = kCardWidth / 2.0;
    const double maxWidth = kCardWidth - 22.0;

    // Devanagari name, as large as fits on one line up to a limit. The band
    // between the headline and the baseline sits at the same height on every
    // card, whatever the size.
    const QString deva = QString::fromUtf8(n.devanagari);
    double size = 30.0;
    QPainterPath title = lettering(deva, fonts.devanagari, size, true);
    const double width = title.boundingRect().width();
    if (width > maxWidth) {
        size = size * maxWidth / width;
        title = lettering(deva, fonts.devanagari, size, true);
    }
    const QRectF band = lettering(QStringLiteral("म"), fonts.devanagari, size, true).boundingRect();
    const double bandMiddle = 40.0;
    const QPainterPath titlePlaced =
        title.translated(cx - title.boundingRect().center().x(), bandMiddle - band.center().y());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawPath(titlePlaced.translated(0, 0.6));
    p.setBrush(kTitle);
    p.drawPath(titlePlaced);

    // Latin name in small spaced capitals, capitals centred on a fixed line.
    const QString upper = QString::fromLatin1(n.latin).toUpper();
    QPainterPath latin = lettering(upper, fonts.latin, 9.5, false, 1.0);
    if (latin.boundingRect().width() > maxWidth)
        latin = lettering(upper, fonts.latin, 9.5, false, 0.4);
    const QRectF caps = lettering(QStringLiteral("H"), fonts.latin, 9.5, false).boundingRect();
    p.setBrush(kSubtitle);
    p.drawPath(latin.translated(cx - latin.boundingRect().center().x(), 71.0 - caps.center().y()));

    paintDivider(p, 84.0);

    paintDisc(p, QPointF(cx, kCardHeight - 9.0 - 66.0), 66.0, number);
    p.end();
    return img;
}

QImage renderDisc(int number, int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(QColor(255, 251, 241));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size / 150.0;
    p.scale(s, s);
    paintDisc(p, QPointF(75, 75), 70, number);
    p.end();
    return img;
}

} // namespace pics
