// Project files: round trips, and bad files rejected whole.
#include "host/vistrano_data.h"
#include "sim/project_file.h"
#include "sim_fixture.h"

#include "file_size_limit.h"

#include <sys/stat.h>

#include <fstream>
#include <functional>
#include <iterator>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// The sample as JSON, changed by `edit`, written to a file.
std::string Edited(const std::function<void(QJsonObject&)>& edit)
{
    QJsonObject root = QJsonDocument::fromJson(QByteArray::fromStdString(sim::WriteProjectJson(sim::MakeSampleProject()))).object();
    edit(root);
    return QJsonDocument(root).toJson().toStdString();
}

// Applies f to senders[i] of the document.
void EditSender(QJsonObject& root, int i, const std::function<void(QJsonObject&)>& f)
{
    QJsonArray senders = root["senders"].toArray();
    QJsonObject s = senders[i].toObject();
    f(s);
    senders[i] = s;
    root["senders"] = senders;
}

void EditMonitor(QJsonObject& root, const char* part, const char* key, const QJsonValue& v)
{
    QJsonObject monitor = root["monitor"].toObject();
    QJsonObject o = monitor[part].toObject();
    o[key] = v;
    monitor[part] = o;
    root["monitor"] = monitor;
}

} // namespace

class ProjectFile : public SimTest {
protected:
    // Opens a small project, then tries `text`: it must be refused with a
    // message holding `fault`, and the small project must stay whole.
    void ExpectRejected(const std::string& text, const std::string& fault)
    {
        const std::string good = Path("good.json"), bad = Path("bad.json");
        std::string error;
        ASSERT_TRUE(sim::WriteProjectFile(good, sim::GenerateProject({.senders = 2, .seed = 4}), error)) << error;
        ASSERT_TRUE(sim::LoadProjectFile(good, error)) << error;
        GetRuntimeData()->SetOpenPrjRefresh(0);
        const sim::ProjectModel before = sim::GetProject();
        std::ofstream(bad, std::ios::binary) << text;

        EXPECT_FALSE(sim::LoadProjectFile(bad, error));
        EXPECT_NE(error.find(fault), std::string::npos) << error;
        EXPECT_NE(error.find(bad), std::string::npos) << "the message names the file: " << error;
        EXPECT_TRUE(sim::GetProject().SameContent(before));
        EXPECT_EQ(sim::GetProjectPath(), good);
        EXPECT_EQ(GetProjectData()->GetSenderCount(), 2);
        EXPECT_EQ(GetRuntimeData()->GetOpenPrjRefresh(), 0);
    }
};

TEST_F(ProjectFile, SampleSurvivesARoundTrip)
{
    sim::ProjectModel sample = sim::MakeSampleProject();
    sample.senders[2].view = {CRect(24, 24, 300, 80), CPoint(24, 100), 4};
    sample.monitor.receiverSetting.fVoltage1Min = 4.7f;
    sample.monitor.senderSetting.arrInputSignal.push_back({3, 59, 2, 1, 0, 1, 3840, 2160, 59.94, "HDMI 1"});
    sample.monitor.emailSetting.arrMail.push_back({"Zoë", "zoe@example.com"});
    sim::ProjectModel back;
    std::string error;
    ASSERT_TRUE(sim::ReadProjectJson(sim::WriteProjectJson(sample), back, error)) << error;
    EXPECT_TRUE(back.SameContent(sample));
}

TEST_F(ProjectFile, SaveAndOpenThroughTheWorld)
{
    UseSample();
    GetProjectData()->GetSender(3)->SetMonitorRenderRelativePos(6);
    GetProjectData()->SetCurrentSender(5);
    std::string error;
    const std::string path = Path("saved.json");
    ASSERT_TRUE(sim::SaveProjectFile(path, error)) << error;
    EXPECT_FALSE(sim::IsProjectModified());
    const sim::ProjectModel saved = sim::GetProject();

    sim::ResetWorld();
    EXPECT_EQ(GetProjectData()->GetSenderCount(), 0);
    ASSERT_TRUE(sim::LoadProjectFile(path, error)) << error;
    EXPECT_TRUE(sim::GetProject().SameContent(saved));
    EXPECT_EQ(GetProjectData()->GetSender(3)->GetMonitorRenderRelativePos(), 6);
    EXPECT_EQ(GetProjectData()->GetCurSenderIndex(), 5);
    EXPECT_EQ(GetRuntimeData()->GetOpenPrjRefresh(), 1) << "a newly opened project is shown as a grid first";
    EXPECT_EQ(sim::GetProjectPath(), path);
}

TEST_F(ProjectFile, SavingToAnUnwritablePlaceFailsWithAMessage)
{
    UseSample();
    std::string error;
    EXPECT_FALSE(sim::SaveProjectFile(Path("no/such/folder/p.json"), error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(sim::IsProjectModified());
}

TEST_F(ProjectFile, MissingFile)
{
    std::string error;
    EXPECT_FALSE(sim::LoadProjectFile(Path("absent.json"), error));
    EXPECT_NE(error.find("cannot be read"), std::string::npos);
}

TEST_F(ProjectFile, TruncatedJsonIsRejected)
{
    const std::string text = sim::WriteProjectJson(sim::MakeSampleProject());
    ExpectRejected(text.substr(0, text.size() / 2), "not valid JSON");
}

TEST_F(ProjectFile, OtherDocumentsAreRejected)
{
    ExpectRejected("[1, 2, 3]", "not an object");
    ExpectRejected(Edited([](QJsonObject& r) { r["format"] = "spreadsheet"; }), "version 1");
    ExpectRejected(Edited([](QJsonObject& r) { r["version"] = 2; }), "version 1");
}

TEST_F(ProjectFile, WrongTypesAreRejected)
{
    ExpectRejected(Edited([](QJsonObject& r) { r["senders"] = "many"; }), "\"senders\" has the wrong type");
    ExpectRejected(Edited([](QJsonObject& r) { EditSender(r, 1, [](QJsonObject& s) { s["name"] = 5; }); }),
                   "senders[1]: \"name\" has the wrong type");
    ExpectRejected(Edited([](QJsonObject& r) { EditSender(r, 0, [](QJsonObject& s) { s["deviceType"] = 3.5; }); }),
                   "not a whole 32-bit number");
    ExpectRejected(Edited([](QJsonObject& r) { EditMonitor(r, "receiver", "voltage1Min", "five"); }),
                   "\"voltage1Min\" has the wrong type");
    ExpectRejected(Edited([](QJsonObject& r) { EditMonitor(r, "email", "ssl", 2); }), "a flag is 0 or 1");
    ExpectRejected(Edited([](QJsonObject& r) {
                       EditSender(r, 2, [](QJsonObject& s) {
                           QJsonArray ports = s["ports"].toArray();
                           ports[0] = QJsonObject{{"receivers", QJsonArray{QJsonArray{1, 2, 3}}}};
                           s["ports"] = ports;
                       });
                   }),
                   "not a list of 4 numbers");
}

TEST_F(ProjectFile, MissingMembersAreRejected)
{
    ExpectRejected(Edited([](QJsonObject& r) { r.remove("monitor"); }), "missing \"monitor\"");
    ExpectRejected(Edited([](QJsonObject& r) { EditSender(r, 4, [](QJsonObject& s) { s.remove("fiberPorts"); }); }),
                   "missing \"fiberPorts\"");
}

TEST_F(ProjectFile, DuplicateIdentifiersAreRejected)
{
    ExpectRejected(Edited([](QJsonObject& r) {
                       const QJsonValue id = r["senders"].toArray()[0].toObject()["id"];
                       EditSender(r, 3, [&](QJsonObject& s) { s["id"] = id; });
                   }),
                   "id used twice");
    ExpectRejected(Edited([](QJsonObject& r) {
                       const QJsonValue id = r["groups"].toArray()[0].toObject()["id"];
                       EditSender(r, 6, [&](QJsonObject& s) { s["id"] = id; });
                   }),
                   "id used twice");
}

TEST_F(ProjectFile, OutOfRangeValuesAreRejected)
{
    ExpectRejected(Edited([](QJsonObject& r) {
                       EditSender(r, 0, [](QJsonObject& s) {
                           QJsonObject view = s["view"].toObject();
                           view["relativePos"] = 8;
                           s["view"] = view;
                       });
                   }),
                   "relative position out of range");
    ExpectRejected(Edited([](QJsonObject& r) { r["currentSender"] = 7; }), "current sender out of range");
    ExpectRejected(Edited([](QJsonObject& r) { EditMonitor(r, "receiver", "temperatureThreshold", 150); }),
                   "temperature threshold out of range");
    ExpectRejected(Edited([](QJsonObject& r) { EditSender(r, 3, [](QJsonObject& s) { s["address"] = "10.0.0.300"; }); }),
                   "not an IPv4 address");
    ExpectRejected(Edited([](QJsonObject& r) { EditSender(r, 3, [](QJsonObject& s) { s["group"] = "{nope}"; }); }),
                   "unknown group");
    ExpectRejected(Edited([](QJsonObject& r) {
                       QJsonArray backups = r["backups"].toArray();
                       QJsonObject b = backups[0].toObject();
                       b["backupPort"] = 24;
                       backups[0] = b;
                       r["backups"] = backups;
                   }),
                   "port out of range");
    ExpectRejected(Edited([](QJsonObject& r) {
                       QJsonArray backups = r["backups"].toArray();
                       backups.append(backups[0]);
                       r["backups"] = backups;
                   }),
                   "a port belongs to two links");
    ExpectRejected(Edited([](QJsonObject& r) {
                       EditSender(r, 2, [](QJsonObject& s) {
                           QJsonArray ports = s["ports"].toArray();
                           ports[0] = QJsonObject{{"receivers", QJsonArray{QJsonArray{0, 0, 0, 64}}}};
                           s["ports"] = ports;
                       });
                   }),
                   "width and height must be positive");
}

TEST_F(ProjectFile, MoreThanTheSenderLimitIsRejected)
{
    std::string text = sim::WriteProjectJson(sim::GenerateProject({.senders = 255, .receiversPerPort = 1}));
    QJsonObject root = QJsonDocument::fromJson(QByteArray::fromStdString(text)).object();
    QJsonArray senders = root["senders"].toArray();
    QJsonObject extra = senders[0].toObject();
    extra["id"] = "{extra}";
    senders.append(extra);
    root["senders"] = senders;
    ExpectRejected(QJsonDocument(root).toJson().toStdString(), "more than 255 senders");
}

// x + width beyond 32 bits, and view coordinates whose differences would be.
TEST_F(ProjectFile, CoordinatesThatWouldOverflowAreRejectedBeforeAnySum)
{
    const auto withReceiver = [](const QJsonArray& rect) {
        return Edited([&](QJsonObject& r) {
            EditSender(r, 2, [&](QJsonObject& s) {
                QJsonArray ports = s["ports"].toArray();
                ports[0] = QJsonObject{{"receivers", QJsonArray{rect}}};
                s["ports"] = ports;
            });
        });
    };
    for (const QJsonArray& rect : {QJsonArray{2147483000, 0, 1000, 64}, QJsonArray{0, 2147483000, 64, 1000},
                                   QJsonArray{-2147483648.0, 0, 64, 64}, QJsonArray{999990, 0, 64, 64}})
        ExpectRejected(withReceiver(rect), "receiver coordinate out of range");
    ExpectRejected(Edited([](QJsonObject& r) {
                       EditSender(r, 0, [](QJsonObject& s) {
                           QJsonObject view = s["view"].toObject();
                           view["area"] = QJsonArray{-2147483648.0, 0, 2147483647, 10};
                           s["view"] = view;
                       });
                   }),
                   "view coordinate out of range");
}

TEST_F(ProjectFile, WhatIsNoRegularFileIsRefusedWithoutWaitingOrFillingMemory)
{
    ASSERT_EQ(::mkfifo(Path("pipe.json").c_str(), 0600), 0);
    for (const std::string& path : {Path("pipe.json"), std::string("/dev/zero"), std::string("/dev/urandom"), Path("")}) {
        std::string error;
        EXPECT_FALSE(sim::LoadProjectFile(path, error)) << path;
        EXPECT_NE(error.find(path + ": cannot be read: it is a"), std::string::npos) << error;
    }
}

TEST_F(ProjectFile, ASaveThatRunsOutOfSpaceKeepsTheOldFileAndSaysWhy)
{
    const std::string path = Path("p.json");
    std::string error;
    ASSERT_TRUE(sim::SetProject(sim::GenerateProject({.senders = 1}), error)) << error;
    ASSERT_TRUE(sim::SaveProjectFile(path, error)) << error;
    std::ifstream in(path, std::ios::binary);
    const std::string before((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    UseSample();   // many times larger
    {
        FileSizeLimit limit(before.size() * 2);
        EXPECT_FALSE(sim::SaveProjectFile(path, error));
    }
    EXPECT_NE(error.find("too large"), std::string::npos) << error;
    EXPECT_TRUE(sim::IsProjectModified()) << "not saved";
    std::ifstream after(path, std::ios::binary);
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(after)), std::istreambuf_iterator<char>()), before);
}
