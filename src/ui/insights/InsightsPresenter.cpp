// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/insights/InsightsPresenter.h"

#include "format/RelativeDateText.h"
#include "foundation/SystemLocale.h"
#include "settings/AppSettings.h"

namespace tabrino {

InsightsPresenter::InsightsPresenter(QObject* parent) : QObject(parent)
{
}

void InsightsPresenter::setStore(SubscriptionStore* store)
{
    if (!m_watch.setStore(store))
        return;
    refresh();
    Q_EMIT storeChanged();
}

void InsightsPresenter::setNow(const QDateTime& now)
{
    if (m_now == now)
        return;
    m_now = now;
    refresh();
    Q_EMIT nowChanged();
}

void InsightsPresenter::refresh()
{
    if (SubscriptionStore* shown = store())
        update(*shown);
    else
        clear();
    Q_EMIT textsChanged();
}

QString InsightsPresenter::currencyCode() const
{
    return store() ? store()->settings().defaultCurrencyCode() : QString();
}

QString InsightsPresenter::month(const QDateTime& date, MonthStyle style, const Calendar& calendar,
                                 const QString& localeId)
{
    const char16_t* skeleton = style == MonthStyle::Short ? u"MMMyy" : style == MonthStyle::Medium ? u"MMMy" : u"MMMMy";
    return RelativeDateText::withSkeleton(date, skeleton, calendar,
                                          localeId.isEmpty() ? SystemLocale::timeLocaleId() : localeId);
}

}  // namespace tabrino
