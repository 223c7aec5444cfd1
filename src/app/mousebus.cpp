#include "mousebus.h"

#include "appfollower.h"
#include "batteryreading.h"
#include "mousesession.h"
#include "records.h"
#include "settingsrange.h"

#include <QDBusAbstractAdaptor>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QList>
#include <QLoggingCategory>
#include <cmath>
#include <limits>

Q_LOGGING_CATEGORY(lcBus, "mousecfg.bus", QtWarningMsg)

namespace {

// One rule as ListRules sends it: (app id, profile 1-5).
struct BusAppRule {
    QString app;
    int profile = 0;
};

QDBusArgument& operator<<(QDBusArgument& a, const BusAppRule& r) {
    a.beginStructure();
    a << r.app << r.profile;
    a.endStructure();
    return a;
}

const QDBusArgument& operator>>(const QDBusArgument& a, BusAppRule& r) {
    a.beginStructure();
    a >> r.app >> r.profile;
    a.endStructure();
    return a;
}

} // namespace

Q_DECLARE_METATYPE(BusAppRule)
Q_DECLARE_METATYPE(QList<BusAppRule>)

namespace {

constexpr const char kPropertiesInterface[] = "org.freedesktop.DBus.Properties";
constexpr const char kErrorPrefix[] = "io.mousecfg.mousecfg.Error.";
// Desktop scripts may send anything; no process id is larger than this.
constexpr double kMaxPid = std::numeric_limits<int>::max();

// At most kBusMaxText characters, never half a surrogate pair.
QString clipped(const QString& text) {
    if (text.size() <= kBusMaxText) return text;
    QString cut = text.left(kBusMaxText);
    if (cut.at(cut.size() - 1).isHighSurrogate()) cut.chop(1);
    return cut;
}

// A process id sent as text, perhaps as a floating-point number ("4711.0");
// 0 for anything that is not a whole number above zero.
qint64 pidFrom(const QString& text) {
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v) || v < 1 || v > kMaxPid || v != std::floor(v)) return 0;
    return qint64(v);
}

bool offeredRate(int hz) {
    for (const uint8_t code : kReportRateCodes)
        if (reportRateHz(code) == hz) return true;
    return false;
}

QString offeredRates() {
    QStringList rates;
    for (const uint8_t code : kReportRateCodes)
        rates << QString::number(reportRateHz(code));
    const QString last = rates.takeLast();
    return rates.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}

// D-Bus shows profiles 1-5 and 0 for "leave it"; the program 0-4 and kLeaveProfile.
int shownDefault(int profile) {
    return profile == kLeaveProfile ? 0 : profile + 1;
}

} // namespace

// io.mousecfg.mousecfg.Mouse
class MouseBusMouseAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "io.mousecfg.mousecfg.Mouse")
    Q_PROPERTY(bool Connected READ connected NOTIFY ConnectedChanged)
    Q_PROPERTY(int BatteryLevel READ batteryLevel NOTIFY BatteryChanged)
    Q_PROPERTY(bool Charging READ charging NOTIFY BatteryChanged)
    Q_PROPERTY(int Profile READ profile NOTIFY ProfileChanged)
    Q_PROPERTY(int DpiStage READ dpiStage NOTIFY DpiStageChanged)
    Q_PROPERTY(int ReportRate READ reportRate NOTIFY ReportRateChanged)
public:
    explicit MouseBusMouseAdaptor(MouseBus* bus) : QDBusAbstractAdaptor(bus), m_bus(bus) {}

    bool connected() const { return m_bus->m_shown.connected; }
    int batteryLevel() const { return m_bus->m_shown.battery; }
    bool charging() const { return m_bus->m_shown.charging; }
    int profile() const { return m_bus->m_shown.profile; }
    int dpiStage() const { return m_bus->m_shown.stage; }
    int reportRate() const { return m_bus->m_shown.rate; }

public slots:
    void SelectProfile(int profile) { answer(m_bus->selectProfile(profile)); }
    void SelectDpiStage(int stage) { answer(m_bus->selectDpiStage(stage)); }
    void SetReportRate(int hz) { answer(m_bus->setReportRate(hz)); }
    void ReportFocus(const QString& source, const QString& windowClass, const QString& instance,
                     const QString& appId, const QString& pid) {
        answer(m_bus->reportFocus(source, windowClass, instance, appId, pid));
    }

signals:
    void ConnectedChanged(bool connected);
    void BatteryChanged(int level, bool charging);
    void ProfileChanged(int profile);
    void DpiStageChanged(int stage);
    void ReportRateChanged(int hz);

private:
    void answer(const MouseBus::Answer& a) {
        // Qt gives the call's context to the adaptor's parent.
        if (!a.error.isEmpty() && m_bus->calledFromDBus())
            m_bus->sendErrorReply(a.error, a.message);
    }
    MouseBus* m_bus;
};

// io.mousecfg.mousecfg.AppProfiles
class MouseBusRulesAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "io.mousecfg.mousecfg.AppProfiles")
    Q_PROPERTY(bool Enabled READ enabled NOTIFY RulesChanged)
    Q_PROPERTY(int DefaultProfile READ defaultProfile NOTIFY RulesChanged)
    Q_PROPERTY(QString FocusSource READ focusSource)
public:
    explicit MouseBusRulesAdaptor(MouseBus* bus) : QDBusAbstractAdaptor(bus), m_bus(bus) {}

    bool enabled() const { return m_bus->m_shown.enabled; }
    int defaultProfile() const { return m_bus->m_shown.defaultProfile; }
    QString focusSource() const { return m_bus->m_shown.source; }

public slots:
    QList<BusAppRule> ListRules() {
        QList<BusAppRule> list;
        for (const AppRule& r : m_bus->m_follower->rules().rules)
            list.append({r.app, r.profile + 1});
        return list;
    }
    void SetRule(const QString& app, int profile) { answer(m_bus->setRule(app, profile)); }
    void RemoveRule(const QString& app) { answer(m_bus->removeRule(app)); }
    void SetDefaultProfile(int profile) { answer(m_bus->setDefaultProfile(profile)); }
    void SetEnabled(bool on) { answer(m_bus->setEnabled(on)); }

signals:
    void RulesChanged();

private:
    void answer(const MouseBus::Answer& a) {
        // Qt gives the call's context to the adaptor's parent.
        if (!a.error.isEmpty() && m_bus->calledFromDBus())
            m_bus->sendErrorReply(a.error, a.message);
    }
    MouseBus* m_bus;
};

MouseBus::MouseBus(MouseSession* session, AppFollower* follower, Hooks hooks, QObject* parent)
    : QObject(parent), m_session(session), m_follower(follower), m_hooks(std::move(hooks)),
      m_mouse(new MouseBusMouseAdaptor(this)), m_rules(new MouseBusRulesAdaptor(this)) {
    qDBusRegisterMetaType<BusAppRule>();
    qDBusRegisterMetaType<QList<BusAppRule>>();
    // Nothing is announced before publish(): these are the first values.
    if (m_session->known()) {
        onConnection(m_session->connection());
        onBattery(m_session->battery());
    }
    onRules();
    onSource();
    connect(m_session, &MouseSession::connectionChanged, this, &MouseBus::onConnection);
    connect(m_session, &MouseSession::batteryChanged, this, &MouseBus::onBattery);
    connect(m_follower, &AppFollower::rulesChanged, this, [this] {
        onRules();
        emit m_rules->RulesChanged();
    });
    connect(m_follower->focus(), &FocusWatch::sourceChanged, this, &MouseBus::onSource);
}

MouseBus::~MouseBus() {
    if (!m_published) return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterService(QLatin1String(kBusService));
    bus.unregisterObject(QLatin1String(kBusPath));
}

bool MouseBus::publish() {
    if (m_published) return true;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        qCDebug(lcBus) << "no session bus:" << bus.lastError().message();
        return false;
    }
    if (!bus.registerObject(QLatin1String(kBusPath), this, QDBusConnection::ExportAdaptors)) {
        qCDebug(lcBus) << "the object path is taken";
        return false;
    }
    // Another instance (on another display) may hold the name already.
    if (!bus.registerService(QLatin1String(kBusService))) {
        qCDebug(lcBus) << "the name is taken:" << bus.lastError().message();
        bus.unregisterObject(QLatin1String(kBusPath));
        return false;
    }
    m_published = true;
    return true;
}

void MouseBus::setMouseState(int profile0, int stage0, int rateHz) {
    Shown next = m_shown;
    next.profile = profile0 >= 0 && profile0 < kProfileCount ? profile0 + 1 : 0;
    next.stage = stage0 >= 0 && stage0 < kDpiStageCount ? stage0 + 1 : 0;
    next.rate = offeredRate(rateHz) ? rateHz : 0;
    show(next);
}

void MouseBus::onConnection(const MouseConnection& connection) {
    Shown next = m_shown;
    next.connected = connection.open;
    if (!next.connected) {
        next.battery = 0;
        next.charging = false;
    }
    show(next);
}

void MouseBus::onBattery(const BatteryState& battery) {
    m_asleep = battery.off;
    Shown next = m_shown;
    const bool known = next.connected && !battery.off;
    next.battery = known ? battery.level : 0;
    next.charging = known && battery.charging;
    show(next);
}

void MouseBus::onRules() {
    Shown next = m_shown;
    next.enabled = m_follower->rules().enabled;
    next.defaultProfile = shownDefault(m_follower->rules().defaultProfile);
    show(next);
}

void MouseBus::onSource() {
    Shown next = m_shown;
    next.source = QLatin1String(focusSourceName(m_follower->focus()->source()));
    show(next);
}

void MouseBus::show(const Shown& next) {
    const Shown was = m_shown;
    m_shown = next;
    if (!m_published) return;
    QVariantMap mouse;
    if (next.connected != was.connected) {
        mouse.insert(QStringLiteral("Connected"), next.connected);
        emit m_mouse->ConnectedChanged(next.connected);
    }
    if (next.battery != was.battery) mouse.insert(QStringLiteral("BatteryLevel"), next.battery);
    if (next.charging != was.charging) mouse.insert(QStringLiteral("Charging"), next.charging);
    if (next.battery != was.battery || next.charging != was.charging)
        emit m_mouse->BatteryChanged(next.battery, next.charging);
    if (next.profile != was.profile) {
        mouse.insert(QStringLiteral("Profile"), next.profile);
        emit m_mouse->ProfileChanged(next.profile);
    }
    if (next.stage != was.stage) {
        mouse.insert(QStringLiteral("DpiStage"), next.stage);
        emit m_mouse->DpiStageChanged(next.stage);
    }
    if (next.rate != was.rate) {
        mouse.insert(QStringLiteral("ReportRate"), next.rate);
        emit m_mouse->ReportRateChanged(next.rate);
    }
    announce(kBusMouseInterface, mouse);

    // RulesChanged is the follower's to give; these only change with it or
    // with the focus source.
    QVariantMap rules;
    if (next.enabled != was.enabled) rules.insert(QStringLiteral("Enabled"), next.enabled);
    if (next.defaultProfile != was.defaultProfile)
        rules.insert(QStringLiteral("DefaultProfile"), next.defaultProfile);
    if (next.source != was.source) rules.insert(QStringLiteral("FocusSource"), next.source);
    announce(kBusRulesInterface, rules);
}

void MouseBus::announce(const char* interface, const QVariantMap& changed) {
    if (changed.isEmpty()) return;
    QDBusMessage signal =
        QDBusMessage::createSignal(QLatin1String(kBusPath), QLatin1String(kPropertiesInterface),
                                   QStringLiteral("PropertiesChanged"));
    signal << QLatin1String(interface) << changed << QStringList();
    if (!QDBusConnection::sessionBus().send(signal))
        qCDebug(lcBus) << "PropertiesChanged not sent for" << interface;
}

MouseBus::Answer MouseBus::refuse(const char* error, const QString& message) {
    return {QLatin1String(error), message};
}

MouseBus::Answer MouseBus::mouseReady() const {
    if (!m_shown.connected) return refuse(kBusNoMouse, QStringLiteral("no mouse is connected"));
    if (m_asleep) return refuse(kBusNoMouse, QStringLiteral("the mouse is asleep"));
    return {};
}

MouseBus::Answer MouseBus::fromHook(const QString& message, const QString& errorName) const {
    if (message.isEmpty()) return {};
    // Only the errors callers are told of; anything else reads as "try later".
    const QString name = QLatin1String(kErrorPrefix) + errorName;
    for (const char* known : {kBusInvalidArgument, kBusNoMouse, kBusBusy})
        if (name == QLatin1String(known)) return {name, message};
    return refuse(kBusBusy, message);
}

MouseBus::Answer MouseBus::fromFollower(const char* problem) const {
    if (!problem) return {};
    return refuse(kBusInvalidArgument, QString::fromUtf8(problem));
}

MouseBus::Answer MouseBus::selectProfile(int profile) {
    if (profile < 1 || profile > kProfileCount)
        return refuse(
            kBusInvalidArgument,
            QStringLiteral("profile must be 1-%1, not %2").arg(kProfileCount).arg(profile));
    Answer ready = mouseReady();
    if (!ready.error.isEmpty()) return ready;
    if (!m_hooks.selectProfile) return refuse(kBusBusy, QStringLiteral("the window cannot now"));
    QString name;
    const QString message = m_hooks.selectProfile(profile - 1, &name);
    return fromHook(message, name);
}

MouseBus::Answer MouseBus::selectDpiStage(int stage) {
    Answer ready = mouseReady();
    if (!ready.error.isEmpty()) return ready;
    const int count = m_hooks.dpiStageCount ? m_hooks.dpiStageCount() : 0;
    if (count < 1) return refuse(kBusBusy, QStringLiteral("the DPI stages are not known yet"));
    if (stage < 1 || stage > count)
        return refuse(kBusInvalidArgument,
                      QStringLiteral("DPI stage must be 1-%1, not %2").arg(count).arg(stage));
    if (!m_hooks.selectDpiStage) return refuse(kBusBusy, QStringLiteral("the window cannot now"));
    QString name;
    const QString message = m_hooks.selectDpiStage(stage - 1, &name);
    return fromHook(message, name);
}

MouseBus::Answer MouseBus::setReportRate(int hz) {
    if (!offeredRate(hz))
        return refuse(
            kBusInvalidArgument,
            QStringLiteral("report rate must be %1 Hz, not %2").arg(offeredRates()).arg(hz));
    Answer ready = mouseReady();
    if (!ready.error.isEmpty()) return ready;
    if (!m_hooks.setReportRate) return refuse(kBusBusy, QStringLiteral("the window cannot now"));
    QString name;
    const QString message = m_hooks.setReportRate(hz, &name);
    return fromHook(message, name);
}

MouseBus::Answer MouseBus::reportFocus(const QString& source, const QString& windowClass,
                                       const QString& instance, const QString& appId,
                                       const QString& pid) {
    FocusWatch::Source from;
    if (source == QLatin1String("kwin"))
        from = FocusWatch::Source::KWin;
    else if (source == QLatin1String("gnome"))
        from = FocusWatch::Source::Gnome;
    else
        return refuse(
            kBusInvalidArgument,
            QStringLiteral("source must be kwin or gnome, not '%1'").arg(clipped(source)));
    FocusedApp app;
    app.windowClass = clipped(windowClass);
    app.instance = clipped(instance);
    app.appId = clipped(appId);
    app.pid = pidFrom(clipped(pid));
    m_follower->focus()->report(from, app);
    return {};
}

MouseBus::Answer MouseBus::setRule(const QString& app, int profile) {
    if (profile < 1 || profile > kProfileCount)
        return refuse(
            kBusInvalidArgument,
            QStringLiteral("profile must be 1-%1, not %2").arg(kProfileCount).arg(profile));
    // Clipped still longer than any id the rules take, so the store refuses it.
    return fromFollower(m_follower->setRule(clipped(app), profile - 1));
}

MouseBus::Answer MouseBus::removeRule(const QString& app) {
    return fromFollower(m_follower->removeRule(clipped(app)));
}

MouseBus::Answer MouseBus::setDefaultProfile(int profile) {
    if (profile < 0 || profile > kProfileCount)
        return refuse(kBusInvalidArgument,
                      QStringLiteral("default profile must be 0-%1 (0 leaves the profile as it "
                                     "is), not %2")
                          .arg(kProfileCount)
                          .arg(profile));
    return fromFollower(m_follower->setDefaultProfile(profile == 0 ? kLeaveProfile : profile - 1));
}

MouseBus::Answer MouseBus::setEnabled(bool on) {
    return fromFollower(m_follower->setEnabled(on));
}

#include "mousebus.moc"
