// The verified command transport: one 33-byte report out, its echo read back
// and compared, with bounded re-reads and rewrites.
#pragma once

#include "hidport.h"
#include "protocol.h"

// The protocol's waits. Tests may shorten them; the program never changes them.
struct LinkTiming {
    int settleMs = 10;       // after every write
    int retryMs = 50;        // between reads
    int readTimeoutMs = 150; // per read
};
LinkTiming linkTiming();
void setLinkTiming(const LinkTiming& timing);

// Sends `report` on the command handle in use and verifies its echo where the
// command has one. The checksum is always computed here. Returns 0, or 1 (no
// command handle), 2 (gave up), 4 (write failed).
uint8_t SendCommand(const CommandReport& report);

// Reads one input report of the command protocol (report ID 0x05) into
// `buffer` (33 bytes, zero-filled first). Movement reports that share the
// handle are skipped while the timeout lasts. Returns the port's result: the
// length, 0 on timeout, negative on failure.
int readCommandReport(HidPort& port, HidDevice* device, uint8_t* buffer, int timeoutMs);
