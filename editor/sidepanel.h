#pragma once

#include <QWidget>

class QCheckBox;
class QPushButton;
class QSpinBox;

namespace gs {

class FieldPropertiesGroup;
class KeySink;
class SolutionWordGroup;

// The panel at the right of the main window: board-wide drawing settings, the shift buttons,
// the properties of the selected field, the solution word and the board's key sink.
class SidePanel : public QWidget
{
    Q_OBJECT
public:
    explicit SidePanel(QWidget *parent = nullptr);

    // "Buchstaben zeichnen"; switching it redraws the board.
    bool lettersShown() const;
    void setLettersShown(bool on);
    // "Nummern in Kästchen", set by the program: the document takes the value as it is.
    bool numbersInside() const;
    void setNumbersInside(bool on);
    // "Feldgröße" and "Rahmendicke", set by the program: the boxes show the value within their
    // range, the document keeps its own (a loaded file may hold any size).
    void setFieldSize(int value);
    void setBorderWidth(int value);
    // Mode list back to "Lösungsrahmen".
    void resetSolutionMode();
    void setStartFieldText(const QString &letter);
    void setEndFieldText(const QString &letter);
    void setSolutionWordText(const QString &word);

    // Refreshes the panel from the selected field.
    void UpdateFieldPanel();
    // The frame's boxes from its ends; a frame whose end field is gone is cleared.
    void showSolutionFrame();
    // "Feld zu Block": inverts "Block", whose handler changes the selected field.
    void invertBlock();
    // A dropped field gets the next free solution-letter number, when it has none yet.
    void NextSolutionNumber();

    KeySink *keySink() const { return m_keySink; }
    // Focus to the panel, then on to the key sink.
    void focusKeySink();

signals:
    // The board's extent changed with the field size.
    void extentChanged();

private:
    QWidget *createFieldsGroup();
    QWidget *createShiftGroup();
    QPushButton *shiftButton(int direction);

    void onNumbersInsideToggled(bool on);
    void onFieldSizeChanged(int value);
    void onBorderWidthChanged(int value);
    void shiftPuzzle(int direction);
    void removeProvisionalSelection();

    KeySink *m_keySink = nullptr;

    QCheckBox *m_letters = nullptr;
    QCheckBox *m_numbersInside = nullptr;
    QSpinBox *m_fieldSize = nullptr;
    QSpinBox *m_borderWidth = nullptr;

    FieldPropertiesGroup *m_fieldProperties = nullptr;
    SolutionWordGroup *m_solutionWord = nullptr;
};

} // namespace gs
