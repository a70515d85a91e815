// Peak resident memory of the snag window's File, Open on a generated file of
// a million records (the import into table Snags and the data sheets filled,
// the program's own code path) against R's read.csv of the same file, each in
// a process of its own, taking turns; the medians and their ratio from the same
// run. R is Debian's r-base-core: without Rscript the peer is skipped, saying so.
//   memory_bench                        the benchmark
//   memory_bench --file-open FILE       one File, Open of FILE, then exit
#include "bench_support.h"
#include "snag_data_file.h"

#include "platform/database.h"
#include "snag/frmMainSnag.h"

#include <QApplication>
#include <QByteArray>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

using namespace Qt::StringLiterals;
using namespace vernalt;

namespace {

// What one process took: its peak resident memory in MiB and its wall time in
// seconds; a peak of 0 when it could not be run or failed.
struct Taken {
    double peakMiB = 0, seconds = 0;
};

Taken runProcess(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    QElapsedTimer clock;
    clock.start();
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return {};
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {};
    return {double(usage.ru_maxrss) / 1024.0, double(clock.nsecsElapsed()) / 1e9};
}

std::string selfPath;

void BM_FileOpenAgainstReadCsv(benchmark::State& state) {
    const std::string file = bench::snagDataFile(int(state.range(0))).toStdString();
    const QString rscript = QStandardPaths::findExecutable(u"Rscript"_s);
    if (rscript.isEmpty())
        std::printf("Rscript not found: R's read.csv is skipped (Debian package r-base-core)\n");
    std::vector<double> ours, oursSeconds, r, rSeconds;
    for (auto _ : state) {
        for (int round = 0; round < 3; ++round) {
            const Taken a = runProcess({selfPath, "--file-open", file});
            if (a.peakMiB == 0) {
                state.SkipWithError("the File, Open process failed");
                return;
            }
            ours.push_back(a.peakMiB);
            oursSeconds.push_back(a.seconds);
            if (rscript.isEmpty())
                continue;
            const Taken b =
                runProcess({rscript.toStdString(), "-e", "invisible(read.csv('" + file + "'))"});
            if (b.peakMiB == 0) {
                state.SkipWithError("Rscript failed");
                return;
            }
            r.push_back(b.peakMiB);
            rSeconds.push_back(b.seconds);
        }
    }
    state.counters["records"] = double(state.range(0));
    state.counters["peak_MiB"] = bench::median(ours);
    state.counters["seconds"] = bench::median(oursSeconds);
    if (!r.empty()) {
        state.counters["R_peak_MiB"] = bench::median(r);
        state.counters["R_seconds"] = bench::median(rSeconds);
        state.counters["peak_ratio"] = bench::median(ours) / bench::median(r);
        state.SetLabel(QStringLiteral("peak / R's read.csv peak = %1")
                           .arg(bench::median(ours) / bench::median(r), 0, 'f', 2)
                           .toStdString());
    }
}
BENCHMARK(BM_FileOpenAgainstReadCsv)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(1);

// One File, Open of `file` in the snag window, into a database of its own.
int fileOpen(int argc, char** argv, const QString& file) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QTemporaryDir folder;
    db::setPath(folder.filePath(u"dataset.db"_s));
    bench::OpenFilePrompts answers;
    answers.file = file;
    setPrompts(&answers);
    {
        frmMainSnag w;
        w.mnuFileOpen_Click();
        if (w.grdStratum[0]->rows() < 2)
            return 1;
    }
    setPrompts(nullptr);
    db::close();
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--file-open") == 0)
        return fileOpen(argc, argv, QString::fromLocal8Bit(argv[2]));
    selfPath = argv[0];
    return bench::runWindowBenchmarks(argc, argv);
}
