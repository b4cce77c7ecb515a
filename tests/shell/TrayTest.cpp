#include "TrayHostDouble.h"

#include "format/FormatterCache.h"
#include "shell/PanelWindow.h"
#include "platform/StatusNotifierItem.h"
#include "platform/StatusNotifierPixmap.h"
#include "platform/StatusNotifierToolTip.h"
#include "shell/TrayController.h"
#include "shell/TrayIconRenderer.h"
#include "ui/panel/LabelFixture.h"
#include "ui/panel/MenuBarLabel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <iostream>

using namespace tabrino;

namespace {

int opaquePixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
    }
    return count;
}

class TrayTest : public ::testing::Test, protected test::LabelFixture {
protected:
    void SetUp() override { tray.setHostShowsLabels(true); }

    QString service() const { return tray.statusNotifierItem() ? tray.statusNotifierItem()->serviceName() : QString(); }

    void startAndWaitForRegistration()
    {
        QElapsedTimer timer;
        timer.start();
        ASSERT_EQ(tray.start(), TrayController::Backend::statusNotifierItem);
        QSignalSpy registered(tray.statusNotifierItem(), &StatusNotifierItem::registered);
        ASSERT_TRUE(registered.wait(5000));
        std::cout << "[ measure  ] start to item registered: " << timer.nsecsElapsed() / 1000 << " us\n";
        EXPECT_EQ(host->registrations(), QStringList{service()});
        host->watchItem(service());
    }

    QString text(const char* property) { return host->itemProperty(service(), QString::fromLatin1(property)).toString(); }

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

    QImage imageAt(int size)
    {
        for (const StatusNotifierPixmap& pixmap : pixmaps()) {
            if (pixmap.width == size)
                return pixmap.toImage();
        }
        return QImage();
    }

    int opaquePixelsAt(int size) { return opaquePixels(imageAt(size)); }

    FormatterCache usEnglish{QStringLiteral("en_US")};
    MenuBarLabel label{*store, settings, usEnglish};
    std::unique_ptr<test::TrayHostDouble> host = std::make_unique<test::TrayHostDouble>();
    TrayController tray{label};
};

}  // namespace

TEST_F(TrayTest, registersTheItemAndExposesTheLabel)
{
    add("12.99", 20);
    startAndWaitForRegistration();

    EXPECT_TRUE(QRegularExpression(QStringLiteral("^org\\.kde\\.StatusNotifierItem-%1-\\d+$")
                                       .arg(QCoreApplication::applicationPid()))
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

    const StatusNotifierPixmaps icons = pixmaps();
    QList<int> sizes;
    for (const StatusNotifierPixmap& icon : icons) {
        sizes << icon.width;
        EXPECT_EQ(icon.height, icon.width);
        EXPECT_EQ(icon.bytes.size(), icon.width * icon.height * 4);
    }
    EXPECT_EQ(sizes, (QList<int>{16, 22, 24, 32, 48}));
    // The card covers a good part of the square.
    EXPECT_GT(opaquePixelsAt(22), 22 * 22 / 5);
}

TEST_F(TrayTest, followsTheLabelWithOneSignalPerRealChange)
{
    add("12.99", 20);
    startAndWaitForRegistration();
    const QImage cardOnly = imageAt(22);

    settings.setMenuBarDisplayMode(MenuBarDisplayMode::iconOnly);
    EXPECT_EQ(host->takeSignals(service()), QStringList{u"XAyatanaNewLabel(,)"_qs});
    EXPECT_EQ(text("XAyatanaLabel"), u"");
    EXPECT_EQ(text("Title"), u"Tabrino. Monthly total $13/mo.");

    // With a host that draws the text, "total only" leaves the icon empty...
    settings.setMenuBarDisplayMode(MenuBarDisplayMode::total);
    EXPECT_EQ(host->takeSignals(service()), (QStringList{u"NewIcon()"_qs, u"XAyatanaNewLabel($13/mo,$13/mo)"_qs}));
    EXPECT_EQ(opaquePixelsAt(22), 0);
    // ...and with one that does not, the card stays so the item can be found.
    tray.setHostShowsLabels(false);
    EXPECT_EQ(host->takeSignals(service()), QStringList{u"NewIcon()"_qs});
    EXPECT_EQ(imageAt(22), cardOnly);

    settings.setDefaultCurrencyCode(QStringLiteral("EUR"));
    EXPECT_EQ(host->takeSignals(service()),
              (QStringList{u"XAyatanaNewLabel(€13/mo,€13/mo)"_qs, u"NewTitle()"_qs, u"NewToolTip()"_qs}));
    EXPECT_EQ(text("Title"), u"Tabrino. Monthly total €13/mo.");
    EXPECT_EQ(toolTip().title, u"Tabrino. Monthly total €13/mo.");

    // A new charge due in two days: the total, the spoken warning and the dot.
    add("7", 2);
    EXPECT_EQ(host->takeSignals(service()), (QStringList{u"NewIcon()"_qs, u"XAyatanaNewLabel(€20/mo,€20/mo)"_qs,
                                                         u"NewTitle()"_qs, u"NewToolTip()"_qs}));
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
    EXPECT_EQ(tray.start(), TrayController::Backend::none);
    EXPECT_EQ(tray.statusNotifierItem(), nullptr);

    host = std::make_unique<test::TrayHostDouble>();
    ASSERT_TRUE(backendChanged.wait(5000));
    EXPECT_EQ(backendChanged.first().first().value<TrayController::Backend>(),
              TrayController::Backend::statusNotifierItem);
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

    QSignalSpy frames(&panel, &QQuickWindow::frameSwapped);
    QElapsedTimer timer;
    timer.start();
    ASSERT_TRUE(host->callItem(service(), QStringLiteral("Activate"), {640, 10}));
    ASSERT_TRUE(frames.count() > 0 || frames.wait(5000));
    std::cout << "[ measure  ] Activate to first panel frame: " << timer.nsecsElapsed() / 1000 << " us\n";
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    EXPECT_EQ(panel.geometry(), QRect(460, 10 + PanelWindow::kGap, 360, 300));

    ASSERT_TRUE(host->callItem(service(), QStringLiteral("Activate"), {640, 10}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !panel.isVisible(); }, 2000));

    // Near the bottom right corner the panel stays on the screen.
    const QRect screen = panel.screen()->availableGeometry();
    const qsizetype framesBefore = frames.count();
    timer.restart();
    ASSERT_TRUE(host->callItem(service(), QStringLiteral("Activate"), {screen.right() - 4, screen.bottom() - 4}));
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

TEST(TrayControllerDesktop, onlyDesktopsKnownToDrawLabelsCount)
{
    const QByteArray before = qgetenv("XDG_CURRENT_DESKTOP");
    const auto showsLabels = [](const char* desktop) {
        qputenv("XDG_CURRENT_DESKTOP", desktop);
        return TrayController::desktopShowsLabels();
    };
    EXPECT_TRUE(showsLabels("GNOME"));
    EXPECT_TRUE(showsLabels("ubuntu:GNOME"));
    EXPECT_TRUE(showsLabels("Unity"));
    EXPECT_FALSE(showsLabels("Budgie:GNOME"));
    EXPECT_FALSE(showsLabels("KDE"));
    EXPECT_FALSE(showsLabels("XFCE"));
    EXPECT_FALSE(showsLabels(""));
    qputenv("XDG_CURRENT_DESKTOP", before);
}
