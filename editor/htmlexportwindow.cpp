#include "editor/htmlexportwindow.h"

#include "core/prompt.h"
#include "core/puzzle.h"
#include "editor/outputsettingsdialog.h"
#include "output/htmlexport.h"
#include "output/outputsettings.h"

#include <QDesktopServices>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#ifdef GS_HAVE_WEBENGINE
#include <QWebEngineView>
#endif

namespace gs {

TForm7::TForm7(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("HTML-Ausgabe"));
    resize(800, 600);
    auto *layout = new QVBoxLayout(this);
#ifdef GS_HAVE_WEBENGINE
    auto *browser = new QWebEngineView(this);
    layout->addWidget(browser, 1);
    m_showPage = [browser](const QUrl &url) { browser->load(url); };
#else
    auto *note = new QLabel(QStringLiteral("Die Vorschau wird im Web-Browser angezeigt."), this);
    note->setAlignment(Qt::AlignCenter);
    layout->addWidget(note, 1);
    m_showPage = [](const QUrl &url) { QDesktopServices::openUrl(url); };
#endif
    auto *buttons = new QHBoxLayout;
    auto *configureButton = new QPushButton(QStringLiteral("Ausgabe konfigurieren"), this);
    auto *saveButton = new QPushButton(QStringLiteral("Speichern"), this);
    auto *closeButton = new QPushButton(QStringLiteral("Schließen"), this);
    buttons->addWidget(configureButton);
    buttons->addStretch();
    buttons->addWidget(saveButton);
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);
    connect(configureButton, &QPushButton::clicked, this, &TForm7::configure);
    connect(saveButton, &QPushButton::clicked, this, &TForm7::save);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TForm7::setSettingsDialog(TForm6 *dialog)
{
    m_settingsDialog = dialog;
}

QString TForm7::previewFileName()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    QDir().mkpath(folder);
    return QDir(folder).filePath(QStringLiteral("preview.htm"));
}

void TForm7::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    CurrentOutputSettings().Get(Puzzle.Infos);
    showPreview();
}

void TForm7::showPreview()
{
    const QString fileName = previewFileName();
    const QString error = GenerateHTML(fileName, CurrentOutputSettings());
    if (!error.isEmpty()) {
        ActivePrompt().error(error);
        return;
    }
    m_showPage(QUrl::fromLocalFile(fileName));
}

void TForm7::configure()
{
    if (m_settingsDialog)
        m_settingsDialog->showOnPage(TForm6::Page::Html);
    showPreview();
}

void TForm7::save()
{
    const auto fileName = ActivePrompt().saveFileName(
            QStringLiteral("HTML-Dateien (*.htm, *.html)|*.htm;*.html"),
            QStringLiteral("htm"),
            m_documentFolder());
    if (!fileName)
        return;
    const QString error = GenerateHTML(*fileName, CurrentOutputSettings());
    if (!error.isEmpty())
        ActivePrompt().error(error);
}

} // namespace gs
