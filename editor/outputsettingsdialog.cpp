#include "editor/outputsettingsdialog.h"

#include "core/cp1252.h"
#include "core/prompt.h"
#include "core/puzzle.h"
#include "editor/codepagevalidator.h"
#include "editor/colorpanel.h"
#include "editor/undohistory.h"
#include "output/outputsettings.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace gs {

namespace {

const QString pictureFilter = QStringLiteral(
        "Alle (*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf)|*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf;*.gif"
        "|JPEG-Grafikdatei (*.jpg)|*.jpg|JPEG-Grafikdatei (*.jpeg)|*.jpeg|Bitmaps (*.bmp)|*.bmp"
        "|Symbole (*.ico)|*.ico|Erweiterte Metadateien (*.emf)|*.emf|Metadateien (*.wmf)|*.wmf"
        "|GIF-Dateien (*.gif)|*.gif");

QString objectKey(std::string_view key)
{
    return QString::fromLatin1(key.data(), qsizetype(key.size()));
}

QGroupBox *group(const QString &title, QLayout *layout)
{
    auto *box = new QGroupBox(title);
    box->setLayout(layout);
    return box;
}

QLabel *label(const QString &text)
{
    return new QLabel(text);
}

} // namespace

TForm6::TForm6(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Ausgabe konfigurieren"));
    m_pages = new QTabWidget;
    m_pages->addTab(createGeneralPage(), QStringLiteral(" Allgemein && Bildausgabe  "));
    m_pages->addTab(createHtmlPage(), QStringLiteral("HTML-Ausgabe"));

    auto *standard = new QPushButton(QStringLiteral("Standard"));
    connect(standard, &QPushButton::clicked, this, &TForm6::StandardClick);
    auto *buttons = new QDialogButtonBox;
    m_okButton = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    m_okButton->setDefault(true);
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &TForm6::OKClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *top = new QHBoxLayout;
    top->addStretch();
    top->addWidget(standard);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_pages, 1);
    layout->addWidget(buttons);
    resize(584, 454);

    CurrentOutputSettings().SetStandardValues();
    loadControls();
}

QWidget *TForm6::createGeneralPage()
{
    auto *general = new QGridLayout;
    general->addWidget(label(QStringLiteral("Überschrift:")), 0, 0);
    general->addWidget(addEdit("Edit12"), 0, 1);
    general->addWidget(addSwitch("CheckBox7", QStringLiteral("Anzeigen")), 0, 2);
    general->addWidget(label(QStringLiteral("Definitionen:")), 1, 0);
    general->addWidget(addSwitch("CheckBox8", QStringLiteral("Anzeigen")), 1, 2);

    auto *columns = new QSpinBox;
    columns->setObjectName(objectKey("SpinEdit1"));
    columns->setRange(1, 4);
    connect(columns, &QSpinBox::valueChanged, this, [](int value) {
        CurrentOutputSettings().setSpin("SpinEdit1", value);
    });
    auto *definitions = new QGridLayout;
    definitions->addWidget(addSwitch("CheckBox4", QStringLiteral("In Tabelle")), 0, 0, 1, 2);
    definitions->addWidget(label(QStringLiteral("Spalten:")), 1, 0);
    definitions->addWidget(columns, 1, 1);
    definitions->setColumnStretch(2, 1);

    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(group(QStringLiteral("Allgemeines"), general));
    layout->addWidget(group(QStringLiteral("Definitionen"), definitions));
    layout->addStretch();
    return page;
}

QWidget *TForm6::createHtmlPage()
{
    auto *lines = new QHBoxLayout;
    lines->addWidget(addSwitch("CheckBox2", QStringLiteral("Linien")));
    lines->addWidget(label(QStringLiteral("Höhe:")));
    lines->addWidget(addEdit("Edit14"));
    lines->addStretch();
    lines->addWidget(addSwitch("CheckBox3", QStringLiteral("Überschrift in Box")));

    auto *interaction = new QGridLayout;
    interaction->addWidget(
            addSwitch("CheckBox1", QStringLiteral("Auf Website lösbar")), 0, 0, 1, 3);
    interaction->addWidget(addSwitch("CheckBox5", QStringLiteral("Prüfbutton")), 1, 0);
    interaction->addWidget(label(QStringLiteral("Text:")), 1, 1);
    interaction->addWidget(addEdit("Edit1"), 1, 2);
    interaction->setColumnMinimumWidth(2, 140);
    interaction->addWidget(addSwitch("CheckBox6", QStringLiteral("Lösungsbutton")), 2, 0);
    interaction->addWidget(label(QStringLiteral("Text:")), 2, 1);
    interaction->addWidget(addEdit("Edit2"), 2, 2);
    interaction->addWidget(label(QStringLiteral("Satz bei gelöstem Rätsel:")), 3, 0, 1, 3);
    interaction->addWidget(addEdit("Edit3"), 4, 0, 1, 3);
    interaction->addWidget(label(QStringLiteral("Satz bei fehlerhaftem Rätsel:")), 5, 0, 1, 3);
    interaction->addWidget(addEdit("Edit4"), 6, 0, 1, 3);

    auto *colors = new QGridLayout;
    colors->addWidget(label(QStringLiteral("HTML-Farben mit Rechtsklick")), 0, 0, 1, 4);
    addColor(colors, 1, "Panel1", QStringLiteral("Hintergrund:"));
    addColor(colors, 2, "Panel3", QStringLiteral("Feldfarbe:"));
    addColor(colors, 3, "Panel4", QStringLiteral("Überschriftfarbe:"));
    addColor(colors, 4, "Panel5", QStringLiteral("Feldhintergrund:"));
    addColor(colors, 5, "Panel6", QStringLiteral("Überschrifthintergrund:"));
    addColor(colors, 6, "Panel7", QStringLiteral("Definitionsfarbe:"));
    addColor(colors, 7, "Panel8", QStringLiteral("Definitionshintergrund:"));
    addColor(colors, 8, "Panel2", QStringLiteral("Lösungsfeldfarbe:"));
    auto *browse = new QPushButton(QStringLiteral("..."));
    browse->setFixedWidth(25);
    QLineEdit *picture = addEdit("Edit5");
    picture->setMinimumWidth(120);
    connect(browse, &QPushButton::clicked, this, [picture] {
        const std::optional<QString> name
                = ActivePrompt().openFileName(pictureFilter, {}, picture->text());
        if (name && !fitsCodePage(*name)) {
            ActivePrompt().error(QStringLiteral("Der Dateiname %1 enthält Zeichen, die der "
                                                "Zeichensatz Windows-1252 nicht kennt. Die "
                                                "Einstellung „Hintergrundbild:“ bleibt, wie sie "
                                                "ist.")
                                         .arg(*name));
        } else if (name) {
            picture->setText(*name);
            CurrentOutputSettings().setText("Edit5", fromQString(*name));
        }
    });
    auto *pictureRow = new QHBoxLayout;
    pictureRow->addWidget(picture);
    pictureRow->addWidget(browse);
    colors->addWidget(label(QStringLiteral("Hintergrundbild:")), 9, 0);
    colors->addLayout(pictureRow, 9, 1);

    auto *positions = new QGridLayout;
    const auto position = [&](int row, const QString &caption, std::string_view key) {
        positions->addWidget(label(caption), row, 0);
        positions->addWidget(addEdit(key), row, 1);
    };
    position(0, QStringLiteral("Platz über Feldern:"), "Edit6");
    position(1, QStringLiteral("Platz über/unter Buttons:"), "Edit7");
    position(2, QStringLiteral("Überschrift:"), "Edit8");
    positions->addWidget(addEdit("Edit10"), 2, 2);
    position(3, QStringLiteral("Einrückung Buttons:"), "Edit9");
    position(4, QStringLiteral("Linker Rand:"), "Edit13");
    position(5, QStringLiteral("Def.-Verlängerung (rechts):"), "Edit11");

    auto *letters = new QVBoxLayout;
    letters->addWidget(addSwitch("CheckBox9", QStringLiteral("Grafik-Bögen als GIF-Datei")));

    auto *left = new QVBoxLayout;
    left->addWidget(group(QStringLiteral("Interaktivität"), interaction));
    left->addWidget(group(QStringLiteral("Positionen"), positions));
    left->addStretch();
    auto *right = new QVBoxLayout;
    right->addWidget(group(QStringLiteral("Farben"), colors));
    right->addWidget(group(QStringLiteral("Lösungswortbuchstaben"), letters));
    right->addStretch();
    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addLayout(right, 2);

    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(lines);
    layout->addLayout(columns, 1);
    return page;
}

QCheckBox *TForm6::addSwitch(std::string_view key, const QString &caption)
{
    auto *box = new QCheckBox(caption);
    box->setObjectName(objectKey(key));
    connect(box, &QCheckBox::toggled, this, [this, key](bool on) {
        CurrentOutputSettings().setOn(key, on);
        applyEnabling();
    });
    return box;
}

QLineEdit *TForm6::addEdit(std::string_view key)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(objectKey(key));
    edit->setMaxLength(255);
    edit->setValidator(new CodePageValidator(edit));
    connect(edit, &QLineEdit::textEdited, this, [key](const QString &text) {
        CurrentOutputSettings().setText(key, fromQString(text));
    });
    if (OutputSettings::find(key)->kind == SettingKind::Number) {
        edit->setFixedWidth(60);
        // Leaving a number edit with text that is no integer brings back the default.
        connect(edit, &QLineEdit::editingFinished, this, [edit, key] {
            if (CurrentOutputSettings().number(key))
                return;
            const std::string standard = OutputSettings::find(key)->standard;
            CurrentOutputSettings().setText(key, standard);
            edit->setText(toQString(standard));
        });
    }
    return edit;
}

ColorPanel *
TForm6::addColor(QGridLayout *grid, int row, std::string_view key, const QString &caption)
{
    auto *panel = new ColorPanel;
    panel->setObjectName(objectKey(key));
    connect(panel, &ColorPanel::colorChosen, this, [key](TColor color) {
        CurrentOutputSettings().setColor(key, color);
    });
    grid->addWidget(label(caption), row, 0);
    grid->addWidget(panel, row, 1);
    return panel;
}

void TForm6::loadControls()
{
    const OutputSettings &settings = CurrentOutputSettings();
    for (const SettingDefinition &definition : settingDefinitions()) {
        const std::string_view key = definition.key;
        QWidget *control = findChild<QWidget *>(objectKey(key));
        const QSignalBlocker blocker(control);
        switch (definition.kind) {
        case SettingKind::Switch:
            static_cast<QCheckBox *>(control)->setChecked(settings.isOn(key));
            break;
        case SettingKind::Text:
        case SettingKind::Number:
            static_cast<QLineEdit *>(control)->setText(toQString(settings.text(key)));
            break;
        case SettingKind::Spin:
            static_cast<QSpinBox *>(control)->setValue(settings.spin(key));
            break;
        case SettingKind::Color:
            static_cast<ColorPanel *>(control)->setColor(settings.color(key));
            break;
        }
    }
    applyEnabling();
}

void TForm6::applyEnabling()
{
    const auto enable = [this](const char *key, bool on) {
        findChild<QWidget *>(QLatin1String(key))->setEnabled(on);
    };
    const bool solvable = CurrentOutputSettings().isOn("CheckBox1");
    for (const char *key : {"CheckBox5", "Edit1", "CheckBox6", "Edit2", "Edit3", "Edit4"})
        enable(key, solvable);
    enable("Edit14", CurrentOutputSettings().isOn("CheckBox2"));
}

bool TForm6::showOnPage(Page page)
{
    m_pages->setCurrentIndex(page == Page::General ? 0 : 1);
    CurrentOutputSettings().Get(Puzzle.Infos);
    loadControls();
    m_okButton->setFocus();
    return exec() == QDialog::Accepted;
}

void TForm6::OKClick()
{
    UndoStep step(windowTitle());
    Puzzle.Infos = CurrentOutputSettings().Make();
    Modified = true;
    accept();
}

void TForm6::StandardClick()
{
    CurrentOutputSettings().SetStandardValues();
    loadControls();
}

} // namespace gs
