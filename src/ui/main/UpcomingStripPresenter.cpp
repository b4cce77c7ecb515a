// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/UpcomingStripPresenter.h"

#include "store/SubscriptionStore.h"
#include "ui/main/UpcomingCell.h"

namespace tabrino {

void UpcomingStripPresenter::setStore(SubscriptionStore* store)
{
    if (m_store == store)
        return;
    if (m_store)
        disconnect(m_store, nullptr, this, nullptr);
    m_store = store;
    if (store)
        connect(store, &SubscriptionStore::figuresChanged, this, &UpcomingStripPresenter::update);
    update();
    Q_EMIT inputsChanged();
}

void UpcomingStripPresenter::setNow(const QDateTime& now)
{
    if (m_now == now)
        return;
    m_now = now;
    update();
    Q_EMIT inputsChanged();
}

void UpcomingStripPresenter::update()
{
    QVariantList cells;
    if (m_store && m_now.isValid()) {
        const Calendar calendar = m_store->currentCalendar();
        const QList<UpcomingCharge> charges = m_store->chargesNextSevenDays(m_now, calendar);
        for (const UpcomingCharge& charge : charges.first(std::min<qsizetype>(charges.size(), kMaxCells)))
            cells << QVariant::fromValue(UpcomingCell::from(charge, m_now, calendar));
    }
    m_cells = cells;
    Q_EMIT cellsChanged();
}

QString UpcomingStripPresenter::emptyText()
{
    //: In the Up Next strip when no charge falls in the coming seven days
    return tr("Nothing renews this week");
}

QString UpcomingStripPresenter::accessibilityText() const
{
    //: Spoken name of the Up Next strip, which shows the charges of the coming seven days
    return m_cells.isEmpty() ? emptyText() : tr("Up next: charges in the coming days");
}

}  // namespace tabrino
