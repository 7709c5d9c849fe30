#pragma once

// A drop-down list of the block colours: "Standardfarbe" (code 0, no colour of the block's own) and
// the seventeen fixed colours, each item with a swatch of its colour before its name.

#include <QComboBox>

namespace notavi::gui {

class ColourList final : public QComboBox
{
    Q_OBJECT

  public:
    explicit ColourList(QWidget* parent = nullptr);

    int code() const { return currentIndex(); }

    void setCode(int code);
};

} // namespace notavi::gui
