// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The reading in the real windows: the time from a click on the reading button until the frame with the result
// window is painted, and the resident memory over many rounds of reading and Back.
//
//   bench_reading_window click [READINGS]    time of the first reading, then the median of READINGS more
//   bench_reading_window rounds [ROUNDS]     resident memory after 10, 100, 1000 ... rounds of reading and Back
// followed by "--without-rehearsal" to measure the first reading without the rehearsal (see ui/rehearsal.h).
//
// "Painted" is the moment the frame's window has been painted with the result window in it, its picture handed
// to the window system and (on X11) taken in by the X server. Each round waits for the paint of the frame and,
// after Back, for that of the input form, as a person who looks at them would. Run it in the X server a person
// sees (bench/reading.sh starts one at full-screen size) or with QT_QPA_PLATFORM=offscreen.
#include "app/startup.h"
#include "shell/forms.h"
#include "shell/messages.h"
#include "tests/residentmemory.h"
#include "ui/display/frmDisplay.h"
#include "ui/formregistry.h"
#include "ui/frmMain.h"
#include "ui/frmMdi.h"
#include "ui/rehearsal.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#ifdef TAVREL_BENCH_X11
#include <QtGui/qguiapplication_platform.h>
// From Xlib; its header's macros (Expose, KeyPress ...) would clash with Qt's names.
extern "C" int XSync(Display *display, int discard);
#endif

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

using namespace tavrel;

namespace {

// Waits until the window system has taken in everything painted so far.
void syncWithWindowSystem()
{
#ifdef TAVREL_BENCH_X11
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    if (auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>(); x11 && x11->display())
        XSync(x11->display(), 0);
#endif
}

// Notices when a window has been painted: the paint of `content` happens inside the handling of an expose or
// update request of the window it lives in, which ends with the window's picture handed to the window system.
class PaintWatch : public QApplication
{
public:
    using QApplication::QApplication;

    // Watches for the paint of the widget that `isContent` picks; an empty `isContent` watches nothing.
    void watch(std::function<bool(const QObject *)> isContent)
    {
        m_content = std::move(isContent);
        m_contentPainted = false;
        m_done = false;
    }
    bool done() const { return m_done; }
    qint64 doneAt() const { return m_doneAt; }
    QElapsedTimer clock;
    qint64 paintStartedAt = 0; // of the expose or update request in which the watched content was painted
    qint64 paintedAt = 0; // the picture handed to the window system

    bool notify(QObject *receiver, QEvent *event) override
    {
        if (m_content && event->type() == QEvent::Paint && m_content(receiver))
            m_contentPainted = true;
        const bool windowPaint =
            receiver->isWindowType() && (event->type() == QEvent::Expose || event->type() == QEvent::UpdateRequest);
        const qint64 startedAt = clock.nsecsElapsed();
        const bool result = QApplication::notify(receiver, event);
        if (windowPaint && m_content && m_contentPainted && !m_done) {
            paintStartedAt = startedAt;
            paintedAt = clock.nsecsElapsed();
            syncWithWindowSystem();
            m_doneAt = clock.nsecsElapsed();
            m_done = true;
            m_content = nullptr;
            if (m_loop)
                m_loop->quit();
        }
        return result;
    }

    // Runs the event loop until the watched content is painted; false after ten seconds without.
    bool waitForPaint()
    {
        if (m_done)
            return true;
        QEventLoop loop;
        m_loop = &loop;
        QTimer timeout;
        timeout.setSingleShot(true);
        connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
        timeout.start(10000);
        loop.exec();
        m_loop = nullptr;
        return m_done;
    }

private:
    std::function<bool(const QObject *)> m_content;
    bool m_contentPainted = false;
    bool m_done = false;
    qint64 m_doneAt = 0;
    QEventLoop *m_loop = nullptr;
};

PaintWatch *watcher()
{
    return static_cast<PaintWatch *>(qApp);
}

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "%s\n", what);
    std::exit(1);
}

// Whether `o` is a widget of class `className` or lies inside one.
bool inside(const QObject *o, const char *className)
{
    for (; o; o = o->parent()) {
        if (o->inherits(className))
            return true;
    }
    return false;
}

void watchInputForm()
{
    watcher()->watch([](const QObject *o) { return inside(o, "tavrel::ui::frmMain"); });
}

struct InputForm
{
    QComboBox *day;
    QComboBox *month;
    QPushButton *proceed;
};

QSize frameSize;

// Where the time of a reading goes, in milliseconds: the click's handler builds the windows and writes the reading
// into them; the window system shows the frame and asks for its picture; the picture is painted and handed over;
// the window system takes it in.
struct Phases
{
    double build = 0;
    double wait = 0;
    double paint = 0;
    double takeIn = 0;
    double total() const { return build + wait + paint + takeIn; }
};

// Clicks the reading button and returns the time until the result is painted.
Phases reading(const InputForm &form, int round)
{
    form.day->setCurrentIndex(round % 28);
    form.month->setCurrentIndex(round % 12);
    watcher()->watch([](const QObject *o) { return inside(o, "tavrel::ui::frmDisplay"); });
    const qint64 clicked = watcher()->clock.nsecsElapsed();
    QTest::mouseClick(form.proceed, Qt::LeftButton);
    const qint64 built = watcher()->clock.nsecsElapsed();
    if (!ui::displayForm().isLoaded())
        fail("the reading button showed no reading");
    if (!watcher()->waitForPaint())
        fail("the reading was not painted within 10 s");
    frameSize = ui::mdiForm().loaded()->size();
    const PaintWatch &w = *watcher();
    const auto ms = [](qint64 from, qint64 to) { return static_cast<double>(to - from) / 1e6; };
    return {ms(clicked, built), ms(built, w.paintStartedAt), ms(w.paintStartedAt, w.paintedAt),
            ms(w.paintedAt, w.doneAt())};
}

// Back to the input form, painted, with the windows of the reading destroyed.
void back()
{
    ui::frmMdi *frame = ui::mdiForm().loaded();
    watchInputForm();
    QTest::mouseClick(frame->findChild<QPushButton *>(QStringLiteral("cmdBack")), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (!watcher()->waitForPaint())
        fail("the input form was not painted again within 10 s");
}

// The readings after the first, the ones a profiler looks at: valgrind --tool=callgrind
// --toggle-collect='*laterReading*' bench_reading_window click 10
[[gnu::noinline]] Phases laterReading(const InputForm &form, int round)
{
    return reading(form, round);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    PaintWatch app(argc, argv);
    app.clock.start();
    const QStringList args = QCoreApplication::arguments();
    ui::setRehearsalsOn(!args.contains(QStringLiteral("--without-rehearsal")));
    const QString mode = args.value(1);
    if (mode != QLatin1String("click") && mode != QLatin1String("rounds"))
        fail("usage: bench_reading_window click [READINGS] | rounds [ROUNDS], then --without-rehearsal or nothing");
    shell::setMessageSink([](const shell::MessageRequest &request) -> shell::Answer {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(request.text));
        std::exit(1);
    });

    watchInputForm();
    StartApplication();
    ui::frmMain *main = ui::mainForm().loaded();
    if (!main)
        fail("no input form");
    if (!watcher()->waitForPaint())
        fail("the input form was not painted");
    QTest::keyClicks(main->findChild<QLineEdit *>(QStringLiteral("txtName")), QStringLiteral("ANNA"));
    QTest::qWait(200); // a person takes a moment between typing the name and clicking
    const InputForm form{main->findChild<QComboBox *>(QStringLiteral("cboDate")),
                         main->findChild<QComboBox *>(QStringLiteral("cboMonth")),
                         main->findChild<QPushButton *>(QStringLiteral("cmdProceed"))};

    if (mode == QLatin1String("click")) {
        const int readings = args.value(2, QStringLiteral("41")).toInt();
        const Phases first = reading(form, 0);
        back();
        std::vector<Phases> later;
        for (int i = 1; i <= readings; ++i) {
            later.push_back(laterReading(form, i));
            back();
        }
        const auto medianOf = [&later](double (*part)(const Phases &)) {
            std::vector<double> values;
            for (const Phases &p : later)
                values.push_back(part(p));
            return median(values);
        };
        std::vector<double> totals;
        for (const Phases &p : later)
            totals.push_back(p.total());
        std::printf("frame size: %dx%d on %s\n", frameSize.width(), frameSize.height(),
                    qPrintable(QGuiApplication::platformName()));
        std::printf("click to result painted, first reading:   %6.2f ms (building %.2f, waiting %.2f, painting %.2f, "
                    "taken in %.2f)\n",
                    first.total(), first.build, first.wait, first.paint, first.takeIn);
        std::printf("click to result painted, median of %d:    %6.2f ms (min %.2f, max %.2f)\n", readings,
                    median(totals), *std::min_element(totals.begin(), totals.end()),
                    *std::max_element(totals.begin(), totals.end()));
        std::printf("  medians of the parts: building %.2f, until the window system asks for the picture %.2f, "
                    "painting %.2f, taken in %.2f ms\n",
                    medianOf([](const Phases &p) { return p.build; }), medianOf([](const Phases &p) { return p.wait; }),
                    medianOf([](const Phases &p) { return p.paint; }),
                    medianOf([](const Phases &p) { return p.takeIn; }));
    } else {
        const int rounds = args.value(2, QStringLiteral("1000")).toInt();
        std::printf("resident memory at the input form:   %7ld kB\n", residentKilobytes());
        long afterTen = 0;
        for (int i = 1; i <= rounds; ++i) {
            reading(form, i);
            back();
            if (i == 10)
                afterTen = residentKilobytes();
            if (i == 10 || i == 100 || i == 1000 || i == rounds || (i > 100 && i % 250 == 0)) {
                const long now = residentKilobytes();
                std::printf("resident memory after %4d rounds:   %7ld kB  (%+.1f %% against round 10)\n", i, now,
                            100.0 * static_cast<double>(now - afterTen) / static_cast<double>(afterTen));
                std::fflush(stdout);
            }
        }
    }
    shell::setEndHandler([] {});
    shell::UnloadAllAndEnd();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
