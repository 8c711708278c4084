#include "editor/solutionwordgroup.h"

#include "core/cp1252.h"
#include "core/numbering.h"
#include "core/puzzle.h"
#include "core/render.h"
#include "editor/fielddroptarget.h"
#include "editor/frameendbox.h"
#include "editor/undohistory.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace gs {

namespace {

bool isFieldRemoved(TPoint p)
{
    return GetLetter(p).empty();
}

} // namespace

SolutionWordGroup::SolutionWordGroup(QWidget *parent)
    : PanelGroup(QStringLiteral(" Lösungswort "), parent)
{
    m_mode = new QComboBox;
    m_mode->addItems({QStringLiteral("Lösungsrahmen"), QStringLiteral("Verteilt")});
    m_pages = new QStackedWidget;
    m_pages->addWidget(createFramePage());
    m_pages->addWidget(createDistributedPage());
    connect(m_mode, &QComboBox::currentIndexChanged, this, &SolutionWordGroup::onModeChanged);
    m_mode->setFocusPolicy(Qt::StrongFocus);
    m_mode->installEventFilter(this);

    auto *layout = new QVBoxLayout;
    layout->addWidget(m_mode);
    layout->addWidget(m_pages);
    setGroupLayout(layout);
}

QWidget *SolutionWordGroup::createFramePage()
{
    m_startField = new FrameEndBox(QStringLiteral("Für Startfeld-Zuweisung jeweiliges Feld "
                                                  "markieren und auf \"Startfeld\" doppelklicken"));
    m_startField->setObjectName(QStringLiteral("startField"));
    m_endField = new FrameEndBox(QStringLiteral("Für Endfeld-Zuweisung jeweiliges Feld markieren "
                                                "und auf \"Endfeld\" doppelklicken"));
    m_endField->setObjectName(QStringLiteral("endField"));
    m_clearFrame = new QPushButton(QStringLiteral("Rahmen löschen"));
    m_clearFrame->setObjectName(QStringLiteral("clearFrame"));
    connect(m_startField,
            &FrameEndBox::doubleClicked,
            this,
            &SolutionWordGroup::StartFieldDblClick);
    connect(m_endField, &FrameEndBox::doubleClicked, this, &SolutionWordGroup::EndFieldDblClick);
    connect(new FieldDropTarget(m_startField),
            &FieldDropTarget::dropped,
            this,
            &SolutionWordGroup::StartFieldDblClick);
    connect(new FieldDropTarget(m_endField),
            &FieldDropTarget::dropped,
            this,
            &SolutionWordGroup::EndFieldDblClick);
    connect(m_clearFrame, &QPushButton::clicked, this, &SolutionWordGroup::RahmenLoeschenClick);

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

QWidget *SolutionWordGroup::createDistributedPage()
{
    m_solutionWord = new QLineEdit;
    m_solutionWord->setObjectName(QStringLiteral("solutionWord"));
    m_solutionWord->setReadOnly(true);
    QPalette grey = m_solutionWord->palette();
    grey.setColor(QPalette::Base, grey.color(QPalette::Window));
    m_solutionWord->setPalette(grey);
    connect(new FieldDropTarget(m_solutionWord),
            &FieldDropTarget::dropped,
            this,
            &SolutionWordGroup::fieldDropped);

    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Lösungswort:")));
    layout->addWidget(m_solutionWord);
    layout->addStretch();
    return page;
}

void SolutionWordGroup::resetMode()
{
    m_mode->setCurrentIndex(0);
}

void SolutionWordGroup::setStartFieldText(const QString &letter)
{
    m_startField->setText(letter);
}

void SolutionWordGroup::setEndFieldText(const QString &letter)
{
    m_endField->setText(letter);
}

void SolutionWordGroup::setSolutionWordText(const QString &word)
{
    m_solutionWord->setText(word);
}

void SolutionWordGroup::showFrame()
{
    const TPoint start = Puzzle.StartField;
    const TPoint end = Puzzle.EndField;
    if (!IsNoField(start))
        m_startField->setText(toQString(GetLetter(start)));
    if (!IsNoField(end))
        m_endField->setText(toQString(GetLetter(end)));
    if (!IsNoField(start) && !IsNoField(end) && (isFieldRemoved(start) || isFieldRemoved(end)))
        RahmenLoeschenClick();
}

void SolutionWordGroup::StartFieldDblClick()
{
    assignFrameEnd(Puzzle.StartField, Puzzle.EndField, m_startField);
}

void SolutionWordGroup::EndFieldDblClick()
{
    assignFrameEnd(Puzzle.EndField, Puzzle.StartField, m_endField);
}

void SolutionWordGroup::assignFrameEnd(TPoint &end, const TPoint &otherEnd, FrameEndBox *box)
{
    UndoStep step(QStringLiteral("Lösungsrahmen"));
    if (IsBlankField(SelectedField))
        return;
    end = SelectedField;
    box->setText(toQString(GetLetter(SelectedField)));
    // Keeps the frame straight; when it holds both ends it is redrawn.
    if (!IsNoField(otherEnd))
        CheckSolutionFrame();
    Modified = true;
}

void SolutionWordGroup::RahmenLoeschenClick()
{
    UndoStep step(QStringLiteral("Rahmen löschen"));
    if (IsNoField(Puzzle.StartField) && IsNoField(Puzzle.EndField))
        return;
    Puzzle.StartField = TPoint{0, 0};
    Puzzle.EndField = TPoint{0, 0};
    m_startField->clear();
    m_endField->clear();
    RedrawBoard();
    Modified = true;
}

bool SolutionWordGroup::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_mode && event->type() == QEvent::Wheel) {
        event->ignore();
        return true;
    }
    return PanelGroup::eventFilter(watched, event);
}

void SolutionWordGroup::onModeChanged(int index)
{
    m_pages->setCurrentIndex(index);
    if (index == 1)
        UpdateSolutionWord();
}

} // namespace gs
