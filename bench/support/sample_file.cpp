#include "support/sample_file.h"

#include "core/calendar/german_text.h"
#include "core/model/block_catalogue.h"

#include <array>
#include <random>

namespace notavi::bench {
namespace {

// Share of the lines per block, in per mille, in catalogue order (a big personal file: mostly
// birthdays, then weekly and one-time appointments).
constexpr std::array<int, kUserBlockCount> kShares = {300, 60, 150, 60, 30, 20, 80, 60, 30, 40, 30, 20, 100};

const std::array<const char*, 12> kNames = {"Anna",   "Peter", "Maria",  "J\xFCrgen", "Ute",   "Klaus",
                                            "Sabine", "Heinz", "Monika", "Stefan",    "Petra", "G\xFCnter"};
const std::array<const char*, 10> kEvents = {"Kegeln",  "Chorprobe",  "M\xFCll rausstellen", "Treppe wischen",
                                             "Sport",   "Stammtisch", "Elternabend",         "Zahnarzt",
                                             "Friseur", "Yoga"};
const std::array<const char*, 7> kWeekdays = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};

class Generator
{
  public:
    explicit Generator(std::uint32_t seed) : m_random(seed) {}

    int below(int n) { return static_cast<int>(m_random() % static_cast<std::uint32_t>(n)); }

    std::string date(int fromYear, int years)
    {
        DayNumber start = toDayNumber(fromYear, 1, 1);
        return formatDate(start + below(years * 365));
    }

    std::string options()
    {
        std::string text;
        int roll = below(100);
        if (roll < 5)
            text += "~F~ ";
        if (roll >= 5 && roll < 8)
            text += "~01.01.2020-31.12.2030~ ";
        if (roll >= 8 && roll < 12)
            text += "~" + twoDigits(below(24)) + ":" + twoDigits(below(60)) + "~ ";
        if (roll >= 12 && roll < 20)
            text += "~" + twoDigits(1 + below(17)) + "~ ";
        return text;
    }

    std::string name()
    {
        return std::string(kNames[static_cast<std::size_t>(below(12))]) + " " + std::to_string(below(1000));
    }

    std::string event() { return kEvents[static_cast<std::size_t>(below(10))]; }

    std::string line(int block)
    {
        switch (block) {
        case 0:
            return date(1930, 90) + " " + options() + name();
        case 1:
        case 7:
            return date(2001, 1).substr(0, 5) + " " + options() + (block == 1 ? name() : event());
        case 2:
            return std::string(kWeekdays[static_cast<std::size_t>(below(7))]) + " " + options() + event();
        case 3:
        case 4:
        case 5:
            return date(2000, 25) + " " + options() + event();
        case 6:
            return std::string(below(5) == 0 ? "-" : "+") + twoDigits(1 + below(28)) + " " + options() +
                   event();
        case 8:
            return date(1970, 50) + " " + options() + "Seit | Jahren " + event();
        case 9:
            return std::to_string(below(6) == 5 ? 9 : 1 + below(5)) + "." +
                   kWeekdays[static_cast<std::size_t>(below(7))] + " " + twoDigits(below(13)) + " " +
                   options() + event();
        case 10:
            return date(2000, 25) + " " + (std::string(below(2) ? "0" : "") + twoDigits(1 + below(60))) +
                   " " + options() + event();
        case 11: {
            DayNumber begin = toDayNumber(2020, 1, 1) + below(10 * 365);
            return formatDate(begin) + "-" + formatDate(begin + below(20)) + " Ferien";
        }
        default:
            return date(2020, 10) + " " + options() + event();
        }
    }

  private:
    std::mt19937 m_random;
};

} // namespace

Lines sampleFile(int appointmentLines, std::uint32_t seed)
{
    Generator generator(seed);
    Lines lines = {"*", "*    Notavi 9.00", "*", "*", "*", "*", "*", "*", "*", "*", "*"};
    for (int block = 0; block < kUserBlockCount; ++block) {
        lines.push_back(BlockCatalogue::headerText(block));
        int count = appointmentLines * kShares[static_cast<std::size_t>(block)] / 1000;
        for (int i = 0; i < count; ++i)
            lines.push_back(generator.line(block));
        lines.push_back("@ E N D E");
    }
    return lines;
}

} // namespace notavi::bench
