#include "catalog/CatalogPlan.h"

using namespace Qt::StringLiterals;

namespace tabrino {

namespace {

const Decimal& averageDaysPerMonth()
{
    static const Decimal value = *Decimal::fromString(std::string_view("30.4375"));
    return value;
}

Decimal cycleDays(const QString& cycle)
{
    if (cycle == u"weekly"_s)
        return 7;
    if (cycle == u"quarterly"_s)
        return averageDaysPerMonth() * 3;
    if (cycle == u"yearly"_s)
        return averageDaysPerMonth() * 12;
    if (cycle == u"custom"_s)
        return 1;
    return averageDaysPerMonth();
}

}  // namespace

QString CatalogPlan::id() const
{
    return name + u'-' + price.toString() + u'-' + cycle;
}

Decimal CatalogPlan::monthlyEquivalent() const
{
    return price * (averageDaysPerMonth() / cycleDays(cycle));
}

size_t qHash(const CatalogPlan& plan, size_t seed)
{
    // The plain text of a decimal is the same for numerically equal values,
    // which keeps the hash consistent with ==.
    return qHashMulti(seed, plan.name, plan.price.toString(), plan.cycle);
}

}  // namespace tabrino
