#pragma once

#include <QDialog>

class QLabel;
class QListWidget;

namespace gs {

// The number dialog "Nummer einfügen": asks for the direction of a new clue number at the
// selected field and adds it.
class TForm3 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm3(QWidget *parent = nullptr);

    // Preselects "Horizontaler Pfeil" (0) or "Vertikaler Pfeil" (1) for the next showing.
    void setDirection(int direction);
    // "OK": adds the number; the dialog stays open when AddNumber refuses.
    void accept() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void updatePreview();

    QListWidget *m_directions = nullptr;
    QLabel *m_preview = nullptr;
};

} // namespace gs
