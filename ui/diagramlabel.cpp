#include "diagramlabel.h"

#include <QFontMetricsF>
#include <QPainter>

namespace tavrel::ui {

DiagramSphereLabel::DiagramSphereLabel(const QString &caption, QWidget *parent)
    : QLabel(caption, parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setWordWrap(true);
}

QStringList DiagramSphereLabel::wrapCaption(const QString &caption, const QFontMetricsF &metrics, qreal width)
{
    const auto blank = [](QChar c) { return c == QLatin1Char(' '); };
    QStringList lines;
    QString line;
    qsizetype i = 0;
    while (i < caption.size() && blank(caption[i]))
        line += caption[i++];
    while (i < caption.size()) {
        QString gap;
        while (i < caption.size() && blank(caption[i]))
            gap += caption[i++];
        QString word;
        while (i < caption.size() && !blank(caption[i]))
            word += caption[i++];
        if (word.isEmpty())
            break; // trailing blanks
        const QString candidate = line + gap + word;
        if (line.isEmpty() || metrics.horizontalAdvance(candidate) <= width) {
            line = candidate;
        } else {
            lines.append(line);
            line = word;
        }
    }
    if (!line.isEmpty())
        lines.append(line);
    return lines;
}

void DiagramSphereLabel::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetricsF metrics(font());
    qreal top = 0;
    for (const QString &line : wrapCaption(text(), metrics, width())) {
        const qreal left = (width() - metrics.horizontalAdvance(line)) / 2;
        painter.drawText(QPointF(left, top + metrics.ascent()), line);
        top += metrics.lineSpacing();
    }
}

} // namespace tavrel::ui
