// The fonts and background colours of the editor's text and of its check list: chosen in the
// common dialogs, shown, kept in notavi.ini and there again on the next opening.

#include "core/app/ini_file.h"
#include "gui/editor/check_list_panel.h"
#include "gui/editor/editor_text.h"
#include "gui/editor/tc_form_editor.h"
#include "support/editor_rig.h"
#include "support/gui_test_main.h"
#include "support/temp_dir.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <QToolButton>

using namespace notavi;
using namespace notavi::gui;
using namespace notavi::gui::test;

namespace {

using Cmd = EditorCommand;

const QString kEditorSection = QStringLiteral("Editor");
const QString kCheckListSection = QStringLiteral("Pr\u00FCfliste");

// What differs between the text and the check list.
struct Target
{
    const char* label;
    bool checkList;
    Cmd font;
    Cmd windows;
    Cmd personal;
    QString section;
    const char* control; // the key prefix of the background in the section
    QString fontTitle;
    QString colourTitle;
};

const Target kTargets[] = {
    {"text", false, Cmd::C_MItem_SchriftEditor, Cmd::C_MItem_HintergrundEditorWindows,
     Cmd::C_MItem_HintergrundEditorPersoenlich, kEditorSection, "C_RE_Termin",
     QStringLiteral("Schriftart Editor"), QStringLiteral("Hintergrundfarbe Editor")},
    {"check list", true, Cmd::C_MItem_SchriftPruefliste, Cmd::C_MItem_HintergrundPrueflisteWindows,
     Cmd::C_MItem_HintergrundPrueflistePersoenlich, kCheckListSection, "C_LSBX_Fehler",
     QStringLiteral("Schriftart Pr\u00FCfliste"), QStringLiteral("Hintergrundfarbe Pr\u00FCfliste")},
};

const Target& targetOf(bool checkList)
{
    return kTargets[checkList ? 1 : 0];
}

QWidget& controlOf(TC_FORM_Editor& editor, const Target& target)
{
    if (target.checkList)
        return editor.checkList().list();
    return editor.text();
}

QString iniValue(const EditorRig& rig, const QString& section, const QString& key)
{
    const IniFile ini = IniFile::parse(notavi::test::readBytes(rig.folder() / "notavi.ini"));
    // Section names are Windows-1252 in the file.
    const QByteArray name = section.toLatin1();
    const std::optional<std::string> value = ini.value(
        std::string_view(name.constData(), static_cast<std::size_t>(name.size())), key.toStdString());
    return value ? QString::fromStdString(*value) : QStringLiteral("<missing>");
}

QString colourValue(const QColor& colour)
{
    return QString::number(colour.red() | colour.green() << 8 | colour.blue() << 16);
}

QFont chosenFont()
{
    QFont font(QStringLiteral("DejaVu Serif"), 15);
    font.setBold(false);
    font.setItalic(true);
    return font;
}

QToolButton* toolButton(const TC_FORM_Editor& editor, const char* name)
{
    return editor.findChild<QToolButton*>(QString::fromLatin1(name));
}

// One row for the text, one for the check list.
void addTargetRows()
{
    QTest::addColumn<bool>("checkList");
    for (const Target& target : kTargets)
        QTest::newRow(target.label) << target.checkList;
}

TC_FORM_Editor& openWithFile(EditorRig& rig)
{
    rig.writeDataFile(fileWith({{BlockKind::Birthdays, {QStringLiteral("01.01.1990 Anna")}}}));
    return rig.open();
}

} // namespace

class TestEditorAppearance : public QObject
{
    Q_OBJECT

  private Q_SLOTS:

    void fontIsShownStoredAndRestored_data() { addTargetRows(); }

    void fontIsShownStoredAndRestored()
    {
        QFETCH(bool, checkList);
        const Target& target = targetOf(checkList);
        EditorRig rig;
        TC_FORM_Editor& editor = openWithFile(rig);
        const int undoSteps = editor.text().document()->availableUndoSteps();
        rig.fake.dialogs.fonts.push_back(chosenFont());
        editor.action(target.font)->trigger();

        QCOMPARE(rig.fake.dialogs.asked, QStringList{target.fontTitle});
        const QFont shown = controlOf(editor, target).font();
        QCOMPARE(shown.family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(shown.pointSize(), 15);
        QVERIFY(shown.italic() && !shown.bold());
        QCOMPARE(iniValue(rig, target.section, QStringLiteral("Font.Name")), QStringLiteral("DejaVu Serif"));
        QCOMPARE(iniValue(rig, target.section, QStringLiteral("Font.Size")), QStringLiteral("15"));
        QCOMPARE(iniValue(rig, target.section, QStringLiteral("Font.Style.fsItalic")), QStringLiteral("1"));
        // A font is no change of the appointment file.
        QVERIFY(!editor.text().document()->isModified());
        QCOMPARE(editor.text().document()->availableUndoSteps(), undoSteps);
        QVERIFY(!editor.action(Cmd::C_MItem_speichern)->isEnabled());

        // The next opening reads the font from the file, not from what the program holds.
        editor.close();
        rig.state().settings().editor.font = {};
        rig.state().settings().checkList.font = {};
        TC_FORM_Editor& again = rig.open();
        QCOMPARE(controlOf(again, target).font().family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(controlOf(again, target).font().pointSize(), 15);
        const Target& other = targetOf(!checkList);
        QVERIFY(controlOf(again, other).font().family() != QStringLiteral("DejaVu Serif"));
    }

    void fontKeepsAnEarlierChangeOfTheText()
    {
        EditorRig rig;
        TC_FORM_Editor& editor = openWithFile(rig);
        editor.text().moveCaretToLine(editor.text().blockCount() - 1);
        QTest::keyClicks(&editor.text(), QStringLiteral("x"));
        QVERIFY(editor.text().document()->isModified());
        rig.fake.dialogs.fonts.push_back(chosenFont());
        editor.action(Cmd::C_MItem_SchriftEditor)->trigger();
        QVERIFY(editor.text().document()->isModified());
        QVERIFY(editor.action(Cmd::C_MItem_speichern)->isEnabled());
    }

    void wideCaretFollowsTheFont()
    {
        EditorRig rig;
        TC_FORM_Editor& editor = openWithFile(rig);
        editor.action(Cmd::C_MItem_Cursor)->trigger();
        const int before = editor.text().cursorWidth();
        rig.fake.dialogs.fonts.push_back(QFont(QStringLiteral("DejaVu Serif"), 40));
        editor.action(Cmd::C_MItem_SchriftEditor)->trigger();
        QVERIFY(editor.text().cursorWidth() > before);
        QCOMPARE(editor.text().cursorWidth(), editor.text().fontMetrics().height() / 3);
    }

    void cancelledFontChangesNothing()
    {
        EditorRig rig;
        TC_FORM_Editor& editor = openWithFile(rig);
        const QFont before = editor.text().font();
        editor.action(Cmd::C_MItem_SchriftEditor)->trigger();
        QCOMPARE(rig.fake.dialogs.asked, QStringList{QStringLiteral("Schriftart Editor")});
        QCOMPARE(editor.text().font(), before);
        QCOMPARE(iniValue(rig, kEditorSection, QStringLiteral("Font.Name")), QStringLiteral("<missing>"));
    }

    void windowsColourAfterPersonalColour_data() { addTargetRows(); }

    void windowsColourAfterPersonalColour()
    {
        QFETCH(bool, checkList);
        const Target& target = targetOf(checkList);
        EditorRig rig;
        TC_FORM_Editor& editor = openWithFile(rig);
        QWidget& control = controlOf(editor, target);
        const QString colourKey = QString::fromLatin1(target.control) + QStringLiteral(".Color");
        const QString windowsKey = QString::fromLatin1(target.control) + QStringLiteral("-WindowsFarbe");
        const QColor personal(0x33, 0x66, 0x99);
        const auto expect = [&](bool windows, const QColor& background) {
            QCOMPARE(editor.action(target.windows)->isChecked(), windows);
            QCOMPARE(editor.action(target.personal)->isChecked(), !windows);
            QCOMPARE(control.palette().color(QPalette::Base), background);
            QCOMPARE(iniValue(rig, target.section, windowsKey), QString::number(windows ? 1 : 0));
            QCOMPARE(iniValue(rig, target.section, colourKey), colourValue(personal));
        };

        rig.fake.dialogs.colours.push_back(personal);
        editor.action(target.personal)->trigger();
        QCOMPARE(rig.fake.dialogs.asked, QStringList{target.colourTitle});
        expect(false, personal);

        editor.action(target.windows)->trigger();
        expect(true, QApplication::palette().color(QPalette::Base));

        // Choosing the item again brings the personal colour back without asking.
        editor.action(target.windows)->trigger();
        expect(false, personal);
        QCOMPARE(rig.fake.dialogs.asked.size(), qsizetype(1));

        // A cancelled colour dialog keeps colour and check marks as they were.
        editor.action(target.windows)->trigger();
        editor.action(target.personal)->trigger();
        expect(true, QApplication::palette().color(QPalette::Base));

        editor.close();
        TC_FORM_Editor& again = rig.open();
        QCOMPARE(again.action(target.windows)->isChecked(), true);
        again.action(target.windows)->trigger();
        QCOMPARE(controlOf(again, target).palette().color(QPalette::Base), personal);
    }

    void colourDoesNotTouchTheOtherControl()
    {
        EditorRig rig;
        TC_FORM_Editor& editor = openWithFile(rig);
        const QColor listBefore = editor.checkList().list().palette().color(QPalette::Base);
        rig.fake.dialogs.colours.push_back(QColor(0x10, 0x20, 0x30));
        editor.action(Cmd::C_MItem_HintergrundEditorPersoenlich)->trigger();
        QCOMPARE(editor.checkList().list().palette().color(QPalette::Base), listBefore);
        QVERIFY(editor.action(Cmd::C_MItem_HintergrundPrueflistePersoenlich)->isChecked());
    }

    void toolButtonsActOnTheShownControl_data() { addTargetRows(); }

    void toolButtonsActOnTheShownControl()
    {
        QFETCH(bool, checkList);
        const Target& target = targetOf(checkList);
        EditorRig rig;
        TC_FORM_Editor& editor = openWithFile(rig);
        if (checkList)
            editor.action(Cmd::C_MItem_Pruefliste)->trigger();
        QCOMPARE(editor.checkList().shown(), checkList);
        const QColor colour(0x40, 0x80, 0x20);
        rig.fake.dialogs.fonts.push_back(chosenFont());
        rig.fake.dialogs.colours.push_back(colour);
        toolButton(editor, "C_TBu_Schrift")->click();
        toolButton(editor, "C_TBu_Hintergrundfarbe")->click();

        QCOMPARE(rig.fake.dialogs.asked, (QStringList{target.fontTitle, target.colourTitle}));
        QCOMPARE(controlOf(editor, target).font().family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(controlOf(editor, target).palette().color(QPalette::Base), colour);
        const Target& other = targetOf(!checkList);
        QVERIFY(controlOf(editor, other).font().family() != QStringLiteral("DejaVu Serif"));
        QVERIFY(controlOf(editor, other).palette().color(QPalette::Base) != colour);
    }

    void storedLooksAreShownOnOpening()
    {
        EditorRig rig;
        notavi::test::writeBytes(rig.folder() / "notavi.ini",
                                 "[Editor]\r\nFont.Name=DejaVu Sans Mono\r\nFont.Size=13\r\n"
                                 "Font.Color=255\r\nC_RE_Termin-WindowsFarbe=0\r\n"
                                 "C_RE_Termin.Color=65280\r\n"
                                 "[Pr\xFC"
                                 "fliste]\r\nFont.Size=9\r\nC_LSBX_Fehler-WindowsFarbe=1\r\n"
                                 "C_LSBX_Fehler.Color=16711680\r\n");
        TC_FORM_Editor& editor = openWithFile(rig);
        const QPalette text = editor.text().palette();
        QCOMPARE(editor.text().font().family(), QStringLiteral("DejaVu Sans Mono"));
        QCOMPARE(text.color(QPalette::Base), QColor(0, 255, 0));
        QCOMPARE(text.color(QPalette::Text), QColor(255, 0, 0));
        QVERIFY(editor.action(Cmd::C_MItem_HintergrundEditorPersoenlich)->isChecked());
        QListWidget& list = editor.checkList().list();
        QCOMPARE(list.font().pointSize(), 9);
        QCOMPARE(list.palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
        QCOMPARE(list.palette().color(QPalette::Text), QColor(255, 0, 0)); // the list's default red
        QVERIFY(editor.action(Cmd::C_MItem_HintergrundPrueflisteWindows)->isChecked());
        QVERIFY(!editor.text().document()->isModified());
    }
};

NOTAVI_GUI_TEST_MAIN(TestEditorAppearance)
#include "tst_editor_appearance.moc"
