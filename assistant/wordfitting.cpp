#include "assistant/wordfitting.h"

#include "assistant/wordfitter.h"
#include "core/cp1252.h"
#include "core/puzzle.h"

#include <algorithm>
#include <utility>

namespace gs {

namespace {

// -1 when a is longer than b, +1 when shorter, 0 for equal lengths.
int compareLength(const std::string &a, const std::string &b)
{
    return a.size() > b.size() ? -1 : (a.size() < b.size() ? 1 : 0);
}

// The range left .. right; the pivot is an index that follows its entry through exchanges.
void quickSort(std::vector<std::string> &words, int left, int right)
{
    do {
        int i = left;
        int j = right;
        int pivot = (left + right) / 2;
        do {
            while (compareLength(words[size_t(i)], words[size_t(pivot)]) < 0)
                ++i;
            while (compareLength(words[size_t(j)], words[size_t(pivot)]) > 0)
                --j;
            if (i <= j) {
                std::swap(words[size_t(i)], words[size_t(j)]);
                if (pivot == i)
                    pivot = j;
                else if (pivot == j)
                    pivot = i;
                ++i;
                --j;
            }
        } while (i <= j);
        if (left < j)
            quickSort(words, left, j);
        left = i;
    } while (left < right);
}

} // namespace

void sortByLength(std::vector<std::string> &words)
{
    if (words.size() >= 2)
        quickSort(words, 0, int(words.size()) - 1);
}

std::vector<std::string> &FitWords(std::vector<std::string> &words, bool withNumbers)
{
    for (std::string &word : words)
        word = upperCase(std::move(word));
    sortByLength(words);
    WordFitter fitter;
    if (IsBoardEmpty()) {
        // The longest word that has a letter and stays within the editing area from there.
        const auto first = std::find_if(words.begin(), words.end(), [](const std::string &word) {
            const bool hasLetter = word.find_first_not_of(" -") != std::string::npos;
            return hasLetter && int(word.size()) <= MaxCols - FirstWordColumn + 1;
        });
        if (first != words.end()) {
            fitter.PlaceWord({FirstWordColumn, FirstWordRow}, true, *first, withNumbers);
            words.erase(first);
        }
    }
    fitter.FitRemainingWords(words, withNumbers);
    return words;
}

QString fittingMessage(int unplaced, int lines)
{
    QString message;
    if (unplaced == 0)
        message = QStringLiteral("Alle Wörter wurden erfolgreich ins Felderquiz eingebaut.");
    else if (unplaced == 1)
        message = QStringLiteral("Ein konnte leider 1 Wort nicht eingebaut werden.");
    else
        message = QStringLiteral("Es konnten leider %1 Wörter nicht eingebaut werden.")
                          .arg(unplaced);
    if (unplaced == lines)
        message = QStringLiteral("Es konnte leider kein einziges Wort eingebaut werden.");
    return message;
}

} // namespace gs
