// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalog/FuzzyMatch.h"

#include <unicode/brkiter.h>
#include <unicode/locid.h>
#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

#include <memory>

namespace tabrino {

namespace {

// Creating a break iterator costs far more than scoring, so each thread
// keeps one.
icu::BreakIterator* characterBreaks()
{
    thread_local std::unique_ptr<icu::BreakIterator> iterator = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::BreakIterator> created(
            icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
        return U_SUCCESS(status) ? std::move(created) : nullptr;
    }();
    return iterator.get();
}

const icu::Normalizer2* nfc()
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* normalizer = icu::Normalizer2::getNFCInstance(status);
    return U_SUCCESS(status) ? normalizer : nullptr;
}

icu::UnicodeString unicode(const QString& text)
{
    return icu::UnicodeString(reinterpret_cast<const UChar*>(text.utf16()), int32_t(text.size()));
}

// Calls `visit(start, end)` for each user-perceived character of `text`.
template <typename Visit>
void forEachCharacter(const icu::UnicodeString& text, Visit visit)
{
    icu::BreakIterator* breaks = characterBreaks();
    if (!breaks) {
        // Without ICU's break data, fall back to code points.
        for (int32_t start = 0; start < text.length(); start = text.moveIndex32(start, 1))
            visit(start, text.moveIndex32(start, 1));
        return;
    }
    breaks->setText(text);
    int32_t start = breaks->first();
    for (int32_t end = breaks->next(); end != icu::BreakIterator::DONE; start = end, end = breaks->next())
        visit(start, end);
}

}  // namespace

FuzzyMatch::Text::Text(const QString& text)
{
    icu::UnicodeString lower = unicode(text);
    lower.toLower(icu::Locale::getRoot());
    const icu::Normalizer2* normalizer = nfc();
    m_keys.reserve(std::size_t(lower.length()));

    forEachCharacter(lower, [&](int32_t start, int32_t end) {
        const UChar first = lower.charAt(start);
        // Below U+0300 every code point is its own NFC form.
        if (end - start == 1 && first < 0x300) {
            m_keys.push_back(first);
            return;
        }
        icu::UnicodeString cluster(lower, start, end - start);
        if (normalizer) {
            UErrorCode status = U_ZERO_ERROR;
            icu::UnicodeString normalized = normalizer->normalize(cluster, status);
            if (U_SUCCESS(status))
                cluster = std::move(normalized);
        }
        if (cluster.countChar32() == 1) {
            m_keys.push_back(char32_t(cluster.char32At(0)));
            return;
        }
        m_keys.push_back(kClusterKeyBase + char32_t(m_clusters.size()));
        m_clusters.emplace_back(reinterpret_cast<const char16_t*>(cluster.getBuffer()), std::size_t(cluster.length()));
    });
}

std::optional<int> FuzzyMatch::score(const QString& query, const QString& candidate)
{
    return score(Text(query), Text(candidate));
}

std::optional<int> FuzzyMatch::score(const Text& query, const Text& candidate)
{
    const qsizetype n = query.length();
    const qsizetype m = candidate.length();
    if (n == 0)
        return 0;
    if (m < n)
        return std::nullopt;

    // Greedy and without backtracking: each query character takes its
    // earliest position after the previous one.
    int score = 0;
    qsizetype last = -1;
    qsizetype from = 0;
    for (qsizetype i = 0; i < n; ++i) {
        qsizetype j = from;
        while (j < m && !candidate.sameCharacter(j, query, i))
            ++j;
        if (j == m)
            return std::nullopt;
        score += j == last + 1 ? 8 : 1;
        if (j == 0)
            score += 12;
        else if (candidate.isSpace(j - 1))
            score += 6;
        last = j;
        from = j + 1;
    }

    const qsizetype surplus = m - n;
    if (surplus < 22)
        score += 10 - int(surplus / 2);

    bool prefix = true;
    for (qsizetype i = 0; i < n && prefix; ++i)
        prefix = candidate.sameCharacter(i, query, i);
    if (prefix)
        score += 20;
    return score;
}

qsizetype FuzzyMatch::characterCount(const QString& text)
{
    qsizetype count = 0;
    forEachCharacter(unicode(text), [&count](int32_t, int32_t) { ++count; });
    return count;
}

}  // namespace tabrino
