#include "app/commandline.h"
#include "editor/dialogprompt.h"
#include "editor/mainwindow.h"
#include "editor/qttranslation.h"

#include <QApplication>
#include <QFont>

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

    gs::DialogPrompt prompt;
    gs::TForm1 mainWindow;
    mainWindow.createWindows();
    mainWindow.installAppMessage();
    mainWindow.setStartupFile(gs::CommandLine::fileName(application));
    mainWindow.show();
    return application.exec();
}
