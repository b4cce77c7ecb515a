// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalog/ServiceCatalog.h"

#include "catalog/BundledServiceCatalog.h"
#include "catalog/CachedServiceCatalog.h"
#include "foundation/Logging.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <cstring>
#include <numeric>
#include <string>

using namespace Qt::StringLiterals;

namespace tabrino {

namespace {

// Service order: by name in the user's locale, ignoring case but not
// accents, keeping document order among equal names.
QList<CatalogService> sortedByName(QList<CatalogService> services)
{
    // The C/POSIX locale maps to ICU's en_US_POSIX, whose collation orders
    // ASCII by code point (every capital before every small letter); it
    // names no language, so the root order serves it.
    icu::Locale locale = icu::Locale::getDefault();
    if (std::strcmp(locale.getVariant(), "POSIX") == 0)
        locale = icu::Locale::getRoot();
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Collator> collator(icu::Collator::createInstance(locale, status));
    std::vector<qsizetype> order(std::size_t(services.size()));
    std::iota(order.begin(), order.end(), qsizetype(0));

    if (U_SUCCESS(status) && collator) {
        collator->setStrength(icu::Collator::SECONDARY);
        // Sort keys once per name rather than collating on every comparison.
        std::vector<std::string> keys;
        keys.reserve(order.size());
        for (const CatalogService& service : services) {
            const icu::UnicodeString name(reinterpret_cast<const UChar*>(service.name.utf16()),
                                          int32_t(service.name.size()));
            std::string key(64, '\0');
            int32_t length = collator->getSortKey(name, reinterpret_cast<uint8_t*>(key.data()), int32_t(key.size()));
            if (length > int32_t(key.size())) {
                key.resize(std::size_t(length));
                length = collator->getSortKey(name, reinterpret_cast<uint8_t*>(key.data()), length);
            }
            key.resize(std::size_t(length));
            keys.push_back(std::move(key));
        }
        std::stable_sort(order.begin(), order.end(),
                         [&keys](qsizetype a, qsizetype b) { return keys[std::size_t(a)] < keys[std::size_t(b)]; });
    } else {
        std::stable_sort(order.begin(), order.end(), [&services](qsizetype a, qsizetype b) {
            return QString::compare(services[a].name, services[b].name, Qt::CaseInsensitive) < 0;
        });
    }

    QList<CatalogService> sorted;
    sorted.reserve(services.size());
    for (qsizetype index : order)
        sorted.append(std::move(services[index]));
    return sorted;
}

}  // namespace

ServiceCatalog::ServiceCatalog(std::shared_ptr<const ServiceCatalogProviding> provider, QObject* parent)
    : QObject(parent)
    , m_provider(std::move(provider))
{
    load();
}

ServiceCatalog::~ServiceCatalog() = default;

ServiceCatalog& ServiceCatalog::shared()
{
    static ServiceCatalog* const instance = new ServiceCatalog(std::make_shared<CachedServiceCatalog>(
        CachedServiceCatalog::defaultCachePath(), std::make_shared<BundledServiceCatalog>(u"Services"_s)));
    return *instance;
}

const QStringList& ServiceCatalog::popularIds()
{
    static const QStringList ids = {
        u"netflix"_s,    u"spotify"_s,      u"youtube-premium"_s, u"icloud-plus"_s,          u"chatgpt-plus"_s,
        u"claude-pro"_s, u"amazon-prime"_s, u"disney-plus"_s,     u"adobe-creative-cloud"_s, u"apple-one"_s};
    return ids;
}

std::optional<CatalogService> ServiceCatalog::byId(const QString& id) const
{
    const auto found = m_indexById.constFind(id);
    if (found == m_indexById.cend())
        return std::nullopt;
    return m_services[*found];
}

QList<CatalogService> ServiceCatalog::popular() const
{
    QList<CatalogService> result;
    for (const QString& id : popularIds()) {
        const auto found = m_indexById.constFind(id);
        if (found != m_indexById.cend())
            result.append(m_services[*found]);
    }
    return result;
}

void ServiceCatalog::load()
{
    CatalogLoadResult result =
        m_provider ? m_provider->loadServices() : CatalogLoadResult::failure(u"The catalog has no source."_s);
    QList<CatalogService> services =
        result.succeeded() ? sortedByName(std::move(result.services)) : QList<CatalogService>();

    QHash<QString, qsizetype> index;
    index.reserve(services.size());
    std::vector<SearchEntry> entries;
    entries.reserve(std::size_t(services.size()));
    for (qsizetype i = 0; i < services.size(); ++i) {
        const CatalogService& service = services[i];
        index.insert(service.id, i);
        SearchEntry entry{FuzzyMatch::Text(service.name), {}, FuzzyMatch::characterCount(service.name)};
        if (service.aliases) {
            entry.aliases.reserve(std::size_t(service.aliases->size()));
            for (const QString& alias : *service.aliases)
                entry.aliases.emplace_back(alias);
        }
        entries.push_back(std::move(entry));
    }

    const bool servicesDiffer = services != m_services;
    const bool errorDiffers = result.error != m_loadError;
    m_services = std::move(services);
    m_indexById = std::move(index);
    m_searchEntries = std::move(entries);
    m_loadError = std::move(result.error);
    if (servicesDiffer)
        Q_EMIT servicesChanged();
    if (errorDiffers && m_loadError)
        qCWarning(lcCatalog).noquote() << "The catalog could not be loaded:" << *m_loadError;
    if (errorDiffers)
        Q_EMIT loadErrorChanged();
}

QList<CatalogService> ServiceCatalog::search(const QString& query, qsizetype limit) const
{
    if (limit <= 0)
        return {};
    const QString trimmed = query.trimmed();
    if (trimmed.isEmpty()) {
        QList<CatalogService> popularServices = popular();
        if (popularServices.size() > limit)
            popularServices.resize(limit);
        return popularServices;
    }

    const FuzzyMatch::Text prepared(trimmed);
    struct Hit {
        int score;
        qsizetype nameLength;
        qsizetype index;
    };
    std::vector<Hit> hits;
    for (qsizetype i = 0; i < qsizetype(m_searchEntries.size()); ++i) {
        const SearchEntry& entry = m_searchEntries[std::size_t(i)];
        std::optional<int> best = FuzzyMatch::score(prepared, entry.name);
        for (const FuzzyMatch::Text& alias : entry.aliases) {
            const std::optional<int> score = FuzzyMatch::score(prepared, alias);
            if (score && (!best || *score > *best))
                best = score;
        }
        if (best)
            hits.push_back(Hit{*best, entry.nameLength, i});
    }

    // The index as the last key makes this the stable order without a
    // stable sort, so only the first `limit` need ordering.
    const auto ranksBefore = [](const Hit& a, const Hit& b) {
        if (a.score != b.score)
            return a.score > b.score;
        if (a.nameLength != b.nameLength)
            return a.nameLength < b.nameLength;
        return a.index < b.index;
    };
    const std::size_t count = std::min(hits.size(), std::size_t(limit));
    std::partial_sort(hits.begin(), hits.begin() + std::ptrdiff_t(count), hits.end(), ranksBefore);

    QList<CatalogService> result;
    result.reserve(qsizetype(count));
    for (std::size_t i = 0; i < count; ++i)
        result.append(m_services[hits[i].index]);
    return result;
}

}  // namespace tabrino
