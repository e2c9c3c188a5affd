// The nakshatra card: name lettering over an emblem in a gold disc.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>

namespace pics {

struct Fonts {
    QString devanagari; // family of the Devanagari face
    QString latin;      // family of the Latin face
};

// Loads the font files the pictures are lettered with; throws when one is missing.
Fonts loadFonts();

// Colours an emblem is painted with.
struct Ink {
    QColor ink;   // the figure itself
    QColor mid;   // secondary, lighter parts of a figure
    QColor cut;   // engraved detail lines and gaps
    QColor cream; // small bright accents (eyes, pearls, highlights)
};

using EmblemFn = void (*)(QPainter &, const Ink &);

constexpr int kNakshatraCount = 27;
constexpr int kCardWidth = 150;
constexpr int kCardHeight = 244;

struct Nakshatra {
    const char *latin;
    const char *devanagari;
};

const Nakshatra &nakshatra(int number); // 1..27
EmblemFn emblem(int number);            // 1..27

// Paints nakshatra `number` at `scale` (1 = 150 x 244 pixels).
QImage renderCard(int number, int scale, const Fonts &fonts);

// Paints only the disc with the emblem, `size` pixels square (for design review).
QImage renderDisc(int number, int size);

} // namespace pics
