// A notice goes at the next thing done on its screen, and only then: not at
// the action that posted it, a modifier held alone, or what is done on another
// screen; what was pressed still does its work. It stands where its screen
// chose, its text whole.
#include "forms/control.h"
#include "forms/notice.h"
#include "forms/screen.h"
#include "forms/screens.h"
#include "support/testscreens.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// Posts a notice on its screen while a key is on its way through it, as a
// command run from a key does.
class PostsOnKey : public QObject {
public:
    explicit PostsOnKey(forms::Screen& screen) : screen_(screen) {}
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress)
            forms::Notice::post(screen_, QStringLiteral("Saved."));
        return false;
    }

private:
    forms::Screen& screen_;
};

struct TwoScreens {
    TestScreens t;
    forms::Screen* first = nullptr;
    forms::Screen* second = nullptr;
    forms::Control* command = nullptr;      // on the first screen
    forms::Control* elsewhere = nullptr;    // on the second

    TwoScreens()
    {
        for (const char* name : {"first", "second"})
            t->add(QLatin1String(name), [name](forms::Screens& s) { return std::make_unique<forms::Screen>(s, QLatin1String(name)); });
        first = &t.open("first");
        second = &t.open("second");
        command = new forms::Control(first, QStringLiteral("command"));
        command->place(240, 240, 1500, 495);
        command->setFocusPolicy(Qt::StrongFocus);
        command->show();
        elsewhere = new forms::Control(second, QStringLiteral("elsewhere"));
        elsewhere->place(240, 240, 1500, 495);
        elsewhere->show();
    }
};

void press(QWidget* on) { QTest::mouseClick(on, Qt::LeftButton, {}, on->rect().center()); }

} // namespace

class NoticeTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestFonts(); }

    void nextActionEndsIt_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("ends");
        QTest::newRow("a press on its screen") << "press" << true;
        QTest::newRow("a key on its screen") << "key" << true;
        QTest::newRow("Shift held alone") << "shift" << false;
        QTest::newRow("a press on another screen") << "other screen" << false;
        QTest::newRow("the key that posted it") << "posting key" << false;
    }
    void nextActionEndsIt()
    {
        QFETCH(QString, action);
        QFETCH(bool, ends);
        TwoScreens s;
        QSignalSpy clicked(s.command, &forms::Control::clicked);
        PostsOnKey poster(*s.first);
        if (action == "posting key") {
            s.command->installEventFilter(&poster);
            QTest::keyClick(s.command, Qt::Key_S, Qt::ControlModifier);
            QVERIFY(forms::Notice::on(*s.first));
        } else {
            forms::Notice::post(*s.first, QStringLiteral("Choose an activity first."));
            QCoreApplication::processEvents(); // the pupil's next action comes later
            if (action == "press")
                press(s.command);
            else if (action == "key")
                QTest::keyClick(s.command, Qt::Key_A);
            else if (action == "shift")
                QTest::keyPress(s.command, Qt::Key_Shift);
            else
                press(s.elsewhere);
        }
        QCOMPARE(forms::Notice::on(*s.first) == nullptr, ends);
        if (action == "press")
            QCOMPARE(clicked.count(), 1); // the press was not lost on the notice
        // Whatever stayed still goes at the next press on its screen.
        QCoreApplication::processEvents();
        press(s.command);
        QVERIFY(!forms::Notice::on(*s.first));
    }

    void standsWhereItsScreenChose_data()
    {
        QTest::addColumn<bool>("areaChosen");
        QTest::addColumn<int>("words");
        QTest::newRow("by default, short") << false << 3;
        QTest::newRow("in the chosen area, short") << true << 3;
        QTest::newRow("in the chosen area, taller than it") << true << 120;
    }
    void standsWhereItsScreenChose()
    {
        QFETCH(bool, areaChosen);
        QFETCH(int, words);
        TwoScreens s;
        const forms::TwipRect area{240, 5880, 11520, 1335};
        if (areaChosen)
            forms::Notice::setArea(*s.first, area);
        const QString text = QStringList(words, QStringLiteral("statement")).join(QLatin1Char(' '));
        const forms::TwipRect r = forms::Notice::post(*s.first, text).twips();
        const float foot = areaChosen ? area.top + area.height : forms::Notice::NoticeBottom;
        QCOMPARE(r.top + r.height, foot);
        if (areaChosen) {
            QCOMPARE(r.left, area.left);
            QCOMPARE(r.width, area.width);
            QCOMPARE(r.top < area.top, words > 100); // the whole text shows, above the area if need be
        } else {
            QCOMPARE(r.left + r.width / 2, s.first->twipWidth() / 2);
        }
        QVERIFY(r.top >= 0);
    }
};

QTEST_MAIN(NoticeTest)
#include "test_notice.moc"
