#pragma once

#include "core/puzzle.h"
#include "core/render.h"
#include "editor/boardviewport.h"
#include "editor/mainwindow.h"
#include "editor/sidepanel.h"
#include "support/clickbutton.h"
#include "support/scriptedprompt.h"
#include "support/testfiles.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace gs {

// The main window as the editor tests use it: a scripted prompt, the window with its dialogs,
// and the user's ways of driving it. Tests call create() in init() and destroy() in cleanup().
struct MainWindowFixture
{
    std::unique_ptr<ScriptedPrompt> prompt;
    std::unique_ptr<TForm1> form;

    void create()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        prompt = std::make_unique<ScriptedPrompt>();
        form = std::make_unique<TForm1>();
        form->createWindows();
        form->installAppMessage();
    }

    // Shows the window, waits for its first New (and startupFile) and gives the board the focus.
    void show(const QString &startupFile = QString())
    {
        form->setStartupFile(startupFile);
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTRY_COMPARE(form->windowTitle(), QString::fromUtf8(ProgramCaption));
        form->sidePanel()->focusKeySink();
    }

    void destroy()
    {
        Modified = false;
        form.reset();
        prompt.reset();
        NewPuzzle();
    }

    // The window's first T with text, or nullptr.
    template<typename T>
    T *withText(const QString &text) const
    {
        for (T *candidate : form->findChildren<T *>()) {
            if (candidate->text() == text)
                return candidate;
        }
        return nullptr;
    }
    QAction *action(const QString &text) const { return withText<QAction>(text); }

    template<typename T = QWidget>
    T *child(const QString &name) const
    {
        return form->findChild<T *>(name);
    }

    QCheckBox *checkBox(const QString &text) const { return withText<QCheckBox>(text); }

    QPoint viewportPoint(TPoint p) const
    {
        const TRect r = FieldRect(p);
        return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2) - form->viewport()->offset();
    }

    void click(TPoint p, Qt::MouseButton button = Qt::LeftButton) const
    {
        QTest::mouseClick(form->viewport(), button, Qt::NoModifier, viewportPoint(p));
    }

    static void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    }

    // Characters as the platform delivers them: key presses carrying the text.
    static void type(const QString &text, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, modifiers, QString(c));
            QApplication::sendEvent(QApplication::focusWidget(), &press);
        }
    }

    // Runs trigger; the modal window it opens is handed to inside and then closed unless inside
    // closed it. Returns the window's title, empty when none opened.
    static QString withModal(
            const std::function<void()> &trigger,
            const std::function<void(QWidget *)> &inside = [](QWidget *) {})
    {
        QString title;
        // The guard cancels the check when no modal window ran an event loop.
        const QObject guard;
        QTimer::singleShot(0, &guard, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            title = modal->windowTitle();
            inside(modal);
            if (modal->isVisible())
                modal->close();
        });
        trigger();
        return title;
    }
};

} // namespace gs
