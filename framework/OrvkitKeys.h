#pragma once

#include <QChar>
#include <QFlags>
#include <QKeyEvent>
#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>

namespace orv {

/// The modifier keys and mouse buttons held during an input event.
enum TShiftStateItem {
    ssShift = 0x01,
    ssAlt = 0x02,
    ssCtrl = 0x04,
    ssLeft = 0x08,
    ssRight = 0x10,
    ssMiddle = 0x20,
    ssDouble = 0x40,
};
Q_DECLARE_FLAGS(TShiftState, TShiftStateItem)
Q_DECLARE_OPERATORS_FOR_FLAGS(TShiftState)

/// KeyDown / KeyUp: the virtual key may be changed; 0 swallows the key.
using TKeyEvent = std::function<void(QObject* sender, uint16_t& key, TShiftState shift)>;
/// KeyPress: the character may be replaced; 0 swallows it.
using TKeyPressEvent = std::function<void(QObject* sender, QChar& key)>;

// Virtual key codes. Letters and digits are their upper-case ASCII codes ('A', '0').
inline constexpr uint16_t VK_BACK = 0x08;
inline constexpr uint16_t VK_TAB = 0x09;
inline constexpr uint16_t VK_CLEAR = 0x0C;
inline constexpr uint16_t VK_RETURN = 0x0D;
inline constexpr uint16_t VK_SHIFT = 0x10;
inline constexpr uint16_t VK_CONTROL = 0x11;
inline constexpr uint16_t VK_MENU = 0x12; ///< Alt
inline constexpr uint16_t VK_PAUSE = 0x13;
inline constexpr uint16_t VK_CAPITAL = 0x14;
inline constexpr uint16_t VK_ESCAPE = 0x1B;
inline constexpr uint16_t VK_SPACE = 0x20;
inline constexpr uint16_t VK_PRIOR = 0x21; ///< Page Up
inline constexpr uint16_t VK_NEXT = 0x22;  ///< Page Down
inline constexpr uint16_t VK_END = 0x23;
inline constexpr uint16_t VK_HOME = 0x24;
inline constexpr uint16_t VK_LEFT = 0x25;
inline constexpr uint16_t VK_UP = 0x26;
inline constexpr uint16_t VK_RIGHT = 0x27;
inline constexpr uint16_t VK_DOWN = 0x28;
inline constexpr uint16_t VK_SNAPSHOT = 0x2C;
inline constexpr uint16_t VK_INSERT = 0x2D;
inline constexpr uint16_t VK_DELETE = 0x2E;
inline constexpr uint16_t VK_HELP = 0x2F;
inline constexpr uint16_t VK_LWIN = 0x5B;
inline constexpr uint16_t VK_APPS = 0x5D;
inline constexpr uint16_t VK_NUMPAD0 = 0x60; ///< to VK_NUMPAD0 + 9
inline constexpr uint16_t VK_MULTIPLY = 0x6A;
inline constexpr uint16_t VK_ADD = 0x6B;
inline constexpr uint16_t VK_SUBTRACT = 0x6D;
inline constexpr uint16_t VK_DECIMAL = 0x6E; ///< the keypad's decimal key
inline constexpr uint16_t VK_DIVIDE = 0x6F;
inline constexpr uint16_t VK_F1 = 0x70; ///< to VK_F1 + 23
inline constexpr uint16_t VK_NUMLOCK = 0x90;
inline constexpr uint16_t VK_SCROLL = 0x91;
inline constexpr uint16_t VK_OEM_1 = 0xBA;      ///< ; :
inline constexpr uint16_t VK_OEM_PLUS = 0xBB;   ///< = +
inline constexpr uint16_t VK_OEM_COMMA = 0xBC;  ///< , <
inline constexpr uint16_t VK_OEM_MINUS = 0xBD;  ///< - _
inline constexpr uint16_t VK_OEM_PERIOD = 0xBE; ///< . >
inline constexpr uint16_t VK_OEM_2 = 0xBF;      ///< / ?
inline constexpr uint16_t VK_OEM_3 = 0xC0;      ///< ` ~
inline constexpr uint16_t VK_OEM_4 = 0xDB;      ///< [ {
inline constexpr uint16_t VK_OEM_5 = 0xDC;      ///< \ |
inline constexpr uint16_t VK_OEM_6 = 0xDD;      ///< ] }
inline constexpr uint16_t VK_OEM_7 = 0xDE;      ///< ' "

TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers);
TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);

/// The virtual key of a Qt key event (0 for a key without one). Keypad digits and
/// operators get their keypad codes; the keypad's decimal key is VK_DECIMAL whatever
/// character it types.
uint16_t VirtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers);
uint16_t VirtualKeyOf(const QKeyEvent& event);

/// The character a key press types, as the key-press notification sees it: control
/// characters for Enter (13), Esc (27), Backspace (8), Tab (9) and Ctrl+letter (1-26),
/// nothing (0) for keys that type nothing and for Alt combinations.
QChar KeyPressCharOf(const QKeyEvent& event);

/// A key press that types `key` in a Qt edit, for a character a handler put in place
/// of the typed one: control characters become the keys that have their effect
/// (8 Backspace, 13 Return, 27 Escape, 1-26 Ctrl+letter), any other character is typed
/// as text.
std::unique_ptr<QKeyEvent> KeyEventForChar(QChar key, Qt::KeyboardModifiers modifiers);

} // namespace orv
