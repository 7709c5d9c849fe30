// The about box: its labels, the two links, and the hidden guessing game.

#include "core/app/number_game.h"
#include "gui/app/program_info.h"
#include "gui/app/tc_form_info.h"
#include "support/fake_desktop.h"
#include "support/gui_test_main.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QUrlQuery>

using namespace notavi;
using namespace notavi::gui;
using namespace notavi::gui::test;

namespace {

template <typename Widget> Widget* child(QObject& dialog, const char* name)
{
    return dialog.findChild<Widget*>(QString::fromLatin1(name));
}

void pressOn(QWidget* widget, Qt::MouseButton button, Qt::MouseButtons held, Qt::KeyboardModifiers modifiers)
{
    const QPointF centre = QRectF(widget->rect()).center();
    QMouseEvent press(QEvent::MouseButtonPress, centre, widget->mapToGlobal(centre), button, held | button,
                      modifiers);
    QApplication::sendEvent(widget, &press);
}

void guess(TC_Form_Info& info, const QString& number)
{
    child<QLineEdit>(info, "C_EDTX_Versuch")->setText(number);
    child<QPushButton>(info, "C_PSBT_Raten")->click();
}

QString answer(TC_Form_Info& info)
{
    return child<QLabel>(info, "C_LB_Auswertung")->text();
}

} // namespace

class TestInfoDialog : public QObject
{
    Q_OBJECT

  private Q_SLOTS:
    void shouldHaveDefaultState();
    void portableMarkShowsOnlyInPortableMode();
    void leftClickOnTheMakerWritesAMail();
    void homePageLinkOpensTheBrowser();
    void linkNoProgramTakesIsReported_data();
    void linkNoProgramTakesIsReported();
    void gameCountsGuessesUntilTheNumberIsFound();
    void newGameStartsAfresh();
    void followsTheViewColoursWhenAsked();

  private:
    FakeDesktop m_fake{0};
};

void TestInfoDialog::shouldHaveDefaultState()
{
    NumberGame game([] { return 42; });
    TC_Form_Info info(m_fake.desktop(), game, false, {});
    QCOMPARE(info.windowTitle(), QStringLiteral("Info"));
    QCOMPARE(child<QLabel>(info, "C_LB_Notavi")->text(), QStringLiteral("Notavi - Version 9.00"));
    QCOMPARE(child<QLabel>(info, "C_LB_Internet")->text(), QStringLiteral("Notavi im Internet"));
    QCOMPARE(child<QLabel>(info, "C_LB_Kontakt")->toolTip(),
             QStringLiteral("E-Mail an den Autor verfassen."));
    QVERIFY(child<QGroupBox>(info, "C_GRBX_Easteregg")->isHidden());
    QVERIFY(child<QPushButton>(info, "C_PSBT_Ok")->isDefault());
}

void TestInfoDialog::portableMarkShowsOnlyInPortableMode()
{
    NumberGame game;
    TC_Form_Info installed(m_fake.desktop(), game, false, {});
    TC_Form_Info portable(m_fake.desktop(), game, true, {});
    QVERIFY(child<QLabel>(installed, "C_LB_portable")->isHidden());
    QVERIFY(!child<QLabel>(portable, "C_LB_portable")->isHidden());
    QCOMPARE(child<QLabel>(portable, "C_LB_portable")->text(), QStringLiteral("(Portable Version)"));
}

void TestInfoDialog::leftClickOnTheMakerWritesAMail()
{
    FakeDesktop fake(0);
    NumberGame game;
    TC_Form_Info info(fake.desktop(), game, false, {});
    pressOn(child<QLabel>(info, "C_LB_Kontakt"), Qt::LeftButton, Qt::NoButton, Qt::ControlModifier);
    QCOMPARE(fake.shell.urls.size(), 1);
    const QUrl mail = fake.shell.urls.front();
    QCOMPARE(mail.scheme(), QStringLiteral("mailto"));
    QCOMPARE(QUrlQuery(mail).queryItemValue(QStringLiteral("subject")), QStringLiteral("Notavi 9.00"));
    QVERIFY(child<QGroupBox>(info, "C_GRBX_Easteregg")->isHidden());
}

void TestInfoDialog::homePageLinkOpensTheBrowser()
{
    FakeDesktop fake(0);
    NumberGame game;
    TC_Form_Info info(fake.desktop(), game, false, {});
    pressOn(child<QLabel>(info, "C_LB_Internet"), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCOMPARE(fake.shell.urls.size(), 1);
    QVERIFY(fake.shell.urls.front().scheme().startsWith(QStringLiteral("http")));
}

void TestInfoDialog::linkNoProgramTakesIsReported_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<QString>("error"); // the start of the box's text, empty for no box
    QTest::newRow("mail taken") << "C_LB_Kontakt" << true << QString();
    QTest::newRow("home page taken") << "C_LB_Internet" << true << QString();
    QTest::newRow("no mail program") << "C_LB_Kontakt" << false
                                     << QStringLiteral("Die E-Mail an ") + makerMailAddress() + " kann nicht";
    QTest::newRow("no browser") << "C_LB_Internet" << false
                                << QStringLiteral("Die Adresse https://www.notavi.example/ kann nicht");
}

void TestInfoDialog::linkNoProgramTakesIsReported()
{
    QFETCH(QString, link);
    QFETCH(bool, taken);
    QFETCH(QString, error);
    FakeDesktop fake(0);
    fake.shell.succeeds = taken;
    NumberGame game;
    TC_Form_Info info(fake.desktop(), game, false, {});
    pressOn(info.findChild<QLabel*>(link), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCOMPARE(fake.shell.urls.size(), 1);
    QCOMPARE(fake.boxes.shown.size(), error.isEmpty() ? 0 : 1);
    if (!error.isEmpty()) {
        QCOMPARE(fake.boxes.shown[0].kind, MessageKind::Error);
        QVERIFY2(fake.boxes.shown[0].text.startsWith(error), qPrintable(fake.boxes.shown[0].text));
    }
}

void TestInfoDialog::gameCountsGuessesUntilTheNumberIsFound()
{
    FakeDesktop fake(0);
    NumberGame game([] { return 42; });
    TC_Form_Info info(fake.desktop(), game, false, {});
    // Left click while the right button and Ctrl are held reveals the game.
    pressOn(child<QLabel>(info, "C_LB_Kontakt"), Qt::LeftButton, Qt::RightButton, Qt::ControlModifier);
    QVERIFY(!child<QGroupBox>(info, "C_GRBX_Easteregg")->isHidden());
    QVERIFY(fake.shell.urls.isEmpty());
    QVERIFY(child<QPushButton>(info, "C_PSBT_Raten")->isDefault());
    QCOMPARE(fake.beeper.played, QList<SystemSound>({SystemSound::Information}));

    guess(info, QStringLiteral("10"));
    QCOMPARE(answer(info), QStringLiteral("Ihr 1. Versuch ist zu klein."));
    guess(info, QString()); // no number counts as 0
    QCOMPARE(child<QLineEdit>(info, "C_EDTX_Versuch")->text(), QStringLiteral("0"));
    guess(info, QStringLiteral("77"));
    QCOMPARE(answer(info), QStringLiteral("Ihr 3. Versuch ist zu gro\u00DF."));
    guess(info, QStringLiteral("42"));
    QCOMPARE(answer(info), QStringLiteral("Ihr 4. Versuch ist richtig. Herzlichen Gl\u00FCckwunsch!"));
    QVERIFY(!child<QPushButton>(info, "C_PSBT_Raten")->isEnabled());
    QVERIFY(child<QLineEdit>(info, "C_EDTX_Versuch")->isReadOnly());
    QCOMPARE(fake.beeper.played.back(), SystemSound::Warning);
}

void TestInfoDialog::newGameStartsAfresh()
{
    FakeDesktop fake(0);
    int draws = 0;
    NumberGame game([&draws] { return ++draws == 1 ? 42 : 7; });
    TC_Form_Info info(fake.desktop(), game, false, {});
    pressOn(child<QLabel>(info, "C_LB_Kontakt"), Qt::LeftButton, Qt::RightButton, Qt::ControlModifier);
    guess(info, QStringLiteral("42"));
    child<QPushButton>(info, "C_PSBT_Neustart")->click();
    QCOMPARE(answer(info), QStringLiteral("Ein neues Spiel beginnt, viel Gl\u00FCck!"));
    QVERIFY(child<QPushButton>(info, "C_PSBT_Raten")->isEnabled());
    QVERIFY(!child<QLineEdit>(info, "C_EDTX_Versuch")->isReadOnly());
    guess(info, QStringLiteral("42"));
    QCOMPARE(answer(info), QStringLiteral("Ihr 1. Versuch ist zu gro\u00DF."));
}

void TestInfoDialog::followsTheViewColoursWhenAsked()
{
    NumberGame game;
    const DialogLook look{nullptr, {true, QColor(0, 0, 0x80), QColor(0xC0, 0xC0, 0xC0)}};
    TC_Form_Info info(m_fake.desktop(), game, false, look);
    QCOMPARE(info.palette().color(QPalette::Window), QColor(0, 0, 0x80));
    QCOMPARE(child<QLabel>(info, "C_LB_Notavi")->palette().color(QPalette::WindowText),
             QColor(0xC0, 0xC0, 0xC0));
}

NOTAVI_GUI_TEST_MAIN(TestInfoDialog)
#include "tst_tc_form_info.moc"
