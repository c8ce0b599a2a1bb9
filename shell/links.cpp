// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/links.h"

#include <QDesktopServices>

#ifndef TAVREL_MAIN_SITE
#error "TAVREL_MAIN_SITE must be defined by the build"
#endif
#ifndef TAVREL_HELP_SITE
#error "TAVREL_HELP_SITE must be defined by the build"
#endif

namespace tavrel::shell {

namespace {

void openInBrowser(const QUrl &url)
{
    // The browser starts on its own; whether it could be started is of no concern to the application.
    (void)QDesktopServices::openUrl(url);
}

} // namespace

QString MainSiteAddress()
{
    return QStringLiteral(TAVREL_MAIN_SITE);
}

QString HelpSiteAddress()
{
    return QStringLiteral(TAVREL_HELP_SITE);
}

QUrl helpPageUrl()
{
    return QUrl(MainSiteAddress() + QLatin1String("/tavrel/tavrel-help.html"));
}

QUrl homePageUrl()
{
    return QUrl(MainSiteAddress());
}

QUrl downloadPageUrl()
{
    return QUrl(MainSiteAddress() + QLatin1String("/tavrel/download-tavrel.html"));
}

QUrl brandingPageUrl()
{
    return QUrl(HelpSiteAddress() + QLatin1String("/fully-branded.html"));
}

void OpenHelpPage()
{
    openInBrowser(helpPageUrl());
}

void OpenHomePage()
{
    openInBrowser(homePageUrl());
}

void OpenDownloadPage()
{
    openInBrowser(downloadPageUrl());
}

void OpenBrandingPage()
{
    openInBrowser(brandingPageUrl());
}

} // namespace tavrel::shell
