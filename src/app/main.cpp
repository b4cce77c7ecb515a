#include "app/Version.h"
#include "store/PersistentContainer.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

using namespace tabrino;

namespace {

// The one fatal error of the program: the data store cannot be opened. The
// file is left untouched so nothing the user had is lost.
[[noreturn]] void failToStart(const QString& description)
{
    const QString message = QStringLiteral("Couldn't create data store: ") + description;
    std::fprintf(stderr, "%s\n", qPrintable(message));
    const QString platform = QGuiApplication::platformName();
    if (platform != u"offscreen" && platform != u"minimal")
        QMessageBox::critical(nullptr, QStringLiteral("Tabrino"), message);
    std::exit(1);
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tabrino"));
    QApplication::setApplicationName(QStringLiteral("Tabrino"));
    QApplication::setApplicationVersion(QStringLiteral(TABRINO_VERSION));
    QApplication::setQuitOnLastWindowClosed(false);

    QString error;
    std::unique_ptr<PersistentContainer> container = PersistentContainer::open(PersistentContainer::defaultPath(), &error);
    if (!container)
        failToStart(error);

    return QApplication::exec();
}
