// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "import/TextDecoding.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace tabrino {

namespace {

// 0x80...0x9F in Windows-1252; the five bytes it leaves undefined keep
// their Latin-1 meaning.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString fromWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        *out++ = (value >= 0x80 && value < 0xA0) ? QChar(kWindows1252High[value - 0x80]) : QChar(char16_t(value));
    }
    return text;
}

std::optional<QString> decodeStrictly(QByteArrayView bytes, QStringConverter::Encoding encoding)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    QString text = decoder(bytes);
    // A surrogate left without its pair at the end is no error to the decoder.
    if (decoder.hasError() || !QStringView(text).isValidUtf16())
        return std::nullopt;
    return text;
}

// A text file holds no NUL, and control characters other than tab, line
// breaks and form feed only by accident: one in a hundred characters is
// more than any accident.
bool looksLikeText(const QString& text)
{
    if (text.contains(QChar(0)))
        return false;
    const auto controls = std::count_if(text.cbegin(), text.cend(), [](QChar c) {
        return c.unicode() < 0x20 && c != u'\t' && c != u'\n' && c != u'\r' && c != u'\f';
    });
    return controls <= text.size() / 100;
}

}  // namespace

TextDecoding::Result TextDecoding::decode(QByteArrayView bytes)
{
    Result result;
    std::optional<QString> text;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        text = decodeStrictly(bytes.sliced(3), QStringConverter::Utf8);
    } else if (bytes.startsWith("\xFF\xFE")) {
        result.encoding = Encoding::Utf16LittleEndian;
        text = bytes.size() % 2 == 0 ? decodeStrictly(bytes.sliced(2), QStringConverter::Utf16LE) : std::nullopt;
    } else if (bytes.startsWith("\xFE\xFF")) {
        result.encoding = Encoding::Utf16BigEndian;
        text = bytes.size() % 2 == 0 ? decodeStrictly(bytes.sliced(2), QStringConverter::Utf16BE) : std::nullopt;
    } else {
        text = decodeStrictly(bytes, QStringConverter::Utf8);
        if (!text) {
            result.encoding = Encoding::Windows1252;
            text = fromWindows1252(bytes);
        }
    }
    if (!text) {
        result.refusal = QCoreApplication::translate("TextDecoding", "The file's text is cut off or damaged.");
        return result;
    }
    if (text->trimmed().isEmpty()) {
        result.refusal = QCoreApplication::translate("TextDecoding", "The file is empty.");
        return result;
    }
    if (!looksLikeText(*text)) {
        result.refusal = QCoreApplication::translate(
            "TextDecoding", "This is not a text file. Save the subscriptions as CSV or JSON and import that.");
        return result;
    }
    result.text = *std::move(text);
    return result;
}

}  // namespace tabrino
