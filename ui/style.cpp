// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/style.h"

#include "ui/textlabel.h"
#include "ui/twips.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <QScrollBar>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace tavrel::ui {

namespace {

// Verdana where installed; otherwise the first installed font of the same wide, open design, so that the font
// matcher never has to search for a family that is not there.
QString verdanaFamily()
{
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        for (const QString &candidate : {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"),
                                         QStringLiteral("Bitstream Vera Sans"), QStringLiteral("Tahoma")}) {
            if (installed.contains(candidate))
                return candidate;
        }
        return QStringLiteral("Verdana");
    }();
    return family;
}

} // namespace

void sharePalettes(QWidget *window)
{
    // A handful of colour sets; they follow the application's palette when that changes.
    static QList<QPalette> shared;
    static qint64 applicationPalette = 0;
    if (QGuiApplication::palette().cacheKey() != applicationPalette) {
        shared.clear();
        applicationPalette = QGuiApplication::palette().cacheKey();
    }
    const QList<QWidget *> controls = window->findChildren<QWidget *>();
    for (QWidget *control : controls) {
        if (!qobject_cast<QAbstractButton *>(control) && !qobject_cast<QScrollBar *>(control))
            continue;
        const QPalette palette = control->palette();
        auto same = std::find(shared.cbegin(), shared.cend(), palette);
        if (same == shared.cend()) {
            // Every colour set explicitly: a palette given in full is taken as it is, not copied.
            QPalette full = palette;
            for (int group = 0; group < QPalette::NColorGroups; ++group) {
                for (int role = 0; role < QPalette::NColorRoles; ++role) {
                    const auto g = static_cast<QPalette::ColorGroup>(group);
                    const auto r = static_cast<QPalette::ColorRole>(role);
                    full.setBrush(g, r, palette.brush(g, r));
                }
            }
            shared.append(full);
            same = shared.cend() - 1;
        }
        control->setPalette(*same);
    }
}

QFont verdana(double points, bool bold, bool underline)
{
    QFont font(verdanaFamily());
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    font.setUnderline(underline);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void setTextColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    palette.setColor(QPalette::ButtonText, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(false);
}

void setBackground(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void styleWhiteButton(QWidget *button, const QFont &font)
{
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, White);
    palette.setColor(QPalette::ButtonText, Qt::black);
    button->setPalette(palette);
    button->setFont(font);
}

void styleEntryBox(QWidget *box, const QColor &text)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, White);
    palette.setColor(QPalette::Text, text);
    // A list that cannot be typed into shows its entry on a button face.
    if (qobject_cast<const QComboBox *>(box)) {
        palette.setColor(QPalette::Button, White);
        palette.setColor(QPalette::ButtonText, text);
    }
    box->setPalette(palette);
}

QLabel *addLabel(QWidget *parent, const char *name, const QString &text, QRect twips, const QFont &font,
                 const QColor &color, Qt::Alignment alignment)
{
    auto *label = new TextLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    label->setAlignment(alignment);
    setTextColor(label, color);
    if (twips.isEmpty()) {
        label->move(twipPoint(twips.x(), twips.y()));
        label->adjustSize();
    } else {
        label->setGeometry(twipRect(twips));
    }
    return label;
}

} // namespace tavrel::ui
