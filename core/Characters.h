#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>

#include <memory>

// Characters as a reader sees them, in every script. A character of the game is an extended
// grapheme cluster of the text composed to NFC: "é" typed as e + U+0301, "❤️", "🇫🇷", "👍🏽" and a
// Devanagari letter with its vowel sign are each one character. Every Unicode rule the game
// follows (composition, boundaries, case, a language's letters) is applied here, through ICU,
// and nowhere else.
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

    // The same characters in lower case (see lowered()): each stays one character, even one
    // whose lower case on its own would be cut in two ("Ⓜ‍❤" as "ⓜ‍❤").
    CharacterList lowered() const;

private:
    friend class GuessMatching;

    QString m_text;
    QList<qint32> m_ends;
};

// UTF-8 decoded whole: a U+FEFF at its start is a character, not a byte-order mark.
QString fromUtf8(QByteArrayView utf8);

// Text made stream-safe and composed (NFC). A combining grapheme joiner follows every 30
// combining marks in a row, so that no run of marks makes composing slow; real text never has
// such runs. For valid UTF-8, a null array when the text needs no change.
QByteArray composedUtf8(QByteArrayView utf8);
QString composed(const QString &text);

// The characters of a field of valid, composed UTF-8 (no line end inside).
qsizetype countCharacters(QByteArrayView utf8);

// The characters of a field of UTF-8 (no line end inside) that is valid, composed and
// stream-safe as it stands, found in the same pass that checks it is; -1 for any other.
qsizetype composedLength(QByteArrayView utf8);

// The characters of composed UTF-8 that are to be found, up to `enough`: every character but
// those standing revealed.
qint32 lettersToFind(QByteArrayView utf8, qint32 enough);

// How the game shows text: lower case by Unicode's rules (a capital sigma ending a word
// becomes ς), with "İ" as "i", its simple lower case, so that no character gains a dot.
QString lowered(const QString &text);

// What a guess and a character are compared by: each code point lower-cased, then case-folded
// (simple mappings), the whole composed (NFC), default-ignorable code points but tags left out,
// and a final letter taken for its ordinary form. So "i" finds "İ", "σ" finds "ς" and
// "Σ", "ǰ" finds "J̌", "מ" finds "ם", "❤" finds "❤️", a letter followed by a zero-width
// non-joiner is found by the letter alone, and the tags that tell subdivision flags apart
// (England's from Scotland's) count.
QString key(QStringView character);

// What a guess finds. A guess finds every character of the same key (key()). In a dictionary
// named by its language ("fr.txt", "el.txt", "pt-BR.txt"), it also finds every character that
// the language's collator ranks as the same letter, case aside (primary strength): in French
// "e" finds "é", "è", "ê" and "ë", in Spanish "n" does not find "ñ". Keys the collator ignores
// altogether (a mark on its own) match as they are, and so do the tags of subdivision flags.
class GuessMatching
{
public:
    GuessMatching() = default; // by key() alone

    // The matching for the dictionary at path (in the platform's form): its language's when
    // the file's name up to its extension is a language tag ("fr", "pt-BR"), else by key().
    static GuessMatching forFile(const QString &path);

    // What a character matches a guess by: equal for two characters the same guess finds.
    QString key(QStringView character) const;

    // The key of each character; the list itself when every key is its own character, as in
    // most words.
    CharacterList keys(const CharacterList &characters) const;

private:
    class Language;
    explicit GuessMatching(std::shared_ptr<Language> language);

    std::shared_ptr<Language> m_language; // shared by copies: it only remembers what it found
};

// A character nobody is asked to type: white space (a blank, a tab, a no-break or an
// ideographic space), a control character, U+FFFD (what could not be read as text), or one
// made of format and default-ignorable code points alone. It is shown from the start, like the
// blank between the words of a phrase.
bool standsRevealed(QStringView character);
bool isWhiteSpace(QStringView character);

} // namespace velmora::characters
