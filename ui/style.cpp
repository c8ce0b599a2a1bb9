#include "ui/style.h"

#include <QFontDatabase>
#include <QPalette>
#include <QWidget>

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
    palette.setColor(QPalette::Button, Qt::white);
    palette.setColor(QPalette::ButtonText, Qt::black);
    button->setPalette(palette);
    button->setFont(font);
}

} // namespace tavrel::ui
