// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Switching the panel to the Insights tab, for 200 subscriptions billed for
// ten years: the time from the switch to the first frame that shows the
// tab, after the first switch (which builds the tab). A screen program: run
// it under Xvfb, e.g.
//   dbus-run-session -- xvfb-run -a ./bench/bench_insights
#include "ShownPanel.h"
#include "TenYearStore.h"

#include "export/CalendarFileKeeper.h"
#include "shell/PanelScene.h"
#include "shell/PanelWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QQuickItem>
#include <QTest>
#include <QTimer>

#include <benchmark/benchmark.h>

using namespace tabrino;

namespace {

constexpr int kList = 0;
constexpr int kInsights = 1;

// Sets the main screen's tab and returns the seconds until the next frame
// has been drawn.
double switchTo(PanelWindow& window, QObject& navigator, int tab)
{
    QEventLoop loop;
    QObject::connect(&window, &QQuickWindow::frameSwapped, &loop, &QEventLoop::quit);
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    navigator.setProperty("tab", tab);
    loop.exec();
    return timer.nsecsElapsed() / 1e9;
}

void switchToInsights(benchmark::State& state)
{
    bench::TenYearStore data(int(state.range(0)));
    CalendarFileKeeper calendarFile(*data.store, data.settings, data.dir.filePath(QStringLiteral("renewals.ics")));
    PanelScene scene(*data.store, data.settings, calendarFile);
    PanelWindow* window = bench::showPanel(scene, state);
    if (!window)
        return;
    auto* navigator = window->rootItem()->property("navigator").value<QObject*>();
    QTest::qWait(300);
    state.counters["first_ms"] = switchTo(*window, *navigator, kInsights) * 1000;
    QTest::qWait(300);
    double toList = 0;
    for (auto _ : state) {
        toList += switchTo(*window, *navigator, kList);
        QTest::qWait(100);  // the list's frame and any animation are over
        state.SetIterationTime(switchTo(*window, *navigator, kInsights));
        QTest::qWait(100);
    }
    // The same switch the other way, for comparison.
    state.counters["to_list_ms"] = toList * 1000 / double(state.iterations());
}

}  // namespace

BENCHMARK(switchToInsights)->Arg(200)->Arg(1000)->UseManualTime()->Iterations(30)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
