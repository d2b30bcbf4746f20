"""French: hunspell-fr-classical. The passé simple and the imperfect subjunctive are odd
forms (written, never said)."""
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
    attested=True, need_known=99, unlisted_need_analysis=True, loans_need_freedict=5,
)
