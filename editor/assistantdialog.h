#pragma once

#include <QDialog>

namespace gs {

// The puzzle assistant: fits a list of words into the board.
class TForm9 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm9(QWidget *parent = nullptr);
};

} // namespace gs
