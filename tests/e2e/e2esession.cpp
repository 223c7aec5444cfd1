#include "e2esession.h"

#include <QColor>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QtTest>
#include <csignal>
#include <sys/types.h>

bool waitUntil(const std::function<bool()>& condition, int timeoutMs) {
    QElapsedTimer t;
    t.start();
    while (!condition()) {
        if (t.elapsed() > timeoutMs) return false;
        QTest::qWait(100);
    }
    return true;
}

// The configuration holds colour entries; reading (and rewriting) them
// needs the colour type registered, which lives in QtGui.
static void registerColourType() {
    static const int colourType = qMetaTypeId<QColor>();
    Q_UNUSED(colourType);
}

QString iniValue(const QString& path, const QString& key) {
    registerColourType();
    const QSettings ini(path, QSettings::IniFormat);
    return ini.value(key).toString();
}

void setIniValue(const QString& path, const QString& key, const QVariant& value) {
    registerColourType();
    QSettings ini(path, QSettings::IniFormat);
    ini.setValue(key, value);
}

E2eSession::E2eSession() : m_app(QStringLiteral(APP_DIR)) {
    // The program's lock file and the companion's socket live in the runtime
    // and temporary folders: private ones keep sessions (and any program
    // running on this machine) apart.
    QDir(m_work.path()).mkpath(QStringLiteral("rt"));
    QFile(m_work.filePath(QStringLiteral("rt")))
        .setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

E2eSession::~E2eSession() {
    if (QTest::currentTestFailed() && m_xvfb && m_xvfb->state() == QProcess::Running) {
        // What the screen and the mouse looked like when the test failed.
        run(QStringLiteral("import"), {"-window", "root", m_work.filePath("failed.png")}, nullptr,
            childEnv());
        if (m_daemon) {
            writeText(m_work.filePath("mouse-log.txt"), vm({"log"}).toUtf8());
            writeText(m_work.filePath("mouse-state.txt"), vm({"state"}).toUtf8());
        }
        // The settings as the failure left them.
        copyTree(m_app.file(QStringLiteral("Configs")), m_work.filePath(QStringLiteral("Configs")));
        // The threads' stacks of every program still running, so a rare hang
        // can be told from a slow start or a lost click.
        if (!QStandardPaths::findExecutable(QStringLiteral("gdb")).isEmpty())
            for (size_t i = 0; i < m_programs.size(); ++i)
                if (m_programs[i]->state() == QProcess::Running)
                    writeText(m_work.filePath(QStringLiteral("mousecfg-stacks-%1.txt").arg(i)),
                              run(QStringLiteral("gdb"),
                                  QStringList{"-p", QString::number(m_programs[i]->processId()),
                                              "-batch", "-ex", "thread apply all bt 30"},
                                  nullptr, childEnv())
                                  .toUtf8());
    }
    // Programs first, so nothing talks to a daemon or display that is gone.
    for (auto it = m_programs.rbegin(); it != m_programs.rend(); ++it)
        stop(it->get());
    stop(m_osd.get());
    stop(m_tray.get());
    stop(m_manager.get());
    stop(m_a11yRegistry.get());
    stop(m_a11yBus.get());
    stop(m_bus.get());
    if (m_daemon) {
        vm({QStringLiteral("stop")});
        stop(m_daemon.get());
    }
    stop(m_xvfb.get());
    stopStrays();
    // A sanitizer report in a child fails the test that ran it; the child
    // itself may have ended before the test could notice.
    for (const QString& log : std::as_const(m_logs)) {
        const QByteArray text = readText(log);
        for (const char* mark :
             {"ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error: "}) {
            if (text.contains(mark)) {
                QTest::qFail(qPrintable(QStringLiteral("sanitizer report in %1").arg(log)),
                             __FILE__, __LINE__);
                break;
            }
        }
    }
    // Keep the logs and pictures of a failed test for a look afterwards.
    if (QTest::currentTestFailed()) {
        m_work.setAutoRemove(false);
        qInfo("session files kept in %s", qPrintable(m_work.path()));
    }
}

void E2eSession::stop(QProcess* p, int graceMs) {
    if (!p || p->state() == QProcess::NotRunning) return;
    p->terminate();
    if (!p->waitForFinished(graceMs)) {
        p->kill();
        p->waitForFinished(3000);
    }
}

void E2eSession::stopStrays() const {
    // A folder already gone has no canonical path: an empty prefix would
    // match every program on the machine.
    const QString folder = QDir(appDir()).canonicalPath();
    if (folder.isEmpty() || folder == QLatin1String("/")) return;
    const QString prefix = folder + QLatin1Char('/');
    const QStringList pids = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString& pid : pids) {
        bool number = false;
        const qint64 id = pid.toLongLong(&number);
        if (!number) continue;
        const QString exe = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
        if (exe.startsWith(prefix)) ::kill(pid_t(id), SIGTERM);
    }
}

QProcessEnvironment E2eSession::childEnv() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QString rt = m_work.filePath(QStringLiteral("rt"));
    env.insert(QStringLiteral("DISPLAY"), m_display);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), rt);
    env.insert(QStringLiteral("TMPDIR"), rt);
    env.insert(QStringLiteral("VIRTUAL_MOUSE_SOCKET"), m_work.filePath(QStringLiteral("vm.sock")));
    // A companion the program starts itself logs to the same file.
    env.insert(QStringLiteral("OSD_LOG"), m_work.filePath(QStringLiteral("osd.log")));
    env.remove(QStringLiteral("LD_PRELOAD"));
    // No session bus: without one the toolkit's accessibility lookup would
    // fork a bus launcher, and a forked child of a busy sanitizer-built
    // program can hang before it execs, leaving the window never made.
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
               QStringLiteral("unix:path=") + rt + QStringLiteral("/no-session-bus"));
    for (const QString& name : m_env.keys())
        env.insert(name, m_env.value(name));
    return env;
}

QProcess* E2eSession::spawn(const QString& name, const QString& program, const QStringList& args,
                            const QProcessEnvironment& env) {
    auto* p = new QProcess;
    const QString log = m_work.filePath(name + QStringLiteral(".out"));
    p->setProcessChannelMode(QProcess::MergedChannels);
    p->setStandardOutputFile(log, QIODevice::Append);
    p->setProcessEnvironment(env);
    if (m_runAs.isEmpty())
        p->start(program, args);
    else
        p->start(m_runAs.first(), m_runAs.mid(1) + QStringList{program} + args);
    if (!m_logs.contains(log)) m_logs << log;
    return p;
}

QString E2eSession::run(const QString& program, const QStringList& args, int* status,
                        const QProcessEnvironment& env) const {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    const bool done = p.waitForStarted(5000) && p.waitForFinished(15000);
    if (!done) stop(&p, 500);
    if (status) *status = done && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromUtf8(p.readAllStandardOutput());
}

bool E2eSession::startAll(const QStringList& daemonArgs) {
    return startDisplay() && startMouse(daemonArgs) && (!m_companion || startOsd());
}

bool E2eSession::startDisplay() {
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) {
        m_error = QStringLiteral("Xvfb is not installed");
        return false;
    }
    // -displayfd picks a free display and tells its number on our stdout.
    m_xvfb = std::make_unique<QProcess>();
    m_xvfb->setStandardErrorFile(m_work.filePath(QStringLiteral("xvfb.out")));
    m_xvfb->start(xvfb, {"-displayfd", "1", "-noreset", "-nolisten", "tcp", "-dpi",
                         QString::number(m_dpi), "-screen", "0",
                         m_dpi > 96 ? "2560x1600x24" : "1280x800x24"});
    if (!m_xvfb->waitForStarted(5000) || !m_xvfb->waitForReadyRead(10000)) {
        m_error = QStringLiteral("Xvfb did not start");
        return false;
    }
    m_display = QLatin1Char(':') + QString::fromLatin1(m_xvfb->readLine().trimmed());
    int status = -1;
    waitUntil(
        [&] {
            xdotool({QStringLiteral("getdisplaygeometry")}, &status);
            return status == 0;
        },
        5000);
    // What a desktop set to a larger scale publishes for its programs.
    if (status == 0 && m_dpi != 96) {
        writeText(m_work.filePath("xres"), "Xft.dpi: " + QByteArray::number(m_dpi) + '\n');
        run(QStringLiteral("xrdb"), {"-merge", m_work.filePath("xres")}, &status, childEnv());
    }
    if (status != 0)
        m_error = QStringLiteral("Xvfb on %1 does not answer or take Xft.dpi").arg(m_display);
    return status == 0;
}

bool E2eSession::startMouse(const QStringList& daemonArgs) {
    m_daemon.reset(spawn(QStringLiteral("daemon"), appFile(QStringLiteral("virtual-mouse")),
                         QStringList{"start", appDir(), "--foreground"} + daemonArgs, childEnv()));
    int status = -1;
    waitUntil(
        [&] {
            vm({QStringLiteral("ping")}, &status);
            return status == 0 || m_daemon->state() == QProcess::NotRunning;
        },
        5000);
    if (status != 0) m_error = QStringLiteral("the virtual mouse daemon does not answer");
    return status == 0;
}

bool E2eSession::startOsd() {
    m_osd.reset(spawn(QStringLiteral("osd"), appFile(QStringLiteral("OSD")),
                      {QStringLiteral("--log"), m_work.filePath(QStringLiteral("osd.log"))},
                      childEnv()));
    // The companion creates its log when it starts listening.
    const bool up = waitUntil(
        [&] {
            return QFileInfo::exists(m_work.filePath(QStringLiteral("osd.log"))) &&
                   QFileInfo::exists(m_work.filePath(QStringLiteral("rt/Qorv Wireless Mouse OSD")));
        },
        5000);
    if (!up) m_error = QStringLiteral("the companion did not come up");
    return up;
}

bool E2eSession::startTray() {
    m_tray.reset(spawn(QStringLiteral("tray"), QStringLiteral(FAKE_TRAY), {}, childEnv()));
    const bool up = waitUntil(
        [&] { return readText(m_work.filePath(QStringLiteral("tray.out"))).contains("ready"); },
        5000);
    if (!up) m_error = QStringLiteral("the tray did not come up");
    return up;
}

QString E2eSession::startBus() {
    const QString config = m_work.filePath(QStringLiteral("bus.conf"));
    QFile conf(config);
    if (!conf.open(QIODevice::WriteOnly)) return QString();
    conf.write("<busconfig><type>session</type><listen>unix:dir=" + m_work.path().toUtf8() +
               "</listen><policy context=\"default\"><allow send_destination=\"*\"/>"
               "<allow own=\"*\"/><allow receive_sender=\"*\"/><allow user=\"*\"/>"
               "</policy></busconfig>");
    conf.close();
    m_bus = std::make_unique<QProcess>();
    m_bus->start(QStringLiteral("dbus-daemon"),
                 {"--config-file=" + config, "--nofork", "--print-address"});
    if (!m_bus->waitForStarted(5000) || !m_bus->waitForReadyRead(5000)) return QString();
    const QString address = QString::fromUtf8(m_bus->readLine().trimmed());
    m_env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address);
    return address;
}

bool E2eSession::startWindowManager() {
    if (QStandardPaths::findExecutable(QStringLiteral("openbox")).isEmpty()) {
        m_error = QStringLiteral("openbox is not installed");
        return false;
    }
    m_manager.reset(spawn(QStringLiteral("openbox"), QStringLiteral("openbox"), {}, childEnv()));
    // A window mapped while the manager is still taking over the screen may
    // stay unmanaged: wait until it says it is in charge.
    const bool managing = waitUntil(
        [&] {
            return run(QStringLiteral("xprop"), {"-root", "_NET_SUPPORTING_WM_CHECK"}, nullptr,
                       childEnv())
                .contains(QLatin1String("window id"));
        },
        10000);
    if (!managing) m_error = QStringLiteral("openbox did not take over the screen");
    return managing;
}

bool E2eSession::startAccessibility() {
    const QString libexec = QStringLiteral("/usr/libexec/");
    m_error = QStringLiteral("at-spi2-core is not installed or did not come up");
    if (!QFile::exists(libexec + "at-spi2-registryd")) return false;
    m_a11yBus.reset(spawn(QStringLiteral("a11y-bus"), libexec + "at-spi-bus-launcher",
                          {"--launch-immediately"}, childEnv()));
    int status = 1;
    const bool up = waitUntil(
        [&] {
            run(QStringLiteral("dbus-send"),
                {"--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
                 "org.a11y.Bus.GetAddress"},
                &status, childEnv());
            return status == 0;
        },
        10000);
    // The registry before any program: one that starts first may not be listed.
    m_a11yRegistry.reset(spawn(QStringLiteral("a11y-registry"), libexec + "at-spi2-registryd",
                               {"--use-gnome-session=false"}, childEnv()));
    m_env.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    return up;
}

QProcess* E2eSession::startProgram() {
    return startProgram(childEnv());
}

QProcess* E2eSession::startProgram(QProcessEnvironment env, const QStringList& args) {
    return startProgram(appFile(QStringLiteral("mousecfg")), args, std::move(env));
}

QProcess* E2eSession::startProgram(const QString& program, const QStringList& args,
                                   QProcessEnvironment env) {
    QString preload = appFile(QStringLiteral("libvirtual-mouse-hid.so"));
#ifdef SANITIZER_RUNTIMES
    preload.prepend(QStringLiteral(SANITIZER_RUNTIMES ":"));
#endif
    env.insert(QStringLiteral("LD_PRELOAD"), preload);
    m_programs.emplace_back(spawn(QStringLiteral("mousecfg"), program, args, env));
    return m_programs.back().get();
}

void E2eSession::stopPrograms() {
    for (auto& p : m_programs)
        stop(p.get());
}

QString E2eSession::startProgramWindow(int timeoutMs) {
    QProcess* p = startProgram();
    if (!p->waitForStarted(5000)) return {};
    return waitForWindow(productTitle(), timeoutMs);
}

QString E2eSession::vm(const QStringList& args, int* status) const {
    return run(appFile(QStringLiteral("virtual-mouse")), args, status, childEnv());
}

QString E2eSession::xdotool(const QStringList& args, int* status) const {
    return run(QStringLiteral("xdotool"), args, status, childEnv());
}

QStringList E2eSession::findWindows(const QString& title) const {
    const QString pattern = QLatin1Char('^') + QRegularExpression::escape(title) + QLatin1Char('$');
    return xdotool({"search", "--onlyvisible", "--name", pattern})
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QString E2eSession::waitForWindow(const QString& title, int timeoutMs) const {
    QStringList ids;
    waitUntil(
        [&] {
            ids = findWindows(title);
            return !ids.isEmpty();
        },
        timeoutMs);
    return ids.value(0);
}

bool E2eSession::waitForNoWindow(const QString& title, int timeoutMs) const {
    return waitUntil([&] { return findWindows(title).isEmpty(); }, timeoutMs);
}

QPoint E2eSession::windowOrigin(const QString& id) const {
    // --shell prints X=..., Y=..., WIDTH=..., HEIGHT=...
    const QString out = xdotool({"getwindowgeometry", "--shell", id});
    const QRegularExpression x(QStringLiteral("^X=(-?\\d+)$"), QRegularExpression::MultilineOption);
    const QRegularExpression y(QStringLiteral("^Y=(-?\\d+)$"), QRegularExpression::MultilineOption);
    return {x.match(out).captured(1).toInt(), y.match(out).captured(1).toInt()};
}

void E2eSession::click(const QString& id, int x, int y) const {
    const QPoint o = windowOrigin(id);
    xdotool({"mousemove", "--sync", QString::number(o.x() + x), QString::number(o.y() + y)});
    xdotool({"click", "1"});
    QTest::qWait(400); // menus and pages react on the program's next event round
}

void E2eSession::keys(const QStringList& names) const {
    xdotool(QStringList{"key", "--delay", "30"} + names);
    QTest::qWait(200);
}

bool E2eSession::screenshot(const QString& id, const QString& pngPath) const {
    int status = -1;
    run(QStringLiteral("import"), {"-window", id, pngPath}, &status, childEnv());
    return status == 0 && QFileInfo(pngPath).size() > 0;
}

QByteArray E2eSession::osdLog() const {
    return readText(m_work.filePath(QStringLiteral("osd.log")));
}

QByteArray E2eSession::diagnostics() const {
    QByteArray text;
    for (const QString& log : m_logs) {
        const QByteArray all = readText(log);
        text += "--- " + QFileInfo(log).fileName().toUtf8() + " (tail)\n" + all.right(1500) + '\n';
    }
    return text;
}

QString configIni(const E2eSession& s) {
    return s.appFile(QStringLiteral("Configs/Config.ini"));
}

QString profileFile(const E2eSession& s, int slot) {
    return s.appFile(QStringLiteral("Configs/Profile/Profile %1.prof").arg(slot + 1));
}

// Command codes of the reports the program sent, battery polls left out.
QSet<QString> sentCommands(const QString& log) {
    QSet<QString> codes;
    const QRegularExpression out(QStringLiteral(" out 05 [0-9a-f]{2} fa ([0-9a-f]{2})"));
    for (auto it = out.globalMatch(log); it.hasNext();) {
        const QString code = it.next().captured(1);
        if (code != QLatin1String("48")) codes << code;
    }
    return codes;
}

QImage grab(const E2eSession& s, const QString& window, const QString& name) {
    // The pointer off the window, so no hover look gets into the picture.
    s.xdotool({"mousemove", "--sync", "1", "1"});
    QTest::qWait(300);
    const QString path = s.workDir() + '/' + name;
    return s.screenshot(window, path) ? QImage(path) : QImage();
}

bool sameLook(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.isNull()) return false;
    int differ = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if ((qGray(a.pixel(x, y)) > 110) != (qGray(b.pixel(x, y)) > 110)) ++differ;
    return differ * 100 <= a.width() * a.height();
}

QString profileState(const QString& state, int profile) {
    const int from = state.indexOf(QStringLiteral("profile %1").arg(profile));
    const int to = state.indexOf(QStringLiteral("\nprofile %1").arg(profile + 1), from);
    return from < 0 ? QString() : state.mid(from, to < 0 ? -1 : to - from);
}

// The companion's log lines: the notice text, then its tab-separated fields.
QStringList osdTexts(const E2eSession& s) {
    QStringList texts;
    for (const QByteArray& line : s.osdLog().split('\n'))
        if (!line.isEmpty()) texts << QString::fromUtf8(line.left(line.indexOf('\t')));
    return texts;
}

// The program follows an on-mouse DPI press: the companion gets a notice.
bool hearsDpiButton(const E2eSession& s) {
    const int before = osdTexts(s).size();
    s.vm({"press", "dpi"});
    return waitUntil([&] { return osdTexts(s).size() > before; }, 6000);
}

int activeProfile(const E2eSession& s) {
    const QString state = s.vm({"state"});
    const int at = state.indexOf(QLatin1String("active profile: "));
    return at < 0 ? -1 : state.mid(at + 16, 1).toInt();
}

bool activeProfileBecomes(const E2eSession& s, int profile) {
    return waitUntil([&] { return activeProfile(s) == profile; }, 10000);
}

void writeFollowRules(const E2eSession& s) {
    const QString rules = s.appFile(QStringLiteral("Configs/AppProfiles.ini"));
    setIniValue(rules, "AppProfiles/Enabled", true);
    setIniValue(rules, "AppProfiles/Default", 1);
    setIniValue(rules, "Rules/size", 2);
    setIniValue(rules, "Rules/1/App", "gamea");
    setIniValue(rules, "Rules/1/Profile", 2);
    setIniValue(rules, "Rules/2/App", "org.example.GameB");
    setIniValue(rules, "Rules/2/Profile", 3);
}
