// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "listctl/qt/ItemStore.h"
#include "listctl/qt/RowComposer.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <optional>
#include <random>
#include <vector>

class ListSurface;
class PropertyBag;
class QLineEdit;
class QPushButton;
class QScrollBar;

// UserControl1 -- an owner-drawn list of text rows, each in its own colour and font, optionally
// with a small picture. The game uses one as its moves log.
//
// Rows, indexes and units
// - Rows are numbered from 1 internally; every method and property takes the 0-based index of
//   a row (index i is row i + 1), except where a comment says otherwise.
// - Lengths in the interface (DropDownHeight, RowHeight, the X and Y of mouse events) are in
//   twips, 1/1440 inch; the control converts them to pixels with the screen's resolution.
// - Colours are QColors. In Additem an invalid QColor() means "the colour of the row before"
//   (for the first row: the control's forecolor).
//
// How the list looks
// - Nothing is sized until the first row is added. Then the row height becomes 1.2 times the
//   height of "M" in the control's font (unless RowHeight set a larger one), the page holds as
//   many whole rows as fit into DropDownHeight, and the control takes the height of that page
//   (plus 2 pixels for the frame). Later font changes do not change the row height.
// - The list never scrolls by itself: after appending, set TopIndex to -1 to bring the last
//   page into view.
//
// Typical use as a log:
//     log->setGridLines(true);
//     log->setDropDownHeight(heightTwips);
//     log->setEnabled(true);                    // a new control starts disabled
//     log->Additem(line, 0, -1, QString(), QColor(0, 0, 128));
//     log->setTopIndex(-1);
//
// Properties are getter/setter pairs named after the property (TopIndex() / setTopIndex()).
// Every setter reports the change with PropertyChanged under the property's stored name.
//
// Child widgets carry the object names "Picture1" (the list surface), "VScroll1" (its scroll
// bar), "Text1" (the edit box of the drop-down form) and "Command1" (the drop-down button).
class UserControl1 : public QWidget {
    Q_OBJECT

public:
    explicit UserControl1(QWidget* parent = nullptr);
    ~UserControl1() override;

    // ---- Rows ----------------------------------------------------------------------------

    // Adds a row with the text itemx.
    // it: where -- 0 appends at the end; -1 inserts at the top; n > 0 inserts the row so that
    //     it becomes row n + 1 (index n); a place beyond the end appends.
    // ipic: picture index in PictureList (from 1); 0 or less takes the picture of the last row
    //     (1 for the first row).
    // ItemFont: font name; when not empty it becomes the list's font for this and later rows.
    // ItemColor: text colour; invalid takes the colour of the last row.
    void Additem(const QString& itemx, int it = 0, int ipic = -1,
                 const QString& ItemFont = QString(), const QColor& ItemColor = QColor());
    // Removes the row with index it. Removing the only row hides the list surface.
    void RemoveItem(int it = 0);
    // Empties the list. Sizes, scroll bar range and settings stay until the next row is added.
    void Clear();

    // Sorts the rows by their whole record (text first), smallest or largest first.
    void SortAscending();
    void SortDescending();

    // Finds the first row whose text matches the wildcard pattern ftext ("*", "?", "#",
    // "[list]", "[!list]"). Searches forward from the row with index it to the end, or, when
    // sdir is 1, backward from the end down to that row. Case is ignored unless casen is 1.
    // Returns the 1-based row number of the match, 0 when no row matches, and nothing when it
    // lies outside the list.
    std::optional<int> Find(int sdir, int it, const QString& ftext, int casen = 0);

    // Scrolls as little as needed to bring the row with index i into view, and marks it.
    void ShowItem(int i);

    // Item data: a number kept with each row (0 for a new row). SetItemData with it = -1 sets
    // the data of the row added last. GetItemData returns nothing for an index outside the list.
    std::optional<double> GetItemData(int i) const;
    void SetItemData(int it, double valuex);

    // Change one field of the row with index it; the visible page is redrawn when the row is in
    // it. Indexes outside the list are ignored.
    void UpdateText(int it, const QString& s);
    void UpdateFont(int it, const QString& font);
    void UpdateForeColor(int it, const QColor& fc);
    void UpdateItemData(int it, double itd);
    void UpdateIcon(int it, int ipic);

    // ---- What the page shows, for assistive technology -----------------------------------------

    // The index of the row at the top of the page; -1 when the page shows none.
    int firstVisibleIndex() const { return m_firstVisible >= 1 ? m_firstVisible - 1 : -1; }
    // The index of the marked row; -1 when none is marked.
    int markedIndex() const;
    // Where the row with index i is drawn on the list surface; empty when it is not in view.
    QRect rowRect(int index) const;

    // ---- Properties (stored name in quotes) ---------------------------------------------------

    // "Enabled": whether the list surface takes the mouse and keys and the drop-down button
    // works. False for a new control.
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    // "PictureList": the pictures rows can show when DrawStyle is 1, the first at index 1.
    QList<QPixmap> PictureList() const { return m_pictures; }
    void setPictureList(const QList<QPixmap>& pictures);

    // "ListCount": the number of rows. Setting a smaller number drops the rows beyond it.
    int ListCount() const { return m_items.count(); }
    void setListCount(int count);

    // "Fontname": the control's font; rows added later without a font of their own use it.
    QString Fontname() const { return m_font.family(); }
    void setFontname(const QString& name);

    // "FontSize": the size in points the rows are drawn in; the row height does not change.
    double FontSize() const { return m_font.pointSizeF(); }
    void setFontSize(double points);

    // "ForeColor": the text colour of the first row when Additem gives none. Window text colour
    // by default.
    QColor forecolor() const;
    void setforecolor(const QColor& color);

    // "GridLines": a line under each row in GridColor.
    bool GridLines() const { return m_gridLines; }
    void setGridLines(bool shown);

    // "BorderStyle": 1 (default) frames the list surface, 0 leaves it without a frame.
    int BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);

    // "DropDownHeight": the height of the list page, in twips.
    int DropDownHeight() const { return m_dropDownHeight; }
    void setDropDownHeight(int twips);

    // "Mode": 0 a plain list, 1 a drop-down form (edit box and button, the list opens below).
    int Mode() const { return m_mode; }
    void setMode(int mode);

    // "RowHeight": the row height in twips. Set to 1.2 times the height of "M" when the first
    // row is added; a value of 24 or more set before that is used as the row height instead.
    int RowHeight() const { return m_rowHeight; }
    void setRowHeight(int twips);

    // "List": the text of the row with index it (empty outside the list).
    QString List(int it) const;
    void setList(int it, const QString& text);

    // "Text": the text of the edit box, which holds the text of the row chosen last.
    QString text() const;
    void settext(const QString& text);

    // "ListIndex": the index of the row chosen last, -1 when none. Setting it chooses a row
    // (-1 chooses none). Only allowed while the program runs: at design time (UserMode false)
    // it throws ListControlError with number 387.
    int ListIndex() const;
    void setListIndex(int index);

    // "DrawStyle": 1 shows each row's picture from PictureList, 0 none.
    int DrawStyle() const { return m_drawStyle; }
    void setDrawStyle(int style);

    // "BackColor": the background of the list. Button face colour by default.
    QColor BackColor() const;
    void setBackColor(const QColor& color);

    // "GridColor": the colour of the grid lines, black by default. A grid line combines this
    // colour with the inverse of the background under it.
    QColor GridColor() const;
    void setGridColor(const QColor& color);

    // "ToolTip": show the full text of a row cut off at the right edge as the tool tip.
    bool ToolTip() const { return m_toolTip; }
    void setToolTip(bool shown);
    using QWidget::setToolTip;

    // "TopIndex": n brings row n to the top of the page (scroll bar value n - 1); -1 brings the
    // last page into view. A value the list cannot show (such as -1 while the rows fit on one
    // page) changes nothing.
    int TopIndex() const { return m_topIndex; }
    void setTopIndex(int index);

    // Whether the program runs (true) or the control is being designed (false).
    bool UserMode() const { return m_userMode; }
    void setUserMode(bool running) { m_userMode = running; }

    // ---- Stored property set ------------------------------------------------------------------

    // The values of a freshly placed control: Enabled false, numbers 0.
    void InitProperties();
    // Takes the stored properties from a bag; missing ones get their defaults ("List" and
    // "ListIndex" are left alone when missing; "ListIndex" is ignored at design time). "Fontname"
    // and "FontSize" are not read back; "List", "Text" and "ListIndex" are read but never written.
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;

    QSize sizeHint() const override;

signals:
    // Events. Button: 1 left, 2 right, 4 middle; Shift: 1 Shift, 2 Ctrl, 4 Alt; KeyCode: the
    // Windows virtual key code; X and Y in twips on the surface (or the drop-down button).
    // Raised over the list surface and over the drop-down button.
    void MouseMove(int Button, int Shift, float X, float Y);
    // Raised from the edit box and from the list surface (for Enter and the keys the list does
    // not use itself: not for Up, Down, Home, End, Esc).
    void KeyDown(int KeyCode, int Shift);
    void KeyPress(int KeyAscii);
    void KeyUp(int KeyCode, int Shift);
    // Declared for containers that expect them; the control never raises them.
    void Click();
    void MouseDown();
    // Raised when a button is released over a row of the list surface, after the row is chosen.
    void MouseUp(int Button, int Shift, float X, float Y);

    // A property was assigned; PropertyName is its stored name.
    void PropertyChanged(const QString& PropertyName);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Drawing waits in a queue until the surface is painted, so a burst of changes draws the
    // visible page once.
    struct DrawOp {
        enum Kind { Clear, Page, Row, Mark } kind;
        int first; // Page: first row; Row: the row; Mark: page position
        int last;  // Page: last row; Row: page position
        bool invert;
    };

    void report(const QString& name) { emit PropertyChanged(name); }
    void readScreenScale();
    void setUpDrawing();
    void applyPageGeometry();
    void refreshPageGeometry();
    void layoutChildren();
    void setOwnHeight(int pixels);
    int editHeight() const;
    void showSurface(bool shown);

    void drawPage(int first, int last);
    void drawRow(int row, int k);
    int pageFirst() const;
    void redrawVisiblePage();
    void redrawIfVisible(int row);
    void clearSurface();
    void markRow(int k);
    void unmark();
    void queue(const DrawOp& op);
    void flushDrawing();
    void composeRow(QImage& canvas, int row, int k);
    void onCanvasReset();
    void onScrolled(int value);
    void updateComposer();

    void updateField(int it, ItemStore::Field field, const QString& value);
    void sortRows(ItemStore::Order order);
    bool choosePageRow(int r);
    void dropButtonReleased();
    void openDropDown();
    void closeDropDown();
    bool dropDownOpen() const;

    void emitMouseMove(const QMouseEvent* event, QPointF at);
    void surfaceMouseMove(QMouseEvent* event);
    void surfaceMouseRelease(QMouseEvent* event);
    bool surfaceKeyPress(QKeyEvent* event);
    void moveTopRow(int value);
    void updateToolTip(qreal y);
    void editBoxTyped(const QString& typed);
    bool editBoxKeyPress(QKeyEvent* event);

    void setColorProperty(qint32& member, qint32 value, const QString& name);
    // Takes a changed look into the drawing, redraws the page and reports the property.
    void restyle(const QString& name);

    ListSurface* m_surface;    // Picture1
    QScrollBar* m_scrollBar;   // VScroll1
    QLineEdit* m_editBox;      // Text1
    QPushButton* m_dropButton; // Command1
    RowComposer m_composer;    // composes rows off screen (Picture3, Picture2)
    ItemStore m_items;
    std::mt19937 m_random;

    // Properties
    bool m_enabled = false;
    QList<QPixmap> m_pictures;
    QFont m_font;
    qint32 m_foreColor;
    bool m_gridLines = false;
    int m_borderStyle = 1;
    int m_dropDownHeight = 0;
    int m_mode = 0;
    int m_rowHeight = 0;
    int m_drawStyle = 0;
    qint32 m_backColor;
    qint32 m_gridColor = 0;
    bool m_toolTip = false;
    int m_topIndex = 0;
    bool m_userMode = true;

    // Drawing state
    bool m_drawingSetUp = false;
    int m_drawRowHeight = 0; // twips
    int m_rowsPerPage = 0;
    int m_surfaceHeight = 0; // pixels, with the frame
    int m_firstVisible = -1; // the row at the top of the page; -1 none
    int m_shownFirst = -1;   // the first row of the page the surface shows; -1 a blank surface
    QString m_listFont;
    int m_marked = -1;         // the marked page position; -1 none
    bool m_invertMode = false; // marks invert once a row was drawn with grid lines
    bool m_surfaceShown = true;
    int m_lastAdded = -1;  // the index of the row added last
    QString m_chosenIndex; // the index of the row chosen last, as text; empty when none
    int m_ownHeight = -1;  // the height the control asks for; -1 none yet
    std::vector<DrawOp> m_pending;
};
