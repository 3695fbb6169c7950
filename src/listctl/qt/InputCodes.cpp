// SPDX-License-Identifier: GPL-3.0-or-later
#include "listctl/qt/InputCodes.h"

namespace {

int punctuationCode(int key) {
    switch (key) {
    case Qt::Key_Semicolon:
    case Qt::Key_Colon:
        return 186;
    case Qt::Key_Equal:
    case Qt::Key_Plus:
        return 187;
    case Qt::Key_Comma:
    case Qt::Key_Less:
        return 188;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
        return 189;
    case Qt::Key_Period:
    case Qt::Key_Greater:
        return 190;
    case Qt::Key_Slash:
    case Qt::Key_Question:
        return 191;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde:
        return 192;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft:
        return 219;
    case Qt::Key_Backslash:
    case Qt::Key_Bar:
        return 220;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight:
        return 221;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl:
        return 222;
    default:
        return 0;
    }
}

int editingCode(int key) {
    switch (key) {
    case Qt::Key_Backspace:
        return InputCodes::KeyBack;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return InputCodes::KeyTab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return InputCodes::KeyReturn;
    case Qt::Key_Escape:
        return InputCodes::KeyEscape;
    case Qt::Key_Space:
        return InputCodes::KeySpace;
    case Qt::Key_PageUp:
        return InputCodes::KeyPageUp;
    case Qt::Key_PageDown:
        return InputCodes::KeyPageDown;
    case Qt::Key_End:
        return InputCodes::KeyEnd;
    case Qt::Key_Home:
        return InputCodes::KeyHome;
    case Qt::Key_Left:
        return InputCodes::KeyLeft;
    case Qt::Key_Up:
        return InputCodes::KeyUp;
    case Qt::Key_Right:
        return InputCodes::KeyRight;
    case Qt::Key_Down:
        return InputCodes::KeyDown;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Pause:
        return 19;
    case Qt::Key_CapsLock:
        return 20;
    default:
        return 0;
    }
}

} // namespace

int InputCodes::keyCode(const QKeyEvent& event) {
    const int key = event.key();
    const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return keypad ? 96 + (key - Qt::Key_0) : key;
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 112 + (key - Qt::Key_F1);
    if (keypad) {
        switch (key) {
        case Qt::Key_Asterisk:
            return 106;
        case Qt::Key_Plus:
            return 107;
        case Qt::Key_Minus:
            return 109;
        case Qt::Key_Period:
            return 110;
        case Qt::Key_Slash:
            return 111;
        default:
            break;
        }
    }
    if (const int code = editingCode(key))
        return code;
    return punctuationCode(key);
}

int InputCodes::keyAscii(const QKeyEvent& event) {
    const QString text = event.text();
    return text.isEmpty() ? 0 : text.at(0).unicode();
}

int InputCodes::shiftState(Qt::KeyboardModifiers modifiers) {
    int state = 0;
    if (modifiers.testFlag(Qt::ShiftModifier))
        state |= 1;
    if (modifiers.testFlag(Qt::ControlModifier))
        state |= 2;
    if (modifiers.testFlag(Qt::AltModifier))
        state |= 4;
    return state;
}

int InputCodes::buttons(Qt::MouseButtons buttons) {
    int number = 0;
    if (buttons.testFlag(Qt::LeftButton))
        number |= 1;
    if (buttons.testFlag(Qt::RightButton))
        number |= 2;
    if (buttons.testFlag(Qt::MiddleButton))
        number |= 4;
    return number;
}
