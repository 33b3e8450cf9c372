#include "activity/teacherfile.h"

#include <QFileInfo>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace activity {

namespace {

// Closes the descriptor however the read ends.
struct Descriptor {
    int fd;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

// "1 MB", "1.1 MB", "40 KB": a file's size rounded up, so a file just over
// a limit never reads as the limit itself.
QString sizeInWords(qint64 bytes)
{
    const auto upTo = [bytes](qint64 unit) { return QString::number(std::ceil(double(bytes) * 10 / double(unit)) / 10); };
    if (bytes >= 1024 * 1024)
        return upTo(1024 * 1024) + QStringLiteral(" MB");
    if (bytes >= 1024)
        return upTo(1024) + QStringLiteral(" KB");
    return QStringLiteral("%1 bytes").arg(bytes);
}

// Why a file that could not be reached or opened cannot be read.
QString unreachable(const QString& name, const QString& path, int error)
{
    switch (error) {
    case ENOENT:
        return QFileInfo(path).isSymLink() ? QStringLiteral("%1 is a link to a file that is not there").arg(name)
                                           : QStringLiteral("%1 is not there").arg(name);
    case ELOOP:
        return QStringLiteral("%1 is a link that leads round in a circle").arg(name);
    case EACCES:
    case EPERM:
        return QStringLiteral("%1 cannot be read: permission denied").arg(name);
    case ENOTDIR:
        return QStringLiteral("%1 is not there (part of its path is not a folder)").arg(name);
    default:
        return QStringLiteral("%1 cannot be read (%2)").arg(name, QString::fromLocal8Bit(std::strerror(error)));
    }
}

QString notPlain(const QString& name, mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("%1 is a folder, not a file").arg(name);
    return QStringLiteral("%1 is not a plain file").arg(name);
}

} // namespace

TeacherFile readTeacherFile(const QString& path, qint64 limit)
{
    const QString name = QFileInfo(path).fileName();
    const QByteArray native = QFile::encodeName(path);
    // The type is checked before opening: opening a named pipe waits for a
    // writer, and opening a device may do something. The kernel follows at
    // most its own bound of links and reports a loop.
    struct stat before {};
    if (::stat(native.constData(), &before) != 0)
        return {{}, unreachable(name, path, errno)};
    if (!S_ISREG(before.st_mode))
        return {{}, notPlain(name, before.st_mode)};
    if (before.st_size > limit)
        return {{}, QStringLiteral("%1 is too large (%2; the most it may be is %3)").arg(name, sizeInWords(before.st_size), sizeInWords(limit))};

    // Opened without waiting, and checked again: it may have been swapped
    // for a pipe between the two looks.
    const Descriptor file{::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    if (file.fd < 0)
        return {{}, unreachable(name, path, errno)};
    struct stat opened {};
    if (::fstat(file.fd, &opened) != 0 || !S_ISREG(opened.st_mode))
        return {{}, notPlain(name, opened.st_mode)};

    QByteArray bytes;
    bytes.resize(qsizetype(std::min<qint64>(opened.st_size, limit) + 1));
    qint64 got = 0;
    while (got < qint64(bytes.size())) {
        const ssize_t n = ::read(file.fd, bytes.data() + got, size_t(qint64(bytes.size()) - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return {{}, QStringLiteral("%1 cannot be read (%2)").arg(name, QString::fromLocal8Bit(std::strerror(errno)))};
        if (n == 0)
            break;
        got += n;
        // A file that grows while it is read is read only up to the limit.
        if (got == qint64(bytes.size()) && got <= limit)
            bytes.resize(qsizetype(std::min<qint64>(got * 2, limit + 1)));
    }
    if (got > limit)
        return {{}, QStringLiteral("%1 is too large (more than %2)").arg(name, sizeInWords(limit))};
    bytes.truncate(qsizetype(got));
    return {bytes, {}};
}

} // namespace activity
