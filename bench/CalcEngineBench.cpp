// The calculator engine: building one (the expression evaluator builds one per
// evaluation) and a typical calculation driven key by key through its interface.
#include <orvkit/engines/OrvkitCalcEngine.h>

#include "support/BenchRatio.h"

#include <QString>
#include <cstdio>
#include <malloc.h>
#include <vector>

namespace {

using orv::IOrvCalcEngine;
using orv::TOrvCalcEngine;

// The keys of 12.5 * ( 3 + 4 ) =
void PressTypical(IOrvCalcEngine& engine)
{
    engine.InputDigit(1);
    engine.InputDigit(2);
    engine.InputDecimalSeparator();
    engine.InputDigit(5);
    engine.DoMultiply();
    engine.InputLeftBracket();
    engine.InputDigit(3);
    engine.DoAdd();
    engine.InputDigit(4);
    engine.InputRightBracket();
    engine.DoEquals();
}

/// Heap bytes in use by this process, as the allocator counts them.
long HeapInUse()
{
    return static_cast<long>(mallinfo2().uordblks);
}

void BM_CalcEngineConstruct(benchmark::State& state)
{
    for (auto _ : state) {
        TOrvCalcEngine engine;
        benchmark::DoNotOptimize(&engine);
    }
    const long before = HeapInUse();
    const TOrvCalcEngine kept;
    benchmark::DoNotOptimize(&kept);
    state.counters["heap_bytes"] = static_cast<double>(HeapInUse() - before);
}
BENCHMARK(BM_CalcEngineConstruct);

void BM_AnchorQString16(benchmark::State& state)
{
    for (auto _ : state) {
        QString text(16, u'x');
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_AnchorQString16);

void BM_AnchorVector16(benchmark::State& state)
{
    for (auto _ : state) {
        std::vector<long double> values(16);
        benchmark::DoNotOptimize(values.data());
    }
}
BENCHMARK(BM_AnchorVector16);

void BM_CalcEngineTypical(benchmark::State& state)
{
    TOrvCalcEngine engine;
    IOrvCalcEngine& itf = engine;
    for (auto _ : state) {
        itf.AllClear();
        PressTypical(itf);
        benchmark::DoNotOptimize(itf.GetDisplayStr().size());
    }
}
BENCHMARK(BM_CalcEngineTypical);

// As the expression evaluator uses it: a fresh engine for each calculation.
void BM_CalcEngineFreshTypical(benchmark::State& state)
{
    for (auto _ : state) {
        TOrvCalcEngine engine;
        PressTypical(engine);
        benchmark::DoNotOptimize(engine.GetDisplayValue());
    }
}
BENCHMARK(BM_CalcEngineFreshTypical);

void BM_AnchorInlineEval(benchmark::State& state)
{
    volatile long double a = 12.5L;
    volatile long double b = 3;
    volatile long double c = 4;
    char text[64];
    for (auto _ : state) {
        const long double r = a * (b + c);
        std::snprintf(text, sizeof text, "%.4Lf", r);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_AnchorInlineEval);

} // namespace

ORVKIT_BENCH_MAIN({"BM_CalcEngineConstruct", "BM_AnchorQString16", 2.0},
                  {"BM_CalcEngineTypical", "BM_AnchorInlineEval", 25.0},
                  {"BM_CalcEngineFreshTypical", "BM_AnchorInlineEval", 25.0})
