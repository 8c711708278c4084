#include "editor/dialogprompt.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
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

struct ButtonChoice
{
    QMessageBox::StandardButton button;
    Prompt::Answer answer;
    const char *text;
};

const ButtonChoice okButton{QMessageBox::Ok, Prompt::Answer::Ok, "OK"};
const ButtonChoice yesButton{QMessageBox::Yes, Prompt::Answer::Yes, "Ja"};
const ButtonChoice noButton{QMessageBox::No, Prompt::Answer::No, "Nein"};
const ButtonChoice cancelButton{QMessageBox::Cancel, Prompt::Answer::Cancel, "Abbrechen"};

QList<ButtonChoice> buttonChoices(Prompt::Buttons buttons)
{
    switch (buttons) {
    case Prompt::Buttons::Ok:
        return {okButton};
    case Prompt::Buttons::YesNo:
        return {yesButton, noButton};
    case Prompt::Buttons::YesNoCancel:
        return {yesButton, noButton, cancelButton};
    }
    return {okButton};
}

void germanLabels(QFileDialog &dialog, const QString &accept)
{
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Suchen in:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Dateiname:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Dateityp:"));
    dialog.setLabelText(QFileDialog::Accept, accept);
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Abbrechen"));
}

void setFilter(QFileDialog &dialog, const QString &filter, const QString &defaultSuffix)
{
    dialog.setNameFilters(DialogPrompt::nameFilters(filter));
    dialog.setDefaultSuffix(defaultSuffix);
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
    QMessageBox box(messageIcon(icon), caption, shownText, QMessageBox::NoButton, dialogParent());
    const QList<ButtonChoice> choices = buttonChoices(buttons);
    for (const ButtonChoice &choice : choices)
        box.addButton(choice.button)->setText(QString::fromUtf8(choice.text));
    box.setEscapeButton(box.button(choices.last().button));
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    for (const ButtonChoice &choice : choices) {
        if (choice.button == clicked)
            return choice.answer;
    }
    // Closed without a button: the escape button's answer (Cancel, No or OK).
    return choices.last().answer;
}

std::optional<QString>
DialogPrompt::input(const QString &caption, const QString &label, const QString &defaultText)
{
    QInputDialog dialog(dialogParent());
    dialog.setWindowTitle(caption);
    dialog.setLabelText(label);
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Abbrechen"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

std::optional<QString> DialogPrompt::openFileName(const QString &filter,
                                                  const QString &defaultSuffix)
{
    QFileDialog dialog(dialogParent(), QStringLiteral("Öffnen"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    germanLabels(dialog, QStringLiteral("Öffnen"));
    setFilter(dialog, filter, defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> DialogPrompt::saveFileName(const QString &filter,
                                                  const QString &defaultSuffix,
                                                  const QString &currentName)
{
    QFileDialog dialog(dialogParent(), QStringLiteral("Speichern unter"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Asked below, in German.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    germanLabels(dialog, QStringLiteral("Speichern"));
    setFilter(dialog, filter, defaultSuffix);
    if (!currentName.isEmpty())
        dialog.selectFile(currentName);
    while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        const QString chosen = dialog.selectedFiles().constFirst();
        if (!QFileInfo::exists(chosen))
            return chosen;
        const Answer replace = message(QStringLiteral("Speichern unter bestätigen"),
                                       QFileInfo(chosen).fileName()
                                               + QStringLiteral(" ist bereits vorhanden.\n"
                                                                "Möchten Sie sie ersetzen?"),
                                       Icon::Warning,
                                       Buttons::YesNo);
        if (replace == Answer::Yes)
            return chosen;
    }
    return std::nullopt;
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
