// The families the screens name resolve to metric-compatible faces, so that
// captions fit the boxes they were designed for.
#include "forms/fonts.h"

#include <QFontInfo>
#include <QTest>

class FontsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { forms::registerFonts(); }
    void resolves_data();
    void resolves();
};

void FontsTest::resolves_data()
{
    QTest::addColumn<QString>("designed");
    QTest::addColumn<QString>("drawnWith");
    QTest::newRow("Arial") << "Arial" << "Liberation Sans";
    QTest::newRow("Times New Roman") << "Times New Roman" << "Liberation Serif";
    QTest::newRow("Tahoma") << "Tahoma" << "Tahoma";
}

void FontsTest::resolves()
{
    QFETCH(QString, designed);
    QFETCH(QString, drawnWith);
    QCOMPARE(forms::resolvedFamily(designed), drawnWith);
    QFont bold(designed);
    bold.setBold(true);
    QCOMPARE(QFontInfo(bold).family(), drawnWith);
    QVERIFY2(QFontInfo(bold).bold(), qPrintable(QFontInfo(bold).styleName()));
}

QTEST_MAIN(FontsTest)
#include "test_fonts.moc"
