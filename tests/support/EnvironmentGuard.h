// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <initializer_list>
#include <vector>

namespace tabrino::test {

// Unsets environment variables for one test and puts the old values back at
// its end, so a test starts from a known environment whatever ran before.
class EnvironmentGuard {
public:
    EnvironmentGuard(std::initializer_list<const char*> names)
    {
        for (const char* name : names) {
            m_saved.push_back({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
            qunsetenv(name);
        }
    }
    ~EnvironmentGuard()
    {
        for (const auto& entry : m_saved) {
            if (entry.wasSet)
                qputenv(entry.name, entry.value);
            else
                qunsetenv(entry.name);
        }
    }
    EnvironmentGuard(const EnvironmentGuard&) = delete;
    EnvironmentGuard& operator=(const EnvironmentGuard&) = delete;

private:
    struct Entry {
        const char* name;
        bool wasSet;
        QByteArray value;
    };
    std::vector<Entry> m_saved;
};

// The variables that choose the locale.
inline EnvironmentGuard localeEnvironment()
{
    return EnvironmentGuard{"LC_ALL", "LC_MONETARY", "LC_TIME", "LC_MESSAGES", "LANG", "LANGUAGE"};
}

}  // namespace tabrino::test
