// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/design/FigureWatch.h"

#include "settings/AppSettings.h"
#include "store/SubscriptionStore.h"

namespace tabrino {

FigureWatch::FigureWatch(QObject* owner, std::function<void()> changed) : m_owner(owner), m_changed(std::move(changed))
{
}

FigureWatch::~FigureWatch()
{
    setStore(nullptr);
}

bool FigureWatch::setStore(SubscriptionStore* store)
{
    if (m_store == store)
        return false;
    if (m_store) {
        QObject::disconnect(m_store, nullptr, m_owner, nullptr);
        QObject::disconnect(&m_store->settings(), nullptr, m_owner, nullptr);
    }
    m_store = store;
    if (store) {
        QObject::connect(store, &SubscriptionStore::figuresChanged, m_owner, [this] { m_changed(); });
        QObject::connect(&store->settings(), &AppSettings::defaultCurrencyCodeChanged, m_owner,
                         [this] { m_changed(); });
    }
    return true;
}

}  // namespace tabrino
