// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "import/ImportDocument.h"

#include "import/CsvReader.h"
#include "import/ImportLimits.h"
#include "import/JsonRecordReader.h"
#include "import/SpreadsheetFormat.h"
#include "import/SubTrackrFormat.h"
#include "import/TabrinoFormat.h"
#include "import/TextDecoding.h"
#include "import/WallosFormat.h"

#include <QFile>

namespace tabrino {

ImportDocument ImportDocument::refused(const QString& refusal)
{
    ImportDocument document;
    document.m_refusal = refusal;
    return document;
}

ImportDocument ImportDocument::fromBytes(QByteArrayView bytes)
{
    if (bytes.size() > ImportLimits::kMaxFileBytes) {
        //: Why a file is not imported; %L1 is the largest size taken, in megabytes
        return refused(tr("The file is larger than %L1 MB, far more than any list of subscriptions. "
                          "Is it the right file?")
                           .arg(ImportLimits::kMaxFileBytes / (1024 * 1024)));
    }
    const TextDecoding::Result decoded = TextDecoding::decode(bytes);
    if (!decoded.refusal.isEmpty())
        return refused(decoded.refusal);
    const QStringView text = QStringView(decoded.text).trimmed();
    const bool json = text.startsWith(u'[') || text.startsWith(u'{');
    TableParse parsed = json ? JsonRecordReader::read(text) : CsvReader::read(decoded.text);
    if (!parsed.refusal.isEmpty())
        return refused(parsed.refusal);
    ImportDocument document;
    document.m_table = std::move(parsed.table);
    return document;
}

ImportDocument ImportDocument::fromFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        //: Why a file is not imported; %1 is the system's reason
        return refused(tr("Couldn't open the file: %1").arg(file.errorString()));
    }
    // One byte more than allowed tells a file that is too large, also one
    // that grows while it is read.
    const QByteArray bytes = file.read(ImportLimits::kMaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        //: Why a file is not imported; %1 is the system's reason
        return refused(tr("Couldn't read the file: %1").arg(file.errorString()));
    }
    return fromBytes(bytes);
}

ImportReading ImportDocument::read(const ReadingContext& context) const
{
    ImportReading reading;
    if (!m_refusal.isEmpty()) {
        reading.refusal = m_refusal;
        return reading;
    }
    if (TabrinoFormat::recognises(m_table))
        reading = TabrinoFormat::read(m_table, context);
    else if (WallosFormat::recognises(m_table))
        reading = WallosFormat::read(m_table, context);
    else if (SubTrackrFormat::recognises(m_table))
        reading = SubTrackrFormat::read(m_table, context);
    else
        reading = SpreadsheetFormat::read(m_table, context);
    if (m_table.records.isEmpty())
        reading.refusal = tr("The file holds no subscriptions.");
    return reading;
}

}  // namespace tabrino
