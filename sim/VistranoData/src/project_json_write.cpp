// Project model to JSON.
#include "sim/project_file.h"

#include "platform/file_io.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <new>

namespace sim {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

QJsonArray RectArray(const CRect& r) { return {r.left, r.top, r.right, r.bottom}; }

QJsonObject PortObject(const PortModel& port)
{
    QJsonArray receivers;
    for (const CRect& r : port.receivers)
        receivers.append(QJsonArray{r.left, r.top, r.Width(), r.Height()});
    return {{"receivers", receivers}};
}

QJsonArray PortArray(const std::vector<PortModel>& ports)
{
    QJsonArray a;
    for (const PortModel& p : ports)
        a.append(PortObject(p));
    return a;
}

QJsonObject SenderObject(const SenderModel& s)
{
    QJsonObject view{{"area", RectArray(s.view.area)},
                     {"receiverOrigin", QJsonArray{s.view.receiverOrigin.x, s.view.receiverOrigin.y}},
                     {"relativePos", s.view.relativePos}};
    QJsonObject o{{"id", Q(s.id)},
                  {"name", Q(s.name)},
                  {"group", Q(s.groupId)},
                  {"address", Q(s.address)},
                  {"deviceType", s.deviceType},
                  {"model", s.model},
                  {"fiber", s.fiber},
                  {"recentPort", s.recentPort},
                  {"view", view},
                  {"ports", PortArray(s.ports)}};
    if (s.fiber)
        o.insert("fiberPorts", PortArray(s.fiberPorts));
    return o;
}

QJsonObject MonitorObject(const CMonitorInterfaceData& m)
{
    const SSenderSetting& s = m.senderSetting;
    QJsonArray inputs;
    for (const SInputSignalSetting& i : s.arrInputSignal)
        inputs.append(InputSignalJson(i));
    const SRecevierSetting& r = m.receiverSetting;
    const SEmailSetting& e = m.emailSetting;
    QJsonArray recipients;
    for (const SMailInfo& mail : e.arrMail)
        recipients.append(QJsonObject{{"name", Q(mail.strName)}, {"address", Q(mail.strAddress)}});
    return {
        {"refreshInterval", m.nRefreshInterval},
        {"sender",
         QJsonObject{{"videoInputError", s.bVideoInputError},
                     {"lock", s.bLock},
                     {"black", s.bBlack},
                     {"brightnessZero", s.bBrightnessZero},
                     {"inputSignals", inputs}}},
        {"receiver",
         QJsonObject{{"temperature", r.bTemperature},
                     {"temperatureThreshold", r.nTemperature},
                     {"humidity", r.bHumidity},
                     {"humidityThreshold", r.nHumidity},
                     {"smoke", r.bSmoke},
                     {"fan", r.bFan},
                     {"tileDoor", r.bTileDoor},
                     {"powerSupply1", r.bPowerSupply1},
                     {"powerSupply2", r.bPowerSupply2},
                     {"voltage1", r.bVoltage1},
                     {"voltage1Min", r.fVoltage1Min},
                     {"voltage1Max", r.fVoltage1Max},
                     {"voltage2", r.bVoltage2},
                     {"voltage2Min", r.fVoltage2Min},
                     {"voltage2Max", r.fVoltage2Max},
                     {"cableDetection", r.bCableDetection}}},
        {"email",
         QJsonObject{{"enable", e.bEnable},
                     {"returnToWork", e.bReturnToWork},
                     {"ssl", e.bSSL},
                     {"warningCount", e.nWarningNum},
                     {"port", e.nPort},
                     {"sender", Q(e.strSender)},
                     {"password", Q(e.strPassword)},
                     {"smtp", Q(e.strSmtp)},
                     {"recipients", recipients}}},
    };
}

} // namespace

std::string WriteProjectJson(const ProjectModel& project)
{
    QJsonArray groups, senders, backups;
    for (const GroupModel& g : project.groups)
        groups.append(QJsonObject{{"id", Q(g.id)}, {"name", Q(g.name)}, {"expand", g.expand}});
    for (const SenderModel& s : project.senders)
        senders.append(SenderObject(s));
    for (const BackupLink& b : project.backups)
        backups.append(QJsonObject{{"source", Q(b.sourceId)},
                                   {"sourcePort", b.sourcePort},
                                   {"backup", Q(b.backupId)},
                                   {"backupPort", b.backupPort}});
    const QJsonObject root{{"format", "vistrano-project"},
                           {"version", 1},
                           {"name", Q(project.name)},
                           {"currentSender", project.currentSender},
                           {"demoMode", project.demoMode},
                           {"groups", groups},
                           {"senders", senders},
                           {"backups", backups},
                           {"monitor", MonitorObject(project.monitor)}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented).toStdString();
}

bool WriteProjectFile(const std::string& path, const ProjectModel& project, std::string& error)
{
    std::string fault;
    bool written = false;
    try {
        written = plat::ReplaceFile(path, WriteProjectJson(project), fault);
    } catch (const std::bad_alloc&) {
        fault = "there is not enough memory to write it";
    }
    if (!written) {
        error = path + ": cannot be written: " + fault;
        return false;
    }
    return true;
}

QJsonObject InputSignalJson(const SInputSignalSetting& s)
{
    return {{"sender", static_cast<qint64>(s.dwSender)},
            {"modelCode", s.byValue1},
            {"inputType", s.byValue2},
            {"values", QJsonArray{s.nValue1, s.nValue2, s.nValue3, s.nValue4, s.nValue5}},
            {"rate", s.dValue},
            {"signal", Q(s.strSignal)}};
}

} // namespace sim
