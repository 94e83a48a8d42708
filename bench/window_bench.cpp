#include "app/grafersteseite.h"
#include "panels/graph_panel.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <benchmark/benchmark.h>

namespace {

// Notes when a widget has been painted.
class PaintWatcher : public QObject
{
public:
    explicit PaintWatcher(QWidget* widget) { widget->installEventFilter(this); }
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        painted = painted || event->type() == QEvent::Paint;
        return QObject::eventFilter(watched, event);
    }
};

// False when no frame came within a generous number of event rounds.
bool waitForPaint(const PaintWatcher& watcher)
{
    for (int round = 0; !watcher.painted; ++round) {
        if (round > 100000) {
            return false;
        }
        QCoreApplication::processEvents();
    }
    return true;
}

// A window with one button, constructed, shown and painted once: the floor for start-up.
bool startBareWindow()
{
    QWidget window;
    auto* button = new QPushButton(QStringLiteral("s"), &window);
    window.resize(331, 333);
    const PaintWatcher watcher(button);
    window.show();
    return waitForPaint(watcher);
}

// The program's start-up: create the window with all controls, Load, show, first frame.
bool startProgramWindow()
{
    app::GrafersteSeite window;
    const PaintWatcher watcher(&window.panel(3));
    window.load();
    window.show();
    return waitForPaint(watcher);
}

void BM_StartUpBareWindow(benchmark::State& state)
{
    for (auto _ : state) {
        if (!startBareWindow()) {
            state.SkipWithError("no frame painted");
            return;
        }
    }
}
BENCHMARK(BM_StartUpBareWindow)->Unit(benchmark::kMicrosecond);

void BM_StartUpProgramWindow(benchmark::State& state)
{
    for (auto _ : state) {
        if (!startProgramWindow()) {
            state.SkipWithError("no frame painted");
            return;
        }
    }
}
BENCHMARK(BM_StartUpProgramWindow)->Unit(benchmark::kMicrosecond);

// What the learner waits for: a new process that starts Qt, builds the window and paints its
// first frame, then ends. This binary runs itself with --single-start=bare or =program.
void runSingleStart(benchmark::State& state, const char* which)
{
    const QString program = QCoreApplication::applicationFilePath();
    const QStringList arguments = {QStringLiteral("--single-start=") + QLatin1String(which)};
    for (auto _ : state) {
        QProcess process;
        process.start(program, arguments);
        if (!process.waitForFinished(10000) || process.exitCode() != 0) {
            state.SkipWithError("the start-up process failed");
            return;
        }
    }
}

void BM_ProcessStartUpBareWindow(benchmark::State& state)
{
    runSingleStart(state, "bare");
}
BENCHMARK(BM_ProcessStartUpBareWindow)->Unit(benchmark::kMillisecond);

void BM_ProcessStartUpProgramWindow(benchmark::State& state)
{
    runSingleStart(state, "program");
}
BENCHMARK(BM_ProcessStartUpProgramWindow)->Unit(benchmark::kMillisecond);

// A click on "v" (a = 20: all 169 passes) until the panel's frame is painted.
void BM_ClickToPaintedFrame(benchmark::State& state)
{
    app::GrafersteSeite window;
    window.load();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("window not exposed");
        return;
    }
    auto* button = window.findChild<QPushButton*>(QStringLiteral("Command3"));
    const QPoint centre = button->mapTo(&window, button->rect().center());
    for (auto _ : state) {
        const PaintWatcher watcher(&window.panel(0));
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, centre);
        if (!waitForPaint(watcher)) {
            state.SkipWithError("no frame painted");
            return;
        }
    }
    if (!window.panel(0).hasCurves()) {
        state.SkipWithError("the click drew nothing");
    }
}
BENCHMARK(BM_ClickToPaintedFrame)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    const QString singleStart = QStringLiteral("--single-start=");
    if (argc == 2 && QString::fromLocal8Bit(argv[1]).startsWith(singleStart)) {
        const QString which = QString::fromLocal8Bit(argv[1]).mid(singleStart.size());
        const bool painted =
            which == QStringLiteral("bare") ? startBareWindow() : startProgramWindow();
        return painted ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
