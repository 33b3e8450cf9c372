// The symbols screen driven as a pupil drives it: by the pointer.
#include "app/menu.h"
#include "activity/fit.h"
#include "activity/rules.h"
#include "support/testscreens.h"
#include "units/symbols.h"
#include "units/unitsmatch.h"

#include <QtTest>
#include <set>

using units::UnitsMatch;

namespace {

using Pair = std::pair<QString, QString>; // quantity, symbol
using Question = QList<Pair>;
constexpr int Items = 8; // the pairs of a question

Question pairsOf(const std::vector<units::UnitPair>& pairs)
{
    Question q;
    for (const units::UnitPair& pair : pairs)
        q << Pair{pair.quantity, pair.symbol};
    return q;
}
const Question Level1 = pairsOf(units::symbolsUnits().levelOne);
const Question UnitTable = pairsOf(units::symbolsUnits().unitTable);

// Answer label i with symbol i: the pairs of the question on the board.
Question question(const UnitsMatch& s)
{
    Question q;
    for (int i = 0; i < Items; ++i)
        q << Pair{s.answers(i).caption(), s.symbols(i).caption()};
    return q;
}

activity::Corner corner(const forms::Control& c) { return {c.left(), c.top()}; }

bool everyLabelHome(const UnitsMatch& s)
{
    for (int i = 0; i < Items; ++i)
        if (corner(s.answers(i)) != corner(s.homes(i)))
            return false;
    return true;
}

QStringList targetCaptions(const UnitsMatch& s)
{
    QStringList captions;
    for (int i = 0; i < Items; ++i)
        captions << s.targets(i).caption();
    return captions;
}

// Presses the left button on answer label i, drags it so that the pointer
// ends at `to` (pixels of the screen) and releases it there.
void drag(UnitsMatch& s, int i, QPoint to)
{
    forms::Label& label = s.answers(i);
    QTest::mousePress(&label, Qt::LeftButton, {}, label.rect().center());
    QTest::mouseMove(&label, label.mapFrom(&s, to));
    QTest::mouseRelease(&label, Qt::LeftButton, {}, label.mapFrom(&s, to));
}

void dropOnTarget(UnitsMatch& s, int i, int target) { drag(s, i, s.targets(target).geometry().center()); }

void click(forms::Control& control) { QTest::mouseClick(&control, Qt::LeftButton, {}, control.rect().center()); }

// The screen, opened and shown, with its level buttons revealed.
UnitsMatch& open(TestScreens& t)
{
    auto& s = t.open<UnitsMatch>(units::symbolsUnits().screen);
    if (!QTest::qWaitFor([&s] { return s.levels(1).isVisible(); }, 2000))
        qFatal("the symbols screen never came up with its level buttons");
    return s;
}

void useGenerator(TestScreens& t, quint64 seed)
{
    auto generator = std::make_shared<forms::UniformRandom>(seed);
    t->platform().random = [generator] { return (*generator)(); };
}

} // namespace

class TestSymbols : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestFonts(); }
    void menuFourOpensTheActivityAndExitReturnsToIt();
    void freshScreenShowsTheFirstQuestionInDesignOrder();
    void noBoxLiesInAnotherBoxsCaptureZone();
    void levelButtonsAppearOnTheFirstTick();
    void eachLevelOneChoiceReshufflesTheSamePairs_data();
    void eachLevelOneChoiceReshufflesTheSamePairs();
    void levelTwoDrawsEightDistinctTableEntries();
    void symbolsWrittenAsTeachersWriteThem_data();
    void symbolsWrittenAsTeachersWriteThem();
    void everyPairDrawnWholeAtEverySize_data();
    void everyPairDrawnWholeAtEverySize();
    void questionsDrawnInQuickSuccessionDiffer_data();
    void questionsDrawnInQuickSuccessionDiffer();
    void questionsComeFromTheRandomSource();
    void levelOneByPointerScoresEightOutOfEight();
    void sharedSymbolsCountOnEitherTargetButStackedNamesOnce();
    void scoreLineHiddenByPointerMovementNotByRelease();
    void startAgainKeepsQuestionAndTargetNumbers();
    void bareScreenClearsEveryCommandHighlight();
};

void TestSymbols::menuFourOpensTheActivityAndExitReturnsToIt()
{
    TestScreens t;
    auto& menu = t.open<app::Menu>(QStringLiteral("menu4"));
    QCOMPARE(menu.topics(3).caption(), QStringLiteral("Units and their Symbols"));
    click(menu.topics(3));
    QVERIFY(t->isLoaded(QStringLiteral("symbols")));
    auto& s = t->get<UnitsMatch>(QStringLiteral("symbols"));
    QVERIFY(s.isVisible());
    QCOMPARE(s.windowTitle(), QStringLiteral("Units and their Symbols"));

    QVERIFY(QTest::qWaitForWindowExposed(&s));
    click(s.commands(UnitsMatch::Exit));
    QVERIFY(!t->isLoaded(QStringLiteral("symbols")));
    QVERIFY(t->isLoaded(QStringLiteral("menu4")));
}

void TestSymbols::freshScreenShowsTheFirstQuestionInDesignOrder()
{
    TestScreens t;
    auto& s = t->get<UnitsMatch>(QStringLiteral("symbols"));
    QCOMPARE(s.board.count(), Items);
    QCOMPARE(question(s), Level1);
    for (int i = 0; i < Items; ++i) {
        QCOMPARE(s.targets(i).caption(), QStringLiteral(" %1.").arg(i + 1));
        QVERIFY(!s.targets(i).isOpaque() && !s.targets(i).isHidden() && !s.homes(i).isHidden());
        QCOMPARE(s.homes(i).twipWidth(), s.answers(i).twipWidth());
        QCOMPARE(s.homes(i).twipHeight(), s.answers(i).twipHeight());
        // Each symbol stands directly above its target.
        QCOMPARE(s.symbols(i).left(), s.targets(i).left());
        QVERIFY(s.symbols(i).top() < s.targets(i).top());
    }
    QVERIFY(everyLabelHome(s));
    QVERIFY(s.levels(0).value());
    QVERIFY(!s.levels(1).value());
    QVERIFY(s.commands(UnitsMatch::CheckScore).isHidden());
    QVERIFY(s.commands(UnitsMatch::NewQuestion).isHidden());
    QVERIFY(s.scoreLine.isHidden());
}

// Where the boxes lie decides where a drop ends: no box may capture another's place.
void TestSymbols::noBoxLiesInAnotherBoxsCaptureZone()
{
    TestScreens t;
    auto& s = t->get<UnitsMatch>(QStringLiteral("symbols"));
    std::vector<forms::TwipRect> boxes;
    for (int i = 0; i < Items; ++i)
        boxes.insert(boxes.end(), {s.targets(i).twips(), s.homes(i).twips()});
    for (const auto& box : boxes)
        for (const auto& other : boxes)
            if (&box != &other)
                QVERIFY(!activity::insideCaptureZone(box, {other.left, other.top}));
}

void TestSymbols::levelButtonsAppearOnTheFirstTick()
{
    TestScreens t;
    auto& s = t->get<UnitsMatch>(QStringLiteral("symbols"));
    QVERIFY(s.levels(0).isHidden());
    QVERIFY(s.levels(1).isHidden());
    QVERIFY(s.showLevels.isActive());
    QCOMPARE(s.showLevels.interval(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(!s.levels(0).isHidden() && !s.levels(1).isHidden(), 2000);
    QVERIFY(!s.showLevels.isActive()); // stopped: later ticks would change nothing
}

void TestSymbols::eachLevelOneChoiceReshufflesTheSamePairs_data()
{
    QTest::addColumn<quint64>("seed");
    QTest::newRow("seed 3") << quint64(3);
    QTest::newRow("seed 1234") << quint64(1234);
}

void TestSymbols::eachLevelOneChoiceReshufflesTheSamePairs()
{
    QFETCH(quint64, seed);
    TestScreens t;
    useGenerator(t, seed);
    auto& s = open(t);
    const std::set<Pair> level1(Level1.begin(), Level1.end());
    std::set<Question> orders;
    // Level 2 first, so that Level 1 must hide "New Question" again.
    click(s.levels(1));
    QVERIFY(!s.commands(UnitsMatch::NewQuestion).isHidden());
    for (int round = 0; round < 6; ++round) {
        click(s.levels(0));
        QVERIFY(s.levels(0).value());
        const Question q = question(s);
        QCOMPARE(std::set<Pair>(q.begin(), q.end()), level1);
        QVERIFY(s.commands(UnitsMatch::NewQuestion).isHidden());
        QCOMPARE(targetCaptions(s), QStringList(Items, QString()));
        QVERIFY(everyLabelHome(s));
        orders.insert(q);
    }
    QVERIFY2(orders.size() > 1, "six Level 1 choices gave one and the same order");
}

// The symbol, not the unit's name, and written with its space.
void TestSymbols::symbolsWrittenAsTeachersWriteThem_data()
{
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("symbol");
    QTest::newRow("resistance in ohms") << "Resistance" << QStringLiteral("\u03A9");
    QTest::newRow("momentum in kilogram metres per second") << "Momentum" << QStringLiteral("kg\u00A0m/s");
}

void TestSymbols::symbolsWrittenAsTeachersWriteThem()
{
    QFETCH(QString, quantity);
    QFETCH(QString, symbol);
    const auto pair = std::find_if(UnitTable.begin(), UnitTable.end(), [&](const Pair& p) { return p.first == quantity; });
    QVERIFY(pair != UnitTable.end());
    QCOMPARE(pair->second, symbol);
}

void TestSymbols::everyPairDrawnWholeAtEverySize_data()
{
    QTest::addColumn<QSize>("display");
    QTest::newRow("design size") << QSize(1024, 768);
    QTest::newRow("fitted to 1920 x 1080") << QSize(1920, 1080);
    QTest::newRow("fitted to 3840 x 2160") << QSize(3840, 2160);
}

// Every symbol of the table in the screen's own font, every glyph its own
// (no box for a missing one), on one line in its place; every quantity
// wrapped inside its box.
void TestSymbols::everyPairDrawnWholeAtEverySize()
{
    QFETCH(QSize, display);
    TestScreens t;
    t.fake->display = display;
    activity::fitToScreen(*t, display.width() > 1024);
    auto& s = open(t);
    const forms::Label& symbol = s.symbols(0);
    const QFontMetrics symbolMetrics(symbol.font());
    const forms::Label& answer = s.answers(0);
    const QRect inside = answer.rect().adjusted(2, 2, -2, -2);
    for (const Pair& pair : UnitTable) {
        for (const char32_t glyph : pair.second.toUcs4())
            QVERIFY2(symbolMetrics.inFontUcs4(glyph), qPrintable(pair.second));
        QVERIFY2(symbolMetrics.horizontalAdvance(pair.second) <= symbol.width(), qPrintable(pair.second));
        const QRect text = QFontMetrics(answer.font()).boundingRect(inside, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                                                                    pair.first);
        QVERIFY2(inside.contains(text), qPrintable(pair.first));
    }
}

void TestSymbols::levelTwoDrawsEightDistinctTableEntries()
{
    TestScreens t;
    useGenerator(t, 99);
    auto& s = open(t);
    click(s.levels(1));
    for (int i = 0; i < Items; ++i)
        dropOnTarget(s, i, i);
    click(s.commands(UnitsMatch::CheckScore));
    for (int round = 0; round < 25; ++round) {
        std::set<QString> quantities;
        for (const Pair& pair : question(s)) {
            QVERIFY2(UnitTable.contains(pair), qPrintable(pair.first + " with " + pair.second));
            quantities.insert(pair.first);
        }
        QCOMPARE(int(quantities.size()), Items);
        QVERIFY(!s.commands(UnitsMatch::NewQuestion).isHidden());
        dropOnTarget(s, round % Items, round % Items);
        click(s.commands(UnitsMatch::NewQuestion));
        QVERIFY(everyLabelHome(s));
        QCOMPARE(targetCaptions(s), QStringList(Items, QString()));
        QVERIFY(s.commands(UnitsMatch::CheckScore).isHidden());
        QVERIFY(s.scoreLine.isHidden());
    }
}

void TestSymbols::questionsDrawnInQuickSuccessionDiffer_data()
{
    QTest::addColumn<quint64>("seed");
    for (quint64 seed : {1u, 2u, 3u, 2026u, 86399u})
        QTest::addRow("seed %llu", static_cast<unsigned long long>(seed)) << seed;
}

// Two clicks within the same second draw two different questions.
void TestSymbols::questionsDrawnInQuickSuccessionDiffer()
{
    QFETCH(quint64, seed);
    TestScreens t;
    useGenerator(t, seed);
    auto& s = open(t);
    click(s.levels(1));
    const Question first = question(s);
    click(s.commands(UnitsMatch::NewQuestion));
    const Question second = question(s);
    click(s.commands(UnitsMatch::NewQuestion));
    QVERIFY(first != second);
    QVERIFY(second != question(s));
}

// The screen draws from the program's random source and nowhere else: the
// same draws give the same question.
void TestSymbols::questionsComeFromTheRandomSource()
{
    Question questions[2];
    for (Question& q : questions) {
        TestScreens t;
        for (int k = 0; k < 50 * 19; ++k)
            t.fake->draws.push_back((k * 37 % 100) / 100.0);
        auto& s = t->get<UnitsMatch>(QStringLiteral("symbols"));
        s.levels(1).setValue(true);
        q = question(s);
        QVERIFY(t.fake->draws.empty());
    }
    QCOMPARE(questions[0], questions[1]);
    QVERIFY(questions[0] != Level1);
}

void TestSymbols::levelOneByPointerScoresEightOutOfEight()
{
    TestScreens t;
    useGenerator(t, 7);
    auto& s = open(t);
    click(s.levels(0));
    const Question q = question(s);
    for (int i = 0; i < Items; ++i) {
        QVERIFY(s.commands(UnitsMatch::CheckScore).isHidden());
        dropOnTarget(s, i, i);
        QCOMPARE(corner(s.answers(i)), corner(s.targets(i)));
    }
    QVERIFY(!s.commands(UnitsMatch::CheckScore).isHidden());
    click(s.commands(UnitsMatch::CheckScore));
    QVERIFY(!s.scoreLine.isHidden());
    QCOMPARE(s.scoreLine.caption(), QStringLiteral("8 out of 8 correct"));
    QCOMPARE(question(s), q);
}

void TestSymbols::sharedSymbolsCountOnEitherTargetButStackedNamesOnce()
{
    TestScreens t;
    useGenerator(t, 11);
    auto& s = open(t);
    click(s.levels(1));
    // Draw until the question holds two quantities of one unit.
    int j = -1, k = -1;
    for (int round = 0; round < 200 && j < 0; ++round) {
        for (int a = 0; a < Items && j < 0; ++a)
            for (int b = a + 1; b < Items; ++b)
                if (s.symbols(a).caption() == s.symbols(b).caption()) {
                    j = a;
                    k = b;
                    break;
                }
        if (j < 0)
            click(s.commands(UnitsMatch::NewQuestion));
    }
    QVERIFY2(j >= 0, "no question with a shared symbol in 200 draws");

    for (int i = 0; i < Items; ++i)
        dropOnTarget(s, i, i == j ? k : i == k ? j : i);
    click(s.commands(UnitsMatch::CheckScore));
    QCOMPARE(s.scoreLine.caption(), QStringLiteral("8 out of 8 correct"));

    // Both names on k's target: the board is still full, j's target empty.
    dropOnTarget(s, k, k);
    QCOMPARE(corner(s.answers(j)), corner(s.answers(k)));
    QVERIFY(!s.commands(UnitsMatch::CheckScore).isHidden());
    click(s.commands(UnitsMatch::CheckScore));
    QCOMPARE(s.scoreLine.caption(), QStringLiteral("7 out of 8 correct"));
}

void TestSymbols::scoreLineHiddenByPointerMovementNotByRelease()
{
    TestScreens t;
    auto& s = open(t);
    for (int i = 0; i < Items; ++i)
        dropOnTarget(s, i, i);
    forms::Label& last = s.answers(Items - 1);
    const QPoint here = last.rect().center(); // where the pointer rests
    const activity::Corner place = corner(last);

    // Scored without moving the pointer off the label.
    s.runCommand(UnitsMatch::CheckScore);
    QVERIFY(!s.scoreLine.isHidden());
    QTest::mouseClick(&last, Qt::LeftButton, {}, here);
    QVERIFY(!s.scoreLine.isHidden());
    QTest::mouseClick(&last, Qt::RightButton, {}, here);
    QVERIFY(!s.scoreLine.isHidden());
    QCOMPARE(corner(last), place);

    // Any movement over an answer label hides it, with or without a button.
    QTest::mouseMove(&last, here + QPoint(3, 0));
    QTRY_VERIFY(s.scoreLine.isHidden());
    QCOMPARE(corner(last), place);
    s.runCommand(UnitsMatch::CheckScore);
    QVERIFY(!s.scoreLine.isHidden());
    forms::Label& other = s.answers(0);
    QTest::mouseMove(&other, other.rect().center());
    QTRY_VERIFY(s.scoreLine.isHidden());
}

void TestSymbols::startAgainKeepsQuestionAndTargetNumbers()
{
    TestScreens t;
    useGenerator(t, 5);
    auto& s = open(t);
    const QStringList numbers = targetCaptions(s);
    for (int i = 0; i < Items; ++i)
        dropOnTarget(s, i, (i + 1) % Items);
    click(s.commands(UnitsMatch::CheckScore));
    QCOMPARE(s.scoreLine.caption(), QStringLiteral("0 out of 8 correct"));

    click(s.commands(UnitsMatch::StartAgain));
    QVERIFY(everyLabelHome(s));
    QCOMPARE(question(s), Level1);
    QCOMPARE(targetCaptions(s), numbers);
    QVERIFY(s.commands(UnitsMatch::CheckScore).isHidden());
    QVERIFY(s.scoreLine.isHidden());

    // On Level 2 the drawn question stays and the targets stay blank.
    click(s.levels(1));
    const Question drawn = question(s);
    dropOnTarget(s, 2, 5);
    click(s.commands(UnitsMatch::StartAgain));
    QVERIFY(everyLabelHome(s));
    QCOMPARE(question(s), drawn);
    QCOMPARE(targetCaptions(s), QStringList(Items, QString()));
}

void TestSymbols::bareScreenClearsEveryCommandHighlight()
{
    TestScreens t;
    auto& s = open(t);
    click(s.levels(1));
    s.commands(UnitsMatch::CheckScore).show();
    const QPoint bare(forms::toPixels(11900.0f, s.scale()), forms::toPixels(6500.0f, s.scale()));
    QTest::mouseMove(&s, bare);
    for (int k = UnitsMatch::Exit; k <= UnitsMatch::NewQuestion; ++k) {
        QTRY_VERIFY(!s.commands(k).isOpaque());
        QTest::mouseMove(&s.commands(k), s.commands(k).rect().center());
        QTRY_VERIFY(s.commands(k).isOpaque());
    }
    QTest::mouseMove(&s, bare);
    for (int k = UnitsMatch::Exit; k <= UnitsMatch::NewQuestion; ++k)
        QTRY_VERIFY(!s.commands(k).isOpaque());
}

QTEST_MAIN(TestSymbols)
#include "test_symbols.moc"
