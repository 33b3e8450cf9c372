// Where the desktop cannot open the web site or the guide document, the
// screen says so in a notice that names the address or the document's folder
// and goes away by itself; nothing waits for an answer.
#include "app/openingscreen.h"
#include "app/teacherguide.h"
#include "forms/notice.h"
#include "support/testscreens.h"

#include <QApplication>
#include <QDir>
#include <QTest>

class ShellNoticeTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestFonts(); }
    void cleanup() { TestScreens::flushDeletes(); }
    void failedOpenIsNoticed_data();
    void failedOpenIsNoticed();
};

void ShellNoticeTest::failedOpenIsNoticed_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<bool>("shellWorks");
    QTest::addColumn<QString>("named"); // what the notice must give
    QTest::newRow("web site opened") << "intro0" << true << "";
    QTest::newRow("no browser") << "intro0" << false << app::OpeningScreen::WebAddress;
    QTest::newRow("guide document opened") << "TeacherGuide0" << true << "";
    QTest::newRow("no document viewer") << "TeacherGuide0" << false << QDir::toNativeSeparators(QDir::currentPath());
}

void ShellNoticeTest::failedOpenIsNoticed()
{
    QFETCH(QString, screen);
    QFETCH(bool, shellWorks);
    QFETCH(QString, named);
    TestScreens t;
    t.fake->shellWorks = shellWorks;
    forms::Screen& shown = t->get(screen);
    t->show(screen);
    const auto open = [&] {
        if (auto* intro = qobject_cast<app::OpeningScreen*>(&shown))
            intro->openWebSite();
        else
            qobject_cast<app::TeacherGuide*>(&shown)->openDocument();
    };
    open();
    QCOMPARE(t.fake->opened.size(), 1);
    forms::Notice* notice = forms::Notice::on(shown);
    QCOMPARE(notice != nullptr, !shellWorks);
    if (!notice)
        return;
    QVERIFY2(notice->caption().contains(named), qPrintable(notice->caption()));
    QVERIFY(notice->isVisible());
    QVERIFY(!QApplication::activeModalWidget());
    const forms::TwipRect r = notice->twips();
    QVERIFY(r.left >= 0 && r.top >= 0 && r.left + r.width <= shown.twipWidth() && r.top + r.height <= shown.twipHeight());
    // A second try replaces the notice rather than piling another on it.
    open();
    TestScreens::flushDeletes();
    QCOMPARE(shown.findChildren<forms::Notice*>().size(), 1);
    notice = forms::Notice::on(shown);
    QVERIFY(notice->lifetime.isActive());
    QCOMPARE(notice->lifetime.interval(), forms::Notice::LastingMs);
    QMetaObject::invokeMethod(&notice->lifetime, "timeout"); // it has lasted its time
    QVERIFY(!forms::Notice::on(shown));
    TestScreens::flushDeletes();
    QVERIFY(shown.findChildren<forms::Notice*>().isEmpty());
}

QTEST_MAIN(ShellNoticeTest)
#include "test_shellnotice.moc"
