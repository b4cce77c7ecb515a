// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "foundation/SystemLocale.h"

#include <QByteArray>

#include <unicode/locid.h>
#include <unicode/ucurr.h>

#include <algorithm>

namespace tabrino {

namespace {

// What stands for a machine with no locale configured (unset, C, POSIX) or
// a name that is no locale. ICU would take en_US_POSIX, whose patterns are
// for machine-readable text ("$ 1234", no grouping); a person reads plain
// English instead.
const char* const kUnconfiguredLocale = "en";

QByteArray environmentLocale(const char* category)
{
    for (const char* variable : {"LC_ALL", category, "LANG"}) {
        QByteArray value = qgetenv(variable);
        if (!value.isEmpty())
            return value;
    }
    return {};
}

bool isAsciiAlpha(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isAsciiAlnum(char c)
{
    return isAsciiAlpha(c) || (c >= '0' && c <= '9');
}

// POSIX modifiers that ICU spells as a script or a variant; others (such as
// "euro") carry nothing ICU needs.
void applyModifier(const QByteArray& modifier, QByteArray& script, QByteArray& variant)
{
    const QByteArray lower = modifier.toLower();
    if (lower == "latin")
        script = "Latn";
    else if (lower == "cyrillic")
        script = "Cyrl";
    else if (lower == "devanagari")
        script = "Deva";
    else if (lower == "arabic")
        script = "Arab";
    else if (lower == "valencia")
        variant = "VALENCIA";
}

// "language[_territory][.codeset][@modifier]" to an ICU locale id.
QString toIcuLocaleId(const QByteArray& posix)
{
    QByteArray name = posix;
    QByteArray modifier;
    if (const auto at = name.indexOf('@'); at >= 0) {
        modifier = name.mid(at + 1);
        name.truncate(at);
    }
    if (const auto dot = name.indexOf('.'); dot >= 0)
        name.truncate(dot);
    if (name.isEmpty() || name == "C" || name == "POSIX")
        return QString::fromLatin1(kUnconfiguredLocale);

    // Anything but letters, digits and separators is no locale name; the C
    // library would fall back to the C locale for it as well.
    name.replace('-', '_');
    for (const char c : name) {
        if (!isAsciiAlnum(c) && c != '_')
            return QString::fromLatin1(kUnconfiguredLocale);
    }
    const auto separator = name.indexOf('_');
    const QByteArray language = separator >= 0 ? name.left(separator) : name;
    const QByteArray rest = separator >= 0 ? name.mid(separator + 1) : QByteArray();
    if (language.size() < 2 || language.size() > 8 || !std::all_of(language.begin(), language.end(), isAsciiAlpha)) {
        return QString::fromLatin1(kUnconfiguredLocale);
    }

    QByteArray script;
    QByteArray variant;
    applyModifier(modifier, script, variant);
    QByteArray id = language;
    if (!script.isEmpty())
        id += '_' + script;
    if (!rest.isEmpty())
        id += '_' + rest;
    if (!variant.isEmpty())
        id += (rest.isEmpty() ? "__" : "_") + variant;

    // Canonical form: case of each part, and old codes such as "iw" -> "he".
    const icu::Locale locale = icu::Locale::createCanonical(id.constData());
    if (locale.isBogus() || *locale.getLanguage() == '\0')
        return QString::fromLatin1(kUnconfiguredLocale);
    return QString::fromLatin1(locale.getName());
}

// Whether the name is a locale someone chose, not the unconfigured default
// (unset, C, POSIX) or a name that is no locale.
bool namesLocale(const QByteArray& posix)
{
    return toIcuLocaleId(posix) != QLatin1String(kUnconfiguredLocale) || posix.startsWith("en");
}

}  // namespace

QString SystemLocale::monetaryLocaleId()
{
    return toIcuLocaleId(environmentLocale("LC_MONETARY"));
}

QString SystemLocale::timeLocaleId()
{
    return toIcuLocaleId(environmentLocale("LC_TIME"));
}

QStringList SystemLocale::messageLanguages()
{
    const QByteArray messages = environmentLocale("LC_MESSAGES");
    if (!namesLocale(messages))
        return {};
    QStringList languages;
    for (const QByteArray& name : qgetenv("LANGUAGE").split(':')) {
        if (const QString id = toIcuLocaleId(name); namesLocale(name) && !languages.contains(id))
            languages << id;
    }
    const QString messagesId = toIcuLocaleId(messages);
    if (!languages.contains(messagesId))
        languages << messagesId;
    return languages;
}

QString SystemLocale::currencyCode()
{
    const QByteArray localeId = monetaryLocaleId().toLatin1();
    UChar code[4] = {};
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length = ucurr_forLocale(localeId.constData(), code, 4, &status);
    // No region (C, POSIX, "de") means no currency; "XXX" is ICU's own "none".
    if (U_FAILURE(status) || length != 3)
        return QStringLiteral("USD");
    const QString result = QString::fromUtf16(code, length);
    return result == u"XXX" ? QStringLiteral("USD") : result;
}

}  // namespace tabrino
