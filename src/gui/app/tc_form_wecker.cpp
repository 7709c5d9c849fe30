#include "gui/app/tc_form_wecker.h"

#include "gui/platform/object_name.h"
#include "gui/platform/text_conversion.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>

namespace notavi::gui {
namespace {

const QString kReminder = QStringLiteral("Erinnerung.");

QTime timeOfMinute(int minuteOfDay)
{
    return QTime(minuteOfDay / 60, minuteOfDay % 60);
}

} // namespace

TC_FORM_Wecker::TC_FORM_Wecker(const Clock& clock, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_clock(clock),
      m_runModal([this] { return exec(); })
{
    setObjectName(QStringLiteral("TC_FORM_Wecker"));
    setWindowTitle(QStringLiteral("Wecker"));
    createControls();
}

void TC_FORM_Wecker::createControls()
{
    C_LB_Uhrzeitbeschriftung = named(new QLabel(QStringLiteral("Uhrzeit"), this), "C_LB_Uhrzeitbeschriftung");
    C_LB_Uhrzeit = named(new QLabel(this), "C_LB_Uhrzeit");
    C_LB_Weckzeit = named(new QLabel(QStringLiteral("Weckzeit"), this), "C_LB_Weckzeit");
    C_DTP_Weckzeit = named(new QTimeEdit(this), "C_DTP_Weckzeit");
    C_DTP_Weckzeit->setDisplayFormat(QStringLiteral("HH:mm"));
    C_DTP_Weckzeit->setToolTip(QStringLiteral("Weckzeit, zu der der Wecker aktiv wird."));
    C_EDTX_Nachricht = named(new QLineEdit(kReminder, this), "C_EDTX_Nachricht");
    C_EDTX_Nachricht->setToolTip(QStringLiteral("Dieser Text wird als Wecknachricht angezeigt."));
    C_CHBX_Aktiviert = named(new QCheckBox(QStringLiteral("&Wecker aktivieren"), this), "C_CHBX_Aktiviert");
    C_CHBX_Aktiviert->setChecked(true);
    C_CHBX_Aktiviert->setToolTip(QStringLiteral("(De)aktiviert den Wecker."));
    C_PSBT_Ok = named(new QPushButton(QStringLiteral("&OK"), this), "C_PSBT_Ok");
    C_PSBT_Ok->setDefault(true);
    C_PBST_Abbruch = named(new QPushButton(QStringLiteral("&Abbrechen"), this), "C_PBST_Abbruch");
    connect(C_CHBX_Aktiviert, &QCheckBox::toggled, C_EDTX_Nachricht, &QLineEdit::setEnabled);
    connect(C_PSBT_Ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(C_PBST_Abbruch, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->addWidget(C_LB_Uhrzeitbeschriftung, 0, 0);
    grid->addWidget(C_LB_Uhrzeit, 0, 1);
    grid->addWidget(C_LB_Weckzeit, 1, 0);
    grid->addWidget(C_DTP_Weckzeit, 1, 1);
    grid->addWidget(C_EDTX_Nachricht, 2, 0, 1, 2);
    grid->addWidget(C_CHBX_Aktiviert, 3, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(C_PSBT_Ok);
    buttons->addWidget(C_PBST_Abbruch);
    grid->addLayout(buttons, 4, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

void TC_FORM_Wecker::showTime()
{
    const QTime now = timeOfMinute(m_clock.minuteOfDay()).addSecs(m_clock.secondOfMinute());
    C_LB_Uhrzeit->setText(now.toString(QStringLiteral("hh:mm:ss")));
}

void TC_FORM_Wecker::showSwitchedOff()
{
    setWindowTitle(QStringLiteral("Wecker - deaktiviert"));
}

void TC_FORM_Wecker::prefill(const AlarmClockSettings& alarmClock)
{
    showTime();
    C_EDTX_Nachricht->setText(fromCp1252(alarmClock.message));
    // An alarm clock not set proposes to be set for the current minute.
    setWindowTitle(alarmClock.active ? QStringLiteral("Wecker - aktiviert")
                                     : QStringLiteral("Wecker - deaktiviert"));
    C_DTP_Weckzeit->setTime(timeOfMinute(alarmClock.active ? alarmClock.minuteOfDay : m_clock.minuteOfDay()));
    C_CHBX_Aktiviert->setChecked(true);
    C_EDTX_Nachricht->setEnabled(true);
}

bool TC_FORM_Wecker::edit(AlarmClockSettings& alarmClock)
{
    prefill(alarmClock);
    applyDialogLook(this, m_look ? m_look() : DialogLook{parentWidget(), {}});
    if (m_runModal() != QDialog::Accepted)
        return false;
    const QTime time = C_DTP_Weckzeit->time();
    alarmClock.active = C_CHBX_Aktiviert->isChecked();
    alarmClock.minuteOfDay = time.hour() * 60 + time.minute();
    alarmClock.message = toCp1252(C_EDTX_Nachricht->text());
    return true;
}

void TC_FORM_Wecker::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    C_DTP_Weckzeit->setFocus();
}

} // namespace notavi::gui
