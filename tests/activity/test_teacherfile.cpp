// A teacher's file may be anything a folder can hold. Each kind is refused
// at once with a reason that names the file; none may block the reader.
#include "activity/teacherfile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using activity::readTeacherFile;

namespace {
constexpr qint64 Limit = 1024 * 1024;

// Makes `name` in `folder` as the row asks; false when this machine cannot.
bool make(const QString& kind, const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    if (kind == "plain" || kind == "unreadable" || kind == "oversize" || kind == "at the limit") {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return false;
        file.write("True | Heat flows from hot to cold. | it does\n");
        if (kind == "oversize")
            file.resize(Limit + 1); // sparse: nothing is written
        if (kind == "at the limit")
            file.resize(Limit);
        file.close();
        return kind != "unreadable" || ::chmod(native.constData(), 0) == 0;
    }
    if (kind == "fifo")
        return ::mkfifo(native.constData(), 0600) == 0;
    if (kind == "socket") {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (fd < 0 || native.size() >= qsizetype(sizeof address.sun_path))
            return false;
        std::copy(native.begin(), native.end(), address.sun_path);
        const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        ::close(fd); // the socket file stays
        return bound;
    }
    if (kind == "directory")
        return QDir().mkpath(path);
    if (kind == "dangling link")
        return QFile::link(path + ".gone", path);
    if (kind == "link loop")
        return QFile::link(path + ".b", path) && QFile::link(path, path + ".b");
    if (kind == "device")
        return QFile::link("/dev/zero", path);
    return false;
}
} // namespace

class TeacherFileTest : public QObject {
    Q_OBJECT
private slots:
    void refusedWithReason_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason"); // empty: read
        QTest::newRow("plain file") << "plain" << "";
        QTest::newRow("exactly the limit") << "at the limit" << "";
        QTest::newRow("named pipe") << "fifo" << "heattransfer.txt is not a plain file";
        QTest::newRow("socket") << "socket" << "heattransfer.txt is not a plain file";
        QTest::newRow("device through a link") << "device" << "heattransfer.txt is not a plain file";
        QTest::newRow("directory") << "directory" << "heattransfer.txt is a folder, not a file";
        QTest::newRow("dangling link") << "dangling link" << "heattransfer.txt is a link to a file that is not there";
        QTest::newRow("link loop") << "link loop" << "heattransfer.txt is a link that leads round in a circle";
        QTest::newRow("unreadable") << "unreadable" << "heattransfer.txt cannot be read: permission denied";
        QTest::newRow("oversize") << "oversize" << "heattransfer.txt is too large (1.1 MB; the most it may be is 1 MB)";
    }
    void refusedWithReason()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        if (kind == "unreadable" && ::geteuid() == 0)
            QSKIP("every file is readable to the superuser");
        QTemporaryDir folder;
        const QString path = folder.filePath("heattransfer.txt");
        QVERIFY2(make(kind, path), qPrintable(kind));
        QElapsedTimer clock;
        clock.start();
        const activity::TeacherFile file = readTeacherFile(path, Limit);
        QVERIFY(clock.elapsed() < 1000);
        QCOMPARE(file.problem, reason);
        QCOMPARE(file.ok(), reason.isEmpty());
        QCOMPARE(file.bytes.isEmpty(), !reason.isEmpty());
        if (kind == "at the limit")
            QCOMPARE(file.bytes.size(), Limit);
    }
};

QTEST_GUILESS_MAIN(TeacherFileTest)
#include "test_teacherfile.moc"
