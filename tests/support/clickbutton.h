#pragma once

#include <QPushButton>
#include <QTest>

namespace gs {

// Clicks the push button of window with text; fails the test when there is none.
inline void clickButton(const QWidget *window, const QString &text)
{
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        if (button->text() == text)
            return button->click();
    }
    QFAIL(qPrintable(QStringLiteral("no button ") + text));
}

} // namespace gs
