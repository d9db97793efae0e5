// The expression evaluator on any text: neither level may raise, and a run on a
// caller's engine leaves its memory, angle mode and prefix switch as they were.
#include "FuzzInput.h"

#include <orvkit/engines/OrvkitCalcEngine.h>
#include <orvkit/engines/OrvkitExpressions.h>

#include <cmath>
#include <cstdlib>
#include <exception>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    orvfuzz::PinSettings();
    const QString text = orvfuzz::TextOf(data, size);
    try {
        const orv::Extended a = orv::EvaluateExpression(text, orv::amDegrees);
        const orv::Extended s = orv::EvaluateSimpleExpression(text);
        if (!std::isfinite(a) || !std::isfinite(s))
            std::abort();

        orv::TOrvCalcEngine engine;
        engine.SetMemory(3);
        engine.SetAngleMode(orv::amGradiants);
        QString message;
        (void)orv::RunExpression(text, engine, 5, orv::amRadians, message);
        if (engine.GetMemoryValue() != 3 || engine.GetAngleMode() != orv::amGradiants || engine.GetPrefixFunctions())
            std::abort();
    } catch (const std::exception&) {
        std::abort();
    }
    return 0;
}
