// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Takes the application's single-instance lock at the path given as its argument (or at the user's own place without
// one), reports on standard output whether it got it ("first" or "second"), and keeps it until its standard input
// closes. As the first, it says
// "came forward", with the token handed over, whenever a later copy asks it to. The single-instance test kills it
// to leave behind whatever a killed copy leaves.
#include "shell/singleinstance.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cstdio>

#include <unistd.h>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc > 2)
        return 2;
    tavrel::shell::SingleInstance instance(argc == 2 ? QString::fromLocal8Bit(argv[1])
                                                     : tavrel::shell::SingleInstance::defaultLockPath());
    instance.listenForLaterCopies([](const QByteArray &token) {
        std::puts(("came forward" + (token.isEmpty() ? QByteArray() : ' ' + token)).constData());
        std::fflush(stdout);
    });
    std::puts(instance.isFirst() ? "first" : "second");
    std::fflush(stdout);
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [] {
        char buffer[64];
        if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0)
            QCoreApplication::quit();
    });
    return app.exec();
}
