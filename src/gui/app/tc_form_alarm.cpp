#include "gui/app/tc_form_alarm.h"

#include <QGuiApplication>
#include <QPalette>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QTextEdit>
#include <QVBoxLayout>

namespace notavi::gui {
namespace {

constexpr int kWidth = 274;
constexpr int kHeight = 144;
// Each window stands up to this far right and down of the screen's centre, so that several alarms
// of one minute do not cover each other exactly.
constexpr int kLargestShift = 98;

} // namespace

TC_FORM_Alarm::TC_FORM_Alarm(const QString& text, const QString& caption, const AlarmLook& look)
    : QDialog(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TC_FORM_Alarm"));
    setAttribute(Qt::WA_DeleteOnClose);
    // An alarm window left open does not keep the program running once the main window has closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(caption);
    C_RE_Alarm = new QTextEdit(this);
    C_RE_Alarm->setObjectName(QStringLiteral("C_RE_Alarm"));
    C_RE_Alarm->setReadOnly(true);
    C_RE_Alarm->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    C_RE_Alarm->setPlainText(text);
    C_PSBT_ok = new QPushButton(QStringLiteral("&OK"), this);
    C_PSBT_ok->setObjectName(QStringLiteral("C_PSBT_ok"));
    C_PSBT_ok->setDefault(true);
    connect(C_PSBT_ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(C_RE_Alarm, 1);
    layout->addWidget(C_PSBT_ok, 0, Qt::AlignHCenter);
    applyLook(look);
    resize(kWidth, kHeight);
}

QString TC_FORM_Alarm::text() const
{
    return C_RE_Alarm->toPlainText();
}

void TC_FORM_Alarm::applyLook(const AlarmLook& look)
{
    QPalette palette = C_RE_Alarm->palette();
    if (look.followView) {
        palette.setColor(QPalette::Base, look.background);
        palette.setColor(QPalette::Text, look.text);
        C_RE_Alarm->setFont(look.font);
    } else {
        const QPalette desktop = QGuiApplication::palette();
        palette.setColor(QPalette::Base, desktop.color(QPalette::Base));
        palette.setColor(QPalette::Text, desktop.color(QPalette::Text));
        QFont font(QStringLiteral("MS Sans Serif"), 10);
        font.setBold(true);
        C_RE_Alarm->setFont(font);
    }
    C_RE_Alarm->setPalette(palette);
}

void TC_FORM_Alarm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_placed)
        return;
    m_placed = true;
    placeOnScreen();
    C_PSBT_ok->setFocus();
}

void TC_FORM_Alarm::placeOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    QRect frame = frameGeometry();
    frame.moveCenter(area.center());
    auto* random = QRandomGenerator::global();
    move(frame.topLeft() + QPoint(random->bounded(kLargestShift + 1), random->bounded(kLargestShift + 1)));
}

} // namespace notavi::gui
