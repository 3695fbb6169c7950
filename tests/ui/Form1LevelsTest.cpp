// SPDX-License-Identifier: GPL-3.0-or-later
// Computer levels in the window: chosen in the options menu, named on the tool tip, kept in
// ruvo-prefs.ini, and a Strong player thinking while the window answers.
#include "Form1TestSupport.h"

#include "window/LevelMenu.h"
#include "window/LevelPreferences.h"

#include <QAction>
#include <QSettings>

using namespace form1test;

class Form1LevelsTest : public QObject {
    Q_OBJECT

private slots:
    void theLevelIsChosenShownAndKept() {
        Sandbox sandbox;
        UserSettings settings;
        settings.types = QStringLiteral("HCCC");
        sandbox.setUserSettings(settings);
        const QByteArray settingsBefore = sandbox.contents();
        {
            StartedForm form;
            QVERIFY(form.start());
            form.dialogs->menuPicks = {"Strong"};
            QTest::mouseClick(form->PlayerOptions(1), Qt::LeftButton);
            QCOMPARE(form->game().levels().level(1), ruvo::ComputerLevel::Strong);
            QCOMPARE(form->PlayerTypePicture(1)->toolTip(),
                     QStringLiteral("Computer to play for this Player (Strong)"));
            QVERIFY(form.log().isEmpty());
            // The menu ticks the level; a person's levels cannot be chosen.
            form.dialogs->menuPicks = {""};
            QTest::mouseClick(form->PlayerOptions(1), Qt::LeftButton);
            QVERIFY(form->Levels()->item(ruvo::ComputerLevel::Strong)->isChecked());
            QVERIFY(!form->Levels()->item(ruvo::ComputerLevel::Standard)->isChecked());
            form.dialogs->menuPicks = {"Easy"};
            QTest::mouseClick(form->PlayerOptions(0), Qt::LeftButton);
            QCOMPARE(form->game().levels().level(0), ruvo::ComputerLevel::Standard);
            form.dialogs->menuPicks = {"Easy"};
            QTest::mouseClick(form->PlayerOptions(3), Qt::LeftButton);
            QCOMPARE(form->PlayerTypePicture(2)->toolTip(),
                     QStringLiteral("Computer to play for this Player"));
        }
        // Kept beside the settings file, whose own format stays as it was.
        const QString prefs = QFileInfo(sandbox.path()).dir().filePath("ruvo-prefs.ini");
        QCOMPARE(sandbox.contents(), settingsBefore);
        QCOMPARE(QSettings(prefs, QSettings::IniFormat).value("Players/Level2").toString(),
                 QStringLiteral("Strong"));
        StartedForm again;
        QVERIFY(again.start());
        QCOMPARE(again->game().levels().level(1), ruvo::ComputerLevel::Strong);
        QCOMPARE(again->game().levels().level(3), ruvo::ComputerLevel::Easy);
        QCOMPARE(again->game().levels().level(2), ruvo::ComputerLevel::Standard);
    }

    void preferencesWithoutAFileOrWithUnknownNamesAreStandard() {
        QTemporaryDir folder;
        const QString settingsPath = folder.filePath("ruvo.cfg");
        const LevelPreferences preferences(settingsPath);
        QCOMPARE(preferences.path(), folder.filePath("ruvo-prefs.ini"));
        for (ruvo::ComputerLevel level : preferences.load()) {
            QCOMPARE(level, ruvo::ComputerLevel::Standard);
        }
        {
            QSettings file(preferences.path(), QSettings::IniFormat);
            file.setValue("Players/Level1", "expert");
            file.setValue("Players/Level2", "easy");
        }
        QCOMPARE(preferences.load()[0], ruvo::ComputerLevel::Standard);
        QCOMPARE(preferences.load()[1], ruvo::ComputerLevel::Easy);
        // A folder that cannot be made: the save says so.
        QFile blocker(folder.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(!LevelPreferences(folder.filePath("blocker/ruvo.cfg"))
                     .save({ruvo::ComputerLevel::Strong, ruvo::ComputerLevel::Strong,
                            ruvo::ComputerLevel::Strong, ruvo::ComputerLevel::Strong}));
    }

    void aStrongPlayerThinksWhileTheWindowAnswers() {
        Sandbox sandbox;
        UserSettings settings;
        settings.speed = 30; // the shortest pace
        sandbox.setUserSettings(settings);
        StartedForm form;
        QVERIFY(form.start());
        for (int p = 0; p < 4; ++p) {
            form->game().levels().setLevel(p, ruvo::ComputerLevel::Strong);
        }
        // The menu is served during the game while the log grows.
        bool answered = false;
        after(200, form.form.get(), [&] {
            form.dialogs->menuPicks = {""};
            QTest::mouseClick(form->PlayerOptions(2), Qt::LeftButton);
            answered = true;
        });
        // At the shortest pace a whole game may end before the close: keep the longest log seen.
        qsizetype longest = 0;
        form.dialogs->answerer = [&](const QString&) {
            longest = std::max(longest, form.log().size());
            return true;
        };
        after(3000, form.form.get(), [&] { form->close(); });
        form.type(QStringLiteral("start"));
        QTRY_VERIFY_WITH_TIMEOUT(!form->isVisible(), 10000);
        QVERIFY(answered);
        QVERIFY(std::max(longest, form.log().size()) > 10);
        QVERIFY(!form->game().levels().thinkMilliseconds(0).empty());
    }
};

QTEST_MAIN(Form1LevelsTest)
#include "Form1LevelsTest.moc"
