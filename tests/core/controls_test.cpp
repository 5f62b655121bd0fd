#include <gtest/gtest.h>

#include <memory>

#include "controls/PracticeTime.h"
#include "controls/TrainingControls.h"
#include "midi/CMidiSequencer.h"

namespace sonnavet {
namespace {

TEST(Labels, BoundaryPositions)
{
    EXPECT_EQ(IntervalName(0), "Unison");
    EXPECT_EQ(IntervalName(4), "Maj 3rd");
    EXPECT_EQ(IntervalName(8), "Aug 5th");
    EXPECT_EQ(IntervalName(9), "Min 6th");
    EXPECT_EQ(IntervalName(12), "Maj 7th");
    EXPECT_EQ(IntervalName(13), "Octave");
    EXPECT_EQ(IntervalName(14), "");
    EXPECT_EQ(IntervalName(-1), "");
    EXPECT_EQ(RandomizationLabel(100), "(100%)");
    EXPECT_EQ(RandomizationLabel(0), "(0%)");
    EXPECT_EQ(SecondsLabel(10), "(10s)");
    EXPECT_EQ(SecondsLabel(1), "(1s)");
    EXPECT_EQ(TempoLabel(50), "(50)");
    EXPECT_EQ(TempoLabel(200), "(200)");
}

TEST(Instruments, GeneralMidiOrder)
{
    EXPECT_STREQ(kInstrumentNames[0], "Acoustic Grand");
    EXPECT_STREQ(kInstrumentNames[24], "Acoustic Guitar(nylon)");
    EXPECT_STREQ(kInstrumentNames[kDefaultInstrument], "Electric Guitar(jazz)");
    EXPECT_STREQ(kInstrumentNames[115], "Woodblock");
    EXPECT_STREQ(kInstrumentNames[127], "Gunshot");
    EXPECT_EQ(InstrumentProgram(-1), 26);
    EXPECT_EQ(InstrumentProgram(128), 26);
    EXPECT_EQ(InstrumentProgram(127), 127);
}

TEST(ApplyVolume, CountInPlaysSofter)
{
    struct Case {
        int volume, channel0, others;
    };
    const Case cases[] = {{127, 107, 127}, {21, 1, 21}, {20, 20, 20}, {0, 0, 0}, {100, 80, 100}};
    auto seq = std::make_unique<CMidiSequencer>();
    for (const auto& c : cases) {
        ApplyVolume(*seq, c.volume);
        EXPECT_EQ(seq->velocity[0], c.channel0) << c.volume;
        EXPECT_EQ(seq->velocity[1], c.others) << c.volume;
        EXPECT_EQ(seq->velocity[2], c.others) << c.volume;
        EXPECT_EQ(seq->velocity[3], 127);
    }
}

TEST(PracticeTime, BothForms)
{
    struct Case {
        std::int32_t seconds;
        const char* longForm;
        const char* shortForm;
    };
    const Case cases[] = {
        {0, "0 Days, 0 Hours, 0 Minutes", "00:00:00"},
        {59, "0 Days, 0 Hours, 0 Minutes", "00:00:59"},
        {61, "0 Days, 0 Hours, 1 Minute", "00:01:01"},
        {3599, "0 Days, 0 Hours, 59 Minutes", "00:59:59"},
        {3661, "0 Days, 1 Hours, 1 Minute", "01:01:01"},
        {86400, "1 Days, 0 Hours, 0 Minutes", "24:00:00"},
        {90061, "1 Days, 1 Hours, 1 Minute", "25:01:01"},
        {360000, "4 Days, 4 Hours, 0 Minutes", "100:00:00"},
        {INT32_MAX, "24855 Days, 3 Hours, 14 Minutes", "596523:14:07"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatPracticeTime(c.seconds, true), c.longForm) << c.seconds;
        EXPECT_EQ(FormatPracticeTime(c.seconds, false), c.shortForm) << c.seconds;
    }
}

TEST(PracticeTime, CountsOnlyWhileCountingAndNeverOverflows)
{
    std::int32_t seconds = 5;
    CountSecond(seconds, 0);
    EXPECT_EQ(seconds, 5);
    CountSecond(seconds, 1);
    EXPECT_EQ(seconds, 6);
    seconds = INT32_MAX;
    CountSecond(seconds, 1);
    EXPECT_EQ(seconds, INT32_MAX);
}

}  // namespace
}  // namespace sonnavet
