// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/messages.h"

#include "shell/fixedsize.h"
#include "shell/forms.h"
#include "shell/modalfront.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

namespace tavrel::shell {

namespace {

MessageSink &messageSink()
{
    static MessageSink sink;
    return sink;
}

// The text as the box shows it. A request may separate its lines with a lone carriage return; the box gets a
// newline instead, the one line break that every platform's label honours. Requests keep their text as given.
QString displayedText(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

Answer showMessageBox(const MessageRequest &request)
{
    const bool question = request.buttons == MessageButtons::YesNo;
    QMessageBox box(QMessageBox::Information, request.title, displayedText(request.text),
                    question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, ownerWindow());
    // Modal for the whole application, and stacked by the window system over the window it belongs to.
    box.setWindowModality(Qt::ApplicationModal);
    keepFixedSize(&box);
    takeEscapeEverywhere(&box);
    keepModalInFront(&box);
    // One that belongs to no window (the copy refused at start-up has none) asks to be centred on the screen
    // rather than be put in a corner.
    if (!box.parentWidget()) {
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            box.move(screen->availableGeometry().center() - QRect(QPoint(), box.sizeHint()).center());
    }
    box.setTextFormat(Qt::PlainText);
    if (question) {
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
    }
    const int pressed = box.exec();
    if (!question)
        return Answer::Ok;
    return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

Answer deliver(const MessageRequest &request)
{
    if (const MessageSink &sink = messageSink())
        return sink(request);
    return showMessageBox(request);
}

} // namespace

void setMessageSink(MessageSink sink)
{
    messageSink() = std::move(sink);
}

void showInformation(const QString &text)
{
    deliver({text, applicationTitle(), MessageButtons::Ok});
}

Answer askYesNo(const QString &text)
{
    // Whatever a sink answers, the caller only ever sees Yes or No.
    return deliver({text, applicationTitle(), MessageButtons::YesNo}) == Answer::Yes ? Answer::Yes : Answer::No;
}

} // namespace tavrel::shell
