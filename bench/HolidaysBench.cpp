// The holiday list's sort against std::sort, and reading a holiday file against Qt's own
// decoding and splitting of the same bytes into lines.
#include "support/BenchRatio.h"

#include <orvkit/datetime/OrvkitHolidays.h>
#include <orvkit/datetime/OrvkitXML.h>

#include <QByteArray>
#include <QString>
#include <algorithm>
#include <random>

namespace {

constexpr int kHolidays = 2000;

const orv::TOrvHolidayList& SampleHolidays()
{
    static const orv::TOrvHolidayList list = [] {
        std::mt19937 random(1);
        std::uniform_int_distribution<int> day(40000, 50000);
        orv::TOrvHolidayList out;
        for (int i = 0; i < kHolidays; ++i)
            out.push_back({QStringLiteral("Holiday & feast %1 \u00e9").arg(i), double(day(random)), i % 3 == 0, false});
        return out;
    }();
    return list;
}

const QByteArray& SampleFile()
{
    static const QByteArray content = [] {
        orv::TOrvXML xml{QString()};
        xml.InitializeFile();
        xml.PutStartToken(QStringLiteral("OrvHolidays"), 1);
        for (const orv::TOrvHolidayRec& record : SampleHolidays()) {
            xml.PutStartToken(QStringLiteral("Holiday"), 2);
            xml.PutValue(QStringLiteral("Description"), record.Desc, 3);
            xml.PutValue(QStringLiteral("Date"), QStringLiteral("20240101"), 3);
            xml.PutEndToken(QStringLiteral("Holiday"), 2);
        }
        xml.PutEndToken(QStringLiteral("OrvHolidays"), 1);
        return xml.Content();
    }();
    return content;
}

void BM_SortHolidays(benchmark::State& state)
{
    for (auto _ : state) {
        orv::TOrvHolidayList list = SampleHolidays();
        orv::SortHolidays(list);
        benchmark::DoNotOptimize(list.data());
    }
}

void BM_StdSortHolidays(benchmark::State& state)
{
    for (auto _ : state) {
        orv::TOrvHolidayList list = SampleHolidays();
        std::sort(list.begin(), list.end(),
                  [](const orv::TOrvHolidayRec& a, const orv::TOrvHolidayRec& b) { return a.HolDate < b.HolDate; });
        benchmark::DoNotOptimize(list.data());
    }
}

void BM_ReadHolidays(benchmark::State& state)
{
    for (auto _ : state) {
        orv::TOrvHolidayList list;
        orv::ReadHolidays(list, SampleFile());
        benchmark::DoNotOptimize(list.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * SampleFile().size());
}

void BM_QtSplitLines(benchmark::State& state)
{
    for (auto _ : state) {
        const QStringList lines = QString::fromUtf8(SampleFile()).split(u'\n');
        benchmark::DoNotOptimize(lines.constData());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * SampleFile().size());
}

} // namespace

BENCHMARK(BM_SortHolidays);
BENCHMARK(BM_StdSortHolidays);
BENCHMARK(BM_ReadHolidays);
BENCHMARK(BM_QtSplitLines);

ORVKIT_BENCH_MAIN({"BM_SortHolidays", "BM_StdSortHolidays", 1.5}, {"BM_ReadHolidays", "BM_QtSplitLines", 6.0})
