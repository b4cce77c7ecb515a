// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The readers against damaged files: every sample cut short, with bytes
// flipped, lines doubled or dropped, some thousands of times from a fixed
// seed. Each must end, and what it reads must be a refusal, line errors or
// rows that are whole: a name, a price within bounds, an existing date, a
// cycle, a currency or the question which one.
#include "ImportFixture.h"
#include "import/ImportLimits.h"

#include <random>

using namespace tabrino;
using namespace tabrino::test;

namespace {

class Mutator {
public:
    explicit Mutator(std::uint32_t seed) : m_random(seed) {}

    QByteArray mutate(QByteArray bytes)
    {
        const int rounds = pick(1, 4);
        for (int i = 0; i < rounds && !bytes.isEmpty(); ++i) {
            switch (pick(0, 5)) {
            case 0: bytes.truncate(pick(0, int(bytes.size()) - 1)); break;
            case 1: bytes[pick(0, int(bytes.size()) - 1)] ^= char(1 << pick(0, 7)); break;
            case 2: bytes[pick(0, int(bytes.size()) - 1)] = kSpecial[pick(0, int(sizeof kSpecial) - 2)]; break;
            case 3: bytes = withLines(bytes, Lines::Doubled); break;
            case 4: bytes = withLines(bytes, Lines::Dropped); break;
            default: bytes.insert(pick(0, int(bytes.size())), kSpecial + pick(0, int(sizeof kSpecial) - 2), 1);
            }
        }
        return bytes;
    }

private:
    enum class Lines { Doubled, Dropped };
    // The bytes the readers give a meaning to.
    static constexpr char kSpecial[] = "\"',;\t\r\n{}[]:\\$-=+@.0123456789\xC3\xEF\xFE\xFF\x80";

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, std::max(low, high))(m_random); }

    QByteArray withLines(const QByteArray& bytes, Lines change)
    {
        QList<QByteArray> lines = bytes.split('\n');
        const int at = pick(0, int(lines.size()) - 1);
        if (change == Lines::Doubled)
            lines.insert(at, lines.at(at));
        else
            lines.removeAt(at);
        return lines.join('\n');
    }

    std::mt19937 m_random;
};

void expectWhole(const ImportReading::Row& row, const std::string& where)
{
    const ImportedSubscription& s = row.subscription;
    EXPECT_FALSE(s.name.trimmed().isEmpty()) << where;
    EXPECT_FALSE(s.price.isNegative()) << where;
    EXPECT_LE(s.price, Decimal(ImportLimits::kMaxPrice)) << where;
    EXPECT_TRUE(s.nextBillingDate.isValid()) << where;
    EXPECT_TRUE(s.currency.isResolved() || !s.currency.written.isEmpty()) << where;
    EXPECT_GE(row.line, 1) << where;
    if (s.cycle.kind() == BillingCycle::Kind::Custom) {
        EXPECT_GE(s.cycle.customDays(), 1) << where;
        EXPECT_LE(s.cycle.customDays(), BillingCycle::kMaxCustomDays) << where;
    }
}

}  // namespace

TEST(Mutations, damagedSamplesAreRefusedOrReportedNeverReadAsGarbage)
{
    const char* const samples[] = {"tabrino.json", "tabrino.csv",   "wallos.json",    "wallos-api.json",
                                   "wallos.csv",   "subtrackr.csv", "subtrackr.json", "spreadsheet-windows1252.csv"};
    QList<QByteArray> originals;
    for (const char* name : samples)
        originals << sample(name);

    Mutator mutator(20250310);
    const ReadingContext context = berlinContext();
    int refused = 0, withErrors = 0;
    for (int round = 0; round < 500; ++round) {
        for (qsizetype i = 0; i < originals.size(); ++i) {
            const QByteArray damaged = mutator.mutate(originals.at(i));
            const ImportReading reading = readBytes(damaged, context);
            const std::string where = "round " + std::to_string(round) + ", file " + std::to_string(i) + ":\n"
                + damaged.left(400).toStdString();
            if (reading.isRefused()) {
                ++refused;
                EXPECT_TRUE(reading.rows.isEmpty()) << where;
                continue;
            }
            withErrors += reading.errors.isEmpty() ? 0 : 1;
            for (const ImportReading::Row& row : reading.rows)
                expectWhole(row, where);
            for (const ImportReading::LineError& error : reading.errors) {
                EXPECT_GE(error.line, 1) << where;
                EXPECT_FALSE(error.reason.isEmpty()) << where;
            }
            if (::testing::Test::HasFailure())
                return;
        }
    }
    // The damage reached the readers' every way out.
    EXPECT_GT(refused, 100);
    EXPECT_GT(withErrors, 100);
}
