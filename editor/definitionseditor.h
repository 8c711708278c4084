#pragma once

#include <QDialog>

namespace gs {

// The definitions editor: the clue text of every number.
class TForm4 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm4(QWidget *parent = nullptr);
};

} // namespace gs
