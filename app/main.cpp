#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Tavrel v1.15"));
    window.resize(496, 353);
    window.show();
    return app.exec();
}
