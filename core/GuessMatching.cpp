#include "GuessMatching.h"

#include "CodePoints.h"
#include "Composition.h"

#include <QFileInfo>
#include <QHash>

#include <unicode/coll.h>
#include <unicode/sortkey.h>
#include <unicode/tblcoll.h>
#include <unicode/umutablecptrie.h>
#include <unicode/uniset.h>

#include <cstring>

namespace velmora::characters {
namespace {

// The tag characters that follow a black flag to spell a subdivision: England's flag and
// Scotland's differ in their tags alone. Default-ignorable, yet part of what a guess must match.
bool isTag(UChar32 c)
{
    return c >= 0xE0020 && c <= 0xE007F;
}

// Final letters and the letters they are the final forms of, as Unicode names them: "HEBREW
// LETTER FINAL MEM" is the final form of "HEBREW LETTER MEM". No property pairs them (case
// folding pairs only ς with σ); Unicode's names never change. Read from ICU once, among the
// letters that have neither case nor a decomposition.
class FinalForms
{
public:
    FinalForms()
    {
        UErrorCode status = U_ZERO_ERROR;
        const icu::UnicodeSet letters(icu::UnicodeString(u"[[:Lo:]&[:dt=none:]-[:Ideographic:]]"), status);
        Names names;
        for (int32_t r = 0; U_SUCCESS(status) && r < letters.getRangeCount(); ++r)
            u_enumCharNames(letters.getRangeStart(r), letters.getRangeEnd(r) + 1, noteName, &names, U_UNICODE_CHAR_NAME, &status);
        UMutableCPTrie *pairs = umutablecptrie_open(0, 0, &status);
        for (const auto &[finalForm, ordinaryName] : std::as_const(names.finals)) {
            if (const auto ordinary = names.letters.constFind(ordinaryName); ordinary != names.letters.cend())
                umutablecptrie_set(pairs, finalForm, uint32_t(*ordinary), &status);
        }
        if (U_SUCCESS(status))
            m_trie.reset(umutablecptrie_buildImmutable(pairs, UCPTRIE_TYPE_SMALL, UCPTRIE_VALUE_BITS_32, &status));
        umutablecptrie_close(pairs);
        if (U_FAILURE(status))
            m_trie.reset();
    }

    UChar32 ordinary(UChar32 c) const
    {
        const uint32_t ordinary = m_trie ? ucptrie_get(m_trie.get(), c) : 0;
        return ordinary ? UChar32(ordinary) : c;
    }

private:
    struct Names
    {
        QHash<QByteArray, UChar32> letters;
        QList<std::pair<UChar32, QByteArray>> finals; // with the name of the ordinary letter
    };

    static UBool noteName(void *context, UChar32 c, UCharNameChoice, const char *name, int32_t length)
    {
        static constexpr QByteArrayView Final = " LETTER FINAL ";
        Names &names = *static_cast<Names *>(context);
        const QByteArrayView n(name, length);
        if (const qsizetype at = n.indexOf(Final); at >= 0)
            names.finals.append({c, n.first(at).toByteArray() + " LETTER " + n.sliced(at + Final.size()).toByteArray()});
        else
            names.letters.insert(n.toByteArray(), c);
        return true;
    }

    std::unique_ptr<UCPTrie, decltype(&ucptrie_close)> m_trie{nullptr, ucptrie_close};
};

bool isLowerAscii(QStringView character)
{
    return character.size() == 1 && character.front().unicode() < 0x80 && !(character.front() >= u'A' && character.front() <= u'Z');
}

} // namespace

QString key(QStringView character)
{
    if (character.size() == 1 && character.front().unicode() < 0x80)
        return character.toString().toLower();
    QString folded;
    folded.reserve(character.size());
    for (qsizetype i = 0; i < character.size();)
        folded += QChar::fromUcs4(char32_t(u_foldCase(u_tolower(UChar32(nextCodePoint(character.utf16(), i, character.size()))), U_FOLD_CASE_DEFAULT)));
    folded = composed(folded);

    QString k;
    k.reserve(folded.size());
    static const FinalForms finalForms;
    for (qsizetype i = 0; i < folded.size();) {
        const UChar32 c = UChar32(nextCodePoint(folded.utf16(), i, folded.size()));
        if (isTag(c) || !u_hasBinaryProperty(c, UCHAR_DEFAULT_IGNORABLE_CODE_POINT))
            k += QChar::fromUcs4(char32_t(finalForms.ordinary(c)));
    }
    return k;
}

// Letters as the readers of a language count them, where its collator alone would not: rules
// added to its collator's (ICU's tailoring syntax: "&a<<b" makes b the letter a with a mark),
// its own case mapping, or a cell found by its first letter.
struct LetterRules
{
    const char *language;
    const char16_t *tailoring = nullptr;
    bool ownCase = false;
    bool firstLetterFinds = false;
    const char16_t *shownFromStart = u"";
};
constexpr LetterRules Rules[] = {
    // Every alef is one letter, with hamza, madda or wasla or without, as everyday writing
    // leaves the hamza off; hamza alone and on waw or yeh is a letter of its own. Teh marbuta
    // stays a teh and alef maqsura a yeh, as the collator and the dictionaries file them.
    {"ar", u"&ا<<<أ<<<إ<<<آ<<<ٱ &ا<ء<ؤ<ئ"},
    // No French keyboard has œ or æ: the ligature's first letter finds it.
    {"fr", u"&o<<œ<<<Œ &a<<æ<<<Æ"},
    // "I" is the capital of "ı", "İ" of "i".
    {"tr", nullptr, true},
    {"az", nullptr, true},
    // The player finds the consonants: a consonant finds every cell built on it, whatever vowel
    // sign and tone mark it carries (hundreds of such cells would leave a player nothing to go
    // by), and the vowels written as letters of their own, with อ that carries a vowel, are shown
    // from the start.
    {"th", nullptr, false, true, u"เแโใไาะำอฤฦๅๆ"},
};

// A language's idea of the same letter: its collator at primary strength. The keys of one
// letter are all represented by the first of them met, so that keys stay characters and
// compare as text; ASCII is met first, so that a plain word is its own keys.
class GuessMatching::Language
{
public:
    Language(std::unique_ptr<icu::Collator> collator, const LetterRules &rules)
        : m_collator(std::move(collator))
        , m_rules(rules)
    {
        for (char16_t c = 0x21; c < 0x7F; ++c) {
            const QString k(QChar{c});
            if (!(c >= u'A' && c <= u'Z'))
                m_asciiKeepsItsKeys = representative(k) == k && m_asciiKeepsItsKeys;
        }
    }

    bool asciiKeepsItsKeys() const { return m_asciiKeepsItsKeys; }
    const LetterRules &rules() const { return m_rules; }

    QString representative(const QString &key)
    {
        if (const auto known = m_representatives.constFind(key); known != m_representatives.cend())
            return *known;
        QString found = key;
        if (QByteArray letter = primaryWeights(key); !letter.isEmpty()) {
            // Tags are nothing to the collator, yet they tell one flag from another: they follow
            // the weights after a byte no weight is.
            QString tags;
            for (qsizetype i = 0; i < key.size();) {
                if (const char32_t c = nextCodePoint(key.utf16(), i, key.size()); isTag(UChar32(c)))
                    tags += QChar::fromUcs4(c);
            }
            if (!tags.isEmpty())
                letter += '\x01' + tags.toUtf8();
            auto first = m_letters.find(letter);
            if (first == m_letters.end())
                first = m_letters.insert(letter, key);
            found = *first;
        }
        m_representatives.insert(key, found);
        return found;
    }

private:
    // The collator's primary weights for the text, without the sort key's terminator: empty
    // when it ignores the text at that strength.
    QByteArray primaryWeights(const QString &text) const
    {
        UErrorCode status = U_ZERO_ERROR;
        icu::CollationKey key;
        m_collator->getCollationKey(unicodeAlias(text), key, status);
        int32_t length = 0;
        const uint8_t *weights = key.getByteArray(length);
        return QByteArray(reinterpret_cast<const char *>(weights), std::max(length - 1, 0));
    }

    std::unique_ptr<icu::Collator> m_collator; // at primary strength
    LetterRules m_rules;
    bool m_asciiKeepsItsKeys = true;
    QHash<QString, QString> m_representatives; // by key
    QHash<QByteArray, QString> m_letters; // the first key met, by primary weights and tags
};

GuessMatching::GuessMatching(std::shared_ptr<Language> language)
    : m_language(std::move(language))
{
}

GuessMatching GuessMatching::forFile(const QString &path)
{
    // The name up to its extension must be a well-formed language tag, and its language one of
    // the languages ICU knows by code: "Dictionary", "words" and "birds" are none.
    const QString name = QFileInfo(path).completeBaseName();
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale locale = icu::Locale::forLanguageTag(name.toStdString(), status);
    if (U_FAILURE(status) || locale.isBogus() || *locale.getLanguage() == 0)
        return {};
    bool known = false;
    for (const char *const *code = icu::Locale::getISOLanguages(); *code && !known; ++code)
        known = std::strcmp(*code, locale.getLanguage()) == 0;
    if (!known)
        return {};
    std::unique_ptr<icu::Collator> collator(icu::Collator::createInstance(locale, status));
    if (U_FAILURE(status) || !collator)
        return {};
    LetterRules rules{""};
    for (const LetterRules &r : Rules)
        rules = std::strcmp(r.language, locale.getLanguage()) == 0 ? r : rules;
    if (const auto *base = dynamic_cast<const icu::RuleBasedCollator *>(collator.get()); base && rules.tailoring) {
        auto tailored = std::make_unique<icu::RuleBasedCollator>(base->getRules() + icu::UnicodeString(rules.tailoring), status);
        if (U_SUCCESS(status))
            collator = std::move(tailored);
    }
    collator->setStrength(icu::Collator::PRIMARY);
    return GuessMatching(std::make_shared<Language>(std::move(collator), rules));
}

QString GuessMatching::key(QStringView character) const
{
    if (!m_language)
        return characters::key(character);
    const LetterRules &rules = m_language->rules();
    if (rules.firstLetterFinds && character.size() > 1 && !character.front().isSurrogate())
        character = character.first(1);
    return m_language->representative(characters::key(rules.ownCase ? lowered(character.toString(), rules.language) : character.toString()));
}

QStringView GuessMatching::shownFromStart() const
{
    return m_language ? QStringView(m_language->rules().shownFromStart) : QStringView();
}

const char *GuessMatching::caseLanguage() const
{
    return m_language && m_language->rules().ownCase ? m_language->rules().language : "";
}

CharacterList GuessMatching::keys(const CharacterList &characters) const
{
    const bool asciiKeepsItsKeys = !m_language || m_language->asciiKeepsItsKeys();
    CharacterList keys;
    bool same = true; // while every key so far is its own character, nothing is copied
    for (qsizetype i = 0; i < characters.size(); ++i) {
        const QStringView character = characters.at(i);
        if (same && asciiKeepsItsKeys && isLowerAscii(character)) // its own key, found without making one
            continue;
        const QString k = key(character);
        if (same && k == character)
            continue;
        if (same) {
            keys = characters.first(i);
            same = false;
        }
        keys.append(k);
    }
    return same ? characters : keys;
}

} // namespace velmora::characters
