// SPDX-License-Identifier: GPL-3.0-or-later
#include "ionogram/case_code_file.h"

#include "ionogram/synthetic_ionogram.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace scalvo {
namespace {

class CaseCodeFileTest : public ::testing::Test {
  protected:
    void SetUp() override { testing::write_bytes(path, original); }

    testing::TempFolder folder;
    std::filesystem::path path = folder / "ZE20R_2026339074500.rdf";
    std::string original = testing::daytime_ionogram();
};

TEST_F(CaseCodeFileTest, StoredCodesGoToBytes60And61Only) {
    for (const char* code : {"01", "02", "3a", "3b", "3c", "4a", "4b", "4c", "05", "xx"}) {
        ASSERT_EQ(write_particular_case_code(path, case_of_code(code)), std::nullopt) << code;
        std::string expected = original;
        expected.replace(59, 2, code);
        EXPECT_EQ(testing::read_bytes(path), expected) << code;
    }
}

TEST_F(CaseCodeFileTest, OtherCodesWriteNothing) {
    for (const char* code : {"06", "  ", "XX", "3A", "", "0"}) {
        EXPECT_EQ(write_particular_case_code(path, case_of_code(code)), std::nullopt) << code;
        EXPECT_EQ(testing::read_bytes(path), original) << code;
    }
}

TEST(CaseCodes, EveryCaseHasItsCodeAndBack) {
    for (int k = 0; k <= static_cast<int>(ParticularCase::no_ionogram); ++k) {
        const auto particular_case = static_cast<ParticularCase>(k);
        EXPECT_EQ(code_of_case(particular_case).size(), 2u) << k;
        EXPECT_EQ(case_of_code(code_of_case(particular_case)), particular_case) << k;
    }
    EXPECT_EQ(code_of_case(ParticularCase::unknown), "");
    EXPECT_EQ(case_of_code("06"), ParticularCase::no_ionogram);
    for (const char* other : {"", "  ", "XX", "3A", "07", "xxx"})
        EXPECT_EQ(case_of_code(other), ParticularCase::unknown) << other;
}

TEST_F(CaseCodeFileTest, FailuresAreReportedAndNothingGrows) {
    const auto missing = write_particular_case_code(folder / "gone.rdf", ParticularCase::none);
    ASSERT_TRUE(missing.has_value());
    EXPECT_EQ(missing->action, "written");
    EXPECT_FALSE(std::filesystem::exists(folder / "gone.rdf"));

    testing::write_bytes(path, original.substr(0, 60));
    EXPECT_TRUE(write_particular_case_code(path, ParticularCase::partial_absorption).has_value());
    EXPECT_EQ(testing::read_bytes(path), original.substr(0, 60));
}

} // namespace
} // namespace scalvo
