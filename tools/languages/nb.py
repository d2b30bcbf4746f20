"""Norwegian Bokmål: hunspell-no. Genitives and superlatives of participles are odd. The
lemmas are those the frequencies rank: past them, even words two ranked words make
("varebytte") are mostly rare, and the thesaurus's and word list's other words rare or
dialect. The dictionary lists English words that are no Norwegian ("sorry", "street"), and
the frequencies rank abbreviations, names and dialect words written in lower case ("mva",
"trump", "sjå"): a reader listed them, and they are no lemmas. Everyday forms (plurals, definite forms, past tenses)
are entries from 4 uses a million words on."""
from languages import Language

# English words the dictionary holds that a Norwegian reader does not take for Norwegian words.
ENGLISH = ("adult adventure air and are area back beat being bestride bobby body boring bravo business bye "
           "case chief chuck colt con corner country county cover crazy dash dean different ding dominant "
           "done double during ecstasy engineering etc face fallen false fate fellow fiction fifty fight "
           "former forward game gear girl grace grand gray green hardy happy have heat heavy high hill hoc "
           "hole home hope horse hot house huge human independent initial inside kick kill king kiss know "
           "large light lissom living location major making manning mesa messing mining miss more "
           "multiple must none nor ocean off okay old opinion pair peer personal pickup play racing "
           "rainbow range rapid right safety same save secret setting shake short sierra sing sitting "
           "slow sorry soul sound steam story straight strange street style supply swing talk taste tax "
           "telling touch trading trust twist underside unit used walk water west wild yard zero").split()
# Abbreviations, names and interjections written as lower-case words.
NOT_WORDS = ("abc adm ai ali alna arild aps aqua aue aug avd busse ca cheng co def devon dir div dore ekg "
             "eve evje feb feks geir gimle gisle guffe haha hauge hehe hjell horst http id iht inkl innb "
             "jaja jun karl kim lee lene lian mao maya medl mill molde mva non nov nve obs osv pedro pga "
             "phil rakel rikke rudi runa sek sep sept sidd soria sos tesla tex thorn tidl torp tove trine "
             "trude trump tveit utg vedr veum vha yale åmot "
             # dialect, archaic and set-phrase words, and more names and foreign words
             "adobe afro age akke akte alles alpha amin ana ause aust ave bate bau bent berr bis bjart "
             "blom bon bow boy bånn cal cap carte cox cross darr darre derre des dor dure dét dønn dønne "
             "efter erle ese esel exe fancy force forveiene franc fremt frå gamla gard gatt gla gold gubbe "
             "gæren gærne hasle heade heim heit hipp hoie hors hovde irish iss istad jaggu jaha javel jøye "
             "keene kise kore korne kring kvar kvare kyrr lill linn linne lunne lye mach mak maure "
             "medikamentere mei meie mek mig mit mori morse mort nate nedi nedpå negro neo nja noir nome "
             "nova ose otte pai pax pelle pers pes pese pigge pors pre primo pur quo radd rade raje rakke "
             "rape ratte rikk rippe rue rutte rye sage semi shak sia siam sic sikle sile sjå sjuk skau "
             "skei skeid skeie skule sladd slime smul snev snytt soft sogne sose spe stane stange styl "
             "søken søta tai tane tanne tant tek temp term tess tet tille tora trade tritt trus truse "
             "trutt tufte tvi uffe ure usse uti utpå vara velle verdensbankene ving vone webbe yen åja "
             "åle åssen bowle doctor granås huet nulle speed att audio gasse mis pater prost stene stri "
             # rare, archaic and set-phrase words of up to five letters
             "aure avkom bede befal begi berte bete bing blest bole bolte book bopel borge brake buk buste "
             "campe cashe dage dekar derpå dokk domer dresse dry duge dunke dur duse eld endog ense ert est "
             "este fals farse farte fenge flyge fore forut frels fyrst gagne gil gire gjesp glime glire "
             "gryne gubb hanke hauke head heil heime herav herse hind hipe hisse hist hoi hook hute hvelv "
             "hyre høl høle ifjor igår ikle inter jag jazze jøy kaie kall kamme karm kasus kat kis klore "
             "knope kobbe krige kruse kube kung kuppe kure kvikk kyle lab leies leite lesse lex linke lom "
             "losji lotte lunn luse lyge lynne løyve makk makte mane mang manne mekke minke miks mikse monn "
             "monne motsi nam nat nebbe neie neve nikse omlag omme oppsi orge pang pante pappe pat pate pell "
             "perm perse pilar pinke plott poll popp poppe punge purk purr pådra påta raide rake rakk rappe "
             "reg repp rex ripp riss risse rist roing romer rushe rutt røste sanne seire sekst selen sett "
             "sjuke skul skup skure skyts skøy snive sole sonde soppe stan strie stupe syte sørpå tamp tampe "
             "tan teig telte tilbe till tind tolle tosk trad trøkk tuft tuve tæl tøv uant uss utav uting "
             "uvenn vang varde varg varte vegre vipse viten voll webb amor plenty solar sverre").split()
# Frequent tokens the analyser takes for forms of a word: names ("james", "helge") and
# odd or dialect forms.
ODD_FORMS = ("ana ant are bond des has helen helge ida james las lien lier mere okt overs pre ram tide tim times "
             "tvers van venne").split()

def frem(word):
    """Words of "fram" and "frem" ("framtid", "fremtid") are written with "frem"."""
    return "frem" + word[4:] if word.startswith("fram") else word


LANGUAGE = Language(
    name="Norwegian Bokmål", hunspell="nb_NO", source="hunspell-no", licence="GPL-2", licence_part="no",
    frequency=("wordfreq", "nb"),
    analyser=("apertium-nno-nob/nob-nno.automorf.bin", "apertium-nno-nob"),
    mythes="th_nb_NO_v2", mythes_package="mythes-no", words="bokmaal", words_package="wnorwegian",
    words_encoding="latin-1",
    odd_tags=("<gen>", "<compound-only-L>"),
    odd_forms=(r"(?:en|et|ne|ene|ers|as)s$", "^(?:" + "|".join(ODD_FORMS) + ")$"),
    odd_lemmas=("^(?:" + "|".join(ENGLISH + NOT_WORDS) + ")$",),
    form_use=4.0, extra_lemmas=0, respell=frem,
    names_by_twins=True,
)
