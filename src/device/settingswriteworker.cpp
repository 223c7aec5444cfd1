#include "settingswriteworker.h"

#include "devicelog.h"
#include "linkstate.h"
#include "profilewrite.h"
#include "protocol.h"

#include <appconfig.h>
#include <defaults.h>

SettingsWriteWorker::SettingsWriteWorker(DeviceSettings* working, DeviceSettings* sent,
                                         StatusThreadControl* status, QObject* parent)
    : QThread(parent), m_working(working), m_sent(sent), m_status(status) {}

void SettingsWriteWorker::run() {
    if (isStop) {
        qCDebug(lcDevice, "isStop.");
        return;
    }
    // A profile without a left click would leave the user no way to click
    // back into this window; it is neither saved nor sent.
    if (!hasLeftClick(m_working->current())) {
        m_result = kResultNoLeftClick;
        emit DoProcessDlg();
        return;
    }
    int flags = compareSettings(*m_working, *m_sent);
    if (readDiff() == 1 || force)
        flags = ChangeGeneral | ChangeDpi | ChangeButtons | ChangeLighting;
    // Anything to send is marked as not yet sent in the very save that
    // stores it, so a stop at any later moment leaves it pending.
    QString failed;
    if (!saveSettings(*m_working, flags != 0, &failed)) m_failedFile = failed;
    if (mouseOffFlag()) {
        m_result = kResultMouseOff;
        emit DoProcessDlg();
        return;
    }
    m_result = kResultOk;
    if (flags != 0) {
        // A failed save still goes to the mouse: mouse and window then agree,
        // and the window names the file that holds older values.
        const uint8_t r = ProfileWrite(*m_working, flags, m_status);
        m_result = r;
        // Whatever the outcome the mouse now holds (or should hold) this copy;
        // a failure leaves the full write pending.
        *m_sent = *m_working;
        if (r == kResultOk) writeDiff(0);
    }
    emit DoProcessDlg();
}
