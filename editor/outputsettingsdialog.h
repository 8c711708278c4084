#pragma once

#include <QDialog>

namespace gs {

// The output configuration dialog: title, parts shown, colours and texts of the exports.
class TForm6 : public QDialog
{
    Q_OBJECT
public:
    // The two pages of the dialog.
    enum class Page { General, Html };

    explicit TForm6(QWidget *parent = nullptr);

    // Shows the dialog modally on page; true when it was confirmed with "OK".
    bool showOnPage(Page page);
};

} // namespace gs
