// Timing of the screen painter (run by scripts/bench-screens.sh on a Release build): one
// screen, and every preview the editor's display and colour pages show at once.

#include "Language.h"
#include "Pars32H.h"
#include "SampleScreens.h"
#include "ScreenRenderer.h"
#include "SettingsScreens.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <gtest/gtest.h>

namespace {

constexpr int Runs = 101;
constexpr QSize PreviewBox{240, 180};
constexpr const char* KindNames[] = {"x1", "x4",       "x6",
                                     "x9", "averages", "menu"}; // TScreenKind order

// Processor time of this thread: the machine's other load does not count, as it would in
// elapsed time on a busy build server. Elapsed time is shown beside it.
qint64 threadNs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

struct Timing {
    double cpuMs, wallMs;
};

template <typename F> Timing median(F&& work) {
    std::vector<qint64> cpu, wall;
    for (int i = 0; i < Runs; ++i) {
        QElapsedTimer t;
        t.start();
        const qint64 c0 = threadNs();
        work();
        cpu.push_back(threadNs() - c0);
        wall.push_back(t.nsecsElapsed());
    }
    std::sort(cpu.begin(), cpu.end());
    std::sort(wall.begin(), wall.end());
    return {double(cpu[Runs / 2]) / 1e6, double(wall[Runs / 2]) / 1e6};
}

} // namespace

TEST(RenderBenchmark, DISABLED_OneScreenAndAllEditorPreviews) {
    static int argc = 1;
    static char name[] = "tripconf-bench";
    static char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    EnglishVersion = true;
    TMK model;
    const TScreenRenderer renderer(SchemeColours(model, 0), model.MeasPars,
                                   DisplayOptionsOf(model));

    QElapsedTimer cold;
    cold.start();
    renderer.Render(ScreenFromSettings(model, TScreenKind::X4, 0));
    std::printf("first screen (fonts loaded): %.2f ms\n", double(cold.nsecsElapsed()) / 1e6);

    double worst = 0;
    for (TScreenKind kind : {TScreenKind::X1, TScreenKind::X4, TScreenKind::X6, TScreenKind::X9,
                             TScreenKind::Averages, TScreenKind::Menu}) {
        // The colour page's samples fill every place, the x1 bar included.
        const TScreenContent screen =
            kind == TScreenKind::Menu ? SampleMenu(model.MenuItems) : SampleScreen(kind);
        const Timing t = median([&] { renderer.Render(screen); });
        std::printf("%s screen, median of %d: %.3f ms (elapsed %.3f ms)\n", KindNames[int(kind)],
                    Runs, t.cpuMs, t.wallMs);
        worst = std::max(worst, t.cpuMs);
    }
    EXPECT_LE(worst, 2.0);

    // The display pages' previews (six x4, three x9, two x6, the x1 bar) and the colour page's
    // five samples, each drawn into its box.
    std::vector<TScreenContent> previews;
    for (int n = 0; n < 6; ++n)
        previews.push_back(ScreenFromSettings(model, TScreenKind::X4, n));
    for (int n = 0; n < 3; ++n)
        previews.push_back(ScreenFromSettings(model, TScreenKind::X9, n));
    for (int n = 0; n < 2; ++n)
        previews.push_back(ScreenFromSettings(model, TScreenKind::X6, n));
    previews.push_back(ScreenFromSettings(model, TScreenKind::X1, 0));
    for (TScreenKind kind : {TScreenKind::X1, TScreenKind::X4, TScreenKind::X9, TScreenKind::X6})
        previews.push_back(SampleScreen(kind));
    previews.push_back(SampleMenu(model.MenuItems));
    QImage shown;
    const Timing all = median([&] {
        for (const TScreenContent& s : previews)
            shown = renderer.RenderToFit(s, PreviewBox);
    });
    std::printf("all %zu editor previews, median of %d: %.2f ms (elapsed %.2f ms)\n",
                previews.size(), Runs, all.cpuMs, all.wallMs);
    EXPECT_LE(all.cpuMs, 50.0);
}
