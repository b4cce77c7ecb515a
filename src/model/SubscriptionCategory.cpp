// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/SubscriptionCategory.h"

namespace tabrino {

namespace {
struct CategoryTexts {
    const char16_t* name;
    const char16_t* displayName;
    const char16_t* symbolName;
};

// Indexed by SubscriptionCategory::Value.
constexpr std::array<CategoryTexts, 10> kTexts{{
    {u"streaming", u"Streaming", u"play.tv"},
    {u"software", u"Software", u"square.stack.3d.up"},
    {u"music", u"Music", u"music.note"},
    {u"cloud", u"Cloud", u"cloud"},
    {u"fitness", u"Fitness", u"figure.run"},
    {u"news", u"News", u"newspaper"},
    {u"gaming", u"Gaming", u"gamecontroller"},
    {u"finance", u"Finance", u"chart.line.uptrend.xyaxis"},
    {u"food", u"Food", u"fork.knife"},
    {u"other", u"Other", u"square.grid.2x2"},
}};
}  // namespace

const std::array<SubscriptionCategory, 10>& SubscriptionCategory::values()
{
    static constexpr std::array<SubscriptionCategory, 10> all{Streaming, Software, Music,   Cloud, Fitness,
                                                              News,      Gaming,   Finance, Food,  Other};
    return all;
}

std::optional<SubscriptionCategory> SubscriptionCategory::fromString(QStringView name)
{
    for (SubscriptionCategory category : values()) {
        if (name == QStringView(kTexts[category.m_value].name))
            return category;
    }
    return std::nullopt;
}

QString SubscriptionCategory::toString() const
{
    return QString::fromUtf16(kTexts[m_value].name);
}

QString SubscriptionCategory::displayName() const
{
    return QString::fromUtf16(kTexts[m_value].displayName);
}

QString SubscriptionCategory::symbolName() const
{
    return QString::fromUtf16(kTexts[m_value].symbolName);
}

}  // namespace tabrino
