// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Another program that copies: puts the text given as its argument into the clipboard and the X11 selection,
// says "ready" on standard output, and keeps serving them until it is ended.
#include <QClipboard>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2)
        return 2;
    const QString text = QString::fromLocal8Bit(argv[1]);
    QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
    if (QGuiApplication::clipboard()->supportsSelection())
        QGuiApplication::clipboard()->setText(text, QClipboard::Selection);
    std::puts("ready");
    std::fflush(stdout);
    return app.exec();
}
