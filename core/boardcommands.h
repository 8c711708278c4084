#pragma once

#include "core/point.h"

namespace gs {

// Whether p begins a word of at least two fields in direction hor: p and the next field exist,
// the field before p does not, and no parallel run of two fields lies beside p's first step.
bool IsWordStart(TPoint p, bool hor);
// "Automatisch nummerieren": a number for every word start that has none, column by column
// and top to bottom, horizontal first; existing numbers keep theirs.
void AutoNumber();
// "Neu nummerieren (Definitionen erhalten)": numbers 1..n in the order of AutoNumber, each
// definition kept with its position and direction; numbers at no word start are dropped.
void RenumberKeepingDefinitions();
// "Alle Nummern löschen" once confirmed: no numbers, no definitions.
void DeleteAllNumbers();
// "Leere Felder zu Blöcken": every field without a letter becomes a block.
void EmptyFieldsToBlocks();
// "Leere Felder löschen": fields without a letter (blocks too) are removed; false, after the
// notice, when one of them carries a number.
bool DeleteEmptyFields();
// "Passend einfügen": asks for a word and lays it through the selected field's letter.
void FitWord();
// "Gitter einfügen": rows x cols empty fields (blocks when blocks is set) from topLeft; false,
// after the refusal, when the grid would leave the editing area.
bool InsertGrid(TPoint topLeft, int rows, int cols, bool blocks);

} // namespace gs
