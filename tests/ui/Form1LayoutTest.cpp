// SPDX-License-Identifier: GPL-3.0-or-later
// The main window at any size and screen scale: resizable, laid out from its present size, every
// text fitting its control whole; the log's font sizes; box borders at every scale.
#include "Form1TestSupport.h"

#include <QImage>
#include <QScreen>
#include <QTemporaryFile>

using namespace form1test;

namespace {

// What a frame's caption needs beside its text, as the window allows for it.
constexpr int TitleAllowance = Form1::GroupTitleAllowance;

} // namespace

class Form1LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void everyTextFitsAtEverySizeAndScreen();
    void rightButtonCyclesLogFontSizesThatFitTheRows();
    void boxBordersReachTheirEdgesAtEveryScale();

private:
    // Every fault of the window as it is laid out now, "" when none.
    QStringList faults(Form1& form) const;
};

QStringList Form1LayoutTest::faults(Form1& form) const {
    QStringList found;
    const QString size = QStringLiteral("%1x%2 ").arg(form.width()).arg(form.height());
    const auto Fault = [&](const QString& where, const QString& what) {
        return size + where + QStringLiteral(": ") + what;
    };
    const auto wide = [&](QWidget* widget, const QFont& font, const QString& text, int room) {
        const int needed = QFontMetrics(font).horizontalAdvance(text);
        if (needed > room) {
            found << Fault(
                widget->objectName(),
                QStringLiteral("'%1' needs %2 px, has %3").arg(text).arg(needed).arg(room));
        }
    };
    const auto inside = [&](QWidget* widget) {
        const QRect where(widget->mapTo(&form, QPoint(0, 0)), widget->size());
        if (widget->isVisible() && !form.rect().contains(where)) {
            found << Fault(widget->objectName(), QStringLiteral("runs off the window"));
        }
    };
    // In proportion: no caption nor the speed slider far lower than the window's texts.
    const int textHeight = QFontMetrics(form.font()).height();
    const auto small = [&](QWidget* widget, int height) {
        if (height * 3 < textHeight * 2) {
            found << Fault(
                widget->objectName(),
                QStringLiteral("%1 px high beside texts of %2 px").arg(height).arg(textHeight));
        }
    };
    small(form.SpeedRange(), form.SpeedRange()->height());
    for (int p = 0; p < 4; ++p) {
        QGroupBox* panel = form.PlayerInfo(p);
        for (const QString& caption :
             {QStringLiteral("PLAYER 4"), QStringLiteral("NOT PLAYING"),
              QStringLiteral("3rd = Player 4"), QStringLiteral("LAST = Player 4")}) {
            wide(panel, panel->font(), caption, panel->width() - TitleAllowance);
        }
        QLabel* head = form.DiceHead(p);
        for (const QString& caption : {QStringLiteral("move by"), QStringLiteral("no move")}) {
            wide(head, head->font(), caption, head->width());
        }
        if (QFontMetrics(head->font()).height() > head->height()) {
            found << Fault(QStringLiteral("DiceHead"), QStringLiteral("too low"));
        }
        for (int i = 0; i < 3; ++i) {
            DieImage* die = form.DiceNumx(3 * p + i);
            if (die->width() < 16 || die->height() < 16) {
                found << Fault(die->objectName(), QStringLiteral("%1 px").arg(die->width()));
            }
            if (!QRect(QPoint(0, 0), panel->size()).contains(die->geometry())) {
                found << Fault(die->objectName(), "outside");
            }
        }
        BoxControl* options = form.PlayerOptions(p);
        wide(options, options->captionFont(), options->caption(), options->width() - 2);
        small(options, QFontMetrics(options->captionFont()).height());
        inside(panel);
        inside(options);
    }
    wide(form.Start(), form.Start()->captionFont(), form.Start()->caption(),
         form.Start()->width() - 2);
    // Each frame's caption whole above what the frame holds.
    const std::pair<QGroupBox*, QWidget*> frames[] = {{form.Speedframe(), form.SpeedRange()},
                                                      {form.Movesframe(), form.MovesList()},
                                                      {form.DiceTFrame(), form.DiceCount(0)}};
    for (const auto& [frame, first] : frames) {
        wide(frame, frame->font(), frame->title(), frame->width() - TitleAllowance);
        if (first->y() < QFontMetrics(frame->font()).height()) {
            found << Fault(
                frame->objectName(),
                QStringLiteral("'%1' is covered by %2").arg(frame->title(), first->objectName()));
        }
        inside(frame);
    }
    for (const char* name : {"Label1", "Label2", "Label4"}) {
        QLabel* label = form.findChild<QLabel*>(QLatin1String(name));
        const QString text = QLatin1String(name) == QLatin1String("Label1")
                                 ? QStringLiteral(" 14.5 secs")
                                 : label->text();
        wide(label, label->font(), text, label->width());
    }
    for (int d = 0; d < 7; ++d) {
        QLabel* line = form.DiceCount(d);
        wide(line, line->font(), QStringLiteral("6's   99  99  99  99"), line->width());
        if (line->geometry().bottom() >= form.DiceTFrame()->height()) {
            found << Fault(line->objectName(), "below its frame");
        }
    }
    wide(form.Commandline(), form.Commandline()->font(),
         QStringLiteral(">Take your turn (enter piece#=moveby)"), form.Commandline()->width() - 8);
    inside(form.Commandline());
    for (int s = 0; s < ruvo::SquareTotal; ++s) {
        inside(form.Piece(s));
    }
    return found;
}

void Form1LayoutTest::everyTextFitsAtEverySizeAndScreen() {
    for (QScreen* screen : QGuiApplication::screens()) {
        Sandbox sandbox;
        StartedForm form;
        form->setScreen(screen);
        QVERIFY(form.start());
        QCOMPARE(form->screen(), screen);
        const QString where = QStringLiteral("%1 (%2x%3, dpr %4)")
                                  .arg(screen->name())
                                  .arg(screen->geometry().width())
                                  .arg(screen->geometry().height())
                                  .arg(screen->devicePixelRatio());
        // Resizable and maximisable.
        QVERIFY2(form->minimumSize() != form->maximumSize(), qPrintable(where));
        QVERIFY(form->windowFlags() & Qt::WindowMaximizeButtonHint ||
                !(form->windowFlags() & Qt::CustomizeWindowHint));
        const QSize smallest = form->minimumSize();
        for (const QSize size : {form->size(), smallest, screen->availableGeometry().size(),
                                 QSize(smallest.width() * 2, smallest.height())}) {
            form->resize(size);
            QCOMPARE(form->size(), size.expandedTo(smallest));
            // Laid out from the present size: the board fills the height or the width.
            const int board = form->Piece(37)->geometry().bottom() + 1;
            QVERIFY2(board + form->Commandline()->height() <= form->height(), qPrintable(where));
            const QStringList found = faults(*form);
            QVERIFY2(found.isEmpty(), qPrintable(where + QStringLiteral("\n") + found.join('\n')));
        }
        // Texts grow with the window: on a larger window no text is smaller.
        form->resize(smallest);
        const double small = form->Speedframe()->font().pointSizeF();
        form->resize(screen->availableGeometry().size().expandedTo(smallest));
        QVERIFY(form->Speedframe()->font().pointSizeF() >= small);
    }
}

void Form1LayoutTest::rightButtonCyclesLogFontSizesThatFitTheRows() {
    Sandbox sandbox;
    StartedForm form;
    QVERIFY(form.start());
    form->addLogLine("NEW GAME", 0);
    UserControl1* log = form->MovesList();
    QWidget* surface = log->findChild<QWidget*>(QStringLiteral("Picture1"));
    const double twips = 1440.0 / form->screen()->logicalDotsPerInchY();
    QList<double> sizes;
    for (int step = 0; step < 4; ++step) {
        QFont font = form->font();
        font.setPointSizeF(log->FontSize());
        QVERIFY2(log->RowHeight() >= qRound(QFontMetrics(font).height() * twips),
                 qPrintable(QStringLiteral("%1 points").arg(log->FontSize())));
        QTest::mouseClick(surface, Qt::RightButton, {}, QPoint(10, 5));
        QTest::qWait(0);
        sizes << log->FontSize();
    }
    QCOMPARE(sizes, QList<double>({11, 14, 17, 8}));
    QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(10, 5));
    QCOMPARE(log->FontSize(), 8.0);
}

void Form1LayoutTest::boxBordersReachTheirEdgesAtEveryScale() {
    BoxControl box(0);
    const QColor back(0, 0, 155);
    box.setbackcolor(back);
    box.resize(37, 37);
    for (const double scale : {1.0, 1.5, 2.0}) {
        const int side = qRound(37 * scale);
        QImage image(side, side, QImage::Format_ARGB32);
        image.setDevicePixelRatio(scale);
        box.render(&image);
        // Light above and on the left, dark below and on the right, on the outermost pixels.
        const int mid = side / 2;
        const QString where = QStringLiteral("scale %1").arg(scale);
        QVERIFY2(QColor(image.pixel(mid, 0)).lightness() > back.lightness(), qPrintable(where));
        QVERIFY2(QColor(image.pixel(0, mid)).lightness() > back.lightness(), qPrintable(where));
        QVERIFY2(QColor(image.pixel(mid, side - 1)).lightness() < back.lightness(),
                 qPrintable(where));
        QVERIFY2(QColor(image.pixel(side - 1, mid)).lightness() < back.lightness(),
                 qPrintable(where));
    }
}

int main(int argc, char* argv[]) {
    // Three screens side by side (small, ordinary, 4K), each at three scales, unless the run
    // names its own platform.
    QTemporaryFile screens(QDir::tempPath() + QStringLiteral("/ruvo-screens-XXXXXX.json"));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
        qgetenv("QT_QPA_PLATFORM") == "offscreen") {
        QStringList list;
        int x = 0;
        for (const QSize size : {QSize(800, 600), QSize(1600, 1000), QSize(3840, 2160)}) {
            for (const double dpr : {1.0, 1.5, 2.0}) {
                list << QStringLiteral("{\"name\":\"S%1x%2@%3\",\"x\":%4,\"y\":0,\"width\":%1,"
                                       "\"height\":%2,\"logicalDpi\":96,\"dpr\":%3}")
                            .arg(size.width())
                            .arg(size.height())
                            .arg(dpr)
                            .arg(x);
                x += size.width();
            }
        }
        if (screens.open()) {
            screens.write(QStringLiteral("{\"screens\":[%1]}").arg(list.join(',')).toUtf8());
            screens.close();
            qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
        }
    }
    QApplication app(argc, argv);
    Form1LayoutTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "Form1LayoutTest.moc"
