// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QVariant>

#include <optional>

namespace tabrino {

// Optional values cross into QML and the store as QVariants: null when absent.
template <typename T>
QVariant optionalToVariant(const std::optional<T>& value)
{
    return value ? QVariant::fromValue(*value) : QVariant();
}

// Null, or a value that is not a T, reads as absent.
template <typename T>
std::optional<T> variantToOptional(const QVariant& value)
{
    if (value.isNull() || !value.canConvert<T>())
        return std::nullopt;
    return value.value<T>();
}

}  // namespace tabrino
