// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/design/Theme.h"

#include "platform/ReduceMotion.h"
#include "ui/design/SpringEasing.h"
#include "ui/design/SymbolMap.h"

#include <QQuickWindow>

namespace tabrino {

Theme::Theme(QObject* parent) : QObject(parent), m_reduceMotion(new ReduceMotion(this))
{
    connect(m_reduceMotion, &ReduceMotion::enabledChanged, this, &Theme::reduceMotionChanged);
}

Theme::~Theme() = default;

QString Theme::fontFamily()
{
    return QStringLiteral("Inter");
}

QString Theme::symbolFontFamily()
{
    return SymbolMap::fontFamily();
}

QEasingCurve Theme::panelSwap()
{
    return SpringEasing::panelSwap();
}

int Theme::panelSwapMs()
{
    return SpringEasing::panelSwapMs();
}

QEasingCurve Theme::rowSpring()
{
    return SpringEasing::rowSpring();
}

int Theme::rowSpringMs()
{
    return SpringEasing::rowSpringMs();
}

QEasingCurve Theme::press()
{
    return SpringEasing::press();
}

int Theme::pressMs()
{
    return SpringEasing::pressMs();
}

bool Theme::shaderEffects() const
{
    // Chosen before the first window is made, and fixed from then on. The
    // graphics API would still name OpenGL: it describes the hardware path.
    return QQuickWindow::sceneGraphBackend() != u"software";
}

bool Theme::reduceMotion() const
{
    return m_reduceMotion->isEnabled();
}

QString Theme::symbol(const QString& name)
{
    return SymbolMap::ligature(name).value_or(QString());
}

}  // namespace tabrino
