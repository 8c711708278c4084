#include "support/fakeboardview.h"

#include "core/puzzle.h"

namespace gs {

FakeBoardView::FakeBoardView()
{
    SetBoardView(this);
}

FakeBoardView::~FakeBoardView()
{
    SetBoardView(nullptr);
}

void FakeBoardView::setNumbersInsideChecked(bool on)
{
    // As the check box's change handler does.
    numbersInside = on;
    Puzzle.NumbersInside = on;
}

} // namespace gs
