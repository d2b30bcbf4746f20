#pragma once

#include "Segmentation.h"

#include <memory>

// Which guess finds which character.
namespace velmora::characters {

// What a guess and a character are compared by: each code point lower-cased, then case-folded
// (simple mappings), the whole composed (NFC), default-ignorable code points but tags left out,
// and a final letter taken for its ordinary form. So "i" finds "İ", "σ" finds "ς" and "Σ", "ǰ"
// finds "J̌", "מ" finds "ם", "❤" finds "❤️", a letter followed by a zero-width non-joiner is
// found by the letter alone, and the tags that tell subdivision flags apart (England's from
// Scotland's) count.
QString key(QStringView character);

// What a guess finds. A guess finds every character of the same key (key()). In a dictionary
// named by its language ("fr.txt", "el.txt", "pt-BR.txt"), it also finds every character that
// the language's collator ranks as the same letter, case aside (primary strength): in French
// "e" finds "é", "è", "ê" and "ë", in Spanish "n" does not find "ñ". Keys the collator ignores
// altogether (a mark on its own) match as they are, and so do the tags of subdivision flags.
// Where a language's readers count letters otherwise, its LetterRules (GuessMatching.cpp) hold.
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

    // The language whose case rules lower the entries and the guesses ("tr"), or "".
    const char *caseLanguage() const;
    // The letters the language shows from the start, as blanks are (standsRevealed()).
    QStringView shownFromStart() const;

private:
    class Language;
    explicit GuessMatching(std::shared_ptr<Language> language);

    std::shared_ptr<Language> m_language; // shared by copies: it only remembers what it found
};

} // namespace velmora::characters
