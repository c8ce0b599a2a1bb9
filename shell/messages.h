// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

namespace tavrel::shell {

// The application's title, shown on every message box.
inline QString applicationTitle()
{
    return QStringLiteral("Tavrel");
}

enum class MessageButtons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

// A message box the application wants to show: information icon, title "Tavrel".
struct MessageRequest
{
    QString text;
    QString title;
    MessageButtons buttons = MessageButtons::Ok;
};

// Where message boxes go. By default a modal QMessageBox is shown; tests install a sink that records the
// request and answers at once.
using MessageSink = std::function<Answer(const MessageRequest &)>;
void setMessageSink(MessageSink sink); // an empty sink restores the real message box

// An information message with a single OK button.
void showInformation(const QString &text);
// An information question with Yes (the default) and No.
Answer askYesNo(const QString &text);

} // namespace tavrel::shell
