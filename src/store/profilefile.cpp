#include "profilefile.h"

#include "defaults.h"
#include "filename.h"
#include "inifile.h"
#include "paths.h"

#include <QFile>
#include <QFileInfo>
#include <limits>

namespace {

// One description of the layout serves the writer, the reader and the tests:
// the visitor sees every field with its key, in file order.
// Key names are formatted once per process and then handed out in order.
class KeyNames {
public:
    explicit KeyNames(bool exportedLayout);
    template <typename... Args> const QString& operator()(const char*, Args...) {
        return m_keys[m_next++];
    }

private:
    const QStringList& m_keys;
    int m_next = 0;
};

// Key names from patterns whose only conversion is "%d": several thousand
// are made while the first profile is read, and printf-style formatting
// made that a noticeable part of start-up.
struct FormatKeys {
    template <typename... Args> QString operator()(const char* pattern, Args... args) const {
        const int numbers[] = {args..., 0};
        char out[96];
        int len = 0;
        int next = 0;
        for (const char* c = pattern; *c && len < 80; ++c) {
            if (c[0] == '%' && c[1] == 'd') {
                char digits[12];
                int d = 0;
                for (unsigned v = unsigned(numbers[next++]); d == 0 || v; v /= 10)
                    digits[d++] = char('0' + v % 10);
                while (d)
                    out[len++] = digits[--d];
                ++c;
            } else {
                out[len++] = *c;
            }
        }
        return QString::fromLatin1(out, len);
    }
};

template <typename Profile, typename Visitor, typename Keys>
void visitProfile(Profile& p, bool exportedLayout, Visitor&& v, Keys&& key) {
    v.u8(key("pollrate"), p.pollrate);
    v.u8(key("dpi"), p.dpi);
    for (int i = 0; i < kDpiStageCount; ++i) {
        auto& s = p.stages[i];
        v.u8(key("DPI_INFO_%d_used", i), s.used);
        v.u8(key("DPI_INFO_%d_link", i), s.link);
        v.u32(key("DPI_INFO_%d_xy", i), s.xy);
        v.u32(key("DPI_INFO_%d_x", i), s.x);
        v.u32(key("DPI_INFO_%d_y", i), s.y);
    }
    v.u8(key("mousespeed"), p.mousespeed);
    v.u8(key("dbclickspeed"), p.dbclickspeed);
    v.u8(key("scrollispage"), p.scrollispage);
    v.u8(key("scrollspeed"), p.scrollspeed);
    v.u8(key("accelenable"), p.accelenable);
    v.u8(key("acee"), p.acee);
    for (int i = 0; i < kButtonEntryCount; ++i) {
        auto& b = p.buttons[i];
        v.i32(key("BUTTON_INFO_%d_ID", i), b.ID);
        v.i32(key("BUTTON_INFO_%d_Fun", i), b.Fun);
        v.i32(key("BUTTON_INFO_%d_LoopNumber", i), b.LoopNumber);
        v.i32(key("BUTTON_INFO_%d_KeyNumber", i), b.KeyNumber);
        v.u8(key("BUTTON_INFO_%d_Res1", i), b.Res1);
        v.u8(key("BUTTON_INFO_%d_Res2", i), b.Res2);
        v.u8(key("BUTTON_INFO_%d_Res3", i), b.Res3);
        v.u8(key("BUTTON_INFO_%d_Res4", i), b.Res4);
        v.str(key("BUTTON_INFO_%d_macroname", i), b.macroname);
        for (int s = 0; s < kKeyStepCount; ++s) {
            auto& step = b.KeyInfo[s];
            v.u8(key("BUTTON_INFO_%d_KeyInfo_%d_map", i, s), step.map);
            v.u8(key("BUTTON_INFO_%d_KeyInfo_%d_", i, s), step.code);
            v.u8(key("BUTTON_INFO_%d_KeyInfo_%d_H", i, s), step.H);
        }
    }
    v.str(key("ProfileName"), p.ProfileName);
    v.str(key("ProfilePath"), p.ProfilePath);
    v.u8(key("LedMode"), p.LedMode);
    if (!exportedLayout) {
        v.u8(key("LedMoveOFF"), p.LedMoveOFF, 255);
        v.u8(key("LedSleepTime"), p.LedSleepTime, 1);
    }
    for (int i = 0; i < kLedModeCount; ++i) {
        auto& led = p.ledModes[i];
        v.color(key("LedMode/LED_MODE_%d_RGB", i), led.RGB);
        v.u32(key("LedMode/LED_MODE_%d_h", i), led.h);
        v.u32(key("LedMode/LED_MODE_%d_s", i), led.s);
        v.u32(key("LedMode/LED_MODE_%d_v", i), led.v);
        v.u32(key("LedMode/LED_MODE_%d_bright", i), led.bright);
        v.u32(key("LedMode/LED_MODE_%d_breath", i), led.breath);
    }
}

struct NameVisitor {
    QStringList& names;
    void u8(const QString& k, uint8_t, int = 0) const { names << k; }
    void u32(const QString& k, uint32_t) const { names << k; }
    void i32(const QString& k, int32_t) const { names << k; }
    void str(const QString& k, const QString&) const { names << k; }
    void color(const QString& k, const QColor&) const { names << k; }
};

QStringList makeKeyNames(bool exportedLayout) {
    QStringList n;
    const MouseProfile p;
    visitProfile(p, exportedLayout, NameVisitor{n}, FormatKeys());
    return n;
}

// Each layout made when first needed: start-up reads only the stored one.
const QStringList& keyNames(bool exportedLayout) {
    if (exportedLayout) {
        static const QStringList exported = makeKeyNames(true);
        return exported;
    }
    static const QStringList stored = makeKeyNames(false);
    return stored;
}

KeyNames::KeyNames(bool exportedLayout) : m_keys(keyNames(exportedLayout)) {}

struct EmitVisitor {
    const std::function<void(const QString&, const QVariant&)>& sink;
    void u8(const QString& k, uint8_t f, int = 0) const { sink(k, int(f)); }
    void u32(const QString& k, uint32_t f) const { sink(k, uint(f)); }
    void i32(const QString& k, int32_t f) const { sink(k, int(f)); }
    void str(const QString& k, const QString& f) const { sink(k, f); }
    void color(const QString& k, const QColor& f) const { sink(k, QVariant(f)); }
};

// Reads every field and judges the group on the way: it is whole when every
// key the writer writes is there with a value its field can hold. The two
// sleep fields came later and may be absent.
struct ReadVisitor {
    const IniFile& ini;
    QString group;
    bool& whole;
    ProfileFault* fault = nullptr;
    void refuse(const QString& k, const QString& what) const {
        if (whole && fault) *fault = {k, what};
        whole = false;
    }
    // The value, or an invalid variant (and the group not whole) when absent.
    QVariant get(const QString& k) const {
        const QVariant v = ini.value(group + k);
        if (!v.isValid()) refuse(k, QStringLiteral("is missing"));
        return v;
    }
    qint64 integer(const QString& k, const QVariant& v, qint64 low, qint64 high) const {
        if (!v.isValid()) return 0;
        bool ok = false;
        const qint64 n = v.toLongLong(&ok);
        if (!ok || n < low || n > high)
            refuse(k, QStringLiteral("holds '%1', not a number from %2 to %3")
                          .arg(v.toString().left(40))
                          .arg(low)
                          .arg(high));
        return n;
    }
    void u8(const QString& k, uint8_t& f, int def = 0) const {
        // A field with a default of its own may be absent.
        const QVariant v = def != 0 ? ini.value(group + k, def) : get(k);
        f = uint8_t(integer(k, v, 0, 255));
    }
    void u32(const QString& k, uint32_t& f) const {
        f = uint32_t(integer(k, get(k), 0, std::numeric_limits<uint32_t>::max()));
    }
    void i32(const QString& k, int32_t& f) const {
        constexpr qint64 low = std::numeric_limits<int32_t>::min();
        constexpr qint64 high = std::numeric_limits<int32_t>::max();
        const qint64 n = integer(k, get(k), low, high);
        f = n < low || n > high ? 0 : int32_t(n);
    }
    void str(const QString& k, QString& f) const { f = get(k).toString(); }
    void color(const QString& k, QColor& f) const {
        const QVariant v = get(k);
        if (v.isValid() && v.userType() != QMetaType::QColor)
            refuse(k, QStringLiteral("is no colour"));
        f = v.value<QColor>();
    }
};

bool writeGroup(const MouseProfile& profile, const QString& path, const QString& group,
                bool exportedLayout) {
    ensureParentFolder(path);
    IniFile ini(path);
    const QString prefix = group + '/';
    forEachProfileKey(profile, exportedLayout,
                      [&](const QString& k, const QVariant& v) { ini.setValue(prefix + k, v); });
    return ini.save();
}

bool readGroup(MouseProfile& profile, const QString& path, const QString& group,
               bool exportedLayout, ProfileFault* fault = nullptr) {
    const IniFile ini(path);
    bool whole = ini.intact();
    if (!whole && fault)
        *fault = {QString(), QStringLiteral("holds a value the program never writes")};
    visitProfile(profile, exportedLayout, ReadVisitor{ini, group + '/', whole, fault},
                 KeyNames(exportedLayout));
    return whole;
}

} // namespace

void forEachProfileKey(const MouseProfile& profile, bool exportedLayout,
                       const std::function<void(const QString&, const QVariant&)>& sink) {
    visitProfile(profile, exportedLayout, EmitVisitor{sink}, KeyNames(exportedLayout));
}

bool writeProfile(const MouseProfile& profile, const QString& path) {
    return writeGroup(profile, path, QStringLiteral("PROFILE"), false);
}

bool readProfile(MouseProfile& profile, const QString& path) {
    return readGroup(profile, path, QStringLiteral("PROFILE"), false);
}

bool readProfile(MouseProfile& profile, const QString& path, ProfileFault* fault) {
    return readGroup(profile, path, QStringLiteral("PROFILE"), false, fault);
}

bool writeExportedProfile(int index, const MouseProfile& profile, const QString& path) {
    return writeGroup(profile, path, QStringLiteral("PROFILE_%1").arg(index), true);
}

bool readExportedProfile(int index, MouseProfile& profile, const QString& path) {
    return readGroup(profile, path, QStringLiteral("PROFILE_%1").arg(index), true);
}

QString profilePathForName(const QString& name) {
    return profileFolder() + name + ".prof";
}

bool saveProfileByName(const MouseProfile& profile, const QString& name) {
    if (!isValidFileName(name)) return false;
    return writeProfile(profile, profilePathForName(name));
}

void loadProfileByName(MouseProfile& profile, const QString& name) {
    const QString path = profilePathForName(name);
    if (isValidFileName(name) && QFileInfo(path).isFile()) {
        loadWholeProfile(profile, path, name);
        return;
    }
    if (name.isEmpty()) {
        // No binding at all: the profile reads as the file defaults.
        profile = MouseProfile();
        readProfile(profile, path);
        return;
    }
    makeDefaultProfile(profile);
    profile.ProfileName = name;
}

bool loadWholeProfile(MouseProfile& profile, const QString& path, const QString& name) {
    profile = MouseProfile();
    if (readProfile(profile, path)) return true;
    // Sending what a damaged file reads as would switch every button off:
    // the file is kept aside and the profile starts again from the factory.
    QFile::rename(path, freeDamagedName(path));
    addFileNotice(FileNotice::ProfileReset, path);
    makeDefaultProfile(profile);
    profile.ProfileName = name;
    return false;
}

QString newListEntryName(const QString& product) {
    const QString folder = productProfileFolder(product);
    for (int n = 1;; ++n) {
        const QString name = QStringLiteral("Profile %1").arg(n);
        if (!QFileInfo::exists(folder + name + ".prof")) return name;
    }
}
