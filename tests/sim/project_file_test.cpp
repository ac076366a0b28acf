// Project files: round trips, and bad files rejected whole.
#include "host/host_enums.h"
#include "host/vistrano_data.h"
#include "sim/project_file.h"
#include "sim_fixture.h"

#include "file_size_limit.h"

#include <sys/stat.h>

#include <fstream>
#include <tuple>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonValue Put(const QJsonValue& node, QStringList keys, const QJsonValue& value)
{
    if (keys.isEmpty())
        return value;
    const QString key = keys.takeFirst();
    bool isIndex = false;
    const int index = key.toInt(&isIndex);
    if (isIndex) {
        QJsonArray array = node.toArray();
        array[index] = Put(array[index], keys, value);
        return array;
    }
    QJsonObject object = node.toObject();
    if (keys.isEmpty() && value.isUndefined())
        object.remove(key);
    else
        object[key] = Put(object[key], keys, value);
    return object;
}

QJsonObject Sample()
{
    return QJsonDocument::fromJson(QByteArray::fromStdString(sim::WriteProjectJson(sim::MakeSampleProject()))).object();
}

// The member of the sample at a path such as "senders/2/view/area".
QJsonValue At(const QString& path)
{
    QJsonValue node = Sample();
    for (const QString& key : path.split('/'))
        node = node.isArray() ? node.toArray()[key.toInt()] : node.toObject()[key];
    return node;
}

// The sample's JSON with the member at `path` set to `value` (removed when
// undefined; the whole document replaced when the path is empty).
std::string SampleWith(const QString& path, const QJsonValue& value)
{
    const QJsonValue root = Put(Sample(), path.isEmpty() ? QStringList() : path.split('/'), value);
    return (root.isArray() ? QJsonDocument(root.toArray()) : QJsonDocument(root.toObject())).toJson().toStdString();
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
        EXPECT_EQ(std::tuple(sim::GetProjectPath(), GetProjectData()->GetSenderCount(),
                             GetRuntimeData()->GetOpenPrjRefresh()),
                  std::tuple(good, 2, 0));
    }
};

// A round trip keeps every member; a save clears the modified mark, an open
// shows the project as a grid first; a save to a place that cannot be
// written says so and keeps the mark.
TEST_F(ProjectFile, RoundTripSaveAndOpen)
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

    Use(sample);
    EXPECT_FALSE(sim::SaveProjectFile(Path("no/such/folder/p.json"), error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(sim::IsProjectModified());
    GetProjectData()->SetCurrentSender(5);
    const std::string path = Path("saved.json");
    ASSERT_TRUE(sim::SaveProjectFile(path, error)) << error;
    EXPECT_FALSE(sim::IsProjectModified());
    const sim::ProjectModel saved = sim::GetProject();
    sim::ResetWorld();
    EXPECT_EQ(GetProjectData()->GetSenderCount(), 0);
    ASSERT_TRUE(sim::LoadProjectFile(path, error)) << error;
    EXPECT_TRUE(sim::GetProject().SameContent(saved));
    EXPECT_EQ(std::tuple(GetProjectData()->GetSender(2)->GetMonitorRenderRelativePos(),
                         GetProjectData()->GetCurSenderIndex(), GetRuntimeData()->GetOpenPrjRefresh(),
                         sim::GetProjectPath()),
              std::tuple(4, 5, 1, path));
}

// A card's project replaces the shown one: a selection of the old project
// (sender 6) must not outlive it when it is opened.
TEST_F(ProjectFile, AProjectSetInPlaceOfTheShownOneStartsItsTreeOverOnlyWhenOpened)
{
    for (const bool opened : {false, true}) {
        UseSample();
        GetRuntimeData()->SetOpenPrjRefresh(0);
        GetRuntimeData()->SetTreeCurSelNodeType(TREE_NODE_SENDER);
        GetRuntimeData()->SetTreeCurSelNodeIndex(6);
        std::string error;
        ASSERT_TRUE(sim::SetProject(sim::GenerateProject({.senders = 2}), error, opened)) << error;
        EXPECT_EQ(std::tuple(GetRuntimeData()->GetOpenPrjRefresh(), GetRuntimeData()->GetTreeCurSelNodeType(),
                             GetRuntimeData()->GetTreeCurSelNodeIndex(), sim::IsProjectModified()),
                  opened ? std::tuple(1, int(TREE_NODE_ALL_SENDERS), -1, true)
                         : std::tuple(0, int(TREE_NODE_SENDER), 6, true));
    }
}

// Each member of the sample set to something a project cannot hold; receiver
// and view coordinates whose sums or differences would pass 32 bits are
// refused before any sum is formed. Truncated JSON and more senders than a
// project may hold are refused too.
TEST_F(ProjectFile, BadMembersAreRejectedWithTheirFault)
{
    const QJsonArray doubledLinks = At("backups").toArray() + At("backups/0");
    const QJsonValue undefined(QJsonValue::Undefined);
    const std::tuple<QString, QJsonValue, std::string> cases[] = {
        {"", QJsonArray{1, 2, 3}, "not an object"},
        {"format", "spreadsheet", "version 1"},
        {"version", 2, "version 1"},
        {"senders", "many", "\"senders\" has the wrong type"},
        {"senders/1/name", 5, "senders[1]: \"name\" has the wrong type"},
        {"senders/0/deviceType", 3.5, "not a whole 32-bit number"},
        {"monitor/receiver/voltage1Min", "five", "\"voltage1Min\" has the wrong type"},
        {"monitor/email/ssl", 2, "a flag is 0 or 1"},
        {"senders/2/ports/0/receivers", QJsonArray{QJsonArray{1, 2, 3}}, "not a list of 4 numbers"},
        {"monitor", undefined, "missing \"monitor\""},
        {"senders/4/fiberPorts", undefined, "missing \"fiberPorts\""},
        {"senders/3/id", At("senders/0/id"), "id used twice"},
        {"senders/6/id", At("groups/0/id"), "id used twice"},
        {"senders/0/view/relativePos", 8, "relative position out of range"},
        {"currentSender", 7, "current sender out of range"},
        {"monitor/receiver/temperatureThreshold", 150, "temperature threshold out of range"},
        {"senders/3/address", "10.0.0.300", "not an IPv4 address"},
        {"senders/3/group", "{nope}", "unknown group"},
        {"backups/0/backupPort", 24, "port out of range"},
        {"backups", doubledLinks, "a port belongs to two links"},
        {"senders/2/ports/0/receivers", QJsonArray{QJsonArray{0, 0, 0, 64}}, "width and height must be positive"},
        {"senders/2/ports/0/receivers", QJsonArray{QJsonArray{2147483000, 0, 1000, 64}},
         "receiver coordinate out of range"},
        {"senders/2/ports/0/receivers", QJsonArray{QJsonArray{999990, 0, 64, 64}}, "receiver coordinate out of range"},
        {"senders/0/view/area", QJsonArray{-2147483648.0, 0, 2147483647, 10}, "view coordinate out of range"},
    };
    for (const auto& [path, value, fault] : cases) {
        SCOPED_TRACE(path.toStdString() + " = "
                     + QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact).toStdString());
        ExpectRejected(SampleWith(path, value), fault);
    }
    const std::string text = sim::WriteProjectJson(sim::MakeSampleProject());
    ExpectRejected(text.substr(0, text.size() / 2), "not valid JSON");
    const std::string full = sim::WriteProjectJson(sim::GenerateProject({.senders = 255, .receiversPerPort = 1}));
    const QJsonObject root = QJsonDocument::fromJson(QByteArray::fromStdString(full)).object();
    const QJsonArray senders = root["senders"].toArray() + Put(root["senders"][0], {"id"}, "{extra}");
    ExpectRejected(QJsonDocument(Put(root, {"senders"}, senders).toObject()).toJson().toStdString(),
                   "more than 255 senders");
}

TEST_F(ProjectFile, WhatIsNoRegularFileIsRefusedWithoutWaitingOrFillingMemory)
{
    ASSERT_EQ(::mkfifo(Path("pipe.json").c_str(), 0600), 0);
    const std::pair<std::string, const char*> cases[] = {
        {Path("pipe.json"), "it is a"},        {"/dev/zero", "it is a"},
        {"/dev/urandom", "it is a"},           {Path(""), "it is a"},
        {Path("absent.json"), "No such file"},
    };
    for (const auto& [path, reason] : cases) {
        std::string error;
        EXPECT_FALSE(sim::LoadProjectFile(path, error)) << path;
        EXPECT_NE(error.find(path + ": cannot be read: " + reason), std::string::npos) << error;
    }
}

TEST_F(ProjectFile, ASaveThatRunsOutOfSpaceKeepsTheOldFileAndSaysWhy)
{
    const std::string path = Path("p.json");
    std::string error;
    Use(sim::GenerateProject({.senders = 1}));
    ASSERT_TRUE(sim::SaveProjectFile(path, error)) << error;
    const std::string before = Content(path);
    UseSample(); // many times larger
    {
        FileSizeLimit limit(before.size() * 2);
        EXPECT_FALSE(sim::SaveProjectFile(path, error));
    }
    EXPECT_NE(error.find("too large"), std::string::npos) << error;
    EXPECT_TRUE(sim::IsProjectModified()) << "not saved";
    EXPECT_EQ(Content(path), before);
}
