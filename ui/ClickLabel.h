// A label that acts on a click, for the dialogs and the help window.
#pragma once

#include <QLabel>

#include <functional>

namespace tesseron {

// Runs OnClick when the left button is released over the label.
class ClickLabel : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> OnClick;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace tesseron
