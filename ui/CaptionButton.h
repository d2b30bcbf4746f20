#pragma once

#include <QPushButton>

namespace velmora {

// A push button that never acts as a default button and wraps a caption too wide for one
// line onto the next, centred, as a caption longer than its button needs.
class CaptionButton final : public QPushButton
{
    Q_OBJECT

public:
    CaptionButton(const QString &objectName, const QString &caption, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace velmora
