// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SingleInstance.h"

#include <QCoreApplication>

#include <cstdio>

// Claims the instance as the program does at start and prints the outcome.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    tabrino::SingleInstance instance;
    const bool primary = instance.claim() == tabrino::SingleInstance::Role::Primary;
    std::printf("%s\n", primary ? "primary" : "secondary");
    return 0;
}
