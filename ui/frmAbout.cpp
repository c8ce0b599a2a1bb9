// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frmAbout.h"

#include "shell/fixedsize.h"
#include "shell/forms.h"
#include "shell/links.h"
#include "shell/modalfront.h"
#include "ui/clicklabel.h"
#include "ui/style.h"
#include "ui/texts.h"
#include "ui/twips.h"

#include <QApplication>
#include <QFrame>
#include <QPushButton>

namespace tavrel::ui {

frmAbout::frmAbout(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(texts::Version);
    setWindowFlags(Qt::Dialog | FixedWindowHints);
    setModal(true);
    setFixedSize(twipSize(6060, 3660));
    shell::keepFixedSize(this);
    shell::takeEscapeEverywhere(this);
    shell::keepModalInFront(this);
    setFont(verdana(8.25));
    setBackground(this, Navy);

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setGeometry(twipRect(150, 150, 510, 510));
    icon->setAccessibleName(QStringLiteral("Tavrel icon"));
    icon->setPixmap(QApplication::windowIcon().pixmap(icon->size()));
    if (icon->pixmap().isNull())
        icon->setPixmap(QIcon(QStringLiteral(":/icons/hicolor/32x32/apps/tavrel.png")).pixmap(icon->size()));

    addLabel(this, "Label2", texts::Version, {780, 315, 0, 0}, verdana(14.25, true), White);
    addLabel(this, "Label1", texts::aboutDescription(), {150, 720, 5745, 975}, verdana(8.25), White)->setWordWrap(true);

    auto *home =
        new ClickLabel(QStringLiteral("Click here to visit ") + shell::homePageUrl().toString(), "lblHomePage", 8.25,
                       QStringLiteral("Link: opens our home page in your web browser"), &shell::OpenHomePage, this);
    home->move(twipPoint(1245, 1800));
    home->adjustSize();

    addLabel(this, "Label3",
             QStringLiteral("Home Business Opportunity. Start your own Internet business and make money online. Get "
                            "this software fully branded for your website. "),
             {150, 2160, 5745, 615}, verdana(8.25, true), White)
        ->setWordWrap(true);

    auto *coBrand =
        new ClickLabel(QStringLiteral("Click here for more details."), "lblCoBrand", 8.25,
                       QStringLiteral("Link: opens the offer in your web browser"), &shell::OpenBrandingPage, this);
    coBrand->move(twipPoint(3225, 2760));
    coBrand->adjustSize();

    auto *line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line2"));
    line->setGeometry(QRect(twipPoint(-60, 3150), QSize(px(6090 + 60), 1)));
    setBackground(line, White);

    auto *ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setGeometry(twipRect(4650, 3240, 1260, 345));
    styleWhiteButton(ok, verdana(8.25, true));
    ok->setDefault(true);
    ok->setAutoDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    // Escape rejects the dialog, which closes it as OK does.
    ok->setFocus();
}

} // namespace tavrel::ui
