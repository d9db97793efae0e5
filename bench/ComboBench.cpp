// Filling the time-zone combo box (the whole database) and the time combo box (a day at
// its finest interval, five minutes) against filling a plain QComboBox with the same texts.
#include "support/BenchRatio.h"

#include <orvkit/controls/OrvkitDateTimeComboBox.h>
#include <orvkit/controls/OrvkitTimeComboBox.h>

#include <QApplication>
#include <QComboBox>

namespace {

/// The combo boxes with their filling hook reachable.
class TZCombo : public orv::TOrvTZComboBox {
public:
    using orv::TOrvTZComboBox::FillItems;
};

class TimeCombo : public orv::TOrvTimeComboBox {
public:
    TimeCombo()
    {
        SetTimeInterval(orv::ti5min);
    }
    using orv::TOrvTimeComboBox::FillItems;
};

void FillPlain(benchmark::State& state, const QStringList& texts)
{
    QComboBox combo;
    combo.setEditable(true);
    for (auto _ : state) {
        combo.clear();
        combo.addItems(texts);
        combo.setCurrentIndex(0);
        benchmark::DoNotOptimize(combo.count());
    }
}

QStringList Texts(const QComboBox& combo)
{
    QStringList texts;
    for (int i = 0; i < combo.count(); ++i)
        texts.append(combo.itemText(i));
    return texts;
}

void BM_FillTZCombo(benchmark::State& state)
{
    TZCombo combo;
    for (auto _ : state) {
        combo.FillItems();
        benchmark::DoNotOptimize(combo.count());
    }
    state.counters["zones"] = double(combo.count());
}

void BM_FillPlainWithZones(benchmark::State& state)
{
    TZCombo combo;
    combo.FillItems();
    FillPlain(state, Texts(combo));
}

void BM_FillTimeCombo(benchmark::State& state)
{
    TimeCombo combo;
    for (auto _ : state) {
        combo.FillItems();
        benchmark::DoNotOptimize(combo.count());
    }
    state.counters["times"] = double(combo.count());
}

void BM_FillPlainWithTimes(benchmark::State& state)
{
    TimeCombo combo;
    combo.FillItems();
    FillPlain(state, Texts(combo));
}

BENCHMARK(BM_FillTZCombo)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FillPlainWithZones)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FillTimeCombo)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FillPlainWithTimes)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return orvbench::RunWithRatios(argc, argv,
                                   {{"BM_FillTZCombo", "BM_FillPlainWithZones", 1.5},
                                    {"BM_FillTimeCombo", "BM_FillPlainWithTimes", 1.5}});
}
