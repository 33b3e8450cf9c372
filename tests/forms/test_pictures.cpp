// Finding picture files by the names the screens give them, on any platform.
#include "forms/pictures.h"

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

QTEST_MAIN(PicturesTest)
#include "test_pictures.moc"
