// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"
#include "app/lastresort.h"
#include "app/startup.h"
#include "packaging/activation.h"
#include "shell/forms.h"
#include "shell/version.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const std::optional<int> status = tavrel::answerCommandLine(argc, argv))
        return *status;
    tavrel::endAtOnceWhereStuck();
    tavrel::platform::keepLaunchToken();
    QApplication app(argc, argv);
    tavrel::applicationMade();
    QCoreApplication::setOrganizationName(QStringLiteral("Tavrel"));
    QCoreApplication::setApplicationName(QStringLiteral("Tavrel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TAVREL_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tavrel.Tavrel"));
    tavrel::StartApplication();
    // Refused beside a running copy, after its message, the program has ended before its event loop.
    const int code = tavrel::shell::isEnding() ? 0 : app.exec();
    // The windows that the end unloaded are destroyed before the application object.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return code;
}
