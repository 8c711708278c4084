#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QStackedWidget;

namespace gs {

class KeySink;

// The panel at the right of the main window: board-wide drawing settings, the shift buttons,
// the properties of the selected field, the solution word and the board's key sink.
class SidePanel : public QWidget
{
    Q_OBJECT
public:
    explicit SidePanel(QWidget *parent = nullptr);

    // "Buchstaben zeichnen"
    bool lettersShown() const;
    void setLettersShown(bool on);
    // "Nummern in Kästchen"
    bool numbersInside() const;
    void setNumbersInside(bool on);
    // "Feldgröße" and "Rahmendicke"; setting them runs their change handlers.
    void setFieldSize(int value);
    void setBorderWidth(int value);
    // Mode list back to "Lösungsrahmen".
    void resetSolutionMode();
    void setStartFieldText(const QString &letter);
    void setEndFieldText(const QString &letter);
    void setSolutionWordText(const QString &word);

    KeySink *keySink() const { return m_keySink; }
    // Focus to the panel, then on to the key sink.
    void focusKeySink();

signals:
    // The field size changed, and with it the board's extent.
    void extentChanged();

private:
    QWidget *createFieldsGroup();
    QWidget *createShiftGroup();
    QWidget *createFieldPropertiesGroup();
    QWidget *createSolutionGroup();
    QWidget *createFramePage();
    QWidget *createDistributedPage();

    void onNumbersInsideToggled(bool on);
    void onFieldSizeChanged(int value);
    void onBorderWidthChanged(int value);
    void onSolutionModeChanged(int index);

    KeySink *m_keySink = nullptr;

    QCheckBox *m_letters = nullptr;
    QCheckBox *m_numbersInside = nullptr;
    QSpinBox *m_fieldSize = nullptr;
    QSpinBox *m_borderWidth = nullptr;

    QPushButton *m_shiftLeft = nullptr;
    QPushButton *m_shiftRight = nullptr;
    QPushButton *m_shiftUp = nullptr;
    QPushButton *m_shiftDown = nullptr;

    QCheckBox *m_borderTop = nullptr;
    QCheckBox *m_borderLeft = nullptr;
    QCheckBox *m_borderRight = nullptr;
    QCheckBox *m_borderBottom = nullptr;
    QCheckBox *m_block = nullptr;
    QLineEdit *m_solutionNumber = nullptr;

    QComboBox *m_solutionMode = nullptr;
    QStackedWidget *m_solutionPages = nullptr;
    QLabel *m_startField = nullptr;
    QLabel *m_endField = nullptr;
    QPushButton *m_clearFrame = nullptr;
    QLineEdit *m_solutionWord = nullptr;
};

} // namespace gs
