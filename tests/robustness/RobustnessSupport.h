#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>

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
