#include "editor/insertgriddialog.h"

#include "core/boardcommands.h"
#include "core/puzzle.h"
#include "editor/dialogbuttons.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>
#include <QVBoxLayout>

namespace gs {

namespace {

QSpinBox *countBox(const QString &name)
{
    auto *box = new QSpinBox;
    box->setObjectName(name);
    box->setRange(1, 25);
    return box;
}

} // namespace

TForm2::TForm2(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Gitter einfügen"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    m_rows = countBox(QStringLiteral("rows"));
    m_cols = countBox(QStringLiteral("cols"));
    m_blocks = new QCheckBox(QStringLiteral("Schwarze Felder"));

    QDialogButtonBox *buttons = okCancelButtons(this);

    auto *counts = new QFormLayout;
    counts->addRow(QStringLiteral("Zeilen:"), m_rows);
    counts->addRow(QStringLiteral("Spalten:"), m_cols);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(counts);
    layout->addWidget(m_blocks);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TForm2::accept()
{
    if (InsertGrid(SelectedField, m_rows->value(), m_cols->value(), m_blocks->isChecked()))
        QDialog::accept();
}

void TForm2::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_rows->setValue(2);
    m_cols->setValue(2);
    m_blocks->setChecked(false);
    m_rows->setFocus();
}

} // namespace gs
