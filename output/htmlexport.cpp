#include "output/htmlexport.h"

#include "core/canvas.h"
#include "core/cp1252.h"
#include "core/puzzle.h"
#include "core/render.h"
#include "core/savefile.h"
#include "imaging/gifwriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>

#include <optional>
#include <string_view>
#include <utility>

namespace gs {

namespace {

// The lines of a page: every piece appended as it stands, integers in plain decimal, each line
// ended by CR LF.
class PageText
{
public:
    template<class... Parts>
    void add(const Parts &...parts)
    {
        (append(parts), ...);
        m_text += "\r\n";
    }

    std::string take() { return std::move(m_text); }

private:
    void append(std::string_view piece) { m_text += piece; }
    void append(long long number) { m_text += std::to_string(number); }

    std::string m_text;
};

// Text inside a double-quoted script string: quote, backslash and line ends escaped, and "<"
// written so that the string cannot end the script element.
std::string scriptString(const std::string &text)
{
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '"':
            escaped += "\\\"";
            break;
        case '\\':
            escaped += "\\\\";
            break;
        case '\r':
            escaped += "\\r";
            break;
        case '\n':
            escaped += "\\n";
            break;
        case '<':
            escaped += "\\x3C";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

// Replaces every c in text by replacement.
std::string replaced(const std::string &text, char c, std::string_view replacement)
{
    std::string result;
    for (const char ch : text) {
        if (ch == c)
            result += replacement;
        else
            result += ch;
    }
    return result;
}

// Text inside a double-quoted attribute value; entities the user wrote keep working.
std::string attributeValue(const std::string &text)
{
    return replaced(text, '"', "&quot;");
}

// Text inside <title>: it shows as typed either way, but cannot close the element.
std::string titleText(const std::string &text)
{
    return replaced(text, '<', "&lt;");
}

// The script expression of the letters Windows-1252 keeps at 0x80..0x9F, indexed by code - 128.
std::string highLetters()
{
    std::string letters;
    for (int code = 0x80; code < 0xA0; ++code) {
        const QChar c = toQString(std::string(1, char(code))).at(0);
        letters += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toStdString();
    }
    return letters;
}

std::string trimmed(const std::string &text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The caption of a number setting, for messages.
QString settingCaption(std::string_view key)
{
    if (key == "Edit13")
        return QStringLiteral("Linker Rand:");
    if (key == "Edit6")
        return QStringLiteral("Platz über Feldern:");
    if (key == "Edit7")
        return QStringLiteral("Platz über/unter Buttons:");
    return QStringLiteral("Def.-Verlängerung (rechts):");
}

// Builds the page; the integer settings have been read already.
class PageBuilder
{
public:
    PageBuilder(const OutputSettings &settings, const QString &fileName)
        : m_settings(settings)
        , m_fileName(fileName)
    {
    }

    // The page, or an error when a number setting holds no integer.
    HtmlPage build()
    {
        HtmlPage page;
        for (const auto &[key, target] : {std::pair{"Edit13", &m_left},
                                          std::pair{"Edit6", &m_top},
                                          std::pair{"Edit7", &m_buttonSpace},
                                          std::pair{"Edit11", &m_extension}}) {
            const std::optional<qint32> number = m_settings.number(key);
            if (!number) {
                page.error = QStringLiteral("Der Wert \"%1\" der Einstellung \"%2\" ist keine "
                                            "ganze Zahl. Die HTML-Datei wurde nicht geschrieben.")
                                     .arg(toQString(m_settings.text(key)), settingCaption(key));
                return page;
            }
            *target = *number;
        }
        head();
        if (m_solvable)
            script();
        titleBox();
        board();
        clueNumbers();
        solutionFrame();
        footer();
        m_page.add("</body>");
        m_page.add("</html>");
        page.text = m_page.take();
        page.usesArc = m_usesArc;
        return page;
    }

private:
    std::string text(const char *key) const { return m_settings.text(key); }
    bool isOn(const char *key) const { return m_settings.isOn(key); }
    std::string color(const char *key) const
    {
        return ColorToHtml(m_settings.color(key)).toStdString();
    }

    void head()
    {
        const std::string field = color("Panel3");
        const std::string title = color("Panel4");
        const std::string explication = color("Panel7");
        const std::string explicationBack = color("Panel8");
        PageText &p = m_page;
        p.add("");
        p.add("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">");
        p.add("<html>");
        p.add("<head>");
        p.add("  <title>", titleText(text("Edit12")), "</title>");
        p.add("  <meta name=\"generator\" content=\"Gitterstern [", ProgramWebAddress, "]\">");
        p.add("  <style>");
        p.add("    body { margin:0; margin-bottom:30 }");
        p.add("    table.title { position:absolute; left:450; top:40; border-collapse: collapse; "
              "border-style: solid; border-width:0 }");
        p.add("    table.titlebox { position:absolute; left:",
              text("Edit8"),
              "; top:",
              text("Edit10"),
              "; border-collapse: collapse; border-style: solid; border-width:1; "
              "border-color:",
              title,
              "; background-color:",
              color("Panel6"),
              " }");
        p.add("    td.title { font-family:Verdana; font-size:16pt; color:", title, " }");
        p.add("    table.explication { position:relative; left:",
              text("Edit13"),
              "; border-collapse: collapse; border-width:0 }");
        p.add("    td.explication { font-family:Verdana; font-size:12pt; color: ",
              explication,
              "; border-width:0 }");
        p.add("    table.explicationbox { position:relative; left:",
              text("Edit13"),
              "; border-collapse: collapse; border-style: solid; border-width:1; border-color:",
              explication,
              "; background-color:",
              explicationBack,
              " }");
        p.add("    td.explicationbox { font-family:Verdana; font-size:12pt; color: ",
              explication,
              "; border-style: solid; border-width:1; border-color:",
              explication,
              " }");
        p.add("    input.i { border:",
              field,
              " ",
              m_bw - 1,
              "px solid; font-weight:normal; "
              "font-size:",
              LetterFontSize(m_fs),
              "pt; color:",
              field,
              "; font-family:Verdana,Arial,Helvetica,sans-serif; background-color:",
              m_fieldBack,
              "; text-transform:uppercase; text-align:center; width:",
              m_fs - 2,
              "px; height:",
              m_fs - 2,
              "px; z-index: 1; box-sizing:border-box; display:block; margin:1px; "
              "padding:0px; }");
        p.add("    div.lt { position:absolute; width:",
              m_fs,
              "px; height:",
              m_fs,
              "px; background-color:",
              field,
              "; padding:0px; alignment:center; vertical-align:middle; }");
        p.add("    div.solframe { position:absolute; background-color:", field, "; }");
        p.add("    div.border { position: absolute; background-color:", field, "; z-index:2 } ");
        p.add("    div.num { position: absolute; color:",
              field,
              "; font-family: Arial; font-size:",
              NumberFontSize(m_fs),
              "pt; font-weight:bold; }");
        p.add("    div.line { position:absolute; background-color:", field, "; padding:0px; }");
        p.add("    ");
        p.add("    ");
        p.add("  </style>");
        p.add("</head>");
        p.add("<body bgcolor=\"",
              color("Panel1"),
              "\" background=\"",
              attributeValue(
                      relativePicturePath(text("Edit5"), QFileInfo(m_fileName).absolutePath())),
              "\">");
    }

    void script()
    {
        PageText &p = m_page;
        p.add("<script>");
        p.add("function letter(code)");
        p.add("{");
        p.add("  if (code>=128 && code<160)");
        p.add("    return \"", highLetters(), "\".charAt(code-128);");
        p.add("  return String.fromCharCode(code);");
        p.add("}");
        p.add("function check()");
        p.add("{");
        p.add("  nomistake=true;");
        p.add("  i=0;");
        p.add("  while (e=document.getElementsByName(\"ln\"+i)[0])");
        p.add("    {");
        p.add("      v=e.value.toUpperCase();");
        p.add("      if (v!=letter(e.id).toUpperCase() && e.id!=45)");
        p.add("        {");
        p.add("          nomistake=false;");
        p.add("          break;");
        p.add("        }");
        p.add("      i++;");
        p.add("    }");
        p.add("  if (nomistake)");
        p.add("    alert(\"", scriptString(text("Edit3")), "\");");
        p.add("  else");
        p.add("    alert(\"", scriptString(text("Edit4")), "\");");
        p.add("}");
        p.add("function solution()");
        p.add("{");
        p.add("  i=0;");
        p.add("  while (e=document.getElementsByName(\"ln\"+i)[0])");
        p.add("    {");
        p.add("      e.value=letter(e.id);");
        p.add("      i++;");
        p.add("    }");
        p.add("}");
        for (int i = 0; i < 4; ++i)
            p.add("");
        p.add("function key(id)");
        p.add("{");
        p.add("  size=", m_fs, ";");
        p.add("");
        p.add("  code=window.event.keyCode;");
        p.add("  e=document.getElementsByName(\"ln\"+id)[0];");
        p.add("");
        p.add("  x=e.parentElement.style.left;");
        p.add("  x=x.substring(0,x.length-2);");
        p.add("");
        p.add("  y=e.parentElement.style.top;");
        p.add("  y=y.substring(0,y.length-2);");
        p.add("");
        p.add("  x=parseInt(x)+size/2;");
        p.add("  y=parseInt(y)+size/2;");
        p.add("");
        p.add("    if ((code>=49 && code<=90))");
        p.add("      e.value=String.fromCharCode(code);");
        p.add("");
        p.add("  if ((code<37 || code>40) && code!=0)");
        p.add("    return;");
        for (const auto &[code, move] : {std::pair{"37", "x=x-size;"},
                                         std::pair{"39", "x=x+size;"},
                                         std::pair{"38", "y=y-size;"},
                                         std::pair{"40", "y=y+size;"}}) {
            p.add("");
            p.add("  if (code==", code, ")");
            p.add("    ", move);
        }
        p.add("");
        p.add("  i=0;");
        p.add("  while (e2=document.getElementsByName(\"ln\"+i)[0])");
        p.add("    {");
        p.add("      x1=e2.parentElement.style.left;");
        p.add("      x1=x1.substring(0,x1.length-2);");
        p.add("");
        p.add("      y1=e2.parentElement.style.top;");
        p.add("      y1=y1.substring(0,y1.length-2);");
        p.add(" ");
        p.add("      x2=parseInt(x1)+size;");
        p.add("      y2=parseInt(y1)+size;");
        p.add("      if (x>x1 && x<x2 && y>y1 && y<y2)");
        p.add("        {");
        p.add("          e2.focus();");
        p.add("          return;");
        p.add("        }");
        p.add("");
        p.add("      i++;");
        p.add("    }");
        p.add("}");
        p.add("</script>");
    }

    void titleBox()
    {
        m_page.add("<table class=\"title",
                   isOn("CheckBox3") ? "box" : "",
                   "\" width=\"180\" cellpadding=\"5\" cellspacing=\"0\">");
        m_page.add("  <tr><td class=\"title\" align=\"center\">");
        m_page.add("    ", text("Edit12"));
        m_page.add("  </td></tr>");
        m_page.add("</table>");
    }

    void board()
    {
        const long long pitch = m_fs - m_bw;
        const std::string back
                = isOn("CheckBox9") ? std::string(" style=\"background-image:url('arc.gif');\"")
                                    : " style=\"background-color:" + color("Panel2") + ";\"";
        long long x = m_left;
        int index = 0;
        for (int col = 1; col <= BoardCols(); ++col) {
            long long y = m_top;
            for (int row = 1; row <= BoardRows(); ++row) {
                const TPoint p{col, row};
                const TBoardField field = GetField(p);
                const long long right = x + m_fs;
                const long long bottom = y + m_fs;
                const std::string letter = trimmed(field.Letter);
                if (!letter.empty()) {
                    m_maxRight = std::max(m_maxRight, right);
                    m_maxBottom = std::max(m_maxBottom, bottom);
                    separators(field, x, y);
                    m_page.add("<div class=\"lt\" id=\"\" style=\"left:",
                               x,
                               "; top:",
                               y,
                               ";\" align=\"center\" valign=\"center\">");
                    if (!field.Block) {
                        const std::string key
                                = m_solvable ? " onKeyDown=\"key(" + std::to_string(index) + ");\""
                                             : std::string(" readonly");
                        m_page.add("  <input name=\"ln",
                                   index,
                                   "\" id=\"",
                                   int(static_cast<unsigned char>(letter[0])),
                                   "\" class=\"i\" type=\"text\" size=\"1\" maxlength=\"1\"",
                                   key,
                                   field.SolutionNumber > 0 ? back : std::string(),
                                   ">");
                    }
                    m_page.add("</div>");
                    if (!field.Block)
                        ++index;
                }
                if (SamePoint(p, Puzzle.StartField))
                    m_start = {x, y};
                if (SamePoint(p, Puzzle.EndField))
                    m_end = {x, y};
                if (field.SolutionNumber > 0)
                    solutionNumber(field.SolutionNumber, right, bottom);
                y += pitch;
            }
            x += pitch;
        }
    }

    void separators(const TBoardField &field, long long x, long long y)
    {
        const auto vertical = [this, y](long long left) {
            m_page.add("<div class=\"border\" style=\"left:",
                       left,
                       "px; top:",
                       y,
                       "px; width:",
                       2 * m_bw + 1,
                       "; height:",
                       m_fs,
                       ";\"></div>");
        };
        const auto horizontal = [this, x](long long top) {
            m_page.add("<div class=\"border\" style=\"left:",
                       x,
                       "px; top:",
                       top,
                       "px; width:",
                       m_fs,
                       "; height:",
                       2 * m_bw + 1,
                       ";\"><img src=\"\" width=\"0\" height=\"0\"></div>");
        };
        if (field.BorderLeft)
            vertical(x - m_bw);
        if (field.BorderRight)
            vertical(x + m_fs - m_bw - 1);
        if (field.BorderTop)
            horizontal(y - m_bw);
        if (field.BorderBottom)
            horizontal(y + m_fs - m_bw - 1);
    }

    void solutionNumber(int number, long long right, long long bottom)
    {
        const std::string digits = std::to_string(number);
        const long long n = qsizetype(digits.size());
        if (isOn("CheckBox9")) {
            const int dy = SolutionNumberOffset().Y;
            m_page.add("<div align=\"right\" style=\"position:absolute; left:",
                       right - 8 * n - m_bw - dy,
                       "; top:",
                       bottom - 13 - m_bw - dy,
                       "; font-family:Verdana; font-size:",
                       SolutionNumberFontSize(m_fs),
                       "pt;\">",
                       digits,
                       "</div>");
            m_usesArc = true;
        } else {
            m_page.add("<div align=\"right\" style=\"position:absolute; left:",
                       right - 9 * n - m_bw,
                       "; top:",
                       bottom - 16 - m_bw,
                       "; font-family:Verdana; font-size:10pt; color:#0000FF;\">",
                       digits,
                       "</div>");
        }
    }

    void clueNumbers()
    {
        const long long pitch = m_fs - m_bw;
        const std::string backColor = " color:" + m_fieldBack + ";";
        const std::string backTick = " background-color:" + m_fieldBack + ";";
        for (const TClueNumber &number : Puzzle.Numbers) {
            const long long x = m_left + pitch * (number.Col - 1LL);
            const long long y = m_top + pitch * (number.Row - 1LL);
            const std::string digits = std::to_string(number.Num);
            const long long n = qsizetype(digits.size());
            std::string tickStyle;
            std::string numberStyle;
            long long left = 0;
            long long top = 0;
            if (Puzzle.NumbersInside) {
                if (GetField({number.Col, number.Row}).Block)
                    numberStyle = backColor;
                left = x + 2 + m_bw;
                top = y + m_bw;
            } else {
                const TPoint before = number.Hor ? TPoint{number.Col - 1, number.Row}
                                                 : TPoint{number.Col, number.Row - 1};
                if ((number.Hor ? before.X : before.Y) > 0 && GetField(before).Block) {
                    tickStyle = backTick;
                    numberStyle = backColor;
                }
                long long tickLeft, tickTop, tickWidth, tickHeight;
                if (number.Hor) {
                    tickLeft = x - rnd(m_fs / 2.0);
                    tickTop = y + m_fs / 2 + rnd(m_fs / 4.0);
                    tickWidth = rnd(m_fs / 3.0);
                    tickHeight = m_bw;
                    left = tickLeft - 5 * n;
                    top = tickTop - m_fs / 2 - m_fs / 13;
                } else {
                    tickLeft = x + m_fs / 2 + m_fs / 4;
                    tickTop = y - m_fs / 2 - rnd(m_fs / 8.0);
                    tickWidth = m_bw;
                    tickHeight = rnd(m_fs / 2.31);
                    left = tickLeft - 6 * n - m_fs / 5;
                    top = tickTop - m_fs / 6;
                }
                m_page.add("<div class=\"solframe\" style=\"left:",
                           tickLeft,
                           "; top:",
                           tickTop,
                           "; width:",
                           tickWidth,
                           "; height:",
                           tickHeight,
                           ";",
                           tickStyle,
                           "\"><img src=\"\" width=\"0\" height=\"0\"></div>");
            }
            m_page.add("<div class=\"num\" style=\"left:",
                       left,
                       "; top:",
                       top,
                       ";",
                       numberStyle,
                       "\">",
                       digits,
                       "</div>");
        }
    }

    void solutionFrame()
    {
        if (IsNoField(Puzzle.StartField) || IsNoField(Puzzle.EndField))
            return;
        auto [sx, sy] = m_start;
        auto [ex, ey] = m_end;
        if (sx == ex ? ey < sy : ex < sx) {
            std::swap(sx, ex);
            std::swap(sy, ey);
        }
        const long long p = (m_bw - 1) / 2 + 1;
        const long long q = m_bw / 2 + 1;
        const auto bar = [this](long long left,
                                long long top,
                                long long width,
                                long long height,
                                std::string_view ending) {
            m_page.add("<div class=\"solframe\" style=\"left:",
                       left,
                       "; top:",
                       top,
                       "; width:",
                       width,
                       "; height:",
                       height,
                       ending);
        };
        constexpr std::string_view plain = ";\"></div>";
        constexpr std::string_view withImage = ";\"><img src=\"\" width=\"0\" height=\"0\"></div>";
        bar(sx - p, sy - p, m_bw + 1, (ey - sy) + m_fs + 2 * p, plain);
        if (sy < ey)
            bar(sx - p + m_fs - m_bw, sy - p, m_bw + 1, (ey - sy) + p + m_fs - 1, plain);
        else
            bar(ex + m_fs - m_bw, sy - p, m_bw + p, (ey - sy) + m_fs + 2 * p, plain);
        bar(sx, sy - p, (ex - sx) + m_fs, m_bw + 1, withImage);
        bar(sx, ey + m_fs - q, (ex - sx) + m_fs, m_bw + 1, withImage);
    }

    void footer()
    {
        PageText &p = m_page;
        const bool checkButton = isOn("CheckBox5");
        const bool solutionButton = isOn("CheckBox6");
        p.add("<div style=\"height:", m_buttonSpace + m_maxBottom, ";\"></div>");
        if (m_solvable) {
            p.add("<div style=\"position:relative; left:", text("Edit9"), "; padding:0;\">");
            if (checkButton)
                p.add("  <input type=\"button\" onClick=\"check();\" value=\"",
                      attributeValue(text("Edit1")),
                      "\">");
            if (solutionButton)
                p.add("  &nbsp;&nbsp;<input type=\"button\" onClick=\"solution();\" value=\"",
                      attributeValue(text("Edit2")),
                      "\">");
            p.add("</div>");
        }
        p.add("<div style=\"height:", text("Edit7"), ";\"></div>");
        const long long width = m_maxRight - m_left + m_extension;
        if (isOn("CheckBox8"))
            definitions(width);
        if (isOn("CheckBox2")) {
            for (const long long x : {m_left / 2, m_extension + m_maxRight + m_left / 2})
                p.add("<div class=\"line\" style=\"top:10px; left:",
                      x,
                      "; width:1px; height:",
                      text("Edit14"),
                      "px;\"></div>");
            const long long y = m_solvable && (checkButton || solutionButton)
                                        ? m_buttonSpace + m_maxBottom + 23 + m_buttonSpace / 2
                                        : m_buttonSpace + m_maxBottom;
            p.add("<div class=\"line\" style=\"top:",
                  y,
                  "px; left:",
                  text("Edit13"),
                  "; width:",
                  width,
                  "px; height:1px;\"><img src=\"\" width=\"0\" height=\"0\"></div>");
        }
    }

    void definitions(long long width)
    {
        const std::string suffix = isOn("CheckBox4") ? "box" : "";
        const int columns = m_settings.spin("SpinEdit1");
        const auto &numbers = Puzzle.Numbers;
        const long long count = qsizetype(numbers.size());
        const long long rows = (count + columns - 1) / columns;
        const std::string cell = "    <td width=\"" + std::to_string(rnd(100.0 / columns))
                                 + "%\" class=\"explication" + suffix + "\">";
        m_page.add("<table class=\"explication",
                   suffix,
                   "\" cellpadding=\"5\" cellspacing=\"1\" width=\"",
                   width,
                   "\">");
        for (long long r = 0; r < rows; ++r) {
            m_page.add("  <tr>");
            for (int c = 1; c <= columns; ++c) {
                const long long k = rows * (c - 1) + r;
                if (k < count)
                    m_page.add(cell, numbers[k].Num, ". ", numbers[k].Text, "</td>");
                else
                    m_page.add(cell, "</td>");
            }
            m_page.add("  </tr>");
        }
        m_page.add("</table>");
    }

    const OutputSettings &m_settings;
    const QString m_fileName;
    const long long m_fs = Puzzle.FieldSize;
    const long long m_bw = Puzzle.BorderWidth;
    const bool m_solvable = m_settings.isOn("CheckBox1");
    const std::string m_fieldBack = color("Panel5");
    long long m_left = 0;        // LM
    long long m_top = 0;         // TOP
    long long m_buttonSpace = 0; // BS
    long long m_extension = 0;   // DX
    long long m_maxRight = 0;
    long long m_maxBottom = 0;
    std::pair<long long, long long> m_start{0, 0};
    std::pair<long long, long long> m_end{0, 0};
    bool m_usesArc = false;
    PageText m_page;
};

// How the file system compares folder names: "Bilder" and "bilder" are two folders here.
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
constexpr Qt::CaseSensitivity FileNameCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity FileNameCase = Qt::CaseSensitive;
#endif

// Splits a path at "/" and "\" into its parts; the first is the drive ("C:", or "" for a path
// from the root "/") and the last the file name. Nothing when the path names no drive.
std::optional<QStringList> driveAndParts(const QString &path)
{
    const QStringList parts = path.split(QRegularExpression(QStringLiteral("[/\\\\]")));
    const QString &first = parts.constFirst();
    const bool drive = first.size() == 2 && first.at(0).isLetter() && first.at(1) == u':';
    if (parts.size() < 2 || !(drive || first.isEmpty()))
        return std::nullopt;
    return parts;
}

} // namespace

std::string relativePicturePath(const std::string &picture, const QString &folder)
{
    const auto image = driveAndParts(toQString(picture));
    const auto target = driveAndParts(folder + u'/');
    if (!image || !target
        || image->constFirst().compare(target->constFirst(), Qt::CaseInsensitive) != 0)
        return picture;
    // Both lists start with the drive; the target's last part is the empty name after "/".
    const qsizetype imageFolders = image->size() - 1;
    const qsizetype targetFolders = target->size() - 1;
    qsizetype common = 1;
    while (common < imageFolders && common < targetFolders
           && image->at(common).compare(target->at(common), FileNameCase) == 0)
        ++common;
    QString relative;
    for (qsizetype i = common; i < targetFolders; ++i) {
        if (!target->at(i).isEmpty())
            relative += QStringLiteral("..\\");
    }
    for (qsizetype i = common; i < imageFolders; ++i)
        relative += image->at(i) + u'\\';
    return fromQString(relative + image->constLast());
}

HtmlPage MakeHtmlPage(const OutputSettings &settings, const QString &fileName)
{
    return PageBuilder(settings, fileName).build();
}

QString GenerateHTML(const QString &fileName, const OutputSettings &settings)
{
    const HtmlPage page = MakeHtmlPage(settings, fileName);
    if (!page.error.isEmpty())
        return page.error;
    QString error = writeFileReporting(fileName, page.text);
    if (error.isEmpty() && page.usesArc)
        error = WriteArcGif(QFileInfo(fileName).dir().filePath(QStringLiteral("arc.gif")));
    return error;
}

QString WriteArcGif(const QString &fileName)
{
    const int fs = Puzzle.FieldSize;
    QImage arc(fs, fs, QImage::Format_RGB32);
    arc.fill(BoardWhite);
    {
        Canvas canvas(arc);
        DrawSolutionNumber(canvas, TPoint{1, 1}, -1);
    }
    QImage shifted(fs, fs, QImage::Format_RGB32);
    shifted.fill(BoardWhite);
    QPainter(&shifted).drawImage(-1, -1, arc);
    const QByteArray gif = EncodeGif(shifted, true, BoardWhite, true);
    if (gif.isEmpty())
        return QStringLiteral("Das Bogenbild arc.gif kann bei der Feldgröße %1 nicht erstellt "
                              "werden.")
                .arg(fs);
    // Every page of one field size shows the same picture; an equal one is left as it is.
    QFile existing(fileName);
    if (existing.open(QIODevice::ReadOnly) && existing.size() == gif.size()
        && existing.readAll() == gif)
        return QString();
    return writeFileReporting(fileName, std::string_view(gif.constData(), size_t(gif.size())));
}

} // namespace gs
