#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <thread>

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

// Ends the test program with a message when a step has not ended within its time: a hang shows
// as what hung, not as the test runner's time-out. Steps are checked for what they do; how fast
// they do it is the benchmark's business, so the time is generous in any build.
class Watchdog
{
public:
    explicit Watchdog(const char *step, std::chrono::seconds allowed = std::chrono::seconds(120))
        : m_thread([this, step, allowed] {
            std::unique_lock<std::mutex> lock(m_mutex);
            if (!m_ended.wait_for(lock, allowed, [this] { return m_done; }))
                qFatal("%s did not end within %lld s", step, static_cast<long long>(allowed.count()));
        })
    {
    }
    ~Watchdog()
    {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_done = true;
        }
        m_ended.notify_one();
        m_thread.join();
    }
    Watchdog(const Watchdog &) = delete;
    Watchdog &operator=(const Watchdog &) = delete;

private:
    std::mutex m_mutex;
    std::condition_variable m_ended;
    bool m_done = false;
    std::thread m_thread;
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
