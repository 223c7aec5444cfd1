#include "appfollower.h"

#include <QCoreApplication>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcFollow, "mousecfg.follow", QtWarningMsg)

namespace {
const char kNotSaved[] = QT_TRANSLATE_NOOP("AppProfiles", "The rules could not be saved.");

// The program's own windows: opening them to edit a profile must not switch
// the mouse away from it.
bool ownWindow(const FocusedApp& app) {
    if (app.pid == QCoreApplication::applicationPid()) return true;
    const QString own = QCoreApplication::applicationName().toCaseFolded();
    return !own.isEmpty() && appIdsOf(app).contains(own);
}
} // namespace

AppFollower::AppFollower(QObject* parent) : QObject(parent), m_focus(new FocusWatch(this)) {
    connect(m_focus, &FocusWatch::focusChanged, this, &AppFollower::onFocus);
}

AppFollower::~AppFollower() = default;

void AppFollower::start() {
    readAppProfiles(m_rules);
    m_focus->start();
}

const char* AppFollower::save(const AppProfiles& next) {
    if (next == m_rules) return nullptr;
    if (!writeAppProfiles(next)) return kNotSaved;
    m_rules = next;
    emit rulesChanged();
    // A new rule for the application in front counts at once.
    m_due = true;
    decide();
    return nullptr;
}

const char* AppFollower::setRule(const QString& app, int profile) {
    AppProfiles next = m_rules;
    if (const char* problem = setAppRule(next, app, profile)) return problem;
    return save(next);
}

const char* AppFollower::removeRule(const QString& app) {
    AppProfiles next = m_rules;
    if (const char* problem = removeAppRule(next, app)) return problem;
    return save(next);
}

const char* AppFollower::setDefaultProfile(int profile) {
    AppProfiles next = m_rules;
    if (const char* problem = setDefaultAppProfile(next, profile)) return problem;
    return save(next);
}

const char* AppFollower::setEnabled(bool on) {
    AppProfiles next = m_rules;
    next.enabled = on;
    return save(next);
}

QStringList AppFollower::runningApps() const {
    QStringList apps;
    for (const FocusedApp& app : m_focus->running()) {
        const QStringList ids = appIdsOf(app);
        if (!ids.isEmpty() && !ownWindow(app) && !apps.contains(ids.first())) apps << ids.first();
    }
    apps.sort();
    return apps;
}

void AppFollower::setHeld(bool held) {
    if (held == m_held) return;
    m_held = held;
    if (!held && m_retry) m_due = true;
    m_retry = false;
    decide();
}

void AppFollower::setMouseProfile(int profile) {
    m_mouseProfile = profile;
}

void AppFollower::switchFinished(bool ok) {
    m_inFlight = false;
    if (ok) m_mouseProfile = m_target;
    // The mouse asleep or gone: tried again once it is back.
    m_retry = !ok && !m_due;
    // Focus moved on while the mouse answered: the latest focus counts.
    decide();
}

void AppFollower::onFocus(const FocusedApp& app) {
    if (ownWindow(app) || app == m_inFront) return;
    m_inFront = app;
    m_due = true;
    m_retry = false;
    decide();
}

void AppFollower::decide() {
    if (!m_due || m_held || m_inFlight) return;
    m_due = false;
    const int target = profileForApp(m_rules, m_inFront);
    qCDebug(lcFollow) << "in front" << appIdsOf(m_inFront) << "profile" << target;
    if (target == kLeaveProfile || target == m_mouseProfile) return;
    m_inFlight = true;
    m_target = target;
    emit switchRequested(target);
}
