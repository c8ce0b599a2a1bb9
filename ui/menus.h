#pragma once

class QMenuBar;
class QString;

namespace tavrel::ui {

// The Help menu and the hidden Make Money Online item, the same on both menu bars; only the names of the two
// separators differ between the windows.
void addHelpMenus(QMenuBar *bar, const QString &firstSeparator, const QString &secondSeparator);

// Shows the About box, modal and without an owner, and unloads it when it closes.
void showAboutBox();

} // namespace tavrel::ui
