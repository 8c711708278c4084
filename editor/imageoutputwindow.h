#pragma once

#include "output/imagecomposition.h"

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;

namespace gs {

class TForm6;

// The image output window "Bildausgabe": the composed picture of the puzzle, exported to a
// file or printed.
class TForm5 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm5(QWidget *parent = nullptr);

    // The configuration dialog that "Ausgabe konfigurieren" opens.
    void setSettingsDialog(TForm6 *dialog) { m_settingsDialog = dialog; }
    // The export's file dialog starts in the folder that folder gives (empty: the one used last).
    void setDocumentFolder(std::function<QString()> folder)
    {
        m_documentFolder = std::move(folder);
    }

    // Composes the picture with the settings in effect and shows it.
    void Draw(bool showTitle, bool showDefinitions);
    const ImageComposition &composition() const { return m_composition; }

    // The buttons.
    void ConfigureClick();
    void ExportClick();
    void PrintClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Draw with the two "Anzeigen" settings.
    void drawAsConfigured();

    ImageComposition m_composition;
    TForm6 *m_settingsDialog = nullptr;
    std::function<QString()> m_documentFolder = [] { return QString(); };
    QLabel *m_picture = nullptr;
    QPushButton *m_configureButton = nullptr;
};

} // namespace gs
