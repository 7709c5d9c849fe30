// The main window's command "Termineditor": the editor opens modally, and after it saved, the main
// window reloads the file and evaluates it again.

#include "gui/app/tc_form_haupt.h"
#include "gui/editor/editor_text.h"
#include "gui/editor/tc_form_editor.h"
#include "support/editor_rig.h"
#include "support/gui_test_main.h"
#include "support/main_window_rig.h"

#include <functional>

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

using namespace notavi;
using namespace notavi::gui;
using namespace notavi::gui::test;

namespace {

// Runs `inEditor` on the editor once the modal editor stands on the screen, then closes it.
void whileEditorOpen(const std::function<void(TC_FORM_Editor&)>& inEditor)
{
    QTimer::singleShot(0, [inEditor] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* editor = qobject_cast<TC_FORM_Editor*>(window); editor && editor->isVisible()) {
                inEditor(*editor);
                editor->close();
                return;
            }
        qFatal("the editor is not open");
    });
}

const QString kToday = QStringLiteral("15.06.2025 Zahnarzt");

} // namespace

class TestMainEditorCommand : public QObject
{
    Q_OBJECT

  private Q_SLOTS:

    void editorButtonAndMenuAreEnabled()
    {
        MainWindowRig rig("15.06.2025");
        rig.writeDataFile(fileWith({}));
        TC_FORM_Haupt& window = rig.start();
        QVERIFY(window.findChild<QPushButton*>(QStringLiteral("C_PSBT_Termineditor"))->isEnabled());
        QVERIFY(window.action(Command::C_MItem_bearbeiten)->isEnabled());
        QVERIFY(window.action(Command::C_KMItem_bearbeiten)->isEnabled());
    }

    void savedChangeIsEvaluatedAtOnce()
    {
        MainWindowRig rig("15.06.2025");
        rig.writeDataFile(fileWith({}));
        TC_FORM_Haupt& window = rig.start();
        QVERIFY(!viewLines(window).join(QLatin1Char('\n')).contains(QStringLiteral("Zahnarzt")));
        whileEditorOpen([](TC_FORM_Editor& editor) {
            editor.C_TC_TerminblockChange(13);
            editor.C_PSBT_leerzeileClick();
            QTest::keyClicks(&editor.text(), kToday);
            QVERIFY(editor.C_MItem_speichernClick());
        });
        window.action(Command::C_MItem_bearbeiten)->trigger();
        QVERIFY(viewLines(window).join(QLatin1Char('\n')).contains(QStringLiteral("Zahnarzt")));
    }

    void closingWithoutSavingKeepsTheView()
    {
        MainWindowRig rig("15.06.2025");
        rig.writeDataFile(fileWith({{BlockKind::OneTime, {kToday}}}));
        TC_FORM_Haupt& window = rig.start();
        const QStringList before = viewLines(window);
        rig.state().setLineErrorState(LineErrorState::Silenced);
        rig.fake.boxes.answer(MessageAnswer::No);
        whileEditorOpen([](TC_FORM_Editor& editor) {
            editor.C_TC_TerminblockChange(13);
            QTest::keyClicks(&editor.text(), QStringLiteral("xyz"));
        });
        window.findChild<QPushButton*>(QStringLiteral("C_PSBT_Termineditor"))->click();
        QCOMPARE(viewLines(window), before);
        QVERIFY(!rig.state().editorSaved());
        QCOMPARE(rig.fake.boxes.shown.size(), 1);
        QCOMPARE(rig.state().lineErrorState(), LineErrorState::Silenced);
    }

    void theProgramKnowsWhileTheEditorIsOpen()
    {
        MainWindowRig rig("15.06.2025");
        rig.writeDataFile(fileWith({}));
        TC_FORM_Haupt& window = rig.start();
        bool openMeanwhile = false;
        ProgramState& state = rig.state();
        whileEditorOpen([&](TC_FORM_Editor&) { openMeanwhile = state.editorOpen(); });
        QVERIFY(!state.editorOpen());
        window.action(Command::C_MItem_bearbeiten)->trigger();
        QVERIFY(openMeanwhile);
        QVERIFY(!state.editorOpen());
    }
};

NOTAVI_GUI_TEST_MAIN(TestMainEditorCommand)
#include "tst_main_editor_command.moc"
