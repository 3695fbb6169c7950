// SPDX-License-Identifier: GPL-3.0-or-later
// The main window at any size and screen scale: resizable, laid out from its present size, every
// text fitting its control whole; the log's font sizes; box borders at every scale.
#include "Form1TestSupport.h"

#include <QImage>
#include <QScreen>
#include <QTemporaryFile>

using namespace form1test;

namespace {

// Every fault of the window as it is laid out now: a text that does not fit its control whole, a
// control off the window, a caption or the speed slider far lower than the window's texts.
QStringList Faults(Form1& form) {
    QStringList found;
    const auto fault = [&](QWidget* widget, const QString& what) {
        found << u"%1x%2 %3: %4"_s.arg(form.width())
                     .arg(form.height())
                     .arg(widget->objectName(), what);
    };
    const auto wide = [&](QWidget* widget, const QFont& font, const QString& text, int room) {
        const int needed = QFontMetrics(font).horizontalAdvance(text);
        if (needed > room) {
            fault(widget, u"'%1' needs %2 px, has %3"_s.arg(text).arg(needed).arg(room));
        }
    };
    const auto inside = [&](QWidget* widget) {
        const QRect where(widget->mapTo(&form, QPoint(0, 0)), widget->size());
        if (widget->isVisible() && !form.rect().contains(where)) {
            fault(widget, u"runs off the window"_s);
        }
    };
    const int textHeight = QFontMetrics(form.font()).height();
    const auto small = [&](QWidget* widget, int height) {
        if (height * 3 < textHeight * 2) {
            fault(widget, u"%1 px high beside texts of %2"_s.arg(height).arg(textHeight));
        }
    };
    const int titleRoom = Form1::GroupTitleAllowance;
    small(form.SpeedRange(), form.SpeedRange()->height());
    for (int p = 0; p < 4; ++p) {
        QGroupBox* panel = form.PlayerInfo(p);
        for (const char* caption :
             {"PLAYER 4", "NOT PLAYING", "3rd = Player 4", "LAST = Player 4"}) {
            wide(panel, panel->font(), QLatin1String(caption), panel->width() - titleRoom);
        }
        QLabel* head = form.DiceHead(p);
        for (const char* caption : {"move by", "no move"}) {
            wide(head, head->font(), QLatin1String(caption), head->width());
        }
        if (QFontMetrics(head->font()).height() > head->height()) {
            fault(head, u"too low"_s);
        }
        for (int i = 0; i < 3; ++i) {
            DieImage* die = form.DiceNumx(3 * p + i);
            if (die->width() < 16 || die->height() < 16 ||
                !QRect(QPoint(0, 0), panel->size()).contains(die->geometry())) {
                fault(die, u"%1 px, outside its panel or too small"_s.arg(die->width()));
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
        wide(frame, frame->font(), frame->title(), frame->width() - titleRoom);
        if (first->y() < QFontMetrics(frame->font()).height()) {
            fault(frame, u"covered by "_s + first->objectName());
        }
        inside(frame);
    }
    wide(form.Label1(), form.Label1()->font(), u" 14.5 secs"_s, form.Label1()->width());
    for (const char* name : {"Label2", "Label4"}) {
        QLabel* label = form.findChild<QLabel*>(QLatin1String(name));
        wide(label, label->font(), label->text(), label->width());
    }
    for (int d = 0; d < 7; ++d) {
        QLabel* line = form.DiceCount(d);
        wide(line, line->font(), u"6's   99  99  99  99"_s, line->width());
        if (line->geometry().bottom() >= form.DiceTFrame()->height()) {
            fault(line, u"below its frame"_s);
        }
    }
    wide(form.Commandline(), form.Commandline()->font(), u">Take your turn (enter piece#=moveby)"_s,
         form.Commandline()->width() - 8);
    inside(form.Commandline());
    for (int s = 0; s < ruvo::SquareTotal; ++s) {
        inside(form.Piece(s));
    }
    return found;
}

} // namespace

class Form1LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void everyTextFitsAtEverySizeAndScreen() {
        for (QScreen* screen : QGuiApplication::screens()) {
            Sandbox sandbox;
            StartedForm form;
            form->setScreen(screen);
            QVERIFY(form.start());
            QCOMPARE(form->screen(), screen);
            const QString where = screen->name(); // its size and scale
            // Maximisable; resizable as the sizes below show.
            QVERIFY(form->windowFlags() & Qt::WindowMaximizeButtonHint ||
                    !(form->windowFlags() & Qt::CustomizeWindowHint));
            const QSize smallest = form->minimumSize();
            QList<double> textPoints;
            for (const QSize size : {form->size(), smallest, screen->availableGeometry().size(),
                                     QSize(smallest.width() * 2, smallest.height())}) {
                form->resize(size);
                QCOMPARE(form->size(), size.expandedTo(smallest));
                // Laid out from the present size: the board fills the height or the width.
                const int board = form->Piece(37)->geometry().bottom() + 1;
                QVERIFY2(board + form->Commandline()->height() <= form->height(),
                         qPrintable(where));
                const QStringList found = Faults(*form.form);
                QVERIFY2(found.isEmpty(), qPrintable(where + u"\n"_s + found.join('\n')));
                textPoints << form->Speedframe()->font().pointSizeF();
            }
            QVERIFY(textPoints[2] >= textPoints[1]); // texts grow with the window, never shrink
        }
    }

    void rightButtonCyclesLogFontSizesThatFitTheRows() {
        Sandbox sandbox;
        StartedForm form;
        QVERIFY(form.start());
        form->addLogLine("NEW GAME", 0);
        UserControl1* log = form->MovesList();
        QWidget* surface = log->findChild<QWidget*>(u"Picture1"_s);
        const double twips = 1440.0 / form->screen()->logicalDotsPerInchY();
        QList<double> sizes;
        for (int step = 0; step < 4; ++step) {
            QFont font = form->font();
            font.setPointSizeF(log->FontSize());
            QVERIFY2(log->RowHeight() >= qRound(QFontMetrics(font).height() * twips),
                     qPrintable(u"%1 points"_s.arg(log->FontSize())));
            QTest::mouseClick(surface, Qt::RightButton, {}, QPoint(10, 5));
            QTest::qWait(0);
            sizes << log->FontSize();
        }
        QCOMPARE(sizes, QList<double>({11, 14, 17, 8}));
        QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(10, 5));
        QCOMPARE(log->FontSize(), 8.0);
        form->clearLog(); // as a new game does
        QCOMPARE(log->ListCount(), 0);
    }

    void boxBordersReachTheirEdgesAtEveryScale() {
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
            const auto shade = [&](int x, int y) {
                return QColor(image.pixel(x, y)).lightness() - back.lightness();
            };
            const QByteArray where = "scale " + QByteArray::number(scale);
            QVERIFY2(shade(mid, 0) > 0 && shade(0, mid) > 0, where);
            QVERIFY2(shade(mid, side - 1) < 0 && shade(side - 1, mid) < 0, where);
        }
    }
};

int main(int argc, char* argv[]) {
    // Three screens side by side (small, ordinary, 4K), each at three scales, unless the run
    // names its own platform.
    QTemporaryFile screens(QDir::tempPath() + u"/ruvo-screens-XXXXXX.json"_s);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
        qgetenv("QT_QPA_PLATFORM") == "offscreen") {
        QStringList list;
        int x = 0;
        for (const QSize size : {QSize(800, 600), QSize(1600, 1000), QSize(3840, 2160)}) {
            for (const double dpr : {1.0, 1.5, 2.0}) {
                list << QStringLiteral("{\"name\":\"S%1x%2@%3\",\"x\":%4,\"y\":0,\"width\":%1,"
                                       "\"height\":%2,\"logicalDpi\":96,\"dpr\":%3}")
                            .arg(QString::number(size.width()), QString::number(size.height()),
                                 QString::number(dpr), QString::number(x));
                x += size.width();
            }
        }
        if (screens.open()) {
            screens.write(u"{\"screens\":[%1]}"_s.arg(list.join(',')).toUtf8());
            screens.close();
            qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
        }
    }
    QApplication app(argc, argv);
    Form1LayoutTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "Form1LayoutTest.moc"
