// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frmMain.h"

#include "reading/descriptions.h"
#include "reading/reading.h"
#include "reading/validation.h"
#include "shell/fixedsize.h"
#include "shell/forms.h"
#include "shell/links.h"
#include "shell/messages.h"
#include "shell/placeseen.h"
#include "shell/updatereminder.h"
#include "ui/captionframe.h"
#include "ui/clicklabel.h"
#include "ui/display/frmDisplay.h"
#include "ui/focusring.h"
#include "ui/formregistry.h"
#include "ui/frmMdi.h"
#include "ui/menus.h"
#include "ui/rehearsal.h"
#include "ui/style.h"
#include "ui/texts.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace tavrel::ui {

namespace {

QWidget *addPanel(QWidget *parent, const char *name, QRect box)
{
    auto *panel = new QWidget(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(box);
    setBackground(panel, Navy);
    return panel;
}

QComboBox *addList(QWidget *parent, const char *name, QRect box)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setEditable(false);
    list->setGeometry(box);
    styleEntryBox(list, Maroon);
    return list;
}

} // namespace

QString &SunSignName()
{
    static QString name;
    return name;
}

frmMain::frmMain(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(texts::Version);
    setWindowFlags(Qt::Window | FixedWindowHints);
    setFont(verdana(8.25));

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("frmMainClient"));
    client->setFixedSize(twipSize(7440, 5295));
    setBackground(client, QColor(192, 255, 192));
    setCentralWidget(client);

    const QFont captionFont = verdana(8.25, true, true);

    QWidget *frame2 = addPanel(client, "Frame2", twipRect(0, 0, 7455, 615));
    auto *banner =
        new ClickLabel(texts::formBanner(), "Label61", 9, QStringLiteral("Link: opens our forum in your web browser"),
                       &shell::OpenHomePage, frame2);
    banner->setGeometry(twipRect(60, 120, 7320, 585));
    banner->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    QWidget *frame1 = addPanel(client, "Frame1", twipRect(0, 600, 7455, 3735));
    QLabel *welcome = addLabel(frame1, "Label3", texts::welcome(), {240, 120, 7095, 615}, verdana(8.25, true), Yellow,
                               Qt::AlignHCenter | Qt::AlignTop);
    welcome->setWordWrap(true);
    addLabel(frame1, "Label4", QStringLiteral("Enter Your Name and Date of Birth and Get Your Tavrel Reading."),
             {240, 855, 7095, 435}, verdana(8.25, true), Cyan, Qt::AlignHCenter | Qt::AlignTop);

    auto *details = new CaptionFrame(QStringLiteral("Your Details"), frame1);
    details->setObjectName(QStringLiteral("Frame3"));
    details->setGeometry(twipRect(1200, 1320, 5295, 1455));
    setBackground(details, Navy);
    setTextColor(details, White);
    // The controls in the frame inherit the window's font: a list given a font of its own afterwards would build
    // its drop-down list at once, long before anyone opens it.
    details->setFont(verdana(8.25));
    details->setCaptionFont(verdana(9, true));

    addLabel(details, "Label1", QStringLiteral("Name"), {240, 330, 0, 0}, captionFont, White);
    m_name = new QLineEdit(details);
    m_name->setObjectName(QStringLiteral("txtName"));
    m_name->setGeometry(twipRect(1560, 240, 3615, 375));
    m_name->setFont(verdana(8.25));
    styleEntryBox(m_name, Maroon);
    m_name->installEventFilter(this);
    m_name->setAccessibleName(QStringLiteral("Name"));
    m_name->setAccessibleDescription(QStringLiteral("Letters and blanks only"));
    // The first letters of a name announce a reading: what it needs is made ready once they are shown.
    connect(
        m_name, &QLineEdit::textEdited, this, [this] { QTimer::singleShot(0, this, &frmMain::rehearseReading); },
        Qt::SingleShotConnection);

    addLabel(details, "Label5", QStringLiteral("Date"), {1785, 720, 0, 0}, captionFont, White);
    addLabel(details, "Label7", QStringLiteral("Month"), {3000, 720, 0, 0}, captionFont, White);
    addLabel(details, "Label6", QStringLiteral("Year"), {4440, 720, 0, 0}, captionFont, White);
    addLabel(details, "Label2", QStringLiteral("Date Of Birth"), {120, 1020, 0, 0}, captionFont, White);
    m_day = addList(details, "cboDate", twipRect(1560, 960, 900, 315));
    m_month = addList(details, "cboMonth", twipRect(2580, 960, 1380, 315));
    m_year = addList(details, "cboYear", twipRect(4080, 960, 1020, 315));
    m_day->setAccessibleName(QStringLiteral("Date Of Birth: day"));
    m_month->setAccessibleName(QStringLiteral("Date Of Birth: month"));
    m_year->setAccessibleName(QStringLiteral("Date Of Birth: year"));

    m_proceed = new QPushButton(QStringLiteral("&Get My Tavrel Reading"), frame1);
    m_proceed->setObjectName(QStringLiteral("cmdProceed"));
    m_proceed->setGeometry(twipRect(90, 2880, 7260, 615));
    styleWhiteButton(m_proceed, verdana(9, true));
    m_proceed->setAutoDefault(false);
    connect(m_proceed, &QPushButton::clicked, this, &frmMain::cmdProceed_Click);

    QWidget *frame5 = addPanel(client, "Frame5", twipRect(0, 4320, 7455, 975));
    addBlurb(frame5, 120, 240);

    m_exit = new QPushButton(QStringLiteral("&Exit"), frame5);
    m_exit->setObjectName(QStringLiteral("cmdExit"));
    m_exit->setGeometry(twipRect(6360, 360, 975, 375));
    styleWhiteButton(m_exit, verdana(8.25, true));
    m_exit->setAutoDefault(false);
    connect(m_exit, &QPushButton::clicked, this, [] { shell::UnloadAllAndEnd(); });

    // Only these take the focus, in this order.
    for (QWidget *w :
         {static_cast<QWidget *>(m_name), static_cast<QWidget *>(m_day), static_cast<QWidget *>(m_month),
          static_cast<QWidget *>(m_year), static_cast<QWidget *>(m_proceed), static_cast<QWidget *>(m_exit)})
        w->setFocusPolicy(Qt::StrongFocus);
    setTabOrder(m_name, m_day);
    setTabOrder(m_day, m_month);
    setTabOrder(m_month, m_year);
    setTabOrder(m_year, m_proceed);
    setTabOrder(m_proceed, m_exit);
    new FocusRing({m_name, m_day, m_month, m_year, m_proceed, m_exit}, client);

    menuBar()->setFont(QFont()); // the menu bar keeps the system font
    buildMenus(menuBar(),
               {.name = "frmMainMenu",
                .command = {.name = "mnuGetMyQuorrel",
                            .caption = QStringLiteral("&Get My Tavrel Reading"),
                            .command = [this] { cmdProceed_Click(); }},
                .exit = [] { shell::UnloadAllAndEnd(); },
                .firstSeparator = "mnuHelp1",
                .secondSeparator = "mnuHelp2"});
    m_name->setFocus();
    setFixedSize(sizeHint());
    shell::keepFixedSize(this);

    // Centred on the screen when first shown; shown again where it was last seen.
    centreOnScreen();
    shell::keepPlaceSeen(this);
}

// A request, as every position of a window is: where the window system places windows itself (a Wayland
// compositor does), it is declined and the form goes where the window system puts it.
void frmMain::centreOnScreen()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void frmMain::showEvent(QShowEvent *event)
{
    // Shown again where it was, unless no screen shows its inside whole any more (a screen that shrank or went
    // away while a reading was shown): then centred as at first. Its inside, not its frame: the frame of a window
    // that its window system places may be reported beyond the screen's edges.
    const QRect where = geometry();
    const QList<QScreen *> screens = QGuiApplication::screens();
    if (std::none_of(screens.begin(), screens.end(),
                     [&where](const QScreen *screen) { return screen->availableGeometry().contains(where); }))
        centreOnScreen();
    QMainWindow::showEvent(event);
}

void frmMain::Form_Load()
{
    shell::RemindOfUpdate();
    // Each list filled in one go: one change of the list rather than one for every entry.
    const auto numbers = [](int first, int last) {
        QStringList list;
        list.reserve(last - first + 1);
        for (int n = first; n <= last; ++n)
            list.append(QString::number(n));
        return list;
    };
    m_day->addItems(numbers(1, 31));
    m_month->addItems({QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
                       QStringLiteral("April"), QStringLiteral("May"), QStringLiteral("June"), QStringLiteral("July"),
                       QStringLiteral("August"), QStringLiteral("September"), QStringLiteral("October"),
                       QStringLiteral("November"), QStringLiteral("December")});
    m_year->addItems(numbers(1900, 2050));
    m_day->setCurrentIndex(0);
    m_month->setCurrentIndex(0);
    m_year->setCurrentIndex(0);
    // Room for the longest entry without a cut-off in any font.
    m_month->setMinimumContentsLength(9);
}

bool frmMain::ValidateInput()
{
    const ValidationResult result = tavrel::ValidateInput(m_name->text(), m_day->currentIndex(),
                                                          m_month->currentIndex(), m_year->currentText().toInt());
    if (result.accepted())
        return true;
    shell::showInformation(result.message);
    if (result.focusName)
        m_name->setFocus();
    return false;
}

void frmMain::FindSunSign()
{
    if (const auto sign = tavrel::FindSunSign(m_month->currentIndex(), m_day->currentIndex()))
        SunSignName() = sunSignName(*sign);
}

void frmMain::rehearseReading()
{
    if (!isVisible() || displayForm().isLoaded())
        return; // a reading came first
    LoadDescriptions();
    const auto sign = tavrel::FindSunSign(m_month->currentIndex(), m_day->currentIndex());
    ui::rehearseReading(makeReading(sign.value_or(SunSign::Aries)));
}

void frmMain::cmdProceed_Click()
{
    if (!ValidateInput())
        return;
    LoadDescriptions();
    FindSunSign();
    const auto sign = sunSignFromName(SunSignName());
    if (!sign)
        return;

    frmDisplay &display = displayForm().get(); // loads the frame first, which loads the result window
    display.showReading(makeReading(*sign));

    hide();
    // Shown again in a window of its own making: a window manager that keeps the frame of a hidden window (as
    // weston does for X programs) would put it back elsewhere each time, and never say where.
    destroy();
    frmMdi &frame = mdiForm().get();
    display.show();
    frame.showMaximized();
    frame.activateWindow();
}

// Letters are taken as capitals; backspace, Enter and space pass; anything else is refused with a message.
bool frmMain::txtName_KeyPress(const QString &typed)
{
    QString accepted;
    for (const QChar c : typed) {
        const char16_t code = c.unicode();
        if ((code >= u'A' && code <= u'Z') || code == 32)
            accepted += c;
        else if (code >= u'a' && code <= u'z')
            accepted += QChar(code - 32);
        else if ((code == 8 || code == 13) && typed.size() == 1)
            return false; // backspace and Enter do their usual work
        else {
            shell::showInformation(QStringLiteral("Please Enter only Letters"));
            return true;
        }
    }
    if (accepted == typed)
        return false; // capitals and blanks go in as typed
    m_name->insert(accepted);
    return true;
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_name && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        // Keys that type no character (arrows, Home, Delete, Tab ...) are not filtered.
        if (!key->text().isEmpty() && key->key() != Qt::Key_Delete && key->key() != Qt::Key_Tab
            && key->key() != Qt::Key_Backtab)
            return txtName_KeyPress(key->text());
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::closeEvent(QCloseEvent *event)
{
    shell::endOnClose(event);
}

} // namespace tavrel::ui
