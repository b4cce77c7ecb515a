// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rates/ExchangeRates.h"

#include "rates/IsoCurrency.h"

#include <QFile>
#include <QXmlStreamReader>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace tabrino {

namespace {

constexpr QStringView kEnvelopeNamespace = u"http://www.gesmes.org/xml/2002-08-01";
constexpr QStringView kRatesNamespace = u"http://www.ecb.int/vocabulary/2002-08-01/eurofxref";

// Digits with an optional fraction, as the bank writes its rates: no sign,
// exponent, spaces or grouping.
bool isPlainDecimal(QStringView text)
{
    const qsizetype point = text.indexOf(u'.');
    const QStringView whole = point < 0 ? text : text.first(point);
    const QStringView fraction = point < 0 ? QStringView() : text.sliced(point + 1);
    const auto digits = [](QStringView part) {
        return !part.isEmpty() && std::all_of(part.begin(), part.end(), [](QChar c) { return c.isDigit(); });
    };
    return digits(whole) && (point < 0 || digits(fraction));
}

// Walks the document: the envelope, one Cube holding one dated Cube holding
// one Cube per currency. Everything in the envelope's own namespace (the
// subject, the sender) is skipped.
class Reader {
public:
    explicit Reader(QByteArrayView xml) : m_xml(xml.toByteArray()) {}

    bool read()
    {
        if (!nextChild() || !isEnvelope())
            return fail(u"the root element is not the bank's envelope"_s);
        bool sawRates = false;
        while (nextChild()) {
            if (m_xml.namespaceUri() == kEnvelopeNamespace) {
                m_xml.skipCurrentElement();
                continue;
            }
            if (sawRates || !isCube() || !m_xml.attributes().isEmpty())
                return fail(u"unexpected element "_s + m_xml.name().toString());
            sawRates = true;
            if (!readDays())
                return false;
        }
        // Nothing but comments and space may follow the envelope.
        if (m_error.isEmpty() && nextChild())
            return fail(u"it holds more than one document"_s);
        if (!m_error.isEmpty())
            return false;
        if (m_xml.hasError())
            return fail(m_xml.errorString());
        if (!sawRates || !m_date.isValid())
            return fail(u"it holds no rates"_s);
        return true;
    }

    QString error() const { return m_error; }
    QDate date() const { return m_date; }
    QHash<QString, Decimal> rates() const { return m_rates; }

private:
    bool fail(const QString& error)
    {
        if (m_error.isEmpty())
            m_error = error;
        return false;
    }

    bool isEnvelope() const { return m_xml.name() == u"Envelope" && m_xml.namespaceUri() == kEnvelopeNamespace; }
    bool isCube() const { return m_xml.name() == u"Cube" && m_xml.namespaceUri() == kRatesNamespace; }

    // The next start element among the children of the element being read
    // (or at the top of the document); false at that element's end, at the
    // end of the document and on an error. A document type declaration is
    // one: no entity is ever expanded.
    bool nextChild()
    {
        while (!m_xml.atEnd()) {
            switch (m_xml.readNext()) {
            case QXmlStreamReader::StartElement: return true;
            case QXmlStreamReader::EndElement: return false;
            case QXmlStreamReader::DTD: return fail(u"it declares a document type"_s);
            case QXmlStreamReader::Characters:
                if (!m_xml.isWhitespace())
                    return fail(u"it holds text outside the rates"_s);
                break;
            default: break;
            }
        }
        return false;
    }

    bool readDays()
    {
        while (nextChild()) {
            if (!isCube() || m_date.isValid())
                return fail(u"it holds more than one day's rates"_s);
            const QString time = m_xml.attributes().value(u"time"_s).toString();
            m_date = QDate::fromString(time, Qt::ISODate);
            if (time.size() != 10 || !m_date.isValid())
                return fail(u"the rates' date is not a day: "_s + time);
            if (!readRates())
                return false;
        }
        return m_error.isEmpty();
    }

    bool readRates()
    {
        while (nextChild()) {
            if (!isCube())
                return fail(u"unexpected element "_s + m_xml.name().toString());
            const QString code = m_xml.attributes().value(u"currency"_s).toString();
            const QString text = m_xml.attributes().value(u"rate"_s).toString();
            if (!IsoCurrency::isKnown(code) || code == u"EUR"_s)
                return fail(u"not a currency to convert: "_s + code);
            if (m_rates.contains(code))
                return fail(code + u" is listed twice"_s);
            const std::optional<Decimal> rate = isPlainDecimal(text) ? Decimal::fromString(text) : std::nullopt;
            if (!rate || *rate < ExchangeRates::lowestRate || *rate > ExchangeRates::highestRate)
                return fail(u"the rate of "_s + code + u" is not a plausible rate: "_s + text);
            m_rates.insert(code, *rate);
            // A rate holds nothing but its attributes.
            if (nextChild())
                return fail(u"unexpected element inside the rate of "_s + code);
        }
        if (m_rates.isEmpty())
            return fail(u"it holds no rates"_s);
        return m_error.isEmpty();
    }

    QXmlStreamReader m_xml;
    QString m_error;
    QDate m_date;
    QHash<QString, Decimal> m_rates;
};

}  // namespace

ExchangeRates::ExchangeRates(QDate date, QHash<QString, Decimal> perEuro) : m_date(date), m_perEuro(std::move(perEuro))
{
}

std::optional<ExchangeRates> ExchangeRates::fromXml(QByteArrayView xml, QString* error)
{
    QString ignored;
    if (!error)
        error = &ignored;
    if (xml.size() > maximumSize) {
        *error = u"The rates file is larger than %1 bytes."_s.arg(maximumSize);
        return std::nullopt;
    }
    Reader reader(xml);
    if (!reader.read()) {
        *error = u"The rates file was refused: "_s + reader.error() + u'.';
        return std::nullopt;
    }
    return ExchangeRates(reader.date(), reader.rates());
}

std::optional<ExchangeRates> ExchangeRates::fromFile(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = u"Couldn't read "_s + path + u": "_s + file.errorString();
        return std::nullopt;
    }
    // One byte past the cap tells a file that is too large, however it grew.
    return fromXml(file.read(maximumSize + 1), error);
}

std::optional<Decimal> ExchangeRates::perEuro(const QString& code) const
{
    if (code == u"EUR"_s)
        return Decimal(1);
    const auto found = m_perEuro.constFind(code);
    return found == m_perEuro.constEnd() ? std::nullopt : std::optional<Decimal>(*found);
}

}  // namespace tabrino
