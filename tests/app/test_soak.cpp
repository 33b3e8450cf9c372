// The whole program under a restless class: thousands of seeded random events
// over every registered screen, new ones included, with the program's
// promises checked after each. A failure names its seed; replay it with
// TAVRENEL_SOAK_SEED=<seed> (and TAVRENEL_SOAK_EVENTS=<count>).
#include "support/soak.h"
#include "support/testscreens.h"
#include "statements/statementset.h"

#include <QDir>
#include <QElapsedTimer>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <sys/stat.h>

class SoakTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestFonts(); }
    void restlessClass();
};

namespace {
std::uint64_t soakSeed()
{
    bool ok = false;
    const qulonglong chosen = qEnvironmentVariable("TAVRENEL_SOAK_SEED").toULongLong(&ok);
    if (ok)
        return chosen;
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()) % 1000000007u;
}

int soakEvents()
{
    bool ok = false;
    const int chosen = qEnvironmentVariable("TAVRENEL_SOAK_EVENTS").toInt(&ok);
    return ok && chosen > 0 ? chosen : 20000;
}
// Notes the offscreen platform and the test library make on nearly every
// event (windows it cannot raise, a pointer past a window's edge) would drown
// the rest; everything else is passed on.
QtMessageHandler passedOn = nullptr;
void withoutRoutineNotes(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    static const char* const routine[] = {"This plugin does not support raise()",
                                          "This plugin does not support propagateSizeHints()",
                                          "Keyboard event not accepted by receiving widget"};
    for (const char* note : routine)
        if (message.startsWith(QLatin1String(note)))
            return;
    if (message.contains(QLatin1String("so the program's own set is shown")))
        return; // the folder's pipe and loop, refused at every opening
    if (message.startsWith(QLatin1String("Mouse event at")) && message.contains(QLatin1String("outside target window")))
        return;
    passedOn(type, context, message);
}
} // namespace

void SoakTest::restlessClass()
{
    const std::uint64_t seed = soakSeed();
    const int events = soakEvents();
    // Written at once, so that even a crash report is preceded by the seed.
    std::fprintf(stderr, "soak seed %llu, %d events (replay: TAVRENEL_SOAK_SEED=%llu TAVRENEL_SOAK_EVENTS=%d)\n",
                 static_cast<unsigned long long>(seed), events, static_cast<unsigned long long>(seed), events);
    std::fflush(stderr);
    passedOn = qInstallMessageHandler(withoutRoutineNotes);
    // What a careless teacher's folder may hold: a named pipe and a link
    // loop with the names of statement sets. Neither may hold a quiz up.
    QStandardPaths::setTestModeEnabled(true);
    const QDir teacher(statements::teacherFolder());
    QVERIFY(teacher.mkpath("."));
    const QString pipe = teacher.filePath("heattransfer.txt"), loop = teacher.filePath("bigbang.txt");
    QFile::remove(pipe);
    QFile::remove(loop);
    QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
    QVERIFY(QFile::link(loop, loop));
    const auto tidy = qScopeGuard([&] { QFile::remove(pipe); QFile::remove(loop); });
    QElapsedTimer clock;
    clock.start();
    {
        TestScreens t;
        Soak soak(t, seed);
        while (soak.events() < events && soak.fault().isEmpty())
            soak.gesture();
        qInstallMessageHandler(passedOn);
        std::fprintf(stderr, "soak seed %llu: %d events in %lld ms\n", static_cast<unsigned long long>(seed),
                     soak.events(), static_cast<long long>(clock.elapsed()));
        const QString failure = QStringLiteral("seed %1: %2").arg(seed).arg(soak.fault());
        QVERIFY2(soak.fault().isEmpty(), qPrintable(failure));
        // Every screen the registry knows had its turn.
        const QStringList names = t->registeredNames();
        QSet<QString> all(names.begin(), names.end());
        QVERIFY2(all == soak.visited() || events < 5000,
                 qPrintable(QStringLiteral("seed %1: never opened: %2").arg(seed).arg(QStringList((all - soak.visited()).values()).join(' '))));
    }
}

QTEST_MAIN(SoakTest)
#include "test_soak.moc"
