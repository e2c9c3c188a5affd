#include "cli/CliCommands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace tarabead::cli {
namespace {

struct Outcome {
    int status;
    std::string out, err;
};

Outcome RunWith(std::vector<std::string> args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = Run(args, in, out, err);
    return {status, out.str(), err.str()};
}

TEST(Nakshatra, NamesTheBirthStarAndDetailsEveryQuantity) {
    auto r = RunWith({"nakshatra", "--date", "1947-08-15", "--time", "0:00", "--zone", "34",
                      "--longitude", "77:13E"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "Pushya\n");

    r = RunWith({"nakshatra", "--date", "1976-07-04", "--time", "12:00", "--zone", "27",
                 "--longitude", "74:0W", "--latitude", "40:42N", "--dst", "--details"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "ut 16\njdn 2442964\nt -0.23493041295916042\nlambda 191.96489898119762\n"
              "ayanamsa -23.532044710539108\nsidereal 168.43285427065851\nindex 12\n"
              "nakshatra Hasta\n");
}

TEST(Nakshatra, BadValuesAreRefusedWithTheirReason) {
    struct Case {
        const char* what;
        std::vector<std::string> args;
        const char* reason;
    } cases[] = {
        {"year before the list",
         {"--date", "1904-01-01", "--time", "1:00", "--zone", "0", "--longitude", "1:0E"},
         "1905 to 2050"},
        {"30 February",
         {"--date", "2004-02-30", "--time", "1:00", "--zone", "0", "--longitude", "1:0E"},
         "Please Enter Correct Date Or Month!"},
        {"31 April",
         {"--date", "1990-04-31", "--time", "1:00", "--zone", "0", "--longitude", "1:0E"},
         "Please Enter Correct Date Or Month !"},
        {"hour 25",
         {"--date", "1990-04-01", "--time", "25:00", "--zone", "0", "--longitude", "1:0E"},
         "hour"},
        {"minute 60",
         {"--date", "1990-04-01", "--time", "1:60", "--zone", "0", "--longitude", "1:0E"},
         "minute"},
        {"zone row 71",
         {"--date", "1990-04-01", "--time", "1:00", "--zone", "71", "--longitude", "1:0E"},
         "zone"},
        {"negative zone",
         {"--date", "1990-04-01", "--time", "1:00", "--zone", "-1", "--longitude", "1:0E"},
         "zone"},
        {"four-digit degrees",
         {"--date", "1990-04-01", "--time", "1:00", "--zone", "0", "--longitude", "1000:0E"},
         "longitude degrees"},
        {"no side",
         {"--date", "1990-04-01", "--time", "1:00", "--zone", "0", "--longitude", "10:0"},
         "longitude"},
        {"signed degrees",
         {"--date", "1990-04-01", "--time", "1:00", "--zone", "0", "--longitude", "-10:0E"},
         "longitude degrees"},
        {"bad latitude",
         {"--date", "1990-04-01", "--time", "1:00", "--zone", "0", "--longitude", "10:0E",
          "--latitude", "10:0X"},
         "latitude"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"nakshatra"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const auto r = RunWith(args);
        EXPECT_EQ(r.status, ExitStatus::BadInput) << c.what;
        EXPECT_EQ(r.out, "") << c.what;
        EXPECT_NE(r.err.find(c.reason), std::string::npos) << c.what << ": " << r.err;
    }
}

TEST(CommandLine, MalformedCommandLinesPrintUsageAndExit2) {
    const std::vector<std::vector<std::string>> cases{
        {},
        {"horoscope"},
        {"nakshatra", "--date", "1947-08-15"},
        {"nakshatra", "--date", "1947-08-15", "--time", "0:00", "--zone", "34", "--longitude"},
        {"nakshatra", "--date", "1947-08-15", "--time", "0:00", "--zone", "34", "--longitude",
         "77:13E", "--colour"},
        {"zones", "extra"},
    };
    for (const auto& args : cases) {
        const auto r = RunWith(args);
        EXPECT_EQ(r.status, ExitStatus::Usage);
        EXPECT_NE(r.err.find("usage:"), std::string::npos);
        EXPECT_EQ(r.out, "");
    }
}

TEST(Report, WritesBothReportsAsTextOrHtml) {
    auto r = RunWith({"report", "Revati"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("[picture: Revati]\nRuling Planet\nMercury\n\nElement\n", 0), 0u)
        << r.out.substr(0, 80);
    EXPECT_NE(r.out.find("\n\nBenefits of Rudraksh\n"), std::string::npos);
    EXPECT_NE(
        r.out.find("FOUR MUKHI RUDRAKSHA\n\n[picture: Four Mukhi Rudraksha]\nInterpretation\n"),
        std::string::npos);
    EXPECT_EQ(r.out.find('\r'), std::string::npos);

    r = RunWith({"report", "Krittika", "--format", "html"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("<!DOCTYPE html>", 0), 0u);
    std::size_t images = 0;
    for (std::size_t at = r.out.find("<img src=\"data:image/png;base64,iVBOR");
         at != std::string::npos;
         at = r.out.find("<img src=\"data:image/png;base64,iVBOR", at + 1)) {
        ++images;
    }
    EXPECT_EQ(images, 4u);  // the nakshatra and the beads 1, 11 and 12
    EXPECT_NE(r.out.find("<b>Rudraksha Name<br>"), std::string::npos);
    EXPECT_NE(r.out.find("color:#875221"), std::string::npos);
}

TEST(Report, UnknownNamesAndBadArguments) {
    auto r = RunWith({"report", "revati"});
    EXPECT_EQ(r.status, ExitStatus::BadInput);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("does not name a known birth nakshatra"), std::string::npos);
    for (const std::vector<std::string>& args : {std::vector<std::string>{"report"},
                                                 {"report", "Revati", "--format", "pdf"},
                                                 {"report", "Purva", "Ashadha"},
                                                 {"report", "Revati", "--output"}}) {
        EXPECT_EQ(RunWith(args).status, ExitStatus::Usage);
    }
}

TEST(Report, OutputFileIsWrittenWholeOrNotAtAll) {
    const std::string folder = ::testing::TempDir() + "tarabead-report-test";
    std::filesystem::create_directories(folder);
    const std::string path = folder + "/reading.txt";
    auto r = RunWith({"report", "Hasta", "--output", path});
    EXPECT_EQ(r.status, 0);
    std::ifstream in(path);
    std::string first;
    std::getline(in, first);
    EXPECT_EQ(first, "[picture: Hasta]");
    r = RunWith({"report", "Hasta", "--output", folder + "/no/such/folder/reading.txt"});
    EXPECT_EQ(r.status, ExitStatus::BadInput);
    EXPECT_NE(r.err.find("cannot write"), std::string::npos);
    std::filesystem::remove_all(folder);
}

TEST(Zones, ListsTheRowsTabSeparated) {
    const auto r = RunWith({"zones"});
    EXPECT_EQ(r.status, 0);
    std::istringstream lines(r.out);
    std::string line;
    std::vector<std::string> all;
    while (std::getline(lines, line)) all.push_back(line);
    ASSERT_EQ(all.size(), 71u);
    EXPECT_EQ(all[0], "0\tAlaska/Hawaii Daylight Time,AHDT,-9.0\t9\t0");
    EXPECT_EQ(all[34], "34\tIndian Time, IST, +5.3\t-5\t-30");
}

TEST(Batch, ComputesGoodRowsAndReportsBadOnesByLine) {
    const std::string input =
        "day,month,year,hour,minute,zone,lon_deg,lon_min,lon_dir,dst\r\n"
        "15,8,1947,0,0,34,77,13,E,0\r\n"
        "31,4,1990,1,0,0,1,0,E,0\n"
        "\n"
        "29,2,1908,23,59,29,0,0,E,0\n"
        "1,1,2000,0,0,8,151,12,E,2\n"
        "1,1,2000,0,0,8,151\n";
    const auto r = RunWith({"batch"}, input);
    EXPECT_EQ(r.status, ExitStatus::BadInput);
    EXPECT_EQ(r.out,
              "day,month,year,hour,minute,zone,lon_deg,lon_min,lon_dir,dst,"
              "ut,jdn,t,lambda,ayanamsa,sidereal,index,nakshatra\n"
              "15,8,1947,0,0,34,77,13,E,0,-5.5,2432413,-0.52382557608943647,117.10965572771966,"
              "-23.121832510157226,93.987823217562436,7,Pushya\n"
              "29,2,1908,23,59,29,0,0,E,0,23.983333333333334,2418001,-0.91837099779450915,"
              "314.89966182969511,-22.570937683267672,292.32872414642742,21,Shravana\n");
    EXPECT_NE(r.err.find("line 3: Please Enter Correct Date Or Month !"), std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("line 6: dst"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("line 7: expected 10 columns"), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("line 2"), std::string::npos) << r.err;
}

TEST(Batch, RefusesInputWithoutTheHeader) {
    const auto r = RunWith({"batch"}, "15,8,1947,0,0,34,77,13,E,0\n");
    EXPECT_EQ(r.status, ExitStatus::BadInput);
    EXPECT_NE(r.err.find("line 1"), std::string::npos);
    EXPECT_EQ(r.out, "");
}

}  // namespace
}  // namespace tarabead::cli
