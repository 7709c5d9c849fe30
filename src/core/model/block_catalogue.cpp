#include "core/model/block_catalogue.h"

#include "core/model/windows1252.h"

#include <array>

namespace notavi {
namespace {

BlockInfo block(std::string_view code, std::string_view name, std::string_view header)
{
    return BlockInfo{fromUtf8(code), fromUtf8(name), fromUtf8(header)};
}

const std::array<BlockInfo, kBlockCount>& table()
{
    static const std::array<BlockInfo, kBlockCount> kTable = {
        block("GEB", "Geburtstage",
              "Geburtstage:  TT.MM.JJJJ [~F~ ][~TT.MM.JJJJ-TT.MM.JJJJ~ ][~hh:mm~ ][~xx~ ]Name (unbekanntes "
              "Geburtsjahr = 9999)"),
        block("NAM", "Namenstage",
              "Namenstage:  TT.MM [~F~ ][~TT.MM.JJJJ-TT.MM.JJJJ~ ][~hh:mm~ ][~xx~ ]Name"),
        block("WÖC", "Wöchentliche Termine",
              "Wöchentliche Termine:  Wo [~F~ ][~TT.MM.JJJJ-TT.MM.JJJJ~ ][~hh:mm~ ][~xx~ ]Ereignis;wobei "
              "Wo=Wochentag(z.B.:Fr=Freitag)"),
        block(
            "ZWE", "Zweiwöchentliche Termine",
            "Zweiwöchentliche Termine:  TT.MM.JJJJ [~F~ ][~TT.MM.JJJJ-TT.MM.JJJJ~ ][~hh:mm~ ][~xx~ ]Ereignis "
            "(ab diesem Tag)"),
        block(
            "VIE", "Vierwöchentliche Termine",
            "Vierwöchentliche Termine:  TT.MM.JJJJ [~F~ ][~TT.MM.JJJJ-TT.MM.JJJJ~ ][~hh:mm~ ][~xx~ ]Ereignis "
            "(ab diesem Tag)"),
        block(
            "_6_", "Sechswöchentliche Termine",
            "_6_wöchentliche Termine:  TT.MM.JJJJ [~F~ ][~TT.MM.JJJJ-TT.MM.JJJJ~ ][~hh:mm~ ][~xx~ ]Ereignis "
            "(ab diesem Tag)"),
        block("MON", "Monatliche Termine",
              "Monatliche Termine:  +/-TT [~F~ ][~TT.MM.JJJJ-TT.MM.JJJJ~ ][~hh:mm~ ][~xx~ ]Ereignis(in JEDEM "
              "Monat)"),
        block("JÄH", "Jährliche Termine",
              "Jährliche Termine:  TT.MM [~F~ ][~TT.MM.JJJJ-TT.MM.JJJJ~ ][~hh:mm~ ][~xx~ ]Ereignis"),
        block("SEI", "Seit x Jahren",
              "Seit x Jahren:  TT.MM.JJJJ [~F~ ][~TT.MM.JJJJ-TT.MM.JJJJ~ ][~hh:mm~ ][~xx~ ]1.Satzteil "
              "|2.Satzteil"),
        block("X-W", "X-wo-tag-auswerten",
              "X-wo-tag-auswerten:  x.wo MM [~F~ ][~TT.MM.JJJJ-TT.MM.JJJJ~ ][~hh:mm~ ][~xx~ ]Ereignis"),
        block(
            "+AL", "+Alle x Tage",
            "+Alle x Tage/Wochen:  TT.MM.JJJJ xxx [~F~ ][~TT.MM.JJJJ-TT.MM.JJJJ~ ][~hh:mm~ ][~xx~ ]Ereignis "
            "(ab diesem Tag)"),
        block("FER", "Ferien", "Ferien:  TT.MM.JJJJ-TT.MM.JJJJ [~F~ ][~hh:mm~ ][~xx~ ]Ferienname"),
        block("EIN", "Einmalige Termine", "Einmalige Termine:  TT.MM.JJJJ [~F~ ][~hh:mm~ ][~xx~ ]Ereignis"),
        block("", "Ostern", ""),
        block("", "Advent", ""),
        block("", "Feiertage", ""),
        block("", "Mondphasen", ""),
    };
    return kTable;
}

} // namespace

const BlockInfo& BlockCatalogue::info(int blockNumber)
{
    const auto& t = table();
    return t[static_cast<std::size_t>(blockNumber >= 0 && blockNumber < kBlockCount ? blockNumber : 0)];
}

std::optional<int> BlockCatalogue::blockOfCode(std::string_view code)
{
    // Codes are three bytes: compared byte by byte, which is cheaper than a call to compare them.
    const auto& t = table();
    for (std::size_t i = 0; i < static_cast<std::size_t>(kUserBlockCount); ++i) {
        const std::string_view known = t[i].code;
        if (known.size() != code.size())
            continue;
        std::size_t same = 0;
        while (same < known.size() && known[same] == code[same])
            ++same;
        if (same == known.size())
            return static_cast<int>(i);
    }
    return std::nullopt;
}

std::optional<int> BlockCatalogue::headerBlock(std::string_view line)
{
    // Asked of nearly every line of the file: upper-cased in place, nothing allocated.
    if (line.size() < 3)
        return std::nullopt;
    const char code[3] = {toUpper1252(line[0]), toUpper1252(line[1]), toUpper1252(line[2])};
    return blockOfCode(std::string_view(code, 3));
}

} // namespace notavi
