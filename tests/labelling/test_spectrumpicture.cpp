// The electromagnetic spectrum as drawn for its screen, read as the program
// reads it: each arrow points the way its name says, and the wave across the
// band shortens from the radio-wave end.
#include "forms/pictures.h"
#include "activity/leaders.h"
#include "labelling/emspectrum.h"

#include <QtTest>

namespace {

const labelling::ActivityData& spectrum() { return labelling::emSpectrumActivity(); }

QImage picture()
{
    return forms::loadPicture(spectrum().pictures[0].file).toImage();
}

// Something is drawn at a pixel: it stands out from the bare background.
bool drawnAt(const QImage& image, int x, int y)
{
    const QColor here(image.pixel(x, y)), bare(image.pixel(0, 0));
    return qAbs(here.red() - bare.red()) + qAbs(here.green() - bare.green()) + qAbs(here.blue() - bare.blue()) > 60;
}

} // namespace

class TestSpectrumPicture : public QObject {
    Q_OBJECT

private slots:
    // The arrow of increasing frequency points towards gamma rays (right), the
    // arrow of increasing wavelength towards radio waves (left): its head is
    // the taller end.
    void spectrumArrowsPointTheRightWays_data()
    {
        QTest::addColumn<int>("arrow");
        QTest::addColumn<bool>("headOnTheRight");
        QTest::newRow("increasing frequency") << labelling::IncreasingFrequency << true;
        QTest::newRow("increasing wavelength") << labelling::IncreasingWavelength << false;
    }

    void spectrumArrowsPointTheRightWays()
    {
        QFETCH(int, arrow);
        QFETCH(bool, headOnTheRight);
        const labelling::ActivityData& d = spectrum();
        const QImage image = picture();
        QVERIFY(!image.isNull());
        const int y = qRound(activity::pictureRect(d.pictures[0], d.items[arrow].target()).center().y());
        auto thickness = [&](int x) {
            int drawn = 0;
            for (int dy = -16; dy <= 16; ++dy)
                drawn += drawnAt(image, x, y + dy);
            return drawn;
        };
        const int left = thickness(14), right = thickness(image.width() - 14);
        QVERIFY(left > 0 && right > 0);
        QCOMPARE(right > left, headOnTheRight);
    }

    // Across the band the wave crosses its middle line far more often in the
    // middle third than in the radio-wave third: its wavelength shortens.
    void spectrumWaveShortensTowardsGamma()
    {
        const labelling::ActivityData& d = spectrum();
        const QImage image = picture();
        QVERIFY(!image.isNull());
        const QRectF above = activity::pictureRect(d.pictures[0], d.items[labelling::IncreasingFrequency].target());
        const QRectF below = activity::pictureRect(d.pictures[0], d.items[0].target());
        const int y = qRound((above.bottom() + 26 + below.top() - 8) / 2);
        auto crossings = [&](int from, int to) {
            int runs = 0;
            bool inWave = false;
            for (int x = from; x < to; ++x) {
                const bool white = qGray(image.pixel(x, y)) > 215;
                runs += white && !inWave;
                inWave = white;
            }
            return runs;
        };
        const int third = image.width() / 3;
        const int radioEnd = crossings(0, third), middle = crossings(third, 2 * third);
        QVERIFY2(radioEnd >= 2, "no wave across the band");
        QVERIFY(middle >= 2 * radioEnd);
    }

};

QTEST_MAIN(TestSpectrumPicture)
#include "test_spectrumpicture.moc"
