#include "cliappprofile.h"

#include "appprofiles.h"
#include "busnames.h"
#include "records.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// A window that does not answer within this is taken as hung.
constexpr int kWindowWaitMs = 5000;

// The actions and how many words follow each.
struct Action {
    const char* name;
    int args;
};
constexpr Action kActions[] = {{"list", 0},    {"add", 2}, {"remove", 1},
                               {"default", 1}, {"on", 0},  {"off", 0}};

// The rules as shown: profiles 1-5, default 0 for "leave as it is".
struct Listing {
    bool enabled = false;
    int defaultProfile = 0;
    QString source; // only a running window knows it
    QList<QPair<QString, int>> rules;
};

void print(FILE* f, const QString& text) {
    std::fputs(text.toUtf8().constData(), f);
}

// 1-5, or 0 for a word that is not one.
int profileWord(const QString& word) {
    bool ok = false;
    const int n = word.toInt(&ok);
    return ok && n >= 1 && n <= kProfileCount ? n : 0;
}

void printListing(const Listing& l, bool json, FILE* out) {
    if (json) {
        QJsonArray rules;
        for (const auto& r : l.rules)
            rules.append(QJsonObject{{QStringLiteral("app"), r.first},
                                     {QStringLiteral("profile"), r.second}});
        QJsonObject o{{QStringLiteral("enabled"), l.enabled},
                      {QStringLiteral("default"), l.defaultProfile},
                      {QStringLiteral("rules"), rules}};
        if (!l.source.isEmpty()) o[QStringLiteral("source")] = l.source;
        std::fputs(QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n', out);
        return;
    }
    QString text =
        QStringLiteral("enabled %1\ndefault %2\n")
            .arg(l.enabled ? QStringLiteral("on") : QStringLiteral("off"),
                 l.defaultProfile ? QString::number(l.defaultProfile) : QStringLiteral("none"));
    if (!l.source.isEmpty()) text += QStringLiteral("source %1\n").arg(l.source);
    for (const auto& r : l.rules)
        text += QStringLiteral("rule %1 %2\n").arg(r.first).arg(r.second);
    print(out, text);
}

// ---- through the running window

QDBusMessage windowCall(const QDBusConnection& bus, const QString& interface, const QString& method,
                        const QVariantList& args) {
    QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(kBusService),
                                                       QLatin1String(kBusPath), interface, method);
    call.setArguments(args);
    return bus.call(call, QDBus::Block, kWindowWaitMs);
}

// The window's answer to ListRules and its properties; false with the
// reason in `error` when it gave none that fits.
bool windowListing(const QDBusConnection& bus, Listing* l, QString* error) {
    const QString rules = QLatin1String(kBusRulesInterface);
    const QDBusMessage props = windowCall(bus, QStringLiteral("org.freedesktop.DBus.Properties"),
                                          QStringLiteral("GetAll"), {rules});
    const QDBusMessage list = windowCall(bus, rules, QStringLiteral("ListRules"), {});
    for (const QDBusMessage* m : {&props, &list}) {
        if (m->type() != QDBusMessage::ReplyMessage || m->arguments().isEmpty()) {
            *error = m->errorMessage();
            return false;
        }
    }
    const QVariantMap values =
        qdbus_cast<QVariantMap>(props.arguments().first().value<QDBusArgument>());
    l->enabled = values.value(QStringLiteral("Enabled")).toBool();
    l->defaultProfile = values.value(QStringLiteral("DefaultProfile")).toInt();
    l->source = values.value(QStringLiteral("FocusSource")).toString();
    const QDBusArgument a = list.arguments().first().value<QDBusArgument>();
    if (a.currentSignature() != QLatin1String("a(si)")) {
        *error = QStringLiteral("ListRules answered %1").arg(a.currentSignature());
        return false;
    }
    a.beginArray();
    // Bounded as a rules file is.
    while (!a.atEnd() && l->rules.size() < kMaxAppRules) {
        QString app;
        int profile = 0;
        a.beginStructure();
        a >> app >> profile;
        a.endStructure();
        l->rules.append({app, profile});
    }
    // Also where the bound stopped early: the reader of the array is freed here.
    a.endArray();
    return true;
}

int viaWindow(const CliOptions& o, const QDBusConnection& bus, FILE* out, FILE* err) {
    const QString action = o.args[0];
    const QString rules = QLatin1String(kBusRulesInterface);
    QDBusMessage reply;
    if (action == QLatin1String("add"))
        reply =
            windowCall(bus, rules, QStringLiteral("SetRule"), {o.args[1], profileWord(o.args[2])});
    else if (action == QLatin1String("remove"))
        reply = windowCall(bus, rules, QStringLiteral("RemoveRule"), {o.args[1]});
    else if (action == QLatin1String("default"))
        reply =
            windowCall(bus, rules, QStringLiteral("SetDefaultProfile"), {profileWord(o.args[1])});
    else if (action == QLatin1String("on") || action == QLatin1String("off"))
        reply =
            windowCall(bus, rules, QStringLiteral("SetEnabled"), {action == QLatin1String("on")});
    if (reply.type() == QDBusMessage::ErrorMessage) {
        // The window refuses what the rules file would refuse, in the same words.
        if (reply.errorName() == QLatin1String(kBusInvalidArgument)) {
            print(err, QStringLiteral("mousecfg-cli: app-profile: %1\n").arg(reply.errorMessage()));
            return kExitUsage;
        }
        print(err, QStringLiteral("mousecfg-cli: the window did not take it: %1\n")
                       .arg(reply.errorMessage()));
        return kExitBadFile;
    }
    Listing l;
    QString error;
    if (!windowListing(bus, &l, &error)) {
        print(err,
              QStringLiteral("mousecfg-cli: the window did not list the rules: %1\n").arg(error));
        return kExitBadFile;
    }
    printListing(l, o.json, out);
    return kExitDone;
}

// ---- in the rules file, while no window runs

int inFile(const CliOptions& o, FILE* out, FILE* err) {
    const QString path = appProfilesPath();
    const QString shown = QDir::toNativeSeparators(path);
    AppProfiles rules;
    const bool damaged = readAppProfiles(rules, path) == AppProfilesRead::Damaged;
    if (damaged)
        print(err, QStringLiteral(
                       "mousecfg-cli: '%1' was damaged: it is kept aside with a '.damaged' ending "
                       "and the rules start again, switched off\n")
                       .arg(shown));
    const QString action = o.args[0];
    const char* problem = nullptr;
    if (action == QLatin1String("add"))
        problem = setAppRule(rules, o.args[1], profileWord(o.args[2]) - 1);
    else if (action == QLatin1String("remove"))
        problem = removeAppRule(rules, o.args[1]);
    else if (action == QLatin1String("default"))
        problem = setDefaultAppProfile(rules, profileWord(o.args[1]) - 1);
    else if (action == QLatin1String("on") || action == QLatin1String("off"))
        rules.enabled = action == QLatin1String("on");
    if (problem) {
        print(err, QStringLiteral("mousecfg-cli: app-profile: %1\n").arg(QLatin1String(problem)));
        return kExitUsage;
    }
    if (action != QLatin1String("list") && !writeAppProfiles(rules, path)) {
        print(err, QStringLiteral("mousecfg-cli: '%1' could not be written\n").arg(shown));
        return kExitBadFile;
    }
    Listing l;
    l.enabled = rules.enabled;
    l.defaultProfile = rules.defaultProfile == kLeaveProfile ? 0 : rules.defaultProfile + 1;
    for (const AppRule& r : rules.rules)
        l.rules.append({r.app, r.profile + 1});
    printListing(l, o.json, out);
    // What was listed is not what the user had.
    return damaged && action == QLatin1String("list") ? kExitBadFile : kExitDone;
}

} // namespace

QString appProfileUsageError(const QStringList& args) {
    const Action* action = nullptr;
    for (const Action& a : kActions)
        if (!args.isEmpty() && args[0] == QLatin1String(a.name)) action = &a;
    if (!action)
        return QStringLiteral("app-profile: expected list, add, remove, default, on or off");
    if (args.size() != 1 + action->args)
        return QStringLiteral("wrong number of arguments for 'app-profile %1'").arg(args[0]);
    if (args[0] == QLatin1String("add") && !profileWord(args[2]))
        return QStringLiteral("app-profile: expected a profile from 1 to %1, not '%2'")
            .arg(kProfileCount)
            .arg(args[2]);
    if (args[0] == QLatin1String("default") && args[1] != QLatin1String("none") &&
        !profileWord(args[1]))
        return QStringLiteral("app-profile: expected a profile from 1 to %1 or none, not '%2'")
            .arg(kProfileCount)
            .arg(args[1]);
    return QString();
}

int runAppProfileCommand(const CliOptions& o, FILE* out, FILE* err) {
    // While the window runs it holds the rules: edits go through it, so it
    // acts on them at once and never writes over them.
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected() && bus.interface() &&
        bus.interface()->isServiceRegistered(QLatin1String(kBusService)).value())
        return viaWindow(o, bus, out, err);
    return inFile(o, out, err);
}
