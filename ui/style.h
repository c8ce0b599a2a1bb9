#pragma once

#include <QColor>
#include <QFont>

class QLabel;
class QWidget;

namespace tavrel::ui {

// Fonts are Verdana where installed; elsewhere a close substitute. Sizes are in points as the layouts give
// them (8.25, 9, 9.75, 14.25) and are set in pixels (points at 96 dots per inch), so that text keeps its size
// relative to the layouts on every screen.
QFont verdana(double points, bool bold = false, bool underline = false);

inline QColor rgb(int r, int g, int b)
{
    return QColor::fromRgb(r, g, b);
}

// Text colour and transparent background for a label.
void setTextColor(QWidget *widget, const QColor &color);
// A solid background for a panel.
void setBackground(QWidget *widget, const QColor &color);
// A push button with a white face and the given font.
void styleWhiteButton(QWidget *button, const QFont &font);

} // namespace tavrel::ui
