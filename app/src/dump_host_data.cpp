#include "dump_host_data.h"

#include "quiet_calls.h"

#include "host/monitor_records.h"
#include "host/vistrano_data.h"
#include "sim/call_log.h"
#include "sim/language.h"
#include "sim/monitor_feed.h"
#include "sim/project_file.h"
#include "sim/world.h"

#include <QJsonArray>

namespace app {

namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }

} // namespace

QJsonObject ProjectJson()
{
    const sim::ProjectModel project = sim::GetProject();
    QJsonArray senders;
    for (const sim::SenderModel& s : project.senders) {
        senders.append(QJsonObject{{"name", Text(s.name)},
                                   {"id", Text(s.id)},
                                   {"group", Text(s.groupId)},
                                   {"fiber", s.fiber},
                                   {"ports", static_cast<int>(s.fiber ? s.fiberPorts.size() : s.ports.size())},
                                   {"receivers", sim::ReceiverCount(s)},
                                   {"relativePos", s.view.relativePos}});
    }
    QJsonArray groups;
    for (const sim::GroupModel& g : project.groups)
        groups.append(QJsonObject{{"name", Text(g.name)}, {"id", Text(g.id)}, {"expand", g.expand}});
    QJsonObject treeSelection;
    {
        CQuietCalls quiet;
        const CRuntimeData* runtime = GetRuntimeData();
        treeSelection = {{"type", runtime->GetTreeCurSelNodeType()}, {"index", runtime->GetTreeCurSelNodeIndex()}};
    }
    return {{"path", Text(sim::GetProjectPath())},
            {"name", Text(project.name)},
            {"treeSelection", treeSelection},
            {"modified", sim::IsProjectModified()},
            {"modifications", sim::GetModificationCount()},
            {"currentSender", project.currentSender},
            {"senders", senders},
            {"groups", groups}};
}

QJsonObject SettingsJson()
{
    const CMonitorInterfaceData m = sim::GetMonitorSettings();
    const SSenderSetting& s = m.senderSetting;
    const SRecevierSetting& r = m.receiverSetting;
    const SEmailSetting& e = m.emailSetting;
    QJsonArray recipients;
    for (const SMailInfo& mail : e.arrMail)
        recipients.append(Text(mail.strAddress));
    QJsonArray inputs;
    for (const SInputSignalSetting& input : s.arrInputSignal)
        inputs.append(sim::InputSignalJson(input));
    return {{"refreshInterval", m.nRefreshInterval},
            {"sender",
             QJsonObject{{"videoInputError", s.bVideoInputError},
                         {"lock", s.bLock},
                         {"black", s.bBlack},
                         {"brightnessZero", s.bBrightnessZero},
                         {"inputSignals", inputs}}},
            {"receiver",
             QJsonObject{{"temperature", r.bTemperature},
                         {"temperatureLimit", r.nTemperature},
                         {"humidity", r.bHumidity},
                         {"humidityLimit", r.nHumidity},
                         {"smoke", r.bSmoke},
                         {"fan", r.bFan},
                         {"door", r.bTileDoor},
                         {"power1", r.bPowerSupply1},
                         {"power2", r.bPowerSupply2},
                         {"voltage1", r.bVoltage1},
                         {"voltage2", r.bVoltage2},
                         {"cable", r.bCableDetection}}},
            // The password stays out of the dump.
            {"email",
             QJsonObject{{"enable", e.bEnable},
                         {"smtp", Text(e.strSmtp)},
                         {"port", e.nPort},
                         {"sender", Text(e.strSender)},
                         {"ssl", e.bSSL},
                         {"recipients", recipients}}}};
}

QJsonObject MonitorDataJson()
{
    CMonitorDetectData detect;
    CMonitorWarningData warning;
    {
        CQuietCalls quiet;
        GetMonitorData()->GetDetectData(detect);
        GetMonitorData()->GetWarningData(warning);
    }
    const sim::ProjectModel project = sim::GetProject();
    QJsonArray senders, receivers, loops;
    for (int s = 0; s < static_cast<int>(project.senders.size()); ++s) {
        if (const uint32_t word = warning.GetSenderWarning(s))
            senders.append(QJsonObject{{"sender", s}, {"warning", static_cast<double>(word)}});
        const std::vector<sim::PortModel>& ports = project.senders[static_cast<std::size_t>(s)].ports;
        for (int p = 0; p < static_cast<int>(ports.size()); ++p) {
            for (int r = 0; r < static_cast<int>(ports[static_cast<std::size_t>(p)].receivers.size()); ++r) {
                if (const uint32_t word = warning.GetSenderPortRcvWarning(s, p, r))
                    receivers.append(QJsonObject{
                        {"sender", s}, {"port", p}, {"receiver", r}, {"warning", static_cast<double>(word)}});
            }
            if (const uint32_t loop = warning.GetLoopbackErrorInfo(s, p); loop != 0xFFFF0000u)
                loops.append(QJsonObject{{"sender", s},
                                         {"port", p},
                                         {"first", static_cast<int>(loop >> 16)},
                                         {"last", static_cast<int>(loop & 0xFFFF)}});
        }
    }
    int online = 0;
    for (const auto& [id, sender] : detect.GetAllSenderData())
        online += sender.byOnline ? 1 : 0;
    return {{"onlineSenders", online},
            {"senderWarnings", senders},
            {"receiverWarnings", receivers},
            {"brokenLoops", loops}};
}

QJsonArray CallLogJson()
{
    QJsonArray calls;
    for (const sim::LoggedCall& call : sim::GetCallLog())
        calls.append(QJsonObject{{"operation", Text(call.operation)}, {"arguments", Text(call.arguments)}});
    return calls;
}

QJsonArray MissingTextsJson()
{
    QJsonArray missing;
    for (const sim::MissingText& m : sim::GetMissingLanguageKeys())
        missing.append(QJsonObject{{"section", Text(m.section)}, {"key", Text(m.key)}});
    return missing;
}

} // namespace app
