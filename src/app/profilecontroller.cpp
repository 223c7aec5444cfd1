#include "profilecontroller.h"

#include "appconfig.h"
#include "defaults.h"
#include "profilefile.h"
#include "profilelibrary.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcProfiles, "mousecfg.profiles")

using Outcome = ProfileController::Outcome;

ProfileController::ProfileController(DeviceSettings& edited, DeviceSettings& sent,
                                     QStringList& list)
    : m_edited(edited), m_sent(sent), m_list(list) {}

QString ProfileController::boundName() const {
    return m_edited.profileNames[m_edited.currentProfile % kProfileCount];
}

QStringList ProfileController::otherBindings() const {
    QStringList names;
    for (int i = 0; i < kProfileCount; ++i)
        if (i != m_edited.currentProfile) names << m_edited.profileNames[i];
    return names;
}

void ProfileController::bind(const QString& name) {
    m_edited.profileNames[m_edited.currentProfile % kProfileCount] = name;
}

Outcome ProfileController::refused(const QString& notice) {
    Outcome o;
    o.notice = notice;
    return o;
}

namespace {
Outcome reloadedOutcome(Outcome::Write write = Outcome::Write::None) {
    Outcome o;
    o.done = true;
    o.reloaded = true;
    o.write = write;
    return o;
}
} // namespace

Outcome ProfileController::choose(const QString& name) {
    if (otherBindings().contains(name))
        return refused(QT_TRANSLATE_NOOP("MainWindow", "Profile is Already Used!"));
    bind(name);
    loadProfileByName(m_edited.current(), name);
    m_sent.profileNames[m_edited.currentProfile % kProfileCount] = name;
    return reloadedOutcome();
}

Outcome ProfileController::add() {
    const QString name = ProfileLibrary::add(m_list);
    bind(name);
    loadWholeProfile(m_edited.current(), ProfileLibrary::pathFor(name), name);
    return reloadedOutcome();
}

Outcome ProfileController::copy() {
    const QString base = boundName();
    // A bound name may never have been saved to the library.
    ProfileLibrary::ensureFile(base, m_edited.current());
    QString made;
    const auto result = ProfileLibrary::copy(m_list, base, &made);
    if (!result.ok()) return refused(result.message);
    // The copy holds what the profile holds: nothing to read back.
    bind(made);
    Outcome o;
    o.done = true;
    return o;
}

Outcome ProfileController::rename(const QString& to, bool byEnter) {
    const QString from = boundName();
    if (to == from) return {};
    const auto result = ProfileLibrary::rename(m_list, from, to, byEnter);
    if (!result.ok()) {
        Outcome o = refused(result.message);
        o.nameReset = byEnter && ProfileLibrary::isProtectedName(from);
        return o;
    }
    const int c = m_edited.currentProfile % kProfileCount;
    m_edited.profileNames[c] = to;
    m_sent.profileNames[c] = to;
    m_edited.profiles[c].ProfileName = to;
    if (byEnter) saveProfileList(m_edited);
    Outcome o;
    o.done = true;
    return o;
}

Outcome ProfileController::checkRemovable(const QString& name) const {
    return refused(ProfileLibrary::checkRemovable(m_list, name).message);
}

Outcome ProfileController::remove(const QString& name) {
    QString replacement;
    const auto result = ProfileLibrary::remove(m_list, name, otherBindings(), &replacement);
    if (!result.ok()) return refused(result.message);
    bind(replacement);
    loadWholeProfile(m_edited.current(), ProfileLibrary::pathFor(replacement), replacement);
    return reloadedOutcome();
}

Outcome ProfileController::reset() {
    qCDebug(lcProfiles, "Accepted %d", m_edited.currentProfile);
    MouseProfile& p = m_edited.current();
    const QString name = p.ProfileName;
    makeDefaultProfile(p);
    p.ProfileName = name;
    return reloadedOutcome(Outcome::Write::Changes);
}

Outcome ProfileController::resetAll() {
    ::resetAll(m_edited);
    return reloadedOutcome(Outcome::Write::Everything);
}

Outcome ProfileController::exportProfile(const QString& path) {
    const QString name = boundName();
    ProfileLibrary::ensureFile(name, m_edited.current());
    return refused(ProfileLibrary::exportFile(name, readCurrentProductName(), path).message);
}

Outcome ProfileController::importProfile(const QString& path) {
    QString name;
    const auto result = ProfileLibrary::importFile(m_list, path, readCurrentProductName(), &name);
    if (!result.ok()) return refused(result.message);
    qCDebug(lcProfiles) << "imported profile" << name;
    readProfile(m_edited.current(), ProfileLibrary::pathFor(name));
    bind(name);
    return reloadedOutcome(Outcome::Write::Changes);
}

Outcome ProfileController::exportConfig(const QString& path) const {
    if (exportSettingsFile(m_edited, readCurrentProductName(), path)) return {};
    return refused(QT_TRANSLATE_NOOP("MainWindow", "The configuration file could not be saved."));
}

Outcome ProfileController::importConfig(const QString& path) {
    switch (importSettingsFile(m_edited, readCurrentProductName(), path)) {
    case SettingsImport::OtherProduct:
        return {};
    case SettingsImport::Damaged:
        return refused(QT_TRANSLATE_NOOP("MainWindow", "The file is damaged and was not loaded."));
    case SettingsImport::Done:
        break;
    }
    return reloadedOutcome(Outcome::Write::Changes);
}
