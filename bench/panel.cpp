// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How the panel feels with 200 subscriptions (or the number given) billed
// for ten years, under the platform it is run on (Xvfb and Mesa's software
// renderer for the figures in the README): resident memory before the panel
// was ever opened, the first and a later activation to the first frame,
// memory once it closed, and the median and worst frames while the list
// scrolls to its end.
// Run: dbus-run-session -- xvfb-run -a ./build/bench/bench_panel [subscriptions]
#include "TenYearStore.h"

#include "export/CalendarFileKeeper.h"
#include "shell/PanelScene.h"
#include "shell/PanelWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QQuickItem>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace tabrino;

namespace {

double residentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1;
}

// Shows the panel and waits for its first frame; milliseconds.
double showToFirstFrame(PanelScene& scene)
{
    QElapsedTimer timer;
    timer.start();
    PanelWindow* window = scene.window();
    if (!window)
        return -1;
    QSignalSpy frames(window, &QQuickWindow::frameSwapped);
    window->showAsWindow();
    frames.wait(5000);
    return timer.nsecsElapsed() / 1e6;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 200;
    bench::TenYearStore data(count);
    std::printf("subscriptions: %lld active\n", static_cast<long long>(data.store->active().size()));

    CalendarFileKeeper calendarFile(*data.store, data.settings, data.dir.filePath(QStringLiteral("renewals.ics")));
    PanelScene scene(*data.store, data.settings, calendarFile);
    QTest::qWait(500);
    std::printf("resident before the panel was opened: %.1f MB\n", residentMegabytes());

    const double first = showToFirstFrame(scene);
    if (first < 0)
        return 1;  // the panel's QML is broken; the reason is on standard error
    std::printf("first activation to first frame: %.1f ms\n", first);
    QTest::qWait(800);
    std::printf("resident with the panel open: %.1f MB\n", residentMegabytes());

    PanelWindow* window = scene.window();
    window->hide();
    QTest::qWait(3000);
    std::printf("resident 3 s after the panel closed: %.1f MB\n", residentMegabytes());

    double later = 0;
    for (int run = 0; run < 5; ++run) {
        window->hide();
        QTest::qWait(300);
        later = std::max(later, showToFirstFrame(scene));
    }
    std::printf("later activation to first frame (worst of 5): %.1f ms\n", later);
    QTest::qWait(800);

    auto* list = window->rootItem()->findChild<QQuickItem*>(QStringLiteral("subscriptionList"));
    if (!list)
        return 1;
    const qreal end = list->property("contentHeight").toReal() - list->height();
    QSignalSpy frames(window, &QQuickWindow::frameSwapped);
    std::vector<double> times;
    // One 60 Hz frame's worth of a brisk scroll at a time, to the end. The
    // list starts at the top: a first step to 0 would draw no frame.
    for (qreal y = 24; y <= end; y += 24) {
        QElapsedTimer timer;
        timer.start();
        frames.clear();
        list->setProperty("contentY", y);
        frames.wait(1000);
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::vector<double> sorted = times;
    std::sort(sorted.begin(), sorted.end());
    const auto over = std::count_if(times.begin(), times.end(), [](double t) { return t > 16.7; });
    std::printf("scrolling %zu frames to the end: median %.1f ms, worst %.1f ms, %lld over the 16.7 ms budget\n",
                times.size(), sorted[sorted.size() / 2], sorted.back(), static_cast<long long>(over));
    return 0;
}
