#include "gui/app/tc_form_info.h"

#include "gui/app/program_info.h"
#include "gui/app/tool_icons.h"
#include "gui/platform/object_name.h"
#include "gui/platform/shell_reports.h"
#include "gui/platform/text_conversion.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QUrl>
#include <QVBoxLayout>

namespace notavi::gui {

QUrl makerMailUrl()
{
    return QUrl(QStringLiteral("mailto:") + makerMailAddress() + QStringLiteral("?subject=Notavi ") +
                programVersion());
}

TC_Form_Info::TC_Form_Info(const Desktop& desktop, NumberGame& game, bool portable, const DialogLook& look,
                           QWidget* parent)
    : QDialog(parent), m_desktop(desktop), m_game(game)
{
    setObjectName(QStringLiteral("TC_Form_Info"));
    setWindowTitle(QStringLiteral("Info"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    createControls(portable);
    applyDialogColours(this, look.colours);
    styleLinks();
    C_GRBX_Easteregg->hide();
    C_PSBT_Ok->setDefault(true);
    adjustSize();
    placeOverOwner(this, look.owner);
}

void TC_Form_Info::createControls(bool portable)
{
    C_Image_1 = named(new QLabel(this), "C_Image_1");
    C_Image_1->setPixmap(toolIcon(ToolIcon::Logo).pixmap(64, 64));
    C_Image_1->setAlignment(Qt::AlignTop);
    C_LB_Notavi =
        named(new QLabel(QStringLiteral("Notavi - Version ") + programVersion(), this), "C_LB_Notavi");
    QFont title = C_LB_Notavi->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.4);
    C_LB_Notavi->setFont(title);
    C_LB_Hinweis = named(new QLabel(QStringLiteral("Freeware-Terminplaner, alle Rechte vorbehalten 1999-") +
                                        kVersionYear + QStringLiteral(",\nentwickelt von der ") + kMakerName +
                                        QStringLiteral("."),
                                    this),
                         "C_LB_Hinweis");
    C_LB_Kontakt = named(new QLabel(kMakerName, this), "C_LB_Kontakt");
    C_LB_Kontakt->setToolTip(QStringLiteral("E-Mail an den Autor verfassen."));
    C_LB_Internet = named(new QLabel(QStringLiteral("Notavi im Internet"), this), "C_LB_Internet");
    C_LB_Internet->setToolTip(QStringLiteral("Die Homepage von Notavi aufrufen."));
    for (QLabel* link : {C_LB_Kontakt, C_LB_Internet}) {
        link->setCursor(Qt::PointingHandCursor);
        link->installEventFilter(this);
    }
    C_LB_portable = named(new QLabel(QStringLiteral("(Portable Version)"), this), "C_LB_portable");
    C_LB_portable->setVisible(portable);
    C_PSBT_Ok = named(new QPushButton(QStringLiteral("&OK"), this), "C_PSBT_Ok");
    connect(C_PSBT_Ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->addWidget(C_LB_Notavi);
    text->addWidget(C_LB_portable);
    text->addSpacing(6);
    text->addWidget(C_LB_Hinweis);
    text->addSpacing(6);
    text->addWidget(C_LB_Kontakt);
    text->addWidget(C_LB_Internet);
    auto* top = new QHBoxLayout;
    top->addWidget(C_Image_1);
    top->addSpacing(12);
    top->addLayout(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(C_PSBT_Ok);
    buttons->addStretch();
    auto* all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addWidget(C_GRBX_Easteregg =
                       named(new QGroupBox(QStringLiteral("Gesucht wird eine Zahl zwischen 1 und 100"), this),
                             "C_GRBX_Easteregg"));
    C_GRBX_Easteregg->setLayout(createGameGroup());
    all->addLayout(buttons);
    all->setSizeConstraint(QLayout::SetFixedSize);
}

QLayout* TC_Form_Info::createGameGroup()
{
    C_LB_Versuch = named(new QLabel(QStringLiteral("Ihr Versuch"), this), "C_LB_Versuch");
    C_EDTX_Versuch = named(new QLineEdit(this), "C_EDTX_Versuch");
    C_EDTX_Versuch->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), C_EDTX_Versuch));
    C_EDTX_Versuch->setToolTip(QStringLiteral("Hier geben Sie bitten Ihren Versuch ein."));
    C_LB_Auswertung = named(new QLabel(this), "C_LB_Auswertung");
    C_PSBT_Raten = named(new QPushButton(QStringLiteral("&Raten"), this), "C_PSBT_Raten");
    C_PSBT_Raten->setToolTip(QStringLiteral("Eingegebene Zahl \u00FCberpr\u00FCfen."));
    C_PSBT_Neustart = named(new QPushButton(QStringLiteral("&Neues Spiel"), this), "C_PSBT_Neustart");
    C_PSBT_Neustart->setToolTip(QStringLiteral("Ein neues Spiel starten."));
    connect(C_PSBT_Raten, &QPushButton::clicked, this, &TC_Form_Info::C_PSBT_RatenClick);
    connect(C_PSBT_Neustart, &QPushButton::clicked, this, &TC_Form_Info::C_PSBT_NeustartClick);
    auto* grid = new QGridLayout;
    grid->addWidget(C_LB_Versuch, 0, 0);
    grid->addWidget(C_EDTX_Versuch, 0, 1);
    grid->addWidget(C_PSBT_Raten, 0, 2);
    grid->addWidget(C_LB_Auswertung, 1, 0, 1, 2);
    grid->addWidget(C_PSBT_Neustart, 1, 2);
    return grid;
}

void TC_Form_Info::styleLinks()
{
    // The two links keep the look of links whatever colours the dialog took from the view.
    for (QLabel* link : {C_LB_Kontakt, C_LB_Internet}) {
        QFont font = link->font();
        font.setUnderline(true);
        link->setFont(font);
        QPalette palette = link->palette();
        palette.setColor(QPalette::WindowText, palette.color(QPalette::Link));
        link->setPalette(palette);
    }
}

bool TC_Form_Info::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (watched == C_LB_Kontakt)
            C_LB_KontaktMouseDown(mouse->button(), mouse->buttons(), mouse->modifiers());
        else if (watched == C_LB_Internet && mouse->button() == Qt::LeftButton)
            C_LB_InternetClick();
    }
    return QDialog::eventFilter(watched, event);
}

void TC_Form_Info::C_LB_KontaktMouseDown(Qt::MouseButton button, Qt::MouseButtons held,
                                         Qt::KeyboardModifiers modifiers)
{
    if (button != Qt::LeftButton)
        return;
    if (held.testFlag(Qt::RightButton) && modifiers.testFlag(Qt::ControlModifier))
        revealGame();
    else
        openUrlOrReport(m_desktop, this, makerMailUrl());
}

void TC_Form_Info::C_LB_InternetClick()
{
    openUrlOrReport(m_desktop, this, QUrl(kHomePage));
}

void TC_Form_Info::revealGame()
{
    C_GRBX_Easteregg->show();
    C_LB_Auswertung->setText(QStringLiteral(" "));
    C_EDTX_Versuch->clear();
    C_EDTX_Versuch->setReadOnly(false);
    C_PSBT_Raten->setEnabled(true);
    m_game.start();
    C_PSBT_Ok->setDefault(false);
    C_PSBT_Raten->setDefault(true);
    C_EDTX_Versuch->setFocus();
    m_desktop.beeper.play(SystemSound::Information);
}

void TC_Form_Info::C_PSBT_RatenClick()
{
    bool number = false;
    int guess = C_EDTX_Versuch->text().toInt(&number);
    if (!number) {
        guess = 0;
        C_EDTX_Versuch->setText(QStringLiteral("0"));
    }
    C_LB_Auswertung->setText(fromCp1252(m_game.guess(guess)));
    if (m_game.solved()) {
        C_PSBT_Raten->setEnabled(false);
        C_EDTX_Versuch->setReadOnly(true);
        m_desktop.beeper.play(SystemSound::Warning);
    }
    focusGuess();
}

void TC_Form_Info::C_PSBT_NeustartClick()
{
    m_game.start();
    C_EDTX_Versuch->setReadOnly(false);
    C_EDTX_Versuch->clear();
    C_PSBT_Raten->setEnabled(true);
    C_LB_Auswertung->setText(QStringLiteral("Ein neues Spiel beginnt, viel Gl\u00FCck!"));
    m_desktop.beeper.play(SystemSound::Information);
    focusGuess();
}

void TC_Form_Info::focusGuess()
{
    C_EDTX_Versuch->setFocus();
    C_EDTX_Versuch->selectAll();
}

} // namespace notavi::gui
