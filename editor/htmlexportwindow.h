#pragma once

#include <QDialog>
#include <QPointer>
#include <QUrl>

#include <functional>

namespace gs {

class TForm6;

// The HTML export window "HTML-Ausgabe": preview and saving of the interactive web page.
class TForm7 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm7(QWidget *parent = nullptr);

    // The configuration dialog that "Ausgabe konfigurieren" opens on its HTML page.
    void setSettingsDialog(TForm6 *dialog);
    // The export's file dialog starts in the folder that folder gives (empty: the one used last).
    void setDocumentFolder(std::function<QString()> folder)
    {
        m_documentFolder = std::move(folder);
    }
    // The preview page: "preview.htm" in the user's cache folder.
    static QString previewFileName();

protected:
    // Loads the document's output settings and shows a fresh preview.
    void showEvent(QShowEvent *event) override;

private:
    // Writes the preview file from the settings in effect and shows it; errors go to the prompt.
    void showPreview();
    // "Ausgabe konfigurieren": the settings dialog on its HTML page, then a fresh preview.
    void configure();
    // "Speichern": asks for a file name and writes the page there.
    void save();

    QPointer<TForm6> m_settingsDialog;
    std::function<QString()> m_documentFolder = [] { return QString(); };
    // Shows a page: in the embedded browser view, or in the desktop's browser where the build
    // has no browser view.
    std::function<void(const QUrl &)> m_showPage;
};

} // namespace gs
