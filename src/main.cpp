// Start-up: creates the application, registers the analysis windows and shows
// the switchboard. The program ends when the switchboard closes.
#include "log/frmMainLog.h"
#include "shell/app_windows.h"
#include "shell/frmSwitchboard.h"
#include "snag/frmMainSnag.h"

#include <QApplication>

using namespace Qt::StringLiterals;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Vernalt"_s);
    QApplication::setOrganizationName(u"Vernalt"_s);

    vernalt::registerAnalysisWindows([] { return new vernalt::frmMainLog; },
                                     [] { return new vernalt::frmMainSnag; });
    vernalt::Main();
    QObject::connect(vernalt::gSwitchboard.data(), &QObject::destroyed, &app,
                     &QCoreApplication::quit);
    return QApplication::exec();
}
