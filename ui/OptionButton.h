#pragma once

#include <QRadioButton>

namespace velmora {

// A radio button that reacts to a click anywhere in its box, not only on its mark and
// caption, which are drawn where a radio button draws them.
class OptionButton final : public QRadioButton
{
    Q_OBJECT

public:
    OptionButton(const QString &objectName, const QString &caption, QWidget *parent);

protected:
    bool hitButton(const QPoint &pos) const override;
};

} // namespace velmora
