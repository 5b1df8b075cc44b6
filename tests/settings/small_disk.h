#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#ifdef _WIN32

namespace mx::testing_support {

// A disk of its own is mounted on Linux only: on Windows, whyNot() says so and the test is
// skipped (the fault seam, ScopedWriteFault, reaches the same failure paths there).
class SmallDisk {
public:
    SmallDisk(const QString &, int) {}
    bool mounted() const { return false; }
    const QString &whyNot() const { return whyNot_; }
    qint64 fill() { return 0; }
    void makeRoom() {}

private:
    QString whyNot_ = QStringLiteral("a small disk of its own is mounted on Linux only");
};

} // namespace mx::testing_support

#else

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace mx::testing_support {

// A tmpfs of a few KiB mounted on a folder, to save onto a disk that is really full.
// Mounting needs root; where it cannot be done, whyNot() says why and the test is skipped.
class SmallDisk {
public:
    // Mounts a tmpfs of `bytes` on the existing folder `folder`, hiding what it holds until
    // the disk is unmounted again when this goes.
    SmallDisk(const QString &folder, int bytes) : folder_(QFile::encodeName(folder)) {
        if (::geteuid() != 0) {
            whyNot_ = QStringLiteral("mounting a small tmpfs needs root");
            return;
        }
        const QByteArray options = "size=" + QByteArray::number(bytes) + ",mode=0755";
        if (::mount("tmpfs", folder_.constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                    options.constData()) != 0) {
            whyNot_ = QStringLiteral("cannot mount a tmpfs: ") +
                      QString::fromLocal8Bit(std::strerror(errno));
            return;
        }
        mounted_ = true;
    }
    ~SmallDisk() {
        if (mounted_) {
            ::umount2(folder_.constData(), MNT_DETACH);
        }
    }
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    bool mounted() const { return mounted_; }
    const QString &whyNot() const { return whyNot_; }

    // Takes every byte still free with a file of its own; the bytes it took.
    qint64 fill() {
        const int fd = ::open(filler().constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        qint64 taken = 0;
        const QByteArray block(512, 'f');
        ssize_t written = 0;
        while (fd >= 0 && (written = ::write(fd, block.constData(), block.size())) > 0) {
            taken += written;
        }
        if (fd >= 0) {
            ::close(fd);
        }
        return taken;
    }
    // Gives back what fill() took.
    void makeRoom() { ::unlink(filler().constData()); }

private:
    QByteArray filler() const { return folder_ + "/.filler"; }

    QByteArray folder_;
    QString whyNot_;
    bool mounted_ = false;
};

} // namespace mx::testing_support

#endif
