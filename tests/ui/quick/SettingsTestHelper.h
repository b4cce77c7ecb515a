// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

namespace tabrino {
class TrayLabel;
}

namespace tabrino::test {

class QuickFixture;

// What the settings screen's Qt Quick tests need beyond the shared fixture,
// as the singleton `SettingsHelper` of Tabrino.Testing: the tray label over
// the fixture's store and settings, the user's autostart folder, the
// application's quit request, and files to export into and compare with.
class SettingsTestHelper : public QObject {
    Q_OBJECT
    Q_PROPERTY(int quitRequests READ quitRequests NOTIFY quitRequestsChanged)

public:
    explicit SettingsTestHelper(QuickFixture& fixture, QObject* parent = nullptr);
    ~SettingsTestHelper() override;

    // The tray item's label, made on first use.
    Q_INVOKABLE QObject* trayLabel();

    Q_INVOKABLE bool autostartEntryExists() const;
    // Puts a file where the autostart folder goes, so nothing can be
    // written there (the tests run as root, which permission bits do not
    // stop); `false` takes it away again.
    Q_INVOKABLE void blockAutostart(bool blocked);

    // Quit requests are caught and counted from now on instead of ending the tests.
    Q_INVOKABLE void catchQuit();
    int quitRequests() const { return m_quitRequests; }

    // The five records of the exporter's own tests, saved in the store.
    Q_INVOKABLE void addExportSample();
    Q_INVOKABLE QString readFile(const QUrl& file) const;
    // A file of the exporter's tests, as it ends (without an editor's final line feed).
    Q_INVOKABLE QString expectedExport(const QString& name) const;
    Q_INVOKABLE QUrl temporaryFile(const QString& name) const;

    // Whether a save dialog's hold keeps the real panel window open while
    // it lasts and lets it close on focus loss again afterwards.
    Q_INVOKABLE bool holdKeepsPanelWindowOpen();

Q_SIGNALS:
    void quitRequestsChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QuickFixture& m_fixture;
    TrayLabel* m_label = nullptr;
    bool m_catchingQuit = false;
    int m_quitRequests = 0;
};

}  // namespace tabrino::test
