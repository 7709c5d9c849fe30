#pragma once

// The system sounds that go with messages and with the about dialog's game.

namespace notavi::gui {

enum class SystemSound
{
    Warning,
    Information,
};

class Beeper
{
  public:
    virtual ~Beeper() = default;
    virtual void play(SystemSound sound) = 0;
};

// The desktop's bell.
class SystemBeeper final : public Beeper
{
  public:
    void play(SystemSound sound) override;
};

} // namespace notavi::gui
