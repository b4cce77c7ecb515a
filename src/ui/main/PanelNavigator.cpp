// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/PanelNavigator.h"

#include "model/Subscription.h"

namespace tabrino {

void PanelNavigator::setTab(Tab tab)
{
    if (m_tab == tab)
        return;
    m_tab = tab;
    Q_EMIT tabChanged();
}

bool PanelNavigator::open(Screen screen, Subscription* editing)
{
    if (m_screen != Screen::Main)
        return false;
    m_screen = screen;
    m_editing = editing;
    Q_EMIT screenChanged();
    return true;
}

bool PanelNavigator::openAdd()
{
    return open(Screen::Add, nullptr);
}

bool PanelNavigator::openSettings()
{
    return open(Screen::Settings, nullptr);
}

bool PanelNavigator::openEdit(Subscription* subscription)
{
    return subscription && open(Screen::Edit, subscription);
}

bool PanelNavigator::openImport(const QUrl& file)
{
    if (m_screen != Screen::Settings || file.isEmpty())
        return false;
    m_screen = Screen::Import;
    m_importFile = file;
    Q_EMIT screenChanged();
    return true;
}

void PanelNavigator::backToSettings()
{
    if (m_screen != Screen::Import)
        return;
    m_screen = Screen::Settings;
    m_importFile.clear();
    Q_EMIT screenChanged();
}

void PanelNavigator::close()
{
    if (m_screen == Screen::Main)
        return;
    m_screen = Screen::Main;
    m_editing = nullptr;
    m_importFile.clear();
    Q_EMIT screenChanged();
}

}  // namespace tabrino
