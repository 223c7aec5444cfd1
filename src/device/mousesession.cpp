#include "mousesession.h"

#include "commands.h"
#include "deviceaccess.h"
#include "devicelender.h"
#include "devicelog.h"
#include "devicenotifier.h"
#include "devicetable.h"
#include "linkstate.h"
#include "protocol.h"
#include "settingswriteworker.h"
#include "statuspollthread.h"

#include <QCoreApplication>
#include <QTimer>
#include <appconfig.h>
#include <filename.h>
#include <records.h>

namespace {

QStringList connectedMice() {
    QStringList names;
    const DeviceTable& table = deviceTable();
    for (uint32_t i = 0; i < table.count && i < uint32_t(kDeviceTableCapacity); ++i) {
        const DeviceEntry& e = table.entries[i];
        if (e.receiverConnected() || e.cableConnected()) names << QString::fromLatin1(e.mouseName);
    }
    return names;
}

std::vector<HidCollectionInfo> enumerateCollections() {
    std::vector<HidCollectionInfo> out;
    for (const HidDeviceRecord& r : hidPort().enumerate(0, 0))
        out.push_back({r.path, r.vendorId, r.productId, r.usagePage, r.usage});
    return out;
}

} // namespace

MouseSession::MouseSession(QObject* parent)
    : QObject(parent), m_context(std::make_unique<QObject>()) {
    qRegisterMetaType<BatteryState>();
    qRegisterMetaType<MouseConnection>();
    m_batteryFull = readBatteryFull();
    // The reports are decoded here, on the thread the session lives on.
    m_status = std::make_unique<StatusThreadControl>([this](StatusPollThread* t) {
        connect(t, &StatusPollThread::RefreshBatteryStatus, this, &MouseSession::onBatteryReport);
        connect(t, &StatusPollThread::RefreshStatus, this,
                [this](quint8 p, quint8 d, quint8 r, quint8) { onStatusReport(p, d, r); });
        connect(t, &StatusPollThread::RefreshWriteStatus, this, &MouseSession::onWriteStatus);
    });
    m_accessRetry = new QTimer(this);
    m_accessRetry->setInterval(kAccessRetryMs);
    // While access is denied nothing is plugged or pulled, so the open is
    // tried again until a granted permission lets it through.
    connect(m_accessRetry, &QTimer::timeout, this, [this] {
        post([this] {
            if (!m_openDenied || m_lent || connectedMice().isEmpty()) return;
            openProduct();
            startPolling();
            publish();
        });
    });
    m_context->moveToThread(&m_thread);
    m_thread.setObjectName(QStringLiteral("mouse session"));
    m_thread.start();
}

MouseSession::~MouseSession() {
    m_closing = true;
    postAndWait([this] {
        delete m_notifier;
        m_notifier = nullptr;
        m_status->stop();
        CloseDevices();
        ShutdownHid();
    });
    m_thread.quit();
    m_thread.wait();
    m_status.reset();
}

// ---- running jobs -------------------------------------------------------------

void MouseSession::post(std::function<void()> job) {
    QMetaObject::invokeMethod(m_context.get(), std::move(job), Qt::QueuedConnection);
}

void MouseSession::postAndWait(const std::function<void()>& job) {
    QMetaObject::invokeMethod(m_context.get(), job, Qt::BlockingQueuedConnection);
}

void MouseSession::toGui(std::function<void()> job) {
    QMetaObject::invokeMethod(this, std::move(job), Qt::QueuedConnection);
}

// ---- starting -------------------------------------------------------------------

void MouseSession::start(const Options& options) {
    post([this, options] {
        m_options = options;
        startOnThread();
    });
}

MouseSession::Opening MouseSession::startAndWait(const Options& options) {
    Opening opening = Opening::NoMouse;
    postAndWait([&] {
        m_options = options;
        if (!startOnThread())
            opening = Opening::NoHidLibrary;
        else if (m_openDenied)
            opening = Opening::Denied;
        else if (commandHandleOpen())
            opening = Opening::Open;
    });
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    return opening;
}

bool MouseSession::startOnThread() {
    if (m_options.watchDevices) {
        m_notifier = new DeviceNotifier(enumerateCollections);
        if (m_scanMs > 0) m_notifier->setFallbackInterval(m_scanMs);
        connect(m_notifier, &DeviceNotifier::interfaceArrived, m_context.get(),
                [this](const QString& name) { onInterface(name, true); });
        connect(m_notifier, &DeviceNotifier::interfaceRemoved, m_context.get(),
                [this](const QString& name) { onInterface(name, false); });
        m_notifier->start();
    }
    LoadDeviceTable();
    const bool hid = EnumerateDevices() >= 0;
    const QString before = readCurrentProductName();
    chooseProduct();
    if (hid && !connectedMice().isEmpty()) openProduct();
    startPolling();
    // The settings were read for the product last used; another one plugged
    // in since brings its own.
    publish(m_product != before);
    return hid;
}

// ---- the session thread's work -------------------------------------------------

void MouseSession::chooseProduct() {
    // Keep the current product while it is connected, else take the first
    // connected one. With none the last one stays current, so its files and
    // picture stay for the replug; a kept name becomes part of paths, so one
    // that could lead out of the program's folders is dropped.
    const QStringList mice = connectedMice();
    const QString current = readCurrentProductName();
    QString name = current;
    if (!mice.isEmpty() && !mice.contains(name))
        name = mice.first();
    else if (mice.isEmpty() && !isValidFileName(name))
        name.clear();
    m_product = name;
    if (m_options.claimProduct && name != current) writeCurrentProductName(name);
}

void MouseSession::openProduct() {
    if (m_lent) return;
    OpenDeviceByName(m_product.toLatin1());
    const AccessDiagnosis d = lastOpenDiagnosis();
    m_openDenied = d.access == MouseAccess::Denied;
    m_deniedPaths = d.deniedPaths;
}

void MouseSession::reopenProduct(int delayMs) {
    stopPolling();
    CloseDevices();
    QThread::msleep(unsigned(delayMs));
    openProduct();
    startPolling();
}

void MouseSession::startPolling() {
    if (m_options.poll && !m_lent && !closing()) m_status->start();
}

void MouseSession::stopPolling() {
    m_status->stop();
}

void MouseSession::onInterface(const QString& name, bool arrived) {
    if (closing()) return;
    qCDebug(lcDevice) << (arrived ? "arrived" : "removed") << name;
    // The collections of one plug come together: the table takes each at
    // once, the handles are dealt with once for all of them.
    if (!m_batch.pending) {
        m_batch = Batch();
        m_batch.pending = true;
        m_batch.miceBefore = connectedMouseCount(deviceTable());
        post([this] { settle(); });
    }
    const DeviceChange change =
        applyDeviceChange(deviceTable(), name, arrived, m_product.toLatin1());
    for (const EntryReaction& r : change.entries) {
        m_batch.listChanged |= (arrived && r.connectionCompleted) || (!arrived && r.entryCleared);
        m_batch.currentCleared |= !arrived && r.entryCleared && r.currentMouse;
        m_batch.reopen |= r.currentMouse && r.reopen;
    }
    m_batch.collectionAppeared |= change.collectionAppeared;
}

void MouseSession::settle() {
    const Batch b = m_batch;
    m_batch = Batch();
    if (closing()) return;
    if (b.listChanged) chooseProduct();
    if (b.collectionAppeared) writeDiff(1);
    const int mice = connectedMouseCount(deviceTable());
    // What is plugged is told before the handles are opened, so its battery
    // comes after it.
    if (mice == 0) {
        stopPolling();
        CloseDevices();
        // Nothing is refused while nothing is there.
        m_openDenied = false;
        m_deniedPaths.clear();
        publish();
    } else if (b.miceBefore == 0) {
        // The nodes are not always ready at once: opened a moment later.
        publish();
        stopPolling();
        CloseDevices();
        QThread::msleep(kAfterPlugMs);
        if (closing()) return;
        openProduct();
        startPolling();
        publish(true);
    } else if (b.currentCleared) {
        stopPolling();
        CloseDevices();
        openProduct();
        startPolling();
        publish(true);
    } else if (b.reopen) {
        publish();
        reopenProduct(kReopenDelayMs);
        publish();
    } else {
        publish();
        // A fresh status thread polls at once: the battery of what changed is told.
        stopPolling();
        startPolling();
    }
}

void MouseSession::publish(bool replaced) {
    MouseConnection c;
    c.mice = connectedMice();
    c.product = m_product;
    const DeviceEntry& e = deviceTable().entries[0];
    c.receiver = e.receiverCommandFound != 0;
    c.cable = e.cableCommandFound != 0;
    c.receiverLinked = e.receiverConnected();
    c.cableLinked = e.cableConnected();
    c.cableMouse = e.cableMouseFound != 0;
    c.cableRelease = cableReleaseNumber();
    // Handles change on this thread only.
    c.cableInUse = deviceHandles().cableCommand.isOpen();
    c.open = c.cableInUse || deviceHandles().receiverCommand.isOpen();
    toGui([this, c, denied = m_openDenied, paths = m_deniedPaths, replaced] {
        apply(c, denied, paths, replaced);
    });
}

// ---- requests -------------------------------------------------------------------

void MouseSession::switchMouse(const QString& product) {
    post([this, product] {
        stopPolling();
        QThread::msleep(kSwitchStepMs);
        CloseDevices();
        QThread::msleep(kSwitchStepMs);
        m_product = product;
        if (m_options.claimProduct) writeCurrentProductName(product);
        openProduct();
        QThread::msleep(kSwitchStepMs);
        publish(true);
        startPolling();
    });
}

void MouseSession::deviceInterface(const QString& name, bool arrived) {
    post([this, name, arrived] { onInterface(name, arrived); });
}

void MouseSession::setScanInterval(int ms) {
    post([this, ms] {
        m_scanMs = ms;
        if (m_notifier) m_notifier->setFallbackInterval(ms);
    });
}

void MouseSession::lendTo(const QString& mutexName) {
    if (m_lender) return;
    m_lender = new DeviceLender(mutexName, this);
    connect(m_lender, &DeviceLender::lendRequested, this, [this] {
        post([this] {
            stopPolling();
            CloseDevices();
            m_lent = true;
            toGui([this] {
                m_lentOut = true;
                m_lender->confirmLent();
                emit lentChanged(true);
            });
        });
    });
    connect(m_lender, &DeviceLender::returned, this, [this] {
        post([this] {
            m_lent = false;
            if (!connectedMice().isEmpty()) openProduct();
            startPolling();
            publish();
            toGui([this] {
                m_lentOut = false;
                emit lentChanged(false);
                emit lentMouseReturned();
            });
        });
    });
}

void MouseSession::pausePolling() {
    post([this] { stopPolling(); });
}

void MouseSession::resumePolling() {
    post([this] { startPolling(); });
}

void MouseSession::write(SettingsWriteWorker* worker) {
    post([this, worker] {
        worker->run(m_options.poll && !m_lent ? m_status.get() : nullptr);
        const int result = worker->result();
        toGui([this, result] { emit writeFinished(result); });
    });
}

SettingsWriteResult MouseSession::writeAndWait(const DeviceSettings& edited, DeviceSettings& sent,
                                               const SettingsWriteOptions& options) {
    SettingsWriteResult r;
    postAndWait([&] {
        r = writeSettingsToMouse(edited, sent, options, m_options.poll ? m_status.get() : nullptr);
    });
    return r;
}

void MouseSession::selectProfile(int profile) {
    post([this, profile] {
        uint8_t r = TrySelectProfile(uint8_t(profile));
        if (r == kResultOk) r = ApplyAllBlocks();
        toGui([this, profile, r] { emit profileSelected(profile, r); });
    });
}

uint8_t MouseSession::selectProfileAndWait(int profile) {
    uint8_t r = kResultOk;
    postAndWait([&] {
        r = TrySelectProfile(uint8_t(profile));
        if (r == kResultOk) r = ApplyAllBlocks();
    });
    return r;
}

bool MouseSession::readBatteryAndWait(BatteryReport* report, int waitMs) {
    bool answered = false;
    postAndWait([&] { answered = pollBatteryOnce(report, waitMs); });
    return answered;
}

// ---- the GUI side ---------------------------------------------------------------

void MouseSession::apply(const MouseConnection& c, bool denied, const QStringList& deniedPaths,
                         bool replaced) {
    m_known = true;
    m_connection = c;
    m_connection.state = connectionState(c.cable, c.receiver, m_charging);
    if (denied != m_denied) {
        m_denied = denied;
        m_accessText = denied ? accessDeniedText(deniedPaths, currentUserName()) : QString();
        emit accessChanged(denied, m_accessText);
    }
    if (m_denied && !c.mice.isEmpty())
        m_accessRetry->start();
    else
        m_accessRetry->stop();
    emit connectionChanged(m_connection);
    if (replaced) emit mouseReplaced();
}

void MouseSession::onBatteryReport(quint8 charge, quint8 low, quint8 high) {
    BatteryReport report;
    report.charge = charge;
    report.low = low;
    report.high = high;
    BatteryState b;
    b.off = report.mouseOff();
    b.wired = m_connection.cable;
    // A write to a sleeping mouse fails at once with the mouse-off result.
    setMouseOffFlag(b.off);
    if (!b.off) {
        b.charging = charge != 0;
        b.level = batteryLevel(report.raw(), m_batteryFull);
        m_charging = b.charging;
        m_connection.state = connectionState(m_connection.cable, m_connection.receiver, m_charging);
    }
    m_battery = b;
    emit batteryChanged(b);
}

void MouseSession::onStatusReport(quint8 profile, quint8 dpiStage, quint8 rate) {
    emit mouseChanged(profile < kProfileCount ? profile : -1,
                      dpiStage < kDpiStageCount ? dpiStage : -1, reportRateHz(rate) ? rate : -1);
}

void MouseSession::onWriteStatus(quint8 status) {
    if (status != 0) return;
    writeDiff(1);
    emit writeLost();
}
