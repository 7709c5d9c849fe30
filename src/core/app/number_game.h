#pragma once

// The guessing game hidden in the about dialog: a secret number from 1 to 100 and the guesses so far.
// It lives as long as the program, so a game survives closing the dialog.

#include <functional>
#include <string>

namespace notavi {

class NumberGame
{
  public:
    // randomNumber yields a whole number from 1 to 100; the default draws from a generator seeded
    // from the clock.
    explicit NumberGame(std::function<int()> randomNumber = {});

    void start();
    // The answer line for the next guess, e.g. "Ihr 3. Versuch ist zu gro\xDF." (Windows-1252).
    std::string guess(int number);

    bool solved() const { return m_solved; }

    int guesses() const { return m_guesses; }

  private:
    std::function<int()> m_random;
    int m_secret = 1;
    int m_guesses = 0;
    bool m_solved = false;
};

} // namespace notavi
