"""Arabic: hunspell-ar. Forms carry attached pronouns, duals and proclitics; only the
lemmas and the forms used most, none with an attached pronoun, a dual ending or a proclitic."""
from languages import Language

LANGUAGE = Language(
    name="Arabic", hunspell="ar", source="hunspell-ar", licence="GPL-2+ or LGPL-2.1+ or MPL-1.1",
    frequency=("wordfreq", "ar"), freedict="ara",
    form_use=30.0, longest_growth=2,
    # Attached pronouns (-ه, -ها, -هم, -كم, -نا, -ني ...), the dual (-هما, -كما, -تما, -ان),
    # and the article or a proclitic before it (ال, وال, بال, لل, فال, كال).
    odd_forms=(r"(?:ه|ها|هم|هن|هما|ك|كم|كن|كما|تما|تموه|نا|ني|ان|ين)$", r"^(?:و|ف|ب|ل|ك)?ال", r"^لل",
               r"^(?:و|ف)"),
    names_by_gloss=True, extra_lemmas=8000, extra_longest=9, limit=40000,
)
