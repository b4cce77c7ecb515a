// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/FinalSave.h"
#include "app/TabrinoApp.h"
#include "platform/AppVersion.h"
#include "platform/DisplayServerChoice.h"
#include "platform/QuitOnSignal.h"
#include "platform/SingleInstance.h"
#include "platform/UserLanguage.h"
#include "store/DataFileLock.h"
#include "store/PersistentContainer.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <csignal>
#include <cstdio>

using namespace tabrino;

namespace {

bool hasDisplay()
{
    const QString platform = QGuiApplication::platformName();
    return platform != u"offscreen" && platform != u"minimal";
}

// Tells why the program stops, on standard error and, where there is a
// display, in a dialog.
int stop(const QString& message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
    if (hasDisplay())
        QMessageBox::critical(nullptr, QStringLiteral("Tabrino"), message);
    return 1;
}

// The one fatal error of the program: the data store cannot be opened. The
// file is left untouched so nothing the user had is lost.
int failToStart(const QString& description)
{
    //: The message of the program's one fatal error at start; %1 says why (from the system, often English)
    return stop(QCoreApplication::translate("Startup", "Couldn't create data store: %1").arg(description));
}

// Asked when quitting would lose changes that could not be saved. Keeping
// the program open is the default: the saves go on being tried.
bool userKeepsProgramOpen(const QString& lossMessage)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Tabrino"), lossMessage);
    //: A button of the dialog that warns quitting would lose changes; the default
    QPushButton* keep =
        box.addButton(QCoreApplication::translate("FinalSave", "Keep Tabrino Open"), QMessageBox::RejectRole);
    //: A button of the dialog that warns quitting would lose changes
    box.addButton(QCoreApplication::translate("FinalSave", "Quit Anyway"), QMessageBox::DestructiveRole);
    box.setDefaultButton(keep);
    box.setEscapeButton(keep);
    box.exec();
    return box.clickedButton() == keep;
}

}  // namespace

int main(int argc, char* argv[])
{
    // Qt reads its platform when the application object is made.
    const bool platformChosen = DisplayServerChoice::apply();
    QApplication app(argc, argv);
    if (platformChosen)
        DisplayServerChoice::forget();
    UserLanguage::install(app);
    QApplication::setOrganizationName(QStringLiteral("Tabrino"));
    QApplication::setApplicationName(QStringLiteral("Tabrino"));
    QApplication::setApplicationVersion(AppVersion::text());
    QApplication::setDesktopFileName(QStringLiteral("app.tabrino.Tabrino"));
    QApplication::setQuitOnLastWindowClosed(false);
    // Logout and shutdown ask with SIGTERM: quit as from the menu.
    QuitOnSignal quitOnSignal;
    // A write past the file-size limit fails like one on a full disk, which
    // the store reports and retries, instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);

    // A second launch opens the running instance's panel and leaves.
    SingleInstance instance;
    if (instance.claim() == SingleInstance::Role::Secondary)
        return 0;

    // Another session of this account (another seat, a remote login) may run
    // its own instance on the same data file; it is left alone.
    const QString databasePath = PersistentContainer::defaultPath();
    DataFileLock dataLock(databasePath);
    QString lockError;
    switch (dataLock.acquire(&lockError)) {
    case DataFileLock::Result::Acquired: break;
    case DataFileLock::Result::HeldElsewhere:
        //: Why a second start stops: the program already runs in another session of the same user
        return stop(QCoreApplication::translate("Startup", "Tabrino is already running for this account."));
    case DataFileLock::Result::Failed: return failToStart(lockError);
    }

    TabrinoApp tabrino(databasePath);
    if (!tabrino.isRunning())
        return failToStart(tabrino.fatalError());
    QObject::connect(&instance, &SingleInstance::showPanelRequested, &tabrino, &TabrinoApp::showPanel);
    FinalSave finalSave(tabrino.store());
    for (;;) {
        const int status = QApplication::exec();
        if (finalSave.run() || quitOnSignal.wasReceived() || !hasDisplay()
            || !userKeepsProgramOpen(finalSave.lossMessage()))
            return status;
    }
}
