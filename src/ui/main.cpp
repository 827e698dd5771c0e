#include "ui/MessageReporter.h"
#include "ui/ProgramLook.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorlex"));
    quorlex::ApplyProgramLook();

    quorlex::MessageBoxReporter reporter;
    quorlex::frmMain window(&reporter);
    QApplication::setWindowIcon(window.windowIcon());
    window.show();
    return QApplication::exec();
}
