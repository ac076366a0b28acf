// Runtime state, configuration and constant data.
#include "host/host_enums.h"
#include "host/vistrano_data.h"
#include "sim_fixture.h"

#include "platform/profile.h"
#include "platform/shell.h"

using RuntimeConfig = SimTest;

TEST_F(RuntimeConfig, EveryPrjModifyIsCounted)
{
    CProjectUndoRedo* undo = GetRuntimeData()->GetUndoRedoInfo();
    undo->PrjModify();
    undo->PrjModify();
    EXPECT_EQ(sim::GetModificationCount(), 2);
    EXPECT_TRUE(sim::IsProjectModified());
    EXPECT_EQ(sim::CountCalls("CProjectUndoRedo::PrjModify"), 2);
}

TEST_F(RuntimeConfig, DetectionIdentifiersAndTheSetIPList)
{
    UseSample();
    CRuntimeData* r = GetRuntimeData();
    EXPECT_EQ(r->GetSenderIDbyIndex(0), 0xC0A8000Au); // 192.168.0.10
    EXPECT_EQ(r->GetSenderIDbyIndexForNotSpecifyIP(0), 1u);
    EXPECT_EQ(r->GetSenderIDbyIndex(7), 0u);
    EXPECT_TRUE(r->GetSetIPArray().empty());

    sim::ConfigSettings c = sim::GetConfig();
    c.detectStrategy = DETECT_STRATEGY_SPECIFIED_IP;
    c.specifiedIPs = {0xC0A8000Cu, 0xC0A8000Au, 0x0A000001u};
    sim::SetConfig(c);
    EXPECT_EQ(r->GetSetIPArray(), (std::vector<uint32_t>{0xC0A8000Au, 0xC0A8000Cu})) << "in sender order";
    EXPECT_EQ(GetConfigData()->GetDetectStrategy(), DETECT_STRATEGY_SPECIFIED_IP);

    GetConfigData()->DeleteSpecifiedIPByIP(0xC0A8000Au);
    EXPECT_EQ(r->GetSetIPArray().size(), 2u) << "the list follows the configuration on UpdateIPArray";
    r->UpdateIPArray();
    EXPECT_EQ(r->GetSetIPArray(), (std::vector<uint32_t>{0xC0A8000Cu}));

    sim::ProjectModel p = sim::GetProject();
    p.senders[2].address.clear();
    std::string error;
    ASSERT_TRUE(sim::SetProject(p, error));
    EXPECT_EQ(r->GetSenderIDbyIndex(2), 3u) << "without an address: the position in the chain";
}

TEST_F(RuntimeConfig, SpecifiedAddressesAreSavedInTheConfigurationFolder)
{
    sim::ConfigSettings c;
    c.specifiedIPs = {0xC0A8000Au, 0x0A000002u};
    sim::SetConfig(c);
    GetConfigData()->SpecifiedIPsSave();
    const std::string file = Path("SpecifiedIP.ini");
    EXPECT_EQ(plat::GetProfileInt(file, "SpecifiedIP", "Count", -1), 2);
    EXPECT_EQ(plat::GetProfileString(file, "SpecifiedIP", "IP1", "", 64), "10.0.0.2");
    EXPECT_EQ(sim::GetSpecifiedIPsSaveCount(), 1);
}

TEST_F(RuntimeConfig, ConstantDataPaths)
{
    EXPECT_EQ(GetConstantData()->GetBKImagePath(), Path("BKImage/"));
    EXPECT_EQ(GetConstantData()->GetSenderBKImgName(0), "Sender1_BK.png");
    EXPECT_NE(GetConstantData()->GetSenderBKImgName(1), GetConstantData()->GetSenderBKImgName(2));
}

TEST_F(RuntimeConfig, TreeIconsAreImagesThatExist)
{
    CRuntimeData* r = GetRuntimeData();
    const std::vector<std::string> icons
        = {r->GetItemImage(TREE_NODE_ALL_SENDERS, 0, 0, 0), r->GetItemImage(TREE_NODE_GROUP, 0, 0, 0),
           r->GetItemImage(TREE_NODE_SENDER, 1, 0, 0),      r->GetItemImage(TREE_NODE_SENDER, 0, 0, 0),
           r->GetItemImage(TREE_NODE_SENDER, 1, 0, 1),      r->GetItemImage(TREE_NODE_PORT, 0x11, 0, 0),
           r->GetItemImage(TREE_NODE_PORT, 0, 0, 0),        r->GetItemImage(TREE_NODE_PORT, 1, 0, 0x11)};
    for (const std::string& icon : icons)
        EXPECT_TRUE(plat::FileExists(icon)) << icon;
    EXPECT_NE(icons[2], icons[3]);
    EXPECT_NE(icons[2], icons[4]);
    EXPECT_NE(icons[5], icons[6]);
    EXPECT_NE(icons[5], icons[7]);
}
