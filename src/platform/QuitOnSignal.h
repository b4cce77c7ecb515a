// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QSocketNotifier;

namespace tabrino {

// Ends the event loop when the process is asked to stop (SIGTERM at logout
// or shutdown, SIGINT, SIGHUP), so the program quits as from its own Quit:
// pending saves are written and the tray item leaves the host. One per
// process; the handlers only write to a pipe that the event loop reads.
// Quits as the program's own Quit does (the settings screen, the tray menu):
// posted, because the click, key or D-Bus call that asked is still being
// handled by what the quit tears down.
void requestQuit();

class QuitOnSignal : public QObject {
    Q_OBJECT

public:
    explicit QuitOnSignal(QObject* parent = nullptr);
    ~QuitOnSignal() override;

    // False when the pipe or the handlers could not be set up (the signals
    // then end the process as they would without this object).
    bool isActive() const { return m_notifier != nullptr; }
    // A stop was asked for: the session is ending, so nobody is there to
    // answer a question.
    bool wasReceived() const { return m_received; }

private:
    void onSignal();

    QSocketNotifier* m_notifier = nullptr;
    bool m_received = false;
};

}  // namespace tabrino
