#pragma once

#include <QDialog>

namespace tavrel::ui {

// The About box: name, version, description and two web links. Always the same content.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget *parent = nullptr);
};

} // namespace tavrel::ui
