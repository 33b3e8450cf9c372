// Teachers' files as large as the rules allow: how long a 1 MB quiz takes to
// read, its editor to open, a key typed in it to show, a statement added in
// its middle and that undone, and the editor of a 1 MB statement set to open. Every figure is the slowest of a few runs, in
// milliseconds; each should stay under 200. With "cpu" the time is the
// processor's spent on it, which other work on a shared machine does not swell.
//   QT_QPA_PLATFORM=offscreen filesbench [runs] [cpu]
#include "app/register.h"
#include "forms/fonts.h"
#include "forms/screens.h"
#include "statements/editor/statementeditor.h"
#include "statements/ownquiz.h"
#include "statements/statementset.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>

namespace {

bool processorTime = false;

double cpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double ms(const std::function<void()>& run)
{
    QElapsedTimer timer;
    const double cpuBefore = cpuMs();
    timer.start();
    run();
    return processorTime ? cpuMs() - cpuBefore : double(timer.nsecsElapsed()) / 1e6;
}

double slowest(int runs, const std::function<double()>& run)
{
    double worst = 0;
    for (int k = 0; k < runs; ++k)
        worst = std::max(worst, run());
    return worst;
}

// As many short statements as fit in the largest file, each different.
QByteArray largestQuiz(int& count)
{
    QByteArray json = R"({"format": 1, "kind": "statements", "title": "Forces", "choices": ["True", "False"], "statements": [)";
    for (count = 0; json.size() < statements::LargestQuizFile - 64; ++count)
        json += (count ? "," : "") + QStringLiteral(R"({"text":"S%1.","answer":"True"})").arg(count).toUtf8();
    return json + "]}";
}

QByteArray largestSet(int& count)
{
    QByteArray text;
    for (count = 0; text.size() < statements::LargestSetFile - 64; ++count)
        text += QStringLiteral("True | Statement %1. | r\n").arg(count).toUtf8();
    return text;
}

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true); // never the user's own folders
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 3;
    processorTime = argc > 2 && QByteArray(argv[2]) == "cpu";
    forms::registerFonts();
    forms::Platform platform = forms::Platform::system();
    platform.setting = [](const QString&) { return QVariant(); };
    platform.remember = [](const QString&, const QVariant&) { return true; };
    forms::Screens screens(platform);
    app::registerEverything(screens);
    QTemporaryDir folder;

    int quizStatements = 0, setLines = 0;
    const QString quiz = folder.filePath(QStringLiteral("forces.tavquiz"));
    write(quiz, largestQuiz(quizStatements));
    const double read = slowest(runs, [&] { return ms([&] { (void)statements::readOwnQuiz(quiz); }); });

    const auto open = [&](const statements::EditorTarget& target) {
        return ms([&] {
            screens.unload(statements::StatementEditorId);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            screens.add(statements::StatementEditorId,
                        [target](forms::Screens& s) { return std::make_unique<statements::StatementEditor>(s, target); });
            screens.show(statements::StatementEditorId);
            QCoreApplication::processEvents();
        });
    };
    statements::EditorTarget quizTarget{QStringLiteral("Edit quiz"), quiz, folder.path(), {}, {}, {}};
    const double opened = slowest(runs, [&] { return open(quizTarget); });
    auto& editor = screens.get<statements::StatementEditor>(statements::StatementEditorId);
    editor.choose(quizStatements / 2);
    const double key = slowest(runs * 3, [&] {
        return ms([&] {
            QTest::keyClick(&editor.statement.widget, Qt::Key_A);
            QCoreApplication::processEvents();
        });
    });

    const auto command = [&](forms::Control& pressed) {
        return ms([&] {
            QTest::mouseClick(&pressed, Qt::LeftButton, {}, pressed.rect().center());
            QCoreApplication::processEvents();
        });
    };
    const double added = slowest(runs, [&] {
        const double took = command(editor.rowCommands(statements::StatementEditor::Add));
        return std::max(took, command(editor.commands(statements::StatementEditor::Undo)));
    });

    const QString set = folder.filePath(QStringLiteral("heattransfer.txt"));
    write(set, largestSet(setLines));
    statements::EditorTarget setTarget{QStringLiteral("Edit statements"), set, folder.path(), QStringLiteral("heattransfer.txt"),
                                       {QStringLiteral("True"), QStringLiteral("False")}, {}};
    const double setOpened = slowest(runs, [&] { return open(setTarget); });

    std::printf("1 MB quiz (%d statements): read %7.1f ms   editor opens %7.1f ms   a key typed %7.1f ms\n", quizStatements, read,
                opened, key);
    std::printf("1 MB quiz: a statement added, or that undone %7.1f ms\n", added);
    std::printf("1 MB statement set (%d lines): editor opens %7.1f ms\n", setLines, setOpened);
    return 0;
}
