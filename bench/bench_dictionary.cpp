// Loading dictionaries against a naive reference, what a loaded dictionary holds, the memory a
// load needs at its peak, and how the time scales.
#include "Game.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <unicode/normalizer2.h>

#include <array>
#include <chrono>
#include <fstream>
#include <malloc.h>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace velmora;

const QString shippedDictionary = QStringLiteral(VELMORA_DICTIONARY);

class SilentDisplay final : public GameDisplay
{
public:
    QString text(TextField) const override { return {}; }
    void setText(TextField, const QString &) override {}
    void setWord(const QString &, const WordCells &) override {}
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

// A line of /proc/self/status in bytes ("VmRSS", "VmHWM").
long statusBytes(const char *key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(key, 0) == 0)
            return std::stol(line.substr(line.find(':') + 1)) * 1024;
    }
    return -1;
}

// The resident memory a load of path adds at its peak, over what the program held before. The
// load runs in a child process, so that neither an earlier load's memory kept by the allocator
// nor the benchmark's own peak hides it.
double peakLoadBytes(const QString &path)
{
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        std::ofstream("/proc/self/clear_refs") << "5"; // the peak starts again from here
        const long idle = statusBytes("VmRSS");
        Dictionary d;
        Dictionary::readFile(path, d);
        const long added = statusBytes("VmHWM") - idle;
        [[maybe_unused]] const auto written = ::write(pipeEnds[1], &added, sizeof added);
        ::_exit(0);
    }
    ::close(pipeEnds[1]);
    long added = -1;
    if (child < 0 || ::read(pipeEnds[0], &added, sizeof added) != sizeof added)
        added = -1;
    ::close(pipeEnds[0]);
    if (child > 0)
        ::waitpid(child, nullptr, 0);
    return double(added);
}

qint64 fileSize(const QString &path)
{
    return QFile(path).size();
}

enum Encoding { Ascii, Utf8, Windows1252, Utf16 };

// The shipped dictionary with accented letters on nine lines in ten (its first vowel), in an
// encoding, `times` over: about the size of the shipped file each time.
QByteArray generatedDictionary(Encoding encoding, int times)
{
    QFile source(shippedDictionary);
    if (!source.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromLatin1(source.readAll());
    if (encoding != Ascii) {
        const QString plain = QStringLiteral("aeiou");
        const QString accented = QStringLiteral(u"áéíóú");
        qsizetype line = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text.at(i) == u'\n') {
                ++line;
            } else if (const qsizetype v = plain.indexOf(text.at(i)); v >= 0 && line % 10 != 0) {
                text[i] = accented.at(v);
                while (i < text.size() && text.at(i) != u'\n') // one a line
                    ++i;
                --i;
            }
        }
    }
    QByteArray bytes;
    switch (encoding) {
    case Ascii:
    case Windows1252: // these accents are where Latin-1 has them
        bytes = text.toLatin1();
        break;
    case Utf8:
        bytes = text.toUtf8();
        break;
    case Utf16:
        bytes = QByteArray("\xff\xfe") + QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
        break;
    }
    return bytes.repeated(times);
}

// A generated dictionary in a scratch file for as long as it lives.
class GeneratedFile
{
public:
    GeneratedFile(Encoding encoding, int times)
        : m_path(m_dir.filePath(QStringLiteral("generated.txt")))
    {
        QFile out(m_path);
        const QByteArray bytes = generatedDictionary(encoding, times);
        m_ok = !bytes.isEmpty() && out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size();
    }
    bool ok() const { return m_ok; }
    const QString &path() const { return m_path; }

private:
    QTemporaryDir m_dir;
    QString m_path;
    bool m_ok = false;
};

// Loads path through the game, as the settings window does, and reports what the loaded
// dictionary holds and what the load needed at its peak, per byte of the file.
void loadThroughTheGame(benchmark::State &state, const QString &path)
{
    SilentDisplay display;
    SilentPrompter prompter;
    FixedRandom random;
    Game game(display, prompter, random);
    for (auto _ : state) {
        if (game.LoadDictionary(path) != Dictionary::ReadStatus::Loaded)
            state.SkipWithError("the dictionary did not load");
        benchmark::DoNotOptimize(game.state().Tables.TotalWords());
    }

    const std::size_t before = heapInUse();
    Dictionary measured;
    Dictionary::readFile(path, measured);
    const std::size_t held = heapInUse() - before;
    const auto bytes = double(fileSize(path));
    state.counters["entries"] = measured.TotalWords();
    state.counters["file_bytes"] = bytes;
    state.counters["heap_bytes"] = double(held);
    state.counters["heap_per_file_byte"] = double(held) / bytes;
    state.counters["peak_per_file_byte"] = peakLoadBytes(path) / bytes;
    state.SetBytesProcessed(state.iterations() * qint64(bytes));
}

// What a straightforward loader does: std::getline into one vector of strings per length.
void referenceGetline(benchmark::State &state, const QString &file)
{
    const std::string path = file.toStdString();
    std::size_t lines = 0;
    for (auto _ : state) {
        std::array<std::vector<std::string>, 17> rows;
        std::ifstream in(path);
        std::string line;
        while (std::getline(in, line))
            rows[std::min<std::size_t>(line.size(), 16)].push_back(line);
        benchmark::DoNotOptimize(rows.data());
        lines = 0;
        for (const auto &row : rows)
            lines += row.size();
    }
    state.counters["entries"] = double(lines);
    state.SetBytesProcessed(state.iterations() * fileSize(file));
}

void BM_LoadDictionary(benchmark::State &state)
{
    loadThroughTheGame(state, shippedDictionary);
}
BENCHMARK(BM_LoadDictionary)->Unit(benchmark::kMillisecond);

void BM_ReferenceGetline(benchmark::State &state)
{
    referenceGetline(state, shippedDictionary);
}
BENCHMARK(BM_ReferenceGetline)->Unit(benchmark::kMillisecond);

void BM_LoadDictionaryUtf8(benchmark::State &state)
{
    const GeneratedFile file(Utf8, 1);
    if (!file.ok())
        return state.SkipWithError("cannot write the UTF-8 dictionary");
    loadThroughTheGame(state, file.path());
}
BENCHMARK(BM_LoadDictionaryUtf8)->Unit(benchmark::kMillisecond);

void BM_ReferenceGetlineUtf8(benchmark::State &state)
{
    const GeneratedFile file(Utf8, 1);
    if (!file.ok())
        return state.SkipWithError("cannot write the UTF-8 dictionary");
    referenceGetline(state, file.path());
}
BENCHMARK(BM_ReferenceGetlineUtf8)->Unit(benchmark::kMillisecond);

// Every encoding, at the shipped size, and UTF-8 at about 100 MB: {encoding, copies}.
void BM_LoadEncoded(benchmark::State &state)
{
    const GeneratedFile file(Encoding(state.range(0)), int(state.range(1)));
    if (!file.ok())
        return state.SkipWithError("cannot write the dictionary");
    loadThroughTheGame(state, file.path());
}
BENCHMARK(BM_LoadEncoded)
    ->ArgNames({"encoding", "copies"})
    ->Args({Ascii, 1})
    ->Args({Utf8, 1})
    ->Args({Windows1252, 1})
    ->Args({Utf16, 1})
    ->Args({Utf8, 52})
    ->Unit(benchmark::kMillisecond);

// The field scan's shortcuts for plain text, on and off, from bytes in memory: {encoding, on}.
// Off, every field goes through the scanner of code points.
void BM_FieldScanShortcuts(benchmark::State &state)
{
    const QByteArray bytes = generatedDictionary(Encoding(state.range(0)), 1);
    const auto fast = state.range(1) ? characters::FieldScan::FastPaths::On : characters::FieldScan::FastPaths::Off;
    for (auto _ : state)
        benchmark::DoNotOptimize(Dictionary::fromBytes(bytes, fast).TotalWords());
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_FieldScanShortcuts)
    ->ArgNames({"encoding", "on"})
    ->ArgsProduct({{Ascii, Utf8}, {1, 0}})
    ->Unit(benchmark::kMillisecond);

// The shipped file repeated N times: the time should grow in proportion.
void BM_LoadScaled(benchmark::State &state)
{
    const GeneratedFile file(Ascii, int(state.range(0)));
    if (!file.ok())
        return state.SkipWithError("cannot write the scaled dictionary");
    for (auto _ : state) {
        Dictionary d;
        Dictionary::readFile(file.path(), d);
        benchmark::DoNotOptimize(d.TotalWords());
    }
    state.SetBytesProcessed(state.iterations() * fileSize(file.path()));
}
BENCHMARK(BM_LoadScaled)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

// Files made to be awkward, each one field of `mebibytes` MiB: {family, MiB}. Whatever a file
// holds, its load stays linear in its size, so the time per byte is the same at every size.
enum Pathology { DecomposedAccents, AlternatingMarks, MarkBeforePrecomposed, HangulJamo, DecomposedUtf16 };

QByteArray pathologicalFile(Pathology family, qint64 mebibytes)
{
    const qint64 size = mebibytes << 20;
    const auto repeatedTo = [size](const QByteArray &start, const QByteArray &unit) {
        return start + unit.repeated((size - start.size()) / unit.size());
    };
    switch (family) {
    case DecomposedAccents: // e + U+0301
        return repeatedTo({}, "e\xcc\x81");
    case AlternatingMarks: // a, then U+0301 U+0323 over and over
        return repeatedTo("a", "\xcc\x81\xcc\xa3");
    case MarkBeforePrecomposed: // U+0301, then é over and over
        return repeatedTo("\xcc\x81", "\xc3\xa9");
    case HangulJamo: // U+1100 U+1161 U+11A8, which compose to one syllable
        return repeatedTo({}, "\xe1\x84\x80\xe1\x85\xa1\xe1\x86\xa8");
    case DecomposedUtf16: // e + U+0301 in UTF-16 LE
        return repeatedTo("\xff\xfe", QByteArray("e\0\x01\x03", 4));
    }
    return {};
}

void BM_LoadPathological(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pathological.txt"));
    const QByteArray bytes = pathologicalFile(Pathology(state.range(0)), state.range(1));
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        return state.SkipWithError("cannot write the file");
    out.close();
    for (auto _ : state) {
        Dictionary d;
        if (Dictionary::readFile(path, d) != Dictionary::ReadStatus::Loaded)
            state.SkipWithError("the file did not load");
        benchmark::DoNotOptimize(d.TotalWords());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_LoadPathological)
    ->ArgNames({"family", "MiB"})
    ->ArgsProduct({{DecomposedAccents, AlternatingMarks, MarkBeforePrecomposed, HangulJamo, DecomposedUtf16}, {1, 4, 16}})
    ->Unit(benchmark::kMillisecond);

// ICU's composition alone, on the text of each awkward file in UTF-16 (the alternating marks
// with the joiner after every 30 that keeps composing linear): the part of a load that no
// reader of Unicode text can skip, to compare with the loads above in the same run.
void BM_ReferenceCompose(benchmark::State &state)
{
    const auto family = Pathology(state.range(0));
    const QByteArray bytes = pathologicalFile(family, state.range(1));
    QString text = family == DecomposedUtf16
        ? QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes.constData() + 2), (bytes.size() - 2) / 2)
        : QString::fromUtf8(bytes);
    if (family == AlternatingMarks) // 30 marks of two bytes and a joiner of two: 62 bytes
        text = u"a"_qs + (QStringLiteral(u"\u0301\u0323").repeated(15) + QChar(0x034F)).repeated(bytes.size() / 62);
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2 *nfc = icu::Normalizer2::getNFCInstance(status);
    const icu::UnicodeString source(false, QStringView(text).utf16(), int32_t(text.size()));
    for (auto _ : state) {
        const icu::UnicodeString normal = nfc->normalize(source, status);
        benchmark::DoNotOptimize(normal.length());
    }
    if (U_FAILURE(status))
        state.SkipWithError("ICU could not compose the text");
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ReferenceCompose)
    ->ArgNames({"family", "MiB"})
    ->ArgsProduct({{DecomposedAccents, AlternatingMarks, MarkBeforePrecomposed, HangulJamo, DecomposedUtf16}, {16}})
    ->Unit(benchmark::kMillisecond);

// A new game on one entry of 50 MB: lowering it, finding its characters and making its mask,
// in a list named by no language and in a French one, fr.txt, whose guesses match as French
// does. Reported per character, and against loading the same file in the same run.
void BM_NewGameOnLongEntry(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(state.range(0) ? QStringLiteral("fr.txt") : QStringLiteral("one-line.txt"));
    QByteArray line(50 * 1000 * 1000, 'x');
    for (qsizetype i = 0; i < line.size(); ++i)
        line[i] = char('a' + i % 26);
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(line) != line.size())
        return state.SkipWithError("cannot write the file");
    out.close();

    SilentDisplay display;
    SilentPrompter prompter;
    FixedRandom random;
    Game game(display, prompter, random);
    const auto loadStart = std::chrono::steady_clock::now();
    if (Dictionary::readFile(path, game.state().Tables) != Dictionary::ReadStatus::Loaded)
        return state.SkipWithError("the file did not load");
    game.state().Matching = characters::GuessMatching::forFile(path);
    const std::chrono::duration<double> load = std::chrono::steady_clock::now() - loadStart;

    double total = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        game.state().DifficultyLevel = LongLevel;
        game.NewGame();
        benchmark::DoNotOptimize(game.state().LettersToFind);
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    const double perGame = total / double(state.iterations());
    state.counters["ns_per_character"] = perGame * 1e9 / double(line.size());
    state.counters["times_the_load"] = perGame / load.count();
}
BENCHMARK(BM_NewGameOnLongEntry)->ArgName("language")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(2);

// A new game at the starting level on the shipped list with each delimiter, as it ships and repeated to 32 MiB:
// {delimiter, MiB, 0 for the list as it ships}. An entry's end is found without looking past it,
// so neither the delimiter nor the size of the file changes what a new game costs.
enum Delimiter { LineFeed, CarriageReturn, CrLf, Comma };

void BM_NewGameByDelimiter(benchmark::State &state)
{
    QFile source(shippedDictionary);
    if (!source.open(QIODevice::ReadOnly))
        return state.SkipWithError("cannot read the shipped dictionary");
    QByteArray text = source.readAll();
    const char *const delimiters[] = {"\n", "\r", "\r\n", ","};
    text.replace('\n', delimiters[state.range(0)]);
    if (const qint64 mebibytes = state.range(1); mebibytes > 0)
        text = text.repeated((mebibytes << 20) / text.size() + 1).first(mebibytes << 20);

    SilentDisplay display;
    SilentPrompter prompter;
    FixedRandom random;
    Game game(display, prompter, random);
    game.state().Tables = Dictionary::fromBytes(text);
    for (auto _ : state) {
        game.state().DifficultyLevel = StartLevel;
        game.NewGame();
        benchmark::DoNotOptimize(game.state().LettersToFind);
    }
    state.counters["entries"] = game.state().Tables.TotalWords();
}
BENCHMARK(BM_NewGameByDelimiter)
    ->ArgNames({"delimiter", "MiB"})
    ->ArgsProduct({{LineFeed, CarriageReturn, CrLf, Comma}, {0, 32}})
    ->Unit(benchmark::kMicrosecond);

// The word lists of other languages beside the shipped one, each against a plain ASCII list of
// the same size (the shipped list's lines over again, cut to that size and ended by a line
// end), both from bytes in memory. `times_plain` is the word list's time over the plain list's, timed in
// turn in the same iterations so that the machine's other work weighs on both alike.
QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray plainListOfSize(qsizetype size)
{
    const QByteArray shipped = fileBytes(shippedDictionary);
    if (shipped.isEmpty() || size == 0)
        return {};
    QByteArray plain = shipped.repeated(size / shipped.size() + 1).first(size);
    plain.back() = '\n';
    return plain;
}

double secondsToLoad(const QByteArray &bytes)
{
    const auto start = std::chrono::steady_clock::now();
    const Dictionary d = Dictionary::fromBytes(bytes);
    benchmark::DoNotOptimize(d.TotalWords());
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void loadFromBytes(benchmark::State &state, const QByteArray &bytes, const QByteArray &plain)
{
    if (bytes.isEmpty() || plain.size() != bytes.size())
        return state.SkipWithError("cannot read the list");
    double listSeconds = 0;
    double plainSeconds = 0;
    for (auto _ : state) {
        listSeconds += secondsToLoad(bytes);
        state.PauseTiming();
        plainSeconds += secondsToLoad(plain);
        state.ResumeTiming();
    }
    state.counters["entries"] = Dictionary::fromBytes(bytes).TotalWords();
    state.counters["file_bytes"] = double(bytes.size());
    state.counters["times_plain"] = listSeconds / plainSeconds;
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void registerWordLists()
{
    const QDir folder = QFileInfo(shippedDictionary).dir();
    for (const QFileInfo &list : folder.entryInfoList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
        if (list.fileName() == QFileInfo(shippedDictionary).fileName())
            continue;
        const QByteArray bytes = fileBytes(list.filePath());
        const QByteArray plain = plainListOfSize(bytes.size());
        const std::string code = list.completeBaseName().toStdString();
        benchmark::RegisterBenchmark(("BM_LoadWordList/" + code).c_str(), [bytes, plain](benchmark::State &state) {
            loadFromBytes(state, bytes, plain);
        })->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("BM_LoadPlainList/" + code).c_str(), [plain](benchmark::State &state) {
            loadFromBytes(state, plain, plain);
        })->Unit(benchmark::kMillisecond);
    }
}

} // namespace

int main(int argc, char **argv)
{
    // Every load runs as the first one in a fresh process would. glibc otherwise raises its
    // threshold for mapping large blocks once one is freed, so that later runs, of whichever
    // benchmark comes next, keep their memory and skip the page faults, each by a different
    // amount.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    benchmark::Initialize(&argc, argv);
    registerWordLists();
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
