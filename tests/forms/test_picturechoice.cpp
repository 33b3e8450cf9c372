// Pictures at the resolution a fitted screen needs: the finer files drawn
// beside a design file are chosen by the scale, and a design file replaced by
// hand is never hidden behind an old finer one.
#include "forms/pictures.h"
#include "forms/twips.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

class PictureChoiceTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;

    // A picture of 4 x 3 pixels times `factor`, modified `age` seconds ago.
    QString write(const QString& name, int factor, int age)
    {
        const QString path = dir.filePath(name);
        QImage image(4 * factor, 3 * factor, QImage::Format_RGB32);
        image.fill(Qt::blue);
        if (!image.save(path, "JPG"))
            qWarning("cannot write %s", qPrintable(path));
        QFile file(path);
        file.open(QIODevice::ReadWrite);
        file.setFileTime(QDateTime::currentDateTime().addSecs(-age), QFileDevice::FileModificationTime);
        return path;
    }

private slots:
    // files: the factors drawn ("2" finer, "2s" of the wrong size, "2o" older
    // than the design file); the factor chosen for each ratio.
    void choosesByRatio_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<int>("chosen");
        const QStringList all{"2", "3"};
        QTest::newRow("as designed") << all << 1.0 << 1;
        QTest::newRow("1024 x 768") << all << 1.28 << 2;
        QTest::newRow("1920 x 1080") << all << 1.8 << 2;
        QTest::newRow("2560 x 1440") << all << 2.4 << 3;
        QTest::newRow("4K at twice the pixels") << all << 3.6 << 3;
        QTest::newRow("only twice drawn") << QStringList{"2"} << 2.4 << 2;
        QTest::newRow("only the design file") << QStringList{} << 1.8 << 1;
        QTest::newRow("replaced by a picture of another size") << QStringList{"2s", "3s"} << 1.8 << 1;
        QTest::newRow("replaced by hand after the finer ones were drawn") << QStringList{"2o", "3o"} << 1.8 << 1;
        QTest::newRow("shrunk below the design") << all << 0.8 << 1;
    }

    void choosesByRatio()
    {
        QFETCH(QStringList, files);
        QFETCH(double, ratio);
        QFETCH(int, chosen);
        const QString design = write(QStringLiteral("exit.jpg"), 1, 100);
        QFile::remove(dir.filePath("exit@2x.jpg"));
        QFile::remove(dir.filePath("exit@3x.jpg"));
        for (const QString& f : files) {
            const int factor = f.left(1).toInt();
            write(QStringLiteral("exit@%1x.jpg").arg(factor), f.endsWith('s') ? factor + 1 : factor,
                  f.endsWith('o') ? 200 : 50);
        }
        const auto [file, factor] = forms::choosePictureFile(design, ratio);
        QCOMPARE(factor, chosen);
        QCOMPARE(QFileInfo(file).fileName(),
                 chosen == 1 ? QStringLiteral("exit.jpg") : QStringLiteral("exit@%1x.jpg").arg(chosen));
    }

    // Loaded by its design name at a fitted scale: the finer pixels, shown at
    // the design size.
    void loadsTheFinerFileAtItsDesignSize()
    {
        QDir().mkpath(dir.filePath("Images"));
        write(QStringLiteral("Images/next.jpg"), 1, 100);
        write(QStringLiteral("Images/next@2x.jpg"), 2, 50);
        const QString before = QDir::currentPath();
        QDir::setCurrent(dir.path());
        const QPixmap fine = forms::loadPicture(QStringLiteral("images\\NEXT.jpg"), 1.8f);
        const QPixmap plain = forms::loadPicture(QStringLiteral("images\\NEXT.jpg"));
        QDir::setCurrent(before);
        QCOMPARE(fine.size(), QSize(8, 6));
        QCOMPARE(fine.deviceIndependentSize(), QSizeF(4, 3));
        QCOMPARE(plain.size(), QSize(4, 3));
        QCOMPARE(plain.devicePixelRatio(), 1.0);
    }

    // Every picture drawn beside the program has its finer files, and they
    // are the ones chosen for a fitted screen.
    void everyDrawnPictureHasFinerFiles_data()
    {
        QTest::addColumn<QString>("design");
        for (const QString folder : {"Images", "opening"})
            for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files))
                if (!file.fileName().contains('@'))
                    QTest::newRow(qPrintable(folder + '/' + file.fileName())) << file.filePath();
        QTest::newRow("the folders themselves") << QStringLiteral("Images");
    }

    void everyDrawnPictureHasFinerFiles()
    {
        QFETCH(QString, design);
        if (design == QLatin1String("Images")) { // no pictures drawn at all is a fault too
            QVERIFY(QFileInfo::exists(QStringLiteral("Images/exit.jpg")));
            return;
        }
        QCOMPARE(forms::choosePictureFile(design, 2.0).second, 2);
        QCOMPARE(forms::choosePictureFile(design, 3.0).second, 3);
    }
};

QTEST_MAIN(PictureChoiceTest)
#include "test_picturechoice.moc"
