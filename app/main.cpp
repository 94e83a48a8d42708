// Beschleunigungskurven: create the window, raise its Load event, show it, answer events.

#include "app/grafersteseite.h"

#include <QApplication>
#include <QSysInfo>

#include <cstdio>

namespace {

// Qt aborts without a display; say how to run without one instead. Windows always has its
// desktop; X11 and Wayland are named by the environment.
bool hasDisplay()
{
    if (QSysInfo::kernelType() == QLatin1String("winnt")) {
        return true;
    }
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb") && !platform.startsWith("wayland")) {
        return true;
    }
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char** argv)
{
    if (!hasDisplay()) {
        std::fputs("Beschleunigungskurven: keine grafische Anzeige (DISPLAY ist leer); ohne "
                   "Bildschirm so starten: xvfb-run -a build/bin/beschleunigungskurven\n",
                   stderr);
        return 1;
    }
    QApplication application(argc, argv);
    app::GrafersteSeite window;
    window.load();
    window.show();
    return QApplication::exec();
}
