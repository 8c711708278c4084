#pragma once

#include <QDialog>

namespace gs {

// The HTML export window: preview and saving of the interactive web page.
class TForm7 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm7(QWidget *parent = nullptr);
};

} // namespace gs
