"""French: hunspell-fr-classical. The passé simple and the imperfect subjunctive are odd
forms (written, never said). Every lemma needs a known-word source or the analyser, and one
the frequency list lacks the bilingual dictionary or the analyser; English words of up to
five letters the bilingual dictionary does not hold are foreign ("funky", "bang")."""
from languages import Language

LANGUAGE = Language(
    name="French", hunspell="fr", source="hunspell-fr-classical", licence="MPL-2.0",
    frequency=("wordfreq", "fr"),
    analyser=("apertium-fra-cat/fra-cat.automorf.bin", "apertium-fra-cat"),
    freedict="fra", words="french", words_package="wfrench", words_cased=True,
    mythes="thes_fr", mythes_package="mythes-fr",
    odd_tags=("<ifi>", "<pis>", "+"),
    extra_sources=3, form_use=5.0,
    own_form_share=True, names_by_twins=True, twins_need_freedict=True,
    # Words said only inside a fixed phrase: "parce que", "en deçà", "martel en tête".
    odd_lemmas=(r"^(?:parce|deçà|martel)$",),
    attested=True, need_known=99, unlisted_need_analysis=True, loans_need_freedict=5,
)
