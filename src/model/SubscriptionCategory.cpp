// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/SubscriptionCategory.h"

#include <QCoreApplication>

namespace tabrino {

namespace {
struct CategoryTexts {
    const char16_t* name;
    const char* displayName;  // English, as files store it; also the key of its translation
    const char16_t* symbolName;
};

// Indexed by SubscriptionCategory::Value.
constexpr std::array<CategoryTexts, 10> kTexts{{
    {u"streaming", QT_TRANSLATE_NOOP("SubscriptionCategory", "Streaming"), u"play.tv"},
    {u"software", QT_TRANSLATE_NOOP("SubscriptionCategory", "Software"), u"square.stack.3d.up"},
    {u"music", QT_TRANSLATE_NOOP("SubscriptionCategory", "Music"), u"music.note"},
    {u"cloud", QT_TRANSLATE_NOOP("SubscriptionCategory", "Cloud"), u"cloud"},
    {u"fitness", QT_TRANSLATE_NOOP("SubscriptionCategory", "Fitness"), u"figure.run"},
    {u"news", QT_TRANSLATE_NOOP("SubscriptionCategory", "News"), u"newspaper"},
    {u"gaming", QT_TRANSLATE_NOOP("SubscriptionCategory", "Gaming"), u"gamecontroller"},
    {u"finance", QT_TRANSLATE_NOOP("SubscriptionCategory", "Finance"), u"chart.line.uptrend.xyaxis"},
    {u"food", QT_TRANSLATE_NOOP("SubscriptionCategory", "Food"), u"fork.knife"},
    {u"other", QT_TRANSLATE_NOOP("SubscriptionCategory", "Other"), u"square.grid.2x2"},
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
    return QString::fromLatin1(kTexts[m_value].displayName);
}

QString SubscriptionCategory::localizedName() const
{
    return QCoreApplication::translate("SubscriptionCategory", kTexts[m_value].displayName);
}

QString SubscriptionCategory::symbolName() const
{
    return QString::fromUtf16(kTexts[m_value].symbolName);
}

}  // namespace tabrino
