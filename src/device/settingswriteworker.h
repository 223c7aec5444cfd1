// The profile-write worker: saves, compares and writes the settings while
// the GUI waits in its progress dialog.
#pragma once

#include <QThread>
#include <atomic>
#include <records.h>

class StatusThreadControl;

class SettingsWriteWorker : public QThread {
    Q_OBJECT
public:
    // `working` is the edited copy, `sent` the copy last written; the GUI must
    // leave both alone until DoProcessDlg arrives.
    SettingsWriteWorker(DeviceSettings* working, DeviceSettings* sent, StatusThreadControl* status,
                        QObject* parent = nullptr);

    std::atomic<uint8_t> isStop{0};
    bool force = false; // write everything whatever changed
    uint8_t result() const { return m_result.load(); }
    // The settings file that could not be saved, empty when all were; read
    // after DoProcessDlg.
    QString failedFile() const { return m_failedFile; }

signals:
    void DoProcessDlg();

protected:
    void run() override;

private:
    DeviceSettings* m_working;
    DeviceSettings* m_sent;
    StatusThreadControl* m_status;
    std::atomic<uint8_t> m_result{0};
    QString m_failedFile;
};
