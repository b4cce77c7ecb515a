// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/WaybarConfig.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStandardPaths>

namespace tabrino {

namespace {

constexpr int kDefaultIconSize = 16;

// JSON without the // and /* */ comments and the trailing commas waybar
// allows, strings kept whole.
QByteArray withoutComments(const QByteArray& text)
{
    QByteArray out;
    out.reserve(text.size());
    bool inString = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text.at(i);
        const char next = i + 1 < text.size() ? text.at(i + 1) : '\0';
        if (inString) {
            out += c;
            if (c == '\\' && next != '\0') {
                out += next;
                ++i;
            } else if (c == '"') {
                inString = false;
            }
        } else if (c == '"') {
            inString = true;
            out += c;
        } else if (c == '/' && next == '/') {
            while (i < text.size() && text.at(i) != '\n')
                ++i;
            out += '\n';
        } else if (c == '/' && next == '*') {
            const qsizetype end = text.indexOf("*/", i + 2);
            i = end < 0 ? text.size() : end + 1;
            out += ' ';
        } else {
            if (c == '}' || c == ']') {
                qsizetype last = out.size() - 1;
                while (last >= 0 && QChar::isSpace(uchar(out.at(last))))
                    --last;
                if (last >= 0 && out.at(last) == ',')
                    out.remove(last, 1);
            }
            out += c;
        }
    }
    return out;
}

using TrayPlace = WaybarConfig::TrayPlace;

// Calls `visit` with each bar of a configuration and the name and group of
// each of its trays, in the configuration's order.
template <typename Visit>
void forEachTray(const QByteArray& text, Visit visit)
{
    const QJsonDocument document = QJsonDocument::fromJson(withoutComments(text));
    QJsonArray bars = document.array();
    if (document.isObject())
        bars = QJsonArray{document.object()};
    const std::pair<const char*, TrayPlace::Group> groups[] = {{"modules-left", TrayPlace::Group::Start},
                                                               {"modules-center", TrayPlace::Group::Center},
                                                               {"modules-right", TrayPlace::Group::End}};
    for (const QJsonValue& value : bars) {
        const QJsonObject bar = value.toObject();
        for (const auto& [key, group] : groups) {
            for (const QJsonValue& module : bar.value(QLatin1String(key)).toArray()) {
                const QString name = module.toString();
                if (name == u"tray" || name.startsWith(u"tray#"))
                    visit(bar, name, group);
            }
        }
    }
}

// The file after `shortOption`/`longOption` on the command line, else the
// first of `names` in the folders; empty when none exists.
QString fileFor(const QStringList& arguments, QStringView shortOption, QStringView longOption,
                const QStringList& configFolders, std::initializer_list<const char*> names)
{
    QString path;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if ((argument == shortOption || argument == longOption) && i + 1 < arguments.size())
            path = arguments.at(i + 1);
        else if (argument.startsWith(longOption.toString() + u'='))
            path = argument.mid(longOption.size() + 1);
    }
    if (!path.isEmpty())
        return path;
    for (const QString& folder : configFolders) {
        for (const char* name : names) {
            if (QFile::exists(folder + QLatin1String(name)))
                return folder + QLatin1String(name);
        }
    }
    return QString();
}

QByteArray readSmall(const QString& path)
{
    QFile file(path);
    return !path.isEmpty() && file.open(QIODevice::ReadOnly) ? file.read(1 << 20) : QByteArray();
}

// A CSS colour: a name, #rgb, #rrggbb, rgb() or rgba(); invalid otherwise.
QColor cssColour(const QString& text)
{
    static const QRegularExpression function(
        QStringLiteral("^rgba?\\(\\s*([\\d.]+)\\s*,\\s*([\\d.]+)\\s*,\\s*([\\d.]+)\\s*(?:,\\s*([\\d.]+)\\s*)?\\)$"));
    const QRegularExpressionMatch match = function.match(text);
    if (match.hasMatch()) {
        QColor colour(int(match.captured(1).toDouble()), int(match.captured(2).toDouble()),
                      int(match.captured(3).toDouble()));
        if (match.hasCaptured(4))
            colour.setAlphaF(float(match.captured(4).toDouble()));
        return colour;
    }
    return QColor::fromString(text);
}

QByteArray configText(const QStringList& arguments, const QStringList& configFolders)
{
    return readSmall(fileFor(arguments, u"-c", u"--config", configFolders, {"/waybar/config.jsonc", "/waybar/config"}));
}

}  // namespace

QStringList WaybarConfig::systemConfigFolders()
{
    QStringList folders{QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
                        QDir::homePath() + u"/.config"_qs};
    const QString dirs = qEnvironmentVariable("XDG_CONFIG_DIRS", QStringLiteral("/etc/xdg"));
    folders << dirs.split(u':', Qt::SkipEmptyParts);
    folders.removeDuplicates();
    return folders;
}

QList<int> WaybarConfig::trayIconSizes(const QStringList& arguments, const QStringList& configFolders)
{
    const QByteArray text = configText(arguments, configFolders);
    return text.isEmpty() ? QList<int>() : trayIconSizesIn(text);
}

QList<int> WaybarConfig::trayIconSizesIn(const QByteArray& text)
{
    QList<int> sizes;
    forEachTray(text, [&sizes](const QJsonObject& bar, const QString& name, TrayPlace::Group) {
        const int size = bar.value(name).toObject().value(QStringLiteral("icon-size")).toInt(kDefaultIconSize);
        if (size > 0 && !sizes.contains(size))
            sizes << size;
    });
    return sizes;
}

std::optional<WaybarConfig::TrayPlace> WaybarConfig::trayPlace(const QStringList& arguments,
                                                               const QStringList& configFolders)
{
    const QByteArray text = configText(arguments, configFolders);
    return text.isEmpty() ? std::nullopt : trayPlaceIn(text);
}

std::optional<WaybarConfig::TrayPlace> WaybarConfig::trayPlaceIn(const QByteArray& text)
{
    static const QHash<QString, Qt::Edge> edges{{QStringLiteral("top"), Qt::TopEdge},
                                                {QStringLiteral("bottom"), Qt::BottomEdge},
                                                {QStringLiteral("left"), Qt::LeftEdge},
                                                {QStringLiteral("right"), Qt::RightEdge}};
    std::optional<TrayPlace> place;
    forEachTray(text, [&place](const QJsonObject& bar, const QString&, TrayPlace::Group group) {
        if (!place)
            place = TrayPlace{edges.value(bar.value(u"position").toString(), Qt::TopEdge), group};
    });
    return place;
}

QPoint WaybarConfig::TrayPlace::anchorOn(const QRect& screen) const
{
    const bool horizontal = edge == Qt::TopEdge || edge == Qt::BottomEdge;
    // Along the bar: its start, middle or end.
    const int along = group == Group::Start ? (horizontal ? screen.left() : screen.top())
        : group == Group::Center            ? (horizontal ? screen.center().x() : screen.center().y())
                                            : (horizontal ? screen.right() : screen.bottom());
    switch (edge) {
    case Qt::TopEdge: return {along, screen.top()};
    case Qt::BottomEdge: return {along, screen.bottom()};
    case Qt::LeftEdge: return {screen.left(), along};
    case Qt::RightEdge: return {screen.right(), along};
    }
    return screen.topRight();
}

std::optional<bool> WaybarConfig::isBarDark(const QStringList& arguments, const QStringList& configFolders)
{
    const QByteArray css = readSmall(fileFor(arguments, u"-s", u"--style", configFolders, {"/waybar/style.css"}));
    return css.isEmpty() ? std::nullopt : isBarDarkIn(css);
}

std::optional<bool> WaybarConfig::isBarDarkIn(const QByteArray& css)
{
    QString text = QString::fromUtf8(css);
    static const QRegularExpression comment(QStringLiteral("/\\*.*?\\*/"),
                                            QRegularExpression::DotMatchesEverythingOption);
    text.remove(comment);

    QHash<QString, QString> names;
    static const QRegularExpression definition(QStringLiteral("@define-color\\s+([\\w-]+)\\s+([^;]+);"));
    for (const QRegularExpressionMatch& match : definition.globalMatch(text))
        names.insert(match.captured(1), match.captured(2).trimmed());

    static const QRegularExpression rule(QStringLiteral("([^{}]+)\\{([^}]*)\\}"));
    static const QRegularExpression background(QStringLiteral("(?:^|;)\\s*background(?:-color)?\\s*:\\s*([^;]+)"));
    std::optional<bool> dark;
    for (const QRegularExpressionMatch& match : rule.globalMatch(text)) {
        // Statements such as @define-color end before the selector does.
        const QString selectors = match.captured(1).section(u';', -1);
        bool forBar = false;
        for (const QString& selector : selectors.split(u','))
            forBar = forBar || selector.trimmed() == u"window#waybar";
        const QRegularExpressionMatch declared = background.match(match.captured(2));
        if (!forBar || !declared.hasMatch())
            continue;
        QString value = declared.captured(1).remove(QStringLiteral("!important")).trimmed();
        for (int depth = 0; depth < 8 && value.startsWith(u'@'); ++depth)
            value = names.value(value.mid(1));
        const QColor colour = cssColour(value);
        // A see-through bar shows whatever lies beneath it.
        if (colour.isValid() && colour.alphaF() >= 0.5)
            dark = colour.lightnessF() < 0.5;
        else
            dark.reset();
    }
    return dark;
}

}  // namespace tabrino
