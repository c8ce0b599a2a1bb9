// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared by the tests of the result window: opening it on a reading, reading its controls, driving its focus.

#include "reading/reading.h"
#include "ui/diagram/treediagram.h"
#include "ui/display/frmDisplay.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>

Q_DECLARE_METATYPE(tavrel::SunSign)
Q_DECLARE_METATYPE(tavrel::Chakra)

namespace displaytest {

using tavrel::ui::frmDisplay;

inline const QColor Highlight = QColor::fromRgb(236, 28, 210);
inline const QColor Grey = QColor::fromRgb(64, 64, 64);

// The name each sphere is shown and read by, and the first words of its paragraph, by index.
inline const QList<std::pair<QString, QString>> Spheres{
    {"Keter", "Keter occupies the 1st position"},     {"Chokmah", "Chokmah occupies the 2nd position"},
    {"Binah", "Binah occupies the 3rd position"},     {"Chesed", "Chesed occupies the 4th position"},
    {"Gevurah", "Gevurah occupies the 5th position"}, {"Tiphereth", "Tiphereth occupies the 6th position"},
    {"Netzach", "Netzach occupies the 7th position"}, {"Hod", "Hod occupies the 8th position"},
    {"Yesod", "Yesod occupies the 9th position"},     {"Malkhuth", "Malkhuth occupies the 10th position"},
    {"Daat", "Da'at is an invisible sphere"},
};

template<typename T = QWidget> T *child(const QObject *parent, const QString &name)
{
    return parent->findChild<T *>(name);
}

inline QString textOf(const QObject *window, const QString &name)
{
    const QObject *control = window->findChild<QObject *>(name);
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    const QVariant text = control ? control->property("plainText") : QVariant(); // either kind of text box
    return text.isValid() ? text.toString() : QStringLiteral("<no text control %1>").arg(name);
}

inline QColor colorOf(const QObject *window, const QString &element)
{
    const QObject *object = window->findChild<QObject *>(element);
    return object ? object->property("color").value<QColor>() : QColor();
}

inline int sphereIndex(const QString &name)
{
    for (int i = 0; i < Spheres.size(); ++i) {
        if (Spheres[i].first == name)
            return i;
    }
    return -1;
}

// The sphere the window explains, its name matched against its paragraph; empty when nothing is explained.
inline QString explained(const frmDisplay &window)
{
    const QString name = textOf(&window, "lblSphereName");
    const QString paragraph = textOf(&window, "lblSphereDesc");
    if (name.isEmpty() && paragraph.isEmpty())
        return QString();
    const int index = sphereIndex(name);
    if (index < 0 || !paragraph.startsWith(Spheres[index].second))
        return QStringLiteral("<mismatch: %1 / %2>").arg(name, paragraph.left(30));
    return name;
}

// Where the keyboard focus is: a sphere by its name, "tab strip", or another control by its object name.
inline QString focused(const frmDisplay &window)
{
    const QWidget *focus = QApplication::focusWidget();
    if (!focus)
        return QStringLiteral("<none>");
    if (focus == child<QTabWidget>(&window, "SSTab1")->tabBar())
        return QStringLiteral("tab strip");
    const int index = focus->property("index").toInt();
    if (focus == window.diagram()->sphereLabel(index))
        return Spheres[index].first;
    return focus->objectName();
}

// Gives the focus to what `focused` names so.
inline void focusOn(const frmDisplay &window, const QString &target)
{
    const int index = sphereIndex(target);
    QWidget *widget = index >= 0               ? window.diagram()->sphereLabel(index)
        : target == QLatin1String("tab strip") ? child<QTabWidget>(&window, "SSTab1")->tabBar()
                                               : child(&window, target);
    widget->setFocus(Qt::TabFocusReason);
}

// A key as the keyboard sends it: to whatever has the focus.
inline void press(const frmDisplay &window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(window.windowHandle(), key, modifiers);
}

// A shown and active window with the reading of `sign` at the top left of the screen; null if never active.
inline std::unique_ptr<frmDisplay> openReading(tavrel::SunSign sign)
{
    auto window = std::make_unique<frmDisplay>();
    window->Form_Load();
    window->showReading(tavrel::makeReading(sign));
    window->move(0, 0);
    window->show();
    window->activateWindow(); // no window manager does it under a bare X server
    if (!QTest::qWaitForWindowActive(window.get()))
        return nullptr;
    return window;
}

} // namespace displaytest
