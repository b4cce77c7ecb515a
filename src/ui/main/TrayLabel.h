// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace tabrino {

class AppSettings;
class FormatterCache;
class SubscriptionStore;

// What the tray item shows for the current figures and settings: whether the
// card icon is drawn, the amount text (and its shorter forms, for trays that
// can only show it inside a small image), whether the renewal dot is drawn,
// and the spoken description of the whole item. Re-evaluated whenever the
// store's figures or one of the three settings it reads change; `changed()`
// fires only when one of the values is different afterwards.
class TrayLabel : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool showsIcon READ showsIcon NOTIFY changed)
    Q_PROPERTY(QString amountText READ amountText NOTIFY changed)
    Q_PROPERTY(QStringList compactAmounts READ compactAmounts NOTIFY changed)
    Q_PROPERTY(bool showsDot READ showsDot NOTIFY changed)
    Q_PROPERTY(QString accessibilityText READ accessibilityText NOTIFY changed)

public:
    // `cache` decides the locale of the amount (the user's by default); it
    // must outlive the label, as must the store and the settings.
    TrayLabel(SubscriptionStore& store, AppSettings& settings, QObject* parent = nullptr);
    TrayLabel(SubscriptionStore& store, AppSettings& settings, FormatterCache& cache, QObject* parent = nullptr);

    bool showsIcon() const { return m_showsIcon; }
    // "$13/mo" ("≈ $13/mo" while totals are converted), or empty when the
    // display mode hides the amount.
    QString amountText() const { return m_amountText; }
    // The amount alone in ever shorter forms, each written by the locale:
    // "$1,234", "1,234", "$1.2K", "1.2K", "$1K", "1K" (a form equal to an
    // earlier one is left out); empty when the display mode hides the amount.
    QStringList compactAmounts() const { return m_compactAmounts; }
    bool showsDot() const { return m_showsDot; }
    // "Tabrino. Monthly total $13/mo." ("... total about $13/mo." while
    // converted) plus " A subscription renews within 3 days." when one does,
    // in every display mode.
    QString accessibilityText() const { return m_accessibilityText; }

Q_SIGNALS:
    void changed();

private:
    void update();

    SubscriptionStore& m_store;
    AppSettings& m_settings;
    FormatterCache& m_cache;

    bool m_showsIcon = false;
    QString m_amountText;
    QStringList m_compactAmounts;
    bool m_showsDot = false;
    QString m_accessibilityText;
};

}  // namespace tabrino
