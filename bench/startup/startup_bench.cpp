// Start-up benchmark: starts each command on the X display in $DISPLAY (an
// Xvfb), and measures the time from its start to its first window being
// mapped, to that window's first non-blank frame, and its resident memory a
// moment later. Commands run interleaved (A B A B ...), one warm-up round,
// then the rounds that count; it prints medians, ranges and ratios.
//
// Usage: vornix_startup_bench [--rounds N] NAME=COMMAND [NAME=COMMAND ...]
// The first program is compared with each of the others.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kWindowTimeout = std::chrono::seconds(20);
constexpr auto kSettleBeforeMemory = std::chrono::milliseconds(500);

struct Program {
    std::string name;
    std::string command;
};

struct Run {
    double map_ms;
    double frame_ms;
    double resident_mib;
};

double milliseconds_since(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

pid_t start(const std::string& command) {
    const pid_t pid = fork();
    if (pid == 0) {
        setpgid(0, 0);
        execl("/bin/sh", "sh", "-c", ("exec " + command).c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

void stop(pid_t pid) {
    kill(-pid, SIGTERM);
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
}

// The process's resident memory plus that of its children, in MiB.
double resident_mib(pid_t pid) {
    double kib = 0;
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            kib += std::strtod(line.c_str() + 6, nullptr);
        }
    }
    std::ifstream children("/proc/" + std::to_string(pid) + "/task/" + std::to_string(pid) +
                           "/children");
    for (pid_t child = 0; children >> child;) {
        kib += resident_mib(child) * 1024;
    }
    return kib / 1024;
}

std::optional<Window> wait_for_map(Display* display, Clock::time_point deadline) {
    while (Clock::now() < deadline) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect) {
                return event.xmap.window;
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return std::nullopt;
}

// True once the window shows more than one colour.
bool painted(Display* display, Window window) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable) {
        return false;
    }
    XImage* image =
        XGetImage(display, window, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
    if (image == nullptr) {
        return false;
    }
    const unsigned long first = XGetPixel(image, 0, 0);
    bool varied = false;
    for (int y = 0; y < image->height && !varied; y += 2) {
        for (int x = 0; x < image->width && !varied; x += 2) {
            varied = XGetPixel(image, x, y) != first;
        }
    }
    XDestroyImage(image);
    return varied;
}

int ignore_x_errors(Display*, XErrorEvent*) {
    return 0;
}

std::optional<Run> measure(Display* display, const Program& program) {
    XSync(display, True);
    const Clock::time_point begin = Clock::now();
    const pid_t pid = start(program.command);
    const auto deadline = begin + kWindowTimeout;
    const std::optional<Window> window = wait_for_map(display, deadline);
    std::optional<Run> run;
    if (window) {
        const double map_ms = milliseconds_since(begin);
        while (Clock::now() < deadline && !painted(display, *window)) {
            std::this_thread::sleep_for(std::chrono::microseconds(500));
        }
        const double frame_ms = milliseconds_since(begin);
        std::this_thread::sleep_for(kSettleBeforeMemory);
        run = Run{map_ms, frame_ms, resident_mib(pid)};
    }
    stop(pid);
    return run;
}

struct Summary {
    double median;
    double low;
    double high;
};

Summary summarise(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return {median, values.front(), values.back()};
}

std::string cell(const Summary& s) {
    char text[64];
    std::snprintf(text, sizeof text, "%8.1f  %7.1f-%-7.1f", s.median, s.low, s.high);
    return text;
}

} // namespace

int main(int argc, char** argv) {
    int rounds = 20;
    std::vector<Program> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--rounds" && i + 1 < argc) {
            rounds = std::max(1, std::atoi(argv[++i]));
        } else if (const auto equals = argument.find('='); equals != std::string::npos) {
            programs.push_back({argument.substr(0, equals), argument.substr(equals + 1)});
        }
    }
    Display* display = XOpenDisplay(nullptr);
    if (programs.empty() || display == nullptr) {
        std::fprintf(stderr, "usage: DISPLAY=:N %s [--rounds N] NAME=COMMAND ...\n", argv[0]);
        return 2;
    }
    XSetErrorHandler(ignore_x_errors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);

    std::vector<std::vector<Run>> runs(programs.size());
    for (int round = 0; round <= rounds; ++round) { // round 0 warms the caches
        for (std::size_t p = 0; p < programs.size(); ++p) {
            const std::optional<Run> run = measure(display, programs[p]);
            if (!run) {
                std::fprintf(stderr, "%s showed no window\n", programs[p].name.c_str());
                return 1;
            }
            if (round > 0) {
                runs[p].push_back(*run);
            }
        }
    }

    std::printf("%d rounds after a warm-up, interleaved; median and min-max\n", rounds);
    std::printf("%-12s %-26s %-26s %-26s\n", "program", "window mapped (ms)", "first frame (ms)",
                "resident memory (MiB)");
    std::vector<Summary> frame(programs.size()), memory(programs.size());
    for (std::size_t p = 0; p < programs.size(); ++p) {
        std::vector<double> map_ms, frame_ms, mib;
        for (const Run& run : runs[p]) {
            map_ms.push_back(run.map_ms);
            frame_ms.push_back(run.frame_ms);
            mib.push_back(run.resident_mib);
        }
        frame[p] = summarise(frame_ms);
        memory[p] = summarise(mib);
        std::printf("%-12s %-26s %-26s %-26s\n", programs[p].name.c_str(),
                    cell(summarise(map_ms)).c_str(), cell(frame[p]).c_str(),
                    cell(memory[p]).c_str());
    }
    for (std::size_t p = 1; p < programs.size(); ++p) {
        std::printf("ratio %s / %s: first frame %.2f, memory %.2f\n", programs[0].name.c_str(),
                    programs[p].name.c_str(), frame[0].median / frame[p].median,
                    memory[0].median / memory[p].median);
    }
    XCloseDisplay(display);
    return 0;
}
