// Qt's own texts speak German once the program has installed its translation, whatever the
// language of the system.

#include "gui/platform/qt_translations.h"
#include "support/gui_test_main.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

using namespace notavi::gui;

class TestQtTranslations : public QObject
{
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase();
    void shortcutNamesAreGerman();
    void editContextMenuIsGerman();
    void standardButtonsAreGerman();
};

void TestQtTranslations::initTestCase()
{
    // An English system: the translation must not follow it.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QVERIFY(installGermanQtTexts(*QCoreApplication::instance()));
}

void TestQtTranslations::shortcutNamesAreGerman()
{
    QCOMPARE(QKeySequence(Qt::CTRL | Qt::Key_U).toString(QKeySequence::NativeText), QStringLiteral("Strg+U"));
    QCOMPARE(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab).toString(QKeySequence::NativeText),
             QStringLiteral("Strg+Umschalt+Tab"));
}

void TestQtTranslations::editContextMenuIsGerman()
{
    QLineEdit edit(QStringLiteral("Text"));
    QMenu* menu = edit.createStandardContextMenu();
    QStringList captions;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator())
            captions << action->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
    delete menu;
    QCOMPARE(captions, QStringList({QStringLiteral("R\u00FCckg\u00E4ngig"),
                                    QStringLiteral("Wiederherstellen"), QStringLiteral("Ausschneiden"),
                                    QStringLiteral("Kopieren"), QStringLiteral("Einf\u00FCgen"),
                                    QStringLiteral("L\u00F6schen"), QStringLiteral("Alles ausw\u00E4hlen")}));
}

void TestQtTranslations::standardButtonsAreGerman()
{
    QDialogButtonBox buttons(QDialogButtonBox::Cancel | QDialogButtonBox::Close);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&')),
             QStringLiteral("Abbrechen"));
    QCOMPARE(buttons.button(QDialogButtonBox::Close)->text().remove(QLatin1Char('&')),
             QStringLiteral("Schlie\u00DFen"));
}

NOTAVI_GUI_TEST_MAIN(TestQtTranslations)
#include "tst_qt_translations.moc"
