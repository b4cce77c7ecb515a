// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>

#include <utility>

namespace tabrino::test {

// A rates file in the European Central Bank's daily layout, one Cube per
// (currency, rate) pair written as given.
inline QByteArray ratesXml(const QByteArray& day, const QList<std::pair<QByteArray, QByteArray>>& rates)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<gesmes:Envelope xmlns:gesmes=\"http://www.gesmes.org/xml/2002-08-01\" "
                     "xmlns=\"http://www.ecb.int/vocabulary/2002-08-01/eurofxref\">\n"
                     "\t<gesmes:subject>Reference rates</gesmes:subject>\n"
                     "\t<gesmes:Sender>\n\t\t<gesmes:name>European Central Bank</gesmes:name>\n\t</gesmes:Sender>\n"
                     "\t<Cube>\n\t\t<Cube time='"
        + day + "'>\n";
    for (const auto& [currency, rate] : rates)
        xml += "\t\t\t<Cube currency='" + currency + "' rate='" + rate + "'/>\n";
    return xml + "\t\t</Cube>\n\t</Cube>\n</gesmes:Envelope>\n";
}

}  // namespace tabrino::test
