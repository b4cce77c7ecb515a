// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The panel of `scene` shown as a window and exposed, for the benchmarks of
// its screens; null, with the benchmark skipped and the reason given, when
// it cannot be built or shown.
#include "shell/PanelScene.h"
#include "shell/PanelWindow.h"

#include <QTest>

#include <benchmark/benchmark.h>

namespace tabrino::bench {

inline PanelWindow* showPanel(PanelScene& scene, benchmark::State& state)
{
    PanelWindow* window = scene.window();
    if (!window) {
        state.SkipWithError("the panel could not be built");
        return nullptr;
    }
    window->showAsWindow();
    if (!QTest::qWaitForWindowExposed(window)) {
        state.SkipWithError("no display");
        return nullptr;
    }
    return window;
}

}  // namespace tabrino::bench
