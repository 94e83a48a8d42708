// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Beschleunigungskurven: create the window, raise its Load event, show it, answer events.

#include "app/grafersteseite.h"

#include <QApplication>
#include <QSysInfo>

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

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

// The path this program was started from, for the hint how to start it without a display:
// the executable itself where the system tells it, else what the caller typed.
std::string programPath(const char* typed)
{
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        return executable.string();
    }
    return typed != nullptr ? typed : "beschleunigungskurven";
}

} // namespace

int main(int argc, char** argv)
{
    if (!hasDisplay()) {
        std::fprintf(stderr,
                     "Beschleunigungskurven: keine grafische Anzeige (DISPLAY ist leer); ohne "
                     "Bildschirm so starten: xvfb-run -a %s\n",
                     programPath(argc > 0 ? argv[0] : nullptr).c_str());
        return 1;
    }
    QApplication application(argc, argv);
    app::GrafersteSeite window;
    window.load();
    window.show();
    return QApplication::exec();
}
