// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reading/vocabulary.h"
#include "ui/display/displaylayout.h"

#include <QWidget>

#include <array>

class QAbstractScrollArea;
class QGroupBox;
class QPlainTextEdit;
class QTextEdit;

namespace tavrel {
struct Reading;
}

namespace tavrel::ui {

class ClipboardGuard;
class DisplayImageList;
class DisplayLabel;
class DisplayPicture;
class DisplayTabs;
class TreeDiagram;

// The result window: the Tree-of-Life diagram on the left, and on the right a tab control with the two
// Sephiroth of the sign, the path of the sign, and the sun sign with the explanation of the sphere under
// the mouse. Every control carries its name as objectName; the elements of a control array are named
// Name_i and carry their index in the property "index".
//
// The keyboard: Tab visits the diagram first, one stop with the arrow keys inside it (see TreeDiagram), then the
// tab strip and the controls of the page shown. A sphere that gets the focus from the keyboard is explained as
// if hovered. Each control with the focus is ringed in yellow: the sphere by the diagram, the current tab by the
// tab strip, a text box by a ring around it.
// Ctrl+Tab and Ctrl+PageDown show the next tab, Ctrl+Shift+Tab and Ctrl+PageUp the previous one, from
// anywhere in the window. Assistive tools read each value with its caption ("Lucky Day: Friday").
class frmDisplay : public QWidget
{
    Q_OBJECT

public:
    explicit frmDisplay(QWidget *parent = nullptr);

    // Builds a result window for `reading` off screen inside `host` (in a frame that is not shown), paints it and
    // the window it is in into pictures and drops it, leaving the clipboard alone. What result windows keep
    // between them (fonts and their glyphs, measured and laid-out texts, scaled pictures, the style's drawings)
    // is then ready, and the first reading is as quick as the next.
    static void rehearse(const tavrel::Reading &reading, QWidget &host);

    // Selects the first tab; nothing else.
    void Form_Load();

    // Writes a reading into the window: the card label, the highlights, every caption and text, the chakra
    // pictures and names, then the chakra records.
    void showReading(const tavrel::Reading &reading);
    // Writes the record of chakra `one` into RTB_0 and that of chakra `two` into RTB_1; a value outside the
    // seven chakras leaves its box empty.
    void ShowChakras(tavrel::Chakra one, tavrel::Chakra two);

    // The name and paragraph of sphere `index` (0 ... 10, the diagram's order) on the third tab.
    void ShowSphereExplanation(int index);
    void ClearSphereExplanation();

    TreeDiagram *diagram() const { return m_diagram; }
    // The control that has the focus when the window becomes active: the tab strip, where Ctrl+Tab switches the
    // tabs at once.
    QWidget *firstControl() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The controls of one band of the first tab: Sephirah One above, Sephirah Two below.
    struct Band
    {
        DisplayLabel *sphereHead = nullptr;
        QPlainTextEdit *sphereDesc = nullptr;
        QPlainTextEdit *angelDesc = nullptr;
        std::array<DisplayLabel *, displaylayout::AttributeCount> values{};
        DisplayLabel *chakraName = nullptr;
        QTextEdit *chakraRecord = nullptr;
        DisplayPicture *picture = nullptr;
        DisplayImageList *pictures = nullptr;
    };
    // A window built without a clipboard guard leaves the clipboard alone.
    frmDisplay(QWidget *parent, bool guardsClipboard);

    void buildDiagram();
    void buildTabs();
    QWidget *buildSephirothPage();
    QWidget *buildPathPage();
    QWidget *buildSignPage();
    Band buildBand(QWidget *page, const displaylayout::BandDesign &design);
    QPlainTextEdit *addTextBox(QWidget *page, const char *name, QRect twips);
    void guardClipboard(QAbstractScrollArea *box);

    void writeSephirah(Band &band, const tavrel::Reading &reading, bool one);
    static void writeChakraRecord(QTextEdit *box, tavrel::Chakra chakra);

    QGroupBox *m_frame = nullptr;
    TreeDiagram *m_diagram = nullptr;
    DisplayTabs *m_tabs = nullptr;
    QWidget *m_picSplit = nullptr;
    QWidget *m_picSplitTwo = nullptr;
    QWidget *m_picSplitThree = nullptr;

    Band m_one;
    Band m_two;

    DisplayLabel *m_pathName = nullptr;
    QPlainTextEdit *m_pathDesc = nullptr;
    DisplayLabel *m_hebrewLetter = nullptr;
    DisplayLabel *m_location = nullptr;
    DisplayLabel *m_planet = nullptr;
    DisplayLabel *m_yetsiraticAttribution = nullptr;
    DisplayLabel *m_pathColour = nullptr;
    DisplayLabel *m_element = nullptr;

    DisplayLabel *m_sunSignName = nullptr;
    DisplayLabel *m_sunSignDesc = nullptr;
    DisplayLabel *m_liesPathName = nullptr;
    DisplayLabel *m_sphereName = nullptr;
    DisplayLabel *m_sphereDesc = nullptr;

    ClipboardGuard *m_clipboardGuard = nullptr; // none in a rehearsal
};

} // namespace tavrel::ui
