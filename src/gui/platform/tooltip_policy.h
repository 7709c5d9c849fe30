#pragma once

// Whether the program shows tooltips, and for how long. Qt has no switch for either, so the policy
// watches the application's tooltip requests: it swallows them while tooltips are off and shows the
// hint itself with the chosen display time while they are on.

#include <QObject>

namespace notavi::gui {

class TooltipPolicy final : public QObject
{
    Q_OBJECT

  public:
    // Watches the whole application from construction until destruction.
    explicit TooltipPolicy(QObject* parent = nullptr);
    ~TooltipPolicy() override;

    void setShown(bool shown);

    void setDisplayMilliseconds(int milliseconds) { m_displayMilliseconds = milliseconds; }

    bool shown() const { return m_shown; }

    int displayMilliseconds() const { return m_displayMilliseconds; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool m_shown = true;
    int m_displayMilliseconds = 2500;
};

} // namespace notavi::gui
