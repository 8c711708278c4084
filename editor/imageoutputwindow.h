#pragma once

#include <QDialog>

namespace gs {

// The image output window: the puzzle as a picture file or print job.
class TForm5 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm5(QWidget *parent = nullptr);
};

} // namespace gs
