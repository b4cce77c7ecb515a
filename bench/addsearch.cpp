// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Typing in the add screen's search field with the shipped catalog: the
// time from each key event to the frame that shows the new results, over
// 50 keystrokes (words typed and erased again). A screen program: run it
// under Xvfb, e.g.
//   dbus-run-session -- xvfb-run -a ./bench/bench_addsearch
#include "ShownPanel.h"
#include "TenYearStore.h"

#include "catalog/BundledServiceCatalog.h"
#include "catalog/ServiceCatalog.h"
#include "export/CalendarFileKeeper.h"
#include "foundation/Calendar.h"
#include "settings/AppSettings.h"
#include "shell/PanelScene.h"
#include "shell/PanelWindow.h"
#include "store/PersistentContainer.h"
#include "store/SubscriptionStore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QQuickItem>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <functional>

using namespace tabrino;

namespace {

// Each word typed letter by letter, then erased letter by letter.
QList<int> keystrokes()
{
    QList<int> keys;
    for (const char* word : {"netflix", "spotify", "youtube", "chatgpt"}) {
        for (const char* c = word; *c; ++c)
            keys << *c;
        for (const char* c = word; *c; ++c)
            keys << Qt::Key_Backspace;
    }
    keys.resize(50, 'n');
    return keys;
}

// Runs `action` and returns the seconds until the window has drawn its next
// frame, and (in `handled`) those until `action` returned.
double secondsToFrame(QQuickWindow& window, const std::function<void()>& action, double* handled = nullptr)
{
    QEventLoop loop;
    QObject::connect(&window, &QQuickWindow::frameSwapped, &loop, &QEventLoop::quit);
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    action();
    if (handled)
        *handled = timer.nsecsElapsed() / 1e9;
    loop.exec();
    return timer.nsecsElapsed() / 1e9;
}

void typeInSearch(benchmark::State& state)
{
    QTemporaryDir dir;
    QSettings defaults(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    AppSettings settings(defaults);
    bench::NoReminders reminders;
    ServiceCatalog catalog(std::make_shared<BundledServiceCatalog>(QStringLiteral("Services")));
    QString error;
    const auto container = PersistentContainer::open(dir.filePath(QStringLiteral("Tabrino.sqlite")), &error);
    if (!container) {
        state.SkipWithError("no store");
        return;
    }
    SubscriptionStore store(container->mainContext(), settings, reminders, &catalog,
                            [] { return Calendar(QStringLiteral("UTC")); });
    store.refresh();

    CalendarFileKeeper calendarFile(store, settings, dir.filePath(QStringLiteral("renewals.ics")));
    PanelScene scene(store, settings, calendarFile);
    PanelWindow* window = bench::showPanel(scene, state);
    if (!window)
        return;
    auto* navigator = window->rootItem()->property("navigator").value<QObject*>();
    QMetaObject::invokeMethod(navigator, "openAdd");
    QTest::qWait(500);  // the search stage is shown and its field has the keyboard

    // For reference: a frame of the same screen with nothing changed.
    double redraw = 0;
    for (int i = 0; i < 20; ++i) {
        redraw += secondsToFrame(*window, [window] { window->update(); }) / 20;
        QTest::qWait(30);
    }
    state.counters["redraw_ms"] = redraw * 1000;

    const QList<int> keys = keystrokes();
    qsizetype next = 0;
    double worst = 0;
    double worstHandled = 0;
    for (auto _ : state) {
        const int key = keys.at(next++ % keys.size());
        double handled = 0;
        const double shown = secondsToFrame(
            *window,
            [&] {
                if (key == Qt::Key_Backspace)
                    QTest::keyClick(window, Qt::Key_Backspace);
                else
                    QTest::keyClick(window, char(key));
            },
            &handled);
        worst = std::max(worst, shown);
        worstHandled = std::max(worstHandled, handled);
        state.SetIterationTime(shown);
        QTest::qWait(30);
    }
    state.counters["worst_ms"] = worst * 1000;
    state.counters["worst_handled_ms"] = worstHandled * 1000;
}

}  // namespace

BENCHMARK(typeInSearch)->UseManualTime()->Iterations(50)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
