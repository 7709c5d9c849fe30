#include "core/engine/line_error.h"
#include "core/model/windows1252.h"

#include <gtest/gtest.h>

namespace notavi {
namespace {

TEST(LineError, BoxTextOfAnAppointmentLine)
{
    LineError error{fromUtf8("\"x\" enthält das nicht korrekte Datum \"x\"."), 4, false, "Einmalige Termine"};
    EXPECT_EQ(toUtf8(lineErrorBoxText(error)),
              "A C H T U N G ! ! !\r\rDie Terminzeile \"x\" enthält das nicht korrekte Datum \"x\".\r\r"
              "Bitte korrigieren Sie die Zeile 5 im Termineditor im Terminblock Einmalige Termine.\r"
              "Nutzen Sie hierzu auch die Prüfliste des Termineditors!\r\r"
              "(\"Abbrechen\" unterdrückt die Ausgabe weiterer Fehlermeldungen.)");
    error.blockName.clear();
    EXPECT_NE(toUtf8(lineErrorBoxText(error)).find("im Termineditor.\r"), std::string::npos);
}

TEST(LineError, BoxTextOfABlockLevelMessage)
{
    LineError error{"Der Terminblock \"Ferien\" wurde ...", 9, true, "Ferien"};
    EXPECT_EQ(toUtf8(lineErrorBoxText(error)),
              "A C H T U N G ! ! !\r\rDer Terminblock \"Ferien\" wurde ...\r\r"
              "Die Änderung wird automatisch gespeichert.\r\r"
              "(\"Abbrechen\" unterdrückt die Ausgabe weiterer Fehlermeldungen.)");
}

TEST(LineError, CheckListLines)
{
    EXPECT_EQ(lineErrorCheckListText({"\"a\" b.\rc.", 0, false, ""}), "Die Terminzeile \"a\" b. c. (;1)");
    EXPECT_EQ(lineErrorCheckListText({"Block.", 11, true, "Ferien"}), "Block. (Ferien;12)");
}

} // namespace
} // namespace notavi
