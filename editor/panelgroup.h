#pragma once

#include <QGroupBox>

namespace gs {

// A group frame of the side panel, laid out with the panel's compact spacing.
class PanelGroup : public QGroupBox
{
    Q_OBJECT
public:
    explicit PanelGroup(const QString &title, QWidget *parent = nullptr);

    void setGroupLayout(QLayout *layout);
};

} // namespace gs
