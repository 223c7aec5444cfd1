#include "waylandsession.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStandardPaths>
#include <pwd.h>
#include <unistd.h>

namespace {

// The user sway and the program run as when the tests run as root.
const char* const kUser = "mousecfg-wl";

// XWayland for the notice companion, which goes there on a Wayland desktop;
// sway tells its display only to its own children.
const char* const kSwayConfig = "output HEADLESS-1 resolution 1280x800 position 0 0\n"
                                "xwayland enable\n"
                                "default_border none\n"
                                "default_floating_border none\n"
                                "focus_on_window_activation focus\n"
                                "exec echo $DISPLAY > %1\n";

void collectViews(const QJsonObject& node, QList<QJsonObject>& into) {
    if (node.contains(QLatin1String("shell"))) into << node;
    for (const char* key : {"nodes", "floating_nodes"})
        for (const QJsonValue child : node.value(QLatin1String(key)).toArray())
            collectViews(child.toObject(), into);
}

int rectValue(const QJsonObject& node, const char* rect, const char* field) {
    return node.value(QLatin1String(rect)).toObject().value(QLatin1String(field)).toInt();
}

} // namespace

WaylandSession::WaylandSession() = default;

WaylandSession::~WaylandSession() {
    if (QTest::currentTestFailed() && m_sway && m_sway->state() == QProcess::Running) {
        picture(QStringLiteral("failed.png"));
        writeText(workDir() + QStringLiteral("/tree.json"),
                  swaymsg({QStringLiteral("-t"), QStringLiteral("get_tree")}).toUtf8());
    }
    // The clients before the compositor they draw on.
    stopPrograms();
    for (auto& client : m_clients)
        stop(client.get());
    stop(m_input.get());
    stop(m_sway.get());
}

bool WaylandSession::fail(const QString& why, bool canRun) {
    setError(why);
    m_canRun = canRun;
    return false;
}

QString WaylandSession::helperCopy(const QString& built) const {
    // The build tree may be closed to the session's user; its own folder is not.
    const QString copy = workDir() + QStringLiteral("/bin/") + QFileInfo(built).fileName();
    QDir().mkpath(QFileInfo(copy).path());
    QFile::copy(built, copy);
    return copy;
}

bool WaylandSession::startWayland() {
    for (const char* tool : {"sway", "swaymsg", "wtype", "grim", "setpriv"})
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            return fail(QStringLiteral("%1 is not installed").arg(QLatin1String(tool)), false);
    const QString home = workDir() + QStringLiteral("/home");
    QDir().mkpath(home + QStringLiteral("/.config"));
    const QString config = workDir() + QStringLiteral("/sway.config");
    const QString xDisplay = workDir() + QStringLiteral("/xdisplay");
    writeText(config, QString::fromLatin1(kSwayConfig).arg(xDisplay).toUtf8());
    const QString input = helperCopy(QStringLiteral(VIRTUAL_INPUT));
    m_focusWindow = helperCopy(QStringLiteral(FOCUS_WINDOW));
    if (::geteuid() == 0) {
        const passwd* user = ::getpwnam(kUser);
        if (!user) {
            QProcess::execute(QStringLiteral("useradd"),
                              {"--system", "--user-group", "--no-create-home", "--shell",
                               "/usr/sbin/nologin", kUser});
            user = ::getpwnam(kUser);
        }
        if (!user) return fail(QStringLiteral("no user %1 to run sway as").arg(kUser), false);
        const QString uid = QString::number(user->pw_uid);
        const QString gid = QString::number(user->pw_gid);
        // Everything of the session is the user's: the runtime folder, the
        // home, the logs the companion writes, the program's own folder.
        QProcess::execute(QStringLiteral("chown"), {"-R", uid + ':' + gid, workDir(), appDir()});
        setRunAs({"setpriv", "--reuid=" + uid, "--regid=" + gid, "--clear-groups", "--"});
    }
    setEnv(QStringLiteral("HOME"), home);
    setEnv(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
#ifdef SANITIZER_RUNTIMES
    // Qt's Wayland plugin leaves its protocol objects to the exit, some in a
    // library already unloaded, where no suppression can name them. Leaks of
    // our own code are looked for in the same program under X11.
    setEnv(QStringLiteral("LSAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
#endif

    QProcessEnvironment env = childEnv();
    env.insert(QStringLiteral("WLR_BACKENDS"), QStringLiteral("headless"));
    env.insert(QStringLiteral("WLR_RENDERER"), QStringLiteral("pixman"));
    env.insert(QStringLiteral("WLR_LIBINPUT_NO_DEVICES"), QStringLiteral("1"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("SWAYSOCK"));
    m_sway.reset(spawn(QStringLiteral("sway"), QStringLiteral("sway"), {"-c", config}, env));
    // sway names its display and its command socket in the runtime folder.
    const QDir rt(workDir() + QStringLiteral("/rt"));
    QString display;
    QString ipc;
    waitUntil(
        [&] {
            display = rt.entryList({QStringLiteral("wayland-?")}, QDir::System).value(0);
            ipc = rt.entryList({QStringLiteral("sway-ipc.*.sock")}, QDir::System).value(0);
            return (!display.isEmpty() && !ipc.isEmpty()) ||
                   m_sway->state() == QProcess::NotRunning;
        },
        10000);
    if (display.isEmpty() || ipc.isEmpty())
        return fail(QStringLiteral("sway did not start:\n") +
                        QString::fromUtf8(readText(workDir() + QStringLiteral("/sway.out"))),
                    false);
    setEnv(QStringLiteral("WAYLAND_DISPLAY"), display);
    setEnv(QStringLiteral("SWAYSOCK"), rt.filePath(ipc));
    setEnv(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    if (!waitUntil([&] { return !readText(xDisplay).trimmed().isEmpty(); }, 5000))
        return fail(QStringLiteral("sway started no XWayland"), false);
    setEnv(QStringLiteral("DISPLAY"), QString::fromUtf8(readText(xDisplay).trimmed()));

    m_input.reset(spawn(QStringLiteral("input"), input, {}, childEnv()));
    if (!waitUntil(
            [&] { return readText(workDir() + QStringLiteral("/input.out")).contains("ready"); },
            5000))
        return fail(QStringLiteral("sway took no virtual pointer and keyboard"), true);
    return startMouse() && startOsd();
}

QJsonObject WaylandSession::startProgramView(int timeoutMs) {
    QProcess* p = startProgram();
    if (!p->waitForStarted(5000)) return {};
    return waitForView(productTitle(), timeoutMs);
}

QProcess* WaylandSession::startFocusWindow(const QString& title, const QStringList& args) {
    m_clients.emplace_back(spawn(title, m_focusWindow, QStringList{title} + args, childEnv()));
    return m_clients.back().get();
}

QProcess* WaylandSession::startHelper(const QString& name, const QString& built,
                                      const QStringList& args, const QStringList& unset) {
    QProcessEnvironment env = childEnv();
    for (const QString& variable : unset)
        env.remove(variable);
    m_clients.emplace_back(spawn(name, helperCopy(built), args, env));
    return m_clients.back().get();
}

QString WaylandSession::swaymsg(const QStringList& args, int* status) const {
    return run(QStringLiteral("swaymsg"), args, status, childEnv());
}

QList<QJsonObject> WaylandSession::views() const {
    QList<QJsonObject> found;
    collectViews(QJsonDocument::fromJson(swaymsg({"-t", "get_tree"}).toUtf8()).object(), found);
    return found;
}

QJsonObject WaylandSession::view(const QString& title) const {
    for (const QJsonObject& v : views())
        if (v.value(QLatin1String("name")).toString() == title) return v;
    return {};
}

QJsonObject WaylandSession::waitForView(const QString& title, int timeoutMs) const {
    QJsonObject found;
    waitUntil(
        [&] {
            found = view(title);
            return !found.isEmpty();
        },
        timeoutMs);
    return found;
}

QJsonObject WaylandSession::focusedView() const {
    for (const QJsonObject& v : views())
        if (v.value(QLatin1String("focused")).toBool()) return v;
    return {};
}

void WaylandSession::click(const QJsonObject& view, QPoint at) const {
    const int x = rectValue(view, "rect", "x") + rectValue(view, "window_rect", "x") + at.x();
    const int y = rectValue(view, "rect", "y") + rectValue(view, "window_rect", "y") + at.y();
    swaymsg({"seat", "-", "cursor", "set", QString::number(x), QString::number(y)});
    swaymsg({"seat", "-", "cursor", "press", "button1"});
    swaymsg({"seat", "-", "cursor", "release", "button1"});
    QTest::qWait(400); // menus and pages react on the program's next event round
}

void WaylandSession::type(const QStringList& args) const {
    run(QStringLiteral("wtype"), args, nullptr, childEnv());
    QTest::qWait(200);
}

QImage WaylandSession::picture(const QString& name) const {
    const QString path = workDir() + QLatin1Char('/') + name;
    int status = -1;
    run(QStringLiteral("grim"), {path}, &status, childEnv());
    return status == 0 ? QImage(path) : QImage();
}
