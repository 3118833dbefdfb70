#include "reader/logic/ReaderLayout.h"
#include "tests/support/RectChecks.h"

#include <gtest/gtest.h>

namespace {

// A window of the main window's shape: the calendar column at the left, the title over the verse
// box, and a band below of a group, the settings panel and a button at the right edge.
const Rect calendar{10, 50, 190, 200}, exitButton{10, 210, 190, 230}, title{200, 10, 690, 40}, text{200, 50, 690, 300},
    group{10, 310, 190, 380}, panel{200, 310, 500, 380}, button{520, 310, 690, 330};
const ReaderTemplate layout{700, 400, text, 300, 90, {calendar, exitButton, title, text, group, panel, button}};
constexpr std::size_t bandFrom = 4;

} // namespace

TEST(ReaderLayout, AtTheTemplatesSizeEveryControlIsWhereTheTemplatePutsIt) {
    EXPECT_EQ(LayOutReader(layout, 700, 400, true), layout.controls);
    const std::vector<Rect> compact = LayOutReader(layout, 700, 310, false);
    EXPECT_EQ(std::vector<Rect>(compact.begin(), compact.begin() + bandFrom),
              std::vector<Rect>(layout.controls.begin(), layout.controls.begin() + bandFrom));
}

// At any size from the template's up, with the band or without it: the visible controls lie in
// the client area and apart (the group as the template has it), the calendar column stays, the
// title spans the verse box, which keeps the template's margins, and the band keeps its shape below it.
TEST(ReaderLayout, HoldsAtEverySize) {
    for (const bool band : {false, true})
        for (int width = 700; width <= 2600; width += 137)
            for (int height = band ? 400 : 310; height <= 1600; height += 91) {
                SCOPED_TRACE(testing::Message() << width << "x" << height << (band ? " with band" : ""));
                const std::vector<Rect> placed = LayOutReader(layout, width, height, band);
                ASSERT_EQ(placed.size(), layout.controls.size());
                const std::size_t visible = band ? placed.size() : bandFrom;
                for (std::size_t i = 0; i < visible; ++i) {
                    EXPECT_TRUE(Inside(placed[i], {0, 0, width, height})) << i;
                    for (std::size_t j = i + 1; j < visible; ++j)
                        EXPECT_FALSE(Overlap(placed[i], placed[j])) << i << " and " << j;
                }
                EXPECT_EQ(placed[0], calendar);
                EXPECT_EQ(placed[1], exitButton);
                const Rect& grown = placed[3];
                EXPECT_EQ(width - grown.right, 10);
                EXPECT_EQ(height - grown.bottom, band ? 100 : 10);
                EXPECT_EQ(placed[2].left, grown.left);
                EXPECT_EQ(placed[2].right, grown.right);
                EXPECT_EQ(placed[4].top - grown.bottom, group.top - text.bottom);
                EXPECT_EQ(placed[4].left, group.left);
                EXPECT_EQ(placed[6].right, grown.right) << "the right-hand button keeps to the verse box's edge";
                EXPECT_EQ(placed[5].left, panel.left);
            }
}

TEST(ReaderLayout, AScaledTemplateLaysOutAsTheTemplateScaled) {
    const ReaderTemplate larger = ScaledTemplate(layout, 96, 144);
    EXPECT_EQ(larger.width, 1050);
    EXPECT_EQ(larger.text, (Rect{300, 75, 1035, 450}));
    EXPECT_EQ(LayOutReader(larger, 1050, 600, true), larger.controls);
    EXPECT_EQ(LayOutReader(larger, 1200, 700, true)[3], (Rect{300, 75, 1185, 550}));
}
