// The sensors' resolution register values per DPI step (lookup tables 1-11).
#pragma once

#include <cstdint>

struct SensorTable {
    const uint8_t* values;
    int size;
};

// Table `number` (1-11); an empty table for any other number.
SensorTable sensorTable(int number);

// The register value for step `index`; an index past either end takes the
// nearest entry, so no step value can read outside the table.
uint8_t sensorTableValue(int number, long long index);
