#include "editor/imageoutputwindow.h"

#include "core/prompt.h"
#include "core/puzzle.h"
#include "editor/outputsettingsdialog.h"
#include "output/outputsettings.h"
#include "output/pictureexport.h"
#include "output/printlayout.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace gs {

namespace {

const QString pictureFilter = QStringLiteral("Bitmap-Datei (*.bmp)|*.bmp|GIF-Datei (*.gif)|*.gif|"
                                             "JPG-Datei (*.jpg)|*.jpg|PDF-Datei (*.pdf)|*.pdf");

} // namespace

TForm5::TForm5(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Bildausgabe"));
    m_picture = new QLabel;
    m_picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto *scroll = new QScrollArea;
    scroll->setWidget(m_picture);
    scroll->setWidgetResizable(true);
    scroll->setBackgroundRole(QPalette::Base);

    m_configureButton = new QPushButton(QStringLiteral("Ausgabe konfigurieren"));
    auto *exportButton = new QPushButton(QStringLiteral("Exportieren"));
    auto *printButton = new QPushButton(QStringLiteral("Drucken"));
    auto *closeButton = new QPushButton(QStringLiteral("Schließen"));
    connect(m_configureButton, &QPushButton::clicked, this, &TForm5::ConfigureClick);
    connect(exportButton, &QPushButton::clicked, this, &TForm5::ExportClick);
    connect(printButton, &QPushButton::clicked, this, &TForm5::PrintClick);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_configureButton);
    buttons->addStretch();
    buttons->addWidget(exportButton);
    buttons->addWidget(printButton);
    buttons->addWidget(closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(scroll, 1);
    layout->addLayout(buttons);
    resize(700, 560);
}

void TForm5::Draw(bool showTitle, bool showDefinitions)
{
    QString error;
    if (!m_composition.Draw(CurrentOutputSettings(), showTitle, showDefinitions, &error))
        ActivePrompt().error(error);
    m_picture->setPixmap(QPixmap::fromImage(m_composition.image()));
}

void TForm5::drawAsConfigured()
{
    const OutputSettings &settings = CurrentOutputSettings();
    Draw(settings.isOn("CheckBox7"), settings.isOn("CheckBox8"));
}

void TForm5::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    CurrentOutputSettings().Get(Puzzle.Infos);
    m_configureButton->setFocus();
    drawAsConfigured();
}

void TForm5::ConfigureClick()
{
    if (m_settingsDialog)
        m_settingsDialog->showOnPage(TForm6::Page::General);
    drawAsConfigured();
}

void TForm5::ExportClick()
{
    const std::optional<QString> fileName
            = ActivePrompt().saveFileName(pictureFilter, QStringLiteral("bmp"), m_documentFolder());
    if (!fileName)
        return;
    QString error;
    if (!ExportPicture(m_composition, *fileName, error))
        ActivePrompt().error(error);
}

void TForm5::PrintClick()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    printer.setDocName(printJobTitle(m_composition));
    if (!printComposition(m_composition, printer))
        ActivePrompt().error(QStringLiteral("Der Druck konnte nicht gestartet werden. Bitte "
                                            "Drucker und Druckausgabe prüfen."));
}

} // namespace gs
