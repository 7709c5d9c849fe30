#include "core/app/number_game.h"

#include <gtest/gtest.h>

namespace notavi {
namespace {

TEST(NumberGame, AnswersEachGuessWithItsCountUntilTheSecretIsFound)
{
    NumberGame game([] { return 42; });
    game.start();
    EXPECT_EQ(game.guess(10), "Ihr 1. Versuch ist zu klein.");
    EXPECT_EQ(game.guess(0), "Ihr 2. Versuch ist zu klein.");
    EXPECT_EQ(game.guess(77), "Ihr 3. Versuch ist zu gro\xDF.");
    EXPECT_FALSE(game.solved());
    EXPECT_EQ(game.guess(42), "Ihr 4. Versuch ist richtig. Herzlichen Gl\xFC"
                              "ckwunsch!");
    EXPECT_TRUE(game.solved());
    EXPECT_EQ(game.guesses(), 4);
}

TEST(NumberGame, StartDrawsANewSecretAndForgetsTheLastGame)
{
    int draws = 0;
    NumberGame game([&draws] { return ++draws == 1 ? 42 : 7; });
    game.start();
    game.guess(42);
    game.start();
    EXPECT_FALSE(game.solved());
    EXPECT_EQ(game.guesses(), 0);
    EXPECT_EQ(game.guess(42), "Ihr 1. Versuch ist zu gro\xDF.");
    EXPECT_EQ(draws, 2);
}

TEST(NumberGame, DefaultDrawStaysWithinOneToHundred)
{
    NumberGame game;
    for (int round = 0; round < 200; ++round) {
        game.start();
        // The secret lies in 1..100 exactly when 1 is not too big and 100 not too small.
        EXPECT_NE(game.guess(1), "Ihr 1. Versuch ist zu gro\xDF.");
        EXPECT_NE(game.guess(100), "Ihr 2. Versuch ist zu klein.");
    }
}

} // namespace
} // namespace notavi
