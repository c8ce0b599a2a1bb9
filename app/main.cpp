#include "forms.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    tavrel::StartApplication();
    if (tavrel::shell::isEnding())
        return 0;
    return app.exec();
}
