#pragma once

#include <QDialog>

namespace gs {

// The about box "Info": product name, version and the maker's web address, which opens in the
// default browser.
class TForm10 : public QDialog
{
    Q_OBJECT
public:
    // The maker's web address.
    static const QString Website;

    explicit TForm10(QWidget *parent = nullptr);
};

} // namespace gs
