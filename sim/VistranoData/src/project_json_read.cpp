// JSON to project model, checking every field's type and range. Parsing
// goes into a fresh model; the caller's model changes only on success.
#include "sim/project_file.h"

#include "platform/file_io.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <new>

namespace sim {
namespace {

// Reads typed fields, remembering the first fault with the path to it.
class Reader {
public:
    bool Failed() const { return !m_error.empty(); }
    const std::string& Error() const { return m_error; }

    void Fail(const std::string& where, const std::string& what)
    {
        if (m_error.empty())
            m_error = where + ": " + what;
    }

    // A member of the given JSON type; absent members fail when required.
    bool Get(const QJsonObject& o, const char* key, const std::string& where, QJsonValue::Type type, QJsonValue& out,
             bool required = true)
    {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined()) {
            if (required)
                Fail(where, std::string("missing \"") + key + "\"");
            return false;
        }
        if (v.type() != type) {
            Fail(where, std::string("\"") + key + "\" has the wrong type");
            return false;
        }
        out = v;
        return true;
    }

    void Int(const QJsonObject& o, const char* key, const std::string& where, int32_t& out, bool required = true)
    {
        QJsonValue v;
        if (Get(o, key, where, QJsonValue::Double, v, required))
            out = ToInt(v, where + "." + key);
    }
    void Uint(const QJsonObject& o, const char* key, const std::string& where, uint32_t& out, int64_t max)
    {
        QJsonValue v;
        if (!Get(o, key, where, QJsonValue::Double, v))
            return;
        const double d = v.toDouble();
        if (d != std::floor(d) || d < 0 || d > static_cast<double>(max))
            Fail(where + "." + key, "not a whole number from 0 to " + std::to_string(max));
        else
            out = static_cast<uint32_t>(d);
    }
    void Flag(const QJsonObject& o, const char* key, const std::string& where, int32_t& out)
    {
        QJsonValue v;
        if (Get(o, key, where, QJsonValue::Double, v)) {
            const int32_t n = ToInt(v, where + "." + key);
            if (n != 0 && n != 1)
                Fail(where + "." + key, "a flag is 0 or 1");
            out = n;
        }
    }
    void Bool(const QJsonObject& o, const char* key, const std::string& where, bool& out, bool required = true)
    {
        QJsonValue v;
        if (Get(o, key, where, QJsonValue::Bool, v, required))
            out = v.toBool();
    }
    void Float(const QJsonObject& o, const char* key, const std::string& where, float& out)
    {
        QJsonValue v;
        if (!Get(o, key, where, QJsonValue::Double, v))
            return;
        const double d = v.toDouble();
        if (!std::isfinite(d) || std::fabs(d) > std::numeric_limits<float>::max())
            Fail(where + "." + key, "not a number a float can hold");
        else
            out = static_cast<float>(d);
    }
    void Double(const QJsonObject& o, const char* key, const std::string& where, double& out)
    {
        QJsonValue v;
        if (Get(o, key, where, QJsonValue::Double, v))
            out = v.toDouble();
    }
    void String(const QJsonObject& o, const char* key, const std::string& where, std::string& out, bool required = true)
    {
        QJsonValue v;
        if (Get(o, key, where, QJsonValue::String, v, required))
            out = v.toString().toStdString();
    }
    QJsonArray Array(const QJsonObject& o, const char* key, const std::string& where, bool required = true)
    {
        QJsonValue v;
        return Get(o, key, where, QJsonValue::Array, v, required) ? v.toArray() : QJsonArray{};
    }
    QJsonObject Object(const QJsonObject& o, const char* key, const std::string& where)
    {
        QJsonValue v;
        return Get(o, key, where, QJsonValue::Object, v) ? v.toObject() : QJsonObject{};
    }
    QJsonObject Element(const QJsonValue& v, const std::string& where)
    {
        if (!v.isObject())
            Fail(where, "not an object");
        return v.toObject();
    }
    // An array of n whole numbers.
    bool Ints(const QJsonValue& v, const std::string& where, int32_t* out, int n)
    {
        const QJsonArray a = v.toArray();
        if (!v.isArray() || a.size() != n) {
            Fail(where, "not a list of " + std::to_string(n) + " numbers");
            return false;
        }
        for (int i = 0; i < n; ++i) {
            if (!a[i].isDouble()) {
                Fail(where, "not a list of numbers");
                return false;
            }
            out[i] = ToInt(a[i], where);
        }
        return !Failed();
    }

private:
    int32_t ToInt(const QJsonValue& v, const std::string& where)
    {
        const double d = v.toDouble();
        if (d != std::floor(d) || d < std::numeric_limits<int32_t>::min() || d > std::numeric_limits<int32_t>::max()) {
            Fail(where, "not a whole 32-bit number");
            return 0;
        }
        return static_cast<int32_t>(d);
    }

    std::string m_error;
};

std::vector<PortModel> ReadPorts(Reader& r, const QJsonArray& list, const std::string& where)
{
    std::vector<PortModel> ports;
    ports.reserve(static_cast<std::size_t>(list.size()));
    for (qsizetype p = 0; p < list.size() && !r.Failed(); ++p) {
        const std::string at = where + "[" + std::to_string(p) + "]";
        const QJsonArray receivers = r.Array(r.Element(list[p], at), "receivers", at);
        PortModel port;
        port.receivers.reserve(static_cast<std::size_t>(receivers.size()));
        for (qsizetype k = 0; k < receivers.size() && !r.Failed(); ++k) {
            int32_t v[4];
            if (!r.Ints(receivers[k], at + ".receivers[" + std::to_string(k) + "]", v, 4))
                break;
            if (v[2] <= 0 || v[3] <= 0 || v[2] > kMaxCoordinate || v[3] > kMaxCoordinate) {
                r.Fail(at + ".receivers[" + std::to_string(k) + "]", "width and height must be positive");
                break;
            }
            // Checked in 64 bits before the corners are formed: x + width must not overflow.
            const int64_t right = int64_t{v[0]} + v[2], bottom = int64_t{v[1]} + v[3];
            if (std::llabs(int64_t{v[0]}) > kMaxCoordinate || std::llabs(int64_t{v[1]}) > kMaxCoordinate
                || right > kMaxCoordinate || bottom > kMaxCoordinate) {
                r.Fail(at + ".receivers[" + std::to_string(k) + "]", "receiver coordinate out of range");
                break;
            }
            port.receivers.emplace_back(v[0], v[1], v[0] + v[2], v[1] + v[3]);
        }
        ports.push_back(std::move(port));
    }
    return ports;
}

SenderModel ReadSender(Reader& r, const QJsonObject& o, const std::string& at)
{
    SenderModel s;
    r.String(o, "id", at, s.id);
    r.String(o, "name", at, s.name);
    r.String(o, "group", at, s.groupId);
    r.String(o, "address", at, s.address);
    r.Int(o, "deviceType", at, s.deviceType);
    r.Int(o, "model", at, s.model);
    r.Bool(o, "fiber", at, s.fiber);
    r.Int(o, "recentPort", at, s.recentPort);
    const QJsonObject view = r.Object(o, "view", at);
    if (!r.Failed()) {
        int32_t area[4], origin[2];
        const std::string v = at + ".view";
        if (r.Ints(view.value("area"), v + ".area", area, 4)
            && r.Ints(view.value("receiverOrigin"), v + ".receiverOrigin", origin, 2)) {
            s.view.area = CRect(area[0], area[1], area[2], area[3]);
            s.view.receiverOrigin = CPoint(origin[0], origin[1]);
        }
        r.Int(view, "relativePos", v, s.view.relativePos);
    }
    s.ports = ReadPorts(r, r.Array(o, "ports", at), at + ".ports");
    if (s.fiber)
        s.fiberPorts = ReadPorts(r, r.Array(o, "fiberPorts", at), at + ".fiberPorts");
    else if (o.contains("fiberPorts"))
        r.Fail(at, "fibre outputs on a sender that is not a fibre sender");
    return s;
}

void ReadMonitor(Reader& r, const QJsonObject& o, CMonitorInterfaceData& m)
{
    const std::string at = "monitor";
    r.Int(o, "refreshInterval", at, m.nRefreshInterval);

    const QJsonObject so = r.Object(o, "sender", at);
    SSenderSetting& s = m.senderSetting;
    r.Flag(so, "videoInputError", at + ".sender", s.bVideoInputError);
    r.Flag(so, "lock", at + ".sender", s.bLock);
    r.Flag(so, "black", at + ".sender", s.bBlack);
    r.Flag(so, "brightnessZero", at + ".sender", s.bBrightnessZero);
    const QJsonArray inputs = r.Array(so, "inputSignals", at + ".sender");
    for (qsizetype i = 0; i < inputs.size() && !r.Failed(); ++i) {
        const std::string ai = at + ".sender.inputSignals[" + std::to_string(i) + "]";
        const QJsonObject io = r.Element(inputs[i], ai);
        SInputSignalSetting in;
        uint32_t model = 0, type = 0;
        r.Uint(io, "sender", ai, in.dwSender, 0xFFFFFFFFll);
        r.Uint(io, "modelCode", ai, model, 255);
        r.Uint(io, "inputType", ai, type, 255);
        in.byValue1 = static_cast<uint8_t>(model);
        in.byValue2 = static_cast<uint8_t>(type);
        int32_t values[5] = {};
        QJsonValue v;
        if (r.Get(io, "values", ai, QJsonValue::Array, v) && r.Ints(v, ai + ".values", values, 5)) {
            in.nValue1 = values[0];
            in.nValue2 = values[1];
            in.nValue3 = values[2];
            in.nValue4 = values[3];
            in.nValue5 = values[4];
        }
        r.Double(io, "rate", ai, in.dValue);
        r.String(io, "signal", ai, in.strSignal);
        s.arrInputSignal.push_back(std::move(in));
    }

    const QJsonObject ro = r.Object(o, "receiver", at);
    const std::string ar = at + ".receiver";
    SRecevierSetting& rc = m.receiverSetting;
    r.Flag(ro, "temperature", ar, rc.bTemperature);
    r.Int(ro, "temperatureThreshold", ar, rc.nTemperature);
    r.Flag(ro, "humidity", ar, rc.bHumidity);
    r.Int(ro, "humidityThreshold", ar, rc.nHumidity);
    r.Flag(ro, "smoke", ar, rc.bSmoke);
    r.Flag(ro, "fan", ar, rc.bFan);
    r.Flag(ro, "tileDoor", ar, rc.bTileDoor);
    r.Flag(ro, "powerSupply1", ar, rc.bPowerSupply1);
    r.Flag(ro, "powerSupply2", ar, rc.bPowerSupply2);
    r.Flag(ro, "voltage1", ar, rc.bVoltage1);
    r.Float(ro, "voltage1Min", ar, rc.fVoltage1Min);
    r.Float(ro, "voltage1Max", ar, rc.fVoltage1Max);
    r.Flag(ro, "voltage2", ar, rc.bVoltage2);
    r.Float(ro, "voltage2Min", ar, rc.fVoltage2Min);
    r.Float(ro, "voltage2Max", ar, rc.fVoltage2Max);
    r.Flag(ro, "cableDetection", ar, rc.bCableDetection);

    const QJsonObject eo = r.Object(o, "email", at);
    const std::string ae = at + ".email";
    SEmailSetting& e = m.emailSetting;
    r.Flag(eo, "enable", ae, e.bEnable);
    r.Flag(eo, "returnToWork", ae, e.bReturnToWork);
    r.Flag(eo, "ssl", ae, e.bSSL);
    r.Int(eo, "warningCount", ae, e.nWarningNum);
    r.Int(eo, "port", ae, e.nPort);
    r.String(eo, "sender", ae, e.strSender);
    r.String(eo, "password", ae, e.strPassword);
    r.String(eo, "smtp", ae, e.strSmtp);
    const QJsonArray recipients = r.Array(eo, "recipients", ae);
    for (qsizetype i = 0; i < recipients.size() && !r.Failed(); ++i) {
        const std::string am = ae + ".recipients[" + std::to_string(i) + "]";
        const QJsonObject mo = r.Element(recipients[i], am);
        SMailInfo mail;
        r.String(mo, "name", am, mail.strName);
        r.String(mo, "address", am, mail.strAddress);
        e.arrMail.push_back(std::move(mail));
    }
}

} // namespace

bool ReadProjectJson(const std::string& text, ProjectModel& project, std::string& error)
{
    QJsonParseError parse;
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(text), &parse);
    if (parse.error != QJsonParseError::NoError) {
        error = "not valid JSON at offset " + std::to_string(parse.offset) + ": " + parse.errorString().toStdString();
        return false;
    }
    if (!doc.isObject()) {
        error = "not a project: the document is not an object";
        return false;
    }
    const QJsonObject root = doc.object();
    Reader r;
    std::string format;
    int32_t version = 0;
    r.String(root, "format", "project", format);
    r.Int(root, "version", "project", version);
    if (!r.Failed() && (format != "vistrano-project" || version != 1))
        r.Fail("project", "not a project file of version 1");

    ProjectModel fresh;
    r.String(root, "name", "project", fresh.name);
    r.Int(root, "currentSender", "project", fresh.currentSender);
    r.Bool(root, "demoMode", "project", fresh.demoMode);
    const QJsonArray groups = r.Array(root, "groups", "project");
    for (qsizetype i = 0; i < groups.size() && !r.Failed(); ++i) {
        const std::string at = "groups[" + std::to_string(i) + "]";
        const QJsonObject o = r.Element(groups[i], at);
        GroupModel g;
        r.String(o, "id", at, g.id);
        r.String(o, "name", at, g.name);
        r.Bool(o, "expand", at, g.expand);
        fresh.groups.push_back(std::move(g));
    }
    const QJsonArray senders = r.Array(root, "senders", "project");
    if (senders.size() > kMaxSenderCount)
        r.Fail("project", "more than " + std::to_string(kMaxSenderCount) + " senders");
    for (qsizetype i = 0; i < senders.size() && !r.Failed(); ++i) {
        const std::string at = "senders[" + std::to_string(i) + "]";
        fresh.senders.push_back(ReadSender(r, r.Element(senders[i], at), at));
    }
    const QJsonArray backups = r.Array(root, "backups", "project");
    for (qsizetype i = 0; i < backups.size() && !r.Failed(); ++i) {
        const std::string at = "backups[" + std::to_string(i) + "]";
        const QJsonObject o = r.Element(backups[i], at);
        BackupLink b;
        r.String(o, "source", at, b.sourceId);
        r.Int(o, "sourcePort", at, b.sourcePort);
        r.String(o, "backup", at, b.backupId);
        r.Int(o, "backupPort", at, b.backupPort);
        fresh.backups.push_back(std::move(b));
    }
    if (!r.Failed())
        ReadMonitor(r, r.Object(root, "monitor", "project"), fresh.monitor);
    if (r.Failed()) {
        error = r.Error();
        return false;
    }
    if (std::string fault = ValidateProject(fresh); !fault.empty()) {
        error = fault;
        return false;
    }
    project = std::move(fresh);
    return true;
}

bool ReadProjectFile(const std::string& path, ProjectModel& project, std::string& error)
{
    std::string bytes, fault;
    if (!plat::ReadFileBytes(path, plat::kMaxProjectFileBytes, bytes, fault)) {
        error = path + ": cannot be read: " + fault;
        return false;
    }
    try {
        if (!ReadProjectJson(bytes, project, fault)) {
            error = path + ": " + fault;
            return false;
        }
    } catch (const std::bad_alloc&) {
        // The open project and the user's unsaved work stay.
        error = path + ": there is not enough memory to open it";
        return false;
    }
    return true;
}

} // namespace sim
