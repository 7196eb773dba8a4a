// SPDX-License-Identifier: GPL-3.0-or-later
#include "monthly/station.h"

#include <gtest/gtest.h>

namespace scalvo {
namespace {

using Keys = std::map<std::string, std::string>;

Keys complete() {
    return {{"name", "Roma"},      {"ursi_code", "RO041"},  {"latitude", "41.8"},
            {"longitude", "12.5"}, {"meridian_time", "15"}, {"ionosonde", "DORVIK"},
            {"scaling", "manual"}, {"editing", "Edited"}};
}

TEST(Station, EveryKeyRightGivesTheStation) {
    const StationReading r = check_station(complete());
    ASSERT_TRUE(r.station) << station_complaint(r);
    EXPECT_EQ(r.station->name, "Roma");
    EXPECT_EQ(r.station->ursi_code, "RO041");
    EXPECT_DOUBLE_EQ(r.station->latitude, 41.8);
    EXPECT_DOUBLE_EQ(r.station->longitude, 12.5);
    EXPECT_EQ(r.station->meridian_time, 15);
    EXPECT_EQ(r.station->scaling, "Manual");
    EXPECT_EQ(r.station->editing, "Edited");
    EXPECT_EQ(r.title, "Roma (RO041)");
    EXPECT_EQ(station_complaint(r), "");
}

TEST(Station, WithoutAFileEveryKeyIsNamed) {
    const StationReading r = check_station(std::nullopt);
    EXPECT_FALSE(r.station);
    EXPECT_EQ(r.missing, station_keys());
    EXPECT_EQ(station_complaint(r),
              "there is no station.ini: the keys name, ursi_code, latitude, longitude, "
              "meridian_time, ionosonde, scaling, editing are missing; the exchange file needs "
              "them and is not written");
}

TEST(Station, NamesTheKeysMissingOrWrong) {
    const struct {
        const char* key;
        const char* value; // nullptr: the key is taken out
        const char* named;
    } cases[] = {
        {"name", nullptr, "lacks the keys name"},
        {"ionosonde", "   ", "lacks the keys ionosonde"},
        {"name", "A station name longer than thirty", "name: "},
        {"name", "Zürich", "name: "},
        {"ursi_code", "RO04", "ursi_code: RO04 is not five"},
        {"ursi_code", "RO-41", "ursi_code: RO-41 is not five"},
        {"latitude", "91", "latitude: 91 is not a number from -90 to 90"},
        {"latitude", "41,8", "latitude: 41,8 is not a number"},
        {"longitude", "-181", "longitude: -181"},
        {"meridian_time", "15.5", "meridian_time: is not a whole number"},
        {"scaling", "by hand", "scaling: by hand is none of MANUAL, AUTOMATIC"},
        {"editing", "yes", "editing: yes is none of EDITED, NON-EDITED, MIXED"},
    };
    for (const auto& c : cases) {
        Keys keys = complete();
        if (c.value)
            keys[c.key] = c.value;
        else
            keys.erase(c.key);
        const StationReading r = check_station(keys);
        EXPECT_FALSE(r.station) << c.key;
        EXPECT_NE(station_complaint(r).find(c.named), std::string::npos)
            << c.key << ": " << station_complaint(r);
    }
}

TEST(Station, AWesternLongitudeIsTurnedEast) {
    Keys keys = complete();
    keys["longitude"] = "-105.3";
    keys["meridian_time"] = "-105";
    const StationReading r = check_station(keys);
    ASSERT_TRUE(r.station);
    EXPECT_NEAR(r.station->longitude, 254.7, 1e-9);
    EXPECT_EQ(r.station->meridian_time, -105);
}

TEST(Station, TheTitleTakesWhatThereIs) {
    EXPECT_EQ(check_station(Keys{{"name", "Roma"}}).title, "Roma");
    EXPECT_EQ(check_station(Keys{{"ursi_code", "RO041"}}).title, "RO041");
    EXPECT_EQ(check_station(Keys{}).title, "");
}

} // namespace
} // namespace scalvo
