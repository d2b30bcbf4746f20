"""Spanish (Spain): hunspell-es. Voseo forms (tenés, vení), which the analyser does not know,
and forms with attached pronouns (dímelo) are odd. Every lemma needs a known-word source or
the analyser, and one the frequency list lacks the bilingual dictionary or the analyser (the
stemmer makes "murciar" of "murcia")."""
from languages import Language

LANGUAGE = Language(
    name="Spanish", hunspell="es_ES", source="hunspell-es", licence="GPL-3+ or LGPL-3+ or MPL-1.1+",
    licence_part="es", frequency=("wordfreq", "es"),
    analyser=("apertium-spa-cat/spa-cat.automorf.bin", "apertium-spa-cat"),
    freedict="spa", words="spanish", words_package="wspanish", words_cased=True,
    mythes="th_es_ES_v2", mythes_package="mythes-es",
    forms_need_analysis=True, odd_tags=("+",),
    extra_sources=3, form_use=5.0,
    own_form_share=True, names_by_twins=True, twins_need_freedict=True,
    attested=True, need_known=99, unlisted_need_analysis=True,
)
