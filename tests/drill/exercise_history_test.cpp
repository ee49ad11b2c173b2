// "Übungsverlauf.csv": the timed drills' rounds written, read back per
// drill, and damaged lines passed over without being lost.
#include <gtest/gtest.h>

#include "drill/exercise_history.h"
#include "settings/scratch_folder.h"

namespace tavexo {
namespace {

TEST(ExerciseHistory, KeepsEveryDrillsRoundsAndReadsThemBackByDrill) {
    ScratchFolder folder;
    const ExerciseRecord decks{
        "2026-12-10 14:05", DECK_ESTIMATION_EXERCISE, "6 Decks, halbe Decks", 10, 7, 0.3125, 3.2};
    const ExerciseRecord index{
        "2026-12-10 14:20", INDEX_PLAY_EXERCISE, "Jürgen", 20, 17, std::nullopt, 2.45};
    const ExerciseRecord count{
        "2026-12-11 08:00", TRUE_COUNT_EXERCISE, "8 Decks, Ablage", 5, 5, 0.0, 6.0};
    for (const ExerciseRecord& record : {decks, index, count})
        ASSERT_TRUE(AppendExercise(folder.Path(), record).ok);
    // Windows-1252, the error empty where answers are only right or wrong.
    EXPECT_EQ(folder.Read("Übungsverlauf.csv"),
              "Datum;\xDC"
              "bung;Einstellung;Fragen;Richtig;Fehler;Sek./Antwort\r\n"
              "2026-12-10 14:05;Decks sch\xE4tzen;6 Decks, halbe Decks;10;7;0,31;3,20\r\n"
              "2026-12-10 14:20;Indexspiele;J\xFCrgen;20;17;;2,45\r\n"
              "2026-12-11 08:00;Wahrer Z\xE4hlwert;8 Decks, Ablage;5;5;0,00;6,00\r\n");

    const auto read = LoadExercises(folder.Path(), DECK_ESTIMATION_EXERCISE);
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0].setting, "6 Decks, halbe Decks");
    EXPECT_NEAR(*read[0].meanError, 0.31, 1e-12);  // as written, to two places
    EXPECT_EQ(LoadExercises(folder.Path(), INDEX_PLAY_EXERCISE),
              std::vector<ExerciseRecord>{index});
    EXPECT_EQ(LoadExercises(folder.Path(), TRUE_COUNT_EXERCISE),
              std::vector<ExerciseRecord>{count});
}

TEST(ExerciseHistory, DamagedLinesArePassedOverAndKept) {
    ScratchFolder folder;
    const std::string damaged =
        "Datum;\xDC"
        "bung;Einstellung;Fragen;Richtig;Fehler;Sek./Antwort\r\n"
        "2026-12-01 10:00;Indexspiele;Uwe;10;11;;2,00\r\n"   // more right than asked
        "2026-12-01 11:00;Indexspiele;Uwe;0;0;;2,00\r\n"     // no question
        "2026-12-01 12:00;Indexspiele;Uwe;10;8;-1;2,00\r\n"  // a negative error
        "2026-12-01 13:00;Indexspiele;Uwe;10;8;;2,0";        // cut off, but whole
    folder.Write("Übungsverlauf.csv", damaged);
    EXPECT_EQ(LoadExercises(folder.Path(), INDEX_PLAY_EXERCISE).size(), 1u);
    const ExerciseRecord next{"2026-12-02 10:00", INDEX_PLAY_EXERCISE, "Uwe", 4, 4, {}, 1.0};
    ASSERT_TRUE(AppendExercise(folder.Path(), next).ok);
    EXPECT_EQ(folder.Read("Übungsverlauf.csv"),
              damaged + "\r\n2026-12-02 10:00;Indexspiele;Uwe;4;4;;1,00\r\n");
    EXPECT_EQ(LoadExercises(folder.Path(), INDEX_PLAY_EXERCISE).back(), next);
}

}  // namespace
}  // namespace tavexo
