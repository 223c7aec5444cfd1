// Sends notices to the on-screen-display companion over its local socket,
// starting the companion when it is not running.
#pragma once

#include "osdpayload.h"

enum class OsdSendResult {
    Sent,        // the companion took the notice
    NoCompanion, // nobody listens and the companion could not be started
    Failed,      // connected, but the notice was not acknowledged
};

constexpr int kOsdStartAttempts = 5;
constexpr int kOsdStartWaitMs = 500;

// Delivers one payload to a listening companion and waits up to `timeoutMs`
// for its one-byte receipt.
OsdSendResult sendOsdPayload(const QByteArray& payload, const QString& serverName = osdServerName(),
                             int timeoutMs = 2000);

// The companion program in an application directory: <appDir>/OSD.
QString osdCompanionPath(const QString& appDir);

// The program's notice path: when no companion listens, starts the one in
// `appDir` detached and looks again, up to kOsdStartAttempts times
// kOsdStartWaitMs apart; then sends `text` in `colour`. A missing companion
// program gives NoCompanion at once instead of waiting for something that
// cannot start. `startedPid`, when given, receives the id of the last
// companion process started (0 when none was started).
OsdSendResult sendOsdNotice(const QString& appDir, const QString& text, const QColor& colour,
                            const QString& serverName = osdServerName(),
                            qint64* startedPid = nullptr);
