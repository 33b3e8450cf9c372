// The guide document: RTF escaping, every text of every guide page in the
// document, a table row per activity, and the file the build put beside the
// program being that document.
#include "app/guidepages.h"
#include "guidedoc/guidedocument.h"

#include <QFile>
#include <QSet>
#include <QRegularExpression>
#include <QTest>
#include <cctype>

namespace {

// The text a reader shows for an RTF document, much simplified: control
// words are dropped, \line and \par become line breaks, \cell a tab, \uN? the
// character N, and the font, colour and information groups are skipped.
QString plainText(const QByteArray& rtf)
{
    QString text;
    QList<bool> skipping{false};
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        const char c = rtf[i];
        if (c == '{') {
            skipping.append(skipping.last());
            static const QByteArrayList hidden{"{\\fonttbl", "{\\colortbl", "{\\info", "{\\*"};
            for (const QByteArray& h : hidden)
                if (rtf.mid(i, h.size()) == h)
                    skipping.last() = true;
        } else if (c == '}') {
            skipping.removeLast();
            if (skipping.isEmpty())
                return text; // the document has ended
        } else if (c == '\\') {
            const char next = i + 1 < rtf.size() ? rtf[i + 1] : '\0';
            if (next == '\\' || next == '{' || next == '}') {
                if (!skipping.last())
                    text += QLatin1Char(next);
                ++i;
                continue;
            }
            qsizetype j = i + 1;
            while (j < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[j])))
                ++j;
            const QByteArray word = rtf.mid(i + 1, j - i - 1);
            qsizetype k = j;
            if (k < rtf.size() && rtf[k] == '-')
                ++k;
            while (k < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[k])))
                ++k;
            const int parameter = rtf.mid(j, k - j).toInt();
            if (k < rtf.size() && rtf[k] == ' ')
                ++k; // the delimiting space belongs to the control word
            i = k - 1;
            if (skipping.last())
                continue;
            if (word == "u") {
                text += QChar(static_cast<char16_t>(static_cast<qint16>(parameter)));
                ++i; // the substitute character
            } else if (word == "line" || word == "par") {
                text += QLatin1Char('\n');
            } else if (word == "cell" || word == "tab") {
                text += QLatin1Char('\t');
            }
        } else if (c != '\n' && c != '\r' && !skipping.last()) {
            text += QLatin1Char(c);
        }
    }
    return text;
}

QStringList everyGuideText()
{
    const app::GuideIntro& intro = app::guideIntro();
    QStringList texts{app::GuideTitle, intro.support, intro.contactHeading, intro.address, intro.contacts,
                      intro.about, intro.opening};
    for (const app::GuidePage& page : app::guidePages()) {
        if (!page.heading.isEmpty())
            texts << page.heading;
        for (const QString& column : page.table.columns)
            texts << column;
        for (const std::vector<QString>& row : page.table.rows)
            for (const QString& cell : row)
                texts << cell;
    }
    return texts;
}

} // namespace

class GuideDocumentTest : public QObject {
    Q_OBJECT
private slots:
    void escaping_data();
    void escaping();
    void everyPageTextIsInTheDocument();
    void oneTableRowPerActivity();
    void documentIsBesideTheProgram();
};

void GuideDocumentTest::escaping_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("rtf");
    QTest::newRow("plain") << "Menu 1" << QByteArray("Menu 1");
    QTest::newRow("apostrophe") << "Teachers' Guide" << QByteArray("Teachers' Guide");
    QTest::newRow("braces and backslash") << "{a}\\b" << QByteArray("\\{a\\}\\\\b");
    QTest::newRow("accent") << QString::fromUtf8("caf\u00e9") << QByteArray("caf\\u233?");
    QTest::newRow("pound") << QString::fromUtf8("\u00a35") << QByteArray("\\u163?5");
    QTest::newRow("dash") << QString::fromUtf8("a \u2013 b") << QByteArray("a \\u8211? b");
    QTest::newRow("beyond 32767") << QString::fromUtf8("\uff21") << QByteArray("\\u-223?");
    QTest::newRow("line break before a digit") << "a\n5" << QByteArray("a\\line 5");
    QTest::newRow("line break at the end") << "a\n" << QByteArray("a\\line");
    QTest::newRow("tab") << "a\tb" << QByteArray("a\\tab b");
    QTest::newRow("other control characters dropped") << QString("a\rb") << QByteArray("ab");
}

void GuideDocumentTest::escaping()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, rtf);
    QCOMPARE(guidedoc::rtfText(text), rtf);
}

void GuideDocumentTest::everyPageTextIsInTheDocument()
{
    const QByteArray rtf = guidedoc::guideDocument();
    QVERIFY(rtf.startsWith("{\\rtf1\\ansi"));
    // Every byte is plain ASCII, as RTF wants.
    for (const char c : rtf)
        QVERIFY(static_cast<unsigned char>(c) < 0x80);
    const QString text = plainText(rtf);
    QVERIFY(text.startsWith(app::ProductTitle));
    int found = 0;
    for (const QString& guideText : everyGuideText()) {
        QVERIFY2(text.contains(guideText), qPrintable("missing: " + guideText));
        ++found;
    }
    QVERIFY(found > 100);
    // The menus come in order, each after the introduction.
    qsizetype previous = text.indexOf(app::guideIntro().opening);
    for (int menu = 1; menu <= 5; ++menu) {
        const qsizetype at = text.indexOf(QStringLiteral("\nMenu %1\n").arg(menu));
        QVERIFY(at > previous);
        previous = at;
    }
}

void GuideDocumentTest::oneTableRowPerActivity()
{
    const QByteArray rtf = guidedoc::guideDocument();
    // A heading row for each page's table and a row for each activity on it.
    qsizetype tables = 0, activities = 0;
    for (const app::GuidePage& page : app::guidePages())
        if (!page.table.rows.empty()) {
            ++tables;
            activities += qsizetype(page.table.rows.size());
        }
    QCOMPARE(rtf.count("\\trhdr"), tables);
    QCOMPARE(rtf.count("\\row"), tables + activities);
    // Each row ends at the same right-hand edge, the wide cells included, and
    // defines as many cells as it fills.
    const QStringList rows = QString::fromLatin1(rtf).split(QStringLiteral("\\trowd")).mid(1);
    QCOMPARE(rows.size(), tables + activities);
    QRegularExpression cellx(QStringLiteral("\\\\cellx(\\d+)"));
    QSet<QString> rightEdges;
    for (const QString& row : rows) {
        QString last;
        int defined = 0;
        for (const QRegularExpressionMatch& m : cellx.globalMatch(row)) {
            last = m.captured(1);
            ++defined;
        }
        rightEdges << last;
        QCOMPARE(row.count(QStringLiteral("\\cell\n")), defined);
        QVERIFY(defined == 3 || defined == 4);
    }
    QCOMPARE(rightEdges.size(), 1);
}

void GuideDocumentTest::documentIsBesideTheProgram()
{
    QFile file(app::GuideDocument); // the tests run in the program's folder
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.errorString()));
    QCOMPARE(file.readAll(), guidedoc::guideDocument());
}

QTEST_MAIN(GuideDocumentTest)
#include "test_guidedocument.moc"
