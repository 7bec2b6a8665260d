// Times programs from process start to their first window mapped and painted
// on an X server, and reads their peak resident memory once the window is up.
//
//   startup_probe [--runs N] [--warmup N] [--settle MS] NAME=PROGRAM...
//
// The first NAME is the floor that the others are compared with. Runs of the
// programs take turns, so that a change in the machine's load falls on all
// of them alike. The probe watches the root window: a new top-level window
// gets a Damage object as soon as it is created, its MapNotify marks
// "mapped", and the first damage to it after that (the program drawing
// into it) marks "painted".
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <dirent.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Ms = std::chrono::duration<double, std::milli>;

constexpr auto LaunchTimeout = std::chrono::seconds(20);

struct Program
{
    std::string name;
    std::string path;
    std::vector<double> paintedMs, mappedMs, cpuMs, hwmKiB, rssKiB;
};

struct Launch
{
    double mappedMs = 0;
    double paintedMs = 0;
    double cpuMs = 0;
    long hwmKiB = 0;
    long rssKiB = 0;
};

[[noreturn]] void fail(const std::string &message)
{
    std::fprintf(stderr, "startup_probe: %s\n", message.c_str());
    std::exit(1);
}

long statusField(pid_t pid, const char *field)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    const std::string prefix = std::string(field) + ":";
    while (std::getline(status, line)) {
        if (line.rfind(prefix, 0) == 0)
            return std::strtol(line.c_str() + prefix.size(), nullptr, 10);
    }
    return -1;
}

// Processor time of all the live threads of a process, from the scheduler's
// own count in nanoseconds: unlike wall time, it hardly changes with the
// machine's load.
double cpuMs(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    double ns = 0;
    if (DIR *dir = opendir(tasks.c_str())) {
        while (const dirent *entry = readdir(dir)) {
            if (entry->d_name[0] == '.')
                continue;
            std::ifstream schedstat(tasks + "/" + entry->d_name + "/schedstat");
            double onCpu = 0;
            if (schedstat >> onCpu)
                ns += onCpu;
        }
        closedir(dir);
    }
    return ns / 1e6;
}

class Probe
{
public:
    Probe()
    {
        m_conn = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_conn))
            fail("cannot connect to the X server in DISPLAY");
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_conn)).data->root;

        const xcb_query_extension_reply_t *damage = xcb_get_extension_data(m_conn, &xcb_damage_id);
        if (!damage || !damage->present)
            fail("the X server has no DAMAGE extension");
        m_damageEvent = damage->first_event + XCB_DAMAGE_NOTIFY;
        free(xcb_damage_query_version_reply(
            m_conn, xcb_damage_query_version(m_conn, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
            nullptr));

        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_conn, m_root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(m_conn);
    }

    ~Probe() { xcb_disconnect(m_conn); }

    // language, when not empty, is the LANGUAGE the program starts with.
    Launch launch(const std::string &path, const std::string &language, std::chrono::milliseconds settle)
    {
        m_watched.clear();
        std::optional<Clock::time_point> mapped, painted;

        const Clock::time_point start = Clock::now();
        const pid_t pid = fork();
        if (pid < 0)
            fail("fork failed");
        if (pid == 0) {
            if (!language.empty())
                setenv("LANGUAGE", language.c_str(), 1);
            execl(path.c_str(), path.c_str(), static_cast<char *>(nullptr));
            std::_Exit(127);
        }

        while (!painted) {
            if (Clock::now() - start > LaunchTimeout) {
                kill(pid, SIGKILL);
                waitpid(pid, nullptr, 0);
                fail(path + " showed no painted window in time");
            }
            int status = 0;
            if (waitpid(pid, &status, WNOHANG) == pid)
                fail(path + " ended before its window was painted");
            waitForEvents(std::chrono::milliseconds(50));
            while (xcb_generic_event_t *event = xcb_poll_for_event(m_conn)) {
                const auto now = Clock::now();
                handle(event, now, mapped, painted);
                free(event);
            }
        }
        const double cpuAtPaint = cpuMs(pid);

        // Let the program settle (it may still be finishing its first
        // frame), then read its memory.
        const auto until = Clock::now() + settle;
        while (Clock::now() < until) {
            waitForEvents(std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now()));
            while (xcb_generic_event_t *event = xcb_poll_for_event(m_conn))
                free(event);
        }
        Launch result;
        result.mappedMs = Ms(*mapped - start).count();
        result.paintedMs = Ms(*painted - start).count();
        result.cpuMs = cpuAtPaint;
        result.hwmKiB = statusField(pid, "VmHWM");
        result.rssKiB = statusField(pid, "VmRSS");

        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        for (const auto &[window, damage] : m_watched)
            xcb_damage_destroy(m_conn, damage);
        xcb_flush(m_conn);
        drain();
        return result;
    }

private:
    void waitForEvents(std::chrono::milliseconds timeout)
    {
        pollfd fd{xcb_get_file_descriptor(m_conn), POLLIN, 0};
        poll(&fd, 1, int(std::max<long>(0, timeout.count())));
    }

    void drain()
    {
        free(xcb_get_input_focus_reply(m_conn, xcb_get_input_focus(m_conn), nullptr));
        while (xcb_generic_event_t *event = xcb_poll_for_event(m_conn))
            free(event);
    }

    void handle(xcb_generic_event_t *event, Clock::time_point now,
                std::optional<Clock::time_point> &mapped, std::optional<Clock::time_point> &painted)
    {
        const uint8_t type = event->response_type & 0x7f;
        if (type == 0)
            return; // an error, e.g. a Damage for a window already gone
        if (type == XCB_CREATE_NOTIFY) {
            // Watched from creation on, so that no drawing after the map
            // can slip past.
            const auto *create = reinterpret_cast<xcb_create_notify_event_t *>(event);
            const xcb_damage_damage_t damage = xcb_generate_id(m_conn);
            xcb_damage_create(m_conn, damage, create->window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            xcb_flush(m_conn);
            m_watched[create->window] = damage;
        } else if (type == XCB_MAP_NOTIFY) {
            const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
            if (!mapped && m_watched.count(map->window)) {
                mapped = now;
                m_mappedWindow = map->window;
            }
        } else if (type == m_damageEvent) {
            const auto *damage = reinterpret_cast<xcb_damage_notify_event_t *>(event);
            if (mapped && !painted && damage->drawable == m_mappedWindow)
                painted = now;
        }
    }

    xcb_connection_t *m_conn = nullptr;
    xcb_window_t m_root = 0;
    uint8_t m_damageEvent = 0;
    xcb_window_t m_mappedWindow = 0;
    std::map<xcb_window_t, xcb_damage_damage_t> m_watched;
};

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

void printTable(const char *title, const std::vector<Program> &programs,
                std::vector<double> Program::*figures, int decimals)
{
    std::printf("%s\n  %-12s %10s %10s %10s %10s\n", title, "program", "median", "min", "max",
                "vs floor");
    const double floor = median(programs.front().*figures);
    for (const Program &p : programs) {
        const auto &v = p.*figures;
        std::printf("  %-12s %10.*f %10.*f %10.*f %9.2fx\n", p.name.c_str(), decimals, median(v),
                    decimals, *std::min_element(v.begin(), v.end()), decimals,
                    *std::max_element(v.begin(), v.end()), median(v) / floor);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    int runs = 9;
    int warmup = 2;
    int settleMs = 500;
    std::vector<Program> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else if (arg == "--warmup" && i + 1 < argc)
            warmup = std::max(0, std::atoi(argv[++i]));
        else if (arg == "--settle" && i + 1 < argc)
            settleMs = std::max(0, std::atoi(argv[++i]));
        else if (const auto eq = arg.find('='); eq != std::string::npos && eq > 0)
            programs.push_back({arg.substr(0, eq), arg.substr(eq + 1), {}, {}, {}, {}, {}});
        else
            fail("usage: startup_probe [--runs N] [--warmup N] [--settle MS] NAME[@LANGUAGE]=PROGRAM...");
    }
    if (programs.empty())
        fail("no program given");

    Probe probe;
    for (int run = 0; run < warmup + runs; ++run) {
        for (Program &p : programs) {
            const std::string language = p.name.find('@') == std::string::npos ? "" : p.name.substr(p.name.find('@') + 1);
            const Launch l = probe.launch(p.path, language, std::chrono::milliseconds(settleMs));
            if (run < warmup)
                continue;
            p.paintedMs.push_back(l.paintedMs);
            p.mappedMs.push_back(l.mappedMs);
            p.cpuMs.push_back(l.cpuMs);
            p.hwmKiB.push_back(double(l.hwmKiB));
            p.rssKiB.push_back(double(l.rssKiB));
        }
    }

    std::printf("%d runs of each program after %d warm-up runs, taking turns\n", runs, warmup);
    printTable("Process start to the first window painted, ms:", programs, &Program::paintedMs, 1);
    printTable("Process start to the first window mapped, ms:", programs, &Program::mappedMs, 1);
    printTable("Processor time of the program up to its first paint, ms:", programs,
               &Program::cpuMs, 1);
    char title[160];
    std::snprintf(title, sizeof title, "Peak resident memory (VmHWM) %d ms after the first paint, KiB:",
                  settleMs);
    printTable(title, programs, &Program::hwmKiB, 0);
    std::printf("Resident memory (VmRSS) at the same moment, KiB:\n");
    for (const Program &p : programs)
        std::printf("  %-12s %10.0f\n", p.name.c_str(), median(p.rssKiB));
    // One line per program for scripts.
    for (const Program &p : programs)
        std::printf("startup name=%s painted_ms=%.2f cpu_ms=%.2f hwm_kib=%.0f\n", p.name.c_str(),
                    median(p.paintedMs), median(p.cpuMs), median(p.hwmKiB));
    return 0;
}
