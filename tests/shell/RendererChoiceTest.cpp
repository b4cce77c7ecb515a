// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/RendererChoice.h"
#include "ui/design/Theme.h"

#include <QDir>
#include <QFile>
#include <QQuickWindow>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

using namespace tabrino;

namespace {

QProcessEnvironment environment(std::initializer_list<std::pair<QString, QString>> variables)
{
    QProcessEnvironment result;
    for (const auto& [name, value] : variables)
        result.insert(name, value);
    return result;
}

}  // namespace

TEST(RendererChoiceTest, softwareWithoutAGraphicsDeviceOrWhenMesaIsToldToUseIt)
{
    EXPECT_TRUE(RendererChoice::prefersSoftware({}, false));
    EXPECT_FALSE(RendererChoice::prefersSoftware({}, true));
    EXPECT_TRUE(RendererChoice::prefersSoftware(environment({{u"LIBGL_ALWAYS_SOFTWARE"_qs, u"1"_qs}}), true));
    EXPECT_TRUE(RendererChoice::prefersSoftware(environment({{u"GALLIUM_DRIVER"_qs, u"llvmpipe"_qs}}), true));
    EXPECT_FALSE(RendererChoice::prefersSoftware(environment({{u"GALLIUM_DRIVER"_qs, u"radeonsi"_qs}}), true));
    // A renderer the user named wins, whatever the machine.
    EXPECT_FALSE(RendererChoice::prefersSoftware(environment({{u"QSG_RHI_BACKEND"_qs, u"opengl"_qs}}), false));
    EXPECT_FALSE(RendererChoice::prefersSoftware(
        environment({{u"QT_QUICK_BACKEND"_qs, u"software"_qs}, {u"LIBGL_ALWAYS_SOFTWARE"_qs, u"1"_qs}}), false));
}

TEST(RendererChoiceTest, aGraphicsDeviceIsARenderNodeNotACardNode)
{
    QTemporaryDir dri;
    ASSERT_TRUE(dri.isValid());
    EXPECT_FALSE(RendererChoice::hasRenderNode(dri.path()));
    EXPECT_FALSE(RendererChoice::hasRenderNode(dri.filePath(u"missing"_qs)));
    QFile card(dri.filePath(u"card0"_qs));
    ASSERT_TRUE(card.open(QIODevice::WriteOnly));
    EXPECT_FALSE(RendererChoice::hasRenderNode(dri.path()));
    QFile render(dri.filePath(u"renderD128"_qs));
    ASSERT_TRUE(render.open(QIODevice::WriteOnly));
    EXPECT_TRUE(RendererChoice::hasRenderNode(dri.path()));
}

TEST(RendererChoiceTest, theSoftwareRendererTurnsTheShaderEffectsOff)
{
    EXPECT_TRUE(Theme().shaderEffects());
    // In a child process: the choice holds for the rest of a process's life.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
            QQuickWindow window;
            std::exit(Theme().shaderEffects() ? 1 : 0);
        },
        testing::ExitedWithCode(0), "");
}
