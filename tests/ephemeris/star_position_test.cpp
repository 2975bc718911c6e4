// The star tables, the catalogue records and the apparent places of the 58
// navigational stars.
// Expected values: the catalogue records as listed, the worked places and
// sidereal times, unless a case names another source.
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "ephemeris/ephemeris.h"
#include "ephemeris/sidereal_time.h"
#include "ephemeris/star_catalogue.h"

namespace {

using ephemeris::FillStarTable;
using ephemeris::kStarCatalogue;
using ephemeris::kStarCount;
using ephemeris::readStarRecord;
using ephemeris::StarPosition;
using ephemeris::StarRecordFields;
using ephemeris::StarTables;

struct Field {
    const char* Text;
    double Value;
};

struct StarRow {
    int Number;
    const char* Name;
    std::size_t Length;
    double Magnitude;
    Field Ra, Dec, PmRa, PmDec, Parallax;
};

// StarNumber, name as stored, its length, magnitude and the J2000.0 values
// with the digits the catalogue carries.
// clang-format off
const StarRow kStars[kStarCount] = {
        {1, "Acamar   ", 9, 3.1, {"2.9710266670", 2.9710266670}, {"-40.3047138890", -40.3047138890}, {"-0.3910", -0.3910}, {"1.9400", 1.9400}, {"0.0280", 0.0280}},
        {2, "Achernar ", 9, 0.6, {"1.6285700000", 1.6285700000}, {"-57.2367166670", -57.2367166670}, {"1.1730", 1.1730}, {"-3.4700", -3.4700}, {"0.0230", 0.0230}},
        {3, "Acrux    ", 9, 1.1, {"12.4432975000", 12.4432975000}, {"-63.0990500000", -63.0990500000}, {"-0.5240", -0.5240}, {"-1.2100", -1.2100}, {"0.0000", 0.0000}},
        {4, "Adhara   ", 9, 1.6, {"6.9770966670", 6.9770966670}, {"-28.9720833330", -28.9720833330}, {"0.0310", 0.0310}, {"0.2800", 0.2800}, {"0.0000", 0.0000}},
        {5, "Aldebaran", 9, 1.1, {"4.5986769440", 4.5986769440}, {"16.5092750000", 16.5092750000}, {"0.4390", 0.4390}, {"-18.9700", -18.9700}, {"0.0480", 0.0480}},
        {6, "Alioth   ", 9, 1.7, {"12.9004855560", 12.9004855560}, {"55.9598527780", 55.9598527780}, {"1.3280", 1.3280}, {"-0.5800", -0.5800}, {"0.0090", 0.0090}},
        {7, "Alkaid   ", 9, 1.9, {"13.7923427780", 13.7923427780}, {"49.3133194440", 49.3133194440}, {"-1.2490", -1.2490}, {"-1.0900", -1.0900}, {"0.0350", 0.0350}},
        {8, "Al Na'ir ", 9, 2.2, {"22.1372222220", 22.1372222220}, {"-46.9609972220", -46.9609972220}, {"1.2590", 1.2590}, {"-15.1000", -15.1000}, {"0.0510", 0.0510}},
        {9, "Alnilam  ", 9, 1.8, {"5.6035580560", 5.6035580560}, {"-1.2019500000", -1.2019500000}, {"0.0060", 0.0060}, {"-0.2400", -0.2400}, {"0.0000", 0.0000}},
        {10, "Alphard ", 8, 2.2, {"9.4597908330", 9.4597908330}, {"-8.6586527780", -8.6586527780}, {"-0.0930", -0.0930}, {"3.2800", 3.2800}, {"0.0170", 0.0170}},
        {11, "Alphecca", 8, 2.3, {"15.5781322220", 15.5781322220}, {"26.7147055560", 26.7147055560}, {"0.9060", 0.9060}, {"-8.8600", -8.8600}, {"0.0430", 0.0430}},
        {12, "Alpheratz", 9, 2.2, {"0.1397958330", 0.1397958330}, {"29.0904388890", 29.0904388890}, {"1.0390", 1.0390}, {"-16.3300", -16.3300}, {"0.0240", 0.0240}},
        {13, "Altair  ", 8, 0.9, {"19.8463894440", 19.8463894440}, {"8.8683416670", 8.8683416670}, {"3.6290", 3.6290}, {"38.6300", 38.6300}, {"0.1981", 0.1981}},
        {14, "Ankaa   ", 8, 2.4, {"0.4380638890", 0.4380638890}, {"-42.3060583330", -42.3060583330}, {"1.8330", 1.8330}, {"-39.5700", -39.5700}, {"0.0350", 0.0350}},
        {15, "Antares ", 8, 1.2, {"16.4901219440", 16.4901219440}, {"-26.4319861110", -26.4319861110}, {"-0.0710", -0.0710}, {"-2.0300", -2.0300}, {"0.0190", 0.0190}},
        {16, "Arcturus", 8, 0.2, {"14.2610213890", 14.2610213890}, {"19.1824194440", 19.1824194440}, {"-7.7140", -7.7140}, {"-199.8400", -199.8400}, {"0.0900", 0.0900}},
        {17, "Atria   ", 8, 1.9, {"16.8110747220", 16.8110747220}, {"-69.0277277780", -69.0277277780}, {"0.2600", 0.2600}, {"-3.4000", -3.4000}, {"0.0240", 0.0240}},
        {18, "Avior   ", 8, 1.7, {"8.3752313890", 8.3752313890}, {"-59.5095861110", -59.5095861110}, {"-0.3460", -0.3460}, {"1.4400", 1.4400}, {"0.0000", 0.0000}},
        {19, "Bellatrix", 9, 1.7, {"5.4188491670", 5.4188491670}, {"6.3496500000", 6.3496500000}, {"-0.0590", -0.0590}, {"-1.3900", -1.3900}, {"0.0260", 0.0260}},
        {20, "Betelgeuse", 10, 0.5, {"5.9195297220", 5.9195297220}, {"7.4070416670", 7.4070416670}, {"0.1730", 0.1730}, {"0.8700", 0.8700}, {"0.0050", 0.0050}},
        {21, "Canopus ", 8, -0.9, {"6.3991997220", 6.3991997220}, {"-52.6956944440", -52.6956944440}, {"0.2450", 0.2450}, {"2.0700", 2.0700}, {"0.0180", 0.0180}},
        {22, "Capella ", 8, 0.2, {"5.2781536110", 5.2781536110}, {"45.9980277780", 45.9980277780}, {"0.7280", 0.7280}, {"-42.4700", -42.4700}, {"0.0730", 0.0730}},
        {23, "Deneb   ", 8, 1.3, {"20.6905325000", 20.6905325000}, {"45.2803638890", 45.2803638890}, {"0.0270", 0.0270}, {"0.2300", 0.2300}, {"0.0000", 0.0000}},
        {24, "Denebola", 8, 2.2, {"11.8176611110", 11.8176611110}, {"14.5720416670", 14.5720416670}, {"-3.4220", -3.4220}, {"-11.4100", -11.4100}, {"0.0760", 0.0760}},
        {25, "Diphda  ", 8, 2.2, {"0.7264922220", 0.7264922220}, {"-17.9866166670", -17.9866166670}, {"1.6370", 1.6370}, {"3.2500", 3.2500}, {"0.0570", 0.0570}},
        {26, "Dubhe   ", 8, 2.0, {"11.0621294440", 11.0621294440}, {"61.7508944440", 61.7508944440}, {"-1.6750", -1.6750}, {"-6.6500", -6.6500}, {"0.0310", 0.0310}},
        {27, "Elnath  ", 8, 1.8, {"5.4381975000", 5.4381975000}, {"28.6074083330", 28.6074083330}, {"0.1690", 0.1690}, {"-17.5100", -17.5100}, {"0.0180", 0.0180}},
        {28, "Eltanin ", 8, 2.4, {"17.9434352780", 17.9434352780}, {"51.4889472220", 51.4889472220}, {"-0.0810", -0.0810}, {"-1.9400", -1.9400}, {"0.0170", 0.0170}},
        {29, "Enif    ", 8, 2.5, {"21.7364344440", 21.7364344440}, {"9.8749777780", 9.8749777780}, {"0.2070", 0.2070}, {"-0.0600", -0.0600}, {"0.0060", 0.0060}},
        {30, "Fomalhaut", 9, 1.3, {"22.9608486110", 22.9608486110}, {"-29.6222500000", -29.6222500000}, {"2.5510", 2.5510}, {"-16.4700", -16.4700}, {"0.1440", 0.1440}},
        {31, "Gacrux  ", 8, 1.6, {"12.5194247220", 12.5194247220}, {"-57.1131944440", -57.1131944440}, {"0.2850", 0.2850}, {"-26.2300", -26.2300}, {"0.0000", 0.0000}},
        {32, "Gienah  ", 8, 2.8, {"12.2634350000", 12.2634350000}, {"-17.5419361110", -17.5419361110}, {"-1.1240", -1.1240}, {"2.3300", 2.3300}, {"0.0000", 0.0000}},
        {33, "Hadar   ", 8, 0.9, {"14.0637244440", 14.0637244440}, {"-60.3729972220", -60.3729972220}, {"-0.4260", -0.4260}, {"-1.9300", -1.9300}, {"0.0160", 0.0160}},
        {34, "Hamal   ", 8, 2.2, {"2.1195563890", 2.1195563890}, {"23.4624055560", 23.4624055560}, {"1.3830", 1.3830}, {"-14.8300", -14.8300}, {"0.0430", 0.0430}},
        {35, "Kaus Aust", 9, 2.0, {"18.4028686110", 18.4028686110}, {"-34.3846472220", -34.3846472220}, {"-0.3090", -0.3090}, {"-12.4100", -12.4100}, {"0.0150", 0.0150}},
        {36, "Kochab  ", 8, 2.2, {"14.8450961110", 14.8450961110}, {"74.1554944440", 74.1554944440}, {"-0.7630", -0.7630}, {"1.2200", 1.2200}, {"0.0310", 0.0310}},
        {37, "Markab  ", 8, 2.6, {"23.0793494440", 23.0793494440}, {"15.2052500000", 15.2052500000}, {"0.4360", 0.4360}, {"-4.2500", -4.2500}, {"0.0300", 0.0300}},
        {38, "Menkar  ", 8, 2.8, {"3.0379925000", 3.0379925000}, {"4.0897027780", 4.0897027780}, {"-0.0630", -0.0630}, {"-7.8000", -7.8000}, {"0.0090", 0.0090}},
        {39, "Menkent ", 8, 2.3, {"14.1113752780", 14.1113752780}, {"-36.3700083330", -36.3700083330}, {"-4.2930", -4.2930}, {"-51.9000", -51.9000}, {"0.0590", 0.0590}},
        {40, "Miaplacidus", 11, 1.8, {"9.2199880560", 9.2199880560}, {"-69.7172083330", -69.7172083330}, {"-3.1080", -3.1080}, {"10.7800", 10.7800}, {"0.0380", 0.0380}},
        {41, "Mirfak  ", 8, 1.9, {"3.4053791670", 3.4053791670}, {"49.8612055560", 49.8612055560}, {"0.2460", 0.2460}, {"-2.4600", -2.4600}, {"0.0290", 0.0290}},
        {42, "Nunki   ", 8, 2.1, {"18.9210900000", 18.9210900000}, {"-26.2967305560", -26.2967305560}, {"0.0990", 0.0990}, {"-5.4200", -5.4200}, {"0.0000", 0.0000}},
        {43, "Peacock ", 8, 2.1, {"20.4274588890", 20.4274588890}, {"-56.7351055560", -56.7351055560}, {"0.0820", 0.0820}, {"-8.9100", -8.9100}, {"0.0000", 0.0000}},
        {44, "Polaris ", 8, 2.0, {"2.5301955560", 2.5301955560}, {"89.2640888890", 89.2640888890}, {"19.8770", 19.8770}, {"-1.520", -1.520}, {"0.0070", 0.0070}},
        {45, "Pollux  ", 8, 1.2, {"7.7552627780", 7.7552627780}, {"28.0261833330", 28.0261833330}, {"-4.7400", -4.7400}, {"-4.5900", -4.5900}, {"0.0930", 0.0930}},
        {46, "Procyon ", 8, 0.5, {"7.6550313890", 7.6550313890}, {"5.2250166670", 5.2250166670}, {"-4.7550", -4.7550}, {"-102.2900", -102.2900}, {"0.2880", 0.2880}},
        {47, "Rasalhague", 10, 2.1, {"17.5822433330", 17.5822433330}, {"12.5600388890", 12.5600388890}, {"0.8220", 0.8220}, {"-22.6400", -22.6400}, {"0.0560", 0.0560}},
        {48, "Regulus ", 8, 1.3, {"10.1395319440", 10.1395319440}, {"11.9671916670", 11.9671916670}, {"-1.6930", -1.6930}, {"0.6400", 0.6400}, {"0.0390", 0.0390}},
        {49, "Rigel   ", 8, 0.3, {"5.2422966670", 5.2422966670}, {"-8.2016611110", -8.2016611110}, {"0.0030", 0.0030}, {"-0.1300", -0.1300}, {"0.0130", 0.0130}},
        {50, "Rigil Kent", 10, 0.1, {"14.6599680560", 14.6599680560}, {"-60.8354000000", -60.8354000000}, {"-49.8260", -49.8260}, {"69.9300", 69.9300}, {"0.7516", 0.7516}},
        {51, "Sabik   ", 8, 2.6, {"17.1729669440", 17.1729669440}, {"-15.7249194400", -15.7249194400}, {"0.2600", 0.2600}, {"9.5000", 9.5000}, {"0.0520", 0.0520}},
        {52, "Schedar ", 8, 2.5, {"0.6751250000", 0.6751250000}, {"56.5373500000", 56.5373500000}, {"0.6360", 0.6360}, {"-3.1900", -3.1900}, {"0.0160", 0.0160}},
        {53, "Shaula  ", 8, 1.7, {"17.5601483330", 17.5601483330}, {"-37.1038111110", -37.1038111110}, {"-0.0110", -0.0110}, {"-2.9200", -2.9200}, {"0.0000", 0.0000}},
        {54, "Sirius  ", 8, -1.6, {"6.7524641670", 6.7524641670}, {"-16.7161083330", -16.7161083330}, {"-3.8470", -3.8470}, {"-120.5300", -120.5300}, {"0.3751", 0.3751}},
        {55, "Spica   ", 8, 1.2, {"13.4198852780", 13.4198852780}, {"-11.1613083330", -11.1613083330}, {"-0.2780", -0.2780}, {"-2.8300", -2.8300}, {"0.0210", 0.0210}},
        {56, "Suhail  ", 8, 2.2, {"9.1332711110", 9.1332711110}, {"-43.4326055560", -43.4326055560}, {"-0.1720", -0.1720}, {"1.2700", 1.2700}, {"0.0150", 0.0150}},
        {57, "Vega    ", 8, 0.1, {"18.6156477780", 18.6156477780}, {"38.7836583330", 38.7836583330}, {"1.7260", 1.7260}, {"28.6100", 28.6100}, {"0.1230", 0.1230}},
        {58, "Zuben-ubi", 9, 2.9, {"14.8479758330", 14.8479758330}, {"-16.0417833330", -16.0417833330}, {"-0.7340", -0.7340}, {"-6.6800", -6.6800}, {"0.0490", 0.0490}},
};
// clang-format on

std::string_view trimmed(std::string_view Text) {
    const auto first = Text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = Text.find_last_not_of(' ');
    return Text.substr(first, last - first + 1);
}

TEST(StarTable, HoldsTheNamesAndMagnitudesByStarNumber) {
    StarTables tables;
    FillStarTable(tables);
    for (const auto& star : kStars) {
        SCOPED_TRACE(star.Name);
        EXPECT_EQ(tables.StarNames[star.Number], star.Name);
        EXPECT_EQ(tables.StarNames[star.Number].size(), star.Length);
        EXPECT_EQ(tables.StarMagnitudes[star.Number], star.Magnitude);
    }
    EXPECT_EQ(tables.StarNames[1], "Acamar   ");
    EXPECT_EQ(tables.StarNames[10], "Alphard ");
    EXPECT_EQ(tables.StarNames[20], "Betelgeuse");
    EXPECT_EQ(tables.StarNames[40], "Miaplacidus");
    EXPECT_EQ(tables.StarMagnitudes[21], -0.9);
    EXPECT_EQ(tables.StarMagnitudes[54], -1.6);
}

TEST(StarTable, OverwritesEntriesOneToFiftyEightAndNeverEntryZero) {
    StarTables tables;
    for (std::size_t i = 0; i < tables.StarNames.size(); ++i) {
        tables.StarNames[i] = "stale";
        tables.StarMagnitudes[i] = 99.5;
    }
    FillStarTable(tables);
    EXPECT_EQ(tables.StarNames[0], "stale");
    EXPECT_EQ(tables.StarMagnitudes[0], 99.5);
    for (int n = 1; n <= kStarCount; ++n) {
        EXPECT_EQ(tables.StarNames[n], kStars[n - 1].Name) << n;
        EXPECT_EQ(tables.StarMagnitudes[n], kStars[n - 1].Magnitude) << n;
    }

    StarTables fresh;
    FillStarTable(fresh);
    EXPECT_EQ(fresh.StarNames[0], "");
    EXPECT_EQ(fresh.StarMagnitudes[0], 0);
}

TEST(StarTable, FillingAgainLeavesTheTablesUnchanged) {
    StarTables once;
    FillStarTable(once);
    StarTables twice = once;
    FillStarTable(twice);
    EXPECT_EQ(twice.StarNames, once.StarNames);
    EXPECT_EQ(twice.StarMagnitudes, once.StarMagnitudes);
}

TEST(StarCatalogue, RecordsHoldTheValuesInFixedColumns) {
    for (int i = 0; i < kStarCount; ++i) {
        const StarRow& star = kStars[i];
        const std::string_view record = kStarCatalogue[i].Record;
        SCOPED_TRACE(star.Name);
        ASSERT_EQ(record.size(), ephemeris::kStarRecordLength);
        for (std::size_t blank : {14, 29, 38, 48, 49}) {
            EXPECT_EQ(record[blank - 1], ' ') << "column " << blank;
        }
        EXPECT_EQ(trimmed(record.substr(0, 13)), star.Ra.Text);
        EXPECT_EQ(trimmed(record.substr(14, 14)), star.Dec.Text);
        EXPECT_EQ(trimmed(record.substr(29, 8)), star.PmRa.Text);
        EXPECT_EQ(trimmed(record.substr(38, 9)), star.PmDec.Text);
        EXPECT_EQ(trimmed(record.substr(49, 6)), star.Parallax.Text);

        const StarRecordFields fields = readStarRecord(record);
        EXPECT_EQ(fields.RaHours, star.Ra.Value);
        EXPECT_EQ(fields.DecDegrees, star.Dec.Value);
        EXPECT_EQ(fields.PmRaSecondsPerCentury, star.PmRa.Value);
        EXPECT_EQ(fields.PmDecArcsecPerCentury, star.PmDec.Value);
        EXPECT_EQ(fields.ParallaxArcsec, star.Parallax.Value);
    }
}

// A record with each text placed at the first column of its field.
std::string recordOf(const char* Ra, const char* Dec, const char* PmRa, const char* PmDec,
                     const char* Parallax) {
    std::string record(ephemeris::kStarRecordLength, ' ');
    const std::pair<std::size_t, const char*> fields[] = {
        {1, Ra}, {15, Dec}, {30, PmRa}, {39, PmDec}, {50, Parallax}};
    for (const auto& [column, text] : fields) {
        record.replace(column - 1, std::string_view(text).size(), text);
    }
    return record;
}

TEST(StarCatalogue, ReadsEachFieldAsItsLeadingNumber) {
    struct Case {
        std::string Record;
        StarRecordFields Expected;
    };
    const Case cases[] = {
        {recordOf("  +1.5", "x-2", "3.", "   .25", "1.5e3"), {1.5, 0, 3, 0.25, 1.5}},
        {recordOf("12.25abc", "-.5", "- 4", "+7.00x", "-0.5"), {12.25, -0.5, 0, 7, -0.5}},
        {recordOf("1234567890123", "-1234567890123", "-1234567", "-12345678", "123456"),
         {1234567890123, -1234567890123, -1234567, -12345678, 123456}},
        {recordOf("", "", "", "", ""), {0, 0, 0, 0, 0}},
        {"", {0, 0, 0, 0, 0}},
        {"  6.5", {6.5, 0, 0, 0, 0}},
        {recordOf("1", "2", "3", "4", "5").substr(0, 50), {1, 2, 3, 4, 5}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Record);
        const StarRecordFields f = readStarRecord(c.Record);
        EXPECT_EQ(f.RaHours, c.Expected.RaHours);
        EXPECT_EQ(f.DecDegrees, c.Expected.DecDegrees);
        EXPECT_EQ(f.PmRaSecondsPerCentury, c.Expected.PmRaSecondsPerCentury);
        EXPECT_EQ(f.PmDecArcsecPerCentury, c.Expected.PmDecArcsecPerCentury);
        EXPECT_EQ(f.ParallaxArcsec, c.Expected.ParallaxArcsec);
    }
}

TEST(StarCatalogue, OnlyTheTenStarsWithoutParallaxReadZero) {
    const std::string_view noParallax[] = {"Acrux    ", "Adhara   ", "Alnilam  ", "Avior   ",
                                           "Deneb   ",  "Gacrux  ",  "Gienah  ",  "Nunki   ",
                                           "Peacock ",  "Shaula  "};
    int zeros = 0;
    for (const auto& entry : kStarCatalogue) {
        const double parallax = readStarRecord(entry.Record).ParallaxArcsec;
        bool listed = false;
        for (const auto name : noParallax) {
            listed = listed || name == entry.Name;
        }
        SCOPED_TRACE(std::string(entry.Name));
        if (listed) {
            EXPECT_EQ(parallax, 0.0);
            ++zeros;
        } else {
            EXPECT_GT(parallax, 0.0);
        }
    }
    EXPECT_EQ(zeros, 10);
}

struct PlaceCase {
    const char* What;
    double T, JD;
    int StarIndex;
    double SunGeoLon;
    double Gha, Dec, Sha;  // NAN where not given
};

TEST(StarPosition, MatchesTheWorkedPlaces) {
    // 2024 January 1, 0h UT, Delta T 69 s; the Sun's geometric longitude as given.
    const PlaceCase cases[] = {
        {"Sirius", 0.2399863, 2460310.5, 53, 280.050, 358.595, -16.749, 258.444},
        {"Polaris", 0.2399863, 2460310.5, 43, 280.050, NAN, 89.370, 314.142},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        double gha = -1, dec = -1, sha = -1;
        StarPosition(c.T, c.JD, c.StarIndex, c.SunGeoLon, gha, dec, sha);
        if (!std::isnan(c.Gha)) {
            EXPECT_NEAR(gha, c.Gha, 0.001);
        }
        EXPECT_NEAR(dec, c.Dec, 0.001);
        EXPECT_NEAR(sha, c.Sha, 0.001);
    }
}

// GHA - SHA is the GHA of Aries for every star; the worked sidereal times
// are 2000 January 1, 12h and 1992 October 13, 0h (Delta T 0 and 59 s, the
// same sidereal time), to 5 decimals.
TEST(StarPosition, HourAngleLessSiderealHourAngleIsTheSiderealTime) {
    struct Case {
        const char* What;
        double JD, T, SunGeoLon, GhaAries;
    };
    const Case cases[] = {
        {"2000-01-01 12h", 2451545.0, 0, 280.37786, 280.45706},
        {"1992-10-13 0h", 2448908.5, -0.072183436003, 199.90731, 21.80542},
        {"1992-10-13 0h, Delta T 59 s", 2448908.5, -0.072183417307, 199.90731, 21.80542},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        for (int i = 0; i < kStarCount; ++i) {
            double gha = 0, dec = 0, sha = 0;
            StarPosition(c.T, c.JD, i, c.SunGeoLon, gha, dec, sha);
            double aries = gha - sha;
            if (aries < 0) {
                aries += 360;
            }
            EXPECT_NEAR(aries, c.GhaAries, 1e-5) << kStars[i].Name;
        }
    }
}

TEST(StarPosition, AnglesStayInTheirRanges) {
    struct Case {
        double T, SunGeoLon;
    };
    const Case cases[] = {{-2.5, 10},           {-0.5, 95.5}, {0, 280.37786},
                          {0.2399863, 280.050}, {0.75, 181},  {3.0, 359.99}};
    for (const auto& c : cases) {
        const double jd = 2451545 + 36525 * c.T;
        for (int i = 0; i < kStarCount; ++i) {
            SCOPED_TRACE(kStars[i].Name);
            double gha = -1, dec = -100, sha = -1;
            StarPosition(c.T, jd, i, c.SunGeoLon, gha, dec, sha);
            EXPECT_GE(gha, 0);
            EXPECT_LT(gha, 360);
            EXPECT_GE(sha, 0);
            EXPECT_LT(sha, 360);
            EXPECT_GE(dec, -90);
            EXPECT_LE(dec, 90);
        }
    }
}

// Alpheratz's right ascension passes 0h about 1837; at the crossing the SHA
// wraps to 0, never to 360.
TEST(StarPosition, SiderealHourAngleWrapsToZeroAtRightAscensionZero) {
    const int alpheratz = 11;
    auto signedRa = [&](double T, double& Sha) {
        double gha = 0, dec = 0;
        StarPosition(T, 2451545 + 36525 * T, alpheratz, 100, gha, dec, Sha);
        return Sha < 180 ? -Sha : 360 - Sha;
    };
    double sha = 0;
    double before = -3;  // RA just below 24h
    double after = 0;    // RA above 0h
    ASSERT_LT(signedRa(before, sha), 0);
    ASSERT_GT(signedRa(after, sha), 0);
    for (int step = 0; step < 200; ++step) {
        const double mid = before + (after - before) / 2;
        if (mid == before || mid == after) {
            break;
        }
        (signedRa(mid, sha) < 0 ? before : after) = mid;
    }
    for (const double t : {before, after}) {
        SCOPED_TRACE(t);
        signedRa(t, sha);
        EXPECT_GE(sha, 0);
        EXPECT_LT(sha, 360);
        EXPECT_LT(std::fmin(sha, 360 - sha), 1e-9);
    }
    EXPECT_NEAR(before, -1.63, 0.05);
}

// The parallax step moves the star toward the Sun by P sin(elongation).
TEST(StarPosition, ParallaxDisplacesTheStarTowardTheSun) {
    const double pi = 3.14159265358979;
    const double rad = pi / 180;
    const double T = 0.2399863;
    const double JD = 2460310.5;
    const StarRecordFields rigilKent = readStarRecord(kStarCatalogue[49].Record);
    StarRecordFields noParallax = rigilKent;
    noParallax.ParallaxArcsec = 0;
    const double P = rigilKent.ParallaxArcsec;
    ASSERT_EQ(P, 0.7516);

    double deltaPsi = 0, deltaEps = 0, eps = 0;
    ephemeris::Nutation(T, deltaPsi, deltaEps);
    ephemeris::TrueObliquity(T, deltaEps, eps);

    auto unit = [&](double RaDeg, double DecDeg, double(&V)[3]) {
        V[0] = std::cos(DecDeg * rad) * std::cos(RaDeg * rad);
        V[1] = std::cos(DecDeg * rad) * std::sin(RaDeg * rad);
        V[2] = std::sin(DecDeg * rad);
    };
    auto arcsecBetween = [&](const double(&A)[3], const double(&B)[3]) {
        const double dot = A[0] * B[0] + A[1] * B[1] + A[2] * B[2];
        const double cx = A[1] * B[2] - A[2] * B[1];
        const double cy = A[2] * B[0] - A[0] * B[2];
        const double cz = A[0] * B[1] - A[1] * B[0];
        return std::atan2(std::sqrt(cx * cx + cy * cy + cz * cz), dot) / rad * 3600;
    };

    for (double sunLon = 0; sunLon < 360; sunLon += 30) {
        SCOPED_TRACE(sunLon);
        double gha = 0, dec = 0, sha = 0;
        double star[3], starNoPar[3], sun[3];
        ephemeris::starPlace(rigilKent, T, JD, sunLon, gha, dec, sha);
        unit(360 - sha, dec, star);
        ephemeris::starPlace(noParallax, T, JD, sunLon, gha, dec, sha);
        unit(360 - sha, dec, starNoPar);
        sun[0] = std::cos(sunLon * rad);
        sun[1] = std::sin(sunLon * rad) * std::cos(eps * rad);
        sun[2] = std::sin(sunLon * rad) * std::sin(eps * rad);

        const double elongation = arcsecBetween(starNoPar, sun) / 3600;
        const double shift = arcsecBetween(star, starNoPar);
        const double towardSun = arcsecBetween(starNoPar, sun) - arcsecBetween(star, sun);
        EXPECT_NEAR(towardSun, P * std::sin(elongation * rad), 0.005);
        EXPECT_NEAR(shift, towardSun, 0.005);
    }
}

TEST(StarPosition, InvalidIndexGivesZeros) {
    for (const int index : {-1, 58, 1000}) {
        SCOPED_TRACE(index);
        double gha = 12.5, dec = -7.25, sha = 99;
        StarPosition(0.2399863, 2460310.5, index, 280.050, gha, dec, sha);
        EXPECT_EQ(gha, 0);
        EXPECT_EQ(dec, 0);
        EXPECT_EQ(sha, 0);
    }
}

// The terms of the instant are kept for the last T: a star worked after
// another instant, after a nutation of another T, or for another JD of the
// same T gets the very doubles it got the first time, and a second JD moves
// the hour angle only.
TEST(StarPosition, RepeatedInstantGivesTheSameDoubles) {
    struct Place {
        double Gha = 0, Dec = 0, Sha = 0;
    };
    const auto place = [](double T, double JD, int Index) {
        Place p;
        StarPosition(T, JD, Index, 280.050, p.Gha, p.Dec, p.Sha);
        return p;
    };
    const Place first = place(0.2399863, 2460310.5, 53);
    const Place otherJd = place(0.2399863, 2460310.75, 53);
    place(-0.072183436003, 2448908.5, 53);
    const Place again = place(0.2399863, 2460310.5, 53);
    double deltaPsi = 0, deltaEps = 0;
    ephemeris::Nutation(0.5, deltaPsi, deltaEps);
    const Place afterNutation = place(0.2399863, 2460310.5, 53);
    for (const Place& p : {again, afterNutation}) {
        EXPECT_EQ(p.Gha, first.Gha);
        EXPECT_EQ(p.Dec, first.Dec);
        EXPECT_EQ(p.Sha, first.Sha);
    }
    EXPECT_EQ(otherJd.Dec, first.Dec);
    EXPECT_EQ(otherJd.Sha, first.Sha);
    EXPECT_NE(otherJd.Gha, first.Gha);
}

}  // namespace
