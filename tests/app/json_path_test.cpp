// Paths into the dump: members, indices, filters and counts, and the
// comparison with expected values.
#include "json_path.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <tuple>

namespace {

QJsonObject Sample()
{
    return QJsonDocument::fromJson(R"({
        "host": {"pages": [{"name": "Monitor", "shown": true}, {"name": "Summary", "shown": false}],
                 "notifications": [{"mask": 16384}, {"mask": -1}, {"mask": 16384}]},
        "calls": [{"operation": "CSender::GetPort", "arguments": "0"},
                  {"operation": "GetLanguageString", "arguments": "\"Open\", \"Common\""},
                  {"operation": "CSender::GetPort", "arguments": "1"}],
        "monitoring": false, "empty": null, "ratio": 1.5
    })")
        .object();
}

QJsonValue At(const std::string& path)
{
    QJsonValue value;
    std::string error;
    EXPECT_TRUE(app::EvalJsonPath(Sample(), path, value, error)) << error;
    return value;
}

std::string Miss(const std::string& path)
{
    QJsonValue value;
    std::string error;
    EXPECT_FALSE(app::EvalJsonPath(Sample(), path, value, error)) << path;
    return error;
}

app::SExpectValue Want(const std::string& word, bool quoted = false) { return app::ExpectValueOf({word, quoted}); }

TEST(JsonPath, MembersIndicesFiltersAndCounts)
{
    EXPECT_EQ(At("host.pages[1].name").toString(), "Summary");
    EXPECT_EQ(At("host.pages[-1].name").toString(), "Summary");
    EXPECT_EQ(At("host.pages.#").toInt(), 2);
    EXPECT_EQ(At("host.#").toInt(), 2);
    EXPECT_TRUE(At("host.pages[0].shown").toBool());
    EXPECT_EQ(At("ratio").toDouble(), 1.5);
    EXPECT_EQ(At("calls[operation=CSender::GetPort].#").toInt(), 2);
    EXPECT_EQ(At("calls[operation=CSender::GetPort][1].arguments").toString(), "1");
    EXPECT_EQ(At("host.notifications[mask=0x4000].#").toInt(), 2);
    EXPECT_EQ(At("host.notifications[mask=-1].#").toInt(), 1);
    EXPECT_EQ(At("calls[operation=Nothing].#").toInt(), 0);
}

TEST(JsonPath, MissingStepsAreNamed)
{
    EXPECT_EQ(Miss("host.page"), "\"host\" has no member \"page\"");
    EXPECT_EQ(Miss("host.pages[2]"), "\"host.pages\" has 2 element(s), no [2]");
    EXPECT_EQ(Miss("monitoring.x"), "\"monitoring\" is not an object, so it has no member \"x\"");
    EXPECT_EQ(Miss("host[0]"), "\"host\" is not an array");
    EXPECT_EQ(Miss("host.pages[first]"), "\"[first]\" is neither an index nor a filter key=value");
    EXPECT_EQ(Miss("host.pages[0"), "unclosed [ in \"host.pages[0\"");
    EXPECT_EQ(Miss("ratio.#"), "\"ratio\" is neither an array nor an object, so it has no count");
}

TEST(JsonPath, ValuesCompareByKindAndShowInMessages)
{
    const std::tuple<QJsonValue, const char*, bool, bool> cases[] = {
        {16384, "0x4000", false, true}, {-1, "0xFFFFFFFF", false, true},         {"16384", "16384", false, false},
        {"16384", "16384", true, true}, {16384, "16384", true, false},           {false, "false", false, true},
        {0, "false", false, false},     {QJsonValue::Null, "null", false, true}, {"Monitor", "Monitor", false, true}};
    for (const auto& [value, word, quoted, equal] : cases)
        EXPECT_EQ(app::JsonEquals(value, Want(word, quoted)), equal) << word << (quoted ? " quoted" : "");
    EXPECT_EQ(std::tuple(app::JsonText(QJsonValue("a")), app::JsonText(QJsonValue(3)), app::JsonText(QJsonArray{1, 2})),
              std::tuple("\"a\"", "3", "[1,2]"));
    EXPECT_EQ(app::JsonText(QJsonValue(QString(400, 'x'))).size(), 303u);
    EXPECT_EQ(std::tuple(app::ExpectText(Want("x", true)), app::ExpectText(Want("0x10"))), std::tuple("\"x\"", "0x10"));
}

} // namespace
