#include "ui/design/MoneyText.h"

#include "format/MoneyFormatter.h"

namespace tabrino {

QString MoneyText::compact(const Decimal& amount, const QString& code) const
{
    return MoneyFormatter::compact(amount, code);
}

QString MoneyText::plain(const Decimal& amount, const QString& code) const
{
    return MoneyFormatter::plain(amount, code);
}

QString MoneyText::twoDecimals(const Decimal& amount, const QString& code) const
{
    return MoneyFormatter::twoDecimals(amount, code);
}

QString MoneyText::signedAmount(const Decimal& amount, const QString& code) const
{
    return MoneyFormatter::signedAmount(amount, code);
}

}  // namespace tabrino
