// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/ConversionNote.h"

#include "format/RelativeDateText.h"
#include "foundation/Calendar.h"
#include "foundation/Clock.h"
#include "foundation/SystemLocale.h"

#include <QTimeZone>

namespace tabrino {

void ConversionNote::setStore(SubscriptionStore* store)
{
    if (!m_watch.setStore(store))
        return;
    update();
    Q_EMIT storeChanged();
}

void ConversionNote::update()
{
    const SubscriptionStore* store = m_watch.store();
    const std::optional<TotalsConversion> conversion = store ? store->totalsConversion() : std::nullopt;
    const QString ratesText = conversion
        ? ratesSentence(conversion->ratesDate, Calendar::current().components(Clock::now()).year)
        : QString();
    const QString leftOutText = conversion ? leftOutSentence(conversion->leftOut) : QString();
    if (ratesText == m_ratesText && leftOutText == m_leftOutText)
        return;
    m_ratesText = ratesText;
    m_leftOutText = leftOutText;
    Q_EMIT textsChanged();
}

QString ConversionNote::ratesSentence(const QDate& day, int currentYear, const QString& localeId)
{
    // A day, not an instant: written at its noon in UTC, it is the same day
    // in every zone.
    const char16_t* skeleton = day.year() == currentYear ? u"MMMd" : u"yMMMd";
    const QString date = RelativeDateText::withSkeleton(QDateTime(day, QTime(12, 0), QTimeZone::utc()), skeleton,
                                                        Calendar(QStringLiteral("UTC")),
                                                        localeId.isEmpty() ? SystemLocale::timeLocaleId() : localeId);
    return tr("Converted at ECB rates of %1").arg(date);
}

QString ConversionNote::leftOutSentence(const QList<TotalsConversion::LeftOut>& leftOut)
{
    QStringList parts;
    for (const TotalsConversion::LeftOut& currency : leftOut) {
        if (!parts.isEmpty())
            parts << tr("%1 in %2").arg(currency.subscriptionCount).arg(currency.currencyCode);
        else if (currency.subscriptionCount == 1)
            parts << tr("1 subscription in %1").arg(currency.currencyCode);
        else
            parts << tr("%1 subscriptions in %2").arg(currency.subscriptionCount).arg(currency.currencyCode);
    }
    return parts.isEmpty() ? QString() : tr("Not converted: %1").arg(parts.join(u", "));
}

}  // namespace tabrino
