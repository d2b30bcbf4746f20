#pragma once

#include <QGroupBox>

namespace velmora {

// A frame whose caption sits on its top border line, so controls placed a little below the
// frame's top edge are inside it. It takes no focus.
class CaptionFrame final : public QGroupBox
{
    Q_OBJECT

public:
    CaptionFrame(const QString &objectName, const QString &caption, const QFont &font, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace velmora
