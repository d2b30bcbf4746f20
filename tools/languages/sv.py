"""Swedish: hunspell-sv. Genitives (skinnbyxornas) and linking-s forms are odd. The
frequency list's everyday forms (plurals, definite forms, past tenses) are entries from 6
uses a million words on: a reader knows them as well as their lemmas. A form the analyser
does not know ("dna") or knows only as a genitive or a compound's first part ("barns") is
no entry."""
from languages import Language

# Archaic, rare or foreign words the frequencies rank high (a name or abbreviation written
# the same: "arla", "sas").
ODD = ("abbot arla avis bliva cred damallsvenska eon fiction franc hdmi lisma maxim näste ordf sapiens "
       "tji").split()


def swedish(word):
    """Loans Swedish writes both ways are written the Swedish way ("kafé", "skanna")."""
    return {"café": "kafé", "scanna": "skanna"}.get(word, word)

LANGUAGE = Language(
    name="Swedish", hunspell="sv_SE", source="hunspell-sv", licence="LGPL-3", licence_part="sv_SE",
    frequency=("wordfreq", "sv"),
    analyser=("apertium-swe-dan/swe-dan.automorf.bin", "apertium-swe-dan"),
    freedict="swe", words="swedish", words_package="wswedish", words_encoding="latin-1",
    odd_tags=("<gen>", "<sup>", "<compound-only-L>"), odd_forms=(r"(?:ens|ets|nas|ernas|arnas|ornas|ings)$", r"^sas$"),
    odd_lemmas=("^(?:" + "|".join(ODD) + ")$",), forms_need_analysis=True,
    form_use=6.0, extra_sources=2, respell=swedish,
    names_by_twins=True,
)
