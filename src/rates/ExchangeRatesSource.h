// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rates/ExchangeRates.h"

#include <QObject>
#include <QString>

namespace tabrino {

// The rates in use: the newer of the downloaded set in the cache file and the
// set shipped with the program, so conversion works offline from the first
// start and a cache older than a newer program's set is not used. A cache
// file that is missing or refused counts as absent.
class ExchangeRatesSource : public QObject {
    Q_OBJECT

public:
    // $XDG_DATA_HOME/Tabrino/rates.xml
    static QString defaultCachePath();
    // The set compiled into the program.
    static QString bundledPath();

    explicit ExchangeRatesSource(QString cachePath, QString bundledPath = ExchangeRatesSource::bundledPath(),
                                 QObject* parent = nullptr);

    // Read on first use.
    const ExchangeRates& rates() const;
    // Reads the files again, then signals changed().
    void reload();

Q_SIGNALS:
    void changed();

private:
    ExchangeRates read() const;

    QString m_cachePath;
    QString m_bundledPath;
    mutable std::optional<ExchangeRates> m_rates;
};

}  // namespace tabrino
