// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUrl>

namespace tavrel::shell {

// The maker's two web sites (scheme and host, no trailing slash), set when the program is built.
QString MainSiteAddress();
QString HelpSiteAddress();

QUrl helpPageUrl(); // MainSiteAddress + "/tavrel/tavrel-help.html"
QUrl homePageUrl(); // MainSiteAddress itself
QUrl downloadPageUrl(); // MainSiteAddress + "/tavrel/download-tavrel.html"
QUrl brandingPageUrl(); // HelpSiteAddress + "/fully-branded.html"

// Hand a page to the desktop's web browser and return at once. Failures are ignored.
void OpenHelpPage();
void OpenHomePage();
void OpenDownloadPage();
void OpenBrandingPage();

} // namespace tavrel::shell
