#pragma once

// A small file system of its own for tests of a disk that runs full: a tmpfs
// of a few KiB mounted on a temporary folder for the life of the object.
// Mounting needs root and a system that allows it; where it is refused,
// skipReason() says why and the test skips.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#if defined(__linux__)
#include <sys/mount.h>
#include <sys/statvfs.h>
#endif

namespace corvane::test {

class SmallDisk {
  public:
    explicit SmallDisk(int kib) {
        if (!dir_.isValid()) {
            reason_ = QStringLiteral("no temporary folder");
            return;
        }
#if !defined(__linux__)
        Q_UNUSED(kib);
        reason_ = QStringLiteral("a small tmpfs can only be mounted on Linux");
#else
        const QByteArray options = "size=" + QByteArray::number(kib) + "k,mode=0755";
        if (::mount("tmpfs", dir_.path().toLocal8Bit().constData(), "tmpfs", 0,
                    options.constData()) != 0) {
            reason_ = QStringLiteral("cannot mount a small tmpfs here (%1); it needs root and a "
                                     "system that allows mounting")
                          .arg(QString::fromLocal8Bit(std::strerror(errno)));
            return;
        }
        mounted_ = true;
#endif
    }
    ~SmallDisk() {
#if defined(__linux__)
        if (mounted_) {
            ::umount2(dir_.path().toLocal8Bit().constData(), MNT_DETACH);
        }
#endif
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    // Empty when mounted.
    QString skipReason() const { return reason_; }
    QString filePath(const QString& name) const { return dir_.filePath(name); }
    QString path() const { return dir_.path(); }

    // Bytes still free.
    qint64 free() const {
#if !defined(__linux__)
        return -1;
#else
        struct statvfs st {};
        if (::statvfs(dir_.path().toLocal8Bit().constData(), &st) != 0) {
            return -1;
        }
        return static_cast<qint64>(st.f_bavail) * static_cast<qint64>(st.f_frsize);
#endif
    }

    // Fills the disk with a file of filler until only about `bytes` stay
    // free (rounded to the file system's blocks).
    bool leaveFree(qint64 bytes) {
        const qint64 fill = free() - bytes;
        if (fill <= 0) {
            return true;
        }
        QFile filler(dir_.filePath(QStringLiteral(".filler")));
        return filler.open(QIODevice::WriteOnly) &&
               filler.write(QByteArray(static_cast<qsizetype>(fill), 'f')) == fill;
    }

  private:
    QTemporaryDir dir_;
    QString reason_;
    bool mounted_ = false;
};

} // namespace corvane::test

// Skips the test, with the reason, where the small disk cannot be mounted.
#define CORVANE_REQUIRE_SMALL_DISK(disk)                                                           \
    do {                                                                                           \
        if (!(disk).skipReason().isEmpty()) {                                                      \
            QSKIP(qPrintable((disk).skipReason()));                                                \
        }                                                                                          \
    } while (false)
