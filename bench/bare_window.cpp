// The smallest Qt Widgets program that shows a window: the yardstick for the application's start-up.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare Window"));
    window.resize(496, 353);
    window.show();
    return app.exec();
}
