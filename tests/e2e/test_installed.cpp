// The installed program as a user of a desktop runs it: installed into a
// private root by root, started as an ordinary user (nobody) against the
// virtual mouse. Its first start fills the user's own settings folder, what it
// saves goes there, and the installed data stays as it was.
#include "e2esession.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>
#include <unistd.h>

namespace {
constexpr uid_t kUser = 65534; // nobody

bool makeUsers(const QString& dir, QFile::Permissions permissions) {
    return QDir().mkpath(dir) && QFile::setPermissions(dir, permissions) &&
           ::chown(QFile::encodeName(dir).constData(), kUser, kUser) == 0;
}

constexpr QFile::Permissions kOpen = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                     QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                     QFile::ExeOther;
} // namespace

class TestE2eInstalled : public QObject {
    Q_OBJECT
private slots:
    void firstStartAsAnOrdinaryUser() {
        if (::geteuid() != 0) QSKIP("installing and switching users needs root");
        const QString setpriv = QStandardPaths::findExecutable("setpriv");
        if (setpriv.isEmpty()) QSKIP("setpriv is not installed");
        E2eSession s;
        SESSION_START(s, QStringList());

        // The install, as a package would lay it out.
        QTemporaryDir root(QDir::tempPath() + "/installed-XXXXXX");
        QFile::setPermissions(root.path(), kOpen);
        QProcess install;
        QProcessEnvironment installEnv = QProcessEnvironment::systemEnvironment();
        installEnv.insert("DESTDIR", root.path());
        install.setProcessEnvironment(installEnv);
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(CMAKE_COMMAND, {"--install", BUILD_DIR, "--prefix", "/usr"});
        QVERIFY(install.waitForFinished(120000));
        QVERIFY2(install.exitCode() == 0, install.readAll().constData());
        const QString data = root.path() + "/usr/share/mousecfg";
        const QMap<QString, QByteArray> shipped = filesBelow(data);
        QVERIFY(shipped.contains("DefaultProfile.bin"));
        QVERIFY(shipped.contains("Configs/Config.ini"));

        // The user's own folders, and a way for them to the daemon and the
        // drop-in library of this root-run session.
        const QString home = root.path() + "/home";
        QVERIFY(makeUsers(home, kOpen));
        QVERIFY(makeUsers(home + "/rt", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        for (const QString& dir : {s.workDir(), s.appDir()})
            QFile::setPermissions(dir, kOpen);
        QFile::setPermissions(s.workDir() + "/vm.sock", QFile::Permissions(0x7777));
        QProcessEnvironment env = s.childEnv();
        env.insert("HOME", home);
        env.remove("XDG_CONFIG_HOME");
        env.insert("XDG_RUNTIME_DIR", home + "/rt");
        env.insert("TMPDIR", home + "/rt");
        env.insert("OSD_LOG", home + "/osd.log");
        QProcess* program = s.startProgram(
            setpriv,
            {"--reuid=65534", "--regid=65534", "--clear-groups", root.path() + "/usr/bin/mousecfg"},
            env);
        SESSION_VERIFY(s, program->waitForStarted(5000));
        const QString window = s.waitForWindow(E2eSession::productTitle(), 45000);
        SESSION_VERIFY(s, !window.isEmpty());

        const QString config = home + "/.config/mousecfg";
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(config + "/Config.ini"), 10000);
        QCOMPARE(QFileInfo(config + "/Config.ini").ownerId(), kUser);
        // The mouse's own profile button: the program follows and saves it.
        QTest::qWait(500);
        QCOMPARE(s.vm({"press", "profile"}), QString());
        QTRY_COMPARE_WITH_TIMEOUT(iniValue(config + "/Config.ini", "Config/ProfileID"),
                                  QString("1"), 10000);
        QCOMPARE(filesBelow(data), shipped);
        s.stopPrograms();
        // The companion the program started from the installed folder.
        QProcess::execute("pkill", {"-f", root.path()});
    }
};

QTEST_GUILESS_MAIN(TestE2eInstalled)
#include "test_installed.moc"
