// Runtime state, configuration, constant data, the view start point, and
// the common kit's stopwatch.
#include "host/commonkit.h"
#include "host/host_enums.h"
#include "host/vistrano_data.h"
#include "sim_fixture.h"

#include "platform/profile.h"
#include "platform/shell.h"

#include <tuple>

using RuntimeConfig = SimTest;

TEST_F(RuntimeConfig, DetectionIdentifiersAndTheSetIPList)
{
    UseSample();
    CRuntimeData* r = GetRuntimeData();
    EXPECT_EQ(std::tuple(r->GetSenderIDbyIndex(0), r->GetSenderIDbyIndexForNotSpecifyIP(0), r->GetSenderIDbyIndex(7)),
              std::tuple(0xC0A8000Au, 1u, 0u)); // 192.168.0.10
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
    Use(p);
    EXPECT_EQ(r->GetSenderIDbyIndex(2), 3u) << "without an address: the position in the chain";
}

TEST_F(RuntimeConfig, SpecifiedAddressesAndImagesLiveInTheConfigurationFolder)
{
    sim::ConfigSettings c;
    c.specifiedIPs = {0xC0A8000Au, 0x0A000002u};
    sim::SetConfig(c);
    GetConfigData()->SpecifiedIPsSave();
    const std::string file = Path("SpecifiedIP.ini");
    EXPECT_EQ(std::tuple(plat::GetProfileInt(file, "SpecifiedIP", "Count", -1),
                         plat::GetProfileString(file, "SpecifiedIP", "IP1", "", 64), sim::GetSpecifiedIPsSaveCount()),
              std::tuple(2, "10.0.0.2", 1));
    CConstantData* k = GetConstantData();
    EXPECT_EQ(std::tuple(k->GetBKImagePath(), k->GetSenderBKImgName(0)),
              std::tuple(Path("BKImage/"), "Sender1_BK.png"));
    EXPECT_NE(k->GetSenderBKImgName(1), k->GetSenderBKImgName(2));
}

TEST_F(RuntimeConfig, TreeIconsAreImagesThatExist)
{
    const auto icon = [](int node, int a, int b) { return GetRuntimeData()->GetItemImage(node, a, 0, b); };
    const std::string icons[]
        = {icon(TREE_NODE_ALL_SENDERS, 0, 0), icon(TREE_NODE_GROUP, 0, 0),  icon(TREE_NODE_SENDER, 1, 0),
           icon(TREE_NODE_SENDER, 0, 0),      icon(TREE_NODE_SENDER, 1, 1), icon(TREE_NODE_PORT, 0x11, 0),
           icon(TREE_NODE_PORT, 0, 0),        icon(TREE_NODE_PORT, 1, 0x11)};
    for (const std::string& path : icons)
        EXPECT_TRUE(plat::FileExists(path)) << path;
    for (const auto& [a, b] : {std::pair{2, 3}, {2, 4}, {5, 6}, {5, 7}})
        EXPECT_NE(icons[a], icons[b]) << a << " and " << b;
}

// From a start set without clamping, in an 800 x 600 client: clamped, the
// start stays within the content less the visible part (which a scaling
// widens) and content that fits pins it to the origin; unclamped it stays
// within the extent. A request that ends where the start is, is no change.
TEST_F(RuntimeConfig, TheViewStartIsClampedToTheContent)
{
    CDesignBackground* view = GetRuntimeData()->GetDesignBackground();
    struct Case {
        CPoint from, request;
        int clamp;
        CSize extent;
        double scaling;
        CPoint start;
        int changed;
    };
    const Case cases[] = {
        {{0, 0}, {5000, 5000}, 1, {2000, 1000}, 1.0, {1200, 400}, 1},
        {{1200, 400}, {-30, 100}, 1, {2000, 1000}, 1.0, {0, 100}, 1},
        {{300, 300}, {300, 300}, 1, {500, 500}, 1.0, {0, 0}, 1},
        {{0, 0}, {5000, 5000}, 1, {2000, 1000}, 2.0, {1600, 700}, 1},
        {{0, 0}, {1900, 1070}, 0, {1920, 1080}, 1.0, {1900, 1070}, 1},
        {{0, 0}, {5000, -5}, 0, {1920, 1080}, 1.0, {1920, 0}, 1},
        {{0, 0}, {0, 0}, 1, {1920, 1080}, 1.0, {0, 0}, 0},
        {{1120, 0}, {9999, 0}, 1, {1920, 1080}, 1.0, {1120, 0}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.request.x << "," << c.request.y << " at " << c.scaling);
        sim::ResetWorld();
        view->SetClientRect(10, CRect(0, 0, 800, 600));
        view->SetViewScaling(c.scaling, CPoint(-1, -1));
        view->SetViewStartPt(c.from, 0, CSize(1920, 1080));
        EXPECT_EQ(view->SetViewStartPt(c.request, c.clamp, c.extent), c.changed);
        EXPECT_EQ(view->GetViewStartPt(), c.start);
    }
    view->SetViewScaling(2.0, CPoint(-1, -1));
    view->SetViewScaling(0.0, CPoint(-1, -1));
    EXPECT_EQ(view->GetViewScaling(), 2.0) << "a scaling that is not positive is refused";
    // Scaling around an anchor keeps the design point under it: (300, 200) here.
    sim::ResetWorld();
    view->SetViewStartPt(CPoint(100, 100), 0, CSize(1920, 1080));
    view->SetViewScaling(2.0, CPoint(200, 100));
    EXPECT_EQ(view->GetViewStartPt(), CPoint(200, 150));
}

TEST(MicrosecondTimer, CountsMicrosecondsFromItsStart)
{
    MicrosecondTimer t;
    const int64_t first = t.GetCurTime();
    int64_t run = first;
    for (int i = 0; i < 100000000 && run < 2000; ++i)
        run = t.GetCurTime();
    EXPECT_GE(first, 0);
    ASSERT_GE(run, 2000) << "the stopwatch follows the clock";
    EXPECT_LT(run, 10'000'000) << "microseconds, not nanoseconds";
    t.start();
    EXPECT_LT(t.GetCurTime(), run);
}
