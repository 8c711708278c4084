#pragma once

#include "core/boardfield.h"
#include "editor/panelgroup.h"

class QCheckBox;
class QLineEdit;

namespace gs {

// Group " Feldeigenschaften ": the separators, the block flag and the solution-letter number of
// the selected field. Every change of a control, by the user or by the program, is written into
// the selected field at once.
class FieldPropertiesGroup : public PanelGroup
{
    Q_OBJECT
public:
    explicit FieldPropertiesGroup(QWidget *parent = nullptr);

    // The controls take the field's values; those that differ run their change handlers.
    void showField(const TBoardField &field);
    // "Feld zu Block"
    void invertBlock();
    QString solutionNumberText() const;
    void setSolutionNumberText(const QString &text);

signals:
    // A board field was dropped on the solution-number field.
    void fieldDropped();

protected:
    // Undo and redo keys in the solution-number field go to the editor's history, not to the
    // field's own text undo.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QCheckBox *borderBox(const QString &text, bool TBoardField::*border);
    void onBorderToggled(bool TBoardField::*border, bool on);
    void onBlockToggled(bool on);
    void onSolutionNumberChanged(const QString &text);

    QCheckBox *m_borderTop = nullptr;
    QCheckBox *m_borderLeft = nullptr;
    QCheckBox *m_borderRight = nullptr;
    QCheckBox *m_borderBottom = nullptr;
    QCheckBox *m_block = nullptr;
    QLineEdit *m_solutionNumber = nullptr;
};

} // namespace gs
