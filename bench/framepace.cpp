// Measures the real main window on a real display (run it under Xvfb): what a frame tick
// costs in the frame timer's slot including the repaint it causes, how many frames come
// per second, how much of a core the whole process uses, how long start-up takes to the
// first frame on screen, and how resident memory develops over long play.
//
//   porimogu_framepace pace SECONDS INTERVAL_MS waiting|playing
//   porimogu_framepace startup
//   porimogu_framepace memory SECONDS
//   porimogu_framepace music
//   porimogu_framepace baseline SECONDS INTERVAL_MS
//
// baseline is the floor under every figure: a bare widget of the play field's size whose
// timer only repaints one sprite-sized square per tick, through the same Qt and X server.
// Run in a folder holding game.bmp and game.mid. The music plays when a sound server
// is reachable (PULSE_SERVER) and the music item is checked, as in the game.
// Prints one line of "name=value" figures.
#include "dialogs/aboutbox.h"
#include "countingnew.h"
#include "dialogs/helpbox.h"
#include "window/mainform.h"
#include "audio/mediaplayer.h"
#include "dialogs/formutil.h"
#include "dialogs/topdlg.h"

#include <QApplication>
#include <QDir>
#include <QPaintEvent>
#include <QPainter>
#include <QDialog>
#include <QTimer>
#include <QWindow>

#include <sys/resource.h>
#include <execinfo.h>
#include <unistd.h>

#include <algorithm>
#include <memory>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace porimogu;

double Now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// Seconds since this process was started by the kernel (10 ms steps).
double SinceProcessStart()
{
    std::ifstream f("/proc/self/stat");
    std::string stat((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    const std::size_t close = stat.rfind(')');
    unsigned long long start = 0;
    if (close != std::string::npos) {
        // Field 22 (starttime) is the 20th after the command name.
        const char* p = stat.c_str() + close + 2;
        for (int field = 3; field < 22 && p; ++field) {
            p = std::strchr(p, ' ');
            if (p)
                ++p;
        }
        if (p)
            start = std::strtoull(p, nullptr, 10);
    }
    timespec t{};
    clock_gettime(CLOCK_BOOTTIME, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9 - double(start) / double(sysconf(_SC_CLK_TCK));
}

double CpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) * 1e-6;
}

// CPU seconds used so far by each thread of the process, by thread name.
std::map<std::string, double> ThreadCpuSeconds()
{
    std::map<std::string, double> out;
    const double hz = double(sysconf(_SC_CLK_TCK));
    for (const QString& task : QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        std::ifstream f(("/proc/self/task/" + task + "/stat").toStdString());
        std::string stat((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
        const std::size_t open = stat.find('(');
        const std::size_t close = stat.rfind(')');
        if (open == std::string::npos || close == std::string::npos)
            continue;
        std::istringstream rest(stat.substr(close + 2));
        std::string field;
        double ticks = 0;
        // Fields 14 and 15 (utime, stime) are the 12th and 13th after the name.
        for (int i = 3; i <= 15 && rest >> field; ++i)
            if (i >= 14)
                ticks += std::atof(field.c_str());
        out[stat.substr(open + 1, close - open - 1)] += ticks / hz;
    }
    return out;
}

double ResidentMegabytes()
{
    std::ifstream f("/proc/self/statm");
    long pages = 0, resident = 0;
    f >> pages >> resident;
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

double Percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0;
    const auto k = static_cast<std::size_t>(p * double(v.size() - 1));
    std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(k), v.end());
    return v[k];
}

// Times the frame timer's events and the window repaints that follow them.
class MeasuringApp : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        const bool tick = timer && receiver == timer && type == QEvent::Timer;
        const bool repaint = type == QEvent::UpdateRequest && form
                             && (receiver == form || receiver == form->windowHandle());
        const bool paint = !firstFrame && type == QEvent::Paint && form && receiver == form->PlayField;
        if (!tick && !repaint && !paint)
            return QApplication::notify(receiver, event);
        const double t0 = Now();
        const long long a0 = Allocations();
        // FRAMEPACE_TRACE_TICK=n prints where the allocations of measured tick n come from.
        const bool trace = measuring && traceTick >= 0 && long(ticks.size()) == traceTick;
        if (trace)
            g_allocationHook = &PrintAllocation;
        const bool result = QApplication::notify(receiver, event);
        g_allocationHook = nullptr;
        const double spent = Now() - t0;
        if (paint && !form->Buffers().Front().isNull())
            firstFrame = SinceProcessStart();
        if (measuring) {
            allocations += Allocations() - a0;
            if (tick) {
                ticks.push_back(spent);
            } else if (repaint && !ticks.empty()) {
                ticks.back() += spent;
                ++repaints;
            }
        }
        return result;
    }

    static void PrintAllocation(std::size_t size)
    {
        static bool inside = false;
        if (inside)
            return;
        inside = true;
        void* frames[24];
        const int n = backtrace(frames, 24);
        std::fprintf(stderr, "--- allocation of %zu bytes\n", size);
        backtrace_symbols_fd(frames, n, 2);
        inside = false;
    }

    TMainForm* form = nullptr;
    QTimer* timer = nullptr;
    long traceTick = std::getenv("FRAMEPACE_TRACE_TICK") ? std::atol(std::getenv("FRAMEPACE_TRACE_TICK")) : -1;
    bool measuring = false;
    double firstFrame = 0;
    std::vector<double> ticks;
    long long repaints = 0;
    long long allocations = 0;
};

// Closes every modal box that opens (the name entry and the top list at a game's end).
void AnswerBoxes(QObject* parent)
{
    auto* t = new QTimer(parent);
    t->setInterval(300);
    QObject::connect(t, &QTimer::timeout, [] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            if (auto* d = qobject_cast<QDialog*>(w))
                d->accept();
            else
                w->close();
        }
    });
    t->start();
}

// Starts a new game whenever the game waits, and keeps the player walking.
void KeepPlaying(TMainForm& form, QObject* parent)
{
    auto* t = new QTimer(parent);
    t->setInterval(500);
    QObject::connect(t, &QTimer::timeout, [&form] {
        Game& g = form.GameRules();
        g.KS1Click();  // starts a game only while the game waits
        static int turn = 0;
        const std::uint16_t keys[] = {vk::Right, vk::Down, vk::Left, vk::Up};
        for (std::uint16_t k : keys)
            g.FormKeyUp(k, 0);
        g.FormKeyDown(keys[turn++ % 4], 0);
    });
    t->start();
}

// Opening game.mid rendered by hand and through the sound server, and how soon the
// music reaches the server after a play or resume request.
int MeasureMusic()
{
    auto open = [](bool byHand) {
        MediaPlayerOptions o;
        o.renderByHand = byHand;
        auto p = std::make_unique<TMediaPlayer>(o);
        p->FileName = QStringLiteral("game.mid");
        const double t0 = Now();
        p->OpenMedia();
        return std::pair{std::move(p), Now() - t0};
    };
    std::printf("rss_before_open_mb=%.1f\n", ResidentMegabytes());
    double byHand = 0;
    {
        auto opened = open(true);
        byHand = opened.second;
        std::printf("rss_open_by_hand_mb=%.1f\n", ResidentMegabytes());
        opened.first->PlayMedia();
        opened.first->RenderSamples(44100 * 5);
        std::printf("rss_after_5s_mb=%.1f\n", ResidentMegabytes());
    }
    std::printf("rss_closed_mb=%.1f\n", ResidentMegabytes());
    auto [player, withOutput] = open(false);
    std::vector<double> starts;
    for (int i = 0; i < 10; ++i) {
        const long long before = player->OutputWrites();
        const double t0 = Now();
        if (i == 0)
            player->RewindMedia();
        player->PlayMedia();
        while (player->OutputWrites() == before && Now() - t0 < 2)
            usleep(100);
        starts.push_back(Now() - t0);
        usleep(300000);
        player->PauseMedia();
        usleep(100000);
    }
    std::printf("open_by_hand_ms=%.1f open_with_output_ms=%.1f output=%s play_to_first_write_ms_p50=%.2f max=%.2f\n",
                byHand * 1e3, withOutput * 1e3, qPrintable(player->AudioDriverName()), Percentile(starts, 0.5) * 1e3,
                *std::max_element(starts.begin(), starts.end()) * 1e3);
    return 0;
}

class Square : public QWidget {
public:
    Square() { setFixedSize(kFieldWidth, kFieldHeight); setAttribute(Qt::WA_OpaquePaintEvent); }
    int step = 0;

protected:
    void paintEvent(QPaintEvent* e) override
    {
        QPainter p(this);
        p.fillRect(e->rect(), (step & 1) ? Qt::darkGreen : Qt::darkBlue);
    }
};

int MeasureBaseline(double seconds, int interval)
{
    Square w;
    w.show();
    QTimer t;
    t.setTimerType(Qt::PreciseTimer);
    long long ticks = 0;
    QObject::connect(&t, &QTimer::timeout, [&] {
        ++w.step;
        ++ticks;
        w.update(QRect((w.step * 8) % 500, 100, 48, 48));
    });
    double cpu0 = 0, wall0 = 0;
    long long ticks0 = 0;
    QTimer::singleShot(2000, [&] {
        cpu0 = CpuSeconds();
        wall0 = Now();
        ticks0 = ticks;
    });
    QTimer::singleShot(int(2000 + seconds * 1000), [] { QApplication::quit(); });
    t.start(interval);
    QApplication::exec();
    const double wall = Now() - wall0;
    const double cpu = CpuSeconds() - cpu0;
    std::printf("baseline interval_ms=%d fps=%.1f cpu_percent=%.2f cpu_per_tick_us=%.0f\n", interval,
                double(ticks - ticks0) / wall, 100.0 * cpu / wall, cpu / double(ticks - ticks0) * 1e6);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "music") {
        QCoreApplication core(argc, argv);
        return MeasureMusic();
    }
    if (mode == "baseline") {
        QApplication bare(argc, argv);
        return MeasureBaseline(argc > 2 ? std::atof(argv[2]) : 10, argc > 3 ? std::atoi(argv[3]) : 40);
    }
    if (mode != "pace" && mode != "startup" && mode != "memory") {
        std::fprintf(stderr, "usage: %s pace SECONDS INTERVAL_MS waiting|playing | startup | memory SECONDS\n", argv[0]);
        return 2;
    }
    const double atMain = SinceProcessStart();
    MeasuringApp app(argc, argv);
    const double atApp = SinceProcessStart();
    InstallFontSubstitutions();
    Random clock;
    clock.SeedFromClock();

    // Boxes of a start-up without a sound server are answered too.
    if (mode != "startup")
        AnswerBoxes(&app);
    TMainForm form(clock.Seed());
    AboutBox = new TAboutBox(&form);
    HelpBox = new THelpBox(&form);
    TopDlg = new TTopDlg(&form);
    form.SetDialogs(AboutBox, HelpBox, TopDlg);
    const double atForm = SinceProcessStart();
    app.form = &form;
    app.timer = form.Timer1;
    form.show();
    form.activateWindow();

    const QString music = form.MediaPlayer() && form.MediaPlayer()->DeviceOpen()
                              ? form.MediaPlayer()->AudioDriverName()
                              : QStringLiteral("none");
    if (mode == "startup") {
        QTimer::singleShot(0, [&] {
            QTimer* poll = new QTimer(&app);
            QObject::connect(poll, &QTimer::timeout, [&] {
                if (app.firstFrame > 0)
                    QApplication::quit();
            });
            poll->start(1);
        });
        QApplication::exec();
        std::printf("first_frame_s=%.3f main_s=%.3f app_s=%.3f window_made_s=%.3f music=%s rss_mb=%.1f\n",
                    app.firstFrame, atMain, atApp, atForm, qPrintable(music), ResidentMegabytes());
        form.FormDestroy();
        return 0;
    }

    const double seconds = argc > 2 ? std::atof(argv[2]) : 10;
    if (mode == "memory") {
        std::printf("start rss_mb=%.1f\n", ResidentMegabytes());
        KeepPlaying(form, &app);
        QTimer sample;
        const double start = Now();
        QObject::connect(&sample, &QTimer::timeout, [&] {
            std::printf("t_s=%.0f rss_mb=%.1f state=%d\n", Now() - start, ResidentMegabytes(),
                        int(form.GameRules().State()));
            std::fflush(stdout);
        });
        sample.start(30000);
        QTimer::singleShot(int(seconds * 1000), [] { QApplication::quit(); });
        QApplication::exec();
        std::printf("end rss_mb=%.1f\n", ResidentMegabytes());
        form.FormDestroy();
        return 0;
    }

    const int interval = argc > 3 ? std::atoi(argv[3]) : 40;
    const bool playing = argc > 4 && std::string(argv[4]) == "playing";
    if (playing)
        KeepPlaying(form, &app);
    // Settle for two seconds (the first frame, a game started), then measure.
    double cpu0 = 0, wall0 = 0;
    std::map<std::string, double> threads0;
    long long writes0 = 0;
    QTimer::singleShot(2000, [&] {
        threads0 = ThreadCpuSeconds();
        writes0 = form.MediaPlayer()->OutputWrites();
        form.Timer1->setInterval(interval);
        app.measuring = true;
        cpu0 = CpuSeconds();
        wall0 = Now();
    });
    QTimer::singleShot(int(2000 + seconds * 1000), [] { QApplication::quit(); });
    QApplication::exec();
    app.measuring = false;
    const double wall = Now() - wall0;
    const double cpu = CpuSeconds() - cpu0;
    const double n = double(app.ticks.size());
    std::printf("interval_ms=%d state=%s music=%s fps=%.1f tick_p50_us=%.0f tick_p99_us=%.0f repaints=%lld "
                "cpu_percent=%.2f cpu_per_tick_us=%.0f allocs_per_tick=%.1f game_state=%d",
                interval, playing ? "playing" : "waiting", qPrintable(music), n / wall,
                Percentile(app.ticks, 0.5) * 1e6, Percentile(app.ticks, 0.99) * 1e6, app.repaints,
                100.0 * cpu / wall, n > 0 ? cpu / n * 1e6 : 0, n > 0 ? double(app.allocations) / n : 0,
                int(form.GameRules().State()));
    const double writes = double(form.MediaPlayer()->OutputWrites() - writes0) / wall;
    std::string perThread = " music_writes_per_s=" + std::to_string(writes).substr(0, 5);
    for (const auto& [name, used] : ThreadCpuSeconds()) {
        const double share = 100.0 * (used - threads0[name]) / wall;
        if (share > 0)
            perThread += " thread[" + name + "]=" + std::to_string(share).substr(0, 4) + "%";
    }
    std::printf("%s\n", perThread.c_str());
    form.FormDestroy();
    return 0;
}
