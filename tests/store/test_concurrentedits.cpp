// Settings files that another program (an editor, a second copy of this one)
// rewrites while this one reads and saves them: nothing the other program
// wrote is lost to an empty moment, and no older text is read back.
#include "appconfig.h"
#include "inifile.h"
#include "language.h"
#include "paths.h"
#include "testutil.h"

#include <QFile>
#include <QFileInfo>
#include <QtTest>
#include <functional>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

// What the program does while the file is being rewritten, and whether it
// saw (and kept) the other program's text.
struct Step {
    const char* name;
    std::function<bool()> act;
};

const Step kDuringRewrite[] = {
    {"a value saved",
     [] {
         writeBattery(77);
         return readBattery() == 77 && readLanguageList().count == 4 &&
                readCurrentProductName() == QLatin1String("Qorv Stratos");
     }},
    {"the theme read", [] { return readThemeSettings().fontFamily[0] == "DejaVu Sans"; }},
    {"the language list read", [] { return readLanguageList().names[2] == "Deutsch"; }},
};

// An editor's save: the file is emptied, and its new text follows a moment
// later (here a long one, as on a busy machine).
void rewriteInPlace(const QString& path, const QByteArray& text,
                    const std::function<void()>& meanwhile) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    std::thread editor([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        f.write(text);
        f.close();
    });
    meanwhile();
    editor.join();
}

// Waits for events on files of the watched folder, one after the other: each
// (mask, name) in turn. One read may bring several of them at once. False
// after a generous bound (they never came).
bool waitForEvents(int fd, const std::vector<std::pair<uint32_t, QString>>& wanted) {
    size_t next = 0;
    alignas(inotify_event) char buffer[4096];
    pollfd p{fd, POLLIN, 0};
    while (next < wanted.size() && ::poll(&p, 1, 10000) > 0) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        for (char* at = buffer; n > 0 && at < buffer + n && next < wanted.size();) {
            const auto* e = reinterpret_cast<const inotify_event*>(at);
            if ((e->mask & wanted[next].first) && e->len > 0 &&
                QFile::decodeName(e->name) == wanted[next].second)
                ++next;
            at += sizeof(inotify_event) + e->len;
        }
    }
    return next == wanted.size();
}

} // namespace

class TestConcurrentEdits : public QObject {
    Q_OBJECT
private slots:
    void init() { setIniLockWaitMs(200); }

    void rewrittenInPlace_data() {
        QTest::addColumn<int>("step");
        for (size_t i = 0; i < std::size(kDuringRewrite); ++i)
            QTest::newRow(kDuringRewrite[i].name) << int(i);
    }
    void rewrittenInPlace() {
        QFETCH(int, step);
        TempAppDir app(PRISTINE_DATA_DIR);
        const QString path = mainConfigPath();
        const QByteArray text = readText(path);
        QCOMPARE(readLanguageList().count, 4); // read once with its text
        bool seen = false;
        rewriteInPlace(path, text, [&] { seen = kDuringRewrite[step].act(); });
        QVERIFY(seen);
        QVERIFY(readText(path).contains("[FONT_LIST]"));
        QVERIFY(takeFileNotices().isEmpty());
    }

    // The editor starts its rewrite while a save of this program is under
    // way: its text stays, with the saved value merged in. (On a busy machine
    // the editor may only get to the file once the save is over; then its
    // text simply replaces the saved one, and still nothing of it is lost.)
    void rewrittenDuringSave() {
        TempAppDir app(PRISTINE_DATA_DIR);
        const QString path = mainConfigPath();
        const QByteArray edited = readText(path).replace("Debounce=8", "Debounce=4");
        QCOMPARE(readBattery(), 0);
        struct stat before {};
        QVERIFY(::stat(QFile::encodeName(path).constData(), &before) == 0);
        const int fd = inotify_init1(IN_CLOEXEC);
        QVERIFY(fd >= 0);
        QVERIFY(inotify_add_watch(fd, QFile::encodeName(QFileInfo(path).path()).constData(),
                                  IN_CREATE | IN_ACCESS) >= 0);
        bool started = false;
        ino_t rewritten = 0;
        std::thread editor([&] {
            // The save takes the file's lock, then reads the file.
            const QString name = QFileInfo(path).fileName();
            started = waitForEvents(fd, {{IN_CREATE, name + ".lock"}, {IN_ACCESS, name}});
            QFile f(path);
            f.open(QIODevice::WriteOnly | QIODevice::Truncate);
            struct stat opened {};
            if (::fstat(f.handle(), &opened) == 0) rewritten = opened.st_ino;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            f.write(edited);
        });
        const bool saved = writeBattery(55);
        editor.join();
        ::close(fd);
        QVERIFY(started && saved);
        QCOMPARE(IniFile(path).value(QStringLiteral("Config/Debounce")).toString(),
                 QStringLiteral("4"));
        if (rewritten == before.st_ino) QCOMPARE(readBattery(), 55); // during the save
        QCOMPARE(readLanguageList().count, 4);
    }

    // Edits that leave the size as it was come quicker than the file times
    // change: each is read, never the text before it.
    void sameSizeEditsAreRead_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<bool>("saveFirst");   // this program saved just before
        QTest::addColumn<QString>("expected"); // Config/x as read, "" when refused
        QTest::newRow("after a read")
            << QByteArray("[Config]\nx=0\n") << QByteArray("[Config]\nx=1\n") << false << "1";
        QTest::newRow("after a save")
            << QByteArray("[Config]\nx=0\n") << QByteArray("[Config]\nx=1\n") << true << "1";
        const QByteArray hostile = "[Config]\nx=" + kHostileStringList + '\n';
        QTest::newRow("turned hostile")
            << "[Config]\nx=" + QByteArray(kHostileStringList.size(), 'a') + '\n'
            << hostile << false << "";
    }
    void sameSizeEditsAreRead() {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QFETCH(bool, saveFirst);
        QFETCH(QString, expected);
        QCOMPARE(before.size(), after.size());
        TempAppDir app;
        const QString path = app.file("edited.ini");
        // Many rounds: one that lands within a tick of the file clock is enough.
        for (int round = 0; round < 50; ++round) {
            writeText(path, before);
            {
                IniFile ini(path);
                QVERIFY(ini.intact());
                if (saveFirst) {
                    ini.setValue(QStringLiteral("Config/y"), round);
                    QVERIFY(ini.save());
                    after = readText(path).replace("x=0", "x=1");
                }
            }
            writeText(path, after);
            const IniFile ini(path);
            QCOMPARE(ini.intact(), !expected.isEmpty());
            if (ini.intact()) QCOMPARE(ini.value(QStringLiteral("Config/x")).toString(), expected);
        }
    }
};

QTEST_GUILESS_MAIN(TestConcurrentEdits)
#include "test_concurrentedits.moc"
