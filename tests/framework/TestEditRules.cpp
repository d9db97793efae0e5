#include <orvkit/framework/OrvkitEditRules.h>

#include <orvkit/core/OrvkitExceptions.h>

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orv {
namespace {

TEST(EditRules, ProperCase)
{
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("hello WORLD"), QStringLiteral("Hello World")},
        {QStringLiteral("o'neil-smith"), QStringLiteral("O'Neil-Smith")},
        {QStringLiteral("3rd street"), QStringLiteral("3Rd Street")}, // digits separate words
        {QStringLiteral("a[b]c{d}e"), QStringLiteral("A[B]C{D}E")},
        {QStringLiteral("mac\u00ABdonald\u00BBx"), QStringLiteral("Mac\u00ABDonald\u00BBX")}, // guillemets 171, 187
        {QStringLiteral("\u00E9t\u00E9 \u00C9T\u00C9"), QStringLiteral("\u00C9t\u00E9 \u00C9t\u00E9")},
        {QStringLiteral("a\u2014b"), QStringLiteral("A\u2014b")}, // above 255: no separator
        {QString(), QString()},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(ProperCase(in), out) << in.toStdString();
}

TEST(EditRules, ProperCaseSeparatorRanges)
{
    const std::pair<char16_t, bool> cases[] = {
        {0, true},    {32, true},   {48, true},   {64, true},   {65, false},  {90, false},  {91, true},
        {95, true},   {96, false},  {122, false}, {123, true},  {137, true},  {138, false}, {139, true},
        {140, false}, {145, true},  {153, true},  {154, false}, {155, true},  {171, true},  {187, true},
        {188, false}, {255, false}, {0x2014, false},
    };
    for (const auto& [c, separator] : cases)
        EXPECT_EQ(IsProperCaseSeparator(c), separator) << int(c);
}

TEST(EditRules, CleanUpTrimsBlanksAndControlCharacters)
{
    const QString text = QStringLiteral(" \t john smith \r\n");
    EXPECT_EQ(CleanUpText(text, {}), QStringLiteral(" \t john smith"));
    EXPECT_EQ(CleanUpText(text, {true, true, false}), QStringLiteral("john smith"));
    EXPECT_EQ(CleanUpText(text, {false, true, true}), QStringLiteral("John Smith \r\n"));
    EXPECT_EQ(CleanUpText(text, {false, false, false}), text);
}

struct SetTextCase {
    const char* name;
    TOrvBlankSettings blanks;
    bool isNull;
    QString value;
    bool becomeNull, staysNull, leavesNull;
};

TEST(EditRules, SetTextPlan)
{
    const QString nullStr = QStringLiteral("(null)");
    const SetTextCase cases[] = {
        {"blank is null", {nullStr, false, false, true, true}, false, QString(), true, false, false},
        {"blank is null, text", {nullStr, false, false, true, true}, false, QStringLiteral("a"), false, false, false},
        {"null string keeps null", {nullStr, false, false, false, true}, true, nullStr, false, true, false},
        {"other text leaves null", {nullStr, false, false, false, true}, true, QStringLiteral("x"), false, false, true},
        {"empty leaves null", {nullStr, false, false, false, true}, true, QString(), false, false, true},
        {"blank when null: empty keeps", {nullStr, true, false, false, true}, true, QString(), false, true, false},
        {"blank when null: null string leaves", {nullStr, true, false, false, true}, true, nullStr, false, false, true},
        {"not null: plain", {nullStr, false, false, false, true}, false, nullStr, false, false, false},
    };
    for (const SetTextCase& c : cases) {
        const TOrvSetTextPlan plan = PlanSetText(c.blanks, c.isNull, c.value);
        EXPECT_EQ(plan.BecomeNull, c.becomeNull) << c.name;
        EXPECT_EQ(plan.StaysNull, c.staysNull) << c.name;
        EXPECT_EQ(plan.LeavesNull, c.leavesNull) << c.name;
    }
    EXPECT_EQ(NullDisplayText({nullStr, true, false, false, true}), QString());
    EXPECT_EQ(NullDisplayText({nullStr, false, false, false, true}), nullStr);
}

struct KeyCase {
    const char* name;
    char16_t key;
    TOrvKeyContext context;
    char16_t keyAfter;
    TOrvKeyAction action;
};

TOrvKeyContext Ctx(bool readOnly = false, bool isNull = false, bool multiLine = false)
{
    TOrvKeyContext c;
    c.ReadOnly = readOnly;
    c.Null = isNull;
    c.MultiLine = multiLine;
    c.IsValidChar = [](QChar ch) { return ch.isDigit(); };
    return c;
}

TEST(EditRules, ProcessKey)
{
    TOrvKeyContext noTab = Ctx();
    noTab.EnterAsTab = false;
    TOrvKeyContext noUndo = Ctx();
    noUndo.ESCAsUndo = false;
    TOrvKeyContext noKbdNull = Ctx();
    noKbdNull.AllowKbdNull = false;
    TOrvKeyContext allChars = Ctx(false, true);
    allChars.AllowAllChars = true;
    const KeyCase cases[] = {
        {"enter as tab", 13, Ctx(), 0, ekaNextControl},
        {"enter without tab is swallowed", 13, noTab, 0, ekaNone},
        {"enter in multi-line passes", 13, Ctx(false, false, true), 13, ekaNone},
        {"esc undoes", 27, Ctx(), 0, ekaUndo},
        {"esc without undo passes", 27, noUndo, 27, ekaNone},
        {"ctrl+n nulls", 14, Ctx(), 0, ekaMakeNull},
        {"ctrl+n read-only passes", 14, Ctx(true), 14, ekaNone},
        {"ctrl+n not allowed passes", 14, noKbdNull, 14, ekaNone},
        {"ctrl+a selects all", 1, Ctx(true), 0, ekaSelectAll},
        {"valid character", u'5', Ctx(), u'5', ekaNone},
        {"invalid character swallowed", u'x', Ctx(), 0, ekaNone},
        {"valid character leaves null", u'5', Ctx(false, true), u'5', ekaLeaveNull},
        {"invalid character in null edit", u'x', Ctx(false, true), 0, ekaNone},
        {"backspace passes", 8, Ctx(), 8, ekaNone},
        {"read-only swallows printable", u'5', Ctx(true), 0, ekaNone},
        {"read-only lets ctrl+c pass", 3, Ctx(true), 3, ekaNone},
        {"all chars: any key leaves null", u'x', allChars, u'x', ekaLeaveNull},
        {"all chars: backspace leaves null", 8, allChars, 8, ekaLeaveNull},
    };
    for (const KeyCase& c : cases) {
        QChar key(c.key);
        EXPECT_EQ(ProcessKeyRule(key, c.context), c.action) << c.name;
        EXPECT_EQ(key.unicode(), c.keyAfter) << c.name;
    }
}

TEST(EditRules, KeyDown)
{
    struct Case {
        const char* name;
        uint16_t key;
        TShiftState shift;
        bool readOnly, arrowsAsTab;
        uint16_t keyAfter;
        TOrvKeyDownAction action;
    } cases[] = {
        {"delete read-only", VK_DELETE, {}, true, true, 0, ekdNone},
        {"delete writable", VK_DELETE, {}, false, true, VK_DELETE, ekdNone},
        {"shift+insert read-only", VK_INSERT, ssShift, true, true, 0, ekdNone},
        {"ctrl+insert (copy) read-only", VK_INSERT, ssCtrl, true, true, VK_INSERT, ekdNone},
        {"shift+delete read-only is not plain", VK_DELETE, ssShift, true, true, VK_DELETE, ekdNone},
        {"up", VK_UP, {}, false, true, 0, ekdPrevControl},
        {"down", VK_DOWN, {}, false, true, 0, ekdNextControl},
        {"down without arrows as tab", VK_DOWN, {}, false, false, VK_DOWN, ekdNone},
        {"shift+down", VK_DOWN, ssShift, false, true, VK_DOWN, ekdNone},
        {"left", VK_LEFT, {}, false, true, VK_LEFT, ekdNone},
    };
    for (const Case& c : cases) {
        uint16_t key = c.key;
        EXPECT_EQ(KeyDownRule(key, c.shift, c.readOnly, false, c.arrowsAsTab), c.action) << c.name;
        EXPECT_EQ(key, c.keyAfter) << c.name;
    }
    uint16_t key = VK_DECIMAL;
    EXPECT_EQ(KeyDownRule(key, {}, false, true, true), ekdKeypadDecimal);
    EXPECT_EQ(key, VK_DECIMAL);
    EXPECT_EQ(KeyDownRule(key, {}, false, false, true), ekdNone);
}

TEST(EditRules, AutoAdvance)
{
    EXPECT_TRUE(AutoAdvanceRule('C', {}, 3, 3));
    EXPECT_TRUE(AutoAdvanceRule('C', ssShift, 3, 3));
    EXPECT_FALSE(AutoAdvanceRule('C', ssAlt, 3, 3));
    EXPECT_FALSE(AutoAdvanceRule('C', {}, 3, 2));
    EXPECT_FALSE(AutoAdvanceRule('C', {}, 0, 0));
    for (const uint16_t k : {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_HOME, VK_END, VK_BACK})
        EXPECT_FALSE(AutoAdvanceRule(k, {}, 3, 3)) << k;
}

/// Exit steps that log each call; the conversion fails on "bad".
class TFakeExit : public IOrvExitSteps {
public:
    std::vector<std::string> log;
    QString text = QStringLiteral("12");
    bool exitStart = true, convertHandler = true, blankIsNull = false, ignore = false, validation = true;
    bool checkForErrors = false, checkDuringConvert = false, furtherChecking = true;
    QString exitStartReplacement;

    bool HasExitStart() const override { return exitStart; }
    void FireExitStart(QString& t, bool& further) override
    {
        log.push_back("ExitStart " + t.toStdString());
        if (!exitStartReplacement.isNull())
            t = exitStartReplacement;
        further = furtherChecking;
    }
    QString LastText() const override { return text; }
    void SetText(const QString& t) override
    {
        log.push_back("SetText " + t.toStdString());
        text = t;
    }
    QString GetText() override { return text; }
    bool BlankIsNull() const override { return blankIsNull; }
    void MakeNull() override { log.push_back("MakeNull"); }
    bool IgnoreConvertError() const override { return ignore; }
    void SetCheckForErrors(bool value) override { checkForErrors = value; }
    void ConvertText() override
    {
        log.push_back("ConvertText");
        checkDuringConvert = checkForErrors;
        if (text == QStringLiteral("bad"))
            throw EConvertError(QStringLiteral("not a number"));
    }
    bool HasConvertErrorHandler() const override { return convertHandler; }
    void FireConvertError(const QString& t) override { log.push_back("ConvertError " + t.toStdString()); }
    void Refocus() override { log.push_back("Refocus"); }
    void DoDisplay() override { log.push_back("DoDisplay"); }
    bool ValidationOn() const override { return validation; }
    void ValidateBounds() override { log.push_back("ValidateBounds"); }
};

using Log = std::vector<std::string>;

TEST(EditRules, ExitSequenceOnSuccess)
{
    TFakeExit steps;
    EXPECT_TRUE(RunValueExit(steps));
    EXPECT_EQ(steps.log, (Log{"ExitStart 12", "SetText 12", "ConvertText", "DoDisplay", "ValidateBounds"}));
    EXPECT_TRUE(steps.checkDuringConvert);
    EXPECT_FALSE(steps.checkForErrors);
}

TEST(EditRules, ExitSequenceStopsAtAHandledConversionError)
{
    TFakeExit steps;
    steps.exitStartReplacement = QStringLiteral("bad");
    EXPECT_FALSE(RunValueExit(steps));
    EXPECT_EQ(steps.log, (Log{"ExitStart 12", "SetText bad", "ConvertText", "ConvertError bad", "Refocus"}));
    EXPECT_FALSE(steps.checkForErrors) << "the flag is down after a failure too";
}

TEST(EditRules, ExitSequenceWithoutHandlerPropagates)
{
    TFakeExit steps;
    steps.text = QStringLiteral("bad");
    steps.convertHandler = false;
    EXPECT_THROW(RunValueExit(steps), EConvertError);
    EXPECT_FALSE(steps.checkForErrors);
}

TEST(EditRules, ExitSequenceVariants)
{
    {
        TFakeExit steps;
        steps.furtherChecking = false;
        EXPECT_TRUE(RunValueExit(steps));
        EXPECT_FALSE(steps.checkDuringConvert);
        EXPECT_EQ(steps.log.back(), "DoDisplay") << "no bounds check without further checking";
    }
    {
        TFakeExit steps;
        steps.exitStart = false;
        steps.ignore = true;
        steps.blankIsNull = true;
        steps.text.clear();
        EXPECT_TRUE(RunValueExit(steps));
        EXPECT_EQ(steps.log, (Log{"MakeNull"})) << "IgnoreConvertError skips the conversion";
    }
    {
        TFakeExit steps;
        steps.exitStart = false;
        steps.validation = false;
        EXPECT_TRUE(RunValueExit(steps));
        EXPECT_EQ(steps.log, (Log{"ConvertText", "DoDisplay"}));
    }
}

} // namespace
} // namespace orv
