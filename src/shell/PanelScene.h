// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPoint>

#include <memory>

class QQmlEngine;

namespace tabrino {

class AppSettings;
class CalendarFileKeeper;
class PanelWindow;
class SubscriptionStore;

// The panel's QML scene, made on first use: a tray program that is rarely
// opened must not carry a QML engine and a graphics context from the start.
// While the panel is closed the window's graphics resources are released.
class PanelScene : public QObject {
    Q_OBJECT

public:
    // The store, settings and calendar file must outlive the scene.
    PanelScene(SubscriptionStore& store, AppSettings& settings, CalendarFileKeeper& calendarFile,
               QObject* parent = nullptr);
    ~PanelScene() override;

    bool isCreated() const { return m_window != nullptr; }
    // The window, with its content, made now if it was not yet; null (with
    // the reason on standard error) only when the panel's QML is broken.
    PanelWindow* window();

    void toggleAt(const QPoint& anchor);
    void openAt(const QPoint& anchor);
    void showAsWindow();
    // Hides an ordinary-window panel (when a tray appears, say).
    void hideWindowMode();

    // An engine that finds the program's QML modules, for the panel and for
    // tools and tests that show a single screen.
    static std::unique_ptr<QQmlEngine> makeEngine();

private:
    SubscriptionStore& m_store;
    AppSettings& m_settings;
    CalendarFileKeeper& m_calendarFile;
    std::unique_ptr<QQmlEngine> m_engine;
    std::unique_ptr<PanelWindow> m_window;
};

}  // namespace tabrino
