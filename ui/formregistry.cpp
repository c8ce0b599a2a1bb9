#include "ui/formregistry.h"

#include "ui/frmAbout.h"
#include "ui/frmDisplay.h"
#include "ui/frmMain.h"
#include "ui/frmMdi.h"

namespace tavrel::ui {

shell::FormSlot<frmMain> &mainForm()
{
    static shell::FormSlot<frmMain> slot([] { return new frmMain; }, [](frmMain &form) { form.Form_Load(); });
    return slot;
}

shell::FormSlot<frmMdi> &mdiForm()
{
    static shell::FormSlot<frmMdi> slot([] { return new frmMdi; }, [](frmMdi &form) { form.MDIForm_Load(); });
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
            return display;
        },
        [](frmDisplay &form) { form.Form_Load(); }, [] { mdiForm().get(); });
    return slot;
}

shell::FormSlot<frmAbout> &aboutForm()
{
    static shell::FormSlot<frmAbout> slot([] { return new frmAbout; }, {});
    return slot;
}

} // namespace tavrel::ui
