#include "app/commandline.h"
#include "editor/dialogprompt.h"
#include "editor/mainwindow.h"

#include <QApplication>
#include <QFont>

int main(int argc, char *argv[])
{
    gs::CommandLine::showHelpIfAsked(argc, argv);

    QApplication application(argc, argv);
    // The compact face the panel layout is made for ("Arial" resolves to Liberation Sans).
    QApplication::setFont(QFont(QStringLiteral("Arial"), 9));
    const gs::CommandLine commandLine(application);

    gs::DialogPrompt prompt;
    gs::TForm1 mainWindow;
    mainWindow.createWindows();
    mainWindow.installAppMessage();
    mainWindow.setStartupFile(commandLine.fileName());
    mainWindow.show();
    return application.exec();
}
