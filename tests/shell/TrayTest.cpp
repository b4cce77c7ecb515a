// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PortalDouble.h"
#include "TrayHostDouble.h"
#include "XfconfDouble.h"

#include "format/FormatterCache.h"
#include "platform/StatusNotifierItem.h"
#include "platform/StatusNotifierMenu.h"
#include "platform/StatusNotifierPixmap.h"
#include "platform/StatusNotifierToolTip.h"
#include "shell/PanelWindow.h"
#include "shell/TrayController.h"
#include "shell/TrayIconRenderer.h"
#include "ui/LabelFixture.h"
#include "ui/main/TrayLabel.h"

#include <QCoreApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryFile>
#include <QTest>

#include <gtest/gtest.h>

#include <iostream>

using namespace tabrino;

namespace {

using Drawing = StatusNotifierHost::Drawing;

int opaquePixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
    }
    return count;
}

// The colour of the image's most opaque pixel: what it is drawn in.
QColor ink(const QImage& image)
{
    QRgb strongest = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > qAlpha(strongest))
                strongest = image.pixel(x, y);
        }
    }
    return QColor(qRed(strongest), qGreen(strongest), qBlue(strongest));
}

StatusNotifierHost hostOf(Drawing drawing, const QString& program, QStringList arguments = {})
{
    StatusNotifierHost host;
    host.drawing = drawing;
    host.program = program;
    host.arguments = std::move(arguments);
    return host;
}

class TrayTest : public ::testing::Test, protected test::LabelFixture {
protected:
    void SetUp() override { tray.setHost(hostOf(Drawing::Label, QStringLiteral("gnome-shell"))); }

    QString service() const { return tray.statusNotifierItem() ? tray.statusNotifierItem()->serviceName() : QString(); }

    void startAndWaitForRegistration()
    {
        QElapsedTimer timer;
        timer.start();
        ASSERT_EQ(tray.start(), TrayController::Backend::StatusNotifierItem);
        QSignalSpy registered(tray.statusNotifierItem(), &StatusNotifierItem::registered);
        ASSERT_TRUE(registered.wait(5000));
        std::cout << "[ measure  ] start to item registered: " << timer.nsecsElapsed() / 1000 << " us\n";
        EXPECT_EQ(host->registrations(), QStringList{service()});
        host->watchItem(service());
    }

    QString text(const char* property)
    {
        return host->itemProperty(service(), QString::fromLatin1(property)).toString();
    }

    StatusNotifierPixmaps pixmaps()
    {
        StatusNotifierPixmaps result;
        host->itemProperty(service(), QStringLiteral("IconPixmap")).value<QDBusArgument>() >> result;
        return result;
    }

    StatusNotifierToolTip toolTip()
    {
        StatusNotifierToolTip result;
        host->itemProperty(service(), QStringLiteral("ToolTip")).value<QDBusArgument>() >> result;
        return result;
    }

    QImage imageAt(int height)
    {
        for (const StatusNotifierPixmap& pixmap : pixmaps()) {
            if (pixmap.height == height)
                return pixmap.toImage();
        }
        return QImage();
    }

    QList<QSize> sizes()
    {
        QList<QSize> result;
        for (const StatusNotifierPixmap& pixmap : pixmaps())
            result << QSize(pixmap.width, pixmap.height);
        return result;
    }

    int opaquePixelsAt(int size) { return opaquePixels(imageAt(size)); }

    QString menuPath() { return host->itemProperty(service(), QStringLiteral("Menu")).value<QDBusObjectPath>().path(); }

    // Clicks the item as a host does; the answer, which GNOME Shell needs
    // to be an error.
    QDBusMessage click(const char* method, int x, int y)
    {
        return host->callItemForAnswer(service(), QString::fromLatin1(method), {x, y});
    }

    QDBusMessage callMenu(const char* method, const QVariantList& arguments,
                          const QString& interface = QStringLiteral("com.canonical.dbusmenu"))
    {
        return host->callObject(service(), QStringLiteral("/MenuBar"), interface, QString::fromLatin1(method),
                                arguments);
    }

    // The menu's layout from the root down, and its revision.
    DBusMenuLayout menuLayout(uint* revision = nullptr, int depth = -1)
    {
        const QDBusMessage answer = callMenu("GetLayout", {0, depth, QStringList()});
        DBusMenuLayout root;
        root.id = -1;
        EXPECT_EQ(answer.signature(), u"u(ia{sv}av)") << answer.errorMessage().toStdString();
        if (answer.arguments().size() != 2)
            return root;
        if (revision)
            *revision = answer.arguments().at(0).toUInt();
        answer.arguments().at(1).value<QDBusArgument>() >> root;
        return root;
    }

    // The entries under the root, each read from its own variant, which
    // must hold a (ia{sv}av) as dbusmenu hosts expect.
    QList<DBusMenuLayout> menuEntries(uint* revision = nullptr)
    {
        QList<DBusMenuLayout> entries;
        for (const QVariant& child : menuLayout(revision).children) {
            const QDBusArgument argument = child.value<QDBusArgument>();
            EXPECT_EQ(argument.currentSignature(), u"(ia{sv}av)");
            DBusMenuLayout entry;
            argument >> entry;
            entries << entry;
        }
        return entries;
    }

    QString layoutUpdated()
    {
        uint revision = 0;
        menuLayout(&revision);
        return QStringLiteral("LayoutUpdated(%1,0)").arg(revision);
    }

    QDBusMessage menuEvent(int id, const QString& eventId)
    {
        return callMenu("Event", {id, eventId, QVariant::fromValue(QDBusVariant(0)), 0u});
    }

    FormatterCache usEnglish{QStringLiteral("en_US")};
    TrayLabel label{*store, settings, usEnglish};
    std::unique_ptr<test::TrayHostDouble> host = std::make_unique<test::TrayHostDouble>();
    // Files of the machine's own desktop never decide a colour here.
    TrayController tray{label, DesktopColorScheme::Sources{QDBusConnection::sessionBus(), QString(), QString()}};
};

}  // namespace

TEST_F(TrayTest, registersTheItemAndExposesTheLabel)
{
    add("12.99", 20);
    startAndWaitForRegistration();

    EXPECT_TRUE(QRegularExpression(
                    QStringLiteral("^org\\.kde\\.StatusNotifierItem-%1-\\d+$").arg(QCoreApplication::applicationPid()))
                    .match(service())
                    .hasMatch())
        << service().toStdString();
    EXPECT_EQ(text("Category"), u"ApplicationStatus");
    EXPECT_EQ(text("Id"), u"tabrino");
    EXPECT_EQ(text("Status"), u"Active");
    EXPECT_EQ(host->itemProperty(service(), QStringLiteral("ItemIsMenu")), QVariant(false));
    EXPECT_EQ(text("Title"), u"Tabrino. Monthly total $13/mo.");
    EXPECT_EQ(text("XAyatanaLabel"), u"$13/mo");
    EXPECT_EQ(text("XAyatanaLabelGuide"), u"$13/mo");
    EXPECT_EQ(toolTip().title, u"Tabrino. Monthly total $13/mo.");

    // The usual tray sizes and their doubles for a scale of 2, all square.
    EXPECT_EQ(sizes(), (QList<QSize>{{16, 16}, {22, 22}, {24, 24}, {32, 32}, {44, 44}, {48, 48}, {64, 64}}));
    for (const StatusNotifierPixmap& icon : pixmaps())
        EXPECT_EQ(icon.bytes.size(), icon.width * icon.height * 4);
    // The card covers a good part of the square.
    EXPECT_GT(opaquePixelsAt(22), 22 * 22 / 5);
}

TEST_F(TrayTest, followsTheLabelWithOneSignalPerRealChange)
{
    add("12.99", 20);
    startAndWaitForRegistration();
    const QImage cardOnly = imageAt(22);

    settings.setTrayDisplayMode(TrayDisplayMode::IconOnly);
    EXPECT_EQ(host->takeSignals(service()), QStringList{u"XAyatanaNewLabel(,)"_qs});
    EXPECT_EQ(text("XAyatanaLabel"), u"");
    EXPECT_EQ(text("Title"), u"Tabrino. Monthly total $13/mo.");

    // With a host that draws the text, "total only" leaves the icon empty...
    settings.setTrayDisplayMode(TrayDisplayMode::Total);
    EXPECT_EQ(host->takeSignals(service()), (QStringList{u"NewIcon()"_qs, u"XAyatanaNewLabel($13/mo,$13/mo)"_qs}));
    EXPECT_EQ(opaquePixelsAt(22), 0);
    // ...and with one that does not, the amount moves into the image.
    tray.setHost(hostOf(Drawing::SquareImage, QStringLiteral("plasmashell")));
    EXPECT_EQ(host->takeSignals(service()), (QStringList{layoutUpdated(), u"NewIcon()"_qs, u"NewToolTip()"_qs}));
    EXPECT_GT(opaquePixelsAt(22), 0);
    EXPECT_NE(imageAt(22), cardOnly);
    tray.setHost(hostOf(Drawing::Label, QStringLiteral("gnome-shell")));
    EXPECT_EQ(host->takeSignals(service()), (QStringList{layoutUpdated(), u"NewIcon()"_qs, u"NewToolTip()"_qs}));

    settings.setTrayDisplayMode(TrayDisplayMode::IconAndTotal);
    EXPECT_EQ(host->takeSignals(service()), QStringList{u"NewIcon()"_qs});
    EXPECT_EQ(imageAt(22), cardOnly);
    settings.setDefaultCurrencyCode(QStringLiteral("EUR"));
    EXPECT_EQ(host->takeSignals(service()),
              (QStringList{u"XAyatanaNewLabel(€13/mo,€13/mo)"_qs, u"NewTitle()"_qs, u"NewToolTip()"_qs}));
    EXPECT_EQ(text("Title"), u"Tabrino. Monthly total €13/mo.");
    EXPECT_EQ(toolTip().title, u"Tabrino. Monthly total €13/mo.");

    // A new charge due in two days: the total, the spoken warning and the dot.
    add("7", 2);
    EXPECT_EQ(
        host->takeSignals(service()),
        (QStringList{u"NewIcon()"_qs, u"XAyatanaNewLabel(€20/mo,€20/mo)"_qs, u"NewTitle()"_qs, u"NewToolTip()"_qs}));
    EXPECT_EQ(text("Title"), u"Tabrino. Monthly total €20/mo. A subscription renews within 3 days.");
    const QImage withDot = imageAt(22);
    EXPECT_NE(withDot, cardOnly);
    EXPECT_GT(qAlpha(withDot.pixel(TrayIconRenderer::dotCentre(22).toPoint())), 200);

    settings.setShowsRenewalIndicator(false);
    EXPECT_EQ(host->takeSignals(service()), QStringList{u"NewIcon()"_qs});
    EXPECT_EQ(imageAt(22), cardOnly);

    // Nothing shown changes: nothing is announced.
    settings.setDefaultCurrencyCode(QStringLiteral("EUR"));
    store->active().first()->setName(QStringLiteral("Renamed"));
    store->save();
    EXPECT_EQ(host->takeSignals(service()), QStringList());
}

TEST_F(TrayTest, iconPixelsTravelAsArgbInNetworkByteOrder)
{
    add("4", 1);
    tray.setForeground(QColor(255, 0, 0));
    startAndWaitForRegistration();

    for (const StatusNotifierPixmap& icon : pixmaps()) {
        const QPointF centre = TrayIconRenderer::dotCentre(icon.width);
        const qsizetype at = (qsizetype(centre.y()) * icon.width + qsizetype(centre.x())) * 4;
        EXPECT_EQ(icon.bytes.mid(at, 4), QByteArray::fromHex("ffff0000")) << icon.width;
        EXPECT_EQ(icon.bytes.mid(0, 4), QByteArray::fromHex("00000000")) << icon.width;
    }
}

TEST_F(TrayTest, registersAgainWithARestartedWatcher)
{
    startAndWaitForRegistration();
    const QString name = service();
    host.reset();
    host = std::make_unique<test::TrayHostDouble>();
    EXPECT_TRUE(QTest::qWaitFor([&] { return host->registrations() == QStringList{name}; }, 5000));
}

TEST_F(TrayTest, withoutAnyTrayReportsNoneUntilAWatcherAppears)
{
    host = std::make_unique<test::TrayHostDouble>(false);
    QSignalSpy backendChanged(&tray, &TrayController::backendChanged);
    EXPECT_EQ(tray.start(), TrayController::Backend::None);
    EXPECT_EQ(tray.statusNotifierItem(), nullptr);

    host = std::make_unique<test::TrayHostDouble>();
    ASSERT_TRUE(backendChanged.wait(5000));
    EXPECT_EQ(backendChanged.first().first().value<TrayController::Backend>(),
              TrayController::Backend::StatusNotifierItem);
    EXPECT_TRUE(QTest::qWaitFor([&] { return host->registrations().contains(service()); }, 5000));
}

TEST_F(TrayTest, activationTogglesThePanelUnderTheItem)
{
    QQmlEngine engine;
    PanelWindow panel(engine);
    QQmlComponent content(&engine);
    content.setData("import QtQuick\nRectangle { implicitHeight: 300; color: \"steelblue\" }", QUrl());
    ASSERT_TRUE(panel.setContent(content)) << panel.errorString().toStdString();
    QObject::connect(&tray, &TrayController::activated, &panel, &PanelWindow::toggleAt);
    startAndWaitForRegistration();

    // GNOME Shell's answer to Activate is an error, the panel toggling all the same.
    const auto activate = [this](int x, int y) {
        const QDBusMessage answer = click("Activate", x, y);
        return answer.type() == QDBusMessage::ErrorMessage && answer.errorName() == StatusNotifierItem::kCancelledError;
    };
    QSignalSpy frames(&panel, &QQuickWindow::frameSwapped);
    QElapsedTimer timer;
    timer.start();
    ASSERT_TRUE(activate(640, 10));
    ASSERT_TRUE(frames.count() > 0 || frames.wait(5000));
    std::cout << "[ measure  ] Activate to first panel frame: " << timer.nsecsElapsed() / 1000 << " us\n";
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    EXPECT_EQ(panel.geometry(), QRect(460, 10 + PanelWindow::kGap, 360, 300));

    ASSERT_TRUE(activate(640, 10));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !panel.isVisible(); }, 2000));

    // Near the bottom right corner the panel stays on the screen.
    const QRect screen = panel.screen()->availableGeometry();
    const qsizetype framesBefore = frames.count();
    timer.restart();
    ASSERT_TRUE(activate(screen.right() - 4, screen.bottom() - 4));
    ASSERT_TRUE(QTest::qWaitFor([&] { return frames.count() > framesBefore; }, 5000));
    std::cout << "[ measure  ] Activate to frame, reopening: " << timer.nsecsElapsed() / 1000 << " us\n";
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    EXPECT_EQ(panel.geometry(), QRect(screen.right() + 1 - 360, screen.bottom() + 1 - 300, 360, 300));

    // A right click toggles it as well, the host having no menu to show.
    ASSERT_TRUE(host->callItem(service(), QStringLiteral("ContextMenu"), {3, 3}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !panel.isVisible(); }, 2000));
    ASSERT_TRUE(host->callItem(service(), QStringLiteral("ContextMenu"), {3, 3}));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    EXPECT_EQ(panel.position(), QPoint(screen.left(), 3 + PanelWindow::kGap));
}

// GNOME Shell's AppIndicator extension shows an item only with a menu, and
// after one Activate that succeeds it passes on double clicks alone.
TEST_F(TrayTest, onGnomeShellEveryClickActivatesAndIsAnsweredAsCancelled)
{
    startAndWaitForRegistration();
    QSignalSpy activated(&tray, &TrayController::activated);

    for (int click = 1; click <= 3; ++click) {
        const QDBusMessage answer = this->click("Activate", 640, 10);
        EXPECT_EQ(answer.type(), QDBusMessage::ErrorMessage) << click;
        EXPECT_EQ(answer.errorName(), u"org.gtk.GDBus.UnmappedGError.Quark._g_2dio_2derror_2dquark.Code19") << click;
        ASSERT_EQ(activated.count(), click);
        EXPECT_EQ(activated.last().first().toPoint(), QPoint(640, 10));
    }

    // A middle click toggles too, and succeeds: the extension makes no
    // single-click decision on it.
    EXPECT_EQ(click("SecondaryActivate", 700, 12).type(), QDBusMessage::ReplyMessage);
    ASSERT_EQ(activated.count(), 4);
    EXPECT_EQ(activated.last().first().toPoint(), QPoint(700, 12));
    // Right clicks are left as they were.
    EXPECT_EQ(click("ContextMenu", 3, 3).type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(activated.count(), 5);
}

TEST_F(TrayTest, onGnomeShellTheItemHasAMenuWithNothingInIt)
{
    startAndWaitForRegistration();
    EXPECT_EQ(menuPath(), u"/MenuBar");
    EXPECT_EQ(host->itemProperty(service(), QStringLiteral("ItemIsMenu")), QVariant(false));

    // The extension's first questions, as it asks them.
    const QDBusMessage properties =
        callMenu("GetAll", {u"com.canonical.dbusmenu"_qs}, QStringLiteral("org.freedesktop.DBus.Properties"));
    ASSERT_EQ(properties.type(), QDBusMessage::ReplyMessage) << properties.errorMessage().toStdString();
    QVariantMap values;
    properties.arguments().first().value<QDBusArgument>() >> values;
    EXPECT_EQ(values.value(u"Version"_qs), QVariant(3u));
    EXPECT_EQ(values.value(u"TextDirection"_qs), QVariant(u"ltr"_qs));
    EXPECT_EQ(values.value(u"Status"_qs), QVariant(u"normal"_qs));
    EXPECT_EQ(values.value(u"IconThemePath"_qs).toStringList(), QStringList());
    EXPECT_TRUE(values.contains(u"IconThemePath"_qs));

    const QDBusMessage layout = callMenu("GetLayout", {0, -1, QStringList{u"type"_qs, u"children-display"_qs}});
    ASSERT_EQ(layout.type(), QDBusMessage::ReplyMessage) << layout.errorMessage().toStdString();
    EXPECT_EQ(layout.signature(), u"u(ia{sv}av)");
    ASSERT_EQ(layout.arguments().size(), 2);
    DBusMenuLayout root;
    root.id = -1;
    layout.arguments().at(1).value<QDBusArgument>() >> root;
    EXPECT_EQ(root.id, 0);
    EXPECT_EQ(root.properties, (QVariantMap{{u"children-display"_qs, u"submenu"_qs}}));
    EXPECT_TRUE(root.children.isEmpty());
    // Only the properties asked for.
    const QDBusMessage typeOnly = callMenu("GetLayout", {0, -1, QStringList{u"type"_qs}});
    ASSERT_EQ(typeOnly.arguments().size(), 2);
    DBusMenuLayout bare;
    typeOnly.arguments().at(1).value<QDBusArgument>() >> bare;
    EXPECT_TRUE(bare.properties.isEmpty());

    const QDBusMessage aboutToShow = callMenu("AboutToShow", {0});
    ASSERT_EQ(aboutToShow.type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(aboutToShow.arguments(), QVariantList{false});
    const QDBusMessage aboutToShowGroup = callMenu("AboutToShowGroup", {QVariant::fromValue(QList<int>{0, 4})});
    ASSERT_EQ(aboutToShowGroup.type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(aboutToShowGroup.signature(), u"aiai");
    EXPECT_EQ(qdbus_cast<QList<int>>(aboutToShowGroup.arguments().at(1)), QList<int>{4});

    const QDBusMessage group = callMenu("GetGroupProperties", {QVariant::fromValue(QList<int>{0, 7}), QStringList()});
    ASSERT_EQ(group.type(), QDBusMessage::ReplyMessage);
    QList<DBusMenuItemProperties> items;
    group.arguments().first().value<QDBusArgument>() >> items;
    ASSERT_EQ(items.size(), 1);
    EXPECT_EQ(items.first().id, 0);

    EXPECT_EQ(callMenu("GetProperty", {0, u"children-display"_qs}).arguments().first().value<QDBusVariant>().variant(),
              QVariant(u"submenu"_qs));
    EXPECT_EQ(callMenu("GetProperty", {9, u"label"_qs}).type(), QDBusMessage::ErrorMessage);
    EXPECT_EQ(callMenu("GetLayout", {9, -1, QStringList()}).type(), QDBusMessage::ErrorMessage);
    EXPECT_EQ(callMenu("Event", {0, u"opened"_qs, QVariant::fromValue(QDBusVariant(0)), 0u}).type(),
              QDBusMessage::ReplyMessage);
}

// On GNOME Shell a menu with entries would open on a left click instead
// of Activate, so nothing may reach its menu there.
TEST_F(TrayTest, onGnomeShellTheMenuStaysEmptyAndItsEntriesDoNothing)
{
    startAndWaitForRegistration();
    QSignalSpy activated(&tray, &TrayController::activated);
    QSignalSpy quit(&tray, &TrayController::quitRequested);
    EXPECT_TRUE(menuLayout().children.isEmpty());

    // A host that remembered the entries from elsewhere gets nothing for them.
    EXPECT_EQ(menuEvent(1, u"clicked"_qs).type(), QDBusMessage::ErrorMessage);
    EXPECT_EQ(menuEvent(3, u"clicked"_qs).type(), QDBusMessage::ErrorMessage);
    const QDBusMessage group =
        callMenu("EventGroup",
                 {QVariant::fromValue(QList<DBusMenuEvent>{{1, u"clicked"_qs, QDBusVariant(0), 0},
                                                           {3, u"clicked"_qs, QDBusVariant(0), 0}})});
    ASSERT_EQ(group.type(), QDBusMessage::ReplyMessage) << group.errorMessage().toStdString();
    EXPECT_EQ(qdbus_cast<QList<int>>(group.arguments().first()), (QList<int>{1, 3}));
    EXPECT_EQ(callMenu("GetProperty", {1, u"label"_qs}).type(), QDBusMessage::ErrorMessage);
    QList<DBusMenuItemProperties> items;
    callMenu("GetGroupProperties", {QVariant::fromValue(QList<int>()), QStringList()})
            .arguments()
            .first()
            .value<QDBusArgument>()
        >> items;
    ASSERT_EQ(items.size(), 1);
    EXPECT_EQ(items.first().id, 0);
    EXPECT_EQ(activated.count(), 0);
    EXPECT_EQ(quit.count(), 0);

    // Another GNOME Shell after this one changes nothing, and says nothing.
    host->takeSignals(service());
    tray.setHost(hostOf(Drawing::Label, QStringLiteral("gnome-shell"), {u"gnome-shell"_qs, u"--replace"_qs}));
    EXPECT_TRUE(host->takeSignals(service()).filter(u"LayoutUpdated"_qs).isEmpty());
    EXPECT_TRUE(menuLayout().children.isEmpty());
}

TEST_F(TrayTest, elsewhereTheMenuOffersOpenAndQuitAndActivateSucceeds)
{
    tray.setHost(hostOf(Drawing::SquareImage, QStringLiteral("plasmashell")));
    startAndWaitForRegistration();
    QSignalSpy activated(&tray, &TrayController::activated);
    EXPECT_EQ(menuPath(), u"/MenuBar");
    // A menu of the item's own would replace the click's Activate.
    EXPECT_EQ(host->itemProperty(service(), QStringLiteral("ItemIsMenu")), QVariant(false));

    const QList<DBusMenuLayout> entries = menuEntries();
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(entries.at(0).id, 1);
    EXPECT_EQ(entries.at(0).properties,
              (QVariantMap{{u"label"_qs, u"Open Tabrino"_qs},
                           {u"type"_qs, u"standard"_qs},
                           {u"enabled"_qs, true},
                           {u"visible"_qs, true}}));
    EXPECT_EQ(entries.at(1).id, 2);
    EXPECT_EQ(entries.at(1).properties.value(u"type"_qs), QVariant(u"separator"_qs));
    EXPECT_FALSE(entries.at(1).properties.contains(u"label"_qs));
    EXPECT_EQ(entries.at(1).properties.value(u"visible"_qs), QVariant(true));
    EXPECT_EQ(entries.at(2).id, 3);
    EXPECT_EQ(entries.at(2).properties.value(u"label"_qs), QVariant(u"Quit Tabrino"_qs));
    EXPECT_EQ(entries.at(2).properties.value(u"enabled"_qs), QVariant(true));
    for (const DBusMenuLayout& entry : entries)
        EXPECT_TRUE(entry.children.isEmpty()) << entry.id;
    EXPECT_EQ(menuLayout().properties, (QVariantMap{{u"children-display"_qs, u"submenu"_qs}}));

    // The other ways hosts read the same entries.
    EXPECT_TRUE(menuLayout(nullptr, 0).children.isEmpty());
    const QDBusMessage quitEntry = callMenu("GetLayout", {3, -1, QStringList{u"label"_qs}});
    ASSERT_EQ(quitEntry.type(), QDBusMessage::ReplyMessage) << quitEntry.errorMessage().toStdString();
    DBusMenuLayout quitLayout;
    quitEntry.arguments().at(1).value<QDBusArgument>() >> quitLayout;
    EXPECT_EQ(quitLayout.id, 3);
    EXPECT_EQ(quitLayout.properties, (QVariantMap{{u"label"_qs, u"Quit Tabrino"_qs}}));
    EXPECT_EQ(callMenu("GetProperty", {1, u"label"_qs}).arguments().first().value<QDBusVariant>().variant(),
              QVariant(u"Open Tabrino"_qs));
    QList<DBusMenuItemProperties> items;
    callMenu("GetGroupProperties", {QVariant::fromValue(QList<int>{3, 9, 1}), QStringList{u"type"_qs}})
            .arguments()
            .first()
            .value<QDBusArgument>()
        >> items;
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items.at(0).id, 3);
    EXPECT_EQ(items.at(1).id, 1);
    EXPECT_EQ(items.at(1).properties, (QVariantMap{{u"type"_qs, u"standard"_qs}}));
    const QDBusMessage aboutToShowGroup =
        callMenu("AboutToShowGroup", {QVariant::fromValue(QList<int>{0, 1, 2, 3, 4})});
    ASSERT_EQ(aboutToShowGroup.type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(qdbus_cast<QList<int>>(aboutToShowGroup.arguments().at(1)), QList<int>{4});
    EXPECT_EQ(callMenu("GetLayout", {4, -1, QStringList()}).type(), QDBusMessage::ErrorMessage);

    // Plasma would take a failed Activate as a call for the context menu.
    for (int click = 1; click <= 2; ++click) {
        const QDBusMessage answer = this->click("Activate", 640, 10);
        EXPECT_EQ(answer.type(), QDBusMessage::ReplyMessage) << answer.errorName().toStdString();
        EXPECT_EQ(activated.count(), click);
    }
    EXPECT_EQ(click("SecondaryActivate", 640, 10).type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(activated.count(), 2);

    // An unrecognised host is treated the same.
    tray.setHost(StatusNotifierHost{});
    EXPECT_EQ(menuPath(), u"/MenuBar");
    EXPECT_EQ(menuEntries().size(), 3);
    EXPECT_EQ(click("Activate", 640, 10).type(), QDBusMessage::ReplyMessage);
}

TEST_F(TrayTest, theMenuEntriesOpenThePanelAndAskToQuit)
{
    tray.setHost(StatusNotifierHost{});
    startAndWaitForRegistration();
    QSignalSpy activated(&tray, &TrayController::activated);
    QSignalSpy opened(&tray, &TrayController::openRequested);
    QSignalSpy quit(&tray, &TrayController::quitRequested);

    // Hovers, openings and the separator call for nothing.
    EXPECT_EQ(menuEvent(1, u"hovered"_qs).type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(menuEvent(0, u"opened"_qs).type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(menuEvent(2, u"clicked"_qs).type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(menuEvent(3, u"closed"_qs).type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(opened.count(), 0);
    EXPECT_EQ(quit.count(), 0);

    // "Open Tabrino" opens (never closes, as a click would) at the pointer:
    // the menu gives no position.
    const QDBusMessage open = menuEvent(1, u"clicked"_qs);
    EXPECT_EQ(open.type(), QDBusMessage::ReplyMessage) << open.errorMessage().toStdString();
    ASSERT_EQ(opened.count(), 1);
    EXPECT_EQ(opened.last().first().toPoint(), QCursor::pos());
    EXPECT_EQ(quit.count(), 0);

    EXPECT_EQ(menuEvent(3, u"clicked"_qs).type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(quit.count(), 1);
    EXPECT_EQ(opened.count(), 1);

    EXPECT_EQ(menuEvent(9, u"clicked"_qs).type(), QDBusMessage::ErrorMessage);

    // Hosts that batch their events: the known ones are acted on, the rest named.
    const QDBusMessage group = callMenu("EventGroup",
                                        {QVariant::fromValue(QList<DBusMenuEvent>{
                                            {3, u"clicked"_qs, QDBusVariant(0), 0},
                                            {7, u"clicked"_qs, QDBusVariant(0), 0},
                                            {1, u"clicked"_qs, QDBusVariant(0), 0},
                                        })});
    ASSERT_EQ(group.type(), QDBusMessage::ReplyMessage) << group.errorMessage().toStdString();
    EXPECT_EQ(qdbus_cast<QList<int>>(group.arguments().first()), QList<int>{7});
    EXPECT_EQ(quit.count(), 2);
    EXPECT_EQ(opened.count(), 2);
    EXPECT_EQ(activated.count(), 0);
}

TEST_F(TrayTest, theMenuAndTheAnswerFollowTheHost)
{
    tray.setHost(hostOf(Drawing::SquareImage, QStringLiteral("plasmashell")));
    startAndWaitForRegistration();
    host->takeSignals(service());
    uint revision = 0;
    EXPECT_EQ(menuEntries(&revision).size(), 3);

    // A new host may have read the layout already: it is told, with a
    // newer revision.
    tray.setHost(hostOf(Drawing::Label, QStringLiteral("gnome-shell")));
    EXPECT_TRUE(host->takeSignals(service()).contains(QStringLiteral("LayoutUpdated(%1,0)").arg(revision + 1)));
    uint gnomeRevision = 0;
    EXPECT_TRUE(menuEntries(&gnomeRevision).isEmpty());
    EXPECT_EQ(gnomeRevision, revision + 1);
    EXPECT_EQ(menuPath(), u"/MenuBar");
    EXPECT_EQ(click("Activate", 1, 1).errorName(), StatusNotifierItem::kCancelledError);

    tray.setHost(StatusNotifierHost{});
    EXPECT_TRUE(host->takeSignals(service()).contains(QStringLiteral("LayoutUpdated(%1,0)").arg(revision + 2)));
    uint laterRevision = 0;
    EXPECT_EQ(menuEntries(&laterRevision).size(), 3);
    EXPECT_EQ(laterRevision, revision + 2);
    EXPECT_EQ(menuPath(), u"/MenuBar");
    EXPECT_EQ(click("Activate", 1, 1).type(), QDBusMessage::ReplyMessage);

    // Between two hosts that are not GNOME Shell the entries stay, unannounced.
    tray.setHost(hostOf(Drawing::SquareImage, QStringLiteral("plasmashell")));
    EXPECT_TRUE(host->takeSignals(service()).filter(u"LayoutUpdated"_qs).isEmpty());
}

TEST_F(TrayTest, squareTraysShowTheAmountInTheImageAndTheSymbolOnlyWhenAskedTo)
{
    add("12.99", 20);
    tray.setHost(hostOf(Drawing::SquareImage, QStringLiteral("plasmashell")));
    startAndWaitForRegistration();
    // The label stays on offer, for a host that draws it after all.
    EXPECT_EQ(text("XAyatanaLabel"), u"$13/mo");
    EXPECT_EQ(text("Title"), u"Tabrino. Monthly total $13/mo.");
    for (const QSize& size : sizes())
        EXPECT_EQ(size.width(), size.height());
    const QImage amount = imageAt(22);

    settings.setTrayDisplayMode(TrayDisplayMode::IconOnly);
    EXPECT_EQ(host->takeSignals(service()),
              (QStringList{u"NewIcon()"_qs, u"XAyatanaNewLabel(,)"_qs, u"NewToolTip()"_qs}));
    const QImage card = imageAt(22);
    EXPECT_NE(card, amount);
    EXPECT_GT(opaquePixels(card), 22 * 22 / 5);

    // "Total only" looks as "Icon and total" does: the square holds no more.
    settings.setTrayDisplayMode(TrayDisplayMode::Total);
    EXPECT_EQ(imageAt(22), amount);

    add("7", 2);
    EXPECT_GT(qAlpha(imageAt(22).pixel(TrayIconRenderer::cornerDotCentre(22).toPoint())), 200);
}

TEST_F(TrayTest, onPlasmaTheTooltipTitleIsTheShownTotalForThePanelWidget)
{
    add("12.99", 20);
    tray.setHost(hostOf(Drawing::SquareImage, QStringLiteral("plasmashell")));
    startAndWaitForRegistration();
    EXPECT_EQ(toolTip().title, u"$13/mo");
    EXPECT_EQ(toolTip().description, u"Tabrino. Monthly total $13/mo.");
    EXPECT_EQ(text("Title"), u"Tabrino. Monthly total $13/mo.");

    // "Icon only": the description alone, as the widget then shows no total.
    settings.setTrayDisplayMode(TrayDisplayMode::IconOnly);
    EXPECT_EQ(toolTip().title, u"Tabrino. Monthly total $13/mo.");
    EXPECT_EQ(toolTip().description, u"");

    // Other square trays keep the description as the title.
    settings.setTrayDisplayMode(TrayDisplayMode::IconAndTotal);
    tray.setHost(StatusNotifierHost{});
    EXPECT_EQ(toolTip().title, u"Tabrino. Monthly total $13/mo.");
    EXPECT_EQ(toolTip().description, u"");
}

TEST_F(TrayTest, waybarGetsOneWideImageAtItsBarHeight)
{
    QTemporaryFile config;
    ASSERT_TRUE(config.open());
    config.write(R"({ "modules-right": ["tray"], "tray": { "icon-size": 18 } })");
    config.close();
    add("12.99", 20);
    tray.setHost(hostOf(Drawing::WideImage, QStringLiteral("waybar"), {u"waybar"_qs, u"-c"_qs, config.fileName()}));
    startAndWaitForRegistration();

    // waybar takes the largest image and scales it to the bar: one height.
    ASSERT_EQ(sizes().size(), 1);
    const QSize both = sizes().first();
    EXPECT_EQ(both.height(), 18);
    EXPECT_GT(both.width(), 3 * 18);

    settings.setTrayDisplayMode(TrayDisplayMode::Total);
    const QSize total = sizes().first();
    EXPECT_EQ(total.height(), 18);
    EXPECT_LT(total.width(), both.width());
    EXPECT_GT(total.width(), 2 * 18);

    settings.setTrayDisplayMode(TrayDisplayMode::IconOnly);
    EXPECT_EQ(sizes(), QList<QSize>{QSize(18, 18)});
}

// waybar reports the click within the item; the item's place on the screen
// comes from the bar's configuration instead.
TEST_F(TrayTest, onWaybarThePanelOpensAtTheScreensEdgeByTheTray)
{
    QTemporaryFile config;
    ASSERT_TRUE(config.open());
    config.write(R"({ "position": "bottom", "modules-left": ["tray"] })");
    config.close();
    tray.setHost(hostOf(Drawing::WideImage, QStringLiteral("waybar"), {u"waybar"_qs, u"-c"_qs, config.fileName()}));
    startAndWaitForRegistration();
    QSignalSpy activated(&tray, &TrayController::activated);

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCursor::setPos(screen.center());
    EXPECT_EQ(click("Activate", 9, 17).type(), QDBusMessage::ReplyMessage);
    ASSERT_EQ(activated.count(), 1);
    EXPECT_EQ(activated.last().first().toPoint(), screen.bottomLeft());

    // Without a configuration to read, the pointer is the best guess.
    tray.setHost(hostOf(Drawing::WideImage, QStringLiteral("waybar"), {u"waybar"_qs, u"-c"_qs, u"/nonexistent"_qs}));
    click("Activate", 9, 17);
    ASSERT_EQ(activated.count(), 2);
    EXPECT_EQ(activated.last().first().toPoint(), QCursor::pos());
}

TEST_F(TrayTest, withNoColoursChosenOnlyPlasmasPanelIsLight)
{
    add("12.99", 20);
    tray.setHost(hostOf(Drawing::SquareImage, QStringLiteral("plasmashell")));
    startAndWaitForRegistration();
    EXPECT_EQ(ink(imageAt(22)), TrayController::foregroundOnLight());
    tray.setHost(StatusNotifierHost{});
    EXPECT_EQ(ink(imageAt(22)), TrayController::foregroundOnDark());
}

TEST_F(TrayTest, drawsDarkOnALightPanelAndFollowsTheDesktopsSwitch)
{
    const QString appearance = QStringLiteral("org.freedesktop.appearance");
    test::PortalDouble portal({{appearance + u" color-scheme"_qs, 2u}});
    add("12.99", 20);
    tray.setHost(hostOf(Drawing::SquareImage, QStringLiteral("plasmashell")));
    startAndWaitForRegistration();
    EXPECT_TRUE(QTest::qWaitFor([&] { return ink(imageAt(22)) == TrayController::foregroundOnLight(); }, 5000));
    host->takeSignals(service());

    portal.change(appearance, QStringLiteral("color-scheme"), 1u);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ink(imageAt(22)) == TrayController::foregroundOnDark(); }, 5000));
    EXPECT_EQ(host->takeSignals(service()), QStringList{u"NewIcon()"_qs});

    // GNOME Shell's top bar stays dark whatever the desktop prefers.
    portal.change(appearance, QStringLiteral("color-scheme"), 2u);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ink(imageAt(22)) == TrayController::foregroundOnLight(); }, 5000));
    tray.setHost(hostOf(Drawing::Label, QStringLiteral("gnome-shell")));
    EXPECT_EQ(ink(imageAt(22)), TrayController::foregroundOnDark());
}

TEST_F(TrayTest, xfcesTrayGetsItsOwnSizeAndItsPanelsColour)
{
    test::XfconfDouble xfconf({{u"/panels/panel-1/plugin-ids"_qs, QVariantList{1, 6}},
                               {u"/panels/panel-1/size"_qs, 26u},
                               {u"/panels/dark-mode"_qs, true},
                               {u"/plugins/plugin-6"_qs, u"systray"_qs}},
                              {{u"/Net/ThemeName"_qs, u"Adwaita"_qs}});
    add("12.99", 20);
    StatusNotifierHost xfce = hostOf(Drawing::SquareImage, QStringLiteral("xfce4-panel"));
    xfce.xfcePluginId = 6;
    tray.setHost(xfce);
    startAndWaitForRegistration();
    // The plugin's default size on a 26-pixel panel, and Adwaita's dark variant.
    EXPECT_TRUE(QTest::qWaitFor([&] { return sizes() == QList<QSize>{QSize(22, 22)}; }, 5000));
    EXPECT_EQ(ink(imageAt(22)), TrayController::foregroundOnDark());

    // A theme GTK cannot find falls back to light Adwaita, dark mode or not.
    xfconf.change(u"xsettings"_qs, u"/Net/ThemeName"_qs, u"Missing"_qs);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ink(imageAt(22)) == TrayController::foregroundOnLight(); }, 5000));

    xfconf.change(u"xfce4-panel"_qs, u"/plugins/plugin-6/icon-size"_qs, 16u);
    EXPECT_TRUE(QTest::qWaitFor([&] { return sizes() == QList<QSize>{QSize(16, 16)}; }, 5000));
}
