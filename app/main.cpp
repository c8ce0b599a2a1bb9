// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"
#include "app/lastresort.h"
#include "app/startup.h"
#include "packaging/activation.h"
#include "shell/forms.h"
#include "shell/version.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

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
    if (tavrel::shell::isEnding()) {
        // Refused beside a running copy, after its message: this copy holds nothing to keep or give back, so it
        // ends at once. Qt's own hang, not ours: Qt 6.4's Wayland plug-in, torn down right after the only window
        // closed, can wait for ever in ~QWaylandDisplay on its event thread, stuck in wl_display_read_events.
        std::fflush(nullptr);
        std::_Exit(0);
    }
    const int code = app.exec();
    // The windows that the end unloaded are destroyed before the application object.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return code;
}
