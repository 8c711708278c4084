#include "benchmain.h"
#include "core/puzzle.h"
#include "core/render.h"
#include "editor/keysink.h"
#include "editor/mainwindow.h"
#include "editor/sidepanel.h"
#include "support/fullboard.h"

#include <QApplication>
#include <QKeyEvent>

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

} // namespace

int main(int argc, char **argv)
{
    return gs::RunBenchmarks<QApplication>(argc, argv);
}
