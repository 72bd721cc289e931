// Launches the editor and a minimal Qt Widgets program alternately, each until
// its window has painted, and compares the median wall-clock times.
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

    launch(dir + "startup_editor");   // warm the page cache for both
    launch(dir + "startup_minimal");
    std::vector<double> editor, minimal;
    for (int i = 0; i < runs; ++i) {
        editor.push_back(launch(dir + "startup_editor"));
        minimal.push_back(launch(dir + "startup_minimal"));
    }
    const double e = median(editor), m = median(minimal);
    std::printf("platform %s, %d launches each\n",
                std::getenv("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "default", runs);
    std::printf("minimal QMainWindow  %8.1f ms (median)\n", m);
    std::printf("VIRE Flash editor    %8.1f ms (median)\n", e);
    std::printf("ratio                %8.2f (goal: at most 1.2 on an X server, 1.5 offscreen)\n", e / m);
    return 0;
}
