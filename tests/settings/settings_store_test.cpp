#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <string>

#include "settings/cp1252.h"
#include "settings/scratch_folder.h"
#include "support/named_case.h"

namespace tavexo {
namespace {

using ::tavexo::testing::PrintTo;

TEST(LoadSettings, WithoutAFileEveryFieldHasItsFirstStartDefault) {
    ScratchFolder folder;
    const TProgramSettings s = SettingsStore(folder.Path()).LoadSettings();
    for (const bool cue : s.soundCues) EXPECT_TRUE(cue);
    EXPECT_FALSE(s.noRobotSound);
    EXPECT_FALSE(s.training.trainingMode);
    EXPECT_TRUE(s.training.showCounts);
    EXPECT_TRUE(s.training.showStrategicBet);
    EXPECT_TRUE(s.training.deviationSound);
    EXPECT_EQ(s.training.insuranceChoice, 0);
    EXPECT_EQ(s.training.betPause, 0);
    EXPECT_FALSE(s.hidePassive);
    EXPECT_EQ(s.cardDelay, 10);
    EXPECT_EQ(s.actionTime, 150);
    EXPECT_EQ(s.roundDelay, 50);
    EXPECT_EQ(s.rules.deckChoice, 3);
    EXPECT_TRUE(s.rules.splitAcesOneCard);
    EXPECT_TRUE(s.rules.softDouble);
    EXPECT_FALSE(s.rules.noSurrender);
    EXPECT_EQ(s.rules.doubleChoice, 1);
    EXPECT_EQ(s.training.deviationReaction, 0);
    EXPECT_EQ(s.training.betRampFactor, 4);
}

TEST(LoadSettings, AFileWithoutKeysDiffersFromNoFileOnlyInRobotTon) {
    ScratchFolder folder;
    folder.Write("Allgemein.ini", "[Fremd]\r\nx=1\r\n");
    TProgramSettings expected;
    expected.noRobotSound = true;
    EXPECT_EQ(SettingsStore(folder.Path()).LoadSettings(), expected);
}

// One key of "Allgemein.ini" with a value other than its default, and where
// that value must land.
struct KeyCase {
    const char* section;
    const char* key;
    const char* value;
    std::function<bool(const TProgramSettings&)> landed;
};

std::vector<KeyCase> EveryKey() {
    std::vector<KeyCase> cases;
    for (int i = 0; i < SOUND_CUE_COUNT; ++i) {
        static const char* const keys[] = {"0", "1", "2", "3", "4", "5"};
        cases.push_back({"Ablauftöne", keys[i], "0",
                         [i](const TProgramSettings& s) { return !s.soundCues[i]; }});
    }
    cases.push_back({"Ablauftöne", "RobotTon", "0", [](auto& s) { return !s.noRobotSound; }});
    cases.push_back({"Training", "go", "1", [](auto& s) { return s.training.trainingMode; }});
    cases.push_back(
        {"Strategie", "CountAnzeige", "0", [](auto& s) { return !s.training.showCounts; }});
    cases.push_back(
        {"Strategie", "EinsatzAnzeige", "0", [](auto& s) { return !s.training.showStrategicBet; }});
    cases.push_back({"Training", "sound", "0", [](auto& s) { return !s.training.deviationSound; }});
    cases.push_back(
        {"Strategie", "Versichern", "4", [](auto& s) { return s.training.insuranceChoice == 4; }});
    cases.push_back(
        {"Strategie", "Setzpause", "2", [](auto& s) { return s.training.betPause == 2; }});
    cases.push_back({"Ansicht", "HidePassive", "1", [](auto& s) { return s.hidePassive; }});
    cases.push_back({"Verzögerung", "1", "0", [](auto& s) { return s.cardDelay == 0; }});
    cases.push_back({"Verzögerung", "2", "600", [](auto& s) { return s.actionTime == 600; }});
    cases.push_back({"Verzögerung", "3", "0", [](auto& s) { return s.roundDelay == 0; }});
    cases.push_back({"Regeln", "Decks", "0", [](auto& s) { return s.rules.deckChoice == 0; }});
    cases.push_back(
        {"Regeln", "AsseTeilen", "0", [](auto& s) { return !s.rules.splitAcesOneCard; }});
    cases.push_back({"Regeln", "AsVerdoppeln", "0", [](auto& s) { return !s.rules.softDouble; }});
    cases.push_back({"Regeln", "Aufgeben", "1", [](auto& s) { return s.rules.noSurrender; }});
    cases.push_back(
        {"Regeln", "Verdoppeln", "3", [](auto& s) { return s.rules.doubleChoice == 3; }});
    cases.push_back(
        {"Strategie", "Modus", "3", [](auto& s) { return s.training.deviationReaction == 3; }});
    cases.push_back(
        {"Strategie", "Faktor", "0", [](auto& s) { return s.training.betRampFactor == 0; }});
    return cases;
}

TEST(LoadSettings, EveryKeyReachesItsOwnFieldAndNoOther) {
    for (const KeyCase& c : EveryKey()) {
        SCOPED_TRACE(std::string(c.section) + " " + c.key);
        ScratchFolder folder;
        // The file as Windows writes it: one byte for the "ö".
        folder.Write("Allgemein.ini", Utf8ToCp1252(std::string("[") + c.section + "]\r\n" + c.key +
                                                   "=" + c.value + "\r\n"));
        const TProgramSettings s = SettingsStore(folder.Path()).LoadSettings();
        EXPECT_TRUE(c.landed(s));
        // Every other field keeps its default for a missing key.
        int changed = 0;
        for (const KeyCase& other : EveryKey()) changed += other.landed(s) ? 1 : 0;
        EXPECT_EQ(changed, 1);
    }
}

struct FallbackCase {
    const char* section;
    const char* key;
    const char* value;
    std::function<int32_t(const TProgramSettings&)> field;
    int32_t expected;
};

// Listed by what the case feeds in, not as a byte dump.
void PrintTo(const FallbackCase& c, std::ostream* os) {
    *os << c.section << "/" << c.key << "=" << c.value;
}

class UnusableValue : public ::testing::TestWithParam<FallbackCase> {};

TEST_P(UnusableValue, ReadsAsTheDefault) {
    const FallbackCase& c = GetParam();
    ScratchFolder folder;
    folder.Write("Allgemein.ini", Utf8ToCp1252(std::string("[") + c.section + "]\r\n" + c.key +
                                               "=" + c.value + "\r\n"));
    EXPECT_EQ(c.field(SettingsStore(folder.Path()).LoadSettings()), c.expected);
}

int32_t Decks(const TProgramSettings& s) {
    return s.rules.deckChoice;
}
int32_t Doubling(const TProgramSettings& s) {
    return s.rules.doubleChoice;
}
int32_t Reaction(const TProgramSettings& s) {
    return s.training.deviationReaction;
}
int32_t Factor(const TProgramSettings& s) {
    return s.training.betRampFactor;
}
int32_t Insurance(const TProgramSettings& s) {
    return s.training.insuranceChoice;
}
int32_t Pause(const TProgramSettings& s) {
    return s.training.betPause;
}
int32_t CardDelay(const TProgramSettings& s) {
    return s.cardDelay;
}
int32_t RoundDelay(const TProgramSettings& s) {
    return s.roundDelay;
}
int32_t ActionTime(const TProgramSettings& s) {
    return s.actionTime;
}
int32_t RobotTon(const TProgramSettings& s) {
    return s.noRobotSound;
}
int32_t Surrender(const TProgramSettings& s) {
    return s.rules.noSurrender;
}

INSTANTIATE_TEST_SUITE_P(HandEdited, UnusableValue,
                         ::testing::Values(
                             // the largest usable index stays, one more falls back
                             FallbackCase{"Regeln", "Decks", "3", Decks, 3},
                             FallbackCase{"Regeln", "Decks", "4", Decks, 3},
                             FallbackCase{"Regeln", "Decks", "-1", Decks, 3},
                             FallbackCase{"Regeln", "Verdoppeln", "3", Doubling, 3},
                             FallbackCase{"Regeln", "Verdoppeln", "4", Doubling, 1},
                             FallbackCase{"Strategie", "Modus", "4", Reaction, 0},
                             FallbackCase{"Strategie", "Faktor", "5", Factor, 4},
                             FallbackCase{"Strategie", "Faktor", "-2", Factor, 4},
                             FallbackCase{"Strategie", "Versichern", "5", Insurance, 0},
                             FallbackCase{"Strategie", "Setzpause", "2", Pause, 2},
                             FallbackCase{"Strategie", "Setzpause", "3", Pause, 0},
                             FallbackCase{"Verzögerung", "1", "-5", CardDelay, 10},
                             FallbackCase{"Verzögerung", "3", "99999999", RoundDelay, 50},
                             FallbackCase{"Verzögerung", "3", "fünf", RoundDelay, 50},
                             // the delays read within the options dialog's ranges
                             FallbackCase{"Verzögerung", "1", "100", CardDelay, 100},
                             FallbackCase{"Verzögerung", "1", "101", CardDelay, 10},
                             FallbackCase{"Verzögerung", "3", "100", RoundDelay, 100},
                             FallbackCase{"Verzögerung", "3", "101", RoundDelay, 50},
                             // once accepted, and 21474836 * 100 + 5000 overflowed
                             FallbackCase{"Verzögerung", "3", "21474836", RoundDelay, 50},
                             FallbackCase{"Verzögerung", "2", "50", ActionTime, 50},
                             FallbackCase{"Verzögerung", "2", "49", ActionTime, 150},
                             FallbackCase{"Verzögerung", "2", "0", ActionTime, 150},
                             FallbackCase{"Verzögerung", "2", "601", ActionTime, 150},
                             // booleans: any whole number but 0 is true, anything else the default
                             FallbackCase{"Ablauftöne", "RobotTon", "2", RobotTon, 1},
                             FallbackCase{"Ablauftöne", "RobotTon", "ja", RobotTon, 1},
                             FallbackCase{"Regeln", "Aufgeben", "ja", Surrender, 0},
                             FallbackCase{"Regeln", "Aufgeben", "-1", Surrender, 1}));

TEST(SaveProgramOptions, WritesTheKeysInDialogOrderAndReadsBackTheSame) {
    ScratchFolder folder;
    const SettingsStore store(folder.Path());
    TProgramSettings settings;
    TProgramOptions options = ProgramOptionsOf(settings);
    options.soundCues = {true, false, true, false, true, false};
    options.noRobotSound = true;
    options.splitAcesOneCard = false;
    options.noSurrender = true;
    options.softDouble = false;
    options.cardDelay = 0;
    options.actionTime = 600;
    options.roundDelay = 100;
    options.deckChoice = 0;
    options.doubleChoice = 2;

    ASSERT_TRUE(store.SaveProgramOptions(settings, options).ok);
    EXPECT_EQ(folder.Read("Allgemein.ini"),
              "[Ablauft\xF6ne]\r\n0=1\r\n1=0\r\n2=1\r\n3=0\r\n4=1\r\n5=0\r\nRobotTon=1\r\n"
              "[Regeln]\r\nAsseTeilen=0\r\nAufgeben=1\r\nAsVerdoppeln=0\r\nDecks=0\r\n"
              "Verdoppeln=2\r\n"
              "[Verz\xF6gerung]\r\n1=0\r\n2=600\r\n3=100\r\n");
    EXPECT_EQ(ProgramOptionsOf(settings).soundCues, options.soundCues);
    EXPECT_EQ(settings.rules.deckChoice, 0);
    EXPECT_EQ(settings.rules.doubleChoice, 2);
    EXPECT_EQ(settings.actionTime, 600);
    EXPECT_EQ(store.LoadSettings(), settings);
}

TEST(SaveProgramOptions, KeepsKeysAndSectionsItDoesNotKnow) {
    ScratchFolder folder;
    folder.Write("Allgemein.ini",
                 "[Regeln]\r\nDecks=3\r\nHausregel=7\r\n\r\n[Zukunft]\r\nneu=ja\r\n");
    TProgramSettings settings;
    TProgramOptions options = ProgramOptionsOf(settings);
    options.deckChoice = 1;
    ASSERT_TRUE(SettingsStore(folder.Path()).SaveProgramOptions(settings, options).ok);
    const std::string bytes = folder.Read("Allgemein.ini");
    EXPECT_NE(bytes.find("[Regeln]\r\nDecks=1\r\nHausregel=7\r\nAsseTeilen=1\r\n"),
              std::string::npos)
        << bytes;
    EXPECT_NE(bytes.find("\r\n\r\n[Zukunft]\r\nneu=ja\r\n"), std::string::npos) << bytes;
}

struct SetterCase {
    const char* name;
    std::function<FileResult(const SettingsStore&, TProgramSettings&)> save;
    const char* line;  // the file afterwards
    std::function<bool(const TProgramSettings&)> landed;
};

class TrainingSetter : public ::testing::TestWithParam<SetterCase> {};

TEST_P(TrainingSetter, WritesItsOneKeyAndSetsItsField) {
    const SetterCase& c = GetParam();
    ScratchFolder folder;
    const SettingsStore store(folder.Path());
    TProgramSettings settings;
    ASSERT_TRUE(c.save(store, settings).ok);
    EXPECT_EQ(folder.Read("Allgemein.ini"), c.line);
    EXPECT_TRUE(c.landed(settings));
    EXPECT_EQ(store.LoadSettings().training, settings.training);
    EXPECT_EQ(store.LoadSettings().hidePassive, settings.hidePassive);
}

TEST_P(TrainingSetter, AFailedWriteKeepsTheOldValueAndNamesTheFile) {
    const SetterCase& c = GetParam();
    ScratchFolder folder;
    const SettingsStore store(folder.Path() + "fehlt/");
    TProgramSettings settings;
    const FileResult result = c.save(store, settings);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, WriteFailure(folder.Path() + "fehlt/Allgemein.ini", ENOENT).message);
    EXPECT_EQ(settings, TProgramSettings{});
}

INSTANTIATE_TEST_SUITE_P(
    Controls, TrainingSetter,
    ::testing::Values(
        SetterCase{"Trainingsmodus", [](auto& st, auto& s) { return st.SaveTrainingMode(s, true); },
                   "[Training]\r\ngo=1\r\n", [](auto& s) { return s.training.trainingMode; }},
        SetterCase{"Sound", [](auto& st, auto& s) { return st.SaveDeviationSound(s, false); },
                   "[Training]\r\nsound=0\r\n", [](auto& s) { return !s.training.deviationSound; }},
        SetterCase{"Zaehler", [](auto& st, auto& s) { return st.SaveShowCounts(s, false); },
                   "[Strategie]\r\nCountAnzeige=0\r\n",
                   [](auto& s) { return !s.training.showCounts; }},
        SetterCase{"Einsatz", [](auto& st, auto& s) { return st.SaveShowStrategicBet(s, false); },
                   "[Strategie]\r\nEinsatzAnzeige=0\r\n",
                   [](auto& s) { return !s.training.showStrategicBet; }},
        SetterCase{"Modus", [](auto& st, auto& s) { return st.SaveDeviationReaction(s, 2); },
                   "[Strategie]\r\nModus=2\r\n",
                   [](auto& s) { return s.training.deviationReaction == 2; }},
        SetterCase{"Faktor", [](auto& st, auto& s) { return st.SaveBetRampFactor(s, 1); },
                   "[Strategie]\r\nFaktor=1\r\n",
                   [](auto& s) { return s.training.betRampFactor == 1; }},
        SetterCase{"Setzpause", [](auto& st, auto& s) { return st.SaveBetPause(s, 1); },
                   "[Strategie]\r\nSetzpause=1\r\n",
                   [](auto& s) { return s.training.betPause == 1; }},
        SetterCase{"Versichern", [](auto& st, auto& s) { return st.SaveInsuranceChoice(s, 4); },
                   "[Strategie]\r\nVersichern=4\r\n",
                   [](auto& s) { return s.training.insuranceChoice == 4; }},
        SetterCase{"HidePassive", [](auto& st, auto& s) { return st.SaveHidePassive(s, true); },
                   "[Ansicht]\r\nHidePassive=1\r\n", [](auto& s) { return s.hidePassive; }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SaveProgramOptions, AFailedWriteWritesNothingAndKeepsTheSettings) {
    ScratchFolder folder;
    std::filesystem::create_directory(folder.File("Allgemein.ini"));
    const SettingsStore store(folder.Path());
    TProgramSettings settings;
    TProgramOptions options = ProgramOptionsOf(settings);
    options.deckChoice = 0;
    options.roundDelay = 0;
    const FileResult result = store.SaveProgramOptions(settings, options);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, WriteFailure(folder.File("Allgemein.ini"), EISDIR).message);
    EXPECT_EQ(settings, TProgramSettings{});
    EXPECT_TRUE(std::filesystem::is_directory(folder.File("Allgemein.ini")));
}

}  // namespace
}  // namespace tavexo
