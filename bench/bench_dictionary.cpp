// Loading the shipped dictionary against a naive reference, its heap cost, and its scaling.
#include "Game.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <array>
#include <fstream>
#include <malloc.h>
#include <string>
#include <vector>

namespace {

using namespace velmora;

const QString shippedDictionary = QStringLiteral(VELMORA_DICTIONARY);

class SilentDisplay final : public GameDisplay
{
public:
    QString text(TextField) const override { return {}; }
    void setText(TextField, const QString &) override {}
    void setEnabled(GuessControl, bool) override {}
    void focusLetter() override {}
    bool setStagePicture(int, const QString &) override { return true; }
    void announce(const QString &) override {}
};

class SilentPrompter final : public Prompter
{
public:
    void inform(const QString &) override {}
    bool askYesNo(const QString &) override { return false; }
};

class FixedRandom final : public RandomSource
{
public:
    void seedFromClock() override {}
    double next() override { return 0.5; }
};

std::size_t heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd; // small blocks plus mmapped large ones
}

qint64 fileSize(const QString &path)
{
    return QFile(path).size();
}

void BM_LoadDictionary(benchmark::State &state)
{
    SilentDisplay display;
    SilentPrompter prompter;
    FixedRandom random;
    Game game(display, prompter, random);
    for (auto _ : state) {
        if (game.LoadDictionary(shippedDictionary) != Dictionary::ReadStatus::Loaded)
            state.SkipWithError("the shipped dictionary did not load");
        benchmark::DoNotOptimize(game.state().Tables.TotalWords());
    }

    // Heap held by a loaded dictionary, measured by the allocator itself.
    const std::size_t before = heapInUse();
    Dictionary measured;
    Dictionary::readFile(shippedDictionary, measured);
    const std::size_t held = heapInUse() - before;
    const auto bytes = double(fileSize(shippedDictionary));
    state.counters["entries"] = measured.TotalWords();
    state.counters["file_bytes"] = bytes;
    state.counters["heap_bytes"] = double(held);
    state.counters["heap_per_file_byte"] = double(held) / bytes;
    state.SetBytesProcessed(state.iterations() * qint64(bytes));
}
BENCHMARK(BM_LoadDictionary)->Unit(benchmark::kMillisecond);

// What a straightforward loader does: std::getline into one vector of strings per length.
void BM_ReferenceGetline(benchmark::State &state)
{
    const std::string path = shippedDictionary.toStdString();
    for (auto _ : state) {
        std::array<std::vector<std::string>, 17> rows;
        std::ifstream in(path);
        std::string line;
        while (std::getline(in, line))
            rows[std::min<std::size_t>(line.size(), 16)].push_back(line);
        benchmark::DoNotOptimize(rows.data());
    }
    state.SetBytesProcessed(state.iterations() * fileSize(shippedDictionary));
}
BENCHMARK(BM_ReferenceGetline)->Unit(benchmark::kMillisecond);

// The shipped file repeated N times: the time should grow in proportion.
void BM_LoadScaled(benchmark::State &state)
{
    QFile source(shippedDictionary);
    if (!source.open(QIODevice::ReadOnly)) {
        state.SkipWithError("the shipped dictionary is missing");
        return;
    }
    const QByteArray once = source.readAll();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("scaled.txt"));
    {
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly)) {
            state.SkipWithError("cannot write the scaled dictionary");
            return;
        }
        for (int i = 0; i < state.range(0); ++i)
            out.write(once);
    }
    for (auto _ : state) {
        Dictionary d;
        Dictionary::readFile(path, d);
        benchmark::DoNotOptimize(d.TotalWords());
    }
    state.SetBytesProcessed(state.iterations() * once.size() * state.range(0));
}
BENCHMARK(BM_LoadScaled)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
