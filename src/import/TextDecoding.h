// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayView>
#include <QString>

namespace tabrino {

// A file's bytes as text. Spreadsheets write UTF-8 with or without a byte
// order mark, UTF-16 with one, or the Windows code page of Western Europe;
// the mark decides where there is one, then valid UTF-8 is read as UTF-8
// and anything else as Windows-1252 (Latin-1 with the printable 0x80-0x9F
// of that code page).
class TextDecoding {
public:
    enum class Encoding { Utf8, Utf16LittleEndian, Utf16BigEndian, Windows1252 };

    struct Result {
        QString text;
        Encoding encoding = Encoding::Utf8;
        QString refusal;  // empty when the bytes are text
    };

    TextDecoding() = delete;

    // Refuses an empty file, damaged UTF-16 and anything that is not text
    // (a NUL byte, or control characters a text never holds that often).
    static Result decode(QByteArrayView bytes);
};

}  // namespace tabrino
