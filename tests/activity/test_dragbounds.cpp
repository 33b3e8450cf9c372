// A pupil never loses a label: dragged past any edge of the window, on every
// screen with an answer board, it stays whole inside the client area, and the
// drop pass then applies as usual.
#include "activity/board.h"
#include "forms/label.h"
#include "forms/screen.h"
#include "support/pointer.h"
#include "support/testscreens.h"

#include <QTest>

class DragBoundsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestFonts(); }
    void cleanup() { TestScreens::flushDeletes(); }
    void labelStaysInsideTheScreen_data();
    void labelStaysInsideTheScreen();
};

namespace {
bool inside(const forms::Label& label, const forms::Screen& screen)
{
    const forms::TwipRect r = label.twips();
    return r.left >= 0 && r.top >= 0 && r.left + r.width <= screen.twipWidth() && r.top + r.height <= screen.twipHeight();
}
} // namespace

void DragBoundsTest::labelStaysInsideTheScreen_data()
{
    QTest::addColumn<QPoint>("to"); // pixels of the window, 800 x 600
    QTest::newRow("past the left edge") << QPoint(-40, 300);
    QTest::newRow("past the right edge") << QPoint(900, 300);
    QTest::newRow("above the top") << QPoint(400, -30);
    QTest::newRow("below the bottom") << QPoint(400, 640);
    QTest::newRow("far off a corner") << QPoint(-3000, 5000);
}

void DragBoundsTest::labelStaysInsideTheScreen()
{
    QFETCH(QPoint, to);
    TestScreens t;
    QStringList boards;
    for (const QString& name : t->registeredNames()) {
        forms::Screen& screen = t->get(name);
        QList<forms::Label*> answers;
        for (forms::Label* label : screen.findChildren<forms::Label*>())
            if (activity::AnswerBoard::isAnswerLabel(*label))
                answers << label;
        if (answers.isEmpty()) {
            t->unload(name);
            continue;
        }
        boards << name;
        QVERIFY(pointer::showAndWait(screen));
        for (forms::Label* label : {answers.first(), answers.last()}) {
            pointer::drag(*label, to);
            QVERIFY2(inside(*label, screen), qPrintable(name + ": " + label->caption()));
            QVERIFY(label->isVisible());
        }
        t->unload(name);
        TestScreens::flushDeletes();
    }
    QVERIFY2(boards.contains("generator") && boards.contains("symbols"), qPrintable(boards.join(' ')));
}

QTEST_MAIN(DragBoundsTest)
#include "test_dragbounds.moc"
