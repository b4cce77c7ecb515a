// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace tabrino {

// What kind of service a subscription is. Stored as its name (toString).
class SubscriptionCategory {
public:
    enum Value { Streaming, Software, Music, Cloud, Fitness, News, Gaming, Finance, Food, Other };

    constexpr SubscriptionCategory(Value value) : m_value(value) {}  // NOLINT(google-explicit-constructor)

    // Exact, case-sensitive match of a name; absent for anything else.
    static std::optional<SubscriptionCategory> fromString(QStringView name);
    static const std::array<SubscriptionCategory, 10>& values();

    Value value() const { return m_value; }
    QString toString() const;
    QString id() const { return toString(); }
    QString displayName() const;    // English: exports and imports use it
    QString localizedName() const;  // in the user's language, for screens and reminders
    QString symbolName() const;

    friend bool operator==(SubscriptionCategory, SubscriptionCategory) = default;

private:
    Value m_value;
};

}  // namespace tabrino
