// The recording canvas keeps each call as data.
#include "platform/canvas.h"
#include "platform/native_qt.h"
#include "text_lines.h"
#include "utf8.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(RecordingCanvas, KeepsImagesWithPathTurnsAndMarginsPensTextAndState)
{
    const auto frame = plat::ImageFromNative(QImage(10, 10, QImage::Format_ARGB32), "Monitor/PortFrame/Warning.png");
    RecordingCanvas dc;
    dc.DrawImageNinePart(*frame, CRect(5, 6, 50, 60), Margins{5, 5, 5, 5}, 1);
    dc.DrawImage(*frame, CRect(0, 0, 10, 20), 3);
    dc.DrawImageAt(*frame, CPoint(7, 8));
    ASSERT_EQ(dc.Ops().size(), 3u);
    const DrawOp& nine = dc.Ops()[0];
    EXPECT_EQ(std::tuple(nine.kind, nine.image, nine.quarterTurns, nine.margins, nine.rect),
              std::tuple(DrawOp::Kind::ImageNinePart, "Monitor/PortFrame/Warning.png", 1, Margins{5, 5, 5, 5},
                         CRect(5, 6, 50, 60)));
    EXPECT_EQ(dc.Ops()[1].quarterTurns, 3);
    EXPECT_EQ(dc.Ops()[2].rect, CRect(7, 8, 17, 18)) << "drawn at its own size";
    dc.Clear();
    const Pen dashed{RGBColor(90, 90, 90, 200), 1, {3, 2}};
    dc.DrawRect(CRect(1, 2, 3, 4), dashed);
    dc.Save();
    dc.SetClipRect(CRect(0, 0, 9, 9));
    dc.DrawText("12", CRect(0, 0, 40, 20), Font{"Sans", 11, true}, RGBColor(0, 0, 0), AlignCenter);
    dc.Restore();
    Surface surface(30, 20);
    dc.DrawSurface(surface, CPoint(4, 5));
    ASSERT_EQ(dc.Ops().size(), 6u);
    EXPECT_EQ(std::tuple(dc.Ops()[0].pen, dc.Ops()[1].kind, dc.Ops()[2].rect),
              std::tuple(dashed, DrawOp::Kind::Save, CRect(0, 0, 9, 9)));
    EXPECT_EQ(std::tuple(dc.Ops()[3].text, dc.Ops()[3].font, dc.Ops()[3].align),
              std::tuple("12", Font{"Sans", 11, true}, unsigned(AlignCenter)));
    EXPECT_EQ(std::pair(dc.Ops()[4].kind, dc.Ops()[5].rect), std::pair(DrawOp::Kind::Restore, CRect(4, 5, 34, 25)));
    dc.Clear();
    EXPECT_TRUE(dc.Ops().empty());
}

TEST(RecordingCanvas, MeasuresTextByAFixedRuleSplittingAtEveryKindOfLineBreak)
{
    RecordingCanvas dc;
    EXPECT_EQ(dc.MeasureText("abc", Font{"", 10, false}), CSize(18, 10));
    EXPECT_EQ(dc.MeasureText("\xC3\xA9t\xC3\xA9", Font{"", 10, false}), CSize(18, 10)) << "characters, not bytes";
    EXPECT_EQ(dc.MeasureText("abcd\r\nx", Font{"", 15, false}), CSize(36, 30)) << "longest line; one height per line";
    EXPECT_EQ(dc.MeasureText("", Font{"", 12, false}), CSize(0, 12));
    dc.DrawTextAt("ab", CPoint(3, 4), Font{"", 10, false}, RGBColor(1, 2, 3));
    EXPECT_EQ(dc.Ops().back().rect, CRect(3, 4, 15, 14));
    using plat::detail::SplitLines;
    EXPECT_EQ(SplitLines("a\nb\r\nc\rd"), (std::vector<std::string_view>{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines(""), (std::vector<std::string_view>{""}));
    EXPECT_EQ(SplitLines("x\n"), (std::vector<std::string_view>{"x", ""}));
    EXPECT_EQ(plat::detail::CountCharacters("\xE4\xB8\xAD\xE6\x96\x87"), 2u);
}
