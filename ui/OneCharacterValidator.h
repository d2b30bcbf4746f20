#pragma once

#include <QValidator>

namespace velmora {

// Holds a text box to at most one character as a reader sees it (Segmentation.h): "é" typed as
// e + U+0301, "❤️", "🇫🇷", "👍🏽" or a Thai letter with its marks, typed key by key or pasted, is
// kept whole, in its composed form. Text of two characters is refused, and the box stays as it
// was.
class OneCharacterValidator final : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString &input, int &cursor) const override;
};

} // namespace velmora
