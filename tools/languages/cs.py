"""Czech: hunspell-cs."""
from languages import Language

# Case endings of Czech nouns, pronouns and adjectives, longest first.
CASE_ENDINGS = ("ami", "ách", "ích", "ech", "ovi", "ové", "ými", "ého", "ému", "ům", "em", "ou", "mi",
                "ím", "ých", "ým", "u", "e", "ě", "y", "ů", "i", "í", "a", "é", "o")


def case_families(bare, least=3):
    """The stems without affix flags that are case forms of an irregular word: the dictionary
    lists them one by one, so that several of them share what is left when their case ending
    is cut ("dome", "domem", "domu", "domy", "domě", "domů"; "kamene", "kamenem", "kameny").
    The nominative that stands apart ("dům", "kámen") is no member of the family."""
    base_of = {}
    for stem in bare:
        for ending in CASE_ENDINGS:
            if stem.endswith(ending) and len(stem) - len(ending) >= 2:
                base_of[stem] = stem[: -len(ending)]
                break
    members = {}
    for stem, base in base_of.items():
        members.setdefault(base, set()).add(stem)
    return {s for group in members.values() if len(group) >= least for s in group} - FAMILY_WORDS


# Words the dictionary writes without affix flags that a reader would not take for an answer on
# their own, as a reader of the list found them: case forms of pronouns ("námi", "jehož"),
# irregular case forms ("práci", "dvoře"), abbreviations ("cca", "kcal"), interjections
# ("ehm") and foreign words ("facto").
NOT_WORDS = frozenset({
    "abych", "abychom", "abys", "abyste", "ad", "ah", "al", "alma", "alter", "ant", "atm", "au",
    "ba", "babi", "bank", "barev", "bek", "bene", "bim", "bio", "bla", "bozi", "br", "bran",
    "branami", "bu", "buch", "bud", "bum", "bych", "bychom", "bys", "byste", "břiše", "bůhví",
    "ca", "cal", "cca", "chi", "cink", "cos", "cosi", "dada", "dam", "dcer", "dceři", "de", "deci",
    "dia", "dl", "dle", "dně", "dolce", "dpi", "drah", "drahami", "drahách", "dráž", "dur",
    "dvoře", "dvěma", "děr", "ehm", "ex", "face", "facto", "fair", "fiction", "forte", "fuk",
    "gaga", "ha", "haf", "ham", "herald", "hergot", "hi", "hip", "hl", "hle", "hmmm", "hoc", "hot",
    "hotelích", "hr", "http", "hu", "in", "inu", "ion", "jader", "jakousi", "jakož", "jakože",
    "jakožto", "jakákoli", "jakákoliv", "jakási", "jakéhokoli", "jakéhokoliv", "jakéhosi",
    "jakékoli", "jakékoliv", "jakémkoli", "jakémkoliv", "jakémsi", "jakémukoli", "jakémukoliv",
    "jakési", "jakýchkoli", "jakýchkoliv", "jakýmkoli", "jakýmkoliv", "jakýmsi", "jakž", "jam",
    "jater", "jedenkrát", "jednak", "jehož", "jej", "jejichž", "jejíchž", "jejíhož", "jejímiž",
    "jejímž", "jejíž", "jejž", "jemu", "jemuž", "jenž", "jest", "jestliže", "ještěže", "jež", "ji",
    "jich", "jichž", "jim", "jimi", "jimiž", "jimž", "jin", "jmen", "jé", "jí", "jím", "jímž",
    "jíž", "jó", "kamsi", "kapes", "kcal", "kdes", "kdož", "kohokoli", "kohokoliv", "kolene",
    "kolenou", "komukoli", "komukoliv", "konče", "koněm", "krav", "krimi", "krom", "kterak",
    "kteréhokoliv", "kterékoli", "kterékoliv", "ku", "kýmkoliv", "leccos", "ledacos", "lg", "li",
    "lip", "lm", "ln", "mala", "mater", "max", "maxi", "memoriam", "mezd", "mi", "midi", "mil",
    "ml", "mlada", "mne", "mnou", "moll", "mání", "mě", "měrou", "nade", "nebesích", "nedávnem",
    "nepaměti", "ni", "nich", "nichž", "nim", "nimi", "nimiž", "nimž", "ničeho", "ničem", "ničím",
    "niž", "nohama", "nojo", "nu", "nuže", "nynějška", "nám", "námi", "nás", "ní", "ním", "nímž",
    "níž", "ně", "něhož", "něj", "nějž", "něm", "německu", "němu", "němuž", "němž", "něž", "ob",
    "ode", "odkudkoliv", "otcové", "ouha", "oz", "oč", "očima", "pa", "pac", "paf", "pi",
    "plemene", "plic", "plicích", "pr", "pracemi", "prsou", "práci", "pí", "písmene", "race",
    "ramene", "ramenou", "ran", "ranami", "rb", "rez", "roka", "rukama", "sami", "sapiens", "sec",
    "ses", "sic", "silám", "sin", "sis", "skal", "slam", "smluv", "soudě", "staletích",
    "staletími", "superior", "tací", "takovouhle", "takovouto", "takováhle", "takováto",
    "takovéhle", "takovéhoto", "takovémto", "takovéto", "takovýchto", "takovýhle", "takovýmto",
    "takovýto", "takž", "tamtéž", "tatáž", "tebe", "tebou", "tentýž", "teprv", "tihle", "tobě",
    "tohohle", "tohoto", "tomhle", "tomto", "tomtéž", "tomuhle", "tomuto", "touhle", "touto",
    "toť", "tož", "troji", "tudíž", "turecku", "tutéž", "tyhle", "tys", "tytéž", "téhle", "téhož",
    "témže", "této", "téže", "tímhle", "tímto", "týče", "týž", "tě", "těchto", "těmahle", "těmhle",
    "těmito", "těmto", "uher", "ušima", "vah", "vajec", "vista", "vojsk", "von", "vyhověno", "vám",
    "vámi", "vás", "vícero", "všeho", "všemi", "všemu", "zacházeno", "zad", "zdi", "zdí", "zl",
    "účtě", "čar", "čeho", "čehokoli", "čehokoliv", "čehož", "čem", "čemkoli", "čemkoliv", "čemu",
    "čemuž", "čemž", "česku", "čtyř", "čímkoliv", "čímž", "švédsku", "švýcarsku", "ťuk", "žes",
})


# Members of such families that are everyday words in their own right, as a reader found them:
# nominatives and plurals people say, and adverbs and pronouns.
FAMILY_WORDS = {"děti", "lidé", "oči", "uši", "ovoce", "paní", "kamna", "chleba", "zde", "vše",
                "všechny", "oba", "obě", "bravo", "lasagne", "zombie", "kari"}


LANGUAGE = Language(
    name="Czech", hunspell="cs_CZ", source="hunspell-cs", licence="GPL-2", licence_part="cs_CZ",
    frequency=("wordfreq", "cs"), freedict="ces", syllabic="rl",
    form_use=10.0,
    # No analyser tells a Czech form's case: a form other than the lemma is an entry only as a
    # verb form (the flags that conjugate, "pomáhal", "nechce", and the past of "byl", "šel":
    # "byla") or an adverb ("aktivně", "anglicky"), never a noun's or adjective's case
    # ("kostela", "německého"), nor the spoken past with -s ("dělals").
    form_flags="ABJOR", odd_forms=(r"l[aoiy]?s$",),
    # The case forms the dictionary lists as words ("základě", "příčinou") are forms.
    case_flags="CDHILMPQSUYZVéí",
    bare_forms=case_families,
    odd_lemmas=(r"^(?:" + "|".join(sorted(NOT_WORDS)) + r")$",),
    # Its bilingual dictionary is small: English words cannot be told from its own.
    english_loans=False,
)
