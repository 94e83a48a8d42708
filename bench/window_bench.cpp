// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/grafersteseite.h"
#include "content/window_layout.h"
#include "panels/arial_font.h"
#include "panels/graph_panel.h"
#include "panels/panel_board.h"
#include "panels/panel_label.h"
#include "winsys/recording_error_reporter.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

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

using Clock = std::chrono::steady_clock;

// Time from constructing a window to the end of its first painted frame, or nothing when no
// frame came. The window's destruction afterwards is not counted.
using StartTime = std::optional<Clock::duration>;

StartTime timeUntilPainted(Clock::time_point begin, const PaintWatcher& watcher)
{
    if (!waitForPaint(watcher)) {
        return std::nullopt;
    }
    return Clock::now() - begin;
}

// A window with one button: the floor for start-up.
StartTime startBareWindow()
{
    const Clock::time_point begin = Clock::now();
    QWidget window;
    auto* button = new QPushButton(QStringLiteral("s"), &window);
    window.resize(331, 333);
    const PaintWatcher watcher(button);
    window.show();
    return timeUntilPainted(begin, watcher);
}

// The program's start-up: create the window with all controls, Load, show, first frame.
StartTime startProgramWindow()
{
    const Clock::time_point begin = Clock::now();
    app::GrafersteSeite window;
    const PaintWatcher watcher(&window.board().panel(3));
    window.load();
    window.show();
    return timeUntilPainted(begin, watcher);
}

// The fonts alone, from an empty font database: what the bare window's button needs, and what
// the program's first frame needs (the desktop font, the controls' and the shown panel's).
// Qt sets up fonts one at a time under one lock, so no window can start faster than its fonts.
StartTime loadFonts(Clock::time_point begin, const std::vector<QFont>& fonts)
{
    for (const QFont& font : fonts) {
        QFontMetrics(font).capHeight();
    }
    return Clock::now() - begin;
}

StartTime loadBareFonts()
{
    return loadFonts(Clock::now(), {QApplication::font()});
}

StartTime loadProgramFonts()
{
    const Clock::time_point begin = Clock::now(); // the Arial lookup fills the font database
    std::vector<QFont> fonts{QApplication::font(), panels::tickFont(), panels::captionFont()};
    for (const content::ControlEntry& entry : content::graphButtons) {
        fonts.push_back(panels::arialFont(entry.fontPixels));
    }
    for (const content::ControlEntry& entry :
         {content::command5, content::label17, content::text1, content::command6}) {
        fonts.push_back(panels::arialFont(entry.fontPixels));
    }
    return loadFonts(begin, fonts);
}

double seconds(Clock::duration duration)
{
    return std::chrono::duration<double>(duration).count();
}

// Builds and paints the window again and again in this process, with fonts and glyphs cached.
void runWarmStarts(benchmark::State& state, StartTime (*start)())
{
    for (auto _ : state) {
        const StartTime time = start();
        if (!time) {
            state.SkipWithError("no frame painted");
            return;
        }
        state.SetIterationTime(seconds(*time));
    }
}

void BM_StartUpBareWindow(benchmark::State& state)
{
    runWarmStarts(state, startBareWindow);
}
BENCHMARK(BM_StartUpBareWindow)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_StartUpProgramWindow(benchmark::State& state)
{
    runWarmStarts(state, startProgramWindow);
}
BENCHMARK(BM_StartUpProgramWindow)->UseManualTime()->Unit(benchmark::kMicrosecond);

// What the learner waits for. A fresh process builds one window, with fonts and glyph caches
// still cold, and prints the nanoseconds from constructing the window to its first painted
// frame; this binary runs itself with --single-start=bare or =program for that (=bare-fonts and
// =program-fonts time the fonts alone).
struct SingleStart
{
    bool ok = false;
    double windowSeconds = 0;
    double processSeconds = 0;
};

SingleStart runSingleStart(const char* which)
{
    QProcess process;
    const Clock::time_point begin = Clock::now();
    process.start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("--single-start=") + QLatin1String(which)});
    const bool finished = process.waitForFinished(10000);
    const Clock::duration wholeProcess = Clock::now() - begin;
    bool parsed = false;
    const double nanoseconds = process.readAllStandardOutput().trimmed().toDouble(&parsed);
    SingleStart result;
    result.ok = finished && process.exitCode() == 0 && parsed;
    result.windowSeconds = nanoseconds * 1e-9;
    result.processSeconds = seconds(wholeProcess);
    return result;
}

// Alternates a bare and a program start in fresh processes. The reported time is the program
// window's construction to first frame; "ratio" divides it by the bare window's, and
// "process_ratio" does the same for the whole process from launch to exit. "font_floor_ratio" is
// the least ratio the program's fonts allow: the bare window plus the program's extra font set-up.
void BM_FirstStartUpInNewProcess(benchmark::State& state)
{
    double bare = 0;
    double program = 0;
    double bareProcess = 0;
    double programProcess = 0;
    double extraFonts = 0;
    for (auto _ : state) {
        const SingleStart bareStart = runSingleStart("bare");
        const SingleStart programStart = runSingleStart("program");
        const SingleStart bareFonts = runSingleStart("bare-fonts");
        const SingleStart programFonts = runSingleStart("program-fonts");
        if (!bareStart.ok || !programStart.ok || !bareFonts.ok || !programFonts.ok) {
            state.SkipWithError("a start-up process failed");
            return;
        }
        state.SetIterationTime(programStart.windowSeconds);
        bare += bareStart.windowSeconds;
        program += programStart.windowSeconds;
        bareProcess += bareStart.processSeconds;
        programProcess += programStart.processSeconds;
        extraFonts += programFonts.windowSeconds - bareFonts.windowSeconds;
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["bare_us"] = bare / iterations * 1e6;
    state.counters["ratio"] = program / bare;
    state.counters["process_ms"] = programProcess / iterations * 1e3;
    state.counters["process_ratio"] = programProcess / bareProcess;
    state.counters["font_floor_ratio"] = (bare + extraFonts) / bare;
}
BENCHMARK(BM_FirstStartUpInNewProcess)->UseManualTime()->Unit(benchmark::kMicrosecond);

// Load and show, as the program starts; false (and the benchmark skipped) when the window is
// never exposed.
bool startUpExposed(app::GrafersteSeite& window, benchmark::State& state)
{
    window.load();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("window not exposed");
        return false;
    }
    return true;
}

// A click on "v" (a = 20: all 169 passes) until the panel's frame is painted.
void BM_ClickToPaintedFrame(benchmark::State& state)
{
    app::GrafersteSeite window;
    if (!startUpExposed(window, state)) {
        return;
    }
    auto* button = window.findChild<QPushButton*>(QStringLiteral("Command3"));
    const QPoint centre = button->mapTo(&window, button->rect().center());
    for (auto _ : state) {
        const PaintWatcher watcher(&window.board().panel(0));
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, centre);
        if (!waitForPaint(watcher)) {
            state.SkipWithError("no frame painted");
            return;
        }
    }
    if (!window.board().panel(0).hasCurves()) {
        state.SkipWithError("the click drew nothing");
    }
}
BENCHMARK(BM_ClickToPaintedFrame)->Unit(benchmark::kMicrosecond);

// A megabyte of digits in Text1, then a click on "s": the text is rejected, put back and
// quoted shortened in the message, and the run plots with the kept value.
void BM_LeaveText1HoldingAMegabyte(benchmark::State& state)
{
    std::vector<std::string> messages;
    app::GrafersteSeite window(std::make_unique<winsys::RecordingErrorReporter>(messages));
    if (!startUpExposed(window, state)) {
        return;
    }
    auto* text1 = window.findChild<QLineEdit*>(QStringLiteral("Text1"));
    auto* command1 = window.findChild<QPushButton*>(QStringLiteral("Command1"));
    const QString megabyte(1 << 20, QLatin1Char('7'));
    for (auto _ : state) {
        state.PauseTiming();
        text1->setFocus();
        text1->setText(megabyte);
        state.ResumeTiming();
        QTest::mouseClick(command1, Qt::LeftButton);
    }
    if (messages.size() != static_cast<std::size_t>(state.iterations()) ||
        text1->text() != QStringLiteral("20")) {
        state.SkipWithError("the text was not rejected and put back");
    }
}
BENCHMARK(BM_LeaveText1HoldingAMegabyte)->Unit(benchmark::kMillisecond);

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
        const std::map<QString, StartTime (*)()> starts{
            {QStringLiteral("bare"), startBareWindow},
            {QStringLiteral("program"), startProgramWindow},
            {QStringLiteral("bare-fonts"), loadBareFonts},
            {QStringLiteral("program-fonts"), loadProgramFonts}};
        const auto start = starts.find(which);
        const StartTime time = start != starts.end() ? start->second() : std::nullopt;
        if (!time) {
            return 1;
        }
        const auto nanoseconds = std::chrono::duration_cast<std::chrono::nanoseconds>(*time);
        std::printf("%lld\n", static_cast<long long>(nanoseconds.count()));
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
