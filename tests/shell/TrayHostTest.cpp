// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TrayHostDouble.h"

#include "platform/StatusNotifierHost.h"
#include "platform/WaybarConfig.h"
#include "platform/XfcePanelSettings.h"
#include "support/EnvironmentGuard.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/prctl.h>

using namespace tabrino;

namespace {

using Drawing = StatusNotifierHost::Drawing;
using Process = StatusNotifierHost::Process;

StatusNotifierHost classify(const QList<Process>& processes, const char* desktop = "")
{
    return StatusNotifierHost::classify(processes, QString::fromLatin1(desktop));
}

// The panel channel as xfconf held it on a stock top panel of 26 pixels.
QVariantMap xfcePanel(QVariantMap changes = {})
{
    QVariantMap panel{{u"/panels/panel-1/plugin-ids"_qs, QVariantList{1, 2, 6, 12}},
                      {u"/panels/panel-1/size"_qs, 26u},
                      {u"/panels/panel-1/icon-size"_qs, 16u},
                      {u"/plugins/plugin-6"_qs, u"systray"_qs}};
    panel.insert(changes);
    return panel;
}

void writeFile(const QString& path, const QByteArray& text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

}  // namespace

TEST(StatusNotifierHostTest, knowsTheTraysByTheirProcesses)
{
    EXPECT_EQ(classify({{u"gnome-shell"_qs, {}}}).drawing, Drawing::Label);
    // The kernel cuts the name at 15 characters; the command line has it all.
    EXPECT_EQ(classify({{u"ayatana-indicat"_qs, {u"/usr/libexec/ayatana-indicator-application-service"_qs}}}).drawing,
              Drawing::Label);
    EXPECT_EQ(classify({{u"waybar"_qs, {}}}).drawing, Drawing::WideImage);

    const StatusNotifierHost xfce = classify({{u"panel-6-systray"_qs, {u"/usr/lib/xfce4/panel/wrapper-2.0"_qs}}});
    EXPECT_EQ(xfce.program, u"xfce4-panel");
    EXPECT_EQ(xfce.drawing, Drawing::SquareImage);
    EXPECT_EQ(xfce.xfcePluginId, 6);

    // Hosts come before the watcher: Plasma's watcher lives in kded.
    EXPECT_EQ(classify({{u"plasmashell"_qs, {}}, {u"kded5"_qs, {}}}).program, u"plasmashell");
    EXPECT_EQ(classify({{u"snixembed"_qs, {}}, {u"waybar"_qs, {}}}).program, u"waybar");

    // Unknown trays go by the desktop, and else get a square.
    const QList<Process> unknown{{u"sometray"_qs, {}}};
    EXPECT_EQ(classify(unknown, "ubuntu:GNOME").drawing, Drawing::Label);
    EXPECT_EQ(classify(unknown, "Budgie:GNOME").drawing, Drawing::SquareImage);
    EXPECT_EQ(classify(unknown, "KDE").drawing, Drawing::SquareImage);
}

TEST(StatusNotifierHostTest, detectsTheWatchersProcessOnTheBus)
{
    const test::EnvironmentGuard desktop{"XDG_CURRENT_DESKTOP"};
    test::TrayHostDouble host;
    ASSERT_TRUE(host.claimed());
    // The watcher runs in this very process: named as waybar, it is waybar.
    char before[17] = {};
    prctl(PR_GET_NAME, before);
    prctl(PR_SET_NAME, "waybar");
    const StatusNotifierHost found = StatusNotifierHost::detect(QDBusConnection::sessionBus());
    prctl(PR_SET_NAME, before);
    EXPECT_EQ(found.drawing, Drawing::WideImage);
    EXPECT_EQ(found.arguments.value(0), QCoreApplication::arguments().value(0));
}

TEST(XfcePanelSettingsTest, workOutTheTraysIconSizeAsThePluginDoes)
{
    // The plugin's own default of 22 fits the 26-pixel panel.
    EXPECT_EQ(XfcePanelSettings::trayIconSize(xfcePanel(), 6), 22);
    EXPECT_EQ(XfcePanelSettings::trayIconSize(xfcePanel(), -1), 22);
    EXPECT_EQ(XfcePanelSettings::trayIconSize(xfcePanel({{u"/plugins/plugin-6/icon-size"_qs, 16u}}), 6), 16);
    // 0 hands the choice to the panel's icon size.
    EXPECT_EQ(XfcePanelSettings::trayIconSize(xfcePanel({{u"/plugins/plugin-6/icon-size"_qs, 0u}}), 6), 16);
    // Limited to the panel, and to an even size.
    EXPECT_EQ(XfcePanelSettings::trayIconSize(xfcePanel({{u"/panels/panel-1/size"_qs, 19u}}), 6), 18);
    // Square icons share the panel between its rows.
    EXPECT_EQ(XfcePanelSettings::trayIconSize(xfcePanel({{u"/panels/panel-1/size"_qs, 40u},
                                                         {u"/panels/panel-1/nrows"_qs, 2u},
                                                         {u"/plugins/plugin-6/square-icons"_qs, true}}),
                                              6),
              20);
    EXPECT_EQ(XfcePanelSettings::trayIconSize(xfcePanel(), 9), std::nullopt);
}

TEST(XfcePanelSettingsTest, aPanelIsDarkOnlyWhenItsThemeCanBe)
{
    QTemporaryDir themes;
    writeFile(themes.filePath(u"Greybird/gtk-3.0/gtk.css"_qs), "");
    writeFile(themes.filePath(u"Greybird/gtk-3.0/gtk-dark.css"_qs), "");
    writeFile(themes.filePath(u"Plain/gtk-3.0/gtk.css"_qs), "");
    const QStringList folders{themes.path()};
    const QVariantMap darkMode = xfcePanel({{u"/panels/dark-mode"_qs, true}});
    const auto dark = [&](const QVariantMap& panel, const char* theme) {
        return XfcePanelSettings::isPanelDark(panel, 6, QString::fromLatin1(theme), folders);
    };

    EXPECT_TRUE(dark(darkMode, "Adwaita"));
    EXPECT_TRUE(dark(darkMode, "Greybird"));
    EXPECT_FALSE(dark(darkMode, "Plain"));
    EXPECT_FALSE(dark(darkMode, "NotInstalled"));
    EXPECT_FALSE(dark(xfcePanel(), "Adwaita"));
    EXPECT_TRUE(dark(xfcePanel(), "Adwaita-dark"));
    // A solid background of its own decides over the theme.
    QVariantMap solid = xfcePanel({{u"/panels/panel-1/background-style"_qs, 1u},
                                   {u"/panels/panel-1/background-rgba"_qs, QVariantList{0.95, 0.95, 0.9, 1.0}}});
    EXPECT_FALSE(dark(solid, "Adwaita-dark"));
    solid.insert(u"/panels/panel-1/background-rgba"_qs, QVariantList{0.1, 0.1, 0.2, 1.0});
    EXPECT_TRUE(dark(solid, "Plain"));
}

TEST(WaybarConfigTest, readsTheTraySizeOfEachBar)
{
    EXPECT_EQ(WaybarConfig::trayIconSizesIn(R"({
        // a comment, and a trailing comma as waybar allows
        "modules-right": ["clock", "tray"],
        "tray": { "icon-size": 21, /* inline */ "spacing": 4, },
    })"),
              QList<int>{21});
    // Several bars; a tray without a size has waybar's 16; a bar without a tray counts not.
    EXPECT_EQ(WaybarConfig::trayIconSizesIn(R"([
        {"modules-left": ["tray#main"], "tray#main": {"icon-size": 24}},
        {"modules-center": ["tray"]},
        {"modules-right": ["clock"], "tray": {"icon-size": 40}}
    ])"),
              (QList<int>{24, 16}));
    EXPECT_EQ(WaybarConfig::trayIconSizesIn(R"({"url": "http://example.com//x", "modules-left": ["tray"]})"),
              QList<int>{16});
}

TEST(WaybarConfigTest, placesTheTrayByTheFirstBarThatHoldsOne)
{
    using Place = WaybarConfig::TrayPlace;
    using Group = Place::Group;
    // waybar's default: a bar at the top, the tray at its right.
    EXPECT_EQ(WaybarConfig::trayPlaceIn(R"({"modules-right": ["clock", "tray"],})"), (Place{Qt::TopEdge, Group::End}));
    EXPECT_EQ(WaybarConfig::trayPlaceIn(R"([
        {"position": "top", "modules-left": ["clock"]},
        {"position": "bottom", "modules-center": ["tray#1"]},
        {"position": "left", "modules-left": ["tray"]}
    ])"),
              (Place{Qt::BottomEdge, Group::Center}));
    EXPECT_EQ(WaybarConfig::trayPlaceIn(R"({"position": "left", "modules-right": ["tray"]})"),
              (Place{Qt::LeftEdge, Group::End}));
    EXPECT_EQ(WaybarConfig::trayPlaceIn(R"({"modules-left": ["clock"]})"), std::nullopt);
    EXPECT_EQ(WaybarConfig::trayPlaceIn("not json"), std::nullopt);

    // The point of the screen's border beside the tray.
    const QRect screen(1280, 0, 1920, 1080);
    EXPECT_EQ((Place{Qt::TopEdge, Group::End}).anchorOn(screen), QPoint(3199, 0));
    EXPECT_EQ((Place{Qt::BottomEdge, Group::Start}).anchorOn(screen), QPoint(1280, 1079));
    EXPECT_EQ((Place{Qt::BottomEdge, Group::Center}).anchorOn(screen), QPoint(2239, 1079));
    EXPECT_EQ((Place{Qt::RightEdge, Group::End}).anchorOn(screen), QPoint(3199, 1079));
    EXPECT_EQ((Place{Qt::LeftEdge, Group::Start}).anchorOn(screen), QPoint(1280, 0));
}

TEST(WaybarConfigTest, knowsADarkBarByItsStyleSheet)
{
    // waybar's own default style, and one made light later in the sheet.
    EXPECT_EQ(WaybarConfig::isBarDarkIn("window#waybar { background-color: rgba(43, 48, 59, 0.5); color: #fff; }"),
              true);
    EXPECT_EQ(WaybarConfig::isBarDarkIn("* { font-size: 13px; }\nwindow#waybar { background: #222; }\n"
                                        "/* window#waybar { background: #000; } */\n"
                                        "window#waybar.hidden { background: #000; }\n"
                                        "window#waybar, #tray { background: #eeeeee; }"),
              false);
    EXPECT_EQ(WaybarConfig::isBarDarkIn("@define-color base @light; @define-color light #f5f5f5;\n"
                                        "window#waybar { background-color: @base; }"),
              false);
    // See-through or unset: the desktop beneath decides, which is not known.
    EXPECT_EQ(WaybarConfig::isBarDarkIn("window#waybar { background: rgba(255, 255, 255, 0.2); }"), std::nullopt);
    EXPECT_EQ(WaybarConfig::isBarDarkIn("#clock { background: #fff; }"), std::nullopt);
}

TEST(WaybarConfigTest, findsTheFileWaybarReads)
{
    QTemporaryDir dir;
    writeFile(dir.filePath(u"home/waybar/config"_qs), R"({"modules-left": ["tray"], "tray": {"icon-size": 20}})");
    writeFile(dir.filePath(u"etc/waybar/config"_qs), R"({"modules-left": ["tray"], "tray": {"icon-size": 30}})");
    writeFile(dir.filePath(u"given.json"_qs), R"({"modules-left": ["tray"], "tray": {"icon-size": 26}})");
    const QStringList folders{dir.filePath(u"home"_qs), dir.filePath(u"etc"_qs)};

    EXPECT_EQ(WaybarConfig::trayIconSizes({u"waybar"_qs}, folders), QList<int>{20});
    EXPECT_EQ(WaybarConfig::trayIconSizes({u"waybar"_qs, u"-c"_qs, dir.filePath(u"given.json"_qs)}, folders),
              QList<int>{26});
    EXPECT_EQ(WaybarConfig::trayIconSizes({u"waybar"_qs}, {dir.filePath(u"etc"_qs)}), QList<int>{30});
    EXPECT_EQ(WaybarConfig::trayIconSizes({u"waybar"_qs}, {dir.filePath(u"none"_qs)}), QList<int>());

    writeFile(dir.filePath(u"etc/waybar/style.css"_qs), "window#waybar { background: #111; }");
    writeFile(dir.filePath(u"light.css"_qs), "window#waybar { background: white; }");
    EXPECT_EQ(WaybarConfig::isBarDark({u"waybar"_qs}, folders), true);
    EXPECT_EQ(WaybarConfig::isBarDark({u"waybar"_qs, u"-s"_qs, dir.filePath(u"light.css"_qs)}, folders), false);
}
