#include "document/legacyimport.h"

#include "core/prompt.h"
#include "core/puzzle.h"
#include "document/documentfile.h"
#include "document/documentview.h"

#include <QFileInfo>

#include <charconv>
#include <optional>
#include <string_view>

namespace gs {

namespace {

constexpr int LegacyCols = 23;
constexpr int LegacyRows = 13;

// Hands out the lines of a text, which may end in CR LF, LF or CR.
class LineReader
{
public:
    explicit LineReader(std::string_view text)
        : m_text(text)
    {
    }

    int lineNumber() const { return m_lineNumber; }

    std::optional<std::string_view> next()
    {
        if (m_pos >= m_text.size())
            return std::nullopt;
        const size_t end = m_text.find_first_of("\r\n", m_pos);
        const size_t stop = end == std::string_view::npos ? m_text.size() : end;
        const std::string_view line = m_text.substr(m_pos, stop - m_pos);
        m_pos = stop;
        if (m_pos < m_text.size())
            m_pos += m_text.compare(m_pos, 2, "\r\n") == 0 ? 2 : 1;
        ++m_lineNumber;
        return line;
    }

    // The next line as a whole number; nothing when it is missing or not a number.
    std::optional<int> nextInt()
    {
        auto line = next();
        if (!line)
            return std::nullopt;
        std::string_view digits = *line;
        while (!digits.empty() && (digits.front() == ' ' || digits.front() == '\t'))
            digits.remove_prefix(1);
        while (!digits.empty() && (digits.back() == ' ' || digits.back() == '\t'))
            digits.remove_suffix(1);
        if (!digits.empty() && digits.front() == '+')
            digits.remove_prefix(1);
        int value = 0;
        const auto [end, error]
                = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        if (digits.empty() || error != std::errc() || end != digits.data() + digits.size())
            return std::nullopt;
        return value;
    }

private:
    std::string_view m_text;
    size_t m_pos = 0;
    int m_lineNumber = 0;
};

} // namespace

bool ImportLegacyFile(const QString &fileName, const QByteArray &content)
{
    NewPuzzle();
    LineReader lines(std::string_view(content.constData(), size_t(content.size())));
    lines.next(); // the format word

    Puzzle.Board.assign(LegacyCols + 1, std::vector<TBoardField>(LegacyRows + 1));
    for (int col = 1; col <= LegacyCols; ++col) {
        for (int row = 1; row <= LegacyRows; ++row) {
            const std::string_view line = lines.next().value_or(std::string_view());
            FieldAt({col, row}).Letter = std::string(line.substr(0, 1));
        }
    }

    bool complete = true;
    bool outside = false; // a number beyond the editing area, which is left out
    const std::optional<int> count = lines.nextInt();
    if (!count)
        complete = false;
    for (int i = 1; complete && i <= *count; ++i) {
        const std::optional<int> col = lines.nextInt();
        const std::optional<int> row = lines.nextInt();
        const std::optional<int> orientation = col && row ? lines.nextInt() : std::nullopt;
        if (!orientation) {
            complete = false;
            break;
        }
        const std::string_view text = lines.next().value_or(std::string_view());
        if (!IsInEditingArea(TPoint{*col, *row})) {
            outside = true;
            continue;
        }
        TClueNumber number = MakeClueNumber(*col, *row, std::string(text), *orientation == 1);
        number.Num = i;
        Puzzle.Numbers.push_back(number);
    }

    Puzzle.FieldSize = 30;
    Puzzle.BorderWidth = 1;
    Puzzle.Infos.clear();

    if (!complete) {
        // Keep what was read, but do not tie it to the old file: a save must not replace the
        // complete original with this partial copy.
        ActivePrompt().error(QStringLiteral("Die Datei %1 enthält in Zeile %2 keine gültige Zahl. "
                                            "Das Felderquiz wurde nur bis dahin eingelesen.")
                                     .arg(QFileInfo(fileName).fileName())
                                     .arg(lines.lineNumber()));
        ShowLoadedDocument(QString());
        Modified = true;
        return false;
    }
    if (outside)
        ReportInvalidData(fileName);
    ShowLoadedDocument(fileName);
    return true;
}

} // namespace gs
