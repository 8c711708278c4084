// Loads arbitrary bytes as a puzzle file the way "Öffnen" does, repaint included, and checks
// that the result stays within what the editor makes. No QGuiApplication: the repaint then
// skips text, which keeps a run several times faster (the geometry is all drawn).

#include "core/puzzle.h"
#include "core/render.h"
#include "document/documentfile.h"
#include "fuzz/silentprompt.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

using namespace gs;

namespace {

QTemporaryDir *directory = nullptr;
QString path;

// Everything loaded lies within the editing area and the drawable field sizes.
void checkBounded()
{
    for (int col = 1; col <= BoardCols(); ++col) {
        for (int row = 1; row <= BoardRows(); ++row) {
            if (!GetLetter(TPoint{col, row}).empty() && !IsInEditingArea(TPoint{col, row}))
                std::abort();
        }
    }
    for (const TClueNumber &number : Puzzle.Numbers) {
        if (!IsInEditingArea(TPoint{number.Col, number.Row}))
            std::abort();
    }
    if (Puzzle.FieldSize < 2 || Puzzle.FieldSize > MaxDrawnFieldSize)
        std::abort();
    if (qint64(BoardImage().width()) * BoardImage().height() > 5340LL * 4360)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    static SilentPrompt prompt;
    SetPrompt(&prompt);
    directory = new QTemporaryDir;
    path = directory->filePath(QStringLiteral("fuzz.gsd"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    NewPuzzle();
    LoadPuzzle(path);
    checkBounded();
    return 0;
}
