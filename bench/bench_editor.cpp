#include "benchmain.h"
#include "core/boardcommands.h"
#include "core/puzzle.h"
#include "core/render.h"
#include "editor/keysink.h"
#include "editor/mainwindow.h"
#include "editor/sidepanel.h"
#include "editor/undohistory.h"
#include "support/fullboard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QUndoStack>

#include <benchmark/benchmark.h>

namespace {

// Runs the event loop until the window is active, so that the key sink can hold the focus.
bool activate(QWidget &window)
{
    for (int i = 0; i < 1000 && !window.isActiveWindow(); ++i)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    return window.isActiveWindow();
}

// One typed letter on a full board with the raster on: from the key press to the repainted
// board image on the screen.
void BM_TypeLetterFullBoard(benchmark::State &state)
{
    gs::TForm1 form;
    form.show();
    if (!activate(form)) {
        state.SkipWithError("the main window did not become active");
        return;
    }
    gs::FillFullBoard();
    for (QAction *action : form.findChildren<QAction *>()) {
        if (action->text() == QStringLiteral("Raster"))
            action->setChecked(true);
    }
    gs::SelectField({10, 10});
    form.UpdateFieldPanel();
    form.sidePanel()->focusKeySink();
    QWidget *sink = form.sidePanel()->keySink();
    QApplication::processEvents();
    if (QApplication::focusWidget() != sink) {
        state.SkipWithError("the key sink did not take the focus");
        return;
    }

    int typed = 0;
    for (auto _ : state) {
        const QChar letter(u'a' + typed++ % 26);
        QKeyEvent press(QEvent::KeyPress,
                        Qt::Key_A + letter.unicode() - u'a',
                        Qt::NoModifier,
                        QString(letter));
        QApplication::sendEvent(sink, &press);
        QApplication::processEvents();
    }
    const char last = char('A' + (typed - 1) % 26);
    if (gs::GetLetter({10, 10}) != std::string(1, last))
        state.SkipWithError("the typed letter did not reach the board");
    benchmark::DoNotOptimize(gs::BoardImage().constBits());
    gs::Modified = false;
}
BENCHMARK(BM_TypeLetterFullBoard)->Unit(benchmark::kMillisecond);

// A 50 x 40 crossword lattice of 400 words: four letters across in the odd rows, three down
// in the columns 1 and 3 of every five.
void fillLattice()
{
    gs::NewPuzzle();
    for (int col = 1; col <= gs::MaxCols; ++col) {
        for (int row = 1; row <= gs::MaxRows; ++row) {
            const bool across = row % 2 == 1 && col % 5 != 0;
            const bool down = (col % 5 == 1 || col % 5 == 3) && row % 4 != 0;
            if (across || down)
                gs::SetLetter({col, row}, std::string(1, char('A' + (col + row) % 26)));
        }
    }
}

// One numbering command on the lattice in the shown main window, repaint on the screen
// included; prepare runs untimed before each command.
template<typename Command, typename Prepare>
void numberLattice(benchmark::State &state, Command command, Prepare prepare)
{
    gs::TForm1 form;
    form.show();
    if (!activate(form)) {
        state.SkipWithError("the main window did not become active");
        return;
    }
    fillLattice();
    form.setNumbersInsideChecked(true);
    gs::AutoNumber();
    for (auto _ : state) {
        state.PauseTiming();
        prepare();
        QApplication::processEvents();
        state.ResumeTiming();
        command();
        QApplication::processEvents();
    }
    state.counters["numbers"] = double(gs::Puzzle.Numbers.size());
    gs::Modified = false;
}

void BM_AutoNumberFullBoard(benchmark::State &state)
{
    numberLattice(state, gs::AutoNumber, [] {
        gs::Puzzle.Numbers.clear();
        gs::RedrawBoard();
    });
}
BENCHMARK(BM_AutoNumberFullBoard)->Unit(benchmark::kMillisecond);

void BM_RenumberFullBoard(benchmark::State &state)
{
    numberLattice(state, gs::RenumberKeepingDefinitions, [] {});
}
BENCHMARK(BM_RenumberFullBoard)->Unit(benchmark::kMillisecond);

// The main window on a full puzzle with 400 numbers and their definitions, an empty history
// and the focus on the key sink; nullptr (and the benchmark skipped) when that fails.
gs::UndoHistory *fullPuzzleWithHistory(benchmark::State &state, gs::TForm1 &form)
{
    form.show();
    if (!activate(form)) {
        state.SkipWithError("the main window did not become active");
        return nullptr;
    }
    gs::FillFullBoard();
    for (int i = 300; i < 400; ++i)
        gs::Puzzle.Numbers.push_back(gs::MakeClueNumber(2 + i % 49, 3 + (i / 49) * 6, "", true));
    for (gs::TClueNumber &number : gs::Puzzle.Numbers)
        number.Text
                = "Eine Definition von durchschnittlicher L\xE4nge " + std::to_string(number.Num);
    gs::RedrawBoard();
    form.sidePanel()->focusKeySink();
    QApplication::processEvents();
    auto *history = form.findChild<gs::UndoHistory *>();
    history->reset();
    return history;
}

// Types letter into the field at p through the key sink: one undo step.
void typeAt(gs::TForm1 &form, gs::TPoint p, char letter)
{
    gs::SelectField(p);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QString(QChar(letter)));
    QApplication::sendEvent(form.sidePanel()->keySink(), &press);
    QApplication::processEvents();
}

// Undo (undo = true) or redo of one typed letter on the full puzzle, repaint on the screen
// included; the opposite move runs untimed between.
void undoOrRedo(benchmark::State &state, bool undo)
{
    gs::TForm1 form;
    gs::UndoHistory *history = fullPuzzleWithHistory(state, form);
    if (!history)
        return;
    typeAt(form, {20, 20}, 'q');
    QUndoStack *stack = history->stack();
    if (stack->count() != 1) {
        state.SkipWithError("typing made no undo step");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        if (!undo)
            stack->undo();
        QApplication::processEvents();
        state.ResumeTiming();
        if (undo)
            stack->undo();
        else
            stack->redo();
        QApplication::processEvents();
        state.PauseTiming();
        if (undo)
            stack->redo();
        state.ResumeTiming();
    }
    gs::Modified = false;
}

void BM_UndoFullBoard(benchmark::State &state)
{
    undoOrRedo(state, true);
}
BENCHMARK(BM_UndoFullBoard)->Unit(benchmark::kMillisecond);

void BM_RedoFullBoard(benchmark::State &state)
{
    undoOrRedo(state, false);
}
BENCHMARK(BM_RedoFullBoard)->Unit(benchmark::kMillisecond);

// Heap bytes that a history of 200 typed letters holds on the full puzzle.
void BM_HistoryOf200TypedLetters(benchmark::State &state)
{
    gs::TForm1 form;
    gs::UndoHistory *history = fullPuzzleWithHistory(state, form);
    if (!history)
        return;
    for (auto _ : state) {
        history->reset();
        for (int i = 0; i < 200; ++i) {
            const gs::TPoint p{1 + i % 50, 1 + (i * 7) % 40};
            // A letter other than the one there, so that every key is a change.
            typeAt(form, p, char('a' + (gs::GetLetter(p)[0] - 'A' + 1) % 26));
        }
    }
    state.counters["steps"] = double(history->stack()->count());
    state.counters["bytes"] = double(history->bytes());
    gs::Modified = false;
}
BENCHMARK(BM_HistoryOf200TypedLetters)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    return gs::RunBenchmarks<QApplication>(argc, argv);
}
