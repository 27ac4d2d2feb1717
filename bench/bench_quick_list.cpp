// SPDX-License-Identifier: GPL-3.0-or-later
// The quick-access list and the main window over a history of sample entries (100,000 unless --entries=N),
// offscreen: opening them, one search keystroke, a capture while the list is shown, and scrolling a page.
#include "SampleHistory.h"
#include "app/AppContext.h"
#include "platform/fake/FakePlatform.h"
#include "platform/fake/FakeScheduler.h"
#include "platform/qt/QtDispatcher.h"
#include "store/HistoryPacker.h"
#include "store/HistoryStore.h"
#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"
#include "store/StringListFiles.h"
#include "ui/AlertPresenter.h"
#include "ui/lists/ListSearch.h"
#include "ui/lists/QuickListView.h"
#include "ui/main/ClipboardPane.h"
#include "ui/main/MainWindowContent.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>

using namespace tavrin;

namespace {

int g_entries = 100000;

double msSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// CPU time of the calling thread: what a step costs the GUI thread, without the time other threads and
// processes held the core.
double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// The real thread hand-off, with the GUI-thread CPU time of the tasks handed back added up: that is the cost
// of applying background results.
class TimedDispatcher final : public Dispatcher {
public:
    void runInBackground(Lane lane, QObject *context, Job job) override
    {
        m_qt.runInBackground(lane, context, [this, job = std::move(job)]() -> Task {
            Task followUp = job();
            if (!followUp)
                return {};
            return timed(std::move(followUp));
        });
    }
    double mainMs = 0;

private:
    Task timed(Task task)
    {
        return [this, task = std::move(task)] {
            const double start = threadCpuMs();
            task();
            mainMs += threadCpuMs() - start;
        };
    }

    QtDispatcher m_qt;
};

// A program with the sample history loaded and the list in a window of its own.
struct Program {
    QTemporaryDir dir;
    TimedDispatcher *dispatcher = nullptr;
    std::unique_ptr<AppContext> context;
    Program()
    {
        auto platform = std::make_unique<FakePlatform>();
        FakeScheduler *clock = platform->fakeScheduler;
        auto timed = std::make_unique<TimedDispatcher>();
        dispatcher = timed.get();
        platform->dispatcher = std::move(timed);
        auto settings = std::make_unique<SettingsStore>();
        const QString file = dir.filePath(QStringLiteral("history.plist"));
        writeStringListAtPath(file, bench::sampleHistory(g_entries));
        settings->setString(keys::historyPath, file);
        context = std::make_unique<AppContext>(std::move(platform), std::move(settings));
        context->history().loadHistory();
        // Searched and drawn as the program has it a moment after its start: with its older texts packed.
        while (context->packer().isPacking()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            clock->advance(HistoryPacker::kRetryDelay);
        }
    }
    ~Program()
    {
        context->history().waitForWrites();
        context.reset();
    }
};

struct ListWindow {
    QWidget window;
    QuickListView *vc;
    explicit ListWindow(Program &program) : vc(new QuickListView(program.context->viewServices(), &window))
    {
        auto *layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(vc);
        window.setGeometry(1000, 40, QuickListView::kViewWidth, QuickListView::kMaximumViewHeight);
    }
    // Shown and drawn: the events of the showing, then a complete paint of the window.
    void showAndPaint()
    {
        window.show();
        QCoreApplication::processEvents();
        window.repaint();
    }
    // The rows below the first screens are laid out in slices between events: runs them all.
    void finishLayout()
    {
        QListView *view = vc->listView();
        const int expected = view->model()->rowCount() * 40 - view->viewport()->height();
        while (view->verticalScrollBar()->maximum() < expected)
            QCoreApplication::processEvents();
    }
};

Program *g_program = nullptr;

Program &program()
{
    return *g_program;
}

// The first opening: the list made, its set-up (the history saved once, the monitor started), shown and drawn.
// Also reported: the time until every row is laid out (the scroll bar spans the whole list).
void BM_OpenList_First(benchmark::State &state)
{
    Program &p = program();
    double laidOut = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        ListWindow list(p);
        list.showAndPaint();
        state.PauseTiming();
        list.finishLayout();
        laidOut = std::max(laidOut, msSince(start));
        list.window.hide();
        p.context->history().waitForWrites();
        state.ResumeTiming();
    }
    state.counters["all_laid_out_max_ms"] = laidOut;
}

// Opening it again from the tray or the shortcut.
void BM_OpenList_Again(benchmark::State &state)
{
    Program &p = program();
    ListWindow list(p);
    list.showAndPaint();
    p.context->history().waitForWrites();
    for (auto _ : state) {
        state.PauseTiming();
        list.window.hide();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        list.showAndPaint();
    }
}

void sendKey(QWidget *field, int key, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(field, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(field, &release);
}

// Typing a word into a search field, then deleting it letter by letter. For each keystroke: the GUI thread's CPU
// time for the key event (filtering small lists at once, or handing large ones to the worker), the same in wall
// time, the GUI-thread CPU time of applying results that came from the worker, the wall time until its first
// results are drawn (those of the newest entries, or all of them), and until all its results are drawn.
void runSearchKeystrokes(benchmark::State &state, const char *word, QLineEdit *field, const ListSearch &search,
                         QWidget *viewport)
{
    Program &p = program();
    const QString text = QString::fromUtf8(word);
    struct Stat {
        double max = 0, total = 0;
        void add(double ms)
        {
            max = std::max(max, ms);
            total += ms;
        }
    } keyCpu, keyWall, applyCpu, firstShown, shown;
    qint64 keystrokes = 0;
    std::chrono::steady_clock::time_point start;
    bool firstDrawn = false;
    // Drawn as the view would on the results' arrival, to time the first step of a search done in two.
    const QMetaObject::Connection drawn = QObject::connect(&search, &ListSearch::resultsReady, viewport, [&] {
        if (firstDrawn)
            return;
        viewport->repaint();
        firstShown.add(msSince(start));
        firstDrawn = true;
    });
    auto keystroke = [&](int key, const QString &typed) {
        p.dispatcher->mainMs = 0;
        firstDrawn = false;
        start = std::chrono::steady_clock::now();
        const double cpuStart = threadCpuMs();
        sendKey(field, key, typed);
        keyCpu.add(threadCpuMs() - cpuStart);
        keyWall.add(msSince(start));
        while (search.isPending())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        viewport->repaint();
        shown.add(msSince(start));
        if (!firstDrawn)
            firstShown.add(msSince(start));
        applyCpu.add(p.dispatcher->mainMs);
        ++keystrokes;
    };
    for (auto _ : state) {
        for (QChar c : text)
            keystroke(Qt::Key_A + (c.toUpper().unicode() - u'A'), QString(c));
        for (qsizetype i = 0; i < text.size(); ++i)
            keystroke(Qt::Key_Backspace, QString());
    }
    const auto n = double(keystrokes);
    state.counters["key_cpu_max_ms"] = keyCpu.max;
    state.counters["key_cpu_mean_ms"] = keyCpu.total / n;
    state.counters["key_wall_max_ms"] = keyWall.max;
    state.counters["apply_cpu_max_ms"] = applyCpu.max;
    state.counters["apply_cpu_mean_ms"] = applyCpu.total / n;
    QObject::disconnect(drawn);
    state.counters["first_shown_max_ms"] = firstShown.max;
    state.counters["first_shown_mean_ms"] = firstShown.total / n;
    state.counters["shown_max_ms"] = shown.max;
    state.counters["shown_mean_ms"] = shown.total / n;
}

void BM_SearchKeystrokes(benchmark::State &state, const char *word)
{
    Program &p = program();
    ListWindow list(p);
    list.showAndPaint();
    p.context->history().waitForWrites();
    runSearchKeystrokes(state, word, list.vc->searchField(), list.vc->search(), list.vc->listView()->viewport());
}

// A capture while the list is shown: the entry inserted, the list's follow-up, and the redraw.
void BM_CaptureWhileShown(benchmark::State &state)
{
    Program &p = program();
    ListWindow list(p);
    list.showAndPaint();
    list.finishLayout();
    HistoryStore &history = p.context->history();
    history.waitForWrites();
    for (auto _ : state) {
        history.insertCaptured(QStringLiteral("captured while the list is shown"));
        list.vc->showHistoryMode();
        list.vc->reloadData();
        list.vc->listView()->viewport()->repaint();
        state.PauseTiming();
        history.removeItem(0);
        history.waitForWrites();
        state.ResumeTiming();
    }
}

// Scrolling one page down and drawing it.
void BM_ScrollPage(benchmark::State &state)
{
    Program &p = program();
    ListWindow list(p);
    list.showAndPaint();
    p.context->history().waitForWrites();
    list.finishLayout();
    QScrollBar *bar = list.vc->listView()->verticalScrollBar();
    for (auto _ : state) {
        bar->setValue(bar->value() + bar->pageStep() > bar->maximum() ? 0 : bar->value() + bar->pageStep());
        list.vc->listView()->viewport()->repaint();
    }
}

// The main window with its sidebar and Clipboard pane over the same history.
struct MainWindowView {
    QWidget window;
    MainWindowContent *content;
    explicit MainWindowView(Program &program) : content(new MainWindowContent(program.context->viewServices(), &window))
    {
        auto *layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(content);
        window.setGeometry(100, 40, 880, 560);
    }
    void showAndPaint()
    {
        window.show();
        QCoreApplication::processEvents();
        window.repaint();
    }
};

// "Manage Clipboard" the first time: the sidebar and the Clipboard pane made over the history, shown and drawn.
void BM_OpenMainWindow_First(benchmark::State &state)
{
    Program &p = program();
    for (auto _ : state) {
        MainWindowView view(p);
        view.showAndPaint();
        state.PauseTiming();
        view.window.hide();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

// Opening it again after it was closed.
void BM_OpenMainWindow_Again(benchmark::State &state)
{
    Program &p = program();
    MainWindowView view(p);
    view.showAndPaint();
    for (auto _ : state) {
        state.PauseTiming();
        view.window.hide();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        view.showAndPaint();
    }
}

void BM_MainWindowSearchKeystrokes(benchmark::State &state, const char *word)
{
    Program &p = program();
    MainWindowView view(p);
    view.showAndPaint();
    ClipboardPane *pane = view.content->clipboardPane();
    runSearchKeystrokes(state, word, pane->searchField(), pane->search(), pane->listView()->viewport());
}

}  // namespace

BENCHMARK(BM_OpenList_First)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_OpenList_Again)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchKeystrokes, meeting, "meeting")->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(BM_SearchKeystrokes, report, "report")->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(BM_SearchKeystrokes, e, "e")->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_CaptureWhileShown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScrollPage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenMainWindow_First)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_OpenMainWindow_Again)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MainWindowSearchKeystrokes, meeting, "meeting")->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(BM_MainWindowSearchKeystrokes, e, "e")->Unit(benchmark::kMillisecond)->Iterations(20);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    // What the benchmark library left: our own size argument.
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg.startsWith("--entries=") && arg.mid(10).toInt() > 0) {
            g_entries = arg.mid(10).toInt();
            std::copy(argv + i + 1, argv + argc, argv + i);
            --argc;
            --i;
        }
    }
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    Program sample;  // goes before the application object
    g_program = &sample;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
