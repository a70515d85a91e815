// What the benchmark programs share: the peak memory of the process, a folder
// for generated data files, the writer of such files and the main function of
// a program that opens windows.
#pragma once

#include "platform/prompts.h"

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace vernalt::bench {

// A field of /proc/self/status in kB ("VmHWM:", "VmRSS:"); 0 when missing.
inline double procStatusKb(const std::string& key) {
    std::ifstream in("/proc/self/status");
    for (std::string line; std::getline(in, line);)
        if (line.rfind(key, 0) == 0)
            return std::stod(line.substr(key.size()));
    return 0;
}

// Peak resident memory of the process so far, in MiB (VmHWM).
// The middle of the figures, the mean of the two middle ones for an even
// count; 0 for none.
inline double median(std::vector<double> v) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

inline double peakMemoryMiB() {
    return procStatusKb("VmHWM:") / 1024.0;
}

// A temporary folder for the whole run.
inline QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

// The file `name` in folder(): `header`, then the `records` lines written by
// `line(i, buffer, size)` (which returns the length written), in chunks of
// about a megabyte. Written once per name; empty when it cannot be written.
template <class Line>
QString generatedFile(const QString& name, const char* header, int records, Line line) {
    static std::map<QString, QString> files;
    if (auto it = files.find(name); it != files.end())
        return it->second;
    const QString path = folder().filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return {};
    f.write(header);
    QByteArray chunk;
    char buffer[256];
    for (int i = 0; i < records; ++i) {
        chunk.append(buffer, line(i, buffer, sizeof buffer));
        if (chunk.size() > (1 << 20)) {
            f.write(chunk);
            chunk.clear();
        }
    }
    f.write(chunk);
    files[name] = path;
    return path;
}

// The records of a run (range(0) per iteration) and the peak memory so far.
inline void reportRecords(::benchmark::State& state) {
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.counters["VmHWM_MiB"] = peakMemoryMiB();
}

// Ten thousand, a hundred thousand and a million records, timed in ms.
inline void recordSizes(::benchmark::internal::Benchmark* b) {
    b->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(::benchmark::kMillisecond);
}

// Prompts for a whole analysis run: every message box is answered OK and
// counted (noteMessage sees its text first), the file and printer dialogs are
// cancelled. Input boxes are for the bench to answer.
class CountingPrompts : public Prompts {
  public:
    MsgResult messageBox(const QString& text, const QString&, MsgIcon, MsgButtons, int) override {
        noteMessage(text);
        ++messages;
        return MsgResult::Ok;
    }
    QString openFile(const QString&, const QString&) override { return {}; }
    bool printerDialog(QPrinter&) override { return false; }
    int messages = 0;

  protected:
    virtual void noteMessage(const QString&) {}
};

// CountingPrompts that answer each input box by its title from `answers`, and
// every other title with `otherwise`.
class TitledAnswers : public CountingPrompts {
  public:
    TitledAnswers(std::map<QString, QString> byTitle, QString other)
        : answers(std::move(byTitle)), otherwise(std::move(other)) {}
    QString inputBox(const QString&, const QString& title, const QString&) override {
        const auto it = answers.find(title);
        return it != answers.end() ? it->second : otherwise;
    }
    std::map<QString, QString> answers;
    QString otherwise;
};

// The answer to the file dialog, and no other prompt (any other is reported).
class OpenFilePrompts : public Prompts {
  public:
    QString file;
    QString inputBox(const QString&, const QString&, const QString&) override { return {}; }
    MsgResult messageBox(const QString& text, const QString&, MsgIcon, MsgButtons, int) override {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(text));
        return MsgResult::Ok;
    }
    QString openFile(const QString&, const QString&) override { return file; }
    bool printerDialog(QPrinter&) override { return false; }
};

// The main function of a benchmark program that opens windows: offscreen, with
// the windows' settings kept out of the user's.
inline int runWindowBenchmarks(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    ::benchmark::Initialize(&argc, argv);
    if (::benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}

} // namespace vernalt::bench
