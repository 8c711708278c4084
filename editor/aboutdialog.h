#pragma once

#include <QDialog>

namespace gs {

// The about box.
class TForm10 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm10(QWidget *parent = nullptr);
};

} // namespace gs
