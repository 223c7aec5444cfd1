#include "inifile.h"

#include "paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QSet>
#include <QSettings>
#include <QTemporaryFile>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

std::atomic<int> g_lockWaitMs{3000};

// A colour as QSettings writes it: the variant's type (QColor) as a 32-bit
// number, then the colour model byte, alpha and three components, a pad word.
constexpr int kColourBytes = 15;
constexpr uint8_t kColourHeader[] = {0, 0, 0, 0x43};
constexpr int kLastPlainModel = 4; // Invalid, Rgb, Hsv, Cmyk, Hsl: all of fixed size

const QString kVariant = QStringLiteral("@Variant(");
const QString kDateTime = QStringLiteral("@DateTime(");

// What the library hands to QDataStream (leading blanks allowed, to be safe).
bool decodable(const QString& element) {
    const QString v = element.trimmed();
    return (v.startsWith(kVariant) || v.startsWith(kDateTime)) && v.endsWith(QLatin1Char(')'));
}

bool isColourValue(const QString& element) {
    const QString v = element.trimmed();
    if (!v.startsWith(kVariant) || !v.endsWith(QLatin1Char(')'))) return false;
    const QStringView body = QStringView(v).mid(kVariant.size(), v.size() - kVariant.size() - 1);
    if (body.size() != kColourBytes) return false;
    for (const QChar c : body)
        if (c.unicode() > 0xFF) return false;
    for (int i = 0; i < 4; ++i)
        if (body.at(i).unicode() != kColourHeader[i]) return false;
    return body.at(4).unicode() <= kLastPlainModel;
}

bool isHex(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// The INI library's unescaping of a value: escapes, quotes, and commas outside
// quotes splitting it into a list. Whether an unknown escape keeps its
// character is asked both ways by the caller, so either reading is covered.
QStringList unescape(const QByteArray& raw, bool keepUnknownEscapes) {
    static const char kSimple[][2] = {{'a', '\a'}, {'b', '\b'},  {'f', '\f'}, {'n', '\n'},
                                      {'r', '\r'}, {'t', '\t'},  {'v', '\v'}, {'"', '"'},
                                      {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
    QStringList out;
    QString cur;
    bool quoted = false;
    int i = 0;
    const int n = raw.size();
    while (i < n) {
        const char c = raw.at(i);
        if (c == '\\') {
            if (++i >= n) break;
            const char e = raw.at(i++);
            bool simple = false;
            for (const auto& s : kSimple)
                if (e == s[0]) {
                    cur += QLatin1Char(s[1]);
                    simple = true;
                }
            if (simple) continue;
            if (e == 'x') {
                // "\x" without digits gives nothing: what follows stays first.
                uint v = 0;
                const int digits = i;
                while (i < n && isHex(raw.at(i))) {
                    const char h = raw.at(i++);
                    v = (v << 4) | uint(h <= '9' ? h - '0' : (h | 0x20) - 'a' + 10);
                }
                if (i > digits) cur += QChar(ushort(v & 0xFFFF));
            } else if (e >= '0' && e <= '7') {
                uint v = uint(e - '0');
                while (i < n && raw.at(i) >= '0' && raw.at(i) <= '7')
                    v = (v << 3) | uint(raw.at(i++) - '0');
                cur += QChar(ushort(v & 0xFFFF));
            } else if (keepUnknownEscapes && e != '\n' && e != '\r') {
                cur += QChar(ushort(uchar(e)));
            }
        } else if (c == '"') {
            quoted = !quoted;
            ++i;
        } else if (c == ',' && !quoted) {
            out << cur;
            cur.clear();
            ++i;
        } else if (c == ';' || c == '#') {
            // The library may end the value here as a comment: judge the
            // element as it stands too.
            out << cur;
            cur += QLatin1Char(c);
            ++i;
        } else {
            cur += QChar(ushort(uchar(c)));
            ++i;
        }
    }
    out << cur;
    return out;
}

struct Line {
    int begin;    // first byte of the logical line
    int end;      // one past its line break
    bool hostile; // a value that QDataStream would decode and that is no colour
};

// Splits INI text into logical lines (a backslash before a line break joins
// the next line) and judges each value.
QList<Line> scan(const QByteArray& text) {
    QList<Line> lines;
    const int n = text.size();
    int i = 0;
    while (i < n) {
        const int begin = i;
        while (i < n && text.at(i) != '\n' && text.at(i) != '\r') {
            if (text.at(i) == '\\' && i + 1 < n) {
                i += 2;
                if (text.at(i - 1) == '\r' && i < n && text.at(i) == '\n') ++i;
            } else {
                ++i;
            }
        }
        const int contentEnd = i;
        while (i < n && (text.at(i) == '\n' || text.at(i) == '\r'))
            ++i;
        QByteArray content = text.mid(begin, contentEnd - begin).trimmed();
        Line line{begin, i, false};
        // Section headers are read like values too: whatever the library
        // makes of a malformed one, nothing in it passes unchecked.
        const int eq = content.indexOf('=');
        const QByteArray value = eq < 0 ? content : content.mid(eq + 1);
        // Neither an at sign nor an escape that could make one: nothing to decode.
        if (!value.contains('@') && !value.contains('\\')) {
            lines << line;
            continue;
        }
        for (const bool keep : {false, true})
            for (const QString& element : unescape(value, keep))
                if (decodable(element) && !isColourValue(element)) line.hostile = true;
        lines << line;
    }
    return lines;
}

bool textSafe(const QByteArray& text) {
    for (const Line& l : scan(text))
        if (l.hostile) return false;
    return true;
}

std::mutex g_stateMutex;
QSet<QString> g_readOnly; // files whose lock could not be taken
QSet<QString> g_filled;   // files last read with content
QList<FileNotice> g_notices;
QList<FileNotice> g_announced;

// How long a file that had content and reads empty may stay empty before it
// is taken as emptied: an editor that rewrites a file in place truncates it
// first and writes the new text a moment later.
constexpr int kEmptiedWaitMs = 500;
constexpr int kEmptiedPollMs = 10;
// Rereads of a file that changed while it was read.
constexpr int kRereads = 5;

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_ino == b.st_ino && a.st_dev == b.st_dev && a.st_size == b.st_size &&
           a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

void noteFilled(const QString& path, bool filled) {
    const std::lock_guard<std::mutex> lock(g_stateMutex);
    if (filled)
        g_filled.insert(path);
    else
        g_filled.remove(path);
}

// The whole of an open file; false when it changed while it was read.
bool readSteady(QFile& file, QByteArray* bytes, struct stat* seen) {
    struct stat before {};
    if (::fstat(file.handle(), &before) != 0 || !file.seek(0)) return false;
    *bytes = file.readAll();
    return ::fstat(file.handle(), seen) == 0 && sameFile(before, *seen) &&
           seen->st_size == bytes->size();
}

// Whether the file is empty for the moment only: it had content when this
// program last read it, and someone rewriting it in place may still be
// writing. Waits a little once more unless `waitedMs` is used up.
bool emptiedForNow(const QString& path, const QByteArray& bytes, int* waitedMs) {
    if (!bytes.isEmpty() || *waitedMs >= kEmptiedWaitMs) return false;
    {
        const std::lock_guard<std::mutex> lock(g_stateMutex);
        if (!g_filled.contains(path)) return false;
    }
    *waitedMs += kEmptiedPollMs;
    std::this_thread::sleep_for(std::chrono::milliseconds(kEmptiedPollMs));
    return true;
}

// A file's bytes as one whole: read again when it changed during the read, and
// never the empty moment of someone else's rewrite. False when it exists but
// cannot be read, or is no plain file (a device or pipe would never end).
// `open` keeps the file that was read open, `seen` its state then.
bool readWhole(const QString& path, QByteArray* bytes, std::unique_ptr<QFile>* open = nullptr,
               struct stat* seen = nullptr) {
    const QByteArray name = QFile::encodeName(path);
    int waitedMs = 0;
    for (int reread = 0;;) {
        bytes->clear();
        struct stat st {};
        if (::stat(name.constData(), &st) != 0) {
            noteFilled(path, false);
            return errno == ENOENT;
        }
        if (!S_ISREG(st.st_mode)) return false;
        auto file = std::make_unique<QFile>(path);
        if (!file->open(QIODevice::ReadOnly)) return false;
        if (!readSteady(*file, bytes, &st) && ++reread < kRereads) continue;
        if (emptiedForNow(path, *bytes, &waitedMs)) continue;
        noteFilled(path, !bytes->isEmpty());
        if (open) *open = std::move(file);
        if (seen) *seen = st;
        return true;
    }
}

// The text someone wrote into `file` (no longer under its name) after it was
// read as `seen`; false when nobody did.
bool writtenSince(QFile& file, const QString& path, struct stat* seen, QByteArray* bytes) {
    int waitedMs = 0;
    for (int reread = 0;;) {
        struct stat now {};
        if (::fstat(file.handle(), &now) != 0 || sameFile(now, *seen)) return false;
        // `seen` stays the state this program read until the new text is
        // taken: compared with the emptied moment instead, a file still
        // waiting for its text would pass for one nobody wrote.
        struct stat read {};
        if (!readSteady(file, bytes, &read) && ++reread < kRereads) continue;
        if (emptiedForNow(path, *bytes, &waitedMs)) continue;
        *seen = read;
        return true;
    }
}

// The library parses a private copy of bytes already checked: what it reads
// is what was checked, and its cache, which trusts a file whose size and
// time are unchanged, never serves an older text of the user's file.
bool openCopy(const QByteArray& bytes, std::unique_ptr<QTemporaryFile>* copy,
              std::unique_ptr<QSettings>* ini) {
    // Memory-backed where there is such a folder: copies need no disk sync.
    static const QString folder = QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                      ? QStringLiteral("/dev/shm")
                                      : QDir::tempPath();
    ini->reset();
    *copy = std::make_unique<QTemporaryFile>(folder + QStringLiteral("/mousecfg-ini.XXXXXX"));
    QTemporaryFile& file = **copy;
    if (!file.open() || file.write(bytes) != bytes.size() || !file.flush()) return false;
    file.close();
    *ini = std::make_unique<QSettings>(file.fileName(), QSettings::IniFormat);
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    // Qt 6 reads and writes UTF-8 only; the same here keeps a file written by
    // either build meaning the same to the other (escaped text reads in both).
    (*ini)->setIniCodec("UTF-8");
#endif
    return true;
}

// Replaces `path` (a symbolic link included: the link itself) with `bytes`.
bool replaceFile(const QString& path, const QByteArray& bytes) {
    QTemporaryFile temp(path + QStringLiteral(".XXXXXX"));
    temp.setAutoRemove(true);
    if (!temp.open()) return false;
    // A file of the user's keeps who may read it; a link gets the default.
    const QFileInfo old(path);
    if (old.exists() && !old.isSymLink()) temp.setPermissions(old.permissions());
    if (temp.write(bytes) != bytes.size() || !temp.flush() || ::fsync(temp.handle()) != 0)
        return false;
    temp.close();
    if (std::rename(QFile::encodeName(temp.fileName()).constData(),
                    QFile::encodeName(path).constData()) != 0)
        return false;
    temp.setAutoRemove(false);
    noteFilled(path, !bytes.isEmpty()); // emptied by this program: nothing to wait for
    return true;
}

bool readOnlyFile(const QString& path) {
    const std::lock_guard<std::mutex> lock(g_stateMutex);
    return g_readOnly.contains(path);
}

// Every read-modify-write of a file holds "<file>.lock", the lock the INI
// library's own writers take. Null when another writer kept it past the
// bounded wait: the file is left read-only for the rest of the run.
std::unique_ptr<QLockFile> takeLock(const QString& path) {
    if (readOnlyFile(path)) return nullptr;
    auto lock = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
    if (lock->tryLock(g_lockWaitMs)) return lock;
    {
        const std::lock_guard<std::mutex> state(g_stateMutex);
        g_readOnly.insert(path);
    }
    addFileNotice(FileNotice::NotLocked, path);
    return nullptr;
}

// Keeps `path` aside as "<path>.damaged" and leaves it without hostile lines.
// A file that cannot be repaired is left alone for the rest of the run, so no
// second copy is ever set aside for it.
bool repair(const QString& path) {
    const bool repaired = [&] {
        const auto lock = takeLock(path);
        QByteArray original;
        if (!lock || !readWhole(path, &original)) return false;
        // Mended meanwhile by whoever damaged it.
        if (textSafe(original)) return true;
        if (!replaceFile(freeDamagedName(path), original)) return false;
        QByteArray kept = iniWithoutHostileLines(original);
        if (!textSafe(kept)) kept.clear(); // never set aside a second copy
        return replaceFile(path, kept);
    }();
    if (repaired) {
        addFileNotice(FileNotice::Repaired, path);
    } else {
        const std::lock_guard<std::mutex> lock(g_stateMutex);
        g_readOnly.insert(path);
    }
    return repaired;
}

} // namespace

bool iniVariantsSafe(const QString& path) {
    QByteArray bytes;
    return !readWhole(path, &bytes) || textSafe(bytes);
}

QByteArray iniWithoutHostileLines(const QByteArray& text) {
    QByteArray kept;
    for (const Line& l : scan(text))
        if (!l.hostile) kept += text.mid(l.begin, l.end - l.begin);
    return kept;
}

QString freeDamagedName(const QString& path) {
    QString name = path + QStringLiteral(".damaged");
    for (int k = 2; QFileInfo(name).exists() || QFileInfo(name).isSymLink(); ++k)
        name = path + QStringLiteral(".damaged.%1").arg(k);
    return name;
}

void setIniLockWaitMs(int ms) {
    g_lockWaitMs = ms;
}

IniFile::IniFile(const QString& path, Damage onDamage) : m_path(path) {
    // What cannot be read cannot be parsed either: it reads as empty.
    readWhole(path, &m_read);
    m_intact = textSafe(m_read);
    if (!m_intact && onDamage == Repair && repair(path)) {
        readWhole(path, &m_read);
        m_intact = textSafe(m_read);
    }
    if (m_intact && !openCopy(m_read, &m_copy, &m_ini)) m_ini.reset();
}

IniFile::~IniFile() {
    save();
}

bool IniFile::contains(const QString& key) const {
    return m_ini && m_ini->contains(key);
}

QVariant IniFile::value(const QString& key, const QVariant& def) const {
    return m_ini ? m_ini->value(key, def) : def;
}

void IniFile::setValue(const QString& key, const QVariant& value) {
    m_pending.append({key, value});
}

bool IniFile::save() {
    if (m_pending.isEmpty()) return true;
    // Values the file already holds are not written again: an unchanged save
    // costs no lock, no rewrite and no disk sync. A file left read-only stays
    // refused, and a link is still replaced.
    const bool mayKeep = !readOnlyFile(m_path) && !QFileInfo(m_path).isSymLink();
    auto unchanged = [this, mayKeep](const QString& key, const QVariant& value) {
        if (!mayKeep || !m_ini || !m_ini->contains(key)) return false;
        const QVariant held = m_ini->value(key);
        if (value.userType() == QMetaType::QStringList || held.userType() == QMetaType::QStringList)
            return held.toStringList() == value.toStringList();
        return held.canConvert<QString>() && value.canConvert<QString>() &&
               held.toString() == value.toString();
    };
    // The last value given for a key is the one that counts.
    QHash<QString, int> lastIndex;
    lastIndex.reserve(m_pending.size());
    for (int i = 0; i < m_pending.size(); ++i)
        lastIndex.insert(m_pending[i].first, i);
    QList<QPair<QString, QVariant>> changed;
    for (int i = 0; i < m_pending.size(); ++i)
        if (lastIndex.value(m_pending[i].first) == i &&
            !unchanged(m_pending[i].first, m_pending[i].second))
            changed.append(m_pending[i]);
    m_pending = changed;
    if (m_pending.isEmpty()) return true;
    const auto pending = std::move(m_pending);
    m_pending.clear();
    const auto lock = takeLock(m_path);
    if (!lock) return false; // already told
    auto failed = [this] {
        // Files the user chose (exports) have their own notice.
        if (m_path.startsWith(configDir())) addFileNotice(FileNotice::NotSaved, m_path);
        return false;
    };
    if (!m_intact) return failed();
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    // The values go into the file as it is now, which another program may
    // have changed since it was read; a link's target is read, and the link
    // replaced by a file of its own.
    QByteArray current;
    std::unique_ptr<QFile> base;
    struct stat seen {};
    if (!readWhole(m_path, &current, &base, &seen)) return failed();
    for (int round = 0;; ++round) {
        if (current != m_read || !m_ini) {
            if (!textSafe(current) || !openCopy(current, &m_copy, &m_ini)) return failed();
            m_read = current;
        }
        for (const auto& kv : pending)
            m_ini->setValue(kv.first, kv.second);
        m_ini->sync();
        QFile written(m_copy->fileName());
        if (m_ini->status() != QSettings::NoError || !written.open(QIODevice::ReadOnly))
            return failed();
        const QByteArray merged = written.readAll();
        if (!replaceFile(m_path, merged)) return failed();
        m_read = merged;
        // Someone rewriting the file in place meanwhile wrote into the file
        // just replaced: their text stays, with these values over it.
        if (!base || round == kRereads || !writtenSince(*base, m_path, &seen, &current))
            return true;
    }
}

bool writeFileAtomic(const QString& path, const QByteArray& bytes) {
    return replaceFile(path, bytes);
}

bool writeIniText(const QString& path, const QByteArray& text) {
    const auto lock = takeLock(path);
    if (!lock) return false;
    if (replaceFile(path, text)) return true;
    if (path.startsWith(configDir())) addFileNotice(FileNotice::NotSaved, path);
    return false;
}

void addFileNotice(FileNotice::Kind kind, const QString& path) {
    const std::lock_guard<std::mutex> lock(g_stateMutex);
    const FileNotice notice{kind, path};
    if (g_announced.contains(notice)) return;
    g_announced << notice;
    g_notices << notice;
}

QList<FileNotice> takeFileNotices() {
    const std::lock_guard<std::mutex> lock(g_stateMutex);
    QList<FileNotice> out;
    out.swap(g_notices);
    return out;
}
