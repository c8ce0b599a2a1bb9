#include "app/startup.h"
#include "shell/forms.h"
#include "shell/version.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Tavrel"));
    QCoreApplication::setApplicationName(QStringLiteral("Tavrel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TAVREL_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tavrel.Tavrel"));
    tavrel::StartApplication();
    const int code = tavrel::shell::isEnding() ? 0 : app.exec();
    // The windows that the end unloaded are destroyed before the application object.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return code;
}
