// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/formregistry.h"

#include "ui/display/frmDisplay.h"
#include "ui/frmAbout.h"
#include "ui/frmMain.h"
#include "ui/frmMdi.h"
#include "ui/style.h"

namespace tavrel::ui {

namespace {

// A new window whose controls share their palettes with those of the windows before it.
template<typename Form> Form *shared()
{
    auto *form = new Form;
    sharePalettes(form);
    return form;
}

} // namespace

shell::FormSlot<frmMain> &mainForm()
{
    static shell::FormSlot<frmMain> slot(shared<frmMain>, [](frmMain &form) { form.Form_Load(); });
    return slot;
}

shell::FormSlot<frmMdi> &mdiForm()
{
    static shell::FormSlot<frmMdi> slot(shared<frmMdi>, [](frmMdi &form) { form.MDIForm_Load(); });
    return slot;
}

// The result window lives inside the frame: asking for it loads the frame first, and the frame's load asks
// for the result window, which is then created inside the frame's client area.
shell::FormSlot<frmDisplay> &displayForm()
{
    static shell::FormSlot<frmDisplay> slot(
        [] {
            auto *display = new frmDisplay(mdiForm().get().clientArea());
            display->setWindowFlags(Qt::Widget);
            sharePalettes(display);
            return display;
        },
        [](frmDisplay &form) { form.Form_Load(); }, [] { mdiForm().get(); });
    return slot;
}

shell::FormSlot<frmAbout> &aboutForm()
{
    static shell::FormSlot<frmAbout> slot(shared<frmAbout>, {});
    return slot;
}

} // namespace tavrel::ui
