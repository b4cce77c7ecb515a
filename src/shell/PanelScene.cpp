// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/PanelScene.h"

#include "export/CalendarFileKeeper.h"
#include "foundation/Logging.h"
#include "settings/AppSettings.h"
#include "shell/PanelWindow.h"
#include "shell/RendererChoice.h"
#include "store/SubscriptionStore.h"

#include <QQmlEngine>
#include <QQmlExtensionPlugin>
#include <QtPlugin>

Q_IMPORT_QML_PLUGIN(Tabrino_DesignPlugin)
Q_IMPORT_QML_PLUGIN(Tabrino_EditingPlugin)
Q_IMPORT_QML_PLUGIN(Tabrino_SettingsPlugin)
Q_IMPORT_QML_PLUGIN(Tabrino_ImportingPlugin)
Q_IMPORT_QML_PLUGIN(Tabrino_InsightsPlugin)
Q_IMPORT_QML_PLUGIN(Tabrino_MainPlugin)

namespace tabrino {

PanelScene::PanelScene(SubscriptionStore& store, AppSettings& settings, CalendarFileKeeper& calendarFile,
                       QObject* parent)
    : QObject(parent)
    , m_store(store)
    , m_settings(settings)
    , m_calendarFile(calendarFile)
{
}

PanelScene::~PanelScene()
{
    // The window's content belongs to the engine's types: window first. A
    // window being destroyed hides itself; by then it is no PanelWindow.
    if (m_window)
        disconnect(m_window.get(), nullptr, this, nullptr);
    m_window.reset();
    m_engine.reset();
}

std::unique_ptr<QQmlEngine> PanelScene::makeEngine()
{
    auto engine = std::make_unique<QQmlEngine>();
    engine->addImportPath(QStringLiteral("qrc:/qt/qml"));
    return engine;
}

PanelWindow* PanelScene::window()
{
    if (m_window)
        return m_window.get();
    RendererChoice::applyBeforeFirstWindow();
    m_engine = makeEngine();
    auto window = std::make_unique<PanelWindow>(*m_engine);
    if (!window->setContent(QUrl(QStringLiteral("qrc:/qt/qml/Tabrino/Main/PanelView.qml")),
                            {{QStringLiteral("store"), QVariant::fromValue(&m_store)},
                             {QStringLiteral("settings"), QVariant::fromValue(&m_settings)},
                             {QStringLiteral("calendarFile"), QVariant::fromValue(&m_calendarFile)}})) {
        qCWarning(lcPanel).noquote() << "The panel could not be built:" << window->errorString();
        m_engine.reset();
        return nullptr;
    }
    // A closed panel gives back what the graphics stack holds for it.
    connect(window.get(), &QWindow::visibleChanged, this, [this](bool visible) {
        if (!visible && m_window)
            m_window->releaseResources();
    });
    m_window = std::move(window);
    return m_window.get();
}

void PanelScene::toggleAt(const QPoint& anchor)
{
    if (PanelWindow* panel = window())
        panel->toggleAt(anchor);
}

void PanelScene::openAt(const QPoint& anchor)
{
    if (PanelWindow* panel = window())
        panel->openAt(anchor);
}

void PanelScene::showAsWindow()
{
    if (PanelWindow* panel = window())
        panel->showAsWindow();
}

void PanelScene::hideWindowMode()
{
    if (m_window && m_window->isWindowMode())
        m_window->hide();
}

}  // namespace tabrino
