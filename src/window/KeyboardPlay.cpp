// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/KeyboardPlay.h"

#include "game/BoardState.h"
#include "game/ScreenReaderText.h"
#include "listctl/qt/UserControl1.h"
#include "window/BoxControl.h"
#include "window/Form1.h"

#include <QAction>
#include <QCursor>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QShortcut>

#include <vector>

KeyboardPlay::KeyboardPlay(Form1& form, Run run)
    : QObject(&form), form_(form), run_(std::move(run)) {
    QWidget* order[] = {form.Start(),          form.PlayerOptions(0), form.PlayerOptions(1),
                        form.PlayerOptions(2), form.PlayerOptions(3), form.SpeedRange(),
                        form.MovesList(),      form.Commandline()};
    form.Start()->setKeyboardButton(true);
    for (int p = 0; p < 4; ++p) {
        form.PlayerOptions(p)->setKeyboardButton(true);
    }
    form.SpeedRange()->setFocusPolicy(Qt::TabFocus);
    // Left lengthens the pause, towards LONG, as the slider is drawn.
    form.SpeedRange()->setInvertedControls(false);
    for (size_t i = 0; i + 1 < std::size(order); ++i) {
        QWidget::setTabOrder(order[i], order[i + 1]);
    }
    addShortcuts();
}

void KeyboardPlay::addShortcuts() {
    const struct {
        const char* item;
        QKeySequence keys;
    } shortcuts[] = {{"Startx", QKeySequence(Qt::CTRL | Qt::Key_N)},
                     {"Savegam", QKeySequence(Qt::CTRL | Qt::Key_S)},
                     {"Loadgam", QKeySequence(Qt::CTRL | Qt::Key_O)},
                     {"Helpruvo", QKeySequence(Qt::Key_F1)},
                     {"Quit", QKeySequence(Qt::CTRL | Qt::Key_Q)}};
    for (const auto& shortcut : shortcuts) {
        QAction* item = form_.Menux()->findChild<QAction*>(QLatin1String(shortcut.item));
        if (item == nullptr) {
            continue;
        }
        // The menu item shows the keys; the window's own shortcut gives the item's command word.
        item->setShortcut(shortcut.keys);
        item->setShortcutVisibleInContextMenu(true);
        auto* keys = new QShortcut(shortcut.keys, &form_);
        const std::string word = item->data().toString().toStdString();
        connect(keys, &QShortcut::activated, this, [this, word] {
            run_([this, word] {
                form_.game().menuTag() = word;
                form_.game().DoCommand(true);
            });
        });
    }
}

QPoint KeyboardPlay::popupPosition(const QWidget* control) {
    if (control != nullptr && control->hasFocus()) {
        return control->mapToGlobal(QPoint(0, control->height()));
    }
    return QCursor::pos();
}

bool KeyboardPlay::personToMove() const {
    const ruvo::GameState& state = form_.game().state();
    return form_.game().waitingForPerson() && state.CurrentPlayer >= 0 &&
           state.CurrentPlayer <= 3 && state.PlayerType[state.CurrentPlayer] == "H";
}

bool KeyboardPlay::commandLineKey(QKeyEvent* key) {
    if (key->modifiers() & ~Qt::KeypadModifier) {
        return false;
    }
    const QString line = form_.Commandline()->text();
    const bool nothingTyped = line.isEmpty() || line.startsWith(QLatin1Char('>'));
    if (!nothingTyped || !personToMove()) {
        return false;
    }
    const bool previewed = form_.game().state().PreviewSquare != -1;
    switch (key->key()) {
    case Qt::Key_Left:
        pickPiece(-1);
        return true;
    case Qt::Key_Right:
        pickPiece(1);
        return true;
    case Qt::Key_Up:
        cycleOption(-1);
        return true;
    case Qt::Key_Down:
        cycleOption(1);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (previewed && line == previewLine_) {
            confirm();
            return true;
        }
        return false;
    case Qt::Key_Escape:
        if (previewed) {
            cancel();
            return true;
        }
        return false;
    default:
        return false;
    }
}

void KeyboardPlay::pickPiece(int step) {
    const ruvo::GameState& state = form_.game().state();
    const int player = state.CurrentPlayer;
    // The squares of the person's pieces that can move, in the pieces' order.
    std::vector<int> squares;
    for (int k = 0; k < 4; ++k) {
        const int square = ruvo::PieceSquare(state, player, k);
        if (state.PieceOptionCount[k] > 0 && state.PieceOptions[k][1].amount != 0 &&
            std::find(squares.begin(), squares.end(), square) == squares.end()) {
            squares.push_back(square);
        }
    }
    if (squares.empty()) {
        return;
    }
    const auto at = std::find(squares.begin(), squares.end(), state.PreviewSquare);
    const int count = static_cast<int>(squares.size());
    int next = step > 0 ? 0 : count - 1;
    if (at != squares.end()) {
        next = (static_cast<int>(at - squares.begin()) + step + count) % count;
    }
    const int square = squares[next];
    run_([this, square] {
        form_.game().surfaceMouseMove(); // drops the preview shown
        form_.game().squareMouseUp(square, 1);
    });
    showPreview();
}

void KeyboardPlay::cycleOption(int step) {
    const ruvo::GameState& state = form_.game().state();
    if (state.PreviewSquare == -1) {
        pickPiece(1);
        return;
    }
    const int options = state.PieceOptionCount[state.MovingPiece];
    // Each click on the preview shows the next option; going back is going round.
    const int clicks = step > 0 ? 1 : options - 1;
    run_([this, clicks] {
        for (int i = 0; i < clicks; ++i) {
            form_.game().squareMouseUp(ruvo::AmountMarker, 1);
        }
    });
    showPreview();
}

void KeyboardPlay::confirm() {
    const QString shown = previewLine_;
    previewLine_.clear();
    run_([this] { form_.game().squareMouseUp(ruvo::AmountMarker, 2); });
    // With throws left the person moves again: the line is free for the next choice.
    if (form_.Commandline()->text() == shown) {
        form_.Commandline()->clear();
    }
}

void KeyboardPlay::cancel() {
    previewLine_.clear();
    run_([this] { form_.game().surfaceMouseMove(); });
    form_.Commandline()->clear();
}

void KeyboardPlay::showPreview() {
    const std::string preview = ruvo::ScreenReaderText::PreviewText(form_.game().state());
    previewLine_ = preview.empty()
                       ? QString()
                       : QStringLiteral(">%1 (Enter moves)").arg(QString::fromStdString(preview));
    form_.Commandline()->setText(previewLine_);
}
