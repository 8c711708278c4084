#pragma once

#include <QDialog>

namespace gs {

// The insert-grid dialog: fills a rectangle of fields starting at the selected field.
class TForm2 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr);
};

} // namespace gs
