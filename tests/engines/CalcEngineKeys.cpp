#include "engines/CalcEngineKeys.h"

#include <functional>
#include <map>
#include <stdexcept>

namespace orvtest {

namespace {

using orv::IOrvCalcEngine;
using Action = std::function<void(IOrvCalcEngine&)>;

const std::map<std::string, Action, std::less<>>& KeyMap()
{
    static const std::map<std::string, Action, std::less<>> keys = [] {
        std::map<std::string, Action, std::less<>> m;
        for (int d = 0; d <= 9; ++d)
            m[std::string(1, static_cast<char>('0' + d))] = [d](IOrvCalcEngine& e) { e.InputDigit(static_cast<orv::TOrvZeroToNine>(d)); };
        const auto add = [&m](const char* name, void (IOrvCalcEngine::*op)()) {
            m[name] = [op](IOrvCalcEngine& e) { (e.*op)(); };
        };
        add(".", &IOrvCalcEngine::InputDecimalSeparator);
        add(",", &IOrvCalcEngine::InputThousandsSeparator);
        add("E", &IOrvCalcEngine::DoExp);
        add("+", &IOrvCalcEngine::DoAdd);
        add("-", &IOrvCalcEngine::DoSubtract);
        add("*", &IOrvCalcEngine::DoMultiply);
        add("/", &IOrvCalcEngine::DoDivide);
        add("^", &IOrvCalcEngine::DoPower);
        add("%", &IOrvCalcEngine::DoPercent);
        add("(", &IOrvCalcEngine::InputLeftBracket);
        add(")", &IOrvCalcEngine::InputRightBracket);
        add("=", &IOrvCalcEngine::DoEquals);
        add("~", &IOrvCalcEngine::DoChangeSign);
        add("<", &IOrvCalcEngine::InputBackspace);
        add("sin", &IOrvCalcEngine::DoSin);
        add("cos", &IOrvCalcEngine::DoCos);
        add("tan", &IOrvCalcEngine::DoTan);
        add("log", &IOrvCalcEngine::DoLog);
        add("ln", &IOrvCalcEngine::DoLN);
        add("lg2", &IOrvCalcEngine::DoLg2);
        add("sqrt", &IOrvCalcEngine::DoSqRoot);
        add("x2", &IOrvCalcEngine::DoSquare);
        add("1/x", &IOrvCalcEngine::DoInvert);
        add("abs", &IOrvCalcEngine::DoAbs);
        add("floor", &IOrvCalcEngine::DoFloor);
        add("ceil", &IOrvCalcEngine::DoCeiling);
        add("sign", &IOrvCalcEngine::DoSign);
        add("gamma", &IOrvCalcEngine::DoGamma);
        add("lngamma", &IOrvCalcEngine::DoLnGamma);
        add("inv", &IOrvCalcEngine::DoInv);
        add("hyp", &IOrvCalcEngine::DoHyp);
        add("mod", &IOrvCalcEngine::DoModulus);
        add("rem", &IOrvCalcEngine::DoRemainder);
        add("div", &IOrvCalcEngine::DoDiv);
        add("intdiv", &IOrvCalcEngine::DoIntDiv);
        add("AC", &IOrvCalcEngine::AllClear);
        add("CE", &IOrvCalcEngine::ClearDisplay);
        add("MC", &IOrvCalcEngine::MemoryClear);
        add("M+", &IOrvCalcEngine::MemoryAdd);
        add("M-", &IOrvCalcEngine::MemorySubtract);
        add("MR", &IOrvCalcEngine::MemoryRecall);
        add("pi", &IOrvCalcEngine::InputPi);
        add("e", &IOrvCalcEngine::InputNaturalConstant);
        add("euler", &IOrvCalcEngine::InputGamma);
        add("phi", &IOrvCalcEngine::InputGoldenRatio);
        add("c", &IOrvCalcEngine::InputSpeedOfLight);
        add("g", &IOrvCalcEngine::InputGravity);
        add("rnd", &IOrvCalcEngine::InputRandom);
        add("result", &IOrvCalcEngine::DoResult);
        add("paper", &IOrvCalcEngine::PaperLine);
        add("angle", &IOrvCalcEngine::ToggleAngleMode);
        for (int places : {0, 2, 300})
            m["round" + std::to_string(places)] = [places](IOrvCalcEngine& e) { e.DoRound(places); };
        return m;
    }();
    return keys;
}

void PressOne(IOrvCalcEngine& engine, std::string_view name)
{
    if (name.rfind("round", 0) == 0 && name.size() > 5) {
        engine.DoRound(std::stoi(std::string(name.substr(5))));
        return;
    }
    const auto& keys = KeyMap();
    const auto found = keys.find(name);
    if (found == keys.end())
        throw std::invalid_argument("unknown calculator key: " + std::string(name));
    found->second(engine);
}

} // namespace

void Press(IOrvCalcEngine& engine, std::string_view keys)
{
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const char c = keys[i];
        if (c == ' ')
            continue;
        if (c == '[') {
            const std::size_t close = keys.find(']', i);
            if (close == std::string_view::npos)
                throw std::invalid_argument("unclosed [ in calculator keys");
            PressOne(engine, keys.substr(i + 1, close - i - 1));
            i = close;
        } else {
            PressOne(engine, keys.substr(i, 1));
        }
    }
}

const std::vector<std::string>& AllKeys()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> v;
        for (const auto& [name, action] : KeyMap())
            v.push_back(name);
        return v;
    }();
    return names;
}

QStringList History(const orv::IOrvCalcEngine& engine)
{
    QStringList lines;
    for (int32_t i = 0; i < engine.GetHistoryLength(); ++i)
        lines.append(engine.GetHistoryEntry(static_cast<uint16_t>(i)));
    return lines;
}

} // namespace orvtest
