// The window's settings write: runs the one write path on the mouse session's
// thread while the window waits in its progress dialog.
#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <records.h>

class StatusThreadControl;

class SettingsWriteWorker : public QObject {
    Q_OBJECT
public:
    // `working` is the edited copy, `sent` the copy last written; the GUI must
    // leave both alone until DoProcessDlg arrives.
    SettingsWriteWorker(DeviceSettings* working, DeviceSettings* sent, QObject* parent = nullptr);

    std::atomic<uint8_t> isStop{0};
    bool force = false; // write everything whatever changed
    uint8_t result() const { return m_result.load(); }
    // The settings file that could not be saved, empty when all were; read
    // after DoProcessDlg.
    QString failedFile() const { return m_failedFile; }

    // Writes, on the calling thread; `status` is stopped for the write.
    void run(StatusThreadControl* status = nullptr);

signals:
    void DoProcessDlg();

private:
    DeviceSettings* m_working;
    DeviceSettings* m_sent;
    std::atomic<uint8_t> m_result{0};
    QString m_failedFile;
};
