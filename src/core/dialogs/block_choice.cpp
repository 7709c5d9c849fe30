#include "core/dialogs/block_choice.h"

#include "core/model/block_catalogue.h"

#include <array>

namespace notavi {
namespace {

constexpr std::array<BlockChoiceButton, 1> kWithoutRepetition = {{{"C_RDBT_Einmalig", 12}}};
constexpr std::array<BlockChoiceButton, 4> kYearly = {{{"C_RDBT_Geburtstag", 0},
                                                       {"C_RDBT_Namenstag", 1},
                                                       {"C_RDBT_Jaehrlich", 7},
                                                       {"C_RDBT_Seit_x_Jahren", 8}}};
constexpr std::array<BlockChoiceButton, 2> kMonthly = {{{"C_RDBT_X_Wochentag", 9}, {"C_RDBT_Monatlich", 6}}};
constexpr std::array<BlockChoiceButton, 5> kDailyAndWeekly = {{{"C_RDBT_Alle_x_Tage", 10},
                                                               {"C_RDBT_Woechentlich", 2},
                                                               {"C_RDBT_2woechentlich", 3},
                                                               {"C_RDBT_4woechentlich", 4},
                                                               {"C_RDBT_6woechentlich", 5}}};
constexpr std::array<BlockChoiceButton, 1> kHolidays = {{{"C_RDBT_Ferien", 11}}};

} // namespace

std::span<const BlockChoiceGroup> blockChoiceGroups()
{
    static const std::array<BlockChoiceGroup, 5> kGroups = {{
        {"Termin ohne Wiederholung", kWithoutRepetition},
        {"J\xE4hrlich wiederkehrende Termine (siehe auch den ersten monatlichen Termin)", kYearly},
        {"Monatlich wiederkehrende Termine", kMonthly},
        {"T\xE4glich und w\xF6"
         "chentlich wiederkehrende Termine",
         kDailyAndWeekly},
        {"Ferientermine", kHolidays},
    }};
    return kGroups;
}

int initialBlockChoice(std::optional<int> entryBlock)
{
    if (entryBlock && *entryBlock >= 0 && *entryBlock < kUserBlockCount)
        return *entryBlock;
    return blockNumber(BlockKind::OneTime);
}

const std::string& entryBlockItemText(int block)
{
    // The item of the every-x-days block names the weeks as well; the others are the display names.
    static const std::string kEveryXDaysItem = "+Alle x Tage/Wochen";
    static const std::string kNone;
    if (block == blockNumber(BlockKind::EveryXDays))
        return kEveryXDaysItem;
    if (block < 0 || block >= kUserBlockCount)
        return kNone;
    return BlockCatalogue::displayName(block);
}

} // namespace notavi
