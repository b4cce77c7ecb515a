// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

namespace tabrino {

class SubscriptionStore;

// The store a presenter shows, and what outdates the presenter's texts: the
// store's figures and the default currency. `changed` runs on either, for as
// long as `owner` lives and the store is followed.
class FigureWatch {
public:
    FigureWatch(QObject* owner, std::function<void()> changed);
    ~FigureWatch();
    FigureWatch(const FigureWatch&) = delete;
    FigureWatch& operator=(const FigureWatch&) = delete;

    SubscriptionStore* store() const { return m_store; }
    // Follows `store` instead (null: none); false when it already did.
    bool setStore(SubscriptionStore* store);

private:
    QObject* m_owner;
    std::function<void()> m_changed;
    QPointer<SubscriptionStore> m_store;
};

}  // namespace tabrino
