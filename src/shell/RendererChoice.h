// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProcessEnvironment>
#include <QString>

namespace tabrino::RendererChoice {

// Without a graphics device, OpenGL is drawn by the processor (Mesa's
// llvmpipe, as in a virtual machine, a remote session or a headless X
// server), and there Qt Quick's own software renderer is the faster one: it
// repaints only what changed, and it builds no shaders, which make a first
// frame slow. It draws no shader effects, so the screens' glows give way to
// plain shadows. Deciding costs a folder listing: asking OpenGL itself would
// load the whole graphics stack for the answer.

// Whether to use the software renderer, given the environment and whether a
// graphics device can be opened. A renderer the user named
// (QT_QUICK_BACKEND, QSG_RHI_BACKEND) is left alone.
bool prefersSoftware(const QProcessEnvironment& environment, bool hasGraphicsDevice);

// Whether `folder` holds a DRM render node (renderD*) this user may open.
bool hasRenderNode(const QString& folder = QStringLiteral("/dev/dri"));

// Applies the choice for every Qt Quick window made from now on.
void applyBeforeFirstWindow();

}  // namespace tabrino::RendererChoice
