#pragma once

#include "core/boardview.h"
#include "core/point.h"

#include <QMainWindow>
#include <QPoint>
#include <QPointer>

#include <functional>

class QAction;
class QKeyEvent;
class QLabel;
class QMenu;
class QScrollBar;
class QWheelEvent;

namespace gs {

class BoardViewport;
class GeneratorDialog;
class SidePanel;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm9;
class TForm10;
class UndoHistory;
struct EditorPosition;

// The main window: the board in its scrollable viewport, menu bar, toolbar and side panel, and
// the document commands. It is the board view of the puzzle core while it lives.
class TForm1 : public QMainWindow, public BoardView
{
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // Creates the windows opened from the menus, in start-up order (TForm2 ... TForm10).
    void createWindows();
    // Installs AppMessage as the application-wide event hook.
    void installAppMessage();
    // The document to open when the window is first shown (empty: none).
    void setStartupFile(const QString &fileName) { m_startupFile = fileName; }

    QString currentFileName() const { return m_currentFileName; }
    // The open document's folder ending in a separator, for file dialogs that start there and
    // propose no name; empty while the puzzle has no file.
    QString documentFolder() const;
    SidePanel *sidePanel() const { return m_sidePanel; }
    BoardViewport *viewport() const { return m_viewport; }
    QScrollBar *horizontalBar() const { return m_horizontalBar; }
    QScrollBar *verticalBar() const { return m_verticalBar; }
    QString warningText() const;
    // Pixel of the board image where a mouse button last went down.
    QPoint lastMouseDown() const { return m_lastMouseDown; }

    // Scroll bars from the puzzle's extent, and the selected field into view.
    void CheckScrolling();
    // The mouse-wheel hook: moves the vertical bar by 40 pixels per wheel event.
    void AppMessage(const QWheelEvent &event);
    // The save question; true when the caller must stop.
    bool AskSaveChanges();

    // Document commands.
    void Neu1Click();
    void Oeffnen1Click();
    // Returns whether the document was saved.
    bool Speichern1Click();
    bool Speichernunter1Click();

    // Editing on the board image: a button went down at pixel, or the left one double-clicked.
    void Image1MouseDown(Qt::MouseButton button, Qt::MouseButtons buttons, QPoint pixel);
    void Image1DblClick();
    // Keys while the board has the focus: arrows move the selection, Delete empties the
    // field; typed characters become its letter.
    void FormKeyDown(int key);
    void FormKeyPress(const QString &text);
    // The side panel from the selected field.
    void UpdateFieldPanel();

    // BoardView
    bool lettersShown() const override;
    void setLettersShown(bool on) override;
    bool numbersInsideChecked() const override;
    void setNumbersInsideChecked(bool on) override;
    bool rasterShown() const override;
    QSize visibleBoardSize() const override;
    QPoint scrollPosition() const override;
    void boardImageChanged() override;
    void scrollToOrigin() override;
    void checkScrolling() override;
    void setFieldSizeSpin(int value) override;
    void setBorderWidthSpin(int value) override;
    void resetSolutionMode() override;
    void setStartFieldText(const QString &letter) override;
    void setEndFieldText(const QString &letter) override;
    void setSolutionWordText(const QString &word) override;
    void displayWarning(const QString &text) override;
    void setCaption(const QString &caption) override;
    void setCurrentFileName(const QString &fileName) override;
    void resetOutputSettings() override;

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // No tool-bar menu on right-clicks.
    QMenu *createPopupMenu() override { return nullptr; }

private:
    void createMenus();
    void createToolBar();
    QWidget *createBoardArea();
    void connectBoardEditing();
    void boardKeyPressed(const QKeyEvent &event);
    void typeLetter(char letter);
    // Right-click removal; false when a clue number keeps the field.
    bool removeField(TPoint p);
    void insertWord(bool hor);
    void connectCommands();
    // "Neue Nummer": checks the selected field, then the number dialog.
    void newNumber();
    // The two entries of "Nummer löschen" name the numbers at the selected field, or hide.
    void refreshDeleteNumberEntries();
    void deleteNumber(bool hor);
    void deleteAllNumbers();
    void insertGrid();
    // "Exportieren" > "ipuz-Datei…": asks for the file, starting beside the document.
    void exportIpuz();
    // A command of the core that changes the board, then the panel from the selected field.
    void runBoardCommand(void (*command)());
    // Every trigger of action runs handler as one undo step, named after the entry unless a
    // name is given.
    void connectStep(QAction *action,
                     const std::function<void()> &handler,
                     const QString &name = QString());
    void createEditMenu();
    // Saves to fileName; a saved puzzle is the history's clean state.
    bool saveTo(const QString &fileName);
    // "Web-Rätsel…": the web puzzle to a file chosen in the document's folder; nothing on an
    // empty board.
    void exportWebPuzzle();
    // Asks for a file of filter, starting beside the document, and writes the open puzzle with
    // write (an empty text or a German message, shown); nothing on an empty board.
    void exportTo(const QString &filter,
                  const QString &suffix,
                  const std::function<QString(const QString &)> &write);
    // The current document's name with suffix instead of its own, proposed by the exports;
    // empty for an unnamed document.
    QString besideDocument(const QString &suffix) const;
    // Shows the puzzle that undo or redo put back, where the editor stood at that step.
    void showRestoredPuzzle(const EditorPosition &position);
    void FormShow();
    void openStartupFile();
    void FormResize();
    void scrollBarMoved();

    QAction *m_newAction = nullptr;
    QAction *m_openAction = nullptr;
    QAction *m_saveAction = nullptr;
    QAction *m_saveAsAction = nullptr;
    QAction *m_imageOutputAction = nullptr;
    QAction *m_htmlExportAction = nullptr;
    QAction *m_ipuzExportAction = nullptr;
    QAction *m_webExportAction = nullptr;
    QAction *m_clipboardAction = nullptr;
    QAction *m_exitAction = nullptr;
    QAction *m_insertGridAction = nullptr;
    QAction *m_blockAction = nullptr;
    QAction *m_emptyToBlocksAction = nullptr;
    QAction *m_deleteEmptyAction = nullptr;
    QAction *m_insertHorizontalAction = nullptr;
    QAction *m_insertVerticalAction = nullptr;
    QAction *m_insertFittingAction = nullptr;
    QAction *m_outputSettingsAction = nullptr;
    QMenu *m_numbersMenu = nullptr;
    QAction *m_newNumberAction = nullptr;
    QAction *m_deleteHorizontalNumberAction = nullptr;
    QAction *m_deleteVerticalNumberAction = nullptr;
    QAction *m_autoNumberAction = nullptr;
    QAction *m_renumberAction = nullptr;
    QAction *m_deleteAllNumbersAction = nullptr;
    QAction *m_definitionsAction = nullptr;
    QAction *m_rasterAction = nullptr;
    QAction *m_assistantAction = nullptr;
    QAction *m_generatorAction = nullptr;
    QAction *m_infoAction = nullptr;
    QAction *m_undoAction = nullptr;
    QAction *m_redoAction = nullptr;
    UndoHistory *m_history = nullptr;

    QLabel *m_warningLabel = nullptr;
    BoardViewport *m_viewport = nullptr;
    QScrollBar *m_horizontalBar = nullptr;
    QScrollBar *m_verticalBar = nullptr;
    SidePanel *m_sidePanel = nullptr;

    QPointer<TForm2> m_form2;
    QPointer<TForm3> m_form3;
    QPointer<TForm4> m_form4;
    QPointer<TForm5> m_form5;
    QPointer<TForm6> m_form6;
    QPointer<TForm7> m_form7;
    QPointer<TForm9> m_form9;
    QPointer<GeneratorDialog> m_generator;
    QPointer<TForm10> m_form10;

    QPoint m_lastMouseDown;
    QString m_currentFileName;
    QString m_startupFile;
    bool m_shown = false;
};

} // namespace gs
