#include "Measure.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <malloc.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

long statusKilobytes(const char* field)
{
    FILE* fp = fopen("/proc/self/status", "r");
    if (!fp)
        return -1;
    char line[256];
    long value = -1;
    size_t length = strlen(field);
    while (fgets(line, sizeof line, fp))
        if (strncmp(line, field, length) == 0 && line[length] == ':')
            value = atol(line + length + 1);
    fclose(fp);
    return value;
}

std::string self()
{
    char path[4096];
    ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return std::string();
    return std::string(path, (size_t)length);
}

} // namespace

double cpuSeconds()
{
    timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return (double)t.tv_sec + (double)t.tv_nsec * 1e-9;
}

long minorFaults()
{
    rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

void settleHeap()
{
    // A request above the small-block range makes glibc merge the freed
    // blocks that wait in its fast lists, as the next load's first large
    // request (opendir's buffer) would do inside the timing.
    free(malloc(64 * 1024));
}

int oneLoadMain(const char* kindName, const char* root)
{
    PassKind kind;
    if (!passFromName(kindName, &kind)) {
        fprintf(stderr, "kivbench: unknown pass %s\n", kindName);
        return 2;
    }
    Installation installation = Installation::find(root);
    Pass pass(kind, installation);
    PassFigures f;
    long residentBefore = statusKilobytes("VmRSS");
    long faultsBefore = minorFaults();
    double start = cpuSeconds();
    bool ok = pass.run();
    f.seconds = cpuSeconds() - start;
    f.minorFaults = minorFaults() - faultsBefore;
    f.peakBytes = (statusKilobytes("VmHWM") - residentBefore) * 1024;
    start = cpuSeconds();
    pass.destroy();
    f.destroySeconds = cpuSeconds() - start;
    if (!ok)
        return 1;
    printf("%.9f %.9f %ld %ld\n", f.seconds, f.destroySeconds, f.peakBytes, f.minorFaults);
    return 0;
}

bool passInFreshProcess(PassKind kind, const std::string& root, PassFigures* figures)
{
    std::string program = self();
    int pipeFds[2];
    if (program.empty() || pipe(pipeFds) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeFds[1]);
    std::string kindName = passName(kind);
    char* argv[] = {program.data(), const_cast<char*>("--one-load"), kindName.data(), const_cast<char*>(root.c_str()),
                    nullptr};
    pid_t child;
    int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        return false;
    }
    char output[256];
    ssize_t length = 0;
    for (ssize_t n; (n = read(pipeFds[0], output + length, sizeof output - 1 - length)) > 0;)
        length += n;
    output[length > 0 ? length : 0] = 0;
    close(pipeFds[0]);
    int status;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return false;
    PassFigures f;
    if (sscanf(output, "%lf %lf %ld %ld", &f.seconds, &f.destroySeconds, &f.peakBytes, &f.minorFaults) != 4)
        return false;
    *figures = f;
    return true;
}
