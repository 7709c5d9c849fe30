#include "core/app/settings_sections.h"

#include "core/model/windows1252.h"

#include <charconv>
#include <concepts>
#include <type_traits>
#include <utility>

namespace notavi {
namespace {

static_assert(std::is_same_v<GuiColour, int>, "colours are read and written as plain integers");

const std::array<std::string, kSettingsSectionCount> kSectionNames = {"Haupt",
                                                                      "Terminblock",
                                                                      "TBlockfarbe",
                                                                      "Anzeige",
                                                                      "Terminansicht",
                                                                      "Tooltipp",
                                                                      "Wecker",
                                                                      "Extras",
                                                                      "Timer",
                                                                      "Ferien",
                                                                      "AnzeigeEditor",
                                                                      "Kalender",
                                                                      "Sicherungspfad",
                                                                      "Editor",
                                                                      "Pr\xFC"
                                                                      "fliste"};

// The keys of the block menu items, indexed by block number.
constexpr std::array<const char*, kBlockCount> kBlockSwitchKeys = {"C_MItem_Geburtstage",
                                                                   "C_MItem_Namenstage",
                                                                   "C_MItem_WoechentlicheTermine",
                                                                   "C_MItem_ZweiwoechentlTermine",
                                                                   "C_MItem_VierwoechentlTermine",
                                                                   "C_MItem_6woechentlTermine",
                                                                   "C_MItem_MonatlicheTermine",
                                                                   "C_MItem_JaehrlicheTermine",
                                                                   "C_MItem_SeitxJahren",
                                                                   "C_MItem_Xwotagauswerten",
                                                                   "C_MItem_AllexTage",
                                                                   "C_MItem_Ferien",
                                                                   "C_MItem_EinmaligeTermine",
                                                                   "C_MItem_Ostern",
                                                                   "C_MItem_Advent",
                                                                   "C_MItem_Feiertage",
                                                                   "C_MItem_Mondphasen"};

constexpr std::array<const char*, kMoonPhaseCount> kMoonPhaseKeys = {
    "C_MItem_Neumond", "C_MItem_ZunHalbmond", "C_MItem_Vollmond", "C_MItem_AbnHalbmond"};

constexpr const char* kReminderText = "Erinnerung.";

class SectionReader
{
  public:
    SectionReader(const IniFile& file, std::string_view section) : file_(file), section_(section) {}

    void integer(std::string_view key, int& value) const
    {
        if (const auto stored = file_.value(section_, key))
            if (const auto number = parseIniInteger(*stored))
                value = *number;
    }

    // Any non-zero integer is yes, as the program always wrote "1".
    void yesNo(std::string_view key, bool& value) const
    {
        int number = value ? 1 : 0;
        integer(key, number);
        value = number != 0;
    }

    void text(std::string_view key, std::string& value) const
    {
        if (auto stored = file_.value(section_, key))
            value = std::move(*stored);
    }

    // Three exclusive menu items; a file naming more than one is read in the order the block selection
    // dialog decides: thousand days first, then none, else normal.
    void birthdayMode(BirthdayMode& mode) const
    {
        bool withThousandDays = false;
        bool none = false;
        yesNo("C_MItem_GeburtstageMit", withThousandDays);
        yesNo("C_MItem_KeineGeburtstage", none);
        mode = withThousandDays ? BirthdayMode::WithThousandDays
               : none           ? BirthdayMode::None
                                : BirthdayMode::Normal;
    }

  private:
    const IniFile& file_;
    std::string_view section_;
};

class SectionWriter
{
  public:
    SectionWriter(IniFile& file, std::string_view section) : file_(file), section_(section) {}

    void integer(std::string_view key, int value) const
    {
        file_.setValue(section_, key, std::to_string(value));
    }

    void yesNo(std::string_view key, bool value) const { file_.setValue(section_, key, value ? "1" : "0"); }

    void text(std::string_view key, const std::string& value) const { file_.setValue(section_, key, value); }

    void birthdayMode(BirthdayMode mode) const
    {
        yesNo("C_MItem_GeburtstageMit", mode == BirthdayMode::WithThousandDays);
        yesNo("C_MItem_GeburtstageNormal", mode == BirthdayMode::Normal);
        yesNo("C_MItem_KeineGeburtstage", mode == BirthdayMode::None);
    }

  private:
    IniFile& file_;
    std::string_view section_;
};

// One visit function per section type lists its keys for both directions. T is the section's struct,
// const when writing.
template <class T, class U>
concept SectionOf = std::same_as<std::remove_const_t<T>, U>;

template <class Io, class T> void visitGeometry(const Io& io, T& g)
{
    io.integer("Top", g.top);
    io.integer("Left", g.left);
    io.integer("Width", g.width);
    io.integer("Height", g.height);
    io.yesNo("WindowState.wsMaximized", g.maximised);
}

template <class Io, class T> void visitFont(const Io& io, T& f)
{
    io.text("Font.Name", f.name);
    io.integer("Font.Size", f.size);
    io.integer("Font.Color", f.colour);
    io.yesNo("Font.Style.fsBold", f.bold);
    io.yesNo("Font.Style.fsItalic", f.italic);
    io.yesNo("Font.Style.fsUnderline", f.underline);
    io.yesNo("Font.Style.fsStrikeOut", f.strikeOut);
}

template <class Io, class T> void visitBackground(const Io& io, const std::string& control, T& b)
{
    io.yesNo(control + "-WindowsFarbe", b.useWindowColour);
    io.integer(control + ".Color", b.personalColour);
}

template <class Io, SectionOf<MainWindowSettings> T> void visit(const Io& io, T& s)
{
    visitGeometry(io, s.geometry);
    visitFont(io, s.font);
    visitBackground(io, "C_RE_TerminAnzeige", s.background);
    io.yesNo("C_MItem_Dialogfenster", s.dialogsFollowView);
}

template <class Io, SectionOf<EditorWindowSettings> T> void visit(const Io& io, T& s)
{
    visitGeometry(io, s.geometry);
    visitFont(io, s.font);
    visitBackground(io, "C_RE_Termin", s.background);
}

template <class Io, SectionOf<CheckListSettings> T> void visit(const Io& io, T& s)
{
    visitFont(io, s.font);
    visitBackground(io, "C_LSBX_Fehler", s.background);
}

template <class Io, SectionOf<BlockDisplaySettings> T> void visit(const Io& io, T& s)
{
    for (std::size_t block = 0; block < kBlockSwitchKeys.size(); ++block)
        io.yesNo(kBlockSwitchKeys[block], s.shown[block]);
    io.birthdayMode(s.birthdays);
    for (std::size_t phase = 0; phase < kMoonPhaseKeys.size(); ++phase)
        io.yesNo(kMoonPhaseKeys[phase], s.moonPhases[phase]);
    io.yesNo("C_MItem_Uhrzeit", s.moonClockTime);
}

template <class Io, SectionOf<BlockColourSettings> T> void visit(const Io& io, T& s)
{
    for (std::size_t block = 0; block < s.codes.size(); ++block)
        io.integer(std::to_string(block), s.codes[block]);
}

template <class Io, SectionOf<ViewDisplaySettings> T> void visit(const Io& io, T& s)
{
    io.yesNo("C_MItem_WTagHeute", s.weekdayToday);
    io.yesNo("C_MItem_WTagRest", s.weekdayRest);
    io.yesNo("C_MItem_Leerzeile", s.separatorLines);
    io.yesNo("C_MItem_Zeilenumbruch", s.wordWrap);
    io.yesNo("C_MItem_Schaltflaechenleiste", s.buttonBar);
    io.yesNo("C_MItem_Symbolleiste", s.toolBar);
    io.yesNo("C_MItem_Cursor", s.wideCaret);
}

template <class Io, SectionOf<StartViewSettings> T> void visit(const Io& io, T& s)
{
    io.integer("Terminansicht", s.tab);
}

template <class Io, SectionOf<TooltipSettings> T> void visit(const Io& io, T& s)
{
    io.yesNo("Tooltipp", s.shown);
    io.integer("Anzeigedauer", s.displayMilliseconds);
}

template <class Io, SectionOf<AlarmClockSettings> T> void visit(const Io& io, T& s)
{
    io.yesNo("Weckerzustand", s.active);
    io.integer("Weckzeit", s.minuteOfDay);
    io.text("Wecknachricht", s.message);
}

template <class Io, SectionOf<ExtrasSettings> T> void visit(const Io& io, T& s)
{
    io.yesNo("C_MItem_URLabfrage", s.confirmUrl);
    io.yesNo("C_MItem_LoeschenStart", s.deleteExpiredAtStart);
    io.integer("C_MItem_LoeschenFrist", s.deletionPeriodDays);
    io.yesNo("C_MItem_Alarmvordergrund", s.alarmsOnTop);
    io.yesNo("C_MItem_SystemTray", s.minimiseToTray);
    io.yesNo("C_MItem_MinimiertStarten", s.startMinimised);
}

template <class Io, SectionOf<CountdownSettings> T> void visit(const Io& io, T& s)
{
    io.integer("Timer", s.seconds);
    io.text("Timerart", s.action);
}

template <class Io, SectionOf<HolidayImportSettings> T> void visit(const Io& io, T& s)
{
    io.integer("Bundesland", s.stateIndex);
    io.yesNo("Bundeslandname", s.withStateName);
}

template <class Io, SectionOf<EditorDisplaySettings> T> void visit(const Io& io, T& s)
{
    io.yesNo("C_MItem_Schaltflaechenleiste", s.buttonBar);
    io.yesNo("C_MItem_Symbolleiste", s.toolBar);
    io.yesNo("C_MItem_Cursor", s.wideCaret);
}

template <class Io, SectionOf<CalendarSettings> T> void visit(const Io& io, T& s)
{
    io.yesNo("Kalender", s.shown);
}

template <class Io, SectionOf<BackupSettings> T> void visit(const Io& io, T& s)
{
    io.text("Sicherungspfad", s.path);
}

// Calls f with the member of `settings` that holds the section.
template <class S, class F> void withSectionOf(SettingsSection section, S& settings, F&& f)
{
    switch (section) {
    case SettingsSection::Main:
        return f(settings.main);
    case SettingsSection::BlockDisplay:
        return f(settings.blockDisplay);
    case SettingsSection::BlockColours:
        return f(settings.blockColours);
    case SettingsSection::View:
        return f(settings.view);
    case SettingsSection::StartView:
        return f(settings.startView);
    case SettingsSection::Tooltips:
        return f(settings.tooltips);
    case SettingsSection::AlarmClock:
        return f(settings.alarmClock);
    case SettingsSection::Extras:
        return f(settings.extras);
    case SettingsSection::Countdown:
        return f(settings.countdown);
    case SettingsSection::HolidayImport:
        return f(settings.holidayImport);
    case SettingsSection::EditorView:
        return f(settings.editorView);
    case SettingsSection::Calendar:
        return f(settings.calendar);
    case SettingsSection::Backup:
        return f(settings.backup);
    case SettingsSection::Editor:
        return f(settings.editor);
    case SettingsSection::CheckList:
        return f(settings.checkList);
    }
}

bool inRange(int value, int low, int high)
{
    return value >= low && value <= high;
}

// After reading: values the rest of the program cannot work with fall back to their defaults.
template <class T> void normalise(T&) {}

void normalise(BlockColourSettings& s)
{
    for (int& code : s.codes)
        if (!inRange(code, 0, 17))
            code = 0;
}

void normalise(StartViewSettings& s)
{
    if (!inRange(s.tab, 0, 4))
        s.tab = 0;
}

void normalise(TooltipSettings& s)
{
    if (!inRange(s.displayMilliseconds, 1, 60000))
        s.displayMilliseconds = TooltipSettings{}.displayMilliseconds;
}

void normalise(AlarmClockSettings& s)
{
    if (!inRange(s.minuteOfDay, 0, 24 * 60 - 1))
        s.minuteOfDay = 0;
    // The alarm clock dialog shows the stored message only for an alarm that is still set.
    if (!s.active)
        s.message = kReminderText;
}

void normalise(ExtrasSettings& s)
{
    if (!inRange(s.deletionPeriodDays, 1, 9999))
        s.deletionPeriodDays = ExtrasSettings{}.deletionPeriodDays;
}

void normalise(HolidayImportSettings& s)
{
    // The upper end depends on the state list, which the import checks.
    if (s.stateIndex < 0)
        s.stateIndex = 0;
}

} // namespace

const std::array<SettingsSection, kSettingsSectionCount>& allSettingsSections()
{
    static const auto sections = [] {
        std::array<SettingsSection, kSettingsSectionCount> all{};
        for (int i = 0; i < kSettingsSectionCount; ++i)
            all[static_cast<std::size_t>(i)] = static_cast<SettingsSection>(i);
        return all;
    }();
    return sections;
}

const std::string& sectionName(SettingsSection section)
{
    return kSectionNames[static_cast<std::size_t>(section)];
}

std::optional<SettingsSection> sectionOfName(std::string_view name)
{
    const auto wanted = toUpper1252(name);
    for (const auto section : allSettingsSections())
        if (toUpper1252(sectionName(section)) == wanted)
            return section;
    return std::nullopt;
}

void readSection(const IniFile& file, SettingsSection section, Settings& settings)
{
    const SectionReader reader(file, sectionName(section));
    withSectionOf(section, settings, [&](auto& part) {
        part = std::remove_cvref_t<decltype(part)>{};
        visit(reader, part);
        normalise(part);
    });
}

void writeSection(IniFile& file, SettingsSection section, const Settings& settings)
{
    const SectionWriter writer(file, sectionName(section));
    withSectionOf(section, settings, [&](const auto& part) { visit(writer, part); });
}

std::optional<int> parseIniInteger(std::string_view text)
{
    // from_chars takes a minus sign only; a plus sign is allowed in front of digits.
    if (text.size() > 1 && text.front() == '+' && text[1] != '-')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc{} || stop != end)
        return std::nullopt;
    return value;
}

} // namespace notavi
