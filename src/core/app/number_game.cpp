#include "core/app/number_game.h"

#include <chrono>
#include <random>

namespace notavi {

NumberGame::NumberGame(std::function<int()> randomNumber) : m_random(std::move(randomNumber))
{
    if (!m_random) {
        auto seed = static_cast<std::mt19937::result_type>(
            std::chrono::steady_clock::now().time_since_epoch().count());
        m_random = [generator = std::mt19937(seed)]() mutable {
            return std::uniform_int_distribution<int>(1, 100)(generator);
        };
    }
}

void NumberGame::start()
{
    m_secret = m_random();
    m_guesses = 0;
    m_solved = false;
}

std::string NumberGame::guess(int number)
{
    ++m_guesses;
    std::string answer = "Ihr " + std::to_string(m_guesses) + ". Versuch ist ";
    if (number < m_secret)
        return answer + "zu klein.";
    if (number > m_secret)
        return answer + "zu gro\xDF.";
    m_solved = true;
    return answer + "richtig. Herzlichen Gl\xFC"
                    "ckwunsch!";
}

} // namespace notavi
