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

void collectBar(const QJsonObject& bar, QList<int>& sizes)
{
    for (const char* side : {"modules-left", "modules-center", "modules-right"}) {
        for (const QJsonValue& module : bar.value(QLatin1String(side)).toArray()) {
            const QString name = module.toString();
            if (name != u"tray" && !name.startsWith(u"tray#"))
                continue;
            const int size = bar.value(name).toObject().value(QStringLiteral("icon-size")).toInt(kDefaultIconSize);
            if (size > 0 && !sizes.contains(size))
                sizes << size;
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
    const QString path = fileFor(arguments, u"-c", u"--config", configFolders, {"/waybar/config.jsonc", "/waybar/config"});
    const QByteArray text = readSmall(path);
    return text.isEmpty() ? QList<int>() : trayIconSizesIn(text);
}

QList<int> WaybarConfig::trayIconSizesIn(const QByteArray& text)
{
    const QJsonDocument document = QJsonDocument::fromJson(withoutComments(text));
    QList<int> sizes;
    if (document.isObject())
        collectBar(document.object(), sizes);
    for (const QJsonValue& bar : document.array())
        collectBar(bar.toObject(), sizes);
    return sizes;
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
