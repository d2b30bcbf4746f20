#pragma once

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <ctime>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VELMORA_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define VELMORA_ASAN 1
#endif

#if defined(VELMORA_ASAN)
// The sanitizer's own count of heap bytes in use (not every compiler ships its header).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace velmora::testing {

// Time budgets hold for an optimised build; they stretch by this much under ASan and again
// without optimisation.
#if defined(VELMORA_ASAN)
inline constexpr int SanitizerSlowdown = 5;
#else
inline constexpr int SanitizerSlowdown = 1;
#endif
#if defined(__OPTIMIZE__)
inline constexpr int BuildSlowdown = SanitizerSlowdown;
#else
inline constexpr int BuildSlowdown = 2 * SanitizerSlowdown;
#endif

// Times a step twice: by the processor time of this thread, which other work on a busy machine
// does not stretch, for what the step costs; and by the clock, which also shows a step that
// waits (on a FIFO, say) without working.
class Stopwatch
{
public:
    Stopwatch() { start(); }

    void start()
    {
        m_cpuStart = cpuNow();
        m_wall.start();
    }
    qint64 cpuMs() const { return (cpuNow() - m_cpuStart) / 1000000; }
    qint64 wallMs() const { return m_wall.elapsed(); }

    // Empty when the step kept within budgetMs of processor time (stretched by BuildSlowdown) and
    // ten times that on the clock; otherwise what it took.
    QString overBudget(qint64 budgetMs) const
    {
        const qint64 cpu = cpuMs();
        const qint64 wall = wallMs();
        const qint64 allowed = budgetMs * BuildSlowdown;
        if (cpu <= allowed && wall <= 10 * allowed)
            return {};
        return QStringLiteral("%1 ms of processor time, %2 ms on the clock; allowed %3 ms")
            .arg(cpu)
            .arg(wall)
            .arg(allowed);
    }

private:
    static qint64 cpuNow()
    {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
    }

    qint64 m_cpuStart = 0;
    QElapsedTimer m_wall;
};

// Heap bytes the process holds right now.
inline std::size_t heapInUse()
{
#if defined(VELMORA_ASAN)
    return __sanitizer_get_current_allocated_bytes();
#else
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
#endif
}

// Bytes this process has taken through read() and its kin so far (the kernel's own count).
inline qint64 bytesReadSoFar()
{
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : io.readAll().split('\n')) {
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    }
    return -1;
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A scratch working folder holding a Dictionary folder, made current for as long as it lives,
// as the game expects its dictionaries relative to the working folder.
class WorkingFolder
{
public:
    WorkingFolder()
        : m_previous(QDir::currentPath())
    {
        m_ok = m_dir.isValid() && QDir(m_dir.path()).mkpath(QStringLiteral("Dictionary"))
            && QDir::setCurrent(m_dir.path());
    }
    ~WorkingFolder() { QDir::setCurrent(m_previous); }
    WorkingFolder(const WorkingFolder &) = delete;
    WorkingFolder &operator=(const WorkingFolder &) = delete;

    bool isValid() const { return m_ok; }
    QString path() const { return m_dir.path(); }
    QString dictionaryPath(const QString &name) const { return m_dir.path() + QStringLiteral("/Dictionary/") + name; }

private:
    QString m_previous;
    QTemporaryDir m_dir;
    bool m_ok = false;
};

} // namespace velmora::testing
