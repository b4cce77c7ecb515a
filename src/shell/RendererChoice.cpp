// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/RendererChoice.h"

#include <QDir>
#include <QQuickWindow>

#include <unistd.h>

namespace tabrino::RendererChoice {

bool prefersSoftware(const QProcessEnvironment& environment, bool hasGraphicsDevice)
{
    if (environment.contains(u"QT_QUICK_BACKEND"_qs) || environment.contains(u"QSG_RHI_BACKEND"_qs))
        return false;
    // Mesa told to draw in software.
    const QString gallium = environment.value(u"GALLIUM_DRIVER"_qs);
    if (environment.value(u"LIBGL_ALWAYS_SOFTWARE"_qs) == u"1" || gallium == u"llvmpipe" || gallium == u"softpipe")
        return true;
    return !hasGraphicsDevice;
}

bool hasRenderNode(const QString& folder)
{
    const QStringList nodes = QDir(folder).entryList({u"renderD*"_qs}, QDir::System | QDir::Files);
    for (const QString& node : nodes) {
        if (::access(QFile::encodeName(QDir(folder).filePath(node)).constData(), R_OK | W_OK) == 0)
            return true;
    }
    return false;
}

void applyBeforeFirstWindow()
{
    if (prefersSoftware(QProcessEnvironment::systemEnvironment(), hasRenderNode()))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}

}  // namespace tabrino::RendererChoice
