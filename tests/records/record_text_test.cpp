// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/record_file.h"
#include "records/sheet_record.h"

#include "support/scaling_fixture.h"

#include <gtest/gtest.h>

namespace scalvo {
namespace {

class RecordTextTest : public testing::ScalingTest {};

TEST_F(RecordTextTest, EveryBoxReadsBackWhatTheSheetStored) {
    const testing::BoxTexts stored{
        {value_box(Row::fmin), "15"},       {qualifying_box(Row::fmin), "E"},
        {descriptive_box(Row::fmin), "S"},  {value_box(Row::foE), "305"},
        {value_box(Row::es_types), "L1H2"}, {value_box(Row::hF), "250"},
        {descriptive_box(Row::foF1), "L"},  {value_box(Row::foF2), "72"},
        {qualifying_box(Row::foF2), "U"},   {descriptive_box(Row::foF2), "A"},
        {value_box(Row::M3000F2), "1000"},  {descriptive_box(Row::M3000F1), "L"},
        {value_box(Row::MUF3000F2), "253"}, {value_box(Row::hEs), "105"},
    };
    fill(stored);
    shared.sounding_hour = 7;
    shared.sounding_minute = 45;
    compose_sheet_record(scaling);
    for (const Box box : sheet_boxes) {
        const auto found = stored.find(box);
        const std::string expected =
            found == stored.end() || box.field == Field::previous ? "" : found->second;
        EXPECT_EQ(record_text(form.current_record, box), expected) << box;
    }
}

TEST_F(RecordTextTest, ABlankRecordHoldsNothing) {
    for (const Box box : sheet_boxes)
        EXPECT_EQ(record_text(blank_record(), box), "") << box;
}

TEST_F(RecordTextTest, TheEsTypesRowHasNoLetters) {
    form.set_text(value_box(Row::es_types), "F1");
    form.set_text(value_box(Row::fbEs), "35");
    compose_sheet_record(scaling);
    EXPECT_EQ(record_text(form.current_record, qualifying_box(Row::es_types)), "");
    EXPECT_EQ(record_text(form.current_record, descriptive_box(Row::es_types)), "");
    EXPECT_EQ(record_text(form.current_record, value_box(Row::es_types)), "F1");
}

} // namespace
} // namespace scalvo
