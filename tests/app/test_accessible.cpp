// What a screen reader hears: every button, link, answer label, target and
// score line has a role and a name, read through QAccessible.
#include "support/pupil.h"
#include "support/testscreens.h"
#include "forms/screen.h"
#include "labelling/activity.h"

#include <QAccessible>
#include <QTest>
#include <memory>

Q_DECLARE_METATYPE(QAccessible::Role)

using labelling::LabellingActivity;

namespace {

forms::Control* controlOf(const forms::Screen& screen, const QString& name, int index)
{
    for (forms::Control* c : screen.findChildren<forms::Control*>(name))
        if (c->index() == index)
            return c;
    return nullptr;
}

} // namespace

class AccessibleTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestScreens> screens;

    static void check(QWidget* w, QAccessible::Role role, const QString& name)
    {
        QVERIFY(w);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
        QVERIFY(face);
        QCOMPARE(face->role(), role);
        QCOMPARE(face->text(QAccessible::Name), name);
    }

private slots:
    void initTestCase() { initTestFonts(); }
    void init() { screens = std::make_unique<TestScreens>(); }
    void cleanup() { screens.reset(); }

    void namesAndRoles_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("index");
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addColumn<QString>("name");
        QTest::newRow("check box") << "intro0" << "hideDesktop" << -1 << QAccessible::CheckBox << "Hide Desktop";
        QTest::newRow("fit box") << "intro0" << "fitToScreen" << -1 << QAccessible::CheckBox << "Fit to Screen";
        QTest::newRow("menu link") << "intro0" << "menuLinks" << 3 << QAccessible::Link << "Menu 4";
        QTest::newRow("guide link") << "intro0" << "guideLink" << -1 << QAccessible::Link << "Teachers' Guide";
        QTest::newRow("picture button") << "intro0" << "exitButton" << -1 << QAccessible::Button << "Exit";
        QTest::newRow("jotter button") << "intro0" << "jotterButton" << -1 << QAccessible::Button << "Jotter";
        QTest::newRow("topic link") << "menu2" << "topics" << 0 << QAccessible::Link << "Electricity Production";
        QTest::newRow("guide page command") << "TeacherGuide1" << "commands" << 1 << QAccessible::Button << ">> Next Page";
        QTest::newRow("command") << "generator" << "commands" << 1 << QAccessible::Button << "Start Again";
        QTest::newRow("answer label") << "generator" << "answers" << 5 << QAccessible::Button << "turbine";
        QTest::newRow("empty target") << "generator" << "targets" << 2 << QAccessible::StaticText << "target 3 of 8, empty";
    }

    void namesAndRoles()
    {
        QFETCH(QString, screen);
        QFETCH(QString, control);
        QFETCH(int, index);
        QFETCH(QAccessible::Role, role);
        QFETCH(QString, name);
        (*screens)->show(screen);
        const forms::Screen& shown = (*screens)->get(screen);
        check(controlOf(shown, control, index), role, name);
    }

    // A target's name follows what lies on it, however it got there.
    void targetsSayWhatTheyHold()
    {
        (*screens)->show(QStringLiteral("generator"));
        auto& screen = (*screens)->get<LabellingActivity>(QStringLiteral("generator"));
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        pupil::dropOnTarget(screen, 5, 2);
        check(&screen.targets(2), QAccessible::StaticText, "target 3 of 8, holds 'turbine'");
        pupil::dropOnTarget(screen, 6, 2);
        check(&screen.targets(2), QAccessible::StaticText, "target 3 of 8, holds 'turbine' and 'electrical generator'");
        pupil::click(screen.commands(LabellingActivity::StartAgain));
        check(&screen.targets(2), QAccessible::StaticText, "target 3 of 8, empty");
        for (int a = 0; a < 8; ++a)
            pupil::dropOnTarget(screen, a, a);
        pupil::click(screen.commands(LabellingActivity::CheckScore));
        check(&screen.scoreLine(), QAccessible::StaticText, "8 out of 8 correct");
    }
};

QTEST_MAIN(AccessibleTest)
#include "test_accessible.moc"
