// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

class QLabel;
class QPushButton;

namespace tavrel::ui {

class ClickLabel;

// The frame in which a reading is shown: banner and software-name strips at the top, the result window in the
// middle, the promotional strip with Back and Exit at the bottom.
class frmMdi : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmMdi(QWidget *parent = nullptr);

    // The area that hosts the result window.
    QWidget *clientArea() const { return m_client; }

    // Loads the result window and lays the strips and the result window out for the width of the frame.
    void MDIForm_Load();
    // Closes the reading and returns to the input form with its entries.
    void cmdBack_Click();
    void cmdMdiExit_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Places the banner, the software name, Back, Exit and the result window for the width of the frame.
    void layOut();

    QWidget *m_client = nullptr;
    ClickLabel *m_banner = nullptr;
    QLabel *m_softwareName = nullptr;
    QPushButton *m_back = nullptr;
    QPushButton *m_exit = nullptr;
    int m_laidOutWidth = -1; // the width of the last layout
};

} // namespace tavrel::ui
