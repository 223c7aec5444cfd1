#include "batteryreading.h"

#include "protocol.h"

int batteryLevel(int raw, int fullMillivolts) {
    const long long x = static_cast<long long>(raw) * 990;
    if (x / 240 >= fullMillivolts) return 100;
    struct Step {
        long long above;
        int level;
    };
    static constexpr Step steps[] = {{983999, 90}, {959999, 80}, {935999, 70}, {911999, 60},
                                     {887999, 50}, {839999, 40}, {815999, 30}, {767999, 20}};
    for (const Step& s : steps)
        if (x > s.above) return s.level;
    return 10;
}

int reportRateHz(int code) {
    switch (code) {
    case 8:
        return 125;
    case 4:
        return 250;
    case 2:
        return 500;
    case 1:
        return 1000;
    default:
        return 0;
    }
}

BatteryReport batteryReportFrom(const uint8_t* report) {
    BatteryReport b;
    b.low = report[kPosParam1];
    b.high = report[kPosParam2];
    b.charge = report[6];
    b.writeStatus = report[7];
    b.variant = report[10];
    return b;
}

int connectionState(bool cable, bool receiver, bool charging) {
    if (cable) return receiver ? 1 : 0;
    if (receiver) return charging ? 1 : 2;
    return 3;
}
