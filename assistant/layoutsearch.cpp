#include "assistant/layoutsearch.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace gs {

std::uint64_t SplitMix64::next()
{
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

LayoutSearch::LayoutSearch(const std::vector<std::string> &words, int cols, int rows)
    : m_words(&words)
    , m_cols(cols)
    , m_rows(rows)
{
    auto index = std::make_shared<std::vector<std::vector<std::pair<int, int>>>>(256);
    for (int w = 0; w < int(words.size()); ++w) {
        const std::string &word = words[size_t(w)];
        m_longest = std::max(m_longest, int(word.size()));
        for (int k = 0; k < int(word.size()); ++k)
            (*index)[std::uint8_t(word[size_t(k)])].emplace_back(w, k);
    }
    m_wordsByLetter = std::move(index);
}

int LayoutSearch::crossingsAt(const std::string &word, int x, int y, bool across) const
{
    const int n = int(word.size());
    const int dx = across ? 1 : 0;
    const int dy = across ? 0 : 1;
    if (x < 0 || y < 0 || x + dx * (n - 1) >= m_cols || y + dy * (n - 1) >= m_rows)
        return -1;
    if (occupied(x - dx, y - dy) || occupied(x + dx * n, y + dy * n))
        return -1;
    // Numbers drawn outside go into the empty field before a word: an across word starting
    // right above-right of a down word's start would put both into one field.
    if (across ? (at(x - 1, y + 1).dirs & 2) : (at(x + 1, y - 1).dirs & 1))
        return -1;
    const std::uint8_t own = across ? 1 : 2;
    int crossings = 0;
    for (int i = 0; i < n; ++i) {
        const int cx = x + dx * i;
        const int cy = y + dy * i;
        const Cell &cell = at(cx, cy);
        if (cell.letter != 0) {
            if (cell.letter != word[i] || (cell.dirs & own))
                return -1;
            ++crossings;
        } else if (occupied(cx + dy, cy + dx) || occupied(cx - dy, cy - dx)) {
            return -1;
        }
    }
    return crossings;
}

int LayoutSearch::score(int w, const Candidate &candidate) const
{
    const auto [index, x, y, across] = positionOf(w, candidate);
    const int n = int((*m_words)[size_t(w)].size());
    const int width = m_right - m_left + 1;
    const int height = m_bottom - m_top + 1;
    const int newWidth = std::max(m_right, across ? x + n - 1 : x) - std::min(m_left, x) + 1;
    const int newHeight = std::max(m_bottom, across ? y : y + n - 1) - std::min(m_top, y) + 1;
    // Growth counts against the shape of the box: a step in its short side costs more.
    const int growth = ((newWidth - width) * m_rows + (newHeight - height) * m_cols) * 4
                       / std::max(m_cols, m_rows);
    const int skew = std::abs(newWidth * m_rows - newHeight * m_cols) / std::max(m_cols, m_rows);
    // Dense packing: letters two fields beside the word's new letters, across its direction,
    // mean it runs close along another word with one free line between.
    int packing = 0;
    for (int i = 0; i < n; ++i) {
        const int cx = across ? x + i : x;
        const int cy = across ? y : y + i;
        if (!occupied(cx, cy))
            packing += int(letterAt(across ? cx : cx - 2, across ? cy - 2 : cy))
                       + int(letterAt(across ? cx : cx + 2, across ? cy + 2 : cy));
    }
    const std::uint64_t noise
            = SplitMix64((m_salt + std::uint64_t(w)) ^ (std::uint64_t(candidate.key) << 20)).next();
    return candidate.crossings * 40 + packing * 3 - (m_compact ? growth * 3 : 0) - skew
           + int(noise % std::uint64_t(m_noise));
}

void LayoutSearch::lay(const LaidWord &laid)
{
    const std::string &letters = (*m_words)[size_t(laid.word)];
    const int n = int(letters.size());
    const std::uint8_t own = laid.across ? 1 : 2;
    for (int i = 0; i < n; ++i) {
        Cell &cell = at(laid.across ? laid.x + i : laid.x, laid.across ? laid.y : laid.y + i);
        if (cell.letter != 0)
            ++m_crossings;
        cell.letter = letters[size_t(i)];
        cell.dirs |= own;
    }
    m_placed[size_t(laid.word)] = 1;
    m_candidates[size_t(laid.word)].clear();
    m_laid.push_back(laid);
    extendBox(laid);
}

void LayoutSearch::extendBox(const LaidWord &laid)
{
    const int n = int((*m_words)[size_t(laid.word)].size());
    if (m_right < m_left) {
        m_left = m_right = laid.x;
        m_top = m_bottom = laid.y;
    }
    m_left = std::min(m_left, laid.x);
    m_top = std::min(m_top, laid.y);
    m_right = std::max(m_right, laid.across ? laid.x + n - 1 : laid.x);
    m_bottom = std::max(m_bottom, laid.across ? laid.y : laid.y + n - 1);
}

void LayoutSearch::place(const LaidWord &laid)
{
    lay(laid);
    updateCandidates(laid);
}

void LayoutSearch::updateCandidates(const LaidWord &last)
{
    const std::string &lastLetters = (*m_words)[size_t(last.word)];
    const int n = int(lastLetters.size());
    const int lastRight = last.across ? last.x + n - 1 : last.x;
    const int lastBottom = last.across ? last.y : last.y + n - 1;
    // Positions on the last word's fields go (those across it are found again below); those
    // beside it are looked at again.
    for (int w = 0; w < int(m_words->size()); ++w) {
        if (m_placed[size_t(w)])
            continue;
        const std::string &word = (*m_words)[size_t(w)];
        const int length = int(word.size());
        std::vector<Candidate> &list = m_candidates[size_t(w)];
        size_t kept = 0;
        for (const Candidate &candidate : list) {
            const auto [index, x, y, across] = positionOf(w, candidate);
            const int right = across ? x + length - 1 : x;
            const int bottom = across ? y : y + length - 1;
            if (x <= lastRight && y <= lastBottom && right >= last.x && bottom >= last.y)
                continue;
            Candidate updated = candidate;
            if (x - 1 <= lastRight + 1 && y - 1 <= lastBottom + 1 && right + 1 >= last.x - 1
                && bottom + 1 >= last.y - 1) {
                updated.crossings = crossingsAt(word, x, y, across);
                if (updated.crossings < 0)
                    continue;
            }
            list[kept++] = updated;
        }
        list.resize(kept);
    }
    // Every position across the last word, through one of its fields it has alone.
    for (int i = 0; i < n; ++i) {
        const int px = last.across ? last.x + i : last.x;
        const int py = last.across ? last.y : last.y + i;
        if (at(px, py).dirs == 3)
            continue;
        for (const auto &[w, k] : (*m_wordsByLetter)[std::uint8_t(lastLetters[size_t(i)])]) {
            if (m_placed[size_t(w)])
                continue;
            const int x = last.across ? px : px - k;
            const int y = last.across ? py - k : py;
            if (x < 0 || y < 0)
                continue;
            const int crossings = crossingsAt((*m_words)[size_t(w)], x, y, !last.across);
            if (crossings > 0)
                m_candidates[size_t(w)].push_back({keyOf(x, y, !last.across), crossings});
        }
    }
}

void LayoutSearch::reset()
{
    const int count = int(m_words->size());
    m_cells.assign(size_t(m_cols + 2) * size_t(m_rows + 2), Cell{});
    m_candidates.assign(size_t(count), {});
    m_placed.assign(size_t(count), 0);
    m_laid.clear();
    m_crossings = 0;
    m_left = m_top = 0;
    m_right = m_bottom = -1;
    m_rank.assign(size_t(count), 0);
}

SplitMix64 LayoutSearch::reseed(std::uint64_t seed, int noise, bool compact)
{
    SplitMix64 random(seed);
    for (std::uint32_t &r : m_rank)
        r = std::uint32_t(random.next());
    m_salt = random.next();
    m_noise = noise;
    m_compact = compact;
    return random;
}

bool LayoutSearch::run(std::uint64_t seed, bool compact, const std::atomic_bool *cancel)
{
    const int count = int(m_words->size());
    reset();
    SplitMix64 random = reseed(seed, 8, compact);

    // The first word: one of the three longest that fit, in the middle of the box.
    std::vector<int> order(static_cast<size_t>(count));
    std::iota(order.begin(), order.end(), 0);
    std::erase_if(order, [&](int w) {
        const int n = int((*m_words)[size_t(w)].size());
        return n > m_cols && n > m_rows;
    });
    if (order.empty())
        return true;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return (*m_words)[size_t(a)].size() > (*m_words)[size_t(b)].size();
    });
    const int first = order[size_t(random.below(std::min<int>(3, int(order.size()))))];
    const int length = int((*m_words)[size_t(first)].size());
    const bool across = length <= m_cols && (m_cols >= m_rows || length > m_rows);
    place({first,
           across ? (m_cols - length) / 2 : m_cols / 2,
           across ? m_rows / 2 : (m_rows - length) / 2,
           across});
    return fill(cancel);
}

bool LayoutSearch::fill(const std::atomic_bool *cancel)
{
    const int count = int(m_words->size());
    for (int step = 1;; ++step) {
        if (cancel && step % 8 == 0 && cancel->load())
            return false;
        // The best position of all words; among equal ones the word with the fewest
        // positions, then the rank.
        int chosen = -1;
        int chosenCount = 0;
        int chosenScore = 0;
        size_t chosenCandidate = 0;
        for (int w = 0; w < count; ++w) {
            const std::vector<Candidate> &list = m_candidates[size_t(w)];
            if (list.empty())
                continue;
            const int candidates = int(list.size());
            int best = 0;
            size_t bestIndex = 0;
            for (size_t c = 0; c < list.size(); ++c) {
                const int s = score(w, list[c]);
                if (c == 0 || s > best) {
                    best = s;
                    bestIndex = c;
                }
            }
            if (chosen < 0 || best > chosenScore
                || (best == chosenScore
                    && (candidates < chosenCount
                        || (candidates == chosenCount
                            && m_rank[size_t(w)] < m_rank[size_t(chosen)])))) {
                chosen = w;
                chosenCount = candidates;
                chosenScore = best;
                chosenCandidate = bestIndex;
            }
        }
        if (chosen < 0)
            return true;
        place(positionOf(chosen, m_candidates[size_t(chosen)][chosenCandidate]));
    }
}

void LayoutSearch::restore(std::vector<LaidWord> laid)
{
    reset();
    for (const LaidWord &word : laid)
        lay(word);
    addCandidates(openWords());
}

std::vector<int> LayoutSearch::openWords() const
{
    std::vector<int> open;
    for (int w = 0; w < int(m_words->size()); ++w)
        if (!m_placed[size_t(w)])
            open.push_back(w);
    return open;
}

void LayoutSearch::addThrough(int w, int k, int x, int y)
{
    const bool across = at(x, y).dirs == 2;
    const int sx = across ? x - k : x;
    const int sy = across ? y : y - k;
    if (sx < 0 || sy < 0)
        return;
    for (int i = 0; i < k; ++i)
        if (occupied(across ? sx + i : sx, across ? sy : sy + i))
            return;
    const int crossings = crossingsAt((*m_words)[size_t(w)], sx, sy, across);
    if (crossings > 0)
        m_candidates[size_t(w)].push_back({keyOf(sx, sy, across), crossings});
}

void LayoutSearch::addCandidates(const std::vector<int> &words)
{
    // Every position crossing a laid letter that has a word in one direction only, counted
    // once: from its first crossing.
    std::vector<std::vector<int>> fieldsByLetter(256);
    for (int field = 0; field < m_cols * m_rows; ++field) {
        const Cell &cell = at(field % m_cols, field / m_cols);
        if (cell.letter != 0 && cell.dirs != 3)
            fieldsByLetter[std::uint8_t(cell.letter)].push_back(field);
    }
    for (const int w : words) {
        const std::string &word = (*m_words)[size_t(w)];
        for (int k = 0; k < int(word.size()); ++k) {
            for (const int field : fieldsByLetter[std::uint8_t(word[size_t(k)])])
                addThrough(w, k, field % m_cols, field / m_cols);
        }
    }
}

bool LayoutSearch::repair(std::uint64_t seed, const std::atomic_bool *cancel)
{
    if (m_laid.size() < 2)
        return true;
    // More noise than in a fresh run, so that the words taken out do not simply come back;
    // the box is there to be filled.
    SplitMix64 random = reseed(seed, 24, false);
    // A square patch around a random letter of a random word.
    const LaidWord &centre = m_laid[size_t(random.below(int(m_laid.size())))];
    const int along = random.below(int((*m_words)[size_t(centre.word)].size()));
    const int cx = centre.across ? centre.x + along : centre.x;
    const int cy = centre.across ? centre.y : centre.y + along;
    const int reach = 1 + random.below(3);
    std::vector<LaidWord> kept;
    for (const LaidWord &word : m_laid) {
        const int n = int((*m_words)[size_t(word.word)].size());
        const int x1 = word.across ? word.x + n - 1 : word.x;
        const int y1 = word.across ? word.y : word.y + n - 1;
        if (x1 < cx - reach || word.x > cx + reach || y1 < cy - reach || word.y > cy + reach)
            kept.push_back(word);
    }
    return !keepLargestPiece(kept) || fill(cancel);
}

void LayoutSearch::takeOut(const std::vector<LaidWord> &keep)
{
    std::vector<char> kept(m_words->size(), 0);
    for (const LaidWord &word : keep)
        kept[size_t(word.word)] = 1;
    // The fields that change, with their ring of neighbours: the zone.
    int zx0 = m_cols;
    int zy0 = m_rows;
    int zx1 = -1;
    int zy1 = -1;
    std::vector<int> out;
    for (const LaidWord &word : m_laid) {
        if (kept[size_t(word.word)])
            continue;
        out.push_back(word.word);
        m_placed[size_t(word.word)] = 0;
        const int n = int((*m_words)[size_t(word.word)].size());
        const std::uint8_t own = word.across ? 1 : 2;
        for (int i = 0; i < n; ++i) {
            Cell &cell = at(word.across ? word.x + i : word.x, word.across ? word.y : word.y + i);
            if (cell.dirs == 3)
                --m_crossings;
            cell.dirs &= std::uint8_t(~own);
            if (cell.dirs == 0)
                cell.letter = 0;
        }
        zx0 = std::min(zx0, word.x - 1);
        zy0 = std::min(zy0, word.y - 1);
        zx1 = std::max(zx1, (word.across ? word.x + n - 1 : word.x) + 1);
        zy1 = std::max(zy1, (word.across ? word.y : word.y + n - 1) + 1);
    }
    if (out.empty())
        return;
    m_laid = keep;
    m_left = m_top = 0;
    m_right = m_bottom = -1;
    for (const LaidWord &word : m_laid)
        extendBox(word);
    const auto reachesZone = [&](int x, int y, bool across, int n) {
        return x - 1 <= zx1 && y - 1 <= zy1 && (across ? x + n : x + 1) >= zx0
               && (across ? y + 1 : y + n) >= zy0;
    };
    // Positions of the open words that reach into the zone are dropped and found again: every
    // position through a laid letter that reaches the zone, from its first crossing.
    std::vector<std::vector<std::pair<int, int>>> openLetters(256);
    for (int w = 0; w < int(m_words->size()); ++w) {
        if (m_placed[size_t(w)] || std::find(out.begin(), out.end(), w) != out.end())
            continue;
        const std::string &word = (*m_words)[size_t(w)];
        const int n = int(word.size());
        for (int k = 0; k < n; ++k)
            openLetters[std::uint8_t(word[size_t(k)])].emplace_back(w, k);
        std::erase_if(m_candidates[size_t(w)], [&](const Candidate &candidate) {
            const LaidWord position = positionOf(w, candidate);
            return reachesZone(position.x, position.y, position.across, n);
        });
    }
    const int reach = m_longest + 1;
    for (int y = std::max(0, zy0 - reach); y <= std::min(m_rows - 1, zy1 + reach); ++y) {
        for (int x = std::max(0, zx0 - reach); x <= std::min(m_cols - 1, zx1 + reach); ++x) {
            const Cell &cell = at(x, y);
            if (cell.letter == 0 || cell.dirs == 3)
                continue;
            const bool across = cell.dirs == 2;
            if (across ? y < zy0 - 1 || y > zy1 + 1 : x < zx0 - 1 || x > zx1 + 1)
                continue;
            for (const auto &[w, k] : openLetters[std::uint8_t(cell.letter)]) {
                const int n = int((*m_words)[size_t(w)].size());
                if (reachesZone(across ? x - k : x, across ? y : y - k, across, n))
                    addThrough(w, k, x, y);
            }
        }
    }
    addCandidates(out);
}

std::vector<LaidWord> LayoutSearch::largestPiece(const std::vector<LaidWord> &laid) const
{
    // A walk over the crossings.
    const std::vector<int> owner = owners(laid);
    std::vector<int> piece(laid.size(), -1);
    std::vector<int> sizes;
    for (int start = 0; start < int(laid.size()); ++start) {
        if (piece[size_t(start)] >= 0)
            continue;
        const int id = int(sizes.size());
        sizes.push_back(0);
        std::vector<int> stack{start};
        piece[size_t(start)] = id;
        while (!stack.empty()) {
            const LaidWord &word = laid[size_t(stack.back())];
            stack.pop_back();
            ++sizes.back();
            for (int k = 0; k < int((*m_words)[size_t(word.word)].size()); ++k) {
                const int x = word.across ? word.x + k : word.x;
                const int y = word.across ? word.y : word.y + k;
                const int other = owner[size_t(y * m_cols + x) * 2 + (word.across ? 1 : 0)];
                if (other >= 0 && piece[size_t(other)] < 0) {
                    piece[size_t(other)] = id;
                    stack.push_back(other);
                }
            }
        }
    }
    const int largest = int(std::max_element(sizes.begin(), sizes.end()) - sizes.begin());
    std::vector<LaidWord> result;
    for (int i = 0; i < int(laid.size()); ++i)
        if (piece[size_t(i)] == largest)
            result.push_back(laid[size_t(i)]);
    return result;
}

bool LayoutSearch::keepLargestPiece(const std::vector<LaidWord> &kept)
{
    // Two words crossing a word on neighbouring fields would stand side by side without it:
    // the second of them goes as well, until no such pair is left.
    std::vector<LaidWord> sound = kept;
    for (bool dropped = true; dropped;) {
        dropped = false;
        std::vector<char> staying(m_words->size(), 0);
        for (const LaidWord &word : sound)
            staying[size_t(word.word)] = 1;
        const std::vector<int> owner = owners(sound);
        std::vector<char> drop(sound.size(), 0);
        for (const LaidWord &word : m_laid) {
            if (staying[size_t(word.word)])
                continue;
            const size_t crossing = word.across ? 1 : 0;
            const int step = word.across ? 1 : m_cols;
            const int first = word.y * m_cols + word.x;
            for (int i = 1; i < int((*m_words)[size_t(word.word)].size()); ++i) {
                const int field = first + i * step;
                const int other = owner[size_t(field) * 2 + crossing];
                if (other >= 0 && owner[size_t(field - step) * 2 + crossing] >= 0) {
                    drop[size_t(other)] = 1;
                    dropped = true;
                }
            }
        }
        std::vector<LaidWord> rest;
        for (size_t i = 0; i < sound.size(); ++i)
            if (!drop[i])
                rest.push_back(sound[i]);
        sound = std::move(rest);
    }
    // A repair that cuts off much seldom pays.
    const int maxCutOff = 4;
    const std::vector<LaidWord> piece = largestPiece(sound);
    if (piece.empty() || kept.size() - piece.size() > size_t(maxCutOff))
        return false;
    takeOut(piece);
    return true;
}

std::vector<int> LayoutSearch::owners(const std::vector<LaidWord> &laid) const
{
    std::vector<int> owner(size_t(m_cols * m_rows) * 2, -1);
    for (int i = 0; i < int(laid.size()); ++i) {
        const LaidWord &word = laid[size_t(i)];
        for (int k = 0; k < int((*m_words)[size_t(word.word)].size()); ++k) {
            const int x = word.across ? word.x + k : word.x;
            const int y = word.across ? word.y : word.y + k;
            owner[size_t(y * m_cols + x) * 2 + (word.across ? 0 : 1)] = i;
        }
    }
    return owner;
}

void LayoutSearch::clashes(const LaidWord &position,
                           const std::vector<int> &owner,
                           size_t limit,
                           std::vector<int> &found) const
{
    found.clear();
    const std::string &word = (*m_words)[size_t(position.word)];
    const int n = int(word.size());
    const bool across = position.across;
    const int dx = across ? 1 : 0;
    const int dy = across ? 0 : 1;
    // The words on a field: both, or only the one in direction (0 across, 1 down).
    const auto add = [&](int x, int y, int direction) {
        if (!letterAt(x, y))
            return;
        for (int d = 0; d < 2; ++d) {
            const int i = owner[size_t(y * m_cols + x) * 2 + size_t(d)];
            if (i >= 0 && (direction < 0 || direction == d)
                && std::find(found.begin(), found.end(), i) == found.end())
                found.push_back(i);
        }
    };
    // The rules of crossingsAt, each broken rule naming the words in the way.
    add(position.x - dx, position.y - dy, -1);
    add(position.x + dx * n, position.y + dy * n, -1);
    if (across)
        add(position.x - 1, position.y + 1, 1);
    else
        add(position.x + 1, position.y - 1, 0);
    for (int i = 0; i < n && found.size() <= limit; ++i) {
        const int x = position.x + dx * i;
        const int y = position.y + dy * i;
        const Cell &cell = at(x, y);
        if (cell.letter == 0) {
            add(x + dy, y + dx, -1);
            add(x - dy, y - dx, -1);
        } else if (cell.letter != word[size_t(i)]) {
            add(x, y, -1);
        } else if (cell.dirs & (across ? 1 : 2)) {
            add(x, y, across ? 0 : 1);
        }
    }
}

bool LayoutSearch::insert(std::uint64_t seed, const std::atomic_bool *cancel)
{
    const std::vector<int> open = openWords();
    if (open.empty() || m_laid.empty())
        return true;
    SplitMix64 random = reseed(seed, 24, false);
    const int w = open[size_t(random.below(int(open.size())))];
    const std::string &word = (*m_words)[size_t(w)];
    const int n = int(word.size());
    const std::vector<int> owner = owners(m_laid);
    // Every position across a laid letter that has a word in one direction only; the one
    // with the fewest clashes, among equal ones a random one.
    std::vector<int> found;
    std::vector<int> fewest;
    LaidWord chosen{w, 0, 0, true};
    int ties = 0;
    for (int field = 0; field < m_cols * m_rows; ++field) {
        const int fx = field % m_cols;
        const int fy = field / m_cols;
        const Cell &cell = at(fx, fy);
        if (cell.letter == 0 || cell.dirs == 3)
            continue;
        const bool across = cell.dirs == 2;
        for (int k = 0; k < n; ++k) {
            const LaidWord position{w, across ? fx - k : fx, across ? fy : fy - k, across};
            if (word[size_t(k)] != cell.letter || position.x < 0 || position.y < 0
                || (across ? position.x + n > m_cols : position.y + n > m_rows))
                continue;
            clashes(position, owner, ties == 0 ? m_laid.size() : fewest.size(), found);
            if (ties > 0 && found.size() > fewest.size())
                continue;
            if (ties == 0 || found.size() < fewest.size())
                ties = 0;
            if (random.below(++ties) == 0) {
                fewest = found;
                chosen = position;
            }
        }
    }
    if (ties == 0)
        return true;
    // The clashing words go and the word comes in, when it still crosses what is left.
    std::vector<char> gone(m_laid.size(), 0);
    for (const int i : fewest)
        gone[size_t(i)] = 1;
    std::vector<LaidWord> kept;
    for (size_t i = 0; i < m_laid.size(); ++i)
        if (!gone[i])
            kept.push_back(m_laid[i]);
    if (!keepLargestPiece(kept))
        return true;
    if (crossingsAt(word, chosen.x, chosen.y, chosen.across) > 0)
        place(chosen);
    return fill(cancel);
}

} // namespace gs
