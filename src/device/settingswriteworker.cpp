#include "settingswriteworker.h"

#include "devicelog.h"
#include "settingswrite.h"

#include <defaults.h>

SettingsWriteWorker::SettingsWriteWorker(DeviceSettings* working, DeviceSettings* sent,
                                         QObject* parent)
    : QObject(parent), m_working(working), m_sent(sent) {}

void SettingsWriteWorker::run(StatusThreadControl* status) {
    if (isStop) {
        qCDebug(lcDevice, "isStop.");
        return;
    }
    // The window keeps what the user made after a failure and sends it whole
    // on the next Apply.
    SettingsWriteOptions options;
    if (force) options.forcedFlags = ChangeGeneral | ChangeDpi | ChangeButtons | ChangeLighting;
    options.onFailure = SettingsWriteOptions::OnFailure::KeepEdited;
    const SettingsWriteResult r = writeSettingsToMouse(*m_working, *m_sent, options, status);
    m_failedFile = r.unsavedFile;
    m_result = r.result;
    emit DoProcessDlg();
}
