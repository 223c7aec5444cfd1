// GNOME's mouse speed through the `gsettings` command: the desktop applies
// the key to every mouse itself and shows it in its own settings.
#include "pointerspeedbackend.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include <utility>

namespace {

constexpr int kTimeoutMs = 3000;
const QString kSchema = QStringLiteral("org.gnome.desktop.peripherals.mouse");
const QString kKey = QStringLiteral("speed");

// The command's output, or nothing when it failed or hung.
std::optional<QByteArray> runGsettings(const QString& exe, const QStringList& args) {
    QProcess p;
    p.start(exe, args);
    if (!p.waitForFinished(kTimeoutMs)) {
        p.kill();
        p.waitForFinished(kTimeoutMs);
        qCWarning(lcPointer) << "gsettings did not answer:" << args;
        return std::nullopt;
    }
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        qCWarning(lcPointer) << "gsettings failed:" << args << p.readAllStandardError().trimmed();
        return std::nullopt;
    }
    return p.readAllStandardOutput();
}

bool gnomeSession() {
    const QStringList desktops =
        qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString& d : desktops)
        if (d.compare(QLatin1String("GNOME"), Qt::CaseInsensitive) == 0) return true;
    return false;
}

class GnomeSpeed : public PointerSpeedBackend {
public:
    explicit GnomeSpeed(QString exe) : m_exe(std::move(exe)) {}
    const char* name() const override { return "GNOME mouse speed"; }

    std::optional<double> read() override {
        const auto out = runGsettings(m_exe, {QStringLiteral("get"), kSchema, kKey});
        if (!out) return std::nullopt;
        bool ok = false;
        const double v = QString::fromLatin1(out->trimmed()).toDouble(&ok);
        if (!ok) return std::nullopt;
        return v;
    }

    bool write(double value) override {
        // Seventeen digits give back the very double that was meant.
        return runGsettings(m_exe,
                            {QStringLiteral("set"), kSchema, kKey, QString::number(value, 'g', 17)})
            .has_value();
    }

private:
    QString m_exe;
};

} // namespace

std::unique_ptr<PointerSpeedBackend> gnomePointerSpeed() {
    if (!gnomeSession()) return nullptr;
    const QString exe = QStandardPaths::findExecutable(QStringLiteral("gsettings"));
    if (exe.isEmpty()) return nullptr;
    auto backend = std::make_unique<GnomeSpeed>(exe);
    // A desktop without the schema answers the first read with an error.
    if (!backend->read()) return nullptr;
    return backend;
}
