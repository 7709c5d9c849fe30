#pragma once

// Handing addresses and files to the desktop: the browser, the mail program, the text editor.

#include <QString>
#include <QUrl>

namespace notavi::gui {

class Shell
{
  public:
    virtual ~Shell() = default;
    // Opens a web or mail address in the user's default program; false when none took it.
    virtual bool openUrl(const QUrl& url) = 0;
    // Opens a text file in the user's program for text files; the caller does not wait for it.
    virtual bool openTextFile(const QString& path) = 0;
};

class DesktopShell final : public Shell
{
  public:
    bool openUrl(const QUrl& url) override;
    bool openTextFile(const QString& path) override;
};

} // namespace notavi::gui
