#include "editor/definitionseditor.h"

#include "core/boardediting.h"
#include "core/cp1252.h"
#include "core/puzzle.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace gs {

namespace {

enum Column { NumColumn, WordColumn, DefinitionColumn };

} // namespace

TForm4::TForm4(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Definitions-Editor"));
    m_list = new QTreeWidget;
    m_list->setHeaderLabels(
            {QStringLiteral("Num"), QStringLiteral("Wort"), QStringLiteral("Definition")});
    m_list->setRootIsDecorated(false);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setColumnWidth(NumColumn, 35);
    m_list->setColumnWidth(WordColumn, 120);
    m_list->setColumnWidth(DefinitionColumn, 314);
    m_list->header()->setStretchLastSection(false);
    m_list->setFixedSize(35 + 120 + 314 + 2 * m_list->frameWidth()
                                 + m_list->verticalScrollBar()->sizeHint().width(),
                         260);
    connect(m_list, &QTreeWidget::currentItemChanged, this, &TForm4::showRow);

    m_word = new QLabel(QStringLiteral("Wort"));
    m_word->setObjectName(QStringLiteral("word"));
    QFont bold = m_word->font();
    bold.setBold(true);
    m_word->setFont(bold);
    m_definition = new QLineEdit;
    m_definition->setObjectName(QStringLiteral("definition"));
    m_definition->setMaxLength(int(MaxDefinitionLength));
    m_definition->installEventFilter(this);

    auto *buttons = new QDialogButtonBox;
    m_ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    m_ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &TForm4::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(m_word);
    layout->addWidget(m_definition);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TForm4::done(int result)
{
    takeOverDefinition();
    QDialog::done(result);
}

void TForm4::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    fillList();
}

bool TForm4::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_definition && event->type() == QEvent::FocusOut)
        takeOverDefinition();
    if (watched == m_definition && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            moveSelection(key == Qt::Key_Up ? -1 : 1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TForm4::fillList()
{
    {
        const QSignalBlocker blocker(m_list);
        m_list->clear();
        m_definition->clear();
        for (const TClueNumber &number : Puzzle.Numbers) {
            m_list->addTopLevelItem(new QTreeWidgetItem({QString::number(number.Num),
                                                         toQString(ReadWord(number)),
                                                         toQString(number.Text)}));
        }
    }
    if (m_list->topLevelItemCount() == 0) {
        m_word->clear();
        m_ok->setFocus();
        return;
    }
    m_list->setCurrentItem(m_list->topLevelItem(0));
}

void TForm4::showRow(QTreeWidgetItem *item)
{
    if (!item)
        return;
    m_word->setText(item->text(WordColumn));
    m_definition->setText(item->text(DefinitionColumn));
    m_definition->setFocus();
}

void TForm4::takeOverDefinition()
{
    QTreeWidgetItem *item = m_list->currentItem();
    if (!item)
        return;
    // The row's place in the list names its number, whatever numbers a loaded file holds.
    const int index = m_list->indexOfTopLevelItem(item);
    if (index < 0 || index >= int(Puzzle.Numbers.size()))
        return;
    const QString text = m_definition->text();
    Puzzle.Numbers[size_t(index)].Text = fromQString(text).substr(0, MaxDefinitionLength);
    if (text != item->text(DefinitionColumn))
        Modified = true;
    item->setText(DefinitionColumn, text);
}

void TForm4::moveSelection(int step)
{
    takeOverDefinition();
    const int row = m_list->indexOfTopLevelItem(m_list->currentItem()) + step;
    if (QTreeWidgetItem *next = m_list->topLevelItem(row)) {
        m_list->setCurrentItem(next);
        m_list->scrollToItem(next);
    }
}

} // namespace gs
