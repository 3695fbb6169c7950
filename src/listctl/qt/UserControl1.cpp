// SPDX-License-Identifier: GPL-3.0-or-later
#include "listctl/qt/UserControl1.h"

#include "listctl/qt/InputCodes.h"
#include "listctl/qt/ListAccessible.h"
#include "listctl/qt/ListControlError.h"
#include "listctl/qt/ListSurface.h"
#include "listctl/qt/NumberText.h"
#include "listctl/qt/OleColor.h"
#include "listctl/qt/PropertyBag.h"
#include "listctl/qt/WildcardPattern.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStringBuilder>

#include <algorithm>
#include <cmath>

namespace {

// A drawing row height below this many twips counts as not set.
constexpr int SmallestRowHeight = 24;
// Pixels the list surface is higher than its page, for its frame.
constexpr int FrameAllowance = 2;
// Pending drawing beyond this many steps is put onto the canvas without waiting for a paint.
constexpr size_t PendingLimit = 256;

qint32 colorValue(QStringView text) {
    return static_cast<qint32>(static_cast<qint64>(NumberText::val(text)));
}

int pictureIndex(QStringView text) {
    return static_cast<int>(NumberText::val(text));
}

} // namespace

UserControl1::UserControl1(QWidget* parent)
    : QWidget(parent), m_surface(new ListSurface(this)),
      m_scrollBar(new QScrollBar(Qt::Vertical, this)), m_editBox(new QLineEdit(this)),
      m_dropButton(new QPushButton(this)), m_random(std::random_device{}()), m_font(font()),
      m_foreColor(OleColor::SystemWindowText), m_backColor(OleColor::SystemButtonFace) {
    m_surface->setObjectName(QStringLiteral("Picture1"));
    m_scrollBar->setObjectName(QStringLiteral("VScroll1"));
    m_editBox->setObjectName(QStringLiteral("Text1"));
    m_dropButton->setObjectName(QStringLiteral("Command1"));

    m_surface->setEnabled(m_enabled);
    m_scrollBar->setRange(0, 0);
    m_scrollBar->setFocusPolicy(Qt::NoFocus);
    m_scrollBar->setAccessibleName(QStringLiteral("Scroll the list"));
    m_editBox->setAccessibleName(QStringLiteral("Chosen row"));
    m_dropButton->setAccessibleName(QStringLiteral("Open the list"));
    m_dropButton->setText(QStringLiteral("\u25BE"));
    m_dropButton->setFocusPolicy(Qt::NoFocus);
    m_dropButton->setMouseTracking(true);
    m_editBox->hide();
    m_dropButton->hide();

    m_surface->installEventFilter(this);
    m_editBox->installEventFilter(this);
    m_dropButton->installEventFilter(this);
    connect(m_surface, &ListSurface::aboutToPaint, this, &UserControl1::flushDrawing);
    connect(m_surface, &ListSurface::canvasReset, this, &UserControl1::onCanvasReset);
    connect(m_scrollBar, &QScrollBar::valueChanged, this, &UserControl1::onScrolled);
    connect(m_scrollBar, &QScrollBar::actionTriggered, this, [this] {
        if (m_surfaceShown)
            m_surface->setFocus(Qt::MouseFocusReason);
    });
    connect(m_dropButton, &QPushButton::clicked, this, &UserControl1::dropButtonReleased);
    connect(m_editBox, &QLineEdit::textEdited, this, &UserControl1::editBoxTyped);

    setFocusProxy(m_surface);
    readScreenScale();
    updateComposer();
}

UserControl1::~UserControl1() = default;

// ---- Rows --------------------------------------------------------------------------------------

void UserControl1::Additem(const QString& itemx, int it, int ipic, const QString& ItemFont,
                           const QColor& ItemColor) {
    const int count = m_items.count();
    if (!ItemFont.isEmpty())
        m_listFont = ItemFont;
    if (m_listFont.isEmpty() && count == 0)
        m_listFont = m_font.family();

    qint32 color = ItemColor.isValid() ? OleColor::fromColor(ItemColor) : m_foreColor;
    int picture = ipic;
    if (count > 0) {
        const QStringView last = m_items.record(count);
        if (picture <= 0)
            picture = pictureIndex(ItemStore::fieldOf(last, ItemStore::Picture));
        if (!ItemColor.isValid())
            color = colorValue(ItemStore::fieldOf(last, ItemStore::Color));
    } else if (picture <= 0) {
        picture = 1;
    }

    int place = 0;
    if (it > 0)
        place = it + 1;
    else if (it == -1)
        place = 1;
    if (place == 1 && count == 0)
        place = 0;

    const QChar tab = ItemStore::Separator;
    const QString fields = itemx % tab % QLatin1Char('0') % tab % QString::number(picture) % tab %
                           m_listFont % tab % QString::number(color) % tab;

    if (place > 0 && place <= count) {
        // Inserted rows have no width yet: a single space until they are first drawn.
        flushDrawing();
        m_items.insert(place, fields % QLatin1Char(' '));
        m_scrollBar->setMaximum(m_items.count() - 1);
        redrawIfVisible(place);
        m_lastAdded = place - 1;
        ListAccessible::rowAdded(m_surface, m_lastAdded);
        return;
    }

    m_items.append(fields);
    m_scrollBar->setMaximum(m_items.count() - 1);
    m_lastAdded = m_items.count() - 1;
    ListAccessible::rowAdded(m_surface, m_lastAdded);
    if (m_items.count() == 1 && !m_drawingSetUp)
        setUpDrawing();

    if (m_mode != 0) {
        m_firstVisible = -1;
        return;
    }
    if (!m_surfaceShown)
        showSurface(true);
    if (m_firstVisible < 1)
        m_firstVisible = m_scrollBar->value() + 1;
    setOwnHeight(m_surfaceHeight);
    const int rows = m_items.count();
    if (rows > m_rowsPerPage)
        drawPage(m_firstVisible, m_firstVisible + m_rowsPerPage - 1);
    else
        drawRow(rows, rows - m_firstVisible);
}

void UserControl1::RemoveItem(int it) {
    const int row = it + 1;
    const int count = m_items.count();
    if (!m_items.contains(row))
        return;
    ListAccessible::rowsChanged(m_surface);
    flushDrawing();
    if (count > 1) {
        unmark();
        m_items.remove(row);
        m_editBox->clear();
        m_scrollBar->setMaximum(count - 2);
        redrawIfVisible(row);
        if (m_mode == 1)
            m_firstVisible = -1;
        if (m_lastAdded >= count - 1)
            m_lastAdded = count - 2;
        return;
    }
    m_items.clear();
    showSurface(false);
    m_scrollBar->setMaximum(0);
    clearSurface();
    m_firstVisible = -1;
    m_editBox->clear();
    m_chosenIndex.clear();
    m_lastAdded = -1;
}

void UserControl1::Clear() {
    clearSurface();
    m_items.clear();
    ListAccessible::rowsChanged(m_surface);
}

void UserControl1::SortAscending() {
    sortRows(ItemStore::Order::Ascending);
}

void UserControl1::SortDescending() {
    sortRows(ItemStore::Order::Descending);
}

void UserControl1::sortRows(ItemStore::Order order) {
    // The sort compares whole records, the drawn text widths included.
    flushDrawing();
    m_items.sort(order, m_random);
    redrawVisiblePage();
    ListAccessible::rowsChanged(m_surface);
}

std::optional<int> UserControl1::Find(int sdir, int it, const QString& ftext, int casen) {
    const int start = it + 1;
    const int count = m_items.count();
    if (count == 0 || start < 1 || start > count)
        return std::nullopt;
    const bool exactCase = casen == 1;
    const QString pattern = exactCase ? ftext : ftext.toUpper();
    const auto matches = [&](int row) {
        const QStringView text = ItemStore::fieldOf(m_items.record(row), ItemStore::Text);
        return WildcardPattern::matches(exactCase ? text.toString() : text.toString().toUpper(),
                                        pattern);
    };
    if (sdir == 1) {
        for (int row = count; row >= start; --row)
            if (matches(row))
                return row;
    } else {
        for (int row = start; row <= count; ++row)
            if (matches(row))
                return row;
    }
    return 0;
}

void UserControl1::ShowItem(int i) {
    const int row = i + 1;
    if (!m_items.contains(row) || m_rowsPerPage < 1)
        return;
    const int first = m_firstVisible >= 1 ? m_firstVisible : m_scrollBar->value() + 1;
    int top = first;
    if (row < first)
        top = row;
    else if (row > first + m_rowsPerPage - 1)
        top = row - m_rowsPerPage + 1;
    if (top - 1 != m_scrollBar->value()) {
        m_scrollBar->setValue(top - 1);
    } else if (m_firstVisible < 1 || m_shownFirst != top) {
        m_firstVisible = top;
        drawPage(top, top + m_rowsPerPage);
    }
    markRow(row - m_firstVisible);
}

std::optional<double> UserControl1::GetItemData(int i) const {
    if (!m_items.contains(i + 1))
        return std::nullopt;
    return NumberText::val(ItemStore::fieldOf(m_items.record(i + 1), ItemStore::ItemData));
}

void UserControl1::SetItemData(int it, double valuex) {
    const int row = (it == -1 ? m_lastAdded : it) + 1;
    if (m_items.contains(row))
        m_items.setField(row, ItemStore::ItemData, NumberText::str(valuex));
}

void UserControl1::UpdateText(int it, const QString& s) {
    updateField(it, ItemStore::Text, s);
}

void UserControl1::UpdateFont(int it, const QString& font) {
    updateField(it, ItemStore::FontName, font);
}

void UserControl1::UpdateForeColor(int it, const QColor& fc) {
    updateField(it, ItemStore::Color, NumberText::str(OleColor::fromColor(fc)));
}

void UserControl1::UpdateItemData(int it, double itd) {
    updateField(it, ItemStore::ItemData, NumberText::str(itd));
}

void UserControl1::UpdateIcon(int it, int ipic) {
    updateField(it, ItemStore::Picture, NumberText::str(ipic));
}

void UserControl1::updateField(int it, ItemStore::Field field, const QString& value) {
    const int row = it + 1;
    if (!m_items.contains(row))
        return;
    m_items.setField(row, field, value);
    redrawIfVisible(row);
}

// ---- Properties
// ----------------------------------------------------------------------------------

void UserControl1::setEnabled(bool enabled) {
    m_enabled = enabled;
    m_surface->setEnabled(enabled);
    report(QStringLiteral("Enabled"));
}

void UserControl1::setPictureList(const QList<QPixmap>& pictures) {
    m_pictures = pictures;
    restyle(QStringLiteral("PictureList"));
}

void UserControl1::setListCount(int count) {
    if (count == 0) {
        Clear();
    } else if (count > 0 && count < m_items.count()) {
        flushDrawing();
        unmark();
        m_items.truncate(count);
        ListAccessible::rowsChanged(m_surface);
        m_scrollBar->setMaximum(count - 1);
        m_lastAdded = std::min(m_lastAdded, count - 1);
        redrawVisiblePage();
    }
    report(QStringLiteral("ListCount"));
}

void UserControl1::setFontname(const QString& name) {
    m_font.setFamily(name);
    m_listFont = name;
    report(QStringLiteral("Fontname"));
}

void UserControl1::setFontSize(double points) {
    if (points > 0)
        m_font.setPointSizeF(points);
    restyle(QStringLiteral("FontSize"));
}

QColor UserControl1::forecolor() const {
    return OleColor::toColor(m_foreColor, palette());
}

void UserControl1::setforecolor(const QColor& color) {
    m_foreColor = OleColor::fromColor(color);
    report(QStringLiteral("ForeColor"));
}

void UserControl1::setGridLines(bool shown) {
    m_gridLines = shown;
    restyle(QStringLiteral("GridLines"));
}

void UserControl1::setBorderStyle(int style) {
    m_borderStyle = style;
    m_surface->setFramed(style != 0);
    report(QStringLiteral("BorderStyle"));
}

void UserControl1::setDropDownHeight(int twips) {
    m_dropDownHeight = twips;
    refreshPageGeometry();
    report(QStringLiteral("DropDownHeight"));
}

void UserControl1::setMode(int mode) {
    m_mode = mode;
    const bool dropDown = mode == 1;
    m_editBox->setVisible(dropDown);
    m_dropButton->setVisible(dropDown);
    if (dropDown) {
        showSurface(false);
        setOwnHeight(editHeight());
    } else {
        showSurface(true);
        if (m_drawingSetUp) {
            setOwnHeight(m_surfaceHeight);
            if (m_firstVisible < 1)
                m_firstVisible = m_scrollBar->value() + 1;
            redrawVisiblePage();
        }
    }
    layoutChildren();
    report(QStringLiteral("Mode"));
}

void UserControl1::setRowHeight(int twips) {
    m_rowHeight = twips;
    if (twips >= SmallestRowHeight) {
        m_drawRowHeight = twips;
        refreshPageGeometry();
    }
    report(QStringLiteral("RowHeight"));
}

int UserControl1::markedIndex() const {
    return m_marked >= 0 && m_firstVisible >= 1 && m_items.contains(m_firstVisible + m_marked)
               ? m_firstVisible - 1 + m_marked
               : -1;
}

QRect UserControl1::rowRect(int index) const {
    const int k = index + 1 - m_firstVisible;
    if (!m_drawingSetUp || m_firstVisible < 1 || !m_surfaceShown || !m_items.contains(index + 1) ||
        k < 0 || k >= m_rowsPerPage)
        return QRect();
    const QRect canvas = m_surface->canvasRect();
    const int height = m_composer.rowPixels();
    return QRect(canvas.left(), canvas.top() + k * height, canvas.width(), height);
}

QString UserControl1::List(int it) const {
    if (!m_items.contains(it + 1))
        return QString();
    return m_items.field(it + 1, ItemStore::Text);
}

void UserControl1::setList(int it, const QString& text) {
    UpdateText(it, text);
    report(QStringLiteral("List"));
}

QString UserControl1::text() const {
    return m_editBox->text();
}

void UserControl1::settext(const QString& text) {
    m_editBox->setText(text);
    report(QStringLiteral("Text"));
}

int UserControl1::ListIndex() const {
    return m_chosenIndex.isEmpty() ? -1 : static_cast<int>(NumberText::val(m_chosenIndex));
}

void UserControl1::setListIndex(int index) {
    if (!m_userMode)
        throw ListControlError(ListControlError::SetNotPermitted,
                               QStringLiteral("Set not permitted"));
    if (index == -1) {
        unmark();
        m_editBox->clear();
        m_chosenIndex.clear();
    } else if (m_items.contains(index + 1)) {
        ShowItem(index);
        m_editBox->setText(List(index));
        m_chosenIndex = NumberText::str(index);
    }
    report(QStringLiteral("ListIndex"));
}

void UserControl1::setDrawStyle(int style) {
    m_drawStyle = style;
    restyle(QStringLiteral("DrawStyle"));
}

QColor UserControl1::BackColor() const {
    return OleColor::toColor(m_backColor, palette());
}

void UserControl1::setBackColor(const QColor& color) {
    setColorProperty(m_backColor, OleColor::fromColor(color), QStringLiteral("BackColor"));
}

QColor UserControl1::GridColor() const {
    return OleColor::toColor(m_gridColor, palette());
}

void UserControl1::setGridColor(const QColor& color) {
    setColorProperty(m_gridColor, OleColor::fromColor(color), QStringLiteral("GridColor"));
}

void UserControl1::setColorProperty(qint32& member, qint32 value, const QString& name) {
    member = value;
    restyle(name);
}

void UserControl1::restyle(const QString& name) {
    updateComposer();
    redrawVisiblePage();
    report(name);
}

void UserControl1::setToolTip(bool shown) {
    m_toolTip = shown;
    if (!shown)
        m_surface->setToolTip(QString());
    report(QStringLiteral("ToolTip"));
}

void UserControl1::setTopIndex(int index) {
    const int value = index == -1 ? m_items.count() - m_rowsPerPage : index - 1;
    if (value < m_scrollBar->minimum() || value > m_scrollBar->maximum())
        return;
    m_topIndex = index;
    report(QStringLiteral("TopIndex"));
    m_scrollBar->setValue(value);
}

// ---- Stored property set -----------------------------------------------------------------------

void UserControl1::InitProperties() {
    setEnabled(false);
    setListCount(0);
    setBorderStyle(0);
    setDropDownHeight(0);
    setMode(0);
    setRowHeight(0);
    setDrawStyle(0);
    m_topIndex = 0;
    report(QStringLiteral("TopIndex"));
}

void UserControl1::ReadProperties(const PropertyBag& bag) {
    const auto read = [&bag](const char* name, const QVariant& defaultValue) {
        return bag.ReadProperty(QLatin1String(name), defaultValue);
    };
    setEnabled(read("Enabled", false).toBool());
    const QVariant pictures = read("PictureList", QVariant());
    if (pictures.canConvert<QList<QPixmap>>())
        setPictureList(pictures.value<QList<QPixmap>>());
    setListCount(read("ListCount", 0).toInt());
    setColorProperty(m_foreColor, read("ForeColor", OleColor::SystemWindowText).toInt(),
                     QStringLiteral("ForeColor"));
    setGridLines(read("GridLines", false).toBool());
    setBorderStyle(read("BorderStyle", 1).toInt());
    setDropDownHeight(read("DropDownHeight", 0).toInt());
    setMode(read("Mode", 0).toInt());
    setRowHeight(read("RowHeight", 0).toInt());
    if (bag.contains(QStringLiteral("List")))
        setList(0, bag.ReadProperty(QStringLiteral("List")).toString());
    settext(read("Text", QString()).toString());
    if (bag.contains(QStringLiteral("ListIndex"))) {
        try {
            setListIndex(bag.ReadProperty(QStringLiteral("ListIndex")).toInt());
        } catch (const ListControlError&) {
            // A chosen row cannot be restored while the control is being designed.
        }
    }
    setDrawStyle(read("DrawStyle", 0).toInt());
    setColorProperty(m_backColor, read("BackColor", OleColor::SystemButtonFace).toInt(),
                     QStringLiteral("BackColor"));
    setColorProperty(m_gridColor, read("GridColor", 0).toInt(), QStringLiteral("GridColor"));
    setToolTip(read("ToolTip", false).toBool());
    setTopIndex(read("TopIndex", 0).toInt());
}

void UserControl1::WriteProperties(PropertyBag& bag) const {
    const auto write = [&bag](const char* name, const QVariant& value) {
        bag.WriteProperty(QLatin1String(name), value);
    };
    write("Enabled", m_enabled);
    write("PictureList", m_pictures.isEmpty() ? QVariant() : QVariant::fromValue(m_pictures));
    write("ListCount", ListCount());
    write("Fontname", Fontname());
    write("FontSize", FontSize());
    write("ForeColor", m_foreColor);
    write("GridLines", m_gridLines);
    write("BorderStyle", m_borderStyle);
    write("DropDownHeight", m_dropDownHeight);
    write("Mode", m_mode);
    write("RowHeight", m_rowHeight);
    write("DrawStyle", m_drawStyle);
    write("BackColor", m_backColor);
    write("GridColor", m_gridColor);
    write("ToolTip", m_toolTip);
    write("TopIndex", m_topIndex);
}

QSize UserControl1::sizeHint() const {
    return QSize(200, m_ownHeight >= 0 ? m_ownHeight : 150);
}

// ---- Sizes and layout
// ----------------------------------------------------------------------------

void UserControl1::readScreenScale() {
    const QScreen* screen = this->screen();
    const double dpiX = screen ? screen->logicalDotsPerInchX() : 96.0;
    const double dpiY = screen ? screen->logicalDotsPerInchY() : 96.0;
    m_composer.setScale(1440.0 / dpiX, 1440.0 / dpiY);
}

void UserControl1::setUpDrawing() {
    readScreenScale();
    const QFontMetrics metrics(m_font);
    m_rowHeight = qRound(1.2 * metrics.height() * m_composer.twipsPerPixelY());
    if (m_drawRowHeight < SmallestRowHeight)
        m_drawRowHeight = m_rowHeight;
    m_drawingSetUp = true;
    updateComposer();
    applyPageGeometry();
    if (m_mode == 0)
        m_firstVisible = 1;
}

void UserControl1::applyPageGeometry() {
    m_composer.setRowHeight(m_drawRowHeight);
    m_rowsPerPage = m_drawRowHeight > 0 ? m_dropDownHeight / m_drawRowHeight : 0;
    m_surfaceHeight = m_rowsPerPage * m_composer.rowPixels() + FrameAllowance;
    m_scrollBar->setPageStep(std::max(1, m_rowsPerPage));
    layoutChildren();
}

void UserControl1::refreshPageGeometry() {
    if (!m_drawingSetUp)
        return;
    applyPageGeometry();
    if (m_mode == 0)
        setOwnHeight(m_surfaceHeight);
    else if (dropDownOpen())
        setOwnHeight(editHeight() + m_surfaceHeight);
    redrawVisiblePage();
}

void UserControl1::layoutChildren() {
    const int w = width();
    const int barWidth = m_scrollBar->sizeHint().width();
    int top = 0;
    if (m_mode == 1) {
        const int h = editHeight();
        m_editBox->setGeometry(0, 0, std::max(0, w - h), h);
        m_dropButton->setGeometry(w - h, 0, h, h);
        top = h;
    }
    const int surfaceHeight = m_drawingSetUp ? m_surfaceHeight : std::max(0, height() - top);
    m_surface->setGeometry(0, top, std::max(0, w - barWidth), surfaceHeight);
    m_scrollBar->setGeometry(w - barWidth, top, barWidth, surfaceHeight);
}

void UserControl1::setOwnHeight(int pixels) {
    if (m_ownHeight != pixels) {
        m_ownHeight = pixels;
        updateGeometry();
    }
    if (height() != pixels)
        resize(width(), pixels);
}

int UserControl1::editHeight() const {
    return m_editBox->sizeHint().height();
}

void UserControl1::showSurface(bool shown) {
    m_surfaceShown = shown;
    m_surface->setVisible(shown);
    m_scrollBar->setVisible(shown);
}

void UserControl1::resizeEvent(QResizeEvent*) {
    layoutChildren();
}

void UserControl1::changeEvent(QEvent* event) {
    // System colours follow the palette.
    if (event->type() == QEvent::PaletteChange) {
        updateComposer();
        redrawVisiblePage();
    }
    QWidget::changeEvent(event);
}

// ---- Drawing
// -------------------------------------------------------------------------------------

void UserControl1::updateComposer() {
    const QColor background = OleColor::toColor(m_backColor, palette());
    m_surface->setBackground(background);
    m_composer.setBackground(background);
    m_composer.setFontSize(m_font.pointSizeF());
    m_composer.setGrid(m_gridLines, OleColor::toColor(m_gridColor, palette()));
    m_composer.setPictures(m_pictures, m_drawStyle == 1);
    m_composer.setRowHeight(m_drawRowHeight);
}

void UserControl1::drawPage(int first, int last) {
    last = std::min(last, m_items.count());
    if (first < 1 || !m_surfaceShown)
        return;
    m_pending.clear();
    queue({DrawOp::Page, first, last, false});
    m_shownFirst = first;
    m_marked = -1; // a freshly drawn page carries no mark
    if (m_gridLines && first <= last)
        m_invertMode = true;
}

void UserControl1::drawRow(int row, int k) {
    if (m_firstVisible < 1 || !m_surfaceShown || k < 0 || k >= m_rowsPerPage)
        return;
    queue({DrawOp::Row, row, k, false});
    if (m_shownFirst < 1)
        m_shownFirst = m_firstVisible;
    if (m_gridLines)
        m_invertMode = true;
}

int UserControl1::pageFirst() const {
    return m_shownFirst >= 1 ? m_shownFirst : m_firstVisible;
}

void UserControl1::redrawVisiblePage() {
    const int first = pageFirst();
    if (first >= 1)
        drawPage(first, first + m_rowsPerPage - 1);
}

void UserControl1::redrawIfVisible(int row) {
    const int first = pageFirst();
    if (first >= 1 && row >= first && row <= first + m_rowsPerPage - 1)
        redrawVisiblePage();
}

void UserControl1::clearSurface() {
    m_pending.clear();
    queue({DrawOp::Clear, 0, 0, false});
    m_shownFirst = -1;
    m_marked = -1;
}

void UserControl1::markRow(int k) {
    if (m_marked >= 0)
        queue({DrawOp::Mark, m_marked, 0, m_invertMode});
    queue({DrawOp::Mark, k, 0, m_invertMode});
    m_marked = k;
    ListAccessible::rowMarked(m_surface, markedIndex());
}

void UserControl1::unmark() {
    if (m_marked < 0)
        return;
    queue({DrawOp::Mark, m_marked, 0, m_invertMode});
    m_marked = -1;
}

void UserControl1::queue(const DrawOp& op) {
    m_pending.push_back(op);
    m_surface->update();
    if (m_pending.size() > PendingLimit)
        flushDrawing();
}

void UserControl1::flushDrawing() {
    // Asking for the canvas first lets a canvas that had to start blank queue its page.
    QImage& canvas = m_surface->canvas();
    for (const DrawOp& op : m_pending) {
        switch (op.kind) {
        case DrawOp::Clear:
            m_composer.clear(canvas);
            break;
        case DrawOp::Page:
            m_composer.clear(canvas);
            for (int row = op.first; row <= op.last; ++row)
                composeRow(canvas, row, row - op.first);
            break;
        case DrawOp::Row:
            composeRow(canvas, op.first, op.last);
            break;
        case DrawOp::Mark:
            m_composer.mark(canvas, op.first, op.invert);
            break;
        }
    }
    m_pending.clear();
}

void UserControl1::composeRow(QImage& canvas, int row, int k) {
    if (!m_items.contains(row))
        return;
    QStringList fields = ItemStore::split(m_items.record(row));
    const QString& font = fields[ItemStore::FontName];
    const int width = m_composer.compose(
        canvas, k, fields[ItemStore::Text], font.isEmpty() ? m_font.family() : font,
        OleColor::toColor(colorValue(fields[ItemStore::Color]), palette()),
        pictureIndex(fields[ItemStore::Picture]));
    fields[ItemStore::TextWidth] = QString::number(qRound(width * m_composer.twipsPerPixelX()));
    m_items.setRecord(row, ItemStore::join(fields));
}

void UserControl1::onCanvasReset() {
    m_pending.clear();
    if (m_shownFirst >= 1)
        m_pending.push_back({DrawOp::Page, m_shownFirst,
                             std::min(m_items.count(), m_shownFirst + m_rowsPerPage), false});
    if (m_marked >= 0)
        m_pending.push_back({DrawOp::Mark, m_marked, 0, m_invertMode});
    m_surface->update();
}

void UserControl1::onScrolled(int value) {
    m_firstVisible = value + 1;
    drawPage(value + 1, value + 1 + m_rowsPerPage);
    m_marked = -1;
}

// ---- Choosing rows and the drop-down ---------------------------------------------------------

bool UserControl1::choosePageRow(int r) {
    const int row = m_firstVisible + r;
    if (m_firstVisible < 1 || !m_items.contains(row))
        return false;
    m_editBox->setText(m_items.field(row, ItemStore::Text));
    m_chosenIndex = NumberText::str(row - 1);
    if (m_mode == 0)
        markRow(r);
    else
        closeDropDown();
    return true;
}

bool UserControl1::dropDownOpen() const {
    return m_mode == 1 && m_surfaceShown;
}

void UserControl1::dropButtonReleased() {
    if (!m_enabled)
        return;
    unmark();
    if (dropDownOpen())
        closeDropDown();
    else
        openDropDown();
}

void UserControl1::openDropDown() {
    setOwnHeight(editHeight() + m_surfaceHeight);
    showSurface(true);
    layoutChildren();
    raise();
    m_surface->raise();
    m_scrollBar->raise();
    m_surface->setFocus(Qt::OtherFocusReason);
    m_firstVisible = m_scrollBar->value() + 1;
    drawPage(m_firstVisible, m_firstVisible + m_rowsPerPage);
}

void UserControl1::closeDropDown() {
    showSurface(false);
    setOwnHeight(editHeight());
    layoutChildren();
}

void UserControl1::editBoxTyped(const QString& typed) {
    if (m_mode != 1 || typed.isEmpty())
        return;
    const int row = m_items.findPrefix(typed, Qt::CaseInsensitive);
    if (row > 0)
        ShowItem(row - 1);
}

// ---- Input
// ---------------------------------------------------------------------------------------

bool UserControl1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_surface && m_surface->isEnabled()) {
        switch (event->type()) {
        case QEvent::MouseMove:
            surfaceMouseMove(static_cast<QMouseEvent*>(event));
            return false;
        case QEvent::MouseButtonRelease:
            surfaceMouseRelease(static_cast<QMouseEvent*>(event));
            return true;
        case QEvent::KeyPress:
            return surfaceKeyPress(static_cast<QKeyEvent*>(event));
        case QEvent::KeyRelease: {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (!key->isAutoRepeat())
                emit KeyUp(InputCodes::keyCode(*key), InputCodes::shiftState(key->modifiers()));
            return true;
        }
        default:
            break;
        }
    } else if (watched == m_dropButton && event->type() == QEvent::MouseMove) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        emitMouseMove(mouse, mouse->position());
    } else if (watched == m_editBox && event->type() == QEvent::KeyPress) {
        return editBoxKeyPress(static_cast<QKeyEvent*>(event));
    }
    return QWidget::eventFilter(watched, event);
}

void UserControl1::emitMouseMove(const QMouseEvent* event, QPointF at) {
    emit MouseMove(InputCodes::buttons(event->buttons()),
                   InputCodes::shiftState(event->modifiers()),
                   static_cast<float>(at.x() * m_composer.twipsPerPixelX()),
                   static_cast<float>(at.y() * m_composer.twipsPerPixelY()));
}

void UserControl1::surfaceMouseMove(QMouseEvent* event) {
    const QPointF at = m_surface->toCanvas(event->position());
    emitMouseMove(event, at);
    if (m_toolTip)
        updateToolTip(at.y());
}

void UserControl1::updateToolTip(qreal y) {
    QString tip;
    const int row = static_cast<int>(std::floor(y / m_composer.rowPixels())) + m_firstVisible;
    if (m_drawingSetUp && m_firstVisible >= 1 && m_items.contains(row)) {
        flushDrawing(); // brings the drawn widths up to date
        const double textWidth =
            NumberText::val(ItemStore::fieldOf(m_items.record(row), ItemStore::TextWidth));
        const double surfaceWidth = m_surface->canvasRect().width() * m_composer.twipsPerPixelX();
        if (textWidth > surfaceWidth)
            tip = m_items.field(row, ItemStore::Text);
    }
    m_surface->setToolTip(tip);
}

void UserControl1::surfaceMouseRelease(QMouseEvent* event) {
    const QPointF at = m_surface->toCanvas(event->position());
    const int r = static_cast<int>(std::floor(at.y() / m_composer.rowPixels()));
    if (!m_drawingSetUp || r < 0 || r > m_items.count() - 1 || !choosePageRow(r))
        return;
    emit MouseUp(InputCodes::buttons(event->button()), InputCodes::shiftState(event->modifiers()),
                 static_cast<float>(at.x() * m_composer.twipsPerPixelX()),
                 static_cast<float>(at.y() * m_composer.twipsPerPixelY()));
}

bool UserControl1::surfaceKeyPress(QKeyEvent* event) {
    const int code = InputCodes::keyCode(*event);
    if (code == InputCodes::KeyTab)
        return false; // leaves the keyboard focus free to move on
    const int shift = InputCodes::shiftState(event->modifiers());
    const bool rowsShown = m_firstVisible >= 1 && m_items.count() > 0;
    switch (code) {
    case InputCodes::KeyUp:
    case InputCodes::KeyDown:
        if (rowsShown) {
            if (m_marked >= 0)
                moveTopRow(m_scrollBar->value() + (code == InputCodes::KeyUp ? -1 : 1));
            markRow(0);
        }
        break;
    case InputCodes::KeyHome:
    case InputCodes::KeyEnd:
        if (rowsShown) {
            moveTopRow(code == InputCodes::KeyHome ? 0 : m_items.count() - 1);
            markRow(0);
        }
        break;
    case InputCodes::KeyReturn:
        choosePageRow(0);
        emit KeyDown(code, shift);
        break;
    case InputCodes::KeyEscape:
        unmark();
        if (m_mode == 1)
            closeDropDown();
        break;
    default:
        emit KeyDown(code, shift);
        break;
    }
    if (const int ascii = InputCodes::keyAscii(*event))
        emit KeyPress(ascii);
    return true;
}

void UserControl1::moveTopRow(int value) {
    m_scrollBar->setValue(std::clamp(value, 0, std::max(0, m_items.count() - 1)));
}

bool UserControl1::editBoxKeyPress(QKeyEvent* event) {
    const int code = InputCodes::keyCode(*event);
    emit KeyDown(code, InputCodes::shiftState(event->modifiers()));
    if (m_mode != 1)
        return false;
    const bool altDown =
        code == InputCodes::KeyDown && event->modifiers().testFlag(Qt::AltModifier);
    if (code == InputCodes::KeyF4 || altDown) {
        dropButtonReleased();
        return true;
    }
    if (code == InputCodes::KeyEscape && dropDownOpen()) {
        closeDropDown();
        return true;
    }
    return false;
}
