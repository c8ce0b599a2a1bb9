#pragma once

#include <QLabel>

namespace tavrel::ui {

// A label that opens a web page when clicked: bold, underlined, with a pointing-hand cursor.
class ClickLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ClickLabel(const QString &text, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

} // namespace tavrel::ui
