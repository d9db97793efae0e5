// The cost of surfacing FPU errors: our checked routines against the bare library calls.
#include <orvkit/core/OrvkitMath.h>

#include "support/BenchRatio.h"

#include <cmath>

namespace {

constexpr long double kArguments[] = {0.37L, 2.5L, 17.0L, 1234.5L, 0.93L, 1.0E-5L, 88.8L, -3.3L};

template <typename F>
void RunOver(benchmark::State& state, F f)
{
    for (auto _ : state) {
        for (const long double x : kArguments) {
            long double r = f(x);
            benchmark::DoNotOptimize(r);
        }
    }
    state.SetItemsProcessed(state.iterations() * std::size(kArguments));
}

void BM_SafeLog10(benchmark::State& state)
{
    RunOver(state, [](long double x) { return orv::SafeLog10(std::fabs(x)); });
}
BENCHMARK(BM_SafeLog10);

void BM_Log10l(benchmark::State& state)
{
    RunOver(state, [](long double x) { return std::log10(std::fabs(x)); });
}
BENCHMARK(BM_Log10l);

void BM_FloatIntPower(benchmark::State& state)
{
    RunOver(state, [](long double x) { return orv::FloatIntPower(x, 7); });
}
BENCHMARK(BM_FloatIntPower);

void BM_Powl(benchmark::State& state)
{
    RunOver(state, [](long double x) { return std::pow(x, 7.0L); });
}
BENCHMARK(BM_Powl);

void BM_GammaOf(benchmark::State& state)
{
    RunOver(state, [](long double x) { return orv::GammaOf(x); });
}
BENCHMARK(BM_GammaOf);

void BM_Tgammal(benchmark::State& state)
{
    RunOver(state, [](long double x) { return std::tgamma(x); });
}
BENCHMARK(BM_Tgammal);

} // namespace

ORVKIT_BENCH_MAIN({"BM_SafeLog10", "BM_Log10l", 3.0}, {"BM_FloatIntPower", "BM_Powl", 3.0},
                  {"BM_GammaOf", "BM_Tgammal", 3.0})
