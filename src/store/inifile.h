// Guarded access to the INI files the program reads and writes: every file may
// have been damaged or planted by someone else.
#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>
#include <memory>

class QSettings;
class QTemporaryFile;

// True when every variant-notation value ("@Variant(...)") in the file is a
// colour, the only form the program itself writes. QSettings' own parser
// trusts the lengths inside such values and aborts on hostile ones, so a file
// that fails this check must never be opened with QSettings.
bool iniVariantsSafe(const QString& path);

// `text` without the logical lines whose values fail the variant check.
QByteArray iniWithoutHostileLines(const QByteArray& text);

// "<path>.damaged", or "<path>.damaged.N" for the first N free.
QString freeDamagedName(const QString& path);

// How long a writer waits for another writer's lock before giving up on a file.
void setIniLockWaitMs(int ms);

// One INI file opened for one operation. Nothing is parsed unless the file
// passed the variant check; writes are collected and only reach the disk in
// save(), after a bounded wait for the file's lock, never through a symbolic
// link, and with the library's status checked afterwards.
class IniFile {
public:
    enum Damage {
        Refuse, // a hostile file reads as empty and is never written
        Repair, // hostile lines are dropped, the original kept as "<file>.damaged"
    };
    explicit IniFile(const QString& path, Damage onDamage = Refuse);
    ~IniFile(); // saves what save() was not asked to
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    const QString& path() const { return m_path; }
    // False when the file failed the variant check (and was not repaired).
    bool intact() const { return m_intact; }
    bool contains(const QString& key) const;
    QVariant value(const QString& key, const QVariant& def = QVariant()) const;
    void setValue(const QString& key, const QVariant& value);
    // Writes the collected values. False when they did not reach the file.
    bool save();

private:
    QString m_path;
    bool m_intact = true;
    QByteArray m_read; // the file's bytes that m_ini holds
    std::unique_ptr<QTemporaryFile> m_copy;
    std::unique_ptr<QSettings> m_ini; // parses m_copy, never the file itself
    QList<QPair<QString, QVariant>> m_pending;
};

// Replaces the file at `path` by `text` under the same lock and with the same
// care as IniFile::save (atomic, never through a symbolic link). For files
// whose key order matters to their readers.
bool writeIniText(const QString& path, const QByteArray& text);

// Replaces the file at `path` by `bytes` (atomic, a link replaced rather than
// followed), for files outside the program's folders; no lock is taken.
bool writeFileAtomic(const QString& path, const QByteArray& bytes);

// What the user has to be told once: a profile reset to the factory values, a
// file that could not be locked (read-only from then on), a settings file whose
// hostile lines were removed, a file a save could not write, a rules file
// kept aside whole.
struct FileNotice {
    enum Kind { ProfileReset, NotLocked, Repaired, NotSaved, RulesSetAside };
    Kind kind;
    QString path;
    bool operator==(const FileNotice& o) const { return kind == o.kind && path == o.path; }
};
// Records a notice unless the same one was recorded before in this run.
void addFileNotice(FileNotice::Kind kind, const QString& path);
QList<FileNotice> takeFileNotices();
