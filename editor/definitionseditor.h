#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace gs {

// The definitions editor "Definitions-Editor": every clue number with its word and definition;
// the definitions are written one after another, the arrow keys walking through the list.
class TForm4 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm4(QWidget *parent = nullptr);

    // Closing, by "OK" or by the title bar, first takes over the definition being edited.
    void done(int result) override;

protected:
    // Every showing lists the numbers afresh.
    void showEvent(QShowEvent *event) override;
    // The definition field: up and down move through the list, leaving it takes the text over.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fillList();
    void showRow(QTreeWidgetItem *item);
    // The field's text becomes the definition of the selected row's number.
    void takeOverDefinition();
    void moveSelection(int step);

    QTreeWidget *m_list = nullptr;
    QLabel *m_word = nullptr;
    QLineEdit *m_definition = nullptr;
    QPushButton *m_ok = nullptr;
};

} // namespace gs
