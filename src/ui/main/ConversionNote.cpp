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
    //: Under totals converted into one currency; %1 is the day of the European Central Bank's rates ("Dec 5")
    return tr("Converted at ECB rates of %1").arg(date);
}

QString ConversionNote::leftOutSentence(const QList<TotalsConversion::LeftOut>& leftOut)
{
    QStringList parts;
    for (const TotalsConversion::LeftOut& currency : leftOut) {
        if (parts.isEmpty())
            //: The first currency the totals leave out; %1 is its code ("CHF")
            parts << tr("%Ln subscriptions in %1", nullptr, currency.subscriptionCount).arg(currency.currencyCode);
        else
            //: A further currency the totals leave out, after "2 subscriptions in CHF, "; %1 is its code ("XYZ")
            parts << tr("%Ln in %1", nullptr, currency.subscriptionCount).arg(currency.currencyCode);
    }
    //: Under converted totals; %1 lists the subscriptions left out by currency ("2 subscriptions in CHF, 1 in XYZ")
    return parts.isEmpty() ? QString() : tr("Not converted: %1").arg(parts.join(u", "));
}

}  // namespace tabrino
