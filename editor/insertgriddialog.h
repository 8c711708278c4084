#pragma once

#include <QDialog>

class QCheckBox;
class QSpinBox;

namespace gs {

// The insert-grid dialog "Gitter einfügen": fills a rectangle of fields starting at the
// selected field.
class TForm2 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr);

    // "OK": inserts the grid; the dialog stays open when it would leave the editing area.
    void accept() override;

protected:
    // Every showing starts from 2 x 2 empty fields.
    void showEvent(QShowEvent *event) override;

private:
    QSpinBox *m_rows = nullptr;
    QSpinBox *m_cols = nullptr;
    QCheckBox *m_blocks = nullptr;
};

} // namespace gs
