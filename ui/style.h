// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QWidget>

class QLabel;

// One way to build a styled control: the colours of the windows, their font, and helpers that give a control
// its look. Positions given to these helpers are in twips.
namespace tavrel::ui {

// The colours shared by the windows.
inline constexpr QColor Navy{0, 0, 64}; // the background of every window and panel
inline constexpr QColor Maroon{64, 0, 0}; // text in the white entry boxes; the software name on the frame
inline constexpr QColor Yellow{255, 255, 0};
inline constexpr QColor Cyan{0, 255, 255};
inline constexpr QColor Green{0, 255, 0};
inline constexpr QColor White{255, 255, 255};

// The title bar of a window of fixed size: its title, the system menu and the close box, and no minimize or
// maximize box.
inline constexpr Qt::WindowFlags FixedWindowHints = Qt::CustomizeWindowHint | Qt::WindowTitleHint
    | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

// Fonts are Verdana where installed; elsewhere a close substitute. Sizes are in points as the layouts give
// them (8.25, 9, 9.75, 14.25) and are set in pixels (points at 96 dots per inch), so that text keeps its size
// relative to the layouts on every screen.
QFont verdana(double points, bool bold = false, bool underline = false);

// Text colour and transparent background for a label.
void setTextColor(QWidget *widget, const QColor &color);
// A solid background for a panel.
void setBackground(QWidget *widget, const QColor &color);
// A push button with a white face and the given font.
void styleWhiteButton(QWidget *button, const QFont &font);
// An entry box (line edit, list or text box) with a white face and text of the given colour.
void styleEntryBox(QWidget *box, const QColor &text);

// The style keeps pictures of some controls (push buttons, the arrows of scroll bars) in Qt's pixmap cache, under
// keys that name the control's palette object. A window built anew for every reading gives its controls new
// palette objects, and so new keys: the cache would fill with pictures that are never used again, and Qt keeps
// every key it was given. Call this once a window is built: its buttons and scroll bars then take, colour for
// colour, the palette objects that earlier windows' controls of the same colours had, and their pictures are found
// again.
void sharePalettes(QWidget *window);

// A plain-text label in the given font and colour. A box with a width and height (twips) fixes its geometry;
// an empty one puts the label at the box's top left corner, sized to its text.
QLabel *addLabel(QWidget *parent, const char *name, const QString &text, QRect twips, const QFont &font,
                 const QColor &color, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);

} // namespace tavrel::ui
