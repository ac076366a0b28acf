#pragma once
// Short tooltip texts, so tests of the round can tell each one apart.
#include "warning_texts.h"

namespace hwtest {

inline sim::hw::WarningTexts TestTexts()
{
    sim::hw::WarningTexts t;
    t.strNoData = "no data";
    t.strTemperature = "T %s";
    t.strHumidity = "H %d%%";
    t.strSmoke = "smoke";
    t.strFan = "fan";
    t.strTileDoor = "door";
    t.strPower1 = "P1";
    t.strPower2 = "P2";
    t.strVoltage = "V %.2f";
    t.strCable = "cable";
    t.strLoopBroken = "loop %d-%d";
    t.strSenderOffline = "offline";
    t.strVideoInput = "no input";
    t.strLock = "unlocked";
    t.strBlack = "black";
    t.strBrightnessZero = "dark";
    t.words = {"fine", "bad", "open", "shut"};
    return t;
}

} // namespace hwtest
