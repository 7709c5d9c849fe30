#include "gui/dialogs/find_dialog.h"

#include <algorithm>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace notavi::gui {

FindDialog::FindDialog(const QString& objectName, QWidget* parent) : QDialog(parent)
{
    setObjectName(objectName);
    setWindowTitle(QStringLiteral("Suchen"));
    setModal(false);
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("findText"));
    m_wholeWord = new QCheckBox(QStringLiteral("Nur ganzes &Wort suchen"), this);
    m_wholeWord->setObjectName(QStringLiteral("findWholeWord"));
    m_matchCase = new QCheckBox(QStringLiteral("&Gro\u00DF-/Kleinschreibung"), this);
    m_matchCase->setObjectName(QStringLiteral("findMatchCase"));
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* find = buttons->addButton(QStringLiteral("&Weitersuchen"), QDialogButtonBox::AcceptRole);
    find->setObjectName(QStringLiteral("findNext"));
    find->setDefault(true);
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &FindDialog::findRequested);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Suchen nach:"), m_text);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_wholeWord);
    layout->addWidget(m_matchCase);
    layout->addWidget(buttons);
}

QString FindDialog::searchText() const
{
    return m_text->text();
}

QTextDocument::FindFlags FindDialog::flags() const
{
    QTextDocument::FindFlags flags;
    if (m_wholeWord->isChecked())
        flags |= QTextDocument::FindWholeWords;
    if (m_matchCase->isChecked())
        flags |= QTextDocument::FindCaseSensitively;
    return flags;
}

void FindDialog::showBesideOwner()
{
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    const QScreen* screen = owner ? owner->screen() : this->screen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    const QPoint ownerPlace = owner ? owner->frameGeometry().topLeft() : QPoint();
    const int left = std::max(30, std::min(ownerPlace.x() + 200, area.width() - 400));
    const int top = std::min(ownerPlace.y() + 80, area.height() - 200);
    move(left, top);
    show();
    raise();
    activateWindow();
    m_text->setFocus();
}

} // namespace notavi::gui
