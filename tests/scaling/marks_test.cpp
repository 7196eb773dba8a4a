// SPDX-License-Identifier: GPL-3.0-or-later
// The marks over the plot: where the proposals were read, and the previous sounding's values at
// their places, with a large change of foF2 told apart.
#include "scaling/marks.h"

#include "support/scaling_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace scalvo {
namespace {

class MarksTest : public testing::ScalingTest {
  protected:
    void previous(const testing::BoxTexts& texts) {
        for (const Row row : all_rows)
            form.set_text(previous_box(row), "");
        fill(texts);
    }
    std::vector<PlotMark> named(const std::string& name) {
        std::vector<PlotMark> found;
        for (const PlotMark& mark : previous_sounding_marks(form))
            if (mark.name.rfind(name, 0) == 0)
                found.push_back(mark);
        return found;
    }
};

TEST_F(MarksTest, ACrossAtEveryProposedPoint) {
    form.proposals[index_of(Row::hF)] = ProposedPoint{120, 140};
    form.proposals[index_of(Row::foF2)] = ProposedPoint{200, 200};
    form.proposals[index_of(Row::MUF3000F2)] = ProposedPoint{250, 210};
    const std::vector<PlotMark> expected{
        {MarkKind::proposal, MarkShape::cross, 120, 140, 0, "h'F"},
        {MarkKind::proposal, MarkShape::cross, 200, 200, 0, "foF2"},
        {MarkKind::proposal, MarkShape::cross, 250, 210, 0, "MUF(3000)F2"}};
    EXPECT_EQ(proposal_marks(form), expected);
    // Without foF2 the MUF(3000)F2 the reading gave is no proposal.
    form.proposals[index_of(Row::foF2)].reset();
    EXPECT_EQ(proposal_marks(form).size(), 1u);
}

// A reading that is no proposal has no cross either.
TEST_F(MarksTest, NoCrossWhereNothingIsProposed) {
    form.proposals[index_of(Row::hF)] = ProposedPoint{160, 138, true}; // 241 km
    form.set_text(previous_box(Row::hF), "200");
    EXPECT_TRUE(proposal_marks(form).empty());
    form.set_text(previous_box(Row::hF), "240");
    EXPECT_EQ(proposal_marks(form).size(), 1u);
}

// The hidden boxes hold value and letters joined. A frequency stands as a tick over its
// layer's heights, from the previous h'F, h'E or h'Es (or a usual height without one).
TEST_F(MarksTest, PreviousValuesStandAtTheirPlaces) {
    using enum MarkShape;
    const struct {
        const char* name;
        testing::BoxTexts boxes;
        std::vector<PlotMark> expected;
    } cases[] = {
        {"foF2 over h'F",
         {{previous_box(Row::foF2), "72JX"}, {previous_box(Row::hF), "250"}},
         {{MarkKind::previous, vertical, 252, 200, 120, "foF2"},
          {MarkKind::previous, horizontal, 4, 146, 40, "h'F"}}},
        {"foF2 alone",
         {{previous_box(Row::foF2), "72"}},
         {{MarkKind::previous, vertical, 252, 182, 120, "foF2"}}},
        {"foE over h'E, h'F from foE",
         {{previous_box(Row::foE), "350"},
          {previous_box(Row::hE), "105"},
          {previous_box(Row::hF), "250"}},
         {{MarkKind::previous, vertical, 104, 17, 40, "foE"},
          {MarkKind::previous, horizontal, 104, 146, 40, "h'F"}}},
        {"h'F from fmin by night",
         {{previous_box(Row::fmin), "15ES"}, {previous_box(Row::hF), "250"}},
         {{MarkKind::previous, horizontal, 24, 146, 40, "h'F"}}},
        {"a sporadic E read with its height",
         {{previous_box(Row::foEs), "45"}, {previous_box(Row::hEs), "110"}},
         {{MarkKind::previous, vertical, 144, 13, 24, "foEs"}}},
        {"foEs a particular case wrote", {{previous_box(Row::foEs), "29EG"}}, {}},
        {"letters only", {{previous_box(Row::foF2), "C"}, {previous_box(Row::hF), "A"}}, {}},
        {"nothing", {}, {}},
    };
    for (const auto& c : cases) {
        previous(c.boxes);
        EXPECT_EQ(previous_sounding_marks(form), c.expected) << c.name;
    }
}

// A change of more than 1 MHz, against the operator's foF2 or else the proposed one.
TEST_F(MarksTest, ALargeChangeOfFoF2StandsOut) {
    const struct {
        const char* foF2_box;
        int proposed_x; // 0: none
        MarkKind kind;
        const char* name;
    } cases[] = {
        {"82", 0, MarkKind::previous, "foF2"},       {"83", 0, MarkKind::changed, "foF2 +1.1"},
        {"62", 0, MarkKind::previous, "foF2"},       {"61", 0, MarkKind::changed, "foF2 -1.1"},
        {"", 304, MarkKind::changed, "foF2 +1.3"},   {"", 0, MarkKind::previous, "foF2"},
        {"90", 260, MarkKind::changed, "foF2 +1.8"}, {"120", 0, MarkKind::changed, "foF2 +4.8"},
    };
    for (const auto& c : cases) {
        previous({{previous_box(Row::foF2), "72"}});
        form.set_text(value_box(Row::foF2), c.foF2_box);
        form.proposals = {};
        if (c.proposed_x)
            form.proposals[index_of(Row::foF2)] = ProposedPoint{c.proposed_x, 300};
        const auto marks = named("foF2");
        ASSERT_EQ(marks.size(), 1u) << c.foF2_box << c.proposed_x;
        EXPECT_EQ(marks[0].kind, c.kind) << c.foF2_box << c.proposed_x;
        EXPECT_EQ(marks[0].name, c.name) << c.foF2_box << c.proposed_x;
    }
}

// The picture uses black, greys, yellow, its blue and the curve's red; the marks none of them.
TEST(MarkColours, NoneThePictureUses) {
    for (const MarkKind kind : {MarkKind::proposal, MarkKind::previous, MarkKind::changed}) {
        const Rgb c = colour_of(kind);
        EXPECT_FALSE(c.r == c.g && c.g == c.b);
        for (const Rgb used : {Rgb{255, 255, 0}, Rgb{0, 0, 192}, Rgb{200, 0, 0}})
            EXPECT_NE(c, used);
    }
    EXPECT_NE(colour_of(MarkKind::proposal), colour_of(MarkKind::previous));
    EXPECT_NE(colour_of(MarkKind::previous), colour_of(MarkKind::changed));
}

} // namespace
} // namespace scalvo
