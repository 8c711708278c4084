#include "editor/sidepanel.h"

#include "core/numbering.h"
#include "core/prompt.h"
#include "core/puzzle.h"
#include "core/render.h"
#include "editor/editoricons.h"
#include "editor/keysink.h"
#include "editor/stepspinbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace gs {

namespace {

const QString numbersOutsideRefused = QStringLiteral(
        "Die Nummern können momentan nicht außerhalb der Kästchen angezeigt werden, da ein oder "
        "mehrere Kästchen am Rand angrenzen. Verschieben Sie das Felderquiz nach rechts/unten "
        "und versuchen Sie es erneut.");

QPushButton *shiftButton()
{
    auto *button = new QPushButton;
    button->setFixedSize(18, 18);
    return button;
}

// A start or end box of the solution frame: a sunken panel showing one letter in bold.
QLabel *frameEndBox(const QString &toolTip)
{
    auto *box = new QLabel;
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setAlignment(Qt::AlignCenter);
    box->setFixedSize(26, 22);
    QFont font = box->font();
    font.setBold(true);
    box->setFont(font);
    box->setToolTip(toolTip);
    return box;
}

// A group frame around layout, with the panel's compact spacing.
QGroupBox *group(const QString &title, QLayout *layout)
{
    auto *box = new QGroupBox(title);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(3);
    box->setLayout(layout);
    return box;
}

} // namespace

SidePanel::SidePanel(QWidget *parent)
    : QWidget(parent)
{
    setFixedWidth(209);

    m_keySink = new KeySink;
    auto *sinkRow = new QHBoxLayout;
    sinkRow->addStretch();
    sinkRow->addWidget(m_keySink);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 2, 4, 4);
    layout->setSpacing(4);
    layout->addLayout(sinkRow);
    layout->addWidget(createFieldsGroup());
    layout->addWidget(createShiftGroup());
    layout->addWidget(createFieldPropertiesGroup());
    layout->addWidget(createSolutionGroup());
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
    return group(QStringLiteral(" Felder "), grid);
}

QWidget *SidePanel::createShiftGroup()
{
    m_shiftLeft = shiftButton();
    m_shiftRight = shiftButton();
    m_shiftUp = shiftButton();
    m_shiftDown = shiftButton();
    auto *arrows = new QLabel;
    arrows->setPixmap(EditorIcons::shiftArrows(40));

    auto *grid = new QGridLayout;
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(4, 1);
    grid->addWidget(m_shiftUp, 0, 2, Qt::AlignCenter);
    grid->addWidget(m_shiftLeft, 1, 1, Qt::AlignCenter);
    grid->addWidget(arrows, 1, 2, Qt::AlignCenter);
    grid->addWidget(m_shiftRight, 1, 3, Qt::AlignCenter);
    grid->addWidget(m_shiftDown, 2, 2, Qt::AlignCenter);
    return group(QStringLiteral(" Felderquiz verschieben "), grid);
}

QWidget *SidePanel::createFieldPropertiesGroup()
{
    m_borderTop = new QCheckBox(QStringLiteral("Oben"));
    m_borderLeft = new QCheckBox(QStringLiteral("Links"));
    m_borderRight = new QCheckBox(QStringLiteral("Rechts"));
    m_borderBottom = new QCheckBox(QStringLiteral("Unten"));
    m_block = new QCheckBox(QStringLiteral("Block"));
    m_solutionNumber = new QLineEdit(QStringLiteral("0"));
    m_solutionNumber->setFixedWidth(30);

    auto *borders = new QGridLayout;
    borders->addWidget(m_borderTop, 0, 0, 1, 2, Qt::AlignHCenter);
    borders->addWidget(m_borderLeft, 1, 0);
    borders->addWidget(m_borderRight, 1, 1);
    borders->addWidget(m_borderBottom, 2, 0, 1, 2, Qt::AlignHCenter);

    auto *numberRow = new QHBoxLayout;
    numberRow->addWidget(new QLabel(QStringLiteral("Lösungsbuchstabennummer:")));
    numberRow->addWidget(m_solutionNumber);
    numberRow->addStretch();

    auto *layout = new QVBoxLayout;
    layout->addWidget(new QLabel(QStringLiteral("Trenner:")));
    layout->addLayout(borders);
    layout->addWidget(m_block);
    layout->addLayout(numberRow);
    return group(QStringLiteral(" Feldeigenschaften "), layout);
}

QWidget *SidePanel::createSolutionGroup()
{
    m_solutionMode = new QComboBox;
    m_solutionMode->addItems({QStringLiteral("Lösungsrahmen"), QStringLiteral("Verteilt")});
    m_solutionPages = new QStackedWidget;
    m_solutionPages->addWidget(createFramePage());
    m_solutionPages->addWidget(createDistributedPage());
    connect(m_solutionMode,
            &QComboBox::currentIndexChanged,
            this,
            &SidePanel::onSolutionModeChanged);

    auto *layout = new QVBoxLayout;
    layout->addWidget(m_solutionMode);
    layout->addWidget(m_solutionPages);
    return group(QStringLiteral(" Lösungswort "), layout);
}

QWidget *SidePanel::createFramePage()
{
    m_startField = frameEndBox(QStringLiteral("Für Startfeld-Zuweisung jeweiliges Feld markieren "
                                              "und auf \"Startfeld\" doppelklicken"));
    m_endField = frameEndBox(QStringLiteral("Für Endfeld-Zuweisung jeweiliges Feld markieren und "
                                            "auf \"Endfeld\" doppelklicken"));
    m_clearFrame = new QPushButton(QStringLiteral("Rahmen löschen"));

    auto *ends = new QHBoxLayout;
    ends->addWidget(new QLabel(QStringLiteral("Startfeld:")));
    ends->addWidget(m_startField);
    ends->addStretch();
    ends->addWidget(new QLabel(QStringLiteral("Endfeld:")));
    ends->addWidget(m_endField);

    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(ends);
    layout->addWidget(m_clearFrame);
    layout->addStretch();
    return page;
}

QWidget *SidePanel::createDistributedPage()
{
    m_solutionWord = new QLineEdit;
    m_solutionWord->setReadOnly(true);
    QPalette grey = m_solutionWord->palette();
    grey.setColor(QPalette::Base, grey.color(QPalette::Window));
    m_solutionWord->setPalette(grey);

    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Lösungswort:")));
    layout->addWidget(m_solutionWord);
    layout->addStretch();
    return page;
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
    m_numbersInside->setChecked(on);
}

void SidePanel::setFieldSize(int value)
{
    m_fieldSize->setValue(value);
}

void SidePanel::setBorderWidth(int value)
{
    m_borderWidth->setValue(value);
}

void SidePanel::resetSolutionMode()
{
    m_solutionMode->setCurrentIndex(0);
}

void SidePanel::setStartFieldText(const QString &letter)
{
    m_startField->setText(letter);
}

void SidePanel::setEndFieldText(const QString &letter)
{
    m_endField->setText(letter);
}

void SidePanel::setSolutionWordText(const QString &word)
{
    m_solutionWord->setText(word);
}

void SidePanel::focusKeySink()
{
    setFocus();
    m_keySink->setFocus();
}

void SidePanel::onNumbersInsideToggled(bool on)
{
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
    Puzzle.FieldSize = value;
    RedrawBoard();
    emit extentChanged();
    Modified = true;
}

void SidePanel::onBorderWidthChanged(int value)
{
    Puzzle.BorderWidth = value;
    RedrawBoard();
    Modified = true;
}

void SidePanel::onSolutionModeChanged(int index)
{
    m_solutionPages->setCurrentIndex(index);
    if (index == 1)
        UpdateSolutionWord();
}

} // namespace gs
