// Damaged, emptied and hostile files of every kind the program reads: the
// program still starts and keeps running, the user's other files stay as they
// were, and a full write sends the virtual mouse only what the window could
// have shown.
#include "e2esession.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>
#include <QtTest>
#include <defaults.h>
#include <functional>
#include <memory>
#include <profilefile.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

const QPoint kApply(848 + 48, 578 + 16);
const QString kProfile1 = QStringLiteral("Configs/Profile/Profile 1.prof");
const QString kProfile3 = QStringLiteral("Configs/Profile/Profile 3.prof");
const QString kConfig = QStringLiteral("Configs/Config.ini");
const QString kProductConfig = QStringLiteral("Configs/Qorv Stratos/Config.ini");
const QString kLangConfig = QStringLiteral("Configs/LangConfig.ini");
const QString kDefaultProfile = QStringLiteral("Configs/Profile/DefaultProfile.prof");
// The product's sensor takes steps 0-519.
constexpr int kMaxStep = 519;

// Reports every file opened in some folders.
class OpenWatch {
public:
    OpenWatch() : m_fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {}
    ~OpenWatch() {
        if (m_fd >= 0) close(m_fd);
    }
    OpenWatch(const OpenWatch&) = delete;
    OpenWatch& operator=(const OpenWatch&) = delete;
    bool add(const QString& folder) {
        return inotify_add_watch(m_fd, QFile::encodeName(folder).constData(), IN_OPEN) >= 0;
    }
    QStringList opened() {
        alignas(inotify_event) char buffer[8192];
        ssize_t n;
        while ((n = read(m_fd, buffer, sizeof buffer)) > 0)
            for (char* p = buffer; p < buffer + n;) {
                const auto* e = reinterpret_cast<const inotify_event*>(p);
                if (e->len > 0 && !(e->mask & IN_ISDIR))
                    m_opened << QString::fromLocal8Bit(e->name);
                p += sizeof(inotify_event) + e->len;
            }
        return m_opened;
    }

private:
    int m_fd;
    QStringList m_opened;
};

// What one case did to the folders, and what the run must show.
struct Scene {
    const E2eSession& s;
    QString target;         // the damaged file (relative), may be replaced
    bool keptAside = false; // the damaged bytes must stay beside it as ".damaged"
    QString outside;        // a folder next to the program's (absolute)
    QStringList watched;    // folders in which nothing may be opened
    QStringList expect;     // texts the mouse's state must show
    QString cwd;            // the program's working folder, when set
    bool linked = false;    // the target is a link the program saves over
    // Whether the full write reaches the mouse: a profile without a left
    // click must never be sent; a macro too long for it may be refused.
    enum class Sent { All, Nothing, Either } sent = Sent::All;
    // Values the files must hold after the write: file, key, value.
    QList<QStringList> saved;
    QString app(const QString& relative) const { return s.appFile(relative); }
};

// Sets "key=value" in an INI file's text (the test must not parse a hostile
// file with the INI library): the first line of that key is replaced, or
// the key added under a new copy of its group.
void setText(const QString& path, const QString& group, const QString& key,
             const QByteArray& value) {
    QByteArray text = readText(path);
    const QRegularExpression line(QStringLiteral("^%1=.*$").arg(QRegularExpression::escape(key)),
                                  QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = line.match(QString::fromLatin1(text));
    if (m.hasMatch())
        text.replace(m.capturedStart(), m.capturedLength(), key.toLatin1() + '=' + value);
    else
        text += "\n[" + group.toLatin1() + "]\n" + key.toLatin1() + '=' + value + '\n';
    writeText(path, text);
}

void dropLines(const QString& path, const QByteArray& containing) {
    QByteArray kept;
    for (const QByteArray& line : readText(path).split('\n'))
        if (!line.contains(containing)) kept += line + '\n';
    writeText(path, kept);
}

const QByteArray kHugeColour = "@Variant(\\0\\0\\0\\x43\\x1" + QByteArray(1 << 20, 'f') + ')';

void damageProfile(Scene& c, const QString& relative,
                   const std::function<void(const QString&)>& damage) {
    damage(c.app(relative));
    c.target = relative;
    c.keptAside = true;
}

// A link at `relative` to a copy of it outside the program's folder.
void linkOutside(Scene& c, const QString& relative) {
    const QString target = c.outside + '/' + QFileInfo(relative).fileName();
    writeText(target, readText(c.app(relative)) + "; the user's own file");
    QFile::remove(c.app(relative));
    QFile::link(target, c.app(relative));
    c.target = relative;
    c.linked = true;
}

struct Case {
    const char* name;
    std::function<void(Scene&)> prepare;
};

// The common rows: damage done to the live profile, one hostile value in a
// file, or a file's whole text.
std::function<void(Scene&)> damaged(std::function<void(const QString&)> damage) {
    return [=](Scene& c) { damageProfile(c, kProfile1, damage); };
}
std::function<void(Scene&)> oneValue(QString file, QString group, QString key, QByteArray value) {
    return [=](Scene& c) {
        c.target = file;
        setText(c.app(file), group, key, value);
    };
}
std::function<void(Scene&)> wholeText(QString file, QByteArray text) {
    return [=](Scene& c) {
        c.target = file;
        writeText(c.app(file), text);
    };
}

// Built on first use: the rows copy values other files define.
const std::vector<Case>& cases() {
    static const std::vector<Case> table = {
        // The yardstick: shipped files pass every check below.
        {"nothing damaged", [](Scene&) {}},
        {"profile: random bytes",
         damaged([](const QString& p) { writeText(p, randomBytes(60000, 8)); })},
        {"profile: cut in the middle",
         damaged([](const QString& p) { writeText(p, readText(p).left(120000)); })},
        {"profile: button keys missing",
         damaged([](const QString& p) { dropLines(p, "BUTTON_INFO_"); })},
        {"profile: values the record cannot hold", damaged([](const QString& p) {
             setText(p, "PROFILE", "pollrate", "70000");
             setText(p, "PROFILE", "DPI_INFO_1_used", "-3");
         })},
        {"profile: string list value", damaged([](const QString& p) {
             setText(p, "PROFILE", "LedMode\\LED_MODE_1_RGB", kHostileStringList);
         })},
        {"profile: colour a megabyte long", damaged([](const QString& p) {
             setText(p, "PROFILE", "LedMode\\LED_MODE_2_RGB", kHugeColour);
         })},
        // A whole profile and Config.ini with values no control can show: the
        // nearest shown ones are sent, and saved.
        {"profile and configuration: values the window cannot show",
         [](Scene& c) {
             c.target = kProfile1;
             auto p = std::make_unique<MouseProfile>();
             makeDefaultProfile(*p);
             p->ProfileName = QStringLiteral("Profile 1");
             p->pollrate = 255;
             p->dpi = 9;
             p->stages[0] = {1, 1, 600, 600, 600};
             p->LedMode = 250;
             p->LedSleepTime = 40;
             for (LedModeInfo& led : p->ledModes)
                 led.bright = led.breath = 9;
             p->ledModes[1].RGB = QColor(0x10, 0x20, 0x30);
             p->ledModes[2].RGB = QColor(0x40, 0x50, 0x60);
             writeProfile(*p, c.app(kProfile1));
             setText(c.app(kConfig), "Config", "Debounce", "0");
             setText(c.app(kConfig), "Config", "LiftHigh", "7");
             setText(c.app(kConfig), "Config", "SensorMode", "9");
             c.expect << "profile 0 (active): DPI stage 7, report rate 1 (1000 Hz)"
                      << "    report rates: 1 (1000 Hz)"
                      << "light sleep time: 9\n"
                      << "    sensor mode: 1,"
                      << "    stage 0: used 1, x 07 02 (519), y 07 02 (519)\n"
                      << "    mode 2: 80 10 20 30 01 00 02 03\n"
                      << "    mode 3: 80 40 50 60 01 05 04 03\n"
                      << "key response: 1\n";
             c.saved = {{kProfile1, "PROFILE/pollrate", "1"}, {kConfig, "Config/Debounce", "1"}};
         }},
        {"profile: every button off",
         [](Scene& c) {
             c.target = kProfile1;
             c.sent = Scene::Sent::Nothing;
             for (int i = 0; i < 42; ++i)
                 setText(c.app(kProfile1), "PROFILE", QStringLiteral("BUTTON_INFO_%1_Fun").arg(i),
                         "0");
         }},
        {"profile: another slot's file cut",
         [](Scene& c) {
             damageProfile(c, kProfile3,
                           [](const QString& p) { writeText(p, readText(p).left(3000)); });
         }},
        {"profile: a link out of the folder", [](Scene& c) { linkOutside(c, kProfile1); }},
        {"default profile: a link out of the folder",
         [](Scene& c) { linkOutside(c, kDefaultProfile); }},
        {"configuration: bound names emptied",
         [](Scene& c) {
             c.target = kConfig;
             for (int i = 1; i <= 5; ++i)
                 setText(c.app(kConfig), "Config", QStringLiteral("Profile%1").arg(i), "");
             // The intact file of "Profile 1" is what must be read and sent.
             setText(c.app(kProfile1), "PROFILE", "pollrate", "2");
             c.expect << QStringLiteral("    report rates: 2 (500 Hz)");
         }},
        {"configuration: emptied", wholeText(kConfig, "")},
        {"configuration: random bytes", wholeText(kConfig, randomBytes(5000, 8))},
        {"configuration: string list value",
         oneValue(kConfig, "Config", "GColorID", kHostileStringList)},
        {"configuration: huge counts",
         [](Scene& c) {
             c.target = kConfig;
             const QString p = c.app(kConfig);
             for (const char* key : {"ProfileID", "Count", "GColorID", "Battery"})
                 setText(p, "Config", key, "2147483647");
             setText(p, "Config", "BatteryFull", "0");
             setText(p, "FONT_LIST", "LANGNUM", "2147483647");
             setText(p, "FONT_LIST", "FONT_SIZE_0", "4294967295");
         }},
        {"configuration: names out of their folders",
         [](Scene& c) {
             c.target = kConfig;
             const QString away = "../../" + QFileInfo(c.outside).dir().dirName() + '/' +
                                  QFileInfo(c.outside).fileName();
             writeText(c.outside + "/x.qm", readText(c.app("lang/mousecfg_de.qm")));
             writeText(c.outside + "/victim.prof", readText(c.app(kProfile3)));
             setText(c.app(kConfig), "FONT_LIST", "LangFile_0", (away + "/x").toUtf8());
             setText(c.app(kConfig), "Config", "Profile2", ("../" + away + "/victim").toUtf8());
             c.watched << c.outside;
         }},
        {"configuration: lock folder in the way",
         [](Scene& c) { QDir().mkpath(c.app(kConfig + ".lock")); }},
        {"icon in the working folder",
         [](Scene& c) {
             c.cwd = c.outside;
             writeText(c.outside + "/skin/icon.ico", readText(c.app("skin/icon.ico")));
             c.watched << c.outside + "/skin";
         }},
        {"profile list: huge count",
         oneValue(kProductConfig, "PROFILE_LIST", "Count", "2147483647")},
        {"profile list: polygon value",
         oneValue(kProductConfig, "PROFILE_LIST", "2", kHostilePolygon)},
        {"language: huge index", oneValue(kLangConfig, "Config", "LangID", "2147483647")},
        {"language: string list value",
         oneValue(kLangConfig, "Config", "LangID", kHostileStringList)},
        {"macro: huge step count",
         [](Scene& c) {
             c.target = "Configs/MacroDB/m.MSMACRO";
             c.sent = Scene::Sent::Either;
             writeText(c.app(c.target),
                       "[Setting]\nCount=2147483647\nWriteSign=1\nMap_0=1\nDataL_0=4\nMap_1=129\n"
                       "DataL_1=4\nMap_5000=1\n");
             setText(c.app(kProfile1), "PROFILE", "BUTTON_INFO_2_Fun", "200");
             setText(c.app(kProfile1), "PROFILE", "BUTTON_INFO_2_macroname", "m");
         }},
        {"macro: string list value",
         [](Scene& c) {
             c.target = "Configs/MacroDB/m.MSMACRO";
             writeText(c.app(c.target), "[Setting]\nCount=2\nMap_0=1\nDataL_0=4\nMap_1=" +
                                            kHostileStringList + '\n');
             setText(c.app(kProfile1), "PROFILE", "BUTTON_INFO_2_Fun", "200");
             setText(c.app(kProfile1), "PROFILE", "BUTTON_INFO_2_macroname", "m");
         }},
        // Without the product's data the program may refuse to write, but what
        // it writes must still click.
        {"product definition: polygon value",
         [](Scene& c) {
             c.target = "DefaultProfile.bin";
             c.sent = Scene::Sent::Either;
             setText(c.app(c.target), "PROFILE", "LedMode\\LED_MODE_20_RGB", kHostilePolygon);
         }},
        {"product definition: emptied",
         [](Scene& c) {
             c.target = "DefaultProfile.bin";
             c.sent = Scene::Sent::Either;
             writeText(c.app(c.target), "");
         }},
    };
    return table;
}

// The configuration and the product data, by path in the program's folder.
QMap<QString, QByteArray> configuration(const E2eSession& s) {
    QMap<QString, QByteArray> files{
        {"DefaultProfile.bin", readText(s.appFile("DefaultProfile.bin"))}};
    const QMap<QString, QByteArray> below = filesBelow(s.appFile("Configs"));
    for (auto it = below.cbegin(); it != below.cend(); ++it)
        files.insert("Configs/" + it.key(), it.value());
    return files;
}

QString firstDifference(const QByteArray& a, const QByteArray& b) {
    const QList<QByteArray> x = a.split('\n'), y = b.split('\n');
    for (int i = 0; i < qMax(x.size(), y.size()); ++i)
        if (x.value(i) != y.value(i))
            return QStringLiteral("line %1 \"%2\" is now \"%3\"")
                .arg(i + 1)
                .arg(QString::fromLatin1(x.value(i).left(80)),
                     QString::fromLatin1(y.value(i).left(80)));
    return {};
}

QList<int> numbers(const QString& text, const QString& pattern) {
    QList<int> found;
    const QRegularExpression re(pattern);
    for (auto it = re.globalMatch(text); it.hasNext();)
        found << it.next().captured(1).toInt();
    return found;
}

// The first thing the mouse holds that the window could not have shown, or
// an all-zero block; "" when everything is in range.
QString outOfRange(const QString& state) {
    for (int p = 0; p < 5; ++p) {
        const QString s = profileState(state, p);
        const QString where = QStringLiteral("profile %1: ").arg(p);
        const QString rates = s.section(QStringLiteral("report rates:"), 1, 1).section('\n', 0, 0);
        for (int rate : numbers(rates, QStringLiteral(" (\\d+) \\(")))
            if (rate != 1 && rate != 2 && rate != 4 && rate != 8)
                return where + "report rate " + QString::number(rate);
        for (int lift : numbers(s, QStringLiteral("\\(lift (\\d+)")))
            if (lift < 1 || lift > 2) return where + "lift " + QString::number(lift);
        for (int v : numbers(s, QStringLiteral("key response: (\\d+)")))
            if (v < 1) return where + "key response 0";
        for (int v : numbers(s, QStringLiteral("light sleep time: (\\d+)")))
            if (v < 1 || v > 9) return where + "light sleep time " + QString::number(v);
        const QList<int> counts = numbers(s, QStringLiteral("stage count: (\\d+)"));
        for (int n : counts) {
            if (n < 1 || n > 8) return where + "stage count " + QString::number(n);
            const QList<int> used = numbers(s, QStringLiteral("stage \\d: used (\\d+)"));
            if (!used.mid(0, n).contains(1)) return where + "no DPI stage in use";
            for (int step : numbers(s, QStringLiteral("\\((\\d+)\\)")))
                if (step > kMaxStep) return where + "DPI step " + QString::number(step);
            for (int stage : numbers(s, QStringLiteral("DPI stage: (\\d+)")))
                if (stage >= n) return where + "current DPI stage " + QString::number(stage);
        }
        if (s.contains(QLatin1String("slot  0:")) && !s.contains(QLatin1String("(left button")))
            return where + "no button left clicks";
        // Lighting records: brightness is their last byte, speed the sixth
        // (1-3 and 1-5 in the window) where the record carries them.
        static const struct {
            int mode;
            bool speed, bright;
        } kRecords[] = {{2, false, true}, {3, true, false}, {4, true, false},
                        {5, true, true},  {6, true, true},  {7, false, true},
                        {8, true, true},  {9, true, true},  {10, true, true}};
        for (const auto& r : kRecords) {
            const QRegularExpressionMatch m =
                QRegularExpression(
                    QStringLiteral("    mode %1: ((?:[0-9a-f]{2} ?){8})").arg(r.mode))
                    .match(s);
            if (!m.hasMatch()) continue;
            const QStringList b = m.captured(1).split(' ', Qt::SkipEmptyParts);
            const int speed = b.value(5).toInt(nullptr, 16), bright = b.value(7).toInt(nullptr, 16);
            if ((r.speed && (speed < 1 || speed > 5)) || (r.bright && (bright < 1 || bright > 3)))
                return where + "lighting record " + QString::number(r.mode) + ": " + m.captured(1);
        }
    }
    return {};
}

// Closes every notice (and answers "No" to any question) the program shows.
void dismissNotices(const E2eSession& s) {
    for (const QString& title : {QStringLiteral("Warning"), QStringLiteral("WARNING")})
        for (const QString& id : s.findWindows(title)) {
            const QString geometry = s.xdotool({"getwindowgeometry", "--shell", id});
            const QRegularExpression w(QStringLiteral("WIDTH=(\\d+)")),
                h(QStringLiteral("HEIGHT=(\\d+)"));
            // The box's rightmost button sits 20 from the right, 18 from the bottom.
            s.click(id, w.match(geometry).captured(1).toInt() - 68,
                    h.match(geometry).captured(1).toInt() - 32);
        }
}

// The program's visible window other than a notice. Found by process, as its
// title is the product's name, which a refused product definition lacks.
QString mainWindow(const E2eSession& s, const QProcess* program) {
    const QString pid = QString::number(program->processId());
    for (const QString& id :
         s.xdotool({"search", "--onlyvisible", "--pid", pid}).split('\n', Qt::SkipEmptyParts)) {
        const QString title = s.xdotool({"getwindowname", id}).trimmed();
        if (title.compare(QLatin1String("Warning"), Qt::CaseInsensitive) != 0) return id;
    }
    return {};
}

bool noticeShown(const E2eSession& s) {
    return !s.findWindows("Warning").isEmpty() || !s.findWindows("WARNING").isEmpty();
}

bool sentAll(const QString& config) {
    return QString::fromLatin1(readText(config))
        .contains(QRegularExpression(QStringLiteral("(^|\\n)Diff=0\\s")));
}

} // namespace

class TestE2eDamaged : public QObject {
    Q_OBJECT
private slots:
    void damagedFiles_data() {
        QTest::addColumn<int>("index");
        for (size_t i = 0; i < cases().size(); ++i)
            QTest::newRow(cases()[i].name) << int(i);
    }
    void damagedFiles() {
        QFETCH(int, index);
        E2eSession s;
        SESSION_START(s, QStringList());
        Scene c{s, {}, false, s.workDir() + "/outside", {}, {}, {}, false, Scene::Sent::All, {}};
        QDir().mkpath(c.outside);
        cases()[size_t(index)].prepare(c);
        const QMap<QString, QByteArray> before = configuration(s);
        const QMap<QString, QByteArray> outsideBefore = filesBelow(c.outside);
        const QByteArray damaged = readText(c.app(c.target));
        OpenWatch watch;
        for (const QString& folder : c.watched)
            QVERIFY(watch.add(folder));

        const QString home = QDir::currentPath();
        if (!c.cwd.isEmpty()) QDir::setCurrent(c.cwd);
        QProcess* program = s.startProgram();
        QDir::setCurrent(home);
        QString window;
        waitUntil(
            [&] {
                dismissNotices(s);
                window = mainWindow(s, program);
                return !window.isEmpty() || program->state() == QProcess::NotRunning;
            },
            45000);
        SESSION_VERIFY(s, !window.isEmpty());

        // A full write, and whatever notices it brings. A notice the start
        // left open takes the click, so Apply is pressed again after it.
        setText(c.app(kConfig), "Config", "Diff", "1"); // as after a failed write
        for (int attempt = 0; attempt < 3 && !sentAll(c.app(kConfig)); ++attempt) {
            dismissNotices(s);
            s.click(window, kApply.x(), kApply.y());
            waitUntil([&] { return sentAll(c.app(kConfig)) || noticeShown(s); }, 15000);
            QTest::qWait(1000);
        }
        dismissNotices(s);
        SESSION_VERIFY(s, program->state() == QProcess::Running);
        SESSION_VERIFY(s, mainWindow(s, program) == window);

        const QString state = s.vm({"state"});
        const QString wrong = outOfRange(state);
        // The whole state is kept with a failed session's files.
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        for (const QString& text : std::as_const(c.expect))
            QVERIFY2(state.contains(text), qPrintable(text + '\n' + state));
        for (const QStringList& v : std::as_const(c.saved))
            QCOMPARE(iniValue(c.app(v[0]), v[1]), v[2]);
        // Sending nothing at all would pass the checks above.
        if (c.sent != Scene::Sent::Either)
            QVERIFY2(state.contains(QLatin1String("(left button")) == (c.sent == Scene::Sent::All),
                     qPrintable(state));

        QCOMPARE(watch.opened(), QStringList());
        QCOMPARE(filesBelow(c.outside), outsideBefore);
        // The program's saves replaced the link instead of writing through it.
        if (c.linked) QVERIFY(!QFileInfo(c.app(c.target)).isSymLink());
        if (c.keptAside) QCOMPARE(readText(c.app(c.target + ".damaged")), damaged);
        // Every other file as it was.
        const QMap<QString, QByteArray> after = configuration(s);
        // The write saves the current profile (with the system's pointer speed).
        const QStringList ownFiles = {kConfig, kDefaultProfile, kProfile1, c.target,
                                      c.target + ".damaged"};
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            if (ownFiles.contains(it.key())) continue;
            QVERIFY2(after.value(it.key()) == it.value(),
                     qPrintable(it.key() + " changed or went: " +
                                firstDifference(it.value(), after.value(it.key()))));
        }
    }
};

QTEST_GUILESS_MAIN(TestE2eDamaged)
#include "test_damaged.moc"
