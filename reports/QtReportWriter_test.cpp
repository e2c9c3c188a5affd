// The pictures as compiled-in resources, and the rich-text target of the result window.
#include "reports/QtReportWriter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextImageFormat>
#include <QtTest>

#include "reports/ReportBuilders.h"
#include "reports/modTarabead.h"

using namespace tarabead;
using namespace tarabead::reports;

namespace {

// Box 0 and box 1 as two text edits.
class EditBoxes : public ReportBoxes {
  public:
    EditBoxes() : w0(&edit0), w1(&edit1) {}
    ReportWriter* Box(int index) override {
        return index == 0 ? static_cast<ReportWriter*>(&w0) : index == 1 ? &w1 : nullptr;
    }
    QTextEdit edit0, edit1;
    QtReportWriter w0, w1;
};

// Image formats of a document, in order.
QList<QTextImageFormat> Images(QTextDocument* doc) {
    QList<QTextImageFormat> images;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            if (f.isImageFormat()) images.append(f.toImageFormat());
        }
    }
    return images;
}

// One line of a report box as a reader sees it: its text ("<picture>" for a picture), and
// whether its text is bold. Every text fragment must be in the report colour.
struct Line {
    QString text;
    bool bold;
    bool operator==(const Line&) const = default;
};

QList<Line> LinesOf(QTextDocument* doc) {
    QList<Line> lines;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        Line line{QString(), false};
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (f.charFormat().isImageFormat()) {
                line.text += QStringLiteral("<picture>");
                continue;
            }
            line.text += f.text();
            line.bold = f.charFormat().fontWeight() == QFont::Bold;
            if (f.charFormat().foreground().color() != QColor(135, 82, 33)) {
                line.text += QStringLiteral(" <wrong colour>");
            }
        }
        lines.append(line);
    }
    return lines;
}

char* toString(const Line& line) {
    return QTest::toString(QStringLiteral("%1%2").arg(line.bold ? "B: " : "", line.text));
}

}  // namespace

class QtReportWriterTest : public QObject {
    Q_OBJECT
  private slots:
    void everyPictureLoadsAtItsSize_data() {
        QTest::addColumn<int>("list");
        QTest::addColumn<int>("count");
        QTest::addColumn<QSize>("size");
        QTest::newRow("27 nakshatra pictures") << int(PictureList::IMG) << 27 << QSize(150, 244);
        QTest::newRow("15 bead pictures") << int(PictureList::IMG2) << 15 << QSize(100, 100);
    }
    void everyPictureLoadsAtItsSize() {
        QFETCH(int, list);
        QFETCH(int, count);
        QFETCH(QSize, size);
        const auto l = static_cast<PictureList>(list);
        for (int n = 1; n <= count; ++n) {
            const QImage one = ReportPicture(l, n);
            QVERIFY2(!one.isNull(), qPrintable(ReportPicturePath(l, n)));
            QCOMPARE(one.size(), size);
            const QImage two = ReportPicture(l, n, 2.0);
            QCOMPARE(two.size(), size * 2);
            QCOMPARE(two.devicePixelRatio(), 2.0);
        }
        QVERIFY(ReportPicture(l, 0).isNull());
        QVERIFY(ReportPicture(l, count + 1).isNull());
    }

    void reportsGoStraightIntoTheBoxesWithoutTheClipboard() {
        QGuiApplication::clipboard()->setText(QStringLiteral("the user's copied text"));
        EditBoxes boxes;
        modNakshatraInformation::BuildNakshatraReport(boxes, "Krittika");
        modTarabead::BuildRudrakshaReport(boxes, "Krittika");
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("the user's copied text"));

        const auto nakshatraImages = Images(boxes.edit0.document());
        QCOMPARE(nakshatraImages.size(), 1);
        QCOMPARE(nakshatraImages[0].width(), 150.0);
        QCOMPARE(nakshatraImages[0].height(), 244.0);
        const QVariant picture = boxes.edit0.document()->resource(QTextDocument::ImageResource,
                                                                  QUrl(nakshatraImages[0].name()));
        QCOMPARE(picture.value<QImage>().size(), QSize(150, 244));

        const auto beadImages = Images(boxes.edit1.document());
        QCOMPARE(beadImages.size(), 3);  // mukhis 1, 11 and 12
        for (const auto& image : beadImages) QCOMPARE(image.width(), 100.0);

        const QString text = boxes.edit0.toPlainText();
        QVERIFY(text.contains(QStringLiteral("Ruling Planet\nSun\n\nElement\n")));
        QVERIFY(!text.contains(QLatin1Char('\r')));
    }

    void nakshatraReportLayoutLineByLine() {
        EditBoxes boxes;
        modNakshatraInformation::BuildNakshatraReport(boxes, "Ashwini");
        const QList<Line> expected{
            {"<picture>", false}, {"Ruling Planet", true}, {"Ketu", false},
            {"", false},          {"Element", true},       {"Prithvi (Earth)", false},
            {"", false},          {"Dosha", true},         {"Vata", false},
        };
        const QList<Line> lines = LinesOf(boxes.edit0.document());
        QCOMPARE(lines.mid(0, expected.size()), expected);
        QCOMPARE(lines.last().text.isEmpty(), false);  // the Health value ends the report
        QCOMPARE(lines.at(lines.size() - 2), (Line{"Health", true}));
    }

    void rudrakshaReportLayoutLineByLine() {
        EditBoxes boxes;
        modTarabead::BuildRudrakshaReport(boxes, "Revati");
        const auto& bead = modTarabead::MukhiTable()[3];
        auto q = [](std::string_view v) {
            return QString::fromUtf8(v.data(), static_cast<qsizetype>(v.size()));
        };
        QList<Line> expected{{"Benefits of Rudraksh", true}};
        const QStringList benefits{
            "1.Rudraksh beads help overcome problems and difficult periods in life.",
            "2.They have no negative effects like gemstones.",
            "3.Rudraksh beads have many medicinal and spiritual properties.",
            "4.They have electric and magnetic properties that get enhanced when worn with metal.",
            "5.Rudraksh beads also give you peace of mind, better concentration and have good "
            "healing powers."};
        for (const QString& b : benefits) expected.append({b, false});
        expected.append({"", false});
        expected.append({"Do 's  for keeping Rudraksh", true});
        for (int i = 1; i <= 5; ++i) expected.append({q(modTarabead::DosList[i]), false});
        expected.append({"", false});
        expected.append({"Dont 's  for keeping Rudraksh", true});
        for (int i = 1; i <= 5; ++i) expected.append({q(modTarabead::DontsList[i]), false});
        expected += QList<Line>{{"", false},
                                {"", false},
                                {"Rudraksha Name", true},
                                {"FOUR MUKHI RUDRAKSHA", true},
                                {"", false},
                                {"<picture>", false},
                                {"Interpretation", true},
                                {q(bead.Description), false},
                                {"", false},
                                {"Ruling Planet", true},
                                {"Mercury", false},
                                {"", false},
                                {"Ruling Planet Desc", true},
                                {q(bead.PlanetReading), false},
                                {"", false}};
        QCOMPARE(expected.size(), 35);
        QCOMPARE(LinesOf(boxes.edit1.document()).mid(0, 35), expected);
    }

    void headingsAreBoldValuesRegularAllInTheReportColour() {
        EditBoxes boxes;
        modNakshatraInformation::BuildNakshatraReport(boxes, "Revati");
        const QColor brown(135, 82, 33);
        int boldBlocks = 0, regularBlocks = 0;
        for (QTextBlock b = boxes.edit0.document()->begin(); b.isValid(); b = b.next()) {
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                const QTextFragment f = it.fragment();
                if (f.charFormat().isImageFormat()) continue;
                QCOMPARE(f.charFormat().foreground().color(), brown);
                const bool bold = f.charFormat().fontWeight() == QFont::Bold;
                if (f.text() == QStringLiteral("Lucky Gemstone")) QVERIFY(bold);
                if (f.text() == QStringLiteral("Emerald")) QVERIFY(!bold);
                (bold ? boldBlocks : regularBlocks)++;
            }
        }
        QCOMPARE(boldBlocks, 21);
        QVERIFY(regularBlocks >= 21);
    }

    void rebuildingLeavesOneReport() {
        EditBoxes boxes;
        modTarabead::BuildRudrakshaReport(boxes, "Pushya");
        const QString once = boxes.edit1.toPlainText();
        modTarabead::BuildRudrakshaReport(boxes, "Pushya");
        QCOMPARE(boxes.edit1.toPlainText(), once);
        QCOMPARE(Images(boxes.edit1.document()).size(), 1);
    }
};

QTEST_MAIN(QtReportWriterTest)
#include "QtReportWriter_test.moc"
