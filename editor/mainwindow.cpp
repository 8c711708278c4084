#include "editor/mainwindow.h"

#include "core/boardcommands.h"
#include "core/boardediting.h"
#include "core/cp1252.h"
#include "core/numbering.h"
#include "core/prompt.h"
#include "core/puzzle.h"
#include "core/puzzlesnapshot.h"
#include "core/render.h"
#include "document/documentfile.h"
#include "document/documentview.h"
#include "document/ipuzexport.h"
#include "editor/aboutdialog.h"
#include "editor/assistantdialog.h"
#include "editor/boardviewport.h"
#include "editor/definitionseditor.h"
#include "editor/editoricons.h"
#include "editor/generatordialog.h"
#include "editor/htmlexportwindow.h"
#include "editor/imageoutputwindow.h"
#include "editor/insertgriddialog.h"
#include "editor/keypreview.h"
#include "editor/keysink.h"
#include "editor/numberdialog.h"
#include "editor/outputsettingsdialog.h"
#include "editor/sidepanel.h"
#include "editor/undohistory.h"
#include "output/outputsettings.h"
#include "output/webexport.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>
#include <QToolBar>
#include <QUndoStack>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>

namespace gs {

namespace {

const QString documentFilter = QStringLiteral("Felderquiz-Dateien (*.gsd)|*.gsd");
const QString documentSuffix = QStringLiteral("gsd");
const QString ipuzFilter = QStringLiteral("ipuz-Dateien (*.ipuz)|*.ipuz");
const QString fieldHasNumber = QStringLiteral(
        "Feld kann nicht entfernt werden, solange ihm eine Nummer zugewiesen ist.");

// Scroll step of the mouse wheel, and the margin the scroll range leaves past the puzzle.
constexpr int wheelStep = 40;
constexpr int scrollMargin = 40;

QAction *addEntry(QMenu *menu, const QString &text, const QKeySequence &shortcut = {})
{
    QAction *action = menu->addAction(text);
    action->setShortcut(shortcut);
    return action;
}

// Enables a board scroll bar when the puzzle reaches past the visible area or the view is
// scrolled, and sets its range. extent: right or bottom edge of the puzzle; origin: left or
// top of the board image (zero or negative).
void fitBar(QScrollBar *bar, int extent, int visible, int origin)
{
    const bool enabled = extent > visible || origin < 0;
    bar->setEnabled(enabled);
    bar->setPageStep(std::max(visible, 1));
    if (enabled)
        bar->setMaximum(extent > visible ? extent - visible + scrollMargin : extent + scrollMargin);
}

// Scrolls back by one field when the selected field starts before the visible area, and on
// by reach when its far part lies beyond it. position: the field's edge in the viewport.
void scrollIntoView(QScrollBar *bar, int position, int fieldSize, int reach, int visible)
{
    if (position < 0)
        bar->setValue(bar->value() - fieldSize);
    if (position + reach > visible)
        bar->setValue(bar->value() + reach);
}

void openModal(QDialog *dialog)
{
    if (dialog)
        dialog->exec();
}

} // namespace

TForm1::TForm1(QWidget *parent)
    : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Gitterstern"));
    QApplication::setApplicationName(windowTitle());
    setWindowIcon(EditorIcons::application());
    QApplication::setWindowIcon(windowIcon());

    m_history = new UndoHistory(
            [this] {
                return EditorPosition{SelectedField, scrollPosition()};
            },
            [this](const EditorPosition &position) { showRestoredPuzzle(position); },
            this);
    createMenus();
    createToolBar();
    setCentralWidget(createBoardArea());
    connectBoardEditing();
    connectCommands();
    resize(806, 643);
    SetBoardView(this);
}

TForm1::~TForm1()
{
    if (View() == this)
        SetBoardView(nullptr);
}

void TForm1::createMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("Datei"));
    m_newAction = addEntry(file, QStringLiteral("Neu"));
    file->addSeparator();
    m_openAction = addEntry(file, QStringLiteral("Öffnen"));
    m_saveAction = addEntry(file, QStringLiteral("Speichern"), QKeySequence(Qt::CTRL | Qt::Key_S));
    m_saveAsAction = addEntry(file, QStringLiteral("Speichern unter..."));
    file->addSeparator();
    QMenu *exportMenu = file->addMenu(QStringLiteral("Exportieren"));
    m_imageOutputAction = addEntry(exportMenu, QStringLiteral("Bildausgabe"));
    m_htmlExportAction = addEntry(exportMenu, QStringLiteral("HTML-Datei"));
    m_ipuzExportAction = addEntry(exportMenu, QStringLiteral("ipuz-Datei…"));
    m_webExportAction = addEntry(exportMenu, QStringLiteral("Web-Rätsel…"));
    exportMenu->addSeparator();
    m_clipboardAction = addEntry(exportMenu, QStringLiteral("Zwischenablage (nur Gitter)"));
    file->addSeparator();
    m_exitAction = addEntry(file, QStringLiteral("Beenden"));

    createEditMenu();

    QMenu *puzzle = menuBar()->addMenu(QStringLiteral("Felderquiz"));
    m_insertGridAction = addEntry(puzzle, QStringLiteral("Gitter einfügen"));
    puzzle->addSeparator();
    m_blockAction
            = addEntry(puzzle, QStringLiteral("Feld zu Block"), QKeySequence(Qt::CTRL | Qt::Key_B));
    m_emptyToBlocksAction = addEntry(puzzle, QStringLiteral("Leere Felder zu Blöcken"));
    m_deleteEmptyAction = addEntry(puzzle, QStringLiteral("Leere Felder löschen"));
    puzzle->addSeparator();
    m_insertHorizontalAction = addEntry(
            puzzle, QStringLiteral("Horizontal einfügen"), QKeySequence(Qt::CTRL | Qt::Key_H));
    m_insertVerticalAction = addEntry(
            puzzle, QStringLiteral("Vertikal einfügen"), QKeySequence(Qt::CTRL | Qt::Key_V));
    m_insertFittingAction = addEntry(
            puzzle, QStringLiteral("Passend einfügen"), QKeySequence(Qt::CTRL | Qt::Key_P));
    puzzle->addSeparator();
    m_outputSettingsAction = addEntry(
            puzzle, QStringLiteral("Ausgabe konfigurieren"), QKeySequence(Qt::CTRL | Qt::Key_C));

    m_numbersMenu = menuBar()->addMenu(QStringLiteral("Nummern"));
    m_newNumberAction = addEntry(
            m_numbersMenu, QStringLiteral("Neue Nummer"), QKeySequence(Qt::CTRL | Qt::Key_N));
    QMenu *deleteNumber = m_numbersMenu->addMenu(QStringLiteral("Nummer löschen"));
    m_deleteHorizontalNumberAction = addEntry(deleteNumber, QStringLiteral("Horizontale Nummer"));
    m_deleteVerticalNumberAction = addEntry(deleteNumber, QStringLiteral("Vertikale Nummer"));
    m_numbersMenu->addSeparator();
    m_autoNumberAction = addEntry(m_numbersMenu, QStringLiteral("Automatisch nummerieren"));
    m_renumberAction
            = addEntry(m_numbersMenu, QStringLiteral("Neu nummerieren (Definitionen erhalten)"));
    m_deleteAllNumbersAction = addEntry(m_numbersMenu, QStringLiteral("Alle Nummern löschen"));
    m_numbersMenu->addSeparator();
    m_definitionsAction = addEntry(m_numbersMenu, QStringLiteral("Definitions-Editor"));

    QMenu *view = menuBar()->addMenu(QStringLiteral("Ansicht"));
    m_rasterAction = addEntry(view, QStringLiteral("Raster"), QKeySequence(Qt::CTRL | Qt::Key_R));
    m_rasterAction->setCheckable(true);

    QMenu *extras = menuBar()->addMenu(QStringLiteral("Extras"));
    m_assistantAction = addEntry(extras, QStringLiteral("Rätsel-Assistent"));
    m_generatorAction = addEntry(extras, QStringLiteral("Rätsel-Generator…"));

    QMenu *help = menuBar()->addMenu(QStringLiteral("Hilfe"));
    m_infoAction = addEntry(help, QStringLiteral("Info"));

    connect(m_newAction, &QAction::triggered, this, &TForm1::Neu1Click);
    connect(m_openAction, &QAction::triggered, this, &TForm1::Oeffnen1Click);
    connect(m_saveAction, &QAction::triggered, this, &TForm1::Speichern1Click);
    connect(m_saveAsAction, &QAction::triggered, this, &TForm1::Speichernunter1Click);
    connect(m_exitAction, &QAction::triggered, this, &QWidget::close);
    connect(m_imageOutputAction, &QAction::triggered, this, [this] {
        if (!IsBoardEmpty())
            openModal(m_form5);
    });
    connect(m_htmlExportAction, &QAction::triggered, this, [this] {
        if (!IsBoardEmpty())
            openModal(m_form7);
    });
    connect(m_ipuzExportAction, &QAction::triggered, this, &TForm1::exportIpuz);
    connect(m_webExportAction, &QAction::triggered, this, &TForm1::exportWebPuzzle);
    connect(m_clipboardAction, &QAction::triggered, this, [this] {
        if (IsBoardEmpty())
            return;
        m_form5->Draw(false, false);
        QGuiApplication::clipboard()->setImage(m_form5->composition().image());
    });
    connect(m_outputSettingsAction, &QAction::triggered, this, [this] {
        m_form6->showOnPage(TForm6::Page::General);
    });
    connect(m_rasterAction, &QAction::toggled, this, [] { RedrawBoard(); });
    connect(m_assistantAction, &QAction::triggered, this, [this] { openModal(m_form9); });
    connect(m_generatorAction, &QAction::triggered, this, [this] {
        if (m_generator)
            m_generator->setDocumentFileName(m_currentFileName);
        openModal(m_generator);
    });
    connect(m_infoAction, &QAction::triggered, this, [this] { openModal(m_form10); });
}

void TForm1::connectCommands()
{
    connectStep(m_insertGridAction, [this] { insertGrid(); });
    connectStep(m_emptyToBlocksAction, [this] { runBoardCommand(EmptyFieldsToBlocks); });
    connectStep(m_deleteEmptyAction, [this] { runBoardCommand([] { DeleteEmptyFields(); }); });
    connectStep(m_insertFittingAction, [this] { runBoardCommand(FitWord); });
    connectStep(m_newNumberAction, [this] { newNumber(); });
    connect(m_numbersMenu, &QMenu::aboutToShow, this, &TForm1::refreshDeleteNumberEntries);
    const QString deleteNumberStep = QStringLiteral("Nummer löschen");
    connectStep(
            m_deleteHorizontalNumberAction, [this] { deleteNumber(true); }, deleteNumberStep);
    connectStep(
            m_deleteVerticalNumberAction, [this] { deleteNumber(false); }, deleteNumberStep);
    connectStep(m_autoNumberAction, [] { AutoNumber(); });
    connectStep(m_renumberAction, [] { RenumberKeepingDefinitions(); });
    connectStep(m_deleteAllNumbersAction, [this] { deleteAllNumbers(); });
    connectStep(m_definitionsAction, [this] { openModal(m_form4); });
}

void TForm1::connectStep(QAction *action, const std::function<void()> &handler, const QString &name)
{
    connect(action, &QAction::triggered, this, [action, handler, name] {
        UndoStep step(name.isEmpty() ? action->text().remove(QLatin1String("...")) : name);
        handler();
    });
}

void TForm1::createEditMenu()
{
    QMenu *edit = menuBar()->addMenu(QStringLiteral("Bearbeiten"));
    m_undoAction = addEntry(edit, QStringLiteral("Rückgängig"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_redoAction = addEntry(edit, QStringLiteral("Wiederholen"));
    m_redoAction->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    m_undoAction->setIcon(EditorIcons::undo());
    m_redoAction->setIcon(EditorIcons::redo());
    QUndoStack *stack = m_history->stack();
    connect(m_undoAction, &QAction::triggered, stack, &QUndoStack::undo);
    connect(m_redoAction, &QAction::triggered, stack, &QUndoStack::redo);
    // The entries name the step they would take back or do again.
    const auto refresh = [this, stack] {
        const auto name = [](const QString &entry, const QString &step) {
            return step.isEmpty() ? entry : entry + QStringLiteral(": ") + step;
        };
        m_undoAction->setText(name(QStringLiteral("Rückgängig"), stack->undoText()));
        m_redoAction->setText(name(QStringLiteral("Wiederholen"), stack->redoText()));
        m_undoAction->setToolTip(m_undoAction->text());
        m_redoAction->setToolTip(m_redoAction->text());
        m_undoAction->setEnabled(stack->canUndo());
        m_redoAction->setEnabled(stack->canRedo());
    };
    connect(stack, &QUndoStack::indexChanged, this, refresh);
    refresh();
}

void TForm1::createToolBar()
{
    m_newAction->setIcon(EditorIcons::newPage());
    m_newAction->setToolTip(QStringLiteral("Neues Rätsel"));
    m_openAction->setIcon(EditorIcons::folder());
    m_saveAction->setIcon(EditorIcons::disk());
    m_insertHorizontalAction->setIcon(EditorIcons::horizontalWord());
    m_insertVerticalAction->setIcon(EditorIcons::verticalWord());
    m_insertFittingAction->setIcon(EditorIcons::fitWord());
    m_newNumberAction->setIcon(EditorIcons::number());
    m_definitionsAction->setIcon(EditorIcons::definitions());

    QToolBar *toolBar = addToolBar(QStringLiteral("Werkzeuge"));
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->setIconSize(QSize(16, 16));
    toolBar->addAction(m_newAction);
    toolBar->addAction(m_openAction);
    toolBar->addAction(m_saveAction);
    toolBar->addAction(m_undoAction);
    toolBar->addAction(m_redoAction);
    toolBar->addSeparator();
    toolBar->addAction(m_insertHorizontalAction);
    toolBar->addAction(m_insertVerticalAction);
    toolBar->addAction(m_insertFittingAction);
    toolBar->addSeparator();
    toolBar->addAction(m_newNumberAction);
    toolBar->addAction(m_definitionsAction);

    auto *spacer = new QWidget;
    spacer->setFixedWidth(57);
    toolBar->addWidget(spacer);
    m_warningLabel = new QLabel;
    m_warningLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_warningLabel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    toolBar->addWidget(m_warningLabel);
}

QWidget *TForm1::createBoardArea()
{
    m_viewport = new BoardViewport;
    m_horizontalBar = new QScrollBar(Qt::Horizontal);
    m_horizontalBar->setFixedHeight(17);
    m_verticalBar = new QScrollBar(Qt::Vertical);
    m_verticalBar->setFixedWidth(16);
    for (QScrollBar *bar : {m_horizontalBar, m_verticalBar}) {
        bar->setRange(0, 0);
        bar->setSingleStep(wheelStep);
        bar->setEnabled(false);
        // Never take the focus from the key sink, so that typing keeps acting on the board.
        bar->setFocusPolicy(Qt::NoFocus);
        bar->installEventFilter(this);
        connect(bar, &QScrollBar::valueChanged, this, &TForm1::scrollBarMoved);
    }
    connect(m_viewport, &BoardViewport::resized, this, &TForm1::FormResize);
    auto *corner = new QLabel;
    corner->setFixedSize(16, 17);
    m_sidePanel = new SidePanel;
    connect(m_sidePanel, &SidePanel::extentChanged, this, &TForm1::CheckScrolling);

    auto *board = new QVBoxLayout;
    board->setSpacing(0);
    board->addWidget(m_viewport, 1);
    board->addWidget(m_horizontalBar);
    auto *barColumn = new QVBoxLayout;
    barColumn->setSpacing(0);
    barColumn->addWidget(m_verticalBar, 1);
    barColumn->addWidget(corner);

    auto *area = new QWidget;
    auto *layout = new QHBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(board, 1);
    layout->addLayout(barColumn);
    layout->addSpacing(3);
    layout->addWidget(m_sidePanel);
    return area;
}

void TForm1::connectBoardEditing()
{
    connect(m_viewport, &BoardViewport::mousePressed, this, &TForm1::Image1MouseDown);
    connect(m_viewport, &BoardViewport::doubleClicked, this, &TForm1::Image1DblClick);
    auto *preview = new KeyPreview(this);
    preview->watch(m_sidePanel->keySink());
    preview->watch(m_sidePanel);
    connect(preview, &KeyPreview::keyPressed, this, &TForm1::boardKeyPressed);

    connectStep(m_insertHorizontalAction, [this] { insertWord(true); });
    connectStep(m_insertVerticalAction, [this] { insertWord(false); });
    connectStep(m_blockAction, [this] { m_sidePanel->invertBlock(); });
}

void TForm1::createWindows()
{
    m_form2 = new TForm2(this);
    m_form3 = new TForm3(this);
    m_form4 = new TForm4(this);
    m_form5 = new TForm5(this);
    m_form6 = new TForm6(this);
    m_form7 = new TForm7(this);
    m_form5->setSettingsDialog(m_form6);
    m_form7->setSettingsDialog(m_form6);
    const auto folder = [this] { return documentFolder(); };
    m_form5->setDocumentFolder(folder);
    m_form7->setDocumentFolder(folder);
    m_form9 = new TForm9(this);
    m_generator = new GeneratorDialog(this);
    const auto showApplied = [this] {
        UpdateFieldPanel();
        CheckScrolling();
    };
    connect(m_form9, &TForm9::puzzleApplied, this, showApplied);
    connect(m_generator, &GeneratorDialog::puzzleApplied, this, showApplied);
    m_form10 = new TForm10(this);
}

void TForm1::installAppMessage()
{
    qApp->installEventFilter(this);
}

QString TForm1::warningText() const
{
    return m_warningLabel->text();
}

void TForm1::CheckScrolling()
{
    const TRect bounds = PuzzleBounds();
    const int width = m_viewport->width();
    const int height = m_viewport->height();
    const int left = -m_horizontalBar->value();
    const int top = -m_verticalBar->value();
    fitBar(m_horizontalBar, bounds.Right, width, left);
    fitBar(m_verticalBar, bounds.Bottom, height, top);
    if (IsNoField(SelectedField))
        return;
    const TRect field = FieldRect(SelectedField);
    const int size = Puzzle.FieldSize;
    const int reach = 3 * (size / 2);
    scrollIntoView(m_horizontalBar, field.Left + left, size, reach, width);
    scrollIntoView(m_verticalBar, field.Top + top, size, reach, height);
}

void TForm1::AppMessage(const QWheelEvent &event)
{
    // Only turns of the vertical wheel; horizontal wheels and scroll phases carry no delta here.
    const int delta = event.angleDelta().y();
    if (!m_verticalBar->isEnabled() || delta == 0)
        return;
    m_verticalBar->setValue(m_verticalBar->value() + (delta < 0 ? wheelStep : -wheelStep));
}

bool TForm1::AskSaveChanges()
{
    const Prompt::Answer answer = ActivePrompt().message(
            QStringLiteral("Änderungen speichern"),
            QStringLiteral("Das Felderquiz wurde verändert.\r\nAktuelle Änderungen speichern?"),
            Prompt::Icon::Question,
            Prompt::Buttons::YesNoCancel);
    switch (answer) {
    case Prompt::Answer::Yes:
        // The user asked to keep the changes: when they were not saved, the caller stops.
        return !Speichern1Click();
    case Prompt::Answer::No:
        return false;
    default:
        return true;
    }
}

void TForm1::Neu1Click()
{
    if (Modified && AskSaveChanges())
        return;
    ShowDocumentName(QString());
    NewPuzzle();
    RedrawBoard();
    Modified = false;
    CheckScrolling();
    m_history->reset();
}

void TForm1::Oeffnen1Click()
{
    if (Modified && AskSaveChanges())
        return;
    if (const auto fileName
        = ActivePrompt().openFileName(documentFilter + QStringLiteral("|") + ipuzFilter,
                                      documentSuffix,
                                      m_currentFileName)) {
        // A file that could not be read leaves the open puzzle and its history as they were; one
        // read in part replaced the puzzle all the same.
        const PuzzleSnapshot before = PuzzleSnapshot::capture(Puzzle);
        if (LoadPuzzle(*fileName) || !before.matches(Puzzle))
            m_history->reset();
    }
}

bool TForm1::Speichern1Click()
{
    if (!m_currentFileName.isEmpty())
        return saveTo(m_currentFileName);
    return Speichernunter1Click();
}

bool TForm1::Speichernunter1Click()
{
    // A successful save makes the chosen path the current file name.
    const auto fileName
            = ActivePrompt().saveFileName(documentFilter, documentSuffix, m_currentFileName);
    return fileName && saveTo(*fileName);
}

QString TForm1::besideDocument(const QString &suffix) const
{
    if (m_currentFileName.isEmpty())
        return QString();
    const QFileInfo document(m_currentFileName);
    return document.dir().filePath(document.completeBaseName() + QLatin1Char('.') + suffix);
}

void TForm1::exportTo(const QString &filter,
                      const QString &suffix,
                      const std::function<QString(const QString &)> &write)
{
    if (IsBoardEmpty())
        return;
    const auto fileName = ActivePrompt().saveFileName(filter, suffix, besideDocument(suffix));
    if (!fileName)
        return;
    CurrentOutputSettings().Get(Puzzle.Infos);
    const QString error = write(*fileName);
    if (!error.isEmpty())
        ActivePrompt().error(error);
}

void TForm1::exportWebPuzzle()
{
    exportTo(QStringLiteral("Web-Rätsel (*.html)|*.html"),
             QStringLiteral("html"),
             [](const QString &fileName) {
                 return ExportWebPage(fileName, CurrentOutputSettings());
             });
}

void TForm1::exportIpuz()
{
    exportTo(ipuzFilter, QStringLiteral("ipuz"), [](const QString &fileName) {
        QString error;
        ExportIpuz(fileName, CurrentOutputSettings().text("Edit12"), error);
        return error;
    });
}

bool TForm1::saveTo(const QString &fileName)
{
    if (!SavePuzzle(fileName))
        return false;
    m_history->markSaved();
    return true;
}

void TForm1::Image1MouseDown(Qt::MouseButton button, Qt::MouseButtons buttons, QPoint pixel)
{
    m_lastMouseDown = pixel;
    const TPoint p = PixelToField(pixel.x(), pixel.y());
    // Beyond the editing area a left click does nothing at all.
    if (button == Qt::LeftButton && (p.X > MaxCols || p.Y > MaxRows))
        return;
    m_sidePanel->focusKeySink();
    if (button == Qt::LeftButton) {
        SelectField(p);
        UpdateFieldPanel();
    }
    if ((buttons & Qt::LeftButton) && !IsBlankField(p))
        m_viewport->armDrag(Puzzle.FieldSize / 2);
    if (button == Qt::RightButton && !GetLetter(p).empty() && !removeField(p))
        return;
    CheckScrolling();
}

bool TForm1::removeField(TPoint p)
{
    UndoStep step(QStringLiteral("Feld entfernen"));
    if (!NoNumberAt(p)) {
        ActivePrompt().error(fieldHasNumber);
        return false;
    }
    FieldAt(p) = EmptyField();
    if (IsProvisionalField(SelectedField))
        SetLetter(SelectedField, "");
    SelectedField = TPoint{-1, -1};
    // A frame that lost an end goes with the field, in the same step.
    m_sidePanel->showSolutionFrame();
    Modified = true;
    RedrawBoard();
    return true;
}

void TForm1::Image1DblClick()
{
    UndoStep step(QStringLiteral("Feld anlegen"));
    // The press that comes with the double-click selects the field and redraws it.
    const TPoint p = PixelToField(m_lastMouseDown.x(), m_lastMouseDown.y());
    if (!IsNoField(p) && p.X <= MaxCols && p.Y <= MaxRows && IsBlankField(p))
        SetLetter(p, "-");
}

void TForm1::boardKeyPressed(const QKeyEvent &event)
{
    FormKeyDown(event.key());
    // Keys with Alt or Ctrl held are commands, not typing; both together are AltGr.
    const auto held = event.modifiers() & (Qt::AltModifier | Qt::ControlModifier);
    if (held == Qt::NoModifier || held == (Qt::AltModifier | Qt::ControlModifier))
        FormKeyPress(event.text());
}

void TForm1::FormKeyDown(int key)
{
    if (IsNoField(SelectedField))
        return;
    const TPoint s = SelectedField;
    switch (key) {
    case Qt::Key_Up:
        if (s.Y >= 2)
            SelectField(TPoint{s.X, s.Y - 1});
        break;
    case Qt::Key_Down:
        if (s.Y < MaxRows)
            SelectField(TPoint{s.X, s.Y + 1});
        break;
    case Qt::Key_Left:
        if (s.X >= 2)
            SelectField(TPoint{s.X - 1, s.Y});
        break;
    case Qt::Key_Right:
        if (s.X < MaxCols)
            SelectField(TPoint{s.X + 1, s.Y});
        break;
    case Qt::Key_Delete: {
        UndoStep step(QStringLiteral("Feld leeren"));
        if (!NoNumberAt(s)) {
            ActivePrompt().error(fieldHasNumber);
            return;
        }
        // Emptied completely, the field stays selected as a provisional one.
        TBoardField provisional = EmptyField();
        provisional.Letter.assign(1, ' ');
        SetLetter(s, provisional.Letter);
        FieldAt(s) = provisional;
        Modified = true;
        RedrawBoard();
        break;
    }
    default:
        break;
    }
    UpdateFieldPanel();
    CheckScrolling();
}

void TForm1::FormKeyPress(const QString &text)
{
    if (IsNoField(SelectedField))
        return;
    // Only the blank through "z" of the code page; umlauts, "{" and control characters such
    // as Backspace or Enter are no letters of the board.
    for (const char32_t code : text.toUcs4()) {
        const std::optional<char> letter = charFromUnicode(code);
        const auto byte = static_cast<unsigned char>(letter.value_or('\0'));
        if (byte >= ' ' && byte <= 'z')
            typeLetter(*letter);
    }
}

void TForm1::typeLetter(char letter)
{
    UndoStep step(QStringLiteral("Eingabe"));
    const TPoint s = SelectedField;
    // A blank makes an existing empty field.
    const std::string stored(1, upperChar(letter == ' ' ? '-' : letter));
    SetLetter(s, stored);
    FieldAt(s).Block = false;
    DrawLetterOnBoard(s, stored);
    SelectField(s);
    setLettersShown(true);
    Modified = true;
    UpdateFieldPanel();
}

void TForm1::UpdateFieldPanel()
{
    m_sidePanel->UpdateFieldPanel();
}

void TForm1::insertWord(bool hor)
{
    InsertWordCommand(hor);
    UpdateFieldPanel();
}

void TForm1::runBoardCommand(void (*command)())
{
    command();
    UpdateFieldPanel();
}

void TForm1::newNumber()
{
    if (!RequireSelectedField())
        return;
    const TPoint s = SelectedField;
    const QString refused = QStringLiteral("An dieser Stelle kann keine Nummer eingefügt werden!");
    if (IsBlankField(s)) {
        ActivePrompt().error(refused);
        return;
    }
    if (!NumbersDrawnInside() && (s.X == 1 || s.Y == 1)) {
        ActivePrompt().error(QStringLiteral("Um eine Nummer in der linken/oberen Ecke einfügen "
                                            "zu können, muss 'Nummern in Kästchen' "
                                            "eingeschaltet sein."));
        return;
    }
    const int direction = NumberDirection();
    const bool bothTaken = FindHorNumber(s).Col != -1 && FindVerNumber(s).Col != -1;
    if ((direction != 0 && direction != 1) || bothTaken) {
        ActivePrompt().error(refused);
        return;
    }
    if (m_form3) {
        m_form3->setDirection(direction);
        m_form3->exec();
    }
}

void TForm1::refreshDeleteNumberEntries()
{
    for (const bool hor : {true, false}) {
        const TClueNumber number
                = hor ? FindHorNumber(SelectedField) : FindVerNumber(SelectedField);
        QAction *entry = hor ? m_deleteHorizontalNumberAction : m_deleteVerticalNumberAction;
        entry->setVisible(number.Col != -1);
        entry->setText(QStringLiteral("[%1] ").arg(number.Num) + toQString(ReadWord(number)));
    }
}

void TForm1::deleteNumber(bool hor)
{
    const TClueNumber number = hor ? FindHorNumber(SelectedField) : FindVerNumber(SelectedField);
    if (number.Col == -1)
        return;
    if (ActivePrompt().confirm(QStringLiteral("Nummer löschen"),
                               QStringLiteral("Nummer %1 wirklich löschen?").arg(number.Num)))
        DeleteNumber(number);
}

void TForm1::deleteAllNumbers()
{
    const auto answer = ActivePrompt().message(
            QStringLiteral("Alle Nummern löschen"),
            QStringLiteral("Sollen wirklich alle Nummern (mitsamt Definitionen) gelöscht werden?"),
            Prompt::Icon::Question,
            Prompt::Buttons::YesNo);
    if (answer != Prompt::Answer::No)
        DeleteAllNumbers();
}

void TForm1::insertGrid()
{
    if (!RequireSelectedField())
        return;
    if (m_form2 && m_form2->exec() == QDialog::Accepted)
        UpdateFieldPanel();
}

void TForm1::FormShow()
{
    Neu1Click();
    // New started an empty history; the start-up file starts its own.
    if (!m_startupFile.isEmpty()) {
        openStartupFile();
        m_history->reset();
    }
}

void TForm1::openStartupFile()
{
    NewPuzzle();
    // Past the existence check, every outcome is that of "Öffnen" (a folder cannot be read).
    if (QFileInfo::exists(m_startupFile))
        LoadPuzzle(m_startupFile);
    else
        ActivePrompt().error(QStringLiteral("Die Datei ") + m_startupFile
                             + QStringLiteral(" wurde nicht gefunden!"));
}

void TForm1::FormResize()
{
    CheckScrolling();
    RedrawBoard();
}

void TForm1::scrollBarMoved()
{
    m_viewport->setOffset(scrollPosition());
}

bool TForm1::event(QEvent *event)
{
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate)
        RedrawBoard();
    return handled;
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    // Over the bars the wheel acts only through AppMessage.
    if (watched == m_horizontalBar || watched == m_verticalBar)
        return event->type() == QEvent::Wheel;
    // A wheel event reaches the window first and is then passed on to the widget under the
    // pointer; the hook takes it once, at the window, and lets it go on.
    if (event->type() == QEvent::Wheel && watched->isWindowType())
        AppMessage(static_cast<const QWheelEvent &>(*event));
    return false;
}

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    QMetaObject::invokeMethod(this, &TForm1::FormShow, Qt::QueuedConnection);
}

void TForm1::closeEvent(QCloseEvent *event)
{
    if (Modified && AskSaveChanges())
        event->ignore();
    else
        event->accept();
}

bool TForm1::lettersShown() const
{
    return m_sidePanel->lettersShown();
}

void TForm1::setLettersShown(bool on)
{
    m_sidePanel->setLettersShown(on);
}

bool TForm1::numbersInsideChecked() const
{
    return m_sidePanel->numbersInside();
}

void TForm1::setNumbersInsideChecked(bool on)
{
    m_sidePanel->setNumbersInside(on);
}

bool TForm1::rasterShown() const
{
    return m_rasterAction->isChecked();
}

QSize TForm1::visibleBoardSize() const
{
    return m_viewport->size();
}

QPoint TForm1::scrollPosition() const
{
    return QPoint(m_horizontalBar->value(), m_verticalBar->value());
}

void TForm1::boardImageChanged()
{
    m_viewport->update();
}

void TForm1::scrollToOrigin()
{
    m_horizontalBar->setValue(0);
    m_verticalBar->setValue(0);
}

void TForm1::checkScrolling()
{
    CheckScrolling();
}

void TForm1::setFieldSizeSpin(int value)
{
    m_sidePanel->setFieldSize(value);
}

void TForm1::setBorderWidthSpin(int value)
{
    m_sidePanel->setBorderWidth(value);
}

void TForm1::resetSolutionMode()
{
    m_sidePanel->resetSolutionMode();
}

void TForm1::setStartFieldText(const QString &letter)
{
    m_sidePanel->setStartFieldText(letter);
}

void TForm1::setEndFieldText(const QString &letter)
{
    m_sidePanel->setEndFieldText(letter);
}

void TForm1::setSolutionWordText(const QString &word)
{
    m_sidePanel->setSolutionWordText(word);
}

void TForm1::displayWarning(const QString &text)
{
    m_warningLabel->setText(text);
}

void TForm1::setCaption(const QString &caption)
{
    setWindowTitle(caption);
}

QString TForm1::documentFolder() const
{
    if (m_currentFileName.isEmpty())
        return QString();
    return QFileInfo(m_currentFileName).absolutePath() + QLatin1Char('/');
}

void TForm1::setCurrentFileName(const QString &fileName)
{
    m_currentFileName = fileName;
}

void TForm1::showRestoredPuzzle(const EditorPosition &position)
{
    setFieldSizeSpin(Puzzle.FieldSize);
    setBorderWidthSpin(Puzzle.BorderWidth);
    setNumbersInsideChecked(Puzzle.NumbersInside);
    setStartFieldText(toQString(GetLetter(Puzzle.StartField)));
    setEndFieldText(toQString(GetLetter(Puzzle.EndField)));
    RedrawBoard();
    UpdateFieldPanel();
    CheckScrolling();
    m_horizontalBar->setValue(position.scroll.x());
    m_verticalBar->setValue(position.scroll.y());
}

void TForm1::resetOutputSettings()
{
    CurrentOutputSettings().SetStandardValues();
}

} // namespace gs
