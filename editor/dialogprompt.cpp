#include "editor/dialogprompt.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QRegularExpression>

namespace gs {

namespace {

QWidget *dialogParent()
{
    return QApplication::activeWindow();
}

QMessageBox::Icon messageIcon(Prompt::Icon icon)
{
    switch (icon) {
    case Prompt::Icon::Warning:
        return QMessageBox::Warning;
    case Prompt::Icon::Information:
        return QMessageBox::Information;
    case Prompt::Icon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons standardButtons(Prompt::Buttons buttons)
{
    switch (buttons) {
    case Prompt::Buttons::Ok:
        break;
    case Prompt::Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Prompt::Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

Prompt::Answer answerOf(int button)
{
    switch (button) {
    case QMessageBox::Yes:
        return Prompt::Answer::Yes;
    case QMessageBox::No:
        return Prompt::Answer::No;
    case QMessageBox::Cancel:
        return Prompt::Answer::Cancel;
    default:
        return Prompt::Answer::Ok;
    }
}

} // namespace

DialogPrompt::DialogPrompt()
{
    SetPrompt(this);
}

DialogPrompt::~DialogPrompt()
{
    SetPrompt(nullptr);
}

Prompt::Answer
DialogPrompt::message(const QString &caption, const QString &text, Icon icon, Buttons buttons)
{
    QString shownText = text;
    shownText.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    // Closed without a button, the box answers with its escape button: Cancel, No or OK.
    QMessageBox box(
            messageIcon(icon), caption, shownText, standardButtons(buttons), dialogParent());
    return answerOf(box.exec());
}

std::optional<QString>
DialogPrompt::input(const QString &caption, const QString &label, const QString &defaultText)
{
    QInputDialog dialog(dialogParent());
    dialog.setWindowTitle(caption);
    dialog.setLabelText(label);
    dialog.setTextValue(defaultText);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

std::optional<QString> DialogPrompt::openFileName(const QString &filter,
                                                  const QString &defaultSuffix,
                                                  const QString &currentName)
{
    QFileDialog dialog(dialogParent(), QStringLiteral("Öffnen"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return runFileDialog(dialog, filter, defaultSuffix, currentName, false);
}

std::optional<QString> DialogPrompt::saveFileName(const QString &filter,
                                                  const QString &defaultSuffix,
                                                  const QString &currentName)
{
    QFileDialog dialog(dialogParent(), QStringLiteral("Speichern unter"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    return runFileDialog(dialog, filter, defaultSuffix, currentName, true);
}

std::optional<QString> DialogPrompt::runFileDialog(QFileDialog &dialog,
                                                   const QString &filter,
                                                   const QString &defaultSuffix,
                                                   const QString &currentName,
                                                   bool proposeName)
{
    dialog.setNameFilters(nameFilters(filter));
    dialog.setDefaultSuffix(defaultSuffix);
    const QFileInfo current(currentName);
    if (!currentName.isEmpty())
        dialog.setDirectory(current.absolutePath());
    else if (!m_lastFolder.isEmpty())
        dialog.setDirectory(m_lastFolder);
    if (proposeName && !currentName.isEmpty())
        dialog.selectFile(current.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog.selectedFiles().constFirst();
    m_lastFolder = QFileInfo(chosen).absolutePath();
    return chosen;
}

QStringList DialogPrompt::nameFilters(const QString &filter)
{
    // Qt takes the patterns from the parentheses at the end of a filter name, so any pattern
    // list already written into the description is replaced by the pattern part of the pair.
    static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts.at(i + 1).trimmed();
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        QString description = parts.at(i);
        description.remove(trailingPatterns);
        filters << description + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return filters;
}

} // namespace gs
