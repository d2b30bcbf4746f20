#pragma once

#include <QValidator>

namespace velmora {

// Holds a text box to at most one character: a Unicode code point of the text composed to NFC,
// so an accented letter or an emoji, typed or pasted, is one character and is kept whole, in
// its composed form. Anything longer is refused, and the box stays as it was.
class OneCharacterValidator final : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString &input, int &cursor) const override;
};

} // namespace velmora
