// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class QMenuBar;
class QWidget;

namespace tavrel::ui {

// The menu bar of the input form and of the frame: a File menu with the window's own command and Exit, the Help
// menu, and the hidden Make Money Online item.
struct MenuBarDesign
{
    struct Item
    {
        const char *name;
        QString caption;
        std::function<void()> command;
    };

    const char *name;
    Item command; // the first item of the File menu
    std::function<void()> exit;
    // Only the names of the Help menu's two separators differ between the windows.
    const char *firstSeparator;
    const char *secondSeparator;
};

void buildMenus(QMenuBar *bar, const MenuBarDesign &design);

// Shows the About box over the window it is opened from, modal, and unloads it when it closes.
void showAboutBox(QWidget *owner);

} // namespace tavrel::ui
