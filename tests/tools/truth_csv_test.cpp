// SPDX-License-Identifier: GPL-3.0-or-later
#include "truth_csv.h"

#include <gtest/gtest.h>

using namespace synth;

TEST(TruthCsv, HeaderNamesTheColumns) {
    EXPECT_EQ(truth_csv_header(),
              "time,file,fmin,foE,hE,foEs,hEs,fbEs,hF,foF1,hF2,foF2,fxI,MUF3000F2\r\n");
}

TEST(TruthCsv, EmptyFieldsWhereACharacteristicDoesNotExist) {
    GroundTruth night;
    night.fmin = 1.3;
    night.hF = 245.04;
    night.foF2 = 3.876;
    night.fxI = 4.376;
    night.muf3000F2 = 11.6049;
    EXPECT_EQ(truth_csv_line(2 * 60 + 15, FileState::missing, night),
              "02:15,missing,1.30,,,,,,245.0,,,3.88,4.38,11.60\r\n");
}

TEST(TruthCsv, EveryFieldInItsColumn) {
    GroundTruth day;
    day.fmin = 2.0;
    day.foE = 3.456;
    day.hE = 101.26;
    day.foEs = 4.5;
    day.hEs = 104.0;
    day.fbEs = 2.0;
    day.hF = 195.0;
    day.foF1 = 5.2;
    day.hF2 = 280.0;
    day.foF2 = 9.0;
    day.fxI = 9.5;
    day.muf3000F2 = 30.5;
    EXPECT_EQ(truth_csv_line(600, FileState::written, day),
              "10:00,written,2.00,3.46,101.3,4.50,104.0,2.00,195.0,5.20,280.0,9.00,9.50,30.50\r\n");
    EXPECT_EQ(truth_csv_line(615, FileState::broken, day).substr(0, 13), "10:15,broken,");
}
