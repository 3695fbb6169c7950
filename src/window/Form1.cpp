// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/Form1.h"

#include "files/FileError.h"
#include "files/SettingsFile.h"
#include "files/Text.h"
#include "game/RandomDice.h"
#include "listctl/qt/UserControl1.h"
#include "window/BoxControl.h"
#include "window/DieImage.h"
#include "window/KeyboardPlay.h"
#include "window/LevelMenu.h"
#include "window/LevelPreferences.h"
#include "window/PicturePainter.h"
#include "window/RgbColor.h"
#include "window/SoundPlayer.h"
#include "window/TextFit.h"
#include "window/UserFolders.h"
#include "window/WindowAccessibility.h"
#include "window/WindowDialogs.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QEventLoop>
#include <QEventLoopLocker>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QRandomGenerator>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>

#include <algorithm>
#include <climits>

namespace {

QString ToQString(const std::string& text) {
    return QString::fromStdString(text);
}

// Mouse buttons as the game numbers them: 1 left, 2 right, 4 middle; 0 any other.
int ButtonNumber(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

// A readable text colour on a background.
QColor TextColorOn(const QColor& background) {
    const double luminance =
        0.299 * background.red() + 0.587 * background.green() + 0.114 * background.blue();
    return luminance < 140 ? QColor(Qt::white) : QColor(Qt::black);
}

QIcon WindowIcon() {
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    PicturePainter::paint(painter, QRectF(0, 0, 64, 64), ruvo::Picture::Piece3);
    return QIcon(pixmap);
}

} // namespace

Form1::Form1(std::unique_ptr<ModalDialogs> dialogs, std::unique_ptr<ruvo::DiceSource> dice,
             QWidget* parent)
    : QWidget(parent), dialogs_(dialogs ? std::move(dialogs) : std::make_unique<WindowDialogs>()),
      dice_(dice ? std::move(dice) : std::make_unique<ruvo::RandomDice>()),
      game_(std::make_unique<ruvo::Game>(*this, *dice_)),
      sounds_(new SoundPlayer(UserFolders::programDataFolder(), this)) {
    // Easy and Strong players draw from streams of their own; Strong thinks beside the window.
    game_->levels().setGameSeed(QRandomGenerator::system()->generate64());
    game_->levels().setBackground(true);
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Ruvo"));
    setWindowIcon(WindowIcon());
    setMouseTracking(true);
    // Clicks on the board leave the keyboard with the command line.
    setFocusPolicy(Qt::NoFocus);
    createControls();
    createMenus();
    accessibility_ = std::make_unique<WindowAccessibility>(*this);
    keyboard_ = new KeyboardPlay(*this, [this](const std::function<void()>& event) { run(event); });
    qApp->installEventFilter(this);
}

Form1::~Form1() {
    qApp->removeEventFilter(this);
}

// ---- Controls

void Form1::createControls() {
    for (int i = 0; i < ruvo::ControlTotal; ++i) {
        BoxControl* square = new BoxControl(i, this);
        square->setObjectName(QStringLiteral("Piece%1").arg(i));
        square->hide();
        connect(square, &BoxControl::MouseUp, this,
                [this, i](int button) { run([&] { game_->squareMouseUp(i, button); }); });
        connect(square, &BoxControl::MouseMove, this,
                [this, i] { run([&] { game_->squareMouseMove(i); }); });
        piece_[i] = square;
    }
    for (int i = 0; i < 4; ++i) {
        blackTile_[i] = new BoxControl(i, this);
        blackTile_[i]->setObjectName(QStringLiteral("BlackTile%1").arg(i));
        blackTile_[i]->setbackcolor(QColor(0x80, 0x80, 0x80));
        blackTile_[i]->setfontbold(false);
        blackTile_[i]->setCentreTile(i);
    }
    start_ = new BoxControl(-1, this);
    start_->setObjectName(QStringLiteral("Start"));
    start_->setcaption(QStringLiteral("MENU"));
    start_->setforecolor(QColor(40, 40, 40));
    start_->setToolTip(QStringLiteral("Click for commands"));
    connect(start_, &BoxControl::Click, this, [this] { run([&] { game_->clickStart(); }); });

    // Picture sources, never shown.
    wonPos_ = new BoxControl(-1, this);
    wonPos_->setpicture(ruvo::Picture::WonPos);
    human_ = new BoxControl(-1, this);
    human_->setpicture(ruvo::Picture::Human);
    computer_ = new BoxControl(-1, this);
    computer_->setpicture(ruvo::Picture::Computer);
    for (BoxControl* source : {wonPos_, human_, computer_}) {
        source->hide();
    }

    QFont panelFont = font();
    panelFont.setBold(true);
    for (int p = 0; p < 4; ++p) {
        QGroupBox* panel = new QGroupBox(QStringLiteral("Player1"), this);
        panel->setObjectName(QStringLiteral("PlayerInfo%1").arg(p));
        panel->setFont(panelFont);
        panel->setMouseTracking(true);
        panel->setAutoFillBackground(true);
        playerInfo_[p] = panel;

        QLabel* head = new QLabel(QStringLiteral("move by"), panel);
        head->setObjectName(QStringLiteral("DiceHead%1").arg(p));
        head->setFont(font());
        QPalette black = head->palette();
        black.setColor(QPalette::WindowText, Qt::black);
        head->setPalette(black);
        head->hide();
        diceHead_[p] = head;
        for (int i = 0; i < 3; ++i) {
            DieImage* die = new DieImage(panel);
            die->setObjectName(QStringLiteral("DiceNumx%1").arg(3 * p + i));
            diceNumx_[3 * p + i] = die;
        }

        BoxControl* options = new BoxControl(p, this);
        options->setObjectName(QStringLiteral("PlayerOptions%1").arg(p));
        options->setcaption(QStringLiteral("Options"));
        options->setforecolor(QColor(30, 30, 30));
        options->setToolTip(QStringLiteral("Click for Player %1 options").arg(p + 1));
        connect(options, &BoxControl::MouseUp, this,
                [this, p](int) { run([&] { game_->playerOptionsMouseUp(p); }); });
        playerOptions_[p] = options;

        BoxControl* type = new BoxControl(p, this);
        type->setObjectName(QStringLiteral("PlayerTypePicture%1").arg(p));
        playerTypePicture_[p] = type;
    }

    speedFrame_ = new QGroupBox(QStringLiteral("Pause between Auto moves"), this);
    speedFrame_->setObjectName(QStringLiteral("Speedframe"));
    speedRange_ = new QScrollBar(Qt::Horizontal, speedFrame_);
    speedRange_->setObjectName(QStringLiteral("SpeedRange"));
    speedRange_->setRange(1, 30);
    speedRange_->setValue(30);
    speedRange_->setToolTip(QStringLiteral("Adjust play speed"));
    connect(speedRange_, &QScrollBar::valueChanged, this,
            [this](int value) { run([&] { game_->speedChanged(value); }); });
    label2_ = new QLabel(QStringLiteral("LONG"), speedFrame_);
    label2_->setObjectName(QStringLiteral("Label2"));
    label4_ = new QLabel(QStringLiteral("SHORT"), speedFrame_);
    label4_->setObjectName(QStringLiteral("Label4"));
    label4_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label1_ = new QLabel(speedFrame_);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setAlignment(Qt::AlignCenter);

    movesFrame_ = new QGroupBox(QStringLiteral("Moves Log"), this);
    movesFrame_->setObjectName(QStringLiteral("Movesframe"));
    movesList_ = new UserControl1(movesFrame_);
    movesList_->setObjectName(QStringLiteral("MovesList"));
    connect(movesList_, &UserControl1::MouseUp, this,
            [this](int button, int, float, float) { cycleLogFontSize(button); });

    diceTFrame_ = new QGroupBox(QStringLiteral("Throw Counts"), this);
    diceTFrame_->setObjectName(QStringLiteral("DiceTFrame"));
    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::TypeWriter);
    courier.setFixedPitch(true);
    courier.setPointSizeF(font().pointSizeF());
    for (int d = 0; d < 7; ++d) {
        QLabel* line = new QLabel(diceTFrame_);
        line->setObjectName(QStringLiteral("DiceCount%1").arg(d));
        line->setFont(courier);
        diceCount_[d] = line;
    }

    commandLine_ = new QLineEdit(QStringLiteral("Command Line"), this);
    commandLine_->setObjectName(QStringLiteral("Commandline"));
    commandLinePalette_ = commandLine_->palette();
}

QAction* Form1::addMenuItem(QMenu* menu, const char* name, const char* caption, const char* word) {
    QAction* item = menu->addAction(QString::fromLatin1(caption));
    item->setObjectName(QString::fromLatin1(name));
    item->setData(QString::fromLatin1(word));
    return item;
}

void Form1::createMenus() {
    menux_ = new QMenu(QStringLiteral("Menu"), this);
    menux_->setObjectName(QStringLiteral("Menux"));
    addMenuItem(menux_, "Startx", "Start game", "START");
    addMenuItem(menux_, "Soundonoff", "Sound on/off", "SOUND");
    addMenuItem(menux_, "Savegam", "Save Game", "SAVEGAME");
    addMenuItem(menux_, "Loadgam", "Load saved game", "LOADGAME");
    addMenuItem(menux_, "Helpruvo", "Help", "HELP");
    addMenuItem(menux_, "Aboutruvo", "About", "ABOUT");
    menux_->addSeparator()->setObjectName(QStringLiteral("dash2"));
    addMenuItem(menux_, "Cancelxx", "Cancel", "");
    menux_->addSeparator()->setObjectName(QStringLiteral("dash1"));
    addMenuItem(menux_, "Quit", "Exit", "EXIT");

    playerOptss_ = new QMenu(QStringLiteral("Player 1 Options"), this);
    playerOptss_->setObjectName(QStringLiteral("PlayerOptss"));
    humanx_ = addMenuItem(playerOptss_, "Humanx", "Human", "TYPE");
    enabledx_ = addMenuItem(playerOptss_, "Enabledx", "Enabled", "ENABLEDISABLE");
    pausedx_ = addMenuItem(playerOptss_, "Pausedx", "Paused", "PAUSED");
    levelMenu_ = new LevelMenu(playerOptss_);
    addMenuItem(playerOptss_, "Cancelx", "Cancel", "");
}

// ---- Start-up and layout

bool Form1::startUp(const QString& settingsPath) {
    settingsPath_ = settingsPath;
    movesList_->setMode(0);
    movesList_->setGridLines(true);
    movesList_->setEnabled(true);
    commandLineOwnColor_ = RgbColor::fromQColor(commandLinePalette_.color(QPalette::Base));

    ruvo::Settings settings;
    try {
        settings = ruvo::SettingsFile::Load(settingsPath.toStdString());
    } catch (const ruvo::FileError& error) {
        dialogs_->message(
            this, QStringLiteral("Ruvo cannot start: its settings file is not usable.\n\n%1\n\n"
                                 "Ruvo reads the file given with --config, else ruvo.cfg in the "
                                 "folder it is started in (here %2), else %3. Repair or remove "
                                 "the file named; the default settings file is in %4.")
                      .arg(ToQString(error.what()), QDir::toNativeSeparators(QDir::currentPath()),
                           QDir::toNativeSeparators(
                               QDir(UserFolders::configFolder()).filePath("ruvo.cfg")),
                           QDir::toNativeSeparators(UserFolders::programDataFolder())));
        return false;
    }
    game_->startUp(settings, commandLineOwnColor_);
    game_->levels().setLevels(LevelPreferences(settingsPath).load());
    placeOnScreen();
    showState();

    commandLine_->selectAll();
    commandLine_->setFocus();
    // The sounds load once the window has been drawn; nothing plays before START.
    QTimer::singleShot(300, this, [this] {
        const ruvo::GameState& s = game_->state();
        QStringList names;
        for (const std::string* name : {&s.SndClick, &s.SndMove, &s.SndOpen, &s.SndCapture,
                                        &s.SndHome, &s.SndError, &s.SndThanks}) {
            names << ToQString(*name);
        }
        names << QStringLiteral("beep2.wav");
        sounds_->preload(names);
    });
    return true;
}

bool Form1::startUp(ruvo::SettingsLocation location) {
    try {
        location.makeUserFile();
    } catch (const ruvo::FileError& error) {
        dialogs_->message(this, QStringLiteral("Ruvo cannot start: its settings file cannot be "
                                               "made.\n\n%1")
                                    .arg(ToQString(error.what())));
        return false;
    }
    settingsLocation_ = std::move(location);
    return startUp(ToQString(settingsLocation_->readPath()));
}

void Form1::loadGame(const QString& path) {
    run([&] { game_->loadGame(path.toStdString()); });
}

QRect Form1::toPixels(const WindowLayout::Rect& twips) const {
    const int left = qRound(twips.left / twipsPerPixelX_);
    const int top = qRound(twips.top / twipsPerPixelY_);
    const int right = qRound(twips.right() / twipsPerPixelX_);
    const int bottom = qRound(twips.bottom() / twipsPerPixelY_);
    return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

WindowLayout::Metrics Form1::measure() const {
    const QFontMetrics text(font());
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics title(bold);
    const QFontMetrics counts(diceCount_[0]->font());
    const auto down = [this](double pixels) { return qRound(pixels * twipsPerPixelY_); };
    const auto across = [this](double pixels) { return qRound(pixels * twipsPerPixelX_); };
    WindowLayout::Metrics metrics;
    metrics.frameTitle = down(title.height() * 1.35);
    metrics.textLine = down(text.height() + 2);
    metrics.labelWidth = across(std::max(text.horizontalAdvance(QStringLiteral("LONG")),
                                         text.horizontalAdvance(QStringLiteral("SHORT"))) +
                                8);
    metrics.countLine = down(counts.height());
    metrics.countLineWidth =
        across(counts.horizontalAdvance(QStringLiteral("6's   99  99  99  99")) + 4);
    metrics.commandLine = down(commandLine_->sizeHint().height());
    metrics.scrollBar = down(speedRange_->sizeHint().height() * textScale_); // grows with texts
    metrics.optionsHeight = down(text.height() * 1.5);
    metrics.headWidth = across(std::max(text.horizontalAdvance(QStringLiteral("move by")),
                                        text.horizontalAdvance(QStringLiteral("no move"))) +
                               6);
    // The column shows its longest texts whole: the speed labels with the delay between them,
    // the throw counts and the frame captions.
    const int speedLine =
        qRound((2 * metrics.labelWidth +
                across(text.horizontalAdvance(QStringLiteral(" 14.5 secs")) + 8)) /
               0.9);
    const int captions =
        across(title.horizontalAdvance(QStringLiteral("Pause between Auto moves")) + 24);
    metrics.columnMinimum =
        std::max({speedLine + 120, metrics.countLineWidth + 120, captions, across(160)});
    return metrics;
}

void Form1::setTextScale(double scale) {
    QFont base = QApplication::font();
    base.setPointSizeF(base.pointSizeF() * scale);
    if (font() != base) {
        setFont(base);
    }
    QFont courier = diceCount_[0]->font();
    courier.setPointSizeF(base.pointSizeF());
    for (QLabel* line : diceCount_) {
        line->setFont(courier);
    }
    textScale_ = scale;
    showLogFont();
}

void Form1::placeOnScreen() {
    QScreen* screen = this->screen();
    twipsPerPixelX_ = 1440.0 / screen->logicalDotsPerInchX();
    twipsPerPixelY_ = 1440.0 / screen->logicalDotsPerInchY();
    // The smallest window shows every text whole with the usual fonts.
    setTextScale(1.0);
    const QRect least = toPixels(
        WindowLayout::MinimumInside(qRound(MinimumTilePixels * twipsPerPixelY_), measure()));
    setMinimumSize(least.size());
    // The window starts at 0.85 of the screen, its frame and caption included.
    const QRect area = screen->geometry();
    const QSize frame = frameAllowance();
    resize(std::max(least.width(), qRound(area.width() * 0.85) - frame.width()),
           std::max(least.height(), qRound(area.height() * 0.85) - frame.height()));
    const QRect available = screen->availableGeometry();
    move(available.left() + std::max(0, (available.width() - width()) / 2),
         available.top() + std::max(0, (available.height() - height()) / 2 - 16));
    applyLayout();
}

void Form1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (layout_ && (qRound(width() * twipsPerPixelX_) != layout_->windowWidth ||
                    qRound(height() * twipsPerPixelY_) != layout_->windowHeight)) {
        applyLayout();
    }
}

void Form1::applyLayout() {
    QScreen* screen = this->screen();
    twipsPerPixelX_ = 1440.0 / screen->logicalDotsPerInchX();
    twipsPerPixelY_ = 1440.0 / screen->logicalDotsPerInchY();
    const int inWidth = qRound(width() * twipsPerPixelX_);
    const int inHeight = qRound(height() * twipsPerPixelY_);
    ruvo::GameState& state = game_->state();
    // The texts grow with the board: the tile with the usual fonts gives the scale.
    setTextScale(1.0);
    const int tileTwips = WindowLayout::TileSizeFor(inWidth, inHeight, measure());
    setTextScale(std::clamp(tileTwips / twipsPerPixelY_ / ReferenceTilePixels, 1.0, 4.0));
    layout_.emplace(inWidth, inHeight, measure(), state.SquareCol, state.SquareRow);
    const WindowLayout& layout = *layout_;
    state.TileSize = static_cast<int16_t>(layout.tileSize);

    for (int s = 0; s < ruvo::SquareTotal; ++s) {
        piece_[s]->setGeometry(toPixels(layout.square[s]));
    }
    const QSize tile = toPixels(layout.square[0]).size();
    for (int i = ruvo::SquareTotal; i < ruvo::ControlTotal; ++i) {
        piece_[i]->resize(tile);
    }
    for (int i = 0; i < 4; ++i) {
        blackTile_[i]->setGeometry(toPixels(layout.blackTile[i]));
    }
    start_->setGeometry(toPixels(layout.start));

    speedFrame_->setGeometry(toPixels(layout.speedFrame));
    speedRange_->setGeometry(toPixels(layout.speedRange));
    label2_->setGeometry(toPixels(layout.label2));
    label4_->setGeometry(toPixels(layout.label4));
    label1_->setGeometry(toPixels(layout.label1));
    movesFrame_->setGeometry(toPixels(layout.movesFrame));
    movesList_->setGeometry(toPixels(layout.movesList));
    movesList_->setDropDownHeight(layout.movesList.height);
    diceTFrame_->setGeometry(toPixels(layout.diceTFrame));
    for (int d = 0; d < 7; ++d) {
        diceCount_[d]->setGeometry(toPixels(layout.diceCount[d]));
    }
    commandLine_->setGeometry(toPixels(layout.commandLine));

    for (int p = 0; p < 4; ++p) {
        QGroupBox* panel = playerInfo_[p];
        panel->setGeometry(toPixels(layout.playerInfo[p]));
        QPalette colours = panel->palette();
        colours.setColor(QPalette::WindowText, RgbColor::toQColor(state.BoardColor[p], palette()));
        panel->setPalette(colours);
        diceHead_[p]->setGeometry(toPixels(layout.diceHead[p]));
        for (int i = 0; i < 3; ++i) {
            diceNumx_[3 * p + i]->setGeometry(toPixels(layout.dice[3 * p + i]));
        }
        playerOptions_[p]->setGeometry(toPixels(layout.playerOptions[p]));
        playerTypePicture_[p]->setGeometry(toPixels(layout.playerTypePicture[p]));
        playerTypePicture_[p]->setbackcolor(RgbColor::toQColor(state.PlayerColor[p], palette()));
    }
    fitTexts();
    markerOver_ = {-1, -1};
    showState();
    update();
}

void Form1::fitTexts() {
    // Every text a control can show fits it whole; a font shrinks only where it must.
    const auto fit = [](QWidget* widget, const QFont& font, const QStringList& texts, int width,
                        int height) {
        const QFont fitted = TextFit::fitted(font, texts, width, height);
        if (widget->font() != fitted) {
            widget->setFont(fitted);
        }
    };
    QFont bold = font();
    bold.setBold(true);
    QFont plain = font();
    plain.setBold(false); // not taken from the bold frame around it
    const QStringList panelCaptions = {
        QStringLiteral("PLAYER 4"),       QStringLiteral("NOT PLAYING"),
        QStringLiteral("1st = Player 4"), QStringLiteral("2nd = Player 4"),
        QStringLiteral("3rd = Player 4"), QStringLiteral("LAST = Player 4")};
    const int titleHeight = toPixels(WindowLayout::Rect{0, 0, 0, layout_->speedRange.top}).height();
    for (int p = 0; p < 4; ++p) {
        QGroupBox* panel = playerInfo_[p];
        fit(panel, bold, panelCaptions, panel->width() - GroupTitleAllowance, titleHeight);
        fit(diceHead_[p], plain, {QStringLiteral("move by"), QStringLiteral("no move")},
            diceHead_[p]->width(), diceHead_[p]->height());
    }
    for (QGroupBox* frame : {speedFrame_, movesFrame_, diceTFrame_}) {
        fit(frame, bold, {frame->title()}, frame->width() - GroupTitleAllowance, titleHeight);
    }
    fit(label1_, plain, {QStringLiteral(" 14.5 secs")}, label1_->width(), label1_->height());
    fit(label2_, plain, {label2_->text()}, label2_->width(), label2_->height());
    fit(label4_, plain, {label4_->text()}, label4_->width(), label4_->height());
    const QFont counts = diceCount_[0]->font();
    for (QLabel* line : diceCount_) {
        fit(line, counts, {QStringLiteral("6's   99  99  99  99")}, line->width(), line->height());
    }
    fit(commandLine_, plain, {QStringLiteral(">Take your turn (enter piece#=moveby)")},
        commandLine_->width() - 10, height());
}

QSize Form1::frameAllowance() const {
    const int border = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    return QSize(2 * border, style()->pixelMetric(QStyle::PM_TitleBarHeight) + border);
}

void Form1::paintEvent(QPaintEvent*) {
    if (!layout_) {
        return;
    }
    QPainter painter(this);
    const ruvo::GameState& state = game_->state();
    for (int p = 0; p < 4; ++p) {
        const QRect area = toPixels(layout_->yard[p]);
        painter.fillRect(area, RgbColor::toQColor(state.BoardColor[p], palette()));
        painter.setPen(RgbColor::paletteEntry(15));
        painter.drawRect(area.adjusted(0, 0, -1, -1));
    }
}

// ---- Showing the model

void Form1::showSquare(int index) {
    const ruvo::SquareView& view = game_->state().Piece[index];
    BoxControl* box = piece_[index];
    box->setpicture(view.picture);
    box->setcaption(ToQString(view.caption));
    box->setbackcolor(RgbColor::toQColor(view.backColor, palette()));
    box->setforecolor(RgbColor::toQColor(view.foreColor, palette()));
    box->setfontbold(view.fontBold);
    const bool marker = index == ruvo::AmountMarker || index == ruvo::TargetMarker;
    if (marker && view.visible && view.overSquare >= 0 && view.overSquare < ruvo::SquareTotal &&
        layout_) {
        int& placed = markerOver_[index - ruvo::AmountMarker];
        if (placed != view.overSquare || box->isHidden()) {
            box->setGeometry(toPixels(layout_->square[view.overSquare]));
            box->raise();
            placed = view.overSquare;
        }
    }
    if (box->isHidden() == view.visible) {
        box->setVisible(view.visible);
    }
}

void Form1::showState() {
    const ruvo::GameState& state = game_->state();
    for (int i = 0; i < ruvo::ControlTotal; ++i) {
        showSquare(i);
    }
    for (int p = 0; p < 4; ++p) {
        const QString title = ToQString(state.PlayerInfo[p].caption);
        if (playerInfo_[p]->title() != title) {
            playerInfo_[p]->setTitle(title);
        }
        if (playerInfo_[p]->isHidden() == state.PlayerInfo[p].visible) {
            playerInfo_[p]->setVisible(state.PlayerInfo[p].visible);
        }
        const QString head = ToQString(state.DiceHead[p].caption);
        if (diceHead_[p]->text() != head) {
            diceHead_[p]->setText(head);
        }
        if (diceHead_[p]->isHidden() == state.DiceHead[p].visible) {
            diceHead_[p]->setVisible(state.DiceHead[p].visible);
        }
        const ruvo::TypePictureView& type = state.PlayerTypePicture[p];
        playerTypePicture_[p]->setpicture(type.picture);
        QString tip = ToQString(type.toolTip);
        const ruvo::ComputerLevel level = game_->levels().level(p);
        if (type.picture == ruvo::Picture::Computer && level != ruvo::ComputerLevel::Standard) {
            tip += QStringLiteral(" (%1)").arg(QString::fromLatin1(ruvo::LevelName(level)));
        }
        if (playerTypePicture_[p]->toolTip() != tip) {
            playerTypePicture_[p]->setToolTip(tip);
        }
        if (playerTypePicture_[p]->isHidden() == type.visible) {
            playerTypePicture_[p]->setVisible(type.visible);
        }
    }
    for (int slot = 0; slot < 12; ++slot) {
        diceNumx_[slot]->setFace(static_cast<int>(ruvo::Val(state.DiceNum[slot])));
    }
    for (int d = 0; d < 7; ++d) {
        const QString line = ToQString(state.DiceCount[d]);
        if (diceCount_[d]->text() != line) {
            diceCount_[d]->setText(line);
        }
    }
    const QString delay = ToQString(state.Label1);
    if (label1_->text() != delay) {
        label1_->setText(delay);
    }
    if (speedRange_->value() != state.SpeedRange) {
        const QSignalBlocker quiet(speedRange_);
        speedRange_->setValue(state.SpeedRange);
    }
    if (movesList_->isHidden() == state.MovesListVisible) {
        movesList_->setVisible(state.MovesListVisible);
    }
    accessibility_->show(state);
}

template <typename Event> void Form1::run(Event event) {
    event();
    showState();
}

// ---- The user's actions

void Form1::cycleLogFontSize(int button) {
    if (button != 2) {
        return;
    }
    // 8, 11, 14 and 17 points, grown with the window's texts.
    logFontStep_ = (logFontStep_ + 1) % 4;
    showLogFont();
}

void Form1::showLogFont() {
    const double points = (8 + 3 * logFontStep_) * textScale_;
    movesList_->setFontSize(points);
    QFont font = movesList_->font();
    font.setPointSizeF(points);
    // Each row holds a line of the font whole.
    movesList_->setRowHeight(qRound(1.2 * QFontMetrics(font).height() * twipsPerPixelY_));
}

bool Form1::commandLineKey(QKeyEvent* key) {
    if (keyboard_->commandLineKey(key)) {
        return true;
    }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        const std::string line = commandLine_->text().toStdString();
        run([&] { game_->commandLineEnter(line); });
        return true;
    }
    // Typing over a prompt, or over the design text nobody has typed over yet, starts a fresh
    // line.
    const QString text = commandLine_->text();
    if (!key->text().isEmpty() &&
        (text.startsWith(QLatin1Char('>')) || text == QStringLiteral("Command Line"))) {
        commandLine_->clear();
    }
    return false;
}

void Form1::spaceBarChanged() {
    ++space_.changes;
    for (const Wait& wait : waits_) {
        if (!(wait.mark == space_)) {
            wait.loop->quit();
        }
    }
}

bool Form1::isWindowSurface(QObject* watched) const {
    if (watched == this) {
        return true;
    }
    if (!watched->isWidgetType()) {
        return false;
    }
    for (const QWidget* widget = static_cast<QWidget*>(watched); widget != nullptr;
         widget = widget->parentWidget()) {
        if (std::find(playerInfo_.begin(), playerInfo_.end(), widget) != playerInfo_.end()) {
            return true;
        }
        if (widget == this) {
            return false;
        }
    }
    return false;
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Space && !key->isAutoRepeat()) {
            spaceBarChanged();
        }
        if (watched == commandLine_ && event->type() == QEvent::KeyPress) {
            return commandLineKey(key);
        }
        break;
    }
    case QEvent::MouseMove:
        if (isWindowSurface(watched)) {
            run([&] { game_->surfaceMouseMove(); });
        }
        break;
    case QEvent::MouseButtonRelease:
        // A person prompted keeps typing on the command line whatever was clicked.
        if (watched != commandLine_ && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == this && game_->waitingForPerson()) {
            commandLine_->setFocus();
        }
        for (int p = 0; p < 4; ++p) {
            if (watched == diceHead_[p]) {
                const int button = ButtonNumber(static_cast<QMouseEvent*>(event)->button());
                run([&] { game_->diceHeadMouseUp(p, button); });
                return true;
            }
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space) {
        run([&] { game_->spaceAtWindow(); });
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Form1::closeEvent(QCloseEvent* event) {
    stopEverything();
    event->accept();
}

void Form1::stopEverything() {
    stopping_ = true;
    game_->requestStop();
    for (const Wait& wait : waits_) {
        wait.loop->quit();
    }
    if (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
    }
}

// ---- The game's host

void Form1::addLogLine(const std::string& text, int paletteEntry) {
    movesList_->Additem(ToQString(text), 0, -1, QString(), RgbColor::paletteEntry(paletteEntry));
    movesList_->setTopIndex(-1);
}

void Form1::clearLog() {
    movesList_->Clear();
}

void Form1::processEvents() {
    emit roundStarting();
    showState();
    if (!stopping_) {
        QCoreApplication::processEvents();
    }
}

void Form1::waitOrSpace(long halfSeconds) {
    showState();
    const SpaceMark mark = space_;
    QCoreApplication::processEvents();
    if (stopping_ || halfSeconds <= 0 || !(mark == space_)) {
        return;
    }
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    deadline.start(static_cast<int>(std::min<long>(halfSeconds, INT_MAX / 500) * 500));
    waits_.push_back(Wait{&loop, mark});
    loop.exec();
    waits_.pop_back();
}

void Form1::playSound(const std::string& fileName) {
    const QString name = ToQString(fileName);
    emit soundPlayed(name);
    sounds_->play(name);
}

void Form1::message(const std::string& text) {
    showState();
    if (!stopping_) {
        dialogs_->message(this, ToQString(text));
    }
}

bool Form1::askYesNo(const std::string& prompt) {
    showState();
    return !stopping_ && dialogs_->askYesNo(this, ToQString(prompt));
}

void Form1::setCommandLineText(const std::string& text) {
    commandLine_->setText(ToQString(text));
}

void Form1::setCommandLineColor(ruvo::Rgb color) {
    if (color == commandLineOwnColor_) {
        commandLine_->setPalette(commandLinePalette_);
        return;
    }
    QPalette colours = commandLinePalette_;
    const QColor background = RgbColor::toQColor(color, palette());
    colours.setColor(QPalette::Base, background);
    colours.setColor(QPalette::Text, TextColorOn(background));
    commandLine_->setPalette(colours);
}

void Form1::focusCommandLine() {
    commandLine_->setFocus();
}

std::string Form1::popupCommandMenu() {
    showState();
    if (stopping_) {
        return {};
    }
    const QAction* chosen = dialogs_->popupMenu(menux_, KeyboardPlay::popupPosition(start_));
    return chosen != nullptr ? chosen->data().toString().toStdString() : std::string();
}

std::string Form1::popupPlayerMenu(const ruvo::PlayerMenu& menu) {
    showState();
    if (stopping_) {
        return {};
    }
    playerOptss_->setTitle(QStringLiteral("Player %1 Options").arg(menu.player + 1));
    humanx_->setText(ToQString(menu.typeCaption));
    enabledx_->setText(ToQString(menu.enabledCaption));
    pausedx_->setText(ToQString(menu.pausedCaption));
    pausedx_->setEnabled(menu.pausedEnabled);
    ruvo::ComputerLevels& levels = game_->levels();
    levelMenu_->prepare(levels.level(menu.player), menu.typeCaption == "Computer");
    const QAction* chosen =
        dialogs_->popupMenu(playerOptss_, KeyboardPlay::popupPosition(playerOptions_[menu.player]));
    if (const auto level = levelMenu_->levelOf(chosen)) {
        // The player's next turn is played at the new level.
        levels.setLevel(menu.player, *level);
        std::array<ruvo::ComputerLevel, 4> all{};
        for (int p = 0; p < 4; ++p) {
            all[p] = levels.level(p);
        }
        const LevelPreferences preferences(settingsPath_);
        if (!preferences.save(all)) {
            dialogs_->message(this, QStringLiteral("The computer levels could not be kept in %1.")
                                        .arg(QDir::toNativeSeparators(preferences.path())));
        }
        return {};
    }
    return chosen != nullptr ? chosen->data().toString().toStdString() : std::string();
}

std::string Form1::chooseFile(const ruvo::FileDialogRequest& request) {
    showState();
    if (stopping_) {
        return {};
    }
    const std::string chosen = dialogs_->chooseFile(this, request);
    UserFolders::rememberSavedGame(ToQString(chosen));
    return chosen;
}

std::string Form1::programFolder() {
    return UserFolders::programDataFolder().toStdString();
}

std::string Form1::savedGamesFolder() {
    return UserFolders::savedGamesFolder().toStdString();
}

void Form1::showHelp(const std::string& helpPagePath) {
    showState();
    if (!stopping_) {
        dialogs_->showHelp(this, ToQString(helpPagePath));
    }
}

void Form1::showAbout() {
    showState();
    if (!stopping_) {
        dialogs_->showAbout(this);
    }
}

void Form1::saveSettings() {
    const ruvo::GameState& state = game_->state();
    try {
        const std::string path =
            settingsLocation_ ? settingsLocation_->prepareWrite() : settingsPath_.toStdString();
        ruvo::SettingsFile::Save(settingsPath_.toStdString(), path, state.SpeedRange, state.SoundOn,
                                 state.PlayerType, state.PlayerEnabled, state.PlayerPaused);
        const QString readFolder = QFileInfo(settingsPath_).absolutePath();
        if (settingsLocation_ && settingsLocation_->writeMoved() &&
            UserFolders::firstMoveFrom(readFolder)) {
            dialogs_->message(this, QStringLiteral("Ruvo does not write into %1, where its "
                                                   "settings came from: they were saved in %2.")
                                        .arg(QDir::toNativeSeparators(readFolder),
                                             QDir::toNativeSeparators(ToQString(path))));
        }
    } catch (const ruvo::FileError& error) {
        dialogs_->message(
            this,
            QStringLiteral("The settings could not be saved.\n\n%1").arg(ToQString(error.what())));
    }
}

void Form1::endProgram() {
    endedByGame_ = true;
    stopEverything();
    // The window goes at once; the program stays until its closing sound has been heard.
    const QEventLoopLocker stayUntilHeard;
    close();
    sounds_->waitUntilHeard();
}
