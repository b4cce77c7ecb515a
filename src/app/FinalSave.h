// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace tabrino {

class SubscriptionStore;

// The last save when the program quits: writes whatever is still pending,
// and when that fails says what quitting would lose, so nothing is lost
// without a word.
class FinalSave {
public:
    explicit FinalSave(SubscriptionStore& store) : m_store(store) {}

    // Saves what is pending. True when no subscription's change is left
    // unsaved (this month's spending record is taken again at the next
    // start, so it alone is no loss).
    bool run();
    // What quitting now would lose, and why it could not be saved.
    QString lossMessage() const;

    static QString lossMessage(const QStringList& names, const QString& reason);

private:
    SubscriptionStore& m_store;
};

}  // namespace tabrino
