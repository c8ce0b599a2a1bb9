// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/menus.h"

#include "shell/links.h"
#include "ui/formregistry.h"
#include "ui/frmAbout.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace tavrel::ui {

namespace {

void addItem(QMenu *menu, const char *name, const QString &caption, const std::function<void()> &command)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    QObject::connect(action, &QAction::triggered, menu, command);
}

} // namespace

void buildMenus(QMenuBar *bar, const MenuBarDesign &design)
{
    bar->setObjectName(QString::fromLatin1(design.name));
    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    addItem(file, design.command.name, design.command.caption, design.command.command);
    addItem(file, "mnuExit", QStringLiteral("E&xit"), design.exit);

    QMenu *help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    addItem(help, "mnuOnline", QStringLiteral("&Online Help"), &shell::OpenHelpPage);
    addItem(help, "mnuVisit", QStringLiteral("&Visit Us Online"), &shell::OpenHomePage);
    help->addSeparator()->setObjectName(QString::fromLatin1(design.firstSeparator));
    addItem(help, "mnuUpdate", QStringLiteral("Check for Software &Update"), &shell::OpenDownloadPage);
    help->addSeparator()->setObjectName(QString::fromLatin1(design.secondSeparator));
    addItem(help, "mnuAbout", QStringLiteral("&About Software"), [bar] { showAboutBox(bar->window()); });

    // Make Money Online stays in the menu bar's design but is never offered to the user.
    QAction *money = bar->addAction(QStringLiteral("Make Money &Online"));
    money->setObjectName(QStringLiteral("mkmoney"));
    money->setVisible(false);
    money->setEnabled(false);
    QObject::connect(money, &QAction::triggered, bar, [] { shell::OpenBrandingPage(); });
}

void showAboutBox(QWidget *owner)
{
    frmAbout &about = aboutForm().get();
    about.setParent(owner, about.windowFlags());
    about.exec();
    aboutForm().unload();
}

} // namespace tavrel::ui
