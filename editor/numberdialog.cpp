#include "editor/numberdialog.h"

#include "core/numbering.h"
#include "core/puzzle.h"
#include "editor/dialogbuttons.h"
#include "editor/editoricons.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace gs {

namespace {

constexpr int previewSize = 64;

} // namespace

TForm3::TForm3(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Nummer einfügen"));
    m_directions = new QListWidget;
    m_directions->addItems(
            {QStringLiteral("Horizontaler Pfeil"), QStringLiteral("Vertikaler Pfeil")});
    m_directions->setCurrentRow(0);
    m_directions->setFixedHeight(2 * m_directions->sizeHintForRow(0)
                                 + 2 * m_directions->frameWidth() + 4);
    m_directions->setMinimumWidth(m_directions->sizeHintForColumn(0) + 24);
    connect(m_directions, &QListWidget::currentRowChanged, this, &TForm3::updatePreview);

    m_preview = new QLabel;
    m_preview->setObjectName(QStringLiteral("preview"));
    m_preview->setFixedSize(previewSize + 8, previewSize + 8);
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setFrameShape(QFrame::StyledPanel);
    m_preview->setAutoFillBackground(true);
    QPalette white = m_preview->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_preview->setPalette(white);

    QDialogButtonBox *buttons = okCancelButtons(this);

    auto *choice = new QHBoxLayout;
    choice->addWidget(m_directions, 0, Qt::AlignTop);
    choice->addWidget(m_preview);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    updatePreview();
}

void TForm3::setDirection(int direction)
{
    m_directions->setCurrentRow(direction == 1 ? 1 : 0);
}

void TForm3::accept()
{
    if (!AddNumber(SelectedField, m_directions->currentRow() == 0)) {
        m_directions->setFocus();
        return;
    }
    SelectField(SelectedField);
    QDialog::accept();
}

void TForm3::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_directions->setFocus();
}

void TForm3::updatePreview()
{
    m_preview->setPixmap(EditorIcons::directionArrow(m_directions->currentRow() == 0, previewSize));
}

} // namespace gs
