// Random damage to every file the program reads: each reader gets mutated
// copies of real files and must neither crash nor break its promises (values
// that fit, bounded counts, no file lost, nothing touched outside its folder).
// FUZZ_ITERATIONS and FUZZ_SEED make a longer run; see README.md.
#include "appconfig.h"
#include "defaults.h"
#include "filename.h"
#include "language.h"
#include "macrofile.h"
#include "paths.h"
#include "productdef.h"
#include "profilefile.h"
#include "profilelibrary.h"
#include "profilewrite.h"
#include "testutil.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QTranslator>
#include <QtTest>
#include <functional>
#include <random>

namespace {

int envInt(const char* name, int fallback) {
    bool ok = false;
    const int v = qEnvironmentVariableIntValue(name, &ok);
    return ok ? v : fallback;
}

// What a hostile file may carry: variant values whose lengths the INI library
// would trust, counts far past anything real, and names that climb out of
// their folder (the fuzz box keeps an "outside" folder next to the program).
const QByteArray kHostileValues[] = {
    R"(@Variant(\0\0\0\v\0\x7f\xff\xff\xff))",            // string list of 2^31 strings
    R"(@Variant(\0\0\0G\0\x7f\xff\xff\xff))",             // polygon of 2^31 points
    R"(@Variant(\0\0\0\n\0\xff\xff\xff\xf0))",            // string with a huge length
    R"(@Variant(\0\0\0\x43\x1\xff\xff\xff\xff\xff\xff))", // colour cut short
    R"(@Variant(\0\0\0\x43\x1\xff\xff\xff\xff\x64\x64<<\0\0\0\0\0\0\0\0\0\0\0\0))",
    R"(@Variant(\0\0\x1\0\0\0\0\0\x10))",                         // a user type
    R"(@Variant(\0\0\0\x43\x1)" + QByteArray(1 << 20, 'f') + ')', // a colour a megabyte long
    R"(@Variant()",
    "2147483647",
    "-2147483648",
    "4294967295",
    "99999999999999999999",
    "-1",
    "255",
    "256",
    "70000",
    "",
    "../../outside/x",
    "../../../outside/victim",
    "../../../outside/m",
    "/etc/passwd",
    "..",
    "a\\b",
    "\"quoted, list\"",
};

const QByteArray kHostileLines[] = {
    "Count=2147483647",
    "Setting\\Count=2147483647",
    "[PROFILE_LIST]\nCount=2147483647",
    "[FONT_LIST]\nLANGNUM=2147483647\nLangFile_0=../../outside/x\nFONT_SIZE_0=4294967295",
    "[Config]\nProfile1=../../../outside/victim\nProfile2=\nProfileID=2147483647\nLangID=-7",
    "[PROFILE]\nBUTTON_INFO_0_macroname=../../../outside/m\npollrate=300\ndpi=-1",
    "[Setting]\nCount=-5\nMap_0=@Variant(\\0\\0\\0\\v\\0\\x7f\\xff\\xff\\xff)",
};

class Mutator {
public:
    explicit Mutator(uint32_t seed) : m_rng(seed) {}

    // The first iterations plant each hostile line, then each hostile value,
    // alone, so that even a short run tries every one of them.
    QByteArray mutate(QByteArray data, int iteration) {
        const int lines = int(std::size(kHostileLines));
        if (iteration < lines) return data.insert(lineStart(data), kHostileLines[iteration] + '\n');
        if (iteration < lines + int(std::size(kHostileValues)))
            return replaceValue(data, kHostileValues[iteration - lines]);
        const int rounds = pick(1, 5);
        for (int r = 0; r < rounds; ++r) {
            switch (pick(0, 9)) {
            case 0: // bit flip
                if (!data.isEmpty()) data[at(data)] = char(data[at(data)] ^ (1 << pick(0, 7)));
                break;
            case 1: { // random bytes
                QByteArray bytes;
                for (int i = pick(1, 16); i > 0; --i)
                    bytes += char(pick(0, 255));
                data.insert(at(data), bytes);
                break;
            }
            case 2: // a hole
                data.remove(at(data), pick(1, 400));
                break;
            case 3: // cut short
                data.truncate(at(data));
                break;
            case 4: // a block repeated
                data.insert(at(data), data.mid(at(data), pick(1, 200)));
                break;
            case 5:
            case 6: // a hostile value on some line
                data = replaceValue(data, oneOf(kHostileValues));
                break;
            case 7: // a hostile line between two lines
                data.insert(lineStart(data), oneOf(kHostileLines) + '\n');
                break;
            case 8: // a line dropped
                data = dropLine(data);
                break;
            default: // now and then nothing of the original is left
                if (pick(0, 9) == 0) data = pick(0, 1) ? QByteArray() : randomBytes();
                break;
            }
        }
        return data;
    }

private:
    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }
    int at(const QByteArray& d) { return d.isEmpty() ? 0 : pick(0, int(d.size()) - 1); }
    template <size_t N> const QByteArray& oneOf(const QByteArray (&table)[N]) {
        return table[size_t(pick(0, int(N) - 1))];
    }
    int lineStart(const QByteArray& d) {
        const int from = at(d);
        const int nl = d.indexOf('\n', from);
        return nl < 0 ? int(d.size()) : nl + 1;
    }
    QByteArray replaceValue(QByteArray d, const QByteArray& value) {
        const int eq = d.indexOf('=', at(d));
        if (eq < 0) return d;
        int end = d.indexOf('\n', eq);
        if (end < 0) end = int(d.size());
        return d.replace(eq + 1, end - eq - 1, value);
    }
    QByteArray dropLine(QByteArray d) {
        const int from = lineStart(d);
        const int nl = d.indexOf('\n', from);
        return d.remove(from, nl < 0 ? int(d.size()) - from : nl - from + 1);
    }
    QByteArray randomBytes() {
        QByteArray b;
        for (int i = pick(1, 4096); i > 0; --i)
            b += char(pick(0, 255));
        return b;
    }

    std::mt19937 m_rng;
};

// One fuzz run's folders: <box>/app is the program's folder, <box>/outside
// holds files that hostile names point at, <box>/work the files a user picks.
struct Box {
    // A failed run keeps its folder, with the input that broke a promise.
    ~Box() {
        if (!QTest::currentTestFailed()) return;
        dir.setAutoRemove(false);
        qInfo("kept %s", qPrintable(dir.path()));
    }
    QTemporaryDir dir;
    QString app() const { return dir.filePath("app"); }
    QString outside() const { return dir.filePath("outside"); }
    QString work(const QString& name) const { return dir.filePath("work/" + name); }
};

struct Reader {
    const char* name;
    QString target; // relative to the box
    // The undamaged file; none: the shipped file at the target's place.
    std::function<QByteArray(const Box&)> seed;
    // Besides the target and copies kept beside it: files below these
    // folders may change or appear.
    QStringList mayChange;
    std::function<QString(const Box&, const QByteArray& input)> run; // "" when every promise held
};

QByteArray fileOf(const QString& relative) {
    return readText(QStringLiteral(PRISTINE_DATA_DIR "/") + relative);
}

bool sameProfile(MouseProfile a, MouseProfile b) {
    a.ProfilePath = b.ProfilePath;
    return a == b;
}

// The record's values survive the program's own writer: nothing was read
// that the file format cannot hold.
QString roundTrips(const Box& box, const MouseProfile& p) {
    const QString path = box.work("roundtrip.prof");
    QFile::remove(path);
    writeProfile(p, path);
    MouseProfile back;
    const bool whole = readProfile(back, path);
    QFile::remove(path);
    if (!whole) return QStringLiteral("the saved profile reads back as damaged");
    return back == p ? QString() : QStringLiteral("the loaded profile does not survive a save");
}

// Damage no reading may accept: no profile group at all, or a whole line
// whose value is in the variant notation but no colour.
bool certainlyDamaged(const QByteArray& input) {
    static const QRegularExpression hostile(
        R"([^\\\r]\n[A-Za-z0-9_\\]+=@Variant\(\\0\\0\\0(\\v|G|\\n)[^\r\n]*\)\n)");
    return !input.contains("[PROFILE]") || hostile.match(QString::fromLatin1(input)).hasMatch();
}

QString liveProfile(const Box& box, const QByteArray& input) {
    const QString path = profilePathForName("Profile 1");
    MouseProfile p;
    loadProfileByName(p, "Profile 1");
    const bool asItWas = QFileInfo::exists(path) && readText(path) == input;
    // The damaged bytes stay somewhere beside the file; an older kept copy
    // is never overwritten.
    bool kept = asItWas;
    const QDir folder(profileFolder());
    for (const QString& f : folder.entryList({"Profile 1.prof.damaged*"}, QDir::Files))
        kept = kept || readText(folder.filePath(f)) == input;
    if (!kept) return "the damaged file was lost";
    if (readText(path + ".damaged") != "an older damaged copy")
        return "an older damaged copy was overwritten";
    if (asItWas && certainlyDamaged(input)) return "a damaged profile was taken as it is";
    if (!asItWas) {
        MouseProfile factory;
        makeDefaultProfile(factory);
        factory.ProfileName = "Profile 1";
        if (!sameProfile(p, factory)) return "a damaged profile did not become the factory profile";
    }
    return roundTrips(box, p);
}

// The languages offered are bounded, and no catalogue comes from outside lang/.
QString languages(const Box&, const QByteArray&) {
    const LanguageList list = readLanguageList();
    if (list.count < 0 || list.count > kMaxLanguages) return "language count not bounded";
    const QString lang = QDir(appDir() + "/lang").canonicalPath() + '/';
    for (int i = -1; i <= kMaxLanguages; ++i) {
        QTranslator t;
        if (loadCatalogue(t, i) && !QFileInfo(t.filePath()).canonicalFilePath().startsWith(lang))
            return "catalogue loaded from " + t.filePath();
        fontFor(i, 1.0);
    }
    fontFor(readLanguageId(), 2.5);
    return {};
}

QString mainConfiguration(const Box& box, const QByteArray& input) {
    DeviceSettings s;
    loadSettings(s);
    if (s.currentProfile >= kProfileCount) return "current profile out of range";
    for (const QString& name : s.profileNames)
        if (!isValidFileName(name)) return "bound name \"" + name + "\" is no usable file name";
    for (auto f : {readDiff, readGColorId, readBattery, readBatteryFull, readSensorModel})
        f();
    for (auto f : {readBatteryWarn, readBatteryCritical})
        if (f() < 0 || f() > 100) return "battery threshold out of range";
    for (auto f : {readCurrentProductName, readModel, readMouseList0})
        f();
    return languages(box, input);
}

QString profileList(const Box&, const QByteArray&) {
    return readProfileList().size() > 200 ? QStringLiteral("profile list not bounded") : QString();
}

QString productDefinition(const Box& box, const QByteArray&) {
    productName(), productVersion(), buttonCount(), dpiStageCount(), disableMacro(), showSleep();
    scrollReverse(), minDelay(), sensorFlag33254(), colorMode(), ledDisable(), syncMode();
    frenchLanguage(), sleepRange(), usbIds(), usbIdsIn(productDefinitionPath());
    uint8_t slotTable[kProductButtonCount];
    int8_t layout[kProductButtonCount];
    uint8_t options[7];
    buttonSlotMap(slotTable), buttonLayoutMap(layout), factoryOptions(options);
    MouseProfile p;
    makeDefaultProfile(p);
    DeviceSettings s;
    resetAll(s);
    return roundTrips(box, p);
}

QString macroFile(const Box&, const QByteArray&) {
    for (int limit : {0, 1, 63, 1000})
        if (int(readMacroSteps("m", limit).size()) > limit) return "macro steps past the limit";
    // What the editor reads it can show, and saving it loses nothing.
    MacroFile shown = readMacroFile("m");
    for (const MacroStep& st : shown.steps) {
        const uint8_t kind = stepKind(st);
        if (kind != kStepButton && kind != kStepMove && kind != kStepKey && kind != kStepDelay)
            return "the editor kept a step it cannot show";
        if (kind == kStepButton && !isButtonBit(st.dataL)) return "a button step without a button";
        if (kind == kStepMove && st.dataH != 0 && st.dataL != 0) return "a move on two axes";
    }
    shown.name = "m2";
    if (!writeMacroFile(shown) || !(readMacroFile("m2").steps == shown.steps))
        return "saving the macro changed its steps";
    DeviceSettings live, sent;
    live.profiles[0].buttons[3].Fun = sent.profiles[0].buttons[3].Fun = 200;
    live.profiles[0].buttons[3].macroname = sent.profiles[0].buttons[3].macroname = "m";
    compareSettings(live, sent);
    return {};
}

QString exportedSettings(const Box& box, const QByteArray& input) {
    DeviceSettings live;
    loadSettings(live);
    DeviceSettings s = live;
    const bool taken = importSettings(s, box.work("import.conf"));
    if (readText(box.work("import.conf")) != input) return "import changed its source";
    if (!taken) return sameSettings(s, live) ? QString() : "a refused import changed the settings";
    if (s.currentProfile >= kProfileCount) return "current profile out of range";
    for (const QString& name : s.profileNames)
        if (!isValidFileName(name)) return "imported name \"" + name + "\" is no usable file name";
    for (const MouseProfile& p : s.profiles)
        if (QString e = roundTrips(box, p); !e.isEmpty()) return e;
    return {};
}

QString importedProfile(const Box& box, const QByteArray& input) {
    QStringList list = readProfileList();
    const int before = list.size();
    QString name;
    const ProfileLibrary::Outcome o =
        ProfileLibrary::importFile(list, box.work("import.prof"), productName(), &name);
    if (readText(box.work("import.prof")) != input) return "import changed its source";
    if (!o.ok()) return list.size() == before ? QString() : "a refused import changed the list";
    if (!isValidFileName(name)) return "imported under \"" + name + '"';
    MouseProfile p;
    readProfile(p, ProfileLibrary::pathFor(name));
    return roundTrips(box, p);
}

QByteArray macroSeed(const Box& box) {
    const QString path = box.work("seed.MSMACRO");
    {
        QSettings ini(path, QSettings::IniFormat);
        ini.setValue("Setting/Count", 12);
        ini.setValue("Setting/WriteSign", 1);
        for (int k = 0; k < 12; ++k) {
            ini.setValue(QStringLiteral("Setting/Map_%1").arg(k), k % 2 ? 0x80 : 0x01);
            ini.setValue(QStringLiteral("Setting/DataH_%1").arg(k), 0);
            ini.setValue(QStringLiteral("Setting/DataL_%1").arg(k), 4 + k);
        }
    }
    return readText(path);
}

QByteArray exportSeed(const Box& box) {
    DeviceSettings s;
    loadSettings(s);
    exportSettings(s, box.work("seed.conf"));
    return readText(box.work("seed.conf"));
}

const QString kProduct = QStringLiteral("Qorv Stratos");

// A profile exported from this product: it carries the product's tag.
QByteArray importSeed(const Box& box) {
    const QString path = box.work("seed.prof");
    writeText(path, fileOf("Configs/Profile/Profile 2.prof"));
    writeProductTag(path, kProduct);
    return readText(path);
}

const Reader kReaders[] = {
    {"live profile", "app/Configs/Profile/Profile 1.prof", {}, {}, liveProfile},
    {"main configuration", "app/Configs/Config.ini", {}, {}, mainConfiguration},
    {"product configuration", "app/Configs/" + kProduct + "/Config.ini", {}, {}, profileList},
    {"language configuration", "app/Configs/LangConfig.ini", {}, {}, languages},
    {"product definition", "app/DefaultProfile.bin", {}, {}, productDefinition},
    {"macro file",
     "app/Configs/MacroDB/m.MSMACRO",
     macroSeed,
     {"app/Configs/MacroDB/m2.MSMACRO"},
     macroFile},
    {"exported settings", "work/import.conf", exportSeed, {}, exportedSettings},
    {"imported profile",
     "work/import.prof",
     importSeed,
     {"app/Configs/" + kProduct + "/"},
     importedProfile},
};

} // namespace

class TestFuzzReaders : public QObject {
    Q_OBJECT
private slots:
    void readers_data() {
        QTest::addColumn<int>("reader");
        for (size_t i = 0; i < std::size(kReaders); ++i)
            QTest::newRow(kReaders[i].name) << int(i);
    }
    void readers() {
        QFETCH(int, reader);
        const Reader& r = kReaders[reader];
        const int iterations = envInt("FUZZ_ITERATIONS", 40);
        const uint32_t seed = uint32_t(envInt("FUZZ_SEED", 1));

        Box box;
        QVERIFY(copyTree(PRISTINE_DATA_DIR, box.app()));
        QVERIFY(copyTree(APP_DIR "/lang", box.app() + "/lang"));
        QDir().mkpath(box.app() + "/Configs/MacroDB");
        QDir().mkpath(box.dir.filePath("work"));
        setAppDirOverride(box.app());
        // What hostile names point at: a real catalogue, a profile, a macro.
        writeText(box.outside() + "/x.qm", readText(APP_DIR "/lang/mousecfg_fr.qm"));
        writeText(box.outside() + "/victim.prof", fileOf("Configs/Profile/Profile 3.prof"));
        writeText(box.outside() + "/m.MSMACRO", "[Setting]\nCount=1\nMap_0=1\n");
        const QByteArray seedFile =
            r.seed ? r.seed(box) : fileOf(r.target.mid(QStringLiteral("app/").size()));
        QVERIFY(!seedFile.isEmpty());
        writeText(box.dir.filePath(r.target), seedFile);
        if (r.target.endsWith("Profile 1.prof"))
            writeText(box.dir.filePath(r.target) + ".damaged", "an older damaged copy");
        const QMap<QString, QByteArray> before = filesBelow(box.dir.path());
        qInfo("%s: %d iterations, seed %u, in %s", r.name, iterations, seed,
              qPrintable(box.dir.path()));

        for (int i = 0; i < iterations; ++i) {
            // Each iteration has its own generator, so one can be replayed alone.
            const QByteArray input = Mutator(seed * 1000003u + uint32_t(i)).mutate(seedFile, i);
            writeText(box.dir.filePath(r.target), input);
            const QString broken = r.run(box, input);
            QVERIFY2(broken.isEmpty(),
                     qPrintable(QStringLiteral("iteration %1: %2").arg(i).arg(broken)));
            // Nothing else in the box changed; then the box is made whole again.
            const QMap<QString, QByteArray> after = filesBelow(box.dir.path());
            auto exempt = [&](const QString& f) {
                if (f.startsWith(r.target)) return true;
                for (const QString& folder : r.mayChange)
                    if (f.startsWith(folder)) return true;
                return false;
            };
            QStringList files = before.keys() + after.keys();
            files.removeDuplicates();
            for (const QString& f : files)
                QVERIFY2(exempt(f) || (after.contains(f) && before.contains(f) &&
                                       before.value(f) == after.value(f)),
                         qPrintable(QStringLiteral("iteration %1 changed %2").arg(i).arg(f)));
            for (const QString& f : after.keys())
                if (!before.contains(f)) QFile::remove(box.dir.filePath(f));
            for (auto it = before.cbegin(); it != before.cend(); ++it)
                if (after.value(it.key()) != it.value() || !after.contains(it.key()))
                    writeText(box.dir.filePath(it.key()), it.value());
        }
        setAppDirOverride(QString());
    }
};

QTEST_MAIN(TestFuzzReaders)
#include "test_fuzz_readers.moc"
