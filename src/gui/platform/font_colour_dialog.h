#pragma once

// The font dialog of the program: typeface, style and size as the desktop's font dialog offers them,
// and below them the colour of the text, chosen from the fixed colours of appointment lines (and
// the colour the text has, when it is none of them).

#include <QColor>
#include <QDialog>
#include <QFont>

class QComboBox;
class QFontDialog;

namespace notavi::gui {

class FontColourDialog final : public QDialog
{
    Q_OBJECT

  public:
    FontColourDialog(const QFont& font, const QColor& colour, const QString& title,
                     QWidget* parent = nullptr);

    QFont chosenFont() const;
    QColor chosenColour() const;

  private:
    QFontDialog* m_font;
    QComboBox* m_colour;
};

} // namespace notavi::gui
