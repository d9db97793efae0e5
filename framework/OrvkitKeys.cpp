#include <orvkit/framework/OrvkitKeys.h>

#include <QHash>

namespace orv {

namespace {

constexpr char16_t kBackspace = 8;
constexpr char16_t kTab = 9;
constexpr char16_t kReturn = 13;
constexpr char16_t kEscape = 27;

const QHash<int, uint16_t>& PlainKeys()
{
    static const QHash<int, uint16_t> keys = {
        {Qt::Key_Backspace, VK_BACK}, {Qt::Key_Tab, VK_TAB}, {Qt::Key_Backtab, VK_TAB},
        {Qt::Key_Clear, VK_CLEAR}, {Qt::Key_Return, VK_RETURN}, {Qt::Key_Enter, VK_RETURN},
        {Qt::Key_Shift, VK_SHIFT}, {Qt::Key_Control, VK_CONTROL}, {Qt::Key_Alt, VK_MENU},
        {Qt::Key_Pause, VK_PAUSE}, {Qt::Key_CapsLock, VK_CAPITAL}, {Qt::Key_Escape, VK_ESCAPE},
        {Qt::Key_Space, VK_SPACE}, {Qt::Key_PageUp, VK_PRIOR}, {Qt::Key_PageDown, VK_NEXT},
        {Qt::Key_End, VK_END}, {Qt::Key_Home, VK_HOME}, {Qt::Key_Left, VK_LEFT},
        {Qt::Key_Up, VK_UP}, {Qt::Key_Right, VK_RIGHT}, {Qt::Key_Down, VK_DOWN},
        {Qt::Key_Print, VK_SNAPSHOT}, {Qt::Key_Insert, VK_INSERT}, {Qt::Key_Delete, VK_DELETE},
        {Qt::Key_Help, VK_HELP}, {Qt::Key_Meta, VK_LWIN}, {Qt::Key_Menu, VK_APPS},
        {Qt::Key_NumLock, VK_NUMLOCK}, {Qt::Key_ScrollLock, VK_SCROLL},
        {Qt::Key_Semicolon, VK_OEM_1}, {Qt::Key_Colon, VK_OEM_1},
        {Qt::Key_Equal, VK_OEM_PLUS}, {Qt::Key_Plus, VK_OEM_PLUS},
        {Qt::Key_Comma, VK_OEM_COMMA}, {Qt::Key_Less, VK_OEM_COMMA},
        {Qt::Key_Minus, VK_OEM_MINUS}, {Qt::Key_Underscore, VK_OEM_MINUS},
        {Qt::Key_Period, VK_OEM_PERIOD}, {Qt::Key_Greater, VK_OEM_PERIOD},
        {Qt::Key_Slash, VK_OEM_2}, {Qt::Key_Question, VK_OEM_2},
        {Qt::Key_QuoteLeft, VK_OEM_3}, {Qt::Key_AsciiTilde, VK_OEM_3},
        {Qt::Key_BracketLeft, VK_OEM_4}, {Qt::Key_BraceLeft, VK_OEM_4},
        {Qt::Key_Backslash, VK_OEM_5}, {Qt::Key_Bar, VK_OEM_5},
        {Qt::Key_BracketRight, VK_OEM_6}, {Qt::Key_BraceRight, VK_OEM_6},
        {Qt::Key_Apostrophe, VK_OEM_7}, {Qt::Key_QuoteDbl, VK_OEM_7},
        // Shifted digits of a US layout keep their digit key.
        {Qt::Key_Exclam, '1'}, {Qt::Key_At, '2'}, {Qt::Key_NumberSign, '3'},
        {Qt::Key_Dollar, '4'}, {Qt::Key_Percent, '5'}, {Qt::Key_AsciiCircum, '6'},
        {Qt::Key_Ampersand, '7'}, {Qt::Key_Asterisk, '8'}, {Qt::Key_ParenLeft, '9'},
        {Qt::Key_ParenRight, '0'},
    };
    return keys;
}

const QHash<int, uint16_t>& KeypadKeys()
{
    static const QHash<int, uint16_t> keys = {
        {Qt::Key_Asterisk, VK_MULTIPLY}, {Qt::Key_Plus, VK_ADD}, {Qt::Key_Minus, VK_SUBTRACT},
        {Qt::Key_Period, VK_DECIMAL}, {Qt::Key_Comma, VK_DECIMAL}, {Qt::Key_Slash, VK_DIVIDE},
    };
    return keys;
}

} // namespace

TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers)
{
    TShiftState shift;
    shift.setFlag(ssShift, modifiers.testFlag(Qt::ShiftModifier));
    shift.setFlag(ssAlt, modifiers.testFlag(Qt::AltModifier));
    shift.setFlag(ssCtrl, modifiers.testFlag(Qt::ControlModifier));
    return shift;
}

TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons)
{
    TShiftState shift = ShiftStateOf(modifiers);
    shift.setFlag(ssLeft, buttons.testFlag(Qt::LeftButton));
    shift.setFlag(ssRight, buttons.testFlag(Qt::RightButton));
    shift.setFlag(ssMiddle, buttons.testFlag(Qt::MiddleButton));
    return shift;
}

uint16_t VirtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (modifiers.testFlag(Qt::KeypadModifier)) {
        if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
            return static_cast<uint16_t>(VK_NUMPAD0 + (qtKey - Qt::Key_0));
        if (const auto it = KeypadKeys().constFind(qtKey); it != KeypadKeys().cend())
            return *it;
    }
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return static_cast<uint16_t>(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return static_cast<uint16_t>(VK_F1 + (qtKey - Qt::Key_F1));
    return PlainKeys().value(qtKey, 0);
}

uint16_t VirtualKeyOf(const QKeyEvent& event)
{
    return VirtualKeyOf(event.key(), event.modifiers());
}

QChar KeyPressCharOf(const QKeyEvent& event)
{
    const int key = event.key();
    const Qt::KeyboardModifiers mods = event.modifiers();
    const bool ctrl = mods.testFlag(Qt::ControlModifier);
    const bool alt = mods.testFlag(Qt::AltModifier);
    if (alt && !ctrl)
        return QChar();
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QChar(kReturn);
    case Qt::Key_Escape:
        return QChar(kEscape);
    case Qt::Key_Backspace:
        return QChar(kBackspace);
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return QChar(kTab);
    default:
        break;
    }
    if (ctrl && !alt) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z)
            return QChar(char16_t(key - Qt::Key_A + 1));
        if (key >= Qt::Key_BracketLeft && key <= Qt::Key_Underscore) // [ \ ] ^ _
            return QChar(char16_t(key - Qt::Key_BracketLeft + kEscape));
        return QChar();
    }
    const QString text = event.text();
    if (text.isEmpty() || (text.at(0).unicode() < 32 && text.at(0).unicode() != 0) ||
        text.at(0).unicode() == 127)
        return QChar();
    return text.at(0);
}

std::unique_ptr<QKeyEvent> KeyEventForChar(QChar key, Qt::KeyboardModifiers modifiers)
{
    const char16_t code = key.unicode();
    const Qt::KeyboardModifiers kept = modifiers & (Qt::ShiftModifier | Qt::KeypadModifier);
    auto make = [](int qtKey, Qt::KeyboardModifiers mods, const QString& text) {
        return std::make_unique<QKeyEvent>(QEvent::KeyPress, qtKey, mods, text);
    };
    switch (code) {
    case kBackspace:
        return make(Qt::Key_Backspace, Qt::NoModifier, QString(key));
    case kReturn:
        return make(Qt::Key_Return, Qt::NoModifier, QString(key));
    case kEscape:
        return make(Qt::Key_Escape, Qt::NoModifier, QString(key));
    case kTab:
        return make(Qt::Key_Tab, Qt::NoModifier, QString(key));
    default:
        break;
    }
    if (code >= 1 && code <= 26)
        return make(Qt::Key_A + (code - 1), Qt::ControlModifier, QString(key));
    const int qtKey = (code >= u'a' && code <= u'z') ? Qt::Key_A + (code - u'a')
                    : (code >= u'A' && code <= u'Z') ? Qt::Key_A + (code - u'A')
                    : (code >= u'0' && code <= u'9') ? Qt::Key_0 + (code - u'0')
                                                     : Qt::Key_unknown;
    return make(qtKey, kept, QString(key));
}

} // namespace orv
