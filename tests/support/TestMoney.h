#pragma once

#include "foundation/Decimal.h"
#include "support/Printers.h"

namespace tabrino::test {

// A decimal from text the test knows to be valid.
inline Decimal dec(const char* text)
{
    return *Decimal::fromString(text);
}

}  // namespace tabrino::test
