#include "editor/sidepanel.h"

#include "core/boardediting.h"
#include "core/numbering.h"
#include "core/prompt.h"
#include "core/puzzle.h"
#include "core/render.h"
#include "editor/editoricons.h"
#include "editor/fieldpropertiesgroup.h"
#include "editor/keysink.h"
#include "editor/panelgroup.h"
#include "editor/solutionwordgroup.h"
#include "editor/stepspinbox.h"
#include "editor/undohistory.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace gs {

namespace {

const QString numbersOutsideRefused = QStringLiteral(
        "Die Nummern können momentan nicht außerhalb der Kästchen angezeigt werden, da ein oder "
        "mehrere Kästchen am Rand angrenzen. Verschieben Sie das Felderquiz nach rechts/unten "
        "und versuchen Sie es erneut.");

// Highest solution-letter number on the board; 0 when there is none.
qint64 highestSolutionNumber()
{
    qint64 highest = 0;
    for (const auto &column : Puzzle.Board) {
        for (const TBoardField &field : column)
            highest = std::max<qint64>(highest, field.SolutionNumber);
    }
    return highest;
}

} // namespace

SidePanel::SidePanel(QWidget *parent)
    : QWidget(parent)
{
    setFixedWidth(209);

    m_keySink = new KeySink;
    connect(m_keySink, &KeySink::focusLeftBoard, this, &SidePanel::removeProvisionalSelection);
    auto *sinkRow = new QHBoxLayout;
    sinkRow->addStretch();
    sinkRow->addWidget(m_keySink);

    m_fieldProperties = new FieldPropertiesGroup;
    m_solutionWord = new SolutionWordGroup;
    connect(m_fieldProperties,
            &FieldPropertiesGroup::fieldDropped,
            this,
            &SidePanel::NextSolutionNumber);
    connect(m_solutionWord, &SolutionWordGroup::fieldDropped, this, &SidePanel::NextSolutionNumber);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 2, 4, 4);
    layout->setSpacing(4);
    layout->addLayout(sinkRow);
    layout->addWidget(createFieldsGroup());
    layout->addWidget(createShiftGroup());
    layout->addWidget(m_fieldProperties);
    layout->addWidget(m_solutionWord);
    layout->addStretch();
}

QWidget *SidePanel::createFieldsGroup()
{
    m_letters = new QCheckBox(QStringLiteral("Buchstaben zeichnen"));
    m_letters->setChecked(true);
    m_numbersInside = new QCheckBox(QStringLiteral("Nummern in Kästchen"));
    m_fieldSize = new StepSpinBox(25, 50);
    m_fieldSize->setValue(30);
    m_borderWidth = new StepSpinBox(1, 4);
    m_borderWidth->setValue(1);

    connect(m_letters, &QCheckBox::toggled, this, [] { RedrawBoard(); });
    connect(m_numbersInside, &QCheckBox::toggled, this, &SidePanel::onNumbersInsideToggled);
    connect(m_fieldSize, &QSpinBox::valueChanged, this, &SidePanel::onFieldSizeChanged);
    connect(m_borderWidth, &QSpinBox::valueChanged, this, &SidePanel::onBorderWidthChanged);

    auto *grid = new QGridLayout;
    grid->addWidget(m_letters, 0, 0, 1, 3);
    grid->addWidget(m_numbersInside, 1, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Feldgröße:")), 2, 0);
    grid->addWidget(m_fieldSize, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Rahmendicke:")), 3, 0);
    grid->addWidget(m_borderWidth, 3, 1);
    grid->setColumnStretch(2, 1);
    auto *group = new PanelGroup(QStringLiteral(" Felder "));
    group->setGroupLayout(grid);
    return group;
}

QWidget *SidePanel::createShiftGroup()
{
    auto *arrows = new QLabel;
    arrows->setPixmap(EditorIcons::shiftArrows(40));

    auto *grid = new QGridLayout;
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(4, 1);
    grid->addWidget(shiftButton(ShiftUp), 0, 2, Qt::AlignCenter);
    grid->addWidget(shiftButton(ShiftLeft), 1, 1, Qt::AlignCenter);
    grid->addWidget(arrows, 1, 2, Qt::AlignCenter);
    grid->addWidget(shiftButton(ShiftRight), 1, 3, Qt::AlignCenter);
    grid->addWidget(shiftButton(ShiftDown), 2, 2, Qt::AlignCenter);
    auto *group = new PanelGroup(QStringLiteral(" Felderquiz verschieben "));
    group->setGroupLayout(grid);
    return group;
}

QPushButton *SidePanel::shiftButton(int direction)
{
    auto *button = new QPushButton;
    button->setFixedSize(18, 18);
    button->setObjectName(QStringLiteral("shift%1").arg(direction));
    connect(button, &QPushButton::clicked, this, [this, direction] { shiftPuzzle(direction); });
    return button;
}

bool SidePanel::lettersShown() const
{
    return m_letters->isChecked();
}

void SidePanel::setLettersShown(bool on)
{
    m_letters->setChecked(on);
}

bool SidePanel::numbersInside() const
{
    return m_numbersInside->isChecked();
}

void SidePanel::setNumbersInside(bool on)
{
    // Not the user's choice: a loaded document keeps its setting even where its numbers could
    // not be drawn outside.
    const QSignalBlocker blocker(m_numbersInside);
    m_numbersInside->setChecked(on);
    Puzzle.NumbersInside = on;
}

void SidePanel::setFieldSize(int value)
{
    const QSignalBlocker blocker(m_fieldSize);
    m_fieldSize->setValue(value);
}

void SidePanel::setBorderWidth(int value)
{
    const QSignalBlocker blocker(m_borderWidth);
    m_borderWidth->setValue(value);
}

void SidePanel::resetSolutionMode()
{
    m_solutionWord->resetMode();
}

void SidePanel::setStartFieldText(const QString &letter)
{
    m_solutionWord->setStartFieldText(letter);
}

void SidePanel::setEndFieldText(const QString &letter)
{
    m_solutionWord->setEndFieldText(letter);
}

void SidePanel::setSolutionWordText(const QString &word)
{
    m_solutionWord->setSolutionWordText(word);
}

void SidePanel::UpdateFieldPanel()
{
    if (IsNoField(SelectedField))
        return;
    const TBoardField field = GetField(SelectedField);
    // Showing the field is no user action, whatever the handlers below store.
    const UndoPause pause;
    const bool wasModified = Modified;
    m_fieldProperties->showField(field);
    // The handlers of the controls that changed stored the field's own values back: that
    // alone is no change of the document.
    if (GetField(SelectedField) == field)
        Modified = wasModified;
    m_solutionWord->showFrame();
    UpdateSolutionWord();
}

void SidePanel::showSolutionFrame()
{
    m_solutionWord->showFrame();
}

void SidePanel::invertBlock()
{
    m_fieldProperties->invertBlock();
}

void SidePanel::NextSolutionNumber()
{
    if (m_fieldProperties->solutionNumberText() != QLatin1String("0"))
        return;
    UndoStep step(QStringLiteral("Lösungsbuchstabennummer"));
    // The text's change handler gives the number to the selected field and repaints, which
    // rebuilds the solution word.
    m_fieldProperties->setSolutionNumberText(QString::number(highestSolutionNumber() + 1));
    Modified = true;
}

void SidePanel::focusKeySink()
{
    setFocus();
    m_keySink->setFocus();
}

void SidePanel::onNumbersInsideToggled(bool on)
{
    UndoStep step(QStringLiteral("Nummern in Kästchen"));
    if (!on && !NumbersFitOutside()) {
        // Switching the box back on runs this handler again and stores "on".
        m_numbersInside->setChecked(true);
        ActivePrompt().message(
                QStringLiteral("Hinweis"), numbersOutsideRefused, Prompt::Icon::Warning);
        return;
    }
    Puzzle.NumbersInside = on;
    RedrawBoard();
    Modified = true;
}

void SidePanel::onFieldSizeChanged(int value)
{
    UndoStep step(QStringLiteral("Feldgröße"));
    Puzzle.FieldSize = value;
    RedrawBoard();
    emit extentChanged();
    Modified = true;
}

void SidePanel::onBorderWidthChanged(int value)
{
    UndoStep step(QStringLiteral("Rahmendicke"));
    Puzzle.BorderWidth = value;
    RedrawBoard();
    Modified = true;
}

void SidePanel::shiftPuzzle(int direction)
{
    UndoStep step(QStringLiteral("Felderquiz verschieben"));
    // ShiftPuzzle scrolls by itself; a refused shift leaves everything as it was.
    if (ShiftPuzzle(direction))
        UpdateFieldPanel();
}

void SidePanel::removeProvisionalSelection()
{
    if (!IsProvisionalField(SelectedField))
        return;
    SetLetter(SelectedField, "");
    SelectedField = TPoint{-1, -1};
    RedrawBoard();
}

} // namespace gs
