// Numbers as the board shows them, at the boundaries where floating point and
// rounding go wrong; and the beams of the moments diagrams laid out inside
// their picture whatever the distances.
#include "calculations/diagramview.h"
#include "calculations/moments.h"
#include "calculations/numbers.h"
#include "forms/platform.h"

#include <QTest>

using namespace calculations;

class NumbersTest : public QObject {
    Q_OBJECT

private slots:
    void written_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("expected");
        const QString nb = QString(NoBreakSpace);
        QTest::newRow("a sum with floating-point noise") << plain(0.1 + 0.2) << "0.3";
        QTest::newRow("a product with noise") << plain(1.1 * 1.1) << "1.21";
        QTest::newRow("thousands from five digits on") << plain(28800) << "28" + nb + "800";
        QTest::newRow("four digits kept together") << plain(2625) << "2625";
        QTest::newRow("millions") << plain(1260000) << "1" + nb + "260" + nb + "000";
        QTest::newRow("zeros that count") << figures(0.49999, 3) << "0.500";
        QTest::newRow("rounding up to the next power of ten") << figures(9.996, 3) << "10.0";
        QTest::newRow("a large value to three figures") << figures(1515.15, 3) << "1520";
        QTest::newRow("standard form, exact") << standardForm(2.5e8) << "2.5" + nb + "\u00D7" + nb + "10\u2078";
        QTest::newRow("standard form, negative power") << standardForm(4.6e-7) << "4.6" + nb + "\u00D7" + nb + "10\u207B\u2077";
        QTest::newRow("standard form to three figures") << standardForm(5.6603e14, 3) << "5.66" + nb + "\u00D7" + nb + "10\u00B9\u2074";
        QTest::newRow("pounds before the number") << withUnit("1.55", "\u00A3") << "\u00A3" "1.55";
        QTest::newRow("pence and percent close up") << withUnit(60, "p") + withUnit(75, "%") << "60p75%";
        QTest::newRow("an exact quotient") << shownResult(1080 / 0.72).text << "1500";
        QTest::newRow("a rounded quotient") << shownResult(340.0 / 512).text + roundingNote(shownResult(340.0 / 512).rounding)
                                            << "0.664 (3 s.f.)";
        QTest::newRow("an exact whole product of four figures") << shownResult(1250 * 2.1).text << "2625";
    }

    void written()
    {
        QFETCH(QString, shown);
        QFETCH(QString, expected);
        QCOMPARE(shown, expected);
    }

    // Every force of every beam lies on the picture, clear of its edges, and
    // the pivot lies where the distances put it.
    void beamsInsideTheirPicture()
    {
        forms::UniformRandom source(3);
        const Random random = [&source] { return source(); };
        for (int i = 0; i < 2000; ++i) {
            const Question q = momentsQuestion(random);
            const Beam& beam = std::get<Beam>(q.diagram);
            const BeamLayout at = layBeam(beam, 264);
            for (std::size_t f = 0; f < beam.forces.size(); ++f) {
                QVERIFY(at.forceX[f] >= 30 && at.forceX[f] <= 264 - 30);
                QCOMPARE(at.forceX[f] < at.pivotX, beam.forces[f].metres < 0);
            }
        }
    }
};

QTEST_MAIN(NumbersTest)
#include "test_numbers.moc"
