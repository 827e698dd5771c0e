#include "ui/MessageReporter.h"
#include "ui/ProgramLook.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorlex"));
    // Lets the desktop match the window to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quorlex.Quorlex"));
    quorlex::ApplyProgramLook();

    quorlex::MessageBoxReporter reporter;
    quorlex::frmMain window(&reporter);
    QApplication::setWindowIcon(window.windowIcon());
    window.show();
    return QApplication::exec();
}
