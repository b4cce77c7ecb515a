#include "app/TabrinoApp.h"
#include "platform/AppVersion.h"
#include "platform/SingleInstance.h"
#include "store/PersistentContainer.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

using namespace tabrino;

namespace {

// The one fatal error of the program: the data store cannot be opened. The
// file is left untouched so nothing the user had is lost.
int failToStart(const QString& description)
{
    const QString message = QStringLiteral("Couldn't create data store: ") + description;
    std::fprintf(stderr, "%s\n", qPrintable(message));
    const QString platform = QGuiApplication::platformName();
    if (platform != u"offscreen" && platform != u"minimal")
        QMessageBox::critical(nullptr, QStringLiteral("Tabrino"), message);
    return 1;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tabrino"));
    QApplication::setApplicationName(QStringLiteral("Tabrino"));
    QApplication::setApplicationVersion(AppVersion::text());
    QApplication::setDesktopFileName(QStringLiteral("app.tabrino.Tabrino"));
    QApplication::setQuitOnLastWindowClosed(false);

    // A second launch opens the running instance's panel and leaves.
    SingleInstance instance;
    if (instance.claim() == SingleInstance::Role::secondary)
        return 0;

    TabrinoApp tabrino(PersistentContainer::defaultPath());
    if (!tabrino.isRunning())
        return failToStart(tabrino.fatalError());
    QObject::connect(&instance, &SingleInstance::showPanelRequested, &tabrino, &TabrinoApp::showPanel);
    return QApplication::exec();
}
