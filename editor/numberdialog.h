#pragma once

#include <QDialog>

namespace gs {

// The number dialog: asks for the direction of a new clue number.
class TForm3 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm3(QWidget *parent = nullptr);
};

} // namespace gs
