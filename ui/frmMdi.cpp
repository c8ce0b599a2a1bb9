// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frmMdi.h"

#include "shell/forms.h"
#include "shell/keptmaximized.h"
#include "shell/links.h"
#include "ui/clicklabel.h"
#include "ui/display/frmDisplay.h"
#include "ui/focusring.h"
#include "ui/formregistry.h"
#include "ui/frmMain.h"
#include "ui/menus.h"
#include "ui/scrollingclientarea.h"
#include "ui/style.h"
#include "ui/textlabel.h"
#include "ui/texts.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

namespace tavrel::ui {

namespace {

// Back's left edge, in twips from the frame's right edge: Back is 1260 wide, and ends 1400 from the right edge.
constexpr int BackFromRight = 1260 + 1400;

QWidget *addStrip(QLayout *layout, QWidget *parent, const char *name, int heightTwips, const QColor &color)
{
    auto *strip = new QWidget(parent);
    strip->setObjectName(QString::fromLatin1(name));
    strip->setFixedHeight(px(heightTwips));
    setBackground(strip, color);
    layout->addWidget(strip);
    return strip;
}

} // namespace

frmMdi::frmMdi(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMdi"));
    setWindowTitle(texts::Version);
    setFont(verdana(8.25));

    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("frmMdiClient"));
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    setCentralWidget(central);

    QWidget *picture1 = addStrip(layout, central, "Picture1", 615, Navy);
    QWidget *picture3 = addStrip(layout, central, "Picture3", 360, QColor(128, 255, 128));
    auto *clientArea = new ScrollingClientArea(central);
    m_client = clientArea->viewport();
    m_client->setObjectName(QStringLiteral("mdiClientArea"));
    layout->addWidget(clientArea, 1);
    QWidget *picture2 = addStrip(layout, central, "Picture2", 855, Navy);

    m_banner =
        new ClickLabel(texts::frameBanner(), "lblOrvaneBanner", 9.75,
                       QStringLiteral("Link: opens our forum in your web browser"), &shell::OpenHomePage, picture1);
    m_banner->setGeometry(twipRect(0, 0, 9480, 465));
    m_banner->setAlignment(Qt::AlignCenter);

    m_softwareName = new TextLabel(QStringLiteral("Tavrel"), picture3);
    m_softwareName->setObjectName(QStringLiteral("lblSoftwareName"));
    m_softwareName->setFont(verdana(14.25, true));
    setTextColor(m_softwareName, Maroon);
    m_softwareName->move(0, px(-15));
    m_softwareName->adjustSize();

    addBlurb(picture2, 120, 120);

    m_back = new QPushButton(QStringLiteral("&Back"), picture2);
    m_back->setObjectName(QStringLiteral("cmdBack"));
    m_back->setGeometry(twipRect(0, 240, 1260, 465));
    styleWhiteButton(m_back, verdana(8.25, true));
    connect(m_back, &QPushButton::clicked, this, &frmMdi::cmdBack_Click);

    m_exit = new QPushButton(QStringLiteral("&Exit"), picture2);
    m_exit->setObjectName(QStringLiteral("cmdMdiExit"));
    m_exit->setGeometry(twipRect(0, 240, 1335, 495));
    styleWhiteButton(m_exit, verdana(8.25, true));
    connect(m_exit, &QPushButton::clicked, this, &frmMdi::cmdMdiExit_Click);
    new FocusRing({m_back, m_exit}, picture2);
    // The frame is never narrower than Back and Exit where the layout puts them, from the right edge, with the
    // blurb's margin to their left: made smaller, Back would slide under Exit and out of the frame.
    picture2->setMinimumWidth(px(BackFromRight + 120));

    shell::keepMaximizedThroughMinimize(this);

    buildMenus(
        menuBar(),
        {.name = "frmMdiMenu",
         .command = {.name = "mnuBack", .caption = QStringLiteral("&Back"), .command = [this] { cmdBack_Click(); }},
         .exit = [this] { cmdMdiExit_Click(); },
         .firstSeparator = "mnuSep1",
         .secondSeparator = "mnuSep2"});

    // The restored size: a client area of 11175 x 8025 twips, centred on the screen of the input form, where the
    // frame opens.
    resize(twipSize(11175, 8025) + QSize(0, menuBar()->sizeHint().height()));
    const frmMain *form = mainForm().loaded();
    if (QScreen *screen = form ? form->screen() : QGuiApplication::primaryScreen()) {
        setScreen(screen);
        move(screen->availableGeometry().center() - rect().center());
    }
}

void frmMdi::MDIForm_Load()
{
    displayForm().get().move(0, 0);
    layOut();
    // Tab reaches Back and then Exit after the controls of the result window.
    setTabOrder(m_back, m_exit);
    // A frame opens with its child window active, and the focus in the child's first control.
    displayForm().get().firstControl()->setFocus(Qt::ActiveWindowFocusReason);
}

void frmMdi::layOut()
{
    m_laidOutWidth = width();
    const double w = toTwips(m_laidOutWidth);
    m_banner->move(px(static_cast<int>((w - toTwips(m_banner->width())) / 2)), m_banner->y());
    m_softwareName->move(px(static_cast<int>((w - toTwips(m_softwareName->width())) / 2)), m_softwareName->y());
    m_exit->move(px(static_cast<int>(w - (toTwips(m_exit->width()) + 20))), m_exit->y());
    m_back->move(px(static_cast<int>(w - BackFromRight)), m_back->y());
    if (frmDisplay *display = displayForm().loaded(); display && display->parentWidget() == m_client) {
        // Centred; one wider than the client area starts at its left edge, and the scroll bars reach the rest.
        // Its place counts from the client area scrolled back to its start.
        auto *area = static_cast<QAbstractScrollArea *>(m_client->parentWidget());
        area->horizontalScrollBar()->setValue(0);
        display->move(qMax(0, px(static_cast<int>((w - toTwips(display->width())) / 2))), display->y());
    }
}

void frmMdi::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (width() != m_laidOutWidth && mdiForm().loaded() == this)
        layOut();
}

void frmMdi::cmdBack_Click()
{
    // The result window goes with its frame; the input form comes back as the user left it.
    displayForm().unload();
    mdiForm().unload();
    frmMain &form = mainForm().get();
    form.show();
    form.activateWindow(); // with the keyboard where the user left it
}

void frmMdi::cmdMdiExit_Click()
{
    shell::UnloadAllAndEnd();
}

void frmMdi::closeEvent(QCloseEvent *event)
{
    shell::endOnClose(event);
}

} // namespace tavrel::ui
