#include "core/app/countdown.h"
#include "core/app/deletion_question.h"

#include <gtest/gtest.h>

namespace notavi {
namespace {

TEST(Countdown, EndsAfterItsSecondsAndThenStaysIdle)
{
    Countdown countdown;
    ASSERT_TRUE(countdown.start(3, CountdownAction::Quit));
    EXPECT_FALSE(countdown.tick());
    EXPECT_FALSE(countdown.tick());
    EXPECT_EQ(countdown.remaining(), 1);
    EXPECT_TRUE(countdown.tick());
    EXPECT_FALSE(countdown.running());
    EXPECT_FALSE(countdown.tick()); // the action comes once
}

TEST(Countdown, NothingRunsBelowOneSecondOrAfterStop)
{
    Countdown countdown;
    EXPECT_FALSE(countdown.start(0, CountdownAction::Quit));
    EXPECT_FALSE(countdown.start(-5, CountdownAction::Minimise));
    EXPECT_FALSE(countdown.tick());
    ASSERT_TRUE(countdown.start(1, CountdownAction::Minimise));
    countdown.stop();
    EXPECT_FALSE(countdown.tick());
}

TEST(Countdown, OnlyTheStoredQuitActionQuits)
{
    EXPECT_EQ(countdownActionOf("Beenden"), CountdownAction::Quit);
    EXPECT_EQ(countdownActionOf("Minimieren"), CountdownAction::Minimise);
    EXPECT_EQ(countdownActionOf("beenden"), CountdownAction::Minimise);
    EXPECT_EQ(countdownActionOf(""), CountdownAction::Minimise);
}

TEST(CountdownCaption, NamesTheSecondsAndTheAlarmClock)
{
    EXPECT_EQ(countdownCaption(false, 9, CountdownAction::Quit),
              "Notavi - noch 9 Sekunde(n) bis zum Programmende. Abbruch mit F12 oder Mausklick ins Fenster");
    EXPECT_EQ(countdownCaption(true, 12, CountdownAction::Minimise),
              "Notavi (Wecker aktiv) wird in 12 Sekunde(n) minimiert. Abbruch mit F12 oder Mausklick");
    EXPECT_EQ(mainCaption(false), "Notavi");
    EXPECT_EQ(mainCaption(true), "Notavi (Wecker aktiv)");
}

TEST(DeletionSwitchQuestion, OffersToSwitchOnWithThePeriodOrToSwitchOff)
{
    EXPECT_EQ(deletionSwitchQuestion(false, 14),
              "Sollen ab dem n\xE4"
              "chsten Programmstart verstrichene Termine, die mindes-\rtens 14 Tag(e) alt sind, "
              "automatisch (ohne Nachfrage) gel\xF6scht werden?");
    EXPECT_EQ(deletionSwitchQuestion(true, 14),
              "Soll ab dem n\xE4"
              "chsten Programmstart das automatische L\xF6schen\rverstrichener Termin (ohne Nachfrage) "
              "abgeschaltet werden?");
}

} // namespace
} // namespace notavi
