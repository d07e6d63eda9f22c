// What a user sees of the program's speed, against the floor of a bare Qt
// window (start_floor, built beside this program but not linked with it):
//
//   - start: from the moment the process is started to its first frame, taken
//     by the window system (the wheel painted, the server in step);
//   - exit: from the window's close to the moment the process is gone;
//   - peak memory: the process's largest resident size, from the kernel;
//   - key to frame: a key typed into the ERD edit to the settled frame, with
//     the window at 1920 x 1080 and at 3840 x 2160.
//
// Every start is a new process; the program's side is start_child, which does
// what app/main.cpp does with a settings file of a laced 36/36 wheel in a
// temporary folder and, like the floor, links no benchmark code. Starts alternate between
// the program and the floor, and each figure is given as min / median / max
// with the ratio of the medians. The windows go to the X server named by
// DISPLAY when there is one (run it under Xvfb), else to the offscreen
// platform.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "benchmark_main.h"

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <map>
#include <string>
#include <vector>

extern char** environ;

namespace {

long long MonotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// A settings file of a 36/36 wheel laced with three crossings.
QByteArray LacedSettings()
{
    QByteArray text = "[MainF]\nHubCB=0\nRimCB=0\nSG1-Row0=HUB,->R,RIM,->H,Length,\n";
    for (int h = 1; h <= 36; ++h) {
        const int k = (h - 1 + ((h % 4 == 1 || h % 4 == 0) ? 6 : 30)) % 36 + 1;
        text += "SG1-Row" + QByteArray::number(h) + "=" + QByteArray::number(h).rightJustified(2, '0') + ",,"
                + QByteArray::number(h).rightJustified(2, '0') + "," + QByteArray::number(k).rightJustified(2, '0')
                + ",,\n";
    }
    return text;
}

// ---- the parent ---- ----------------------------------------------------------

struct ChildRun {
    bool ok = false;
    long long startedAt = 0;
    long long goneAt = 0;
    double peakMiB = 0;
    std::map<std::string, std::vector<std::string>> lines;  // first word -> the rest

    double Ms(const std::string& key, long long from) const
    {
        const auto found = lines.find(key);
        if (found == lines.end() || found->second.empty()) return -1;
        return (std::stoll(found->second[0]) - from) / 1e6;
    }
};

ChildRun Spawn(const std::string& program, const std::vector<std::string>& args)
{
    ChildRun run;
    int out[2];
    if (pipe(out) != 0) return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addclose(&actions, out[1]);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    run.startedAt = MonotonicNanoseconds();
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return run;
    }
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<size_t>(n));
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.goneAt = MonotonicNanoseconds();
    run.peakMiB = usage.ru_maxrss / 1024.0;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    for (const QString& line : QString::fromStdString(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        std::vector<std::string>& rest = run.lines[words.takeFirst().toStdString()];
        for (const QString& w : words) rest.push_back(w.toStdString());
    }
    return run;
}

std::string Child()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("start_child")).toStdString();
}

std::string Floor()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("start_floor")).toStdString();
}

struct Spread {
    double min = 0, median = 0, max = 0;
};

Spread SpreadOf(std::vector<double> values)
{
    Spread s;
    if (values.empty()) return s;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    s.min = values.front();
    s.max = values.back();
    s.median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return s;
}

// Rows of the table printed after the run: measure, unit, program, floor.
struct Row {
    std::string measure;
    std::string unit;
    Spread program;
    Spread floor;
};
std::vector<Row>& Table()
{
    static std::vector<Row> rows;
    return rows;
}

void Report(benchmark::State& state, const std::string& key, const std::string& measure, const std::string& unit,
            const std::vector<double>& program, const std::vector<double>& floor)
{
    const Spread p = SpreadOf(program);
    const Spread f = SpreadOf(floor);
    state.counters[key + "_min"] = p.min;
    state.counters[key + "_med"] = p.median;
    state.counters[key + "_max"] = p.max;
    state.counters[key + "_floor_med"] = f.median;
    state.counters[key + "_ratio"] = f.median > 0 ? p.median / f.median : 0;
    Table().push_back({measure, unit, p, f});
}

class SettingsFolder {
public:
    SettingsFolder()
    {
        QFile settings(folder_.filePath(QStringLiteral("KELD.ini")));
        ok_ = settings.open(QIODevice::WriteOnly) && settings.write(LacedSettings()) > 0;
    }
    bool Ok() const { return ok_ && folder_.isValid(); }
    std::string Path() const { return folder_.path().toStdString(); }

private:
    QTemporaryDir folder_;
    bool ok_ = false;
};

void BM_StartExitMemory(benchmark::State& state)
{
    SettingsFolder folder;
    if (!folder.Ok()) {
        state.SkipWithError("cannot write the settings file");
        return;
    }
    // One untimed start of each, so that both find the libraries and fonts in
    // the system's file cache; the program's gives the size of its window.
    const ChildRun first = Spawn(Child(), {"start", folder.Path()});
    const auto size = first.lines.find("size");
    if (!first.ok || size == first.lines.end() || size->second.size() != 2) {
        state.SkipWithError("the program's child failed");
        return;
    }
    const std::vector<std::string> floorArgs = {"start", size->second[0], size->second[1]};
    Spawn(Floor(), floorArgs);

    std::vector<double> start[2], exit[2], memory[2];
    bool programFirst = true;
    for (auto _ : state) {
        for (int turn = 0; turn < 2; ++turn) {
            const int side = (turn == 0) == programFirst ? 0 : 1;
            const ChildRun run = side == 0 ? Spawn(Child(), {"start", folder.Path()})
                                           : Spawn(Floor(), floorArgs);
            const double startMs = run.Ms("frame", run.startedAt);
            const auto closed = run.lines.find("close");
            if (!run.ok || startMs < 0 || closed == run.lines.end()) {
                state.SkipWithError(side == 0 ? "the program's child failed" : "the floor failed");
                return;
            }
            start[side].push_back(startMs);
            exit[side].push_back((run.goneAt - std::stoll(closed->second[0])) / 1e6);
            memory[side].push_back(run.peakMiB);
        }
        programFirst = !programFirst;
    }
    Report(state, "start", "start -> first frame", "ms", start[0], start[1]);
    Report(state, "exit", "window closed -> process gone", "ms", exit[0], exit[1]);
    Report(state, "peak", "peak memory", "MiB", memory[0], memory[1]);
}

std::vector<double> KeyTimes(const ChildRun& run, int warmUp)
{
    std::vector<double> ms;
    const auto keys = run.lines.find("keys");
    if (keys == run.lines.end()) return ms;
    for (std::size_t i = warmUp; i < keys->second.size(); ++i) ms.push_back(std::stod(keys->second[i]));
    return ms;
}

void BM_KeyToFrame(benchmark::State& state)
{
    const std::string width = std::to_string(state.range(0));
    const std::string height = std::to_string(state.range(1));
    const std::string keys = "60";
    constexpr int kWarmUp = 6;
    SettingsFolder folder;
    if (!folder.Ok()) {
        state.SkipWithError("cannot write the settings file");
        return;
    }
    std::vector<double> program, floor;
    for (auto _ : state) {
        const ChildRun p = Spawn(Child(), {"key", folder.Path(), width, height, keys});
        const ChildRun f = Spawn(Floor(), {"key", width, height, keys});
        if (!p.ok || !f.ok) {
            state.SkipWithError(!p.ok ? "the program's child failed" : "the floor failed");
            return;
        }
        for (double ms : KeyTimes(p, kWarmUp)) program.push_back(ms);
        for (double ms : KeyTimes(f, kWarmUp)) floor.push_back(ms);
    }
    Report(state, "key", "key in ERD -> settled frame, " + width + " x " + height, "ms", program, floor);
}

BENCHMARK(BM_StartExitMemory)->Iterations(40)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeyToFrame)->Args({1920, 1080})->Args({3840, 2160})->Iterations(3)->Unit(benchmark::kMillisecond);

void PrintTable()
{
    if (Table().empty()) return;
    std::printf("\n| measure | program min / median / max | floor min / median / max | ratio of medians |\n");
    std::printf("|---|---|---|---|\n");
    for (const Row& r : Table()) {
        std::printf("| %s | %.1f / %.1f / %.1f %s | %.1f / %.1f / %.1f %s | %.2f |\n", r.measure.c_str(),
                    r.program.min, r.program.median, r.program.max, r.unit.c_str(), r.floor.min, r.floor.median,
                    r.floor.max, r.unit.c_str(), r.floor.median > 0 ? r.program.median / r.floor.median : 0.0);
    }
    std::printf("(platform %s)\n", qPrintable(QGuiApplication::platformName().isEmpty()
                                                  ? qEnvironmentVariable("QT_QPA_PLATFORM")
                                                  : QGuiApplication::platformName()));
}

}  // namespace

int main(int argc, char** argv)
{
    // On an X server when there is one, as a user would see it.
    const int status =
        RunBenchmarks<QCoreApplication>(argc, argv, qEnvironmentVariableIsEmpty("DISPLAY") ? "offscreen" : "xcb");
    if (status == 0) PrintTable();
    return status;
}
