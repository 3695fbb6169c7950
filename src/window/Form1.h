// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Form1 -- the main window: the board, the player panels, the speed setting, the moves log, the
// throw counts and the command line. It shows the game's model and hands the user's actions to
// the game, and it is the game's host: the log, the waits, sounds, questions, menus and files.
//
// Modal interactions (message boxes, questions, popup menus, the file chooser, help and about)
// go through a ModalDialogs object given to the constructor, so a test can answer them from a
// script; by default the real ones are shown.
#include "files/SettingsLocation.h"
#include "game/DiceSource.h"
#include "game/Game.h"
#include "game/GameHost.h"
#include "window/ModalDialogs.h"
#include "window/WindowLayout.h"

#include <QString>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>
#include <vector>

class BoxControl;
class LevelMenu;
class DieImage;
class KeyboardPlay;
class WindowAccessibility;
class SoundPlayer;
class UserControl1;
class QAction;
class QEventLoop;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QScrollBar;

class Form1 : public QWidget, public ruvo::GameHost {
    Q_OBJECT

public:
    // The smallest tile, in pixels, of the smallest window.
    static constexpr int MinimumTilePixels = 28;
    // The tile at which the window's texts have their usual size; they grow with larger tiles.
    static constexpr double ReferenceTilePixels = 52.0;
    // What a frame's caption needs beside its text: the frame's edges and the caption's indent.
    static constexpr int GroupTitleAllowance = 22;

    // dialogs: the modal interactions (the real ones when null); dice: where the throws come
    // from (a generator seeded from the time of day when null).
    explicit Form1(std::unique_ptr<ModalDialogs> dialogs = nullptr,
                   std::unique_ptr<ruvo::DiceSource> dice = nullptr, QWidget* parent = nullptr);
    ~Form1() override;

    // The program's start-up: reads the settings file, sets up the game and builds the board,
    // the panels and the right-hand column on the screen's grid. False, after a message naming
    // the file, the line and the fault, when the settings file cannot be used.
    bool startUp(const QString& settingsPath = QStringLiteral("ruvo.cfg"));
    // The same with the settings file found in its usual places (the per-user file is made
    // from the default when needed); the settings are written back where location says.
    bool startUp(ruvo::SettingsLocation location);
    // Loads a saved game as LOADGAME does after its dialog; the game waits for START.
    void loadGame(const QString& path);

    ruvo::Game& game() { return *game_; }
    // Whether the game ended the program (Exit, or a finished game not restarted).
    bool endedByGame() const { return endedByGame_; }
    // The layout worked out at start-up, in twips; null before.
    const WindowLayout* boardLayout() const { return layout_ ? &*layout_ : nullptr; }
    // A rectangle of the layout in the window's pixels.
    QRect toPixels(const WindowLayout::Rect& twips) const;
    // What the window's frame and caption take of the layout's window size, in pixels.
    QSize frameAllowance() const;

    // The window's controls.
    BoxControl* Piece(int index) const { return piece_[index]; }
    BoxControl* BlackTile(int index) const { return blackTile_[index]; }
    BoxControl* Start() const { return start_; }
    BoxControl* PlayerOptions(int player) const { return playerOptions_[player]; }
    BoxControl* PlayerTypePicture(int player) const { return playerTypePicture_[player]; }
    QGroupBox* PlayerInfo(int player) const { return playerInfo_[player]; }
    QLabel* DiceHead(int player) const { return diceHead_[player]; }
    DieImage* DiceNumx(int slot) const { return diceNumx_[slot]; }
    QLabel* DiceCount(int line) const { return diceCount_[line]; }
    QGroupBox* Speedframe() const { return speedFrame_; }
    QScrollBar* SpeedRange() const { return speedRange_; }
    QLabel* Label1() const { return label1_; }
    QGroupBox* Movesframe() const { return movesFrame_; }
    UserControl1* MovesList() const { return movesList_; }
    QGroupBox* DiceTFrame() const { return diceTFrame_; }
    QLineEdit* Commandline() const { return commandLine_; }
    QMenu* Menux() const { return menux_; }
    QMenu* PlayerOptss() const { return playerOptss_; }
    LevelMenu* Levels() const { return levelMenu_; }

    // ---- The game's host
    void addLogLine(const std::string& text, int paletteEntry) override;
    void clearLog() override;
    void processEvents() override;
    void waitOrSpace(long halfSeconds) override;
    void playSound(const std::string& fileName) override;
    void message(const std::string& text) override;
    bool askYesNo(const std::string& prompt) override;
    void setCommandLineText(const std::string& text) override;
    void setCommandLineColor(ruvo::Rgb color) override;
    void focusCommandLine() override;
    std::string popupCommandMenu() override;
    std::string popupPlayerMenu(const ruvo::PlayerMenu& menu) override;
    std::string chooseFile(const ruvo::FileDialogRequest& request) override;
    std::string programFolder() override;
    std::string savedGamesFolder() override;
    void showHelp(const std::string& helpPagePath) override;
    void showAbout() override;
    void saveSettings() override;
    void endProgram() override;

signals:
    // A sound was asked for (sound is on), whether or not it can be heard.
    void soundPlayed(const QString& fileName);
    // The turn driver is at the top of a round: the last turn is complete.
    void roundStarting();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The state of the space bar as a wait sees it: every press and release changes it.
    struct SpaceMark {
        quint64 changes = 0;
        bool operator==(const SpaceMark&) const = default;
    };
    struct Wait {
        QEventLoop* loop;
        SpaceMark mark;
    };

    void createControls();
    void createMenus();
    QAction* addMenuItem(QMenu* menu, const char* name, const char* caption, const char* word);
    WindowLayout::Metrics measure() const;
    // The window's first size and place: 0.85 of the screen, and its smallest size.
    void placeOnScreen();
    // Lays every control out from the window's present size.
    void applyLayout();
    // The window's fonts at scale times the usual size.
    void setTextScale(double scale);
    void fitTexts();
    void showLogFont();
    void showState();
    void showSquare(int index);
    // Calls into the game, then shows what changed.
    template <typename Event> void run(Event event);
    bool commandLineKey(QKeyEvent* key);
    void spaceBarChanged();
    bool isWindowSurface(QObject* watched) const;
    void stopEverything();
    void cycleLogFontSize(int button);

    std::unique_ptr<ModalDialogs> dialogs_;
    std::unique_ptr<ruvo::DiceSource> dice_;
    std::unique_ptr<ruvo::Game> game_;
    SoundPlayer* sounds_;
    QString settingsPath_;
    std::optional<ruvo::SettingsLocation> settingsLocation_;
    std::optional<WindowLayout> layout_;
    double twipsPerPixelX_ = 15.0;
    double twipsPerPixelY_ = 15.0;
    double textScale_ = 1.0;
    int logFontStep_ = 0; // the moves log's font: 8, 11, 14 or 17 points at the usual scale

    std::array<BoxControl*, ruvo::ControlTotal> piece_{};
    std::array<int, 2> markerOver_{-1, -1}; // the squares the two markers were placed over
    std::array<BoxControl*, 4> blackTile_{};
    BoxControl* start_ = nullptr;
    BoxControl* wonPos_ = nullptr;
    BoxControl* human_ = nullptr;
    BoxControl* computer_ = nullptr;
    std::array<BoxControl*, 4> playerOptions_{};
    std::array<BoxControl*, 4> playerTypePicture_{};
    std::array<QGroupBox*, 4> playerInfo_{};
    std::array<QLabel*, 4> diceHead_{};
    std::array<DieImage*, 12> diceNumx_{};
    QGroupBox* speedFrame_ = nullptr;
    QScrollBar* speedRange_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* label4_ = nullptr;
    QGroupBox* movesFrame_ = nullptr;
    UserControl1* movesList_ = nullptr;
    QGroupBox* diceTFrame_ = nullptr;
    std::array<QLabel*, 7> diceCount_{};
    QLineEdit* commandLine_ = nullptr;
    QPalette commandLinePalette_;
    ruvo::Rgb commandLineOwnColor_ = 0;

    QMenu* menux_ = nullptr;
    QMenu* playerOptss_ = nullptr;
    QAction* humanx_ = nullptr;
    QAction* enabledx_ = nullptr;
    QAction* pausedx_ = nullptr;
    LevelMenu* levelMenu_ = nullptr;

    KeyboardPlay* keyboard_ = nullptr;
    std::unique_ptr<WindowAccessibility> accessibility_;

    SpaceMark space_;
    std::vector<Wait> waits_;
    bool stopping_ = false;
    bool endedByGame_ = false;
};
