// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Helpers shared by the list control tests: a list with rows 20 pixels high (300 twips at 15
// twips per pixel, the offscreen screen's 96 dots per inch) and a look at what its surface
// shows. Each test row is drawn as a run of solid blocks in a colour of its own, (id, 0, 128),
// so the id of the row shown at each page position can be read back from the pixels.
#include "listctl/qt/UserControl1.h"

#include <QImage>
#include <QList>
#include <QScrollBar>
#include <QString>
#include <QWidget>

namespace listtest {

constexpr int RowTwips = 300;
constexpr int RowPx = 20;

inline QString blocks(int count = 6) {
    return QString(count, QChar(0x2588));
}
inline QColor rowColor(int id) {
    return QColor(id, 0, 128);
}

// A shown list without a frame whose page holds `rows` rows of 20 pixels.
struct ShownList : UserControl1 {
    explicit ShownList(int rows, QWidget* parent = nullptr) : UserControl1(parent) {
        setBorderStyle(0);
        setRowHeight(RowTwips);
        setDropDownHeight(rows * RowTwips);
        setEnabled(true);
        setGeometry(0, 0, 240, 100);
        show();
    }
};

inline void addRows(UserControl1& list, int first, int last) {
    for (int id = first; id <= last; ++id)
        list.Additem(blocks(), 0, -1, QString(), rowColor(id));
}

inline void addTexts(UserControl1& list, const QStringList& rows) {
    for (const QString& row : rows)
        list.Additem(row);
}

inline QStringList texts(const UserControl1& list) {
    QStringList all;
    for (int i = 0; i < list.ListCount(); ++i)
        all.append(list.List(i));
    return all;
}

inline QWidget* surface(UserControl1& list) {
    return list.findChild<QWidget*>(QStringLiteral("Picture1"));
}
inline QScrollBar* scrollBar(UserControl1& list) {
    return list.findChild<QScrollBar*>(QStringLiteral("VScroll1"));
}

// What the list surface shows, in logical pixels.
inline QImage shot(UserControl1& list) {
    return surface(list)->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The ids of the rows drawn at the first `positions` page positions, 0 where none of the test
// rows is drawn.
inline QList<int> rowIds(const QImage& image, int positions) {
    QList<int> ids(positions, 0);
    for (int y = 0; y < positions * RowPx && y < image.height(); ++y)
        for (int x = 0; x < image.width() && ids[y / RowPx] == 0; ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.green() == 0 && c.blue() == 128 && c.red() > 0)
                ids[y / RowPx] = c.red();
        }
    return ids;
}

// Whether any pixel of page position k has exactly the colour c.
inline bool rowHasColor(const QImage& image, int k, const QColor& c) {
    for (int y = k * RowPx; y < (k + 1) * RowPx && y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == c)
                return true;
    return false;
}

inline QColor inverted(const QColor& c) {
    return QColor(255 - c.red(), 255 - c.green(), 255 - c.blue());
}

// Whether page position k is marked: its background is inverted.
inline bool marked(UserControl1& list, int k) {
    return shot(list).pixelColor(1, k * RowPx + 10) == inverted(list.BackColor());
}

} // namespace listtest
