// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders one screen of the panel with a demo data set to a PNG, for the
// README and for looking at a change, at twice the pixels (QT_SCALE_FACTOR=2
// unless set) so the pictures stay sharp on HiDPI screens. A tool for
// developers, run under Xvfb:
//   tabrino_preview <empty|list|converted|menu|insights|insights-lifetime|settings|settings-archived|settings-data|settings-converted|add-search|add-plan|add-form|edit-form|import> <output.png>
#include "DemoData.h"
#include "EditingPreview.h"
#include "ImportScreenPreview.h"

#include "export/CalendarFileKeeper.h"
#include "platform/UserLanguage.h"
#include "shell/PanelScene.h"
#include "shell/PanelWindow.h"
#include "store/PersistentContainer.h"
#include "ui/main/PanelNavigator.h"

#include <QApplication>
#include <QCursor>
#include <QPainter>
#include <QQuickItem>
#include <QTest>
#include <QTimer>

#include <cstdio>

using namespace tabrino;

namespace {

int fail(const char* message)
{
    std::fprintf(stderr, "tabrino_preview: %s\n", message);
    return 2;
}

QQuickItem* firstRow(QQuickItem* root)
{
    auto* list = root->findChild<QQuickItem*>(QStringLiteral("subscriptionList"));
    QQuickItem* row = nullptr;
    if (list)
        QMetaObject::invokeMethod(list, "itemAtIndex", Q_RETURN_ARG(QQuickItem*, row), Q_ARG(int, 0));
    return row;
}

// The Insights tab; with `lifetime`, scrolled down to the lifetime list.
bool openInsights(QQuickItem* root, bool lifetime)
{
    auto* navigator = root->property("navigator").value<QObject*>();
    if (!navigator || !navigator->setProperty("tab", QVariant::fromValue(PanelNavigator::Tab::Insights)))
        return false;
    QTest::qWait(400);
    auto* scroll = root->findChild<QQuickItem*>(QStringLiteral("insightsScroll"));
    if (lifetime && scroll)
        scroll->setProperty("contentY", scroll->property("contentHeight").toReal() - scroll->height());
    return scroll != nullptr;
}

// The settings screen, scrolled to `section`: "archived" (its list expanded,
// at the bottom), "data" (Your Data) or none (the top).
bool openSettings(QQuickItem* root, const QString& section)
{
    auto* navigator = root->property("navigator").value<QObject*>();
    if (!navigator || !QMetaObject::invokeMethod(navigator, "openSettings"))
        return false;
    QTest::qWait(400);
    auto* scroll = root->findChild<QQuickItem*>(QStringLiteral("settingsScroll"));
    if (section == u"data") {
        auto* importButton = root->findChild<QQuickItem*>(QStringLiteral("importButton"));
        return scroll && importButton
            && QMetaObject::invokeMethod(scroll, "reveal", Q_ARG(QVariant, QVariant::fromValue(importButton)));
    }
    if (section != u"archived")
        return true;
    auto* disclosure = root->findChild<QQuickItem*>(QStringLiteral("archivedDisclosure"));
    if (!disclosure || !scroll || !QMetaObject::invokeMethod(disclosure, "clicked"))
        return false;
    QTest::qWait(400);
    scroll->setProperty("contentY", scroll->property("contentHeight").toReal() - scroll->height());
    return true;
}

// The panel with an open menu over it, on a transparent margin. Each is
// drawn by itself, so neither needs the screen to be large enough for it.
QImage withPopup(QQuickWindow* window, QWidget* popup)
{
    const QImage panel = window->grabWindow();
    const QRect area = window->geometry().united(popup->geometry()).adjusted(-8, -8, 8, 8);
    const qreal ratio = panel.devicePixelRatio();
    QImage picture((QSizeF(area.size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.drawImage(window->geometry().topLeft() - area.topLeft(), panel);
    painter.drawPixmap(popup->geometry().topLeft() - area.topLeft(), popup->grab());
    return picture;
}

}  // namespace

int main(int argc, char** argv)
{
    // The pictures show the full design, as drawn with a graphics device, even
    // on a headless X server; QT_QUICK_BACKEND=software shows the plain one.
    if (!qEnvironmentVariableIsSet("QT_QUICK_BACKEND") && !qEnvironmentVariableIsSet("QSG_RHI_BACKEND"))
        qputenv("QSG_RHI_BACKEND", "opengl");
    if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    UserLanguage::install(app);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return fail(
            "usage: tabrino_preview <empty|list|converted|menu|insights|insights-lifetime|settings|settings-archived|settings-data|settings-converted|add-search|add-plan|add-form|edit-form|import> <output.png>");
    const QString screen = args.at(1);
    const QString output = args.at(2);

    DemoData demo(screen == u"empty" ? DemoData::Set::Empty : DemoData::Set::Subscriptions);
    const bool insights = screen == u"insights" || screen == u"insights-lifetime";
    const bool settings = screen.startsWith(u"settings");
    // Totals in one currency, at the shipped rates.
    if (screen == u"converted" || screen == u"settings-converted")
        demo.settings().setShowsTotalsInOneCurrency(true);
    // Named where the program keeps it; the demo never turns it on, so
    // nothing is written there.
    CalendarFileKeeper calendarFile(demo.store(), demo.settings(),
                                    CalendarFileKeeper::pathBeside(PersistentContainer::defaultPath()));
    PanelScene scene(demo.store(), demo.settings(), calendarFile);
    PanelWindow* window = scene.window();
    if (!window)
        return fail("the panel could not be built");
    // Away from where the window first appears, so no row is drawn hovered.
    QCursor::setPos(0, 0);
    window->showAsWindow();
    if (!QTest::qWaitForWindowExposed(window))
        return fail("the panel was never shown");
    window->setPosition(40, 40);
    if (EditingPreview::handles(screen) && !EditingPreview::open(window->rootItem(), screen))
        return fail("the editing screen could not be opened");
    if (insights && !openInsights(window->rootItem(), screen == u"insights-lifetime"))
        return fail("the insights tab could not be opened");
    if (settings && !openSettings(window->rootItem(), screen.section(u'-', 1, 1)))
        return fail("the settings screen could not be opened");
    ImportScreenPreview importScreen;
    if (ImportScreenPreview::handles(screen) && !importScreen.open(window->rootItem()))
        return fail("the import screen could not be opened");
    QTest::qWait(800);  // let every entrance animation finish

    if (screen == u"menu") {
        QQuickItem* row = firstRow(window->rootItem());
        if (!row)
            return fail("no row to open a menu on");
        QTimer::singleShot(0, row, [row] { QMetaObject::invokeMethod(row, "openMenu", Q_ARG(QVariant, false)); });
        // The desktop's menu runs its own loop; take the picture from inside it.
        QImage picture;
        QTimer::singleShot(700, [&] {
            if (QWidget* menu = QApplication::activePopupWidget()) {
                picture = withPopup(window, menu);
                menu->close();
            }
        });
        QTest::qWait(1200);
        if (picture.isNull())
            return fail("the menu never opened");
        return picture.save(output) ? 0 : fail("the picture could not be written");
    }
    const QImage picture = window->grabWindow().convertToFormat(QImage::Format_RGB32);
    return picture.save(output) ? 0 : fail("the picture could not be written");
}
