// Drives every control class with random steps and checks the invariants after each;
// see MonkeyDriver.h. Usage: monkey [--steps N] [--seed S] [--class NAME]
// A failure prints the class, the seed, the step and the steps before it; the same seed
// and class replay it.

#include "MonkeyControls.h"
#include "MonkeyDriver.h"

#include <orvkit/core/OrvkitFormatSettings.h>
#include <orvkit/framework/OrvkitEdit.h>

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <cstring>
#include <string>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

orv::monkey::TMonkey* gRunning = nullptr;
const char* gClass = nullptr;
uint32_t gSeed = 0;

#if defined(__SANITIZE_ADDRESS__)
void PrintStepsOnDeath()
{
    if (gRunning)
        std::fprintf(stderr, "monkey: %s with seed %u stopped by the sanitizer; last steps:\n%s", gClass, gSeed,
                     gRunning->RecentSteps().c_str());
}
#endif

uint32_t SeedOf(const char* name, uint32_t base)
{
    uint32_t h = 2166136261u ^ base;
    for (const char* c = name; *c; ++c)
        h = (h ^ uint8_t(*c)) * 16777619u;
    return h;
}

} // namespace

int main(int argc, char** argv)
{
    int steps = 2000;
    uint32_t base = 1;
    std::string only;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--steps"))
            steps = std::stoi(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--seed"))
            base = uint32_t(std::stoul(argv[i + 1]));
        else if (!std::strcmp(argv[i], "--class"))
            only = argv[i + 1];
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    orv::FormatSettings = orv::EnglishFormatSettings();
    int boxes = 0;
    orv::SetMessageBoxHook([&boxes](QWidget*, const QString&, bool) { ++boxes; });
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(PrintStepsOnDeath);
#endif

    int failures = 0;
    int classes = 0;
    QElapsedTimer all;
    all.start();
    for (const orv::monkey::TControlClass& controlClass : orv::monkey::ControlClasses()) {
        if (!only.empty() && only != controlClass.name)
            continue;
        ++classes;
        const uint32_t seed = SeedOf(controlClass.name, base);
        QElapsedTimer timer;
        timer.start();
        orv::monkey::TMonkey monkey(controlClass, seed);
        gRunning = &monkey;
        gClass = controlClass.name;
        gSeed = seed;
        const auto failure = monkey.Run(steps);
        gRunning = nullptr;
        if (failure) {
            ++failures;
            std::printf("FAILED %s (seed %u, replay: --class %s --seed %u)\n%s", controlClass.name, seed,
                        controlClass.name, base, failure->c_str());
        } else {
            std::printf("ok     %-20s %d steps in %.1f s\n", controlClass.name, steps, timer.elapsed() / 1000.0);
        }
        std::fflush(stdout);
    }
    std::printf("%d of %d classes survived %d steps each in %.1f s (%d message boxes answered)\n", classes - failures,
                classes, steps, all.elapsed() / 1000.0, boxes);
    return failures == 0 ? 0 : 1;
}
