#include "AppIdentity.h"
#include "MainForm.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    velmora::identifyApplication();

    // Data is read from Dictionary/ and Images/ in the working folder.
    velmora::MainForm form;
    form.startUp(); // the dictionary is loaded, with its prompts, before the window shows
    form.show();
    return QApplication::exec();
}
