// The transcript's time stamps, quoting and tray picture names.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/sim/transcript.h"
#include "platform/fake/virtual_time.h"

namespace ruvo::sim {
namespace {

TEST(SimTranscript, QuotesWithEscapes) {
    struct Case {
        std::string text;
        std::string quoted;
    };
    const std::vector<Case> cases = {
        {"", R"("")"},
        {"Jahreswechsel! \n\nSie", R"("Jahreswechsel! \n\nSie")"},
        {R"(C:\Programme\Ruvometer)", R"("C:\\Programme\\Ruvometer")"},
        {R"('x' ist "kein" Wert)", R"("'x' ist \"kein\" Wert")"},
        {"Gebühren ändern", "\"Gebühren ändern\""},
        {"a\tb\rc", R"("a\x09b\x0Dc")"},
        {std::string("a\0b", 3), R"("a\x00b")"},
        {"\\n", R"("\\n")"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Transcript::quoted(c.text), c.quoted) << c.text;
    }
}

TEST(SimTranscript, TimeStampHasTwoDigitYears) {
    EXPECT_EQ(Transcript::timeStamp({1999, 12, 31, 23, 59, 58}), "31.12.99 23:59:58");
    EXPECT_EQ(Transcript::timeStamp({2000, 1, 1, 0, 0, 0}), "01.01.00 00:00:00");
    EXPECT_EQ(Transcript::timeStamp({2007, 5, 9, 8, 5, 3}), "09.05.07 08:05:03");
}

TEST(SimTranscript, EveryLineBeginsWithTheVirtualTime) {
    fake::VirtualTime time({2000, 5, 2, 20, 0, 0});
    std::ostringstream out;
    Transcript transcript(out, time);
    transcript.write("show Form2");
    time.advanceMs(4000);
    transcript.write("hide Form2");
    EXPECT_EQ(out.str(), "02.05.00 20:00:00 show Form2\n02.05.00 20:00:04 hide Form2\n");
}

TEST(SimTranscript, PictureNames) {
    using platform::TrayPicture;
    EXPECT_EQ(Transcript::pictureName(TrayPicture::Inactive), "inactive");
    EXPECT_EQ(Transcript::pictureName(TrayPicture::Offline), "offline");
    EXPECT_EQ(Transcript::pictureName(TrayPicture::Online), "online");
    EXPECT_EQ(Transcript::pictureName(TrayPicture::Warning), "warning");
    EXPECT_EQ(Transcript::pictureName(TrayPicture::None), "none");
}

}  // namespace
}  // namespace ruvo::sim
