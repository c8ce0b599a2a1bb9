#include "style.h"

#include <QFontDatabase>
#include <QPalette>
#include <QWidget>

#include <cmath>

namespace tavrel::ui {

QFont verdana(double points, bool bold, bool underline)
{
    static const bool substituted = [] {
        // DejaVu Sans shares Verdana's wide, open proportions; use it where Verdana is missing.
        QFont::insertSubstitutions(QStringLiteral("Verdana"), {QStringLiteral("DejaVu Sans"), QStringLiteral("Tahoma"),
                                                                QStringLiteral("Bitstream Vera Sans")});
        return true;
    }();
    (void)substituted;
    QFont font(QStringLiteral("Verdana"));
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
    palette.setColor(QPalette::Button, Qt::white);
    palette.setColor(QPalette::ButtonText, Qt::black);
    button->setPalette(palette);
    button->setFont(font);
}

} // namespace tavrel::ui
