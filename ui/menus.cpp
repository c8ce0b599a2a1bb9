#include "ui/menus.h"

#include "shell/links.h"
#include "ui/formregistry.h"
#include "ui/frmAbout.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace tavrel::ui {

namespace {

QAction *addItem(QMenu *menu, const QString &name, const QString &caption, void (*command)())
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    QObject::connect(action, &QAction::triggered, menu, [command] { command(); });
    return action;
}

} // namespace

void addHelpMenus(QMenuBar *bar, const QString &firstSeparator, const QString &secondSeparator)
{
    QMenu *help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    addItem(help, QStringLiteral("mnuOnline"), QStringLiteral("&Online Help"), &shell::OpenHelpPage);
    addItem(help, QStringLiteral("mnuVisit"), QStringLiteral("&Visit Us Online"), &shell::OpenHomePage);
    help->addSeparator()->setObjectName(firstSeparator);
    addItem(help, QStringLiteral("mnuUpdate"), QStringLiteral("Check for Software &Update"), &shell::OpenDownloadPage);
    help->addSeparator()->setObjectName(secondSeparator);
    addItem(help, QStringLiteral("mnuAbout"), QStringLiteral("&About Software"), &showAboutBox);

    // Make Money Online stays in the menu bar's design but is never offered to the user.
    QAction *money = bar->addAction(QStringLiteral("Make Money &Online"));
    money->setObjectName(QStringLiteral("mkmoney"));
    money->setVisible(false);
    money->setEnabled(false);
    QObject::connect(money, &QAction::triggered, bar, [] { shell::OpenBrandingPage(); });
}

void showAboutBox()
{
    frmAbout &about = aboutForm().get();
    about.exec();
    aboutForm().unload();
}

} // namespace tavrel::ui
