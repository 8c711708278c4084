#pragma once

#include <QDialog>

#include <string_view>

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace gs {

class ColorPanel;

// The output configuration dialog "Ausgabe konfigurieren": it edits the settings in effect
// (CurrentOutputSettings), so the output windows see every change at once; "OK" also stores
// them in the puzzle. Each control is named by its setting's key.
class TForm6 : public QDialog
{
    Q_OBJECT
public:
    // The two pages of the dialog.
    enum class Page { General, Html };

    explicit TForm6(QWidget *parent = nullptr);

    // Shows the dialog modally on page, after loading the puzzle's settings; true when it was
    // confirmed with "OK".
    bool showOnPage(Page page);

    // The controls from the settings in effect, with the enabling rules applied.
    void loadControls();

private:
    QWidget *createGeneralPage();
    QWidget *createHtmlPage();
    QCheckBox *addSwitch(std::string_view key, const QString &caption);
    QLineEdit *addEdit(std::string_view key);
    ColorPanel *addColor(QGridLayout *grid, int row, std::string_view key, const QString &caption);
    void applyEnabling();
    void OKClick();
    void StandardClick();

    QTabWidget *m_pages = nullptr;
    QPushButton *m_okButton = nullptr;
};

} // namespace gs
