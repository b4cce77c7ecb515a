#include "foundation/SystemLocale.h"

#include <QByteArray>

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

using tabrino::SystemLocale;

namespace {

// Clears the locale variables for one test and puts the old values back.
class LocaleEnvironment {
public:
    LocaleEnvironment()
    {
        for (const char* name : kNames) {
            m_saved.push_back({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
            qunsetenv(name);
        }
    }
    ~LocaleEnvironment()
    {
        for (const auto& entry : m_saved) {
            if (entry.wasSet)
                qputenv(entry.name, entry.value);
            else
                qunsetenv(entry.name);
        }
    }
    LocaleEnvironment(const LocaleEnvironment&) = delete;
    LocaleEnvironment& operator=(const LocaleEnvironment&) = delete;

    static void set(const char* name, const char* value) { qputenv(name, value); }

private:
    static constexpr const char* kNames[] = {"LC_ALL", "LC_MONETARY", "LC_TIME", "LANG"};
    struct Entry {
        const char* name;
        bool wasSet;
        QByteArray value;
    };
    std::vector<Entry> m_saved;
};

QString monetaryFor(const char* lang)
{
    LocaleEnvironment::set("LANG", lang);
    return SystemLocale::monetaryLocaleId();
}

QString currencyFor(const char* lang)
{
    LocaleEnvironment::set("LANG", lang);
    return SystemLocale::currencyCode();
}

}  // namespace

TEST(SystemLocale, LcAllThenCategoryThenLang)
{
    const LocaleEnvironment environment;
    LocaleEnvironment::set("LC_ALL", "ja_JP.UTF-8");
    LocaleEnvironment::set("LC_MONETARY", "de_DE.UTF-8");
    LocaleEnvironment::set("LC_TIME", "fr_FR.UTF-8");
    LocaleEnvironment::set("LANG", "en_GB.UTF-8");
    EXPECT_EQ(SystemLocale::monetaryLocaleId(), QStringLiteral("ja_JP"));
    EXPECT_EQ(SystemLocale::timeLocaleId(), QStringLiteral("ja_JP"));
    EXPECT_EQ(SystemLocale::currencyCode(), QStringLiteral("JPY"));

    // An empty value counts as unset.
    LocaleEnvironment::set("LC_ALL", "");
    EXPECT_EQ(SystemLocale::monetaryLocaleId(), QStringLiteral("de_DE"));
    EXPECT_EQ(SystemLocale::timeLocaleId(), QStringLiteral("fr_FR"));
    EXPECT_EQ(SystemLocale::currencyCode(), QStringLiteral("EUR"));

    qunsetenv("LC_MONETARY");
    EXPECT_EQ(SystemLocale::monetaryLocaleId(), QStringLiteral("en_GB"));
    EXPECT_EQ(SystemLocale::timeLocaleId(), QStringLiteral("fr_FR"));
    EXPECT_EQ(SystemLocale::currencyCode(), QStringLiteral("GBP"));

    qunsetenv("LANG");
    EXPECT_EQ(SystemLocale::monetaryLocaleId(), QStringLiteral("en_US_POSIX"));
    EXPECT_EQ(SystemLocale::currencyCode(), QStringLiteral("USD"));
}

TEST(SystemLocale, PosixNamesBecomeIcuIds)
{
    const LocaleEnvironment environment;
    EXPECT_EQ(monetaryFor("de_DE.UTF-8"), QStringLiteral("de_DE"));
    EXPECT_EQ(monetaryFor("sr_RS@latin"), QStringLiteral("sr_Latn_RS"));
    EXPECT_EQ(monetaryFor("sr_RS.UTF-8@latin"), QStringLiteral("sr_Latn_RS"));
    EXPECT_EQ(monetaryFor("ca_ES.UTF-8@valencia"), QStringLiteral("ca_ES_VALENCIA"));
    EXPECT_EQ(monetaryFor("de_DE@euro"), QStringLiteral("de_DE"));
    EXPECT_EQ(monetaryFor("iw_IL.UTF-8"), QStringLiteral("he_IL"));
    EXPECT_EQ(monetaryFor("C"), QStringLiteral("en_US_POSIX"));
    EXPECT_EQ(monetaryFor("POSIX"), QStringLiteral("en_US_POSIX"));
    EXPECT_EQ(monetaryFor("C.UTF-8"), QStringLiteral("en_US_POSIX"));
    EXPECT_EQ(monetaryFor("../../etc/passwd"), QStringLiteral("en_US_POSIX"));
    EXPECT_EQ(monetaryFor("de_DE;currency=CHF"), QStringLiteral("en_US_POSIX"));
}

TEST(SystemLocale, CurrencyOfTheMonetaryLocale)
{
    const LocaleEnvironment environment;
    EXPECT_EQ(currencyFor("de_DE.UTF-8"), QStringLiteral("EUR"));
    EXPECT_EQ(currencyFor("ja_JP"), QStringLiteral("JPY"));
    EXPECT_EQ(currencyFor("sr_RS@latin"), QStringLiteral("RSD"));
    EXPECT_EQ(currencyFor("de_CH.UTF-8"), QStringLiteral("CHF"));
    // No region, no currency.
    EXPECT_EQ(currencyFor("C"), QStringLiteral("USD"));
    EXPECT_EQ(currencyFor("C.UTF-8"), QStringLiteral("USD"));
    EXPECT_EQ(currencyFor("de"), QStringLiteral("USD"));
    EXPECT_EQ(currencyFor("xx_QQ"), QStringLiteral("USD"));
    // A POSIX modifier is not an ICU keyword and cannot pick a currency.
    EXPECT_EQ(currencyFor("de_DE@currency=CHF"), QStringLiteral("EUR"));
}
