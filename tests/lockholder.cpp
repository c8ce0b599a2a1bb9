// Takes the application's single-instance lock at the path given as its argument, reports on standard output
// whether it got it ("first" or "second"), and keeps it until its standard input closes or a minute has passed.
// The single-instance test kills it to leave a lock behind whose owner is gone.

#include "singleinstance.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;

    const tavrel::shell::SingleInstance instance(QString::fromLocal8Bit(argv[1]));
    std::fputs(instance.isFirst() ? "first\n" : "second\n", stdout);
    std::fflush(stdout);

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&input] {
        char buffer[64];
        if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0) {
            input.setEnabled(false);
            QCoreApplication::quit();
        }
    });
    QTimer::singleShot(60 * 1000, &app, &QCoreApplication::quit);
    return app.exec();
}
