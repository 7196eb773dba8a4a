// SPDX-License-Identifier: GPL-3.0-or-later
#include "monthly_qt/station_file.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace scalvo {
namespace {

TEST(StationFile, TheKeysOfTheStationGroup) {
    testing::TempFolder folder;
    testing::write_bytes(folder / "station.ini", "; the station\r\n"
                                                 "[station]\r\n"
                                                 "name=Roma, Monte Porzio\r\n"
                                                 "ursi_code=RO041\r\n"
                                                 "latitude = 41.8\r\n"
                                                 "ionosonde=\"DORVIK, 2\"\r\n"
                                                 "unknown=ignored\r\n"
                                                 "[other]\r\n"
                                                 "longitude=12.5\r\n");
    const auto keys = read_station_keys(folder.path());
    ASSERT_TRUE(keys);
    EXPECT_EQ(*keys, (std::map<std::string, std::string>{{"name", "Roma, Monte Porzio"},
                                                         {"ursi_code", "RO041"},
                                                         {"latitude", "41.8"},
                                                         {"ionosonde", "DORVIK, 2"}}));
    const StationReading reading = read_station_file(folder.path());
    EXPECT_EQ(reading.missing,
              (std::vector<std::string>{"longitude", "meridian_time", "scaling", "editing"}));
    EXPECT_EQ(reading.title, "Roma, Monte Porzio (RO041)");
}

TEST(StationFile, NoFileIsNoKeysAtAll) {
    testing::TempFolder folder;
    EXPECT_FALSE(read_station_keys(folder.path()));
    std::filesystem::create_directory(folder / "station.ini");
    EXPECT_FALSE(read_station_keys(folder.path())); // a folder of that name is no station file
}

} // namespace
} // namespace scalvo
