#include "forms.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    tavrel::StartApplication();
    const int code = tavrel::shell::isEnding() ? 0 : app.exec();
    // The windows that the end unloaded are destroyed before the application object.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return code;
}
