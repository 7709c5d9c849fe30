#include "sample/sample_file.h"

#include "core/calendar/german_text.h"
#include "core/model/block_catalogue.h"
#include "core/model/info_area.h"

#include <algorithm>
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

std::string toUpperAscii(std::string text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

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

    std::string options(bool periodAllowed = true)
    {
        std::string text;
        int roll = below(100);
        if (roll < 5)
            text += "~F~ ";
        if (roll >= 5 && roll < 8 && periodAllowed)
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
            return date(2020, 10) + " " + options(false) + event();
        }
    }

    // Every combination of the four option fields, valid or not.
    std::string anyOptions()
    {
        std::string text;
        if (below(2))
            text += below(2) ? "~F~ " : "~f~ ";
        if (below(3) == 0)
            text += below(4) ? "~" + date(2020, 8) + "-" + date(2024, 8) + "~ " : "~31.02.2025-01.01.2025~ ";
        if (below(3) == 0)
            text += below(4) ? "~" + twoDigits(below(24)) + ":" + twoDigits(below(60)) + "~ " : "~25:61~ ";
        if (below(3) == 0)
            text += "~" + twoDigits(below(20)) + "~ ";
        return text;
    }

    std::string faultyLine(int block)
    {
        static const std::array<const char*, 12> kFaults = {"31.02.2025 ",
                                                            "xx.yy.zzzz ",
                                                            "Qq ",
                                                            "-00 ",
                                                            "+32 ",
                                                            "7.Mo 13 ",
                                                            "05.07.2002 000 ",
                                                            "05.07.2002 abc ",
                                                            "29.02.2023-01.03.2023 ",
                                                            "",
                                                            " ",
                                                            "99.13 "};
        std::string text = std::string(kFaults[static_cast<std::size_t>(below(12))]) + anyOptions() + event();
        if (block == 8 && below(2))
            text = date(1990, 20) + " " + anyOptions() + "ohne Trennstrich";
        return text;
    }

  private:
    std::mt19937 m_random;
};

} // namespace

Lines sampleFileWithFaults(int appointmentLines, std::uint32_t seed)
{
    Generator generator(seed);
    Lines lines = {"*", "*    Notavi 8.10", "*"};
    for (int block = 0; block < kUserBlockCount; ++block) {
        // Outdated spellings of the header now and then, as older files have them.
        lines.push_back(block % 3 == 0 ? toUpperAscii(BlockCatalogue::displayName(block))
                                       : BlockCatalogue::headerText(block));
        int count = appointmentLines * kShares[static_cast<std::size_t>(block)] / 1000;
        for (int i = 0; i < count; ++i) {
            int roll = generator.below(10);
            std::string line = roll < 2 ? generator.faultyLine(block) : generator.line(block);
            if (roll == 2)
                line =
                    line.substr(0, std::min<std::size_t>(line.size(), 12)) + generator.anyOptions() + "Text";
            lines.push_back(roll == 3 ? "~" + line : line);
            if (i % 97 == 5)
                lines.push_back("* Kommentar mitten im Block");
        }
        if (block != 4)
            lines.push_back("@ E N D E");
        if (block == 6)
            lines.push_back("Notiz zwischen den Bl\xF6"
                            "cken");
        if (block == 9)
            lines.push_back("");
    }
    return lines;
}

Lines sampleFile(int appointmentLines, std::uint32_t seed)
{
    Generator generator(seed);
    Lines lines = standardInfoArea();
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
