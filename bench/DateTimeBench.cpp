// Date encoding against the standard library's calendar, and the per-call cost of the
// date text routines against a one-microsecond anchor.
#include "support/BenchRatio.h"

#include <orvkit/datetime/OrvkitDateFormat.h>
#include <orvkit/datetime/OrvkitDateText.h>
#include <orvkit/datetime/OrvkitDateTime.h>

#include <QString>
#include <array>
#include <chrono>

namespace {

namespace chr = std::chrono;

constexpr int kFirstDay = -109205; // 1601-01-01
constexpr int kDaySpan = 292194;   // to 2400-12-31
constexpr int kUnixOffset = 25569; // 1970-01-01 as a date-time

struct Ymd {
    uint16_t y, m, d;
};

const std::array<Ymd, 4096>& SampleDates()
{
    static const std::array<Ymd, 4096> dates = [] {
        std::array<Ymd, 4096> out{};
        for (size_t i = 0; i < out.size(); ++i)
            orv::SplitDate(kFirstDay + double(i * 71 % kDaySpan), out[i].y, out[i].m, out[i].d);
        return out;
    }();
    return dates;
}

void BM_SplitDate(benchmark::State& state)
{
    int i = 0;
    for (auto _ : state) {
        uint16_t y = 0, m = 0, d = 0;
        orv::SplitDate(double(kFirstDay + i), y, m, d);
        benchmark::DoNotOptimize(y + m + d);
        if (++i == kDaySpan)
            i = 0;
    }
}

void BM_ChronoSplitDate(benchmark::State& state)
{
    int i = 0;
    for (auto _ : state) {
        const chr::year_month_day ymd{chr::sys_days(chr::days(kFirstDay + i - kUnixOffset))};
        benchmark::DoNotOptimize(int(ymd.year()) + unsigned(ymd.month()) + unsigned(ymd.day()));
        if (++i == kDaySpan)
            i = 0;
    }
}

void BM_MakeDate(benchmark::State& state)
{
    const auto& dates = SampleDates();
    size_t i = 0;
    for (auto _ : state) {
        const Ymd& x = dates[i++ & 4095];
        benchmark::DoNotOptimize(orv::MakeDate(x.y, x.m, x.d));
    }
}

void BM_ChronoMakeDate(benchmark::State& state)
{
    const auto& dates = SampleDates();
    size_t i = 0;
    for (auto _ : state) {
        const Ymd& x = dates[i++ & 4095];
        const chr::sys_days day{chr::year(x.y) / chr::month(x.m) / chr::day(x.d)};
        benchmark::DoNotOptimize(double(day.time_since_epoch().count() + kUnixOffset));
    }
}

// The anchor for the per-call goals: one microsecond of work.
void BM_OneMicrosecond(benchmark::State& state)
{
    for (auto _ : state) {
        const auto until = chr::steady_clock::now() + chr::microseconds(1);
        while (chr::steady_clock::now() < until) {
        }
    }
}

void TextToDateOf(benchmark::State& state, const QString& text)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(orv::TextToDate(text, false));
}

void BM_TextToDate(benchmark::State& state)
{
    TextToDateOf(state, QStringLiteral("25/12/2024"));
}

void BM_TextToDateDigits(benchmark::State& state)
{
    TextToDateOf(state, QStringLiteral("25122024"));
}

void BM_TextToDateDayMonth(benchmark::State& state)
{
    TextToDateOf(state, QStringLiteral("25/12"));
}

void BM_TextToDateNames(benchmark::State& state)
{
    TextToDateOf(state, QStringLiteral("Tuesday, 12 March 2024"));
}

void BM_TextToTime(benchmark::State& state)
{
    const QString text = QStringLiteral("10:30 pm");
    for (auto _ : state)
        benchmark::DoNotOptimize(orv::TextToTime(text, false));
}

void FormatOf(benchmark::State& state, const QString& picture)
{
    const orv::TDateTime value = orv::MakeDate(2024, 3, 5) + orv::MakeTime(14, 7, 9, 45);
    for (auto _ : state)
        benchmark::DoNotOptimize(orv::DateToFormatText(picture, value));
}

void BM_DateToFormatText(benchmark::State& state)
{
    FormatOf(state, QStringLiteral("dd/mm/yyyy"));
}

void BM_DateToFormatTextLong(benchmark::State& state)
{
    FormatOf(state, QStringLiteral("dddd, d mmmm yyyy hh:nn:ss AM/PM"));
}

} // namespace

BENCHMARK(BM_SplitDate);
BENCHMARK(BM_ChronoSplitDate);
BENCHMARK(BM_MakeDate);
BENCHMARK(BM_ChronoMakeDate);
BENCHMARK(BM_OneMicrosecond);
BENCHMARK(BM_TextToDate);
BENCHMARK(BM_TextToDateDigits);
BENCHMARK(BM_TextToDateDayMonth);
BENCHMARK(BM_TextToDateNames);
BENCHMARK(BM_TextToTime);
BENCHMARK(BM_DateToFormatText);
BENCHMARK(BM_DateToFormatTextLong);

ORVKIT_BENCH_MAIN({"BM_SplitDate", "BM_ChronoSplitDate", 2.0}, {"BM_MakeDate", "BM_ChronoMakeDate", 2.0},
                  {"BM_TextToDate", "BM_OneMicrosecond", 1.0}, {"BM_TextToDateDigits", "BM_OneMicrosecond", 1.0},
                  {"BM_TextToDateDayMonth", "BM_OneMicrosecond", 1.0}, {"BM_TextToDateNames", "BM_OneMicrosecond", 1.0},
                  {"BM_TextToTime", "BM_OneMicrosecond", 1.0}, {"BM_DateToFormatText", "BM_OneMicrosecond", 1.0},
                  {"BM_DateToFormatTextLong", "BM_OneMicrosecond", 1.0})
