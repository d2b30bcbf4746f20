#pragma once

#include <QWidget>

namespace velmora {

// How a label is read aloud, where its text alone reads badly (a row of underscores is
// spoken as "line line line"). An invisible child covering the label, without any drawing or
// mouse handling of its own, whose accessible name is the reading: a screen reader reviewing
// the window by position, or pointing at it with the mouse, meets it in place of the label's
// literal text. The label keeps its own name and description.
class LabelReading final : public QWidget
{
    Q_OBJECT

public:
    // The label keeps its place and size, as every control of the windows does.
    explicit LabelReading(QWidget *label);

    void setReading(const QString &reading) { setAccessibleName(reading); }
};

} // namespace velmora
