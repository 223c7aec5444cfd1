// The one owner of the mouse while a program runs, for the window and the
// command-line tool alike: choosing the product, opening and reopening it,
// the status thread, plugging and pulling, lending it out and the writes.
#pragma once

#include "batteryreading.h"
#include "settingswrite.h"

#include <QMetaType>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QThread>
#include <atomic>
#include <functional>
#include <memory>

class DeviceLender;
class DeviceNotifier;
class QTimer;
class SettingsWriteWorker;
class StatusThreadControl;

// The battery as the mouse last reported it.
struct BatteryState {
    int level = 0;         // 10-100; 0 while `off`
    bool charging = false; // as the mouse says it
    bool off = false;      // no answer: asleep, or off behind its receiver
    bool wired = false;    // the cable is there: the mouse runs on it and charges
};

// The mice and links as the session saw them last.
struct MouseConnection {
    QStringList mice;            // connected products, in table order
    QString product;             // the product in use ("" when none is known)
    bool receiver = false;       // the receiver's command collection is present
    bool cable = false;          // the cable's command collection is present
    bool receiverLinked = false; // both receiver collections: a usable link
    bool cableLinked = false;    // both cable collections
    bool cableMouse = false;     // the cable's mouse collection is present
    bool cableInUse = false;     // the command handle open is the cable's
    bool open = false;           // a command handle is open
    uint16_t cableRelease = 0;   // the cable's release number when it was there at start
    int state = 3;               // connectionState() with the last charging flag
};

class MouseSession : public QObject {
    Q_OBJECT
public:
    struct Options {
        // Write the product chosen as the current one (the window and the
        // tool's commands); a watch only reads.
        bool claimProduct = true;
        bool poll = true;         // run the status thread
        bool watchDevices = true; // notice plugging and pulling by itself
    };
    enum class Opening { Open, NoMouse, Denied, NoHidLibrary };

    // The waits the mouse needs around its handles.
    static constexpr int kSwitchStepMs = 50;    // each step of a product switch
    static constexpr int kReopenDelayMs = 500;  // between closing and reopening a link
    static constexpr int kAfterPlugMs = 200;    // before opening a mouse plugged after none
    static constexpr int kAccessRetryMs = 2000; // while this user may not open the nodes

    explicit MouseSession(QObject* parent = nullptr);
    ~MouseSession() override;

    // Loads the device table, looks for the mice, chooses the product, opens
    // it and starts polling, on the session's thread; the signals follow.
    void start(const Options& options);
    // The same for the tool, which waits for the outcome; the snapshot and
    // the signals are up to date when it returns.
    Opening startAndWait(const Options& options);

    // What the signals last told; valid once `known()`.
    bool known() const { return m_known; }
    const MouseConnection& connection() const { return m_connection; }
    const BatteryState& battery() const { return m_battery; }
    bool accessDenied() const { return m_denied; }
    // The command-line tool has the mouse now.
    bool lentOut() const { return m_lentOut; }
    // How the user gets access, while it is denied.
    QString accessText() const { return m_accessText; }

    // Another connected product, chosen by the user.
    void switchMouse(const QString& product);
    // One device-interface arrival or removal ("HID#VID_xxxx&PID_xxxx&Colnn").
    void deviceInterface(const QString& name, bool arrived);
    // How often plugging is looked for when no device monitor tells of it.
    void setScanInterval(int ms);
    // Serves the command-line tool's borrows of the mouse while the window runs.
    void lendTo(const QString& mutexName);
    // Stops or resumes the status thread (while the firmware updater starts).
    void pausePolling();
    void resumePolling();

    // Runs the window's write on the session's thread; writeFinished follows.
    void write(SettingsWriteWorker* worker);
    // The tool's write through the one write path, waited for.
    SettingsWriteResult writeAndWait(const DeviceSettings& edited, DeviceSettings& sent,
                                     const SettingsWriteOptions& options);
    // Selects an on-mouse profile and applies all its blocks, as the
    // profile menu does; profileSelected follows.
    void selectProfile(int profile);
    uint8_t selectProfileAndWait(int profile);
    // Polls the battery once and waits up to `waitMs` for the answer (the
    // tool, which runs no status thread). False when none came.
    bool readBatteryAndWait(BatteryReport* report, int waitMs);

signals:
    void batteryChanged(const BatteryState& battery);
    // From the mouse's own buttons; -1 for a value the report did not carry.
    void mouseChanged(int profile, int dpiStage, int rate);
    void connectionChanged(const MouseConnection& connection);
    // `text` tells the user how to get access (empty when not denied).
    void accessChanged(bool denied, const QString& text);
    // The mouse reported a write it lost; the full write is marked pending.
    void writeLost();
    // Another mouse is in use, or the mouse is back after none was there:
    // its settings are to be read again.
    void mouseReplaced();
    // The command-line tool has given the mouse back after writing.
    void lentMouseReturned();
    void lentChanged(bool lent);
    void writeFinished(int result);
    void profileSelected(int profile, int result);

private:
    // Session thread.
    bool startOnThread(); // false when the HID library cannot start
    void onInterface(const QString& name, bool arrived);
    void settle();
    void chooseProduct();
    void openProduct();
    void reopenProduct(int delayMs);
    void startPolling();
    void stopPolling();
    void publish(bool replaced = false);
    bool closing() const { return m_closing.load(); }

    // GUI thread.
    void apply(const MouseConnection& connection, bool denied, const QStringList& deniedPaths,
               bool replaced);
    void onBatteryReport(quint8 charge, quint8 low, quint8 high);
    void onStatusReport(quint8 profile, quint8 dpiStage, quint8 rate);
    void onWriteStatus(quint8 status);

    void post(std::function<void()> job);
    void postAndWait(const std::function<void()>& job);
    void toGui(std::function<void()> job);

    QThread m_thread;
    std::unique_ptr<QObject> m_context; // lives on m_thread; jobs run in its name
    std::unique_ptr<StatusThreadControl> m_status;
    std::atomic<bool> m_closing{false};

    // Session thread only.
    Options m_options;
    QString m_product;
    bool m_lent = false;
    bool m_openDenied = false;
    QStringList m_deniedPaths;
    DeviceNotifier* m_notifier = nullptr;
    // Interface notices taken into the table, their handle work still to do.
    struct Batch {
        bool pending = false;
        int miceBefore = 0;
        bool listChanged = false;
        bool currentCleared = false;
        bool reopen = false;
        bool collectionAppeared = false;
    } m_batch;
    int m_scanMs = 0;

    // GUI thread only.
    bool m_known = false;
    MouseConnection m_connection;
    BatteryState m_battery;
    bool m_charging = false;
    bool m_denied = false;
    bool m_lentOut = false;
    QString m_accessText;
    int m_batteryFull = 4200;
    QTimer* m_accessRetry = nullptr;
    DeviceLender* m_lender = nullptr;
};

Q_DECLARE_METATYPE(BatteryState)
Q_DECLARE_METATYPE(MouseConnection)
