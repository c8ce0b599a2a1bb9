// The smallest Qt Widgets program that shows a window: the yardstick for the application's start-up.
// With --label the window shows one line of text, which is what loading the fonts costs any program with text.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare Window"));
    if (QCoreApplication::arguments().contains(QStringLiteral("--label")))
        window.setCentralWidget(new QLabel(QStringLiteral("Hello")));
    window.resize(496, 353);
    window.show();
    return app.exec();
}
