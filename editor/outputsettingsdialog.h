#pragma once

#include <QDialog>

namespace gs {

// The output configuration dialog: title, parts shown, colours and texts of the exports.
class TForm6 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm6(QWidget *parent = nullptr);
};

} // namespace gs
