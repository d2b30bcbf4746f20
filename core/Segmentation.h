#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>

// A character of the game is an extended grapheme cluster (UAX #29) of the text composed to
// NFC: "é" typed as e + U+0301, "❤️", "🇫🇷", "👍🏽" and a Devanagari letter with its vowel sign are
// each one character, one cell of the mask and one guess.
namespace velmora::characters {

// A text and where each of its characters ends.
class CharacterList
{
public:
    CharacterList() = default;
    explicit CharacterList(const QString &text);

    qsizetype size() const { return m_ends.size(); }
    bool isEmpty() const { return m_ends.isEmpty(); }
    QStringView at(qsizetype i) const
    {
        const qsizetype start = i == 0 ? 0 : m_ends.at(i - 1);
        return QStringView(m_text).sliced(start, m_ends.at(i) - start);
    }
    const QString &text() const { return m_text; }

    // The same characters in lower case (lowered()): each stays one character, even one whose
    // lower case on its own would be cut in two ("Ⓜ‍❤" as "ⓜ‍❤").
    CharacterList lowered(const char *language = "") const;

    // The first n characters, and one more character after the last.
    CharacterList first(qsizetype n) const;
    void append(QStringView character);

private:
    QString m_text;
    QList<qint32> m_ends;
};

// The characters of a field of valid, composed UTF-8 (no line end inside).
qsizetype countCharacters(QByteArrayView utf8);

// The characters of composed UTF-8 that are to be found, up to `enough`: every character but
// those standing revealed.
qint32 lettersToFind(QByteArrayView utf8, qint32 enough, QStringView shownToo = {});

// How the game shows text: lower case by Unicode's rules, in context (a capital sigma ending a
// word becomes ς), with "İ" as "i", its simple lower case, so that no character gains a dot.
// `language`, where its case differs ("tr", "az"): by its rules, "I" as "ı".
QString lowered(const QString &text, const char *language = "");

// A character nobody is asked to type: white space (a blank, a tab, a no-break or an
// ideographic space), a control character, U+FFFD (what could not be read as text), or one
// made of format and default-ignorable code points alone. It is shown from the start, like the
// blank between the words of a phrase. `shownToo`: letters a list's language also shows from
// the start, with whatever marks they carry (GuessMatching::shownFromStart()).
bool standsRevealedBeyondAscii(QStringView character, QStringView shownToo);
inline bool standsRevealed(QStringView character, QStringView shownToo = {})
{
    if (const char16_t c = character.size() == 1 ? character.front().unicode() : 0x80; c < 0x80)
        return c <= 0x20 || c == 0x7F; // ASCII: a blank or a control, as in most entries
    return standsRevealedBeyondAscii(character, shownToo);
}
bool isWhiteSpace(QStringView character);

} // namespace velmora::characters
