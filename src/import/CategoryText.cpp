// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "import/CategoryText.h"

namespace tabrino {

namespace {

struct Keyword {
    const char16_t* stem;
    SubscriptionCategory::Value category;
};

// Word stems found in other programs' and people's category names; the
// first stem a name contains decides.
constexpr Keyword kKeywords[] = {
    {u"stream", SubscriptionCategory::Streaming},    {u"video", SubscriptionCategory::Streaming},
    {u"tv", SubscriptionCategory::Streaming},        {u"movie", SubscriptionCategory::Streaming},
    {u"entertain", SubscriptionCategory::Streaming}, {u"music", SubscriptionCategory::Music},
    {u"audio", SubscriptionCategory::Music},         {u"podcast", SubscriptionCategory::Music},
    {u"game", SubscriptionCategory::Gaming},         {u"gaming", SubscriptionCategory::Gaming},
    {u"cloud", SubscriptionCategory::Cloud},         {u"storage", SubscriptionCategory::Cloud},
    {u"hosting", SubscriptionCategory::Cloud},       {u"backup", SubscriptionCategory::Cloud},
    {u"vpn", SubscriptionCategory::Software},        {u"software", SubscriptionCategory::Software},
    {u"app", SubscriptionCategory::Software},        {u"productiv", SubscriptionCategory::Software},
    {u"tool", SubscriptionCategory::Software},       {u"develop", SubscriptionCategory::Software},
    {u"fitness", SubscriptionCategory::Fitness},     {u"sport", SubscriptionCategory::Fitness},
    {u"gym", SubscriptionCategory::Fitness},         {u"health", SubscriptionCategory::Fitness},
    {u"news", SubscriptionCategory::News},           {u"magazin", SubscriptionCategory::News},
    {u"newspaper", SubscriptionCategory::News},      {u"journal", SubscriptionCategory::News},
    {u"financ", SubscriptionCategory::Finance},      {u"bank", SubscriptionCategory::Finance},
    {u"insur", SubscriptionCategory::Finance},       {u"invest", SubscriptionCategory::Finance},
    {u"food", SubscriptionCategory::Food},           {u"meal", SubscriptionCategory::Food},
    {u"grocer", SubscriptionCategory::Food},         {u"restaurant", SubscriptionCategory::Food},
    {u"beverage", SubscriptionCategory::Food},       {u"drink", SubscriptionCategory::Food},
};

constexpr const char16_t* kNone[] = {u"", u"none", u"nocategory", u"uncategorized", u"uncategorised"};

}  // namespace

CategoryText::Reading CategoryText::read(QStringView text)
{
    const QString name = text.trimmed().toString();
    // Files name categories in English; a spreadsheet the user filled in
    // may use the names the screens show them.
    for (SubscriptionCategory category : SubscriptionCategory::values()) {
        if (name.compare(category.displayName(), Qt::CaseInsensitive) == 0
            || name.compare(category.localizedName(), Qt::CaseInsensitive) == 0)
            return {category, false};
    }
    QString word = name.toLower();
    word.removeIf([](QChar c) { return !c.isLetter(); });
    for (const char16_t* none : kNone) {
        if (word == QStringView(none))
            return {SubscriptionCategory::Other, false};
    }
    for (const Keyword& keyword : kKeywords) {
        if (word.contains(QStringView(keyword.stem)))
            return {keyword.category, true};
    }
    return {SubscriptionCategory::Other, true};
}

}  // namespace tabrino
