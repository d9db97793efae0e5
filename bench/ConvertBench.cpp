// Float formatting and reading against the C library on the same values.
#include "support/BenchRatio.h"

#include <orvkit/core/OrvkitConvert.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

// Prices, measurements, tiny and large magnitudes, integers and negatives, as a
// calculator display meets them.
const std::vector<long double>& Values()
{
    static const std::vector<long double> values = [] {
        std::vector<long double> v;
        std::mt19937_64 rng(1234);
        std::uniform_real_distribution<double> unit(0.0, 1.0);
        for (int i = 0; i < 256; ++i) {
            const int scale = int(rng() % 22) - 6; // 1e-6 .. 1e15
            long double x = (long double)unit(rng) * powl(10.0L, scale);
            if (i % 5 == 0)
                x = (long double)(rng() % 100000);
            if (i % 3 == 0)
                x = -x;
            v.push_back(x);
        }
        return v;
    }();
    return values;
}

std::vector<QString> OurTexts()
{
    std::vector<QString> texts;
    for (const long double x : Values())
        texts.push_back(orv::FloatToFixedText(x, 4));
    return texts;
}

std::vector<std::string> CTexts()
{
    std::vector<std::string> texts;
    for (const long double x : Values()) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.4Lf", x);
        texts.emplace_back(buffer);
    }
    return texts;
}

void BM_FloatToFixedText(benchmark::State& state)
{
    const auto& values = Values();
    std::size_t i = 0;
    for (auto _ : state) {
        QString text = orv::FloatToFixedText(values[i++ % values.size()], 4);
        benchmark::DoNotOptimize(text);
    }
}

void BM_FloatToGroupedText(benchmark::State& state)
{
    const auto& values = Values();
    std::size_t i = 0;
    for (auto _ : state) {
        QString text = orv::FloatToGroupedText(values[i++ % values.size()], 4, false);
        benchmark::DoNotOptimize(text);
    }
}

void BM_SnprintfFixed(benchmark::State& state)
{
    const auto& values = Values();
    std::size_t i = 0;
    for (auto _ : state) {
        char buffer[64];
        const int n = std::snprintf(buffer, sizeof buffer, "%.4Lf", values[i++ % values.size()]);
        benchmark::DoNotOptimize(n);
        benchmark::DoNotOptimize(buffer);
    }
}

void BM_TextToExtended(benchmark::State& state)
{
    const std::vector<QString> texts = OurTexts();
    std::size_t i = 0;
    for (auto _ : state) {
        const long double x = orv::TextToExtended(texts[i++ % texts.size()]);
        benchmark::DoNotOptimize(x);
    }
}

void BM_Strtold(benchmark::State& state)
{
    const std::vector<std::string> texts = CTexts();
    std::size_t i = 0;
    for (auto _ : state) {
        const long double x = std::strtold(texts[i++ % texts.size()].c_str(), nullptr);
        benchmark::DoNotOptimize(x);
    }
}

} // namespace

BENCHMARK(BM_FloatToFixedText);
BENCHMARK(BM_FloatToGroupedText);
BENCHMARK(BM_SnprintfFixed);
BENCHMARK(BM_TextToExtended);
BENCHMARK(BM_Strtold);

ORVKIT_BENCH_MAIN({"BM_FloatToFixedText", "BM_SnprintfFixed", 0.5}, {"BM_FloatToGroupedText", "BM_SnprintfFixed", 0.5},
                  {"BM_TextToExtended", "BM_Strtold", 1.5})
