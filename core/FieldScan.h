#pragma once

#include <QByteArrayView>
#include <QtGlobal>

// Counts the characters of every field of a list as it is split, in the same pass that checks
// the text can be kept as it stands: valid UTF-8, composed (NFC) and stream-safe. A text that is
// not is composed first and split again. The dictionary fuzzer (fuzz/fuzz_dictionary.cpp) checks
// every count against ICU's break iterator over the whole composed text.
namespace velmora::characters {

class FieldScan
{
public:
    enum class Text {
        AsItStands, // a field that is not composed counts -1
        Composed, // composed and stream-safe already: every field counts
    };
    // Shortcuts for plain text: ASCII alone is a character a byte, Latin letters with accents are
    // checked eight bytes at a time. Off (for measuring them), the scanner of code points alone.
    enum class FastPaths { On, Off };

    FieldScan(QByteArrayView text, Text kind, FastPaths fast = FastPaths::On);

    // The characters of the field [from, to) of the text, an extended grapheme cluster (UAX #29)
    // each; -1 when the text must be composed first.
    qsizetype operator()(const char *from, const char *to) const;

private:
    const char *m_end; // of the whole text: a word of eight bytes may read past a field's end
    bool m_ascii = false;
    bool m_composed = false;
    mutable bool m_latin = true;
};

} // namespace velmora::characters
