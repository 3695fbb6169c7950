// SPDX-License-Identifier: GPL-3.0-or-later
// On a screen with two device pixels to the pixel the list draws its rows at full resolution.
#include "UserControl1TestSupport.h"

#include <QtTest>

using namespace listtest;

namespace {

// Runs before the application starts, so the whole program sees the doubled screen.
const bool doubledScreen = qputenv("QT_SCALE_FACTOR", "2");

// Whether some 2 x 2 square of device pixels, aligned to the logical pixel grid, holds
// different colours: something only drawing at device resolution can produce.
bool hasDetailFinerThanAPixel(const QImage& image) {
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb corner = image.pixel(x, y);
            if (image.pixel(x + 1, y) != corner || image.pixel(x, y + 1) != corner ||
                image.pixel(x + 1, y + 1) != corner)
                return true;
        }
    return false;
}

} // namespace

class UserControl1HiDpiTest : public QObject {
    Q_OBJECT

private slots:
    void rowsAreDrawnAtDeviceResolution() {
        QVERIFY(doubledScreen);
        ShownList list(4);
        list.setGridLines(true);
        list.Additem(QStringLiteral("Move piece 1 by 6"), 0, -1, QString(), QColor(0, 0, 128));
        list.Additem(blocks(), 0, -1, QString(), rowColor(2));
        const QImage image = surface(list)->grab().toImage();
        QCOMPARE(image.devicePixelRatio(), 2.0);
        QCOMPARE(image.height(), 2 * (4 * RowPx + 2));
        // The block row lies a row lower, in device pixels twice as far.
        QCOMPARE(image.pixelColor(2 * 20, 2 * (RowPx + 10)), rowColor(2));
        // The grid line is one logical pixel: two device pixels thick.
        const QColor line = inverted(list.BackColor());
        QCOMPARE(image.pixelColor(300, 2 * (RowPx - 2)), line);
        QCOMPARE(image.pixelColor(300, 2 * (RowPx - 2) + 1), line);
        QVERIFY(image.pixelColor(300, 2 * (RowPx - 2) + 2) != line);
        // The text of the first row has detail finer than a logical pixel.
        QVERIFY(hasDetailFinerThanAPixel(image.copy(0, 0, image.width(), 2 * RowPx - 8)));
    }
};

QTEST_MAIN(UserControl1HiDpiTest)
#include "UserControl1HiDpiTest.moc"
