"""Turkish: hunspell-tr. Suffixes stack (taksitlendirebilecek): the dictionary lists many
finished forms as stems of their own, which count as forms of their root, also where the
root's last consonant softens or its last vowel drops before a suffix (cebi of cep, oğlu of
oğul). A verb is written as its infinitive (gelmek), its stem (gel) counting for it. A form
of a noun or adjective is an entry only as its plural (kitaplar); a verb's forms only in the
tenses people say (geldi, geliyor, gelecek, gelmiş, gelir, gelen), never with further case or
possessive suffixes."""
import re

from languages import Language

SOFTENED = {"p": "b", "ç": "c", "t": "d", "k": "ğ", "g": "ğ"}
VOWELS = "aeıioöuü"
BACK = set("aıou")


def infinitive(stem):
    """gel -> gelmek, kal -> kalmak: the vowel of -mak/-mek follows the stem's last vowel."""
    last = next((c for c in reversed(stem) if c in VOWELS), "e")
    return stem + ("mak" if last in BACK else "mek")


# Person endings of a verb form.
PERSON = r"(?:m|n|k|ım|im|um|üm|sın|sin|sun|sün|ız|iz|uz|üz|nız|niz|nuz|nüz|sınız|siniz|sunuz|sünüz|lar|ler)?"
POTENTIAL = re.compile(r"y?[ae]bil$")
NEGATIVE = re.compile(r"(?:y?[ae])?m[ae]$")

# Endings the dictionary writes into stems of their own (süresi, ucundan, sattık, yapılan):
# case and possessive endings of two letters or more, and finite verb endings. A stem that
# is another stem with one of them is a form of it. Single vowels (bina, yazı), the
# locative (fakülte, hafta) and the participle and aorist (bakan, yazar), which end many
# nouns, are no such ending.
INFLECTED = re.compile(
    r"(?:[sn]?[ıiuü]nd[ae]n?|n[ıiuü]n|[sy][ıiuü]|l[ae]r[ıi]|y[ae]"
    r"|[ıiuü]?yor" + PERSON + r"|[dt][ıiuü][kğ]?" + PERSON + r"|m[ıiuü]ş" + PERSON
    + r"|y?[ae]c[ae][kğ]" + PERSON + r"|y?[ae]r[ae]k|y?[ıiuü]nc[ae]|m[ae]d[ae]n|m[ae]l[ıi]" + PERSON + r")")


def stem_lemma(stem, lemmas):
    """A verb stem stands for its infinitive where the dictionary has it (a noun stays: yaz);
    a stem of the
    potential (yapabil) or the negative (yapma, yapama) for the verb's own infinitive; a stem
    that is a form (süresi, sattık) for its root's lemma."""
    for pattern in (POTENTIAL, NEGATIVE):
        base = pattern.sub("", stem)
        if base != stem and len(base) >= 2 and infinitive(base) in lemmas:
            return infinitive(base)
    verb = infinitive(stem)
    if verb in lemmas and len(stem) >= 2 and not noun(stem, lemmas):
        return verb
    if stem[-1:] in "ıiuü" and len(stem) >= 4:
        # The stem before -yor narrows its last vowel (bekli of bekle, in bekliyor).
        for vowel in "ae":
            if infinitive(stem[:-1] + vowel) in lemmas and not noun(stem, lemmas):
                return infinitive(stem[:-1] + vowel)
    for cut in range(len(stem) - 2, 2, -1):
        if INFLECTED.fullmatch(stem[cut:]):
            for head in unsoftened(stem[:cut]):
                if infinitive(head) in lemmas:
                    return infinitive(head)
                if head in lemmas and any(lemmas[head]):
                    return head
    return stem


# The dictionary's affix flags of the plural (-lar, -ler): a stem that has one is a noun.
PLURAL_FLAGS = {"3", "27"}


def noun(stem, lemmas):
    """The stem takes a plural: it is a noun, also where it is a verb's stem as well (yaz,
    the summer, and yazmak, to write)."""
    return any(PLURAL_FLAGS & set(text.split(",")) for text in lemmas.get(stem, ()))


def unsoftened(head):
    """The roots a spelling before a suffix may be of: itself, its softened last consonant
    hardened again (ceb: cep), its dropped vowel put back is not guessed."""
    out = [head]
    for hard, soft in SOFTENED.items():
        if head.endswith(soft):
            out.append(head[:-1] + hard)
    return out


def root_spellings(root):
    """The spellings a root takes before a suffix beginning with a vowel: itself, its last
    consonant softened (cep: ceb, renk: reng), its last vowel dropped (oğul: oğl)."""
    out = [root]
    if len(root) >= 3 and root[-1] in SOFTENED:
        out.append(root[:-1] + SOFTENED[root[-1]])
        if root.endswith("nk"):
            out.append(root[:-1] + "g")
    if len(root) >= 4 and root[-2] in "ıiuü" and root[-1] not in VOWELS and root[-3] not in VOWELS:
        out.append(root[:-2] + root[-1])
    return out


# Verb forms people say on their own: the stem (an imperative), the past, the present, the
# future, the reported past, the aorist, the formal present, the participle in -an, each
# with a person ending at most.
VERB_FORMS = re.compile(
    r"(?:[dt][ıiuü]" + PERSON + r"|yor" + PERSON + r"|[ae]c[ae][kğ]" + PERSON + r"|m[ıiuü]ş" + PERSON
    + r"|[ıiuüae]r" + PERSON + r"|m[ae]z" + PERSON + r"|m[ae]kt[ae]d[ıi]r|[ae]n|m[ae]l[ıi])$")


def odd_form_of(form, lemma):
    """A noun's form other than its plural; a verb's form outside the everyday tenses."""
    if lemma is None:
        return False
    if lemma.endswith(("mak", "mek")):
        stem = lemma[:-3]
        if form == stem:
            return False
        return not (form.startswith(stem[:-1]) and VERB_FORMS.search(form[len(stem) - 1:]))
    return form not in (lemma + "lar", lemma + "ler")


LANGUAGE = Language(
    name="Turkish", hunspell="tr_TR", source="hunspell-tr", licence="MPL-2.0", licence_part="tr_TR",
    frequency=("wordfreq", "tr"), freedict="tur", translations="eng-tur", translations_least=3,
    form_use=20.0, longest_growth=5, listed_forms=True, unheld_use=2.0, short_seen=5,
    stem_lemma=stem_lemma, root_spellings=root_spellings, odd_form_of=odd_form_of,
    # The infinitives of the potential (yapabilmek) and the negative (yapmamak) are forms,
    # not dictionary words.
    odd_lemmas=(r"[ae]bilmek$", r"m[ae]m[ae]k$"),
    # Its bilingual dictionary is small: English words cannot be told from its own.
    english_loans=False,
)
