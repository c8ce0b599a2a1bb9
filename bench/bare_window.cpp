// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the application's start-up: the smallest Qt Widgets program that shows what every program
// with an input form shows, a line of text, a text box and a button. With --label the window shows the line of
// text alone.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QVBoxLayout>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare Window"));
    auto *content = new QWidget;
    auto *layout = new QVBoxLayout(content);
    layout->addWidget(new QLabel(QStringLiteral("Hello")));
    if (!QCoreApplication::arguments().contains(QStringLiteral("--label"))) {
        layout->addWidget(new QLineEdit);
        layout->addWidget(new QPushButton(QStringLiteral("OK")));
    }
    layout->addStretch();
    window.setCentralWidget(content);
    window.resize(496, 353);
    window.show();
    return app.exec();
}
