// Finding picture files by the names the screens give them, on any platform.
#include "forms/pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

class PicturesTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void resolves_data();
    void resolves();
    void workingFolderComesFirst();
    void missingAndUnreadableFilesGiveNoPicture();
    void installedPicturesComeAfterTheWorkingAndProgramFolders();

private:
    std::unique_ptr<QTemporaryDir> work_, program_;
    static void write(const QString& path, bool asPicture);
};

void PicturesTest::write(const QString& path, bool asPicture)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (asPicture) {
        QImage image(4, 3, QImage::Format_RGB32);
        image.fill(Qt::red);
        QVERIFY(image.save(path, "JPG"));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a picture");
    }
}

void PicturesTest::init()
{
    work_ = std::make_unique<QTemporaryDir>();
    program_ = std::make_unique<QTemporaryDir>();
    write(work_->filePath("Images/exit.jpg"), true);
    write(work_->filePath("images/Check.JPG"), true);
    write(work_->filePath("opening/cassin00.jpg"), true);
    write(program_->filePath("Images/logo2.jpg"), true);
}

void PicturesTest::resolves_data()
{
    QTest::addColumn<QString>("designed");
    QTest::addColumn<QString>("found"); // relative to its base, empty when not found
    QTest::newRow("backslash") << "Images\\exit.jpg" << "Images/exit.jpg";
    QTest::newRow("other case of the folder") << "images\\exit.jpg" << "Images/exit.jpg";
    QTest::newRow("other case of every part") << "IMAGES\\EXIT.JPG" << "Images/exit.jpg";
    QTest::newRow("file stored in capitals") << "images\\check.jpg" << "images/Check.JPG";
    QTest::newRow("forward slash") << "opening/cassin00.jpg" << "opening/cassin00.jpg";
    QTest::newRow("beside the program") << "Images\\logo2.jpg" << "Images/logo2.jpg";
    QTest::newRow("missing") << "Images\\nothing.jpg" << "";
    QTest::newRow("a folder, not a file") << "Images" << "";
    QTest::newRow("empty") << "" << "";
}

void PicturesTest::resolves()
{
    QFETCH(QString, designed);
    QFETCH(QString, found);
    const QString result = forms::resolvePath(designed, {work_->path(), program_->path()});
    if (found.isEmpty())
        QVERIFY(result.isEmpty());
    else
        QVERIFY2(result.endsWith(found) && QFile::exists(result), qPrintable(result));
}

void PicturesTest::workingFolderComesFirst()
{
    write(program_->filePath("Images/exit.jpg"), true);
    QCOMPARE(forms::resolvePath("Images\\exit.jpg", {work_->path(), program_->path()}),
             QDir(work_->path()).absoluteFilePath("Images/exit.jpg"));
    QCOMPARE(forms::resolvePath("Images\\exit.jpg", {program_->path(), work_->path()}),
             QDir(program_->path()).absoluteFilePath("Images/exit.jpg"));
}

void PicturesTest::missingAndUnreadableFilesGiveNoPicture()
{
    write(work_->filePath("Images/broken.jpg"), false);
    const QString home = QDir::currentPath();
    QDir::setCurrent(work_->path());
    const QPixmap good = forms::loadPicture("images\\EXIT.jpg");
    const QPixmap missing = forms::loadPicture("Images\\nothing.jpg");
    const QPixmap broken = forms::loadPicture("Images\\broken.jpg");
    QDir::setCurrent(home);
    QCOMPARE(good.size(), QSize(4, 3));
    QVERIFY(missing.isNull());
    QVERIFY(broken.isNull());
}

void PicturesTest::installedPicturesComeAfterTheWorkingAndProgramFolders()
{
    QTemporaryDir userData, systemData;
    qputenv("XDG_DATA_HOME", userData.path().toLocal8Bit());
    qputenv("XDG_DATA_DIRS", systemData.path().toLocal8Bit());
    write(systemData.filePath("tavrenel/Images/installed.jpg"), true);
    write(work_->filePath("Images/installed.jpg"), true);

    const QString program = QCoreApplication::applicationDirPath();
    const QStringList folders = forms::pictureFolders();
    const QString besideBin = QDir::cleanPath(program + "/../share/tavrenel");
    QCOMPARE(folders.mid(0, 3), QStringList({QDir::currentPath(), program, besideBin}));
    const auto user = folders.indexOf(userData.filePath("tavrenel"));
    const auto system = folders.indexOf(systemData.filePath("tavrenel"));
    QVERIFY(user > 2 && system > user);

    QCOMPARE(forms::resolvePicturePath("images\\INSTALLED.jpg"), systemData.filePath("tavrenel/Images/installed.jpg"));
    // A picture a user puts in the working folder still wins.
    const QString home = QDir::currentPath();
    QDir::setCurrent(work_->path());
    const QString chosen = forms::resolvePicturePath("Images\\installed.jpg");
    QDir::setCurrent(home);
    QCOMPARE(chosen, work_->filePath("Images/installed.jpg"));
}

QTEST_MAIN(PicturesTest)
#include "test_pictures.moc"
