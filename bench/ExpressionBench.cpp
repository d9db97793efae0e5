// The expression evaluator, fresh engine included, against muparser parsing and
// evaluating the same text each time; and expressions of up to 100 000 characters,
// whose time must grow linearly with their length.
#include <orvkit/engines/OrvkitExpressions.h>

#include "support/BenchRatio.h"

#include <muParser.h>

#include <QString>
#include <cmath>
#include <numbers>
#include <string>

namespace {

constexpr const char* kExpression = "5 + 4 * PI / 3 + Sin(1.2)";

void BM_EvaluateExpression(benchmark::State& state)
{
    const QString text = QString::fromLatin1(kExpression);
    for (auto _ : state)
        benchmark::DoNotOptimize(orv::EvaluateExpression(text, orv::amRadians));
}
BENCHMARK(BM_EvaluateExpression);

void BM_EvaluateSimpleExpression(benchmark::State& state)
{
    const QString text = QStringLiteral("5 + 4 * PI / 3 + 1.2");
    for (auto _ : state)
        benchmark::DoNotOptimize(orv::EvaluateSimpleExpression(text));
}
BENCHMARK(BM_EvaluateSimpleExpression);

double Sine(double x)
{
    return std::sin(x);
}

// The same text, so PI and Sin are defined under our spelling.
void BM_MuparserSetExprEval(benchmark::State& state)
{
    mu::Parser parser;
    parser.DefineConst("PI", std::numbers::pi);
    parser.DefineFun("Sin", Sine);
    const std::string text = kExpression;
    for (auto _ : state) {
        parser.SetExpr(text);
        benchmark::DoNotOptimize(parser.Eval());
    }
}
BENCHMARK(BM_MuparserSetExprEval);

/// `head`, then `piece` repeated while the text stays within `length` characters, then
/// `tail`.
QString Repeated(const QString& head, const QString& piece, qsizetype length, const QString& tail)
{
    QString text = head;
    text.reserve(length + tail.size());
    while (text.size() + piece.size() <= length)
        text += piece;
    return text + tail;
}

void EvaluateLong(benchmark::State& state, const QString& head, const QString& piece, const QString& tail = QString())
{
    const QString text = Repeated(head, piece, state.range(0), tail);
    for (auto _ : state)
        benchmark::DoNotOptimize(orv::EvaluateExpression(text, orv::amRadians));
    state.SetComplexityN(state.range(0));
    state.counters["chars"] = static_cast<double>(text.size());
}

// A long sum of typical terms.
void BM_EvaluateLongExpression(benchmark::State& state)
{
    EvaluateLong(state, QString(), QStringLiteral("5 + 4 * PI / 3 + Sin(1.2) + "), QStringLiteral("1"));
}
BENCHMARK(BM_EvaluateLongExpression)->RangeMultiplier(10)->Range(1000, 100000)->Complexity(benchmark::oN);

// Deeply nested brackets.
void BM_EvaluateLongNesting(benchmark::State& state)
{
    EvaluateLong(state, QString(), QStringLiteral("(1+"));
}
BENCHMARK(BM_EvaluateLongNesting)->RangeMultiplier(10)->Range(1000, 100000)->Complexity(benchmark::oN);

// Deeply nested negated functions and brackets, each closed where its operand ends.
void BM_EvaluateLongSignedNesting(benchmark::State& state)
{
    EvaluateLong(state, QString(), QStringLiteral("-sin(-("));
}
BENCHMARK(BM_EvaluateLongSignedNesting)->RangeMultiplier(10)->Range(1000, 100000)->Complexity(benchmark::oN);

// A name that never ends (unknown at the end).
void BM_EvaluateLongName(benchmark::State& state)
{
    EvaluateLong(state, QString(), QStringLiteral("q"));
}
BENCHMARK(BM_EvaluateLongName)->RangeMultiplier(10)->Range(1000, 100000)->Complexity(benchmark::oN);

// One number of many digits (it overflows when the engine reads it, at the end).
void BM_EvaluateLongNumber(benchmark::State& state)
{
    EvaluateLong(state, QString(), QStringLiteral("1"));
}
BENCHMARK(BM_EvaluateLongNumber)->RangeMultiplier(10)->Range(1000, 100000)->Complexity(benchmark::oN);

// Digits after the decimal separator, which never overflow.
void BM_EvaluateLongFraction(benchmark::State& state)
{
    EvaluateLong(state, QStringLiteral("0."), QStringLiteral("1"));
}
BENCHMARK(BM_EvaluateLongFraction)->RangeMultiplier(10)->Range(1000, 100000)->Complexity(benchmark::oN);

} // namespace

ORVKIT_BENCH_MAIN({"BM_EvaluateExpression", "BM_MuparserSetExprEval", 0.25})
