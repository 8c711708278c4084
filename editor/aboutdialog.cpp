#include "editor/aboutdialog.h"

#include "core/puzzle.h"
#include "editor/dialogbuttons.h"
#include "editor/editoricons.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QUrl>
#include <QVBoxLayout>

namespace gs {

const QString TForm10::Website = QStringLiteral("https://gitterstern.example.org");

namespace {

QLabel *boldLabel(const QString &text, int pointSize = 0)
{
    auto *label = new QLabel(text);
    QFont font = label->font();
    font.setBold(true);
    if (pointSize > 0) {
        font.setFamily(QStringLiteral("Arial"));
        font.setPointSize(pointSize);
    }
    label->setFont(font);
    return label;
}

} // namespace

TForm10::TForm10(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Info"));

    auto *icon = new QLabel;
    icon->setPixmap(EditorIcons::application().pixmap(32, 32));
    auto *link = boldLabel(QStringLiteral("<a href=\"%1\" style=\"color:#0000ff;"
                                          "text-decoration:none\">%1</a>")
                                   .arg(Website));
    link->setObjectName(QStringLiteral("website"));
    link->setCursor(Qt::PointingHandCursor);
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    connect(link, &QLabel::linkActivated, this, [](const QString &url) {
        QDesktopServices::openUrl(QUrl(url));
    });

    auto *panel = new QFrame;
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    auto *grid = new QGridLayout(panel);
    grid->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(boldLabel(QStringLiteral("Gitterstern"), 14), 0, 1, 1, 2);
    grid->addWidget(
            new QLabel(QStringLiteral("Version ") + QString::fromUtf8(ProgramVersion)), 1, 1, 1, 2);
    grid->addWidget(boldLabel(QStringLiteral("Website:")), 2, 1);
    grid->addWidget(link, 2, 2);
    grid->setColumnStretch(2, 1);

    QDialogButtonBox *buttons = okCancelButtons(this, false);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace gs
