// Launches the editor and two small Qt Widgets programs in turn, each until its
// window has painted, and compares the median wall-clock times: a bare window
// that shows no text, and the same with a menu bar and a label.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char **environ;

namespace {

double launch(const std::string &program)
{
    char *argv[] = {const_cast<char *>(program.c_str()), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ) != 0) {
        std::perror(program.c_str());
        std::exit(2);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", program.c_str());
        std::exit(2);
    }
    return std::chrono::duration<double, std::milli>(end - start).count();
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    const std::string dir = std::string(argv[0]).substr(0, std::string(argv[0]).rfind('/') + 1);
    const int runs = argc > 1 ? std::atoi(argv[1]) : 21;
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);

    const char *const programs[] = {"startup_editor", "startup_minimal", "startup_label"};
    for (const char *program : programs)   // warm the page cache for all
        launch(dir + program);
    std::vector<double> times[3];
    for (int i = 0; i < runs; ++i)
        for (int p = 0; p < 3; ++p)
            times[p].push_back(launch(dir + programs[p]));
    const double e = median(times[0]), m = median(times[1]), l = median(times[2]);
    std::printf("platform %s, %d launches each\n",
                std::getenv("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "default", runs);
    std::printf("bare QMainWindow           %8.1f ms (median)\n", m);
    std::printf("with a menu bar and label  %8.1f ms (median)\n", l);
    std::printf("VIRE Flash editor          %8.1f ms (median)\n", e);
    std::printf("ratio to the bare window   %8.2f (goal: at most 1.2 on an X server, 1.5 offscreen)\n", e / m);
    std::printf("ratio to menu bar + label  %8.2f\n", e / l);
    return 0;
}
