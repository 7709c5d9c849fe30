#pragma once

// The desktop's common dialogs: choosing a file to open or to save, a font, a colour, a printer.
// Windows ask through this interface so that tests can answer for the user.

#include <optional>

#include <QColor>
#include <QFont>
#include <QString>

class QPrinter;
class QWidget;

namespace notavi::gui {

struct FileQuestion
{
    QString title;
    QString folder;   // where the dialog opens; empty: the desktop's choice
    QString fileName; // preset name (save)
    QString filter;   // "Ferientermine (*.fer)" and the like, ";;" between filters
};

// A font with the colour of its text.
struct FontChoice
{
    QFont font;
    QColor colour;
};

class CommonDialogs
{
  public:
    virtual ~CommonDialogs() = default;
    // Each returns nothing when the user cancels.
    virtual std::optional<QString> openFile(QWidget* parent, const FileQuestion& question) = 0;
    virtual std::optional<QString> saveFile(QWidget* parent, const FileQuestion& question) = 0;
    virtual std::optional<FontChoice> font(QWidget* parent, const FontChoice& initial,
                                           const QString& title) = 0;
    virtual std::optional<QColor> colour(QWidget* parent, const QColor& initial, const QString& title) = 0;
    // Lets the user set up the printer (or a PDF file where no printer exists); false on cancel.
    virtual bool setUpPrinter(QWidget* parent, QPrinter& printer, const QString& title) = 0;
};

// Qt's dialogs.
class QtCommonDialogs final : public CommonDialogs
{
  public:
    std::optional<QString> openFile(QWidget* parent, const FileQuestion& question) override;
    std::optional<QString> saveFile(QWidget* parent, const FileQuestion& question) override;
    std::optional<FontChoice> font(QWidget* parent, const FontChoice& initial, const QString& title) override;
    std::optional<QColor> colour(QWidget* parent, const QColor& initial, const QString& title) override;
    bool setUpPrinter(QWidget* parent, QPrinter& printer, const QString& title) override;
};

} // namespace notavi::gui
