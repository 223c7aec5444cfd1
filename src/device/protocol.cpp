#include "protocol.h"

#include <algorithm>

uint8_t reportChecksum(const CommandReport& report) {
    unsigned sum = 0;
    for (int i = kPosMarker; i <= kPosOperation; ++i)
        sum += report[i];
    return uint8_t((sum & 0xFF) ^ kChecksumXor);
}

CommandReport makeReport(uint8_t command, uint8_t param1, uint8_t param2, uint8_t operation,
                         const uint8_t* data, int length) {
    CommandReport r;
    length = std::clamp(length, 0, kMaxData);
    r[kPosId] = kReportId;
    r[kPosMarker] = kReportMarker;
    r[kPosCommand] = command;
    r[kPosParam1] = param1;
    r[kPosParam2] = param2;
    r[kPosLength] = uint8_t(length);
    r[kPosOperation] = operation;
    if (data) std::copy(data, data + length, r.bytes.begin() + kPosData);
    r[kPosChecksum] = reportChecksum(r);
    return r;
}

CommandReport statusPollReport() {
    CommandReport r = makeReport(kCmdStatusPoll, 0, 0, 0);
    return r;
}
