// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PortalDouble.h"

#include "platform/DesktopColorScheme.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace tabrino;

namespace {

using Scheme = DesktopColorScheme::Scheme;

const QString kAppearance = QStringLiteral("org.freedesktop.appearance");

void writeFile(const QString& path, const QByteArray& text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    ASSERT_TRUE(file.commit());
}

class DesktopColorSchemeTest : public ::testing::Test {
protected:
    DesktopColorScheme::Sources sources(bool withBus = true) const
    {
        return {withBus ? QDBusConnection::sessionBus()
                        : QDBusConnection::connectToBus(u"unix:path=/nonexistent/bus"_qs, u"no-bus"_qs),
                kdeglobals, gtkSettings};
    }

    QTemporaryDir dir;
    QString kdeglobals = dir.filePath(u"kdeglobals"_qs);
    QString gtkSettings = dir.filePath(u"gtk-3.0/settings.ini"_qs);
};

}  // namespace

TEST_F(DesktopColorSchemeTest, followsThePortalsColourSchemeOverTheFiles)
{
    writeFile(gtkSettings, "[Settings]\ngtk-theme-name=Arc-Dark\n");
    DesktopColorScheme scheme(sources());
    EXPECT_EQ(scheme.scheme(), Scheme::Dark);

    // A portal that starts later is asked then; its preference decides.
    QSignalSpy changed(&scheme, &DesktopColorScheme::schemeChanged);
    test::PortalDouble portal({{kAppearance + u" color-scheme"_qs, 2u}});
    ASSERT_TRUE(changed.wait(3000));
    EXPECT_EQ(scheme.scheme(), Scheme::Light);

    // "No preference" hands the choice back to the files.
    portal.change(kAppearance, u"color-scheme"_qs, 0u);
    ASSERT_TRUE(changed.wait(3000));
    EXPECT_EQ(scheme.scheme(), Scheme::Dark);
    portal.change(kAppearance, u"color-scheme"_qs, 2u);
    ASSERT_TRUE(changed.wait(3000));
    EXPECT_EQ(scheme.scheme(), Scheme::Light);
}

TEST_F(DesktopColorSchemeTest, withoutAPortalReadsAndFollowsTheDesktopsFiles)
{
    DesktopColorScheme nothing(sources(false));
    EXPECT_EQ(nothing.scheme(), Scheme::Unknown);

    writeFile(kdeglobals, "[Colors:View]\nBackgroundNormal=255,255,255\n[Colors:Window]\nBackgroundNormal=49,54,59\n");
    DesktopColorScheme scheme(sources(false));
    EXPECT_EQ(scheme.scheme(), Scheme::Dark);

    QSignalSpy changed(&scheme, &DesktopColorScheme::schemeChanged);
    writeFile(kdeglobals, "[Colors:Window]\nBackgroundNormal=239,240,241\n");
    EXPECT_TRUE(changed.wait(3000));
    EXPECT_EQ(scheme.scheme(), Scheme::Light);
}

TEST(DesktopColorSchemeFiles, gtkSettingsSayDarkByPreferenceOrThemeName)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"settings.ini"_qs);
    const auto dark = [&](const QByteArray& text) {
        writeFile(path, text);
        return DesktopColorScheme::gtkSettingsAreDark(path);
    };
    EXPECT_EQ(dark("[Settings]\ngtk-application-prefer-dark-theme=1\ngtk-theme-name=Adwaita\n"), true);
    EXPECT_EQ(dark("[Settings]\ngtk-theme-name = Arc-Dark\n"), true);
    EXPECT_EQ(dark("[Settings]\ngtk-theme-name=Greybird\n"), false);
    EXPECT_EQ(dark("[Other]\ngtk-theme-name=Arc-Dark\n"), std::nullopt);
}
