// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"

#include "packaging/console.h"
#include "shell/messages.h"
#include "shell/version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIODevice>
#include <QTextStream>

#include <cstdio>

namespace tavrel {

namespace {

// The options that Qt 6 takes for every program (QGuiApplication, QApplication and the X11 platform), which it
// reads and removes from the arguments when the application object is made, with one dash or two: those followed
// by a value, and the flags. Qt also takes -style=NAME, -stylesheet=FILE and -qmljsdebugger=PORT.
const char QtOptionsWithValue[] = "platform platformpluginpath platformtheme plugin qwindowgeometry qwindowicon "
                                  "qwindowtitle style stylesheet qmljsdebugger display geometry icon title name "
                                  "visual session"; // -session: with which a desktop restores its programs at login
const char QtFlags[] = "reverse testability widgetcount nograb dograb";

// The help, with the platform's own way of asking for it and the manual page where there are such.
QString helpText()
{
    const QString request = platform::helpRequest();
    const QString manual = platform::manualPage();
    return QStringLiteral("Usage: tavrel [Qt option...]\n"
                          "       tavrel --help | --version%1\n"
                          "Gives a reading of your sun sign on the Kabbalah Tree of Life, in a window.\n"
                          "\n"
                          "Options:\n"
                          "  -h, --help     Prints this help and ends.\n"
                          "  -v, --version  Prints the version and ends.\n"
                          "\n"
                          "Qt's own options (-platform, -style, -reverse, ...) are handed to Qt%2.\n")
        .arg(request.isEmpty() ? QString() : QStringLiteral(" | ") + request,
             manual.isEmpty() ? QString() : QStringLiteral("; see ") + manual);
}

// The status of an answer: 0 once it is written; where it could not be (a full disk, a closed pipe), 1, and a line
// on `err` that says so.
int answered(QTextStream &out, QTextStream &err)
{
    out.flush();
    if (out.status() == QTextStream::Ok)
        return 0;
    err << "tavrel: the answer could not be written"
        << (out.device() ? QStringLiteral(": ") + out.device()->errorString() : QString()) << '\n';
    return 1;
}

} // namespace

std::optional<int> answerCommandLine(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOptions({help, version});
    const auto addQtOptions = [&parser](const char *names, const QString &valueName) {
        const QStringList list = QString::fromLatin1(names).split(QLatin1Char(' '));
        for (const QString &name : list)
            parser.addOption(QCommandLineOption(name, QString(), valueName));
    };
    addQtOptions(QtOptionsWithValue, QStringLiteral("value"));
    addQtOptions(QtFlags, QString());

    QStringList given = arguments;
    const QString request = platform::helpRequest();
    for (qsizetype i = 1; i < given.size(); ++i) {
        if (!request.isEmpty() && given.at(i) == request)
            given[i] = QStringLiteral("--help");
    }
    if (!parser.parse(given) || !parser.positionalArguments().isEmpty()) {
        const QString why = parser.positionalArguments().isEmpty()
            ? parser.errorText()
            : QStringLiteral("Unknown argument '%1'.").arg(parser.positionalArguments().constFirst());
        err << "tavrel: " << why << "\nTry 'tavrel --help' for the options.\n";
        return 2;
    }
    if (parser.isSet(help)) {
        out << helpText();
        return answered(out, err);
    }
    if (parser.isSet(version)) {
        out << "Tavrel " TAVREL_VERSION "\n";
        return answered(out, err);
    }
    return std::nullopt;
}

std::optional<int> answerCommandLine(int argc, char *argv[])
{
    if (argc <= 1) // the usual start, with nothing to read
        return std::nullopt;
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    // Answered aside first: only an answer goes to the console that the program was started from, while a program
    // that starts stays apart from it.
    QString answer;
    QString refusal;
    QTextStream answerStream(&answer);
    QTextStream refusalStream(&refusal);
    const std::optional<int> status = answerCommandLine(arguments, answerStream, refusalStream);
    if (!status)
        return status;
    answerStream.flush();
    refusalStream.flush();
    const bool seen = platform::attachConsole();
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (refusal.isEmpty()) {
        out << answer;
        return answered(out, err);
    }
    if (seen) {
        err << refusal;
    } else { // started with no console and nothing redirected: the refusal in a message box
        int count = 1;
        const QApplication application(count, argv);
        shell::showInformation(refusal.trimmed());
    }
    return status;
}

} // namespace tavrel
