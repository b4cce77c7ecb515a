// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rates/ExchangeRatesSource.h"

#include "foundation/Logging.h"

#include <QStandardPaths>

using namespace Qt::StringLiterals;

// Outside the namespace: Q_INIT_RESOURCE declares the initialiser at the
// scope where it is used.
static void initialiseRatesResources()
{
    Q_INIT_RESOURCE(tabrino_rates_data);
}

namespace tabrino {

QString ExchangeRatesSource::defaultCachePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/Tabrino/rates.xml"_s;
}

QString ExchangeRatesSource::bundledPath()
{
    return u":/eurofxref-daily.xml"_s;
}

ExchangeRatesSource::ExchangeRatesSource(QString cachePath, QString bundledPath, QObject* parent)
    : QObject(parent)
    , m_cachePath(std::move(cachePath))
    , m_bundledPath(std::move(bundledPath))
{
    static const bool initialised = (initialiseRatesResources(), true);
    Q_UNUSED(initialised);
}

const ExchangeRates& ExchangeRatesSource::rates() const
{
    if (!m_rates)
        m_rates = read();
    return *m_rates;
}

void ExchangeRatesSource::reload()
{
    m_rates = read();
    Q_EMIT changed();
}

ExchangeRates ExchangeRatesSource::read() const
{
    QString error;
    std::optional<ExchangeRates> bundled = ExchangeRates::fromFile(m_bundledPath, &error);
    if (!bundled)
        qCWarning(lcRates).noquote() << "The rates shipped with the program are unusable:" << error;
    // A missing cache is the usual case before the first download.
    std::optional<ExchangeRates> cached = ExchangeRates::fromFile(m_cachePath);
    if (cached && (!bundled || cached->date() >= bundled->date()))
        return std::move(*cached);
    return bundled.value_or(ExchangeRates());
}

}  // namespace tabrino
