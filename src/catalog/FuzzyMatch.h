// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace tabrino {

// Forgiving match of a typed query against a name: the query's characters
// need only appear in order; adjacent runs, word starts and prefixes score
// more. Texts are compared lower-cased (locale-independent) and by
// user-perceived character, canonically equivalent characters being equal.
class FuzzyMatch {
public:
    // A text lower-cased and split into characters once, so that a search
    // can score it against many queries without repeating that work.
    class Text {
    public:
        Text() = default;
        explicit Text(const QString& text);

        // In user-perceived characters.
        qsizetype length() const { return qsizetype(m_keys.size()); }

        bool sameCharacter(qsizetype index, const Text& other, qsizetype otherIndex) const
        {
            const char32_t mine = m_keys[std::size_t(index)];
            const char32_t theirs = other.m_keys[std::size_t(otherIndex)];
            if (mine < kClusterKeyBase || theirs < kClusterKeyBase)
                return mine == theirs;
            return m_clusters[mine - kClusterKeyBase] == other.m_clusters[theirs - kClusterKeyBase];
        }

        // True when the character is exactly U+0020.
        bool isSpace(qsizetype index) const { return m_keys[std::size_t(index)] == U' '; }

    private:
        // A character of one code point is keyed by that code point; one of
        // several code points by kClusterKeyBase + its index in m_clusters.
        static constexpr char32_t kClusterKeyBase = 0x110000;

        std::vector<char32_t> m_keys;
        std::vector<std::u16string> m_clusters;  // NFC text of multi-code-point characters
    };

    // Absent when the candidate does not contain the query's characters in
    // order; 0 for an empty query.
    static std::optional<int> score(const QString& query, const QString& candidate);
    static std::optional<int> score(const Text& query, const Text& candidate);

    // Number of user-perceived characters of `text`, as it stands.
    static qsizetype characterCount(const QString& text);
};

}  // namespace tabrino
