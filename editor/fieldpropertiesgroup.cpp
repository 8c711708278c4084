#include "editor/fieldpropertiesgroup.h"

#include "core/puzzle.h"
#include "core/render.h"
#include "editor/fielddroptarget.h"
#include "editor/undohistory.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace gs {

namespace {

// Switching a property on makes a provisional field an existing empty one; switching one off
// there changes nothing. Returns whether the selected field takes the change.
bool prepareSelectedField(bool on)
{
    if (IsNoField(SelectedField))
        return false;
    if (IsBlankField(SelectedField)) {
        if (!on)
            return false;
        SetLetter(SelectedField, "-");
    }
    return true;
}

void fieldChanged()
{
    RedrawBoard();
    Modified = true;
}

} // namespace

FieldPropertiesGroup::FieldPropertiesGroup(QWidget *parent)
    : PanelGroup(QStringLiteral(" Feldeigenschaften "), parent)
{
    m_borderTop = borderBox(QStringLiteral("Oben"), &TBoardField::BorderTop);
    m_borderLeft = borderBox(QStringLiteral("Links"), &TBoardField::BorderLeft);
    m_borderRight = borderBox(QStringLiteral("Rechts"), &TBoardField::BorderRight);
    m_borderBottom = borderBox(QStringLiteral("Unten"), &TBoardField::BorderBottom);
    m_block = new QCheckBox(QStringLiteral("Block"));
    connect(m_block, &QCheckBox::toggled, this, &FieldPropertiesGroup::onBlockToggled);
    m_solutionNumber = new QLineEdit(QStringLiteral("0"));
    m_solutionNumber->setObjectName(QStringLiteral("solutionNumber"));
    m_solutionNumber->setFixedWidth(30);
    m_solutionNumber->installEventFilter(this);
    connect(m_solutionNumber,
            &QLineEdit::textChanged,
            this,
            &FieldPropertiesGroup::onSolutionNumberChanged);
    connect(new FieldDropTarget(m_solutionNumber),
            &FieldDropTarget::dropped,
            this,
            &FieldPropertiesGroup::fieldDropped);

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
    setGroupLayout(layout);
}

QCheckBox *FieldPropertiesGroup::borderBox(const QString &text, bool TBoardField::*border)
{
    auto *box = new QCheckBox(text);
    connect(box, &QCheckBox::toggled, this, [this, border](bool on) {
        onBorderToggled(border, on);
    });
    return box;
}

void FieldPropertiesGroup::showField(const TBoardField &field)
{
    m_borderLeft->setChecked(field.BorderLeft);
    m_borderRight->setChecked(field.BorderRight);
    m_borderTop->setChecked(field.BorderTop);
    m_borderBottom->setChecked(field.BorderBottom);
    m_block->setChecked(field.Block);
    m_solutionNumber->setText(QString::number(field.SolutionNumber));
}

bool FieldPropertiesGroup::eventFilter(QObject *watched, QEvent *event)
{
    // Left unclaimed, the override lets the shortcut map trigger the menu entry.
    if (watched == m_solutionNumber && event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo))
            return true;
    }
    return PanelGroup::eventFilter(watched, event);
}

void FieldPropertiesGroup::invertBlock()
{
    m_block->toggle();
}

QString FieldPropertiesGroup::solutionNumberText() const
{
    return m_solutionNumber->text();
}

void FieldPropertiesGroup::setSolutionNumberText(const QString &text)
{
    m_solutionNumber->setText(text);
}

void FieldPropertiesGroup::onBorderToggled(bool TBoardField::*border, bool on)
{
    UndoStep step(QStringLiteral("Trenner"));
    if (!prepareSelectedField(on))
        return;
    FieldAt(SelectedField).*border = on;
    fieldChanged();
}

void FieldPropertiesGroup::onBlockToggled(bool on)
{
    UndoStep step(QStringLiteral("Block"));
    if (!prepareSelectedField(on))
        return;
    TBoardField &field = FieldAt(SelectedField);
    field.Block = on;
    // A block holds no letter.
    if (on)
        field.Letter = "-";
    fieldChanged();
}

void FieldPropertiesGroup::onSolutionNumberChanged(const QString &text)
{
    UndoStep step(QStringLiteral("Lösungsbuchstabennummer"));
    if (IsNoField(SelectedField))
        return;
    bool whole = false;
    const int value = text.toInt(&whole);
    if (!prepareSelectedField(whole && text != QLatin1String("0")))
        return;
    FieldAt(SelectedField).SolutionNumber = whole ? value : 0;
    // The repaint also rebuilds the distributed solution word.
    fieldChanged();
}

} // namespace gs
