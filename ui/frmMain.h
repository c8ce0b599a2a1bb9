// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace tavrel::ui {

class ClickLabel;

// The sign of the reading shown last ("Aries" ... "Pisces"); empty before the first reading.
QString &SunSignName();

// The input form: name and date of birth, and the command that shows the reading.
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmMain(QWidget *parent = nullptr);

    // Runs the update reminder, then fills the day, month and year lists.
    void Form_Load();

    // Checks the entries; shows the message of the first failed check (and puts the focus into the name box
    // for a missing name).
    bool ValidateInput();
    // Sets SunSignName from the selected day and month.
    void FindSunSign();
    // Validates, makes the reading, hides this form and shows the reading in the frame.
    void cmdProceed_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void centreOnScreen();
    // Builds the frame and result window off screen for the date chosen so far and drops them, so that the
    // first reading finds its fonts, texts and pictures ready (see rehearseReading).
    void rehearseReading();
    bool txtName_KeyPress(const QString &typed);

    QLineEdit *m_name = nullptr;
    QComboBox *m_day = nullptr;
    QComboBox *m_month = nullptr;
    QComboBox *m_year = nullptr;
    QPushButton *m_proceed = nullptr;
    QPushButton *m_exit = nullptr;
};

} // namespace tavrel::ui
