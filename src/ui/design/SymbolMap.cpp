// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/design/SymbolMap.h"

#include <QFile>
#include <QFontDatabase>

#include <QStringView>

#include <algorithm>
#include <array>
#include <string_view>

namespace tabrino {

namespace {

struct Entry {
    std::u16string_view symbol;
    std::u16string_view ligature;
};

// The one table of symbols. Kept in ascending order of symbol name so that
// lookups can binary-search it; the static_assert below enforces the order.
// Every ligature must exist in the installed Material Icons font.
constexpr std::array kEntries{
    // clang-format off
    Entry{u"antenna.radiowaves.left.and.right", u"settings_input_antenna"},
    Entry{u"applewatch", u"watch"},
    Entry{u"apps.iphone", u"apps"},
    Entry{u"arcade.stick", u"videogame_asset"},
    Entry{u"archivebox", u"archive"},
    Entry{u"arrow.down", u"arrow_downward"},
    Entry{u"arrow.up", u"arrow_upward"},
    Entry{u"arrow.uturn.backward", u"undo"},
    Entry{u"at", u"alternate_email"},
    Entry{u"banknote", u"payments"},
    Entry{u"basket", u"shopping_basket"},
    Entry{u"bell", u"notifications"},
    Entry{u"bicycle", u"directions_bike"},
    Entry{u"bitcoinsign.circle", u"currency_bitcoin"},
    Entry{u"book", u"menu_book"},
    Entry{u"books.vertical", u"library_books"},
    Entry{u"briefcase", u"work"},
    Entry{u"bubble.left.and.bubble.right", u"forum"},
    Entry{u"building.columns", u"account_balance"},
    Entry{u"calendar", u"calendar_today"},
    Entry{u"camera", u"photo_camera"},
    Entry{u"cart", u"shopping_cart"},
    Entry{u"character.bubble", u"translate"},
    Entry{u"chart.bar", u"bar_chart"},
    Entry{u"chart.line.uptrend.xyaxis", u"trending_up"},
    Entry{u"chart.pie", u"pie_chart"},
    Entry{u"checklist", u"checklist"},
    Entry{u"checkmark", u"check"},
    Entry{u"checkmark.circle.fill", u"check_circle"},
    Entry{u"checkmark.seal", u"verified"},
    Entry{u"checkmark.shield", u"verified_user"},
    Entry{u"chevron.down", u"expand_more"},
    Entry{u"chevron.left", u"chevron_left"},
    Entry{u"chevron.left.forwardslash.chevron.right", u"code"},
    Entry{u"chevron.right", u"chevron_right"},
    Entry{u"chevron.up", u"expand_less"},
    Entry{u"clock", u"schedule"},
    Entry{u"cloud", u"cloud"},
    Entry{u"command", u"keyboard_command_key"},
    Entry{u"creditcard", u"credit_card"},
    Entry{u"creditcard.fill", u"credit_card"},
    Entry{u"cube", u"view_in_ar"},
    Entry{u"cup.and.saucer", u"local_cafe"},
    Entry{u"doc.plaintext", u"article"},
    Entry{u"doc.text", u"description"},
    Entry{u"dollarsign.circle", u"monetization_on"},
    Entry{u"dumbbell", u"fitness_center"},
    Entry{u"ellipsis", u"more_horiz"},
    Entry{u"envelope", u"mail"},
    Entry{u"exclamationmark.triangle", u"warning"},
    Entry{u"figure.mind.and.body", u"self_improvement"},
    Entry{u"figure.run", u"directions_run"},
    Entry{u"film", u"movie"},
    Entry{u"folder", u"folder"},
    Entry{u"fork.knife", u"restaurant"},
    Entry{u"fork.knife.circle", u"restaurant_menu"},
    Entry{u"gamecontroller", u"sports_esports"},
    Entry{u"gearshape", u"settings"},
    Entry{u"globe", u"public"},
    Entry{u"graduationcap", u"school"},
    Entry{u"hammer", u"build"},
    Entry{u"headphones", u"headphones"},
    Entry{u"heart", u"favorite"},
    Entry{u"heart.text.square", u"monitor_heart"},
    Entry{u"hifispeaker", u"speaker"},
    Entry{u"house", u"home"},
    Entry{u"icloud", u"cloud"},
    Entry{u"icloud.and.arrow.up", u"backup"},
    Entry{u"info.circle", u"info"},
    Entry{u"key", u"key"},
    Entry{u"link", u"link"},
    Entry{u"lock.shield", u"security"},
    Entry{u"magnifyingglass", u"search"},
    Entry{u"moon.stars", u"nightlight"},
    Entry{u"mountain.2", u"terrain"},
    Entry{u"music.note", u"music_note"},
    Entry{u"music.note.list", u"queue_music"},
    Entry{u"newspaper", u"newspaper"},
    Entry{u"note.text", u"sticky_note_2"},
    Entry{u"number", u"tag"},
    Entry{u"paintbrush", u"brush"},
    Entry{u"paintpalette", u"palette"},
    Entry{u"paperplane", u"send"},
    Entry{u"pawprint", u"pets"},
    Entry{u"play.rectangle.fill", u"smart_display"},
    Entry{u"play.tv", u"live_tv"},
    Entry{u"plus", u"add"},
    Entry{u"plus.circle.dashed", u"add_circle_outline"},
    Entry{u"puzzlepiece", u"extension"},
    Entry{u"radio", u"radio"},
    Entry{u"shippingbox", u"inventory_2"},
    Entry{u"sparkles", u"auto_awesome"},
    Entry{u"sportscourt", u"sports"},
    Entry{u"square.and.arrow.up", u"ios_share"},
    Entry{u"square.grid.2x2", u"grid_view"},
    Entry{u"square.grid.3x3", u"apps"},
    Entry{u"square.stack.3d.up", u"layers"},
    Entry{u"storefront", u"storefront"},
    Entry{u"takeoutbag.and.cup.and.straw", u"takeout_dining"},
    Entry{u"textformat", u"text_fields"},
    Entry{u"theatermasks", u"theater_comedy"},
    Entry{u"trash", u"delete"},
    Entry{u"tv", u"tv"},
    Entry{u"video", u"videocam"},
    Entry{u"video.doorbell", u"doorbell"},
    Entry{u"waveform", u"graphic_eq"},
    Entry{u"xmark", u"close"},
    // clang-format on
};

constexpr bool isStrictlyAscending()
{
    return std::adjacent_find(kEntries.begin(), kEntries.end(),
                              [](const Entry& a, const Entry& b) { return !(a.symbol < b.symbol); })
        == kEntries.end();
}
static_assert(isStrictlyAscending(), "keep the symbol table sorted by symbol name, without duplicates");

}  // namespace

std::optional<QString> SymbolMap::ligature(const QString& symbolName)
{
    const std::u16string_view key(reinterpret_cast<const char16_t*>(symbolName.utf16()),
                                  static_cast<std::size_t>(symbolName.size()));
    const auto it = std::lower_bound(kEntries.begin(), kEntries.end(), key,
                                     [](const Entry& entry, std::u16string_view name) { return entry.symbol < name; });
    if (it == kEntries.end() || it->symbol != key)
        return std::nullopt;
    return QStringView(it->ligature).toString();
}

QStringList SymbolMap::knownSymbols()
{
    QStringList names;
    names.reserve(static_cast<qsizetype>(kEntries.size()));
    for (const Entry& entry : kEntries)
        names.append(QStringView(entry.symbol).toString());
    return names;
}

QString SymbolMap::fontFamily()
{
    static const QString family = [] {
        const QString file =
            QStringLiteral("/usr/share/fonts/truetype/material-design-icons-iconfont/MaterialIcons-Regular.ttf");
        const QString installed = QStringLiteral("Material Icons");
        if (QFile::exists(file)) {
            const int id = QFontDatabase::addApplicationFont(file);
            const QStringList families = QFontDatabase::applicationFontFamilies(id);
            if (!families.isEmpty())
                return families.first();
        }
        return QFontDatabase::hasFamily(installed) ? installed : QString();
    }();
    return family;
}

}  // namespace tabrino
