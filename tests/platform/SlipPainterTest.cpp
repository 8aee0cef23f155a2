#include "platform/SlipPainter.h"
#include "fakes/SheetText.h"
#include "rules/Slip.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

using namespace zf;

namespace {

constexpr int kScale = 4; // pixels per report unit

// The upper part of the page, where the slip lies, at 384 dpi.
QImage render(const SlipPage& page)
{
    QImage image(800 * kScale, 600 * kScale, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(96.0 * kScale / 0.0254));
    image.setDotsPerMeterY(qRound(96.0 * kScale / 0.0254));
    image.fill(Qt::white);
    QPainter p(&image);
    paintSlip(p, page, loadSlipPicture(page));
    return image;
}

bool ink(QRgb c)
{
    return qGray(c) < 128;
}

// The slip picture's box outlines are red.
bool outline(QRgb c)
{
    return qRed(c) > 150 && qGreen(c) < 100 && qBlue(c) < 100;
}

// The pixels of the mark's "x": the next mark to the right starts 10 units on at the least.
QRect glyph(const QImage& marks, const SlipMark& m)
{
    QRect r;
    for (int y = (m.top - 2) * kScale; y < (m.top + 16) * kScale; ++y)
        for (int x = (m.left - 1) * kScale; x < (m.left + 9) * kScale; ++x)
            if (x >= 0 && y >= 0 && x < marks.width() && y < marks.height() && ink(marks.pixel(x, y)))
                r |= QRect(x, y, 1, 1);
    return r;
}

// How far from (x, y) the first outline pixel lies in direction (dx, dy); -1 when none within 14 units.
int toOutline(const QImage& picture, int x, int y, int dx, int dy)
{
    for (int step = 0; step < 14 * kScale; ++step, x += dx, y += dy)
        if (x >= 0 && y >= 0 && x < picture.width() && y < picture.height() && outline(picture.pixel(x, y)))
            return step;
    return -1;
}

SlipSettings testSettings(SlipType type)
{
    SlipSettings st;
    st.type = type;
    st.joker = {true, true, true};
    st.testPicture = true;
    return st;
}

} // namespace

class SlipPainterTest : public QObject {
    Q_OBJECT
private slots:
    void everyMarkLiesInsideItsBoxOnThePicture_data();
    void everyMarkLiesInsideItsBoxOnThePicture();
    void withoutTestModeOnlyTheMarksArePainted();
    void pdfCarriesThePaperFormat_data();
    void pdfCarriesThePaperFormat();
};

void SlipPainterTest::everyMarkLiesInsideItsBoxOnThePicture_data()
{
    QTest::addColumn<int>("type");
    QTest::newRow("Romande") << int(SlipType::Romande);
    QTest::newRow("SwissLos") << int(SlipType::SwissLos);
}

void SlipPainterTest::everyMarkLiesInsideItsBoxOnThePicture()
{
    QFETCH(int, type);
    SlipSettings st = testSettings(SlipType(type));
    SlipPage empty = buildSlipPage(TipSheet{}, st);
    empty.picture.path = std::string(ZF_SOURCE_DIR "/data/") + empty.picture.file;
    const QImage picture = render(empty);
    QVERIFY(!loadSlipPicture(empty).isNull());

    st.testPicture = false;
    int checked = 0;
    // seven full sheets put every number and every dream number into every slip field
    for (int k = 0; k < 7; ++k) {
        TipSheet sheet;
        for (int row = 0; row < TipSheet::kRows; ++row) {
            std::string text;
            for (int col = 0; col < TipSheet::kCols; ++col)
                text += (6 * k + col < 40 ? std::to_string(6 * k + col + 1) : std::string()) + ",";
            test::setRow(sheet, row, text + std::to_string((row + k) % 5 + 1));
        }
        const SlipPage page = buildSlipPage(sheet, st);
        const QImage marks = render(page);
        for (const SlipMark& m : page.marks) {
            if (!m.shown)
                continue;
            const QString what = QString("sheet %1 mark %2/%3/%4").arg(k).arg(int(m.kind)).arg(m.row).arg(m.field);
            const QRect g = glyph(marks, m);
            QVERIFY2(!g.isEmpty(), qPrintable(what + " painted nothing"));
            const QPoint c = g.center();
            const int left = toOutline(picture, c.x(), c.y(), -1, 0);
            const int right = toOutline(picture, c.x(), c.y(), 1, 0);
            const int up = toOutline(picture, c.x(), c.y(), 0, -1);
            const int down = toOutline(picture, c.x(), c.y(), 0, 1);
            QVERIFY2(left >= 0 && right >= 0 && up >= 0 && down >= 0, qPrintable(what + " lies in no box"));
            QVERIFY2(c.x() - left < g.left() && c.x() + right > g.right() && c.y() - up < g.top() &&
                         c.y() + down > g.bottom(),
                     qPrintable(what + QString(" crosses its box: glyph %1,%2-%3,%4 outline %5,%6-%7,%8")
                                           .arg(g.left())
                                           .arg(g.top())
                                           .arg(g.right())
                                           .arg(g.bottom())
                                           .arg(c.x() - left)
                                           .arg(c.y() - up)
                                           .arg(c.x() + right)
                                           .arg(c.y() + down)));
            ++checked;
        }
    }
    QCOMPARE(checked, 7 * 14 * 7 - 2 * 14 + 3 * 7);
}

void SlipPainterTest::withoutTestModeOnlyTheMarksArePainted()
{
    SlipSettings st = testSettings(SlipType::Romande);
    st.testPicture = false;
    SlipPage page = buildSlipPage(TipSheet{}, st);
    page.picture.path = ZF_SOURCE_DIR "/data/Romande.jpg"; // present, but test mode is off
    QVERIFY(loadSlipPicture(page).isNull());
    const QImage image = render(page);
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            QVERIFY(!outline(image.pixel(x, y)));
            dark += ink(image.pixel(x, y));
        }
    QVERIFY(dark > 0); // the three option marks
}

void SlipPainterTest::pdfCarriesThePaperFormat_data()
{
    QTest::addColumn<int>("paper");
    QTest::addColumn<QByteArray>("mediaBox");
    QTest::newRow("A4") << 0 << QByteArray("/MediaBox [0 0 595.000000 842.000000]");
    QTest::newRow("A4 Quer") << 1 << QByteArray("/MediaBox [0 0 842.000000 595.000000]");
    QTest::newRow("A5 Quer") << 2 << QByteArray("/MediaBox [0 0 595.000000 420.000000]");
    QTest::newRow("18x10,6") << 3 << QByteArray("/MediaBox [0 0 510.000000 300.000000]");
}

void SlipPainterTest::pdfCarriesThePaperFormat()
{
    QFETCH(int, paper);
    QFETCH(QByteArray, mediaBox);
    SlipSettings st = testSettings(SlipType::SwissLos);
    st.paper = paper;
    SlipPage page = buildSlipPage(TipSheet{}, st);
    page.picture.path = ZF_SOURCE_DIR "/data/SwissLos.jpg";
    QTemporaryDir dir;
    const QString path = dir.filePath("slip.pdf");
    writeSlipPdf(page, path.toStdString());
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray pdf = f.readAll();
    QVERIFY(pdf.startsWith("%PDF-"));
    QVERIFY2(pdf.contains(mediaBox), pdf.left(2000).constData());
    QVERIFY(pdf.contains("/Subtype /Image")); // the slip picture under the marks
}

QTEST_MAIN(SlipPainterTest)
#include "SlipPainterTest.moc"
