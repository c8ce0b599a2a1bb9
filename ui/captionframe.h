#pragma once

#include <QWidget>

namespace tavrel::ui {

// A group frame: a thin border with a caption set into its top edge. Painted directly, so that it needs no
// style sheet.
class CaptionFrame : public QWidget
{
    Q_OBJECT

public:
    explicit CaptionFrame(const QString &caption, QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setBorderColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_caption;
    QColor m_border{160, 160, 200};
};

} // namespace tavrel::ui
