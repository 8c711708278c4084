#include "app/commandline.h"
#include "editor/dialogprompt.h"
#include "editor/mainwindow.h"
#include "editor/qttranslation.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

int main(int argc, char *argv[])
{
    const gs::CommandLine commandLine(argc, argv);
    switch (commandLine.task()) {
    case gs::CommandLine::Task::Edit:
        break;
    case gs::CommandLine::Task::ExportImage: {
        // Text needs fonts, so a graphical application; it needs no display.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        const QGuiApplication application(argc, argv);
        return commandLine.run();
    }
    default: {
        const QCoreApplication application(argc, argv);
        return commandLine.run();
    }
    }

    QApplication application(argc, argv);
    gs::InstallQtTranslation();
    // The compact face the panel layout is made for ("Arial" resolves to Liberation Sans).
    QApplication::setFont(QFont(QStringLiteral("Arial"), 9));
    // The menu entry's icon on every window; Wayland finds it through the desktop file's name.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/gitterstern.svg")));
    QApplication::setDesktopFileName(QStringLiteral(GS_APP_ID));

    gs::DialogPrompt prompt;
    gs::TForm1 mainWindow;
    mainWindow.createWindows();
    mainWindow.installAppMessage();
    mainWindow.setStartupFile(gs::CommandLine::fileName(application));
    mainWindow.show();
    return application.exec();
}
